#include "records/formats.h"

#include <algorithm>
#include <array>

#include "records/csa.h"
#include "records/kif.h"
#include "records/kifu.h"
#include "records/kifu_file.h"
#include "records/record_text.h"
#include "records/sjis.h"
#include "records/usi.h"
#include "rules/rules.h"

namespace qz {
namespace {

std::string 小文字に(std::string_view s) {
  std::string r(s);
  for (char& c : r)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return r;
}

struct 形式名 {
  std::string_view 名;
  棋譜形式 形式;
};
constexpr std::array<形式名, 6> 形式名表 = {{{"棋譜", 棋譜形式::棋譜},
                                             {"kif", 棋譜形式::KIF},
                                             {"kifu", 棋譜形式::KIFU},
                                             {"csa", 棋譜形式::CSA},
                                             {"usi", 棋譜形式::USI},
                                             {"sfen", 棋譜形式::USI}}};

bool 棋譜の指し手行(std::string_view s) {
  return s.size() == 37 && s.find_first_not_of(" -0123456789") == std::string_view::npos;
}

bool CSAの行(std::string_view s) {
  for (std::string_view p : {"V2", "V3", "N+", "N-", "PI", "P1", "P+", "P-", "$", "'CSA"})
    if (s.starts_with(p)) return true;
  return s.size() == 7 && (s[0] == '+' || s[0] == '-') && s[1] >= '0' && s[1] <= '9';
}

bool USIの始め(std::string_view s) {
  for (std::string_view p : {"position ", "sfen ", "startpos"})
    if (s.starts_with(p)) return true;
  // An SFEN board: ranks of letters, digits and '+' between slashes.
  const std::string_view 盤 = s.substr(0, s.find(' '));
  return 盤.find('/') != std::string_view::npos &&
         盤.find_first_not_of("/+123456789plnsgbrkPLNSGBRK") == std::string_view::npos;
}

// A .棋譜 file as a record: the moves from the initial position, turned
// round as any game played here is.
// The record of a .棋譜 file read: from the initial position, turned as
// other programs expect.
記録読込結果 棋譜の記録(const 棋譜読込結果& f) {
  履歴の対局 対局;
  初期配置(対局.開始);
  対局.手 = f.手;
  対局.MAN先 = f.手.empty() || MAN駒(f.手[0].元駒);
  const bool 反転 = 標準の向きに反転するか(対局.開始, 対局.MAN先);
  記録読込結果 r = 対局から記録(対局, 反転);
  if (r.不正行 != 0) {
    r.不正行 += 3;
  } else {
    r.不正行 = f.不正行;
    r.不正理由 = f.不正理由;
  }
  r.記録.棋戦 = f.見出し.対局名;
  r.記録.下手名 = 反転 ? f.見出し.上側名 : f.見出し.下側名;
  r.記録.上手名 = 反転 ? f.見出し.下側名 : f.見出し.上側名;
  return r;
}

記録読込結果 棋譜ファイルの記録(std::string_view 内容) {
  return 棋譜の記録(棋譜解読(内容));
}

棋譜書出結果 棋譜ファイルに(const 対局記録& r) {
  const 履歴の対局 対局 = 記録から対局(r);
  局面 初期;
  初期配置(初期);
  if (対局.開始.盤面 != 初期.盤面 || 対局.開始.持駒_MAN.合計 != 0 || 対局.開始.持駒_COM.合計 != 0)
    return {"", QZ_TR("棋譜ﾌｧｲﾙには初期配置から始まる対局しか書けません")};
  棋譜見出し 見出し;
  見出し.対局名 = r.棋戦;
  見出し.上側名 = r.反転 ? r.下手名 : r.上手名;
  見出し.下側名 = r.反転 ? r.上手名 : r.下手名;
  const 棋譜符号化結果 f = 棋譜符号化(見出し, 対局.手);
  return {f.内容, f.文言};
}

棋譜書出結果 sjisで(const std::string& 文書, const char* 形式) {
  const std::string 書けない = sjisに書けない文字(文書);
  if (!書けない.empty())
    return {"", 文面(QZ_TR("%1（Shift-JIS）に書けない文字があります：%2"),
                     {形式, 文面::そのまま(書けない)})};
  std::vector<char32_t> 不要;
  return {utf8からsjis(文書, 不要), ""};
}

}  // namespace

棋譜形式 拡張子の形式(std::string_view ファイル名) {
  const std::size_t p = ファイル名.rfind('.');
  if (p == std::string_view::npos) return 棋譜形式::不明;
  const std::string 拡張子 = 小文字に(ファイル名.substr(p + 1));
  return 名前の形式(拡張子);
}

棋譜形式 名前の形式(std::string_view 名) {
  const std::string n = 小文字に(名);
  for (const 形式名& f : 形式名表)
    if (f.名 == n) return f.形式;
  return 棋譜形式::不明;
}

棋譜形式 内容の形式(std::string_view 内容) {
  const auto 行 = 行に分ける(内容);
  for (std::size_t i = 3; i < std::min<std::size_t>(行.size(), 4); ++i)
    if (棋譜の指し手行(行[i].文)) return 棋譜形式::棋譜;
  for (const 文書行& l : 行) {
    const std::string_view s = 前後の空白除去(l.文);
    if (s.empty() || s[0] == '#') continue;
    if (USIの始め(s)) return 棋譜形式::USI;
    if (CSAの行(s)) return 棋譜形式::CSA;
    if (s.find("：") != std::string_view::npos || s.starts_with("手数") || s.starts_with("|") ||
        (s[0] >= '0' && s[0] <= '9'))
      return 棋譜形式::KIF;
  }
  return 棋譜形式::不明;
}

記録読込結果 棋譜を読む(棋譜形式 形式, std::string_view 内容) {
  if (形式 == 棋譜形式::不明) 形式 = 内容の形式(内容);
  switch (形式) {
    case 棋譜形式::棋譜:
      return 棋譜ファイルの記録(内容);
    case 棋譜形式::KIF:
    case 棋譜形式::KIFU:
      return KIF解読(内容);
    case 棋譜形式::CSA:
      return CSA解読(内容);
    case 棋譜形式::USI:
      return USI解読(内容);
    case 棋譜形式::不明:
      break;
  }
  記録読込結果 r;
  r.不正行 = 1;
  r.不正理由 = QZ_TR("KIF・CSA・SFEN・USIのどれとも分かりません");
  return r;
}

namespace {

棋譜書出結果 形式で書く(棋譜形式 形式, const 対局記録& r) {
  switch (形式) {
    case 棋譜形式::棋譜:
      return 棋譜ファイルに(r);
    case 棋譜形式::KIF:
      return sjisで(KIF文書(r), QZ_TR("KIFファイル"));
    case 棋譜形式::KIFU:
      return {KIF文書(r), ""};
    case 棋譜形式::CSA: {
      const std::string v2 = CSA文書(r);
      if (sjisに書けない文字(v2).empty()) return sjisで(v2, QZ_TR("CSAファイル"));
      return {CSA文書V3(r), ""};
    }
    case 棋譜形式::USI:
      return {USI文書(r) + "\n", ""};
    case 棋譜形式::不明:
      break;
  }
  return {"", QZ_TR("書き出す形式が分かりません")};
}

}  // namespace

棋譜書出結果 棋譜を書く(棋譜形式 形式, const 対局記録& r) {
  棋譜書出結果 w = 形式で書く(形式, r);
  // What the readers would refuse is not written.
  if (w.内容.size() > 棋譜最大バイト数) return {"", QZ_TR("棋譜ﾌｧｲﾙが大きすぎます")};
  return w;
}

namespace {

窓の読込 棋譜の窓の読込(const 棋譜読込結果& f, const std::string& 名前, bool 貼り付け) {
  窓の読込 w;
  w.知らせ = 読込メッセージ(f, 名前, 貼り付け);
  初期配置(w.対局.開始);
  w.対局.手 = f.手;
  w.対局.MAN先 = w.対局.手.empty() || MAN駒(w.対局.手[0].元駒);
  w.見出し = f.見出し;
  w.記録 = 棋譜の記録(f).記録;
  return w;
}

窓の読込 窓に読む(棋譜形式 形式, std::string_view 内容, const std::string& 名前, bool 貼り付け) {
  if (形式 == 棋譜形式::不明) 形式 = 内容の形式(内容);
  窓の読込 w;
  if (形式 == 棋譜形式::棋譜) {
    // A .棋譜 is read as the record panel reads it.
    return 棋譜の窓の読込(棋譜解読(内容), 名前, 貼り付け);
  }
  const 記録読込結果 r = 棋譜を読む(形式, 内容);
  w.記録 = r.記録;
  w.対局 = 記録から対局(r.記録);
  w.見出し.対局名 = r.記録.棋戦;
  w.見出し.上側名 = r.記録.反転 ? r.記録.下手名 : r.記録.上手名;
  w.見出し.下側名 = r.記録.反転 ? r.記録.上手名 : r.記録.下手名;
  棋譜読込結果 f;
  f.手 = w.対局.手;
  f.不正行 = r.不正行;
  f.不正理由 = r.不正理由;
  w.知らせ = 読込メッセージ(f, 名前, 貼り付け);
  // Branches refused are told after the game's own refusal, if any.
  if (r.変化不正行 != 0) {
    const auto 位置 = w.知らせ.begin() + (r.不正行 != 0 ? 1 : 0);
    const 文面 名 = 貼り付け ? 文面(QZ_TR("クリップボード")) : 文面::そのまま(名前);
    w.知らせ.insert(位置, {変化中止の文言(r, 名), QZ_TR("棋譜"), false});
  }
  return w;
}

}  // namespace

窓の読込 棋譜の窓の読込(const 棋譜読込結果& f, const std::string& 名前) {
  return 棋譜の窓の読込(f, 名前, false);
}

窓の読込 窓に読む(棋譜形式 形式, std::string_view 内容, const std::string& 名前) {
  return 窓に読む(形式, 内容, 名前, false);
}

窓の読込 貼り付けを読む(std::string_view 内容) {
  return 窓に読む(棋譜形式::不明, 内容, QZ_TR("クリップボード"), true);
}

文面 変化中止の文言(const 記録読込結果& r, const 文面& 名前) {
  return 文面(QZ_TR("%1 の %2行目からの変化が読めません（%3）。本譜とその前の変化を読みました"),
              {名前, 文面::数値(r.変化不正行), r.変化不正理由});
}

文面 読込中止の文言(const 記録読込結果& r, std::string_view 名前) {
  return 文面(QZ_TR("%1 の %2行目が読めません（%3）。%4手目まで読みました"),
              {文面::そのまま(名前), 文面::数値(r.不正行), r.不正理由,
               文面::数値(static_cast<long long>(r.記録.手.size()))});
}

}  // namespace qz
