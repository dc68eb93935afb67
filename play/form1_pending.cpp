// Handlers whose behaviour is still to be written: stepping, reversal and
// record files (form1_records.cpp). Move each one out of here as it is written.
#include "play/form1.h"

namespace qz {

void Form1::STOP_Click() {}
void Form1::CANCEL_Click() {}
void Form1::REVERSE_Click() {}
void Form1::REPLAY_Click() {}
void Form1::AFTER_Click() {}
void Form1::KIFU_READ_Click() {}
void Form1::KIFU_WRITE_Click() {}
// Called by the start commands; the record files fill it in.
void Form1::描画_棋譜読込み部分消去() {}

}  // namespace qz
