// The computer's levels, weakest first: LEVEL1-3 are the one-move player;
// the ladder's levels between LEVEL3 and LEVEL4 and LEVEL4-5 are the
// searching player, the ladder's by a number of nodes (the same move on
// every machine and under any load), LEVEL4-5 by time. Neighbouring levels
// were measured against each other by matches (see the README).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace qz {

struct レベル段 {
  // The level as the session, the settings, the engine's Level option and
  // qz-match's Ln know it: 1-5 as ever, the ladder's levels from 6 on.
  int 番号;
  std::string_view 名;      // on the board and in records: "LEVEL3A"
  std::string_view 表題;    // the menu's caption: the name with a rough strength
  std::uint64_t 節点上限;   // the searching player's node limit (0: none)
  std::int64_t 時間上限ms;  // its time limit (0: none)

  bool 探索する() const { return 節点上限 != 0 || 時間上限ms != 0; }
};

// The captions' rough strength is Elo above LEVEL3, rounded, as the ladder's
// matches measured it.
// clang-format off
inline constexpr レベル段 レベル表[] = {
    {1, "LEVEL1", "LEVEL1", 0, 0},
    {2, "LEVEL2", "LEVEL2", 0, 0},
    {3, "LEVEL3", "LEVEL3", 0, 0},
    {6, "LEVEL3A", "LEVEL3A (LEVEL3よりR約250上)", 250, 0},
    {7, "LEVEL3B", "LEVEL3B (LEVEL3よりR約400上)", 900, 0},
    {8, "LEVEL3C", "LEVEL3C (LEVEL3よりR約550上)", 3'000, 0},
    {9, "LEVEL3D", "LEVEL3D (LEVEL3よりR約700上)", 7'000, 0},
    {10, "LEVEL3E", "LEVEL3E (LEVEL3よりR約850上)", 20'000, 0},
    {11, "LEVEL3F", "LEVEL3F (LEVEL3よりR約1050上)", 70'000, 0},
    {12, "LEVEL3G", "LEVEL3G (LEVEL3よりR約1200上)", 200'000, 0},
    {4, "LEVEL4", "LEVEL4", 0, 280},
    {5, "LEVEL5", "LEVEL5", 0, 1900},
};
// clang-format on

// Every level, weakest first.
constexpr std::span<const レベル段> レベル一覧() {
  return レベル表;
}

// The level of that number, or nothing.
constexpr const レベル段* レベルを探す(int 番号) {
  for (const レベル段& l : レベル表)
    if (l.番号 == 番号) return &l;
  return nullptr;
}

// The level of that name ("LEVEL3A"), or nothing.
constexpr const レベル段* 名のレベル(std::string_view 名) {
  for (const レベル段& l : レベル表)
    if (l.名 == 名) return &l;
  return nullptr;
}

// Whether the level of that number is the searching player's.
constexpr bool 探索するレベル(int 番号) {
  const レベル段* l = レベルを探す(番号);
  return l != nullptr && l->探索する();
}

// The largest level number (the engine's Level option goes up to it).
constexpr int 最大レベル番号() {
  int n = 0;
  for (const レベル段& l : レベル表) n = l.番号 > n ? l.番号 : n;
  return n;
}

}  // namespace qz
