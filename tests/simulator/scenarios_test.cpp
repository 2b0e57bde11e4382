// The jet's failure and manoeuvre scenarios over the flight state: choosing
// and checking, arming and triggers, activation with its effects and sounds,
// the TCAS sequence and the ends, with fixed seeds.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "simulator/aircraftconfig.h"
#include "simulator/flightfixture.h"
#include "simulator/scenarios.h"
#include "simulator/tickmodel.h"

using namespace tvx;
using namespace tvx::scenario;

namespace {

// Items of the list by their place.
enum Item {
  kOff = 0, kEngFail = 1, kEngDamage = 2, kEngFire = 3, kEngRandom = 4, kTakeoffLine = 5, kRto = 6, kRtoEvac = 7,
  kEfato = 8, kRtoEfato = 9, kOffRtoEfato = 10, kLowLine = 11, kGpws = 12, kWs = 13, kGpwsWs = 14, kMidLine = 15,
  kTcas = 16, kUprt = 17, kTcasUprt = 18, kHighLine = 19, kCabin = 20, kEngAlt = 21, kCabinEng = 22, kLastLine = 23,
  kUnreliable = 24
};

RandomGenerator Seeded(std::uint32_t seed) {
  RandomGenerator r;
  r.RandSeed = seed;
  return r;
}

// The jet cruising at 210 kt, 3000 ft (elevation 120), wings level.
SimState Cruise() {
  SimState s = test::JetVmd();
  s.FailureCode = "OFF";
  return s;
}

// The jet on the runway with the take-off preset (flap lever 2, gear down).
SimState Runway() {
  SimState s = Cruise();
  ApplyPreset(s, kJetTakeoffPreset);
  s.GearDown = true;
  s.Airspeed = 0;
  return s;
}

// Cruise at `speed` kt and `aal` ft above the airport.
SimState At(double speed, double aal) {
  SimState s = Cruise();
  s.Airspeed = speed;
  s.Altitude = s.AirportElevation + aal;
  return s;
}

// A scenario armed and then activated on a copy of the cruise state.
struct Activated {
  SimState s;
  Activation a;
};
Activated ActivateCode(const QString& code, std::uint32_t seed, SimState s = Cruise()) {
  RandomGenerator rng = Seeded(seed);
  s.FailureCode = code;
  s.FailurePhase = 1;
  const Activation a = Activate(s, rng);
  return {s, a};
}

// The first seed whose first draw of Random(n) is `value`.
std::uint32_t SeedGiving(int n, int value) {
  for (std::uint32_t seed = 1;; ++seed) {
    RandomGenerator r = Seeded(seed);
    if (r.Random(n) == value) return seed;
  }
}

// Records the tick's calls and carries them out on the state as the window does.
struct RecordingHost : ScenarioHost {
  SimState& s;
  RandomGenerator& rng;
  std::vector<std::string> calls;
  std::vector<QString> sounds;
  RecordingHost(SimState& state, RandomGenerator& r) : s(state), rng(r) {}
  void Activate() override {
    calls.push_back("activate");
    sounds.push_back(scenario::Activate(s, rng).sound.file);
  }
  void ResolutionAdvisory() override {
    calls.push_back("advisory");
    sounds.push_back(scenario::ResolutionAdvisory(s, rng).file);
  }
  void ClearOfConflict() override {
    calls.push_back("clear");
    sounds.push_back(scenario::ClearOfConflict(s).file);
  }
  void End() override {
    calls.push_back("end");
    scenario::End(s);
  }
  void TurbulenceOff() override { calls.push_back("turbulence off"); }
};

// One tick of the scenario clock and checks.
void Tick(SimState& s, ScenarioHost& host) {
  flight::AdvanceClocks(s);
  RunChecks(s, host);
}

// Ticks until `host` records a call; the number of ticks, or -1 after `limit`.
int TicksUntilCall(SimState& s, RecordingHost& host, int limit) {
  const std::size_t before = host.calls.size();
  for (int i = 1; i <= limit; ++i) {
    Tick(s, host);
    if (host.calls.size() > before) return i;
  }
  return -1;
}

}  // namespace

TEST(ScenarioList, ItemsInOrder) {
  const QStringList items = FailureItems();
  ASSERT_EQ(items.size(), kFailureItemCount);
  EXPECT_EQ(items, QStringList({"OFF / Reset", "Eng. Fail", "Eng. Damage", "Eng. Fire", "Eng. Random",
                                "--- Take-off:  ----", "RTO", "RTO + Evac", "EFATO", "RTO/EFATO", "OFF/RTO/EFATO",
                                "--- <900 ft AAL: ----", "GPWS", "WS", "GPWS/WS", "--- >5000 ft: ----", "TCAS", "UPRT",
                                "TCAS/UPRT", "--- >10,000 ft: ----", "CABIN ALT", "Eng. ALT", "CABIN/Eng.",
                                "----------", "Airspeed Unreliable"}));
}

