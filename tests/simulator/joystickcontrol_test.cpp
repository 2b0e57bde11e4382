#include "simulator/joystickcontrol.h"

#include <gtest/gtest.h>

#include <limits>

#include "simulator/tickmodel.h"

namespace tvx {
namespace {

SimState StartState() {
  SimState s;
  s.JoyCentreX = 100;
  s.JoyCentreY = 100;
  s.JoyAwaitCentre = true;
  s.ClockStep = 0.1;
  s.AircraftType = "SEP";
  return s;
}

// Flies one second: ten ticks (their clocks and the re-arming of the stick
// steps), each followed by ten stick events at (x, y), as the component
// reports every 10 ms. Returns the bank and pitch steps asked for.
struct Counts {
  int left = 0, right = 0, down = 0, up = 0;
};
Counts FlySecond(SimState& s, int x, int y) {
  Counts c;
  for (int tick = 0; tick < 10; ++tick) {
    flight::AdvanceClocks(s);
    RearmStickSteps(s);
    for (int event = 0; event < 10; ++event) {
      const StickSteps st = StickControl(s, x, y, true);
      c.left += st.bank < 0;
      c.right += st.bank > 0;
      c.down += st.pitch < 0;
      c.up += st.pitch > 0;
    }
  }
  return c;
}

TEST(StickControl, FirstEventDefinesTheCentreAndNeverSteps) {
  SimState s = StartState();
  s.JoyTurnReady = s.JoyPitchReady = true;
  const StickSteps st = StickControl(s, 137, 64, true);
  EXPECT_EQ(st.bank, 0);
  EXPECT_EQ(st.pitch, 0);
  EXPECT_EQ(s.JoyCentreX, 137);
  EXPECT_EQ(s.JoyCentreY, 64);
  EXPECT_FALSE(s.JoyAwaitCentre);
  EXPECT_TRUE(s.JoyTurnReady);
  // Later events keep that centre.
  StickControl(s, 100, 100, true);
  EXPECT_EQ(s.JoyCentreX, 137);
}

TEST(StickControl, DeadBandAndBankPace) {
  struct Case {
    int x;
    int left, right;
    double interval;
  } cases[] = {
      {109, 0, 0, 0.2},   // 9 units: never
      {91, 0, 0, 0.2},
      {110, 0, 5, 0.2},   // 10 units: once per 0.2 s
      {85, 5, 0, 0.2},    // 15 units: still the slow pace
      // Beyond 15: once per 0.1 s, from the second tick (the first still ran
      // on the interval set while the stick was centred).
      {116, 0, 9, 0.1},
      {0, 9, 0, 0.1},
  };
  for (const Case& c : cases) {
    SimState s = StartState();
    StickControl(s, 100, 100, true);  // the centre
    const Counts n = FlySecond(s, c.x, 100);
    EXPECT_EQ(n.left, c.left) << c.x;
    EXPECT_EQ(n.right, c.right) << c.x;
    EXPECT_EQ(s.JoyTurnInterval, c.interval) << c.x;
    EXPECT_EQ(n.up + n.down, 0) << c.x;
  }
}

TEST(StickControl, PitchStepGrowsWithDeflection) {
  struct Case {
    int y;
    double step;
    int down, up;
  } cases[] = {
      {109, 0, 0, 0},       // inside the dead band: no step, size untouched
      {110, 0.01, 0, 10},   // every 0.1 s
      {71, 0.01, 10, 0},    // 29 units
      {130, 0.06, 0, 10},   // 30 units: 0.002 per unit
      {21, 0.158, 10, 0},   // 79 units
      {180, 0.24, 0, 10},   // 80 units: 0.003 per unit
      {200, 0.3, 0, 10},
      {0, 0.3, 10, 0},
  };
  for (const Case& c : cases) {
    SimState s = StartState();
    StickControl(s, 100, 100, true);
    const Counts n = FlySecond(s, 100, c.y);
    EXPECT_NEAR(s.AoaStep, c.step, 1e-12) << c.y;
    EXPECT_EQ(s.PathStep, 0) << c.y;
    EXPECT_EQ(n.down, c.down) << c.y;
    EXPECT_EQ(n.up, c.up) << c.y;
    EXPECT_EQ(s.JoyPitchInterval, 0.1);
  }
}

TEST(StickControl, PitchStepGoesToTheTypeFlown) {
  for (const char* type : {"SEP", "SEP EFIS", "737", "320"}) {
    SimState s = StartState();
    s.AircraftType = type;
    StickControl(s, 100, 100, true);
    s.JoyPitchReady = true;
    StickControl(s, 100, 50, true);
    const bool piston = QString(type).startsWith("SEP");
    EXPECT_NEAR(piston ? s.AoaStep : s.PathStep, 0.1, 1e-12) << type;
    EXPECT_EQ(piston ? s.PathStep : s.AoaStep, 0) << type;
  }
}

TEST(StickControl, NoStepsWhileNotFlying) {
  SimState s = StartState();
  StickControl(s, 100, 100, false);  // the centre is taken on the ground too
  EXPECT_FALSE(s.JoyAwaitCentre);
  s.JoyTurnReady = s.JoyPitchReady = true;
  const StickSteps st = StickControl(s, 190, 10, false);
  EXPECT_EQ(st.bank, 0);
  EXPECT_EQ(st.pitch, 0);
  EXPECT_TRUE(s.JoyTurnReady);  // kept for when the flight runs
  EXPECT_TRUE(s.JoyPitchReady);
  EXPECT_EQ(s.AoaStep, 0);
  EXPECT_EQ(s.JoyTurnInterval, 0.1);
  const StickSteps flying = StickControl(s, 190, 10, true);
  EXPECT_EQ(flying.bank, 1);
  EXPECT_EQ(flying.pitch, -1);
}

TEST(StickSteps, TickRearmsWhenTheClockReachesTheInterval) {
  SimState s;
  s.JoyTurnInterval = 0.2;
  s.JoyPitchInterval = 0.1;
  s.JoyTurnClock = 0.1;
  s.JoyPitchClock = 0.1;
  RearmStickSteps(s);
  EXPECT_FALSE(s.JoyTurnReady);
  EXPECT_EQ(s.JoyTurnClock, 0.1);
  EXPECT_TRUE(s.JoyPitchReady);
  EXPECT_EQ(s.JoyPitchClock, 0);
  s.JoyTurnClock += 0.1;
  RearmStickSteps(s);
  EXPECT_TRUE(s.JoyTurnReady);
  EXPECT_EQ(s.JoyTurnClock, 0);
}

TEST(Throttle, LeverPositions) {
  struct Case {
    int z;
    double rpm, n1;
  } cases[] = {
      {0, 2700, 100},  // 2714.6 RPM and 108 % kept to the lever's travel
      {1, 2700, 100},
      {10, (87 * 1400.0 / 96) + 1300, 88},
      {11, (86 * 1400.0 / 96) + 1300, 87.5},
      {90, (7 * 1400.0 / 96) + 1300, 48},
      {91, (6 * 1400.0 / 96) + 1300, 44},
      {97, 1300, 20},
      {100, 1300, 20},  // 1256 RPM and 8 %
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(ThrottleLeverRpm(c.z), c.rpm) << c.z;
    EXPECT_DOUBLE_EQ(ThrottleLeverN1(c.z), c.n1) << c.z;
  }
}

TEST(Throttle, SetsPowerOnlyWithJoystickThrust) {
  SimState s;
  s.N1 = 60;
  s.DisplayedN1 = 60;
  s.CommandedRpm = 2300;
  s.DisplayedRpm = 2300;
  ThrottleControl(s, 90, false);
  EXPECT_EQ(s.JoystickLeverN1, 48);
  EXPECT_NEAR(s.JoystickLeverRpm, 1402.083, 1e-3);
  EXPECT_EQ(s.N1, 60);
  EXPECT_EQ(s.CommandedRpm, 2300);
  ThrottleControl(s, 0, true);
  EXPECT_EQ(s.N1, 100);
  EXPECT_EQ(s.DisplayedN1, 100);
  EXPECT_EQ(s.CommandedRpm, 2700);
  EXPECT_EQ(s.DisplayedRpm, 2700);
}

TEST(Throttle, SwitchingOffRestoresTheDisplayedPresetPower) {
  SimState jet;
  jet.AircraftType = "737";
  jet.PresetPower = 85;
  ThrottleControl(jet, 90, true);
  RestorePresetPower(jet);
  EXPECT_EQ(jet.DisplayedN1, 85);
  EXPECT_EQ(jet.N1, 48);  // the lever's value stays
  EXPECT_NEAR(jet.DisplayedRpm, ThrottleLeverRpm(90), 1e-9);

  SimState piston;
  piston.AircraftType = "SEP EFIS";
  piston.PresetPower = 2400;
  ThrottleControl(piston, 50, true);
  RestorePresetPower(piston);
  EXPECT_EQ(piston.DisplayedRpm, 2400);
  EXPECT_EQ(piston.DisplayedN1, ThrottleLeverN1(50));
}

TEST(StickControl, DeflectionsAtTheEndsOfTheIntRangeStepOnce) {
  // A damaged calibration scales the stick to the ends of the int range.
  SimState s = StartState();
  s.JoyTurnReady = s.JoyPitchReady = true;
  StickControl(s, std::numeric_limits<int>::max(), std::numeric_limits<int>::min(), true);
  const StickSteps st = StickControl(s, std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), true);
  EXPECT_EQ(st.bank, -1);
  EXPECT_EQ(st.pitch, 1);
  EXPECT_EQ(s.JoyTurnInterval, 0.1);
  // No larger a pitch step than a full deflection from one end gives.
  EXPECT_DOUBLE_EQ(s.AoaStep, 0.6);
}

}  // namespace
}  // namespace tvx
