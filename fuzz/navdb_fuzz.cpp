// The navigation database's records (ARPT.dat, NAV.dat, ILS.dat): one record
// of each kind from the input, then what a search and a scan do with them.
#include "areas/navdatabase.h"
#include "fuzzsupport.h"

using namespace tvx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes = fuzz::Bytes(data, size);
  const AirportRecord airport = DecodeAirport(bytes);
  const NavaidRecord navaid = DecodeNavaid(bytes);
  const IlsRecord ils = DecodeIls(bytes);
  // Records cut short read as zeros: each record re-encodes to its size and
  // then reads back to the same bytes.
  const QByteArray a = EncodeAirport(airport), n = EncodeNavaid(navaid), i = EncodeIls(ils);
  FUZZ_EXPECT(a.size() == kAirportRecordBytes && n.size() == kNavaidRecordBytes && i.size() == kIlsRecordBytes);
  FUZZ_EXPECT(EncodeAirport(DecodeAirport(a)) == a);
  FUZZ_EXPECT(EncodeNavaid(DecodeNavaid(n)) == n);
  FUZZ_EXPECT(EncodeIls(DecodeIls(i)) == i);
  AirportLines(airport);
  NavaidLines(navaid);
  FamilyOf(navaid);
  const ArcPosition centre = ArcOf(airport);
  for (int range : kNavRanges) {
    const ScanBox box = BoxAround(centre, std::abs(centre.Lat) / 60.0, range);
    box.Inside(ArcOf(navaid));
    box.Inside(ArcOf(ils));
  }
  return 0;
}