TEST(ScenarioSelect, SeparatorsAndOffChooseNothing) {
  for (int index : {int(kOff), int(kTakeoffLine), int(kLowLine), int(kMidLine), int(kHighLine), int(kLastLine), -1, 25}) {
    SimState s = Cruise();
    s.ScenarioClock = 12;
    RandomGenerator rng = Seeded(7);
    const Selection sel = Select(s, rng, index);
    EXPECT_FALSE(sel.armed) << index;
    EXPECT_TRUE(sel.message.isEmpty()) << index;
    EXPECT_EQ(s.FailureCode, "OFF") << index;
    EXPECT_EQ(s.FailurePhase, 0) << index;
    EXPECT_EQ(s.ScenarioClock, 0) << index;
  }
}

TEST(ScenarioSelect, PlainItemsArmWithATwoSecondTrigger) {
  const struct {
    int index;
    const char* code;
    SimState s;
  } cases[] = {
      {kEngFail, "Failure", Cruise()},        {kEngDamage, "Damage", Cruise()},
      {kEngFire, "Fire", Cruise()},           {kGpws, "GPWS", At(160, 500)},
      {kWs, "WS", At(160, 500)},              {kTcas, "TCAS", At(250, 8000)},
      {kUprt, "UPRT", At(250, 8000)},         {kCabin, "CABIN", At(280, 35000)},
      {kUnreliable, "UNRELIABLE", Cruise()},
  };
  for (const auto& c : cases) {
    SimState s = c.s;
    RandomGenerator rng = Seeded(99);
    const Selection sel = Select(s, rng, c.index);
    EXPECT_TRUE(sel.armed) << c.code;
    EXPECT_TRUE(sel.message.isEmpty()) << c.code << " " << sel.message.toStdString();
    EXPECT_EQ(s.FailureCode, c.code);
    EXPECT_EQ(s.FailurePhase, 1) << c.code;
    EXPECT_EQ(s.ScenarioTrigger, 2) << c.code;
    EXPECT_EQ(s.TakeoffState, "OFF") << c.code;
  }
}

// The variant of the selection (Random(2)) picks the code of a two-way item;
// for "Airspeed Unreliable" it says whether the tape reads low or high.
TEST(ScenarioSelect, TwoWayItemsFollowTheirVariant) {
  const struct {
    int index;
    const char* codes[2];
    SimState s;
  } cases[] = {
      {kGpwsWs, {"GPWS", "WS"}, At(160, 500)},
      {kTcasUprt, {"TCAS", "UPRT"}, At(250, 8000)},
      {kCabinEng, {"CABIN", nullptr}, At(280, 35000)},
  };
  for (const auto& c : cases) {
    std::set<QString> seen;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
      SimState s = c.s;
      RandomGenerator rng = Seeded(seed);
      RandomGenerator probe = Seeded(seed);
      const int variant = probe.Random(2);
      ASSERT_TRUE(Select(s, rng, c.index).armed);
      seen.insert(s.FailureCode);
      if (c.codes[variant]) {
        EXPECT_EQ(s.FailureCode, c.codes[variant]) << c.index << " seed " << seed;
        EXPECT_EQ(s.FailureVariant, variant);
      } else {
        // "Eng." at altitude is an engine scenario drawn at once.
        EXPECT_TRUE(IsEngineScenario(s.FailureCode)) << s.FailureCode.toStdString();
      }
    }
    EXPECT_GE(seen.size(), 2u) << c.index;
  }
}

TEST(ScenarioSelect, EngineScenariosAreDrawnAfterTheTrigger) {
  // "Eng. Random" and "Eng. ALT": the second draw, Random(3), picks failure,
  // damage or fire, and becomes the variant.
  const char* kEngine[] = {"Failure", "Damage", "Fire"};
  for (int index : {kEngRandom, kEngAlt}) {
    std::set<QString> seen;
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
      SimState s = index == kEngAlt ? At(280, 30000) : Cruise();
      RandomGenerator rng = Seeded(seed);
      RandomGenerator probe = Seeded(seed);
      probe.Random(2);
      const int kind = probe.Random(3);
      ASSERT_TRUE(Select(s, rng, index).armed);
      EXPECT_EQ(s.FailureCode, kEngine[kind]);
      EXPECT_EQ(s.FailureVariant, kind);
      EXPECT_EQ(s.ScenarioTrigger, 2);
      seen.insert(s.FailureCode);
    }
    EXPECT_EQ(seen.size(), 3u);
  }
}

