#include "records/file_write.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <optional>
#include <system_error>

#include "records/file_io.h"
#include "rules/translatable.h"

namespace qz {
namespace {

namespace fs = std::filesystem;

std::string 書込理由(int 番号) {
  return ファイル操作の理由(番号, ファイル操作::書込);
}

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// A fresh name beside パス for the file being written; hidden, and not
// matching "*.棋譜".
fs::path 仮パス(const fs::path& パス) {
  static std::atomic<unsigned> 通し番号{0};
  fs::path 名 = ".";
  名 += パス.filename();
  名 += "." + std::to_string(::getpid()) + "." + std::to_string(通し番号++) + ".tmp";
  return パス.parent_path() / 名;
}

// The process id in the name of a temporary file that 仮パス made
// (".<name>.棋譜.<pid>.<n>.tmp"), or nothing for any other name.
std::optional<long> 仮ファイルのプロセス(std::string_view 名) {
  constexpr std::string_view 拡張子 = ".tmp", 棋譜 = ".棋譜.";
  if (名.size() < 2 || 名[0] != '.' || !名.ends_with(拡張子)) return std::nullopt;
  名.remove_suffix(拡張子.size());
  auto 数字で終わる = [&名](long& 値) {
    const std::size_t 点 = 名.rfind('.');
    if (点 == std::string_view::npos || 点 + 1 == 名.size() || 名.size() - 点 > 11) return false;
    値 = 0;
    for (const char c : 名.substr(点 + 1)) {
      if (c < '0' || c > '9') return false;
      値 = 値 * 10 + (c - '0');
    }
    名.remove_suffix(名.size() - 点);
    return true;
  };
  long 番号 = 0, pid = 0;
  if (!数字で終わる(番号) || !数字で終わる(pid) || pid <= 0) return std::nullopt;
  名 = 名.substr(1);
  if (名.size() <= 棋譜.size() - 1 || !名.ends_with(棋譜.substr(0, 棋譜.size() - 1)))
    return std::nullopt;
  return pid;
}

// Removes the temporary files that writes of this program left in フォルダ
// when their process was killed: only names 仮パス makes, only regular
// files, and only when that process is no longer running.
void 残った仮ファイルを消す(const fs::path& フォルダ) {
  std::error_code ec;
  fs::directory_iterator it(フォルダ.empty() ? fs::path(".") : フォルダ, ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    const auto pid = 仮ファイルのプロセス(it->path().filename().native());
    if (!pid || *pid == ::getpid()) continue;
    if (::kill(static_cast<pid_t>(*pid), 0) == 0 || errno != ESRCH) continue;
    std::error_code 種類ec;
    if (!it->is_symlink(種類ec) && it->is_regular_file(種類ec)) fs::remove(it->path(), 種類ec);
  }
}

// Flushes the folder itself, so that the rename that put a record in place
// survives a power loss. Only a failing disk is worth a complaint.
int フォルダを確定(const fs::path& フォルダ) {
  const int fd =
      ::open(フォルダ.empty() ? "." : フォルダ.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return 0;
  const int 番号 = ::fsync(fd) == 0 ? 0 : errno;
  ::close(fd);
  return 番号 == EIO ? EIO : 0;
}

// Why an existing record may not be replaced ("" when it may): the user
// cannot write it, or it is marked read-only (which even root respects here).
std::string 書込禁止理由(const fs::path& パス, const struct stat& 旧) {
  if (::access(パス.c_str(), W_OK) != 0 && errno == EROFS) return 書込理由(EROFS);
  if ((旧.st_mode & 0222) == 0 || ::access(パス.c_str(), W_OK) != 0)
    return QZ_TR("書き込み禁止のﾌｧｲﾙです");
  return "";
}

// Gives the new file the old one's mode, and its owner where allowed.
void 属性を引き継ぐ(std::FILE* f, const struct stat& 旧) {
  ::fchmod(::fileno(f), 旧.st_mode & 0777);
  if (::fchown(::fileno(f), 旧.st_uid, 旧.st_gid) != 0) {
    // Only root may give a file away; the mode is what matters.
  }
}

// Writes, flushes to the disk and closes; errno tells why when it fails.
bool 全部書込(std::FILE* f, std::string_view 内容) {
  if (std::fwrite(内容.data(), 1, 内容.size(), f) != 内容.size()) return false;
  if (std::fflush(f) != 0) return false;
  return ::fsync(::fileno(f)) == 0;
}

}  // namespace

std::string ファイル置換書込(const fs::path& パス, std::string_view 内容) {
  残った仮ファイルを消す(パス.parent_path());
  struct stat 旧 {};
  const bool 既存 = ::stat(パス.c_str(), &旧) == 0 && S_ISREG(旧.st_mode);
  if (既存) {
    if (std::string 何故 = 書込禁止理由(パス, 旧); !何故.empty()) return 何故;
  }
  fs::path 仮;
  File f;
  for (int 試行 = 0; !f && 試行 < 100; ++試行) {
    仮 = 仮パス(パス);
    f.reset(std::fopen(仮.c_str(), "wbx"));
    if (!f && errno != EEXIST) return 書込理由(errno);
  }
  if (!f) return 書込理由(EEXIST);
  if (既存) 属性を引き継ぐ(f.get(), 旧);
  int 番号 = 全部書込(f.get(), 内容) ? 0 : errno;
  if (std::fclose(f.release()) != 0 && 番号 == 0) 番号 = errno;
  std::error_code ec;
  if (番号 == 0) {
    fs::rename(仮, パス, ec);
    if (!ec) {
      const int 確定 = フォルダを確定(パス.parent_path());
      return 確定 == 0 ? "" : 書込理由(確定);
    }
    番号 = ec.value();
  }
  fs::remove(仮, ec);
  return 書込理由(番号);
}

}  // namespace qz
