#include "computer/surveys.h"

#include <cstdlib>

#include "rules/rules.h"

namespace qz {
namespace {

struct 駒位置 {
  int x, y, code;
};

// The sliders whose line may open when a piece is lifted.
bool COM直進駒(int c) {
  return c == 香 || c == 角 || c == 成角 || c == 飛 || c == 成飛;
}
bool MAN直進駒(int c) {
  return c == -香 || c == -角 || c == -成角 || c == -飛 || c == -成飛;
}

// Whether one of the sliders may move onto (kx, ky) in the position as it is now.
bool 王に届く(const 局面& s, const 駒位置* sliders, int n, int kx, int ky) {
  for (int i = 0; i < n; ++i)
    if (移動チェック(s, sliders[i].x, sliders[i].y, kx, ky, sliders[i].code) == はい) return true;
  return false;
}

}  // namespace

void 調査_移動不可駒(局面& s, 手番開始記録& 記録) {
  // The sliders of both sides, in scan order; a lifted piece is never one of
  // the enemy's, so the lists stay valid while pieces are lifted.
  駒位置 com_sliders[81], man_sliders[81];
  int n_com = 0, n_man = 0;
  for (int a = 1; a <= 9; ++a)
    for (int b = 1; b <= 9; ++b) {
      const int c = s.盤面[a][b];
      if (COM直進駒(c)) com_sliders[n_com++] = {a, b, c};
      if (MAN直進駒(c)) man_sliders[n_man++] = {a, b, c};
    }
  記録.COM移動不可有 = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      記録.移動不可_MAN[x][y] = 0;
      記録.移動不可_COM[x][y] = 0;
      const std::int16_t piece = s.盤面[x][y];
      if (piece == 0) continue;
      s.盤面[x][y] = 0;
      if (MAN駒(piece) && 王に届く(s, com_sliders, n_com, s.表.MAN王X, s.表.MAN王Y))
        記録.移動不可_MAN[x][y] = 1;
      if (COM駒(piece) && 王に届く(s, man_sliders, n_man, s.表.COM王X, s.表.COM王Y)) {
        記録.移動不可_COM[x][y] = 1;
        記録.COM移動不可有 = 1;
      }
      s.盤面[x][y] = piece;
    }
}

void 調査_持角狙座標(const 局面& s, 手番開始記録& 記録) {
  const int kx = s.表.COM王X, ky = s.表.COM王Y;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      記録.持角狙座標_MAN[x][y] = 0;
      if (s.盤面[x][y] != 0) continue;
      const int com = s.表.勢力_COM[x][y];
      const bool 手薄 = com == 0 || (com == 1 && std::abs(x - kx) < 2 && std::abs(y - ky) < 2);
      if (手薄 && 移動チェック(s, x, y, kx, ky, -角) == はい) 記録.持角狙座標_MAN[x][y] = 1;
    }
}

int 調査_移動可場所数(const 局面& s, int x0, int y0, int p) {
  const bool com = p >= 10;
  const 盤配列& 相手勢力 = com ? s.表.勢力_MAN : s.表.勢力_COM;
  // A frozen piece may move nowhere (the move check refuses it first of all).
  if (x0 >= 1 && x0 <= 9 && 読(相手勢力, x0, y0) > 0) return 0;
  int n = 0;
  auto count = [&](int x, int y) {
    if (相手勢力[x][y] == 0 && 移動チェック(s, x0, y0, x, y, p) == はい) ++n;
  };
  if (盤上(x0, y0)) {
    行き先候補(p, x0, y0, count);
  } else {
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) count(x, y);
  }
  return n;
}

int 調査_周辺状況(const 盤配列& 盤面, int x0, int y0) {
  int n = 0;
  for (int x = x0 - 1; x <= x0 + 1; ++x)
    for (int y = y0 - 1; y <= y0 + 1; ++y) {
      if (!盤上(x, y) || (x == x0 && y == y0)) continue;
      if (盤面[x][y] >= 角) ++n;
    }
  return -n;
}

int 調査_自守駒MAN_直進駒(局面& s, int 入力X, int 入力Y) {
  const int x0 = 入力X, y0 = 入力Y;
  int result = 0;
  const std::int16_t lifted = s.盤面[x0][y0];
  s.盤面[x0][y0] = 0;
  for (int r = y0 + 1; r <= 9; ++r) {
    const int c = s.盤面[x0][r];
    if (COM駒(c)) break;
    if (c == -香 || c == -飛 || c == -成飛) {
      result = 移動チェック(s, x0, r, x0, y0, c) == はい ? 1 : 0;
      break;
    }
  }
  s.盤面[x0][y0] = lifted;
  return result;
}

int 調査_香狙い(const 局面& s, int 移動先X, int 移動先Y) {
  const int x0 = 移動先X, y0 = 移動先Y;
  const 勢力表& t = s.表;
  const int attacker = t.攻駒_MAN[x0][y0];
  if (!(y0 > 6 && t.勢力_COM[x0][y0 - 1] > 0 && t.勢力_MAN[x0][y0 - 1] == 0 && attacker >= -成飛 &&
        attacker <= -角))
    return 0;
  for (int r = y0 + 1; r <= 9; ++r) {
    if (s.盤面[x0][r] == 0) continue;
    return 移動チェック(s, x0, y0, x0, r, 香) == はい ? std::abs(s.盤面[x0][r]) : 0;
  }
  return 0;
}

int 調査_桂狙い(const 局面& s, int 移動先X, int 移動先Y) {
  const int x0 = 移動先X, y0 = 移動先Y;
  const 勢力表& t = s.表;
  const int attacker = t.攻駒_MAN[x0][y0];
  if (!(attacker >= -成飛 && attacker <= -角 && y0 > 5)) return 0;
  int result = 0;
  // One side: the knight's square (x0 + d, y0 - 2) free and safe, and a MAN
  // major piece on (x0 + 2d, y0) that is not the pawn's attacker.
  auto side = [&](int d) {
    const int kx = x0 + d, fx = x0 + 2 * d;
    if (s.盤面[kx][y0 - 2] == 0 && t.勢力_MAN[kx][y0 - 2] == 0 && s.盤面[fx][y0] <= -角 &&
        t.攻駒X_MAN[x0][y0] != fx)
      result += std::abs(s.盤面[fx][y0]);
  };
  if (x0 > 2) side(-1);
  if (x0 < 8) side(+1);
  return result;
}

}  // namespace qz
