// Setting up 利き盤 and keeping its counts in step with each move.
#include <cassert>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "computer/bearing_tables.h"

namespace qz {

using namespace 利き表;

namespace {

#if defined(__SSE2__)
template <std::size_t... I>
inline void 十六ずつ(__m128i* d, const __m128i* s, std::index_sequence<I...>) {
  (_mm_store_si128(d + I, _mm_load_si128(s + I)), ...);
}
#endif

// Copies the counts and rays whole, sixteen bytes at a time.
template <class T>
inline void 写す(T& 先, const T& 元) {
#if defined(__SSE2__)
  static_assert(sizeof(T) % 16 == 0 && alignof(T) == 16);
  十六ずつ(reinterpret_cast<__m128i*>(&先), reinterpret_cast<const __m128i*>(&元),
           std::make_index_sequence<sizeof(T) / 16>{});
#else
  先 = 元;
#endif
}

// Whether a piece of code c stops the rays of side 側 (0 MAN, 1 COM): every
// piece does but the enemy king, which rays pass.
inline bool 遮る(int 側, int c) {
  return c != 0 && c != (側 == 0 ? 王 : -王);
}

}  // namespace

void 利き盤::設定(const 局面& s, bool 手番) {
  盤_.fill(壁);
  占有_ = {};
  歩の数_ = {};
  王_ = {};
  利き_ = {};
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      const int c = s.盤面[x][y];
      assert(c == 0 || 駒コード(c));
      盤_[升番号(x, y)] = 0;
      if (c == 0) continue;
      assert(std::abs(c) != 王 || 王_[c < 0 ? 0 : 1] == 0);  // one king a side
      駒だけ置く(升番号(x, y), c);
    }
  for (int p = 0; p < 升番号数; ++p)
    if (盤_[p] != 0 && 盤_[p] != 壁) 利き加算(盤_[p], p, +1);
  手駒_ = {s.持駒_MAN, s.持駒_COM};
  MAN手番 = 手番;
  キー = 局面ハッシュ(s, 手番);
  指した数_ = 0;
}

局面キー 利き盤::後のキー(const 指し手& m) const {
  const ハッシュ表& 乱 = ハッシュ乱数();
  const int 側 = m.元駒 < 0 ? 0 : 1;
  const auto& 手の乱 = 乱.持駒[側];
  const 持駒& h = 手駒_[側];
  局面キー k = キー ^ 乱.手番 ^ 乱.駒[駒番号(m.先駒)][m.先X][m.先Y];
  if (m.打つ()) {
    const int i = 持駒番号(m.元駒);
    return k ^ 手の乱[i][h.枚数[i]] ^ 手の乱[i][h.枚数[i] - 1];
  }
  k ^= 乱.駒[駒番号(m.元駒)][m.元X][m.元Y];
  const int 取る = 盤_[升番号(m.先X, m.先Y)];
  if (取る == 0) return k;
  const int i = 持駒番号(取る);
  return k ^ 乱.駒[駒番号(取る)][m.先X][m.先Y] ^ 手の乱[i][h.枚数[i]] ^ 手の乱[i][h.枚数[i] + 1];
}

int 利き盤::指す(const 指し手& m) {
  if (指した数_ == 控え_.size()) 控え_.emplace_back(), 前のキー_.emplace_back();
  写す(控え_[指した数_], 利き_);
  前のキー_[指した数_++] = キー;
  キー = 後のキー(m);
  const int 側 = m.元駒 < 0 ? 0 : 1;
  const int t = 升番号(m.先X, m.先Y);
  int 取った駒 = 0;
  if (m.打つ()) {
    手駒_[側].減らす(持駒番号(m.元駒));
  } else {
    置き換え(升番号(m.元X, m.元Y), 0);
    取った駒 = 盤_[t];
    assert(std::abs(取った駒) != 王);
    if (取った駒 != 0) 手駒_[側].加える(持駒番号(取った駒));
  }
  置き換え(t, m.先駒);
  MAN手番 = !MAN手番;
  return 取った駒;
}

