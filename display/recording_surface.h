// A drawing surface that only remembers what was drawn, for tests and
// benchmarks.
#pragma once

#include <string>
#include <vector>

#include "display/surface.h"

namespace qz {

class RecordingSurface : public Surface {
 public:
  enum class Kind { Picture, Box, Text, Refresh, Polygon };
  struct Op {
    Kind kind = Kind::Picture;
    Picture picture = Picture::KARA_MASU;
    double x = 0, y = 0, x2 = 0, y2 = 0;  // twips
    int colour = 0;
    std::string text;
    int points = 0;
    bool bold = false;
    std::vector<Point> corners;  // a polygon's
  };

  void picture(Picture p, double x, double y) override {
    ops.push_back({Kind::Picture, p, x, y, 0, 0, 0, {}, 0, false, {}});
  }
  void box(int colour, double x1, double y1, double x2, double y2) override {
    ops.push_back({Kind::Box, Picture::KARA_MASU, x1, y1, x2, y2, colour, {}, 0, false, {}});
  }
  void polygon(int colour, std::span<const Point> corners) override {
    Op op;
    op.kind = Kind::Polygon;
    op.colour = colour;
    op.corners.assign(corners.begin(), corners.end());
    ops.push_back(std::move(op));
  }
  void text(double x, double y, const 文面& s, int colour, int points, bool bold) override {
    ops.push_back(
        {Kind::Text, Picture::KARA_MASU, x, y, 0, 0, colour, s.日本語(), points, bold, {}});
  }
  void refresh() override {
    Op op;
    op.kind = Kind::Refresh;
    ops.push_back(op);
  }

  std::vector<Op> ops;
};

}  // namespace qz
