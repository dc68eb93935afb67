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
  // The desktop's base-directory rules ignore a relative XDG_CONFIG_HOME.
  fs::path config = s.xdgConfigHome;
  if (!config.is_absolute()) config = fs::path(s.home.empty() ? "/" : s.home) / ".config";
  return config / "qzshogi";
}

fs::path settingsPath(const Surroundings& s) {
  const fs::path folder = settingsFolder(s);
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
