#include <iostream>
#include <string>

// Placeholder front end: answers the handshake until the protocol lands.
int main() {
  std::string line;
  while (std::getline(std::cin, line)) {
    if (line == "quit") break;
    if (line == "usi") std::cout << "id name QZ 氷結将棋\nusiok\n" << std::flush;
    else if (line == "isready") std::cout << "readyok\n" << std::flush;
    else std::cout << "info string unknown command: " << line << "\n" << std::flush;
  }
}
