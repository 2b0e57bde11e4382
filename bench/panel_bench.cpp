// Painting the whole instrument panel of each aircraft type (every chart of
// the panel but the map) at a 1920 x 1080 client area into an offscreen
// image, alone and with a full tick: the tick repaints it every 100 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cmath>
#include <memory>

#include "areas/instroptions.h"
#include "simulator/form1.h"
#include "simulator/simstate.h"

using namespace tvx;

namespace {

// Turning, climbing a little, every receiver on; the jets on an ILS.
void FlyingState(const QString& type) {
  SimState& s = Sim;
  s.Heading = 250;
  s.TrackAngle = 256;
  s.BankAngle = -15;
  s.AttitudeDiscRotation = 345;
  s.PitchAttitude = 3;
  s.Altitude = 3000;
  s.Vor1Received = s.Vor2Received = s.AdfReceived = true;
  s.Vor1Radial = 93;
  s.Vor1Distance = 6;
  s.Obs1Course = 270;
  s.Vor2Radial = 40;
  s.Vor2Distance = 9;
  s.Obs2Course = 45;
  s.AdfQdr = 110;
  s.IlsTuned = type == "737";
  if (s.IlsTuned) s.Altitude = 120 + 8 * 6076 * std::tan(2.85 * M_PI / 180);
}

// The panel's charts in their stacking order, each at its place.
void PaintPanel(TForm1& form, QImage& image) {
  QPainter painter(&image);
  ChartSurface* charts[] = {form.ui.Chart1, form.ui.Chart3, form.ui.Chart2, form.ui.chart4, form.ui.locchart,
                            form.ui.GSchart};
  for (ChartSurface* chart : charts) {
    if (!chart->isVisibleTo(&form)) continue;
    painter.save();
    painter.translate(chart->pos());
    painter.setClipRect(0, 0, chart->width(), chart->height());
    chart->PaintInto(painter);
    painter.restore();
  }
}

TForm1& Form() {
  static std::unique_ptr<TForm1> form;
  if (!form) {
    TForm1::ClientSizeOverride = QSize(1920, 1080);
    TForm1::ScreenSizeOverride = QSize(1920, 1080);
    form = std::make_unique<TForm1>();
    Sim.MapVisible = false;
    form->ui.MAPChart->hide();
  }
  return *form;
}

void BM_PanelPaint(benchmark::State& state, const char* type) {
  TForm1& form = Form();
  Sim.AircraftType = type;
  form.PlaceChartsForType();
  FlyingState(type);
  form.TkOrvane();
  QImage image(1920, 1080, QImage::Format_RGB32);
  for (auto _ : state) {
    // What a tick does for the panel: compute, then paint every chart.
    form.TkADI();
    form.RefreshPanel();
    PaintPanel(form, image);
    // A standard-rate turn: 3 degrees a second, 0.3 a tick.
    Sim.Heading = std::fmod(Sim.Heading + 0.3, 360.0);
  }
  state.SetLabel(QString("U %1").arg(Sim.CellSize).toStdString());
}

// The category constants and a trimmed cruise of the two families, as the
// type's parameters would load them: 115 kt at 2450 RPM, or 210 kt at 58 % N1.
void TrimmedAircraft(const QString& type) {
  SimState& s = Sim;
  s.AircraftType = type;
  s.TickSeconds = s.ClockStep = s.KeyRepeatStep = 0.1;
  s.TakeoffState = "OFF";
  s.OnGround = false;
  s.Altitude = 3000;
  s.AirportElevation = 120;
  if (type == "737") {
    s.AircraftCategory = "JET";
    s.AirDensity = 1.058;
    s.LiftCoefficient = 0.767;
    s.DragCoefficient = 0.176;
    s.ParasiteDrag = s.FlapParasiteDrag = 0.0786;
    s.WingArea = 124.6;
    s.AspectRatio = 10.286;
    s.OswaldFactor = 0.1861;
    s.Weight = s.Lift = 590000;
    s.Airspeed = 210;
    s.N1 = s.DisplayedN1 = 58;
    s.Thrust = s.CommandedThrust = s.Drag = 135720;
    s.AngleOfAttack = s.BodyAngle = 5;
    s.PitchAttitude = 5.01;
    s.PathStep = 0.05;
  } else {
    s.AircraftCategory = "SEP";
    s.AirDensity = 1.225;
    s.LiftCoefficient = 0.29;
    s.DragCoefficient = 0.0496;
    s.ParasiteDrag = 0.0452;
    s.WingArea = 15.79;
    s.AspectRatio = 7.217;
    s.OswaldFactor = 0.85;
    s.Weight = s.Lift = 9810;
    s.Airspeed = 115;
    s.EngineRpm = s.CommandedRpm = s.DisplayedRpm = 2450;
    s.PitchAttitude = 0.01;
    s.AoaStep = 0.05;
  }
}

// One tick of a flight in a held right turn (physics, radios, the panel's
// refresh), then the paint of the panel it asks for.
void BM_Tick(benchmark::State& state, const char* type) {
  TForm1& form = Form();
  Sim.AircraftType = type;
  form.PlaceChartsForType();
  FlyingState(type);
  TrimmedAircraft(type);
  Sim.TurnCommand = "rechts";
  form.TkOrvane();
  // The timer only has to run; the benchmark calls the tick itself.
  form.Timer->start();
  QImage image(1920, 1080, QImage::Format_RGB32);
  for (auto _ : state) {
    form.TimerTimer();
    PaintPanel(form, image);
  }
  form.Timer->stop();
  Sim.TurnCommand = "off";
}

}  // namespace

BENCHMARK_CAPTURE(BM_PanelPaint, SEP, "SEP")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PanelPaint, SEP_EFIS, "SEP EFIS")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PanelPaint, 737, "737")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Tick, SEP, "SEP")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Tick, SEP_EFIS, "SEP EFIS")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Tick, 737, "737")->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir home;
  qputenv("TARVINEX_HOME", home.path().toLocal8Bit());
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
