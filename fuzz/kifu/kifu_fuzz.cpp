// Feeds arbitrary bytes to the record-file reader, then checks what it
// accepted: every move passes the field checks, writing the moves and
// reading them again gives them back, and stepping all of them forward and
// back empties the hands again, never touching anything outside the board
// or the hands.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "records/kifu.h"
#include "records/stepping.h"

namespace {

void Require(bool ok) {
  if (!ok) std::abort();
}

bool SameMove(const qz::手順& a, const qz::手順& b) {
  return a.元X == b.元X && a.元Y == b.元Y && a.先X == b.先X && a.先Y == b.先Y && a.取駒 == b.取駒 &&
         a.元駒 == b.元駒 && a.先駒 == b.先駒 && a.前秒M == b.前秒M && a.後秒M == b.後秒M &&
         a.前秒C == b.前秒C && a.後秒C == b.後秒C;
}

void StepThrough(const qz::棋譜読込結果& read) {
  qz::局面 s;
  qz::手順記録 記録;
  int 手番 = 0, 手数 = 0;
  double m = 0, c = 0;
  qz::手順_最初(s, 記録, 手番, 手数, m, c);
  qz::手順記録へ読込(記録, read.手);
  手番 = read.手.empty() ? 0 : qz::棋譜先手判定(read.手[0], qz::先手, qz::後手).先手値;
  while (qz::手順_進(s, 記録, 手番, 手数, m, c, 1).結果 == qz::手順結果::済み) {
  }
  Require(記録.手順_現在 == static_cast<int>(read.手.size()));
  while (qz::手順_戻(s, 記録, 手番, 手数, m, c).結果 == qz::手順結果::済み) {
  }
  Require(手数 == 0);
  // A record may drop pieces its hands never held, so counts may pass
  // through negative values on the way, but the hand changes of a step
  // depend only on the move, so undoing every move empties both hands.
  Require(s.持駒_MAN == qz::持駒{} && s.持駒_COM == qz::持駒{});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const qz::棋譜読込結果 read = qz::棋譜解読(bytes);
  Require((read.不正行 == 0) == read.不正理由.empty());
  Require(read.不正行 == 0 || read.不正行 >= 4);
  for (const qz::手順& 手 : read.手) Require(qz::手順検査(手).empty());

  const qz::棋譜符号化結果 again = qz::棋譜符号化({}, read.手);
  Require(again.文言.empty());
  const qz::棋譜読込結果 reread = qz::棋譜解読(again.内容);
  Require(reread.不正行 == 0 && reread.手.size() == read.手.size());
  for (std::size_t i = 0; i < read.手.size(); ++i) Require(SameMove(read.手[i], reread.手[i]));

  StepThrough(read);
  return 0;
}
