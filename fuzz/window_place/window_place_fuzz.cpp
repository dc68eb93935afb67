// The window's place from an arbitrary settings value, brought onto up to
// three arbitrary screens: a place read writes back as text that reads the
// same; one already on a screen stays; one moved lies wholly on a screen
// with room for its frame, never larger than it was.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "fuzz/fuzz_folder.h"
#include "shell/window_place.h"

namespace {

using qz_fuzz::Require;

QRect outer(const QRect& place, const QSize& frame) {
  return {place.topLeft(), place.size() + frame};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  QList<QRect> screens(in.ConsumeIntegralInRange(0, 3));
  for (QRect& s : screens)
    s = QRect(in.ConsumeIntegralInRange(-1000000, 1000000),
              in.ConsumeIntegralInRange(-1000000, 1000000), in.ConsumeIntegralInRange(0, 1000000),
              in.ConsumeIntegralInRange(0, 1000000));
  const QSize frame(in.ConsumeIntegralInRange(0, 200), in.ConsumeIntegralInRange(0, 200));
  const std::string text = in.ConsumeRemainingBytesAsString();

  const auto place = qz::placeFromText(text);
  if (!place) return 0;
  Require(place->width() >= 100 && place->height() >= 100);
  Require(qz::placeFromText(qz::placeText(*place)) == place);

  const QRect r = qz::placeOnScreens(*place, frame, screens);
  if (screens.isEmpty()) return Require(r == *place), 0;
  Require(r.width() >= 1 && r.height() >= 1);
  Require(r.width() <= place->width() && r.height() <= place->height());
  bool alreadyOn = false, nowOn = false;
  for (const QRect& s : screens) {
    alreadyOn = alreadyOn || s.contains(outer(*place, frame));
    nowOn = nowOn || s.contains(outer(r, frame)) || s.width() <= frame.width() ||
            s.height() <= frame.height();
  }
  Require(!alreadyOn || r == *place);
  Require(nowOn);
  return 0;
}