TEST(ScenarioSelect, TakeoffItemsArmSpeedTriggers) {
  std::set<int> efatoTriggers, rtoTriggers;
  for (std::uint32_t seed = 1; seed <= 200; ++seed) {
    // Item `index` chosen on the runway with this seed.
    const auto armed = [seed](int index) {
      SimState s = Runway();
      RandomGenerator rng = Seeded(seed);
      EXPECT_TRUE(Select(s, rng, index).armed) << index;
      return s;
    };
    const SimState efato = armed(kEfato);
    EXPECT_TRUE(IsEngineScenario(efato.FailureCode));
    EXPECT_EQ(efato.TakeoffState, "TOarmed");
    efatoTriggers.insert(efato.ScenarioTrigger);

    const SimState rto = armed(kRto);
    EXPECT_TRUE(IsEngineScenario(rto.FailureCode));
    EXPECT_EQ(rto.TakeoffState, "OFF");
    rtoTriggers.insert(rto.ScenarioTrigger);

    const SimState evac = armed(kRtoEvac);
    EXPECT_EQ(evac.FailureCode, "Fire");  // the evacuation follows a fire
    EXPECT_GE(evac.ScenarioTrigger, 95);
    EXPECT_LE(evac.ScenarioTrigger, 119);
  }
  EXPECT_EQ(efatoTriggers, std::set<int>({129, 130, 131, 132, 133}));
  EXPECT_EQ(*rtoTriggers.begin(), 95);
  EXPECT_EQ(*rtoTriggers.rbegin(), 119);
  EXPECT_EQ(rtoTriggers.size(), 25u);
}

TEST(ScenarioSelect, MixedTakeoffItems) {
  // "RTO/EFATO": variant 1 is a rejected take-off, else a failure after
  // take-off. "OFF/RTO/EFATO" draws again among three, the third being a
  // normal take-off.
  std::set<int> rtoEfato, threeWay;
  for (std::uint32_t seed = 1; seed <= 60; ++seed) {
    SimState s = Runway();
    RandomGenerator rng = Seeded(seed);
    RandomGenerator probe = Seeded(seed);
    const int variant = probe.Random(2);
    ASSERT_TRUE(Select(s, rng, kRtoEfato).armed);
    EXPECT_EQ(s.TakeoffState, variant == 1 ? "OFF" : "TOarmed");
    EXPECT_EQ(s.ScenarioTrigger >= 129, variant == 0);
    rtoEfato.insert(variant);

    SimState t = Runway();
    RandomGenerator rng3 = Seeded(seed);
    RandomGenerator probe3 = Seeded(seed);
    probe3.Random(2);
    const int draw = probe3.Random(3);
    ASSERT_TRUE(Select(t, rng3, kOffRtoEfato).armed);
    threeWay.insert(draw);
    if (draw == 2) {
      EXPECT_EQ(t.FailureCode, "NORTO");
      EXPECT_EQ(t.FailureVariant, 2);
      EXPECT_EQ(t.ScenarioTrigger, 2);
      EXPECT_EQ(t.TakeoffState, "OFF");
    } else {
      EXPECT_TRUE(IsEngineScenario(t.FailureCode));
      EXPECT_EQ(t.TakeoffState, draw == 0 ? "TOarmed" : "OFF");
      EXPECT_EQ(t.ScenarioTrigger >= 129, draw == 0);
    }
  }
  EXPECT_EQ(rtoEfato.size(), 2u);
  EXPECT_EQ(threeWay.size(), 3u);
}

