#include "computer/zobrist.h"

#include <algorithm>

namespace qz {
namespace {

// splitmix64: a fixed, well-mixed sequence of 64-bit numbers.
std::uint64_t 次の乱数(std::uint64_t& x) {
  std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

ハッシュ表 作る() {
  ハッシュ表 h{};
  std::uint64_t seed = 0x51A7E5CAFE1234ull;
  for (auto& a : h.駒)
    for (auto& b : a)
      for (auto& c : b) c = 次の乱数(seed);
  for (auto& a : h.持駒)
    for (auto& b : a)
      for (std::size_t n = 1; n < std::size(b); ++n) b[n] = 次の乱数(seed);  // count 0 adds nothing
  h.手番 = 次の乱数(seed);
  return h;
}

}  // namespace

const ハッシュ表& ハッシュ乱数() {
  static const ハッシュ表 h = 作る();
  return h;
}

namespace {

// The index of every kind by its magnitude, -1 where no kind has it.
constexpr std::array<std::int8_t, 王 + 1> 種類番号表 = [] {
  std::array<std::int8_t, 王 + 1> t{};
  t.fill(-1);
  constexpr int 種類[] = {歩, 成歩, 香, 成香, 桂, 成桂, 銀, 成銀, 金, 角, 成角, 飛, 成飛, 王};
  for (int i = 0; i < 14; ++i) t[種類[i]] = static_cast<std::int8_t>(i);
  return t;
}();

}  // namespace

int 駒番号(int 駒) {
  const int i = 種類番号表[std::abs(駒)];
  return 駒 < 0 ? i : i + 14;
}

局面キー 持駒キー(const 持駒& h, int 側) {
  局面キー k = 0;
  for (int i = 1; i <= 持駒種類数; ++i) k ^= ハッシュ乱数().持駒[側][i][std::min(h.枚数[i], 18)];
  return k;
}

void 手駒増減(持駒& h, int 側, int k, int d, 局面キー& キー) {
  const auto& 乱 = ハッシュ乱数().持駒[側];
  キー ^= 乱[k][h.枚数[k]];
  if (d > 0)
    h.加える(k);
  else
    h.減らす(k);
  キー ^= 乱[k][h.枚数[k]];
}

局面キー 局面ハッシュ(const 局面& s, bool MAN手番) {
  const ハッシュ表& h = ハッシュ乱数();
  局面キー k = MAN手番 ? 0 : h.手番;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (駒コード(s.盤面[x][y])) k ^= h.駒[駒番号(s.盤面[x][y])][x][y];
  return k ^ 持駒キー(s.持駒_MAN, 0) ^ 持駒キー(s.持駒_COM, 1);
}

}  // namespace qz
