#pragma once
// The start-position panel's rules that need no window: the search for the
// start beacon in the area, the places the automatic holding/ILS start
// computes, and the check of the configuration against the altitude.
#include <QPointF>
#include <QString>

#include "areas/areamodel.h"

namespace tvx {

enum class StartBeaconMatch { None, Vor, Ndb, Runway, Locator };

struct StartBeaconHit {
  StartBeaconMatch kind = StartBeaconMatch::None;
  int slot = -1;
};

// Whether a stored beacon name and a typed one name the same beacon: equal
// once up to `maxBlanks` trailing blanks are taken off either side, and for
// runways also when one side is the other with a leading "0" ("9" is "09",
// "009" is "09").
bool BeaconNamesMatch(const QString& stored, const QString& typed, int maxBlanks, bool runway);

// The start beacon: slot 0 to 14, in each the VOR, the NDB, the ILS runway
// and the ILS locator; the first match wins. Only used slots are searched.
StartBeaconHit FindStartBeacon(const AreaState& area, const QString& typed);

// The locator of an ILS: on the extended centre line, `LocatorDistance` NM
// out from the ILS point on the approach side.
QPointF LocatorPosition(const AreaBeacon& ils);

// A locator the ADF is not tuned to: an outer marker without its own
// beacon, or a missing frequency.
bool LocatorTunable(const AreaBeacon& ils);

// A radial, heading or wind direction the start panel takes: 0..360.
constexpr bool RadialInRange(int degrees) { return degrees >= 0 && degrees <= 360; }

// A course or heading past 360 brought back into 1..360.
int Wrap360(int degrees);

// The text of the warning when the typed beacon is not in the area and the
// start falls back to VOR 1.
QString MissingBeaconWarning(const QString& areaName, const QString& typed, const QString& vor1Name);

// The FLY button's check of the selected configuration (index of Configbox)
// against the typed altitude and the airport elevation. Empty when the
// configuration fits; otherwise the message that refuses the flight.
QString ConfigAltitudeRefusal(int configIndex, const QString& altitudeText, int elevation, bool piston);

}  // namespace tvx
