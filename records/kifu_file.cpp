#include "records/kifu_file.h"

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

enum class 操作 { 読込, 書込 };

// The reason for a failed file operation, in the program's words where the
// case is a common one, else the system's.
std::string 理由(int 番号, 操作 何) {
  switch (番号) {
    case ENOENT:
    case ENOTDIR:
      return 何 == 操作::書込 ? QZ_TR("ﾌｫﾙﾀﾞがありません") : QZ_TR("ﾌｧｲﾙがありません");
    case EACCES:
    case EPERM:
      return 何 == 操作::書込 ? QZ_TR("書き込みが許可されていません")
                              : QZ_TR("読み込みが許可されていません");
    case EROFS:
      return QZ_TR("書き込み禁止のﾃﾞｨｽｸです");
    case ENOSPC:
    case EDQUOT:
      return QZ_TR("ﾃﾞｨｽｸがいっぱいです");
    case EISDIR:
      return 何 == 操作::書込 ? QZ_TR("同じ名前のﾌｫﾙﾀﾞがあります") : QZ_TR("ﾌｫﾙﾀﾞです");
    default:
      return システムエラー文(番号);
  }
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
  if (::access(パス.c_str(), W_OK) != 0 && errno == EROFS) return 理由(EROFS, 操作::書込);
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

fs::path utf8パス(const std::string& s) {
  return fs::path(std::u8string(reinterpret_cast<const char8_t*>(s.data()), s.size()));
}

// The characters a file name typed in the panel may not hold: the folder
// separators of any platform and control characters.
std::string 使えない文字(const std::string& 名) {
  std::string 一覧;
  for (const char c : 名) {
    if (c == '/' || c == '\\') {
      if (一覧.find(c) == std::string::npos) 一覧 += std::string("「") + c + "」";
    } else if (static_cast<unsigned char>(c) < 0x20 && 一覧.find("制御文字") == std::string::npos) {
      一覧 += QZ_TR("「制御文字」");
    }
  }
  return 一覧;
}

}  // namespace

std::string ファイル読込(const fs::path& パス, std::string& 内容) {
  通常ファイル読込結果 r = 通常ファイル読込(パス, 棋譜最大バイト数);
  内容.clear();
  if (r.通常ファイルでない) return 通常でない理由(パス);
  if (r.大きすぎる) return "棋譜ﾌｧｲﾙが大きすぎます";
  if (r.番号 != 0) return 理由(r.番号, 操作::読込);
  内容 = std::move(r.内容);
  return "";
}

棋譜ファイル読込結果 棋譜ファイル読込(const fs::path& パス) {
  棋譜ファイル読込結果 結果;
  auto 失敗 = [&](const std::string& 何故) {
    結果.文言 = std::string(QZ_TR("棋譜ﾌｧｲﾙを読み込めませんでした")) + "\n" + 何故;
    結果.題 = QZ_TR("棋譜");
    return 結果;
  };
  通常ファイル読込結果 r = 通常ファイル読込(パス, 棋譜最大バイト数);
  if (r.通常ファイルでない) return 失敗(通常でない理由(パス));
  if (r.大きすぎる) return 失敗(QZ_TR("棋譜ﾌｧｲﾙが大きすぎます"));
  if (r.番号 != 0) return 失敗(理由(r.番号, 操作::読込));
  結果.内容 = 棋譜解読(r.内容);
  if (結果.内容.記録でない) return 失敗("棋譜ﾌｧｲﾙではありません");
  結果.成功 = true;
  return 結果;
}

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
    if (!f && errno != EEXIST) return 理由(errno, 操作::書込);
  }
  if (!f) return 理由(EEXIST, 操作::書込);
  if (既存) 属性を引き継ぐ(f.get(), 旧);
  int 番号 = 全部書込(f.get(), 内容) ? 0 : errno;
  if (std::fclose(f.release()) != 0 && 番号 == 0) 番号 = errno;
  std::error_code ec;
  if (番号 == 0) {
    fs::rename(仮, パス, ec);
    if (!ec) {
      const int 確定 = フォルダを確定(パス.parent_path());
      return 確定 == 0 ? "" : 理由(確定, 操作::書込);
    }
    番号 = ec.value();
  }
  fs::remove(仮, ec);
  return 理由(番号, 操作::書込);
}

fs::path 棋譜パス(const fs::path& フォルダ, const std::string& ファイル名) {
  return フォルダ / utf8パス(ファイル名 + ".棋譜");
}

棋譜ファイル結果 棋譜書込(const fs::path& フォルダ, const std::string& ファイル名,
                          const 棋譜見出し& 見出し, const 手順記録& 記録) {
  if (ファイル名.empty()) return {false, QZ_TR("ﾌｧｲﾙ名が入力されていません"), "  "};
  if (記録.手順_現在 < 1) return {false, QZ_TR("保存するデータがありません"), QZ_TR("棋譜保存")};
  if (const std::string 文字 = 使えない文字(ファイル名); !文字.empty())
    return {false, 差込(QZ_TR("ﾌｧｲﾙ名に使えない文字があります：%1"), {文字}), QZ_TR("棋譜保存")};
  const 棋譜符号化結果 符号 = 棋譜符号化(見出し, 記録.手順範囲(記録.手順_現在));
  if (!符号.文言.empty()) return {false, 符号.文言, QZ_TR("棋譜保存")};
  const std::string 何故 = ファイル置換書込(棋譜パス(フォルダ, ファイル名), 符号.内容);
  if (!何故.empty())
    return {false, std::string(QZ_TR("棋譜を書き込めませんでした")) + "\n" + 何故,
            QZ_TR("棋譜保存")};
  return {true, QZ_TR("棋譜を書き込みました"), "  "};
}

}  // namespace qz
