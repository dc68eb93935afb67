// Move legality: piece movement, blocked lines, drops, double pawn, and the
// freeze rule (a piece on a square the enemy bears on cannot move).
#include "rules/rules.h"

namespace qz {
namespace {

int 符号(int v) {
  return (v > 0) - (v < 0);
}

// 1 if every square strictly between source and destination along the
// column holds nothing.
int 縦が空き(const 盤配列& 盤面, int x, int 元Y, int 先Y) {
  const int d = 符号(先Y - 元Y);
  for (int y = 元Y + d; y != 先Y; y += d)
    if (盤面[x][y] != 0) return いいえ;
  return はい;
}

int 横が空き(const 盤配列& 盤面, int y, int 元X, int 先X) {
  const int d = 符号(先X - 元X);
  for (int x = 元X + d; x != 先X; x += d)
    if (盤面[x][y] != 0) return いいえ;
  return はい;
}

// The movement rule of one kind, from the moving side's point of view:
// f is +1 for COM (forward = towards row 9) and -1 for MAN.
int 動き(const 盤配列& 盤面, int 元X, int 元Y, int 先X, int 先Y, int 種類, int f, bool 打つ) {
  const int dx = 先X - 元X;
  const int dy = (先Y - 元Y) * f;  // > 0 is forward
  const int adx = std::abs(dx);
  const int 最終段 = f > 0 ? 9 : 1;
  switch (種類) {
    case 歩:
      if (打つ) return 先Y == 最終段 ? いいえ : はい;
      return dx == 0 && dy == 1 ? はい : いいえ;
    case 香:
      if (打つ) return 先Y == 最終段 ? いいえ : はい;
      if (dx != 0 || dy < 0) return いいえ;
      return 縦が空き(盤面, 元X, 元Y, 先Y);
    case 桂:
      if (打つ) return (f > 0 ? 先Y > 7 : 先Y < 3) ? いいえ : はい;
      return dy == 2 && adx == 1 ? はい : いいえ;
    case 銀:
      return adx <= 1 && (dy == 1 || (dy == -1 && dx != 0)) ? はい : いいえ;
    case 成歩:
    case 成香:
    case 成桂:
    case 成銀:
    case 金:
      return (adx <= 1 && (dy == 1 || dy == 0)) || (dx == 0 && dy == -1) ? はい : いいえ;
    case 角:
      return 移動チェック角(盤面, 元X, 元Y, 先X, 先Y);
    case 成角:
      if (adx <= 1 && std::abs(dy) <= 1) return はい;
      return 移動チェック角(盤面, 元X, 元Y, 先X, 先Y);
    case 飛:
      return 移動チェック飛車(盤面, 元X, 元Y, 先X, 先Y);
    case 成飛:
      if (adx <= 1 && std::abs(dy) <= 1) return はい;
      return 移動チェック飛車(盤面, 元X, 元Y, 先X, 先Y);
    case 王:
      return adx <= 1 && std::abs(dy) <= 1 ? はい : いいえ;
    default:
      return はい;  // no movement rule for this code
  }
}

}  // namespace

int 移動チェック(const 局面& s, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y,
                 int 移動駒種類) {
  if (!盤上(移動先X, 移動先Y)) return いいえ;
  if (移動元X == 移動先X && 移動元Y == 移動先Y) return いいえ;
  const bool 盤から = 移動元X >= 1 && 移動元X <= 9;
  const bool 打つ = 移動元X == MAN持駒X || 移動元X == COM持駒X;
  // No caller names any other source; refusing it keeps every index on the board.
  if (盤から ? (移動元Y < 1 || 移動元Y > 9) : !打つ) return いいえ;

  const 盤配列& 盤面 = s.盤面;
  const int 先 = 盤面[移動先X][移動先Y];
  if (COM駒(移動駒種類)) {
    if (盤から && s.表.勢力_MAN[移動元X][移動元Y] > 0) return いいえ;  // frozen
    if (COM駒(先)) return いいえ;
  } else {
    if (盤から && s.表.勢力_COM[移動元X][移動元Y] > 0) return いいえ;  // frozen
    if (MAN駒(先)) return いいえ;
  }

  if (打つ) {
    if (先 != 0) return いいえ;
    if (移動駒種類 == -歩 && s.二歩フラグ_MAN[移動先X] == 1) return いいえ;
    if (移動駒種類 == 歩 && s.二歩フラグ_COM[移動先X] == 1) return いいえ;
    const int a = std::abs(移動駒種類);
    if (a != 歩 && a != 香 && a != 桂) return はい;
  }
  const int f = 移動駒種類 < 0 ? -1 : +1;
  return 動き(盤面, 移動元X, 移動元Y, 移動先X, 移動先Y, std::abs(移動駒種類), f, 打つ);
}

bool 駒の動きか(const 盤配列& 盤面, int 元X, int 元Y, int 先X, int 先Y, int 駒) {
  return 動き(盤面, 元X, 元Y, 先X, 先Y, std::abs(駒), 駒 < 0 ? -1 : +1, false) == はい;
}

int 移動チェック飛車(const 盤配列& 盤面, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y) {
  if (移動元X != 移動先X && 移動元Y != 移動先Y) return いいえ;
  if (移動元Y != 移動先Y && !縦が空き(盤面, 移動元X, 移動元Y, 移動先Y)) return いいえ;
  if (移動元X != 移動先X && !横が空き(盤面, 移動元Y, 移動元X, 移動先X)) return いいえ;
  return はい;
}

int 移動チェック角(const 盤配列& 盤面, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y) {
  const int dx = 移動先X - 移動元X, dy = 移動先Y - 移動元Y;
  if (std::abs(dx) != std::abs(dy)) return いいえ;
  const int sx = 符号(dx), sy = 符号(dy);
  for (int x = 移動元X + sx, y = 移動元Y + sy; x != 移動先X; x += sx, y += sy)
    if (盤面[x][y] != 0) return いいえ;
  return はい;
}

}  // namespace qz
