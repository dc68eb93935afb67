#include "computer/evaluate.h"

#include <cstdlib>

#include "computer/danger.h"
#include "computer/pieces.h"
#include "computer/surveys.h"
#include "rules/rules.h"

namespace qz {
namespace {

// Stage 0: a decisive result, or the check terms added to S. True when decided.
bool 決着(const 候補枠& f, 点数& S, 点数& result) {
  局面& s = f.s;
  const 勢力表& t = f.t;
  if (f.C == -王) {
    result = 王取得点;
    return true;
  }
  if (t.勢力_MAN[t.COM王X][t.COM王Y] >= 1 && 調査_COM王取得(s, t.COM王X, t.COM王Y) == はい) {
    result = 自殺点;
    return true;
  }
  if (t.勢力_COM[f.kx][f.ky] <= 0) return false;
  if (調査_MAN王取得(s, f.kx, f.ky) == はい && 詰めかMAN(s) == はい) {
    result = f.P == 歩 ? 自殺点 : 詰め点;
    return true;
  }
  if (t.攻駒_MAN[f.tx][f.ty] == -王 && t.勢力_COM[f.tx][f.ty] > 0) S += 点(100);
  if (std::abs(f.tx - f.kx) < 2 && std::abs(f.ty - f.ky) < 2 && f.tx != f.kx && f.ty != f.ky &&
      t.勢力_MAN[f.tx][f.ty] <= 2 && t.守駒_COM[f.tx][f.ty] == 成飛 &&
      (t.持ち越し.守駒X_COM[f.tx][f.ty] == f.kx || t.持ち越し.守駒Y_COM[f.tx][f.ty] == f.ky))
    S += 点(900);
  if (t.勢力_MAN[f.tx][f.ty] == 0) S += 点(10);
  return false;
}

// Stage 1: the move's kind and the danger scan.
void 第一段(const 候補枠& f, 点数& S) {
  if (f.fx < 0)
    S -= 点(5);
  else if (f.P > f.文脈.元移動駒)
    S += 点(10);
  S += 盤評価_COM危険座標(f.文脈, f.P, f.tx, f.ty);
}

// Taking next a MAN attacker that shields its own king.
void 釘付け攻め手(const 候補枠& f, 点数& S) {
  局面& s = f.s;
  const 勢力表& t = f.t;
  const int ax = t.攻駒X_MAN[f.tx][f.ty], ay = t.攻駒Y_MAN[f.tx][f.ty];
  if (t.勢力_MAN[ax][ay] <= 0) return;
  const int here = t.勢力_MAN[f.tx][f.ty];
  const bool pinned =
      f.開始.移動不可_MAN[ax][ay] == 1 &&
      (here == 1 || (here == 2 && t.勢力_COM[f.kx][f.ky] > 0 && t.勢力_COM[f.tx][f.ty] > 0));
  if (!pinned) return;
  const bool line = (ax == f.kx && f.tx != f.kx) || (ay == f.ky && f.ty != f.ky) ||
                    ((f.tx == f.kx || f.ty == f.ky) && ax != f.kx && ay != f.ky);
  if (!line || 移動チェック(s, f.tx, f.ty, ax, ay, f.文脈.元移動駒) != はい) return;
  if (f.drop) {
    S += 駒点(std::abs(s.盤面[ax][ay]));
  } else {
    const int px = f.開始.前攻駒X_COM[ax][ay], py = f.開始.前攻駒Y_COM[ax][ay];
    if (読(s.盤面, px, py) != 0) S += 駒点(std::abs(s.盤面[ax][ay]));
  }
}

// Whether MAN bears on the destination, and what that costs.
void 行き先の安全(const 候補枠& f, 点数& S) {
  局面& s = f.s;
  const 勢力表& t = f.t;
  const int P = f.P, tx = f.tx, ty = f.ty;
  if (t.勢力_MAN[tx][ty] == 0) {
    if (P != 角 && P != 成角 && P != 王 && P != 歩)
      S -= 駒点(盤評価_自角注意_COM(f.文脈, tx, ty, P));
    if ((std::abs(tx - f.kx) < 3 && std::abs(ty - f.ky) < 3) || P == 香 || (P >= 角 && P <= 成飛)) {
      const int n = 調査_自王逃道(s);
      if (n < f.開始.開始MAN王逃道数) S += 点(1) * (f.開始.開始MAN王逃道数 - n);
    }
  } else if (t.勢力_COM[tx][ty] > 0) {
    const bool 銀金 = s.持駒_MAN.枚数[持駒_銀] > 0 || s.持駒_MAN.枚数[持駒_金] > 0;
    if (銀金 && tx > 1 && tx < 9) {
      const int l = s.盤面[tx - 1][ty], r = s.盤面[tx + 1][ty];
      auto rook = [](int c) { return c == -飛 || c == -成飛; };
      if ((rook(l) && r == 王) || (rook(r) && l == 王)) S -= 駒点(P);
    }
    const int A = std::abs(t.攻駒_MAN[tx][ty]);
    if (P > A) S -= 駒点(P - A);
    if (t.攻駒_MAN[tx][ty] == -王 && ty < f.ky && t.勢力_COM[f.kx][f.ky] > 0) S += 駒点(P);
  } else if (f.drop) {
    S -= 駒点(P + 50);
  }
}

// The value of a capture.
void 取得の値(const 候補枠& f, 点数& S) {
  const 勢力表& t = f.t;
  const int C = f.C, tx = f.tx, ty = f.ty;
  if (C == 0) return;
  const int man = t.勢力_MAN[tx][ty], com = t.勢力_COM[tx][ty];
  if (man > 0 && com > 0) {
    if (f.s.盤面[tx][ty] < std::abs(t.攻駒_MAN[tx][ty])) S += 駒点(std::abs(C));
  } else if (man > 0 && com == 0) {
    if (f.開始.前氷結_COM[tx][ty] > 0 && 調査_移動可場所数(f.s, f.fx, f.fy, f.P) == 0)
      S += 駒点(std::abs(C));
  } else {
    S += 駒点(std::abs(C));
    if (C == -成歩 || C == -成香 || C == -成桂) S += 点(50);
  }
}

// Stage 2: approach, pinned attackers, safety, the lance corner, captures.
void 第二段(const 候補枠& f, 点数& S) {
  const int dx = std::abs(f.tx - f.kx), dy = std::abs(f.ty - f.ky);
  if (dx > dy) {
    if (f.文脈.王距離 > dx) S += 点(1);
  } else if (f.文脈.王距離 > dy) {
    S += 点(0.1);
  }
  釘付け攻め手(f, S);
  行き先の安全(f, S);
  if (f.s.盤面[f.tx][9] == -香 && (f.tx == 1 || f.tx == 9) && f.P != 香 && f.P != 飛 &&
      f.P != 成飛 && f.tx != f.fx)
    S -= 点(0.1);
  取得の値(f, S);
}

}  // namespace

点数 盤評価(評価文脈& 文脈, int 取得駒, int 移動駒, int 移動元X, int 移動元Y, int 移動先X,
            int 移動先Y) {
  局面& s = 文脈.局;
  const 候補枠 f{文脈,    s,       s.表,    文脈.開始,   取得駒,      移動駒,     移動元X,
                 移動元Y, 移動先X, 移動先Y, s.表.MAN王X, s.表.MAN王Y, 移動元X < 0};
  点数 S = 0;
  点数 decided = 0;
  if (決着(f, S, decided)) return decided;
  第一段(f, S);
  if (文脈.COMレベル < 2) return S;
  第二段(f, S);
  if (文脈.COMレベル < 3) return S;
  駒別評価(f, S);
  return S;
}

int 盤評価_自角注意_COM(評価文脈& 文脈, int 移動元X, int 移動元Y, int 移動駒) {
  局面& s = 文脈.局;
  const 盤配列& 狙 = 文脈.開始.持角狙座標_MAN;
  constexpr 升 角の元 = 打ち元(-角);
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      if (狙[x][y] != 1) continue;
      if (移動チェック(s, 移動元X, 移動元Y, x, y, -角) != はい &&
          移動チェック(s, 移動元X, 移動元Y, x, y, -成角) != はい)
        continue;
      // The first such square decides: a MAN bishop or horse on the board, or
      // one in MAN's hand, that could go there.
      for (int a = 1; a <= 9; ++a)
        for (int b = 1; b <= 9; ++b) {
          const int c = s.盤面[a][b];
          if ((c == -角 || c == -成角) && 移動チェック(s, a, b, x, y, c) == はい) return 移動駒;
        }
      if (s.持駒_MAN.枚数[持駒_角] > 0 && 移動チェック(s, 角の元.x, 角の元.y, x, y, -角) == はい)
        return 移動駒;
      return 0;
    }
  return 0;
}

}  // namespace qz
