// Where the window opens: its place and size as the settings file keeps
// them ("窓=x,y,w,h", the frame's top-left corner and the window's own
// size in logical pixels), and that place brought onto a screen that exists.
// Free of widgets, so that it is tested on its own.
#pragma once

#include <QList>
#include <QRect>
#include <QSize>
#include <optional>
#include <string>
#include <string_view>

namespace qz {

// The settings line's key.
inline constexpr const char* windowPlaceKey = "窓";

// "x,y,w,h" for a place, and back; nothing for any other text or a size
// too small to show the board.
std::string placeText(const QRect& place);
std::optional<QRect> placeFromText(std::string_view text);

// The place moved (and if need be shrunk) so that the window and its frame
// lie wholly on one of the screens' available areas: the one it overlaps
// most, or the first when it overlaps none. `frame` is what the frame adds
// to the window's size. With no screens the place is left as it is.
QRect placeOnScreens(const QRect& place, const QSize& frame, const QList<QRect>& available);

// Whether a window of this size and its frame fit in the available area.
bool fitsIn(const QSize& window, const QSize& frame, const QRect& available);

}  // namespace qz
