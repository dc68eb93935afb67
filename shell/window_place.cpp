#include "shell/window_place.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace qz {
namespace {

// Smaller than this the board cannot be made out; larger is no screen.
constexpr int smallestSide = 100;
constexpr int largestCoordinate = 1000000;

// The whole text as one decimal integer (a minus sign allowed).
std::optional<int> integer(std::string_view s) {
  int v = 0;
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (error != std::errc{} || end != s.data() + s.size()) return std::nullopt;
  if (v < -largestCoordinate || v > largestCoordinate) return std::nullopt;
  return v;
}

// How much of the rectangle lies on the area.
long long overlap(const QRect& a, const QRect& b) {
  const QRect r = a & b;
  return r.isEmpty() ? 0 : 1LL * r.width() * r.height();
}

// Moves a span [start, start + length) inside [low, low + room), shrinking it
// when it is longer than the room.
void fitSpan(int& start, int& length, int low, int room, int extra) {
  length = std::max(1, std::min(length, room - extra));
  start = std::clamp(start, low, std::max(low, low + room - length - extra));
}

}  // namespace

std::string placeText(const QRect& place) {
  return std::to_string(place.x()) + "," + std::to_string(place.y()) + "," +
         std::to_string(place.width()) + "," + std::to_string(place.height());
}

std::optional<QRect> placeFromText(std::string_view text) {
  std::vector<int> v;
  for (;;) {
    const std::size_t comma = text.find(',');
    const auto n = integer(text.substr(0, comma));
    if (!n || v.size() == 4) return std::nullopt;
    v.push_back(*n);
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  if (v.size() != 4 || v[2] < smallestSide || v[3] < smallestSide) return std::nullopt;
  return QRect(v[0], v[1], v[2], v[3]);
}

QRect placeOnScreens(const QRect& place, const QSize& frame, const QList<QRect>& available) {
  if (available.isEmpty()) return place;
  const QRect outer(place.topLeft(), place.size() + frame);
  QRect screen = available.first();
  long long best = 0;
  for (const QRect& a : available)
    if (overlap(outer, a) > best) best = overlap(outer, a), screen = a;
  int x = place.x(), y = place.y(), w = place.width(), h = place.height();
  fitSpan(x, w, screen.x(), screen.width(), frame.width());
  fitSpan(y, h, screen.y(), screen.height(), frame.height());
  return {x, y, w, h};
}

bool fitsIn(const QSize& window, const QSize& frame, const QRect& available) {
  return window.width() + frame.width() <= available.width() &&
         window.height() + frame.height() <= available.height();
}

}  // namespace qz
