// Bumps and gusts over the flight state, with a seeded generator.
#include "simulator/turbulence.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "simulator/flightfixture.h"
#include "simulator/flightmodel.h"
#include "simulator/tickmodel.h"

using namespace tvx;
using namespace tvx::flight;
using tvx::test::JetVmd;
using tvx::test::PistonCruise;

namespace {

constexpr std::uint32_t kSeed = 20240611;

RandomGenerator Seeded(std::uint32_t seed = kSeed) {
  RandomGenerator rng;
  rng.RandSeed = seed;
  return rng;
}

// The flight state as FLY leaves it for turbulence: the first tick draws an
// interval, the first bump and gust come 2 s in.
SimState Flying(SimState s) {
  s.BumpClock = 2;
  s.TurbulenceClock = 15;
  s.GustClock = 2;
  s.BumpInterval = 5.0;
  s.GustInterval = 5;
  s.BumpBankDirection = s.BumpPitchDirection = kBumpLeftOrUp;
  return s;
}

// `s` with a bump due at this tick, banked and climbing as given.
SimState BumpDue(SimState s, double bank, double verticalSpeed) {
  s.BankAngle = bank;
  s.VerticalSpeed = verticalSpeed;
  s.BumpInterval = 1;
  s.BumpClock = 1;
  return s;
}

// `s` after one turbulence step with the seeded generator.
SimState AfterBumpStep(SimState s, TurbulenceLevel level) {
  RandomGenerator rng = Seeded();
  BumpStep(s, level, rng);
  return s;
}

// Tenths of a second, the unit of the tick.
int Tenths(double seconds) { return static_cast<int>(std::lround(seconds * 10)); }

}  // namespace

// --- Bump intervals ---

TEST(BumpInterval, EachLevelDrawsItsWholeRangeInTenths) {
  struct Case {
    TurbulenceLevel level;
    int lowTenths, highTenths;
  };
  for (const Case c : {Case{TurbulenceLevel::Light, 20, 44}, Case{TurbulenceLevel::Moderate, 10, 29},
                       Case{TurbulenceLevel::Severe, 10, 19}, Case{TurbulenceLevel::None, 10, 19}}) {
    RandomGenerator rng = Seeded();
    std::set<int> seen;
    for (int i = 0; i < 3000; ++i) {
      const double interval = DrawBumpInterval(c.level, rng);
      EXPECT_NEAR(interval * 10, Tenths(interval), 1e-9) << interval;
      seen.insert(Tenths(interval));
    }
    EXPECT_EQ(*seen.begin(), c.lowTenths) << static_cast<int>(c.level);
    EXPECT_EQ(*seen.rbegin(), c.highTenths) << static_cast<int>(c.level);
    EXPECT_EQ(static_cast<int>(seen.size()), c.highTenths - c.lowTenths + 1) << static_cast<int>(c.level);
  }
}

TEST(BumpInterval, AnIntervalIsDrawnEveryFifteenSecondsWithNewDirections) {
  SimState s = Flying(PistonCruise());
  s.BankAngle = 10;        // not wings level: only the 15 s draw changes the directions
  s.VerticalSpeed = 500;   // not level
  RandomGenerator rng = Seeded();
  int draws = 0;
  std::set<int> bankDirections, pitchDirections;
  for (int tick = 1; tick <= 6000; ++tick) {  // ten minutes
    AdvanceClocks(s);
    const double before = s.TurbulenceClock;
    const std::uint32_t seed = rng.RandSeed;
    BumpStep(s, TurbulenceLevel::None, rng);  // no bumps: nothing but the draws moves
    if (s.TurbulenceClock == 0) {
      ++draws;
      EXPECT_TRUE(ClockReached(before, 15)) << tick;
      EXPECT_GE(s.BumpInterval, 1.0);
      EXPECT_LT(s.BumpInterval, 1.95);
      bankDirections.insert(s.BumpBankDirection);
      pitchDirections.insert(s.BumpPitchDirection);
    } else {
      EXPECT_EQ(rng.RandSeed, seed) << "drew at tick " << tick;
    }
    s.BankAngle = 10;
  }
  EXPECT_EQ(draws, 1 + 5999 / 150);  // at the first tick, then every 150 ticks
  EXPECT_EQ(bankDirections, (std::set<int>{1, 2}));
  EXPECT_EQ(pitchDirections, (std::set<int>{1, 2}));
}

