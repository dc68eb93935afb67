#include "records/kifu.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>
#include <utility>

#include "records/sjis.h"
#include "rules/message.h"

namespace qz {
namespace {

constexpr std::string_view 改行 = "\r\n";

// The eleven fields of a move line, left to right, with their widths.
enum 欄番号 {
  元X欄,
  元Y欄,
  先X欄,
  先Y欄,
  先駒欄,
  元駒欄,
  取駒欄,
  前秒M欄,
  後秒M欄,
  前秒C欄,
  後秒C欄
};
constexpr std::array<int, 11> 欄幅 = {2, 1, 1, 1, 4, 4, 4, 5, 5, 5, 5};

std::string 右寄せ(long long 値, int 幅) {
  std::string t = std::to_string(値);
  if (static_cast<int>(t.size()) < 幅) t.insert(0, static_cast<std::size_t>(幅) - t.size(), ' ');
  return t;
}

// The whole seconds of a clock as written: its integer part, or 99999 when
// that does not fit five characters.
long long 時計欄値(double 秒) {
  if (!std::isfinite(秒)) return 時計最大値;
  const double 整数部 = std::trunc(秒);
  if (整数部 > 時計最大値 || 整数部 < -9999) return 時計最大値;
  return static_cast<long long>(整数部);
}

bool 行末文字(char c) {
  return c == '\r' || c == '\n';
}

// The position of the first line end in s from 位置 on, or npos (a plain
// loop: find_first_of tests each byte against its set one call at a time).
std::size_t 行末位置(std::string_view s, std::size_t 位置 = 0) {
  for (std::size_t i = 位置; i < s.size(); ++i)
    if (行末文字(s[i])) return i;
  return std::string_view::npos;
}

// Hands out the lines of a text one at a time, ending at CR LF, a lone CR or
// a lone LF; text after the last line end is a last line of its own. CR and
// LF never occur inside a Shift-JIS character.
class 行読み {
 public:
  explicit 行読み(std::string_view 内容) : 残り_(内容) {}
  bool 次(std::string_view& 行) {
    if (残り_.empty()) return false;
    const std::size_t 末 = 行末位置(残り_);
    if (末 == std::string_view::npos) {
      行 = std::exchange(残り_, std::string_view{});
      return true;
    }
    行 = 残り_.substr(0, 末);
    const bool crlf = 残り_[末] == '\r' && 末 + 1 < 残り_.size() && 残り_[末 + 1] == '\n';
    残り_.remove_prefix(末 + (crlf ? 2 : 1));
    return true;
  }
  std::string_view 残り() const { return 残り_; }

