// The influence survey: who bears on every square, rebuilt from the board.
#include "rules/rules.h"

namespace qz {
namespace {

using i16 = std::int16_t;

// Which steps of the bearing record a COM bearing performs.
enum COM記録 : unsigned {
  守 = 1,       // guard code
  守座標 = 2,   // guard code with the bearer's square
  攻 = 4,       // attack code
  攻座標 = 8,   // attack code with the bearer's square
  王手 = 16,    // 9 on the bearer's square when the target is MAN's king
  王位置 = 32,  // a knight also marks the king's own square
};

// A MAN piece of code c on (px, py) bears on (tx, ty): count, guard, attack
// with square and, with 王手あり, the check mark when the target is COM's king.
template <bool 王手あり, bool 桂 = false>
inline void MAN記録(const 盤配列& b, 勢力表& t, int c, int px, int py, int tx, int ty) {
  ++t.勢力_MAN[tx][ty];
  const int v = b[tx][ty];
  if (v < 0) {
    if (t.守駒_MAN[tx][ty] > c) t.守駒_MAN[tx][ty] = static_cast<i16>(c);
  } else if (v > 0) {
    if (t.攻駒_MAN[tx][ty] < c) {
      t.攻駒_MAN[tx][ty] = static_cast<i16>(c);
      t.攻駒X_MAN[tx][ty] = static_cast<i16>(px);
      t.攻駒Y_MAN[tx][ty] = static_cast<i16>(py);
    }
    if (王手あり && v == 王) {
      t.王手駒マップ_COM[px][py] = 9;
      if (桂) t.王手駒マップ_COM[tx][ty] = 9;
    }
  }
}

// A COM piece of code c on (px, py) bears on (tx, ty) with the steps in F.
template <unsigned F>
inline void COM記録(const 盤配列& b, 勢力表& t, int c, int px, int py, int tx, int ty) {
  ++t.勢力_COM[tx][ty];
  const int v = b[tx][ty];
  if (v >= 10) {
    if ((F & 守) && t.守駒_COM[tx][ty] > c) {
      t.守駒_COM[tx][ty] = static_cast<i16>(c);
      if (F & 守座標) {
        t.持ち越し.守駒X_COM[tx][ty] = static_cast<i16>(px);
        t.持ち越し.守駒Y_COM[tx][ty] = static_cast<i16>(py);
      }
    }
  } else if (v <= -10) {
    if ((F & 攻) && t.攻駒_COM[tx][ty] > c) {
      t.攻駒_COM[tx][ty] = static_cast<i16>(c);
      if (F & 攻座標) {
        t.持ち越し.攻駒X_COM[tx][ty] = static_cast<i16>(px);
        t.持ち越し.攻駒Y_COM[tx][ty] = static_cast<i16>(py);
      }
    }
  }
  if ((F & 王手) && v == -王) {
    t.王手駒マップ_MAN[px][py] = 9;
    if (F & 王位置) t.王手駒マップ_MAN[tx][ty] = 9;
  }
}

constexpr unsigned COM線 = 守 | 守座標 | 攻 | 攻座標;

// One ray from (x, y) in direction (dx, dy): every square reached is borne
// on; the ray ends on the first occupied square unless that square holds the
// opposing king, which it marks as checked and passes.
template <bool MAN側>
inline void 線(const 盤配列& b, 勢力表& t, int c, int x, int y, int dx, int dy) {
  constexpr int 敵王 = MAN側 ? 王 : -王;
  for (int tx = x + dx, ty = y + dy; 盤上(tx, ty); tx += dx, ty += dy) {
    if constexpr (MAN側) {
      MAN記録<false>(b, t, c, x, y, tx, ty);
    } else {
      COM記録<COM線>(b, t, c, x, y, tx, ty);
    }
    const int v = b[tx][ty];
    if (v == 0) continue;
    if (v != 敵王) return;
    盤配列& 王手map = MAN側 ? t.王手駒マップ_COM : t.王手駒マップ_MAN;
    for (int bx = tx - dx, by = ty - dy; bx != x || by != y; bx -= dx, by -= dy)
      王手map[bx][by] = 1;
    王手map[x][y] = 9;
  }
}

// The four straight rays of a rook or dragon: down, up, right, left.
inline void 四方(const 盤配列& b, 勢力表& t, int c, int x, int y) {
  勢力確定下直進(b, t, c, x, y);
  勢力確定上直進(b, t, c, x, y);
  勢力確定右直進(b, t, c, x, y);
  勢力確定左直進(b, t, c, x, y);
}

// The four diagonal rays in the survey's order, each only when its first
// square is on the board.
template <bool MAN側>
inline void 斜め四方(const 盤配列& b, 勢力表& t, int c, int x, int y) {
  if (y > 1) {
    if (x > 1) 線<MAN側>(b, t, c, x, y, -1, -1);
    if (x < 9) 線<MAN側>(b, t, c, x, y, +1, -1);
  }
  if (y < 9) {
    if (x > 1) 線<MAN側>(b, t, c, x, y, -1, +1);
    if (x < 9) 線<MAN側>(b, t, c, x, y, +1, +1);
  }
}

// Single steps of a MAN piece (C G A K unless told otherwise).
template <bool 王手あり = true, bool 桂 = false>
inline void MAN一歩(const 盤配列& b, 勢力表& t, int c, int x, int y, int tx, int ty) {
  MAN記録<王手あり, 桂>(b, t, c, x, y, tx, ty);
}

// The four diagonal single steps of a dragon, for either side.
template <bool MAN側, unsigned F = 0>
inline void 斜め一歩(const 盤配列& b, 勢力表& t, int c, int x, int y) {
  auto step = [&](int tx, int ty) {
    if constexpr (MAN側) {
      MAN記録<true>(b, t, c, x, y, tx, ty);
    } else {
      COM記録<F>(b, t, c, x, y, tx, ty);
    }
  };
  if (y > 1) {
    if (x > 1) step(x - 1, y - 1);
    if (x < 9) step(x + 1, y - 1);
  }
  if (y < 9) {
    if (x > 1) step(x - 1, y + 1);
    if (x < 9) step(x + 1, y + 1);
  }
}

// The four orthogonal single steps of a horse: up, down, left, right.
template <bool MAN側, unsigned F = 0>
inline void 縦横一歩(const 盤配列& b, 勢力表& t, int c, int x, int y) {
  auto step = [&](int tx, int ty) {
    if constexpr (MAN側) {
      MAN記録<true>(b, t, c, x, y, tx, ty);
    } else {
      COM記録<F>(b, t, c, x, y, tx, ty);
    }
  };
  if (y > 1) step(x, y - 1);
  if (y < 9) step(x, y + 1);
  if (x > 1) step(x - 1, y);
  if (x < 9) step(x + 1, y);
}

// The eight neighbours of a king in the survey's order: the row ahead
// (towards row 1), the row behind, then left and right.
template <class F>
inline void 王の周り(int x, int y, F&& step) {
  if (y > 1) {
    step(x, y - 1);
    if (x > 1) step(x - 1, y - 1);
    if (x < 9) step(x + 1, y - 1);
  }
  if (y < 9) {
    step(x, y + 1);
    if (x > 1) step(x - 1, y + 1);
    if (x < 9) step(x + 1, y + 1);
  }
  if (x > 1) step(x - 1, y);
  if (x < 9) step(x + 1, y);
}

// Resolves one MAN piece.
inline void MAN駒(const 盤配列& b, 勢力表& t, int c, int x, int y) {
  switch (c) {
    case -歩:
      if (y > 1) MAN一歩(b, t, c, x, y, x, y - 1);
      break;
    case -香:
      勢力確定上直進(b, t, c, x, y);
      break;
    case -桂:
      if (y > 2) {
        if (x > 1) MAN一歩<true, true>(b, t, c, x, y, x - 1, y - 2);
        if (x < 9) MAN一歩<true, true>(b, t, c, x, y, x + 1, y - 2);
      }
      break;
    case -銀:
      if (y > 1) {
        MAN一歩(b, t, c, x, y, x, y - 1);
        if (x > 1) MAN一歩(b, t, c, x, y, x - 1, y - 1);
        if (x < 9) MAN一歩(b, t, c, x, y, x + 1, y - 1);
      }
      if (y < 9) {
        if (x > 1) MAN一歩(b, t, c, x, y, x - 1, y + 1);
        if (x < 9) MAN一歩(b, t, c, x, y, x + 1, y + 1);
      }
      break;
    case -金:
    case -成歩:
    case -成香:
    case -成桂:
    case -成銀:
      勢力確定自金(b, t, c, x, y);
      break;
    case -角:
      勢力確定自角(b, t, x, y);
      break;
    case -成角:
      縦横一歩<true>(b, t, c, x, y);
      勢力確定自角(b, t, x, y);
      break;
    case -飛:
      四方(b, t, c, x, y);
      break;
    case -成飛:
      四方(b, t, c, x, y);
      斜め一歩<true>(b, t, c, x, y);
      break;
    case -王:
      t.MAN王X = x;
      t.MAN王Y = y;
      王の周り(x, y, [&](int tx, int ty) { MAN一歩<false>(b, t, c, x, y, tx, ty); });
      break;
    default:
      break;
  }
}

// Resolves one COM piece.
inline void COM駒(const 盤配列& b, 勢力表& t, int c, int x, int y) {
  switch (c) {
    case 歩:
      if (y < 9) COM記録<守 | 攻 | 王手>(b, t, c, x, y, x, y + 1);
      break;
    case 香:
      勢力確定下直進(b, t, c, x, y);
      break;
    case 桂:
      if (y < 8) {
        constexpr unsigned F = 守 | 守座標 | 王手 | 王位置;
        if (x > 1) COM記録<F>(b, t, c, x, y, x - 1, y + 2);
        if (x < 9) COM記録<F>(b, t, c, x, y, x + 1, y + 2);
      }
      break;
    case 銀: {
      constexpr unsigned F = 守 | 守座標 | 王手;
      if (y < 9) {
        COM記録<F>(b, t, c, x, y, x, y + 1);
        if (x > 1) COM記録<F>(b, t, c, x, y, x - 1, y + 1);
        if (x < 9) COM記録<F>(b, t, c, x, y, x + 1, y + 1);
      }
      if (y > 1) {
        if (x > 1) COM記録<F>(b, t, c, x, y, x - 1, y - 1);
        if (x < 9) COM記録<F>(b, t, c, x, y, x + 1, y - 1);
      }
      break;
    }
    case 金:
    case 成歩:
    case 成香:
    case 成桂:
    case 成銀:
      勢力確定敵金(b, t, x, y);
      break;
    case 角:
      勢力確定敵角(b, t, c, x, y);
      break;
    case 成角:
      縦横一歩<false, 王手>(b, t, c, x, y);
      勢力確定敵角(b, t, c, x, y);
      break;
    case 飛:
      四方(b, t, c, x, y);
      break;
    case 成飛:
      四方(b, t, c, x, y);
      斜め一歩<false, 守 | 守座標 | 攻 | 攻座標 | 王手>(b, t, c, x, y);
      break;
    case 王:
      t.COM王X = x;
      t.COM王Y = y;
      王の周り(x, y, [&](int tx, int ty) { COM記録<守>(b, t, c, x, y, tx, ty); });
      break;
    default:
      break;
  }
}

// A table with 1..9 set to v and row 0 / column 0 left at 0.
constexpr 盤配列 埋めた表(int v) {
  盤配列 a{};
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) a[x][y] = static_cast<i16>(v);
  return a;
}
constexpr 盤配列 零表{};
constexpr 盤配列 表999 = 埋めた表(999);
constexpr 盤配列 表負999 = 埋めた表(-999);

}  // namespace