TEST(ScenarioSelect, ChecksAndTheirMessages) {
  const QString high =
      "Cannot start HIGH ALT. exercise. Altitude incorrect.\r\nFly above 10,000 ft.\r\nIdeally fly at 35,000 ft.";
  const QString takeoff = "Cannot start RTO/EFATO exercise.\r\nSet take-off position in STARTPOSITION PANEL!";
  const QString low = "Cannot start GPWS/WS exercise. Altitude incorrect.\r\nFly below 900 ft AAL.";
  const QString tcas =
      "Cannot start TCAS/UPRT exercise. Airspeed and/or altitude incorrect.\r\nFly between 210-290 kts and above 5000 "
      "ft.";
  const QString attitude = "Cannot start exercise. Check attitude!";

  const auto with = [](SimState s, auto change) {
    change(s);
    return s;
  };
  const SimState runway = Runway();
  const struct {
    const char* what;
    const char* code;
    SimState s;
    QString message;
  } cases[] = {
      {"cabin at 10000 ft", "CABIN", with(Cruise(), [](SimState& s) { s.Altitude = 10000; }), high},
      {"cabin above 10000 ft", "CABIN", with(Cruise(), [](SimState& s) { s.Altitude = 10001; }), ""},
      {"engine at altitude, low", "ENGALT", Cruise(), high},
      {"altitude before attitude", "CABIN", with(Cruise(), [](SimState& s) { s.BankAngle = 45; }), high},
      {"RTO at 100 kt", "RTO", with(runway, [](SimState& s) { s.Airspeed = 100; }), ""},
      {"RTO at 101 kt", "RTO", with(runway, [](SimState& s) { s.Airspeed = 101; }), takeoff},
      {"evacuation at 101 kt", "EVAC", with(runway, [](SimState& s) { s.Airspeed = 101; }), takeoff},
      {"EFATO at 125 kt", "EFATO", with(runway, [](SimState& s) { s.Airspeed = 125; }), ""},
      {"EFATO at 126 kt", "EFATO", with(runway, [](SimState& s) { s.Airspeed = 126; }), takeoff},
      {"normal take-off at any speed", "NORTO", with(runway, [](SimState& s) { s.Airspeed = 150; }), ""},
      {"take-off with flap lever 1", "NORTO", with(runway, [](SimState& s) { s.FlapIndex = 1; }), takeoff},
      {"take-off gear up", "EFATO", with(runway, [](SimState& s) { s.GearDown = false; }), takeoff},
      {"take-off in cruise", "RTO", Cruise(), takeoff},
      {"GPWS at 900 ft AAL", "GPWS", At(160, 900), ""},
      {"GPWS at 901 ft AAL", "GPWS", At(160, 901), low},
      {"windshear at 1 ft AAL", "WS", At(160, 1), ""},
      {"windshear on the ground", "WS", At(160, 0), low},
      {"TCAS at 250 kt, 6000 ft AAL, bank 35", "TCAS",
       with(At(250, 6000), [](SimState& s) { s.BankAngle = 35; }), attitude},
      {"TCAS at 200 kt", "TCAS", At(200, 6000), tcas},
      {"TCAS at 200 kt, bank 35", "TCAS", with(At(200, 6000), [](SimState& s) { s.BankAngle = 35; }), tcas},
      {"upset at 210 kt", "UPRT", At(210, 5000), ""},
      {"upset at 290 kt", "UPRT", At(290, 5000), ""},
      {"upset at 291 kt", "UPRT", At(291, 8000), tcas},
      {"upset at 4999 ft AAL", "UPRT", At(250, 4999), tcas},
      {"TCAS nose 13 up", "TCAS", with(At(250, 6000), [](SimState& s) { s.BodyAngle = 13; }), ""},
      {"TCAS nose 13.5 up", "TCAS", with(At(250, 6000), [](SimState& s) { s.BodyAngle = 13.5; }), attitude},
      {"TCAS nose 4 down", "TCAS", with(At(250, 6000), [](SimState& s) { s.BodyAngle = -4; }), attitude},
      {"engine fire, nose 20 up", "Fire", with(Cruise(), [](SimState& s) { s.BodyAngle = 20; }), ""},
      {"engine fire, nose 21 up", "Fire", with(Cruise(), [](SimState& s) { s.BodyAngle = 21; }), attitude},
      {"failure, nose 7 down", "Failure", with(Cruise(), [](SimState& s) { s.BodyAngle = -7; }), ""},
      {"failure, nose 8 down", "Failure", with(Cruise(), [](SimState& s) { s.BodyAngle = -8; }), attitude},
      {"unreliable, bank -30", "UNRELIABLE", with(Cruise(), [](SimState& s) { s.BankAngle = -30; }), ""},
      {"unreliable, bank -31", "UNRELIABLE", with(Cruise(), [](SimState& s) { s.BankAngle = -31; }), attitude},
      {"nothing chosen, banked", "OFF", with(Cruise(), [](SimState& s) { s.BankAngle = 60; }), ""},
  };
  for (const auto& c : cases) EXPECT_EQ(CheckMessage(c.s, c.code), c.message) << c.what;
}

TEST(ScenarioSelect, RefusedChoiceIsNotArmed) {
  SimState s = Runway();
  s.Airspeed = 101;
  RandomGenerator rng = Seeded(5);
  const Selection sel = Select(s, rng, kRto);
  EXPECT_FALSE(sel.armed);
  EXPECT_EQ(sel.message, "Cannot start RTO/EFATO exercise.\r\nSet take-off position in STARTPOSITION PANEL!");
  EXPECT_EQ(s.FailurePhase, 0);
  EXPECT_EQ(s.TakeoffState, "OFF");
}

TEST(ScenarioActivate, EngineFailureYawsTowardsTheFailedEngine) {
  const struct {
    double n1;
    int engine;
    bool ground;
    double heading, bank;  // change of each
  } cases[] = {
      {60, 2, false, 4, 7},    {60, 1, false, -4, -7},   {70, 2, false, 4, 7},
      {71, 2, false, 5, 12},   {90, 1, false, -5, -12},  {95, 2, true, 5, 0},
      {95, 1, true, -5, 0},
  };
  for (const auto& c : cases) {
    SimState s = Cruise();
    s.N1 = c.n1;
    s.OnGround = c.ground;
    const double heading = s.Heading;
    const auto [after, a] = ActivateCode("Damage", SeedGiving(2, c.engine - 1), s);
    ASSERT_EQ(after.FailedEngine, c.engine);
    EXPECT_TRUE(after.OneEngineOut);
    EXPECT_EQ(after.FailurePhase, 2);
    EXPECT_DOUBLE_EQ(after.Heading - heading, c.heading) << c.n1 << " engine " << c.engine;
    // The roll and one bank step after it, which also sets the turn radius.
    EXPECT_DOUBLE_EQ(after.BankAngle, c.bank) << c.n1 << " engine " << c.engine;
    EXPECT_EQ(after.TurnRadius != 0, !c.ground);
  }
}

TEST(ScenarioActivate, YawKeepsTheHeadingWithinACircle) {
  SimState s = Cruise();
  s.N1 = 90;
  s.Heading = 358;
  EXPECT_DOUBLE_EQ(ActivateCode("Failure", SeedGiving(2, 1), s).s.Heading, 3);
  s.Heading = 2;
  EXPECT_DOUBLE_EQ(ActivateCode("Failure", SeedGiving(2, 0), s).s.Heading, 357);
  s.Heading = 5;
  EXPECT_DOUBLE_EQ(ActivateCode("Failure", SeedGiving(2, 0), s).s.Heading, 360);
}

