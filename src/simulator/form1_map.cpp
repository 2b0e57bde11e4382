// The moving map and the vertical profile on the simulator window: their
// paints and the three switches that place and show them. The switches never
// call one another: each uses the small steps below, so the profile and the
// full-size map never stand together and no switch runs inside another.
#include "areas/areamodel.h"
#include "areas/holding.h"
#include "instruments/mapdraw.h"
#include "instruments/mapprofile.h"
#include "platform/windowintent.h"
#include "simulator/form1.h"
#include "simulator/simstate.h"

namespace tvx {

namespace {

// The map beside the instruments, 4 x 4 cells. On a low window (cells under
// 129 px) its top reaches into the start panel: the panel's bottom row of
// buttons stays in front of it.
void PlaceMapAtNormalSize(TForm1& form) {
  Sim.MapFullSize = false;
  form.ApplyPanelLayout();
  form.ui.MAPChart->stackUnder(form.ui.STARTPanel);
}

// Back from full size to the state before it: normal size, or hidden.
void LeaveFullSize(TForm1& form) {
  PlaceMapAtNormalSize(form);
  if (!Sim.MapVisible) form.ui.MAPChart->hide();
}

// The window keeps its system menu while the map and profile come and go; a
// flag change re-creates a shown window, so it is made only when missing.
void GiveSystemMenuBack(TForm1& form) {
  const Qt::WindowFlags flags = form.windowFlags();
  if (!flags.testFlag(Qt::CustomizeWindowHint) || flags.testFlag(Qt::WindowSystemMenuHint)) return;
  const bool shown = form.isVisible();
  form.setWindowFlag(Qt::WindowSystemMenuHint, true);
  if (shown) ShowAsItStands(&form);
}

// Hides the profile and retunes VOR 1, which redraws the instruments.
void HideProfile(TForm1& form) {
  GiveSystemMenuBack(form);
  form.ui.vertmap->hide();
  form.Zoekfreq();
  form.TkOrvane();
}

// FLY/STOP stay usable over the profile and the full-size map.
void KeepFlyStopInFront(TForm1& form) {
  form.ui.START->raise();
  form.ui.Startbit->raise();
}

}  // namespace

void TForm1::ConnectMap() {
  ui.MAPChart->Color = clr::Black;
  ui.vertmap->Color = clr::Black;
}

bool TForm1::ProfileShown() const { return !ui.vertmap->isHidden(); }

void TForm1::RequestMapRepaint() {
  if (MapNeedsRepaint(Sim)) ui.MAPChart->Repaint();
  if (ProfileShown()) ui.vertmap->Repaint();
}

void TForm1::mapschakelaar() {
  SimState& s = Sim;
  PlaceMapAtNormalSize(*this);
  if (ProfileShown()) HideProfile(*this);
  if (s.MapVisible) {
    GiveSystemMenuBack(*this);
    s.MapVisible = false;
    ui.MAPChart->hide();
    ui.SYSTEEMPanel->show();
    // "SEP" puts the HSI back from the VSI's cell.
    ApplyPanelLayout();
    ui.Chart3->Repaint();
  } else {
    s.MapVisible = true;
    ui.MAPChart->show();
    ApplyPanelLayout();
    ui.MAPChart->Repaint();
  }
  TkHDG();
}

void TForm1::fullmapschakelaar() {
  SimState& s = Sim;
  if (ProfileShown()) HideProfile(*this);
  if (s.MapFullSize) {
    LeaveFullSize(*this);
    return;
  }
  s.MapFullSize = true;
  ApplyPanelLayout();
  ui.MAPChart->show();
  ui.MAPChart->raise();  // over every panel it now covers
  KeepFlyStopInFront(*this);
}

void TForm1::vertmapschakelaar() {
  if (Sim.MapFullSize) LeaveFullSize(*this);
  if (ProfileShown()) {
    HideProfile(*this);
  } else {
    ui.vertmap->show();
    ui.vertmap->raise();
    KeepFlyStopInFront(*this);
  }
}

void TForm1::MAPChartAfterDraw(Canvas& canvas) {
  DrawMap(canvas, ui.MAPChart->width(), ui.MAPChart->height(), Sim, Areas,
          HoldingWindow.Mapkeuze == kDrawHolding);
}

void TForm1::vertmapAfterDraw(Canvas& canvas) {
  const std::optional<ProfileApproach> approach = ChooseApproach(Areas.IlsList, ui.VOR1active->text(), Sim);
  DrawProfileChart(canvas, ui.vertmap->width(), ui.vertmap->height(), Sim, approach,
                   canvas.TextHeight("Runway") + 20);
}

}  // namespace tvx
