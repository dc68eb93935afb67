// The settings file and the ｵﾌﾟｼｮﾝ menu: background, move guidance,
// elapsed time and music, and the computer's level kept after them.
#include <array>
#include <string>
#include <vector>

#include "play/form1.h"

namespace qz {
namespace {

struct 背景項目 {
  MenuItem item;
  int 背景;
  const std::string& 行;
};
// In the order the writer tests them.
const std::array<背景項目, 5> 背景表 = {{
    {MenuItem::MIDORI, 背景_緑, 設定_背景_緑},
    {MenuItem::TAKE, 背景_竹, 設定_背景_竹},
    {MenuItem::TATAMI, 背景_畳, 設定_背景_畳},
    {MenuItem::UCHU, 背景_宇宙, 設定_背景_宇宙},
    {MenuItem::RENGA, 背景_煉瓦, 設定_背景_煉瓦},
}};

}  // namespace

void Form1::チェック設定(int 背景) {
  for (const auto& b : 背景表) チェック(b.item, false);
  for (const auto& b : 背景表)
    if (b.背景 == 背景) チェック(b.item, true);
}

void Form1::読込_環境設定ファイル() {
  const auto lines = p.settings.readLines();
  if (const std::string 理由 = lines ? "" : p.settings.readFailure(); !理由.empty()) {
    設定ファイルを守る = true;
    メッセージ(
        文面::並べ("%1\n%2\n%3", {QZ_TR("設定ﾌｧｲﾙを読み込めませんでした"), 理由,
                                  QZ_TR("今回は既定の設定を使います（設定ﾌｧｲﾙは書き換えません）")}),
        "ｵﾌﾟｼｮﾝ");
  }
  // A missing file or one of fewer than four lines takes the defaults; the
  // lines before the missing one have been applied by then, as they are read.
  const std::size_t n = lines ? lines->size() : 0;
  // The move list is hidden unless a line after the first four shows it.
  bool 一覧 = false;
  for (std::size_t i = 4; i < n; ++i) {
    if ((*lines)[i] == 設定_一覧ON) 一覧 = true;
    if (!レベルを記録) 記録したレベル((*lines)[i]);
  }
  チェック(MenuItem::KIFU_ICHIRAN, 一覧);
  if (棋譜一覧 != nullptr) 棋譜一覧->setListVisible(一覧);
  if (n >= 1) {
    for (const auto& b : 背景表)
      if ((*lines)[0] == b.行) {
        チェック設定(b.背景);
        画.描画_背景(b.背景);
        画.背景_現在 = b.背景;
      }
  }
  if (n >= 2) {
    const bool on = (*lines)[1] == 設定_指導ON;
    色_移動指導 = on ? 色_指導有効 : 画.色_桝輪郭;
    チェック(MenuItem::SIDOU, on);
    画.移動指導_フラグ = on ? 1 : 0;
  }
  if (n >= 3) チェック(MenuItem::KEIKA, (*lines)[2] == 設定_経過ON);
  if (n >= 4) {
    const bool on = (*lines)[3] == 設定_BGMON;
    チェック(MenuItem::BGM, on);
    if (on) p.sound.dsPlayLooping(音_BGM);
    return;
  }
  既定設定書込();
  画.背景_現在 = 背景_緑;
  画.描画_背景(背景_緑);
}

// Writes the default file and shows the defaults in the menu (the music is
// not started). Guidance is switched off along with its check mark.
void Form1::既定設定書込() {
  チェック設定(背景_緑);
  チェック(MenuItem::SIDOU, false);
  画.移動指導_フラグ = 0;
  色_移動指導 = 画.色_桝輪郭;
  チェック(MenuItem::KEIKA, true);
  チェック(MenuItem::BGM, true);
  if (!設定ファイルを守る)
    p.settings.writeLines({設定_背景_緑, 設定_指導OFF, 設定_経過ON, 設定_BGMON});
}

void Form1::書込_環境設定ファイル() {
  if (設定ファイルを守る) return;
  // With no background checked the file still gets four lines, green first:
  // a three-line file would cost the user the other choices at the next start.
  std::string 背景行 = 設定_背景_緑;
  for (const auto& b : 背景表)
    if (チェック(b.item)) {
      背景行 = b.行;
      break;
    }
  std::vector<std::string> lines = {
      背景行,
      チェック(MenuItem::SIDOU) ? 設定_指導ON : 設定_指導OFF,
      チェック(MenuItem::KEIKA) ? 設定_経過ON : 設定_経過OFF,
      チェック(MenuItem::BGM) ? 設定_BGMON : 設定_BGMOFF,
      チェック(MenuItem::KIFU_ICHIRAN) ? 設定_一覧ON : 設定_一覧OFF,
  };
  if (const レベル段* l = レベルを探す(対局値.COMレベル); l != nullptr && レベルを記録)
    lines.push_back(設定_レベル + std::string(l->名));
  if (!p.settings.writeLines(lines)) 既定設定書込();
}

// A line "COMレベル=<name>" of a level of レベル一覧 sets that level; any
// other line, or a name no level has, changes nothing.
void Form1::記録したレベル(const std::string& 行) {
  if (const レベル段* l = 設定行のレベル(行)) {
    レベル_設定(l->番号);
    レベルを記録 = true;
  }
}

void Form1::背景項目選択(MenuItem item, int 背景) {
  if (!チェック(item)) {
    チェック設定(背景);
    画.背景_現在 = 背景;
  }
  書込_環境設定ファイル();
  画.画面_再描画();
}

void Form1::MIDORI_Click() {
  背景項目選択(MenuItem::MIDORI, 背景_緑);
}
void Form1::TATAMI_Click() {
  背景項目選択(MenuItem::TATAMI, 背景_畳);
}
void Form1::TAKE_Click() {
  背景項目選択(MenuItem::TAKE, 背景_竹);
}
void Form1::UCHU_Click() {
  背景項目選択(MenuItem::UCHU, 背景_宇宙);
}
void Form1::RENGA_Click() {
  背景項目選択(MenuItem::RENGA, 背景_煉瓦);
}

void Form1::SIDOU_Click() {
  if (チェック(MenuItem::SIDOU)) {
    // Repaint every outline so that no guidance outline stays behind.
    for (int x = 1; x <= 桝数; ++x)
      for (int y = 1; y <= 桝数; ++y) 画.描画_桝輪郭(画.色_桝輪郭, x, y);
    for (int y = 1; y <= 持駒種類数; ++y) 画.描画_桝輪郭(画.色_桝輪郭, COM持駒X, y);
    for (int i = 1; i <= 持駒種類数; ++i)
      画.描画_桝輪郭(画.色_桝輪郭, MAN持駒X, 持駒台の升(-持駒番号の駒[i]).y);
    チェック(MenuItem::SIDOU, false);
    画.移動指導_フラグ = 0;
    色_移動指導 = 画.色_桝輪郭;
  } else {
    チェック(MenuItem::SIDOU, true);
    画.移動指導_フラグ = 1;
    色_移動指導 = 色_指導有効;
  }
  書込_環境設定ファイル();
}

void Form1::KEIKA_Click() {
  if (チェック(MenuItem::KEIKA)) {
    チェック(MenuItem::KEIKA, false);
    // A time control keeps its clocks, shown and running, whatever this says.
    if (!対局値.時間規定.有効()) {
      p.timer1.setEnabled(false);
      画.消去_所有時間(対局値.局.手番値_COM);
      画.消去_所有時間(対局値.局.手番値_MAN);
    }
  } else {
    チェック(MenuItem::KEIKA, true);
    p.timer1.setEnabled(true);
    画.描画_所有時間(対局値.局.手番値_COM, 対局値.時間_COM);
    画.描画_所有時間(対局値.局.手番値_MAN, 対局値.時間_MAN);
  }
  書込_環境設定ファイル();
}

void Form1::BGM_Click() {
  if (チェック(MenuItem::BGM)) {
    チェック(MenuItem::BGM, false);
    p.sound.dsStop(音_BGM);
  } else {
    チェック(MenuItem::BGM, true);
    p.sound.dsPlayLooping(音_BGM);
  }
  書込_環境設定ファイル();
}

void Form1::OPTION_Click() {
  描画_可視(false, false, false);
  描画_棋譜_IO(1);
}

}  // namespace qz