TEST(ScenarioActivate, EngineFailureDuringTakeoffAndGoAround) {
  // After lift-off with flaps 5 and the failure armed for the take-off: the
  // take-off state and the drag and path of climbing on one engine.
  SimState s = Runway();
  s.OnGround = false;
  s.TakeoffState = "TOarmed";
  ASSERT_EQ(s.FlapSetting, 5);
  const Activated efato = ActivateCode("Fire", 3, s);
  EXPECT_EQ(efato.s.TakeoffState, "TO");
  EXPECT_DOUBLE_EQ(efato.s.ParasiteDrag, 0.298);
  EXPECT_DOUBLE_EQ(efato.s.FlightPathAngle, -2.3);
  EXPECT_DOUBLE_EQ(efato.s.AngleOfAttack, 2.0);

  // Without the armed take-off nothing of that.
  s.TakeoffState = "OFF";
  const Activated plain = ActivateCode("Fire", 3, s);
  EXPECT_EQ(plain.s.TakeoffState, "OFF");
  EXPECT_EQ(plain.s.ParasiteDrag, s.ParasiteDrag);

  // With flaps 15 a go-around is armed.
  SimState approach = Cruise();
  approach.FlapSetting = 15;
  EXPECT_EQ(ActivateCode("Failure", 3, approach).s.TakeoffState, "GAarmed");
  EXPECT_EQ(ActivateCode("GPWS", 3, approach).s.TakeoffState, "OFF");
}

TEST(ScenarioActivate, EffectsAndSoundsOfEachCode) {
  const struct {
    const char* code;
    const char* sound;
    bool loop;
    bool engineOut;
    int triggerLow, triggerHigh;
  } cases[] = {
      {"Failure", "ding.wav", false, true, 2, 2},   {"Damage", "ding.wav", false, true, 2, 2},
      {"Fire", "ding1.wav", true, true, 2, 2},      {"CABIN", "beep1.wav", true, false, 2, 2},
      {"GPWS", "terrain.wav", false, false, 2, 2},  {"WS", "windshear.wav", false, false, 20, 24},
      {"TCAS", "traffic2.wav", false, false, 3, 6}, {"UPRT", "bank2.wav", false, false, 2, 2},
      {"UNRELIABLE", "", false, false, 2, 2},       {"NORTO", "", false, false, 2, 2},
  };
  for (const auto& c : cases) {
    std::set<int> triggers;
    for (std::uint32_t seed = 1; seed <= 100; ++seed) {
      const auto [s, a] = ActivateCode(c.code, seed, At(250, 8000));
      EXPECT_EQ(a.sound.file, c.sound) << c.code;
      EXPECT_EQ(a.sound.loop, c.loop) << c.code;
      EXPECT_EQ(a.severeTurbulence, QString(c.code) == "WS") << c.code;
      EXPECT_EQ(s.OneEngineOut, c.engineOut) << c.code;
      EXPECT_EQ(s.FailurePhase, 2);
      EXPECT_EQ(s.ScenarioClock, 0);
      triggers.insert(s.ScenarioTrigger);
      if (QString(c.code) == "UPRT") {
        EXPECT_GE(s.FailedEngine, 0);
        EXPECT_LE(s.FailedEngine, 3);
      } else {
        EXPECT_TRUE(s.FailedEngine == 1 || s.FailedEngine == 2) << c.code;
      }
    }
    EXPECT_EQ(*triggers.begin(), c.triggerLow) << c.code;
    EXPECT_EQ(*triggers.rbegin(), c.triggerHigh) << c.code;
    EXPECT_EQ(static_cast<int>(triggers.size()), c.triggerHigh - c.triggerLow + 1) << c.code;
  }
}

TEST(ScenarioActivate, FlightChangesOfTheWarnings) {
  const SimState before = At(250, 8000);
  const Activated gpws = ActivateCode("GPWS", 1, before);
  EXPECT_DOUBLE_EQ(gpws.s.BodyAngle, before.BodyAngle + 0.01);
  const Activated ws = ActivateCode("WS", 1, before);
  EXPECT_DOUBLE_EQ(ws.s.AngleOfAttack, before.AngleOfAttack - 3);
  EXPECT_DOUBLE_EQ(ws.s.FlightPathAngle, before.FlightPathAngle - 3);
  // No flight change for the others.
  for (const char* code : {"TCAS", "CABIN", "UNRELIABLE", "NORTO"}) {
    const Activated a = ActivateCode(code, 1, before);
    EXPECT_EQ(a.s.BodyAngle, before.BodyAngle) << code;
    EXPECT_EQ(a.s.AngleOfAttack, before.AngleOfAttack) << code;
    EXPECT_EQ(a.s.BankAngle, before.BankAngle) << code;
    EXPECT_EQ(a.s.Heading, before.Heading) << code;
    EXPECT_EQ(a.s.TakeoffState, before.TakeoffState) << code;
  }
}

