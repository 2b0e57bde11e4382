#pragma once
// The three receivers (VOR 1 with the ILS, VOR 2, ADF): which station each one
// hears in the area, and the radials, DME distances and ADF bearing from the
// stations to the aircraft. No range limit: a tuned station is heard anywhere.
#include <QString>

#include "areas/areamodel.h"
#include "simulator/simstate.h"

namespace tvx {

// Trailing text by which a station's frequency may differ from the one typed:
// "114.6" answers to "114.60", "565" to "565.0".
inline const QString kVorFrequencySuffix = QStringLiteral("0");
inline const QString kNdbFrequencySuffix = QStringLiteral(".0");

// Whether a station's frequency text answers to the active text: equal, or
// equal once `suffix` is appended to one of them, character by character.
// An empty station frequency answers to nothing (it marks no station).
bool FrequencyMatches(const QString& station, const QString& active, const QString& suffix);

// Bearing in degrees (0..360) from a station to a point, x east, y south.
double BearingFromStation(double stationX, double stationY, double x, double y);

// The active frequency texts of the radio panel.
struct ActiveFrequencies {
  QString Vor1, Vor2, Adf;
};

// Looks the active frequencies up in every used slot of the area and sets the
// reception flags, idents, station positions, outer marker and airport
// elevation. A later slot overrides an earlier one; VOR 1 falls back to the
// first ILS on its frequency; an empty active text switches its receiver off.
void TuneReceivers(SimState& s, const AreaState& area, const ActiveFrequencies& active);

// The DME read-outs of the radio panel.
struct DmeReadouts {
  QString Dme1, Dme2;
};

// Radials, distances and the ADF bearing from the tuned stations to the
// aircraft. A receiver that hears nothing reads distance 999 ("999"), and its
// radial keeps the last value.
DmeReadouts ComputeBearingsAndDme(SimState& s);

}  // namespace tvx
