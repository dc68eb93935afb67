#include <iostream>

#include "engine/engine.h"

int main() {
  std::ios::sync_with_stdio(false);
  qz::EngineState state;
  qz::runEngine(std::cin, std::cout, state);
}
