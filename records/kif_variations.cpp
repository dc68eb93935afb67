#include "records/kif_variations.h"

#include <cstdint>

#include "records/record_text.h"

namespace qz {
namespace {

// The most moves played over again to find where the blocks begin.
constexpr long long 再生上限 = 20 * static_cast<long long>(記録最大手数);

}  // namespace

std::pair<std::vector<記録手>*, std::vector<記録変化>*> KIF変化読込::筋(
    const std::vector<std::size_t>& 道) {
  std::vector<記録手>* 手 = &記録_.手;
  std::vector<記録変化>* 変化 = &記録_.変化;
  for (std::size_t i : 道) {
    記録変化& v = (*変化)[i];
    手 = &v.手;
    変化 = &v.変化;
  }
  return {手, 変化};
}

bool KIF変化読込::手前まで(const std::vector<std::size_t>& 道, int n) {
  局面_ = 記録_.開始;
  直前_ = {0, 0};
  累計_下_ = 累計_上_ = 0;
  const auto 指す = [this](const std::vector<記録手>& 線, int 数) {
    for (int i = 0; i < 数; ++i) {
      記録手 m = 線[static_cast<std::size_t>(i)];
      手を指す(局面_, m);
      直前_ = {m.先X, m.先Y};
      (m.元駒 < 0 ? 累計_下_ : 累計_上_) = m.累計秒;
    }
    再生数_ += 数;
  };
  const std::vector<記録手>* 線 = &記録_.手;
  const std::vector<記録変化>* 変化 = &記録_.変化;
  int 始 = 1;
  for (std::size_t i : 道) {
    const 記録変化& v = (*変化)[i];
    指す(*線, v.手目 - 始);
    線 = &v.手;
    変化 = &v.変化;
    始 = v.手目;
  }
  指す(*線, n - 始);
  return 再生数_ <= 再生上限;
}

文面 KIF変化読込::空の塊() {
  if (積み_.size() > 1 && 筋(積み_.back().道).first->empty())
    return QZ_TR("変化に指し手がありません");
  return {};
}

文面 KIF変化読込::見出し(std::string_view s) {
  if (文面 理由 = 空の塊(); !理由.empty()) return 理由;
  読みかけ_ = false;
  if (積み_.empty()) 積み_.push_back({});
  取る(s, "変化");
  取る(s, "：") || 取る(s, ":");
  s = 前後の空白除去(s);
  const long long 番号 = 先頭の数(s);
  s = 前後の空白除去(s);
  if (番号 < 1 || 番号 > static_cast<long long>(記録最大手数) || !取る(s, "手"))
    return QZ_TR("変化の行が読めません");
  const int n = static_cast<int>(番号);
  while (積み_.size() > 1 && 積み_.back().始 >= n) {
    // A line starting at n itself takes the block as its neighbour.
    const bool 隣 = 積み_.back().始 == n;
    積み_.pop_back();
    if (隣) break;
  }
  const 筋の位置 親 = 積み_.back();
  auto [線, 変化] = 筋(親.道);
  if (n >= 親.始 + static_cast<int>(線->size()))
    return 文面(QZ_TR("%1手目の指し手がないところに変化があります"), {文面::数値(n)});
  if (親.道.size() >= static_cast<std::size_t>(変化最大深さ)) return QZ_TR("変化が深すぎます");
  if (!手前まで(親.道, n)) return QZ_TR("変化が多すぎます");
  std::size_t 位置 = 0;
  while (位置 < 変化->size() && (*変化)[位置].手目 <= n) ++位置;
  記録変化 新;
  新.手目 = n;
  変化->insert(変化->begin() + static_cast<std::ptrdiff_t>(位置), std::move(新));
  筋の位置 子 = 親;
  子.道.push_back(位置);
  子.始 = n;
  積み_.push_back(std::move(子));
  読みかけ_ = true;
  次の手_ = n;
  終わった_ = false;
  return {};
}

文面 KIF変化読込::指し手(long long 番号, std::string_view s,
                         const std::function<文面(std::string_view, 手の場, 記録手&)>& 読む) {
  if (積み_.size() <= 1 || 終わった_) return {};
  if (番号 != 次の手_) return QZ_TR("変化の手数が合いません");
  if (手数_ >= 記録最大手数) return QZ_TR("手数が100万手を超えています");
  記録手 m;
  if (文面 理由 = 読む(s, {局面_, 直前_, 累計_下_, 累計_上_}, m); !理由.empty()) return 理由;
  if (文面 理由 = 手の不整合(局面_, m); !理由.empty()) return 理由;
  手を指す(局面_, m);
  筋(積み_.back().道).first->push_back(m);
  直前_ = {m.先X, m.先Y};
  ++次の手_;
  ++手数_;
  return {};
}

文面 KIF変化読込::終端() {
  return 空の塊();
}

void KIF変化読込::捨てる() {
  if (!読みかけ_ || 積み_.size() <= 1) return;
  読みかけ_ = false;
  std::vector<std::size_t> 道 = 積み_.back().道;
  const std::size_t i = 道.back();
  道.pop_back();
  std::vector<記録変化>& 変化 = *筋(道).second;
  変化.erase(変化.begin() + static_cast<std::ptrdiff_t>(i));
  積み_.pop_back();
}

}  // namespace qz
