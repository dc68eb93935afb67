// Feeds arbitrary bytes to the record-file reader, then checks what it
// accepted: every move passes the field checks, writing the moves and
// reading them again gives them back, and stepping all of them forward and
// back empties the hands again, never touching anything outside the board
// or the hands.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "game/session.h"
#include "records/kifu.h"

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
  qz::対局 g;
  g.初期化();
  g.記録を読み込む(qz::棋譜の窓の読込(read, "fuzz"));
  while (g.進む() == qz::手順結果::済み) {
  }
  Require(g.手順.手順_現在 == static_cast<int>(read.手.size()));
  while (g.戻る() == qz::手順結果::済み) {
  }
  Require(g.手数 == 0);
  // A record may drop pieces its hands never held, so counts may pass
  // through negative values on the way, but the hand changes of a step
  // depend only on the move, so undoing every move empties both hands.
  Require(g.局.持駒_MAN == qz::持駒{} && g.局.持駒_COM == qz::持駒{});
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

  // A header the reader takes for text the writer writes back unchanged.
  if (!read.記録でない) {
    const qz::棋譜符号化結果 whole = qz::棋譜符号化(read.見出し, read.手);
    Require(whole.文言.empty());
    const qz::棋譜読込結果 back = qz::棋譜解読(whole.内容);
    Require(!back.記録でない && back.見出し.対局名 == read.見出し.対局名 &&
            back.見出し.上側名 == read.見出し.上側名 && back.見出し.下側名 == read.見出し.下側名);
  }

  StepThrough(read);
  return 0;
}
