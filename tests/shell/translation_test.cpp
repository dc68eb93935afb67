// The window's texts in English: whole texts, texts made from a template
// (their parts translated too), texts of several lines, and texts with no
// translation, which show as they are.
#include "shell/translation.h"

#include <gtest/gtest.h>

namespace qz {
namespace {

class English : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(setLanguage(Language::English)); }
  void TearDown() override { setLanguage(Language::Japanese); }
};

TEST_F(English, TextsAsTheWindowShowsThem) {
  const struct {
    const char* japanese;
    const char* english;
  } cases[] = {
      {"対局", "Game"},
      {"   ** 王手 **", "   ** Check **"},
      {"先手の勝ちです", "First won"},
      {"ｺﾝﾋﾟｭｰﾀの勝ちです", "The computer won"},
      {"my game 12手 読み込みました", "my game: 12 moves read"},
      {"棋譜ﾌｧｲﾙの5行目が正しくありません（37文字に足りません（3文字））。5行目から先は読み込みませ"
       "ん",
       "Line 5 of the record file is not valid (shorter than 37 characters (3 characters)). "
       "Nothing from line 5 on is read."},
      {"「BGM.wav」を読み込めません。再生できる WAV 形式の音ではありません。",
       "“BGM.wav” cannot be read. It is not a WAV sound that can be played."},
      {"「x.wav」を読み込めません。ファイルが空です。",
       "“x.wav” cannot be read. The file is empty."},
      {"対局途中ではできません\r\r局面→最初にして下さい",
       "Not possible during a game\r\rChoose Position → Start position first"},
      {"棋譜ﾌｧｲﾙを読み込めませんでした\nNo such file",
       "The record file could not be read\nNo such file"},
      {"待った：戻す手がありません　あなたの番です", "Take back: No move to take back  Your move"},
      {"７六", "７六"},
      {"", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(shown(c.japanese), QString::fromUtf8(c.english)) << c.japanese;
}

TEST(Language, JapaneseShowsTheTextItselfAndNamesRoundTrip) {
  setLanguage(Language::Japanese);
  EXPECT_EQ(shown("先手の勝ちです"), QString::fromUtf8("先手の勝ちです"));
  for (Language l : {Language::Japanese, Language::English}) {
    Language back = l == Language::English ? Language::Japanese : Language::English;
    EXPECT_TRUE(languageFromName(languageName(l), back));
    EXPECT_EQ(back, l);
  }
  Language unchanged = Language::English;
  EXPECT_FALSE(languageFromName("Deutsch", unchanged));
  EXPECT_EQ(unchanged, Language::English);
}

}  // namespace
}  // namespace qz
