// The settings file on disk: Shift-JIS (code page 932) text, one entry per
// line, each ended by CR LF. Free of Qt so that it is tested on its own.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "play/platform.h"

namespace qz {

// CP932 bytes to UTF-8, or nothing when the bytes are not valid CP932.
std::optional<std::string> cp932ToUtf8(std::string_view bytes);
// UTF-8 to CP932 bytes, or nothing when a character has no CP932 form.
std::optional<std::string> utf8ToCp932(std::string_view text);
// The lines of a text, each ended by CR LF, CR or LF; a last line without an
// end counts, an empty text has none.
std::vector<std::string> splitLines(std::string_view text);

// "QZ氷結将棋.ini" (or another path) read and written whole. A line whose
// bytes are not code page 932 reads as U+FFFD, which matches no setting. A write goes to
// a temporary file beside it that replaces the old one only when complete
// (through a symbolic link, the file it names).
class SettingsFile : public SettingsStore {
 public:
  explicit SettingsFile(std::filesystem::path path = defaultPath());
  static std::filesystem::path defaultPath();

  std::optional<std::vector<std::string>> readLines() override;
  // Writes the lines, then the window's own lines (see below) that the
  // lines do not already hold, so lines read are written back unchanged.
  bool writeLines(const std::vector<std::string>& lines) override;
  std::string readFailure() const override { return readFailure_; }

  // The window's own choices ("言語=English", "表示倍率=150") are lines of
  // the form KEY=VALUE after the first four, which older versions ignore.
  // The value of a key as the file held it when this was made, or as set.
  std::optional<std::string> extra(std::string_view key) const;
  // Sets a key and rewrites the file with its first four lines kept as they
  // are; a file of fewer lines gets the key at the program's next write.
  bool setExtra(const std::string& key, const std::string& value);

 private:
  static constexpr std::size_t formLines = 4;
  void keep(const std::string& key, const std::string& value);
  std::filesystem::path path_;
  std::vector<std::pair<std::string, std::string>> extras_;
  std::string readFailure_;
};

}  // namespace qz
