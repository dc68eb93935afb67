#include "computer/pieces.h"

#include <cstdlib>

#include "computer/surveys.h"
#include "rules/rules.h"

namespace qz {
namespace {

// Reading helpers for one frame; squares off the array read as empty.
struct 読み {
  const 候補枠& f;
  int 盤(int x, int y) const { return 読(f.s.盤面, x, y); }
  int 勢M(int x, int y) const { return 読(f.t.勢力_MAN, x, y); }
  int 勢C(int x, int y) const { return 読(f.t.勢力_COM, x, y); }
  bool COM持(int i) const { return f.s.持駒_COM.枚数[i] > 0; }
  bool MAN持(int i) const { return f.s.持駒_MAN.枚数[i] > 0; }
};

// A pawn dropped: blocking, and the bishop's file.
void 歩打ち(const 候補枠& f, const 読み& r, 点数& S) {
  const int tx = f.tx, ty = f.ty;
  if (r.勢C(tx, ty) > 0 && ty > 1 && r.盤(tx, ty - 1) >= 銀 && (r.MAN持(1) || r.MAN持(2)))
    S += 点(6);
  if (r.盤(2, 8) == -角 && tx == 2 && ty == 7 && (r.勢M(2, 7) == 0 || r.勢C(2, 7) > 0)) S += 点(30);
  const int ax = f.t.攻駒X_MAN[tx][ty], ay = f.t.攻駒Y_MAN[tx][ty];
  const int attacker = f.t.攻駒_MAN[tx][ty];
  if (!(f.開始.前氷結_MAN[ax][ay] > 0 && r.勢M(ax, ay) == 0) && r.勢C(tx, ty) > 0 && ax == tx &&
      (attacker == -香 || attacker == -飛) && ty < ay)
    S += 点(120);
}

// The end of a pawn push when a MAN piece F stands right in front of it.
void 歩の前(const 候補枠& f, const 読み& r, 点数& S, int F) {
  const int tx = f.tx, ty = f.ty;
  const int com = r.勢C(tx, ty), man = r.勢M(tx, ty);
  if (com > man) {
    S += 点(1);
  } else if (F == -歩) {
    S -= 点(5);
  } else if (com > 0) {
    if (f.開始.前氷結_MAN[tx][ty + 1] > 0 && f.開始.前氷結_COM[tx][ty + 1] == 0)
      S -= 点(1);
    else if (com >= man)
      S += 点(5);
  } else if (man == 0) {
    S += 点(1);
  }
}

// A pawn pushed on the board.
void 歩突き(const 候補枠& f, const 読み& r, 点数& S) {
  const int tx = f.tx, ty = f.ty;
  const 勢力表& t = f.t;
  S -= 点(0.1);
  if (t.守駒_COM[tx][ty] == 金 || t.守駒_COM[tx][ty] == 銀) S += 点(0.6);
  if (ty >= 8) return;
  if (t.守駒_COM[tx][ty] == 香) {
    S += 点(1);
  } else if (t.守駒_COM[tx][ty] == 飛 && t.持ち越し.守駒X_COM[tx][ty] == tx &&
             r.勢C(tx, ty) >= r.勢M(tx, ty) && t.持ち越し.守駒Y_COM[tx][ty] < ty) {
    S += 点(2);
  }
  if (r.勢M(tx, ty + 1) == 0 && r.盤(tx, ty + 2) <= -桂) S += 点(1);
  if (ty < 7 && r.盤(tx, ty + 1) == -歩 && r.勢M(tx, ty + 1) > 0) S -= 点(5);
  if (ty < 7 && tx < 9 && r.盤(tx + 1, ty) == 角) {
    S += 点(0.5);
    if (r.盤(tx + 1, ty + 2) == -歩) S += 点(5);
  }
  if (ty < 7 && tx > 1 && tx == 7 && ty == 4 && r.盤(8, 2) == 角) S += 点(10);
  if (ty < 7 && tx > 1 && r.盤(tx - 1, ty) == 角) {
    S += 点(0.5);
    if (r.盤(tx - 1, ty + 2) == -歩) S += 点(5);
  }
  if (f.C <= -10 && r.勢C(f.fx, f.fy) == 1) {
    const int attacker = t.攻駒_MAN[tx][ty];
    if (attacker == -香 && ty > 2 && r.盤(tx, ty - 2) == 角)
      S -= 点(5);
    else
      S += 点(5);
    if (f.C == -歩 && (attacker == -香 || attacker == -飛)) S += 点(50);
  }
  const int F = r.盤(tx, ty + 1);
  if (F <= -10) 歩の前(f, r, S, F);
}

void 歩の型(const 候補枠& f, const 読み& r, 点数& S) {
  const int tx = f.tx, ty = f.ty;
  if (r.COM持(2)) S += 駒点(調査_香狙い(f.s, tx, ty));
  if (r.COM持(3)) S += 駒点(調査_桂狙い(f.s, tx, ty));
  if (ty < 9) {
    const int F = r.盤(tx, ty + 1);
    if (F == 金)
      S += 点(0.5);
    else if (F == 飛)
      S -= 点(1);
    if (F < -歩 && 調査_移動可場所数(f.s, tx, ty + 1, F) == 0) S += 駒点(std::abs(F));
  }
  if (r.勢C(tx, ty) > 0 && tx > 1 && tx < 9 && (r.盤(tx + 1, ty) == 飛 || r.盤(tx - 1, ty) == 飛))
    S -= 点(1);
  if (f.drop)
    歩打ち(f, r, S);
  else
    歩突き(f, r, S);
}

void 香の型(const 候補枠& f, const 読み& r, 点数& S) {
  const int tx = f.tx, ty = f.ty;
  if (r.COM持(3)) S += 駒点(調査_桂狙い(f.s, tx, ty));
  if (f.drop) {
    if (ty >= 8) return;
    if (r.MAN持(1) && r.勢M(tx, ty + 1) > 0 && r.勢M(tx, ty) == 0) S -= 点(10);
    if (r.盤(tx, ty + 1) <= -香 && (r.勢M(tx, ty) == 0 || r.勢C(tx, ty) >= r.勢M(tx, ty))) {
      // A skewer: the piece in front, and behind it the first piece down the column.
      for (int row = ty + 2; row <= 9; ++row) {
        const int c = r.盤(tx, row);
        if (c == 0) continue;
        if (移動チェック(f.s, tx, ty + 1, tx, row, 香) == はい && c < -香) S += 駒点(std::abs(c));
        return;
      }
    }
  } else if (f.C == 0) {
    S -= 点(0.9);
  }
}

void 桂の型(const 候補枠& f, const 読み& r, 点数& S) {
  const int tx = f.tx, ty = f.ty;
  S -= 点(0.1);
  if (r.勢M(tx, ty + 1) > 0) S -= 点(1);
  if (ty < 8 && tx > 1 && tx < 9 && r.勢M(tx - 1, ty + 2) > 0 && r.勢M(tx + 1, ty + 2) > 0)
    S -= 点(1);
  if (tx == 7 && ty == 3 && r.盤(8, 4) == 角) S -= 点(5);
}

void 銀の型(const 候補枠& f, const 読み& r, 点数& S) {
  const int tx = f.tx, ty = f.ty;
  if (ty <= 1) return;
  if (ty > f.fy && tx == f.fx) S -= 点(0.1);
  if (r.盤(tx, ty - 1) == 桂) S -= 点(0.5);
  if (tx == 7 && ty == 3 && r.盤(8, 3) == 歩 && r.盤(8, 5) == -歩) S += 点(115);
}

void 金の型(const 候補枠& f, const 読み& r, 点数& S) {
  const int tx = f.tx, ty = f.ty;
  if (ty > f.fy && tx != f.fx) S -= 点(0.5);
  if (ty == 4 && r.盤(6, 4) == 角 && r.勢M(6, 4) > 0) {
    S -= 点(5);
    return;
  }
  if (ty == 2 && r.盤(8, 3) == 歩 && r.盤(8, 6) == -歩 && tx == 7 && f.t.守駒_MAN[8][6] == -飛)
    S += 点(10);
  if (r.MAN持(6) && r.盤(tx, ty + 1) >= 10 && 読(f.開始.前氷結_MAN, tx, ty + 1) == 0) {
    S += 点(2);
    if (r.盤(tx, ty + 2) == 角 && 読(f.開始.前氷結_MAN, tx, ty + 2) == 1) S += 点(125);
  }
}

void 角の型(const 候補枠& f, const 読み& r, 点数& S) {
  const int tx = f.tx, ty = f.ty, fx = f.fx, fy = f.fy;
  const 勢力表& t = f.t;
  S += 駒点(調査_周辺状況(f.s.盤面, tx, ty));
  if (ty < 9) {
    if (ty == 3) {
      if (tx == 9 && r.盤(9, 4) == 歩 && r.盤(9, 6) == -歩 && r.盤(9, 9) == -香)
        S -= 点(10);
      else if (tx == 7 && r.盤(8, 5) == -歩 && t.守駒_MAN[8][5] == -飛)
        S += 点(9);
    }
    if (r.勢M(tx, ty + 1) > 0) {
      if (調査_移動可場所数(f.s, tx, ty, 角) == 0) S -= 点(100);
      if (ty < 8 && r.盤(tx, ty + 2) == -歩) S -= 点(1);
    }
  }
  if (fy != 3) return;
  if (fx == 9 && r.盤(9, 4) == 歩 && r.盤(9, 6) == -歩 && t.守駒_MAN[9][6] == -香) {
    S += 点(10);
  } else if (fx == 7 && r.盤(8, 5) == -歩 && t.守駒_MAN[8][5] == -飛 &&
             f.開始.前氷結_MAN[8][4] > r.勢C(8, 4)) {
    S -= 点(10);
  }
}

// The rook or dragon next to MAN's king on its line, where MAN cannot take it.
bool 王手筋(const 候補枠& f) {
  return (f.tx == f.kx || f.ty == f.ky) && std::abs(f.tx - f.kx) < 3 && std::abs(f.ty - f.ky) < 3;
}

bool 安全か王だけ(const 候補枠& f, const 読み& r) {
  return r.勢M(f.tx, f.ty) == 0 || (r.勢C(f.tx, f.ty) > 0 && f.t.攻駒_MAN[f.tx][f.ty] == -王);
}

void 飛の型(const 候補枠& f, const 読み& r, 点数& S) {
  const int tx = f.tx, ty = f.ty, fx = f.fx, fy = f.fy;
  S += 駒点(調査_周辺状況(f.s.盤面, tx, ty));
  if (f.drop) {
    if (ty == 9 && r.盤(tx, 8) == -銀 && tx > 1 && tx < 9 &&
        ((r.盤(tx + 1, 8) == -金 && r.盤(tx - 1, 9) != 0) ||
         (r.盤(tx - 1, 8) == -金 && r.盤(tx + 1, 9) != 0)))
      S -= 点(1);
    return;
  }
  if (r.勢M(tx, ty) == 0 && tx == 3 && ty == 4 && r.盤(3, 7) == -角 && r.盤(3, 6) == -歩 &&
      r.盤(3, 5) == 0)
    S += 点(7);
  if (ty < 8) {
    if (r.勢M(tx, ty + 1) > 0) S -= 点(1);
    if (r.盤(tx, ty + 2) == -歩 && ty == fy) S -= 点(5);
    if (fy < 9 && r.盤(8, fy + 1) == -歩 && 読(f.t.守駒_MAN, 8, fy + 1) == -飛) {
      if (r.勢C(8, fy) < 読(f.開始.前氷結_MAN, 8, fy)) S -= 点(11);
      if (r.盤(7, fy) == 歩 && ty != fy) S -= 点(11);
    }
    if (r.勢M(fx, fy) == 0 && fx == 2 && fy == 2 && tx == 2 && ty == 3) S -= 点(1);
  }
  if (安全か王だけ(f, r)) {
    const int n = 調査_移動可場所数(f.s, tx, ty, 飛);
    if (n <= 1)
      S -= 点(35);
    else if (王手筋(f))
      S += 点(100);
  }
}

void 龍の型(const 候補枠& f, const 読み& r, 点数& S) {
  const int tx = f.tx, ty = f.ty, fx = f.fx, fy = f.fy;
  S += 駒点(調査_周辺状況(f.s.盤面, tx, ty));
  if (r.盤(tx, ty - 1) == -銀 && tx > 1 && tx < 9 &&
      ((r.盤(tx + 1, ty - 1) == -金 && r.盤(tx - 1, ty) != 0) ||
       (r.盤(tx - 1, ty - 1) == -金 && r.盤(tx + 1, ty) != 0)))
    S -= 点(10);
  if (fy == 9 && r.盤(fx, 8) == -銀) {
    if (fx > 1 && r.盤(fx - 1, 8) == -金) S += 点(2);
    if (fx < 9 && r.盤(fx + 1, 8) == -金) S += 点(2);
  }
  if (ty == 9 && r.盤(tx, 8) <= -10 &&
      ((tx == 3 && r.盤(2, 9) <= -10 && r.盤(4, 8) == -金) ||
       (tx == 7 && r.盤(8, 9) <= -10 && r.盤(6, 8) == -金)))
    S -= 点(150);
  if (安全か王だけ(f, r) && 王手筋(f)) S += 点(100);
}

void 王の型(const 候補枠& f, const 読み& r, 点数& S) {
  if (f.開始.COM移動不可有 == 1) S += 点(10);
  if (r.勢C(f.tx, f.ty) > f.開始.前氷結_MAN[f.tx][f.ty]) S += 点(1);
  if (調査_移動可場所数(f.s, f.tx, f.ty, 王) < 2) S -= 点(20);
}

}  // namespace

void 駒別評価(const 候補枠& f, 点数& S) {
  const 読み r{f};
  switch (f.P) {
    case 歩:
      歩の型(f, r, S);
      break;
    case 成歩:
      if (r.勢C(f.tx, f.ty) >= r.勢M(f.tx, f.ty)) S += 点(1);
      break;
    case 香:
      香の型(f, r, S);
      break;
    case 桂:
      桂の型(f, r, S);
      break;
    case 銀:
      銀の型(f, r, S);
      break;
    case 金:
      金の型(f, r, S);
      break;
    case 角:
      角の型(f, r, S);
      break;
    case 成角:
      S += 駒点(調査_周辺状況(f.s.盤面, f.tx, f.ty));
      break;
    case 飛:
      飛の型(f, r, S);
      break;
    case 成飛:
      龍の型(f, r, S);
      break;
    case 王:
      王の型(f, r, S);
      break;
    default:
      break;  // a promoted lance, knight or silver has no pattern
  }
}

}  // namespace qz
