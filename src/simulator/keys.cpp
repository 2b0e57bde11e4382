#include "simulator/keys.h"

#include "platform/textutil.h"
#include "simulator/aircrafttype.h"

namespace tvx {

namespace {

constexpr Qt::KeyboardModifiers kHeldModifiers =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

ShortcutKey ShortcutOf(int key, bool keypad) {
  switch (key) {
    case Qt::Key_Left: return ShortcutKey::Left;
    case Qt::Key_Right: return ShortcutKey::Right;
    case Qt::Key_Up: return ShortcutKey::Up;
    case Qt::Key_Down: return ShortcutKey::Down;
    default: break;
  }
  if (!keypad) return ShortcutKey::None;
  switch (key) {
    case Qt::Key_Asterisk: return ShortcutKey::NumMultiply;
    case Qt::Key_Minus: return ShortcutKey::NumSubtract;
    case Qt::Key_Slash: return ShortcutKey::NumDivide;
    case Qt::Key_Plus: return ShortcutKey::NumAdd;
    default: return ShortcutKey::None;
  }
}

bool IsTurnKey(int key, ShortcutKey s) {
  return key == Qt::Key_C || key == Qt::Key_B || s == ShortcutKey::Left || s == ShortcutKey::Right;
}

bool IsPitchKey(int key, ShortcutKey s) {
  return key == Qt::Key_F || key == Qt::Key_V || s == ShortcutKey::Up || s == ShortcutKey::Down;
}

bool IsPowerKey(int key, ShortcutKey s) {
  return key == Qt::Key_O || key == Qt::Key_L || s == ShortcutKey::NumMultiply || s == ShortcutKey::NumSubtract ||
         s == ShortcutKey::NumDivide || s == ShortcutKey::NumAdd;
}

}  // namespace

ShortcutKey PressedShortcut(int key, Qt::KeyboardModifiers modifiers) {
  if (modifiers & kHeldModifiers) return ShortcutKey::None;
  return ShortcutOf(key, modifiers & Qt::KeypadModifier);
}

ShortcutKey ReleasedShortcut(int key, Qt::KeyboardModifiers modifiers) {
  return ShortcutOf(key, modifiers & Qt::KeypadModifier);
}

bool DesktopShortcut(int key, Qt::KeyboardModifiers modifiers) {
  if (key < Qt::Key_A || key > Qt::Key_Z) return false;
  if (modifiers & (Qt::AltModifier | Qt::MetaModifier)) return true;
  if (!(modifiers & Qt::ControlModifier)) return false;
  switch (key) {
    case Qt::Key_I:
    case Qt::Key_U:
    case Qt::Key_K:
    case Qt::Key_J:
    case Qt::Key_Y:
    case Qt::Key_G:
    case Qt::Key_H:
      return false;
    default:
      return true;
  }
}

bool FineStep(Qt::KeyboardModifiers modifiers) {
  const Qt::KeyboardModifiers held = modifiers & kHeldModifiers;
  return held == Qt::ShiftModifier || held == Qt::ControlModifier;
}

bool IsPlainEnter(int key, Qt::KeyboardModifiers modifiers) {
  const Qt::KeyboardModifiers held = modifiers & ~Qt::KeypadModifier;
  return (key == Qt::Key_Return || key == Qt::Key_Enter) && held == Qt::NoModifier;
}

int StepCourse(int course, int step) {
  int c = (course + step) % 360;
  if (c < 0) c += 360;
  return c;
}

int NextMapScale(int pixelsPerNm) { return pixelsPerNm >= 80 ? 5 : pixelsPerNm * 2; }

double NextVerticalMapScale(double scale) { return scale >= 4 ? 1 : scale + 1; }

int NextMenuItem(int ticked, int count) { return ticked < 0 ? 1 % count : (ticked + 1) % count; }

void SetPitchStep(SimState& s, bool noseUp) {
  if (IsPiston(s.AircraftType)) {
    s.AoaStep = 0.05;
    return;
  }
  const bool steep = s.BodyAngle > 8 || s.BodyAngle < -2;
  s.PathStep = steep || (noseUp && s.N1 > 88) ? 0.1 : 0.05;
}

FlyingKeyResult FlyingKeyDown(SimState& s, int key, ShortcutKey shortcut) {
  const bool ap = s.AutopilotEngaged;
  const auto moveHeading = [&s](double by) {
    s.SelectedHeading += by;
    s.SelectedHeadingWhole = WholeSelectedHeading(s.SelectedHeading);
    return FlyingKeyResult::SelectedHeading;
  };
  if (key == Qt::Key_C || shortcut == ShortcutKey::Left) {
    if (ap) return moveHeading(-1);
    s.TurnCommand = "links";
    return FlyingKeyResult::HeldCommand;
  }
  if (key == Qt::Key_B || shortcut == ShortcutKey::Right) {
    if (ap) return moveHeading(1);
    s.TurnCommand = "rechts";
    return FlyingKeyResult::HeldCommand;
  }
  if (key == Qt::Key_F || shortcut == ShortcutKey::Up) {
    if (ap) {
      if (s.SelectedVerticalSpeed > -4000) s.SelectedVerticalSpeed -= 100;
      return FlyingKeyResult::SelectedVerticalSpeed;
    }
    SetPitchStep(s, false);
    s.PitchCommand = "daal";
    return FlyingKeyResult::HeldCommand;
  }
  if (key == Qt::Key_V || shortcut == ShortcutKey::Down) {
    if (ap) {
      if (s.SelectedVerticalSpeed < 4000) s.SelectedVerticalSpeed += 100;
      return FlyingKeyResult::SelectedVerticalSpeed;
    }
    SetPitchStep(s, true);
    s.PitchCommand = "klim";
    return FlyingKeyResult::HeldCommand;
  }
  if (key == Qt::Key_O || shortcut == ShortcutKey::NumMultiply) {
    if (ap) {
      s.SelectedSpeed += 1;
      return FlyingKeyResult::SelectedSpeed;
    }
    s.PowerCommand = "increase";
    return FlyingKeyResult::HeldCommand;
  }
  if (key == Qt::Key_L || shortcut == ShortcutKey::NumSubtract) {
    if (ap) {
      s.SelectedSpeed -= 1;
      return FlyingKeyResult::SelectedSpeed;
    }
    s.PowerCommand = "decrease";
    return FlyingKeyResult::HeldCommand;
  }
  if (shortcut == ShortcutKey::NumDivide) {
    s.PowerCommand = "fastincrease";
    return FlyingKeyResult::HeldCommand;
  }
  if (shortcut == ShortcutKey::NumAdd) {
    s.PowerCommand = "fastdecrease";
    return FlyingKeyResult::HeldCommand;
  }
  return FlyingKeyResult::None;
}

bool FlyingKeyUp(SimState& s, int key, ShortcutKey released) {
  bool held = false;
  if (IsTurnKey(key, released)) {
    s.TurnCommand = "off";
    s.TurnKeyClock = 0;
    held = true;
  }
  if (IsPitchKey(key, released)) {
    s.PitchCommand = "off";
    s.PitchKeyClock = 0;
    held = true;
  }
  if (IsPowerKey(key, released)) {
    s.PowerCommand = "off";
    s.PowerKeyClock = 0;
    held = true;
  }
  return held;
}

void ReleaseAllHeldCommands(SimState& s) {
  s.TurnCommand = s.PitchCommand = s.PowerCommand = "off";
  s.TurnKeyClock = s.PitchKeyClock = s.PowerKeyClock = 0;
}

int WholeSelectedHeading(double selectedHeading) {
  // The selected heading itself is never wrapped; only its shown copy is.
  if (selectedHeading > 360) return RoundPixel(selectedHeading - 360);
  if (selectedHeading <= 0) return RoundPixel(selectedHeading + 360);
  return RoundPixel(selectedHeading);
}

QString HeadingLabelText(int heading) { return QStringLiteral("%1").arg(heading, 3, 10, QLatin1Char('0')); }

void HoldingKey(SimState& s, bool increase, Qt::KeyboardModifiers modifiers) {
  if (modifiers & Qt::ControlModifier) {
    s.HoldingSide = s.HoldingSide == "RIGHT" ? "LEFT" : "RIGHT";
    return;
  }
  const int step = modifiers & Qt::ShiftModifier ? 1 : 10;
  s.HoldingRadial = StepCourse(s.HoldingRadial, increase ? step : -step);
}

int HoldingInboundObs(int holdingRadial) {
  const int course = holdingRadial + 180;
  return course > 360 ? course - 360 : course;
}

PanelBox FoldExercisePanel(PanelBox box, int cellSize) {
  if (box.Height == cellSize) {
    box.Height = 2 * cellSize;
    if (box.Top == 5 * cellSize) box.Top = 4 * cellSize;
  } else {
    box.Height = cellSize;
    if (box.Top == 4 * cellSize) box.Top = 5 * cellSize;
  }
  return box;
}

}  // namespace tvx
