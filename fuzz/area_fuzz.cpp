// The area file (Load Area): decoding 45 beacon records, then what loading
// does with them before any window sees them, the plane around VOR 1.
#include <cmath>

#include "areas/areaedit.h"
#include "areas/areamodel.h"
#include "fuzzsupport.h"

using namespace tvx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes = fuzz::Bytes(data, size);
  AreaLists read;
  if (!DecodeAreaFile(bytes, read)) return 0;
  AreaLists placed = read;
  BrVORXY(placed.Vor, placed.Ndb, placed.Ils);
  // An area the loader accepts lies on the plane: every beacon a finite
  // distance from VOR 1, so the map's arithmetic stays in range.
  if (std::optional<AreaLists> accepted = ReadAreaFile(bytes)) {
    BrVORXY(accepted->Vor, accepted->Ndb, accepted->Ils);
    for (const AreaBeaconList* list : {&accepted->Vor, &accepted->Ndb, &accepted->Ils})
      for (const AreaBeacon& b : *list) FUZZ_EXPECT(std::isfinite(b.X) && std::isfinite(b.Y));
  }
  // What was read saves as a file that reads back the same.
  const QByteArray saved = EncodeAreaFile(read.Vor, read.Ndb, read.Ils);
  FUZZ_EXPECT(saved.size() == kAreaFileBytes);
  AreaLists again;
  FUZZ_EXPECT(DecodeAreaFile(saved, again));
  FUZZ_EXPECT(EncodeAreaFile(again.Vor, again.Ndb, again.Ils) == saved);
  return 0;
}
