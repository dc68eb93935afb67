#include "records/kifu_file.h"

#include "records/file_io.h"
#include "records/file_write.h"
#include "rules/message.h"

namespace qz {
namespace {

namespace fs = std::filesystem;

fs::path utf8パス(const std::string& s) {
  return fs::path(std::u8string(reinterpret_cast<const char8_t*>(s.data()), s.size()));
}

// The characters a file name typed in the panel may not hold: the folder
// separators of any platform and control characters.
文面 使えない文字(const std::string& 名) {
  // The separators listed as they come, control characters as one
  // 「制御文字」 where the first one is.
  std::string 前, 後;
  bool 制御文字 = false;
  for (const char c : 名) {
    if (c == '/' || c == '\\') {
      const std::string 字 = std::string("「") + c + "」";
      if (前.find(字) == std::string::npos && 後.find(字) == std::string::npos)
        (制御文字 ? 後 : 前) += 字;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      制御文字 = true;
    }
  }
  if (!制御文字) return 文面::そのまま(前);
  return 文面::並べ("%1%2%3", {文面::そのまま(前), QZ_TR("「制御文字」"), 文面::そのまま(後)});
}

}  // namespace

std::string ファイル読込(const fs::path& パス, std::string& 内容) {
  通常ファイル読込結果 r = 通常ファイル読込(パス, 棋譜最大バイト数);
  内容.clear();
  if (r.通常ファイルでない) return 通常でない理由(パス);
  if (r.大きすぎる) return QZ_TR("棋譜ﾌｧｲﾙが大きすぎます");
  if (r.番号 != 0) return ファイル操作の理由(r.番号, ファイル操作::読込);
  内容 = std::move(r.内容);
  return "";
}

棋譜ファイル読込結果 棋譜ファイル読込(const fs::path& パス) {
  棋譜ファイル読込結果 結果;
  auto 失敗 = [&](const std::string& 何故) {
    結果.文言 = 文面::並べ("%1\n%2", {QZ_TR("棋譜ﾌｧｲﾙを読み込めませんでした"), 何故});
    結果.題 = QZ_TR("棋譜");
    return 結果;
  };
  通常ファイル読込結果 r = 通常ファイル読込(パス, 棋譜最大バイト数);
  if (r.通常ファイルでない) return 失敗(通常でない理由(パス));
  if (r.大きすぎる) return 失敗(QZ_TR("棋譜ﾌｧｲﾙが大きすぎます"));
  if (r.番号 != 0) return 失敗(ファイル操作の理由(r.番号, ファイル操作::読込));
  結果.内容 = 棋譜解読(r.内容);
  if (結果.内容.記録でない) return 失敗(QZ_TR("棋譜ﾌｧｲﾙではありません"));
  結果.成功 = true;
  return 結果;
}

fs::path 棋譜パス(const fs::path& フォルダ, const std::string& ファイル名) {
  return フォルダ / utf8パス(ファイル名 + ".棋譜");
}

棋譜ファイル結果 棋譜書込(const fs::path& フォルダ, const std::string& ファイル名,
                          const 棋譜見出し& 見出し, const 手順記録& 記録) {
  if (ファイル名.empty()) return {false, QZ_TR("ﾌｧｲﾙ名が入力されていません"), "  "};
  if (記録.手順_現在 < 1) return {false, QZ_TR("保存するデータがありません"), QZ_TR("棋譜保存")};
  if (文面 文字 = 使えない文字(ファイル名); !文字.empty())
    return {false, 文面(QZ_TR("ﾌｧｲﾙ名に使えない文字があります：%1"), {std::move(文字)}),
            QZ_TR("棋譜保存")};
  const 棋譜符号化結果 符号 = 棋譜符号化(見出し, 記録.手順範囲(記録.手順_現在));
  if (!符号.文言.empty()) return {false, 符号.文言, QZ_TR("棋譜保存")};
  const std::string 何故 = ファイル置換書込(棋譜パス(フォルダ, ファイル名), 符号.内容);
  if (!何故.empty())
    return {false, 文面::並べ("%1\n%2", {QZ_TR("棋譜を書き込めませんでした"), 何故}),
            QZ_TR("棋譜保存")};
  return {true, QZ_TR("棋譜を書き込みました"), "  "};
}

}  // namespace qz
