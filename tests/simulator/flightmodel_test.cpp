// The flight model over the flight state, with the numbers it must produce.
#include "simulator/flightmodel.h"

#include <gtest/gtest.h>

#include <cmath>

#include "simulator/flightfixture.h"

using namespace tvx;
using namespace tvx::flight;
using tvx::test::JetVmd;
using tvx::test::PistonCruise;

namespace {

constexpr double kRad = 3.141592653589793 / 180;
constexpr double kBrakingLossKt = 0.1 * 4 * 3600 / 1852;  // 0.7775 kt per step

double AngleDifference(double a, double b) { return std::remainder(a - b, 360.0); }

}  // namespace

// --- Atmosphere ---

TEST(DensityRatio, BandValuesAtTheirBases) {
  const struct {
    double altitude, ratio;
  } cases[] = {{0, 1},          {2500, 0.931},   {5000, 0.862},  {10000, 0.739}, {15000, 0.629},
               {20000, 0.533},  {25000, 0.448},  {30000, 0.374}, {35000, 0.31},  {37500, 0.278},
               {40000, 0.246},  {45000, 0.246}};
  for (const auto& c : cases) EXPECT_NEAR(DensityRatioAt(c.altitude), c.ratio, 1e-12) << c.altitude;
}

TEST(DensityRatio, BandsJoinWithoutJumps) {
  for (double edge = 5000; edge <= 40000; edge += 5000)
    EXPECT_NEAR(DensityRatioAt(edge - 1e-6), DensityRatioAt(edge), 1e-9) << edge;
}

TEST(Atmosphere, MachUsesTheTropopauseTemperatureAbove36000Ft) {
  SimState s = JetVmd();
  s.Altitude = 36000;  // 15 - 72 = -57 C, below -56.5
  Winddriehoek(s);
  EXPECT_NEAR(s.TrueAirspeed, 210 / std::sqrt(0.31 - 1000 * 0.064 / 5000), 1e-9);
  EXPECT_NEAR(s.MachNumber, s.TrueAirspeed / (39 * std::sqrt(216.5)), 1e-12);
  s.Altitude = 10000;
  Winddriehoek(s);
  EXPECT_NEAR(s.MachNumber, (210 / std::sqrt(0.739)) / (39 * std::sqrt(268.0)), 1e-12);
}

// --- Wind triangle ---

TEST(WindTriangle, WindAlongTheHeadingChangesOnlyTheGroundSpeed) {
  SimState s = PistonCruise();
  s.Altitude = 0;
  s.Airspeed = 100;
  s.WindSpeed = 20;
  s.Heading = 90;
  s.WindDirection = 90;  // from straight ahead
  Winddriehoek(s);
  EXPECT_DOUBLE_EQ(s.GroundSpeed, 80);
  EXPECT_EQ(s.DriftAngle, 0);
  EXPECT_EQ(s.TrackAngle, 90);
  s.WindDirection = 270;  // from straight behind
  Winddriehoek(s);
  EXPECT_DOUBLE_EQ(s.GroundSpeed, 120);
  EXPECT_EQ(s.TrackAngle, 90);
  s.Heading = 300;
  s.WindDirection = 120;  // behind, the difference is -180
  Winddriehoek(s);
  EXPECT_DOUBLE_EQ(s.GroundSpeed, 120);
}

TEST(WindTriangle, ZeroHeadingAndWindDirectionBecome360) {
  SimState s = PistonCruise();
  s.Altitude = 0;
  s.Heading = 0;
  s.WindDirection = 0;
  s.WindSpeed = 10;
  Winddriehoek(s);
  EXPECT_EQ(s.Heading, 360);
  EXPECT_EQ(s.WindDirection, 360);
  EXPECT_DOUBLE_EQ(s.GroundSpeed, 105);
}

