// The start panel's beacon search, placements and configuration check.
#include "simulator/startpanel.h"

#include <gtest/gtest.h>

using namespace tvx;

TEST(StartBeaconNames, BlanksAndRunwayZeros) {
  const struct {
    const char *stored, *typed;
    int blanks;
    bool runway, match;
  } cases[] = {
      {"AAA", "AAA", 1, false, true},   {"AAA ", "AAA", 1, false, true},  {"AAA", "AAA ", 1, false, true},
      {"AAA  ", "AAA", 1, false, false}, {"AB", "ABC", 1, false, false},  {"0AB", "AB", 1, false, false},
      {"27  ", "27", 2, true, true},    {"27", "27  ", 2, true, true},    {"27   ", "27", 2, true, false},
      {"09", "9", 2, true, true},       {"9", "09", 2, true, true},       {"09L", "9L", 2, true, true},
      {"09 ", "9", 2, true, true},      {"27", "09", 2, true, false},     {"", "  ", 2, false, false},
      {"LCA ", "LCA", 2, false, true},  {"05", "5 ", 2, true, true},
      // The leading "0" on one side only.
      {"09", "009", 2, true, true},     {"009", "09", 2, true, true},     {"09", "0009", 2, true, false},
      {"009", "9", 2, true, false},     {"009", "09", 1, false, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(BeaconNamesMatch(c.stored, c.typed, c.blanks, c.runway), c.match)
        << "'" << c.stored << "' '" << c.typed << "'";
}

TEST(StartBeacon, DefaultAreaKinds) {
  AreaState a;
  FillDefaultArea(a);
  const struct {
    const char* name;
    StartBeaconMatch kind;
    int slot;
  } cases[] = {{"AAA", StartBeaconMatch::Vor, 0},    {"CCC", StartBeaconMatch::Vor, 2},
               {"MMM", StartBeaconMatch::Ndb, 0},    {"PPP", StartBeaconMatch::Ndb, 2},
               {"ILA", StartBeaconMatch::Runway, 0}, {"LCA", StartBeaconMatch::Locator, 0},
               {"XYZ", StartBeaconMatch::None, -1}};
  for (const auto& c : cases) {
    const StartBeaconHit hit = FindStartBeacon(a, c.name);
    EXPECT_EQ(hit.kind, c.kind) << c.name;
    EXPECT_EQ(hit.slot, c.slot) << c.name;
  }
}

TEST(StartBeacon, SlotOrderThenKindOrder) {
  AreaState a;
  a.VorList[3].Name = "DUP";
  a.NdbList[1].Name = "DUP";
  a.IlsList[1].Name = "DUP";
  StartBeaconHit hit = FindStartBeacon(a, "DUP");
  EXPECT_EQ(hit.kind, StartBeaconMatch::Ndb);
  EXPECT_EQ(hit.slot, 1);
  a.VorList[1].Name = "DUP";
  hit = FindStartBeacon(a, "DUP");
  EXPECT_EQ(hit.kind, StartBeaconMatch::Vor);
  EXPECT_EQ(hit.slot, 1);
}

TEST(StartBeacon, OnlyUsedSlotsAreSearched) {
  AreaState a;
  FillDefaultArea(a);
  // A slot emptied by its name keeps stale fields, as a loaded file may.
  a.IlsList[4].LocatorName = "QQQ";
  a.IlsList[4].LocatorDistance = 4;
  a.VorList[6].Frequency = "116.0";
  EXPECT_EQ(FindStartBeacon(a, "QQQ").kind, StartBeaconMatch::None);
  // A used slot after a gap is found.
  a.NdbList[9].Name = "GAP";
  EXPECT_EQ(FindStartBeacon(a, "GAP").slot, 9);
  EXPECT_EQ(FindStartBeacon(a, "   ").kind, StartBeaconMatch::None);
}

TEST(StartBeacon, LocatorOnTheApproachSide) {
  AreaBeacon ils;
  ils.X = 1;
  ils.Y = 2;
  ils.FinalCourse = 270;  // landing west: the locator lies east
  ils.LocatorDistance = 4;
  QPointF at = LocatorPosition(ils);
  EXPECT_NEAR(at.x(), 5, 1e-12);
  EXPECT_NEAR(at.y(), 2, 1e-12);
  ils.FinalCourse = 360;  // landing north: the locator lies south (Y grows)
  at = LocatorPosition(ils);
  EXPECT_NEAR(at.x(), 1, 1e-12);
  EXPECT_NEAR(at.y(), 6, 1e-12);
}

TEST(StartBeacon, LocatorsTheAdfIsNotTunedTo) {
  AreaBeacon ils;
  ils.LocatorName = "LCA";
  for (const char* freq : {"", "      ", "0"}) {
    ils.LocatorFreq = freq;
    EXPECT_FALSE(LocatorTunable(ils)) << freq;
  }
  ils.LocatorFreq = "370";
  EXPECT_TRUE(LocatorTunable(ils));
  ils.LocatorName = "OM";
  EXPECT_FALSE(LocatorTunable(ils));
}

TEST(StartBeacon, WrapOnlyAbove360) {
  EXPECT_EQ(Wrap360(360), 360);
  EXPECT_EQ(Wrap360(361), 1);
  EXPECT_EQ(Wrap360(453), 93);
  EXPECT_EQ(Wrap360(0), 0);
}

TEST(StartBeacon, MissingBeaconWarningText) {
  EXPECT_EQ(MissingBeaconWarning("Area1", "XYZ", "AAA").toStdString(),
            "WARNING: This STARTPOSITION is not valid in AREA \"Area1\".\r\n"
            "Beacon \"XYZ\" does not exist in AREA \"Area1\"\r\n"
            "and is replaced by \"AAA\".\r\n\r\n"
            "Option: Load the correct AREA first, then load the corresponding STARTPOSITION again.");
}

TEST(ConfigCheck, MinimumAltitudeRoundedUpToHundreds) {
  const QString head = "Configuration does not correspond with altitude.\r\nAdjust altitude in STARTPOSITION panel! ";
  const struct {
    int index;
    const char* altitude;
    int elevation;
    bool piston;
    const char* tail;  // nullptr: accepted
  } cases[] = {
      {0, "1500", 120, true, "Set 1700 ft or higher."},
      {0, "1620", 120, true, nullptr},
      {1, "1619", 120, true, "Set 1700 ft or higher."},
      {2, "419", 120, true, "Set 500 ft or higher."},
      {2, "420", 120, true, nullptr},
      {0, "120", 120, true, "Set 1700 ft or higher."},
      {0, "1599", 100, true, "Set 1600 ft or higher."},
      {4, "1619", 120, false, "Set 1700 ft or higher."},
      {2, "3000", 120, false, nullptr},
      {5, "419", 120, false, "Set 500 ft or higher."},
      {6, "420", 120, false, nullptr},
      {7, "120", 120, false, nullptr},
      {7, "0120", 120, false, "Set runway elevation."},
      {7, "3000", 120, false, "Set runway elevation."},
      {-1, "3000", 120, false, nullptr},
      {0, "abc", 120, true, nullptr},  // the panel's own check refuses it
  };
  for (const auto& c : cases) {
    const QString refusal = ConfigAltitudeRefusal(c.index, c.altitude, c.elevation, c.piston);
    EXPECT_EQ(refusal.toStdString(), c.tail ? (head + c.tail).toStdString() : std::string())
        << c.index << " " << c.altitude;
  }
}
