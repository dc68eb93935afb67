// The drawing surface every painter draws on, the pictures it knows, and
// the 16-colour palette. Positions are in twips (15 to a logical pixel) and
// may be fractional; the surface decides how they land on device pixels.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "rules/message.h"

namespace qz {

// The standard 16-colour palette as 0xRRGGBB, indexed by colour number.
constexpr std::array<std::uint32_t, 16> パレット = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
    0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

// Every picture of the window. The 56 piece pictures run side by side
// (SITA then UE), set by set (ordinary then frozen), kind by kind in the
// order of 駒絵順; then the five background tiles and the title picture.
enum class Picture : std::uint8_t {
  KARA_MASU = 0,
  FirstPiece = 1,
  HAIKEI_MIDORI = 57,
  HAIKEI_TATAMI,
  HAIKEI_TAKE,
  HAIKEI_UCHU,
  HAIKEI_RENGA,
  QZSHOGI,
};
constexpr int pictureCount = 63;
constexpr int pieceKinds = 14;  // pictures of one side in one set

// The piece kinds in picture order: magnitude of the code and file stem.
struct PieceKind {
  int code;
  std::string_view stem;  // "HU_0", "KIN", ...
};
constexpr std::array<PieceKind, pieceKinds> 駒絵順 = {{
    {10, "HU_0"},
    {11, "HU_1"},
    {20, "KYOU_0"},
    {21, "KYOU_1"},
    {30, "KEI_0"},
    {31, "KEI_1"},
    {100, "GIN_0"},
    {101, "GIN_1"},
    {110, "KIN"},
    {800, "KAKU_0"},
    {801, "KAKU_1"},
    {900, "SYA_0"},
    {901, "SYA_1"},
    {950, "OU"},
}};

// The piece picture of a side (upper = positive codes), set and kind index.
constexpr Picture piecePicture(bool upper, bool frozen, int kind) {
  return static_cast<Picture>(1 + (upper ? 2 * pieceKinds : 0) + (frozen ? pieceKinds : 0) + kind);
}

// What a piece picture shows; meaningful only for the 56 piece pictures.
struct PieceFace {
  bool upper;
  bool frozen;
  int kind;  // index into 駒絵順
};
constexpr bool isPiece(Picture p) {
  return static_cast<int>(p) >= 1 && static_cast<int>(p) <= 4 * pieceKinds;
}
constexpr PieceFace pieceFace(Picture p) {
  const int i = static_cast<int>(p) - 1;
  return {i >= 2 * pieceKinds, (i / pieceKinds) % 2 == 1, i % pieceKinds};
}

// The file name stem of a picture: "SITA_HU_0", "UE_KIN2", "HAIKEI_TAKE" ...
std::string pictureName(Picture p);

// A picture's natural size in logical pixels.
struct PixelSize {
  int width;
  int height;
};
constexpr PixelSize pictureSize(Picture p) {
  if (p == Picture::QZSHOGI) return {140, 63};
  if (p >= Picture::HAIKEI_MIDORI) return {34, 41};
  return {33, 41};
}

// A point of the window in twips.
struct Point {
  double x = 0, y = 0;
  bool operator==(const Point&) const = default;
};

// What the painters draw on.
class Surface {
 public:
  virtual ~Surface() = default;
  // Paints a picture at its natural size with its top-left corner at (x, y).
  virtual void picture(Picture p, double x, double y) = 0;
  // Draws the unfilled box with corners (x1, y1) and (x2, y2), both edges included.
  virtual void box(int colour, double x1, double y1, double x2, double y2) = 0;
  // Fills the polygon through the corners in order, its edges smoothed.
  virtual void polygon(int colour, std::span<const Point> corners) = 0;
  // Prints a text with its top-left corner at (x, y) on a transparent
  // background, in the window's language.
  virtual void text(double x, double y, const 文面& s, int colour, int points, bool bold) = 0;
  // Makes everything drawn so far visible at once.
  virtual void refresh() = 0;
};

}  // namespace qz
