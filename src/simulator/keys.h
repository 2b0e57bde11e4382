#pragma once
// The simulator's keys without the window: which key an event names, and what
// the flying, course, map and holding keys do to the flight state.
#include <QString>
#include <Qt>

#include "simulator/simstate.h"

namespace tvx {

// Keys known by their short-cut (the key with its modifiers) rather than by
// their code alone.
enum class ShortcutKey { None, Left, Right, Up, Down, NumMultiply, NumSubtract, NumDivide, NumAdd };

// The short-cut a key press reads as: the arrows, and the numpad's "*", "-",
// "/" and "+", only while no Shift, Ctrl, Alt or Meta is held. The keypad
// flag tells the numpad's keys from the main keyboard's.
ShortcutKey PressedShortcut(int key, Qt::KeyboardModifiers modifiers);

// The same keys whatever else is held: releasing a key always ends the held
// command it began, also when Shift went down in between.
ShortcutKey ReleasedShortcut(int key, Qt::KeyboardModifiers modifiers);

// The Enter key (main or keypad) with no Shift, Ctrl, Alt or Meta held.
bool IsPlainEnter(int key, Qt::KeyboardModifiers modifiers);

// A letter held with Ctrl, Alt or Meta belongs to the desktop (select all,
// copy, undo, a menu's access key), not to the simulator's commands; only
// Ctrl on the course keys I, U, K, J, on Y and on the holding keys G, H is
// the simulator's own. Plain and shifted letters and other keys never are.
bool DesktopShortcut(int key, Qt::KeyboardModifiers modifiers);

// Shift alone or Ctrl alone: the fine step of the stepping keys; no modifier
// or both give the coarse step.
bool FineStep(Qt::KeyboardModifiers modifiers);

// A course moved by `step` degrees, kept in 0..359.
int StepCourse(int course, int step);

// The map scale after the zoom key: 5, 10, 20, 40, 80, then 5 again.
int NextMapScale(int pixelsPerNm);

// The vertical profile's scale after its key: 1, 2, 3, 4, then 1 again.
double NextVerticalMapScale(double scale);

// The item after the one ticked in a menu of `count` exclusive items, the
// last followed by the first; with none ticked, the first counts as ticked.
int NextMenuItem(int ticked, int count);

// What a flying key changed, so that the window can refresh a read-out.
enum class FlyingKeyResult { None, HeldCommand, SelectedHeading, SelectedVerticalSpeed, SelectedSpeed };

// A flying key pressed while the flight runs: it sets a held command, or with
// the A/P engaged moves the A/P's target instead (the fast power commands
// are set in both cases). `key` is the key code, `shortcut` its short-cut.
FlyingKeyResult FlyingKeyDown(SimState& s, int key, ShortcutKey shortcut);

// Sets the size of the next pitch step before a nose-up or nose-down command.
void SetPitchStep(SimState& s, bool noseUp);

// A key released: its group's held command "off" and that clock 0. False
// when the key holds no command.
bool FlyingKeyUp(SimState& s, int key, ShortcutKey released);

// Every held command "off" and every held-command clock 0.
void ReleaseAllHeldCommands(SimState& s);

// The whole-degree selected heading shown by the A/P, in 1..360.
int WholeSelectedHeading(double selectedHeading);

// A heading as the A/P window shows it: three digits ("005", "045", "270").
QString HeadingLabelText(int heading);

// The holding keys (G decreases, H increases): with Ctrl the side toggles,
// else the radial steps by 10, or 1 with Shift, kept in 0..359.
void HoldingKey(SimState& s, bool increase, Qt::KeyboardModifiers modifiers);

// The VOR 2 course that flies the holding's inbound leg.
int HoldingInboundObs(int holdingRadial);

// Top and height of the exercise panel (pixels).
struct PanelBox {
  int Top = 0;
  int Height = 0;
};

// The exercise panel folded to one cell (and moved down a cell when it lay at
// the top of the fifth), or unfolded back to two cells.
PanelBox FoldExercisePanel(PanelBox box, int cellSize);

}  // namespace tvx
