// Form1, the one window of the program: the adapter between the window's
// events and the game. Each handler turns an event into operations of the
// game session it owns (対局値) and what they return into pictures, sounds
// and message boxes. Handlers live in files by subject: form1_startup.cpp
// (start-up, shutdown, about box, 初期設定), form1_options.cpp (settings
// file and the ｵﾌﾟｼｮﾝ menu), form1_clock.cpp (Timer1), form1_panel.cpp
// (record-file panel and the handicap message), form1_game.cpp,
// form1_mouse.cpp, form1_com.cpp, form1_think.cpp, form1_level.cpp and
// form1_controls.cpp (playing a game), form1_records.cpp (stepping,
// reversal and .棋譜 files), form1_formats.cpp (records of every format).
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "computer/analysis.h"
#include "computer/resign.h"
#include "computer/search_worker.h"
#include "display/screen.h"
#include "game/session.h"
#include "play/platform.h"
#include "records/formats.h"
#include "rules/message.h"

namespace qz {

// Mouse buttons as Form_MouseDown receives them.
constexpr int ボタン_左 = 1;
constexpr int ボタン_右 = 2;
// The key code of Esc in Form_KeyPress.
constexpr int キー_Esc = 27;

// The settings file's lines.
inline const std::string 設定_背景_緑 = "背景画=緑";
inline const std::string 設定_背景_畳 = "背景画=畳";
inline const std::string 設定_背景_竹 = "背景画=竹";
inline const std::string 設定_背景_宇宙 = "背景画=宇宙";
inline const std::string 設定_背景_煉瓦 = "背景画=煉瓦";
inline const std::string 設定_指導ON = "移動指導=ON";
inline const std::string 設定_指導OFF = "移動指導=OFF";
inline const std::string 設定_経過ON = "経過時間=ON";
inline const std::string 設定_経過OFF = "経過時間=OFF";
inline const std::string 設定_BGMON = "BGM=ON";
inline const std::string 設定_BGMOFF = "BGM=OFF";
// Kept after the four lines above (and after any line another option adds).
inline const std::string 設定_一覧ON = "棋譜一覧=ON";
inline const std::string 設定_一覧OFF = "棋譜一覧=OFF";

// The window's pick: the piece picked on a square or a stand cell, and the
// square last clicked as its destination.
struct 選択 {
  int 元X = 0, 元Y = 0;
  int 先X = 0, 先Y = 0;
  int 駒 = 0;
};

class Form1 {
 public:
  explicit Form1(const Platform& platform);

  // ===== What the window calls ====================================================
  // The handler of a menu item (clicking an item, or opening a menu whose
  // title has a handler); items without a handler do nothing.
  void メニュー選択(MenuItem item);
  void Form_Load();
  void Form_Unload();
  void Form_KeyPress(int KeyAscii);
  void Form_MouseDown(int Button, int Shift, double X, double Y);
  // The pointer moved to (X, Y) in twips: while the influence overlay is on
  // and a piece is picked, the pieces a move to the square under it would
  // freeze and free are marked.
  void Form_MouseMove(double X, double Y);
  // ｵﾌﾟｼｮﾝ → 利き表示, which the window keeps: the overlay shown, or taken
  // away and the board painted as it was.
  void 利き表示設定(bool on);
  void Timer1_Timer();
  // The record panel's events (form1_records.cpp).
  void Command1_Click();
  void File1_Click();
  void Dir1_Change();
  void Drive1_Change();
  // The move list beside the board, when the window has one, and a move
  // clicked in it: the board steps to just after move n (0: the start).
  void 棋譜一覧接続(MoveList* list) { 棋譜一覧 = list; }
  void 棋譜一覧選択(int n);
  // The branches at the list's move n (its row marked `+`), as the list
  // writes moves, and one of them chosen: it becomes the line, the board
  // just after its first move.
  std::vector<std::string> 棋譜一覧の変化(int n) const;
  void 棋譜一覧変化選択(int n, int i);
  // Opens a record file of any format (the command line's, or a dialog's).
  void 棋譜ファイルを開く(const std::filesystem::path& パス);

