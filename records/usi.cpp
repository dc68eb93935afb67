#include "records/usi.h"

#include <cstdlib>

#include "records/record_text.h"
#include "rules/sfen.h"

namespace qz {

std::string SFEN文(const 記録局面& p, int 手数) {
  return SFEN書出(p.盤面, p.持駒_下, p.持駒_上, p.下の番, 手数);
}

std::string USI文書(const 対局記録& r) {
  std::string s = r.開始 == 平手局面() ? "position startpos" : "position sfen " + SFEN文(r.開始);
  if (!r.手.empty()) s += " moves";
  for (const 記録手& m : r.手) s += " " + USI表記(m);
  if (r.結末 == 終局::投了) s += " resign";
  return s;
}

std::string 最終局面SFEN(const 対局記録& r) {
  記録局面 p = r.開始;
  for (記録手 m : r.手) {
    if (!手の不整合(p, m).empty()) break;
    手を指す(p, m);
  }
  return SFEN文(p, static_cast<int>(r.手.size()) + 1);
}

// --- Reading ----------------------------------------------------------------------

namespace {

struct 語 {
  std::string_view 文;
  int 行;
};

std::vector<語> 語に分ける(const std::vector<文書行>& 行) {
  std::vector<語> r;
  for (std::size_t n = 0; n < 行.size(); ++n) {
    const std::string_view s = 行[n].文;
    std::size_t i = 0;
    while (i < s.size()) {
      while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
      const std::size_t 始 = i;
      while (i < s.size() && s[i] != ' ' && s[i] != '\t') ++i;
      if (i > 始) r.push_back({s.substr(始, i - 始), static_cast<int>(n + 1)});
    }
  }
  return r;
}

// A USI move on p: "7g7f", "8h2b+", "P*5e" (a drop's letter in either
// case); false when the text is none.
bool 指し手を読む(std::string_view w, const 記録局面& p, 記録手& m) {
  std::string t(w);
  if (t.size() == 4 && t[1] == '*' && t[0] >= 'a' && t[0] <= 'z')
    t[0] = static_cast<char>(t[0] - 'a' + 'A');
  const auto u = USI指し手読込(t, p.盤面, p.下の番);
  if (u) m = {*u};
  return u.has_value();
}

}  // namespace

記録読込結果 USI解読(std::string_view 内容) {
  記録組立 組;
  const auto 行 = 行に分ける(内容);
  for (std::size_t i = 0; i < 行.size(); ++i)
    if (行[i].読めない) {
      組.中止(static_cast<int>(i + 1), "文字コードとして読めないバイトがあります");
      return std::move(組.結果);
    }
  const std::vector<語> 語列 = 語に分ける(行);
  std::size_t i = 0;
  auto 次 = [&](std::string_view w) { return i < 語列.size() && 語列[i].文 == w; };
  auto 行番号 = [&] { return i < 語列.size() ? 語列[i].行 : (語列.empty() ? 1 : 語列.back().行); };
  if (次("position")) ++i;
  記録局面 p;
  if (次("startpos")) {
    p = 平手局面();
    ++i;
  } else {
    if (次("sfen")) ++i;
    if (i + 3 > 語列.size()) {
      組.中止(行番号(), SFEN不備の文({SFEN不備種類::欄の数}));
      return std::move(組.結果);
    }
    const std::string 欄 = std::string(語列[i].文) + ' ' + std::string(語列[i + 1].文) + ' ' +
                           std::string(語列[i + 2].文);
    SFEN不備 不備;
    const auto q = SFEN読込(欄, &不備);
    if (!q) {
      組.中止(語列[i].行, SFEN不備の文(不備));
      return std::move(組.結果);
    }
    p.盤面 = q->盤面;
    p.持駒_下 = q->持駒_MAN;
    p.持駒_上 = q->持駒_COM;
    p.下の番 = q->MAN手番;
    i += 3;
    std::string_view n = i < 語列.size() ? 語列[i].文 : "";
    if (先頭の数(n) >= 0 && n.empty()) ++i;
  }
  組.開始設定(p);
  if (次("moves")) ++i;
  for (; i < 語列.size() && !組.終了(); ++i) {
    if (次("resign")) {
      組.結果.記録.結末 = 終局::投了;
      組.結果.記録.勝者 = 組.局面.下の番 ? -1 : 1;
      break;
    }
    記録手 m;
    if (!指し手を読む(語列[i].文, 組.局面, m)) {
      組.中止(語列[i].行, "指し手「" + std::string(語列[i].文) + "」が読めません");
      break;
    }
    if (!組.追加(m, 語列[i].行))
      組.結果.不正理由 = std::string(語列[i].文) + "：" + 組.結果.不正理由;
  }
  const auto& 手 = 組.結果.記録.手;
  if (!手.empty() && std::abs(手.back().取駒) == 王) {
    組.結果.記録.結末 = 終局::王取り;
    組.結果.記録.勝者 = 手.back().元駒 < 0 ? 1 : -1;
  }
  return std::move(組.結果);
}

}  // namespace qz
