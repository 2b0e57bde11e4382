#pragma once
// The simulator window. Its state lives in `Sim` (simstate.h); the window
// holds the controls and wires them to the computation. The methods are
// defined in topical files: form1_startup.cpp, and one file per subject.
#include <QFont>
#include <QHash>
#include <QMainWindow>
#include <QSize>
#include <QTimer>
#include <functional>
#include <optional>

#include "instruments/attitude.h"
#include "instruments/gauges.h"
#include "platform/canvas.h"
#include "simulator/panellayout.h"
#include "simulator/startposfile.h"
#include "ui_form1.h"

namespace tvx {

class TJoystickex;

class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  // The controls, reachable by the other windows as the program's units expect.
  Ui::TForm1 ui;
  QTimer* Timer = nullptr;   // the 100 ms simulation tick
  QTimer* Timer2 = nullptr;  // the chronometer

  // Client and screen sizes that the layout is computed from; tests set these
  // before the window is built (a window on Linux is not sized yet then).
  static QSize ClientSizeOverride;
  static QSize ScreenSizeOverride;
  QSize ScreenSize() const;

  // --- Start-up ---
  // Each subject wires its own controls in its own file.
  void ConnectStartPanel();
  void ConnectRadios();
  void ConnectPanel();
  void ConnectTypes();
  void ConnectMap();
  void ConnectJoystick();
  void FormCreate();
  void Initpos();
  void FormPaint();

  // --- Start-position panel and FLY/STOP ---
  void leesinput();
  void DoeUpdate();
  void UpdateClick();
  void STARTClick();
  // The switch panels drawn pressed in when they read "ON", else raised.
  void ShowSwitchLooks();
  // The FLY/STOP picture of `Startbit` from the Navdata folder; none when the
  // file is missing or unreadable.
  void LoadStartGlyph(const QString& windowsPath);

  // --- Flight model ---
  void Winddriehoek();
  void Bratti();
  void Brpos();
  void draailinks();
  void draairechts();
  void Doeklimmen();
  void Doedalen();
  // The attitude indicator's disc turned to the rotation the bank step set.
  void ShowDiscRotation();

  // --- Simulation tick ---
  void TimerTimer();
  void doepauze();

  // --- Radios ---
  void Zoekfreq();
  void BrRadDme();
  void VOR1TransferClick();
  void VOR2TransferClick();
  void ADFTransferClick();
  // Key release in one of the three standby edits.
  void VOR1selectKeyUp(int key, Qt::KeyboardModifiers modifiers);

  // --- Keyboard ---
  void FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
  void FormKeyUp(int key, Qt::KeyboardModifiers modifiers);
  // Every held command back to "off": the window no longer gets the key-ups.
  void ReleaseHeldCommands();
  // Lets the window see every key before its controls do.
  void InstallKeyPreview();

  // --- Aircraft types, configurations and flaps ---
  void planetypeChange();
  void laadvlgtgparameters();
  void ConfigboxChange();
  void leesconfiguratie();
  void doeflaps();
  void UpDown1Click(bool up);
  void GearChange();
  // The checked item of the type selector, -1 when none; an index past the
  // three items stands for "320".
  int TypegroupIndex() const { return TypegroupItemIndex; }
  // Selects an item the way a click does: a change to any item but -1 runs
  // the type change.
  void SetTypegroupIndex(int index);
  int TypegroupItemIndex = -1;
  // What the gauges read from the window: screen size, FLY/STOP, the
  // joystick thrust option and the flap-setting labels.
  GaugeInputs CurrentGaugeInputs() const;

  // --- Autopilot ---
  void ConnectAutopilot();
  void APpanelClick();
  // One autopilot step in place of the held turn and pitch commands.
  void APcontrol();
  // The speed bug and its phase, every physics step.
  void doespeedbug();
  // The A/P panel shown for the jets, the EFIS box beside it.
  void PlaceAutopilotPanels();
  void baroknobClick();
  // The two minimums buttons share these; `plus` tells "+" from "-".
  void DAbugplusClick(bool plus);
  void DAbugplusKeyDown(bool plus, Qt::KeyboardModifiers modifiers);

