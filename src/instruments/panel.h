#pragma once
// The two panel dispatchers: which drawing procedures paint the left-hand
// (Chart2) and right-hand (Chart3) panel charts, in which order, and the
// refresh step that computes what the panel shows before it is painted.
#include <QVector>
#include <functional>

#include "areas/instroptions.h"
#include "instruments/gauges.h"
#include "platform/canvas.h"
#include "simulator/simstate.h"

namespace tvx {

enum class PanelStep {
  AirspeedDial,
  AirspeedNeedle,
  TurnCoordinatorDial,
  TurnCoordinatorAircraft,
  EFISSpeedTape,
  AltimeterDial,
  VSIDial,
  ADFCard,
  VOR1Card,
  VOR2Card,
  AltimeterHands,
  VSINeedle,
  ADFNeedle,
  VOR1Needles,
  VOR2Needle,
  EFISVerticalSpeed,
  EFISAltitudeTape,
  RPMDial,
  EngineInstruments,
};

// The procedures of each chart in the order they paint: on the round-dial
// panel all faces first, then all hands and needles.
QVector<PanelStep> Chart2Steps(const SimState& s);
QVector<PanelStep> Chart3Steps(const SimState& s);

// What a step reads besides the flight state: the instrument options and
// the gauges' inputs from the window.
struct PanelInputs {
  InstrOptions Options;
  GaugeInputs Gauges;
};

void RunPanelStep(Canvas& c, const SimState& s, const PanelInputs& in, PanelStep step);

// Cell frames, then the steps; `beforeStep`, where given, is told of each
// step before it paints, so that a recording can tell which procedure drew
// what.
using PanelStepHook = std::function<void(PanelStep)>;
void PaintChart2(Canvas& c, const SimState& s, const PanelInputs& in, const PanelStepHook& beforeStep = {});
void PaintChart3(Canvas& c, const SimState& s, const PanelInputs& in, const PanelStepHook& beforeStep = {});

// What the panel's drawings show but do not compute: the engine dial's
// centre for the current type, the VOR 1/ILS deviations and flags, the
// cross-track distance, the ADF card heading, the gauges' own state.
void RefreshPanelState(SimState& s, const InstrOptions& o);

}  // namespace tvx
