// The autopilot's control law, engagement, the speed bug and the minimums,
// over the flight state without a window.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "simulator/autopilot.h"
#include "simulator/flightfixture.h"
#include "simulator/flightmodel.h"
#include "simulator/tickmodel.h"

using namespace tvx;
using namespace tvx::autopilot;

namespace {

// The tick's flight steps with the autopilot flying, as the window runs them
// (no radios, no drawing).
void AutopilotTick(SimState& s) {
  flight::AdvanceClocks(s);
  flight::Brpos(s);
  flight::Bratti(s);
  DoeSpeedBug(s);
  AutopilotStep(s);
  flight::ApplyPowerCommand(s);
  s.DisplayedN1 = s.N1;
  flight::EngineLag(s, false);
}

// Shortest signed angle from `from` to `to`, degrees.
double HeadingGap(double from, double to) {
  double d = std::fmod(to - from, 360.0);
  if (d > 180) d -= 360;
  if (d < -180) d += 360;
  return d;
}

// A field at 120 ft, the bug in `phase` with the bug at `bug`.
SimState SpeedBugState(const char* phase, int bug) {
  SimState s;
  s.AirportElevation = 120;
  s.SpeedBugPhase = phase;
  s.SpeedBug = bug;
  return s;
}

}  // namespace

TEST(AutopilotEngage, CapturesRoundedSelectionsHalvesToEven) {
  struct Case {
    double heading, verticalSpeed, altitude;
    int hdg, vs, alt;
  };
  const Case cases[] = {
      {270.4, -449, 3049, 270, -400, 3000},  // plain rounding
      {270.6, -450, 3051, 271, -400, 3100},  // -4.5 hundreds goes to the even -4
      {269.5, -550, 3150, 270, -600, 3200},  // 269.5 -> 270, -5.5 -> -6, 31.5 -> 32
      {268.5, 50, 3250, 268, 0, 3200},       // 268.5 -> 268, 0.5 -> 0, 32.5 -> 32
      {0.3, 150, 40049, 0, 200, 40000},      // 1.5 -> 2
      {359.7, 1249.9, 99.9, 360, 1200, 100},
  };
  for (const Case& c : cases) {
    SimState s;
    s.Heading = c.heading;
    s.VerticalSpeed = c.verticalSpeed;
    s.Altitude = c.altitude;
    s.TargetBank = 12;
    s.SelectedSpeed = 231;
    const EngageWindows w = Engage(s);
    SCOPED_TRACE(c.heading);
    EXPECT_TRUE(s.AutopilotEngaged);
    EXPECT_EQ(w.Heading, c.hdg);
    EXPECT_EQ(w.VerticalSpeed, c.vs);
    EXPECT_EQ(w.Altitude, c.alt);
    EXPECT_EQ(s.SelectedHeading, c.hdg);
    EXPECT_EQ(s.SelectedHeadingWhole, c.hdg);
    EXPECT_EQ(s.SelectedVerticalSpeed, c.vs);
    EXPECT_EQ(s.TargetBank, 0.0);
    EXPECT_EQ(s.SelectedSpeed, 231.0);  // changed only by the keys
  }
  SimState s;
  Engage(s);
  Disengage(s);
  EXPECT_FALSE(s.AutopilotEngaged);
}

TEST(AutopilotHeadingLaw, BankTableWithItsEdges) {
  const struct {
    double error, bank;
  } rows[] = {{0, 0},  {0.39, 0}, {0.4, 3},  {1.99, 3},  {2, 4},   {2.99, 4},  {3, 6},
              {5.99, 6}, {6, 10},  {7.99, 10}, {8, 15}, {9.99, 15}, {10, 25}, {90, 25}, {179, 25}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.error);
    // Selection above the heading: right (positive); below: left.
    EXPECT_EQ(TargetBankFor(100, 100 + r.error), r.bank);
    EXPECT_EQ(TargetBankFor(100 + r.error, 100), r.bank == 0 ? 0 : -r.bank);
  }
}