TEST(WindTriangle, CrosswindMatchesTheVectorSum) {
  const struct {
    double heading;
    int windFrom, windSpeed;
  } cases[] = {{270, 240, 20}, {90, 240, 20}, {10, 350, 30}, {350, 10, 30}, {180, 90, 40},
               {45, 300, 15},  {360, 90, 25}, {123.4, 200, 35}, {200, 359, 5}};
  for (const auto& c : cases) {
    SimState s = PistonCruise();
    s.Altitude = 0;  // true airspeed = indicated
    s.Airspeed = 120;
    s.Heading = c.heading;
    s.WindDirection = c.windFrom;
    s.WindSpeed = c.windSpeed;
    Winddriehoek(s);
    // Air vector along the heading plus the wind blowing towards windFrom + 180.
    const double east = 120 * std::sin(c.heading * kRad) - c.windSpeed * std::sin(c.windFrom * kRad);
    const double north = 120 * std::cos(c.heading * kRad) - c.windSpeed * std::cos(c.windFrom * kRad);
    const double track = std::atan2(east, north) / kRad;
    EXPECT_NEAR(s.GroundSpeed, std::hypot(east, north), 1e-9) << c.heading << " " << c.windFrom;
    EXPECT_NEAR(AngleDifference(s.TrackAngle, track), 0, 1e-9) << c.heading << " " << c.windFrom;
    EXPECT_NEAR(s.DriftAngle, std::fabs(AngleDifference(track, c.heading)), 1e-9);
    EXPECT_GE(s.TrackAngle, 0);
    EXPECT_LE(s.TrackAngle, 360);
  }
}

TEST(WindTriangle, NearlyZeroGroundSpeedGivesNoNaN) {
  SimState s = PistonCruise();
  s.Altitude = 0;
  s.Airspeed = 20;
  s.WindSpeed = 20;
  s.WindDirection = 90;
  s.Heading = 90.0000000001;
  Winddriehoek(s);
  EXPECT_TRUE(std::isfinite(s.GroundSpeed));
  EXPECT_TRUE(std::isfinite(s.DriftAngle));
  EXPECT_TRUE(std::isfinite(s.TrackAngle));
}

// --- Position step ---

TEST(PositionStep, WingsLevelMovesAlongTheTrackByTheGroundSpeed) {
  SimState s = PistonCruise();
  s.Altitude = 0;
  s.Airspeed = 360;  // 0.01 NM per 0.1 s
  s.Heading = 90;
  Brpos(s);
  EXPECT_NEAR(s.AircraftX, 0.01, 1e-12);
  EXPECT_NEAR(s.AircraftY, 0, 1e-12);
  s.Heading = 360;  // north is up: Y decreases
  Brpos(s);
  EXPECT_NEAR(s.AircraftX, 0.01, 1e-12);
  EXPECT_NEAR(s.AircraftY, -0.01, 1e-12);
}

TEST(PositionStep, BankedTurnsByTheArcOfTheTurnRadius) {
  SimState s = PistonCruise();
  s.Altitude = 0;
  for (int i = 0; i < 20; ++i) draairechts(s);
  ASSERT_EQ(s.BankAngle, 20);
  Winddriehoek(s);
  const double arc = s.TrueAirspeed * 0.1 / 3600;
  Brpos(s);
  EXPECT_NEAR(s.Heading, 270 + 360 * arc / (2 * kPi * s.TurnRadius), 1e-12);
  for (int i = 0; i < 40; ++i) draailinks(s);
  const double before = s.Heading;
  Brpos(s);
  EXPECT_NEAR(s.Heading, before - 360 * arc / (2 * kPi * s.TurnRadius), 1e-12);
}

TEST(PositionStep, HeadingWrapsAround360) {
  SimState s = PistonCruise();
  s.Heading = 359.99;
  for (int i = 0; i < 30; ++i) draairechts(s);
  Winddriehoek(s);
  Brpos(s);
  EXPECT_GT(s.Heading, 0);
  EXPECT_LT(s.Heading, 1);
}

// Near a standstill the turn radius (from the square of the speed) is tiny
// and one step turns many times round: the heading still stays in (0, 360].
TEST(PositionStep, HeadingStaysInRangeWhateverTheTurnStep) {
  for (double radius : {1e-3, 1e-6, 1e-9}) {
    for (int bank : {-25, 25}) {
      SimState s = JetVmd();
      s.BankAngle = bank;
      s.TurnRadius = radius;
      s.Airspeed = 3;
      for (int i = 0; i < 20; ++i) {
        Brpos(s);
        ASSERT_GT(s.Heading, 0) << radius << " " << bank;
        ASSERT_LE(s.Heading, 360) << radius << " " << bank;
      }
    }
  }
  EXPECT_EQ(WrapHeading(0), 360);
  EXPECT_EQ(WrapHeading(720), 360);
  EXPECT_EQ(WrapHeading(11462), 302);
  EXPECT_EQ(WrapHeading(-117152), 208);
  EXPECT_EQ(WrapHeading(-0.5), 359.5);
  EXPECT_EQ(WrapHeading(std::nan("")), 360);
}

