#include <gtest/gtest.h>

#include "fixture.h"

namespace qz {
namespace {

using testing::局面読込;
using testing::試験候補;

// One candidate and the whole danger scan of its position, in tenths.
struct DangerCase {
  const char* what;
  const char* sfen;
  int fx, fy, tx, ty, placed;
  点数 expected;
};

// Each total is worked out term by term in the comment above it.
const DangerCase kDangerCases[] = {
    // COM king (5,6); a MAN gold (3,5) and bishop (1,8) both bear on (4,5):
    // 0.5 x 2 + 10 (COM bears once) = 11; the bishop's three unguarded home
    // squares (6,3) (7,2) (8,1) cost 0.1 each.
    {"two bearings next to the king", "9/8p/9/9/2G6/4k4/9/B8/8K w - 1", 9, 2, 9, 3, 歩, -113},
    // ... with a silver in MAN's hand: 10 more on (4,5), and 0.1 for each of the
    // 26 empty unguarded squares of rows 1..3.
    {"and a silver in MAN's hand", "9/8p/9/9/2G6/4k4/9/B8/8K w S 1", 9, 2, 9, 3, 歩, -239},
    // The rook takes a gold on (5,5) and stands undefended before a MAN pawn:
    // 900 - 10, then 900, and the gold's 110 given back.
    {"undefended capturer", "4r3k/9/9/9/4G4/4P4/9/9/K8 w - 1", 5, 1, 5, 5, 飛, -16800},
    {"undefended, no capture", "4r3k/9/9/9/9/4P4/9/9/K8 w - 1", 5, 1, 5, 5, 飛, -17900},
    // A knight dropped on (5,5) attacks an undefended silver and gold: 0.1 each,
    // and the smaller value, 100.
    {"knight fork", "8k/9/9/9/9/9/3S1G3/9/4K4 w n 1", -1, 3, 5, 5, 桂, 1002},
    {"one target only", "8k/9/9/9/9/9/3S5/9/4K4 w n 1", -1, 3, 5, 5, 桂, 1},
    // COM king on (5,1); a MAN bishop bears on (5,2) as often as COM does:
    // 50 + 250 + 700 (silver in hand); next to the king (5,2) and (4,1) cost
    // 0.5 + 10 each; (6,3) 0.1; 21 empty unguarded home squares 0.1 each.
    {"king on row 1, silver in hand", "4k4/9/p8/9/7B1/9/9/9/8K w S 1", 1, 3, 1, 4, 歩, -10232},
    {"king on row 1, empty hand", "4k4/9/p8/9/7B1/9/9/9/8K w - 1", 1, 3, 1, 4, 歩, -3011},
    // A COM silver on (6,1) makes COM bear on (5,2) twice: the 250 goes, the
    // 700 stays.
    {"king on row 1, (5,2) held by COM", "4ks3/9/p8/9/7B1/9/9/9/8K w S 1", 1, 3, 1, 4, 歩, -7731},
    // A defended COM gold attacked by a MAN silver that shields its king from a
    // COM bishop: the pinned attacker costs nothing (no exchange, no loss).
    {"pinned attacker, defended piece", "8k/9/9/9/b8/3p5/3g5/3S5/4K4 w - 1", 9, 1, 9, 2, 王, 0},
    // Without the bishop the silver is free: 110 - 100.
    {"free attacker, defended piece", "8k/9/9/9/9/3p5/3g5/3S5/4K4 w - 1", 9, 1, 9, 2, 王, -100},
};

TEST(DangerScan, HandWorkedTotals) {
  for (const DangerCase& c : kDangerCases) {
    試験候補 t(局面読込(c.sfen), c.fx, c.fy, c.tx, c.ty, c.placed);
    EXPECT_EQ(t.危険(), c.expected) << c.what;
  }
}

TEST(DangerScan, LeavesTheBoardAsFound) {
  // The scan lifts pieces to look below them; the board is restored.
  試験候補 t(局面読込("4k4/4r4/9/9/P8/9/4P4/4R4/4K4 w S 1"), 5, 2, 5, 3, 飛);
  const 盤配列 before = t.s.盤面;
  t.危険();
  EXPECT_EQ(t.s.盤面, before);
}

}  // namespace
}  // namespace qz