  // ===== The menu's handlers, by subject ===========================================
  // Start-up, shutdown and the about box (form1_startup.cpp).
  void VER_Click();
  void OWARI_Click();
  // Options (form1_options.cpp).
  void MIDORI_Click();
  void TATAMI_Click();
  void TAKE_Click();
  void UCHU_Click();
  void RENGA_Click();
  void SIDOU_Click();
  void KEIKA_Click();
  void BGM_Click();
  void OPTION_Click();
  void KIFU_ICHIRAN_Click();
  // Playing a game (form1_game.cpp, form1_level.cpp, form1_think.cpp,
  // form1_controls.cpp).
  void TAIKYOKU_Click();
  // 対局 → 新規対局…: the dialog, then the game it chose from the start.
  void NEW_GAME_Click();
  void 新規対局(const 新規対局設定& 設定);
  void MATCH_MAN_Click();
  void START_Click();
  void SENTE_Click();
  void GOTE_Click();
  void LEVEL1_Click();
  void LEVEL2_Click();
  void LEVEL3_Click();
  void LEVEL4_Click();
  void LEVEL5_Click();
  void HINT_Click();
  void LBEL_UP_Click();
  void LEBEL_DOWN_Click();
  void TORYO_Click();
  void MATTA_Click();
  // Stepping, reversal and .棋譜 files (form1_records.cpp).
  void STOP_Click();
  void CANCEL_Click();
  void REVERSE_Click();
  void REPLAY_Click();
  void AFTER_Click();
  void KIFU_READ_Click();
  void KIFU_WRITE_Click();
  // Records of every format and the clipboard (form1_formats.cpp).
  void KIFU_OPEN_Click();
  void KIFU_SAVE_KIF_Click();
  // 棋譜 → 棋譜解析…: every move of the game searched, the moves that lost
  // much marked in the move list, and a summary of each side.
  void REVIEW_Click();
  void KIFU_SAVE_CSA_Click();
  void COPY_SFEN_Click();
  void COPY_KIF_Click();
  void COPY_USI_Click();
  void PASTE_Click();
  // The board editor (form1_board_edit.cpp).
  void BOARD_EDIT_Click();

  // ===== Procedures the handlers share ================================================
  void 終了処理();
  void 初期設定();
  void 読込_環境設定ファイル();
  void 書込_環境設定ファイル();
  void チェック設定(int 背景);
  // The time of day, in seconds since midnight.
  double 時刻();
  void 描画_可視(bool a, bool b, bool c);
  void 描画_棋譜_IO(int フラグ);
  void 描画_メッセージ(int IN_メッセージ番号);
  // Ends a game naming the winner ("あなた", "ｺﾝﾋﾟｭｰﾀ", "先手", "後手"); a new
  // board on Yes, the end of the program on No.
  void 終了(const 文面& 勝手);
  // The computer's turn: its move chosen by the game, played, check or
  // mate announced (form1_com.cpp).
  void com_ban();
  void レベル_設定(int IN_LEVEL);
  // Repaints the squares and stands a move changed (form1_game.cpp).
  void 駒移動(int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒);
  // Redraws every square, frozen pieces in their second picture set; 氷結.wav
  // when a piece has become frozen with the move (and 音あり).
  void 描画_氷結駒(bool 音あり = true);
  // Every square's piece (frozen ones in their second set) and outline.
  void 盤の升を描く(const 氷結状態& 状態);
  // Erases the header texts a loaded record left (form1_records.cpp).
  void 描画_棋譜読込み部分消去();
  // The X position (twips) at which a record's header line is printed.
  double 取得_棋譜のX座標(const std::string& IN_文字列);