  // --- Failure scenarios ---
  void ConnectScenarios();
  // A choice in the scenario list: checked against the flight, then armed.
  void FailuregroupClick(int index);
  // The checked item of the scenario list.
  int FailuregroupIndex() const;
  // The trigger fired: the scenario becomes active.
  void doefailure();
  // TCAS resolution advisory, then clear of conflict.
  void doefase3();
  void clearofconflict();
  // Ends any scenario and resets its panel.
  void endfailure();
  void SchrijfEicas();
  // The warning panel silences the sound that is playing.
  void EicasClick();
  // A click on one of the two engine fire switches.
  void EFS1Click(QLabel* fireSwitch);
  void FCS1Change();
  void ResetExClick();
  // The tick's trigger and end checks of the scenarios.
  void ScenarioChecks();

  // --- Turbulence and wind variation ---
  void ConnectTurbulence();
  // The tick's bumps and gusts.
  void TurbulenceStep();
  void NoturbClick();
  void LightturbClick();
  void ModerateturbClick();
  void SevereturbClick();
  // Ticks item `index` (0 none .. 3 severe) of the turbulence menu alone.
  void SelectTurbulence(int index);
  // The four items of the wind menu share one handler.
  void NowindClick(QAction* item);

  // --- Guidance ---
  void doelearn();

  // --- Menus, switches, chronometer ---
  void ConnectMenus();
  // What "Exit" and "Help" bring up besides this window: the main menu and
  // the keyboard-help window (which focuses its first control). The
  // program's start-up sets them; while unset, the entries leave the
  // simulator window as it is, so it never ends minimised or disabled with
  // nothing in front of it.
  static std::function<void()> ShowMainMenu;
  static std::function<void()> ShowKeyboardHelp;
  void MainmenuClick();
  void InstrumentsmenuClick();
  // A click on one of the switch panels `Ldglight`, `CarbHeat`, `Fuelpump`.
  void LdglightClick(QLabel* clicked);
  void CHRONOClick();
  void Timer2Timer();
  void parkbrakeChange();
  void GroupBox12Click();
  void GlideslopeUS1Click();
  void StartpositionmenuClick();
  // Enter released in the start beacon edit or one of the start panel's
  // other edits applies the panel.
  void beaconinputKeyUp(int key, Qt::KeyboardModifiers modifiers);
  void HDGinputKeyUp(int key, Qt::KeyboardModifiers modifiers);
  void helpmenuClick();
  void HelpClick();
  void Summary1Click();
  void IFRManual1Click();
  // Panel and menu items that do nothing.
  void TurnrateClick();
  void APLpanelClick();
  void LNAVpanelClick();
  void SPDupdownClick();
  void VNAVpanelClick();
  void tkFMA();
  void PerfTable1Click();
  void beaconinputEnter();
  void beaconinputExit();
  // The holding window from the menu and the start panel's button.
  void ConnectHoldingMenu();
  void MapmenuClick();
  // The area window: the menu item and the start panel's AREA button.
  void ConnectAreaMenu();
  void AreamenuClick();
  // A beacon chosen in the start panel's list becomes the start beacon.
  void BeaconboxChange();
  void AutoposChange();
  // The start panel's fields coloured: magenta where the automatic holding
  // or ILS start computes them, white elsewhere.
  void startkleur();

  // --- Start-position and flap-label files ---
  void ConnectStartPositions();
  // From the start-position folder, or from its jet exercises when
  // `jetlinerExercises` (the "Jetliner Ex." button).
  void LoadposClick(bool jetlinerExercises);
  void SaveposClick();
  // A start position read from a file put into the panel, the radios, the
  // levers and switches, the type and configuration, then applied.
  void ApplyStartPosition(const StartPosition& p);
  // The panel as the file stores it; nothing when the panel refused a value
  // or the attitude is no number (the reason has been shown).
  std::optional<StartPosition> CurrentStartPosition();
  void LoadflapsClick();
  // Key release in one of the five flap-label edits.
  void Equiflap0KeyUp(int key, Qt::KeyboardModifiers modifiers);
  void saveplaneClick();
  void loadplaneClick();

