#include "computer/search_worker.h"

#include <algorithm>

#include "computer/search_board.h"

#ifdef __linux__
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace qz {

int 窓の糸数(unsigned 芯数) {
  return static_cast<int>(std::clamp(芯数, 2u, 9u)) - 1;
}

思考係::思考係(int 糸数) : 糸数_(糸数) {}

思考係::~思考係() {
  止める();
}

void 思考係::開始(const 局面& s, bool MAN手番, 既出列 既出, 探索条件 条件) {
  止める();
  停止 = false;
  完了 = false;
  条件.停止 = &停止;
  糸 = std::thread([this, s, MAN手番, 既出 = std::move(既出), 条件] {
#ifdef __linux__
    // The window's thread comes first when the cores are busy.
    setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 5);
#endif
    if (!器) {
      // Made on this thread: clearing its 16 MB table would hold up the window.
      器 = std::make_unique<深探索>();
      器->糸数を設定(糸数_);
    }
    結果 = 器->探索(s, MAN手番, 既出, 条件);
    完了 = true;
  });
}

std::optional<深探索結果> 思考係::受け取る() {
  if (!糸.joinable() || !完了) return std::nullopt;
  糸.join();
  return 結果;
}

void 思考係::止める() {
  停止 = true;
  if (糸.joinable()) 糸.join();
  完了 = false;
}

namespace {

// True when the board shows the move as made, so that taking it back is sound.
bool 戻せる(const 局面& s, const 指し手& m, int 取った駒) {
  if (!盤上(m.先X, m.先Y) || !駒コード(m.先駒) || s.盤面[m.先X][m.先Y] != m.先駒) return false;
  if (!駒コード(m.元駒) || (m.元駒 < 0) != (m.先駒 < 0)) return false;
  if (m.打つ()) return 取った駒 == 0 && 持駒番号(m.元駒) != 0;
  if (!盤上(m.元X, m.元Y) || s.盤面[m.元X][m.元Y] != 0) return false;
  if (取った駒 == 0) return true;
  const 持駒& h = m.元駒 < 0 ? s.持駒_MAN : s.持駒_COM;
  const int k = 持駒番号(取った駒);
  return k != 0 && (取った駒 < 0) != (m.元駒 < 0) && h.枚数[k] > 0;
}

// Whether the side to move on b is in check (its map is surveyed afresh).
bool 王手されている(探索盤& b) {
  b.調べる(false);
  const 局面& s = b.s;
  const int x = b.MAN手番 ? s.表.MAN王X : s.表.COM王X;
  const int y = b.MAN手番 ? s.表.MAN王Y : s.表.COM王Y;
  if (!盤上(x, y) || s.盤面[x][y] != (b.MAN手番 ? -王 : 王)) return false;
  return (b.MAN手番 ? s.表.勢力_COM : s.表.勢力_MAN)[x][y] > 0;
}

}  // namespace

既出列 遡ったキー(const 局面& s, bool MAN手番, const std::vector<済み手>& 手) {
  探索盤 b;
  b.設定(s, MAN手番);
  既出列 r;
  for (auto i = 手.rbegin(); i != 手.rend(); ++i) {
    if (!戻せる(b.s, i->手, i->取った駒)) break;  // a history that does not fit the board
    b.戻す(i->手, i->取った駒);
    b.MAN手番 = i->手.元駒 < 0;  // the mover was to move before its move
    b.キー = 局面ハッシュ(b.s, b.MAN手番);
    r.push_back({b.キー, 王手されている(b)});
  }
  return r;
}

}  // namespace qz
