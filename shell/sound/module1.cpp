#include "shell/sound/module1.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <system_error>
#include <utility>
#include <vector>

#include "shell/sound/dsound.h"

namespace qz {
namespace {

// Sound files are small; anything larger is not one of ours.
constexpr std::size_t kMaxSoundFile = std::size_t{64} << 20;

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

// The reason, in words for the player, why a file could not be read.
std::string describe_errno(int err) {
  switch (err) {
    case EACCES:
    case EPERM:
      return QZ_TR("読み取りが許可されていません。");
    case EISDIR:
      return QZ_TR("ファイルではなくフォルダです。");
    case ENOENT:
      return QZ_TR("ファイルが見つかりません。");
    default:
      return 差込(QZ_TR("読み込み中にエラーが発生しました（%1）。"), {std::strerror(err)});
  }
}

// Reads the whole file; on failure leaves the reason in `reason`.
bool read_whole_file(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes,
                     std::string& reason) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    reason = describe_errno(EISDIR);
    return false;
  }
  errno = 0;
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) {
    reason = describe_errno(errno);
    return false;
  }
  std::uint8_t block[65536];
  for (;;) {
    const std::size_t got = std::fread(block, 1, sizeof block, file.get());
    bytes.insert(bytes.end(), block, block + got);
    if (bytes.size() > kMaxSoundFile) {
      reason = QZ_TR("ファイルが大きすぎます。");
      return false;
    }
    if (got < sizeof block) break;
  }
  if (std::ferror(file.get())) {
    reason = describe_errno(errno != 0 ? errno : EIO);
    return false;
  }
  if (bytes.empty()) {
    reason = QZ_TR("ファイルが空です。");
    return false;
  }
  return true;
}

}  // namespace

Module1::Module1(サウンド警告関数 warn, std::filesystem::path sounds_dir)
    : warn_(std::move(warn)), sounds_dir_(std::move(sounds_dir)) {}

void Module1::初期化_サウンド(std::intptr_t window) {
  サウンド_ハンドル = dsInitialize(window);
  if (サウンド_ハンドル == 0) 表示_サウンド警告(サウンド初期化失敗文);
}

std::filesystem::path Module1::find_sound_file(const std::string& file_name) const {
  std::error_code ec;
  const std::filesystem::path here(file_name);
  if (std::filesystem::exists(here, ec)) return here;
  if (!sounds_dir_.empty() && here.is_relative()) {
    const auto there = sounds_dir_ / here;
    if (std::filesystem::exists(there, ec)) return there;
  }
  return {};
}

std::int32_t Module1::読込_サウンド(const std::string& file_name, std::int32_t count) {
  if (サウンド_ハンドル == 0) return 0;
  const auto path = find_sound_file(file_name);
  if (path.empty()) return 0;
  std::vector<std::uint8_t> image;
  std::string reason;
  if (!read_whole_file(path, image, reason)) {
    表示_サウンド警告(差込(QZ_TR("「%1」を読み込めません。%2"), {file_name, reason}));
    return 0;
  }
  const std::int32_t buffer = dsCreateDSB(サウンド_ハンドル, image.data(), image.size(), count);
  if (buffer == 0)
    表示_サウンド警告(差込(QZ_TR("「%1」を読み込めません。再生できる WAV 形式の音ではありません。"),
                           {file_name}));
  return buffer;
}

void Module1::終了_サウンド() {
  if (サウンド_ハンドル != 0) dsTerminate(サウンド_ハンドル);
  サウンド_ハンドル = 0;
}

void Module1::表示_サウンド警告(const std::string& text) {
  if (warn_) warn_(text, サウンド警告見出し);
}

}  // namespace qz