// The true airspeed is that of the step before: a speed that has just fallen
// to zero turns no more.
TEST(PositionStep, NoTurnAtAStandstill) {
  SimState s = JetVmd();
  s.BankAngle = 25;
  s.TurnRadius = 0.5;
  Winddriehoek(s);
  s.Airspeed = 0;
  Brpos(s);
  EXPECT_EQ(s.Heading, 270);
}

// The jet's thrust far below its drag in a climb: the speed falls to a
// standstill and no further, in flight as on the ground; the piston too.
TEST(ForceStep, NoNegativeAirspeedInFlight) {
  SimState jet = JetVmd();
  jet.Altitude = 5000;
  jet.Airspeed = 5;
  jet.Thrust = 0;
  jet.FlightPathAngle = 20;
  for (int i = 0; i < 50; ++i) {
    Bratti(jet);
    ASSERT_GE(jet.Airspeed, 0) << i;
  }
  SimState piston = PistonCruise();
  piston.Altitude = 5000;
  piston.Airspeed = 1;
  piston.EngineRpm = 1300;
  piston.Drag = 1e6;
  Bratti(piston);
  EXPECT_GE(piston.Airspeed, 0);
}

TEST(PositionStep, BankWithoutTurnRadiusKeepsTheHeading) {
  SimState s = PistonCruise();
  s.BankAngle = 15;  // set by a scenario, no bank step yet
  s.TurnRadius = 0;
  Winddriehoek(s);
  Brpos(s);
  EXPECT_EQ(s.Heading, 270);
  EXPECT_TRUE(std::isfinite(s.AircraftX));
}

// --- Bank steps ---

TEST(BankSteps, LimitsOfTheTwoFamilies) {
  SimState p = PistonCruise();
  p.BankAngle = -40;
  draailinks(p);
  EXPECT_EQ(p.BankAngle, -40);
  p.BankAngle = -39.5;
  draailinks(p);
  EXPECT_EQ(p.BankAngle, -40.5);
  p.BankAngle = 40;
  draairechts(p);
  EXPECT_EQ(p.BankAngle, 40);
  p.BankAngle = 39;
  draairechts(p);
  EXPECT_EQ(p.BankAngle, 40);

  SimState j = JetVmd();
  j.BankAngle = 69;
  draairechts(j);
  EXPECT_EQ(j.BankAngle, 70);
  draairechts(j);
  EXPECT_EQ(j.BankAngle, 70);
  j.BankAngle = -70;
  draailinks(j);
  EXPECT_EQ(j.BankAngle, -70);
}

TEST(BankSteps, TurnRadiusFromTheIndicatedAirspeed) {
  SimState s = PistonCruise();
  for (int i = 0; i < 25; ++i) draairechts(s);
  const double v = 115 * 1852.0 / 3600;  // m/s
  EXPECT_NEAR(s.TurnRadius, v * v / (9.81 * std::tan(25 * kRad)) / 1852, 1e-12);
  for (int i = 0; i < 25; ++i) draailinks(s);
  EXPECT_EQ(s.BankAngle, 0);
  EXPECT_EQ(s.TurnRadius, 0);
}

TEST(BankSteps, TurnRadiusChangesOnlyAtABankStep) {
  SimState s = PistonCruise();
  for (int i = 0; i < 20; ++i) draairechts(s);
  const double radius = s.TurnRadius;
  s.Airspeed = 90;
  Bratti(s);
  Brpos(s);
  EXPECT_EQ(s.TurnRadius, radius);
  draairechts(s);
  EXPECT_NE(s.TurnRadius, radius);

  SimState j = JetVmd();
  j.BankAngle = 90;  // only a scenario gets here
  j.TurnRadius = 1.234;
  draairechts(j);
  EXPECT_EQ(j.TurnRadius, 1.234);
}

TEST(BankSteps, AttitudeDiscTurnsWithTheBank) {
  SimState s = PistonCruise();
  draairechts(s);
  EXPECT_EQ(s.AttitudeDiscRotation, 1);
  draailinks(s);
  draailinks(s);
  EXPECT_EQ(s.AttitudeDiscRotation, 359);
  s.BankAngle = -10.4;
  draailinks(s);  // -11.4
  EXPECT_EQ(s.AttitudeDiscRotation, 349);
}