TEST(ScenarioActivate, UpsetsOfFourKinds) {
  const SimState before = At(250, 8000);
  const struct {
    int kind;
    double pitch, bank;
  } cases[] = {{0, -7, -61}, {1, -7, 61}, {2, 7, -61}, {3, 7, 61}};
  for (const auto& c : cases) {
    const Activated a = ActivateCode("UPRT", SeedGiving(4, c.kind), before);
    ASSERT_EQ(a.s.FailedEngine, c.kind);
    EXPECT_DOUBLE_EQ(a.s.AngleOfAttack, before.AngleOfAttack + c.pitch) << c.kind;
    EXPECT_DOUBLE_EQ(a.s.FlightPathAngle, before.FlightPathAngle + c.pitch) << c.kind;
    // Set to 60 degrees, then one bank step further in the same direction.
    EXPECT_DOUBLE_EQ(a.s.BankAngle, c.bank) << c.kind;
    EXPECT_FALSE(a.s.OneEngineOut);
  }
}

TEST(ScenarioActivate, UnreliableAirspeedErrorOf30To59Knots) {
  std::set<int> errors;
  for (std::uint32_t seed = 1; seed <= 400; ++seed) errors.insert(ActivateCode("UNRELIABLE", seed).s.UnreliableSpeedError);
  EXPECT_EQ(*errors.begin(), 30);
  EXPECT_EQ(*errors.rbegin(), 59);
  EXPECT_EQ(errors.size(), 30u);
}

TEST(ScenarioTcas, AdvisoryFromTheDrawAndTheClimbRate) {
  // Draws 1 and 2 ask to descend, 3 and 4 to climb; already moving faster
  // than 400 ft/min that way the advisory is to level off.
  const struct {
    int draw;  // Random(4) + 1
    double vs;
    const char* advisory;
  } cases[] = {
      {1, 0, "descend2"},  {2, -400, "descend2"}, {1, -401, "level2"}, {2, 500, "descend2"},
      {3, 0, "climb2"},    {4, 400, "climb2"},    {3, 401, "level2"},  {4, -500, "climb2"},
  };
  for (const auto& c : cases) {
    SimState s = At(250, 8000);
    s.FailureCode = "TCAS";
    s.FailurePhase = 2;
    s.VerticalSpeed = c.vs;
    s.ScenarioClock = 4;
    const double body = s.BodyAngle;
    // The trigger draw comes first, then the advisory's.
    std::uint32_t seed = 1;
    for (;; ++seed) {
      RandomGenerator probe = Seeded(seed);
      probe.Random(5);
      if (probe.Random(4) + 1 == c.draw) break;
    }
    RandomGenerator rng = Seeded(seed);
    const SoundRequest sound = ResolutionAdvisory(s, rng);
    EXPECT_EQ(s.TcasAdvisory, c.advisory) << c.draw << " at " << c.vs;
    EXPECT_EQ(sound.file, QString(c.advisory) + ".wav");
    EXPECT_FALSE(sound.loop);
    EXPECT_EQ(s.FailureVariant, c.draw);
    EXPECT_EQ(s.FailurePhase, 3);
    EXPECT_EQ(s.ScenarioClock, 0);
    EXPECT_GE(s.ScenarioTrigger, 14);
    EXPECT_LE(s.ScenarioTrigger, 18);
    EXPECT_DOUBLE_EQ(s.BodyAngle, body + 0.01);
  }
}

TEST(ScenarioTcas, DescendingAt500TheAdvisoryIsLevelOffOrClimb) {
  std::set<QString> advisories;
  for (std::uint32_t seed = 1; seed <= 50; ++seed) {
    SimState s = At(250, 8000);
    s.FailureCode = "TCAS";
    s.VerticalSpeed = -500;
    RandomGenerator rng = Seeded(seed);
    ResolutionAdvisory(s, rng);
    advisories.insert(s.TcasAdvisory);
  }
  EXPECT_EQ(advisories, std::set<QString>({"level2", "climb2"}));
}

TEST(ScenarioTcas, ClearOfConflictCallsOutOnlyForTcas) {
  SimState s = At(250, 8000);
  s.FailureCode = "TCAS";
  s.FailurePhase = 3;
  s.ScenarioClock = 17;
  const double body = s.BodyAngle;
  const SoundRequest sound = ClearOfConflict(s);
  EXPECT_EQ(sound.file, "clear.wav");
  EXPECT_EQ(s.FailurePhase, 5);
  EXPECT_EQ(s.ScenarioTrigger, 1);
  EXPECT_EQ(s.ScenarioClock, 0);
  EXPECT_DOUBLE_EQ(s.BodyAngle, body + 0.01);

  SimState other = At(250, 8000);
  other.FailureCode = "UPRT";
  EXPECT_TRUE(ClearOfConflict(other).file.isEmpty());
  EXPECT_EQ(other.FailurePhase, 5);
  EXPECT_EQ(other.BodyAngle, body);
}

