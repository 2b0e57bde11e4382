#pragma once
// Flying by joystick: the stick issues the same single bank and pitch steps
// as the keys, paced by two clocks of the tick, and the throttle becomes a
// lever position in RPM and % N1 that sets the power while "Joystick Thrust"
// is on. Positions are the component's scaled values: 0..200 with 100 at the
// middle of the calibrated range for the stick, 0..100 for the throttle
// (small values are high power).
#include "simulator/simstate.h"

namespace tvx {

class TJoystickex;

// The component's settings the simulator window flies with, in the order a
// form sets them: the port reads the device's ranges, and loading the
// calibration last lets the calibration file override them.
void SetUpFlyingJoystick(TJoystickex& j);

// The steps one stick event asks of the flight model.
struct StickSteps {
  int bank = 0;   // -1: one step left (draailinks), +1: one step right (draairechts)
  int pitch = 0;  // -1: one step nose down (Doedalen), +1: one step nose up (Doeklimmen)
};

// One stick event. The first event after start defines the centre; each
// event sets the step intervals from the deflection. Beyond a dead band of 9
// units, and only while `flying` (the flight runs and is not paused), a ready
// flag is consumed into one step; a pitch step's size, growing with the
// deflection, goes to the pitch step of the type flown.
StickSteps StickControl(SimState& s, int xpos, int ypos, bool flying);

// The tick's re-arming of the stick steps: a clock that has reached its
// interval sets its ready flag and starts again. (The tick advances the two
// clocks with its other clocks.)
void RearmStickSteps(SimState& s);

// The throttle as lever positions, each kept within the lever's travel:
// 1300..2700 RPM and 20..100 % N1.
double ThrottleLeverRpm(int z);
double ThrottleLeverN1(int z);

// One throttle event: stores the lever positions and, with "Joystick Thrust"
// on, sets the power of both categories from them.
void ThrottleControl(SimState& s, int z, bool joystickThrust);

// "Joystick Thrust" switched off: the displayed power of the type flown goes
// back to the last preset.
void RestorePresetPower(SimState& s);

}  // namespace tvx
