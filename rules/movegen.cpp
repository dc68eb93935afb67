#include "rules/movegen.h"

#include <array>
#include <limits>
#include <vector>

namespace qz {
namespace {

constexpr std::array<int, 14> 全種類 = {歩,   成歩, 香, 成香, 桂, 成桂, 銀,
                                        成銀, 金,   角, 成角, 飛, 成飛, 王};

// The place in 全種類 of every piece code's absolute value (-1: no piece).
constexpr std::array<std::int8_t, 王 + 1> 種類索引 = [] {
  std::array<std::int8_t, 王 + 1> t{};
  t.fill(-1);
  for (std::size_t i = 0; i < 全種類.size(); ++i) t[全種類[i]] = static_cast<std::int8_t>(i);
  return t;
}();

// The row of the candidate table for a piece code: two per kind (MAN's,
// then COM's), -1 for a code that has no movement rule.
int 種類番号(int c) {
  const int a = c < 0 ? -c : c;
  const int i = a <= 王 ? 種類索引[a] : -1;
  return i < 0 ? -1 : i * 2 + (c > 0 ? 1 : 0);
}

void 加える(升集合& m, int x, int y) {
  const int i = (x - 1) * 9 + (y - 1);
  if (i < 64)
    m.前 |= std::uint64_t{1} << i;
  else
    m.後 |= std::uint64_t{1} << (i - 64);
}

// [kind][x][y]; the last kind is every square but the source, for codes
// that have no movement rule.
using 候補表 = std::vector<std::array<std::array<升集合, 10>, 10>>;

候補表 候補表を作る() {
  候補表 t(全種類.size() * 2 + 1);
  局面 空{};
  for (std::size_t k = 0; k < t.size(); ++k) {
    const bool 規則なし = k == 全種類.size() * 2;
    const int c = 規則なし ? 0 : (k % 2 ? 1 : -1) * 全種類[k / 2];
    for (int fx = 1; fx <= 9; ++fx)
      for (int fy = 1; fy <= 9; ++fy)
        for (int tx = 1; tx <= 9; ++tx)
          for (int ty = 1; ty <= 9; ++ty)
            if (規則なし ? (fx != tx || fy != ty) : 移動チェック(空, fx, fy, tx, ty, c) == はい)
              加える(t[k][fx][fy], tx, ty);
  }
  return t;
}

// Copies what a move changes and what the next survey does not rebuild.
void 局面を写す(局面& d, const 局面& s) {
  d.盤面 = s.盤面;
  d.持駒_MAN = s.持駒_MAN;
  d.持駒_COM = s.持駒_COM;
  d.手番値_MAN = s.手番値_MAN;
  d.手番値_COM = s.手番値_COM;
  d.勝者 = s.勝者;
  d.表.MAN王X = s.表.MAN王X;
  d.表.MAN王Y = s.表.MAN王Y;
  d.表.COM王X = s.表.COM王X;
  d.表.COM王Y = s.表.COM王Y;
}

// p[0] is the position; p[1..] are scratch positions for the plies below.
// 予算 counts down the positions whose moves may still be listed.
struct 予算 {
  std::uint64_t 残り;
  const std::function<bool()>* 打ち切る = nullptr;
  bool 尽きた = false;
};

constexpr std::uint64_t 打ち切り確認間隔 = 4096;

std::uint64_t perft内(局面* p, bool MAN側, int 深さ, 予算& 予) {
  局面& s = *p;
  if (s.勝者 != 0 || 予.尽きた) return 0;
  if (予.残り == 0) {
    予.尽きた = true;
    return 0;
  }
  --予.残り;
  if (予.打ち切る != nullptr && 予.残り % 打ち切り確認間隔 == 0 && (*予.打ち切る)()) {
    予.尽きた = true;
    return 0;
  }
  勢力調査(s);
  調査_2歩フラグ設定(s);
  if (深さ == 1) return static_cast<std::uint64_t>(合法手数(s, MAN側));
  std::uint64_t n = 0;
  局面& 子 = p[1];
  合法手列挙(s, MAN側, [&](const 指し手& m) {
    局面を写す(子, s);
    手を指す(子, m);
    n += perft内(p + 1, !MAN側, 深さ - 1, 予);
  });
  return n;
}

}  // namespace

const 升集合& 候補升(int 駒, int x, int y) {
  static const 候補表 表 = 候補表を作る();
  const int k = 種類番号(駒);
  return 表[k < 0 ? 表.size() - 1 : static_cast<std::size_t>(k)][x][y];
}

int 合法手数(const 局面& s, bool MAN側) {
  int n = 0;
  合法手列挙(s, MAN側, [&n](const 指し手&) { ++n; });
  return n;
}

std::optional<std::uint64_t> perft(const 局面& s, bool MAN側, int 深さ, std::uint64_t 上限) {
  return perft(s, MAN側, 深さ, 上限, {});
}

std::optional<std::uint64_t> perft(const 局面& s, bool MAN側, int 深さ, std::uint64_t 上限,
                                   const std::function<bool()>& 打ち切る) {
  if (深さ <= 0) return 深さ == 0 ? 1 : 0;
  std::vector<局面> 段(static_cast<std::size_t>(深さ));
  局面を写す(段[0], s);
  予算 予{上限, 打ち切る ? &打ち切る : nullptr};
  const std::uint64_t n = perft内(段.data(), MAN側, 深さ, 予);
  if (予.尽きた) return std::nullopt;
  return n;
}

std::uint64_t perft(const 局面& s, bool MAN側, int 深さ) {
  return *perft(s, MAN側, 深さ, std::numeric_limits<std::uint64_t>::max());
}

}  // namespace qz
