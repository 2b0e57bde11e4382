#include "simulator/radios.h"

#include <QPointF>
#include <cmath>
#include <numbers>

#include "platform/textutil.h"
#include "simulator/startpanel.h"

namespace tvx {

namespace {

constexpr double kRadToDeg = 180.0 / std::numbers::pi;

// Reading of a receiver that hears no station.
constexpr double kNoDistance = 999;

}  // namespace

bool FrequencyMatches(const QString& station, const QString& active, const QString& suffix) {
  if (station.isEmpty()) return false;
  return station == active || station + suffix == active || station == active + suffix;
}

double BearingFromStation(double stationX, double stationY, double x, double y) {
  if (x == stationX) return y > stationY ? 180.0 : 0.0;
  const double angle = std::atan((y - stationY) / (x - stationX)) * kRadToDeg;
  return x > stationX ? angle + 90.0 : angle + 270.0;
}

void TuneReceivers(SimState& s, const AreaState& area, const ActiveFrequencies& active) {
  s.Vor1Received = s.Vor2Received = s.AdfReceived = s.IlsTuned = false;
  s.OuterMarkerX = -999;
  s.OuterMarkerY = -999;
  s.Vor1Ident.clear();
  s.Vor2Ident.clear();
  s.AdfIdent.clear();

  // One receiver's view of the area.
  struct Receiver {
    double& x;
    double& y;
    bool& received;
    QString& ident;
    void Hear(QPointF at, const QString& name) const {
      x = at.x();
      y = at.y();
      received = true;
      ident = name;
    }
  };
  const Receiver vor1{s.Vor1StationX, s.Vor1StationY, s.Vor1Received, s.Vor1Ident};
  const Receiver vor2{s.Vor2StationX, s.Vor2StationY, s.Vor2Received, s.Vor2Ident};
  const Receiver adf{s.AdfStationX, s.AdfStationY, s.AdfReceived, s.AdfIdent};

  // Every slot is tested without stopping, so a later slot wins.
  for (int i = 0; i < kAreaSlots; ++i) {
    const AreaBeacon& vor = area.VorList[i];
    if (vor.Used()) {
      if (FrequencyMatches(vor.Frequency, active.Vor1, kVorFrequencySuffix)) vor1.Hear({vor.X, vor.Y}, vor.Name);
      if (FrequencyMatches(vor.Frequency, active.Vor2, kVorFrequencySuffix)) vor2.Hear({vor.X, vor.Y}, vor.Name);
    }
    const AreaBeacon& ndb = area.NdbList[i];
    if (ndb.Used() && FrequencyMatches(ndb.Frequency, active.Adf, kNdbFrequencySuffix)) {
      adf.Hear({ndb.X, ndb.Y}, ndb.Name);
    }
    // The locator of an emptied ILS slot is left-over data, not a station.
    const AreaBeacon& ils = area.IlsList[i];
    if (ils.Used() && FrequencyMatches(ils.LocatorFreq, active.Adf, kNdbFrequencySuffix)) {
      adf.Hear(LocatorPosition(ils), ils.LocatorName);
    }
  }

  if (!s.Vor1Received) {
    for (const AreaBeacon& ils : area.IlsList) {
      if (!ils.Used() || !FrequencyMatches(ils.Frequency, active.Vor1, kVorFrequencySuffix)) continue;
      vor1.Hear({ils.X, ils.Y}, "---");
      s.AirportElevation = ils.Elevation;
      // Without a locator there is no marker point: at distance 0 it would lie
      // on the threshold and blink the marker light there.
      if (ils.LocatorDistance != 0) {
        const QPointF marker = LocatorPosition(ils);
        s.OuterMarkerX = marker.x();
        s.OuterMarkerY = marker.y();
      }
      s.IlsTuned = true;
      break;
    }
  }

  if (active.Vor1.isEmpty()) {
    s.Vor1Received = false;
    s.IlsTuned = false;
  }
  if (active.Vor2.isEmpty()) s.Vor2Received = false;
  if (active.Adf.isEmpty()) s.AdfReceived = false;
}

DmeReadouts ComputeBearingsAndDme(SimState& s) {
  DmeReadouts out;
  const auto dme = [&s](bool received, double sx, double sy, double& radial, double& distance, QString& text) {
    if (received) {
      radial = BearingFromStation(sx, sy, s.AircraftX, s.AircraftY);
      const double dx = s.AircraftX - sx;
      const double dy = s.AircraftY - sy;
      distance = std::sqrt(dx * dx + dy * dy);
      text = FormatFixed(distance, 3, 1);
    } else {
      distance = kNoDistance;
      text = "999";
    }
  };
  dme(s.Vor1Received, s.Vor1StationX, s.Vor1StationY, s.Vor1Radial, s.Vor1Distance, out.Dme1);
  dme(s.Vor2Received, s.Vor2StationX, s.Vor2StationY, s.Vor2Radial, s.Vor2Distance, out.Dme2);
  if (s.AdfReceived) s.AdfQdr = BearingFromStation(s.AdfStationX, s.AdfStationY, s.AircraftX, s.AircraftY);
  return out;
}

}  // namespace tvx