  // --- Joystick ---
  TJoystickex* Joystickex = nullptr;  // the joystick component, owned by the window
  void StartJoystick();
  // The tick's pacing of the stick's bank and pitch steps.
  void JoystickStepFlags();
  void JoystickexJoyMove(int XPos, int YPos, std::uint16_t ButtonStatus, bool IsCalibrating);
  void JoystickexJoyZMove(int ZPos, std::uint16_t ButtonStatus, bool IsCalibrating);
  void JoystickexButton1_Change(bool pressed, int Xpos, int YPos);
  // The "Joystick Thrust" menu item was clicked (the menu has toggled its mark).
  void joystickthrustClick();

  // --- Instrument panel ---
  // The client area the layout follows: the pinned size when set, the
  // window's own once shown, else the guess for a maximised window.
  QSize ClientArea() const;
  // What the layout is worked out from: the client area, the type and the
  // panels' states.
  PanelLayoutInput PanelState() const;
  // Every control where the layout puts it for the window's present state,
  // with the layout values the drawings read; called whenever the client
  // area, the type, the map or the exercise panel changes.
  void ApplyPanelLayout();
  void PlaceChartsAtCreation();
  // The charts and panels for the current type and map state.
  void PlaceChartsForType();
  // The cell grid and everything placed on it again for the client area the
  // window now has: a window manager settles a maximised window's size only
  // after it is shown, and may change it later.
  void LayOutForClientArea();
  // The exercise panel at the top of the window (map exercises) rather than
  // over the systems panel, and folded to one cell by the pilot.
  bool ExercisePanelAtTop = false;
  bool ExercisePanelFolded = false;
  // Computes what the panel shows (deviations, flags, filters) where the
  // panel is repainted, so that drawing only draws: every repaint request of
  // Chart3 runs it first. It ends by repainting the HSI (TkHDG).
  void RefreshPanel();
  // The attitude chart as it is now: size, zoom, the disc's shift and turn.
  AdiView AttitudeView() const;
  void TkADI();
  void TkOrvane();
  void TkHDG();
  void Chart1AfterDraw(Canvas& canvas);
  void Chart2AfterDraw(Canvas& canvas);
  void Chart3AfterDraw(Canvas& canvas);
  void chart4AfterDraw(Canvas& canvas);
  void locchartAfterDraw(Canvas& canvas);
  void GSchartAfterDraw(Canvas& canvas);

  // --- Map and profile ---
  void mapschakelaar();
  void fullmapschakelaar();
  void vertmapschakelaar();
  void MAPChartAfterDraw(Canvas& canvas);
  void vertmapAfterDraw(Canvas& canvas);
  // Asks for a paint of the map while it is shown (normal or full size) and
  // of the profile while it is shown: the tick's once-a-second repaint, and
  // what stands in for drawing a map layer outside a paint (A/P engage).
  void RequestMapRepaint();
  bool ProfileShown() const;

  // --- Exercise panel ---
  void ConnectExercisePanel();
  // Checks the typed answer and scores it.
  void ConfirmstaticClick();
  // Key release in the answer box.
  void StaticinputKeyUp(int key, Qt::KeyboardModifiers modifiers);
  // NEW EX.: another exercise of the same item, not counted.
  void CommandClick();
  // Ends the run and shows the exercises window with the score.
  void ENDstaticClick();
  // A flight runs while the FLY/STOP button shows anything but "FLY".
  bool SimulationRuns() const;
  // The task memo's background: white, red after a wrong answer.
  void SetExerciseMemoColour(const QColor& colour);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // The controls the layout places, by name, and the fonts of those that
  // shrink with it, as designed.
  QHash<QString, QWidget*> layoutWidgets_;
  QHash<QWidget*, QFont> designFonts_;
  bool clientAreaWatched_ = false;
};

// The simulator window, the program's main window.
extern TForm1* Form1;

}  // namespace tvx
