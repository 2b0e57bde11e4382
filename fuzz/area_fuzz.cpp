// The area file (Load Area): decoding 45 beacon records, then what loading
// does with them before any window sees them, the plane around VOR 1.
#include "areas/areamodel.h"
#include "fuzzsupport.h"

using namespace tvx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes = fuzz::Bytes(data, size);
  AreaLists read;
  if (!DecodeAreaFile(bytes, read)) return 0;
  AreaLists placed = read;
  BrVORXY(placed.Vor, placed.Ndb, placed.Ils);
  // What was read saves as a file that reads back the same.
  const QByteArray saved = EncodeAreaFile(read.Vor, read.Ndb, read.Ils);
  FUZZ_EXPECT(saved.size() == kAreaFileBytes);
  AreaLists again;
  FUZZ_EXPECT(DecodeAreaFile(saved, again));
  FUZZ_EXPECT(EncodeAreaFile(again.Vor, again.Ndb, again.Ils) == saved);
  return 0;
}
