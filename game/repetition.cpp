// How a game ended, kept for its record, and the repetition of a position
// (千日手): the fourth time a position comes, the game is drawn, unless one
// side checked with every move since the position first came.
#include "computer/zobrist.h"
#include "game/session.h"

namespace qz {
namespace {

// Whether the side that just moved bears on the other side's king in s
// (whose influence map is stale and is surveyed afresh).
bool 王手している(局面 s, bool MANが指した) {
  勢力調査(s);
  const int x = MANが指した ? s.表.COM王X : s.表.MAN王X;
  const int y = MANが指した ? s.表.COM王Y : s.表.MAN王Y;
  if (!盤上(x, y) || s.盤面[x][y] != (MANが指した ? 王 : -王)) return false;
  return (MANが指した ? s.表.勢力_MAN : s.表.勢力_COM)[x][y] > 0;
}

}  // namespace

void 対局::終局を記す(const std::optional<勝敗>& r) {
  終局結果 = r;
  終局の手 = 手順.手順_現在;
}

std::optional<勝敗> 対局::千日手の終局() const {
  const int n = 手順.手順_現在;
  if (!千日手判定 || n < 1 || n > 手順.保持数()) return std::nullopt;
  const bool MAN番 = !MAN駒(手順[n].元駒);  // the side to move now
  const 局面キー 今 = 局面ハッシュ(局, MAN番);
  // 既出[i] is the position before move n - i; the cycle is the moves since
  // the first of them that is this one.
  const 既出列 既出 = 既出キー(MAN番);
  int 回数 = 1, 周期 = 0;
  for (std::size_t i = 0; i < 既出.size(); ++i)
    if (既出[i].キー == 今) ++回数, 周期 = static_cast<int>(i) + 1;
  if (回数 < 4) return std::nullopt;
  // The position after move k is 既出[n - k - 1], and the current one
  // after move n; each was in check when its side to move was.
  bool 王手続き[2] = {true, true};  // [0] MAN, [1] COM: checked with every move
  for (int k = n; k > n - 周期; --k) {
    const bool MANの手 = MAN駒(手順[k].元駒);
    const bool 王手 =
        k == n ? 王手している(局, MANの手) : 既出[static_cast<std::size_t>(n - k - 1)].王手;
    王手続き[MANの手 ? 0 : 1] = 王手続き[MANの手 ? 0 : 1] && 王手;
  }
  // Both sides checking throughout is no one's fault more than the other's.
  if (王手続き[0] == 王手続き[1]) return 勝敗{側::MAN, 終局::千日手, true};
  return 勝敗{王手続き[0] ? 側::COM : 側::MAN, 終局::千日手, false};
}

// A repetition lost by checking throughout is the loser's foul: written as
// 反則負け when the loser is to move, else as 反則勝ち of the side to move.
void 対局::結末を記録へ(対局記録& r, bool 反転, int 最後) const {
  if (!終局結果 || 最後 != 終局の手) return;
  const 勝敗& e = *終局結果;
  const int 下 = 反転 ? -1 : 1;  // the record's value of the lower (MAN) side
  r.勝者 = e.引き分け ? 0 : e.勝者 == 側::MAN ? 下 : -下;
  r.結末 = e.理由;
  if (e.理由 != 終局::千日手 || e.引き分け) return;
  const bool 下の番 = r.手.size() % 2 == (r.開始.下の番 ? 0 : 1);
  r.結末 = (r.勝者 > 0) != 下の番 ? 終局::反則負け : 終局::反則勝ち;
}

}  // namespace qz
