#include "records/usi.h"

#include <array>
#include <vector>

#include "records/record_reader.h"
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

// The words of the whole text are read once every line is in (the words
// point into the lines, which the reading keeps until 終端 returns): an SFEN
// and its moves may be spread over several lines.
class USI読込 : public 記録読込<USI読込> {
  friend class 記録読込<USI読込>;

 private:
  struct 語 {
    std::string_view 文;
    int 行;
  };

  void 一行(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
      while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
      const std::size_t 始 = i;
      while (i < s.size() && s[i] != ' ' && s[i] != '\t') ++i;
      if (i > 始) 語列.push_back({s.substr(始, i - 始), 行番号});
    }
  }

  void 終端() {
    if (組.終了() || !開始を読む()) return;
    if (次("moves")) ++i;
    for (; i < 語列.size() && !組.終了(); ++i) {
      if (次("resign")) return 手番側で終局(終局::投了, -1);
      指し手を読む(語列[i]);
    }
  }

  bool 次(std::string_view w) const { return i < 語列.size() && 語列[i].文 == w; }

  // `[position] startpos` or `[position] [sfen] <board> <side> <hands> [<n>]`.
  bool 開始を読む() {
    if (次("position")) ++i;
    if (次("startpos")) {
      ++i;
      return 組.開始設定(平手局面(), 語列[i - 1].行);
    }
    if (次("sfen")) ++i;
    if (i + 3 > 語列.size()) {
      const int 行 = i < 語列.size() ? 語列[i].行 : 語列.empty() ? 1 : 語列.back().行;
      組.中止(行, SFEN不備の文({SFEN不備種類::欄の数}));
      return false;
    }
    const int 盤の行 = 語列[i].行;
    const std::string 欄 = std::string(語列[i].文) + ' ' + std::string(語列[i + 1].文) + ' ' +
                           std::string(語列[i + 2].文);
    SFEN不備 不備;
    const auto p = SFEN読込(欄, &不備);
    if (!p) {
      組.中止(盤の行, SFEN不備の文(不備));
      return false;
    }
    i += 3;
    std::string_view n = i < 語列.size() ? 語列[i].文 : "";
    if (先頭の数(n) >= 0 && n.empty()) ++i;  // the move number, not used
    記録局面 開始;
    開始.盤面 = p->盤面;
    開始.持駒_下 = p->持駒_MAN;
    開始.持駒_上 = p->持駒_COM;
    開始.下の番 = p->MAN手番;
    return 組.開始設定(開始, 盤の行);
  }

  // A move, checked on the position reached; some writers put a drop's
  // letter in lower case for the upper side.
  void 指し手を読む(const 語& w) {
    std::string_view t = w.文;
    std::array<char, 4> 打ち{};
    if (t.size() == 4 && t[1] == '*' && t[0] >= 'a' && t[0] <= 'z') {
      t.copy(打ち.data(), 4);
      打ち[0] = static_cast<char>(t[0] - 'a' + 'A');
      t = {打ち.data(), 4};
    }
    const auto m = USI指し手読込(t, 組.局面.盤面, 組.局面.下の番);
    if (!m) return 組.中止(w.行, "指し手「" + std::string(w.文) + "」が読めません");
    if (!組.追加({*m}, w.行)) 組.結果.不正理由 = std::string(w.文) + "：" + 組.結果.不正理由;
  }

  std::vector<語> 語列;
  std::size_t i = 0;
};

}  // namespace

記録読込結果 USI解読(std::string_view 内容) {
  return USI読込{}.読む(内容);
}

}  // namespace qz
