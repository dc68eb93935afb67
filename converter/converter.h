// The converter's work, apart from the process: arguments in, bytes out and
// a one-line message, so that tests can run it without files or a shell.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace qz {

// Runs `qzshogi-kifu` with the arguments after the program's name:
//   IN OUT                       convert by the files' extensions
//   [--from F] IN|- [--to F] OUT|-   formats named where a name says nothing
//   --final IN|-                 print the final position as SFEN
// Standard input and output are in and out. Returns the exit status: 0, or
// 1 after one line "qzshogi-kifu: ..." on err.
int 変換実行(const std::vector<std::string>& 引数, std::istream& in, std::ostream& out,
             std::ostream& err);

}  // namespace qz
