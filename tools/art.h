// Drawing helpers shared by the picture generators: deterministic noise,
// colour arithmetic, blurs and masks, fonts. Everything is drawn in logical
// pixels (the size at 1×) and rendered at a whole-number scale.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <functional>

namespace qz::art {

// A number in [0, 1) fixed by the integer lattice point and the seed.
double hash01(int x, int y, int seed);

// Smooth value noise in [0, 1] on a lattice of cells; repeats every
// `period_x` × `period_y` lattice cells (0: no repetition).
double value_noise(double x, double y, int seed, int period_x = 0, int period_y = 0);

// Several octaves of value noise; the base octave repeats as above and each
// finer octave repeats after twice as many cells, so the sum repeats too.
double fractal_noise(double x, double y, int seed, int octaves, int period_x = 0, int period_y = 0);

QColor mix(const QColor& a, const QColor& b, double t);
QColor scaled(const QColor& c, double factor);  // brighter above 1, darker below

// An image of the logical size times the scale, painted by `paint` with the
// painter already scaled, antialiased and starting from transparent.
QImage render(QSize logical, int scale, const std::function<void(QPainter&)>& paint);

// Fills every device pixel of `image` from its logical position (centre of
// the pixel divided by the scale).
void fill_pixels(QImage& image, int scale,
                 const std::function<QColor(double u, double v)>& colour_at);

// Blurs the image in place (three box passes, radius in device pixels).
void blur(QImage& image, int radius);

// The coverage of a path as an 8-bit alpha mask at the device size.
QImage path_mask(const QPainterPath& path, QSize logical, int scale);

// The Mincho face at a pixel size in logical pixels, for text_path only.
QFont mincho(double pixel_size);
// The text in a font from mincho() as an outline whose ink is centred on
// `centre`, for filling and stroking.
QPainterPath text_path(const QString& text, const QFont& font, QPointF centre);

}  // namespace qz::art
