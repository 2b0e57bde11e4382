// The gauges of each aircraft type painted once, at the chart sizes of a
// 1920 x 1080 window: the round dials of "SEP", the tapes of the glass
// panels, and the engine gauges.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "instruments/gauges.h"
#include "instruments/layout.h"
#include "platform/canvas.h"
#include "simulator/aircraftconfig.h"
#include "simulator/simstate.h"

namespace {

using namespace tvx;

// A type in flight from one of its presets.
SimState InFlight(const QString& type, int preset) {
  SimState s;
  s.AircraftType = type;
  s.CellFrameMargin = 2;
  ComputeCellLayout(s, 1920, 1080);
  if (type == "SEP") s.EngineCentreX = s.CellSize, s.EngineCentreY = 5 * s.CellSize;
  s.Altitude = 3000;
  s.AirportElevation = 120;
  s.Minimums = 320;
  LoadCategoryConstants(s);
  ApplyPreset(s, preset);
  s.PreviousTapeAirspeed = s.Airspeed;
  s.VerticalSpeed = -350;
  s.BankAngle = 10;
  s.WindDirection = 240;
  s.WindSpeed = 20;
  s.Heading = 270;
  s.TrueAirspeed = s.Airspeed * 1.05;
  s.GroundSpeed = s.Airspeed * 0.9;
  s.MachNumber = 0.3;
  return s;
}

void PaintGauges(benchmark::State& state, const QString& type, int preset) {
  SimState s = InFlight(type, preset);
  GaugeInputs in;
  in.Client = {1920, 1080};
  in.FlapLabels = {"UP", "1", "5", "15"};
  const int U = s.CellSize;
  const bool roundDials = type == "SEP";
  QImage left(roundDials ? 2 * U : U, roundDials ? 4 * U : 6 * U, QImage::Format_RGB32);
  QImage right(roundDials ? 4 * U : 5 * U, roundDials ? 6 * U : 3 * U, QImage::Format_RGB32);
  in.Chart3Width = right.width();
  for (auto _ : state) {
    RefreshGauges(s);
    left.fill(Qt::gray);
    right.fill(Qt::gray);
    {
      QPainter painter(&left);
      PainterCanvas c(&painter);
      if (roundDials) {
        DrawAirspeedDial(c, s);
        DrawAirspeedNeedle(c, s);
        DrawTurnCoordinatorDial(c, s);
        DrawTurnCoordinatorAircraft(c, s);
      } else {
        DrawEFISSpeedTape(c, s, in);
      }
    }
    QPainter painter(&right);
    PainterCanvas c(&painter);
    if (roundDials) {
      DrawAltimeterDial(c, s);
      DrawVSIDial(c, s);
      DrawAltimeterHands(c, s);
      DrawVSINeedle(c, s);
    } else {
      DrawEFISVerticalSpeed(c, s);
      DrawEFISAltitudeTape(c, s);
    }
    DrawRPMDial(c, s);
    DrawEngineInstruments(c, s, in);
  }
  benchmark::DoNotOptimize(left.constBits());
  benchmark::DoNotOptimize(right.constBits());
}

void BM_GaugesSep(benchmark::State& state) { PaintGauges(state, "SEP", 0); }
BENCHMARK(BM_GaugesSep)->Unit(benchmark::kMicrosecond);

void BM_GaugesSepEfis(benchmark::State& state) { PaintGauges(state, "SEP EFIS", 1); }
BENCHMARK(BM_GaugesSepEfis)->Unit(benchmark::kMicrosecond);

void BM_Gauges737(benchmark::State& state) { PaintGauges(state, "737", 4); }
BENCHMARK(BM_Gauges737)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  // Text needs a font database, hence an application; no display is needed.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
