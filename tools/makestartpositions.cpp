// Writes the start positions and airplane files shipped in data/: start
// positions in the default area "Area1" (VORs AAA 114.0, BBB 114.6, CCC 115.4;
// NDBs MMM 565, NNN 766, PPP 405; ILS ILA 108.6, course 270, elevation 120 ft,
// locator LCA 370 at 4 NM), with the radios tuned the way the start panel
// tunes them, so that each loads without a message and saves back unchanged.
// Run: makestartpositions data
#include <QCoreApplication>
#include <QDir>
#include <cstdio>

#include "platform/savefile.h"
#include "simulator/startposfile.h"

using namespace tvx;

namespace {

struct Radios {
  const char *vor1, *vor1Standby, *vor2, *vor2Standby, *adf, *adfStandby;
};

StartPosition Position(const char* type, const char* config, const char* beacon, int radial, double dme,
                       int heading, int altitude, const Radios& r, int obs1, int obs2, int rpm) {
  StartPosition p;
  p.AircraftType = type;
  p.ConfigName = config;
  p.Beacon = beacon;
  p.Radial = radial;
  p.Dme = dme;
  p.Heading = heading;
  p.Altitude = altitude;
  p.WindDirection = 240;
  p.WindSpeed = 15;
  p.Vor1Active = r.vor1;
  p.Vor1Standby = r.vor1Standby;
  p.Vor2Active = r.vor2;
  p.Vor2Standby = r.vor2Standby;
  p.AdfActive = r.adf;
  p.AdfStandby = r.adfStandby;
  p.Obs1Course = obs1;
  p.Obs2Course = obs2;
  p.Rpm = rpm;
  p.HsiShown = true;
  p.AdfRmiMode = 0;
  p.LandingLight = "OFF";
  p.CarbHeat = "OFF";
  p.FuelPump = "OFF";
  p.AreaName = "Area1";
  p.Minimums = 320;
  return p;
}

bool Write(const QString& path, const QByteArray& bytes) {
  if (WriteWholeFile(path, bytes)) {
    std::printf("%s\n", qPrintable(path));
    return true;
  }
  std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  const QString root = argc > 1 ? argv[1] : "data";
  const QString starts = root + "/startpositions";
  const QString jet = starts + "/Jetliner exercises";
  const QString airplanes = root + "/airplanes";
  for (const QString& folder : {starts, jet, airplanes}) QDir().mkpath(folder);
  bool ok = true;

  // Piston start positions: the levers and RPM of each preset.
  {
    StartPosition p = Position("SEP", "cruise", "AAA", 90, 10.0, 270, 3000,
                               {"114.0", "114.6", "114.6", "115.4", "565", "766"}, 270, 90, 2450);
    ok &= Write(starts + "/Area1-SEP VOR AAA inbound.dat", EncodeStartPosition(p));
  }
  {
    // The glass piston's slow cruise is stored under the jet name of its index.
    StartPosition p = Position("SEP EFIS", "250", "MMM", 180, 5.0, 360, 2500,
                               {"114.0", "114.6", "114.6", "115.4", "565", "766"}, 360, 360, 2000);
    p.AdfRmiMode = 1;
    p.FuelPump = "ON";
    p.Attitude = 2.5;
    ok &= Write(starts + "/Area1-SEP EFIS NDB MMM.dat", EncodeStartPosition(p));
  }
  {
    StartPosition p = Position("SEP", "landing", "ILA", 90, 8.0, 270, 2000,
                               {"108.6", "114.0", "114.6", "115.4", "370", "565"}, 270, 90, 1775);
    p.FlapPosition = 3;
    p.GearPosition = 1;
    p.LandingLight = "ON";
    p.FuelPump = "ON";
    p.HsiShown = false;
    ok &= Write(starts + "/Area1-SEP ILS 27.dat", EncodeStartPosition(p));
  }

  // Jet exercise start positions.
  {
    StartPosition p = Position("737", "TO", "ILA", 90, 0.0, 270, 120,
                               {"108.6", "114.0", "114.6", "115.4", "370", "565"}, 270, 90, 2450);
    p.WindDirection = 270;
    p.WindSpeed = 10;
    p.FlapPosition = 2;
    p.GearPosition = 1;
    p.LandingLight = "ON";
    ok &= Write(jet + "/Area1-Jet takeoff RWY 27.dat", EncodeStartPosition(p));
  }
  {
    StartPosition p = Position("737", "F5", "ILA", 93, 12.0, 300, 3000,
                               {"108.6", "114.0", "114.6", "115.4", "370", "565"}, 270, 90, 2450);
    p.FlapPosition = 2;
    ok &= Write(jet + "/Area1-Jet ILS 27 intercept.dat", EncodeStartPosition(p));
  }
  {
    StartPosition p = Position("737", "250", "BBB", 360, 15.0, 180, 6000,
                               {"114.6", "114.0", "114.0", "115.4", "766", "565"}, 180, 360, 2450);
    p.AdfRmiMode = 2;
    ok &= Write(jet + "/Area1-Jet holding BBB.dat", EncodeStartPosition(p));
  }
  {
    StartPosition p = Position("737", "fastcruise", "CCC", 45, 40.0, 225, 19000,
                               {"115.4", "114.0", "108.6", "114.6", "405", "565"}, 225, 270, 2450);
    p.Minimums = 400;
    ok &= Write(jet + "/Area1-Jet descent CCC.dat", EncodeStartPosition(p));
  }

  // Flap labels of a few airliners.
  ok &= Write(airplanes + "/737.txt", EncodeFlapLabels({"UP", "1", "5", "15", "40"}));
  ok &= Write(airplanes + "/A320.txt", EncodeFlapLabels({"0", "1", "2", "3", "FULL"}));
  ok &= Write(airplanes + "/MD-80.txt", EncodeFlapLabels({"UP", "11", "15", "28", "40"}));
  return ok ? 0 : 1;
}
