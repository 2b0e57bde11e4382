// The loadsheet file (LOAD), current and older record, then what LOAD does
// with it: the range check and CALCULATE.
#include "fuzzsupport.h"
#include "preparation/loadsheet.h"

using namespace tvx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Loadsheet sheet = DefaultLoadsheet();
  if (!DecodeLoadsheetFile(fuzz::Bytes(data, size), sheet)) return 0;
  const QByteArray saved = EncodeLoadsheetFile(sheet);
  FUZZ_EXPECT(saved.size() == kLoadsheetBytes);
  Loadsheet again = DefaultLoadsheet();
  FUZZ_EXPECT(DecodeLoadsheetFile(saved, again));
  FUZZ_EXPECT(EncodeLoadsheetFile(again) == saved);
  if (CheckLoadsheet(sheet)) return 0;
  CalculateLoadsheet(sheet);
  return 0;
}
