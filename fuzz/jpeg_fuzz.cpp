// JPEG pictures (the main menu's pictures) through libjpeg.
#include "fuzzsupport.h"
#include "platform/jpegimage.h"

using namespace tvx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QImage image = DecodeJpeg(fuzz::Bytes(data, size));
  if (image.isNull()) return 0;
  FUZZ_EXPECT(image.width() <= kMaxJpegSide && image.height() <= kMaxJpegSide);
  FUZZ_EXPECT(static_cast<long long>(image.width()) * image.height() <= kMaxJpegPixels);
  return 0;
}
