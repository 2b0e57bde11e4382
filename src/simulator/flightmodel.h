#pragma once
// The flight model: a point mass in one vertical plane plus a coordinated
// turn, as functions over the flight state. The window's methods of the same
// names call these and then show the result (the attitude disc's rotation).
//
// Two families: the piston types ("SEP", "SEP EFIS") fly on engine power and
// the energy balance; every other type is flown as the jet, with a thrust
// lever, a flight-path angle driven by the pitch steps and a ground roll.
#include "simulator/simstate.h"

namespace tvx::flight {

constexpr double kGravity = 9.81;            // m/s2
constexpr double kKnot = 1852.0 / 3600.0;    // m/s per kt
constexpr double kPi = 3.141592653589793;
constexpr double kDegPerRad = 57.29577951308232;
constexpr double kFpmPerMs = 196.72131147540983;  // 60 / 0.305
// Below this speed the propeller's thrust is taken as at this speed: power
// over speed grows without bound as the speed goes to zero.
constexpr double kMinPropellerSpeed = 10.0;  // m/s

// "SEP" and "SEP EFIS"; every other type is flown as the jet.
bool IsPiston(const QString& aircraftType);
inline bool IsPiston(const SimState& s) { return IsPiston(s.AircraftType); }

// The windshear scenario is running: it sets the climb rate itself.
bool WindshearActive(const SimState& s);

// Arcsine and arccosine in degrees whose argument is held in [-1, 1], so a
// rounding step past 1 never gives NaN.
double SafeAsinDeg(double x);
double SafeAcosDeg(double x);

// A heading brought into (0, 360] however far outside it lies (an exact 0
// and every whole turn become 360; a value that is no number 360).
double WrapHeading(double heading);

// Air density against sea level, piecewise linear in bands of 5000 ft.
double DensityRatioAt(double altitudeFt);
// Standard temperature (K) with 288 at sea level, held at 216.5 above the
// tropopause.
double TemperatureAt(double altitudeFt);

// Atmosphere and wind triangle: density ratio, true airspeed, Mach, ground
// speed, drift and track. A heading or wind direction of 0 becomes 360.
void Winddriehoek(SimState& s);

// One force-and-energy step of 0.1 s: speed, climb, altitude, touchdown and
// the plain "SEP" ceiling. Does nothing while no aircraft is loaded (Weight 0).
void Bratti(SimState& s);

// One heading-and-position step (calls Winddriehoek).
void Brpos(SimState& s);

// Bank one degree left / right within the type's limit, then the turn radius
// and the attitude disc's rotation. Nothing at all on the ground.
void draailinks(SimState& s);
void draairechts(SimState& s);

// One pitch step up / down (AoaStep for the pistons, PathStep for the jet).
void Doeklimmen(SimState& s);
void Doedalen(SimState& s);

// The jet's parasite drag with one engine out during take-off ("TO") or
// go-around ("GA"), from the body angle; `current` in every other state.
double EngineOutParasiteDrag(const QString& takeoffState, double bodyAngle, bool gearDown, double current);

}  // namespace tvx::flight