void 利き盤::戻す(const 指し手& m, int 取った駒) {
  assert(指した数_ > 0);
  --指した数_;
  写す(利き_, 控え_[指した数_]);
  キー = 前のキー_[指した数_];
  MAN手番 = !MAN手番;
  const int 側 = m.元駒 < 0 ? 0 : 1;
  駒だけ置く(升番号(m.先X, m.先Y), 取った駒);
  if (m.打つ()) {
    手駒_[側].加える(持駒番号(m.元駒));
    return;
  }
  if (取った駒 != 0) 手駒_[側].減らす(持駒番号(取った駒));
  駒だけ置く(升番号(m.元X, m.元Y), m.元駒);
}

void 利き盤::手番交代() {
  MAN手番 = !MAN手番;
  キー ^= ハッシュ乱数().手番;
}

// Puts 新 (0 for nothing) on square p and brings the counts along: the old
// piece's bearings go, rays through p that p now lets pass or stops are
// lengthened or cut, and the new piece's bearings come.
void 利き盤::置き換え(int p, int 新) {
  const int 旧 = 盤_[p];
  if (旧 != 0) 利き加算(旧, p, -1);
  線を直す(p, 旧, 新);
  駒だけ置く(p, 新);
  if (新 != 0) 利き加算(新, p, +1);
}

// Puts 新 on square p with the sets, pawn columns and king squares, leaving
// the counts alone.
void 利き盤::駒だけ置く(int p, int 新) {
  const int 旧 = 盤_[p];
  if (旧 != 0) {
    const int 側 = 旧 < 0 ? 0 : 1;
    除く(占有_[側], p);
    if (旧 == -歩 || 旧 == 歩) --歩の数_[側][p / 10];
    if (旧 == -王 || 旧 == 王) 王_[側] = 0;
  }
  盤_[p] = static_cast<std::int16_t>(新);
  if (新 != 0) {
    const int 側 = 新 < 0 ? 0 : 1;
    加える(占有_[側], p);
    if (新 == -歩 || 新 == 歩) ++歩の数_[側][p / 10];
    if (新 == -王 || 新 == 王) 王_[側] = p;
  }
}

// Adds d to the count of every square the piece 駒 on p bears on: its single
// steps, and its rays up to and including the first piece that stops them.
void 利き盤::利き加算(int 駒, int p, int d) {
  const int i = 駒番号(駒);
  assert(i >= 0);
  const int 側 = 駒 < 0 ? 0 : 1;
  auto& 数 = 利き_.数[側];
  const 一歩先& s = 一歩.先[i][p];
  for (int k = 0; k < s.数; ++k) 数[s.升[k]] += d;
  for (unsigned w = 走り表[i]; w != 0; w &= w - 1) 線を延ばす(側, p, __builtin_ctz(w), d);
}

// Square p changes from 旧 to 新: for each side whose rays p stopped and now
// lets pass (or the other way round), the rays of that side that reach p are
// lengthened (or cut) beyond it.
void 利き盤::線を直す(int p, int 旧, int 新) {
  for (int 側 = 0; 側 < 2; ++側) {
    const int d = 遮る(側, 旧) - 遮る(側, 新);
    if (d == 0) continue;
    for (unsigned w = 利き_.線[側][p]; w != 0; w &= w - 1) 線を延ばす(側, p, __builtin_ctz(w), d);
  }
}

// Adds d to the counts of side 側 along direction k beyond p, up to and
// including the first piece that stops the side's rays, and notes (d = 1) or
// forgets (d = -1) the ray's arrival on each of those squares.
void 利き盤::線を延ばす(int 側, int p, int k, int d) {
  const int v = 向き[k];
  auto& 数 = 利き_.数[側];
  auto& 線 = 利き_.線[側];
  const auto 印 = static_cast<std::uint8_t>(1u << k);
  for (int q = p + v; 盤_[q] != 壁; q += v) {
    数[q] += d;
    線[q] ^= 印;
    if (遮る(側, 盤_[q])) break;
  }
}

}  // namespace qz
