#include "shell/settings_location.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

#include "shell/settings_file.h"

namespace qz {
namespace fs = std::filesystem;

namespace {

std::string environment(const char* name) {
  const char* v = std::getenv(name);
  return v != nullptr ? v : "";
}

bool writable(const fs::path& folder) {
  return ::access(folder.c_str(), W_OK) == 0;
}

}  // namespace

Surroundings currentSurroundings() {
  std::error_code ec;
  Surroundings s;
  s.executable = fs::read_symlink("/proc/self/exe", ec);
  s.current = fs::current_path(ec);
  s.currentWritable = !ec && writable(s.current);
  s.xdgConfigHome = environment("XDG_CONFIG_HOME");
  s.home = environment("HOME");
  return s;
}

bool installed(const fs::path& executable) {
  std::error_code ec;
  return !executable.empty() &&
         fs::is_directory(executable.parent_path().parent_path() / "share" / "qzshogi" / "pictures",
                          ec);
}

fs::path settingsFolder(const Surroundings& s) {
  if (!installed(s.executable) && !s.current.empty() && s.currentWritable) return s.current;
  // The desktop's base-directory rules ignore a relative XDG_CONFIG_HOME;
  // a relative HOME is no home either.
  const fs::path xdg = s.xdgConfigHome, home = s.home;
  if (xdg.is_absolute()) return xdg / "qzshogi";
  if (home.is_absolute()) return home / ".config" / "qzshogi";
  // Without either, the start folder, but never the root of everything.
  if (s.current.is_absolute() && s.current.has_relative_path()) return s.current;
  return {};
}

fs::path settingsPath(const Surroundings& s) {
  const fs::path folder = settingsFolder(s);
  if (folder.empty()) return {};
  const fs::path file = folder / SettingsFile::defaultPath();
  if (folder == s.current) return file;
  std::error_code ec;
  fs::create_directories(folder, ec);
  const fs::path old = s.current / SettingsFile::defaultPath();
  if (!fs::exists(file, ec) && fs::is_regular_file(old, ec))
    fs::copy_file(old, file, ec);  // a failed copy only means starting from the defaults
  return file;
}

}  // namespace qz
