// The record-file panel's visibility and the handicap refusal message.
#include <string>

#include "play/form1.h"

namespace qz {

void Form1::描画_可視(bool a, bool b, bool c) {
  p.recordPanel.setListsVisible(a, b, c);
}

void Form1::描画_棋譜_IO(int フラグ) {
  p.recordPanel.setTextPanelVisible(フラグ == 0);
}

void Form1::描画_メッセージ(int IN_メッセージ番号) {
  const char* 理由 = "";
  switch (IN_メッセージ番号) {
    case 1:
      理由 = QZ_TR("棋譜ﾓｰﾄﾞではできません");
      break;
    case 2:
      理由 = QZ_TR("対局途中ではできません");
      break;
    case 3:
      理由 = QZ_TR("反転後ではできません");
      break;
    default:
      break;
  }
  メッセージ(文面::並べ("%1\r\r%2", {理由, QZ_TR("局面→最初にして下さい")}),
             QZ_TR("ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定"));
}

}  // namespace qz
