// Creation of the simulator window, its default position and area.
#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <algorithm>

#include "areas/area.h"
#include "areas/areamodel.h"
#include "instruments/layout.h"
#include "simulator/form1.h"
#include "simulator/simstate.h"
#include "simulator/windowsize.h"

namespace tvx {

TForm1* Form1 = nullptr;
QSize TForm1::ClientSizeOverride;
QSize TForm1::ScreenSizeOverride;

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
  Form1 = this;
  ui.setupUi(this);
  SetSimulatorWindowSizes(*this);
  Timer = new QTimer(this);
  Timer->setTimerType(Qt::PreciseTimer);
  connect(Timer, &QTimer::timeout, this, &TForm1::TimerTimer);
  Timer2 = new QTimer(this);
  Timer2->setTimerType(Qt::PreciseTimer);
  Timer2->setInterval(100);
  ui.Chart1->AfterDraw = [this](Canvas& c) { Chart1AfterDraw(c); };
  ui.Chart2->AfterDraw = [this](Canvas& c) { Chart2AfterDraw(c); };
  ui.Chart3->AfterDraw = [this](Canvas& c) { Chart3AfterDraw(c); };
  ui.chart4->AfterDraw = [this](Canvas& c) { chart4AfterDraw(c); };
  ui.MAPChart->AfterDraw = [this](Canvas& c) { MAPChartAfterDraw(c); };
  ui.vertmap->AfterDraw = [this](Canvas& c) { vertmapAfterDraw(c); };
  ConnectStartPanel();
  ConnectRadios();
  ConnectPanel();
  ConnectTypes();
  ConnectMap();
  ConnectJoystick();
  ConnectHoldingMenu();
  ConnectExercisePanel();
  ConnectAreaMenu();
  ConnectTurbulence();
  ConnectMenus();
  ConnectAutopilot();
  ConnectStartPositions();
  ConnectScenarios();
  FormCreate();
}

TForm1::~TForm1() {
  if (Form1 == this) Form1 = nullptr;
}

QSize TForm1::ScreenSize() const {
  if (ScreenSizeOverride.isValid()) return ScreenSizeOverride;
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->size() : QSize(1600, 900);
}

void TForm1::FormCreate() {
  SimState& s = Sim;
  s.VerticalMapScale = 1;
  s.MapFullSize = false;
  s.BumpInterval = 5.0;
  s.GustInterval = 5;

  StartJoystick();
  s.JoyCentreX = 100;
  s.JoyCentreY = 100;
  s.JoyAwaitCentre = true;

  QApplication::setApplicationName("Tarvinex");
  setWindowTitle("Tarvinex Sim");

  s.Altitude = 3000;
  laadvlgtgparameters();

  Timer->setInterval(100);
  s.TickSeconds = 0.1;
  s.KeyRepeatStep = 0.1;
  s.ClockStep = 0.1;

  s.CellMargin = 10;
  s.CellFrameMargin = 2;
  s.CellFrameCornerCut = 3 * 10;

  s.Obs1Course = 0;
  s.Obs2Course = 0;
  s.MapPixelsPerNm = 20;
  s.Vor1Radial = s.Vor2Radial = s.Vor1Distance = s.Vor2Distance = s.AdfQdr = 0;
  s.Heading = 0;
  s.WindDirection = 0;
  s.WindSpeed = 0;
  s.Vor1StationX = s.Vor1StationY = s.Vor2StationX = s.Vor2StationY = s.AdfStationX = s.AdfStationY = 0;
  s.OuterMarkerX = -999;
  s.OuterMarkerY = -999;

  s.HoldingX = 0;
  s.HoldingY = 0;
  s.HoldingSide = "RIGHT";
  s.HoldingRadial = 180;
  s.HoldingInboundCourse = 360;
  s.HoldingSpeed = 115;
  s.ChronoWhole = 0;
  s.ChronoSeconds = 0;
  s.BeaconTyping = false;

  Initpos();

  ClearTrackHistory(s);

  ui.Chart1->Rotation = 0;
  s.AttitudeDiscRotation = 0;
  ui.Chart1->VertOffset = 0;
  ui.Chart1->Elevation = 360;
  ui.Chart1->Zoom = 85;

  ui.MAPChart->hide();
  ui.vertmap->hide();
  s.MapLeft = 0;
  PlaceChartsAtCreation();
  s.AutopilotEngaged = false;
  s.BaroStd = false;

  ui.STARTPanel->move(0, 0);

  s.StartBeaconKind = "VOR";
  Areas.AreaName = "Area1";

  s.FailurePhase = 0;
  s.ScenarioTrigger = 0;
  s.ScenarioClock = 0;
  s.OneEngineOut = false;
  s.TakeoffState = "OFF";

  s.Minimums = 320;

  leesinput();
  Brpos();

  s.MapVisible = true;
  ui.MAPChart->show();
}

void TForm1::Initpos() {
  SimState& s = Sim;
  Areas.AreaName = "Area1";
  if (Area) Area->setWindowTitle("AREA: " + Areas.AreaName);
  ui.Areanaampanel->setText(Areas.AreaName);

  ui.Beaconbox->clear();
  ui.Beaconbox->addItems({"AAA", "BBB", "CCC", "MMM", "NNN", "PPP", "ILA", "LCA"});
  ui.beaconinput->setText("AAA");
  ui.Beaconbox->setCurrentText(ui.beaconinput->text());

  s.Paused = false;

  ui.VOR1active->setText("114.0");
  ui.VOR2active->setText("114.0");
  ui.ADFactive->setText("565");
  ui.VOR1select->setText("114.6");
  ui.VOR2select->setText("114.6");
  ui.ADFselect->setText("766");

  s.IlsTuned = false;
  s.Vor1Received = true;
  s.Vor2Received = true;
  s.AdfReceived = true;
  s.OverOuterMarker = false;
  s.AirportElevation = 120;

  ui.HDGinput->setText("270");
  ui.Altitudeinput->setText("3000");
  ui.WINDWinput->setText("240");
  ui.WINDVinput->setText("20");
  ui.beaconinput->setText("AAA");
  ui.Radialinput->setText("090");
  ui.DMEinput->setText("3");

  s.CourseLineShown = false;
  s.CourseLineX = 0;
  s.CourseLineY = 0;
  s.CourseLineCourse = 0;
  s.GlideslopeOff = false;
  ui.GlideslopeUS1->setChecked(false);

  FillDefaultArea(Areas);
  BrVORXY(Areas.VorList, Areas.NdbList, Areas.IlsList);
  Zoekfreq();
  DoeUpdate();
}

void TForm1::FormPaint() { BrRadDme(); }

void TForm1::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(rect(), QColor(0x80, 0x80, 0x80));
  QMainWindow::paintEvent(event);
  FormPaint();
}

}  // namespace tvx
