// The start-position file (Load Startposition): one 440-byte record.
#include "fuzzsupport.h"
#include "simulator/startposfile.h"

using namespace tvx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::optional<StartPosition> p = DecodeStartPosition(fuzz::Bytes(data, size));
  if (!p) return 0;
  // What the panel does with the names it was given.
  TypegroupIndexOfType(p->AircraftType);
  ConfigIndexOfName(p->AircraftType, p->ConfigName);
  // A position that was read saves as a file that reads back the same.
  // A position the loader accepts holds no value the panel could not have
  // saved: checked and then checked again after a save and a read.
  const bool accepted = StartPositionInRange(*p);
  const QByteArray saved = EncodeStartPosition(*p);
  FUZZ_EXPECT(saved.size() == kStartPositionBytes);
  const std::optional<StartPosition> again = DecodeStartPosition(saved);
  FUZZ_EXPECT(again.has_value());
  FUZZ_EXPECT(EncodeStartPosition(*again) == saved);
  FUZZ_EXPECT(StartPositionInRange(*again) == accepted);
  return 0;
}
