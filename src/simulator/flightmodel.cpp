#include "simulator/flightmodel.h"

#include <algorithm>
#include <cmath>

#include "platform/textutil.h"
#include "simulator/aircrafttype.h"

namespace tvx::flight {

namespace {

double SinDeg(double deg) { return std::sin(deg / kDegPerRad); }
double CosDeg(double deg) { return std::cos(deg / kDegPerRad); }

// The wind-triangle's law of cosines can round a hair below zero.
double SafeSqrt(double x) { return x > 0 ? std::sqrt(x) : 0.0; }

double InducedDragCoefficient(const SimState& s) {
  const double span = kPi * s.AspectRatio * s.OswaldFactor;
  return span > 0 ? s.LiftCoefficient * s.LiftCoefficient / span : 0.0;
}

// The pistons' lift and drag coefficients follow the angle of attack.
void PistonCoefficients(SimState& s) {
  s.LiftCoefficient = 0.1 * s.AngleOfAttack + 0.29;
  s.DragCoefficient = InducedDragCoefficient(s) + s.ParasiteDrag;
}

// Dynamic pressure times wing area (N per unit coefficient) at an airspeed in kt.
double LiftPerCoefficient(const SimState& s, double airspeedKt) {
  const double v = airspeedKt * kKnot;
  return 0.5 * s.AirDensity * s.WingArea * v * v;
}

void PistonStep(SimState& s) {
  const double w = s.Weight;
  if (s.Airspeed >= 160) Doeklimmen(s);  // the nose comes up by itself at high speed

  s.EnginePower = 100 * s.EngineRpm - 145700;
  const double v = s.Airspeed * kKnot;
  s.Thrust = s.EnginePower / std::max(v, kMinPropellerSpeed);

  if (s.Lift == w) s.FlightPathAngle = 0;
  else if (w < s.Lift) s.FlightPathAngle = SafeAcosDeg(w / s.Lift);
  else s.FlightPathAngle = -SafeAcosDeg(s.Lift / w);

  s.Acceleration = kGravity / w * (s.Thrust - s.Drag) - kGravity * SinDeg(s.FlightPathAngle);
  s.Airspeed += s.Acceleration * s.TickSeconds * 3600 / 1852;
  // No aircraft flies backwards: the speed ends at a standstill.
  s.Airspeed = std::max(s.Airspeed, 0.0);

  const double newV = s.Airspeed * kKnot;
  const double q = LiftPerCoefficient(s, s.Airspeed);
  s.Lift = std::clamp(q * s.LiftCoefficient, 0.6 * w, 1.4 * w);
  s.Drag = q * s.DragCoefficient;

  // Small changes of the climb rate are not shown, so the needle rests.
  const double rc = (s.Thrust - s.Drag) * kFpmPerMs / w * newV;
  if (std::fabs(rc - s.VerticalSpeed) >= 1) s.VerticalSpeed = rc;
  s.BodyAngle = SafeAsinDeg((s.Thrust - s.Drag) / w);
  s.Altitude += s.VerticalSpeed * s.TickSeconds / 60;
  s.PitchAttitude = s.BodyAngle + s.AngleOfAttack;
}

void JetStep(SimState& s) {
  const double w = s.Weight;
  s.BodyAngle = s.AngleOfAttack + s.FlightPathAngle;
  if (s.OnGround && s.BodyAngle >= 0.1) s.OnGround = false;  // lift-off

  if (s.OnGround && s.N1 < 93) {
    s.N1 = 20;
    s.BrakeState = "ON";
    if (s.Airspeed <= 0) {
      s.Acceleration = 0;
      s.Airspeed = 0;
      s.GroundSpeed = 0;
      s.BrakeState = "OFF";
    } else {
      s.Acceleration = -4;
    }
  } else {
    s.Acceleration = kGravity / w * (s.Thrust - s.Drag) - kGravity * SinDeg(s.FlightPathAngle);
  }

  if (s.OneEngineOut) s.ParasiteDrag = EngineOutParasiteDrag(s.TakeoffState, s.BodyAngle, s.GearDown, s.ParasiteDrag);

  s.Airspeed += 0.1 * s.Acceleration * 3600 / 1852;
  // The brakes stop the aircraft, they do not roll it backwards; nor does a
  // thrust far below the drag in flight.
  s.Airspeed = std::max(s.Airspeed, 0.0);

  if (!s.OneEngineOut && s.FlapSetting == 0)
    s.LiftCoefficient = s.Airspeed > 210 ? 0.0839 * s.AngleOfAttack + 0.3475 : 0.767;
  s.DragCoefficient = InducedDragCoefficient(s) + s.ParasiteDrag;

  const double q = LiftPerCoefficient(s, s.Airspeed);
  s.Lift = q * s.LiftCoefficient;
  s.Drag = q * s.DragCoefficient;

  if (s.OnGround && s.BodyAngle < 0.1) {
    s.VerticalSpeed = 0;
  } else if (WindshearActive(s) && s.VerticalSpeed >= -500) {
    // the windshear's own climb rate stands
  } else {
    s.VerticalSpeed = SinDeg(s.FlightPathAngle) * s.Airspeed * kKnot * kFpmPerMs;
    if (s.VerticalSpeed <= 0 && s.Altitude <= s.AirportElevation) {
      s.VerticalSpeed = 0;
      s.Altitude = s.AirportElevation;
    }
  }
  s.Altitude += s.VerticalSpeed * s.TickSeconds / 60;
  s.PitchAttitude = s.BodyAngle + 0.01;
}

void LevelWings(SimState& s) {
  s.BankAngle = 0;
  s.TurnRadius = 0;
  s.AttitudeDiscRotation = 0;
}

// The radius of the turn at the current bank, from the indicated airspeed.
void UpdateTurnRadius(SimState& s) {
  if (s.BankAngle == 0) {
    s.TurnRadius = 0;
  } else if (std::fabs(s.BankAngle) != 90) {
    const double perSecond = s.Airspeed / 3600;
    s.TurnRadius = perSecond * perSecond * 1852 / (kGravity * std::tan(std::fabs(s.BankAngle) / kDegPerRad));
  }
}

void UpdateDiscRotation(SimState& s) {
  s.AttitudeDiscRotation = s.BankAngle < 0 ? RoundPixel(360 + s.BankAngle) : RoundPixel(s.BankAngle);
}

double BankLimit(const SimState& s) { return IsPiston(s) ? 40 : 70; }

}  // namespace

bool WindshearActive(const SimState& s) { return s.FailureCode == "WS" && s.FailurePhase == 2; }

bool IsPiston(const QString& aircraftType) { return tvx::IsPiston(aircraftType); }

double SafeAsinDeg(double x) { return std::asin(std::clamp(x, -1.0, 1.0)) * kDegPerRad; }
double SafeAcosDeg(double x) { return std::acos(std::clamp(x, -1.0, 1.0)) * kDegPerRad; }

double DensityRatioAt(double h) {
  struct Band {
    double base, ratio, drop;
  };
  static constexpr Band kBands[] = {{0, 1, 0.138},         {5000, 0.862, 0.123},  {10000, 0.739, 0.11},
                                    {15000, 0.629, 0.096}, {20000, 0.533, 0.085}, {25000, 0.448, 0.074},
                                    {30000, 0.374, 0.064}, {35000, 0.31, 0.064}};
  if (h >= 40000) return 0.246;
  const Band* band = &kBands[0];
  for (const Band& b : kBands)
    if (h >= b.base) band = &b;
  return band->ratio - (h - band->base) * band->drop / 5000;
}

double WrapHeading(double heading) {
  if (!std::isfinite(heading)) return 360;
  double h = std::fmod(heading, 360.0);
  if (h <= 0) h += 360;
  return h;
}

double TemperatureAt(double h) { return 15 - 2 * h / 1000 < -56.5 ? 216.5 : 288 - 2 * h / 1000; }

void Winddriehoek(SimState& s) {
  const double h = s.Altitude;
  s.DensityRatio = DensityRatioAt(h);
  s.TrueAirspeed = s.Airspeed / std::sqrt(s.DensityRatio);
  s.MachNumber = s.TrueAirspeed / (39 * std::sqrt(TemperatureAt(h)));

  if (s.Heading == 0) s.Heading = 360;
  if (s.WindDirection == 0) s.WindDirection = 360;

  const double tas = s.TrueAirspeed;
  const double wind = s.WindSpeed;
  const double diff = s.WindDirection - s.Heading;
  if (diff != 0 && diff != 180 && diff != -180) {
    double a = diff;
    if (a < -180) a += 360;
    if (a > 180) a -= 360;
    a = std::fabs(a);
    s.GroundSpeed = SafeSqrt(tas * tas + wind * wind - 2 * tas * wind * CosDeg(a));
    s.DriftAngle = s.GroundSpeed == 0 ? 0 : SafeAsinDeg(wind * SinDeg(a) / s.GroundSpeed);
    const double side = diff < 0 ? diff + 360 : diff;
    s.TrackAngle = side < 180 ? s.Heading - s.DriftAngle : s.Heading + s.DriftAngle;
    if (s.TrackAngle < 0) s.TrackAngle += 360;
    if (s.TrackAngle > 360) s.TrackAngle -= 360;
  } else {
    s.DriftAngle = 0;
    s.TrackAngle = s.Heading;
    s.GroundSpeed = diff == 0 ? tas - wind : tas + wind;
  }
  // An aircraft standing on the runway does not move with the wind: it
  // points where it stands.
  if (s.OnGround && s.Airspeed <= 0) {
    s.GroundSpeed = 0;
    s.DriftAngle = 0;
    s.TrackAngle = s.Heading;
  }
}

void Bratti(SimState& s) {
  if (s.Weight <= 0) return;  // no aircraft loaded yet
  const bool piston = IsPiston(s);
  if (piston) PistonStep(s);
  else JetStep(s);

  // Touchdown. A piston aircraft never sinks below the airport; the jet
  // settles into its ground roll only with the thrust levers back (below 90).
  if (s.Altitude <= s.AirportElevation && (piston || s.N1 < 90)) {
    s.Altitude = s.AirportElevation;
    s.VerticalSpeed = 0;
    s.BodyAngle = 0;
    s.AngleOfAttack = 0;
    s.FlightPathAngle = 0;
    // Bank steps are refused on the ground: a banked touchdown would turn on
    // the runway for ever.
    LevelWings(s);
    if (!piston) {
      // Only the jet has a ground roll with a lift-off that ends it.
      s.N1 = 20;
      s.OnGround = true;
    }
  }

  if (s.AircraftType == "SEP" && s.Altitude > 10000) {
    s.Altitude = 10000;
    s.VerticalSpeed = 0;
  }
}

void Brpos(SimState& s) {
  double step = 0;
  if (s.BankAngle == 0) {
    Winddriehoek(s);
    step = s.GroundSpeed * s.TickSeconds / 3600;
  } else {
    step = s.TrueAirspeed * s.TickSeconds / 3600;
    // Standing still there is no turn; near it the turn radius (from the
    // square of the speed) is tiny and one step can be many turns.
    if (s.TurnRadius != 0 && s.Airspeed > 0 && step > 0) {
      const double headingStep = 360 * step / (2 * kPi * s.TurnRadius);
      s.Heading = WrapHeading(s.BankAngle < 0 ? s.Heading - headingStep : s.Heading + headingStep);
    }
    Winddriehoek(s);
  }
  // A jet standing on the runway does not drift with the wind.
  if (s.OnGround && s.Airspeed <= 0) return;
  s.AircraftX += CosDeg(s.TrackAngle - 90) * step;
  s.AircraftY += SinDeg(s.TrackAngle - 90) * step;
}

void draailinks(SimState& s) {
  if (s.OnGround) return;
  if (s.BankAngle > -BankLimit(s)) s.BankAngle -= 1;
  UpdateTurnRadius(s);
  UpdateDiscRotation(s);
}

void draairechts(SimState& s) {
  if (s.OnGround) return;
  if (s.BankAngle < BankLimit(s)) s.BankAngle += 1;
  UpdateTurnRadius(s);
  UpdateDiscRotation(s);
}

void Doeklimmen(SimState& s) {
  if (IsPiston(s)) {
    if (s.BodyAngle < 20 && s.Airspeed > 55 && s.VerticalSpeed < 2500) s.AngleOfAttack += s.AoaStep;
    PistonCoefficients(s);
    return;
  }
  // With thrust set, the jet cannot be pulled up at or below 125 kt.
  if (!(s.Airspeed <= 125 && s.N1 > 20)) {
    s.AngleOfAttack += s.PathStep;
    s.FlightPathAngle += s.PathStep;
  }
  if (s.OnGround && s.N1 <= 20) {
    s.AngleOfAttack = 0;
    s.FlightPathAngle = 0;
  }
}

void Doedalen(SimState& s) {
  if (IsPiston(s)) {
    if (s.VerticalSpeed > -2000) {
      s.AngleOfAttack -= s.AoaStep;
      PistonCoefficients(s);
    }
    return;
  }
  if (s.Airspeed <= 125 || s.OnGround) return;
  s.AngleOfAttack -= s.PathStep;
  s.FlightPathAngle -= s.PathStep;
}

double EngineOutParasiteDrag(const QString& takeoffState, double b, bool gearDown, double current) {
  if (takeoffState == "GA") {
    if (b <= 5) return 0.11;
    if (b < 10) return 0.11 + (b - 5) * 0.02;
    return 0.21;
  }
  if (takeoffState == "TO") {
    double cd0 = 0;
    if (b <= 5) cd0 = 0.11;
    else if (b < 10) cd0 = 0.11 + (b - 5) * 0.031;
    else cd0 = 0.265;
    return gearDown ? cd0 + 0.05 : cd0;
  }
  return current;
}

}  // namespace tvx::flight
