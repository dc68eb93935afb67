// The match tool's openings files: each line a series of USI moves from the
// initial position, the bad lines told by number and reason.
#include "tools/match/openings.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace qz {
namespace {

// A game of the match tool that LEVEL3F won: after its last move the other
// side has no move.
constexpr const char* 勝った対局 =
    "9g9f 8b7b 8i9g 7a6b 7g7f 7c7d 7i6h 9c9d 3i4h 1c1d 3g3f 1d1e 2i3g 7b7c 3g4e 4c4d 8h4d 5a5b "
    "4e5c+ 7c7b 4d5e 7b9b 5e9a+ 6a7a L*4e 7a8b 4e4a+ 3c3d G*3b 8c8d 6g6f 2c2d 2h3h 2d2e 3f3e 1a1b "
    "3h3f 1b1c 3f4f 1c1d 4f4b+ 9d9e 4h3g 1e1f 3g3f 1d1e 3f2e 8d8e 7f7e";

TEST(OpeningsFile, ReadsSeriesOfMovesAndRefusesBadLinesWithTheirReason) {
  struct Case {
    std::string line;
    int moves;        // how many moves are read, or -1 for none
    std::string why;  // part of the reason when refused
  };
  const Case cases[] = {
      {"7g7f 8c8d", 2, ""},
      {"moves 7g7f 8c8d 8h3c+\r", 3, ""},
      {"  moves", 0, ""},
      {"", -1, ""},
      {" \t", -1, ""},
      {"# the locks", -1, ""},
      {勝った対局, 49, ""},
      {std::string(勝った対局) + " 9a9b", -1, "move 50"},
      {"7g7f 7g7f", -1, "move 2 (7g7f) is not legal"},
      {"2h3h 8b7b 3h2h 7b8b 2h3h 8b7b 3h2h 7b8b 2h3h 8b7b 3h2h 7b8b", -1, "over after move 12"},
      {"7g7f 8c8d 7f7e 8b8b", -1, "move 4 (8b8b)"},
      {"7g7f 3c3d", -1, "move 2 (3c3d)"},  // the bishop freezes the pawn
      {"startpos moves 7g7f", -1, "move 1 (startpos)"},
      {"P*5e", -1, "move 1"},
  };
  for (const Case& c : cases) {
    std::string why = "unset";
    const auto r = 序盤行を読む(c.line, why);
    EXPECT_EQ(r ? static_cast<int>(r->size()) : -1, c.moves) << c.line;
    if (c.why.empty())
      EXPECT_EQ(why, "") << c.line;
    else
      EXPECT_NE(why.find(c.why), std::string::npos) << c.line << ": " << why;
  }
  std::string 長い = "moves";
  for (std::size_t i = 0; i < 序盤の最長 + 1; ++i) 長い += " 7g7f";
  std::string why;
  EXPECT_FALSE(序盤行を読む(長い, why));
  EXPECT_NE(why.find("more than 1000 moves"), std::string::npos) << why;
}

TEST(OpeningsFile, AFileGivesItsOpeningsOrTheFirstBadLine) {
  std::string why;
  std::istringstream good("# two\n7g7f\n\n2g2f 8c8d\n");
  const auto r = 序盤を読む(good, why);
  ASSERT_TRUE(r) << why;
  ASSERT_EQ(r->size(), 2u);
  EXPECT_EQ(USI表記((*r)[1][1]), "8c8d");

  std::istringstream bad("7g7f\n# fine\n7g7f 7g7f\n2g2f\n");
  EXPECT_FALSE(序盤を読む(bad, why));
  EXPECT_EQ(why.rfind("line 3: move 2", 0), 0u) << why;

  std::istringstream empty("# nothing but a comment\n\n");
  EXPECT_FALSE(序盤を読む(empty, why));
  EXPECT_EQ(why, "no opening in the file");
}

// The lock-prone positions kept for matches stay legal series of 60 plies.
TEST(OpeningsFile, TheLockSuiteReads) {
  std::ifstream in(QZ_SOURCE_DIR "/tools/match/locks.usi");
  std::string why;
  const auto r = 序盤を読む(in, why);
  ASSERT_TRUE(r) << why;
  EXPECT_EQ(r->size(), 72u);
  for (const auto& o : *r) EXPECT_EQ(o.size(), 60u);
}

}  // namespace
}  // namespace qz
