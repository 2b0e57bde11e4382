#pragma once
// Where every control of the simulator window stands, as a function of the
// client area, the aircraft type and the panels' states. The window only
// applies what this computes (form1_layout.cpp), so the layout can be
// checked over every client size without a window.
#include <QRect>
#include <QSize>
#include <QString>
#include <string_view>
#include <vector>

namespace tvx {

// The smallest client area the panel is laid out for: below it the
// systems panel's contents would have to shrink past reading size.
inline constexpr QSize kSmallestPanelClient(1180, 610);

enum class MapPlace { Hidden, Beside, Full };

struct PanelLayoutInput {
  QSize Client;
  // "" until a type is chosen: the round-dial grid the window is made with.
  QString Type;
  MapPlace Map = MapPlace::Beside;
  // The exercise panel: at the top of the window (map exercises) or over
  // the systems panel, folded to one cell by the pilot, and asking a
  // question (answer box) rather than giving a task to fly. It is placed
  // whether shown or not, so that it stands right when an exercise shows it.
  bool ExerciseAtTop = false;
  bool ExerciseFolded = false;
  bool ExerciseQuestion = true;
  // The start panel's size (it folds to a strip from the menu).
  QSize StartPanel{593, 257};
};

// One control's rectangle in its parent's coordinates.
struct PlacedControl {
  const char* Name;    // the control's object name
  const char* Parent;  // "" for the window's client area
  QRect Rect;
};

struct PanelLayout {
  int CellSize = 0;
  int Chart1Zoom = 85;
  bool StripsShown = false;
  int MapLeft = 0;
  // The systems, autopilot and EFIS panels' contents, and their fonts,
  // shrink by this much where the cells leave them less room than designed.
  double ContentScale = 1.0;
  // The scenario list in two columns, its words a size smaller.
  bool ScenarioCompact = false;
  std::vector<PlacedControl> Controls;  // parents before their children

  // The rectangle of `name` in its parent's coordinates; empty when absent.
  QRect Of(std::string_view name) const;
  // The rectangle of `name` in client-area coordinates.
  QRect InClient(std::string_view name) const;
  const PlacedControl* Find(std::string_view name) const;
};

PanelLayout LayOutPanel(const PanelLayoutInput& in);

// The cell side for a client area: the grid's usual cell (CellSizeFor),
// made smaller until the grid of every type, with FLY/STOP and the jet's
// scenario panel beside it, fits the width.
int PanelCellSize(QSize client);

// Width of the right-hand chart and the systems panel of the glass panels.
int GlassPanelWidth(const QString& type, int cellSize, QSize client);

// The scenario list's items, top to bottom, as the window names them.
inline constexpr int kScenarioItems = 25;
const char* ScenarioItemName(int index);

}  // namespace tvx
