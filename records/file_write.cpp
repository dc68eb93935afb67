#include "records/file_write.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <memory>
#include <optional>
#include <system_error>

#include "records/file_io.h"
#include "rules/message.h"

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

// A fresh name beside パス for the file being written: hidden, and ending
// in neither the record's nor any other extension the program reads.
fs::path 仮パス(const fs::path& パス) {
  static std::atomic<unsigned> 通し番号{0};
  fs::path 名 = ".";
  名 += パス.filename();
  名 += "." + std::to_string(::getpid()) + "." + std::to_string(通し番号++) + ".tmp";
  return パス.parent_path() / 名;
}

// Takes ".<digits>" off the end of 名 into 値; false when 名 does not end so.
bool 数字を外す(std::string_view& 名, long& 値) {
  const std::size_t 点 = 名.rfind('.');
  if (点 == std::string_view::npos || 点 + 1 == 名.size() || 名.size() - 点 > 11) return false;
  値 = 0;
  for (const char c : 名.substr(点 + 1)) {
    if (c < '0' || c > '9') return false;
    値 = 値 * 10 + (c - '0');
  }
  名.remove_suffix(名.size() - 点);
  return true;
}

// The process id in the name of a temporary file that 仮パス made
// (".<name>.<pid>.<n>.tmp"), or nothing for any other name.
std::optional<long> 仮ファイルのプロセス(std::string_view 名) {
  constexpr std::string_view 拡張子 = ".tmp";
  if (名.size() < 2 || 名[0] != '.' || !名.ends_with(拡張子)) return std::nullopt;
  名.remove_suffix(拡張子.size());
  long 番号 = 0, pid = 0;
  if (!数字を外す(名, 番号) || !数字を外す(名, pid) || pid <= 0 || 名.size() < 2)
    return std::nullopt;
  return pid;
}

