// Feeds arbitrary bytes to the settings-file reader through a real file:
// what it reads holds no line end, and writing those lines and reading them
// again gives them back whenever they can be written at all.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "shell/settings_file.h"

namespace {

void Require(bool ok) {
  if (!ok) std::abort();
}

const std::filesystem::path& Folder() {
  // Never destroyed: the clean-up at exit still needs it.
  static const std::filesystem::path* const dir = [] {
    // Memory-backed where there is one: every write is flushed to the disk.
    const std::filesystem::path shm = "/dev/shm";
    const auto base =
        std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path();
    std::string pattern = base / "qz_fuzz_settings_XXXXXX";
    Require(::mkdtemp(pattern.data()) != nullptr);
    std::atexit([] {
      std::error_code ec;
      std::filesystem::remove_all(Folder(), ec);
    });
    return new std::filesystem::path(pattern);
  }();
  return *dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto path = Folder() / "QZ.ini";
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  qz::SettingsFile file(path);
  const auto lines = file.readLines();
  Require(lines.has_value() && file.readFailure().empty());
  Require(lines->size() <= size);
  for (const std::string& l : *lines) Require(l.find_first_of("\r\n") == std::string::npos);
  if (file.writeLines(*lines)) Require(file.readLines() == lines);
  return 0;
}