void 勢力確定上直進(const 盤配列& 盤面, 勢力表& 表, int 駒, int x, int y) {
  if (駒 < 0)
    線<true>(盤面, 表, 駒, x, y, 0, -1);
  else
    線<false>(盤面, 表, 駒, x, y, 0, -1);
}

void 勢力確定下直進(const 盤配列& 盤面, 勢力表& 表, int 駒, int x, int y) {
  if (駒 < 0)
    線<true>(盤面, 表, 駒, x, y, 0, +1);
  else
    線<false>(盤面, 表, 駒, x, y, 0, +1);
}

void 勢力確定右直進(const 盤配列& 盤面, 勢力表& 表, int 駒, int x, int y) {
  if (駒 < 0)
    線<true>(盤面, 表, 駒, x, y, +1, 0);
  else
    線<false>(盤面, 表, 駒, x, y, +1, 0);
}

void 勢力確定左直進(const 盤配列& 盤面, 勢力表& 表, int 駒, int x, int y) {
  if (駒 < 0)
    線<true>(盤面, 表, 駒, x, y, -1, 0);
  else
    線<false>(盤面, 表, 駒, x, y, -1, 0);
}

void 勢力確定自角(const 盤配列& 盤面, 勢力表& 表, int x, int y) {
  斜め四方<true>(盤面, 表, -角, x, y);
}

