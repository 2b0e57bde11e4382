#include "simulator/scenarios.h"

#include <array>
#include <cmath>

#include "simulator/flightmodel.h"
#include "simulator/tickmodel.h"

namespace tvx::scenario {

namespace {

struct Item {
  const char* caption;
  const char* code;       // "OFF" for the separator lines
  const char* otherCode;  // two-way items: the code of variant 1
};

// The scenario list. The two-way items take `code` for variant 0 and
// `otherCode` for variant 1; "OFF/RTO/EFATO" draws among three codes.
constexpr std::array<Item, kFailureItemCount> kItems{{
    {"OFF / Reset", "OFF", nullptr},
    {"Eng. Fail", "Failure", nullptr},
    {"Eng. Damage", "Damage", nullptr},
    {"Eng. Fire", "Fire", nullptr},
    {"Eng. Random", "Random", nullptr},
    {"--- Take-off:  ----", "OFF", nullptr},
    {"RTO", "RTO", nullptr},
    {"RTO + Evac", "EVAC", nullptr},
    {"EFATO", "EFATO", nullptr},
    {"RTO/EFATO", "EFATO", "RTO"},
    {"OFF/RTO/EFATO", "EFATO", nullptr},
    {"--- <900 ft AAL: ----", "OFF", nullptr},
    {"GPWS", "GPWS", nullptr},
    {"WS", "WS", nullptr},
    {"GPWS/WS", "GPWS", "WS"},
    {"--- >5000 ft: ----", "OFF", nullptr},
    {"TCAS", "TCAS", nullptr},
    {"UPRT", "UPRT", nullptr},
    {"TCAS/UPRT", "TCAS", "UPRT"},
    {"--- >10,000 ft: ----", "OFF", nullptr},
    {"CABIN ALT", "CABIN", nullptr},
    {"Eng. ALT", "ENGALT", nullptr},
    {"CABIN/Eng.", "CABIN", "ENGALT"},
    {"----------", "OFF", nullptr},
    {"Airspeed Unreliable", "UNRELIABLE", nullptr},
}};

constexpr int kThreeWayItem = 10;  // "OFF/RTO/EFATO"
// Triggers below this are seconds on the scenario clock, above it knots.
constexpr int kSpeedTriggerFrom = 50;
constexpr int kDefaultTriggerSeconds = 2;

const QString kHighAltitudeMessage =
    "Cannot start HIGH ALT. exercise. Altitude incorrect.\r\nFly above 10,000 ft.\r\nIdeally fly at 35,000 ft.";
const QString kTakeoffMessage = "Cannot start RTO/EFATO exercise.\r\nSet take-off position in STARTPOSITION PANEL!";
const QString kLowAltitudeMessage = "Cannot start GPWS/WS exercise. Altitude incorrect.\r\nFly below 900 ft AAL.";
const QString kTcasMessage =
    "Cannot start TCAS/UPRT exercise. Airspeed and/or altitude incorrect.\r\nFly between 210-290 kts and above 5000 "
    "ft.";
const QString kAttitudeMessage = "Cannot start exercise. Check attitude!";

bool OneOf(const QString& code, std::initializer_list<const char*> codes) {
  for (const char* c : codes)
    if (code == QLatin1String(c)) return true;
  return false;
}

// The code of item `index` (variant 0 of the mixed items); "OFF" for no item.
QString CodeOfItem(int index) {
  if (index < 0 || index >= kFailureItemCount) return "OFF";
  return kItems[static_cast<std::size_t>(index)].code;
}

// The heading kept in (0, 360].
void WrapHeading(SimState& s) {
  while (s.Heading > 360) s.Heading -= 360;
  while (s.Heading <= 0) s.Heading += 360;
}

// The failed engine swings the nose and rolls the aircraft to its side, more
// at high thrust; on the ground only the nose swings.
void EngineYaw(SimState& s) {
  const bool highThrust = s.N1 > 70;
  const double yaw = highThrust ? 5 : 4;
  const double roll = highThrust ? 11 : 6;
  const bool right = s.FailedEngine == 2;
  const double side = right ? 1 : -1;
  s.Heading += side * yaw;
  WrapHeading(s);
  if (!s.OnGround) s.BankAngle += side * roll;
  if (right) flight::draairechts(s);
  else flight::draailinks(s);
}

// The upset of kind 0..3: nose down or up by 7 degrees, banked 60 degrees
// left or right, then one bank step further.
void Upset(SimState& s) {
  const double pitch = s.FailedEngine >= 2 ? 7 : -7;
  const double bank = s.FailedEngine % 2 == 1 ? 60 : -60;
  s.AngleOfAttack += pitch;
  s.FlightPathAngle += pitch;
  s.BankAngle = bank;
  if (bank < 0) flight::draailinks(s);
  else flight::draairechts(s);
}

}  // namespace

QStringList FailureItems() {
  QStringList items;
  for (const Item& i : kItems) items << i.caption;
  return items;
}

QStringList SoundFiles() {
  return {"ding.wav",   "ding1.wav",    "beep1.wav",   "terrain.wav", "windshear.wav", "traffic2.wav",
          "bank2.wav",  "descend2.wav", "climb2.wav",  "level2.wav",  "clear.wav"};
}

bool IsEngineScenario(const QString& code) { return OneOf(code, {"Failure", "Damage", "Fire"}); }

QString CheckMessage(const SimState& s, const QString& code) {
  const double aal = HeightAboveAirport(s);
  const bool attitudeOk = s.BodyAngle >= -7 && s.BodyAngle <= 20 && std::abs(s.BankAngle) <= 30;
  if (OneOf(code, {"CABIN", "ENGALT"}) && !(s.Altitude > 10000)) return kHighAltitudeMessage;
  if (OneOf(code, {"RTO", "EVAC", "EFATO", "NORTO"})) {
    // The take-off preset: flap lever at its third position, gear down.
    if (s.FlapIndex != 2 || !s.GearDown) return kTakeoffMessage;
    if (OneOf(code, {"RTO", "EVAC"}) && s.Airspeed > 100) return kTakeoffMessage;
    if (code == "EFATO" && s.Airspeed > 125) return kTakeoffMessage;
  }
  if (OneOf(code, {"GPWS", "WS"}) && (aal > 900 || aal < 1)) return kLowAltitudeMessage;
  if (OneOf(code, {"TCAS", "UPRT"})) {
    if (s.Airspeed < 210 || s.Airspeed > 290 || aal < 5000) return kTcasMessage;
    if (s.BodyAngle < -3 || s.BodyAngle > 13 || std::abs(s.BankAngle) > 30) return kAttitudeMessage;
  }
  if (code != "OFF" && !attitudeOk) return kAttitudeMessage;
  return {};
}

Selection Select(SimState& s, RandomGenerator& rng, int index) {
  s.ScenarioClock = 0;
  const bool known = index >= 0 && index < kFailureItemCount;
  QString code = CodeOfItem(index);
  s.FailureVariant = rng.Random(2);
  if (known && kItems[static_cast<std::size_t>(index)].otherCode && s.FailureVariant == 1)
    code = kItems[static_cast<std::size_t>(index)].otherCode;
  if (index == kThreeWayItem) {
    s.FailureVariant = rng.Random(3);
    static const std::array<const char*, 3> kCodes{"EFATO", "RTO", "NORTO"};
    code = kCodes[static_cast<std::size_t>(s.FailureVariant)];
  }
  s.FailureCode = code;

  Selection result;
  result.message = CheckMessage(s, code);
  if (!result.message.isEmpty() || code == "OFF") return result;

  s.FailurePhase = 1;
  if (code == "EFATO") {
    s.ScenarioTrigger = rng.Random(5) + 129;
    s.TakeoffState = "TOarmed";
  } else if (OneOf(code, {"RTO", "EVAC"})) {
    s.ScenarioTrigger = rng.Random(25) + 95;
  } else {
    s.ScenarioTrigger = kDefaultTriggerSeconds;
  }

  if (OneOf(code, {"EFATO", "RTO", "Random", "ENGALT"})) {
    s.FailureVariant = rng.Random(3);
    static const std::array<const char*, 3> kEngineCodes{"Failure", "Damage", "Fire"};
    s.FailureCode = kEngineCodes[static_cast<std::size_t>(s.FailureVariant)];
  } else if (code == "EVAC") {
    s.FailureCode = "Fire";
  }
  result.armed = true;
  return result;
}

Activation Activate(SimState& s, RandomGenerator& rng) {
  s.FailurePhase = 2;
  s.ScenarioClock = 0;
  const QString code = s.FailureCode;

  if (IsEngineScenario(code)) {
    s.OneEngineOut = true;
    if (s.FlapSetting == 15) s.TakeoffState = "GAarmed";
    if (s.FlapSetting == 5 && s.TakeoffState == "TOarmed") {
      s.TakeoffState = "TO";
      s.ParasiteDrag = 0.298;
      s.FlightPathAngle = -2.3;
      s.AngleOfAttack = 2.0;
    }
  }

  if (code == "TCAS") s.ScenarioTrigger = rng.Random(4) + 3;
  else if (code == "WS") s.ScenarioTrigger = rng.Random(5) + 20;
  else s.ScenarioTrigger = kDefaultTriggerSeconds;

  s.FailedEngine = code == "UPRT" ? rng.Random(4) : rng.Random(2) + 1;

  if (s.OneEngineOut) EngineYaw(s);

  Activation a;
  if (OneOf(code, {"Failure", "Damage"})) {
    a.sound = {"ding.wav", false};
  } else if (code == "Fire") {
    a.sound = {"ding1.wav", true};
  } else if (code == "CABIN") {
    a.sound = {"beep1.wav", true};
  } else if (code == "GPWS") {
    s.BodyAngle += 0.01;
    a.sound = {"terrain.wav", false};
  } else if (code == "WS") {
    a.severeTurbulence = true;
    s.AngleOfAttack -= 3;
    s.FlightPathAngle -= 3;
    a.sound = {"windshear.wav", false};
  } else if (code == "TCAS") {
    a.sound = {"traffic2.wav", false};
  } else if (code == "UPRT") {
    Upset(s);
    a.sound = {"bank2.wav", false};
  } else if (code == "UNRELIABLE") {
    s.UnreliableSpeedError = rng.Random(30) + 30;
  }
  return a;
}

SoundRequest ResolutionAdvisory(SimState& s, RandomGenerator& rng) {
  s.FailurePhase = 3;
  s.ScenarioTrigger = rng.Random(5) + 14;
  s.ScenarioClock = 0;
  s.FailureVariant = rng.Random(4) + 1;
  // Half of the advisories ask to descend, half to climb; already moving
  // fast that way, the advisory is to level off.
  if (s.FailureVariant <= 2) s.TcasAdvisory = s.VerticalSpeed < -400 ? "level2" : "descend2";
  else s.TcasAdvisory = s.VerticalSpeed > 400 ? "level2" : "climb2";
  s.BodyAngle += 0.01;
  return {s.TcasAdvisory + ".wav", false};
}

SoundRequest ClearOfConflict(SimState& s) {
  s.FailurePhase = 5;
  s.ScenarioTrigger = 1;
  s.ScenarioClock = 0;
  if (s.FailureCode != "TCAS") return {};
  s.BodyAngle += 0.01;
  return {"clear.wav", false};
}

void End(SimState& s) {
  s.FailureCode = "OFF";
  s.OneEngineOut = false;
  s.FailurePhase = 0;
  s.BrakeState = "OFF";
  s.FailedEngine = 0;
  s.FailureVariant = 0;
  s.UnreliableSpeedError = 0;
}

QString EicasText(const SimState& s) {
  if (s.FailurePhase != 2) return {};
  if (s.FailureCode == "Fire") return "FIRE WARN";
  if (s.FailureCode == "CABIN") return "CABIN ALTITUDE";
  return {};
}

void RunChecks(SimState& s, ScenarioHost& host) {
  const auto timeReached = [&s] { return flight::ClockReached(s.ScenarioClock, s.ScenarioTrigger); };
  const auto active = [&s](const char* code) { return s.FailureCode == QLatin1String(code) && s.FailurePhase == 2; };

  if (s.FailureCode != "OFF" && s.FailurePhase == 1 && timeReached()) host.Activate();
  if (s.ScenarioTrigger > kSpeedTriggerFrom && s.FailurePhase == 1 && s.ScenarioTrigger <= s.Airspeed)
    host.Activate();
  else if (s.ScenarioTrigger < kSpeedTriggerFrom && s.FailurePhase == 1 && timeReached())
    host.Activate();

  if (active("UPRT") && s.BodyAngle > 0 && s.BodyAngle < 10 && std::abs(s.BankAngle) < 30) host.End();
  if (active("WS") && timeReached()) {
    host.TurbulenceOff();
    host.End();
  }
  if (active("GPWS") && HeightAboveAirport(s) > 1000) {
    host.TurbulenceOff();
    host.End();
  }
  if (active("CABIN") && s.Altitude < 10000) host.End();
  if (active("TCAS") && timeReached()) host.ResolutionAdvisory();
  if (s.FailurePhase == 3 && timeReached()) host.ClearOfConflict();
  if (s.FailurePhase == 5 && timeReached()) host.End();
}

}  // namespace tvx::scenario