TEST(ScenarioEnd, EverythingOffButTheTakeoffState) {
  SimState s = Runway();
  s.FailureCode = "Fire";
  s.FailurePhase = 2;
  s.OneEngineOut = true;
  s.BrakeState = "ON";
  s.FailedEngine = 2;
  s.FailureVariant = 2;
  s.UnreliableSpeedError = 44;
  s.TakeoffState = "TO";
  End(s);
  EXPECT_EQ(s.FailureCode, "OFF");
  EXPECT_EQ(s.FailurePhase, 0);
  EXPECT_FALSE(s.OneEngineOut);
  EXPECT_EQ(s.BrakeState, "OFF");
  EXPECT_EQ(s.FailedEngine, 0);
  EXPECT_EQ(s.FailureVariant, 0);
  EXPECT_EQ(s.UnreliableSpeedError, 0);
  EXPECT_EQ(s.TakeoffState, "TO");
}

TEST(ScenarioEicas, WarningTextWhileActive) {
  const struct {
    const char* code;
    int phase;
    const char* text;
  } cases[] = {{"Fire", 2, "FIRE WARN"}, {"Fire", 1, ""},  {"CABIN", 2, "CABIN ALTITUDE"},
               {"CABIN", 1, ""},         {"Damage", 2, ""}, {"OFF", 0, ""}};
  for (const auto& c : cases) {
    SimState s;
    s.FailureCode = c.code;
    s.FailurePhase = c.phase;
    EXPECT_EQ(EicasText(s), c.text) << c.code << " " << c.phase;
  }
}

TEST(ScenarioTick, TimeTriggerFiresAfterTwoSeconds) {
  SimState s = Cruise();
  RandomGenerator rng = Seeded(11);
  ASSERT_TRUE(Select(s, rng, kEngFail).armed);
  RecordingHost host(s, rng);
  EXPECT_EQ(TicksUntilCall(s, host, 100), 20);
  EXPECT_EQ(host.calls, std::vector<std::string>({"activate"}));
  EXPECT_EQ(host.sounds, std::vector<QString>({"ding.wav"}));
  // Engine failures stay active.
  EXPECT_EQ(TicksUntilCall(s, host, 1000), -1);
  EXPECT_EQ(s.FailurePhase, 2);
}

TEST(ScenarioTick, SpeedTriggerFiresAtItsSpeedAndNeverByTime) {
  SimState s = Runway();
  RandomGenerator rng = Seeded(4);
  ASSERT_TRUE(Select(s, rng, kEfato).armed);
  const int trigger = s.ScenarioTrigger;
  RecordingHost host(s, rng);
  s.Airspeed = trigger - 1;
  // The scenario clock stops at 50 s: a speed trigger never fires by time.
  EXPECT_EQ(TicksUntilCall(s, host, 1000), -1);
  EXPECT_NEAR(s.ScenarioClock, 50, 1e-6);
  s.Airspeed = trigger;
  EXPECT_EQ(TicksUntilCall(s, host, 1), 1);
  EXPECT_EQ(host.calls, std::vector<std::string>({"activate"}));
  EXPECT_TRUE(s.OneEngineOut);
}

TEST(ScenarioTick, NormalTakeoffFiresAfterTwoSecondsAndChangesNothing) {
  SimState s = Runway();
  std::uint32_t seed = 1;
  for (;; ++seed) {
    RandomGenerator probe = Seeded(seed);
    probe.Random(2);
    if (probe.Random(3) == 2) break;
  }
  RandomGenerator rng = Seeded(seed);
  ASSERT_TRUE(Select(s, rng, kOffRtoEfato).armed);
  ASSERT_EQ(s.FailureCode, "NORTO");
  const SimState armed = s;
  RecordingHost host(s, rng);
  EXPECT_EQ(TicksUntilCall(s, host, 100), 20);
  EXPECT_EQ(host.sounds, std::vector<QString>({""}));
  EXPECT_EQ(s.FailurePhase, 2);
  EXPECT_FALSE(s.OneEngineOut);
  EXPECT_EQ(s.TakeoffState, armed.TakeoffState);
  EXPECT_EQ(s.Heading, armed.Heading);
  EXPECT_EQ(s.BankAngle, armed.BankAngle);
  EXPECT_EQ(s.AngleOfAttack, armed.AngleOfAttack);
  EXPECT_EQ(s.FlightPathAngle, armed.FlightPathAngle);
  EXPECT_EQ(s.ParasiteDrag, armed.ParasiteDrag);
  EXPECT_EQ(TicksUntilCall(s, host, 1000), -1);
}

TEST(ScenarioTick, WindshearEndsTwentyToTwentyFourSecondsAfterItBegan) {
  std::set<int> durations;
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    SimState s = At(160, 500);
    s.FailureCode = "WS";
    s.FailurePhase = 1;
    s.ScenarioTrigger = 2;
    RandomGenerator rng = Seeded(seed);
    RecordingHost host(s, rng);
    ASSERT_EQ(TicksUntilCall(s, host, 100), 20);
    const int ticks = TicksUntilCall(s, host, 1000);
    ASSERT_EQ(ticks % 10, 0);
    durations.insert(ticks / 10);
    EXPECT_EQ(host.calls, std::vector<std::string>({"activate", "turbulence off", "end"}));
    EXPECT_EQ(s.FailureCode, "OFF");
  }
  EXPECT_EQ(durations, std::set<int>({20, 21, 22, 23, 24}));
}

