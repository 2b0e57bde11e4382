#include "simulator/startpanel.h"

#include <cmath>

#include "platform/textutil.h"

namespace tvx {

namespace {

QString WithoutTrailingBlanks(QString name, int maxBlanks) {
  for (int i = 0; i < maxBlanks && name.endsWith(' '); ++i) name.chop(1);
  return name;
}

double CosDeg(double deg) { return std::cos(deg * 3.141592653589793 / 180); }
double SinDeg(double deg) { return std::sin(deg * 3.141592653589793 / 180); }

}  // namespace

bool BeaconNamesMatch(const QString& stored, const QString& typed, int maxBlanks, bool runway) {
  const QString a = WithoutTrailingBlanks(stored, maxBlanks);
  const QString b = WithoutTrailingBlanks(typed, maxBlanks);
  if (b.trimmed().isEmpty()) return false;
  // One side may carry one more leading "0" than the other: "9" finds "09",
  // and "009" finds "09" too.
  return a == b || (runway && ("0" + a == b || a == "0" + b));
}

StartBeaconHit FindStartBeacon(const AreaState& area, const QString& typed) {
  for (int i = 0; i < kAreaSlots; ++i) {
    const AreaBeacon& vor = area.VorList[static_cast<std::size_t>(i)];
    const AreaBeacon& ndb = area.NdbList[static_cast<std::size_t>(i)];
    const AreaBeacon& ils = area.IlsList[static_cast<std::size_t>(i)];
    if (vor.Used() && BeaconNamesMatch(vor.Name, typed, 1, false)) return {StartBeaconMatch::Vor, i};
    if (ndb.Used() && BeaconNamesMatch(ndb.Name, typed, 1, false)) return {StartBeaconMatch::Ndb, i};
    if (ils.Used() && BeaconNamesMatch(ils.Name, typed, 2, true)) return {StartBeaconMatch::Runway, i};
    if (ils.Used() && !ils.LocatorName.isEmpty() && BeaconNamesMatch(ils.LocatorName, typed, 2, false))
      return {StartBeaconMatch::Locator, i};
  }
  return {};
}

QPointF LocatorPosition(const AreaBeacon& ils) {
  const double course = ils.FinalCourse;
  return {ils.X + CosDeg(course - 270) * ils.LocatorDistance, ils.Y + SinDeg(course - 270) * ils.LocatorDistance};
}

bool LocatorTunable(const AreaBeacon& ils) {
  const QString freq = ils.LocatorFreq.trimmed();
  return ils.LocatorName.trimmed() != "OM" && !freq.isEmpty() && freq != "0";
}

int Wrap360(int degrees) { return degrees > 360 ? degrees - 360 : degrees; }

QString MissingBeaconWarning(const QString& areaName, const QString& typed, const QString& vor1Name) {
  const QString q = "\"";
  return "WARNING: This STARTPOSITION is not valid in AREA " + q + areaName + q + "." + "\r\n" + "Beacon " + q +
         typed + q + " does not exist in AREA " + q + areaName + q + "\r\n" + "and is replaced by " + q + vor1Name +
         q + "." + "\r\n\r\n" + "Option: Load the correct AREA first, then load the corresponding STARTPOSITION again.";
}

QString ConfigAltitudeRefusal(int i, const QString& altitudeText, int elevation, bool piston) {
  const int e = elevation;
  int a = 0;
  const bool number = TryParseInt(altitudeText, a);
  const bool atElevation = altitudeText == QString::number(e);
  const bool refused = (i == 7 && !atElevation) || (i != 7 && atElevation) ||
                       (number && piston && i == 2 && a < e + 300) || (number && piston && i < 2 && a < e + 1500) ||
                       (number && !piston && i < 5 && a < e + 1500) || (number && (i == 5 || i == 6) && a < e + 300);
  if (!refused) return {};
  const QString head = "Configuration does not correspond with altitude.\r\nAdjust altitude in STARTPOSITION panel! ";
  if (i == 7) return head + "Set runway elevation.";
  // The landing configurations need 300 ft above the airport, the others 1500.
  const bool approach = (piston && i == 2) || i == 5 || i == 6;
  const int minimum = static_cast<int>(std::ceil((e + (approach ? 300 : 1500)) / 100.0) * 100);
  return head + "Set " + QString::number(minimum) + " ft or higher.";
}

}  // namespace tvx
