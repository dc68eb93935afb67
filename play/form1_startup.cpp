// Start-up, shutdown, the about box and the initial set-up.
#include <array>
#include <utility>

#include "play/form1.h"

#ifndef QZ_VERSION
#define QZ_VERSION "0.0.0"
#endif

namespace qz {

Form1::Form1(const Platform& platform) : 画(platform.surface, 対局値), p(platform) {
  画.経過時間表示 = [this] { return チェック(MenuItem::KEIKA); };
  対局値.時刻源 = [this] { return 時刻(); };
}

void Form1::メニュー選択(MenuItem item) {
  // While the computer thinks only 終わり is taken, as no menu could be
  // reached while the one-move player searched.
  if (考え中() && item != MenuItem::OWARI) return;
  処理区間 区間(処理中);
  if (!区間.入れた()) return;
  予告消去();
  using Handler = void (Form1::*)();
  static constexpr std::array<std::pair<MenuItem, Handler>, 44> 表 = {{
      {MenuItem::TAIKYOKU, &Form1::TAIKYOKU_Click},
      {MenuItem::MATCH_MAN, &Form1::MATCH_MAN_Click},
      {MenuItem::START, &Form1::START_Click},
      {MenuItem::SENTE, &Form1::SENTE_Click},
      {MenuItem::GOTE, &Form1::GOTE_Click},
      {MenuItem::LEVEL1, &Form1::LEVEL1_Click},
      {MenuItem::LEVEL2, &Form1::LEVEL2_Click},
      {MenuItem::LEVEL3, &Form1::LEVEL3_Click},
      {MenuItem::LEVEL4, &Form1::LEVEL4_Click},
      {MenuItem::LEVEL5, &Form1::LEVEL5_Click},
      {MenuItem::HINT, &Form1::HINT_Click},
      {MenuItem::OWARI, &Form1::OWARI_Click},
      {MenuItem::STOP, &Form1::STOP_Click},
      {MenuItem::CANCEL, &Form1::CANCEL_Click},
      {MenuItem::NEW_GAME, &Form1::NEW_GAME_Click},
      {MenuItem::REVERSE, &Form1::REVERSE_Click},
      {MenuItem::REPLAY, &Form1::REPLAY_Click},
      {MenuItem::AFTER, &Form1::AFTER_Click},
      {MenuItem::LBEL_UP, &Form1::LBEL_UP_Click},
      {MenuItem::LEBEL_DOWN, &Form1::LEBEL_DOWN_Click},
      {MenuItem::KIFU_READ, &Form1::KIFU_READ_Click},
      {MenuItem::KIFU_WRITE, &Form1::KIFU_WRITE_Click},
      {MenuItem::KIFU_OPEN, &Form1::KIFU_OPEN_Click},
      {MenuItem::KIFU_SAVE_KIF, &Form1::KIFU_SAVE_KIF_Click},
      {MenuItem::KIFU_SAVE_CSA, &Form1::KIFU_SAVE_CSA_Click},
      {MenuItem::REVIEW, &Form1::REVIEW_Click},
      {MenuItem::COPY_SFEN, &Form1::COPY_SFEN_Click},
      {MenuItem::COPY_KIF, &Form1::COPY_KIF_Click},
      {MenuItem::COPY_USI, &Form1::COPY_USI_Click},
      {MenuItem::PASTE, &Form1::PASTE_Click},
      {MenuItem::BOARD_EDIT, &Form1::BOARD_EDIT_Click},
      {MenuItem::OPTION, &Form1::OPTION_Click},
      {MenuItem::MIDORI, &Form1::MIDORI_Click},
      {MenuItem::TATAMI, &Form1::TATAMI_Click},
      {MenuItem::TAKE, &Form1::TAKE_Click},
      {MenuItem::UCHU, &Form1::UCHU_Click},
      {MenuItem::RENGA, &Form1::RENGA_Click},
      {MenuItem::SIDOU, &Form1::SIDOU_Click},
      {MenuItem::KEIKA, &Form1::KEIKA_Click},
      {MenuItem::BGM, &Form1::BGM_Click},
      {MenuItem::VER, &Form1::VER_Click},
      {MenuItem::TORYO, &Form1::TORYO_Click},
      {MenuItem::MATTA, &Form1::MATTA_Click},
      {MenuItem::KIFU_ICHIRAN, &Form1::KIFU_ICHIRAN_Click},
  }};
  for (const auto& [項目, handler] : 表)
    if (項目 == item) return (this->*handler)();
  レベル項目選択(item);  // the ladder's levels between LEVEL3 and LEVEL4
}

void Form1::Form_Load() {
  処理区間 区間(処理中);
  if (!区間.入れた()) return;
  p.sound.初期化_サウンド();
  音_その他 = p.sound.読込_サウンド("その他.wav", 3);
  音_禁止 = p.sound.読込_サウンド("禁止.wav", 3);
  音_駒打 = p.sound.読込_サウンド("駒打音.wav", 3);
  音_氷結 = p.sound.読込_サウンド("氷結.wav", 3);
  音_BGM = p.sound.読込_サウンド("BGM.wav", 1);

  対局値.先手値 = 先手;
  対局値.後手値 = 後手;
  画.色_桝輪郭 = 色_緑;
  色_移動指導 = 色_緑;
  対局値.COMレベル = 3;
  対局値.棋譜モード = 0;
  画.移動指導_フラグ = 0;
  チェック(MenuItem::LEVEL3, true);
  p.window.setBackColour(色_緑);

  読込_環境設定ファイル();
  初期設定();

  // A maximised window stays so; otherwise it opens at the top-left corner.
  if (!p.window.maximized()) p.window.place(0, 0, 9000, 8000);
}

void Form1::Form_Unload() {
  処理区間 区間(処理中);
  if (!区間.入れた()) return;
  if (!破棄確認(QZ_TR("対局中です。終了しますか？"))) return;
  終了処理();
  プログラム終了();
}

void Form1::終了処理() {
  思考.止める();
  for (const std::int32_t 音 : {音_その他, 音_禁止, 音_駒打, 音_氷結, 音_BGM}) p.sound.dsFree(音);
  p.sound.終了_サウンド();
}

void Form1::OWARI_Click() {
  if (!破棄確認(QZ_TR("対局中です。終了しますか？"))) return;
  終了処理();
  プログラム終了();
}

void Form1::Form_KeyPress(int KeyAscii) {
  処理区間 区間(処理中);
  if (!区間.入れた()) return;
  if (KeyAscii != キー_Esc) return;
  if (!破棄確認(QZ_TR("対局中です。終了しますか？"))) return;
  終了処理();
  プログラム終了();
}

void Form1::VER_Click() {
  描画_可視(false, false, false);
  描画_棋譜_IO(1);
  p.sound.dsPlay(音_その他);
  // One line at a time, so that each is a text of its own to translate.
  メッセージ(
      文面::並べ("%1\n%2\n\n%3",
                 {QZ_TR("QZ 氷結将棋"), 文面(QZ_TR("バージョン %1"), {文面::そのまま(QZ_VERSION)}),
                  QZ_TR("敵の駒が利いている升にある駒は氷結して動けず、王手された王も氷結するので、"
                        "王手は王手した駒を取るか合駒をして防ぐしかありません。")}),
      QZ_TR("その他"), Buttons::OK, Icon::About);
}

void Form1::初期設定() {
  思考.止める();
  思考中の目的 = 思考目的::なし;
  表示中ヒント.reset();
  対局値.初期化();
  p.timer1.setEnabled(false);
  表示済秒 = 0;
  選択状態 = 0;
  終局保存待ち = false;
  画.最終手升.reset();
  画.画面_再描画();
  棋譜一覧更新();
}

}  // namespace qz