TEST(BumpInterval, BumpsComeEveryDrawnIntervalOfEachLevel) {
  for (const TurbulenceLevel level :
       {TurbulenceLevel::Light, TurbulenceLevel::Moderate, TurbulenceLevel::Severe}) {
    SimState s = Flying(PistonCruise());
    RandomGenerator rng = Seeded();
    int sinceBump = 0, bumps = 0, redrawAt = 0, shortened = 0;
    for (int tick = 1; tick <= 3000; ++tick) {
      AdvanceClocks(s);
      ++sinceBump;
      s.BankAngle = 10;  // far from the limit, so every bump moves it by one degree
      s.VerticalSpeed = 0;
      BumpStep(s, level, rng);
      if (s.TurbulenceClock == 0) redrawAt = sinceBump;
      if (s.BankAngle != 10) {
        EXPECT_EQ(std::fabs(s.BankAngle - 10), 1.0);
        EXPECT_EQ(s.BumpClock, 0.0);
        // The gap is the interval in force. The first bump ends the 2 s that
        // FLY left on the bump clock. A new interval drawn during a gap
        // counts from the last bump, so one shorter than the time gone by
        // bumps at once.
        if (bumps > 0) {
          const int expected = std::max(Tenths(s.BumpInterval), redrawAt);
          EXPECT_EQ(sinceBump, expected) << "tick " << tick;
          if (redrawAt > Tenths(s.BumpInterval)) ++shortened;
        }
        ++bumps;
        sinceBump = 0;
        redrawAt = 0;
      }
    }
    EXPECT_GT(shortened, 0) << static_cast<int>(level);
    const double shortest = level == TurbulenceLevel::Light ? 2.0 : 1.0;
    const double longest = level == TurbulenceLevel::Light ? 4.4 : level == TurbulenceLevel::Moderate ? 2.9 : 1.9;
    EXPECT_GE(bumps, static_cast<int>(300 / longest) - 2) << static_cast<int>(level);
    EXPECT_LE(bumps, static_cast<int>(300 / shortest) + 1) << static_cast<int>(level);
  }
}

// --- Bump directions and limits ---

TEST(Bump, DirectionsChooseTheControlStep) {
  struct Case {
    const char* name;
    SimState aircraft;
    int bank, pitch;
    double bankAfter, aoaChange, pathChange;
  };
  const double up = kBumpPitchStep;
  const Case cases[] = {
      {"piston left, up", PistonCruise(), 1, 1, -1, up, 0},
      {"piston right, down", PistonCruise(), 2, 2, 1, -up, 0},
      {"glass piston left, down", PistonCruise("SEP EFIS"), 1, 2, -1, -up, 0},
      {"jet right, up", JetVmd(), 2, 1, 1, up, up},
      {"jet left, down", JetVmd(), 1, 2, -1, -up, -up},
  };
  for (const Case& c : cases) {
    SimState s = c.aircraft;
    s.BankAngle = 0.5;         // level enough to draw a bank direction...
    s.VerticalSpeed = 80;      // ...but not a pitch direction
    s.BumpBankDirection = c.bank;
    s.BumpPitchDirection = c.pitch;
    s.BumpInterval = 1.5;
    s.BumpClock = 1.5;
    s.TurbulenceClock = 3;
    // Find a seed whose draw keeps the given bank direction, so the step
    // shows the direction's effect.
    RandomGenerator rng = Seeded();
    while (RandomGenerator(rng).Random(2) + 1 != c.bank) rng.Random(2);
    const double aoa = s.AngleOfAttack, path = s.FlightPathAngle;
    BumpStep(s, TurbulenceLevel::Moderate, rng);
    EXPECT_EQ(s.BankAngle, 0.5 + c.bankAfter) << c.name;
    EXPECT_NEAR(s.AngleOfAttack - aoa, c.aoaChange, 1e-12) << c.name;
    EXPECT_NEAR(s.FlightPathAngle - path, c.pathChange, 1e-12) << c.name;
    EXPECT_EQ(s.AoaStep, up) << c.name;
    EXPECT_EQ(s.PathStep, up) << c.name;
    EXPECT_EQ(s.BumpClock, 0) << c.name;
  }
}

