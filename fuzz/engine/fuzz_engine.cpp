// Feeds arbitrary bytes to the engine as command lines. The engine must
// answer every line without crashing, hanging or leaving its state broken.
// Run: build-fuzz/fuzz/engine/fuzz_engine -dict=fuzz/engine/engine.dict CORPUS fuzz/engine/seeds
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "engine/engine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  qz::EngineState state;
  // Keep every perft small: the fuzzer is after faults, not long searches.
  state.perft上限 = 2;
  state.perft局面上限 = 100;
  // The searching levels' searches stay small too.
  state.探索節点上限 = 300;
  state.探索時間上限ms = 30;
  state.探索表ビット = 8;
  state.糸数上限 = 2;
  state.ハッシュ上限MB = 1;
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::ostringstream out;
  qz::runEngine(in, out, state);
  // Whatever happened, a hand total is still the sum of its counts.
  for (const qz::持駒* h : {&state.現局面().持駒_MAN, &state.現局面().持駒_COM}) {
    int sum = 0;
    for (int i = 1; i <= qz::持駒種類数; ++i) sum += h->枚数[i];
    if (sum != h->合計) __builtin_trap();
  }
  return 0;
}
