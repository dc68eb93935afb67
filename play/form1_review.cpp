// 棋譜解析: the game review of the window. Every move of the history is
// searched apart from the window under a progress bar; the moves that lost
// much are marked in the move list with the better move, each side's
// findings are summed up in a box, and a KIF saved keeps them as comments.
#include <cmath>

#include "play/form1.h"

namespace qz {
namespace {

bool 同じ手(const 指し手& a, const qz::手順& h) {
  return a.元X == h.元X && a.元Y == h.元Y && a.先X == h.先X && a.先Y == h.先Y && a.元駒 == h.元駒 &&
         a.先駒 == h.先駒;
}

}  // namespace

const 手の解析* Form1::手の解析結果(int n) const {
  if (n < 1 || n > static_cast<int>(解析結果.size()) || n > 対局値.手順.保持数()) return nullptr;
  if (!同じ手(解析した手[static_cast<std::size_t>(n - 1)], 対局値.手順[n])) return nullptr;
  return &解析結果[static_cast<std::size_t>(n - 1)];
}

std::string Form1::解析の印(int n) const {
  const 手の解析* a = 手の解析結果(n);
  if (a == nullptr || a->評 == 手の評::普通) return "";
  std::string 最善 = a->最善;
  if (a->最善手) {
    // The better move as the list writes its moves: the first mover ▲.
    const 指し手& m = *a->最善手;
    最善 = std::string(対局値.駒の側値(m.元駒) == 対局値.先手値 ? "▲" : "△") +
           文字列変換(10 - m.先X) + 文字列変換(1000 + m.先Y) + 文字列変換(m.先駒) +
           (m.打つ() ? "打" : "");
  }
  return std::string(a->評 == 手の評::悪手 ? " 悪手" : " 疑問手") + "→" + 最善;
}

void Form1::注釈から解析(const 対局記録& r) {
  解析した手.clear();
  解析結果.clear();
  const int 数 = std::min(static_cast<int>(r.手.size()), 対局値.手順.保持数());
  for (int i = 1; i <= 数; ++i) {
    const auto it = r.注釈.find(static_cast<std::size_t>(i));
    const qz::手順& h = 対局値.手順[i];
    const auto a =
        it == r.注釈.end() ? std::nullopt : 注釈の解析(it->second, MAN駒(h.元駒), r.反転);
    if (!a) break;  // the review covers the moves up to the first without one
    解析した手.push_back({h.元X, h.元Y, h.先X, h.先Y, h.元駒, h.先駒});
    解析結果.push_back(*a);
  }
}

void Form1::解析を注釈へ(対局記録& r) const {
  const bool 反転 = 対局値.記録は反転();
  for (std::size_t i = 0; i < r.手.size(); ++i)
    if (const 手の解析* a = 手の解析結果(static_cast<int>(i) + 1))
      r.注釈[i + 1] = 解析の注釈(*a, 反転);
}

void Form1::REVIEW_Click() {
  処理区間 区間(処理中);
  if (!区間.入れた()) return;
  if (思考中) return 状態表示(文面(QZ_TR("棋譜解析：%1"), {QZ_TR("ｺﾝﾋﾟｭｰﾀの番です")}));
  解析局面 局面 = 解析の局面(対局値);
  if (局面.手.empty())
    return 状態表示(文面(QZ_TR("棋譜解析：%1"), {QZ_TR("解析する手がありません")}));
  const std::optional<解析条件> 条件 = p.window.askReview();
  if (!条件) return;
  std::vector<手の解析> r;
  const bool 最後まで = p.window.runWithProgress(
      QZ_TR("棋譜解析"),
      [&](const std::function<void(int, int)>& 進捗, const std::atomic<bool>* 止め) {
        r = 棋譜を解析する(局面, *条件, 進捗, 止め);
      });
  解析した手.assign(局面.手.begin(), 局面.手.begin() + static_cast<std::ptrdiff_t>(r.size()));
  解析結果 = std::move(r);
  // Each position after a reviewed move is a point of the evaluation graph.
  for (std::size_t i = 0; i < 解析結果.size(); ++i) {
    const 思考依頼& q = 局面.局面[i + 1];
    読みの点.push_back(
        {static_cast<int>(i) + 1, 局面ハッシュ(q.写し, q.MAN手番), 解析結果[i].評価});
  }
  棋譜一覧更新();
  const auto 成績 = 解析の成績(解析結果);
  // [0] is the lower side's: the first mover's comes first in the box.
  const bool MAN先 = 対局値.局.手番値_MAN == 対局値.先手値;
  const 側の成績& 先 = 成績[MAN先 ? 0 : 1];
  const 側の成績& 後 = 成績[MAN先 ? 1 : 0];
  const auto 行 = [](const char* 印, const 側の成績& x) {
    return 文面(QZ_TR("%1 悪手 %2　疑問手 %3　平均損失 %4"),
                {文面::そのまま(印), 文面::数値(x.悪手), 文面::数値(x.疑問手),
                 文面::数値(std::lround(x.平均損失))});
  };
  メッセージ(文面::並べ(最後まで ? "%1\r%2" : "%1\r%2\r%3",
                        {行("▲", 先), 行("△", 後), QZ_TR("（途中で中止しました）")}),
             QZ_TR("棋譜解析"));
}

}  // namespace qz
