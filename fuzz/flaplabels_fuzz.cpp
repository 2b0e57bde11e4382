// The airplane file (Load Flap Labels): five lines of text.
#include "fuzzsupport.h"
#include "simulator/startposfile.h"

using namespace tvx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::optional<FlapLabels> labels = DecodeFlapLabels(fuzz::Bytes(data, size));
  if (!labels) return 0;
  for (const QString& label : *labels) FUZZ_EXPECT(!label.contains('\r') && !label.contains('\n'));
  // Labels that save within the size of an airplane file load back the same.
  const QByteArray saved = EncodeFlapLabels(*labels);
  if (saved.size() > kFlapLabelFileMaxBytes) return 0;
  const std::optional<FlapLabels> again = DecodeFlapLabels(saved);
  FUZZ_EXPECT(again.has_value());
  FUZZ_EXPECT(*again == *labels);
  return 0;
}
