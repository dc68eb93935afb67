// Messages in English: the template translated, then filled with its values
// (each translated in turn); texts shown as they are; a text with two
// meanings by its own key; texts with no translation as they are.
#include "shell/translation.h"

#include <gtest/gtest.h>

namespace qz {
namespace {

class English : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(setLanguage(Language::English)); }
  void TearDown() override { setLanguage(Language::Japanese); }
};

TEST_F(English, MessagesAsTheWindowShowsThem) {
  const 文面 短い("37文字に足りません（%1文字）", {文面::数値(3)});
  const struct {
    文面 message;
    const char* english;
  } cases[] = {
      {"対局", "Game"},
      {"   ** 王手 **", "   ** Check **"},
      {文面("%1の勝ちです", {"先手"}), "First won"},
      {文面("%1の勝ちです", {"ｺﾝﾋﾟｭｰﾀ"}), "The computer won"},
      {文面("%1 %2手 読み込みました", {文面::そのまま("my game"), 文面::数値(12)}),
       "my game: 12 moves read"},
      {文面("棋譜ﾌｧｲﾙの%1行目が正しくありません（%2）。%1行目から先は読み込みません",
            {文面::数値(5), 短い}),
       "Line 5 of the record file is not valid (shorter than 37 characters (3 characters)). "
       "Nothing from line 5 on is read."},
      {文面("「%1」を読み込めません。再生できる WAV 形式の音ではありません。",
            {文面::そのまま("BGM.wav")}),
       "“BGM.wav” cannot be read. It is not a WAV sound that can be played."},
      {文面("「%1」を読み込めません。%2", {文面::そのまま("x.wav"), "ファイルが空です。"}),
       "“x.wav” cannot be read. The file is empty."},
      {文面::並べ("%1\r\r%2", {"対局途中ではできません", "局面→最初にして下さい"}),
       "Not possible during a game\r\rChoose Position → Start position first"},
      {文面::並べ("%1\n%2", {"棋譜ﾌｧｲﾙを読み込めませんでした", "No such file"}),
       "The record file could not be read\nNo such file"},
      {文面("%1　%2", {文面("待った：%1", {"戻す手がありません"}), "あなたの番です"}),
       "Take back: No move to take back  Your move"},
      // A value's own % signs and a name that is also a text stay as they are.
      {文面("待った：%1", {文面::そのまま("%1 100%")}), "Take back: %1 100%"},
      {文面::そのまま("対局"), "対局"},
      // 終わり: the menu's Quit, and the end of a record under a key of its own.
      {"終わり", "Quit"},
      {文面::別鍵("棋譜の終わり", "終わり"), "The end"},
      {"７六", "７六"},
      {"", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(shown(c.message), QString::fromUtf8(c.english)) << c.message.日本語();
}

TEST(Language, JapaneseShowsTheTextItselfAndNamesRoundTrip) {
  setLanguage(Language::Japanese);
  const 文面 m("%1の勝ちです", {"先手"});
  EXPECT_EQ(shown(m), QString::fromStdString(m.日本語()));
  EXPECT_EQ(shown(文面::別鍵("棋譜の終わり", "終わり")), QString::fromUtf8("終わり"));
  for (Language l : {Language::Japanese, Language::English}) {
    Language back = l == Language::English ? Language::Japanese : Language::English;
    EXPECT_TRUE(languageFromName(languageName(l), back));
    EXPECT_EQ(back, l);
  }
  Language unchanged = Language::English;
  EXPECT_FALSE(languageFromName("Deutsch", unchanged));
  EXPECT_EQ(unchanged, Language::English);
}

// Outside input quoted in a message: at most so many characters, never cut
// inside one, and the values filled in once.
TEST(Quote, ShortAndWhole) {
  EXPECT_EQ(引用("7g7f").日本語(), "7g7f");
  EXPECT_EQ(引用("一二三四五", 3).日本語(), "一二三…");
  EXPECT_EQ(引用("一二三", 3).日本語(), "一二三");
  EXPECT_EQ(文面("手合割「%1」が分かりません", {引用("%1%2")}).日本語(),
            "手合割「%1%2」が分かりません");
}

}  // namespace
}  // namespace qz
