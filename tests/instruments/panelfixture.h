#pragma once
// A moment of flight for pictures and timings of the panel: turning left,
// nose a little up, near VOR 1 with every receiver on; the jet on an ILS,
// a little off the localiser and below the path, with the autopilot on.
#include <cmath>

#include "simulator/simstate.h"

namespace tvx::test {

inline void PanelFlyingState(SimState& s, const QString& type) {
  s.Heading = 250;
  s.TrackAngle = 256;
  s.BankAngle = -15;
  s.AttitudeDiscRotation = 345;
  s.PitchAttitude = 3;
  s.Altitude = 3000;
  s.AirportElevation = 120;
  s.Vor1Received = s.Vor2Received = s.AdfReceived = true;
  s.Vor1Ident = "AAA";
  s.Vor2Ident = "BBB";
  s.AdfIdent = "MMM";
  s.Vor1Radial = 93;
  s.Vor1Distance = 6;
  s.Obs1Course = 270;
  s.Vor2Radial = 40;
  s.Vor2Distance = 9;
  s.Obs2Course = 45;
  s.AdfQdr = 110;
  s.IlsTuned = type == "737";
  if (s.IlsTuned) {
    s.Vor1Ident = "---";
    s.Vor1Radial = 91;
    s.Vor1Distance = 8;
    s.Altitude = 120 + 8 * 6076 * std::tan(2.85 * M_PI / 180);
    s.AutopilotEngaged = true;
    s.SelectedHeading = 265;
    s.SelectedHeadingWhole = 265;
  }
}

}  // namespace tvx::test