TEST(Bump, ClimbingAtTwelveHundredFeetPerMinuteBanksOnly) {
  for (const double vs : {1200.0, -1200.0, 1000.0}) {
    SimState s = BumpDue(PistonCruise(), 5, vs);
    s.BumpBankDirection = 2;
    s.BumpPitchDirection = 1;
    const SimState after = AfterBumpStep(s, TurbulenceLevel::Severe);
    EXPECT_EQ(after.BankAngle, 6) << vs;
    EXPECT_EQ(after.AngleOfAttack, s.AngleOfAttack) << vs;
    EXPECT_EQ(after.AoaStep, 0.05) << vs;  // the keys' step stays
  }
}

TEST(Bump, BankStaysWithinTheTypeLimitAndOffTheGround) {
  struct Case {
    SimState aircraft;
    double limit;
  };
  for (const Case& c : {Case{PistonCruise(), 40}, Case{JetVmd(), 70}}) {
    for (const int direction : {1, 2}) {
      SimState s = BumpDue(c.aircraft, direction == 1 ? -c.limit : c.limit, 2000);
      s.BumpBankDirection = direction;
      EXPECT_EQ(std::fabs(AfterBumpStep(s, TurbulenceLevel::Severe).BankAngle), c.limit)
          << s.AircraftType.toStdString() << direction;
    }
  }
  SimState ground = BumpDue(JetVmd(), 0, 0);
  ground.OnGround = true;
  EXPECT_EQ(AfterBumpStep(ground, TurbulenceLevel::Severe).BankAngle, 0);
}

TEST(Bump, NoTurbulenceKeepsTheClocksButMakesNoBump) {
  SimState s = BumpDue(PistonCruise(), 3, 200);
  s.BumpClock = 1.2;
  const SimState after = AfterBumpStep(s, TurbulenceLevel::None);
  EXPECT_EQ(after.BankAngle, 3);
  EXPECT_EQ(after.AngleOfAttack, s.AngleOfAttack);
  EXPECT_EQ(after.BumpClock, 0);
  EXPECT_EQ(after.AoaStep, 0.05);
}

TEST(Bump, WingsLevelAndLevelRedrawBothDirectionsEveryTick) {
  SimState s = PistonCruise();
  s.BankAngle = -0.9;
  s.VerticalSpeed = 59;
  s.BumpInterval = 100;  // no bump, no 15 s draw in this test
  s.TurbulenceClock = 0;
  RandomGenerator rng = Seeded();
  std::map<int, int> bank, pitch;
  int bankChanges = 0;
  for (int i = 0; i < 4000; ++i) {
    const int before = s.BumpBankDirection;
    BumpStep(s, TurbulenceLevel::Severe, rng);
    ++bank[s.BumpBankDirection];
    ++pitch[s.BumpPitchDirection];
    if (s.BumpBankDirection != before) ++bankChanges;
  }
  EXPECT_EQ(bank.size(), 2u);
  EXPECT_EQ(pitch.size(), 2u);
  for (const auto* counts : {&bank, &pitch}) {
    EXPECT_GT(counts->at(1), 1800);  // about half each way
    EXPECT_GT(counts->at(2), 1800);
  }
  EXPECT_GT(bankChanges, 1000);  // a fresh draw each tick, not one draw kept

  // Banked and climbing, nothing is drawn between the 15 s marks.
  s.BankAngle = 1;
  s.VerticalSpeed = 60;
  s.BumpBankDirection = 2;
  s.BumpPitchDirection = 1;
  const std::uint32_t seed = rng.RandSeed;
  BumpStep(s, TurbulenceLevel::Severe, rng);
  EXPECT_EQ(rng.RandSeed, seed);
  EXPECT_EQ(s.BumpBankDirection, 2);
  EXPECT_EQ(s.BumpPitchDirection, 1);
}

