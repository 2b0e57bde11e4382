#pragma once
// Flight states for the tests: the category constants and trimmed presets
// of the two families.
#include "simulator/aircraftconfig.h"
#include "simulator/simstate.h"

namespace tvx::test {

// The piston aircraft in cruise: 115 kt at 2450 RPM, wings level, 3000 ft.
inline SimState PistonCruise(const char* type = "SEP") {
  SimState s;
  s.AircraftType = type;
  s.AircraftCategory = "SEP";
  s.Altitude = 3000;
  LoadCategoryConstants(s);
  ApplyPreset(s, 0);  // "Cruise - 115 kts"
  s.AirportElevation = 120;
  s.TickSeconds = s.ClockStep = s.KeyRepeatStep = 0.1;
  s.AoaStep = 0.05;
  s.TakeoffState = "OFF";
  s.Heading = 270;
  return s;
}

// The jet at its minimum-drag speed: 210 kt at 58 % N1, flaps up.
inline SimState JetVmd() {
  SimState s;
  s.AircraftType = "737";
  s.AircraftCategory = "JET";
  s.Altitude = 3000;
  LoadCategoryConstants(s);
  ApplyPreset(s, kJetFirstPreset);  // "VMD - 210 kts"
  s.CommandedThrust = s.Thrust;
  s.AirportElevation = 120;
  s.TickSeconds = s.ClockStep = s.KeyRepeatStep = 0.1;
  s.PathStep = 0.05;
  s.TakeoffState = "OFF";
  s.Heading = 270;
  return s;
}

// The aircraft of `from` (type, constants and trimmed state) put into `into`,
// the way loading the type's parameters would; position, radios and the
// rest of `into` stay as they are.
inline void LoadAircraft(SimState& into, const SimState& from) {
  for (auto field : {&SimState::Airspeed, &SimState::PitchAttitude, &SimState::AngleOfAttack,
                     &SimState::FlightPathAngle, &SimState::BodyAngle, &SimState::VerticalSpeed, &SimState::Thrust,
                     &SimState::CommandedThrust, &SimState::Drag, &SimState::Lift, &SimState::Weight,
                     &SimState::LiftCoefficient, &SimState::DragCoefficient, &SimState::ParasiteDrag,
                     &SimState::FlapParasiteDrag, &SimState::AirDensity, &SimState::WingArea, &SimState::AspectRatio,
                     &SimState::OswaldFactor, &SimState::EnginePower, &SimState::CommandedRpm, &SimState::EngineRpm,
                     &SimState::DisplayedRpm, &SimState::N1, &SimState::DisplayedN1, &SimState::AoaStep,
                     &SimState::PathStep})
    into.*field = from.*field;
  into.AircraftType = from.AircraftType;
  into.AircraftCategory = from.AircraftCategory;
  into.TakeoffState = from.TakeoffState;
  into.BankAngle = 0;
  into.OnGround = false;
}

}  // namespace tvx::test
