#pragma once
// Flight states for the tests: the category constants and trimmed presets
// of the two families, set here by hand so the flight model is tested on its own.
#include "simulator/simstate.h"

namespace tvx::test {

// The piston aircraft in cruise: 115 kt at 2450 RPM, wings level, 3000 ft.
inline SimState PistonCruise(const char* type = "SEP") {
  SimState s;
  s.AircraftType = type;
  s.AircraftCategory = "SEP";
  s.AirDensity = 1.225;
  s.LiftCoefficient = 0.29;
  s.DragCoefficient = 0.0496;
  s.ParasiteDrag = 0.0452;
  s.WingArea = 15.79;
  s.AspectRatio = 7.217;
  s.OswaldFactor = 0.85;
  s.Weight = 9810;
  s.Lift = s.Weight;
  s.Airspeed = 115;
  s.EngineRpm = s.CommandedRpm = s.DisplayedRpm = 2450;
  s.PitchAttitude = 0.01;
  s.Altitude = 3000;
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
  s.AirDensity = 1.058;
  s.LiftCoefficient = 0.767;
  s.DragCoefficient = 0.176;
  s.ParasiteDrag = s.FlapParasiteDrag = 0.0786;
  s.WingArea = 124.6;
  s.AspectRatio = 10.286;
  s.OswaldFactor = 0.1861;
  s.Weight = 590000;
  s.Lift = s.Weight;
  s.EngineRpm = s.CommandedRpm = s.DisplayedRpm = 2450;
  s.EnginePower = 99300;
  s.Airspeed = 210;
  s.N1 = s.DisplayedN1 = 58;
  s.Thrust = s.CommandedThrust = s.Drag = 135720;
  s.AngleOfAttack = 5;
  s.BodyAngle = 5;
  s.PitchAttitude = 5.01;
  s.Altitude = 3000;
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
