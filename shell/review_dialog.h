// The game review's dialog (the search's time per move and the losses that
// mark 悪手 and 疑問手) and the progress bar it runs under.
#pragma once

#include <optional>

#include "play/platform.h"

class QWidget;

namespace qz {

// Shows the dialog over parent; the conditions chosen, or nothing when cancelled.
std::optional<解析条件> runReviewDialog(QWidget* parent, const 解析条件& last);

// Runs job on a thread of its own under a modal progress dialog with a
// cancel button; the window's events go on meanwhile. False when cancelled.
bool runWithProgressDialog(QWidget* parent, const 文面& title, const Window::ProgressJob& job);

}  // namespace qz
