#include "converter/converter.h"

#include <filesystem>
#include <iostream>
#include <optional>

#include "records/file_write.h"
#include "records/formats.h"
#include "records/kifu_file.h"
#include "records/usi.h"

namespace qz {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view 使い方 =
    "使い方: qzshogi-kifu IN OUT | qzshogi-kifu [--from 形式] IN [--to 形式] OUT | "
    "qzshogi-kifu --final IN（形式: 棋譜 kif kifu csa usi sfen、- は標準入出力）";

struct 引数 {
  std::string 入力, 出力;
  std::optional<棋譜形式> 入力形式, 出力形式;
  bool 最終局面 = false;
};

fs::path パス(const std::string& s) {
  return fs::path(std::u8string(reinterpret_cast<const char8_t*>(s.data()), s.size()));
}

// Parses the arguments; returns the reason they are wrong, or "".
std::string 解析(const std::vector<std::string>& a, 引数& r) {
  std::vector<std::string> 位置;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const std::string& s = a[i];
    if (s == "--final") {
      r.最終局面 = true;
    } else if (s == "--from" || s == "--to") {
      if (i + 1 >= a.size()) return s + " の後に形式がありません";
      const 棋譜形式 f = 名前の形式(a[++i]);
      if (f == 棋譜形式::不明) return "形式「" + a[i] + "」が分かりません";
      (s == "--from" ? r.入力形式 : r.出力形式) = f;
    } else if (s.size() > 1 && s[0] == '-' && s != "-") {
      return "オプション「" + s + "」が分かりません";
    } else {
      位置.push_back(s);
    }
  }
  if (位置.size() != (r.最終局面 ? 1u : 2u)) return std::string(使い方);
  r.入力 = 位置[0];
  if (!r.最終局面) r.出力 = 位置[1];
  return "";
}

int 失敗(std::ostream& err, const std::string& 文言) {
  err << "qzshogi-kifu: " << 文言 << '\n';
  return 1;
}

// Reads standard input whole, up to the size a record file may have; "" or
// the reason it could not.
std::string 標準入力読込(std::istream& in, std::string& 内容) {
  char 塊[1 << 16];
  while (in.read(塊, sizeof 塊) || in.gcount() > 0) {
    const auto n = static_cast<std::size_t>(in.gcount());
    if (内容.size() + n > 棋譜最大バイト数) return "棋譜ﾌｧｲﾙが大きすぎます";
    内容.append(塊, n);
  }
  return "";
}

// Writes text to standard output and sees that it got there.
int 標準出力へ(std::ostream& out, std::ostream& err, std::string_view 文) {
  out << 文;
  out.flush();
  return out.good() ? 0 : 失敗(err, "標準出力に書き込めません");
}

// Writes the record read where the arguments say; 0, or 1 after its one line.
int 書き出す(const 引数& a, const 記録読込結果& r, std::ostream& out, std::ostream& err) {
  if (a.最終局面) return 標準出力へ(out, err, 最終局面SFEN(r.記録) + '\n');
  const 棋譜形式 出力形式 = a.出力形式.value_or(拡張子の形式(a.出力));
  if (出力形式 == 棋譜形式::不明)
    return 失敗(err, a.出力 + " の形式が分かりません（--to で指定して下さい）");
  const 棋譜書出結果 w = 棋譜を書く(出力形式, r.記録);
  if (!w.文言.empty()) return 失敗(err, a.出力 + " に書けません（" + w.文言.日本語() + "）");
  if (a.出力 == "-") return 標準出力へ(out, err, w.内容);
  // Like any command-line tool, a FIFO is written once something reads it.
  const 書込方針 方針{.読み手を待つ = true};
  if (const std::string 何故 = ファイル置換書込(パス(a.出力), w.内容, 方針); !何故.empty())
    return 失敗(err, a.出力 + " に書き込めません（" + 何故 + "）");
  return 0;
}

}  // namespace

int 変換実行(const std::vector<std::string>& 引数列, std::istream& in, std::ostream& out,
             std::ostream& err) {
  引数 a;
  if (const std::string 何故 = 解析(引数列, a); !何故.empty()) return 失敗(err, 何故);
  std::string 内容;
  if (a.入力 == "-") {
    if (const std::string 何故 = 標準入力読込(in, 内容); !何故.empty())
      return 失敗(err, "標準入力 を読み込めません（" + 何故 + "）");
  } else if (const std::string 何故 = ファイル読込(パス(a.入力), 内容); !何故.empty()) {
    return 失敗(err, a.入力 + " を読み込めません（" + 何故 + "）");
  }
  const 棋譜形式 入力形式 =
      a.入力形式.value_or(a.入力 == "-" ? 棋譜形式::不明 : 拡張子の形式(a.入力));
  const 記録読込結果 r = 棋譜を読む(入力形式, 内容);
  const std::string 名前 = a.入力 == "-" ? "標準入力" : a.入力;
  if (r.不正行 != 0) return 失敗(err, 読込中止の文言(r, 名前).日本語());
  const int 結果 = 書き出す(a, r, out, err);
  // Branches refused are told once the game is converted without them.
  if (結果 == 0 && r.変化不正行 != 0)
    err << "qzshogi-kifu: " << 変化中止の文言(r, 文面::そのまま(名前)).日本語() << '\n';
  return 結果;
}

}  // namespace qz
