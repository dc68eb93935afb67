#include "records/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "rules/message.h"

namespace qz {

std::string システムエラー文(int 番号) {
  switch (番号) {
    case ENAMETOOLONG:
      return QZ_TR("ﾌｧｲﾙ名が長すぎます");
    case ENOSPC:
    case EDQUOT:
      return QZ_TR("ﾃﾞｨｽｸがいっぱいです");
    case EROFS:
      return QZ_TR("書き込み禁止のﾃﾞｨｽｸです");
    case EACCES:
    case EPERM:
      return QZ_TR("許可されていません");
    case ENOENT:
    case ENOTDIR:
      return QZ_TR("見つかりません");
    case EISDIR:
      return QZ_TR("ﾌｫﾙﾀﾞです");
    default:
      return std::strerror(番号);
  }
}

std::string ファイル操作の理由(int 番号, ファイル操作 何) {
  switch (番号) {
    case ENOENT:
    case ENOTDIR:
      return 何 == ファイル操作::書込 ? QZ_TR("ﾌｫﾙﾀﾞがありません") : QZ_TR("ﾌｧｲﾙがありません");
    case EACCES:
    case EPERM:
      return 何 == ファイル操作::書込 ? QZ_TR("書き込みが許可されていません")
                                      : QZ_TR("読み込みが許可されていません");
    case EROFS:
      return QZ_TR("書き込み禁止のﾃﾞｨｽｸです");
    case ENOSPC:
    case EDQUOT:
      return QZ_TR("ﾃﾞｨｽｸがいっぱいです");
    case EISDIR:
      return 何 == ファイル操作::書込 ? QZ_TR("同じ名前のﾌｫﾙﾀﾞがあります") : QZ_TR("ﾌｫﾙﾀﾞです");
    default:
      return システムエラー文(番号);
  }
}

std::string 通常でない理由(const std::filesystem::path& パス) {
  std::error_code ec;
  return std::filesystem::is_directory(パス, ec) ? QZ_TR("ﾌｫﾙﾀﾞです")
                                               : QZ_TR("通常のﾌｧｲﾙではありません");
}

通常ファイル読込結果 通常ファイル読込(const std::filesystem::path& パス, std::size_t 上限) {
  通常ファイル読込結果 r;
  // O_NONBLOCK: opening a FIFO with no writer would otherwise wait for one.
  const int fd = ::open(パス.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    r.番号 = errno;
    return r;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    r.番号 = errno;
  } else if (!S_ISREG(st.st_mode)) {
    r.通常ファイルでない = true;
  } else if (static_cast<std::uintmax_t>(st.st_size) > 上限) {
    r.大きすぎる = true;
  } else {
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    // The file may grow while it is read: one byte past the limit tells.
    r.内容.resize(static_cast<std::size_t>(st.st_size) + 1);
    std::size_t 済 = 0;
    for (;;) {
      if (済 == r.内容.size()) {
        if (済 > 上限) break;
        r.内容.resize(std::min(r.内容.size() * 2, 上限 + 1));
      }
      const ssize_t n = ::read(fd, r.内容.data() + 済, r.内容.size() - 済);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) r.番号 = errno;
      if (n <= 0) break;
      済 += static_cast<std::size_t>(n);
    }
    r.大きすぎる = 済 > 上限;
    if (r.番号 == 0 && !r.大きすぎる)
      r.内容.resize(済);
    else
      r.内容 = std::string();
  }
  ::close(fd);
  return r;
}

}  // namespace qz