TEST(BankSteps, NothingHappensOnTheGround) {
  SimState s = JetVmd();
  s.OnGround = true;
  s.TurnRadius = 0.5;
  s.AttitudeDiscRotation = 7;
  draairechts(s);
  draailinks(s);
  draailinks(s);
  EXPECT_EQ(s.BankAngle, 0);
  EXPECT_EQ(s.TurnRadius, 0.5);
  EXPECT_EQ(s.AttitudeDiscRotation, 7);
}

// --- Pitch steps ---

TEST(PitchSteps, JetPitchUpRefusedAtLowSpeedWithThrust) {
  SimState s = JetVmd();
  s.Airspeed = 125;
  s.N1 = 60;
  Doeklimmen(s);
  EXPECT_EQ(s.AngleOfAttack, 5);
  EXPECT_EQ(s.FlightPathAngle, 0);
  s.N1 = 20;
  Doeklimmen(s);
  EXPECT_DOUBLE_EQ(s.AngleOfAttack, 5.05);
  EXPECT_DOUBLE_EQ(s.FlightPathAngle, 0.05);
  s.N1 = 60;
  s.Airspeed = 125.5;
  Doeklimmen(s);
  EXPECT_DOUBLE_EQ(s.AngleOfAttack, 5.1);
}

TEST(PitchSteps, JetOnTheGroundAtIdleKeepsItsAttitudeLevel) {
  SimState s = JetVmd();
  s.OnGround = true;
  s.N1 = 20;
  s.Airspeed = 60;
  Doeklimmen(s);
  EXPECT_EQ(s.AngleOfAttack, 0);
  EXPECT_EQ(s.FlightPathAngle, 0);
}

TEST(PitchSteps, JetPitchDownRefusedAtLowSpeedOrOnTheGround) {
  SimState s = JetVmd();
  s.Airspeed = 125;
  Doedalen(s);
  EXPECT_EQ(s.AngleOfAttack, 5);
  s.Airspeed = 200;
  s.OnGround = true;
  Doedalen(s);
  EXPECT_EQ(s.AngleOfAttack, 5);
  s.OnGround = false;
  s.PathStep = 0.1;
  Doedalen(s);
  EXPECT_DOUBLE_EQ(s.AngleOfAttack, 4.9);
  EXPECT_DOUBLE_EQ(s.FlightPathAngle, -0.1);
}

TEST(PitchSteps, PistonRefusalsAndCoefficients) {
  const double span = kPi * 7.217 * 0.85;
  SimState s = PistonCruise();
  Doeklimmen(s);
  EXPECT_DOUBLE_EQ(s.AngleOfAttack, 0.05);
  EXPECT_DOUBLE_EQ(s.LiftCoefficient, 0.295);
  EXPECT_DOUBLE_EQ(s.DragCoefficient, 0.295 * 0.295 / span + 0.0452);

  SimState slow = PistonCruise();
  slow.Airspeed = 55;
  Doeklimmen(slow);
  SimState steep = PistonCruise();
  steep.BodyAngle = 20;
  Doeklimmen(steep);
  SimState climbing = PistonCruise();
  climbing.VerticalSpeed = 2500;
  Doeklimmen(climbing);
  for (const SimState* r : {&slow, &steep, &climbing}) {
    EXPECT_EQ(r->AngleOfAttack, 0);
    EXPECT_DOUBLE_EQ(r->LiftCoefficient, 0.29);  // recomputed all the same
  }

  SimState diving = PistonCruise();
  diving.VerticalSpeed = -2000;
  Doedalen(diving);
  EXPECT_EQ(diving.AngleOfAttack, 0);
  diving.VerticalSpeed = -1999;
  Doedalen(diving);
  EXPECT_DOUBLE_EQ(diving.AngleOfAttack, -0.05);
  EXPECT_DOUBLE_EQ(diving.LiftCoefficient, 0.285);
}

TEST(PitchSteps, PistonNoseRisesByItselfAt160Kt) {
  SimState s = PistonCruise();
  s.Airspeed = 160;
  Bratti(s);
  EXPECT_DOUBLE_EQ(s.AngleOfAttack, 0.05);
  SimState t = PistonCruise();
  t.Airspeed = 159.9;
  Bratti(t);
  EXPECT_EQ(t.AngleOfAttack, 0);
}

