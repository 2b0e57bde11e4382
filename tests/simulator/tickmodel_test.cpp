// The tick's clocks, power levers, thrust model, engine lag and marker light.
#include "simulator/tickmodel.h"

#include <gtest/gtest.h>

#include <cmath>

#include "simulator/flightfixture.h"

using namespace tvx;
using namespace tvx::flight;
using tvx::test::JetVmd;
using tvx::test::PistonCruise;

TEST(TickClock, TenStepsOfOneTenthMakeOneSecond) {
  double clock = 0;
  for (int i = 0; i < 9; ++i) clock += 0.1;
  EXPECT_FALSE(ClockReached(clock, 1));
  clock += 0.1;
  EXPECT_LT(clock, 1.0);  // 0.9999999999999999: a plain comparison would wait one more tick
  EXPECT_TRUE(ClockReached(clock, 1));
  EXPECT_TRUE(ClockReached(0.1, 0.1));
  EXPECT_TRUE(ClockReached(0.1, 0.025));
  EXPECT_FALSE(ClockReached(0.4, 0.5));
  EXPECT_FALSE(ClockReached(1 - 1e-6, 1));
}

TEST(TickClock, EveryClockAdvancesByTheClockStep) {
  SimState s = PistonCruise();
  s.BumpClock = 2;
  s.TurbulenceClock = 15;
  AdvanceClocks(s);
  for (double c : {s.PhysicsClock, s.RepaintClock, s.SecondClock, s.MarkerBlinkClock, s.GustClock, s.JoyTurnClock,
                   s.JoyPitchClock, s.ScenarioClock})
    EXPECT_DOUBLE_EQ(c, 0.1);
  EXPECT_DOUBLE_EQ(s.BumpClock, 2.1);
  EXPECT_DOUBLE_EQ(s.TurbulenceClock, 15.1);
  EXPECT_EQ(s.TurnKeyClock, 0);  // held-command clocks move with their command
}

TEST(TickClock, ScenarioClockStopsAtFifty) {
  SimState s = PistonCruise();
  for (int i = 0; i < 499; ++i) AdvanceClocks(s);
  EXPECT_NEAR(s.ScenarioClock, 49.9, 1e-9);
  AdvanceClocks(s);
  const double stopped = s.ScenarioClock;
  EXPECT_NEAR(stopped, 50, 1e-9);
  for (int i = 0; i < 100; ++i) AdvanceClocks(s);
  EXPECT_EQ(s.ScenarioClock, stopped);
  EXPECT_NEAR(s.SecondClock, 60, 1e-9);
}

TEST(TickClock, HeldCommandsStepOnWholeTenthsOfASecond) {
  double clock = 0;
  for (int i = 0; i < 1000; ++i) {
    EXPECT_TRUE(HeldStepDue(clock)) << i;
    clock += 0.1;
  }
  EXPECT_FALSE(HeldStepDue(0.05));
  EXPECT_FALSE(HeldStepDue(0.15));
}

TEST(JetThrust, TableRowsJoin) {
  EXPECT_DOUBLE_EQ(JetCommandedThrust(55, false, 3000), 132720);
  EXPECT_DOUBLE_EQ(JetCommandedThrust(54.999999999, false, 3000), 132720 - 0.000000001 * 500);
  EXPECT_DOUBLE_EQ(JetCommandedThrust(58, false, 3000), 135720);
  EXPECT_DOUBLE_EQ(JetCommandedThrust(80, false, 3000), 199520);
  EXPECT_DOUBLE_EQ(JetCommandedThrust(20, false, 3000), 132720 - 35 * 500);
  EXPECT_DOUBLE_EQ(JetCommandedThrust(56, false, 3000), 133720);
  EXPECT_DOUBLE_EQ(JetCommandedThrust(70, false, 3000), 135720 + 12 * 2900);
  EXPECT_DOUBLE_EQ(JetCommandedThrust(90, false, 3000), 219520);
  EXPECT_DOUBLE_EQ(JetCommandedThrust(100, false, 30000), 239520);  // both engines: no altitude term
}

TEST(JetThrust, OneEngineOutHalvesAndLosesWithAltitude) {
  EXPECT_NEAR(JetCommandedThrust(90, true, 30000), 116241.696, 1e-6);
  EXPECT_NEAR(JetCommandedThrust(90, true, 24000), 152949.6, 1e-6);
  EXPECT_NEAR(JetCommandedThrust(90, true, 10000), 152949.6, 1e-6);
  EXPECT_NEAR(JetCommandedThrust(70, true, 25000), (135720 + 12 * 2900) * 0.73 * 0.96, 1e-6);
}