void 勢力確定敵角(const 盤配列& 盤面, 勢力表& 表, int 駒, int x, int y) {
  斜め四方<false>(盤面, 表, 駒, x, y);
}

void 勢力確定自金(const 盤配列& 盤面, 勢力表& 表, int 駒, int x, int y) {
  if (y > 1) {
    MAN一歩(盤面, 表, 駒, x, y, x, y - 1);
    if (x > 1) MAN一歩(盤面, 表, 駒, x, y, x - 1, y - 1);
    if (x < 9) MAN一歩(盤面, 表, 駒, x, y, x + 1, y - 1);
  }
  if (y < 9) MAN一歩(盤面, 表, 駒, x, y, x, y + 1);
  if (x > 1) MAN一歩(盤面, 表, 駒, x, y, x - 1, y);
  if (x < 9) MAN一歩(盤面, 表, 駒, x, y, x + 1, y);
}

void 勢力確定敵金(const 盤配列& 盤面, 勢力表& 表, int x, int y) {
  constexpr unsigned F = 守 | 王手;
  if (y > 1) COM記録<F>(盤面, 表, 金, x, y, x, y - 1);
  if (y < 9) {
    COM記録<F>(盤面, 表, 金, x, y, x, y + 1);
    if (x > 1) COM記録<F>(盤面, 表, 金, x, y, x - 1, y + 1);
    if (x < 9) COM記録<F>(盤面, 表, 金, x, y, x + 1, y + 1);
  }
  if (x > 1) COM記録<F>(盤面, 表, 金, x, y, x - 1, y);
  if (x < 9) COM記録<F>(盤面, 表, 金, x, y, x + 1, y);
}

void 勢力調査(const 盤配列& 盤面, 勢力表& 表) {
  // Everything but 表.持ち越し starts afresh.
  表.勢力_MAN = 零表;
  表.勢力_COM = 零表;
  表.王手駒マップ_COM = 零表;
  表.王手駒マップ_MAN = 零表;
  表.攻駒X_MAN = 零表;
  表.攻駒Y_MAN = 零表;
  表.攻駒_MAN = 表負999;
  表.攻駒_COM = 表999;
  表.守駒_MAN = 表999;
  表.守駒_COM = 表999;

  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      const int c = 盤面[x][y];
      if (c < 0)
        MAN駒(盤面, 表, c, x, y);
      else if (c > 0)
        COM駒(盤面, 表, c, x, y);
    }
  }
}

}  // namespace qz
