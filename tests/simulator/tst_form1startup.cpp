// The simulator window right after creation.
#include <QtTest>

#include "areas/areamodel.h"
#include "simulator/form1.h"
#include "simulator/simstate.h"
#include "support/testsupport.h"

using namespace tvx;

class tst_Form1Startup : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {
    test::UseTemporaryDataRoot();
    TForm1::ClientSizeOverride = QSize(1600, 900);
    TForm1::ScreenSizeOverride = QSize(1600, 900);
  }

  void stateAfterCreation() {
    ResetSimState();
    TForm1 form;
    const SimState& s = Sim;
    QCOMPARE(form.windowTitle(), QString("Tarvinex Sim"));
    QCOMPARE(QCoreApplication::applicationName(), QString("Tarvinex"));
    QCOMPARE(s.TrackIndex, -1);
    for (const TrackPoint& p : s.TrackHistory) QVERIFY(p.Empty());
    QCOMPARE(s.OuterMarkerX, -999.0);
    QCOMPARE(s.OuterMarkerY, -999.0);
    QVERIFY(!form.Timer->isActive());
    QCOMPARE(form.Timer->interval(), 100);
    QCOMPARE(form.Timer->timerType(), Qt::PreciseTimer);
    QCOMPARE(s.Altitude, 3000.0);
    QCOMPARE(s.HoldingSide, QString("RIGHT"));
    QCOMPARE(s.HoldingRadial, 180);
    QCOMPARE(s.HoldingInboundCourse, 360);
    QCOMPARE(s.HoldingSpeed, 115);
    QCOMPARE(s.Minimums, 320);
    QCOMPARE(s.TakeoffState, QString("OFF"));
    QCOMPARE(s.MapPixelsPerNm, 20);
    QVERIFY(s.MapVisible);
    QVERIFY(!s.MapFullSize);
    QCOMPARE(s.AirportElevation, 120);
    QCOMPARE(s.StartBeaconKind, QString("VOR"));
    QCOMPARE(s.ClockStep, 0.1);
  }

  void startPanelAndRadiosFromInitpos() {
    ResetSimState();
    TForm1 form;
    const auto& ui = form.ui;
    QCOMPARE(ui.beaconinput->text(), QString("AAA"));
    QCOMPARE(ui.Radialinput->text(), QString("090"));
    QCOMPARE(ui.DMEinput->text(), QString("3"));
    QCOMPARE(ui.HDGinput->text(), QString("270"));
    QCOMPARE(ui.Altitudeinput->text(), QString("3000"));
    QCOMPARE(ui.WINDWinput->text(), QString("240"));
    QCOMPARE(ui.WINDVinput->text(), QString("20"));
    QCOMPARE(ui.VOR1active->text(), QString("114.0"));
    QCOMPARE(ui.ADFactive->text(), QString("565"));
    QCOMPARE(ui.ADFselect->text(), QString("766"));
    QCOMPARE(ui.Beaconbox->count(), 8);
    QCOMPARE(ui.Beaconbox->itemText(7), QString("LCA"));
    QCOMPARE(ui.Areanaampanel->text(), QString("Area1"));
    QCOMPARE(Areas.AreaName, QString("Area1"));
    QCOMPARE(ui.STARTPanel->pos(), QPoint(0, 0));
    QVERIFY(ui.MAPChart->isVisibleTo(&form));
    QVERIFY(!ui.vertmap->isVisibleTo(&form));
  }

  void initposEmptiesAnEarlierArea() {
    ResetSimState();
    TForm1 form;
    Areas.VorList[9].Name = "OLD";
    Areas.IlsList[5].Name = "27";
    form.Initpos();
    QVERIFY(!Areas.VorList[9].Used());
    QVERIFY(!Areas.IlsList[5].Used());
    QCOMPARE(Areas.VorList[0].Name, QString("AAA"));
  }

  void cellGridFromTheClientArea() {
    ResetSimState();
    TForm1 form;
    QCOMPARE(Sim.CellSize, 149);
    QCOMPARE(Sim.InstrumentRadius, 134);
    QCOMPARE(Sim.TickLengthShort, 10);
    QCOMPARE(Sim.TickLengthLong, 20);
    QCOMPARE(Sim.CardTickLengthShort, 7);
    QCOMPARE(Sim.CardTickLengthLong, 14);
    QCOMPARE(form.ui.MAPChart->geometry(), QRect(0, 2 * 149, 4 * 149, 4 * 149));
    QCOMPARE(Sim.MapCentreX, 2 * 149);
    QCOMPARE(form.ui.Chart1->geometry(), QRect(2 * 149, 0, 2 * 149, 2 * 149));
  }

  void windowPicture() {
    ResetSimState();
    TForm1 form;
    form.resize(1600, 900);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QImage image = test::Grab(&form);
    test::SavePng(image, "simulator-startup");
    // The window's background is the grey of the panel, outside every control.
    const QPoint probe(form.ui.centralwidget->mapTo(&form, QPoint(1590, 880)));
    QCOMPARE(QColor(image.pixel(probe)), QColor(0x80, 0x80, 0x80));
  }
};

QTEST_MAIN(tst_Form1Startup)
#include "tst_form1startup.moc"
