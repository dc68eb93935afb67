// QZ 氷結将棋: a shogi program in which a piece the enemy bears on is frozen.
#include <QApplication>
#include <cstdio>

#include "shell/main_window.h"
#include "shell/program.h"

int main(int argc, char** argv) {
  if (!qz::displayAvailable()) {
    std::fputs(
        "QZ 氷結将棋: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not "
        "set).\n",
        stderr);
    return 1;
  }
  // The only argument is a record file to open: Qt sees only the program's name.
  int qtArgc = argc > 0 ? 1 : 0;
  QApplication app(qtArgc, argv);
  qz::Program program;
  if (!program.start()) return 0;
  if (argc > 1) program.openRecord(argv[1]);
  if (program.window().ended()) return 0;
  return QApplication::exec();
}
