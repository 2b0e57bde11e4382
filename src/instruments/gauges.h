#pragma once
// The round dials, glass tapes and engine gauges, called by the panel
// dispatchers. Each draws from the state it is given; what a gauge must
// compute and keep (filters, bugs) is done in RefreshGauges.
#include <QSize>
#include <QString>
#include <array>

#include "platform/canvas.h"
#include "simulator/simstate.h"

namespace tvx {

// What the gauges read from the window rather than from the flight state.
struct GaugeInputs {
  QSize Client;                       // the window's client area: places the jet's engine dials
  int Chart3Width = 0;                // the right-hand chart's width: the thrust lever's texts keep inside it
  bool Stopped = true;                // the FLY/STOP button reads "FLY"
  bool JoystickThrust = false;        // the "Joystick Thrust" option is checked
  std::array<QString, 4> FlapLabels;  // the flap-setting edits 0..3, written on the jet speed tape
};

// Airspeed indicator and turn coordinator ("SEP").
void DrawAirspeedDial(Canvas& c, const SimState& s);
void DrawAirspeedNeedle(Canvas& c, const SimState& s);
void DrawTurnCoordinatorDial(Canvas& c, const SimState& s);
void DrawTurnCoordinatorAircraft(Canvas& c, const SimState& s);

// Altimeter and vertical-speed indicator ("SEP").
void DrawAltimeterDial(Canvas& c, const SimState& s);
void DrawAltimeterHands(Canvas& c, const SimState& s);
void DrawVSIDial(Canvas& c, const SimState& s);
void DrawVSINeedle(Canvas& c, const SimState& s);

// Glass tapes.
void DrawEFISSpeedTape(Canvas& c, const SimState& s, const GaugeInputs& in);
void DrawEFISAltitudeTape(Canvas& c, const SimState& s);
void DrawEFISVerticalSpeed(Canvas& c, const SimState& s);

// Engine gauges.
void DrawRPMDial(Canvas& c, const SimState& s);
void DrawEngineInstruments(Canvas& c, const SimState& s, const GaugeInputs& in);

// The state-changing part of the gauges, run by the panel's refresh step:
// the speed tape's filter and the jet's altitude bug.
void RefreshGauges(SimState& s);

// --- The laws of the scales (angles in degrees clockwise from 12 o'clock) ---

// Airspeed dial: 22 degrees per 10 kt, 40 kt at 30 degrees.
double AirspeedDialAngle(double kt);
// The bank of a turn of 3 degrees per second at `kt`.
double StandardRateBank(double kt);
// Turn coordinator: the aircraft's tilt for `bank` at `kt` (20 degrees at standard rate).
double TurnCoordinatorTilt(double kt, double bank);
// Altimeter: the short hand (thousands) and the long hand (hundreds).
double AltimeterThousandsAngle(double altitude);
double AltimeterHundredsAngle(double altitude);
// Vertical-speed dial: 8.5 degrees per 100 ft/min, level at 270 degrees.
double VsiDialAngle(double feetPerMinute);
// RPM dial: 9 degrees per 100 RPM, 500 RPM at 240 degrees.
double RpmDialAngle(double rpm);
// N1 dial: 20 degrees per 10 %, 0 % at 90 degrees.
double N1DialAngle(double n1);

// The speed tape's filter, unreliable-airspeed offset and clamp (glass types).
void FilterTapeAirspeed(SimState& s);
// The jet's speed limit at `altitude` with `densityRatio`, at most 340 kt.
double JetSpeedLimit(double altitude, double densityRatio);
// The canvas row of speed `kt` on the speed tape of `s.AircraftType`.
int SpeedTapeY(const SimState& s, double kt);
// The vertical-speed read-out: steps of 20 ft/min, three digits below 100.
QString VerticalSpeedReadout(double feetPerMinute);

// The jet's engine dials: radius and the two centres' x, by the screen's size.
struct JetEngineDials {
  int Radius = 0;
  int Engine1X = 0;
  int Engine2X = 0;
};
JetEngineDials JetEngineDialPlaces(const QSize& client, int cellSize, int instrumentRadius);

}  // namespace tvx
