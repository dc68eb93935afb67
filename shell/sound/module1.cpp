#include "shell/sound/module1.h"

#include <cerrno>
#include <system_error>
#include <utility>
#include <vector>

#include "records/file_io.h"
#include "shell/sound/dsound.h"

namespace qz {
namespace {

// Sound files are small; anything larger is not one of ours.
constexpr std::size_t kMaxSoundFile = std::size_t{64} << 20;

// The reason, in words for the player, why a file could not be read.
文面 describe_errno(int err) {
  switch (err) {
    case EACCES:
    case EPERM:
      return QZ_TR("読み取りが許可されていません。");
    case EISDIR:
      return QZ_TR("ファイルではなくフォルダです。");
    case ENOENT:
      return QZ_TR("ファイルが見つかりません。");
    default:
      return 文面(QZ_TR("読み込み中にエラーが発生しました（%1）。"), {システムエラー文(err)});
  }
}

// Reads the whole file, only if it is a regular one; on failure leaves the
// reason in `reason`.
bool read_whole_file(const std::filesystem::path& path, std::string& bytes, 文面& reason) {
  通常ファイル読込結果 r = 通常ファイル読込(path, kMaxSoundFile);
  if (r.通常ファイルでない) {
    std::error_code ec;
    reason = std::filesystem::is_directory(path, ec) ? describe_errno(EISDIR)
                                                     : QZ_TR("通常のファイルではありません。");
  } else if (r.大きすぎる) {
    reason = QZ_TR("ファイルが大きすぎます。");
  } else if (r.番号 != 0) {
    reason = describe_errno(r.番号);
  } else if (r.内容.empty()) {
    reason = QZ_TR("ファイルが空です。");
  } else {
    bytes = std::move(r.内容);
    return true;
  }
  return false;
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
  std::string image;
  文面 reason;
  if (!read_whole_file(path, image, reason)) {
    表示_サウンド警告(
        文面(QZ_TR("「%1」を読み込めません。%2"), {文面::そのまま(file_name), reason}));
    return 0;
  }
  const std::int32_t buffer = dsCreateDSB(
      サウンド_ハンドル, reinterpret_cast<const std::uint8_t*>(image.data()), image.size(), count);
  if (buffer == 0)
    表示_サウンド警告(文面(QZ_TR("「%1」を読み込めません。再生できる WAV 形式の音ではありません。"),
                           {文面::そのまま(file_name)}));
  return buffer;
}

void Module1::終了_サウンド() {
  if (サウンド_ハンドル != 0) dsTerminate(サウンド_ハンドル);
  サウンド_ハンドル = 0;
}

void Module1::表示_サウンド警告(const 文面& text) {
  if (warn_) warn_(text, サウンド警告見出し);
}

}  // namespace qz
