#include "tools/tune/teacher.h"

#include <cstdio>

#include "computer/bearing_board.h"

namespace qz {
namespace {

int 語の数(std::string_view s) {
  int n = 0;
  for (std::size_t i = 0; (i = s.find_first_not_of(" \t", i)) != std::string_view::npos; ++n)
    i = s.find_first_of(" \t", i);
  return n;
}

}  // namespace

std::optional<教師行> 教師行を読む(std::string_view 行, std::string& 不備) {
  不備.clear();
  if (!行.empty() && 行.back() == '\r') 行.remove_suffix(1);
  if (行.find_first_not_of(" \t") == std::string_view::npos || 行.front() == '#')
    return std::nullopt;
  const int 語数 = 語の数(行);
  if (語数 != 5) {
    不備 = "expected the four fields of an SFEN and a result, found " + std::to_string(語数) +
           " words";
    return std::nullopt;
  }
  const std::size_t gap = 行.find_last_of(" \t");
  const std::string_view r = 行.substr(gap + 1);
  教師行 t;
  if (r == "1")
    t.結果 = 1;
  else if (r == "0")
    t.結果 = 0;
  else if (r == "0.5")
    t.結果 = 0.5F;
  else {
    不備 = "the result must be 1, 0.5 or 0, not '" + std::string(r.substr(0, 20)) + "'";
    return std::nullopt;
  }
  SFEN不備 why;
  const auto p = SFEN読込(行.substr(0, gap), &why);
  if (!p) {
    不備 = "bad SFEN: " + SFEN不備の英文(why);
    return std::nullopt;
  }
  t.局面 = *p;
  return t;
}

std::string 教師行を書く(const SFEN局面& p, float 結果) {
  const char* r = 結果 == 1 ? "1" : 結果 == 0 ? "0" : "0.5";
  return SFEN書出(p.盤面, p.持駒_MAN, p.持駒_COM, p.MAN手番, p.手数) + " " + r;
}

教師局面 教師局面にする(const 教師行& t) {
  局面 s;
  局面に置く(t.局面, s);
  利き盤 b;
  b.設定(s, t.局面.MAN手番);
  return {評価の数を数える(b), t.結果};
}

std::vector<教師局面> 教師局面を読む(std::istream& in, std::vector<std::string>& 不備) {
  std::vector<教師局面> v;
  std::string 行, why;
  for (long n = 1; std::getline(in, 行); ++n) {
    if (const auto t = 教師行を読む(行, why))
      v.push_back(教師局面にする(*t));
    else if (!why.empty())
      不備.push_back("line " + std::to_string(n) + ": " + why);
  }
  return v;
}

}  // namespace qz
