// The branches of the move history: a line left for another move is kept
// as a branch, and a branch can be taken as the line again.
#include "records/history.h"

#include <cstdint>
#include <iterator>
#include <optional>

namespace qz {
namespace {

// Puts branch b among 分岐 (kept by their first move), after those that
// start at the same move; returns where it went.
std::size_t 分岐を差す(std::vector<手順変化>& 分岐, 手順変化 b, std::size_t 位置 = SIZE_MAX) {
  if (位置 > 分岐.size()) {
    位置 = 0;
    while (位置 < 分岐.size() && 分岐[位置].手目 <= b.手目) ++位置;
  }
  分岐.insert(分岐.begin() + static_cast<std::ptrdiff_t>(位置), std::move(b));
  return 位置;
}

}  // namespace

bool 同じ手順(const 手順& a, const 手順& b) {
  const bool 打a = a.元X == MAN持駒X || a.元X == COM持駒X;
  const bool 打b = b.元X == MAN持駒X || b.元X == COM持駒X;
  if (打a != 打b || a.先X != b.先X || a.先Y != b.先Y || a.元駒 != b.元駒 || a.先駒 != b.先駒)
    return false;
  // A drop names its stand cell in more than one way: the piece says enough.
  return 打a || (a.元X == b.元X && a.元Y == b.元Y);
}

void 手順記録::先を変化へ() {
  std::optional<手順変化> b = 先を切り取る();
  if (b) 分岐を差す(分岐, std::move(*b));
}

std::optional<手順変化> 手順記録::先を切り取る() {
  const int 始 = std::max(手順_現在, 0) + 1;
  const int 終 = 先の手数();
  手順_最終 = std::min(手順_最終, 始 - 1);
  if (始 > 終) return std::nullopt;
  手順変化 b;
  b.手目 = 始;
  b.手.assign(手.begin() + 始, 手.begin() + 終 + 1);
  // The line's branches beyond its first move go with it.
  for (auto it = 分岐.begin(); it != 分岐.end();) {
    if (it->手目 > 始) {
      b.変化.push_back(std::move(*it));
      it = 分岐.erase(it);
    } else {
      ++it;
    }
  }
  return b;
}

void 手順記録::切り詰める(int n) {
  n = std::max(n, 0);
  手順_最終 = std::min(手順_最終, n);
  std::erase_if(分岐, [n](const 手順変化& b) { return b.手目 > n; });
}

bool 手順記録::変化を選ぶ(int n, std::size_t i) {
  if (n <= 手順_現在 || n > 先の手数() + 1) return false;
  std::size_t 位置 = SIZE_MAX;
  for (std::size_t k = 0, 数 = 0; k < 分岐.size(); ++k)
    if (分岐[k].手目 == n && 数++ == i) 位置 = k;
  if (位置 == SIZE_MAX) return false;
  手順変化 選んだ = std::move(分岐[位置]);
  分岐.erase(分岐.begin() + static_cast<std::ptrdiff_t>(位置));
  // The line from n takes the chosen branch's place among its neighbours.
  const int 現在 = 手順_現在;
  手順_現在 = n - 1;
  std::optional<手順変化> 元の筋 = 先を切り取る();
  手順_現在 = 現在;
  if (元の筋) 分岐を差す(分岐, std::move(*元の筋), 位置);
  const int 終 = n - 1 + static_cast<int>(選んだ.手.size());
  if (static_cast<int>(手.size()) <= 終) 手.resize(static_cast<std::size_t>(終) + 1);
  std::copy(選んだ.手.begin(), 選んだ.手.end(), 手.begin() + n);
  手順_最終 = 終;
  for (手順変化& b : 選んだ.変化) 分岐を差す(分岐, std::move(b));
  return true;
}

std::vector<const 手順変化*> 手順記録::分岐一覧(int n) const {
  std::vector<const 手順変化*> r;
  for (const 手順変化& b : 分岐)
    if (b.手目 == n) r.push_back(&b);
  return r;
}

bool 手順記録::分岐の手へ(const 手順& m) {
  const int n = std::max(手順_現在, 0) + 1;
  const auto 一覧 = 分岐一覧(n);
  for (std::size_t i = 0; i < 一覧.size(); ++i)
    if (同じ手順(一覧[i]->手.front(), m)) return 変化を選ぶ(n, i);
  return false;
}

}  // namespace qz
