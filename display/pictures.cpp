#include "display/pictures.h"

#include <cstdlib>

namespace qz {

std::string pictureName(Picture p) {
  if (isPiece(p)) {
    const PieceFace f = pieceFace(p);
    const std::string_view stem = 駒絵順[f.kind].stem;
    std::string name = f.upper ? "UE_" : "SITA_";
    // The frozen set puts its "2" right after the kind: SITA_HU2_0, UE_KIN2.
    const auto underscore = stem.find('_');
    name += stem.substr(0, underscore);
    if (f.frozen) name += '2';
    if (underscore != std::string_view::npos) name += stem.substr(underscore);
    return name;
  }
  switch (p) {
    case Picture::KARA_MASU:
      return "KARA_MASU";
    case Picture::HAIKEI_MIDORI:
      return "HAIKEI_MIDORI";
    case Picture::HAIKEI_TATAMI:
      return "HAIKEI_TATAMI";
    case Picture::HAIKEI_TAKE:
      return "HAIKEI_TAKE";
    case Picture::HAIKEI_UCHU:
      return "HAIKEI_UCHU";
    case Picture::HAIKEI_RENGA:
      return "HAIKEI_RENGA";
    case Picture::QZSHOGI:
      return "QZSHOGI";
    default:
      return {};
  }
}

std::optional<Picture> 絵の選択(int 駒種類, bool 氷結) {
  if (!氷結) {
    if (駒種類 == 0) return Picture::KARA_MASU;
    if (駒種類 == 1) return Picture::QZSHOGI;
    if (駒種類 >= 2 && 駒種類 <= 6)
      return static_cast<Picture>(static_cast<int>(Picture::HAIKEI_MIDORI) + 駒種類 - 2);
  }
  for (int k = 0; k < pieceKinds; ++k)
    if (std::abs(駒種類) == 駒絵順[k].code) return piecePicture(駒種類 > 0, 氷結, k);
  return std::nullopt;
}

}  // namespace qz
