// The instrument panel of the simulator window: repaint triggers, the
// refresh step and the charts' after-draw hooks. The drawings themselves are
// free functions in src/instruments.
#include <QApplication>

#include <cmath>

#include "areas/instroptions.h"
#include "instruments/attitude.h"
#include "instruments/hsi.h"
#include "instruments/ilsstrips.h"
#include "instruments/layout.h"
#include "instruments/panel.h"
#include "simulator/form1.h"
#include "simulator/simstate.h"

namespace tvx {

namespace {
// The window's own colour, the grey its paint fills it with.
const QColor kFormColour(0x80, 0x80, 0x80);
}  // namespace

void TForm1::ConnectPanel() {
  // Whoever asks for the right-hand chart's repaint (the tick, the keys, the
  // radios) gets the deviations, flags and gauge values it shows computed.
  ui.Chart3->BeforeRepaint = [this] { RefreshPanel(); };
  ui.locchart->AfterDraw = [this](Canvas& c) { locchartAfterDraw(c); };
  ui.GSchart->AfterDraw = [this](Canvas& c) { GSchartAfterDraw(c); };
  ui.locchart->Color = clr::Black;
  // The glideslope strip has no fill of its own: the attitude indicator
  // shows through it.
  ui.GSchart->TransparentBackground = true;

  // A panel hides what it stands over: the panels that lie over charts are
  // filled with the window's grey. The boxes inside them that have a face of
  // their own keep it.
  for (QWidget* panel : {static_cast<QWidget*>(ui.SYSTEEMPanel), static_cast<QWidget*>(ui.Failurepanel),
                         static_cast<QWidget*>(ui.MCPpanel), static_cast<QWidget*>(ui.EFISpanel)}) {
    QList<QWidget*> ownFace;
    for (QWidget* child : panel->findChildren<QWidget*>())
      if (child->autoFillBackground() && !child->testAttribute(Qt::WA_SetPalette)) ownFace << child;
    QPalette grey = panel->palette();
    grey.setColor(QPalette::Window, kFormColour);
    panel->setPalette(grey);
    panel->setAutoFillBackground(true);
    for (QWidget* child : ownFace) child->setPalette(QApplication::palette(child));
  }
}

void TForm1::RefreshPanel() {
  RefreshPanelState(Sim, InstrSettings);
  TkHDG();
}

AdiView TForm1::AttitudeView() const {
  AdiView v;
  v.Width = ui.Chart1->width();
  v.Height = ui.Chart1->height();
  v.ClientWidth = ClientArea().width();
  v.Zoom = ui.Chart1->Zoom;
  v.VertOffset = ui.Chart1->VertOffset;
  v.Rotation = ui.Chart1->Rotation;
  return v;
}

void TForm1::TkADI() {
  SimState& s = Sim;
  RefreshAttitudeState(s, AttitudeView());
  ui.Chart1->VertOffset = AdiPitchShift(s.PitchAttitude, s.BankAngle, s.AdiPixelsPerDegree);
  ui.Chart1->Rotation = s.AttitudeDiscRotation;
  ui.Chart1->Color = AdiBackgroundColour(s.PitchAttitude);
  ui.Chart1->Repaint();
}

void TForm1::TkOrvane() {
  TkADI();
  ui.Chart2->Repaint();
  ui.Chart3->Repaint();
  if (Sim.MapVisible) ui.MAPChart->Repaint();
}

void TForm1::TkHDG() {
  ui.chart4->Repaint();
  if (Sim.AircraftType != "SEP") {
    ui.locchart->Repaint();
    ui.GSchart->Repaint();
  }
}

void TForm1::Chart1AfterDraw(Canvas& canvas) {
  const AdiView v = AttitudeView();
  // The disc stands in for the chart's own pie series, drawn before the hook.
  DrawAttitudeDisc(canvas, v);
  DrawAttitudeOverlay(canvas, Sim, v);
}

void TForm1::Chart2AfterDraw(Canvas& canvas) { PaintChart2(canvas, Sim, {InstrSettings, CurrentGaugeInputs()}); }

void TForm1::Chart3AfterDraw(Canvas& canvas) { PaintChart3(canvas, Sim, {InstrSettings, CurrentGaugeInputs()}); }

void TForm1::chart4AfterDraw(Canvas& canvas) {
  DrawHeadingIndicator(canvas, Sim, InstrSettings, ui.chart4->width(), ui.chart4->height());
}

void TForm1::locchartAfterDraw(Canvas& canvas) {
  DrawLocaliserStrip(canvas, Sim, ui.locchart->width(), ui.locchart->height(), StripStep(ui.chart4->width()));
}

void TForm1::GSchartAfterDraw(Canvas& canvas) {
  DrawGlideslopeStrip(canvas, Sim, ui.GSchart->width(), ui.GSchart->height(), StripStep(ui.chart4->width()));
}

}  // namespace tvx