  // ===== The game and the window's own values ============================================
  対局 対局値;
  画面 画;           // paints 対局値
  int 選択状態 = 0;  // 1 while a piece of the side to move is picked
  選択 選択中の手;
  int 色_移動指導 = 色_緑;
  long long 表示済秒 = 0;  // the whole seconds the clock shows
  // Sound buffers; 0 when a sound was not loaded.
  std::int32_t 音_その他 = 0;
  std::int32_t 音_禁止 = 0;
  std::int32_t 音_駒打 = 0;
  std::int32_t 音_氷結 = 0;
  std::int32_t 音_BGM = 0;
  // The search of the levels above LEVEL3 and of the hint, on its own thread
  // (form1_think.cpp). While it runs the board and the menus (but 終わり)
  // are ignored; Timer1 polls it and plays its move when it is done. It
  // searches on the machine's cores less one (a ladder level on one).
  思考係 思考{窓の糸数(std::thread::hardware_concurrency())};
  bool 考え中() const { return 思考.動いている(); }
  // Scores of positions for the evaluation graph, taken by whoever draws it:
  // what the computer's search made of the position it moved in, and each
  // position a game review searched.
  std::vector<検討点> 読みの点;
  // Whether the searching levels resign a game their search sees lost (an option
  // of the window, on unless turned off).
  bool COMは投了する = true;
  // The boxes that only inform (whose move it is, how many moves were read)
  // are shown; off, the status line carries their text instead.
  bool 確認メッセージ = true;

 private:
  Platform p;

  // Menu check marks.
  bool チェック(MenuItem item) const { return p.menu.itemChecked(item); }
  void チェック(MenuItem item, bool on) { p.menu.setItemChecked(item, on); }
  // A message box.
  Answer メッセージ(const 文面& prompt, const 文面& title, Buttons buttons = Buttons::OK,
                    Icon icon = Icon::None) {
    return p.messages.ask(prompt, title, buttons, icon);
  }
  // Ends the program at once; nothing after it runs.
  [[noreturn]] void プログラム終了() {
    p.window.endProgram();
    throw ProgramEnded{};
  }

  // --- Re-entry ---
  // The one guard against re-entry: true while the handler of an event from
  // the window runs. The entry points the window calls (メニュー選択,
  // Form_MouseDown, Form_KeyPress, Form_Load, Form_Unload, the record panel's
  // events, 棋譜一覧選択, 棋譜ファイルを開く) each mark it; a mouse press, menu
  // command, panel event or timer tick that arrives meanwhile (from a message
  // box's event loop) is dropped. What they call inside does not mark it again.
  bool 処理中 = false;
  // True while the computer searches: its own clock ticks are let through.
  bool 思考中 = false;
  // Marks a game handler as running for as long as it lives; a handler that
  // finds one already running does nothing (入れた() is false).
  class 処理区間 {
   public:
    explicit 処理区間(bool& flag) : flag_(flag), entered_(!flag) { flag_ = true; }
    ~処理区間() {
      if (entered_) flag_ = false;
    }
    処理区間(const 処理区間&) = delete;
    処理区間& operator=(const 処理区間&) = delete;
    bool 入れた() const { return entered_; }

   private:
    bool& flag_;
    bool entered_;
  };

  // --- Options (form1_options.cpp) ---
  void 背景項目選択(MenuItem item, int 背景);
  void 既定設定書込();
  void 記録したレベル(const std::string& 行);
  // The settings file is there but could not be read: it is left as it is
  // for this run, however the options change.
  bool 設定ファイルを守る = false;

