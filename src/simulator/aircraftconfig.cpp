#include "simulator/aircraftconfig.h"

#include <array>
#include <cmath>

#include "simulator/aircrafttype.h"
#include "simulator/flightmodel.h"

namespace tvx {

namespace {

struct PistonPreset {
  const char* item;
  double airspeed, rpm, aoa, fpa, body, pitch, vs;
  int flaps, gear;
  double cl, cd;
};

constexpr std::array<PistonPreset, 3> kPistonPresets{{
    {"Cruise - 115 kts", 115, 2450, 0, 0, 0, 0.01, 0, 0, 0, 0.29, 0.0496},
    {"Slow cruise - 90 kts", 90, 2000, 1.9, 2.4, 0, 2.01, 0, 0, 0, 0.475, 0.057},
    {"Ldg config - 90 kts", 90, 1775, 1.9, -2.8, -2.8, -1.51, -450, 3, 1, 0.475, 0.057},
}};

struct JetPreset {
  const char* item;
  double airspeed, n1, thrust, aoa, fpa, body, pitch, vs;
  int flaps, gear;
  double cl, cd, cd0;
};

constexpr std::array<JetPreset, 8> kJetPresets{{
    {"Fast Cruise - 280 kts", 280, 69.0, 167620, 2.0, 0, 2.0, 2.01, 0, 0, 0, 0.515, 0.123, 0.0786},
    {"Cruise - 250 kts", 250, 64.4, 154280, 3.2, 0, 3.2, 3.21, 0, 0, 0, 0.616, 0.142, 0.0786},
    {"VMD - 210 kts", 210, 58.0, 135720, 5.0, 0, 5.0, 5.01, 0, 0, 0, 0.767, 0.176, 0.0786},
    {"F1 - 184 kts", 184, 60.0, 141520, 5.4, 0, 5.5, 5.51, 0, 1, 0, 0.805, 0.24, 0.132},
    {"F5 - 164 kts", 164, 60.6, 143260, 5.8, 0, 5.9, 5.91, 0, 2, 0, 0.805, 0.306, 0.198},
    {"F15 gear dn - 154 kts", 154, 62.0, 147320, 5.9, 0, 5.9, 5.91, 0, 3, 1, 0.805, 0.355, 0.248},
    {"F40 gear dn - 144 kts", 144, 62.4, 148480, 2.9, -2.9, 0, 0.01, -740, 4, 1, 0.805, 0.495, 0.388},
    {"Takeoff", 60, 100, 249520, -2.0, 2.0, 0.01, 0.01, 0, 2, 1, 0.805, 0.356, 0.248},
}};

constexpr std::array<int, 5> kJetFlapDetents{0, 1, 5, 15, 40};

// Lift and parasite drag of each jet flap lever position.
struct FlapPosition {
  double cl;
  double flapCd0GearUp, flapCd0GearDown;
  double cd0GearUp, cd0GearDown;
};

constexpr std::array<FlapPosition, 5> kJetFlapPositions{{
    {0.767, 0.0786, 0.0786, 0.0786, 0.1286},
    {0.805, 0.132, 0.132, 0.132, 0.182},
    {0.805, 0.198, 0.198, 0.198, 0.248},
    {0.805, 0.198, 0.248, 0.198, 0.248},
    {0.805, 0.388, 0.388, 0.338, 0.388},
}};

template <typename Table>
QStringList ItemsOf(const Table& table) {
  QStringList items;
  for (const auto& row : table) items << row.item;
  return items;
}

PresetOutcome ApplyPistonPreset(SimState& s, const PistonPreset& p) {
  // Only the jet has a ground roll; a piston preset is flown at once, also
  // after the jet's take-off preset left the runway state behind.
  s.OnGround = false;
  s.Airspeed = p.airspeed;
  s.EngineRpm = s.CommandedRpm = s.DisplayedRpm = p.rpm;
  s.PresetPower = p.rpm;
  s.AngleOfAttack = p.aoa;
  s.FlightPathAngle = p.fpa;
  s.BodyAngle = p.body;
  s.PitchAttitude = p.pitch;
  s.VerticalSpeed = p.vs;
  s.LiftCoefficient = p.cl;
  s.DragCoefficient = p.cd;
  s.ParasiteDrag = 0.0452;
  s.DisplayedAirspeed = s.Airspeed;
  // A trimmed state: the forces of the flight before do not carry over, so
  // that a flight that ran away leaves nothing behind.
  s.EnginePower = 100 * p.rpm - 145700;
  s.Thrust = s.EnginePower / (p.airspeed * flight::kKnot);
  s.Drag = s.Thrust;
  s.Lift = s.Weight;
  return {p.flaps, p.gear, false};
}

PresetOutcome ApplyJetPreset(SimState& s, const JetPreset& p, bool takeoff) {
  s.OnGround = false;
  s.Airspeed = p.airspeed;
  s.N1 = s.DisplayedN1 = s.PresetPower = p.n1;
  s.Thrust = p.thrust;
  s.Drag = s.Thrust;
  s.AngleOfAttack = p.aoa;
  s.FlightPathAngle = p.fpa;
  s.BodyAngle = p.body;
  s.PitchAttitude = p.pitch;
  s.VerticalSpeed = p.vs;
  s.FlapIndex = p.flaps;
  s.FlapSetting = JetFlapDetent(p.flaps);
  s.LiftCoefficient = p.cl;
  s.DragCoefficient = p.cd;
  s.ParasiteDrag = p.cd0;
  s.FlapParasiteDrag = s.ParasiteDrag;
  s.DisplayedAirspeed = s.Airspeed;

  PresetOutcome out{p.flaps, p.gear, false};
  if (!takeoff) {
    s.AltitudeBug = s.AirportElevation + 200;
    s.SpeedBug = static_cast<std::int32_t>(std::lround(s.Airspeed));
    s.SpeedBugPhase = "APCH";
    // An airborne configuration cannot stand on the runway.
    if (s.Altitude == s.AirportElevation) {
      s.Altitude = 3000;
      out.altitudeSet = true;
    }
  } else {
    // The acceleration altitude: 800 ft above the runway, up to whole hundreds.
    s.AltitudeBug = static_cast<std::int32_t>(std::ceil((s.AirportElevation + 800) / 100.0) * 100);
    s.SpeedBug = 143;
    s.SpeedBugPhase = "TO";
    s.Altitude = s.AirportElevation;
    out.altitudeSet = true;
    s.OnGround = true;
  }
  return out;
}

}  // namespace

QStringList PistonPresetItems() { return ItemsOf(kPistonPresets); }
QStringList JetPresetItems() { return ItemsOf(kJetPresets); }

int JetFlapDetent(int position) {
  if (position < 0 || position >= static_cast<int>(kJetFlapDetents.size())) return 0;
  return kJetFlapDetents[static_cast<std::size_t>(position)];
}

void LoadCategoryConstants(SimState& s) {
  if (IsPiston(s.AircraftType)) {
    s.AirDensity = 1.225;
    s.LiftCoefficient = 0.29;
    s.DragCoefficient = 0.0496;
    s.ParasiteDrag = 0.0452;
    s.WingArea = 15.79;
    s.AspectRatio = 7.217;
    s.OswaldFactor = 0.85;
    s.Weight = 9810;
    // The jet's ground roll does not carry over: the pistons bank at once.
    s.OnGround = false;
  } else {
    s.AirDensity = 1.058;
    s.LiftCoefficient = 0.767;
    s.DragCoefficient = 0.1764;
    s.WingArea = 124.6;
    s.AspectRatio = 10.286;
    s.OswaldFactor = 0.1861;
    s.Weight = 590000;
    s.EngineRpm = s.CommandedRpm = s.DisplayedRpm = 2450;
    s.EnginePower = 99300;
  }
  s.BankAngle = 0;
  s.Lift = s.Weight;
  // Nothing of the forces of a flight before (one that ran away included)
  // carries over into the new aircraft.
  s.Thrust = 0;
  s.Drag = 0;
  s.Acceleration = 0;
}

std::optional<PresetOutcome> ApplyPreset(SimState& s, int index) {
  s.Acceleration = 0;
  s.PathStep = 0;
  if (IsPiston(s.AircraftType)) {
    if (index < 0 || index >= static_cast<int>(kPistonPresets.size())) return std::nullopt;
    return ApplyPistonPreset(s, kPistonPresets[static_cast<std::size_t>(index)]);
  }
  if (index < 0 || index >= static_cast<int>(kJetPresets.size())) return std::nullopt;
  return ApplyJetPreset(s, kJetPresets[static_cast<std::size_t>(index)], index == kJetTakeoffPreset);
}

void ApplyJetFlapLever(SimState& s, int position, int gear) {
  if (position < 0 || position >= static_cast<int>(kJetFlapPositions.size())) return;
  const int p = s.FlapIndex;
  switch (position) {
    case 0:
      if (p == 1 && s.SpeedBugPhase == "GA") s.SpeedBugPhase = "APCH";
      s.TakeoffState = "OFF";
      if (p == 1) s.AngleOfAttack -= 1.0;
      break;
    case 1:
      if (!s.OneEngineOut && s.SpeedBugPhase == "GA" && p == 2) s.SpeedBugPhase = "APCH";
      // The gear lever runs the flap routine too: the nose moves only when
      // the flaps do.
      if (p != 0 && p != 1) {
        s.AngleOfAttack -= 0.9;
        s.FlightPathAngle -= 0.3;
      } else if (p == 0) {
        s.AngleOfAttack += 1.0;
      }
      if (s.OneEngineOut && s.TakeoffState == "GAarmed") {
        s.TakeoffState = "GA";
        s.FlightPathAngle -= 0.5;
        s.AngleOfAttack -= 0.2;
      }
      break;
    case 2:
      if (p == 3) s.SpeedBugPhase = s.OneEngineOut ? "GA" : "APCH";
      if (p == 1) {
        s.AngleOfAttack += 0.9;
        s.FlightPathAngle += 0.3;
      }
      break;
    case 3:
      if (p == 4) s.SpeedBugPhase = "GA";
      if (s.OneEngineOut && s.TakeoffState == "OFF") s.TakeoffState = "GAarmed";
      break;
    default: break;
  }
  const FlapPosition& f = kJetFlapPositions[static_cast<std::size_t>(position)];
  const bool down = gear == 1;
  s.FlapSetting = JetFlapDetent(position);
  s.LiftCoefficient = f.cl;
  s.FlapParasiteDrag = down ? f.flapCd0GearDown : f.flapCd0GearUp;
  s.ParasiteDrag = down ? f.cd0GearDown : f.cd0GearUp;
  s.FlapIndex = position;
}

}  // namespace tvx