// --- Force step: pistons ---

TEST(PistonStep, CruiseStepFollowsTheEnergyBalance) {
  SimState s = PistonCruise();
  Bratti(s);
  const double v0 = 115 * 1852.0 / 3600;
  const double thrust = (100 * 2450 - 145700) / v0;
  EXPECT_DOUBLE_EQ(s.Thrust, thrust);
  EXPECT_EQ(s.FlightPathAngle, 0);  // lift equals weight
  // The preset is trimmed: its drag equals its thrust before the first step.
  const double acceleration = 0;
  EXPECT_DOUBLE_EQ(s.Acceleration, acceleration);
  const double airspeed = 115 + acceleration * 0.1 * 3600 / 1852;
  EXPECT_DOUBLE_EQ(s.Airspeed, airspeed);
  const double v = airspeed * 1852 / 3600;
  const double q = 0.5 * 1.225 * 15.79 * v * v;
  EXPECT_DOUBLE_EQ(s.Drag, q * 0.0496);
  EXPECT_DOUBLE_EQ(s.Lift, std::clamp(q * 0.29, 0.6 * 9810, 1.4 * 9810));
  // Trimmed, the climb rate stays below the 1 ft/min the needle shows: level.
  const double rc = (thrust - s.Drag) * 196.72131147540983 / 9810 * v;
  EXPECT_LT(std::fabs(rc), 1);
  EXPECT_EQ(s.VerticalSpeed, 0);
  EXPECT_EQ(s.Altitude, 3000);
  EXPECT_DOUBLE_EQ(s.PitchAttitude, s.BodyAngle + s.AngleOfAttack);
}

TEST(PistonStep, ClimbRateChangesBelowOneFootPerMinuteAreNotShown) {
  SimState s = PistonCruise();
  Bratti(s);
  SimState probe = s;
  probe.VerticalSpeed = 1e9;  // far off: the step takes its own rate
  Bratti(probe);
  const double rate = probe.VerticalSpeed;

  SimState near = s;
  near.VerticalSpeed = rate + 0.5;
  Bratti(near);
  EXPECT_EQ(near.VerticalSpeed, rate + 0.5);
  SimState off = s;
  off.VerticalSpeed = rate + 1.5;
  Bratti(off);
  EXPECT_EQ(off.VerticalSpeed, rate);
}

TEST(PistonStep, CeilingHoldsThePlainTypeOnly) {
  SimState sep = PistonCruise("SEP");
  sep.Altitude = 10050;
  Bratti(sep);
  EXPECT_EQ(sep.Altitude, 10000);
  EXPECT_EQ(sep.VerticalSpeed, 0);
  SimState efis = PistonCruise("SEP EFIS");
  efis.Altitude = 10050;
  Bratti(efis);
  EXPECT_GT(efis.Altitude, 10000);
}

TEST(PistonStep, NeverBelowTheAirportWhateverN1Holds) {
  for (double n1 : {0.0, 58.0, 95.0, 100.0}) {
    SimState s = PistonCruise();
    s.N1 = n1;
    s.Altitude = 121;
    s.EngineRpm = 1300;  // idle: the aircraft sinks
    s.BankAngle = 12;
    s.TurnRadius = 0.3;
    for (int i = 0; i < 200; ++i) {
      Bratti(s);
      Brpos(s);
      ASSERT_GE(s.Altitude, 120) << n1;
    }
    EXPECT_EQ(s.Altitude, 120);
    EXPECT_EQ(s.BankAngle, 0);
    // The ground roll is the jet's; a piston keeps its bank steps.
    EXPECT_FALSE(s.OnGround);
    draairechts(s);
    EXPECT_EQ(s.BankAngle, 1);
  }
}

TEST(PistonStep, PropellerThrustStaysFiniteAtZeroSpeed) {
  SimState s = PistonCruise();
  s.Airspeed = 0;
  s.Lift = 0;  // before any aircraft was loaded
  Bratti(s);
  EXPECT_TRUE(std::isfinite(s.Thrust));
  EXPECT_DOUBLE_EQ(s.Thrust, (100 * 2450 - 145700) / kMinPropellerSpeed);
  EXPECT_TRUE(std::isfinite(s.Airspeed));
  EXPECT_TRUE(std::isfinite(s.FlightPathAngle));
  EXPECT_TRUE(std::isfinite(s.BodyAngle));
}