  // --- Playing a game (form1_game.cpp, form1_mouse.cpp, form1_com.cpp,
  //     form1_level.cpp, form1_controls.cpp) ---
  void 対局開始共通();
  void レベル選択(int レベル);
  bool レベル項目選択(MenuItem item);
  // Once a level has been chosen or read from the settings, the settings
  // keep it on a line of its own after the four.
  bool レベルを記録 = false;
  // True while a game is being played (started, not finished, no record).
  bool 対局中() const { return 対局値.対局中() && !終局保存待ち; }
  // Outside a game true; during one, asks the question (Yes goes on).
  bool 破棄確認(const 文面& 問い);
  // The status line: a refusal's reason and whose turn it is.
  void 状態表示(const 文面& 理由);
  void 最終手更新();
  void 盤面を描き直す();
  void 棋譜一覧更新();
  std::string 一覧の手(int n, const qz::手順& 手) const;
  MoveList* 棋譜一覧 = nullptr;
  // The last game review (form1_review.cpp): the moves it reviewed and what
  // it found of each; a move of the history shows its finding while it is
  // still the move reviewed.
  std::vector<qz::指し手> 解析した手;
  std::vector<手の解析> 解析結果;
  const 手の解析* 手の解析結果(int n) const;
  // The move list's text of move n's finding ("" when none).
  std::string 解析の印(int n) const;
  // A record read: its review comments taken as the last review.
  void 注釈から解析(const 対局記録& r);
  // A record to write: the last review's findings as comments.
  void 解析を注釈へ(対局記録& r) const;
  void 続行確認();
  void 終局後の確認();
  // A finished game's save panel is open: "続けますか？" is still to come.
  bool 終局保存待ち = false;
  // The game over, or the computer to move, after a human's move.
  void 手番交代(const 着手結果& r);
  void 人間の手を指す(int Button);
  void 手を断る(const 文面& 理由);
  // Whose turn a start or a resumption announces, in a box titled 題.
  void 知らせる(手番の知らせ 知らせ, const char* 題);
  void 勝敗表示(const 勝敗& r);
  // Timer1 runs for the clock: shown, or a time control to keep.
  bool 時計が要る();
  void 時間切れ(const 勝敗& r);
  // The finished game's box saying 文, then the offer to save it and
  // "続けますか？".
  void 終局表示(const 文面& 文);
  void 持駒桝クリック(int m, int l);
  void 駒を選ぶ(int m, int l, int 駒);
  void 盤上クリック(int Button, int m, int l);
  bool 再開();
  bool 手番の駒(int 駒) const;
  // How many pieces the hand slot shown on stand square (x, y) holds.
  int 持駒台の枚数(int x, int y) const;
  void ハンデ変更(int 向き);
  void 思考中表示();
  void COMの手を指す(const qz::指し手& m);

  // --- The searching player's turn and the hint (form1_think.cpp) ---
  enum class 思考目的 { なし, COMの手, ヒント };
  思考目的 思考中の目的 = 思考目的::なし;
  std::optional<qz::指し手> 表示中ヒント;
  投了判断 COMの投了;               // the computer's hopeless searches in a row in this game
  bool ヒント前のタイマー = false;  // Timer1 polls the hint search, then is as it was
  void 深い手番開始();
  void 思考完了();
  void ヒント表示(const qz::指し手& m);
  void ヒント消去();
  // Draws the hint's arrow again over a board painted anew.
  void ヒント再描画();

  // --- The influence overlay's forecast (form1_mouse.cpp) ---
  std::optional<升> 予告升;  // the square under the pointer the forecast was made for
  氷結変化 表示中予告;
  // The move the forecast for square (x, y) is about: the picked piece
  // going there (promoted only where it must), if it may.
  std::optional<qz::指し手> 予告の手(int x, int y) const;
  void 予告消去();
  // The picked piece's outline and guidance again, over squares painted anew.
  void 選択を描き直す();

  // --- Records (form1_records.cpp, form1_formats.cpp) ---
  // The file list follows the directory list.
  void ファイル一覧を合わせる();
  void 棋譜パネルを閉じる();
  // A refused step: 禁止.wav where the refusal has it, then its message box.
  void 断り表示(手順結果 r, const char* 題);
  void 見出し表示(const std::string& 文字列, int 色, double X, double Y);
  // The board after a step back or forward (the game has made it).
  void 一手の描画(const qz::手順& 手, bool 進んだ);
  // 棋譜ファイルを開く inside a handler that has marked itself already.
  void 棋譜ファイルを読む(const std::filesystem::path& パス);
  // Every record read, from a file or the clipboard, is put on the board
  // here; a record of which nothing could be read leaves the game as it
  // was when 読めなければ残す.
  void 記録を読み込む(const 窓の読込& w, bool 読めなければ残す = true);
  void 記録を保存(const std::string& 形式名);
  // The record of the game in the history, or a message why it has none.
  std::optional<対局記録> 窓の記録();
};

}  // namespace qz