TEST(AutopilotHeadingLaw, TurnsTheShortWayAcrossNorth) {
  EXPECT_EQ(TargetBankFor(350, 10), 25);    // right through north, 20 degrees
  EXPECT_EQ(TargetBankFor(10, 350), -25);   // left through north
  EXPECT_EQ(TargetBankFor(359, 1), 4);      // 2 degrees right
  EXPECT_EQ(TargetBankFor(1, 359), -4);
  EXPECT_EQ(TargetBankFor(359.8, 0), 0);    // within 0.4 across north
  EXPECT_EQ(TargetBankFor(360, 361), 3);    // a key's 361 is 001
  EXPECT_EQ(TargetBankFor(5, -3), -15);     // 8 left
  // Half a turn away: the side the plain difference gives.
  EXPECT_EQ(TargetBankFor(90, 270), 25);
  EXPECT_EQ(TargetBankFor(270, 90), -25);
  // Within half a turn the short way is the plain difference.
  EXPECT_EQ(TargetBankFor(100, 279), 25);
  EXPECT_EQ(TargetBankFor(279, 100), -25);
}

TEST(AutopilotHeadingLaw, SelectionMoreThanATurnAwayIsWrapped) {
  SimState s;
  s.Heading = 10;
  s.SelectedHeading = 375;  // 365 away
  WrapSelectedHeading(s);
  EXPECT_EQ(s.SelectedHeading, 15.0);
  s.Heading = 350;
  s.SelectedHeading = -15;
  WrapSelectedHeading(s);
  EXPECT_EQ(s.SelectedHeading, 345.0);
  s.Heading = 359;
  s.SelectedHeading = 361;  // 2 away: left as it is
  WrapSelectedHeading(s);
  EXPECT_EQ(s.SelectedHeading, 361.0);
  s.Heading = 0.5;
  s.SelectedHeading = 360.5;  // exactly a turn: left as it is
  WrapSelectedHeading(s);
  EXPECT_EQ(s.SelectedHeading, 360.5);
}

TEST(AutopilotPitchLaw, StepSizeTable) {
  const struct {
    double error, step;
  } rows[] = {{0, 0.002},    {19.99, 0.002}, {20, 0.004},   {49.99, 0.004}, {50, 0.007},
              {199.99, 0.007}, {200, 0.015}, {4000, 0.015}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.error);
    EXPECT_EQ(PitchStepFor(r.error), r.step);
  }
}

TEST(AutopilotStep, BankStepsTowardsTheTargetAndRestsWithinHalfADegree) {
  SimState s = test::JetVmd();
  s.SelectedHeading = 280;  // 10 right: 25 degrees of bank
  s.SelectedVerticalSpeed = s.VerticalSpeed;
  AutopilotStep(s);
  EXPECT_EQ(s.TargetBank, 25.0);
  EXPECT_EQ(s.BankAngle, 1.0);
  s.BankAngle = 24.5;  // within 0.5: left alone
  AutopilotStep(s);
  EXPECT_EQ(s.BankAngle, 24.5);
  s.BankAngle = 26;
  AutopilotStep(s);
  EXPECT_EQ(s.BankAngle, 25.0);
  s.SelectedHeading = 265;  // 5 left
  s.BankAngle = 0;
  AutopilotStep(s);
  EXPECT_EQ(s.TargetBank, -6.0);
  EXPECT_EQ(s.BankAngle, -1.0);
  EXPECT_EQ(s.AttitudeDiscRotation, 359.0);  // the flight model's own step
}

TEST(AutopilotStep, PitchStepOfTheTypeFlownWithRpm) {
  // On target: a nose-down step of 0.002 and 5 RPM off, every tick.
  SimState jet = test::JetVmd();
  jet.SelectedHeading = jet.Heading;
  jet.SelectedVerticalSpeed = jet.VerticalSpeed;
  const double path = jet.FlightPathAngle;
  const double rpm = jet.CommandedRpm;
  AutopilotStep(jet);
  EXPECT_EQ(jet.PathStep, 0.002);
  EXPECT_NEAR(jet.FlightPathAngle, path - 0.002, 1e-12);
  EXPECT_EQ(jet.CommandedRpm, rpm - 5);

  jet.SelectedVerticalSpeed = jet.VerticalSpeed + 1000;
  const double aoa = jet.AngleOfAttack;
  AutopilotStep(jet);
  EXPECT_EQ(jet.PathStep, 0.015);
  EXPECT_NEAR(jet.AngleOfAttack, aoa + 0.015, 1e-12);
  EXPECT_EQ(jet.CommandedRpm, rpm);

  SimState piston = test::PistonCruise("SEP EFIS");
  piston.SelectedHeading = piston.Heading;
  piston.SelectedVerticalSpeed = piston.VerticalSpeed - 30;
  const double pistonAoa = piston.AngleOfAttack;
  const double pathStep = piston.PathStep;
  AutopilotStep(piston);
  EXPECT_EQ(piston.AoaStep, 0.004);
  EXPECT_EQ(piston.PathStep, pathStep);  // the jet's step is not the piston's
  EXPECT_NEAR(piston.AngleOfAttack, pistonAoa - 0.004, 1e-12);
}

