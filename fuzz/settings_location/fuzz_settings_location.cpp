// Works out the settings folder from arbitrary surroundings: the first byte
// holds switches, the rest is the program's path, the start folder,
// XDG_CONFIG_HOME and HOME, separated by NUL bytes. Each path is taken as it
// is or inside a folder of the target's own (where an installed program and
// a start folder with an old settings file wait); XDG_CONFIG_HOME and HOME
// are also given through the environment. The folder must be the start
// folder, a "qzshogi" folder at an absolute path, or none, never anything
// at the root; where it lies inside the target's folder, the settings path
// is made too.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fuzz/fuzz_folder.h"
#include "shell/settings_file.h"
#include "shell/settings_location.h"

namespace {

namespace fs = std::filesystem;
using qz_fuzz::Require;

const fs::path& Folder() {
  return qz_fuzz::Folder("qz_fuzz_location");
}

// An installed program's folders and a start folder with an old settings
// file; whatever a run makes goes under made/, removed after it.
void MakeFixtures() {
  static const bool made = [] {
    const fs::path& d = Folder();
    fs::create_directories(d / "usr/bin");
    fs::create_directories(d / "usr/share/qzshogi/pictures");
    fs::create_directories(d / "start");
    std::ofstream(d / "start" / qz::SettingsFile::defaultPath()) << "BGM=OFF\r\n";
    return true;
  }();
  Require(made);
}

enum Switch : unsigned { kWritable = 1, kEnvironment = 2, kInside = 4 };  // kInside << field

std::vector<std::string> Fields(std::string_view text) {
  std::vector<std::string> f;
  std::size_t start = 0;
  while (f.size() < 4) {
    const std::size_t end = std::min(text.find('\0', start), text.size());
    f.emplace_back(start < text.size() ? text.substr(start, end - start) : "");
    start = end + 1;
  }
  return f;
}

// Whether p lies inside the target's folder, judged by its text alone
// (nothing in there is a link).
bool Inside(const fs::path& p) {
  const fs::path n = p.lexically_normal();
  const auto rel = n.lexically_relative(Folder());
  return !rel.empty() && *rel.begin() != ".." && n.is_absolute();
}

void Check(const qz::Surroundings& s) {
  const fs::path folder = qz::settingsFolder(s);
  if (folder.empty()) {
    Require(!fs::path(s.xdgConfigHome).is_absolute() && !fs::path(s.home).is_absolute());
  } else if (folder != s.current) {
    Require(folder.is_absolute() && folder.filename() == "qzshogi");
  } else if (qz::installed(s.executable) || !s.currentWritable) {
    Require(folder.is_absolute() && folder.has_relative_path());  // not the root itself
  }
  if (!folder.empty() && !Inside(folder)) return;
  const fs::path file = qz::settingsPath(s);
  Require(file.empty() == folder.empty());
  Require(file.empty() || file == folder / qz::SettingsFile::defaultPath());
}

void SetOrUnset(const char* name, const std::string& value, bool set) {
  if (set)
    ::setenv(name, value.c_str(), 1);
  else
    ::unsetenv(name);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const unsigned switches = data[0];
  std::vector<std::string> f = Fields(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
  MakeFixtures();
  // The program and the start folder may be the fixtures; the per-user
  // folders go under made/.
  for (std::size_t i = 0; i < f.size(); ++i)
    if (switches & (kInside << i))
      f[i] = ((i < 2 ? Folder() : Folder() / "made") / fs::path(f[i]).relative_path()).string();
  qz::Surroundings s{f[0], f[1], (switches & kWritable) != 0, f[2], f[3]};
  if (switches & kEnvironment) {
    // Through the environment, an empty field standing for an unset variable.
    SetOrUnset("XDG_CONFIG_HOME", f[2], !f[2].empty());
    SetOrUnset("HOME", f[3], !f[3].empty());
    const qz::Surroundings here = qz::currentSurroundings();
    Require(here.xdgConfigHome == f[2] && here.home == f[3]);
    s.xdgConfigHome = here.xdgConfigHome;
    s.home = here.home;
  }
  Check(s);
  std::error_code ec;
  fs::remove_all(Folder() / "made", ec);
  return 0;
}
