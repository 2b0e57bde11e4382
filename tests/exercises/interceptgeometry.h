#pragma once
// Straight and turning flight in the simulator's plane (x east, y south,
// NM), for tests that check an intercept heading by flying it.
#include <cmath>
#include <cstdlib>

#include "simulator/radios.h"

namespace tvx::test {

constexpr double kDegree = 3.14159265358979323846 / 180;

// Signed difference a - b of two directions, in -180..180.
inline int DirectionDiff(int a, int b) {
  const int d = ((a - b) % 360 + 360) % 360;
  return d > 180 ? d - 360 : d;
}

struct PlanePoint {
  double x = 0, y = 0;
};

// `dme` NM out on `radial` from the station at `station`.
inline PlanePoint OnRadial(int radial, double dme, PlanePoint station = {}) {
  return {station.x + std::sin(radial * kDegree) * dme, station.y - std::cos(radial * kDegree) * dme};
}

// Flies from `from` on `heading`, first turning at rate one (3 deg/s, to the
// left when `turnLeft`) until the heading reads `finalHeading`, then
// straight, at 90 kt in steps of a second. True when the bearing from
// `station` crosses `radial` within 15 NM of it; `crossingHeading` then
// holds the heading flown at the crossing.
inline bool CrossesRadial(PlanePoint station, PlanePoint from, double heading, int finalHeading, bool turnLeft,
                          int radial, double* crossingHeading = nullptr) {
  const double step = 90.0 / 3600;
  PlanePoint p = from;
  bool started = false;
  double last = 0;
  for (int t = 0; t < 2000; ++t) {
    if (std::abs(DirectionDiff(static_cast<int>(std::lround(heading)), finalHeading)) > 1)
      heading += turnLeft ? -3 : 3;
    else
      heading = finalHeading;
    p.x += std::sin(heading * kDegree) * step;
    p.y -= std::cos(heading * kDegree) * step;
    const double dist = std::hypot(p.x - station.x, p.y - station.y);
    if (dist > 15) return false;
    if (dist < 0.05) continue;  // no bearing to speak of overhead
    const double off = std::fmod(BearingFromStation(station.x, station.y, p.x, p.y) - radial + 540.0, 360.0) - 180;
    if (started && (last < 0) != (off < 0) && std::abs(off) < 90) {
      if (crossingHeading) *crossingHeading = heading;
      return true;
    }
    started = true;
    last = off;
  }
  return false;
}

}  // namespace tvx::test