TEST(PowerLevers, LimitsOfBothLevers) {
  SimState s = JetVmd();
  s.N1 = 99.9;
  s.CommandedRpm = 2680;
  s.PowerCommand = "fastincrease";
  ApplyPowerCommand(s);
  EXPECT_EQ(s.N1, 100);
  EXPECT_EQ(s.CommandedRpm, 2700);
  s.PowerCommand = "increase";
  s.CommandedRpm = 2680;
  s.N1 = 60;
  ApplyPowerCommand(s);
  EXPECT_EQ(s.CommandedRpm, 2700);
  EXPECT_DOUBLE_EQ(s.N1, 60.2);
  s.PowerCommand = "fastdecrease";
  s.CommandedRpm = 1340;
  s.N1 = 21;
  ApplyPowerCommand(s);
  EXPECT_EQ(s.CommandedRpm, 1300);
  EXPECT_EQ(s.N1, 20);
  s.PowerCommand = "decrease";
  s.CommandedRpm = 2000;
  s.N1 = 60;
  ApplyPowerCommand(s);
  EXPECT_EQ(s.CommandedRpm, 1975);
  EXPECT_DOUBLE_EQ(s.N1, 59.8);
  s.PowerCommand = "off";
  ApplyPowerCommand(s);
  EXPECT_EQ(s.CommandedRpm, 1975);
  EXPECT_DOUBLE_EQ(s.N1, 59.8);
}

TEST(PowerLevers, PistonsMoveBothLeversButRunNoThrustModel) {
  SimState s = PistonCruise();
  s.N1 = 50;
  s.PowerCommand = "increase";
  ApplyPowerCommand(s);
  EXPECT_EQ(s.CommandedRpm, 2475);
  EXPECT_DOUBLE_EQ(s.N1, 50.2);
  EXPECT_EQ(s.CommandedThrust, 0);
  EXPECT_EQ(s.FlightPathAngle, 0);
}

TEST(PowerLevers, JetThrustChangeTiltsTheFlightPath) {
  SimState s = JetVmd();
  s.PowerCommand = "fastincrease";
  ApplyPowerCommand(s);  // N1 61
  const double commanded = 135720 + 3 * 2900;
  EXPECT_DOUBLE_EQ(s.CommandedThrust, commanded);
  EXPECT_NEAR(s.FlightPathAngle, std::asin((commanded - 135720) / 590000.0) * 57.29577951308232, 1e-12);

  SimState ground = JetVmd();
  ground.OnGround = true;
  ground.PowerCommand = "fastincrease";
  ApplyPowerCommand(ground);
  EXPECT_EQ(ground.FlightPathAngle, 0);

  SimState wild = JetVmd();
  wild.Thrust = -5e6;  // far beyond the weight: the arcsine's argument is held at 1
  ApplyPowerCommand(wild);
  EXPECT_DOUBLE_EQ(wild.FlightPathAngle, 90);
}

TEST(EngineLag, RpmNeedleAndThrustFollowTheirLevers) {
  SimState s = PistonCruise();
  s.CommandedRpm = 2650;
  s.EngineRpm = s.DisplayedRpm = 2450;
  s.CommandedThrust = 1000;
  s.Thrust = 400;
  EngineLag(s, false);
  EXPECT_DOUBLE_EQ(s.EngineRpm, 2460);
  EXPECT_DOUBLE_EQ(s.DisplayedRpm, 2500);
  EXPECT_EQ(s.Thrust, 1000);
  s.DisplayedRpm = 2450;
  EngineLag(s, true);
  EXPECT_DOUBLE_EQ(s.DisplayedRpm, 2475);
}

TEST(MarkerLight, BlinksEveryHalfSecondOverTheMarker) {
  SimState s = PistonCruise();
  s.OverOuterMarker = true;
  BrushStyle style = BrushStyle::DiagCross;
  QList<int> toggles;
  for (int tick = 1; tick <= 20; ++tick) {
    s.MarkerBlinkClock += s.ClockStep;
    const BrushStyle next = MarkerLightStyle(s, style);
    if (next != style) toggles << tick;
    style = next;
  }
  EXPECT_EQ(toggles, (QList<int>{5, 10, 15, 20}));
  EXPECT_EQ(style, BrushStyle::DiagCross);
  s.MarkerBlinkClock = 0.7;
  s.OverOuterMarker = false;
  EXPECT_EQ(MarkerLightStyle(s, BrushStyle::Solid), BrushStyle::DiagCross);
  EXPECT_EQ(s.MarkerBlinkClock, 0.7);
}
