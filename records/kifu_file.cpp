#include "records/kifu_file.h"

#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <system_error>

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
      return std::generic_category().message(番号);
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

棋譜ファイル読込結果 棋譜ファイル読込(const fs::path& パス) {
  棋譜ファイル読込結果 結果;
  auto 失敗 = [&](const std::string& 何故) {
    結果.文言 = std::string(QZ_TR("棋譜ﾌｧｲﾙを読み込めませんでした")) + "\n" + 何故;
    結果.題 = QZ_TR("棋譜");
    return 結果;
  };
  std::error_code ec;
  if (fs::is_directory(パス, ec)) return 失敗(理由(EISDIR, 操作::読込));
  File f(std::fopen(パス.c_str(), "rb"));
  if (!f) return 失敗(理由(errno, 操作::読込));
  std::string 内容;
  char buffer[1 << 16];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f.get())) > 0) {
    内容.append(buffer, n);
    if (内容.size() > 棋譜最大バイト数) return 失敗(QZ_TR("棋譜ﾌｧｲﾙが大きすぎます"));
  }
  if (std::ferror(f.get())) return 失敗(理由(errno, 操作::読込));
  結果.成功 = true;
  結果.内容 = 棋譜解読(内容);
  return 結果;
}

std::string ファイル置換書込(const fs::path& パス, std::string_view 内容) {
  fs::path 仮;
  File f;
  for (int 試行 = 0; !f && 試行 < 100; ++試行) {
    仮 = 仮パス(パス);
    f.reset(std::fopen(仮.c_str(), "wbx"));
    if (!f && errno != EEXIST) return 理由(errno, 操作::書込);
  }
  if (!f) return 理由(EEXIST, 操作::書込);
  int 番号 = 全部書込(f.get(), 内容) ? 0 : errno;
  if (std::fclose(f.release()) != 0 && 番号 == 0) 番号 = errno;
  std::error_code ec;
  if (番号 == 0) {
    fs::rename(仮, パス, ec);
    if (!ec) return "";
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
