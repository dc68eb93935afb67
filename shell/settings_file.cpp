#include "shell/settings_file.h"

#include <iconv.h>

#include <cerrno>

#include "records/file_io.h"
#include "records/file_write.h"

namespace qz {
namespace {

// The file is tiny; anything larger than this is not ours to read.
constexpr std::uintmax_t largestFile = 1 << 20;

// What a line that is not code page 932 reads as: a replacement character.
constexpr const char* unreadableLine = "\xEF\xBF\xBD";

// Converts all of `in` with iconv; nothing on any invalid or unmappable input.
std::optional<std::string> convert(const char* to, const char* from, std::string_view in) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out(in.size() * 4 + 16, '\0');
  char* src = const_cast<char*>(in.data());
  std::size_t srcLeft = in.size();
  char* dst = out.data();
  std::size_t dstLeft = out.size();
  const std::size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
  const bool ok = r != static_cast<std::size_t>(-1) && srcLeft == 0 &&
                  iconv(cd, nullptr, nullptr, &dst, &dstLeft) != static_cast<std::size_t>(-1);
  iconv_close(cd);
  if (!ok) return std::nullopt;
  out.resize(out.size() - dstLeft);
  return out;
}

}  // namespace

std::optional<std::string> cp932ToUtf8(std::string_view bytes) {
  return convert("UTF-8", "CP932", bytes);
}

std::optional<std::string> utf8ToCp932(std::string_view text) {
  return convert("CP932", "UTF-8", text);
}

std::vector<std::string> splitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

SettingsFile::SettingsFile(std::filesystem::path path) : path_(std::move(path)) {
  const auto lines = readLines();
  if (!lines) return;
  for (std::size_t i = formLines; i < lines->size(); ++i) {
    const std::string& line = (*lines)[i];
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos || eq == 0 || extra(line.substr(0, eq))) continue;
    extras_.emplace_back(line.substr(0, eq), line.substr(eq + 1));
  }
}

std::optional<std::string> SettingsFile::extra(std::string_view key) const {
  for (const auto& [k, v] : extras_)
    if (k == key) return v;
  return std::nullopt;
}

void SettingsFile::keep(const std::string& key, const std::string& value) {
  for (auto& [k, v] : extras_)
    if (k == key) return void(v = value);
  extras_.emplace_back(key, value);
}

bool SettingsFile::setExtra(const std::string& key, const std::string& value) {
  keep(key, value);
  auto lines = readLines();
  if (!lines || lines->size() < formLines) return false;
  lines->resize(formLines);
  return writeLines(*lines);
}

std::filesystem::path SettingsFile::defaultPath() {
  return std::filesystem::path(u8"QZ氷結将棋.ini");
}

std::optional<std::vector<std::string>> SettingsFile::readLines() {
  readFailure_.clear();
  const 通常ファイル読込結果 r = 通常ファイル読込(path_, largestFile);
  // A missing file, or one too large to be ours, gives way to the defaults;
  // one that is there but cannot be read must not be written over.
  if (r.番号 == ENOENT || r.大きすぎる) return std::nullopt;
  if (r.通常ファイルでない) readFailure_ = 通常でない理由(path_);
  if (r.番号 != 0) readFailure_ = システムエラー文(r.番号);
  if (!r.成功()) return std::nullopt;
  const std::string& bytes = r.内容;
  // CR and LF are never the second byte of a double-byte character, so the
  // bytes split into lines before decoding. A line with bytes that are not
  // code page 932 is still a line: it just equals none of the known lines,
  // so the lines around it keep their meaning.
  std::vector<std::string> lines = splitLines(bytes);
  for (auto& line : lines) line = cp932ToUtf8(line).value_or(unreadableLine);
  return lines;
}

bool SettingsFile::writeLines(const std::vector<std::string>& lines) {
  // A choice the program writes after the four (the move list's) is kept
  // like the window's own, so that the window's next write keeps it too.
  for (std::size_t i = formLines; i < lines.size(); ++i) {
    const std::size_t eq = lines[i].find('=');
    if (eq == std::string::npos || eq == 0) continue;
    const std::string key = lines[i].substr(0, eq);
    bool earlier = false;
    for (std::size_t j = formLines; j < i; ++j)
      earlier = earlier || lines[j].rfind(key + "=", 0) == 0;
    if (!earlier) keep(key, lines[i].substr(eq + 1));
  }
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  // The window's own lines follow, each unless the lines given already
  // carry its key after the first four.
  for (const auto& [k, v] : extras_) {
    bool given = false;
    for (std::size_t i = formLines; i < lines.size(); ++i)
      given = given || lines[i].rfind(k + "=", 0) == 0;
    if (!given) text += k + "=" + v + "\r\n";
  }
  const auto bytes = utf8ToCp932(text);
  if (!bytes) return false;
  // The settings file has always been replaced even when marked read-only.
  return ファイル置換書込(path_, *bytes, {.書込禁止を守る = false}).empty();
}

}  // namespace qz
