// A soak over the engine: games of the computer against itself with random
// legal moves mixed in, checking after every move that no piece appears or
// vanishes (a taken king leaves the board and ends the game) and that each
// hand's total is the sum of its counts. A few games run with the suite;
// QZ_SOAK_GAMES=3000 runs a long one by hand.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <iostream>
#include <random>
#include <sstream>
#include <string>

#include "engine/engine.h"
#include "rules/sfen.h"

namespace qz {
namespace {

// Pieces of each kind (promoted ones as their kind) on the board and in
// both hands; index 0 counts the kings.
std::array<int, 8> 枚数(const 局面& s) {
  std::array<int, 8> n{};
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      const int a = std::abs(static_cast<int>(s.盤面[x][y]));
      if (a != 0) ++n[a == 王 ? 0 : 持駒番号(a % 10 == 1 ? a - 1 : a)];
    }
  for (const 持駒* h : {&s.持駒_MAN, &s.持駒_COM})
    for (int k = 1; k <= 持駒種類数; ++k) n[static_cast<std::size_t>(k)] += h->枚数[k];
  return n;
}

bool 手駒が正しい(const 持駒& h) {
  int sum = 0;
  for (int k = 1; k <= 持駒種類数; ++k) {
    if (h.枚数[k] < 0) return false;
    sum += h.枚数[k];
  }
  return sum == h.合計;
}

// The move the engine answers to `go`.
std::string 最善手(EngineState& st) {
  std::ostringstream out;
  handleCommand(st, "go", out);
  const std::string r = out.str();
  const std::size_t p = r.rfind("bestmove ");
  return p == std::string::npos ? "" : r.substr(p + 9, r.find('\n', p) - p - 9);
}

struct 集計 {
  long long 局数 = 0, 手数 = 0;
};

// Plays one game from the start; fails the test at the first breach.
void 一局(std::mt19937& 乱数, 集計& 計) {
  EngineState st;
  st.COMレベル = static_cast<int>(乱数() % 3) + 1;
  auto 期待 = 枚数(st.現局面());
  for (int ply = 0; ply < 400 && st.現局面().勝者 == 0; ++ply) {
    最新化(st);
    std::vector<指し手> 手;
    合法手列挙(st.現局面(), st.MAN手番(), [&](const 指し手& m) { 手.push_back(m); });
    if (手.empty()) break;
    const std::string m = 乱数() % 4 == 0 ? USI表記(手[乱数() % 手.size()]) : 最善手(st);
    ASSERT_TRUE(applyMoveText(st, m)) << m << " at ply " << ply;
    ++計.手数;
    if (st.現局面().勝者 != 0) --期待[0];
    ASSERT_EQ(枚数(st.現局面()), 期待) << "after " << m << " at ply " << ply;
    ASSERT_TRUE(手駒が正しい(st.現局面().持駒_MAN) && 手駒が正しい(st.現局面().持駒_COM));
  }
  // Once the game is over nothing more is played.
  if (st.現局面().勝者 != 0) {
    EXPECT_EQ(最善手(st), "resign");
  }
  ++計.局数;
}

TEST(Soak, PieceCountsAndHandTotalsStayWhole) {
  const char* env = std::getenv("QZ_SOAK_GAMES");
  const long long games = env != nullptr ? std::atoll(env) : 200;
  std::mt19937 乱数(20261208);
  集計 計;
  for (long long g = 0; g < games && !HasFatalFailure(); ++g) 一局(乱数, 計);
  RecordProperty("games", std::to_string(計.局数));
  RecordProperty("plies", std::to_string(計.手数));
  std::cout << 計.局数 << " games, " << 計.手数 << " plies\n";
}

}  // namespace
}  // namespace qz
