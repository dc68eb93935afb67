#include "computer/danger.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "computer/surveys.h"
#include "rules/rules.h"

namespace qz {
namespace {

// The running values of one scan.
struct 走査 {
  評価文脈& 文脈;
  局面& s;
  const 勢力表& t;
  int kx, ky;     // COM's king
  int tx, ty, P;  // the candidate's destination and the piece on it
  点数 R = 0;
  int 両取り数 = 0;
  int 両取り値 = 9999;
  // Minus the number of COM bishops, horses, rooks, dragons and the king next
  // to each square (調査_周辺状況 of every square at once); filled only when
  // MAN holds a silver or a gold, the one case that reads it.
  std::array<std::array<std::int8_t, 11>, 11> 周辺{};
  // Which kinds MAN holds (slot 0: any piece at all), read once per scan.
  std::array<bool, 8> 持{};

  bool MAN持(int i) const { return 持[i]; }
  bool MAN銀金() const { return 持[4] || 持[5]; }
};

// An empty square: weak squares round COM's king and in its home rows, and
// what MAN could drop there.
void 空き桝(走査& w, int x, int y) {
  局面& s = w.s;
  const 勢力表& t = w.t;
  const int man = t.勢力_MAN[x][y], com = t.勢力_COM[x][y];
  if (man > 0) {
    if (std::abs(w.kx - x) < 2 && std::abs(w.ky - y) < 2) {
      w.R -= 5 * man;  // 0.5 a bearing
      if (com == 1 && man > 1) w.R -= 点(10);
      if (w.MAN銀金()) w.R -= 点(10);
    }
    if (com == 0 && y < 4) {
      w.R -= 点(0.1);
      if (調査_自守駒MAN_直進駒(s, x, y) == はい) w.R -= 点(10);
    }
    if (y < 4 && s.盤面[x][y + 1] == -歩 && man >= com) {
      w.R -= 点(30);
      if (調査_自守駒MAN_直進駒(s, x, y + 1) == はい) w.R -= 点(70);
    }
  }
  if (!w.持[0]) return;
  // Lance skewer down a column onto a piece above a COM piece worth more than a lance.
  if (w.MAN持(2) && y > 2 && s.盤面[x][y - 1] > 香 && (com == 0 || man > 0)) {
    for (int r = y - 2; r >= 1; --r) {
      const int c = s.盤面[x][r];
      if (c == 0) continue;
      if (c > 香) w.R -= 点(100) + 5 * c;  // 100 + code / 2
      break;
    }
  }
  if (w.MAN持(3) && (com == 0 || (man > 0 && t.攻駒_COM[x][y] > 桂)) && y > 2 && x > 1 && x < 9 &&
      s.盤面[x - 1][y - 2] > 歩 && s.盤面[x + 1][y - 2] > 歩)
    w.R -= 点(20);
  if (w.MAN銀金()) {
    if (com <= 1 && w.周辺[x][y] < -1) w.R -= 点(5);
    if (com == 0 && w.周辺[x][y] < 0) {
      w.R -= 点(1);
      if (y < 4) w.R -= 点(10);
    }
  }
  if (com == 0) {
    if (y == 2 && s.盤面[x][1] == 桂) w.R -= 点(5);
    if (y < 4) w.R -= 点(0.1);
    if (w.MAN持(4) && y > 1 && y < 9 && x > 1 && x < 9) {
      // A silver here would attack both ends of a diagonal pair of undefended COM pieces.
      auto pair = [&](int ax, int ay, int bx, int by) {
        return s.盤面[ax][ay] >= 10 && s.盤面[bx][by] >= 10 && t.勢力_COM[ax][ay] == 0 &&
               t.勢力_COM[bx][by] == 0;
      };
      if (pair(x - 1, y - 1, x + 1, y + 1)) w.R -= 点(20);
      if (pair(x - 1, y + 1, x + 1, y - 1)) w.R -= 点(20);
    }
  }
}

// A COM piece of code V: the king on its back row, a pawn before a rook, and
// any piece MAN attacks.
void COM駒桝(走査& w, int x, int y, int V) {
  局面& s = w.s;
  const 勢力表& t = w.t;
  const 手番開始記録& 開始 = w.文脈.開始;
  const int man = t.勢力_MAN[x][y], com = t.勢力_COM[x][y];
  if (V == 王 && y == 1 && t.勢力_MAN[x][2] > 0) {
    w.R -= 点(50);
    if (t.勢力_MAN[x][2] >= t.勢力_COM[x][2]) w.R -= 点(250);
    if (w.MAN銀金()) w.R -= 点(700);
  }
  if (V == 歩 && t.攻駒_MAN[x][y] == -飛 && w.MAN持(1) && man >= com && y < 9 &&
      t.勢力_COM[x][y + 1] == 1)
    w.R -= 点(5);
  if (man <= 0) return;
  const int A = std::abs(t.攻駒_MAN[x][y]);
  const int ax = t.攻駒X_MAN[x][y], ay = t.攻駒Y_MAN[x][y];
  const bool 攻め手自由 = 開始.移動不可_MAN[ax][ay] == 0;
  if (t.守駒_COM[x][y] == 王 && (man > 1 || V > A)) w.R -= 点(100);
  if (攻め手自由 && V > A) w.R -= 駒点(V - A);
  if (com > 0) {
    if (!攻め手自由) return;
    if (man > com && t.守駒_COM[x][y] >= A) w.R -= 駒点(V);
    if (y <= 3 && com == man && s.盤面[x][y + 1] != 0 && 調査_自守駒MAN_直進駒(s, x, y + 1) == はい)
      w.R -= 駒点(V + std::abs(t.攻駒_MAN[x][y + 1]));
  } else {
    w.R -= 駒点(V);
    if (y <= 3) w.R -= 点(10);
    const int before = 開始.開始盤面[x][y];
    if (before <= -10) w.R += 駒点(std::abs(before));
    if (y < 4 && (t.攻駒_MAN[x][y] == -歩 || t.攻駒_MAN[x][y] == -香)) w.R -= 点(20);
  }
}

// A MAN piece of code V: newly attacked near COM's king, a knight or a rook
// aimed at COM, and the moved piece's next captures.
void MAN駒桝(走査& w, int x, int y, int V) {
  局面& s = w.s;
  const 勢力表& t = w.t;
  const 手番開始記録& 開始 = w.文脈.開始;
  if (開始.前氷結_MAN[x][y] == 0 && t.勢力_COM[x][y] > 0) {
    if (y > 2 && V == -桂 && t.勢力_MAN[x][y - 1] == 0) {
      const int c = s.盤面[x][y - 1];
      if (c == 銀 || c == 成飛 || c == 成角) w.R += 点(1);
    }
    if (std::abs(x - w.kx) < 3 && std::abs(y - w.ky) < 3) w.R += 点(15);
  }
  if (V == -桂 && y >= 5 && s.盤面[x][y - 4] >= 銀) {
    auto open = [&](int qx, int qy) {
      const int c = s.盤面[qx][qy];
      return (c == 0 || c >= 10) && t.勢力_COM[qx][qy] == 0;
    };
    if (x > 1 && open(x - 1, y - 2)) w.R -= 点(1);
    if (x < 9 && open(x + 1, y - 2)) w.R -= 点(1);
  } else if ((V == -飛 || V == -成飛 || V == -香) && x == w.kx) {
    w.R -= 点(1);
  }
  if (t.勢力_MAN[w.tx][w.ty] == 0 && (t.勢力_MAN[x][y] == 0 || (x == t.MAN王X && y == t.MAN王Y)) &&
      行き先候補か(w.P, w.tx, w.ty, x, y) && 移動チェック(s, w.tx, w.ty, x, y, w.P) == はい) {
    w.R += 点(0.1);
    ++w.両取り数;
    w.両取り値 = std::min(w.両取り値, std::abs(V));
  }
}

// Fills w.周辺 from the COM pieces worth a bishop or more.
void 周辺を数える(走査& w) {
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      if (w.s.盤面[x][y] < 角) continue;
      for (int nx = x - 1; nx <= x + 1; ++nx)
        for (int ny = y - 1; ny <= y + 1; ++ny)
          if (nx != x || ny != y) --w.周辺[nx][ny];
    }
}

}  // namespace

点数 盤評価_COM危険座標(評価文脈& 文脈, int 移動駒, int COM移動先X, int COM移動先Y) {
  局面& s = 文脈.局;
  走査 w{文脈, s, s.表, s.表.COM王X, s.表.COM王Y, COM移動先X, COM移動先Y, 移動駒};
  w.持[0] = s.持駒_MAN.合計 > 0;
  for (int i = 1; i <= 持駒種類数; ++i) w.持[i] = s.持駒_MAN.枚数[i] > 0;
  if (w.持[0] && w.MAN銀金()) 周辺を数える(w);
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      const int c = s.盤面[x][y];
      if (c == 0)
        空き桝(w, x, y);
      else if (c >= 10)
        COM駒桝(w, x, y, c);
      else if (c <= -10)
        MAN駒桝(w, x, y, c);
    }
  if (w.両取り数 > 1) w.R += 駒点(w.両取り値);
  return w.R;
}

}  // namespace qz
