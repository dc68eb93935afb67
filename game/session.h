// One game as a value: the position and everything around it — the start,
// the history, the side to move, the clocks, the handicap and what the
// computer keeps between its turns. The window, the engine and the match
// tool all play through it. Its operations change the game and return what
// happened; none of them draws, plays a sound or asks a question.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "computer/deep_search.h"
#include "computer/one_move_player.h"
#include "computer/state.h"
#include "game/clock.h"
#include "records/formats.h"
#include "records/game_record.h"
#include "records/history.h"
#include "rules/movegen.h"
#include "rules/rules.h"

namespace qz {

// The lower (MAN) or the upper (COM) side of the board.
enum class 側 { MAN, COM };

// A finished game: who won, and how (a king taken, mate, resignation, a
// repetition). A repetition is a draw (引き分け, 勝者 then says nothing)
// unless one side checked with every move of it: that side has lost.
struct 勝敗 {
  側 勝者 = 側::MAN;
  終局 理由 = 終局::王取り;
  bool 引き分け = false;
  bool operator==(const 勝敗&) const = default;
};

// Why a move of the side to move is refused, or なし.
enum class 着手拒否 {
  なし,
  氷結,      // the piece stands where the other side bears on it
  王手,      // the piece is a king in check, frozen like any other
  二歩,      // a pawn dropped on a file that holds one
  動けない,  // the piece cannot reach that square
  成り必須,  // it can reach it only promoted
};

// What a move did: the move as made (先駒 the code placed), what it
// captured, and the end of the game when it ended it.
struct 着手結果 {
  指し手 手{};
  int 取駒 = 0;
  std::optional<勝敗> 終わり;
};

// What the upper side's move did to the lower side's king.
enum class 王の様子 { 無事, 王手, 詰み };

// Whose turn a game's start or its resumption announces.
enum class 手番の知らせ { なし, 先手の番, 後手の番, MANの番, COMの番 };

// A search for the searching levels or the hint, to be run apart from the
// game: a copy of the position with fresh tables, the side to move, the
// keys of the positions met before and the limits.
struct 思考依頼 {
  局面 写し;
  bool MAN手番 = false;
  既出列 既出;
  探索条件 条件;
};

// Why a step through the history was refused, or 済み.
enum class 手順結果 { 済み, 開始前, 終わり, できない };

// Why 待った is refused, or なし.
enum class 待った拒否 { なし, 棋譜モード, 対局中でない, COMの番, 戻す手がない };

// A change of the handicap grade: refused (1 record mode, 2 moves made,
// 3 the board reversed), or the square whose piece went or came back.
struct ハンデ結果 {
  int 拒否 = 0;
  std::optional<升> 変わった升;
};

// The most moves a game counts: an SFEN's move number (one more) stays below
// a billion.
constexpr int 最大手数 = 999'999'998;

class 対局 {
 public:
  // --- What the painters and the front ends read ---------------------------------
  局面 局;
  int 手番 = 0;  // the side value to move; 0 while no game is on
  int 手数 = 0;
  double 時間_MAN = 0;  // each side's seconds in all before the move now being thought
  double 時間_COM = 0;
  int 対局モード = 0;  // 1 against the computer, 0 between two humans
  int COMレベル = 3;   // a number of レベル一覧
  int ハンデレベル = 0;
  int ハンデ設定フラグ = 0;
  int 先手値 = 先手;  // the side value of the first mover
  int 後手値 = 後手;
  int 中断中 = 0;      // a game stepped through is paused until a click resumes it
  int 棋譜モード = 0;  // a record is being stepped through
  int 反転フラグ = 0;  // the board was reversed: the history is gone
  // A position met for the fourth time ends the game (終局::千日手). Off, a
  // game plays on through any repetition, as games always did here.
  bool 千日手判定 = false;
  // How the game ended, set by whatever ended it and written into the
  // record; nothing while it goes on and after a new game or board.
  std::optional<勝敗> 終局結果;
  手順記録 手順;
  // The board and both influence counts before the last move or step,
  // which the frozen marks are measured against.
  氷結前 前;
  // The time of day (seconds) the side to move began to think, and that
  // move's seconds so far as last read.
  double 開始時刻 = 0;
  double 一手経過秒 = 0;
  // Where the game reads the time of day (seconds since midnight); the
  // front end gives its clock.
  std::function<double()> 時刻源;
  double 時刻() const { return 時刻源 ? 時刻源() : 0; }
  // The seconds of the turn so far, read afresh into 一手経過秒.
  double 経過秒();
  // The time control of a game begun from the new-game dialog (none for
  // the old menus: the clocks then only count up), and each side's main
  // time left before its turn now.
  持ち時間設定 時間規定;
  double 残り_MAN = 0;
  double 残り_COM = 0;
  // What the computer keeps from one turn to the next.
  COM記憶 COM記憶値;
  // The record of another format last read, for its names and orientation
  // while it is stepped through; nothing after a new board or a .棋譜.
  std::optional<対局記録> 読込記録;

