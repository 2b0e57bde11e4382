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
// The same, with `reservedRight` pixels along the client area's right edge
// (FLY/STOP) kept clear of the charts of every type on `screen`.
void ComputeCellLayout(SimState& s, double clientWidth, double clientHeight, const QSize& screen,
                       int reservedRight);

// Width of the right-hand chart and the systems panel of the glass panels.
int GlassPanelWidth(const QString& type, int cellSize, const QSize& screen);

// Right edge (exclusive) of the widest the charts get with cells of
// `cellSize` on `screen`, over every type and map state: the round-dial panel
// and the full-size map span eight cells, the jet's right-hand chart may
// reach further.
int WidestChartsRight(int cellSize, const QSize& screen);

// The cell size at most `cellSize` that keeps `reservedRight` pixels at the
// right of a client area `clientWidth` wide clear of the widest charts. The
// cells shrink only where the charts would reach in there: on a 4:3 or 5:4
// screen the width, not the height, bounds the grid.
int CellSizeLeavingRoom(int cellSize, int clientWidth, const QSize& screen, int reservedRight);

struct PanelPlacementInput {
  QString Type;
  int CellSize = 0;
  QSize Screen;
  bool MapVisible = true;
  int RadioPanelRight = 0;  // Left + Width of the radio panel inside the systems panel
  int FormWidth = 0;
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

// --- Panels standing over the instrument grid ---

// Where the jet's scenario panel stands. Beside the instrument charts, under
// FLY/STOP, where the client area leaves room for its full size; otherwise
// on the systems panel right of the flap box, just under the right-hand
// chart, in its compact form: the list in two columns, the drill controls
// below it, or below the autopilot panels where those would cover them.
// Where the window is too low for that, the list's rows close up and the
// controls' second row (warning panel, Reset) alone goes below the
// autopilot panels, which then stand over the empty space between the rows.
struct ScenarioPanelInput {
  QSize Client;             // the window's client area
  int ChartsRight = 0;      // right edge of the instrument charts (exclusive)
  int ChartsBottom = 0;     // bottom edge of the right-hand chart (exclusive)
  QRect SystemsPanel;       // `SYSTEEMPanel`, client pixels
  int FlapboxRight = 0;     // right edge of `flapbox` inside the systems panel
  int ButtonsBottom = 0;    // bottom edge of FLY/STOP (exclusive)
  QSize FullSize;           // the panel as designed
  int CompactListWidth = 0; // the list in two columns...
  int CompactListRows = 0;  // ...of this many rows...
  int CompactListFrame = 0; // ...with its title and bottom margin
  int CompactRowHeight = 0; // rows as designed; the shortest is 2 px less
  QSize CompactControls;    // the drill controls in two rows
  int ControlsSecondRow = 0;  // top of their second row
  QRect Autopilot;          // the A/P and EFIS panels in front of it; empty when hidden
};
struct ScenarioPanelPlace {
  QRect Panel;              // client pixels
  bool Compact = false;
  QPoint ListAt, ControlsAt;  // inside the panel, compact form only
  QSize ListSize;
  int RowHeight = 0;
  int SecondRowShift = 0;   // the controls' second row moved down by this
};
ScenarioPanelPlace PlaceScenarioPanel(const ScenarioPanelInput& in);

// The EFIS box beside the jet's A/P panel (at `mcp`): right of it, or left
// of it when the client area ends first.
QPoint EfisBoxPlace(const QRect& mcp, const QSize& efis, int clientWidth);

// Top of the flap-setting row: along the bottom of the systems panel, under
// the A/P panel of the jet.
int FlapSettingRowTop(int systemsPanelHeight, int rowHeight);

// The vertical profile across the top of the window, as wide as the client
// area (never wider: the window would cut it).
QRect ProfileRect(int cellSize, int clientWidth, int screenWidth);

// A panel's geometry kept in cells when the cell size changes: its top and
// height scale, its left and width stay.
QRect RescaledInCells(const QRect& r, int oldCell, int newCell);

// Centres of the attitude indicator and the HSI, from their charts' sizes.
void SetChartCentres(SimState& s, const QSize& chart1, const QSize& chart4);
// Centre of the engine dial for the current type.
void SetEngineCentre(SimState& s);

}  // namespace tvx
