// Feeds arbitrary bytes to the window's way of reading a record: the
// clipboard's paste (the format found from the content) or a file opened
// (the format its name gives, the first byte choosing the name). What was
// read is put into a game session, stepped to its end, back to its start
// and to a move in between; each step must go where the move list says.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "game/session.h"
#include "records/formats.h"

namespace {

void Require(bool ok, int line = __builtin_LINE()) {
  if (ok) return;
  std::fprintf(stderr, "window read check failed at line %d\n", line);
  std::abort();
}

// The moves of a line and of all its branches.
std::size_t MovesOf(const std::vector<qz::記録手>& line,
                    const std::vector<qz::記録変化>& branches) {
  std::size_t n = line.size();
  for (const qz::記録変化& b : branches) n += MovesOf(b.手, b.変化);
  return n;
}

constexpr const char* kNames[] = {"クリップボード", "a.kif",  "a.kifu", "a.csa",
                                  "a.usi",          "a.sfen", "a.棋譜"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qz;
  if (size == 0) return 0;
  const std::string name = kNames[data[0] % std::size(kNames)];
  const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  const 棋譜形式 形式 = name == kNames[0] ? 棋譜形式::不明 : 拡張子の形式(name);
  const 窓の読込 w = name == kNames[0] ? 貼り付けを読む(bytes) : 窓に読む(形式, bytes, name);
  Require(!w.知らせ.empty());
  for (const 棋譜メッセージ& m : w.知らせ) Require(!m.文言.empty());

  static 対局 s;
  s.初期化();
  s.記録を読み込む(w);
  const int n = static_cast<int>(w.対局.手.size());
  Require(s.手順.手順_最終 == n);
  int steps = 0;
  while (s.進む() == 手順結果::済み) Require(++steps <= n);
  Require(steps == n && s.手順.手順_現在 == n);
  if (n == 0) return 0;
  Require(s.手へ行ける(0) && s.手へ(0) == 手順結果::済み && s.手順.手順_現在 == 0);
  // A .棋譜's moves are replayed as written, their captures not checked
  // against the board, so only the other formats come back to their start.
  if (内容の形式(bytes) != 棋譜形式::棋譜 && 形式 != 棋譜形式::棋譜)
    Require(s.局.盤面 == w.対局.開始.盤面 && s.局.持駒_MAN == w.対局.開始.持駒_MAN &&
            s.局.持駒_COM == w.対局.開始.持駒_COM);
  const int mid = n / 2 + 1;
  Require(s.手へ(mid) == 手順結果::済み && s.手順.手順_現在 == mid);
  Require(s.戻る() == 手順結果::済み && s.手順.手順_現在 == mid - 1);
  // Taking a branch steps to its first move and loses no move of any line.
  if (w.記録.変化.empty()) return 0;
  const int at = w.記録.変化.front().手目;
  Require(s.変化へ(at, 0) == 手順結果::済み && s.手順.手順_現在 == at);
  const 記録読込結果 r = s.記録();
  Require(r.不正行 != 0 || MovesOf(r.記録.手, r.記録.変化) == MovesOf(w.記録.手, w.記録.変化));
  return 0;
}
