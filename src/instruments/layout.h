#pragma once
// The grid of square cells the instrument charts are laid out on, and where
// each chart goes for each aircraft type.
#include <QRect>
#include <QSize>
#include <QString>

#include "simulator/aircrafttype.h"
#include "simulator/simstate.h"

namespace tvx {

// The client area a maximised simulator window gets on a screen of `screen`
// size (the window is not sized yet when it is built).
QSize DefaultClientSize(const QSize& screen);

// Cell size, instrument radius, tick lengths and dial centres from the
// window's client size; computed once, at window creation.
void ComputeCellLayout(SimState& s, double clientWidth, double clientHeight);

// Width of the right-hand chart and the systems panel of the glass panels.
int GlassPanelWidth(const QString& type, int cellSize, const QSize& screen);

struct PanelPlacementInput {
  QString Type;
  int CellSize = 0;
  QSize Screen;
  bool MapVisible = true;
  int RadioPanelRight = 0;  // Left + Width of the radio panel inside the systems panel
  int FormWidth = 0;
  int MapWidth = 0;
};

// Geometry of the panel's controls for one aircraft type, in window client
// pixels.
struct PanelPlacement {
  QRect Chart1, Chart2, Chart3, chart4, SYSTEEMPanel, locchart, GSchart;
  int Chart1Zoom = 85;
  bool StripsShown = false;
  int MapLeft = 0;
};

PanelPlacement PlacePanel(const PanelPlacementInput& in);

// Step between the ILS strips' dots, taken from the width of the HSI chart.
int StripStep(int chart4Width);
// The localiser strip along the bottom of the attitude indicator and the
// glideslope strip along its right side.
void PlaceStrips(const QRect& chart1, const QRect& chart3, int chart4Width, QRect& loc, QRect& gs);

// Centres of the attitude indicator and the HSI, from their charts' sizes.
void SetChartCentres(SimState& s, const QSize& chart1, const QSize& chart4);
// Centre of the engine dial for the current type.
void SetEngineCentre(SimState& s);

}  // namespace tvx
