#include "instruments/panel.h"

#include "instruments/adf.h"
#include "instruments/dial.h"
#include "instruments/gauges.h"
#include "instruments/hsi.h"
#include "instruments/layout.h"
#include "simulator/aircrafttype.h"
#include "instruments/vorindicators.h"

namespace tvx {

QVector<PanelStep> Chart2Steps(const SimState& s) {
  using P = PanelStep;
  if (IsRoundDialPanel(s.AircraftType))
    return {P::AirspeedDial, P::AirspeedNeedle, P::TurnCoordinatorDial, P::TurnCoordinatorAircraft};
  return {P::EFISSpeedTape};
}

QVector<PanelStep> Chart3Steps(const SimState& s) {
  using P = PanelStep;
  QVector<PanelStep> steps;
  if (IsRoundDialPanel(s.AircraftType)) {
    // The HSI covers the VSI cell while the map is shown.
    const bool vsi = !s.MapVisible;
    steps << P::AltimeterDial;
    if (vsi) steps << P::VSIDial;
    steps << P::ADFCard << P::VOR1Card << P::VOR2Card << P::AltimeterHands;
    if (vsi) steps << P::VSINeedle;
    steps << P::ADFNeedle << P::VOR1Needles << P::VOR2Needle;
  } else {
    steps << P::EFISVerticalSpeed << P::EFISAltitudeTape << P::VOR1Needles;
  }
  steps << P::RPMDial << P::EngineInstruments;
  return steps;
}

void RunPanelStep(Canvas& c, const SimState& s, const PanelInputs& in, PanelStep step) {
  switch (step) {
    case PanelStep::AirspeedDial: DrawAirspeedDial(c, s); return;
    case PanelStep::AirspeedNeedle: DrawAirspeedNeedle(c, s); return;
    case PanelStep::TurnCoordinatorDial: DrawTurnCoordinatorDial(c, s); return;
    case PanelStep::TurnCoordinatorAircraft: DrawTurnCoordinatorAircraft(c, s); return;
    case PanelStep::EFISSpeedTape: DrawEFISSpeedTape(c, s, in.Gauges); return;
    case PanelStep::AltimeterDial: DrawAltimeterDial(c, s); return;
    case PanelStep::VSIDial: DrawVSIDial(c, s); return;
    case PanelStep::ADFCard: DrawADFCard(c, s); return;
    case PanelStep::VOR1Card: DrawVOR1Card(c, s); return;
    case PanelStep::VOR2Card: DrawVOR2Card(c, s); return;
    case PanelStep::AltimeterHands: DrawAltimeterHands(c, s); return;
    case PanelStep::VSINeedle: DrawVSINeedle(c, s); return;
    case PanelStep::ADFNeedle: DrawADFNeedle(c, s, in.Options); return;
    case PanelStep::VOR1Needles: DrawVOR1Needles(c, s); return;
    case PanelStep::VOR2Needle: DrawVOR2Needle(c, s); return;
    case PanelStep::EFISVerticalSpeed: DrawEFISVerticalSpeed(c, s); return;
    case PanelStep::EFISAltitudeTape: DrawEFISAltitudeTape(c, s); return;
    case PanelStep::RPMDial: DrawRPMDial(c, s); return;
    case PanelStep::EngineInstruments: DrawEngineInstruments(c, s, in.Gauges); return;
  }
}

namespace {
void BlackFramePen(Canvas& c) {
  c.Pen.width = 1;
  c.Pen.color = clr::Black;
}
void Frame(Canvas& c, const SimState& s, int x0, int y0) {
  DrawCellFrame(c, x0, y0, s.CellSize, s.CellFrameMargin, s.CellFrameCornerCut);
}
}  // namespace

void PaintChart2(Canvas& c, const SimState& s, const PanelInputs& in, const PanelStepHook& beforeStep) {
  const int U = s.CellSize;
  if (IsRoundDialPanel(s.AircraftType)) {
    BlackFramePen(c);
    Frame(c, s, 0, 0);
    Frame(c, s, 0, 2 * U);
    c.Pen.color = clr::White;
    c.Pen.width = 1;
  }
  for (PanelStep step : Chart2Steps(s)) {
    if (beforeStep) beforeStep(step);
    RunPanelStep(c, s, in, step);
  }
}

void PaintChart3(Canvas& c, const SimState& s, const PanelInputs& in, const PanelStepHook& beforeStep) {
  const int U = s.CellSize;
  BlackFramePen(c);
  if (IsRoundDialPanel(s.AircraftType)) {
    for (int x0 : {0, 2 * U})
      for (int y0 : {0, 2 * U, 4 * U}) Frame(c, s, x0, y0);
  } else if (s.AircraftType == "SEP EFIS") {
    Frame(c, s, 2 * U, 0);
  }
  for (PanelStep step : Chart3Steps(s)) {
    if (beforeStep) beforeStep(step);
    RunPanelStep(c, s, in, step);
  }
}

void RefreshPanelState(SimState& s, const InstrOptions& o) {
  // The engine dial follows the type at every refresh; set only at window
  // creation, it would stay where the last type put it.
  SetEngineCentre(s);
  ComputeVor1Ils(s);
  // The jets' HSI shows the cross-track distance away from an ILS; it keeps
  // its last value otherwise.
  if (IsJet(s.AircraftType) && !s.IlsTuned) s.CrossTrackDistance = CrossTrackDistanceOf(s);
  s.AdfCardHeading = AdfCardHeadingFor(o.ADFRMI, s.Heading, s.AdfCardHeading);
  RefreshGauges(s);
}

}  // namespace tvx
