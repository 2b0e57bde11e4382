// The start-position panel: its checks and messages, the beacon search and
// automatic placement, FLY and STOP, and the switch panels' look.
#include <QDir>
#include <QFile>
#include <QtTest>
#include <cmath>

#include "areas/areamodel.h"
#include "platform/dataroot.h"
#include "platform/messages.h"
#include "simulator/flightfixture.h"
#include "simulator/form1.h"
#include "simulator/simstate.h"
#include "simulator/startpanel.h"
#include "support/testsupport.h"

using namespace tvx;

namespace {

QPointF StartPoint(double beaconX, double beaconY, double radial, double dme) {
  const double r = (radial - 90) * 3.141592653589793 / 180;
  return {beaconX + std::cos(r) * dme, beaconY + std::sin(r) * dme};
}

const QString kConfigHead = "Configuration does not correspond with altitude.\r\nAdjust altitude in STARTPOSITION panel! ";
const QString kStopQuestion = "STOP and RESET the Flight?\r\n\r\nTo PAUSE the Flight: Click CANCEL, then press [P]";

}  // namespace

class tst_StartPanel : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {
    test::UseTemporaryDataRoot();
    QVERIFY(EnsureDataRoot());  // the shipped FLY/STOP pictures
    TForm1::ClientSizeOverride = QSize(1600, 900);
    TForm1::ScreenSizeOverride = QSize(1600, 900);
  }

  void init() { ResetSimState(); }

  void beaconNameIsUpperCased() {
    TForm1 form;
    ScopedRecordingMessages msgs;
    form.ui.beaconinput->setText("aaa");
    form.leesinput();
    QVERIFY(!Sim.StartInputError);
    QVERIFY(msgs.entries.isEmpty());
    QCOMPARE(form.ui.beaconinput->text(), QString("AAA"));
    QCOMPARE(form.ui.Beaconmemo->toPlainText(), QString("VOR: \nFreq: 114.0"));
    QCOMPARE(Sim.StartBeaconKind, QString("VOR"));
    QCOMPARE(Sim.AircraftX, 3.0);
    QVERIFY(std::fabs(Sim.AircraftY) < 1e-12);
    QCOMPARE(Sim.Heading, 270.0);
    QCOMPARE(Sim.WindDirection, 240);
    QCOMPARE(Sim.WindSpeed, 20);
    QCOMPARE(Sim.Vor1Distance, 3.0);
  }

  void checksAndTheirMessages_data() {
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("message");  // empty: accepted
    const QString jet = "737";
    QTest::newRow("name too long") << "beaconinput" << "ABCDE" << jet << "ERROR: Name of Beacon is too long ";
    QTest::newRow("name empty") << "beaconinput" << "" << jet << "WARNING: This Beacon does not exist ";
    QTest::newRow("heading 360") << "HDGinput" << "360" << jet << "";
    QTest::newRow("heading 0") << "HDGinput" << "0" << jet << "";
    QTest::newRow("heading 361") << "HDGinput" << "361" << jet << "ERROR: Heading is not between 0 and 360 ";
    QTest::newRow("heading -1") << "HDGinput" << "-1" << jet << "ERROR: Heading is not between 0 and 360 ";
    QTest::newRow("heading 12.5") << "HDGinput" << "12.5" << jet << "ERROR: Heading is not correct ";
    QTest::newRow("altitude at elevation") << "Altitudeinput" << "120" << jet << "";
    QTest::newRow("altitude below elevation")
        << "Altitudeinput" << "119" << jet << "ERROR: Altitude is not between airport elevation (120 ft) and 41000 ft ";
    QTest::newRow("jet ceiling") << "Altitudeinput" << "41000" << jet << "";
    QTest::newRow("jet above ceiling")
        << "Altitudeinput" << "41001" << jet << "ERROR: Altitude is not between airport elevation (120 ft) and 41000 ft ";
    QTest::newRow("piston ceiling") << "Altitudeinput" << "9500" << "SEP EFIS" << "";
    QTest::newRow("piston above ceiling")
        << "Altitudeinput" << "9600" << "SEP" << "ERROR: Altitude is not between airport elevation (120 ft) and 9500 ft ";
    QTest::newRow("altitude text") << "Altitudeinput" << "3,000" << jet << "ERROR: Altitude is not correct ";
    QTest::newRow("radial 360") << "Radialinput" << "360" << jet << "";
    QTest::newRow("radial 361") << "Radialinput" << "361" << jet << "ERROR: Radial is not between 0 and 360 ";
    QTest::newRow("radial text") << "Radialinput" << "9O" << jet << "ERROR: Radial is not correct ";
    QTest::newRow("dme 2.5") << "DMEinput" << "2.5" << jet << "";
    QTest::newRow("dme 200") << "DMEinput" << "200" << jet << "";
    QTest::newRow("dme 200.1") << "DMEinput" << "200.1" << jet << "ERROR: DME is not between 0 and 200 ";
    QTest::newRow("dme -1") << "DMEinput" << "-1" << jet << "ERROR: DME is not between 0 and 200 ";
    QTest::newRow("dme text") << "DMEinput" << "three" << jet << "ERROR: DME is not correct ";
    QTest::newRow("wind direction 361")
        << "WINDWinput" << "361" << jet << "ERROR: Wind Direction is not between 0 and 360 ";
    QTest::newRow("wind direction text") << "WINDWinput" << "W" << jet << "ERROR: Wind Direction is not correct ";
    QTest::newRow("wind 60") << "WINDVinput" << "60" << jet << "";
    QTest::newRow("wind 61") << "WINDVinput" << "61" << jet << "ERROR: Wind is too strong to fly ";
    QTest::newRow("wind -1") << "WINDVinput" << "-1" << jet << "ERROR: Wind Velocity cannot be lower than 0 ";
    QTest::newRow("wind text") << "WINDVinput" << "calm" << jet << "ERROR: Wind Velocity is not correct ";
  }

  void checksAndTheirMessages() {
    QFETCH(QString, edit);
    QFETCH(QString, text);
    QFETCH(QString, type);
    QFETCH(QString, message);
    TForm1 form;
    Sim.AircraftType = type;
    auto* box = form.findChild<QLineEdit*>(edit);
    QVERIFY(box);
    box->setText(text);
    const double x = Sim.AircraftX, y = Sim.AircraftY;
    ScopedRecordingMessages msgs;
    form.leesinput();
    if (message.isEmpty()) {
      QVERIFY(msgs.entries.isEmpty());
      QVERIFY(!Sim.StartInputError);
    } else {
      QCOMPARE(msgs.Texts(), QStringList{message});
      QVERIFY(!msgs.entries[0].question);
      QVERIFY(Sim.StartInputError);
      QCOMPARE(form.focusWidget(), static_cast<QWidget*>(box));
      // A refused value leaves the aircraft where it was.
      QCOMPARE(Sim.AircraftX, x);
      QCOMPARE(Sim.AircraftY, y);
    }
  }

  void acceptedValuesBeforeARefusalStay() {
    TForm1 form;
    ScopedRecordingMessages msgs;
    form.ui.HDGinput->setText("200");
    form.ui.Altitudeinput->setText("5000");
    form.ui.WINDVinput->setText("99");
    form.ui.WINDWinput->setText("100");
    form.leesinput();
    QCOMPARE(msgs.Texts(), QStringList{"ERROR: Wind is too strong to fly "});
    QCOMPARE(Sim.Heading, 200.0);
    QCOMPARE(Sim.Altitude, 5000.0);
    QCOMPARE(Sim.WindDirection, 100);
    QCOMPARE(Sim.WindSpeed, 20);  // from the start
  }

  void baroStandardHysteresis() {
    TForm1 form;
    ScopedRecordingMessages msgs;
    const struct {
      const char* altitude;
      bool std;
    } steps[] = {{"18000", false}, {"18001", true}, {"10000", true}, {"6001", true},
                 {"6000", false},  {"10000", false}, {"30000", true}};
    for (const auto& step : steps) {
      form.ui.Altitudeinput->setText(step.altitude);
      form.leesinput();
      QCOMPARE(Sim.BaroStd, step.std);
    }
    QVERIFY(msgs.entries.isEmpty());
  }

  void automaticIlsStartOnTheLeft() {
    TForm1 form;
    ScopedRecordingMessages msgs;
    auto& ui = form.ui;
    ui.Autopos->setCurrentText("ON-LEFT");
    ui.beaconinput->setText("ila");
    form.leesinput();
    QVERIFY(!Sim.StartInputError);
    QCOMPARE(ui.Radialinput->text(), QString("93"));  // 270 + 183 - 360
    QCOMPARE(ui.HDGinput->text(), QString("300"));
    QCOMPARE(ui.DMEinput->text(), QString("12"));
    QCOMPARE(Sim.Obs1Course, 270);
    QCOMPARE(Sim.StartBeaconKind, QString("ILS"));
    QCOMPARE(ui.VOR1active->text(), QString("108.6"));
    QCOMPARE(ui.VOR1select->text(), QString("114.0"));
    QCOMPARE(ui.ADFactive->text(), QString("370"));
    QCOMPARE(ui.ADFselect->text(), QString("565"));
    QCOMPARE(ui.Beaconmemo->toPlainText(), QString("ILS: \nFreq: 108.6\nCourse: 270\nElevation: 120\n"
                                                   "-- Locator: --\n Name: LCA\n Freq: 370\n Dist:    4"));
    const AreaBeacon& ils = Areas.IlsList[0];
    const QPointF at = StartPoint(ils.X, ils.Y, 93, 12);
    QVERIFY(std::fabs(Sim.AircraftX - at.x()) < 1e-12);
    QVERIFY(std::fabs(Sim.AircraftY - at.y()) < 1e-12);
    QCOMPARE(Sim.Heading, 300.0);
  }

  void automaticIlsStartOnTheRightFrom4000Ft() {
    TForm1 form;
    ScopedRecordingMessages msgs;
    auto& ui = form.ui;
    ui.VOR1active->setText("108.6");  // already tuned: the ADF stays
    ui.Autopos->setCurrentText("ON-RIGHT");
    ui.Altitudeinput->setText("4000");
    ui.beaconinput->setText("ILA");
    form.leesinput();
    QCOMPARE(ui.Radialinput->text(), QString("87"));  // 270 + 177 - 360
    QCOMPARE(ui.HDGinput->text(), QString("240"));    // 270 + 330 - 360
    QCOMPARE(ui.DMEinput->text(), QString("15"));
    QCOMPARE(ui.ADFactive->text(), QString("565"));
  }

  void automaticHoldingAtAVor() {
    TForm1 form;
    ScopedRecordingMessages msgs;
    auto& ui = form.ui;
    ui.Autopos->setCurrentText("ON-RIGHT");
    ui.beaconinput->setText("BBB");
    ui.Radialinput->setText("270");
    ui.DMEinput->setText("9");
    form.leesinput();
    QCOMPARE(ui.DMEinput->text(), QString("3"));
    QCOMPARE(ui.HDGinput->text(), QString("90"));
    QCOMPARE(Sim.Obs1Course, 90);
    QCOMPARE(Sim.Obs2Course, 360);  // holding radial 180 + 180
    const AreaBeacon& bbb = Areas.VorList[1];
    QCOMPARE(Sim.HoldingX, bbb.X);
    QCOMPARE(Sim.HoldingY, bbb.Y);
    QCOMPARE(ui.VOR1active->text(), QString("114.6"));
    QCOMPARE(ui.VOR1select->text(), QString("114.0"));
    QCOMPARE(Sim.AircraftX, bbb.X - 3);  // 3 NM west, flying east
  }

  void automaticHoldingAtAnNdbKeepsCourseOne() {
    TForm1 form;
    ScopedRecordingMessages msgs;
    auto& ui = form.ui;
    Sim.Obs1Course = 45;
    ui.Autopos->setCurrentText("ON-LEFT");
    ui.beaconinput->setText("NNN");
    ui.Radialinput->setText("200");
    form.leesinput();
    QCOMPARE(ui.HDGinput->text(), QString("20"));
    QCOMPARE(Sim.Obs1Course, 45);
    QCOMPARE(ui.ADFactive->text(), QString("766"));
    QCOMPARE(ui.ADFselect->text(), QString("565"));
    QCOMPARE(ui.Beaconmemo->toPlainText(), QString("NDB: \nFreq: 766"));
    QCOMPARE(Sim.StartBeaconKind, QString("NDB"));
    QCOMPARE(Sim.HoldingX, Areas.NdbList[1].X);
  }

  // A radial outside 0..360 or no number is refused with its message before
  // the automatic holding start places anything from it (a radial of ten
  // digits once overflowed the inbound heading).
  void automaticHoldingRefusesABadRadialBeforePlacing_data() {
    QTest::addColumn<QString>("radial");
    QTest::addColumn<QString>("message");
    QTest::newRow("largest integer") << "2147483647" << "ERROR: Radial is not between 0 and 360 ";
    QTest::newRow("below zero") << "-2147483648" << "ERROR: Radial is not between 0 and 360 ";
    QTest::newRow("361") << "361" << "ERROR: Radial is not between 0 and 360 ";
    QTest::newRow("no number") << "north" << "ERROR: Radial is not correct ";
  }

  void automaticHoldingRefusesABadRadialBeforePlacing() {
    QFETCH(QString, radial);
    QFETCH(QString, message);
    for (const char* beacon : {"BBB", "NNN", "LCA"}) {
      TForm1 form;
      ScopedRecordingMessages msgs;
      auto& ui = form.ui;
      ui.Autopos->setCurrentText("ON-RIGHT");
      ui.beaconinput->setText(beacon);
      ui.Radialinput->setText(radial);
      ui.DMEinput->setText("9");
      ui.HDGinput->setText("45");
      Sim.Obs1Course = 11;
      Sim.Obs2Course = 22;
      Sim.HoldingX = 1.5;
      Sim.HoldingY = -2.5;
      form.leesinput();
      QVERIFY(Sim.StartInputError);
      QCOMPARE(msgs.Texts(), QStringList{message});
      QCOMPARE(ui.DMEinput->text(), QString("9"));
      QCOMPARE(ui.HDGinput->text(), QString("45"));
      QCOMPARE(Sim.Obs1Course, 11);
      QCOMPARE(Sim.Obs2Course, 22);
      QCOMPARE(Sim.HoldingX, 1.5);
      QCOMPARE(Sim.HoldingY, -2.5);
    }
  }

  void startAtTheLocator() {
    TForm1 form;
    ScopedRecordingMessages msgs;
    auto& ui = form.ui;
    ui.beaconinput->setText("LCA");
    ui.DMEinput->setText("0");
    form.leesinput();
    const QPointF at = LocatorPosition(Areas.IlsList[0]);
    QCOMPARE(Sim.AircraftX, at.x());
    QCOMPARE(Sim.AircraftY, at.y());
    QCOMPARE(ui.ADFactive->text(), QString("370"));
    QCOMPARE(ui.VOR1active->text(), QString("114.0"));
    QCOMPARE(ui.Beaconmemo->toPlainText(), QString("Locator: \nFreq: 370"));
    QCOMPARE(Sim.StartBeaconKind, QString("NDB"));
  }

  void runwayNameWithoutItsZero() {
    TForm1 form;
    ScopedRecordingMessages msgs;
    Areas.IlsList[0].Name = "09";
    form.ui.beaconinput->setText("9");
    form.leesinput();
    QVERIFY(msgs.entries.isEmpty());
    QCOMPARE(Sim.StartBeaconKind, QString("ILS"));

    // The leading "0" may be on the typed side too.
    form.ui.beaconinput->setText("009");
    form.leesinput();
    QVERIFY(msgs.entries.isEmpty());
    QCOMPARE(Sim.StartBeaconKind, QString("ILS"));
  }

  void missingBeaconFallsBackToVorOne() {
    TForm1 form;
    ScopedRecordingMessages msgs;
    form.ui.beaconinput->setText("xyz");
    form.leesinput();
    QCOMPARE(msgs.Texts(), QStringList{MissingBeaconWarning("Area1", "XYZ", "AAA")});
    QVERIFY(msgs.Texts()[0].startsWith("WARNING: This STARTPOSITION is not valid in AREA \"Area1\"."));
    QVERIFY(!Sim.StartInputError);
    QCOMPARE(form.ui.beaconinput->text(), QString("AAA"));
    QCOMPARE(form.ui.Beaconbox->currentText(), QString("AAA"));
    QCOMPARE(Sim.AircraftX, 3.0);  // 3 NM east of AAA
  }

  void missingBeaconInAnAreaWithoutVorOne() {
    TForm1 form;
    ScopedRecordingMessages msgs;
    Areas.VorList[0].Name.clear();
    const double x = Sim.AircraftX;
    form.ui.beaconinput->setText("XYZ");
    form.ui.HDGinput->setText("123");
    form.leesinput();
    QCOMPARE(msgs.entries.size(), 1);
    QVERIFY(Sim.StartInputError);
    QCOMPARE(Sim.Heading, 270.0);
    QCOMPARE(Sim.AircraftX, x);
  }

  // Choosing an automatic start in the list applies it at once and paints
  // the computed fields magenta; setting the box from code applies nothing.
  void autoposChoiceAppliesThePanel() {
    TForm1 form;
    ScopedRecordingMessages msgs;
    auto& ui = form.ui;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    ui.Autopos->setCurrentIndex(1);
    QCOMPARE(ui.DMEinput->text(), QString("3"));
    QCOMPARE(ui.HDGinput->text(), QString("270"));  // untouched by code
    ui.Autopos->setCurrentIndex(2);
    ui.Autopos->setFocus();
    QTest::keyClick(ui.Autopos, Qt::Key_Up);  // the user picks "ON-RIGHT"
    QCOMPARE(ui.Autopos->currentText(), QString("ON-RIGHT"));
    QCOMPARE(ui.HDGinput->text(), QString("270"));  // radial 090 + 180: inbound
    QCOMPARE(Sim.Obs1Course, 270);
    QCOMPARE(ui.DMEinput->palette().color(QPalette::Base), QColor(255, 0, 255));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(ui.Update));
  }

  // The FLY/STOP buttons must be reachable in both states: beside the map
  // while stopped, and with the start panel hidden while flying.
  void flyStopButtonsStayInView() {
    TForm1 form;
    ScopedRecordingMessages msgs;
    auto& ui = form.ui;
    form.resize(1600, 900);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const auto inView = [&](QWidget* w) {
      const QRect r(w->mapTo(ui.centralwidget, QPoint(0, 0)), w->size());
      if (!w->isVisibleTo(&form) || !ui.centralwidget->rect().contains(r)) return false;
      for (QWidget* other : {static_cast<QWidget*>(ui.MAPChart), static_cast<QWidget*>(ui.STARTPanel),
                             static_cast<QWidget*>(ui.Chart1), static_cast<QWidget*>(ui.Chart2),
                             static_cast<QWidget*>(ui.Chart3), static_cast<QWidget*>(ui.chart4),
                             static_cast<QWidget*>(ui.SYSTEEMPanel), static_cast<QWidget*>(ui.Staticpanel)})
        if (other->isVisibleTo(&form) && other->geometry().intersects(r)) return false;
      return true;
    };
    for (QRadioButton* type : {ui.Typegroup0, ui.Typegroup1, ui.Typegroup2}) {
      type->click();
      QVERIFY2(inView(ui.START) && inView(ui.Startbit), "stopped");
      form.STARTClick();
      QVERIFY(form.Timer->isActive());
      QVERIFY2(inView(ui.START) && inView(ui.Startbit), "flying");
      msgs.answers << DlgAnswer::Ok;
      form.STARTClick();
      QVERIFY(!form.Timer->isActive());
    }
  }

  void flyStartsTheFlight() {
    TForm1 form;
    ScopedRecordingMessages msgs;
    auto& ui = form.ui;
    Sim.PhysicsClock = Sim.SecondClock = Sim.TurnKeyClock = 0.7;
    Sim.BumpBankDirection = Sim.BumpPitchDirection = 0;
    ui.STARTPanel->resize(105, 65);
    const auto shows = [&](const char* glyph) {
      const QImage picture(MapPath(QString("C:\\Tarvinex\\Tarvinex Sim\\Navdata\\") + glyph));
      return !picture.isNull() && ui.Startbit->icon().pixmap(picture.size()).toImage().convertToFormat(
                                      QImage::Format_RGB32) == picture.convertToFormat(QImage::Format_RGB32);
    };
    QVERIFY(shows("start.bmp"));
    form.STARTClick();
    QVERIFY(msgs.entries.isEmpty());
    QVERIFY(form.Timer->isActive());
    for (QPushButton* b : {ui.START, ui.Startbit}) {
      QCOMPARE(b->text(), QString("STOP"));
      QCOMPARE(b->toolTip(), QString("Stop and reset the flight"));
    }
    QVERIFY(shows("stop.bmp"));
    QCOMPARE(ui.STARTPanel->size(), QSize(593, 257));
    QVERIFY(ui.STARTPanel->isHidden());
    for (QAction* menu : {ui.Exitmenu, ui.Areamenu, ui.Mapmenu, ui.Instrumentsmenu}) QVERIFY(!menu->isEnabled());
    QCOMPARE(Sim.PhysicsClock, 0.0);
    QCOMPARE(Sim.SecondClock, 0.0);
    QCOMPARE(Sim.TurnKeyClock, 0.0);
    QCOMPARE(Sim.BumpClock, 2.0);
    QCOMPARE(Sim.TurbulenceClock, 15.0);
    QCOMPARE(Sim.GustClock, 2.0);
    QVERIFY(Sim.BumpBankDirection == 1 || Sim.BumpBankDirection == 2);
    QVERIFY(Sim.BumpPitchDirection == 1 || Sim.BumpPitchDirection == 2);
    // The map gives way to the systems panel while flying.
    QVERIFY(!Sim.MapVisible);
    QVERIFY(ui.MAPChart->isHidden());
    QVERIFY(!ui.SYSTEEMPanel->isHidden());
  }

  void flyRefusedByThePanel() {
    TForm1 form;
    ScopedRecordingMessages msgs;
    form.ui.HDGinput->setText("400");
    form.STARTClick();
    QCOMPARE(msgs.Texts(), QStringList{"ERROR: Heading is not between 0 and 360 "});
    QVERIFY(!form.Timer->isActive());
    QCOMPARE(form.ui.START->text(), QString("FLY"));
    QVERIFY(!form.ui.STARTPanel->isHidden());
  }

  void flyRefusedByTheConfiguration() {
    TForm1 form;
    ScopedRecordingMessages msgs;
    test::LoadAircraft(Sim, test::PistonCruise());
    form.ui.Configbox->addItems({"Cruise - 115 kts", "Slow cruise - 90 kts", "Ldg config - 90 kts"});
    form.ui.Configbox->setCurrentIndex(0);
    form.ui.Altitudeinput->setText("1500");
    form.STARTClick();
    QCOMPARE(msgs.Texts(), QStringList{kConfigHead + "Set 1700 ft or higher."});
    QVERIFY(!form.Timer->isActive());
    QCOMPARE(form.ui.START->text(), QString("FLY"));
    msgs.Clear();
    form.ui.Altitudeinput->setText("1620");
    form.STARTClick();
    QVERIFY(msgs.entries.isEmpty());
    QVERIFY(form.Timer->isActive());
  }

  void takeoffConfigurationNeedsTheRunwayElevation() {
    TForm1 form;
    ScopedRecordingMessages msgs;
    test::LoadAircraft(Sim, test::JetVmd());
    for (int i = 0; i < 8; ++i) form.ui.Configbox->addItem(QString("preset %1").arg(i));
    form.ui.Configbox->setCurrentIndex(7);
    form.ui.Altitudeinput->setText("0120");
    form.STARTClick();
    QCOMPARE(msgs.Texts(), QStringList{kConfigHead + "Set runway elevation."});
    QVERIFY(!form.Timer->isActive());
  }

  void stopAsksAndCancelChangesNothing() {
    TForm1 form;
    ScopedRecordingMessages msgs;
    form.STARTClick();
    msgs.answers = {DlgAnswer::Cancel};
    form.STARTClick();
    QCOMPARE(msgs.entries.size(), 1);
    QCOMPARE(msgs.entries[0].text, kStopQuestion);
    QVERIFY(msgs.entries[0].question);
    QCOMPARE(msgs.entries[0].buttons, DlgButtons::OkCancel);
    QVERIFY(form.Timer->isActive());
    QCOMPARE(form.ui.START->text(), QString("STOP"));
  }

  void stopResetsTheFlight() {
    TForm1 form;
    ScopedRecordingMessages msgs;
    auto& ui = form.ui;
    test::LoadAircraft(Sim, test::JetVmd());
    form.STARTClick();
    for (int i = 0; i < 5; ++i) form.draairechts();
    AddTrackPoint(Sim, 1, 2, 3000);
    AddTrackPoint(Sim, 2, 2, 3000);
    Sim.PitchAttitude = 4;
    Sim.ChronoWhole = 12;
    Sim.ChronoSeconds = 12.3;
    Sim.Paused = true;
    ui.ChronoOutput->setText("0:12");
    ui.OM->SetBrush(ui.OM->BrushColor(), BrushStyle::Solid);
    msgs.answers = {DlgAnswer::Ok};
    form.STARTClick();
    QCOMPARE(msgs.Texts(), QStringList{kStopQuestion});
    QVERIFY(!form.Timer->isActive());
    for (QPushButton* b : {ui.START, ui.Startbit}) {
      QCOMPARE(b->text(), QString("FLY"));
      QCOMPARE(b->toolTip(), QString("Start flying now"));
    }
    QVERIFY(!ui.Startbit->icon().isNull());
    QVERIFY(!ui.STARTPanel->isHidden());
    QCOMPARE(ui.OM->Style(), BrushStyle::DiagCross);
    for (QAction* menu : {ui.Exitmenu, ui.Areamenu, ui.Mapmenu, ui.Instrumentsmenu}) QVERIFY(menu->isEnabled());
    QVERIFY(ui.Optionsmenu->isEnabled());
    QVERIFY(!Sim.Paused);
    QVERIFY(Sim.MapVisible);
    QVERIFY(!ui.MAPChart->isHidden());
    QCOMPARE(Sim.BankAngle, 0.0);
    QCOMPARE(ui.Chart1->Rotation, 0.0);
    QCOMPARE(Sim.AttitudeDiscRotation, 0.0);
    QCOMPARE(Sim.ChronoWhole, 0);
    QCOMPARE(Sim.ChronoSeconds, 0.0);
    QCOMPARE(ui.ChronoOutput->text(), QString("0"));
    QCOMPARE(Sim.TrackIndex, -1);
    for (const TrackPoint& p : Sim.TrackHistory) QVERIFY(p.Empty());
    // The start panel applied again, with one position step.
    QVERIFY(std::fabs(Sim.AircraftX - 3.0) < 0.01);
    QCOMPARE(Sim.Heading, 270.0);
  }

  void stopIsNeverRefusedByTheConfiguration() {
    TForm1 form;
    ScopedRecordingMessages msgs;
    test::LoadAircraft(Sim, test::JetVmd());
    for (int i = 0; i < 8; ++i) form.ui.Configbox->addItem(QString("preset %1").arg(i));
    form.ui.Configbox->setCurrentIndex(2);
    form.STARTClick();
    QVERIFY(form.Timer->isActive());
    form.ui.Configbox->setCurrentIndex(7);  // take-off preset chosen while flying at 3000 ft
    msgs.answers = {DlgAnswer::Ok};
    form.STARTClick();
    QCOMPARE(msgs.Texts(), QStringList{kStopQuestion});
    QVERIFY(!form.Timer->isActive());
    QCOMPARE(form.ui.START->text(), QString("FLY"));
  }

  void missingPicturesNeverStopFlyOrStop() {
    const QString start = MapPath("C:\\Tarvinex\\Tarvinex Sim\\Navdata\\start.bmp");
    const QString stop = MapPath("C:\\Tarvinex\\Tarvinex Sim\\Navdata\\stop.bmp");
    QVERIFY(QFile::rename(start, start + ".away"));
    QFile broken(stop);
    QVERIFY(QFile::rename(stop, stop + ".away"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a bitmap");
    broken.close();
    {
      TForm1 form;
      ScopedRecordingMessages msgs;
      form.STARTClick();
      QVERIFY(form.Timer->isActive());
      QVERIFY(form.ui.Startbit->icon().isNull());
      QVERIFY(form.ui.STARTPanel->isHidden());
      msgs.answers = {DlgAnswer::Ok};
      form.STARTClick();
      QVERIFY(!form.Timer->isActive());
      QVERIFY(form.ui.Startbit->icon().isNull());
      QCOMPARE(form.ui.START->text(), QString("FLY"));
      QCOMPARE(Sim.TrackIndex, -1);
    }
    QFile::remove(stop);
    QVERIFY(QFile::rename(start + ".away", start));
    QVERIFY(QFile::rename(stop + ".away", stop));
  }

  void switchPanelsLookPressedOrRaised() {
    TForm1 form;
    auto& ui = form.ui;
    ui.SYSTEEMPanel->show();
    ui.Ldglight->setText("ON");
    ui.CarbHeat->setText("OFF");
    ui.Fuelpump->setText("ON");
    form.DoeUpdate();
    QCOMPARE(ui.Ldglight->frameStyle(), int(QFrame::Panel | QFrame::Sunken));
    QCOMPARE(ui.CarbHeat->frameStyle(), int(QFrame::Panel | QFrame::Raised));
    QCOMPARE(ui.Fuelpump->frameStyle(), int(QFrame::Panel | QFrame::Sunken));

    // Pressed in: the bevel is dark at the top left and light at the bottom
    // right; raised the other way round.
    auto bevel = [](QLabel* sw) {
      const QImage image = test::Grab(sw);
      const int y = image.height() / 2;
      return qGray(image.pixel(0, y)) - qGray(image.pixel(image.width() - 1, y));
    };
    const QImage pressed = test::Grab(ui.Ldglight);
    test::SavePng(test::Grab(ui.Switchbox), "startpanel-switches");
    QVERIFY(bevel(ui.Ldglight) < 0);
    QVERIFY(bevel(ui.CarbHeat) > 0);
    ui.Ldglight->setText("OFF");
    form.DoeUpdate();
    QVERIFY(bevel(ui.Ldglight) > 0);
    QVERIFY(test::Grab(ui.Ldglight) != pressed);
  }

  void switchLooksStayWhenThePanelIsRefused() {
    TForm1 form;
    ScopedRecordingMessages msgs;
    form.ui.Ldglight->setText("ON");
    form.ui.HDGinput->setText("x");
    form.DoeUpdate();
    QCOMPARE(form.ui.Ldglight->frameStyle(), int(QFrame::Panel | QFrame::Raised));
  }

  void updateButtonsApplyThePanel() {
    TForm1 form;
    ScopedRecordingMessages msgs;
    form.ui.HDGinput->setText("123");
    form.ui.Update->click();
    QCOMPARE(Sim.Heading, 123.0);
    form.ui.HDGinput->setText("124");
    form.ui.Updatebit->click();
    QCOMPARE(Sim.Heading, 124.0);
    form.ui.Startbit->click();
    QVERIFY(form.Timer->isActive());
  }

  void panelHints() {
    TForm1 form;
    const auto& ui = form.ui;
    QCOMPARE(ui.beaconinput->toolTip(), QString("Name of beacon"));
    QCOMPARE(ui.Radialinput->toolTip(), QString("QDR/Radial: 0-360°"));
    QCOMPARE(ui.DMEinput->toolTip(), QString("Distance: 0-200 nm"));
    QCOMPARE(ui.HDGinput->toolTip(), QString("Heading: 0-360°"));
    QCOMPARE(ui.Altitudeinput->toolTip(), QString("Altitude"));
    QCOMPARE(ui.WINDWinput->toolTip(), QString("Wind Direction: 0-360°"));
    QCOMPARE(ui.WINDVinput->toolTip(), QString("Wind Velocity: 0-60 kt"));
    QCOMPARE(ui.Autopos->toolTip(), QString("Auto Holding / ILS"));
    QCOMPARE(ui.Beaconbox->toolTip(), QString("Select Beacon"));
    QCOMPARE(ui.Autopos->count(), 3);
    QCOMPARE(ui.Autopos->itemText(0), QString("ON-LEFT"));
    QCOMPARE(ui.Autopos->itemText(1), QString("ON-RIGHT"));
    QCOMPARE(ui.Autopos->itemText(2), QString("OFF"));
  }
};

QTEST_MAIN(tst_StartPanel)
#include "tst_startpanel.moc"
