#include "simulator/radios.h"

#include <gtest/gtest.h>

#include "areas/areamodel.h"
#include "simulator/simstate.h"
#include "support/defaultarea.h"

namespace tvx {
namespace {

AreaState DefaultArea() { return test::ProjectedDefaultArea(); }

// The default area tuned as after start-up, then retuned to `active`.
SimState Tuned(const AreaState& a, const ActiveFrequencies& active) {
  SimState s;
  TuneReceivers(s, a, active);
  return s;
}

struct MatchCase {
  const char* station;
  const char* active;
  const QString& suffix;
  bool matches;
};

TEST(FrequencyMatch, SuffixRulesOfBothKinds) {
  const MatchCase cases[] = {
      {"114.6", "114.6", kVorFrequencySuffix, true},
      {"114.6", "114.60", kVorFrequencySuffix, true},
      {"114.60", "114.6", kVorFrequencySuffix, true},
      {"114.6", "114.600", kVorFrequencySuffix, false},
      {"114.6", "114.7", kVorFrequencySuffix, false},
      {"114.6", " 114.6", kVorFrequencySuffix, false},
      {"108.6", "108.6.0", kVorFrequencySuffix, false},
      {"565", "565", kNdbFrequencySuffix, true},
      {"565", "565.0", kNdbFrequencySuffix, true},
      {"565.0", "565", kNdbFrequencySuffix, true},
      {"565", "5650", kNdbFrequencySuffix, false},
      {"565", "565.00", kNdbFrequencySuffix, false},
      {"565", "565.0", kVorFrequencySuffix, false},
      {"", "", kVorFrequencySuffix, false},
      {"", "0", kVorFrequencySuffix, false},
      {"", ".0", kNdbFrequencySuffix, false},
  };
  for (const MatchCase& c : cases) {
    EXPECT_EQ(FrequencyMatches(c.station, c.active, c.suffix), c.matches)
        << "station \"" << c.station << "\" active \"" << c.active << "\" suffix \"" << c.suffix.toStdString()
        << "\"";
  }
}

TEST(Bearing, FromTheStationToTheAircraft) {
  struct Case {
    double x, y, bearing;
  };
  // y grows to the south.
  const Case cases[] = {
      {0, -5, 0},      {5, 0, 90},     {0, 5, 180},      {-5, 0, 270},   {3, -3, 45},
      {3, 3, 135},     {-3, 3, 225},   {-3, -3, 315},    {0, 0, 0},      {1, -1e-9, 90 - 5.7e-8},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(BearingFromStation(0, 0, c.x, c.y), c.bearing, 1e-6) << c.x << "," << c.y;
  }
  // Exactly north, south, east and west of a station away from the origin.
  EXPECT_EQ(BearingFromStation(2, 7, 2, 1), 0.0);
  EXPECT_EQ(BearingFromStation(2, 7, 2, 9), 180.0);
  EXPECT_EQ(BearingFromStation(2, 7, 6, 7), 90.0);
  EXPECT_EQ(BearingFromStation(2, 7, -6, 7), 270.0);
}

TEST(Tuning, DefaultAreaStations) {
  const AreaState a = DefaultArea();
  const SimState s = Tuned(a, {"114.0", "114.6", "565"});
  EXPECT_TRUE(s.Vor1Received);
  EXPECT_EQ(s.Vor1Ident, "AAA");
  EXPECT_EQ(s.Vor1StationX, 0.0);
  EXPECT_EQ(s.Vor1StationY, 0.0);
  EXPECT_TRUE(s.Vor2Received);
  EXPECT_EQ(s.Vor2Ident, "BBB");
  EXPECT_EQ(s.Vor2StationX, a.VorList[1].X);
  EXPECT_EQ(s.Vor2StationY, a.VorList[1].Y);
  EXPECT_TRUE(s.AdfReceived);
  EXPECT_EQ(s.AdfIdent, "MMM");
  EXPECT_EQ(s.AdfStationX, a.NdbList[0].X);
  EXPECT_FALSE(s.IlsTuned);
  EXPECT_EQ(s.OuterMarkerX, -999.0);
  EXPECT_EQ(s.OuterMarkerY, -999.0);

  // Frequencies typed with or without the trailing zero.
  const SimState t = Tuned(a, {"114.00", "115.40", "766.0"});
  EXPECT_EQ(t.Vor1Ident, "AAA");
  EXPECT_EQ(t.Vor2Ident, "CCC");
  EXPECT_EQ(t.AdfIdent, "NNN");
}

TEST(Tuning, IlsOnVor1WithItsOuterMarker) {
  AreaState a = DefaultArea();
  SimState s;
  s.AirportElevation = 0;
  TuneReceivers(s, a, {"108.6", "108.6", "370"});
  EXPECT_TRUE(s.Vor1Received);
  EXPECT_TRUE(s.IlsTuned);
  EXPECT_EQ(s.Vor1Ident, "---");
  EXPECT_EQ(s.AirportElevation, 120);
  const AreaBeacon& ils = a.IlsList[0];
  EXPECT_EQ(s.Vor1StationX, ils.X);
  EXPECT_EQ(s.Vor1StationY, ils.Y);
  // Course 270: the marker lies 4 NM east of the runway point.
  EXPECT_NEAR(s.OuterMarkerX, ils.X + 4.0, 1e-12);
  EXPECT_NEAR(s.OuterMarkerY, ils.Y, 1e-12);
  // VOR 2 receives no ILS.
  EXPECT_FALSE(s.Vor2Received);
  EXPECT_EQ(s.Vor2Ident, "");
  // The ADF hears the locator at the same point.
  EXPECT_TRUE(s.AdfReceived);
  EXPECT_EQ(s.AdfIdent, "LCA");
  EXPECT_NEAR(s.AdfStationX, ils.X + 4.0, 1e-12);
  EXPECT_NEAR(s.AdfStationY, ils.Y, 1e-12);

  // A course of 360 puts the marker south of the runway point (y grows south).
  a.IlsList[0].FinalCourse = 360;
  TuneReceivers(s, a, {"108.6", "", "370.0"});
  EXPECT_NEAR(s.OuterMarkerX, ils.X, 1e-12);
  EXPECT_NEAR(s.OuterMarkerY, ils.Y + 4.0, 1e-12);
  EXPECT_NEAR(s.AdfStationY, ils.Y + 4.0, 1e-12);

  // Retuned to a VOR, the marker is gone.
  TuneReceivers(s, a, {"114.0", "", ""});
  EXPECT_FALSE(s.IlsTuned);
  EXPECT_EQ(s.OuterMarkerX, -999.0);
  EXPECT_EQ(s.OuterMarkerY, -999.0);
}

TEST(Tuning, LaterSlotWinsAmongVorsFirstSlotAmongIls) {
  AreaState a = DefaultArea();
  a.VorList[2].Frequency = "114.6";  // CCC shares BBB's frequency
  SimState s = Tuned(a, {"114.6", "114.60", ""});
  EXPECT_EQ(s.Vor1Ident, "CCC");
  EXPECT_EQ(s.Vor1StationX, a.VorList[2].X);
  EXPECT_EQ(s.Vor2Ident, "CCC");

  // Two ILSs on one frequency: the search stops at the first.
  a.IlsList[4] = a.IlsList[0];
  a.IlsList[4].Name = "27";
  a.IlsList[4].X = 10;
  a.IlsList[4].Elevation = 500;
  s = Tuned(a, {"108.6", "", ""});
  EXPECT_EQ(s.Vor1StationX, a.IlsList[0].X);
  EXPECT_EQ(s.AirportElevation, 120);

  // A VOR on the ILS frequency is received instead of the ILS.
  a.VorList[7].Name = "DUP";
  a.VorList[7].Frequency = "108.6";
  a.VorList[7].X = -3;
  s = Tuned(a, {"108.6", "", ""});
  EXPECT_EQ(s.Vor1Ident, "DUP");
  EXPECT_FALSE(s.IlsTuned);
  EXPECT_EQ(s.OuterMarkerX, -999.0);
}

TEST(Tuning, LocatorAndNdbOnOneFrequency) {
  AreaState a = DefaultArea();
  // Same slot: the locator is looked at after the NDB and wins.
  a.NdbList[0].Frequency = "370";
  SimState s = Tuned(a, {"", "", "370"});
  EXPECT_EQ(s.AdfIdent, "LCA");
  // An NDB in a later slot wins over the locator of slot 0.
  a.NdbList[0].Frequency = "565";
  a.NdbList[3].Name = "QQQ";
  a.NdbList[3].Frequency = "370.0";
  a.NdbList[3].X = -7;
  s = Tuned(a, {"", "", "370"});
  EXPECT_EQ(s.AdfIdent, "QQQ");
  EXPECT_EQ(s.AdfStationX, -7.0);
}

TEST(Tuning, EmptySlotsAreNoStations) {
  AreaState a = DefaultArea();
  // Left-overs of emptied slots, as a loaded file with gaps may hold them.
  a.VorList[6].Frequency = "117.0";
  a.NdbList[6].Frequency = "300";
  a.IlsList[3].LocatorName = "OLD";
  a.IlsList[3].LocatorFreq = "401";
  a.IlsList[3].LocatorDistance = 3;
  a.IlsList[5].Frequency = "109.1";
  const SimState s = Tuned(a, {"117.0", "109.1", "401"});
  EXPECT_FALSE(s.Vor1Received);
  EXPECT_FALSE(s.IlsTuned);
  EXPECT_FALSE(s.Vor2Received);
  EXPECT_FALSE(s.AdfReceived);
  EXPECT_EQ(s.AdfIdent, "");
  EXPECT_FALSE(Tuned(a, {"", "", "300"}).AdfReceived);
}

TEST(Tuning, IlsWithoutLocatorHasNoOuterMarker) {
  AreaState a = DefaultArea();
  a.IlsList[0].LocatorDistance = 0;
  a.IlsList[0].LocatorName.clear();
  a.IlsList[0].LocatorFreq.clear();
  const SimState s = Tuned(a, {"108.6", "", ""});
  EXPECT_TRUE(s.IlsTuned);
  EXPECT_EQ(s.Vor1StationX, a.IlsList[0].X);
  EXPECT_EQ(s.OuterMarkerX, -999.0);
  EXPECT_EQ(s.OuterMarkerY, -999.0);
}

TEST(Tuning, EmptyActiveTextSwitchesTheReceiverOff) {
  AreaState a = DefaultArea();
  // A station whose frequency is "0" would answer to an empty text plus "0".
  a.VorList[3].Name = "ZER";
  a.VorList[3].Frequency = "0";
  a.IlsList[2] = a.IlsList[0];
  a.IlsList[2].Name = "09";
  a.IlsList[2].Frequency = "0";
  a.NdbList[3].Name = "NUL";
  a.NdbList[3].Frequency = ".0";
  SimState s;
  s.Vor1Received = s.Vor2Received = s.AdfReceived = s.IlsTuned = true;
  TuneReceivers(s, a, {"", "", ""});
  EXPECT_FALSE(s.Vor1Received);
  EXPECT_FALSE(s.IlsTuned);
  EXPECT_FALSE(s.Vor2Received);
  EXPECT_FALSE(s.AdfReceived);
  // The same stations answer to "0" and ".0" typed in.
  s = Tuned(a, {"0", "0", ".0"});
  EXPECT_TRUE(s.Vor1Received);
  EXPECT_EQ(s.Vor1Ident, "ZER");
  EXPECT_TRUE(s.AdfReceived);
  EXPECT_EQ(s.AdfIdent, "NUL");
}

TEST(BearingsAndDme, ReadOutsFollowTheAircraft) {
  const AreaState a = DefaultArea();
  SimState s = Tuned(a, {"114.0", "999.9", "565"});
  s.AircraftX = 3;
  s.AircraftY = 4;  // south-east of AAA
  s.Vor2Radial = 123;
  DmeReadouts d = ComputeBearingsAndDme(s);
  EXPECT_EQ(d.Dme1, "5.0");
  EXPECT_DOUBLE_EQ(s.Vor1Distance, 5.0);
  EXPECT_NEAR(s.Vor1Radial, 143.130102, 1e-6);
  // VOR 2 hears nothing: 999, and the radial stays as it was.
  EXPECT_EQ(d.Dme2, "999");
  EXPECT_EQ(s.Vor2Distance, 999.0);
  EXPECT_EQ(s.Vor2Radial, 123.0);
  EXPECT_NEAR(s.AdfQdr, BearingFromStation(a.NdbList[0].X, a.NdbList[0].Y, 3, 4), 1e-12);

  s.AircraftX = -12.34;
  s.AircraftY = 0;
  d = ComputeBearingsAndDme(s);
  EXPECT_EQ(d.Dme1, "12.3");
  EXPECT_EQ(s.Vor1Radial, 270.0);
  s.AircraftX = 0.04;
  d = ComputeBearingsAndDme(s);
  EXPECT_EQ(d.Dme1, "0.0");
  EXPECT_EQ(s.Vor1Radial, 90.0);

  // The ADF without a station keeps its bearing.
  s.AdfReceived = false;
  s.AdfQdr = 77;
  ComputeBearingsAndDme(s);
  EXPECT_EQ(s.AdfQdr, 77.0);
}

}  // namespace
}  // namespace tvx
