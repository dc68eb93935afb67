// The painters against a recording surface: what lands where, in which
// colour and order.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "display/pictures.h"
#include "display/recording_surface.h"
#include "display/screen.h"

namespace qz {
namespace {

using Op = RecordingSurface::Op;
using Kind = RecordingSurface::Kind;

class Painters : public ::testing::Test {
 protected:
  std::vector<Op> texts() const { return only(Kind::Text); }
  std::vector<Op> only(Kind k) const {
    std::vector<Op> r;
    for (const auto& op : rec.ops)
      if (op.kind == k) r.push_back(op);
    return r;
  }
  // Expects a text op at grid cell (x, y) plus an offset in twips.
  static void expectText(const Op& op, double x, double y, const std::string& s, int colour,
                         int points, double dx = 0, double dy = 0) {
    EXPECT_EQ(op.kind, Kind::Text);
    EXPECT_NEAR(op.x, セルX(x) + dx, 1e-6) << s;
    EXPECT_NEAR(op.y, セルY(y) + dy, 1e-6) << s;
    EXPECT_EQ(op.text, s);
    EXPECT_EQ(op.colour, colour) << s;
    EXPECT_EQ(op.points, points) << s;
  }

  RecordingSurface rec;
  対局 game;
  画面 g{rec, game};
};

TEST(PictureTable, CodesChooseTheirPictures) {
  struct Case {
    int code;
    bool frozen;
    const char* name;  // nullptr: nothing is drawn
  };
  const Case cases[] = {
      {0, false, "KARA_MASU"},     {1, false, "QZSHOGI"},       {2, false, "HAIKEI_MIDORI"},
      {3, false, "HAIKEI_TATAMI"}, {4, false, "HAIKEI_TAKE"},   {5, false, "HAIKEI_UCHU"},
      {6, false, "HAIKEI_RENGA"},  {7, false, nullptr},         {-10, false, "SITA_HU_0"},
      {-11, false, "SITA_HU_1"},   {-21, false, "SITA_KYOU_1"}, {-31, false, "SITA_KEI_1"},
      {-100, false, "SITA_GIN_0"}, {-110, false, "SITA_KIN"},   {-801, false, "SITA_KAKU_1"},
      {-901, false, "SITA_SYA_1"}, {-950, false, "SITA_OU"},    {10, false, "UE_HU_0"},
      {101, false, "UE_GIN_1"},    {110, false, "UE_KIN"},      {950, false, "UE_OU"},
      {-10, true, "SITA_HU2_0"},   {-110, true, "SITA_KIN2"},   {-950, true, "SITA_OU2"},
      {901, true, "UE_SYA2_1"},    {110, true, "UE_KIN2"},      {950, true, "UE_OU2"},
      {111, false, nullptr},       {-111, false, nullptr},      {111, true, nullptr},
      {-111, true, nullptr},       {0, true, nullptr},          {1, true, nullptr},
      {12, false, nullptr},
  };
  for (const auto& c : cases) {
    const auto p = 絵の選択(c.code, c.frozen);
    if (c.name == nullptr) {
      EXPECT_FALSE(p.has_value()) << c.code << " frozen " << c.frozen;
    } else {
      ASSERT_TRUE(p.has_value()) << c.code;
      EXPECT_EQ(pictureName(*p), c.name) << c.code << " frozen " << c.frozen;
    }
  }
}

TEST(PictureTable, EveryPictureHasItsOwnName) {
  std::vector<std::string> names;
  for (int i = 0; i < pictureCount; ++i) names.push_back(pictureName(static_cast<Picture>(i)));
  std::sort(names.begin(), names.end());
  EXPECT_EQ(std::unique(names.begin(), names.end()), names.end());
}

TEST_F(Painters, PicturesMoveByTenthsOfACellAndOutlinesSpanTheirCell) {
  g.描画_絵(1, 11.1, -0.1);
  g.描画_桝輪郭(12, 1, 1);
  ASSERT_EQ(rec.ops.size(), 2u);
  EXPECT_EQ(rec.ops[0].picture, Picture::QZSHOGI);
  // A tenth of a cell right of and above the corner of cell (11, 0).
  EXPECT_NEAR(rec.ops[0].x - セルX(11), 桝幅 / 10.0, 1e-9);
  EXPECT_NEAR(セルY(0) - rec.ops[0].y, 桝高 / 10.0, 1e-9);
  const Op& b = rec.ops[1];
  EXPECT_EQ(b.colour, 12);
  EXPECT_EQ(std::tuple(b.x, b.y, b.x2, b.y2), std::tuple(セルX(1), セルY(1), セルX(2), セルY(2)));
}

TEST_F(Painters, MansStandShowsCountsWithShadowAndEmptySlotsBare) {
  g.背景_現在 = 背景_竹;
  game.局.持駒_MAN.枚数[持駒_歩] = 3;   // 歩, row 3
  game.局.持駒_MAN.枚数[持駒_飛] = 12;  // 飛, row 9: printed in full
  g.描画_自持盤();
  const auto t = texts();
  ASSERT_EQ(t.size(), 4u);
  expectText(t[0], 12.1, 3.3, " 3", 0, 14);
  expectText(t[1], 12, 3.2, " 3", 12, 14);
  expectText(t[2], 12.1, 9.3, " 12", 0, 14);
  expectText(t[3], 12, 9.2, " 12", 12, 14);
  int pieces = 0;
  for (const auto& op : only(Kind::Picture)) {
    if (isPiece(op.picture)) {
      ++pieces;
      EXPECT_DOUBLE_EQ(op.x, セルX(11));
    }
  }
  EXPECT_EQ(pieces, 2);
  // Row 4 (香, none in hand): the empty square, the background over the old count, an outline.
  const auto p = only(Kind::Picture);
  // Row 3 took three pictures (empty square, tile, 歩).
  EXPECT_EQ(p[3].picture, Picture::KARA_MASU);
  EXPECT_DOUBLE_EQ(p[3].y, セルY(4));
  EXPECT_EQ(p[4].picture, Picture::HAIKEI_TAKE);
  EXPECT_DOUBLE_EQ(p[4].x, セルX(12));
}

TEST_F(Painters, ComsStandCountsItsRowsFromTheRookDown) {
  game.局.持駒_COM.枚数[持駒_飛] = 1;  // 飛 in row 1
  game.局.持駒_COM.枚数[持駒_歩] = 2;  // 歩 in row 7
  g.描画_敵持盤();
  const auto t = texts();
  ASSERT_EQ(t.size(), 4u);
  expectText(t[0], 0.1, 1.3, " 1", 0, 14);
  expectText(t[1], 0, 1.2, " 1", 12, 14);
  expectText(t[2], 0.1, 7.3, " 2", 0, 14);
  expectText(t[3], 0, 7.2, " 2", 12, 14);
  std::vector<std::string> pieces;
  for (const auto& op : only(Kind::Picture))
    if (isPiece(op.picture)) pieces.push_back(pictureName(op.picture));
  EXPECT_EQ(pieces, (std::vector<std::string>{"UE_SYA_0", "UE_HU_0"}));
  // Every row ends by outlining board square (1, y), which column 0's tile overlapped.
  const auto boxes = only(Kind::Box);
  int boardEdges = 0;
  for (const auto& b : boxes)
    if (b.x == セルX(1)) ++boardEdges;
  EXPECT_EQ(boardEdges, 7);
  EXPECT_EQ(rec.ops.back().kind, Kind::Box);
  EXPECT_DOUBLE_EQ(rec.ops.back().x, セルX(1));
  EXPECT_DOUBLE_EQ(rec.ops.back().y, セルY(7));
}

TEST_F(Painters, WholeRedrawTilesAroundTheBoardAndPutsTheTitleLast) {
  g.画面_再描画();
  int tiles = 0;
  for (const auto& op : only(Kind::Picture))
    if (op.picture == Picture::KARA_MASU &&
        (op.x < セルX(1) || op.x >= セルX(10) || op.y < セルY(1) || op.y >= セルY(10)))
      ++tiles;
  // No background chosen yet: the empty square tiles the window (559 tiles,
  // plus the labels' and stands' cells that are painted again).
  EXPECT_GE(tiles, 559);
  EXPECT_EQ(rec.ops.back().picture, Picture::QZSHOGI);
  EXPECT_NEAR(rec.ops.back().x, セルX(11.1), 1e-9);
  // Neither the level nor the handicap grade outside a game against the computer.
  for (const auto& t : texts()) {
    EXPECT_NE(t.text, "LEVEL");
    EXPECT_EQ(t.text.find("ﾊﾝﾃﾞｨｷｬｯﾌﾟ"), std::string::npos);
  }
}

TEST_F(Painters, RedrawShowsLevelAndGradeWhenTheyApply) {
  g.背景_現在 = 背景_緑;
  game.対局モード = 1;
  game.COMレベル = 2;
  game.ハンデ設定フラグ = 1;
  game.ハンデレベル = 3;
  g.画面_再描画();
  std::vector<std::string> shown;
  for (const auto& t : texts()) shown.push_back(t.text);
  EXPECT_NE(std::find(shown.begin(), shown.end(), "LEVEL"), shown.end());
  EXPECT_NE(std::find(shown.begin(), shown.end(), " 2"), shown.end());
  EXPECT_NE(std::find(shown.begin(), shown.end(), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級"), shown.end());
  EXPECT_EQ(rec.ops.back().picture, Picture::QZSHOGI);
}

TEST_F(Painters, LabelsReadNineToOneAndKanjiDownAndMakeTextBold) {
  g.描画_数値(0, 0, 5, 15, 0, 12);
  g.描画_桝_数値();
  const auto t = texts();
  ASSERT_EQ(t.size(), 1u + 9 * 4);
  EXPECT_FALSE(t[0].bold);
  expectText(t[1], 1.2, 0.5, " 9", 0, 16);
  expectText(t[2], 1.1, 0.4, " 9", 14, 16);
  expectText(t[3], 10.2, 1.4, "一", 0, 12);
  expectText(t[4], 10.1, 1.3, "一", 14, 12);
  expectText(t[36], 10.1, 9.3, "九", 14, 12);
  EXPECT_TRUE(t[36].bold);
}

TEST_F(Painters, MoveNumberEndsInTheSamePlaceWhateverItsLength) {
  struct Case {
    int n;
    double x;
    const char* text;
  };
  for (const Case c : {Case{5, 13.3, " 5"}, Case{42, 13.2, " 42"}, Case{123, 13.1, " 123"}}) {
    rec.ops.clear();
    g.描画_手数(c.n, 4);
    const auto t = texts();
    ASSERT_EQ(t.size(), 4u);
    expectText(t[0], c.x, 3.4, c.text, 0, 12);
    expectText(t[1], c.x - 0.1, 3.3, c.text, 15, 12);  // always white, whatever colour is asked
    expectText(t[2], 13.9, 3.2, "手目", 0, 10, 120, 160);
    expectText(t[3], 13.8, 3.1, "手目", 15, 10, 120, 160);
    const auto p = only(Kind::Picture);
    ASSERT_EQ(p.size(), 2u);
    EXPECT_DOUBLE_EQ(p[0].x, セルX(13));
    EXPECT_DOUBLE_EQ(p[1].x, セルX(14));
  }
}

TEST_F(Painters, LastMoveIsWrittenInNotationBesideEachSide) {
  g.描画_移動結果(game.局.手番値_MAN, 3, 6, -歩, 15);
  auto t = texts();
  ASSERT_EQ(t.size(), 6u);
  expectText(t[0], 12.5, 2.5, "７", 0, 12);
  expectText(t[1], 12.4, 2.4, "７", 15, 12);
  expectText(t[2], 12.9, 2.5, "六", 0, 12);
  expectText(t[4], 13.5, 2.5, "歩", 0, 12);
  expectText(t[5], 13.4, 2.4, "歩", 15, 12);

  rec.ops.clear();
  g.描画_移動結果(game.局.手番値_COM, 2, 2, 成角, 15);
  t = texts();
  ASSERT_EQ(t.size(), 6u);
  expectText(t[0], -1.5, 8.5, "８", 0, 12);
  expectText(t[3], -1.2, 8.4, "二", 15, 12);
  expectText(t[5], -0.6, 8.4, "角成", 15, 12);
  EXPECT_EQ(rec.ops.back().kind, Kind::Box);
  EXPECT_DOUBLE_EQ(rec.ops.back().y, セルY(8));

  rec.ops.clear();
  g.描画_移動結果(0, 3, 6, -歩, 15);
  EXPECT_TRUE(rec.ops.empty());
}

TEST_F(Painters, GuidanceOutlinesOnlyWhenSwitchedOn) {
  const auto somewhere = [](int x, int y) { return x == 3 && (y == 5 || y == 6) ? 1 : 0; };
  g.描画_移動可能桝色(15, somewhere);
  auto boxes = only(Kind::Box);
  EXPECT_EQ(boxes.size(), 81u);
  EXPECT_TRUE(std::all_of(boxes.begin(), boxes.end(), [](const Op& b) { return b.colour == 2; }));

  rec.ops.clear();
  g.移動指導_フラグ = 1;
  g.描画_移動可能桝色(15, somewhere);
  boxes = only(Kind::Box);
  ASSERT_EQ(boxes.size(), 83u);
  EXPECT_EQ(boxes[81].colour, 15);
  EXPECT_DOUBLE_EQ(boxes[81].y, セルY(5));
  EXPECT_DOUBLE_EQ(boxes[82].y, セルY(6));

  rec.ops.clear();
  g.描画_移動可能桝色(15, [](int, int) { return 0; });
  EXPECT_EQ(only(Kind::Box).size(), 81u);
}

TEST_F(Painters, HandicapGradeCoversItsRowThenRestoresTheTitle) {
  g.描画_ハンデレベル(-10);
  const auto p = only(Kind::Picture);
  ASSERT_EQ(p.size(), 5u);
  EXPECT_EQ(p[4].picture, Picture::QZSHOGI);
  const auto t = texts();
  ASSERT_EQ(t.size(), 2u);
  expectText(t[0], 11.1, 1.4, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人", 0, 10, 120, 160);
  expectText(t[1], 11, 1.3, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人", 15, 10, 120, 160);

  rec.ops.clear();
  g.描画_文字列(0, 0, 11, 15, 10);
  g.描画_文字列(0, 0, -11, 15, 10);
  EXPECT_TRUE(rec.ops.empty());
}

TEST(Conversions, NumbersAndPiecesToText) {
  const std::pair<int, const char*> cases[] = {
      {1, "１"},  {9, "９"},    {1001, "一"},   {1009, "九"},  {10, "歩"},   {-11, "と"},
      {11, "と"}, {21, "香成"}, {-801, "角成"}, {901, "飛成"}, {-950, "王"}, {0, ""},
      {111, ""},  {-111, ""},   {10, "歩"},     {1000, ""},    {1010, ""},   {-1, ""},
  };
  for (const auto& [n, text] : cases) EXPECT_EQ(文字列変換(n), text) << n;
}

TEST(Conversions, TwoDigitNumbers) {
  EXPECT_EQ(変換_数字から文字(5), "05");
  EXPECT_EQ(変換_数字から文字(0), "00");
  EXPECT_EQ(変換_数字から文字(42), "42");
  EXPECT_EQ(変換_数字から文字(123), "");
}

TEST_F(Painters, NumbersPrintWithABlankForTheSignAndKanjiInModeOne) {
  g.描画_数値(0, 0, 7, 15, 0, 12);
  g.描画_数値(0, 0, -7, 15, 0, 12);
  g.描画_数値(0, 0, 7, 15, 1, 12);
  g.描画_数値(0, 0, 10, 15, 1, 12);  // no kanji numeral: nothing
  g.描画_数値(0, 0, "LEVEL", 15, 1, 12);
  g.描画_テキスト(-465, 6350, "対局", 12, 12);  // twips, partly outside the window
  const auto t = texts();
  ASSERT_EQ(t.size(), 4u);
  EXPECT_DOUBLE_EQ(t[3].x, -465);
  EXPECT_DOUBLE_EQ(t[3].y, 6350);
  EXPECT_EQ(t[0].text, " 7");
  EXPECT_EQ(t[1].text, "-7");
  EXPECT_EQ(t[2].text, "七");
}

// The hint's arrow for a drop: a dark shadow, then the arrow from the
// stand cell's centre to its tip at the destination's centre.
TEST_F(Painters, TheHintArrowRunsFromCentreToCentre) {
  g.描画_矢印({MAN持駒X, 3}, {2, 2});
  const auto p = only(Kind::Polygon);
  ASSERT_TRUE(p.size() == 2 && p[1].corners.size() == 7);
  EXPECT_TRUE(p[0].colour == 色_黒 && p[1].colour == 色_赤紫);
  const auto& c = p[1].corners;
  EXPECT_NEAR((c[0].x + c[6].x) / 2, セルX(MAN持駒X + 0.5), 1e-6);
  EXPECT_NEAR((c[0].y + c[6].y) / 2, セルY(3.5), 1e-6);
  EXPECT_EQ(c[3], (Point{セルX(2.5), セルY(2.5)}));
  EXPECT_EQ(p[0].corners[3], (Point{セルX(2.5) + 15, セルY(2.5) + 15}));
}

// Erasing a drop's arrow paints the squares on its way with their pieces,
// the numerals it crossed and the stand it came from, and nothing beside.
TEST_F(Painters, ErasingTheArrowPaintsWhatItLayOn) {
  game.初期化();
  g.消去_矢印({MAN持駒X, 9}, {9, 7});
  auto 絵 = [&](double x, double y) {
    std::optional<Picture> r;
    for (const Op& op : only(Kind::Picture))
      if (op.x == セルX(x) && op.y == セルY(y)) r = op.picture;
    return r;
  };
  EXPECT_EQ(絵(9, 7), piecePicture(false, false, 0));  // the lower pawn
  EXPECT_TRUE(絵(10, 8) && 絵(MAN持駒X, 5));           // the numerals' column, the stand
  for (const auto& [x, y] : {std::pair{8, 8}, {9, 6}, {MAN持駒X, 2}, {12, 2}})
    EXPECT_FALSE(絵(x, y)) << x << y;
}

}  // namespace
}  // namespace qz

TEST(HeaderPosition, CountsCharactersNotBytes) {
  EXPECT_DOUBLE_EQ(qz::取得_棋譜のX座標(U"あいうえおかきくけこさしす"), 2535);
  EXPECT_DOUBLE_EQ(qz::取得_棋譜のX座標(U"abcdefghijklmnopqr"), 2040);
}
