// The board editor: any position set up on the board and in both hands,
// the side to move chosen, checked as an SFEN is, copied as SFEN.
#pragma once

#include <optional>
#include <string>

class QWidget;

namespace qz {

// Shows the editor over parent, opened on the position of sfen (the start
// position when it cannot be read): the position set up, as SFEN, or
// nothing when cancelled. A position no game could reach is refused with
// the reason shown.
std::optional<std::string> runBoardEditorDialog(QWidget* parent, const std::string& sfen);

}  // namespace qz
