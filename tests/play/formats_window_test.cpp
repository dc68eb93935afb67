// Records of every format in the window: opening through the dialog,
// saving as KIF and CSA with the safe write, and the clipboard both ways.
#include <gtest/gtest.h>

#include <filesystem>

#include "fakes.h"
#include "records/formats.h"
#include "tests/test_files.h"

namespace qz {
namespace {

using namespace fakes;  // NOLINT: the fakes and the started program

class FormatsWindow : public TempFolderTest {
 protected:
  std::filesystem::path write(const std::string& name, const std::string& bytes) {
    writeBytes(folder / name, bytes);
    return folder / name;
  }
};

TEST_F(FormatsWindow, AHandicapKifOpensAtItsStartAndStepsBothWays) {
  StartedProgram g;
  g.panel.toOpen = write("h.kifu",
                         "手合割：香落ち\n上手：上の人\n下手：下の人\n"
                         "   1 ３四歩(33)\n   2 ７六歩(77)\n");
  g.take();
  g.form.KIFU_OPEN_Click();
  EXPECT_EQ(g.take(), (std::vector<Event>{box("h.kifu 2手 読み込みました", "棋譜"),
                                          box("棋譜を '進 'で進めて下さい", "棋譜")}));
  EXPECT_EQ(g.at(9, 1), 0);  // 上手's lance at 1一 is off
  EXPECT_EQ(g.form.対局値.棋譜モード, 1);
  EXPECT_EQ(g.form.対局値.手番, g.form.対局値.局.手番値_COM);  // 上手, the upper side, moves first
  g.form.AFTER_Click();
  g.form.AFTER_Click();
  EXPECT_EQ(g.at(7, 4), 歩);
  EXPECT_EQ(g.at(3, 6), -歩);
  g.form.REPLAY_Click();
  g.form.REPLAY_Click();
  EXPECT_EQ(g.at(7, 3), 歩);
  EXPECT_EQ(g.at(9, 1), 0);
  // Copied back out as the same record.
  g.form.COPY_USI_Click();
  EXPECT_EQ(g.panel.clipboard,
            "position sfen lnsgkgsn1/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1 moves "
            "3c3d 7g7f");
}

TEST_F(FormatsWindow, WhatCannotBeReadLeavesTheGameAsItWas) {
  StartedProgram g;
  g.form.SENTE_Click();
  g.move(3, 7, 3, 6);
  const 盤配列 before = g.form.対局値.局.盤面;
  g.panel.toOpen = folder / "missing.kif";
  g.take();
  g.form.KIFU_OPEN_Click();  // a game is on: asked first
  EXPECT_EQ(g.take(),
            (std::vector<Event>{box("対局中です。棋譜を開きますか？", "対局"),
                                box("棋譜ﾌｧｲﾙを読み込めませんでした\nﾌｧｲﾙがありません", "棋譜")}));
  g.panel.clipboard = "lnsgkgsnl/9 b - 1";
  g.form.PASTE_Click();
  EXPECT_EQ(g.take(),
            (std::vector<Event>{box("棋譜ﾌｧｲﾙの1行目が正しくありません（盤面が9段ありません）。"
                                    "1行目から先は読み込みません",
                                    "棋譜")}));
  EXPECT_EQ(g.form.対局値.局.盤面, before);
  EXPECT_EQ(g.form.対局値.棋譜モード, 0);
}

TEST_F(FormatsWindow, AGameSavedAsKifAndCsaAndPasted) {
  StartedProgram g;
  g.form.SENTE_Click();
  g.move(3, 7, 3, 6);  // the computer answers
  g.form.COPY_SFEN_Click();
  const std::string sfen = g.panel.clipboard;
  EXPECT_TRUE(sfen.ends_with(" b - 3")) << sfen;
  g.panel.toSave = folder / "game";
  g.take();
  g.form.KIFU_SAVE_KIF_Click();
  EXPECT_EQ(g.panel.asked, "KIF");
  EXPECT_EQ(g.take(), (std::vector<Event>{box("棋譜を書き込みました", "  ")}));
  const 記録読込結果 kif = 棋譜を読む(棋譜形式::KIF, readBytes(folder / "game.kif"));
  ASSERT_EQ(kif.記録.手.size(), 2u);
  EXPECT_EQ(kif.記録.下手名, "あなた");
  g.panel.toSave = folder / "game.csa";
  g.form.KIFU_SAVE_CSA_Click();
  EXPECT_EQ(棋譜を読む(棋譜形式::CSA, readBytes(folder / "game.csa")).記録.手, kif.記録.手);
  // A save that fails keeps the file that was there.
  g.panel.toSave = folder / "nofolder" / "x.kif";
  g.take();
  g.form.KIFU_SAVE_KIF_Click();
  EXPECT_EQ(g.take(),
            (std::vector<Event>{box("棋譜を書き込めませんでした\nﾌｫﾙﾀﾞがありません", "棋譜保存")}));

  // The KIF copied and pasted into a fresh program replays to the same position.
  g.form.COPY_KIF_Click();
  StartedProgram h;
  h.panel.clipboard = g.panel.clipboard;
  h.form.PASTE_Click();
  h.form.AFTER_Click();
  h.form.AFTER_Click();
  h.form.COPY_SFEN_Click();
  EXPECT_EQ(h.panel.clipboard.substr(0, h.panel.clipboard.find(' ')),
            sfen.substr(0, sfen.find(' ')));
}

TEST_F(FormatsWindow, KifRefusesNamesShiftJisCannotHold) {
  StartedProgram g;
  g.panel.clipboard = "先手：名前😀\n手合割：平手\n   1 ７六歩(77)\n";
  g.form.PASTE_Click();
  g.panel.toSave = folder / "x.kif";
  g.take();
  g.form.KIFU_SAVE_KIF_Click();
  EXPECT_EQ(g.take(), (std::vector<Event>{box(
                          "KIFファイル（Shift-JIS）に書けない文字があります：「😀」", "棋譜保存")}));
  EXPECT_FALSE(std::filesystem::exists(folder / "x.kif"));
  g.panel.toSave = folder / "x.kifu";  // UTF-8 holds it
  g.form.KIFU_SAVE_KIF_Click();
  EXPECT_NE(readBytes(folder / "x.kifu").find("先手：名前😀"), std::string::npos);
}

TEST_F(FormatsWindow, ARecordSavedAgainKeepsItsEndingAndClock) {
  StartedProgram g;
  g.panel.clipboard = "持ち時間：各5分（1手10秒加算）\n手合割：平手\n   1 ７六歩(77)\n   2 投了\n";
  g.form.PASTE_Click();
  g.panel.toSave = folder / "again.kifu";
  g.form.KIFU_SAVE_KIF_Click();
  const std::string saved = readBytes(folder / "again.kifu");
  EXPECT_NE(saved.find("持ち時間：各5分（1手10秒加算）"), std::string::npos);
  EXPECT_NE(saved.find("投了"), std::string::npos);
}

}  // namespace
}  // namespace qz

namespace qz {
namespace {

using namespace fakes;  // NOLINT: the fakes and the started program

// With 確認メッセージ off, the boxes that only inform go to the status line;
// a box that says something went wrong stays a box.
TEST(QuietBoxes, WhatOnlyInformsGoesToTheStatusLine) {
  StartedProgram g;
  g.form.確認メッセージ = false;
  g.take();
  g.takeOps();
  g.form.START_Click();
  EXPECT_EQ(g.take(), (std::vector<Event>{}));
  EXPECT_EQ(状態行(g.takeOps()), "先手の番です");
  g.panel.clipboard = "position startpos moves 7g7f 3c3d";
  g.form.PASTE_Click();
  EXPECT_EQ(g.take(), (std::vector<Event>{}));
  EXPECT_EQ(状態行(g.takeOps()).rfind("クリップボード 2手 読み込みました　棋譜を '進 'で進めて下さい", 0), 0u);
  g.panel.clipboard = "position startpos moves 7g7f 7f7e";
  g.form.PASTE_Click();
  const auto boxes = g.take();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes.front().title, "棋譜");
}

}  // namespace
}  // namespace qz