  // A game is being played: started, and no record being stepped through.
  bool 対局中() const { return 手番 != 0 && 棋譜モード == 0; }
  bool MANの番() const { return 手番 == 局.手番値_MAN; }
  bool COMの番() const { return 手番 == 局.手番値_COM; }
  // The side whose pieces carry code 駒's sign.
  int 駒の側値(int 駒) const { return COM駒(駒) ? 局.手番値_COM : 局.手番値_MAN; }

  // --- Setting up -------------------------------------------------------------------
  // The initial position, no game, clocks at 0; the moves of the history
  // stay, out of reach until a game between two humans replays them.
  void 初期化();
  // A game between two humans from here; whose turn it announces.
  手番の知らせ 人間対局開始();
  // A game against the computer, the human moving first (MAN先) or
  // second; COMの番 when the computer is to move now.
  手番の知らせ COM対局開始(bool MAN先);
  // A click on a paused game: whose turn to announce, or COMの番 when the
  // computer's move is due (the game is no longer paused then).
  手番の知らせ 再開();
  // Sets the level when it is one of レベル一覧; any other number leaves it.
  void レベル設定(int レベル);
  // Puts the game under a time control, each side's main time full.
  void 時間規定を設定(const 持ち時間設定& t);

  // --- The clocks under a time control --------------------------------------------------
  // The side to move has used up its time: the other side wins (the game's
  // ending is kept for its record). Nothing
  // without a control, outside a game, or while the game is paused.
  std::optional<勝敗> 時間切れ();
  // What the lower (MAN) or upper side's clock shows now: during its own
  // turn the time runs down.
  時計表示 残り表示(bool MAN側) const;

  // --- Moves ----------------------------------------------------------------------------
  // Why the side to move may not move 駒 from (fx, fy) — a square, or a
  // stand cell of the side whose hand holds it — to (tx, ty), promoting
  // or not; なし when it may.
  着手拒否 着手検査(int fx, int fy, int tx, int ty, int 駒, bool 成る) const;
  // Makes a move 着手検査 allowed, clicked by a human: the history, the
  // clocks, and the turn passed on. The game ends when a king was taken,
  // against the computer when its king is mated, and by a repetition
  // (千日手判定).
  着手結果 人間の手を指す(int fx, int fy, int tx, int ty, int 駒, bool 成る);
  // The one-move player's choice for the upper side (levels 1-3), ticking
  // 時計 as it goes; nothing when it has no legal move.
  std::optional<指し手> COMの手を選ぶ(const std::function<void()>& 時計);
  // The search for the upper side at the searching levels, and for the hint.
  思考依頼 COMの思考依頼();
  // The hint is for the human to move; nothing when it is not asked now.
  std::optional<思考依頼> ヒント依頼() const;
  // Makes the computer's move; the game ends when it took the king or by a
  // repetition.
  着手結果 COMの手を指す(const 指し手& m);
  // After COMの手を指す: whether the lower side's king is checked or mated.
  王の様子 MAN王の様子();
  // The computer's move is done: its seconds added, what it keeps stored
  // for 待った, and the turn handed to the human.
  void COMの手番を終える();
  // The side to move resigns: the other side wins. Nothing outside a game.
  std::optional<勝敗> 投了();
  // Against the computer, the human's last move and the computer's answer
  // are taken back together.
  待った拒否 待った();