TEST(ScenarioTick, WarningsEndByTheirConditions) {
  const auto run = [](SimState s, const char* code, auto recover) {
    s.FailureCode = code;
    s.FailurePhase = 1;
    s.ScenarioTrigger = 2;
    RandomGenerator rng = Seeded(21);
    RecordingHost host(s, rng);
    EXPECT_EQ(TicksUntilCall(s, host, 100), 20) << code;
    EXPECT_EQ(TicksUntilCall(s, host, 300), -1) << code << " ended before the recovery";
    recover(s);
    EXPECT_EQ(TicksUntilCall(s, host, 1), 1) << code;
    EXPECT_EQ(s.FailureCode, "OFF") << code;
    return host.calls;
  };
  // Ground proximity: climbing to more than 1000 ft above the airport.
  auto calls = run(At(160, 500), "GPWS", [](SimState& s) { s.Altitude = s.AirportElevation + 1000.5; });
  EXPECT_EQ(calls, std::vector<std::string>({"activate", "turbulence off", "end"}));
  // Cabin altitude: below 10000 ft.
  calls = run(At(280, 35000), "CABIN", [](SimState& s) { s.Altitude = 9999; });
  EXPECT_EQ(calls, std::vector<std::string>({"activate", "end"}));
  // Upset: nose between 0 and 10 up, bank below 30.
  calls = run(At(250, 8000), "UPRT", [](SimState& s) {
    s.BodyAngle = 5;
    s.BankAngle = -29.5;
  });
  EXPECT_EQ(calls, std::vector<std::string>({"activate", "end"}));
}

TEST(ScenarioTick, UpsetIsNotOverAtTheLimits) {
  for (const auto& [body, bank] : {std::pair{0.0, 0.0}, {10.0, 0.0}, {5.0, 30.0}, {5.0, -30.0}}) {
    SimState s = At(250, 8000);
    s.FailureCode = "UPRT";
    s.FailurePhase = 2;
    s.ScenarioTrigger = 2;
    s.BodyAngle = body;
    s.BankAngle = bank;
    RandomGenerator rng = Seeded(1);
    RecordingHost host(s, rng);
    EXPECT_EQ(TicksUntilCall(s, host, 30), -1) << body << " " << bank;
  }
}

TEST(ScenarioTick, GroundProximityArmedAboveTheLimitEndsInTheTickItFires) {
  // Each check sees what the ones before it changed in the same tick.
  SimState s = At(160, 1200);
  s.FailureCode = "GPWS";
  s.FailurePhase = 1;
  s.ScenarioTrigger = 2;
  RandomGenerator rng = Seeded(2);
  RecordingHost host(s, rng);
  EXPECT_EQ(TicksUntilCall(s, host, 100), 20);
  EXPECT_EQ(host.calls, std::vector<std::string>({"activate", "turbulence off", "end"}));
}

TEST(ScenarioTick, TcasSequenceWithItsCallOuts) {
  SimState s = At(250, 8000);
  RandomGenerator rng = Seeded(1234);
  ASSERT_TRUE(Select(s, rng, kTcas).armed);
  RecordingHost host(s, rng);
  EXPECT_EQ(TicksUntilCall(s, host, 100), 20);  // traffic after 2 s
  const int advisory = TicksUntilCall(s, host, 1000);
  EXPECT_TRUE(advisory >= 30 && advisory <= 60 && advisory % 10 == 0) << advisory;
  const int clear = TicksUntilCall(s, host, 1000);
  EXPECT_TRUE(clear >= 140 && clear <= 180 && clear % 10 == 0) << clear;
  EXPECT_EQ(TicksUntilCall(s, host, 100), 10);  // off one second later
  EXPECT_EQ(host.calls, std::vector<std::string>({"activate", "advisory", "clear", "end"}));
  ASSERT_EQ(host.sounds.size(), 3u);
  EXPECT_EQ(host.sounds[0], "traffic2.wav");
  EXPECT_TRUE(host.sounds[1] == "descend2.wav" || host.sounds[1] == "climb2.wav") << host.sounds[1].toStdString();
  EXPECT_EQ(host.sounds[2], "clear.wav");
  EXPECT_EQ(s.FailureCode, "OFF");
  EXPECT_EQ(s.FailurePhase, 0);
}

TEST(ScenarioTick, NothingHappensWithoutAScenario) {
  SimState s = Cruise();
  RandomGenerator rng = Seeded(1);
  RecordingHost host(s, rng);
  s.ScenarioTrigger = 2;
  EXPECT_EQ(TicksUntilCall(s, host, 600), -1);
  s.FailureCode = "";  // no code at all
  s.ScenarioClock = 0;
  EXPECT_EQ(TicksUntilCall(s, host, 600), -1);
}
