// Handlers whose behaviour is still to be written: game flow
// (form1_game.cpp), mouse input (form1_mouse.cpp), levels and handicaps
// (form1_level.cpp), stepping, reversal and record files
// (form1_records.cpp). Move each one out of here as it is written.
#include "play/form1.h"

namespace qz {

void Form1::TAIKYOKU_Click() {}
void Form1::MATCH_MAN_Click() {}
void Form1::START_Click() {}
void Form1::SENTE_Click() {}
void Form1::GOTE_Click() {}
void Form1::LEVEL1_Click() {}
void Form1::LEVEL2_Click() {}
void Form1::LEVEL3_Click() {}
void Form1::STOP_Click() {}
void Form1::CANCEL_Click() {}
void Form1::REVERSE_Click() {}
void Form1::REPLAY_Click() {}
void Form1::AFTER_Click() {}
void Form1::LBEL_UP_Click() {}
void Form1::LEBEL_DOWN_Click() {}
void Form1::KIFU_READ_Click() {}
void Form1::KIFU_WRITE_Click() {}
void Form1::Form_MouseDown(int /*Button*/, int /*Shift*/, double /*X*/, double /*Y*/) {}

}  // namespace qz