  // --- The history ------------------------------------------------------------------
  // "進": replays the next move of the history; 中断中 is set unless no
  // game is on. The step's history index is 手順.手順_現在 afterwards.
  手順結果 進む();
  // "戻": takes the move last made or replayed back.
  手順結果 戻る();
  // Whether the move list's move n (0: the start) is another position of
  // the history.
  bool 手へ行ける(int n) const;
  // Steps back or forward to just after move n (手へ行ける).
  手順結果 手へ(int n);
  // The first moves of the branches at move n of the line, in their order.
  std::vector<qz::手順> 変化の初手(int n) const;
  // Takes branch i at move n as the line (the line's moves from n become a
  // branch in its place) and steps to just after its first move.
  手順結果 変化へ(int n, std::size_t i);
  // The board turned half round; the history is dropped. False in record mode.
  bool 反転();
  // One step up (+1) or down (-1) the handicap ladder.
  ハンデ結果 ハンデ変更(int 向き);

  // --- Positions and moves from outside (the engine, the match tool) ----------------------
  // Starts from a position given from outside: its board and hands on the
  // game's position (the influence tables stay, as they do while a game
  // goes on), no history, the lower (MAN手番) or upper side to move, and 前の手数
  // moves made before it.
  void 局面から始める(const 盤配列& 盤面, const 持駒& 持駒_MAN, const 持駒& 持駒_COM, bool MAN手番,
                      int 前の手数);
  bool MAN手番() const { return 手番 != 局.手番値_COM; }
  // Whether the side to move may make m, by the move check and the
  // promotion rules: なし, or why not. A move after the game ended never is.
  着手拒否 指し手検査(const 指し手& m);
  // Makes a move 指し手検査 allowed; the game ends when it took a king or by
  // a repetition.
  着手結果 指す(const 指し手& m);
  // The one-move player's choice (levels 1-3) for the side to move, with
  // the memory 記憶 kept between that player's turns: the lower side's
  // position is turned round, searched as the upper side's and the move
  // turned back. 一覧 gets every candidate evaluated, turned back the same
  // way. Nothing when the side has no legal move.
  std::optional<指し手> 一手読みの手(COM記憶& 記憶, int レベル,
                                     std::vector<候補手>* 一覧 = nullptr);
  // The searching player's request for the side to move.
  思考依頼 手番側の思考依頼(const 探索条件& 条件) const;

  // --- Records --------------------------------------------------------------------------
  // Puts a record read on the board for stepping through it with "進".
  void 記録を読み込む(const 窓の読込& w);
  // The game of the history as a record, its names those of a record read
  // or of the players here; 不正行 is set when a move cannot be written.
  記録読込結果 記録();
  // Whether the game's record has the board turned round: a record read keeps
  // its own orientation, a game played here puts its first mover below.
  bool 記録は反転() const;
  // The position now, the lower side's hand first.
  記録局面 今の局面() const;

 private:
  // What the computer kept after each of its moves, by history index.
  std::map<int, COM記憶> COM記憶履歴;
  // The position before move 1 of the history.
  局面 開始局面;

  // The seconds of the computer's move just made.
  double COMの秒 = 0;
  // The history index of the position the game ended in: the record carries
  // 終局結果 only when it ends there too.
  int 終局の手 = 0;

  void 人間の手番を渡す(着手結果& r);
  // A side's clock after its move of 秒 seconds.
  void 時計を進める(bool MAN側, double 秒);
  // One move of the history replayed or taken back, nothing checked.
  void 一手進む();
  void 一手戻す();
  既出列 既出キー(bool MAN手番) const;
  // Plies of the game up to here since its last capture or promotion.
  int 進展なし手数() const;
  // A search request for one side (the lower when MAN側) from here: the
  // position surveyed, the earlier positions and the plies since the last
  // capture or promotion.
  思考依頼 思考依頼を作る(bool MAN側, const 探索条件& 条件) const;
  // A game ended here (r.終わり, or nothing to forget a former ending).
  void 終局を記す(const std::optional<勝敗>& r);
  // After a move: the end of the game by a repetition, or nothing.
  std::optional<勝敗> 千日手の終局() const;
  // The game's ending put into r, the record of the history up to move 最後
  // (turned round when 反転), when the game ended there.
  void 結末を記録へ(対局記録& r, bool 反転, int 最後) const;
};

}  // namespace qz
