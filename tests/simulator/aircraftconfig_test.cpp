#include "simulator/aircraftconfig.h"

#include <gtest/gtest.h>

#include "simulator/aircrafttype.h"
#include "simulator/flightmodel.h"

namespace tvx {
namespace {

// --- The three tests of the type ---

struct TypeCase {
  const char* type;
  bool roundDials, piston, jet;
};

TEST(AircraftType, EachTestOfTheTypeHasItsOwnSet) {
  const TypeCase cases[] = {
      {"SEP", true, true, false},
      {"SEP EFIS", false, true, false},
      {"737", false, false, true},
      {"320", false, false, true},
      {"", false, false, true},     // no type chosen yet: the jet
      {"sep", false, false, true},  // types are compared exactly
  };
  for (const TypeCase& c : cases) {
    SCOPED_TRACE(c.type);
    EXPECT_EQ(IsRoundDialPanel(c.type), c.roundDials);
    EXPECT_EQ(IsPiston(c.type), c.piston);
    EXPECT_EQ(IsJet(c.type), c.jet);
    EXPECT_EQ(CategoryOfType(c.type), c.piston ? "SEP" : "JET");
  }
}

TEST(AircraftType, SelectorItemsAndAnyOtherIndex) {
  EXPECT_EQ(TypeForTypegroupIndex(0), "SEP");
  EXPECT_EQ(TypeForTypegroupIndex(1), "SEP EFIS");
  EXPECT_EQ(TypeForTypegroupIndex(2), "737");
  EXPECT_EQ(TypeForTypegroupIndex(3), "320");
  EXPECT_EQ(TypeForTypegroupIndex(-1), "320");
}

// --- Category constants ---

TEST(CategoryConstants, PistonTypes) {
  for (const char* type : {"SEP", "SEP EFIS"}) {
    SimState s;
    s.AircraftType = type;
    s.BankAngle = 25;
    s.EngineRpm = 1234;
    LoadCategoryConstants(s);
    EXPECT_DOUBLE_EQ(s.AirDensity, 1.225);
    EXPECT_DOUBLE_EQ(s.LiftCoefficient, 0.29);
    EXPECT_DOUBLE_EQ(s.DragCoefficient, 0.0496);
    EXPECT_DOUBLE_EQ(s.ParasiteDrag, 0.0452);
    EXPECT_DOUBLE_EQ(s.WingArea, 15.79);
    EXPECT_DOUBLE_EQ(s.AspectRatio, 7.217);
    EXPECT_DOUBLE_EQ(s.OswaldFactor, 0.85);
    EXPECT_DOUBLE_EQ(s.Weight, 9810);
    EXPECT_DOUBLE_EQ(s.Lift, 9810);
    EXPECT_DOUBLE_EQ(s.BankAngle, 0);
    EXPECT_DOUBLE_EQ(s.EngineRpm, 1234);  // the piston RPM comes from the preset
  }
}

TEST(CategoryConstants, JetAndNoTypeYet) {
  for (const char* type : {"737", "320", ""}) {
    SimState s;
    s.AircraftType = type;
    s.BankAngle = -10;
    s.ParasiteDrag = 0.5;
    LoadCategoryConstants(s);
    EXPECT_DOUBLE_EQ(s.AirDensity, 1.058);
    EXPECT_DOUBLE_EQ(s.LiftCoefficient, 0.767);
    EXPECT_DOUBLE_EQ(s.DragCoefficient, 0.1764);
    EXPECT_DOUBLE_EQ(s.ParasiteDrag, 0.5);  // the jet's comes from the preset
    EXPECT_DOUBLE_EQ(s.WingArea, 124.6);
    EXPECT_DOUBLE_EQ(s.AspectRatio, 10.286);
    EXPECT_DOUBLE_EQ(s.OswaldFactor, 0.1861);
    EXPECT_DOUBLE_EQ(s.Weight, 590000);
    EXPECT_DOUBLE_EQ(s.Lift, 590000);
    EXPECT_DOUBLE_EQ(s.EngineRpm, 2450);
    EXPECT_DOUBLE_EQ(s.CommandedRpm, 2450);
    EXPECT_DOUBLE_EQ(s.DisplayedRpm, 2450);
    EXPECT_DOUBLE_EQ(s.EnginePower, 99300);
    EXPECT_DOUBLE_EQ(s.BankAngle, 0);
  }
}

// --- Preset lists ---

TEST(PresetItems, TextsInOrder) {
  EXPECT_EQ(PistonPresetItems(), QStringList({"Cruise - 115 kts", "Slow cruise - 90 kts", "Ldg config - 90 kts"}));
  EXPECT_EQ(JetPresetItems(),
            QStringList({"Fast Cruise - 280 kts", "Cruise - 250 kts", "VMD - 210 kts", "F1 - 184 kts", "F5 - 164 kts",
                         "F15 gear dn - 154 kts", "F40 gear dn - 144 kts", "Takeoff"}));
  EXPECT_EQ(JetPresetItems().at(kJetFirstPreset), "VMD - 210 kts");
  EXPECT_EQ(JetPresetItems().at(kJetTakeoffPreset), "Takeoff");
}

// --- Piston presets, every value ---

struct PistonRow {
  double airspeed, rpm, aoa, fpa, body, pitch, vs;
  int flaps, gear;
  double cl, cd;
};

TEST(PistonPresets, EveryValueOfTheTable) {
  const PistonRow rows[] = {
      {115, 2450, 0, 0, 0, 0.01, 0, 0, 0, 0.29, 0.0496},
      {90, 2000, 1.9, 2.4, 0, 2.01, 0, 0, 0, 0.475, 0.057},
      {90, 1775, 1.9, -2.8, -2.8, -1.51, -450, 3, 1, 0.475, 0.057},
  };
  for (const char* type : {"SEP", "SEP EFIS"}) {
    for (int i = 0; i < 3; ++i) {
      SCOPED_TRACE(std::string(type) + " preset " + std::to_string(i));
      const PistonRow& r = rows[i];
      SimState s;
      s.AircraftType = type;
      s.Acceleration = 1.5;
      s.PathStep = 0.3;
      s.Altitude = 4000;
      const auto out = ApplyPreset(s, i);
      ASSERT_TRUE(out.has_value());
      EXPECT_EQ(out->flaps, r.flaps);
      EXPECT_EQ(out->gear, r.gear);
      EXPECT_FALSE(out->altitudeSet);
      EXPECT_DOUBLE_EQ(s.Airspeed, r.airspeed);
      EXPECT_DOUBLE_EQ(s.DisplayedAirspeed, r.airspeed);
      EXPECT_DOUBLE_EQ(s.EngineRpm, r.rpm);
      EXPECT_DOUBLE_EQ(s.CommandedRpm, r.rpm);
      EXPECT_DOUBLE_EQ(s.DisplayedRpm, r.rpm);
      EXPECT_DOUBLE_EQ(s.PresetPower, r.rpm);
      EXPECT_DOUBLE_EQ(s.AngleOfAttack, r.aoa);
      EXPECT_DOUBLE_EQ(s.FlightPathAngle, r.fpa);
      EXPECT_DOUBLE_EQ(s.BodyAngle, r.body);
      EXPECT_DOUBLE_EQ(s.PitchAttitude, r.pitch);
      EXPECT_DOUBLE_EQ(s.VerticalSpeed, r.vs);
      EXPECT_DOUBLE_EQ(s.LiftCoefficient, r.cl);
      EXPECT_DOUBLE_EQ(s.DragCoefficient, r.cd);
      EXPECT_DOUBLE_EQ(s.ParasiteDrag, 0.0452);
      EXPECT_DOUBLE_EQ(s.Acceleration, 0);
      EXPECT_DOUBLE_EQ(s.PathStep, 0);
      EXPECT_DOUBLE_EQ(s.Altitude, 4000);
    }
  }
}

// --- Jet presets, every value ---

struct JetRow {
  double airspeed, n1, thrust, aoa, fpa, body, pitch, vs;
  int flaps, detent, gear;
  double cl, cd, cd0;
};

const JetRow kJetRows[] = {
    {280, 69.0, 167620, 2.0, 0, 2.0, 2.01, 0, 0, 0, 0, 0.515, 0.123, 0.0786},
    {250, 64.4, 154280, 3.2, 0, 3.2, 3.21, 0, 0, 0, 0, 0.616, 0.142, 0.0786},
    {210, 58.0, 135720, 5.0, 0, 5.0, 5.01, 0, 0, 0, 0, 0.767, 0.176, 0.0786},
    {184, 60.0, 141520, 5.4, 0, 5.5, 5.51, 0, 1, 1, 0, 0.805, 0.24, 0.132},
    {164, 60.6, 143260, 5.8, 0, 5.9, 5.91, 0, 2, 5, 0, 0.805, 0.306, 0.198},
    {154, 62.0, 147320, 5.9, 0, 5.9, 5.91, 0, 3, 15, 1, 0.805, 0.355, 0.248},
    {144, 62.4, 148480, 2.9, -2.9, 0, 0.01, -740, 4, 40, 1, 0.805, 0.495, 0.388},
    {60, 100, 249520, -2.0, 2.0, 0.01, 0.01, 0, 2, 5, 1, 0.805, 0.356, 0.248},
};

TEST(JetPresets, EveryValueOfTheTable) {
  for (int i = 0; i < 8; ++i) {
    SCOPED_TRACE("jet preset " + std::to_string(i));
    const JetRow& r = kJetRows[i];
    SimState s;
    s.AircraftType = "737";
    s.OnGround = true;
    s.Altitude = 5000;
    s.AirportElevation = 120;
    const auto out = ApplyPreset(s, i);
    ASSERT_TRUE(out.has_value());
    EXPECT_EQ(out->flaps, r.flaps);
    EXPECT_EQ(out->gear, r.gear);
    EXPECT_DOUBLE_EQ(s.Airspeed, r.airspeed);
    EXPECT_DOUBLE_EQ(s.DisplayedAirspeed, r.airspeed);
    EXPECT_DOUBLE_EQ(s.N1, r.n1);
    EXPECT_DOUBLE_EQ(s.DisplayedN1, r.n1);
    EXPECT_DOUBLE_EQ(s.PresetPower, r.n1);
    EXPECT_DOUBLE_EQ(s.Thrust, r.thrust);
    EXPECT_DOUBLE_EQ(s.Drag, r.thrust);
    EXPECT_DOUBLE_EQ(s.AngleOfAttack, r.aoa);
    EXPECT_DOUBLE_EQ(s.FlightPathAngle, r.fpa);
    EXPECT_DOUBLE_EQ(s.BodyAngle, r.body);
    EXPECT_DOUBLE_EQ(s.PitchAttitude, r.pitch);
    EXPECT_DOUBLE_EQ(s.VerticalSpeed, r.vs);
    EXPECT_EQ(s.FlapIndex, r.flaps);
    EXPECT_EQ(s.FlapSetting, r.detent);
    EXPECT_DOUBLE_EQ(s.LiftCoefficient, r.cl);
    EXPECT_DOUBLE_EQ(s.DragCoefficient, r.cd);
    EXPECT_DOUBLE_EQ(s.ParasiteDrag, r.cd0);
    EXPECT_DOUBLE_EQ(s.FlapParasiteDrag, r.cd0);
    EXPECT_EQ(s.OnGround, i == 7);
  }
}

TEST(JetPresets, AirbornePresetsSetTheApproachBugs) {
  for (int i = 0; i <= 6; ++i) {
    SCOPED_TRACE(i);
    SimState s;
    s.AircraftType = "737";
    s.AirportElevation = 120;
    s.Altitude = 4500;
    const auto out = ApplyPreset(s, i);
    EXPECT_EQ(s.AltitudeBug, 320);
    EXPECT_EQ(s.SpeedBug, static_cast<int>(kJetRows[i].airspeed));
    EXPECT_EQ(s.SpeedBugPhase, "APCH");
    EXPECT_DOUBLE_EQ(s.Altitude, 4500);  // away from the runway the altitude stays
    EXPECT_FALSE(out->altitudeSet);
  }
}

TEST(JetPresets, AirbornePresetOnTheRunwayGoesTo3000Feet) {
  for (int i = 0; i <= 6; ++i) {
    SCOPED_TRACE(i);
    SimState s;
    s.AircraftType = "320";
    s.AirportElevation = 120;
    s.Altitude = 120;
    const auto out = ApplyPreset(s, i);
    EXPECT_DOUBLE_EQ(s.Altitude, 3000);
    EXPECT_TRUE(out->altitudeSet);
  }
  // Only an exact match counts.
  SimState s;
  s.AircraftType = "737";
  s.AirportElevation = 120;
  s.Altitude = 120.5;
  EXPECT_FALSE(ApplyPreset(s, 2)->altitudeSet);
  EXPECT_DOUBLE_EQ(s.Altitude, 120.5);
}

TEST(JetPresets, TakeoffPutsTheJetOnTheRunway) {
  struct {
    int elevation, bug;
  } cases[] = {{20, 900}, {0, 800}, {100, 900}, {120, 1000}, {200, 1000}, {-30, 800}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.elevation);
    SimState s;
    s.AircraftType = "737";
    s.AirportElevation = c.elevation;
    s.Altitude = 3000;
    const auto out = ApplyPreset(s, kJetTakeoffPreset);
    EXPECT_EQ(s.AltitudeBug, c.bug);
    EXPECT_EQ(s.SpeedBug, 143);
    EXPECT_EQ(s.SpeedBugPhase, "TO");
    EXPECT_DOUBLE_EQ(s.Altitude, c.elevation);
    EXPECT_TRUE(out->altitudeSet);
    EXPECT_TRUE(s.OnGround);
  }
}

TEST(Presets, AnIndexThatIsNoItemChangesOnlyTheSteps) {
  for (const char* type : {"SEP", "737"}) {
    for (int index : {-1, 3, 8}) {
      if (QString(type) == "737" && index == 3) continue;
      SCOPED_TRACE(std::string(type) + " " + std::to_string(index));
      SimState s;
      s.AircraftType = type;
      s.Airspeed = 123;
      s.Acceleration = 2;
      s.PathStep = 0.5;
      s.SpeedBugPhase = "GA";
      EXPECT_FALSE(ApplyPreset(s, index).has_value());
      EXPECT_DOUBLE_EQ(s.Airspeed, 123);
      EXPECT_EQ(s.SpeedBugPhase, "GA");
      EXPECT_DOUBLE_EQ(s.Acceleration, 0);
      EXPECT_DOUBLE_EQ(s.PathStep, 0);
    }
  }
}

TEST(Presets, TheTypeChoosesTheTableNotTheCategory) {
  // During a type change the category still names the old type.
  SimState s;
  s.AircraftType = "737";
  s.AircraftCategory = "SEP";
  ApplyPreset(s, 0);
  EXPECT_DOUBLE_EQ(s.Airspeed, 280);
}

// --- Jet flap lever ---

TEST(JetFlapLever, LiftAndParasiteDragByPositionAndGear) {
  struct {
    int position, gear, detent;
    double cl, flapCd0, cd0;
  } rows[] = {
      {0, 0, 0, 0.767, 0.0786, 0.0786}, {0, 1, 0, 0.767, 0.0786, 0.1286},
      {1, 0, 1, 0.805, 0.132, 0.132},   {1, 1, 1, 0.805, 0.132, 0.182},
      {2, 0, 5, 0.805, 0.198, 0.198},   {2, 1, 5, 0.805, 0.198, 0.248},
      {3, 0, 15, 0.805, 0.198, 0.198},  {3, 1, 15, 0.805, 0.248, 0.248},
      {4, 0, 40, 0.805, 0.388, 0.338},  {4, 1, 40, 0.805, 0.388, 0.388},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(std::to_string(r.position) + "/" + std::to_string(r.gear));
    SimState s;
    s.FlapIndex = r.position;
    ApplyJetFlapLever(s, r.position, r.gear);
    EXPECT_EQ(s.FlapSetting, r.detent);
    EXPECT_EQ(s.FlapIndex, r.position);
    EXPECT_DOUBLE_EQ(s.LiftCoefficient, r.cl);
    EXPECT_DOUBLE_EQ(s.FlapParasiteDrag, r.flapCd0);
    EXPECT_DOUBLE_EQ(s.ParasiteDrag, r.cd0);
  }
}

struct MoveCase {
  const char* name;
  int from, to;
  bool engineOut;
  const char* phase;
  const char* takeoff;
  double dAoa, dFpa;
  const char* phaseAfter;
  const char* takeoffAfter;
};

TEST(JetFlapLever, AttitudeAndPhaseChangesOfEachMove) {
  const MoveCase cases[] = {
      {"1 to 0 in GA", 1, 0, false, "GA", "TO", -1.0, 0, "APCH", "OFF"},
      {"2 to 0 keeps GA", 2, 0, false, "GA", "GAarmed", 0, 0, "GA", "OFF"},
      {"0 to 0 still clears the take-off state", 0, 0, false, "TO", "TOarmed", 0, 0, "TO", "OFF"},
      {"0 to 1", 0, 1, false, "APCH", "OFF", 1.0, 0, "APCH", "OFF"},
      {"2 to 1 in GA", 2, 1, false, "GA", "OFF", -0.9, -0.3, "APCH", "OFF"},
      {"2 to 1 in GA, engine out", 2, 1, true, "GA", "OFF", -0.9, -0.3, "GA", "OFF"},
      {"2 to 1 engine out, GA armed", 2, 1, true, "APCH", "GAarmed", -1.1, -0.8, "APCH", "GA"},
      {"2 to 1 GA armed, both engines", 2, 1, false, "APCH", "GAarmed", -0.9, -0.3, "APCH", "GAarmed"},
      {"0 to 1 engine out, GA armed", 0, 1, true, "APCH", "GAarmed", 0.8, -0.5, "APCH", "GA"},
      {"1 to 1", 1, 1, false, "APCH", "OFF", 0, 0, "APCH", "OFF"},
      {"3 to 2", 3, 2, false, "GA", "OFF", 0, 0, "APCH", "OFF"},
      {"3 to 2 engine out", 3, 2, true, "APCH", "OFF", 0, 0, "GA", "OFF"},
      {"1 to 2", 1, 2, false, "APCH", "OFF", 0.9, 0.3, "APCH", "OFF"},
      {"4 to 3", 4, 3, false, "APCH", "OFF", 0, 0, "GA", "OFF"},
      {"4 to 3 engine out arms GA", 4, 3, true, "APCH", "OFF", 0, 0, "GA", "GAarmed"},
      {"2 to 3 engine out, TO stays", 2, 3, true, "TO", "TO", 0, 0, "TO", "TO"},
      {"3 to 4", 3, 4, true, "GA", "GAarmed", 0, 0, "GA", "GAarmed"},
  };
  for (const MoveCase& c : cases) {
    SCOPED_TRACE(c.name);
    SimState s;
    s.FlapIndex = c.from;
    s.OneEngineOut = c.engineOut;
    s.SpeedBugPhase = c.phase;
    s.TakeoffState = c.takeoff;
    s.AngleOfAttack = 4.0;
    s.FlightPathAngle = 1.0;
    ApplyJetFlapLever(s, c.to, 0);
    EXPECT_NEAR(s.AngleOfAttack - 4.0, c.dAoa, 1e-12);
    EXPECT_NEAR(s.FlightPathAngle - 1.0, c.dFpa, 1e-12);
    EXPECT_EQ(s.SpeedBugPhase, c.phaseAfter);
    EXPECT_EQ(s.TakeoffState, c.takeoffAfter);
    EXPECT_EQ(s.FlapIndex, c.to);
  }
}

TEST(JetFlapLever, GearMovesAtFlapsOneLeaveTheAttitude) {
  // Each gear move runs the flap routine with the flaps where they are.
  SimState s;
  s.FlapIndex = 1;
  s.AngleOfAttack = 5.0;
  s.FlightPathAngle = 0.0;
  for (int gear : {1, 0, 1}) ApplyJetFlapLever(s, 1, gear);
  EXPECT_DOUBLE_EQ(s.AngleOfAttack, 5.0);
  EXPECT_DOUBLE_EQ(s.FlightPathAngle, 0.0);
  EXPECT_DOUBLE_EQ(s.ParasiteDrag, 0.182);
}

TEST(Presets, PistonsAreFlyableAfterTheJetTakeoffPreset) {
  SimState s;
  s.AircraftType = "737";
  LoadCategoryConstants(s);
  ApplyPreset(s, kJetTakeoffPreset);
  ASSERT_TRUE(s.OnGround);
  for (const char* type : {"SEP", "SEP EFIS"}) {
    SCOPED_TRACE(type);
    SimState typeChange = s;
    typeChange.AircraftType = type;
    LoadCategoryConstants(typeChange);
    EXPECT_FALSE(typeChange.OnGround);
    for (int index : {0, 1, 2}) {
      SimState preset = s;
      preset.AircraftType = type;
      ApplyPreset(preset, index);
      EXPECT_FALSE(preset.OnGround) << index;
      flight::draailinks(preset);
      EXPECT_DOUBLE_EQ(preset.BankAngle, -1.0) << index;
    }
  }
}

}  // namespace
}  // namespace tvx