 private:
  std::string_view 残り_;
};

// The text up to the end of its last line that is not blank: the blank lines
// at the very end are no moves.
std::string_view 末尾の空白行を除く(std::string_view 内容) {
  std::size_t n = 内容.size();
  while (n > 0 && (内容[n - 1] == ' ' || 内容[n - 1] == '\t' || 行末文字(内容[n - 1]))) --n;
  if (n == 0) return {};
  return 内容.substr(0, 行末位置(内容, n - 1));
}

// The first 文字数 characters of a Shift-JIS line, as code points. A
// character takes at most two bytes, so only that many bytes are decoded,
// however long the line.
std::u32string 先頭の文字(std::string_view 行, std::size_t 文字数) {
  行 = 行.substr(0, 2 * 文字数);
  const std::string_view 頭 = 行.substr(0, 文字数);
  if (std::all_of(頭.begin(), 頭.end(),
                  [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
    return std::u32string(頭.begin(), 頭.end());  // the common case: plain ASCII digits
  std::u32string 文字 = utf8からコードポイント(sjisからutf8(行));
  if (文字.size() > 文字数) 文字.resize(文字数);
  return 文字;
}

// A header line as UTF-8, cut after 見出し最大文字数 characters.
std::string 見出し解読(std::string_view 行) {
  if (行.size() <= 見出し最大文字数) return sjisからutf8(行);
  return コードポイントからutf8(先頭の文字(行, 見出し最大文字数));
}

// Parses one move line; 理由 says why it is not a move ("" when it is).
手順 棋譜行解読(std::string_view 行, 文面& 理由) {
  const std::u32string 文字 = 先頭の文字(行, 棋譜行文字数);
  if (文字.size() < static_cast<std::size_t>(棋譜行文字数)) {
    理由 = 文面(QZ_TR("37文字に足りません（%1文字）"),
                {文面::数値(static_cast<long long>(文字.size()))});
    return {};
  }
  std::array<int, 11> 値{};
  std::size_t 位置 = 0;
  for (std::size_t i = 0; i < 値.size(); ++i) {
    値[i] = 先頭数値(std::u32string_view(文字).substr(位置, static_cast<std::size_t>(欄幅[i])));
    位置 += static_cast<std::size_t>(欄幅[i]);
  }
  手順 手{値[元X欄],
          値[元Y欄],
          値[先X欄],
          値[先Y欄],
          値[取駒欄],
          値[元駒欄],
          値[先駒欄],
          static_cast<double>(値[前秒M欄]),
          static_cast<double>(値[後秒M欄]),
          static_cast<double>(値[前秒C欄]),
          static_cast<double>(値[後秒C欄])};
  理由 = 手順検査(手);
  return 手;
}

// Lists the characters a header line cannot hold, in 「」, or nothing when
// none; the line breaks among them as one 「改行」 where the first one is.
文面 書けない文字一覧(const std::string& 行) {
  std::vector<char32_t> 文字;
  utf8からsjis(行, 文字);
  for (char32_t c : utf8からコードポイント(行)) {
    if ((c == U'\r' || c == U'\n') && std::find(文字.begin(), 文字.end(), c) == 文字.end())
      文字.push_back(c);
  }
  std::string 前, 後;
  bool 改行済 = false;
  for (char32_t c : 文字) {
    if (c == U'\r' || c == U'\n') {
      改行済 = true;
    } else {
      (改行済 ? 後 : 前) += "「" + コードポイントからutf8(std::u32string(1, c)) + "」";
    }
  }
  if (!改行済) return 文面::そのまま(前);
  return 文面::並べ("%1%2%3", {文面::そのまま(前), QZ_TR("「改行」"), 文面::そのまま(後)});
}

}  // namespace

棋譜見出し 見出し作成(const std::string& 対局名, const std::string& 先手名,
                      const std::string& 後手名, int 先手値, int 手番値_MAN) {
  if (先手値 == 手番値_MAN) return {対局名, 後手名, 先手名, QZ_TR("後手"), QZ_TR("先手")};
  return {対局名, 先手名, 後手名, QZ_TR("先手"), QZ_TR("後手")};
}

std::string 棋譜行作成(const 手順& 手) {
  assert(手順検査(手).empty());
  return 右寄せ(手.元X, 2) + 右寄せ(手.元Y, 1) + 右寄せ(手.先X, 1) + 右寄せ(手.先Y, 1) +
         右寄せ(手.先駒, 4) + 右寄せ(手.元駒, 4) + 右寄せ(手.取駒, 4) +
         右寄せ(時計欄値(手.前秒M), 5) + 右寄せ(時計欄値(手.後秒M), 5) +
         右寄せ(時計欄値(手.前秒C), 5) + 右寄せ(時計欄値(手.後秒C), 5);
}

棋譜符号化結果 棋譜符号化(const 棋譜見出し& 見出し, std::span<const 手順> 手) {
  棋譜符号化結果 結果;
  const std::array<std::pair<const std::string*, std::string>, 3> 行 = {{
      {&見出し.対局名, QZ_TR("対局名")},
      {&見出し.上側名, 見出し.上側欄},
      {&見出し.下側名, 見出し.下側欄},
  }};
  for (const auto& [文, 欄] : 行) {
    文面 理由;
    if (文面 一覧 = 書けない文字一覧(*文); !一覧.empty())
      理由 = 文面(QZ_TR("%1に棋譜ﾌｧｲﾙに書けない文字があります：%2"), {欄, std::move(一覧)});
    else if (utf8からコードポイント(*文).size() > 名前最大文字数)
      理由 = 文面(QZ_TR("%1が長すぎます（%2文字まで）"), {欄, 文面::数値(名前最大文字数)});
    if (理由.empty()) continue;
    結果.文言 = 結果.文言.empty() ? std::move(理由)
                                  : 文面::並べ("%1\n%2", {std::move(結果.文言), std::move(理由)});
  }
  if (!結果.文言.empty()) return 結果;
  for (std::size_t i = 0; i < 手.size(); ++i) {
    文面 理由 = 手順検査(手[i]);
    if (!理由.empty()) {
      結果.文言 = 文面(QZ_TR("%1手目の記録が正しくありません（%2）"),
                       {文面::数値(static_cast<long long>(i + 1)), std::move(理由)});
      return 結果;
    }
  }
  std::vector<char32_t> 不要;
  for (const auto& [文, 欄] : 行) 結果.内容 += utf8からsjis(*文, 不要) += 改行;
  結果.内容.reserve(結果.内容.size() + 手.size() * (棋譜行文字数 + 2));
  for (const 手順& m : 手) 結果.内容 += 棋譜行作成(m) += 改行;
  return 結果;
}

int 先頭数値(std::u32string_view 欄) {
  std::size_t i = 0;
  while (i < 欄.size() && (欄[i] == U' ' || 欄[i] == U'\t')) ++i;
  const bool 負 = i < 欄.size() && 欄[i] == U'-';
  if (負) ++i;
  long long 値 = 0;
  for (; i < 欄.size() && 欄[i] >= U'0' && 欄[i] <= U'9'; ++i) {
    if (値 < 1'000'000'000) 値 = 値 * 10 + (欄[i] - U'0');
  }
  return static_cast<int>(負 ? -値 : 値);
}

文面 手順検査(const 手順& 手) {
  const bool 駒台から = 手.元X == MAN持駒X || 手.元X == COM持駒X;
  if (!(盤上(手.元X, 手.元Y) || (駒台から && 手.元Y >= 1 && 手.元Y <= 9)))
    return 文面(QZ_TR("移動元（%1, %2）が盤にも駒台にもありません"),
                {文面::数値(手.元X), 文面::数値(手.元Y)});
  if (!盤上(手.先X, 手.先Y))
    return 文面(QZ_TR("移動先（%1, %2）が盤の外です"), {文面::数値(手.先X), 文面::数値(手.先Y)});
  if (!駒コード(手.先駒))
    return 文面(QZ_TR("移動後の駒（%1）が駒コードではありません"), {文面::数値(手.先駒)});
  if (!駒コード(手.元駒))
    return 文面(QZ_TR("移動前の駒（%1）が駒コードではありません"), {文面::数値(手.元駒)});
  if (手.取駒 != 0 && !駒コード(手.取駒))
    return 文面(QZ_TR("取った駒（%1）が駒コードではありません"), {文面::数値(手.取駒)});
  return "";
}

// Whether a decoded header line is text a writer could have put there: no
// undecodable bytes, no control characters, not too long.
static bool 見出しらしい(const std::string& 行) {
  const std::u32string 字 = utf8からコードポイント(行);
  if (字.size() > 名前最大文字数) return false;
  for (const char32_t c : 字)
    if (c == U'\uFFFD' || c < 0x20 || c == 0x7F) return false;
  return true;
}

棋譜読込結果 棋譜解読(std::string_view 内容) {
  棋譜読込結果 結果;
  // A text file may end with an end-of-file mark (Ctrl+Z); nothing after it
  // is read. It is never part of a Shift-JIS character.
  内容 = 内容.substr(0, 内容.find('\x1a'));
  行読み 行(内容);

  // The header reads do not stop at the end of the file: a missing line
  // leaves the previous one in the buffer.
  std::string 文字列;
  std::array<std::string*, 3> 見出し = {&結果.見出し.対局名, &結果.見出し.上側名,
                                        &結果.見出し.下側名};
  std::string_view 一行;
  for (std::string* 欄 : 見出し) {
    if (行.次(一行)) {
      文字列 = 見出し解読(一行);
      if (!見出しらしい(文字列)) 結果.記録でない = true;
    }
    *欄 = 文字列;
  }
  const std::string_view 手の部分 = 末尾の空白行を除く(行.残り());
  // Every move line holds 37 characters of at least one byte each, so this
  // many moves at most; the line ends count them more closely.
  const std::size_t 行末数 =
      static_cast<std::size_t>(std::count_if(手の部分.begin(), 手の部分.end(), 行末文字));
  結果.手.reserve(std::min(行末数 + 1, 手の部分.size() / 棋譜行文字数 + 1));
  行読み 手の行(手の部分);
  for (int 行番号 = 4; 手の行.次(一行); ++行番号) {
    文面 理由;
    const 手順 手 = 棋譜行解読(一行, 理由);
    if (!理由.empty()) {
      結果.不正行 = 行番号;
      結果.不正理由 = std::move(理由);
      break;
    }
    結果.手.push_back(手);
  }
  return 結果;
}

std::vector<棋譜メッセージ> 読込メッセージ(const 棋譜読込結果& 結果, const std::string& ファイル名,
                                           bool 貼り付け) {
  std::vector<棋譜メッセージ> 一覧;
  if (結果.不正行 > 0) {
    // A pasted record's message reads the same in Japanese, but its
    // translation speaks of the pasted record, not of a file.
    const char* 文 =
        QZ_TR("棋譜ﾌｧｲﾙの%1行目が正しくありません（%2）。%1行目から先は読み込みません");
    const char* 貼り付けの鍵 =
        QZ_TR("貼り付けた棋譜の%1行目が正しくありません（%2）。%1行目から先は読み込みません");
    文面 m = 貼り付け ? 文面::別鍵(貼り付けの鍵, 文) : 文面(文);
    m.値 = {文面::数値(結果.不正行), 結果.不正理由};
    一覧.push_back({std::move(m), QZ_TR("棋譜")});
  }
  if (結果.手.empty()) {
    const char* 文 = QZ_TR("棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません");
    const char* 貼り付けの鍵 = QZ_TR("貼り付けた棋譜にﾃﾞｰﾀがありません");
    一覧.push_back({貼り付け ? 文面::別鍵(貼り付けの鍵, 文) : 文面(文), QZ_TR("棋譜")});
    return 一覧;
  }
  const 文面 名前 = 貼り付け ? 文面(QZ_TR("クリップボード")) : 文面::そのまま(ファイル名);
  一覧.push_back({文面(QZ_TR("%1 %2手 読み込みました"),
                       {名前, 文面::数値(static_cast<long long>(結果.手.size()))}),
                  QZ_TR("棋譜"), true});
  一覧.push_back({QZ_TR("棋譜を '進 'で進めて下さい"), QZ_TR("棋譜"), true});
  return 一覧;
}

棋譜先手 棋譜先手判定(const 手順& 第一手, int 手番値_MAN, int 手番値_COM) {
  if (第一手.元駒 >= 歩) return {1, 手番値_COM, 手番値_MAN};
  return {0, 手番値_MAN, 手番値_COM};
}

void 手順記録へ読込(手順記録& 記録, std::span<const 手順> 手) {
  const int n = static_cast<int>(手.size());
  記録.長さ設定(n);
  for (int i = 1; i <= n; ++i) 記録[i] = 手[static_cast<std::size_t>(i - 1)];
  記録.手順_現在 = 0;
}

}  // namespace qz
