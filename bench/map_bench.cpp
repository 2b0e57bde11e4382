// One paint of the moving map with a full 600-point track and the holding,
// and one paint of the vertical profile after a flown approach, at the chart
// sizes of a 1920 x 1080 window.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>

#include "areas/areamodel.h"
#include "instruments/layout.h"
#include "instruments/mapdraw.h"
#include "instruments/mapprofile.h"
#include "platform/canvas.h"
#include "simulator/simstate.h"

namespace {

using namespace tvx;

struct Scene {
  SimState s;
  AreaState area;
};

// The default area, a holding at VOR 1 and a track that has wrapped the
// ring: a level leg and a descent on the approach of ILS slot 1.
Scene MakeScene() {
  Scene sc;
  FillDefaultArea(sc.area);
  BrVORXY(sc.area.VorList, sc.area.NdbList, sc.area.IlsList);
  sc.area.AreaName = "Area1";
  SimState& s = sc.s;
  ComputeCellLayout(s, 1920, 1080);
  s.CellFrameMargin = 2;
  s.MapPixelsPerNm = 20;
  s.VerticalMapScale = 1;
  s.HoldingSide = "RIGHT";
  s.HoldingRadial = 180;
  s.HoldingSpeed = 115;
  s.WindDirection = 240;
  s.WindSpeed = 20;
  s.Vor1Received = true;
  s.Vor1Distance = 3.0;
  s.TrackAngle = 268;
  s.TrueAirspeed = 118;
  s.GroundSpeed = 100;
  s.AirportElevation = 120;
  const AreaBeacon& ils = sc.area.IlsList[0];
  ClearTrackHistory(s);
  for (int i = 0; i < kTrackSlots + 37; ++i) {
    const double d = 20.0 - i * (120.0 / 3600.0);
    AddTrackPoint(s, ils.X + d, ils.Y + 0.3 * std::sin(i / 40.0), std::min(3000.0, 120 + d * 318.4));
  }
  const TrackPoint& last = s.TrackHistory[static_cast<std::size_t>(s.TrackIndex)];
  s.AircraftX = last.X;
  s.AircraftY = last.Y;
  s.Heading = 270;
  return sc;
}

void PaintMap(benchmark::State& state, int width, int height) {
  Scene sc = MakeScene();
  sc.s.MapCentreX = width / 2;
  sc.s.MapCentreY = height / 2;
  QImage image(width, height, QImage::Format_RGB32);
  for (auto _ : state) {
    image.fill(Qt::black);
    QPainter painter(&image);
    PainterCanvas canvas(&painter);
    DrawMap(canvas, width, height, sc.s, sc.area, true);
  }
  benchmark::DoNotOptimize(image.constBits());
}

// The map beside the instruments: 4 x 4 cells.
void BM_MapPaint(benchmark::State& state) {
  const int U = MakeScene().s.CellSize;
  PaintMap(state, 4 * U, 4 * U);
}
BENCHMARK(BM_MapPaint)->Unit(benchmark::kMicrosecond);

// The full-size map: 8 x 6 cells.
void BM_MapPaintFullSize(benchmark::State& state) {
  const int U = MakeScene().s.CellSize;
  PaintMap(state, 8 * U, 6 * U);
}
BENCHMARK(BM_MapPaintFullSize)->Unit(benchmark::kMicrosecond);

// The profile across the screen, 6 cells high.
void BM_ProfilePaint(benchmark::State& state) {
  Scene sc = MakeScene();
  const int width = 1920, height = 6 * sc.s.CellSize;
  const auto approach = ChooseApproach(sc.area.IlsList, "108.6", sc.s);
  QImage image(width, height, QImage::Format_RGB32);
  for (auto _ : state) {
    image.fill(Qt::black);
    QPainter painter(&image);
    PainterCanvas canvas(&painter);
    DrawProfileChart(canvas, width, height, sc.s, approach, 31);
  }
  benchmark::DoNotOptimize(image.constBits());
}
BENCHMARK(BM_ProfilePaint)->Unit(benchmark::kMicrosecond);

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