TEST(Bump, WindshearSetsARandomClimbRateUnlessSinkingFaster) {
  SimState s = JetVmd();
  s.FailureCode = "WS";
  s.FailurePhase = 2;
  RandomGenerator rng = Seeded();
  std::set<int> rates;
  for (int i = 0; i < 500; ++i) {
    s = BumpDue(s, 0, -500);
    BumpStep(s, TurbulenceLevel::None, rng);
    rates.insert(static_cast<int>(s.VerticalSpeed));
  }
  EXPECT_EQ(rates, (std::set<int>{-500, -400, -300, -200, -100, 0, 100, 200, 300}));

  EXPECT_EQ(AfterBumpStep(BumpDue(s, 0, -501), TurbulenceLevel::None).VerticalSpeed, -501);

  // Armed, not yet active: the climb rate is the aircraft's own.
  s.FailurePhase = 1;
  EXPECT_EQ(AfterBumpStep(BumpDue(s, 0, 700), TurbulenceLevel::None).VerticalSpeed, 700);
}

// --- Gusts ---

TEST(Gust, EachLevelVariesTheWindOverItsWholeSpread) {
  struct Case {
    GustLevel level;
    int directionSpread, speedSpread;
  };
  for (const Case c : {Case{GustLevel::Small, 30, 4}, Case{GustLevel::Medium, 40, 7}, Case{GustLevel::Large, 60, 10}}) {
    EXPECT_EQ(GustSpreadOf(c.level).DirectionSpread, c.directionSpread);
    EXPECT_EQ(GustSpreadOf(c.level).SpeedSpread, c.speedSpread);
    SimState s = PistonCruise();
    RandomGenerator rng = Seeded();
    std::set<int> directions, speeds, intervals;
    for (int i = 0; i < 3000; ++i) {
      s.GustClock = s.GustInterval = 3;
      GustStep(s, c.level, PanelWind{180, 30}, rng);
      EXPECT_EQ(s.GustClock, 0);
      directions.insert(s.WindDirection - 180);
      speeds.insert(s.WindSpeed - 30);
      intervals.insert(s.GustInterval);
    }
    std::set<int> wantDirections, wantSpeeds;
    for (int d = -c.directionSpread; d <= c.directionSpread; d += 10) wantDirections.insert(d);
    for (int v = -c.speedSpread; v <= c.speedSpread; ++v) wantSpeeds.insert(v);
    EXPECT_EQ(directions, wantDirections) << static_cast<int>(c.level);
    EXPECT_EQ(speeds, wantSpeeds) << static_cast<int>(c.level);
    EXPECT_EQ(intervals, (std::set<int>{2, 3, 4})) << static_cast<int>(c.level);
  }
}

