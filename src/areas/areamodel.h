#pragma once
// The area: three lists of 15 beacons on a flat plane around VOR 1, and the
// area file that stores them.
#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

namespace tvx {

// One station of an area; laid out in the area file as 104 bytes.
struct AreaBeacon {
  QString Name;       // up to 4 characters; empty marks an empty slot
  QString Frequency;  // up to 6 characters, as typed
  QString LatHemisphere;
  std::int32_t LatDeg = 0;
  double LatMin = 0;
  QString LonHemisphere;
  std::int32_t LonDeg = 0;
  double LonMin = 0;
  double X = 0;  // NM east of VOR 1
  double Y = 0;  // NM south of VOR 1
  QByteArray Reserved = QByteArray(4, '\0');
  std::int32_t Variation = 0;
  std::int32_t FinalCourse = 0;
  std::int32_t Elevation = 0;
  QString LocatorName;
  QString LocatorFreq;
  double LocatorDistance = 0;

  bool Used() const { return !Name.isEmpty(); }
};

constexpr int kAreaSlots = 15;
constexpr int kBeaconBytes = 104;
constexpr int kAreaFileBytes = 3 * kAreaSlots * kBeaconBytes;  // 4680

using AreaBeaconList = std::array<AreaBeacon, kAreaSlots>;

// The area unit's globals.
struct AreaState {
  AreaBeaconList VorList{}, NdbList{}, IlsList{}, EditList{};
  QString AreaName;
  QString AreaFileName;
  bool AreaModified = false;
  bool AreaInputError = false;
  std::int32_t FreqMin = 0, FreqMax = 0;
};

extern AreaState Areas;
void ResetAreaState();

// The three lists of an area as the file holds them.
struct AreaLists {
  AreaBeaconList Vor{}, Ndb{}, Ils{};
};

QByteArray EncodeBeacon(const AreaBeacon& b);
// `bytes` must hold at least `offset` + 104 bytes.
AreaBeacon DecodeBeacon(const QByteArray& bytes, int offset);

// 45 records: VOR 1, NDB 1, ILS 1, VOR 2, ... ILS 15.
QByteArray EncodeAreaFile(const AreaBeaconList& vor, const AreaBeaconList& ndb, const AreaBeaconList& ils);
// False (and `out` untouched) when fewer than 4680 bytes are given; bytes
// past 4680 are ignored.
bool DecodeAreaFile(const QByteArray& bytes, AreaLists& out);

// Projects every used slot onto the plane around VOR 1 (slot 0 of `vor`);
// empty slots get X = Y = 0.
void BrVORXY(AreaBeaconList& vor, AreaBeaconList& ndb, AreaBeaconList& ils);

// Empties the slots: name and frequency, and for ILS lists the locator frequency.
void EmptyList(AreaBeaconList& list, bool clearLocatorFreq);

// The built-in area "Area1" written into the lists (after emptying them).
void FillDefaultArea(AreaState& a);

}  // namespace tvx
