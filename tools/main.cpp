// qz-make-assets: paints every picture and synthesises every sound the
// program loads, writing them into the assets folder.
//
//   qz-make-assets [--out DIR]              pictures/, sounds/ and icons/ under DIR
//   qz-make-assets --sheet FILE [--scale N] [--background NAME]
//                                           a contact sheet to look at
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "tools/icon.h"
#include "tools/pictures.h"
#include "tools/sheet.h"
#include "tools/sounds.h"

namespace {

namespace fs = std::filesystem;
using qz::art::Picture;

std::vector<Picture> all_pictures() {
  auto pictures = qz::art::piece_pictures();
  for (auto& tile : qz::art::tile_pictures()) pictures.push_back(std::move(tile));
  pictures.push_back(qz::art::title_picture());
  return pictures;
}

bool write_pictures(const fs::path& dir) {
  fs::create_directories(dir);
  for (const Picture& pic : all_pictures())
    for (int scale : {1, 2, 3, 4}) {
      const QString suffix = scale == 1 ? QString() : QString("@%1x").arg(scale);
      const QImage image = pic.draw(scale).convertToFormat(QImage::Format_RGB32);
      const fs::path file = dir / (pic.name + suffix + ".png").toStdString();
      if (image.size() != pic.logical * scale ||
          !image.save(QString::fromStdString(file), "PNG", 0)) {
        std::fprintf(stderr, "cannot write %s\n", file.c_str());
        return false;
      }
    }
  return true;
}

bool write_sounds(const fs::path& dir) {
  fs::create_directories(dir);
  for (const auto& sound : qz::art::make_sounds()) {
    const auto bytes = qz::art::wav_image(sound);
    const fs::path file = dir / sound.file_name;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) {
      std::fprintf(stderr, "cannot write %s\n", file.c_str());
      return false;
    }
    std::printf("%s: %zu bytes, %.2f s\n", file.c_str(), bytes.size(),
                double(sound.samples.size()) / sound.rate);
  }
  return true;
}

// The icon in the hicolor theme's sizes and as an SVG, laid out as the
// theme folders (hicolor/48x48/apps/qzshogi.png ...).
bool write_icons(const fs::path& dir) {
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    const fs::path folder =
        dir / "hicolor" / (std::to_string(size) + "x" + std::to_string(size)) / "apps";
    fs::create_directories(folder);
    const fs::path file = folder / "qzshogi.png";
    if (!qz::art::icon_image(size).save(QString::fromStdString(file), "PNG", 0)) {
      std::fprintf(stderr, "cannot write %s\n", file.c_str());
      return false;
    }
  }
  const fs::path folder = dir / "hicolor" / "scalable" / "apps";
  fs::create_directories(folder);
  std::ofstream svg(folder / "qzshogi.svg", std::ios::binary | std::ios::trunc);
  svg << qz::art::icon_svg().toStdString();
  return bool(svg);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  fs::path out = QZ_ASSETS_DIR;
  std::string sheet, background = "HAIKEI_MIDORI";
  int scale = 1;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool has_value = i + 1 < argc;
    if (arg == "--out" && has_value) {
      out = argv[++i];
    } else if (arg == "--sheet" && has_value) {
      sheet = argv[++i];
    } else if (arg == "--scale" && has_value) {
      scale = std::clamp(std::atoi(argv[++i]), 1, 4);
    } else if (arg == "--background" && has_value) {
      background = argv[++i];
    } else {
      std::fprintf(stderr,
                   "usage: qz-make-assets [--out DIR]\n"
                   "       qz-make-assets --sheet FILE [--scale N] [--background NAME]\n");
      return 2;
    }
  }
  if (!sheet.empty()) {
    const QImage image =
        qz::art::contact_sheet(all_pictures(), scale, QString::fromStdString(background));
    return image.save(QString::fromStdString(sheet)) ? 0 : 1;
  }
  const bool ok = write_pictures(out / "pictures") && write_sounds(out / "sounds") &&
                  write_icons(out / "icons");
  return ok ? 0 : 1;
}