TEST(Gust, NotVariableRestoresThePanelWindExactlyAndDrawsNothing) {
  SimState s = PistonCruise();
  s.WindDirection = 250;
  s.WindSpeed = 27;
  s.GustInterval = 3;
  s.GustClock = 2.9;
  RandomGenerator rng = Seeded();
  GustStep(s, GustLevel::NotVariable, PanelWind{240, 20}, rng);
  EXPECT_EQ(s.WindDirection, 250);  // 2.9 s: not yet
  AdvanceClocks(s);
  GustStep(s, GustLevel::NotVariable, PanelWind{240, 20}, rng);
  EXPECT_EQ(s.WindDirection, 240);
  EXPECT_EQ(s.WindSpeed, 20);
  EXPECT_EQ(s.GustInterval, 3);
  EXPECT_EQ(s.GustClock, 0);
  EXPECT_EQ(rng.RandSeed, kSeed);

  // A wind typed meanwhile takes effect at the next gust step, three seconds on.
  for (int tick = 1; tick <= 30; ++tick) {
    AdvanceClocks(s);
    GustStep(s, GustLevel::NotVariable, PanelWind{90, 5}, rng);
    EXPECT_EQ(s.WindDirection, tick < 30 ? 240 : 90) << tick;
  }
  EXPECT_EQ(s.WindSpeed, 5);
}

TEST(Gust, GustsComeEveryDrawnInterval) {
  SimState s = Flying(PistonCruise());
  RandomGenerator rng = Seeded();
  int sinceGust = 0, gusts = 0;
  for (int tick = 1; tick <= 1200; ++tick) {
    AdvanceClocks(s);
    ++sinceGust;
    const int interval = s.GustInterval;
    GustStep(s, GustLevel::Medium, PanelWind{240, 20}, rng);
    if (s.GustClock == 0) {
      EXPECT_EQ(sinceGust, gusts == 0 ? 30 : interval * 10) << tick;  // FLY leaves 2 of the first 5 s
      ++gusts;
      sinceGust = 0;
    }
  }
  EXPECT_GE(gusts, 120 / 4);
  EXPECT_LE(gusts, 120 / 2);
}

TEST(Gust, DirectionWrapsAroundNorthAndSpeedNeverGoesNegative) {
  EXPECT_EQ(WrapGustDirection(-60), 300);
  EXPECT_EQ(WrapGustDirection(-1), 359);
  EXPECT_EQ(WrapGustDirection(0), 0);
  EXPECT_EQ(WrapGustDirection(360), 360);
  EXPECT_EQ(WrapGustDirection(361), 1);
  EXPECT_EQ(WrapGustDirection(420), 60);

  // 350/5 with large gusts: up to 410, which is 50; speeds of -5 become 0.
  SimState s = PistonCruise();
  RandomGenerator rng = Seeded();
  std::set<int> directions;
  int calm = 0;
  for (int i = 0; i < 3000; ++i) {
    s.GustClock = s.GustInterval = 2;
    GustStep(s, GustLevel::Large, PanelWind{350, 5}, rng);
    EXPECT_GE(s.WindDirection, 0);
    EXPECT_LE(s.WindDirection, 360);
    EXPECT_GE(s.WindSpeed, 0);
    EXPECT_LE(s.WindSpeed, 15);
    directions.insert(s.WindDirection);
    if (s.WindSpeed == 0) ++calm;
  }
  EXPECT_TRUE(directions.count(50));
  EXPECT_TRUE(directions.count(290));
  EXPECT_TRUE(directions.count(360));
  EXPECT_FALSE(directions.count(60));
  EXPECT_NEAR(calm, 3000 * 6 / 21, 150);  // six of the 21 offsets (-5..-10 kt) give 0
}

TEST(Gust, PanelWindIsReadAsFlyAcceptsIt) {
  struct Case {
    const char* direction;
    const char* speed;
    bool ok;
    int d, v;
  };
  for (const Case& c : {Case{"240", "20", true, 240, 20}, Case{" 90 ", "5", true, 90, 5},
                        Case{"0", "0", true, 0, 0}, Case{"360", "60", true, 360, 60},
                        Case{"361", "20", false}, Case{"-10", "20", false}, Case{"240", "61", false},
                        Case{"240", "-1", false}, Case{"24O", "20", false}, Case{"240", "", false},
                        Case{"240.5", "20", false}, Case{"240", "1e1", false}}) {
    const auto wind = ReadPanelWind(c.direction, c.speed);
    ASSERT_EQ(wind.has_value(), c.ok) << c.direction << "/" << c.speed;
    if (!wind) continue;
    EXPECT_EQ(wind->Direction, c.d);
    EXPECT_EQ(wind->Speed, c.v);
  }
}

