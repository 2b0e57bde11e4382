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

#include "../tests/instruments/panelfixture.h"
#include "../tests/simulator/flightfixture.h"
#include "areas/instroptions.h"
#include "simulator/form1.h"
#include "simulator/simstate.h"

using namespace tvx;

namespace {

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

// Made on first use and ended in main while the application still stands:
// a window outliving it crashes at exit.
std::unique_ptr<TForm1> form;

TForm1& Form() {
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
  test::PanelFlyingState(Sim, type);
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

// One tick of a flight in a held right turn (physics, radios, the panel's
// refresh), then the paint of the panel it asks for.
void BM_Tick(benchmark::State& state, const char* type) {
  TForm1& form = Form();
  Sim.AircraftType = type;
  form.PlaceChartsForType();
  // The category constants and a trimmed cruise, as the type's parameters
  // would load them.
  test::LoadAircraft(Sim, QString(type) == "737" ? test::JetVmd() : test::PistonCruise(type));
  test::PanelFlyingState(Sim, type);
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
  form.reset();
  return 0;
}
