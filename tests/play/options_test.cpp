// The settings file and the ｵﾌﾟｼｮﾝ menu on fakes.
#include <gtest/gtest.h>

#include <algorithm>

#include "fakes.h"

namespace qz {
namespace {

using namespace fakes;  // NOLINT: the fakes and the started program
const Lines defaults = {"背景画=緑", "移動指導=OFF", "経過時間=ON", "BGM=ON"};

constexpr MenuItem backgrounds[] = {MenuItem::MIDORI, MenuItem::TATAMI, MenuItem::TAKE,
                                    MenuItem::UCHU, MenuItem::RENGA};

int checkedBackgrounds(const StartedProgram& b) {
  return static_cast<int>(std::count_if(std::begin(backgrounds), std::end(backgrounds),
                                        [&](MenuItem m) { return b.checked(m); }));
}

TEST(SettingsReader, MissingOrShortFileIsReplacedByTheDefaults) {
  const std::optional<Lines> broken[] = {
      std::nullopt, Lines{}, Lines{"背景画=宇宙", "移動指導=ON", "経過時間=OFF"},  // three lines
  };
  for (const auto& file : broken) {
    StartedProgram b(file);
    EXPECT_EQ(b.settings.lines, defaults);
    EXPECT_TRUE(b.checked(MenuItem::MIDORI));
    EXPECT_EQ(checkedBackgrounds(b), 1);
    EXPECT_EQ(b.form.画.背景_現在, 背景_緑);
    EXPECT_FALSE(b.checked(MenuItem::SIDOU));
    // The guidance read before the file ran short is switched off with its check mark.
    EXPECT_EQ(b.form.画.移動指導_フラグ, 0);
    EXPECT_EQ(b.form.色_移動指導, 色_緑);
    EXPECT_TRUE(b.checked(MenuItem::KEIKA));
    EXPECT_TRUE(b.checked(MenuItem::BGM));
    // The music waits for the next start or for the BGM item.
    EXPECT_TRUE(b.sound.looping.empty());
  }
}

// A file that is there but cannot be read keeps the user's choices in it:
// the defaults serve this run, it says so once, and nothing is written.
TEST(SettingsReader, UnreadableFileIsUsedAsDefaultsAndNeverWrittenOver) {
  StartedProgram b([](StartedProgram& p) {
    p.settings.lines.reset();
    p.settings.failure = "許可されていません";
  });
  EXPECT_TRUE(b.checked(MenuItem::MIDORI));
  EXPECT_FALSE(b.checked(MenuItem::SIDOU));
  EXPECT_TRUE(b.checked(MenuItem::KEIKA));
  EXPECT_TRUE(b.checked(MenuItem::BGM));
  EXPECT_EQ(b.events,
            (std::vector<Event>{box("設定ﾌｧｲﾙを読み込めませんでした\n許可されていません\n"
                                    "今回は既定の設定を使います（設定ﾌｧｲﾙは書き換えません）",
                                    "ｵﾌﾟｼｮﾝ")}));
  b.form.TAKE_Click();
  b.form.SIDOU_Click();
  EXPECT_TRUE(b.checked(MenuItem::TAKE));
  EXPECT_EQ(b.settings.writes, 0);
}

TEST(SettingsReader, AppliesEachLine) {
  StartedProgram b(Lines{"背景画=煉瓦", "移動指導=ON", "経過時間=OFF", "BGM=ON"});
  EXPECT_TRUE(b.checked(MenuItem::RENGA));
  EXPECT_EQ(checkedBackgrounds(b), 1);
  EXPECT_EQ(b.form.画.背景_現在, 背景_煉瓦);
  EXPECT_TRUE(b.checked(MenuItem::SIDOU));
  EXPECT_EQ(b.form.画.移動指導_フラグ, 1);
  EXPECT_EQ(b.form.色_移動指導, 色_指導有効);
  EXPECT_FALSE(b.checked(MenuItem::KEIKA));
  EXPECT_TRUE(b.checked(MenuItem::BGM));
  EXPECT_EQ(b.sound.looping, std::set<std::int32_t>{5});  // BGM=ON starts the music
  EXPECT_EQ(b.settings.writes, 0);
}

TEST(SettingsReader, LinesAreComparedWholeAndExactly) {
  StartedProgram b(Lines{"背景画=緑 ", "移動指導=on", "経過時間=ON", "BGM=ON\t"});
  EXPECT_EQ(checkedBackgrounds(b), 0);
  EXPECT_FALSE(b.checked(MenuItem::SIDOU));
  EXPECT_TRUE(b.checked(MenuItem::KEIKA));
  EXPECT_FALSE(b.checked(MenuItem::BGM));
}

TEST(SettingsReader, UnknownBackgroundLeavesTheEmptySquareTilesAndTheNextWriteStartsWithGreen) {
  StartedProgram b(Lines{"背景画=紫", "移動指導=OFF", "経過時間=ON", "BGM=OFF"});
  EXPECT_EQ(checkedBackgrounds(b), 0);
  EXPECT_EQ(b.form.画.背景_現在, 0);
  const auto& tiles = b.surface.ops;
  EXPECT_TRUE(std::none_of(tiles.begin(), tiles.end(), [](const RecordingSurface::Op& op) {
    return op.kind == RecordingSurface::Kind::Picture && op.picture >= Picture::HAIKEI_MIDORI &&
           op.picture <= Picture::HAIKEI_RENGA;
  }));
  b.form.SIDOU_Click();
  // Green comes first so that the next start does not lose the other three choices.
  EXPECT_EQ(b.settings.lines,
            (Lines{"背景画=緑", "移動指導=ON", "経過時間=ON", "BGM=OFF", "棋譜一覧=OFF"}));
}

// The move list's line follows the four (and any other option's line); a
// file without it shows the list.
TEST(SettingsFile, TheMoveListLineComesAfterTheFour) {
  for (const bool shown : {true, false}) {
    Lines file{"背景画=竹", "移動指導=ON", "経過時間=OFF", "BGM=OFF", "言語=ja"};
    if (shown) file.push_back("棋譜一覧=ON");
    StartedProgram b(file);
    EXPECT_EQ(b.checked(MenuItem::KIFU_ICHIRAN), shown);
    b.form.メニュー選択(MenuItem::KIFU_ICHIRAN);
    EXPECT_EQ(b.checked(MenuItem::KIFU_ICHIRAN), !shown);
    EXPECT_EQ(b.settings.lines->back(), shown ? "棋譜一覧=OFF" : "棋譜一覧=ON");
  }
}

TEST(SettingsWriter, AFailedWriteFallsBackToTheDefaults) {
  StartedProgram b(Lines{"背景画=竹", "移動指導=ON", "経過時間=OFF", "BGM=OFF"});
  b.settings.failWrites = 1;
  b.form.BGM_Click();
  EXPECT_EQ(b.settings.writes, 2);
  EXPECT_EQ(b.settings.lines, defaults);
  EXPECT_TRUE(b.checked(MenuItem::MIDORI));
  EXPECT_FALSE(b.checked(MenuItem::TAKE));
  EXPECT_FALSE(b.checked(MenuItem::SIDOU));
  EXPECT_EQ(b.form.画.移動指導_フラグ, 0);
  EXPECT_TRUE(b.checked(MenuItem::KEIKA));

  b.settings.failWrites = 2;  // the defaults cannot be written either: dropped
  EXPECT_NO_THROW(b.form.BGM_Click());
}

TEST(BackgroundItems, CheckWriteAndRedrawEvenWhenAlreadyChecked) {
  StartedProgram b(defaults);
  const std::pair<MenuItem, int> items[] = {{MenuItem::TATAMI, 背景_畳},
                                            {MenuItem::TAKE, 背景_竹},
                                            {MenuItem::UCHU, 背景_宇宙},
                                            {MenuItem::RENGA, 背景_煉瓦},
                                            {MenuItem::MIDORI, 背景_緑}};
  const char* lines[] = {"背景画=畳", "背景画=竹", "背景画=宇宙", "背景画=煉瓦", "背景画=緑"};
  for (int i = 0; i < 5; ++i) {
    for (int twice = 0; twice < 2; ++twice) {
      b.surface.ops.clear();
      b.form.メニュー選択(items[i].first);
      EXPECT_TRUE(b.checked(items[i].first));
      EXPECT_EQ(checkedBackgrounds(b), 1);
      EXPECT_EQ(b.form.画.背景_現在, items[i].second);
      EXPECT_EQ(b.settings.lines->at(0), lines[i]);
      // Redrawn with the new tiles, title on top.
      EXPECT_EQ(b.surface.ops.front().picture,
                static_cast<Picture>(static_cast<int>(Picture::HAIKEI_MIDORI) + items[i].second -
                                     背景_緑));
      EXPECT_EQ(b.surface.ops.back().picture, Picture::QZSHOGI);
    }
  }
  EXPECT_EQ(b.settings.writes, 10);
}

TEST(CheckMarks, OnlyTheMatchingBackgroundIsChecked) {
  StartedProgram b;
  b.form.チェック設定(背景_宇宙);
  EXPECT_TRUE(b.checked(MenuItem::UCHU));
  EXPECT_EQ(checkedBackgrounds(b), 1);
  b.form.チェック設定(9);
  EXPECT_EQ(checkedBackgrounds(b), 0);
}

TEST(Guidance, SwitchingOffRepaintsEveryOutlineOfBoardAndStands) {
  StartedProgram b(defaults);
  b.form.SIDOU_Click();
  EXPECT_TRUE(b.checked(MenuItem::SIDOU));
  EXPECT_EQ(b.form.画.移動指導_フラグ, 1);
  EXPECT_EQ(b.form.色_移動指導, 15);
  EXPECT_EQ(b.settings.lines->at(1), "移動指導=ON");

  b.surface.ops.clear();
  b.form.SIDOU_Click();
  EXPECT_FALSE(b.checked(MenuItem::SIDOU));
  EXPECT_EQ(b.form.画.移動指導_フラグ, 0);
  EXPECT_EQ(b.form.色_移動指導, 色_緑);
  EXPECT_EQ(b.settings.lines->at(1), "移動指導=OFF");
  ASSERT_EQ(b.surface.ops.size(), 81u + 14u);
  for (const auto& op : b.surface.ops) {
    EXPECT_EQ(op.kind, RecordingSurface::Kind::Box);
    EXPECT_EQ(op.colour, 色_緑);
  }
}

TEST(ElapsedTime, SwitchingStartsOrStopsTheTimerAndShowsOrErasesTheClocks) {
  StartedProgram b(defaults);
  b.form.対局値.時間_MAN = 65;
  b.surface.ops.clear();
  b.form.KEIKA_Click();
  EXPECT_FALSE(b.checked(MenuItem::KEIKA));
  EXPECT_FALSE(b.timer.on);
  EXPECT_TRUE(textsOf(b.surface.ops).empty());
  EXPECT_EQ(b.surface.ops.size(), 6u);  // three tiles for each clock
  EXPECT_EQ(b.settings.lines->at(2), "経過時間=OFF");

  b.surface.ops.clear();
  b.form.KEIKA_Click();
  EXPECT_TRUE(b.timer.on);
  EXPECT_EQ(textsOf(b.surface.ops),
            (std::vector<std::string>{"00:00:00", "00:00:00", "00:01:05", "00:01:05"}));
  EXPECT_EQ(b.settings.lines->at(2), "経過時間=ON");
}

TEST(Music, TheBgmItemStopsAndLoopsTheMusic) {
  StartedProgram b(defaults);
  b.form.メニュー選択(MenuItem::BGM);
  EXPECT_FALSE(b.checked(MenuItem::BGM));
  EXPECT_TRUE(b.sound.looping.empty());
  EXPECT_EQ(b.settings.lines->at(3), "BGM=OFF");
  b.form.メニュー選択(MenuItem::BGM);
  EXPECT_TRUE(b.checked(MenuItem::BGM));
  EXPECT_EQ(b.sound.looping, std::set<std::int32_t>{5});
  EXPECT_EQ(b.settings.lines->at(3), "BGM=ON");
}

}  // namespace
}  // namespace qz
