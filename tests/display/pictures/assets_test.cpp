// The committed pictures: every picture the window loads, at each scale and
// size, the red ink of promoted pieces, the icy blue of the frozen set and
// the background tiles' seams.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <filesystem>
#include <string>
#include <vector>

#include "display/surface.h"

namespace qz {
namespace {

const std::filesystem::path kAssets = QZ_SOURCE_ASSETS;

constexpr const char* kPromoting[] = {"HU", "KYOU", "KEI", "GIN", "KAKU", "SYA"};
constexpr const char* kSingle[] = {"KIN", "OU"};

QImage load(const std::string& name, int scale) {
  const std::string suffix = scale == 1 ? "" : "@" + std::to_string(scale) + "x";
  return QImage(QString::fromStdString((kAssets / "pictures" / (name + suffix + ".png")).string()));
}

// Every picture the window can ask for is there at each scale, of the size
// the window lays it out at, and covers its whole cell.
TEST(Pictures, EveryPictureExistsAtEachScaleWithItsSizeAndNoTransparency) {
  for (int i = 0; i < pictureCount; ++i) {
    const std::string name = pictureName(static_cast<Picture>(i));
    const PixelSize size = pictureSize(static_cast<Picture>(i));
    for (int scale : {1, 2, 3, 4}) {
      const QImage img = load(name, scale);
      ASSERT_FALSE(img.isNull()) << name << " @" << scale;
      EXPECT_EQ(img.size(), QSize(size.width * scale, size.height * scale))
          << name << " @" << scale;
      EXPECT_FALSE(img.hasAlphaChannel()) << name;
    }
  }
}

// Pixels of the red ink that promoted pieces carry.
int red_ink_pixels(const QImage& img) {
  int count = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const QColor c = img.pixelColor(x, y);
      if (c.red() > 140 && c.green() < 90 && c.blue() < 100 && c.red() > 2 * c.green()) ++count;
    }
  return count;
}

// How much bluer than red the picture is on average.
double blueness(const QImage& img) {
  double sum = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const QColor c = img.pixelColor(x, y);
      sum += c.blue() - c.red();
    }
  return sum / (img.width() * img.height());
}

TEST(Pictures, PromotedKanjiAreRedAndTheFrozenSetIsIcyBlue) {
  for (const char* side : {"SITA_", "UE_"})
    for (int scale : {1, 3}) {
      std::vector<std::string> kinds;
      for (const char* kind : kPromoting) {
        kinds.push_back(std::string(kind) + "%_0");
        kinds.push_back(std::string(kind) + "%_1");
      }
      for (const char* kind : kSingle) kinds.push_back(std::string(kind) + "%");
      for (const auto& pattern : kinds) {
        auto named = [&](const char* set) {
          std::string n = side + pattern;
          n.replace(n.find('%'), 1, set);
          return n;
        };
        const QImage plain = load(named(""), scale), frozen = load(named("2"), scale);
        const bool promoted = pattern.ends_with("_1");
        for (const QImage* img : {&plain, &frozen}) {
          const int red = red_ink_pixels(*img);
          if (promoted)
            EXPECT_GT(red, 8 * scale * scale) << named("") << " @" << scale;
          else
            EXPECT_EQ(red, 0) << named("") << " @" << scale;
        }
        EXPECT_GT(blueness(frozen), blueness(plain) + 60) << named("2") << " @" << scale;
        EXPECT_NE(plain, load(std::string(side == std::string("UE_") ? "SITA_" : "UE_") +
                                  named("").substr(std::string(side).size()),
                              scale))
            << "the two sides differ: " << named("");
      }
    }
}

TEST(Pictures, BackgroundTilesRepeatEvery33PixelsWithoutASeam) {
  // The window lays tiles 33 apart, each 34 wide: the last column must be
  // the first one again.
  for (const char* tile : {"MIDORI", "TATAMI", "TAKE", "UCHU", "RENGA"})
    for (int scale : {1, 2, 3, 4}) {
      const QImage img = load(std::string("HAIKEI_") + tile, scale);
      ASSERT_FALSE(img.isNull());
      EXPECT_EQ(img.copy(33 * scale, 0, scale, img.height()), img.copy(0, 0, scale, img.height()))
          << tile << " @" << scale;
    }
}

}  // namespace
}  // namespace qz