TEST(AutopilotStep, RpmLeverStaysWithinTheKeysRange) {
  EXPECT_EQ(StepRpmLever(2400, 5), 2405.0);
  EXPECT_EQ(StepRpmLever(2698, 5), 2700.0);
  EXPECT_EQ(StepRpmLever(2700, 5), 2700.0);
  EXPECT_EQ(StepRpmLever(1302, -5), 1300.0);
  EXPECT_EQ(StepRpmLever(1300, -5), 1300.0);
  // A lever set outside the range by other means is not pulled in, only
  // never pushed further out.
  EXPECT_EQ(StepRpmLever(3000, 5), 3000.0);
  EXPECT_EQ(StepRpmLever(3000, -5), 2995.0);
  EXPECT_EQ(StepRpmLever(1000, 5), 1005.0);
  EXPECT_EQ(StepRpmLever(1000, -5), 1000.0);
}

// A long flight under the autopilot: every value stays a number, the heading
// and the vertical speed are captured, and the engine lever stays in range.
TEST(AutopilotFlight, LongHeldFlightStaysFiniteAndCapturesItsTargets) {
  struct Case {
    const char* type;
    double heading, verticalSpeed;
  };
  const Case cases[] = {{"737", 10, 1000}, {"737", 200, -1500}, {"SEP", 10, 500}, {"SEP EFIS", 200, -500}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    SimState s = QString(c.type) == "737" ? test::JetVmd() : test::PistonCruise(c.type);
    s.Altitude = 6000;
    Engage(s);
    s.SelectedHeading = c.heading;  // 100 or 70 degrees away, one across north
    s.SelectedVerticalSpeed = c.verticalSpeed;
    for (int i = 0; i < 3 * 60 * 10; ++i) AutopilotTick(s);
    for (double v : {s.Heading, s.BankAngle, s.Airspeed, s.Altitude, s.VerticalSpeed, s.AngleOfAttack,
                     s.FlightPathAngle, s.AircraftX, s.AircraftY, s.CommandedRpm, s.EngineRpm, s.Thrust})
      EXPECT_TRUE(std::isfinite(v));
    EXPECT_LT(std::fabs(HeadingGap(s.Heading, c.heading)), 1.0);
    EXPECT_LT(std::fabs(s.BankAngle), 4.0);
    EXPECT_LT(std::fabs(s.VerticalSpeed - c.verticalSpeed), 150.0);
    EXPECT_GE(s.CommandedRpm, 1300.0);
    EXPECT_LE(s.CommandedRpm, 2700.0);
  }
}

TEST(AutopilotFlight, HoldsLevelForAnHourWithoutDrift) {
  SimState s = test::JetVmd();
  Engage(s);
  s.SelectedVerticalSpeed = 0;
  for (int i = 0; i < 60 * 60 * 10; ++i) AutopilotTick(s);
  EXPECT_TRUE(std::isfinite(s.Altitude));
  EXPECT_LT(std::fabs(s.Altitude - 3000), 300.0);
  EXPECT_LT(std::fabs(HeadingGap(s.Heading, 270)), 1.0);
}

