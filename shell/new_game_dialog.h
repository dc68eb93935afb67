// The new-game dialog: opponent, side, level, handicap, time control and
// repetition, opened on the last choices.
#pragma once

#include <optional>

#include "play/new_game.h"

class QWidget;

namespace qz {

// Shows the dialog over parent; what was chosen, or nothing when cancelled.
std::optional<新規対局設定> runNewGameDialog(QWidget* parent, const 新規対局設定& last);

}  // namespace qz