// Removes the temporary files that writes of this program left in フォルダ
// when their process was killed: only names 仮パス makes, only regular files
// of this user, and only when that process is no longer running.
void 残った仮ファイルを消す(const fs::path& フォルダ) {
  std::error_code ec;
  fs::directory_iterator it(フォルダ.empty() ? fs::path(".") : フォルダ, ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    const auto pid = 仮ファイルのプロセス(it->path().filename().native());
    if (!pid || *pid == ::getpid()) continue;
    if (::kill(static_cast<pid_t>(*pid), 0) == 0 || errno != ESRCH) continue;
    struct stat st {};
    if (::lstat(it->path().c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid())
      ::unlink(it->path().c_str());
  }
}

// Flushes the folder itself, so that the rename that put a file in place
// survives a power loss. Only a failing disk is worth a complaint.
int フォルダを確定(const fs::path& フォルダ) {
  const int fd =
      ::open(フォルダ.empty() ? "." : フォルダ.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return 0;
  const int 番号 = ::fsync(fd) == 0 ? 0 : errno;
  ::close(fd);
  return 番号 == EIO ? EIO : 0;
}

// Why an existing file may not be replaced ("" when it may): the user
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

// Replaces the regular (or missing) file パス with a new one holding 内容.
std::string 置き換える(const fs::path& パス, std::string_view 内容, const 書込方針& 方針) {
  残った仮ファイルを消す(パス.parent_path());
  struct stat 旧 {};
  const bool 既存 = ::stat(パス.c_str(), &旧) == 0 && S_ISREG(旧.st_mode);
  if (既存 && 方針.書込禁止を守る) {
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

// Writes all of 内容 to an open file with SIGPIPE held back, so that a reader
// that goes away gives a reason rather than ending the program; 0 or errno.
int 記述子に書く(int fd, std::string_view 内容) {
  sigset_t 管, 元;
  sigemptyset(&管);
  sigaddset(&管, SIGPIPE);
  ::pthread_sigmask(SIG_BLOCK, &管, &元);
  int 番号 = 0;
  for (std::size_t 済 = 0; 済 < 内容.size();) {
    const ssize_t n = ::write(fd, 内容.data() + 済, 内容.size() - 済);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      番号 = n < 0 ? errno : EIO;
      break;
    }
    済 += static_cast<std::size_t>(n);
  }
  if (番号 == EPIPE && !sigismember(&元, SIGPIPE)) {
    const timespec 待たない{0, 0};
    ::sigtimedwait(&管, nullptr, &待たない);  // the SIGPIPE this write raised
  }
  ::pthread_sigmask(SIG_SETMASK, &元, nullptr);
  return 番号;
}

// Writes a FIFO or a character device where it is.
std::string その場に書く(const fs::path& パス, std::string_view 内容, const 書込方針& 方針) {
  int fd;
  do {
    fd = ::open(パス.c_str(),
                O_WRONLY | O_CLOEXEC | O_NOCTTY | (方針.読み手を待つ ? 0 : O_NONBLOCK));
  } while (fd < 0 && errno == EINTR);
  if (fd < 0 && errno == ENXIO) {
    struct stat st {};
    if (::stat(パス.c_str(), &st) == 0 && S_ISFIFO(st.st_mode))
      return QZ_TR("読み手のいないﾊﾟｲﾌﾟです");
  }
  if (fd < 0) return 書込理由(errno);
  struct stat st {};
  int 番号 = ::fstat(fd, &st) == 0 ? 0 : errno;
  if (番号 == 0 && !S_ISFIFO(st.st_mode) && !S_ISCHR(st.st_mode)) {
    ::close(fd);  // it changed under us into something else
    return 通常でない理由(パス);
  }
  if (番号 == 0) {
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    番号 = 記述子に書く(fd, 内容);
  }
  if (::close(fd) != 0 && 番号 == 0 && errno != EINTR) 番号 = errno;
  return 番号 == 0 ? "" : 書込理由(番号);
}

// The number of one of this process's open files that パス names through
// /proc (/dev/stdout, /dev/fd/1, /proc/self/fd/1), or -1.
int 自分の記述子(const fs::path& パス) {
  const std::string 名 = パス.filename().native();
  if (名.empty() || 名.size() > 6 || 名.find_first_not_of("0123456789") != std::string::npos)
    return -1;
  std::error_code ec, ec2;
  const fs::path 親 = fs::canonical(パス.parent_path().empty() ? "." : パス.parent_path(), ec);
  const fs::path 自分 = fs::canonical("/proc/self/fd", ec2);
  return !ec && !ec2 && 親 == 自分 ? std::stoi(名) : -1;
}

// Where a write to パス goes once symbolic links are followed, and how.
struct 書込先 {
  enum class 種類 { 置換, その場, 記述子, 不可 } 方法 = 種類::置換;
  fs::path パス;
  int 記述子 = -1;
  std::string 理由;  // 不可: why not
};

// Follows the links from パス, at most 40, to where a write should go.
書込先 書込先を決める(fs::path パス) {
  for (int 段 = 0; 段 < 40; ++段) {
    struct stat st {};
    if (::lstat(パス.c_str(), &st) != 0) {
      // A new file, or the missing file a link names: made by the replacement.
      if (errno == ENOENT) return {書込先::種類::置換, パス, -1, ""};
      return {書込先::種類::不可, パス, -1, 書込理由(errno)};
    }
    if (S_ISREG(st.st_mode)) return {書込先::種類::置換, パス, -1, ""};
    if (S_ISFIFO(st.st_mode) || S_ISCHR(st.st_mode)) return {書込先::種類::その場, パス, -1, ""};
    if (S_ISDIR(st.st_mode)) return {書込先::種類::不可, パス, -1, 書込理由(EISDIR)};
    if (!S_ISLNK(st.st_mode)) return {書込先::種類::不可, パス, -1, 通常でない理由(パス)};
    if (const int fd = 自分の記述子(パス); fd >= 0) return {書込先::種類::記述子, パス, fd, ""};
    std::error_code ec;
    const fs::path 先 = fs::read_symlink(パス, ec);
    if (ec) return {書込先::種類::不可, パス, -1, 書込理由(ec.value())};
    パス = 先.is_absolute() ? 先 : パス.parent_path() / 先;
  }
  return {書込先::種類::不可, パス, -1, 書込理由(ELOOP)};
}

}  // namespace

std::string ファイル置換書込(const fs::path& パス, std::string_view 内容, 書込方針 方針) {
  if (パス.empty()) return 書込理由(ENOENT);
  const 書込先 先 = 書込先を決める(パス);
  switch (先.方法) {
    case 書込先::種類::置換:
      return 置き換える(先.パス, 内容, 方針);
    case 書込先::種類::その場:
      return その場に書く(先.パス, 内容, 方針);
    case 書込先::種類::記述子: {
      const int 番号 = 記述子に書く(先.記述子, 内容);
      return 番号 == 0 ? "" : 書込理由(番号);
    }
    case 書込先::種類::不可:
      break;
  }
  return 先.理由;
}

}  // namespace qz