TEST(SpeedBug, TakeOffPhase) {
  SimState s = SpeedBugState("TO", 143);
  s.Airspeed = 206;
  s.FlapSetting = 0;
  s.Altitude = 3000;
  s.N1 = 70;
  DoeSpeedBug(s);
  EXPECT_EQ(s.SpeedBugPhase, "APCH");
  EXPECT_EQ(s.SpeedBug, 205);
  s.SpeedBug = 143;
  s.Airspeed = 230;
  DoeSpeedBug(s);
  EXPECT_EQ(s.SpeedBug, 205);
  s.Airspeed = 245;  // neither slow nor low thrust: the bug stays
  DoeSpeedBug(s);
  EXPECT_EQ(s.SpeedBug, 205);

  // Still taking off (at most 205 kt).
  const struct {
    bool out;
    int flaps;
    double altitude, verticalSpeed, airspeed;
    int altitudeBug, bug;
  } rows[] = {
      {false, 5, 921, 1999, 180, 0, 250},    // flaps 5 above 800 ft: climb speed
      {false, 5, 920, 1999, 180, 0, 143},    // not above 800 ft
      {false, 5, 921, 2000, 180, 0, 143},    // climbing too fast
      {false, 1, 921, 1000, 180, 0, 143},    // other flaps
      {false, 1, 10001, 1000, 180, 0, 250},  // 280 above 10000 ft, then 250 from the height above the field
      {true, 5, 1001, 0, 180, 1000, 205},    // engine out, above the altitude bug
      {true, 5, 1000, 0, 180, 1000, 143},
      {true, 1, 1001, 0, 180, 1000, 143},
      {false, 5, 921, 1999, 205, 0, 250},    // 205 kt is still take-off
  };
  for (const auto& r : rows) {
    SimState t = SpeedBugState("TO", 143);
    t.OneEngineOut = r.out;
    t.FlapSetting = r.flaps;
    t.Altitude = r.altitude;
    t.VerticalSpeed = r.verticalSpeed;
    t.Airspeed = r.airspeed;
    t.AltitudeBug = r.altitudeBug;
    t.N1 = 85;
    SCOPED_TRACE(r.altitude);
    DoeSpeedBug(t);
    EXPECT_EQ(t.SpeedBugPhase, "TO");
    EXPECT_EQ(t.SpeedBug, r.bug);
  }

  // Above 10000 ft on a high field the take-off rule's 280 stands.
  SimState high = SpeedBugState("TO", 143);
  high.AirportElevation = 6000;
  high.FlapSetting = 1;
  high.Altitude = 10001;
  high.Airspeed = 180;
  high.N1 = 85;
  DoeSpeedBug(high);
  EXPECT_EQ(high.SpeedBug, 280);
  high.Altitude = 10000;
  high.SpeedBug = 143;
  DoeSpeedBug(high);
  EXPECT_EQ(high.SpeedBug, 143);
}

TEST(SpeedBug, ApproachPhaseLastRuleWins) {
  const struct {
    bool out;
    int flaps;
    double n1, airspeed;
    int bug;
  } rows[] = {
      {false, 0, 56, 250, 205},  // low thrust
      {false, 0, 60, 239, 205},  // slow
      {false, 0, 60, 245, 111},  // nothing applies: unchanged
      {false, 0, 76, 256, 250},  // both engines: the last rule gives 250
      {true, 0, 76, 256, 280},   // one engine out: fast and high thrust
      {true, 0, 76, 250, 111},
      {false, 0, 76, 230, 250},  // slow but high thrust: the later rule wins
      {true, 0, 76, 230, 205},
      {false, 1, 90, 300, 184},
      {false, 5, 90, 300, 164},
      {false, 15, 50, 100, 154},
      {false, 40, 50, 100, 144},
      {false, 25, 50, 100, 111},  // no such detent
  };
  for (const auto& r : rows) {
    SimState s = SpeedBugState("APCH", 111);
    s.Altitude = 3000;
    s.OneEngineOut = r.out;
    s.FlapSetting = r.flaps;
    s.N1 = r.n1;
    s.Airspeed = r.airspeed;
    SCOPED_TRACE(testing::Message() << r.flaps << " " << r.n1 << " " << r.airspeed << " " << r.out);
    DoeSpeedBug(s);
    EXPECT_EQ(s.SpeedBug, r.bug);
    EXPECT_EQ(s.SpeedBugPhase, "APCH");
  }
}