TEST(Gust, AnUnreadablePanelWindKeepsTheWindAndTheRhythm) {
  for (const GustLevel level : {GustLevel::NotVariable, GustLevel::Large}) {
    SimState s = PistonCruise();
    s.WindDirection = 240;
    s.WindSpeed = 20;
    s.GustClock = s.GustInterval = 3;
    RandomGenerator rng = Seeded();
    GustStep(s, level, ReadPanelWind("abc", "20"), rng);
    EXPECT_EQ(s.WindDirection, 240);
    EXPECT_EQ(s.WindSpeed, 20);
    EXPECT_EQ(s.GustClock, 0);  // the next gust comes on time
    if (level == GustLevel::Large) {
      EXPECT_GE(s.GustInterval, 2);
      EXPECT_LE(s.GustInterval, 4);
    }
  }
}

// --- A long flight in severe turbulence and large gusts ---

TEST(TurbulenceSoak, TwoHoursOfEachTypeStayFiniteAndInRange) {
  for (const SimState& aircraft : {PistonCruise(), PistonCruise("SEP EFIS"), JetVmd()}) {
    SimState s = Flying(aircraft);
    s.WindDirection = 350;
    s.WindSpeed = 25;
    const double limit = IsPiston(s) ? 40 : 70;
    RandomGenerator rng = Seeded();
    int bumps = 0;
    for (int tick = 0; tick < 72000; ++tick) {
      AdvanceClocks(s);
      if (ClockReached(s.PhysicsClock, 0.1)) {
        Brpos(s);
        Bratti(s);
        s.PhysicsClock = 0;
      }
      // The intensity changes every ten minutes, as a pilot might choose.
      const auto level = static_cast<TurbulenceLevel>(1 + (tick / 6000) % 3);
      TurbulenceTick(s, level, GustLevel::Large, PanelWind{350, 25}, rng);
      if (s.BumpClock == 0) ++bumps;
      const std::string at = s.AircraftType.toStdString() + " tick " + std::to_string(tick);
      ASSERT_LE(std::fabs(s.BankAngle), limit) << at;
      ASSERT_TRUE(std::isfinite(s.AngleOfAttack) && std::isfinite(s.FlightPathAngle)) << at;
      ASSERT_TRUE(std::isfinite(s.Altitude) && std::isfinite(s.Airspeed) && std::isfinite(s.VerticalSpeed)) << at;
      ASSERT_TRUE(std::isfinite(s.AircraftX) && std::isfinite(s.AircraftY) && std::isfinite(s.Heading)) << at;
      ASSERT_TRUE(std::isfinite(s.GroundSpeed) && std::isfinite(s.TrackAngle)) << at;
      ASSERT_GE(s.WindDirection, 0) << at;
      ASSERT_LE(s.WindDirection, 360) << at;
      ASSERT_GE(s.WindSpeed, 15) << at;
      ASSERT_LE(s.WindSpeed, 35) << at;
      ASSERT_GE(s.BumpInterval, 1.0) << at;
      ASSERT_LE(s.BumpInterval, 4.4 + 1e-9) << at;
      ASSERT_GE(s.GustInterval, 2) << at;
      ASSERT_LE(s.GustInterval, 5) << at;
      ASSERT_TRUE(s.BumpBankDirection == 1 || s.BumpBankDirection == 2) << at;
      ASSERT_TRUE(s.BumpPitchDirection == 1 || s.BumpPitchDirection == 2) << at;
      ASSERT_LT(s.TurbulenceClock, 15.05) << at;
      ASSERT_LT(s.BumpClock, 4.45) << at;
      ASSERT_LT(s.GustClock, 5.05) << at;
    }
    EXPECT_GT(bumps, 7200 / 4.4) << s.AircraftType.toStdString();
  }
}
