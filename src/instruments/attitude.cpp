#include "instruments/attitude.h"

#include <cmath>

#include "instruments/layout.h"
#include "platform/textutil.h"

namespace tvx {

namespace {
constexpr double kDegToRad = M_PI / 180.0;
}

int AdiPixelsPerDegreeFor(const QString& type) { return RoundDialPanel(type) ? 4 : 7; }

int AdiPitchShift(double pitch, double bank, int ppd) {
  // Near a vertical bank the shift would run off to infinity; keep it finite.
  double c = std::cos(bank * kDegToRad);
  if (std::abs(c) < 1e-3) c = c < 0 ? -1e-3 : 1e-3;
  return RoundPixel(pitch * ppd / c);
}

TColor AdiBackgroundColour(double pitch) { return pitch >= 0 ? clr::Blue : clr::Maroon; }

void RefreshAttitudeState(SimState& s) { s.AdiPixelsPerDegree = AdiPixelsPerDegreeFor(s.AircraftType); }

}  // namespace tvx