TEST(SpeedBug, GoAroundPhase) {
  const struct {
    bool out;
    int flaps;
    double altitude, verticalSpeed;
    int bug;
    const char* phase;
  } rows[] = {
      {true, 1, 3000, 199, 184, "APCH"},  // engine out, flaps 1, levelling off
      {true, 1, 3000, 200, 111, "GA"},
      {true, 15, 3000, 0, 111, "GA"},     // the both-engines rule does not apply
      {false, 15, 921, 1999, 164, "GA"},
      {false, 15, 920, 1999, 111, "GA"},
      {false, 15, 3000, 2000, 111, "GA"},
      {false, 1, 3000, 199, 111, "GA"},   // the engine-out rule does not apply
  };
  for (const auto& r : rows) {
    SimState s = SpeedBugState("GA", 111);
    s.OneEngineOut = r.out;
    s.FlapSetting = r.flaps;
    s.Altitude = r.altitude;
    s.VerticalSpeed = r.verticalSpeed;
    s.Airspeed = 150;
    SCOPED_TRACE(r.altitude);
    DoeSpeedBug(s);
    EXPECT_EQ(s.SpeedBug, r.bug);
    EXPECT_EQ(s.SpeedBugPhase, r.phase);
  }
}

TEST(SpeedBug, MachBugAndAltitudeRules) {
  // Mach 0.78 in knots indicated; above the tropopause at 216.5 K.
  EXPECT_EQ(MachSpeedBug(36000, flight::DensityRatioAt(36000)), 244);
  EXPECT_EQ(MachSpeedBug(40000, 0.246), 222);  // 208 K would give 218
  EXPECT_EQ(MachSpeedBug(35000, 0.31), 250);
  EXPECT_EQ(MachSpeedBug(12000, flight::DensityRatioAt(12000)), 280);  // at most 280

  const struct {
    double altitude, n1;
    bool out;
    int failurePhase, bug;
  } rows[] = {
      {36000, 80, false, 0, 244},
      {12000, 80, true, 2, 230},     // engine failure active
      {12000, 80, true, 3, 280},     // failure over: the Mach bug
      {12000, 80, false, 2, 280},
      {10000, 89, false, 0, 280},    // 10000 ft with climb thrust
      {10000, 88, false, 0, 250},    // not: more than 5000 ft above the field
      {10999, 80, true, 2, 230},
      {5121, 80, false, 0, 250},
      {5120, 80, false, 0, 111},     // exactly 5000 ft above the field
      {5121, 80, true, 2, 230},
      {5121, 80, true, 1, 250},
  };
  for (const auto& r : rows) {
    SimState s = SpeedBugState("APCH", 111);
    s.FlapSetting = 40;  // the approach rule sets 144 first
    s.Altitude = r.altitude;
    s.DensityRatio = flight::DensityRatioAt(r.altitude);
    s.N1 = r.n1;
    s.OneEngineOut = r.out;
    s.FailurePhase = r.failurePhase;
    SCOPED_TRACE(r.altitude);
    DoeSpeedBug(s);
    EXPECT_EQ(s.SpeedBug, r.bug == 111 ? 144 : r.bug);
  }
}

TEST(Minimums, StepsWithoutBoundsButNeverOverflow) {
  std::int32_t m = 320;
  m = StepMinimums(m, 10);
  EXPECT_EQ(m, 330);
  for (int i = 0; i < 40; ++i) m = StepMinimums(m, -10);
  EXPECT_EQ(m, -70);  // below zero
  EXPECT_EQ(StepMinimums(std::numeric_limits<std::int32_t>::min() + 50, -100),
            std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(StepMinimums(std::numeric_limits<std::int32_t>::max() - 5, 10), std::numeric_limits<std::int32_t>::max());
}

TEST(Minimums, KeyStepOnlyWithShiftAloneOrCtrlAlone) {
  EXPECT_EQ(MinimumsKeyStep(true, Qt::ShiftModifier), 100);
  EXPECT_EQ(MinimumsKeyStep(false, Qt::ShiftModifier), -100);
  EXPECT_EQ(MinimumsKeyStep(true, Qt::ControlModifier), 100);
  EXPECT_EQ(MinimumsKeyStep(false, Qt::ControlModifier), -100);
  EXPECT_EQ(MinimumsKeyStep(true, Qt::ShiftModifier | Qt::KeypadModifier), 100);
  EXPECT_EQ(MinimumsKeyStep(true, Qt::NoModifier), 0);
  EXPECT_EQ(MinimumsKeyStep(true, Qt::ShiftModifier | Qt::ControlModifier), 0);
  EXPECT_EQ(MinimumsKeyStep(false, Qt::AltModifier), 0);
  EXPECT_EQ(MinimumsKeyStep(false, Qt::ShiftModifier | Qt::AltModifier), 0);
}
