#include <iostream>
#include <string>
#include <vector>

#include "converter/converter.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::ios::sync_with_stdio(false);
  return qz::変換実行(args, std::cin, std::cout, std::cerr);
}
