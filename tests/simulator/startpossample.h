#pragma once
// A start position whose fields differ from the simulator window's defaults
// and from their neighbours in the record.
#include "simulator/startposfile.h"

namespace tvx::test {

inline StartPosition SampleStartPosition() {
  StartPosition p;
  p.Heading = 225;
  p.Altitude = 5000;
  p.Beacon = "CCC";
  p.Radial = 45;
  p.Dme = 40;
  p.WindDirection = 200;
  p.WindSpeed = 35;
  p.Vor1Active = "115.4";
  p.Vor1Standby = "108.6";
  p.Vor2Active = "114.0";
  p.Vor2Standby = "114.6";
  p.AdfActive = "405";
  p.AdfStandby = "370";
  p.Obs1Course = 225;
  p.Obs2Course = 135;
  p.Rpm = 2100;
  p.HsiShown = true;
  p.AdfRmiMode = 2;
  p.FlapPosition = 3;
  p.GearPosition = 1;
  p.LandingLight = "ON";
  p.CarbHeat = "OFF";
  p.FuelPump = "ON";
  p.Attitude = 2.5;
  p.AircraftType = "737";
  p.ConfigName = "F15";
  p.AreaName = "Other";
  p.Minimums = 450;
  return p;
}

}  // namespace tvx::test
