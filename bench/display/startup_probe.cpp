// Starts the whole program as main() does and leaves the moment the window
// has been painted for the first time, printing the peak resident memory.
// Used by startup_bench; not part of the program.
#include <unistd.h>

#include <QApplication>
#include <cstdio>
#include <fstream>
#include <string>

#include "shell/main_window.h"
#include "shell/program.h"

namespace {

// VmHWM (peak resident set) in kilobytes.
long peakResidentKb() {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    if (key == "VmHWM:") {
      long kb = 0;
      status >> kb;
      return kb;
    }
    status.ignore(1 << 12, '\n');
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  int qtArgc = argc > 0 ? 1 : 0;
  QApplication app(qtArgc, argv);
  qz::Program program;
  program.window().view().onFirstPaint = [] {
    std::printf("%ld\n", peakResidentKb());
    std::fflush(stdout);
    _exit(0);
  };
  if (!program.start()) return 1;
  return QApplication::exec();
}