TEST(ForceStep, NothingWithoutALoadedAircraft) {
  SimState s;
  s.Airspeed = 100;
  s.Altitude = 3000;
  s.TickSeconds = 0.1;
  Bratti(s);
  EXPECT_EQ(s.Airspeed, 100);
  EXPECT_EQ(s.Altitude, 3000);
}

// --- Force step: jets ---

TEST(JetStep, GroundRollBrakesToAStop) {
  SimState s = JetVmd();
  s.OnGround = true;
  s.N1 = 60;
  s.Airspeed = 10;
  s.AngleOfAttack = s.FlightPathAngle = s.BodyAngle = 0;
  s.Altitude = 120;
  s.WindDirection = 240;
  s.WindSpeed = 20;
  Bratti(s);
  EXPECT_EQ(s.N1, 20);
  EXPECT_EQ(s.BrakeState, "ON");
  EXPECT_EQ(s.Acceleration, -4);
  EXPECT_NEAR(s.Airspeed, 10 - kBrakingLossKt, 1e-12);
  EXPECT_NEAR(kBrakingLossKt, 0.7775, 1e-4);
  int steps = 1;
  while (s.BrakeState == "ON" && steps < 100) {
    const double before = s.Airspeed;
    Brpos(s);
    Bratti(s);
    ++steps;
    if (before > kBrakingLossKt) EXPECT_NEAR(before - s.Airspeed, kBrakingLossKt, 1e-12);
    EXPECT_GE(s.Airspeed, 0);
    EXPECT_EQ(s.VerticalSpeed, 0);
  }
  EXPECT_EQ(s.BrakeState, "OFF");
  EXPECT_EQ(steps, 14);  // 13 braking steps, then the stop
  EXPECT_EQ(s.Airspeed, 0);
  EXPECT_EQ(s.GroundSpeed, 0);
  EXPECT_EQ(s.Acceleration, 0);

  // Standing still, the aircraft does not drift with the wind.
  const double x = s.AircraftX, y = s.AircraftY;
  for (int i = 0; i < 50; ++i) {
    Brpos(s);
    Bratti(s);
  }
  EXPECT_EQ(s.AircraftX, x);
  EXPECT_EQ(s.AircraftY, y);
  EXPECT_EQ(s.GroundSpeed, 0);
  // Nor does it show the wind's drift: it tracks where it points.
  EXPECT_EQ(s.DriftAngle, 0);
  EXPECT_EQ(s.TrackAngle, s.Heading);
  Winddriehoek(s);
  EXPECT_EQ(s.DriftAngle, 0);
  EXPECT_EQ(s.TrackAngle, s.Heading);
  EXPECT_EQ(s.GroundSpeed, 0);
}

TEST(JetStep, LiftOffAtABodyAngleOfOneTenth) {
  SimState s = JetVmd();
  s.OnGround = true;
  s.N1 = 100;
  s.Airspeed = 150;
  s.AngleOfAttack = 0.05;
  s.FlightPathAngle = 0.04;
  Bratti(s);
  EXPECT_TRUE(s.OnGround);
  EXPECT_EQ(s.VerticalSpeed, 0);
  s.AngleOfAttack = 0.06;
  Bratti(s);
  EXPECT_FALSE(s.OnGround);
}

TEST(JetStep, LiftCoefficientByAirspeedWithFlapsUp) {
  SimState s = JetVmd();
  s.AngleOfAttack = 3;
  Bratti(s);  // thrust equals drag, level: the speed stays 210
  EXPECT_EQ(s.Airspeed, 210);
  EXPECT_EQ(s.LiftCoefficient, 0.767);

  SimState fast = JetVmd();
  fast.Airspeed = 250;
  fast.AngleOfAttack = 3;
  Bratti(fast);
  EXPECT_DOUBLE_EQ(fast.LiftCoefficient, 0.0839 * 3 + 0.3475);
  EXPECT_DOUBLE_EQ(fast.DragCoefficient,
                   fast.LiftCoefficient * fast.LiftCoefficient / (kPi * 10.286 * 0.1861) + 0.0786);

  SimState flaps = JetVmd();
  flaps.Airspeed = 250;
  flaps.FlapSetting = 1;
  flaps.LiftCoefficient = 0.805;
  Bratti(flaps);
  EXPECT_EQ(flaps.LiftCoefficient, 0.805);

  SimState engineOut = JetVmd();
  engineOut.Airspeed = 250;
  engineOut.OneEngineOut = true;
  engineOut.LiftCoefficient = 0.6;
  Bratti(engineOut);
  EXPECT_EQ(engineOut.LiftCoefficient, 0.6);
}

