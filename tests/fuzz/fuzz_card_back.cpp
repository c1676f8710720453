// The card-back loader: any bytes as the picture file. A picture is either
// refused (null) or a real image of sane size; nothing crashes or leaks.
#include <QByteArray>
#include <QImage>
#include <cstdint>
#include <cstdlib>

#include "ui/card_renderer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QImage image =
      kestrel::CardRenderer::LoadPictureData(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  if (!image.isNull() && (image.width() <= 0 || image.height() <= 0 ||
                          static_cast<int64_t>(image.width()) * image.height() > kestrel::CardRenderer::kMaxPicturePixels))
    std::abort();
  return 0;
}
