// Runs qzshogi-kifu's work on arbitrary command lines and standard input:
// the bytes up to the first NUL are the arguments, one a line, the rest is
// standard input. Every name given is a file in a folder of the target's own
// (a '/' becomes '_'), where read-only records, a link to one and a dangling
// link wait. Each run must end with 0 and no message or 1 and one line,
// leave no temporary file, and leave every link a link and every record as
// it was (a run that ends with 0 may warn in one line of branches left out).
#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "converter/converter.h"
#include "fuzz/fuzz_folder.h"

namespace {

namespace fs = std::filesystem;
using qz_fuzz::Require;

const fs::path& Folder() {
  return qz_fuzz::Folder("qz_fuzz_converter");
}

constexpr std::string_view kUsi = "position startpos moves 7g7f 3c3d 8h2b+ 3a2b\n";

// The files every run finds; the records are read-only, so a run never
// replaces them.
const std::set<std::string>& Fixtures() {
  static const std::set<std::string> names = [] {
    const fs::path& d = Folder();
    auto put = [&d](const char* name, const std::string& bytes) {
      std::ofstream(d / name, std::ios::binary) << bytes;
      fs::permissions(d / name, fs::perms::owner_read | fs::perms::group_read);
    };
    put("g.usi", std::string(kUsi));
    put("g.csa", "V2.2\r\nN+a\r\nN-b\r\nPI\r\n+\r\n+7776FU\r\n-3334FU\r\n%TORYO\r\n");
    put("g.sfen", "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1\n");
    fs::create_symlink("g.usi", d / "link.usi");
    fs::create_symlink("gone/x.kif", d / "dangling.kif");
    return std::set<std::string>{"g.usi", "g.csa", "g.sfen", "link.usi", "dangling.kif"};
  }();
  return names;
}

// The arguments, one a line; a name is made one of the folder's files.
std::vector<std::string> Arguments(std::string_view text) {
  std::vector<std::string> args;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string a(text.substr(start, end - start));
    if (!a.empty() && a[0] != '-' && a != "/dev/null") {
      for (char& c : a)
        if (c == '/') c = '_';
      a = (Folder() / a).string();
    }
    args.push_back(std::move(a));
    start = end + 1;
  }
  return args;
}

// Checks what a run left in the folder, and removes what it made.
void CheckAndClearFolder() {
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(Folder())) {
    const std::string name = e.path().filename();
    Require(!(name.starts_with(".") && name.ends_with(".tmp")));
    if (!Fixtures().contains(name)) fs::remove_all(e.path(), ec);
  }
  Require(fs::is_symlink(Folder() / "link.usi") && fs::is_symlink(Folder() / "dangling.kif"));
  Require(fs::file_size(Folder() / "g.usi") == kUsi.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Fixtures();
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::size_t nul = bytes.find('\0');
  const std::vector<std::string> args = Arguments(bytes.substr(0, nul));
  std::istringstream in(std::string(nul == std::string_view::npos ? "" : bytes.substr(nul + 1)));
  std::ostringstream out, err;
  const int status = qz::変換実行(args, in, out, err);
  const std::string message = err.str();
  // A message is one line; a run that succeeds says at most that some of
  // the record's branches could not be read.
  const bool oneLine =
      message.starts_with("qzshogi-kifu: ") && message.find('\n') == message.size() - 1;
  if (status == 0) {
    Require(message.empty() || oneLine);
  } else {
    Require(status == 1 && out.str().empty() && oneLine);
  }
  CheckAndClearFolder();
  return 0;
}
