#include "simulator/keys.h"

#include <gtest/gtest.h>

#include "simulator/simstate.h"

namespace tvx {
namespace {

using M = Qt::KeyboardModifier;

TEST(KeyIdentity, ShortcutsOnlyWithoutModifiers) {
  struct Case {
    int key;
    Qt::KeyboardModifiers mods;
    ShortcutKey pressed;
    ShortcutKey released;
  };
  const Case cases[] = {
      {Qt::Key_Left, {}, ShortcutKey::Left, ShortcutKey::Left},
      {Qt::Key_Right, M::ShiftModifier, ShortcutKey::None, ShortcutKey::Right},
      {Qt::Key_Up, M::ControlModifier, ShortcutKey::None, ShortcutKey::Up},
      {Qt::Key_Down, M::AltModifier, ShortcutKey::None, ShortcutKey::Down},
      // The numpad's arrows (Num Lock off) are arrows too.
      {Qt::Key_Down, M::KeypadModifier, ShortcutKey::Down, ShortcutKey::Down},
      {Qt::Key_Asterisk, M::KeypadModifier, ShortcutKey::NumMultiply, ShortcutKey::NumMultiply},
      {Qt::Key_Minus, M::KeypadModifier, ShortcutKey::NumSubtract, ShortcutKey::NumSubtract},
      {Qt::Key_Slash, M::KeypadModifier, ShortcutKey::NumDivide, ShortcutKey::NumDivide},
      {Qt::Key_Plus, M::KeypadModifier, ShortcutKey::NumAdd, ShortcutKey::NumAdd},
      {Qt::Key_Plus, M::KeypadModifier | M::ShiftModifier, ShortcutKey::None, ShortcutKey::NumAdd},
      // The main keyboard's "*" (Shift+8), "-", "/" and "+" are not the numpad's.
      {Qt::Key_Asterisk, M::ShiftModifier, ShortcutKey::None, ShortcutKey::None},
      {Qt::Key_Minus, {}, ShortcutKey::None, ShortcutKey::None},
      {Qt::Key_Slash, {}, ShortcutKey::None, ShortcutKey::None},
      {Qt::Key_Plus, {}, ShortcutKey::None, ShortcutKey::None},
      {Qt::Key_C, {}, ShortcutKey::None, ShortcutKey::None},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PressedShortcut(c.key, c.mods), c.pressed) << std::hex << c.key << " " << c.mods.toInt();
    EXPECT_EQ(ReleasedShortcut(c.key, c.mods), c.released) << std::hex << c.key << " " << c.mods.toInt();
  }
}

TEST(KeyIdentity, LettersWithCtrlOrAltAreTheDesktops) {
  const M ctrl = M::ControlModifier, alt = M::AltModifier, shift = M::ShiftModifier;
  // Select all, copy, paste, undo, cut; a menu's access key; the Super key.
  for (int key : {Qt::Key_A, Qt::Key_C, Qt::Key_V, Qt::Key_Z, Qt::Key_X, Qt::Key_W, Qt::Key_O, Qt::Key_L})
    EXPECT_TRUE(DesktopShortcut(key, ctrl)) << key;
  EXPECT_TRUE(DesktopShortcut(Qt::Key_A, ctrl | shift));
  EXPECT_TRUE(DesktopShortcut(Qt::Key_E, alt));
  EXPECT_TRUE(DesktopShortcut(Qt::Key_I, alt));
  EXPECT_TRUE(DesktopShortcut(Qt::Key_H, alt | shift));
  EXPECT_TRUE(DesktopShortcut(Qt::Key_G, ctrl | alt));
  EXPECT_TRUE(DesktopShortcut(Qt::Key_Z, M::MetaModifier));
  // The combinations the simulator's keys name stay its own.
  for (int key : {Qt::Key_I, Qt::Key_U, Qt::Key_K, Qt::Key_J, Qt::Key_Y, Qt::Key_G, Qt::Key_H}) {
    EXPECT_FALSE(DesktopShortcut(key, ctrl)) << key;
    EXPECT_FALSE(DesktopShortcut(key, ctrl | shift)) << key;
  }
  // Plain and shifted letters, and keys that are no letters, are the simulator's.
  EXPECT_FALSE(DesktopShortcut(Qt::Key_A, {}));
  EXPECT_FALSE(DesktopShortcut(Qt::Key_A, shift));
  EXPECT_FALSE(DesktopShortcut(Qt::Key_C, shift | M::KeypadModifier));
  EXPECT_FALSE(DesktopShortcut(Qt::Key_Left, ctrl));
  EXPECT_FALSE(DesktopShortcut(Qt::Key_Plus, ctrl | M::KeypadModifier));
}

TEST(KeyIdentity, FineStepWithShiftOrCtrlAlone) {
  EXPECT_FALSE(FineStep({}));
  EXPECT_TRUE(FineStep(M::ShiftModifier));
  EXPECT_TRUE(FineStep(M::ControlModifier));
  EXPECT_FALSE(FineStep(M::ShiftModifier | M::ControlModifier));
  EXPECT_FALSE(FineStep(M::ShiftModifier | M::AltModifier));
  EXPECT_TRUE(FineStep(M::ShiftModifier | M::KeypadModifier));
}

TEST(Stepping, CoursesScalesAndMenus) {
  EXPECT_EQ(StepCourse(355, 10), 5);
  EXPECT_EQ(StepCourse(359, 1), 0);
  EXPECT_EQ(StepCourse(3, -10), 353);
  EXPECT_EQ(StepCourse(0, -1), 359);
  EXPECT_EQ(StepCourse(360, 10), 10);  // the start panel may leave 360
  EXPECT_EQ(StepCourse(360, -10), 350);

  int scale = 5;
  std::vector<int> scales;
  for (int i = 0; i < 6; ++i) scales.push_back(scale = NextMapScale(scale));
  EXPECT_EQ(scales, (std::vector<int>{10, 20, 40, 80, 5, 10}));

  double v = 1;
  std::vector<double> profile;
  for (int i = 0; i < 5; ++i) profile.push_back(v = NextVerticalMapScale(v));
  EXPECT_EQ(profile, (std::vector<double>{2, 3, 4, 1, 2}));

  EXPECT_EQ(NextMenuItem(0, 4), 1);
  EXPECT_EQ(NextMenuItem(3, 4), 0);
  EXPECT_EQ(NextMenuItem(-1, 4), 1);
  EXPECT_EQ(NextMenuItem(2, 3), 0);
}

TEST(FlyingKeys, HeldCommandsWithoutAutopilot) {
  struct Case {
    int key;
    ShortcutKey shortcut;
    const char* turn;
    const char* pitch;
    const char* power;
  };
  const Case cases[] = {
      {Qt::Key_C, ShortcutKey::None, "links", "off", "off"},
      {Qt::Key_Left, ShortcutKey::Left, "links", "off", "off"},
      {Qt::Key_B, ShortcutKey::None, "rechts", "off", "off"},
      {Qt::Key_Right, ShortcutKey::Right, "rechts", "off", "off"},
      {Qt::Key_F, ShortcutKey::None, "off", "daal", "off"},
      {Qt::Key_Up, ShortcutKey::Up, "off", "daal", "off"},
      {Qt::Key_V, ShortcutKey::None, "off", "klim", "off"},
      {Qt::Key_Down, ShortcutKey::Down, "off", "klim", "off"},
      {Qt::Key_O, ShortcutKey::None, "off", "off", "increase"},
      {Qt::Key_Asterisk, ShortcutKey::NumMultiply, "off", "off", "increase"},
      {Qt::Key_L, ShortcutKey::None, "off", "off", "decrease"},
      {Qt::Key_Minus, ShortcutKey::NumSubtract, "off", "off", "decrease"},
      {Qt::Key_Slash, ShortcutKey::NumDivide, "off", "off", "fastincrease"},
      {Qt::Key_Plus, ShortcutKey::NumAdd, "off", "off", "fastdecrease"},
      // Shifted arrows and the main keyboard's "*" are no flying keys.
      {Qt::Key_Left, ShortcutKey::None, "off", "off", "off"},
      {Qt::Key_Asterisk, ShortcutKey::None, "off", "off", "off"},
  };
  for (const Case& c : cases) {
    SimState s;
    s.AircraftType = "SEP";
    FlyingKeyDown(s, c.key, c.shortcut);
    EXPECT_EQ(s.TurnCommand, c.turn) << std::hex << c.key;
    EXPECT_EQ(s.PitchCommand, c.pitch) << std::hex << c.key;
    EXPECT_EQ(s.PowerCommand, c.power) << std::hex << c.key;
  }
}

TEST(FlyingKeys, AutopilotTargetsInstead) {
  SimState s;
  s.AutopilotEngaged = true;
  s.SelectedHeading = 360;
  EXPECT_EQ(FlyingKeyDown(s, Qt::Key_B, ShortcutKey::None), FlyingKeyResult::SelectedHeading);
  EXPECT_EQ(s.SelectedHeading, 361.0);
  EXPECT_EQ(s.SelectedHeadingWhole, 1);
  EXPECT_EQ(HeadingLabelText(s.SelectedHeadingWhole), "001");
  EXPECT_EQ(s.TurnCommand, "off");
  s.SelectedHeading = 1;
  FlyingKeyDown(s, Qt::Key_Left, ShortcutKey::Left);
  EXPECT_EQ(s.SelectedHeading, 0.0);
  EXPECT_EQ(s.SelectedHeadingWhole, 360);

  s.SelectedVerticalSpeed = -3900;
  FlyingKeyDown(s, Qt::Key_F, ShortcutKey::None);
  EXPECT_EQ(s.SelectedVerticalSpeed, -4000.0);
  FlyingKeyDown(s, Qt::Key_Up, ShortcutKey::Up);
  EXPECT_EQ(s.SelectedVerticalSpeed, -4000.0);
  s.SelectedVerticalSpeed = 3900;
  EXPECT_EQ(FlyingKeyDown(s, Qt::Key_V, ShortcutKey::None), FlyingKeyResult::SelectedVerticalSpeed);
  EXPECT_EQ(s.SelectedVerticalSpeed, 4000.0);
  FlyingKeyDown(s, Qt::Key_Down, ShortcutKey::Down);
  EXPECT_EQ(s.SelectedVerticalSpeed, 4000.0);
  EXPECT_EQ(s.PitchCommand, "off");

  s.SelectedSpeed = 250;
  FlyingKeyDown(s, Qt::Key_O, ShortcutKey::None);
  FlyingKeyDown(s, Qt::Key_Asterisk, ShortcutKey::NumMultiply);
  EXPECT_EQ(s.SelectedSpeed, 252.0);
  FlyingKeyDown(s, Qt::Key_L, ShortcutKey::None);
  EXPECT_EQ(s.SelectedSpeed, 251.0);
  EXPECT_EQ(s.PowerCommand, "off");
  // The fast power commands are set with the A/P too.
  FlyingKeyDown(s, Qt::Key_Slash, ShortcutKey::NumDivide);
  EXPECT_EQ(s.PowerCommand, "fastincrease");
  FlyingKeyDown(s, Qt::Key_Plus, ShortcutKey::NumAdd);
  EXPECT_EQ(s.PowerCommand, "fastdecrease");
}

TEST(FlyingKeys, WholeSelectedHeading) {
  EXPECT_EQ(WholeSelectedHeading(361), 1);
  EXPECT_EQ(WholeSelectedHeading(360), 360);
  EXPECT_EQ(WholeSelectedHeading(0), 360);
  EXPECT_EQ(WholeSelectedHeading(-5), 355);
  EXPECT_EQ(WholeSelectedHeading(45.4), 45);
  EXPECT_EQ(HeadingLabelText(45), "045");
  EXPECT_EQ(HeadingLabelText(270), "270");
}

TEST(FlyingKeys, PitchStepSize) {
  SimState s;
  s.AircraftType = "SEP EFIS";
  s.BodyAngle = 20;
  s.PathStep = 7;
  FlyingKeyDown(s, Qt::Key_V, ShortcutKey::None);
  EXPECT_EQ(s.AoaStep, 0.05);
  EXPECT_EQ(s.PathStep, 7.0);

  struct Case {
    double body, n1;
    bool noseUp;
    double step;
  };
  const Case jet[] = {
      {5, 50, true, 0.05}, {8, 50, false, 0.05}, {8.1, 50, false, 0.1}, {-2, 50, true, 0.05},
      {-2.1, 50, true, 0.1}, {5, 88, true, 0.05}, {5, 88.5, true, 0.1}, {5, 95, false, 0.05},
  };
  for (const Case& c : jet) {
    SimState j;
    j.AircraftType = "737";
    j.BodyAngle = c.body;
    j.N1 = c.n1;
    FlyingKeyDown(j, c.noseUp ? Qt::Key_V : Qt::Key_F, ShortcutKey::None);
    EXPECT_EQ(j.PathStep, c.step) << c.body << " " << c.n1 << " " << c.noseUp;
    EXPECT_EQ(j.AoaStep, 0.0);
  }
}

TEST(FlyingKeys, ReleaseEndsTheWholeGroup) {
  SimState s;
  s.TurnCommand = "rechts";  // begun with B
  s.TurnKeyClock = 1.2;
  s.PitchCommand = "klim";
  s.PowerCommand = "fastincrease";
  EXPECT_TRUE(FlyingKeyUp(s, Qt::Key_Left, ShortcutKey::Left));
  EXPECT_EQ(s.TurnCommand, "off");
  EXPECT_EQ(s.TurnKeyClock, 0.0);
  EXPECT_EQ(s.PitchCommand, "klim");
  EXPECT_FALSE(FlyingKeyUp(s, Qt::Key_I, ShortcutKey::None));
  EXPECT_EQ(s.PitchCommand, "klim");
  s.PitchKeyClock = 0.3;
  EXPECT_TRUE(FlyingKeyUp(s, Qt::Key_F, ShortcutKey::None));
  EXPECT_EQ(s.PitchCommand, "off");
  EXPECT_EQ(s.PitchKeyClock, 0.0);
  s.PowerKeyClock = 0.5;
  EXPECT_TRUE(FlyingKeyUp(s, Qt::Key_L, ShortcutKey::None));
  EXPECT_EQ(s.PowerCommand, "off");
  EXPECT_EQ(s.PowerKeyClock, 0.0);

  s.TurnCommand = s.PitchCommand = s.PowerCommand = "links";
  s.TurnKeyClock = s.PitchKeyClock = s.PowerKeyClock = 9;
  ReleaseAllHeldCommands(s);
  EXPECT_EQ(s.TurnCommand, "off");
  EXPECT_EQ(s.PitchCommand, "off");
  EXPECT_EQ(s.PowerCommand, "off");
  EXPECT_EQ(s.TurnKeyClock + s.PitchKeyClock + s.PowerKeyClock, 0.0);
}

TEST(HoldingKeys, SideAndRadial) {
  SimState s;
  s.HoldingSide = "LEFT";
  s.HoldingRadial = 180;
  HoldingKey(s, false, M::ControlModifier);
  EXPECT_EQ(s.HoldingSide, "RIGHT");
  EXPECT_EQ(s.HoldingRadial, 180);
  HoldingKey(s, true, M::ControlModifier | M::ShiftModifier);
  EXPECT_EQ(s.HoldingSide, "LEFT");
  s.HoldingSide = "";
  HoldingKey(s, true, M::ControlModifier);
  EXPECT_EQ(s.HoldingSide, "RIGHT");

  s.HoldingRadial = 5;
  HoldingKey(s, false, {});
  EXPECT_EQ(s.HoldingRadial, 355);
  HoldingKey(s, true, M::ShiftModifier);
  EXPECT_EQ(s.HoldingRadial, 356);
  s.HoldingRadial = 359;
  HoldingKey(s, true, M::ShiftModifier);
  EXPECT_EQ(s.HoldingRadial, 0);
  HoldingKey(s, true, {});
  EXPECT_EQ(s.HoldingRadial, 10);

  EXPECT_EQ(HoldingInboundObs(180), 360);
  EXPECT_EQ(HoldingInboundObs(190), 10);
  EXPECT_EQ(HoldingInboundObs(0), 180);
}

TEST(ExercisePanel, FoldsAndUnfolds) {
  const int c = 149;
  PanelBox low{4 * c, 2 * c};
  low = FoldExercisePanel(low, c);
  EXPECT_EQ(low.Top, 5 * c);
  EXPECT_EQ(low.Height, c);
  low = FoldExercisePanel(low, c);
  EXPECT_EQ(low.Top, 4 * c);
  EXPECT_EQ(low.Height, 2 * c);
  // At the top of the window it stays there.
  PanelBox top{0, 2 * c};
  top = FoldExercisePanel(top, c);
  EXPECT_EQ(top.Top, 0);
  EXPECT_EQ(top.Height, c);
  EXPECT_EQ(FoldExercisePanel(top, c).Height, 2 * c);
}

}  // namespace
}  // namespace tvx