TEST(JetStep, ClimbFromTheFlightPathAngle) {
  SimState s = JetVmd();
  s.FlightPathAngle = 3;
  s.AngleOfAttack = 2;
  Bratti(s);
  EXPECT_DOUBLE_EQ(s.BodyAngle, 5);
  EXPECT_DOUBLE_EQ(s.VerticalSpeed, std::sin(3 * kRad) * s.Airspeed * 1852 / 3600 * 196.72131147540983);
  EXPECT_DOUBLE_EQ(s.Altitude, 3000 + s.VerticalSpeed * 0.1 / 60);
  EXPECT_DOUBLE_EQ(s.PitchAttitude, 5.01);
}

TEST(JetStep, WindshearClimbRateStands) {
  SimState s = JetVmd();
  s.FailureCode = "WS";
  s.FailurePhase = 2;
  s.VerticalSpeed = -300;
  s.FlightPathAngle = 2;
  Bratti(s);
  EXPECT_EQ(s.VerticalSpeed, -300);
  s.VerticalSpeed = -600;
  Bratti(s);
  EXPECT_NE(s.VerticalSpeed, -600);
}

TEST(JetStep, EngineOutDragByBodyAngle) {
  const struct {
    const char* state;
    double body;
    bool gear;
    double cd0;
  } cases[] = {{"GA", 5, false, 0.11},   {"GA", 7.5, true, 0.16},   {"GA", 10, false, 0.21},
               {"GA", 12, true, 0.21},   {"TO", 4, false, 0.11},    {"TO", 7.5, false, 0.1875},
               {"TO", 10, false, 0.265}, {"TO", 5, true, 0.16},     {"TO", 10, true, 0.315},
               {"OFF", 7, true, 0.0786}, {"GAarmed", 7, true, 0.0786}};
  for (const auto& c : cases)
    EXPECT_NEAR(EngineOutParasiteDrag(c.state, c.body, c.gear, 0.0786), c.cd0, 1e-12) << c.state << c.body;

  SimState s = JetVmd();
  s.OneEngineOut = true;
  s.TakeoffState = "TO";
  s.GearDown = true;
  Bratti(s);  // body angle 5
  EXPECT_DOUBLE_EQ(s.ParasiteDrag, 0.16);
  SimState both = JetVmd();
  both.TakeoffState = "TO";
  Bratti(both);
  EXPECT_EQ(both.ParasiteDrag, 0.0786);
}

TEST(JetStep, TouchdownLevelsTheWingsAndStartsTheGroundRoll) {
  SimState s = JetVmd();
  s.Altitude = 121;
  s.FlightPathAngle = -3;
  s.AngleOfAttack = 3;
  s.N1 = 60;
  for (int i = 0; i < 12; ++i) draairechts(s);
  ASSERT_GT(s.TurnRadius, 0);
  for (int i = 0; i < 30 && !s.OnGround; ++i) Bratti(s);
  ASSERT_TRUE(s.OnGround);
  EXPECT_EQ(s.Altitude, 120);
  EXPECT_EQ(s.N1, 20);
  EXPECT_EQ(s.BankAngle, 0);
  EXPECT_EQ(s.TurnRadius, 0);
  EXPECT_EQ(s.AttitudeDiscRotation, 0);
  EXPECT_EQ(s.BodyAngle, 0);
  Winddriehoek(s);
  const double heading = s.Heading;
  for (int i = 0; i < 20; ++i) {
    Brpos(s);
    Bratti(s);
  }
  EXPECT_EQ(s.Heading, heading);
}

TEST(JetStep, HighThrustAtTheAirportRollsOnWithoutGroundState) {
  SimState s = JetVmd();
  s.Altitude = 120;
  s.N1 = 95;
  s.FlightPathAngle = -2;
  s.AngleOfAttack = 2;
  Bratti(s);
  EXPECT_EQ(s.Altitude, 120);
  EXPECT_EQ(s.VerticalSpeed, 0);
  EXPECT_FALSE(s.OnGround);
  EXPECT_EQ(s.N1, 95);
}
