#include "areas/areamodel.h"

#include <cmath>

#include "platform/record.h"

namespace tvx {

AreaState Areas;

void ResetAreaState() { Areas = AreaState{}; }

QByteArray EncodeBeacon(const AreaBeacon& b) {
  RecordWriter w(kBeaconBytes);
  w.PutShortString(0, 4, b.Name);
  w.PutShortString(5, 6, b.Frequency);
  w.PutShortString(12, 1, b.LatHemisphere);
  w.PutInt32(16, b.LatDeg);
  w.PutDouble(24, b.LatMin);
  w.PutShortString(32, 1, b.LonHemisphere);
  w.PutInt32(36, b.LonDeg);
  w.PutDouble(40, b.LonMin);
  w.PutDouble(48, b.X);
  w.PutDouble(56, b.Y);
  w.PutRaw(64, b.Reserved.left(4));
  w.PutInt32(68, b.Variation);
  w.PutInt32(72, b.FinalCourse);
  w.PutInt32(76, b.Elevation);
  w.PutShortString(80, 4, b.LocatorName);
  w.PutShortString(85, 6, b.LocatorFreq);
  w.PutDouble(96, b.LocatorDistance);
  return w.Bytes();
}

AreaBeacon DecodeBeacon(const QByteArray& bytes, int offset) {
  const RecordReader r(bytes, offset);
  AreaBeacon b;
  b.Name = r.ShortString(0, 4);
  b.Frequency = r.ShortString(5, 6);
  b.LatHemisphere = r.ShortString(12, 1);
  b.LatDeg = r.Int32(16);
  b.LatMin = r.Double(24);
  b.LonHemisphere = r.ShortString(32, 1);
  b.LonDeg = r.Int32(36);
  b.LonMin = r.Double(40);
  b.X = r.Double(48);
  b.Y = r.Double(56);
  b.Reserved = r.Raw(64, 4);
  b.Variation = r.Int32(68);
  b.FinalCourse = r.Int32(72);
  b.Elevation = r.Int32(76);
  b.LocatorName = r.ShortString(80, 4);
  b.LocatorFreq = r.ShortString(85, 6);
  b.LocatorDistance = r.Double(96);
  return b;
}

QByteArray EncodeAreaFile(const AreaBeaconList& vor, const AreaBeaconList& ndb, const AreaBeaconList& ils) {
  QByteArray out;
  out.reserve(kAreaFileBytes);
  for (int i = 0; i < kAreaSlots; ++i) {
    out += EncodeBeacon(vor[i]);
    out += EncodeBeacon(ndb[i]);
    out += EncodeBeacon(ils[i]);
  }
  return out;
}

bool DecodeAreaFile(const QByteArray& bytes, AreaLists& out) {
  if (bytes.size() < kAreaFileBytes) return false;
  AreaLists read;
  for (int i = 0; i < kAreaSlots; ++i) {
    const int base = i * 3 * kBeaconBytes;
    read.Vor[i] = DecodeBeacon(bytes, base);
    read.Ndb[i] = DecodeBeacon(bytes, base + kBeaconBytes);
    read.Ils[i] = DecodeBeacon(bytes, base + 2 * kBeaconBytes);
  }
  out = read;
  return true;
}

void BrVORXY(AreaBeaconList& vor, AreaBeaconList& ndb, AreaBeaconList& ils) {
  AreaBeacon& origin = vor[0];
  origin.X = 0;
  origin.Y = 0;
  const double sV = origin.LatHemisphere == "S" ? 1.0 : -1.0;
  const double tV = origin.LonHemisphere == "E" ? 1.0 : -1.0;
  const double latV = sV * (origin.LatDeg + origin.LatMin / 60.0);
  const double latMinV = 60.0 * origin.LatDeg + origin.LatMin;
  const double lonMinV = 60.0 * origin.LonDeg + origin.LonMin;
  for (AreaBeaconList* list : {&vor, &ndb, &ils}) {
    for (AreaBeacon& b : *list) {
      if (!b.Used()) {
        b.X = 0;
        b.Y = 0;
        continue;
      }
      const double s = b.LatHemisphere == "S" ? 1.0 : -1.0;
      const double t = b.LonHemisphere == "E" ? 1.0 : -1.0;
      const double meanLat = (latV + s * (b.LatDeg + b.LatMin / 60.0)) / 2.0;
      b.X = std::cos(meanLat * M_PI / 180.0) * (t * (60.0 * b.LonDeg + b.LonMin) - tV * lonMinV);
      b.Y = s * (60.0 * b.LatDeg + b.LatMin) - sV * latMinV;
    }
  }
  // An unused VOR 1 keeps the plane's origin too.
  origin.X = 0;
  origin.Y = 0;
}

void EmptyList(AreaBeaconList& list, bool clearLocatorFreq) {
  for (AreaBeacon& b : list) {
    b.Name.clear();
    b.Frequency.clear();
    if (clearLocatorFreq) b.LocatorFreq.clear();
  }
}

namespace {
AreaBeacon Station(const char* name, const char* freq, int latDeg, double latMin, int lonDeg, double lonMin) {
  AreaBeacon b;
  b.Name = name;
  b.Frequency = freq;
  b.LatHemisphere = "N";
  b.LatDeg = latDeg;
  b.LatMin = latMin;
  b.LonHemisphere = "W";
  b.LonDeg = lonDeg;
  b.LonMin = lonMin;
  return b;
}
}  // namespace

void FillDefaultArea(AreaState& a) {
  // Emptying keeps the other fields of a slot as they were, as everywhere.
  for (AreaBeaconList* list : {&a.VorList, &a.NdbList, &a.IlsList, &a.EditList}) EmptyList(*list, true);
  a.VorList[0] = Station("AAA", "114.0", 40, 0.0, 20, 0.0);
  a.VorList[1] = Station("BBB", "114.6", 39, 56.0, 20, 8.0);
  a.VorList[2] = Station("CCC", "115.4", 39, 54.0, 19, 58.0);
  a.NdbList[0] = Station("MMM", "565", 39, 55.0, 19, 50.0);
  a.NdbList[1] = Station("NNN", "766", 40, 1.0, 19, 48.0);
  a.NdbList[2] = Station("PPP", "405", 40, 2.0, 19, 56.0);
  AreaBeacon ils = Station("ILA", "108.6", 40, 0.0, 19, 58.0);
  ils.FinalCourse = 270;
  ils.Elevation = 120;
  ils.LocatorName = "LCA";
  ils.LocatorFreq = "370";
  ils.LocatorDistance = 4.0;
  a.IlsList[0] = ils;
}

}  // namespace tvx
