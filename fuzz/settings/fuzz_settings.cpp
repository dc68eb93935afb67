// Feeds arbitrary bytes to the settings-file reader through a real file:
// what it reads holds no line end, and writing those lines and reading them
// again gives them back whenever they can be written at all; a line that
// names a computer level is read as that level's line.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "fuzz/fuzz_folder.h"
#include "play/platform.h"
#include "shell/settings_file.h"

namespace {

using qz_fuzz::Require;

const std::filesystem::path& Folder() {
  return qz_fuzz::Folder("qz_fuzz_settings");
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
  for (const std::string& l : *lines) {
    Require(l.find_first_of("\r\n") == std::string::npos);
    // A line that names a level is that level's line exactly.
    if (const qz::レベル段* level = qz::設定行のレベル(l))
      Require(qz::設定_レベル + std::string(level->名) == l);
  }
  if (file.writeLines(*lines)) Require(file.readLines() == lines);
  return 0;
}
