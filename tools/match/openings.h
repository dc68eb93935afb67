// The openings the match tools play from: every distinct series of a few
// random legal plies from the initial position, the same for the same seed,
// or the series a file lists.
#pragma once

#include <istream>
#include <iterator>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "game/session.h"
#include "rules/sfen.h"

namespace qz {

// A fresh game from the initial position, a repetition ending it.
inline 対局 新しい対局() {
  対局 g;
  g.初期化();
  g.千日手判定 = true;
  return g;
}

// Every distinct opening of 手数 random legal plies from the start.
inline std::vector<std::vector<指し手>> 序盤を作る(int 数, int 手数, unsigned 種) {
  std::mt19937 rng(種);
  std::set<std::string> 既;
  std::vector<std::vector<指し手>> r;
  for (int tries = 0; static_cast<int>(r.size()) < 数 && tries < 数 * 100; ++tries) {
    対局 g = 新しい対局();
    std::vector<指し手> 手;
    std::string 表記;
    for (int i = 0; i < 手数; ++i) {
      勢力調査(g.局);
      調査_2歩フラグ設定(g.局);
      std::vector<指し手> v;
      合法手列挙(g.局, g.MAN手番(), [&](const 指し手& m) { v.push_back(m); });
      手.push_back(v[rng() % v.size()]);
      g.指す(手.back());
      表記 += " " + USI表記(手.back());
    }
    if (既.insert(表記).second) r.push_back(std::move(手));
  }
  return r;
}

// The longest series a file's line may give.
inline constexpr std::size_t 序盤の最長 = 1000;

// Reads one line of an openings file: USI moves from the initial position,
// each legal where it stands, the game not over after the last (a first word
// "moves" is skipped, so that a game's line of qz-match --moves can be
// copied). Nothing for a blank line or a comment ('#'), with 不備 empty; for
// a bad line, nothing and 不備 says why.
inline std::optional<std::vector<指し手>> 序盤行を読む(const std::string& 行, std::string& 不備) {
  不備.clear();
  std::istringstream in(行);
  const std::vector<std::string> 語{std::istream_iterator<std::string>(in), {}};
  if (語.empty() || 語[0][0] == '#') return std::nullopt;
  const std::size_t 先頭 = 語[0] == "moves" ? 1 : 0;
  if (語.size() - 先頭 > 序盤の最長) {
    不備 = "more than " + std::to_string(序盤の最長) + " moves";
    return std::nullopt;
  }
  対局 g = 新しい対局();
  std::vector<指し手> 手;
  for (std::size_t i = 先頭; i < 語.size(); ++i) {
    const std::string& w = 語[i];
    const auto m = USI指し手読込(w, g.局.盤面, g.MAN手番());
    if (!m || g.指し手検査(*m) != 着手拒否::なし) {
      不備 =
          "move " + std::to_string(手.size() + 1) + " (" + w.substr(0, 16) + ") is not legal there";
      return std::nullopt;
    }
    手.push_back(*m);
    if (g.指す(*m).終わり) {
      不備 = "the game is over after move " + std::to_string(手.size());
      return std::nullopt;
    }
  }
  return 手;
}

// Reads every opening of an openings file; for a bad line or a file with no
// opening, nothing, and 不備 says which line and why.
inline std::optional<std::vector<std::vector<指し手>>> 序盤を読む(std::istream& in,
                                                                  std::string& 不備) {
  std::vector<std::vector<指し手>> r;
  std::string 行;
  for (int n = 1; std::getline(in, 行); ++n) {
    auto 手 = 序盤行を読む(行, 不備);
    if (!不備.empty()) {
      不備 = "line " + std::to_string(n) + ": " + 不備;
      return std::nullopt;
    }
    if (手) r.push_back(std::move(*手));
  }
  if (r.empty()) {
    不備 = "no opening in the file";
    return std::nullopt;
  }
  return r;
}

}  // namespace qz
