// The number and text routines every input box goes through.
#include <cmath>

#include "fuzzsupport.h"
#include "platform/textutil.h"

using namespace tvx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const int width = data[0] % 24;
  const int decimals = data[1] % 8;
  const QByteArray bytes = fuzz::Bytes(data + 2, size - 2);
  for (const QString& text : {QString::fromLatin1(bytes), QString::fromUtf8(bytes)}) {
    int whole = 0;
    if (TryParseInt(text, whole)) {
      double real = 0;
      FUZZ_EXPECT(TryParseReal(text, real) && real == whole);
    }
    double real = 0;
    if (TryParseReal(text, real)) {
      FUZZ_EXPECT(std::isfinite(real));
      FUZZ_EXPECT(ValOrZero(text) == real);
      // A number shown with enough decimals reads back as itself, to them.
      const QString shown = FormatFixed(real, width, decimals);
      FUZZ_EXPECT(shown.size() >= width);
      double back = 0;
      FUZZ_EXPECT(TryParseReal(shown, back));
      FUZZ_EXPECT(std::fabs(back - real) <= 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9) + std::fabs(real) * 1e-15);
      RoundPixel(real);
    } else {
      FUZZ_EXPECT(ValOrZero(text) == 0.0);
    }
    BareFileName(text);
  }
  return 0;
}
