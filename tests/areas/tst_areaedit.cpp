// Adding, deleting and editing beacons in the area window, its tabs, and the
// simulator's ways into it.
#include <QtTest>

#include "areas/areaedit.h"
#include "areas/holding.h"
#include "areas/mapform.h"
#include "areas/areawindowfixture.h"
#include "platform/messages.h"

using namespace tvx;

namespace {

void TypeBeacon(Ui::TArea& ui, const QString& name, const QString& freq, const QString& ns, const QString& latDeg,
                const QString& latMin, const QString& ew, const QString& lonDeg, const QString& lonMin) {
  ui.Naam->setText(name);
  ui.Freq->setText(freq);
  ui.NS->setEditText(ns);
  ui.Latdeg->setText(latDeg);
  ui.Latmin->setText(latMin);
  ui.EW->setEditText(ew);
  ui.Longdeg->setText(lonDeg);
  ui.Longmin->setText(lonMin);
}

}  // namespace

class tst_AreaEdit : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { test::PrepareAreaWindowTests(); }

  void addingAVorListsItProjectsItAndRetunes() {
    test::AreaWindows w;
    auto& ui = w.ui();
    ScopedRecordingMessages messages;
    w.form->ui.VOR1active->setText("113.5");
    TypeBeacon(ui, "ddd", "113.5", "N", "40", "30", "W", "20", "30");
    ui.addbit->click();

    QVERIFY(messages.entries.isEmpty());
    const AreaBeacon& d = Areas.VorList[3];
    QCOMPARE(d.Name, QString("DDD"));
    QCOMPARE(d.Frequency, QString("113.5"));
    QCOMPARE(d.Y, -30.0);  // 30' north of VOR 1
    QVERIFY(d.X < 0);  // 30' of longitude further west
    QCOMPARE(test::MemoLines(ui.VORmemo)[3], QString("4  DDD  113.5   N40 30    W020 30        "));
    QVERIFY(Areas.AreaModified);
    QVERIFY(!Areas.AreaInputError);
    // The typed texts go; degrees and hemispheres stay for the next beacon.
    for (QLineEdit* e : {ui.Naam, ui.Freq, ui.Latmin, ui.Longmin}) QVERIFY(e->text().isEmpty());
    QCOMPARE(ui.Latdeg->text(), QString("40"));
    QCOMPARE(ui.Longdeg->text(), QString("20"));
    QCOMPARE(ui.NS->currentText(), QString("N"));
    QCOMPARE(ui.Vardeg->text(), QString("0"));
    QCOMPARE(ui.VarEW->currentText(), QString("W"));
    // The simulator heard the new station and waits behind the area window.
    QVERIFY(Sim.Vor1Received);
    QCOMPARE(Sim.Vor1StationY, -30.0);
    QVERIFY(!w.form->isEnabled());
    QVERIFY(w.area->isVisible());
  }

  void refusedAddReportsFocusesAndKeepsTheList() {
    test::AreaWindows w;
    auto& ui = w.ui();
    ScopedRecordingMessages messages;
    const QByteArray before = EncodeAreaFile(Areas.VorList, Areas.NdbList, Areas.IlsList);
    TypeBeacon(ui, "ddd", "1234567", "N", "40", "30", "W", "20", "30");
    ui.addbit->click();
    QCOMPARE(messages.Texts(), (QStringList{"ERROR: FREQUENCY INPUT IS TOO LONG ",
                                            "ERROR: FREQUENCY IS NOT BETWEEN 108.0 AND 118.0"}));
    QCOMPARE(QApplication::focusWidget(), ui.Freq);
    QVERIFY(Areas.AreaInputError);
    QVERIFY(!Areas.AreaModified);
    QCOMPARE(EncodeAreaFile(Areas.VorList, Areas.NdbList, Areas.IlsList), before);
    QCOMPARE(ui.Freq->text(), QString("1234567"));
    QCOMPARE(ui.Naam->text(), QString("ddd"));  // its check never ran

    // The plain button under the picture button adds too; the name is
    // written back upper-cased when its check runs.
    messages.Clear();
    ui.Freq->setText("113.5");
    ui.Naam->setText("toolong");
    ui.ADD->click();
    QCOMPARE(messages.Texts(), QStringList{"ERROR: NAME IS TOO LONG "});
    QCOMPARE(ui.Naam->text(), QString("TOOLONG"));
    QCOMPARE(QApplication::focusWidget(), ui.Naam);

    // A full list refuses at once.
    messages.Clear();
    for (AreaBeacon& b : Areas.VorList) b.Name = "V";
    ui.Naam->setText("X");
    ui.addbit->click();
    QCOMPARE(messages.Texts(), QStringList{"ERROR: LIST IS FULL. UNABLE TO ADD BEACON "});
  }

  void tabsSetTheirTextsLimitsAndLists() {
    test::AreaWindows w;
    auto& ui = w.ui();
    QVERIFY(ui.ILSbox->isHidden());
    QCOMPARE(Areas.FreqMax, 118);
    ui.Areapage->setCurrentIndex(kNdbTab);
    QCOMPARE(ui.addbit->text(), QString("&Add NDB"));
    QCOMPARE(ui.removebit->text(), QString("&Delete NDB"));
    QCOMPARE(ui.Editbit->text(), QString("&Edit NDB"));
    QCOMPARE(ui.ADD->text(), QString("&ADD NDB"));
    QCOMPARE(ui.remove->text(), QString("&REMOVE NDB"));
    QCOMPARE(ui.Editbutton->text(), QString("&EDIT NDB"));
    QCOMPARE(ui.Freq->toolTip(), QString("190 - 1750"));
    QCOMPARE(Areas.FreqMin, 190);
    QCOMPARE(Areas.FreqMax, 1750);
    QCOMPARE(test::MemoLines(ui.NDBmemo)[0], QString("1  MMM  565     N39 55    W019 50        "));
    QCOMPARE(Areas.EditList[0].Name, QString("MMM"));
    QVERIFY(ui.ILSbox->isHidden());

    ui.Areapage->setCurrentIndex(kIlsTab);
    QVERIFY(!ui.ILSbox->isHidden());
    QCOMPARE(ui.Naamlabel->text(), QString("Runway"));
    QCOMPARE(ui.Naam->toolTip(), QString("Runway name"));
    QCOMPARE(Areas.FreqMax, 112);
    QCOMPARE(test::MemoLines(ui.ILSmemo)[0],
             QString("1  ILA  108.6   N40 00    W019 58        270  120   4     LCA   370"));
    QCOMPARE(test::MemoLines(ui.ILSmemo).size(), 15);

    ui.Areapage->setCurrentIndex(kVorTab);
    QCOMPARE(ui.Naamlabel->text(), QString("Name"));
    QCOMPARE(ui.Naam->toolTip(), QString("Lettercode"));
    QVERIFY(ui.ILSbox->isHidden());
  }

  void addingARunwayWithItsLocator() {
    test::AreaWindows w;
    auto& ui = w.ui();
    ScopedRecordingMessages messages;
    ui.Areapage->setCurrentIndex(kIlsTab);
    TypeBeacon(ui, "27", "110.3", "N", "40", "0", "W", "20", "5");
    ui.course->setText("92");
    ui.Elev->setText("12");
    ui.lctrnaam->setText("om");
    ui.lctrfreq->setText("350");
    ui.lctrdist->setText("4.5");
    ui.addbit->click();
    QVERIFY2(messages.entries.isEmpty(), qPrintable(messages.Texts().join('|')));
    const AreaBeacon& r = Areas.IlsList[1];
    QCOMPARE(r.Name, QString("27"));
    QCOMPARE(r.LocatorName, QString("OM"));
    QCOMPARE(r.LocatorDistance, 4.5);
    QCOMPARE(test::MemoLines(ui.ILSmemo)[1],
             QString("2  27   110.3   N40 00    W020 05        092  12    4.5   OM    350"));
    for (QLineEdit* e : {ui.course, ui.Elev, ui.lctrnaam, ui.lctrfreq, ui.lctrdist}) QVERIFY(e->text().isEmpty());

    // A wrong course gives its message and the runway stays out.
    messages.Clear();
    TypeBeacon(ui, "36", "110.5", "N", "40", "0", "W", "20", "5");
    ui.course->setText("400");
    ui.addbit->click();
    QCOMPARE(messages.Texts(), QStringList{"ERROR: COURSE IS NOT BETWEEN 0 AND 360"});
    QCOMPARE(QApplication::focusWidget(), ui.course);
    QVERIFY(!Areas.IlsList[2].Used());
  }

  void deleteAsksThenMovesTheLaterSlotsUp() {
    test::AreaWindows w;
    auto& ui = w.ui();
    ScopedRecordingMessages messages;
    const AreaBeacon ccc = Areas.VorList[2];
    ui.removeinput->setText("1");
    messages.answers << DlgAnswer::Cancel;
    ui.removebit->click();
    QCOMPARE(messages.Texts(), QStringList{"Delete Beacon: AAA ?"});
    QCOMPARE(messages.entries[0].buttons, DlgButtons::OkCancel);
    QCOMPARE(Areas.VorList[0].Name, QString("AAA"));
    QVERIFY(!Areas.AreaModified);

    messages.Clear();
    ui.remove->click();  // the plain button under it deletes too
    // The simulator, redrawn, no longer finds its start beacon and says so.
    QCOMPARE(messages.Texts().size(), 2);
    QCOMPARE(messages.Texts()[0], QString("Delete Beacon: AAA ?"));
    QVERIFY(messages.Texts()[1].startsWith("WARNING: This STARTPOSITION is not valid in AREA \"Area1\""));
    QCOMPARE(w.form->ui.beaconinput->text(), QString("BBB"));
    QCOMPARE(Areas.VorList[0].Name, QString("BBB"));
    QCOMPARE(Areas.VorList[1].Name, QString("CCC"));
    QVERIFY(!Areas.VorList[2].Used());
    // The former VOR 2 is the new origin: every position moves.
    QCOMPARE(Areas.VorList[0].X, 0.0);
    QCOMPARE(Areas.VorList[0].Y, 0.0);
    QCOMPARE(Areas.VorList[1].Y, ccc.Y - 4.0);
    QVERIFY(ui.removeinput->text().isEmpty());
    QVERIFY(Areas.AreaModified);
    QCOMPARE(test::MemoLines(ui.VORmemo)[0].left(6), QString("1  BBB"));
    QCOMPARE(test::MemoLines(ui.VORmemo)[2], QString("3"));
    QVERIFY(!w.form->isEnabled());
  }

  void editTakesTheBeaconBackIntoTheInputs() {
    test::AreaWindows w;
    auto& ui = w.ui();
    ScopedRecordingMessages messages;
    ui.Areapage->setCurrentIndex(kIlsTab);
    const QString line = test::MemoLines(ui.ILSmemo)[0];
    ui.removeinput->setText("1");
    ui.Editbit->click();
    QCOMPARE(messages.Texts(), (QStringList{"Edit Beacon: ILA ?",
                                            "Caution: Beacon has been removed from the list.\r\n"
                                            "Edit the beacon and ADD it again to the list!"}));
    QVERIFY(!Areas.IlsList[0].Used());
    QCOMPARE(ui.Naam->text(), QString("ILA"));
    QCOMPARE(ui.Freq->text(), QString("108.6"));
    QCOMPARE(ui.Latmin->text(), QString(" 0.0"));
    QCOMPARE(ui.Longdeg->text(), QString("19"));
    QCOMPARE(ui.Longmin->text(), QString("58.0"));
    QCOMPARE(ui.course->text(), QString("270"));
    QCOMPARE(ui.Elev->text(), QString("120"));
    QCOMPARE(ui.lctrnaam->text(), QString("LCA"));
    QCOMPARE(ui.lctrdist->text(), QString(" 4.0"));

    messages.Clear();
    ui.addbit->click();
    QVERIFY2(messages.entries.isEmpty(), qPrintable(messages.Texts().join('|')));
    QCOMPARE(test::MemoLines(ui.ILSmemo)[0], line);
  }

  void beaconNumberRefusals() {
    test::AreaWindows w;
    auto& ui = w.ui();
    ScopedRecordingMessages messages;
    ui.removeinput->setText("abc");
    ui.removebit->click();
    QCOMPARE(messages.Texts(), QStringList{"ERROR: Beacon number is not correct! "});
    QVERIFY(Areas.AreaInputError);
    QCOMPARE(QApplication::focusWidget(), ui.removeinput);
    messages.Clear();
    ui.removeinput->setText("16");
    ui.Editbit->click();
    QCOMPARE(messages.Texts(), QStringList{"ERROR: Beacon number is not between 1 and 15!"});
    messages.Clear();
    ui.removeinput->setText("9");
    ui.Editbutton->click();
    QCOMPARE(messages.Texts(), QStringList{"ERROR: Unable to Edit this Beacon. "});
    QVERIFY(!Areas.AreaInputError);
    QCOMPARE(ui.removeinput->text(), QString("9"));
  }

  void deletingEveryVorLeavesTheSimulatorWorking() {
    test::AreaWindows w;
    auto& ui = w.ui();
    ScopedRecordingMessages messages;
    for (int i = 0; i < 3; ++i) {
      ui.removeinput->setText("1");
      ui.removebit->click();
    }
    for (const AreaBeacon& b : Areas.VorList) QVERIFY(!b.Used());
    QCOMPARE(test::MemoLines(ui.VORmemo), (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12",
                                                        "13", "14", "15"}));
    QVERIFY(!Sim.Vor1Received);
    QVERIFY(!w.form->isEnabled());
  }

  void areaMenuAndAreaButtonShowTheWindow() {
    test::AreaWindows w;
    for (auto open : {std::function<void()>([&] { w.form->ui.Areamenu->trigger(); }),
                      std::function<void()>([&] { w.form->ui.Areapanel->click(); })}) {
      w.area->hide();
      w.form->setEnabled(true);
      Areas.VorList[0].Name = Areas.VorList[0].Name == "ZZZ" ? "YYY" : "ZZZ";
      open();
      QVERIFY(w.area->isVisible());
      QVERIFY(!w.area->isMinimized());
      QVERIFY(!w.form->isEnabled());
      QCOMPARE(test::MemoLines(w.ui().VORmemo)[0].left(6), "1  " + Areas.VorList[0].Name);
    }
  }

  void beaconChosenFromTheStartPanelList() {
    test::AreaWindows w;
    auto& f = w.form->ui;
    w.form->setEnabled(true);
    f.Beaconbox->setCurrentText("BBB");
    emit f.Beaconbox->textActivated("BBB");
    QCOMPARE(f.beaconinput->text(), QString("BBB"));
    QCOMPARE(f.HDGinput->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(HoldingWindow.Mapkeuze, kNoHolding);

    f.Autopos->setCurrentIndex(0);  // "ON-LEFT"
    f.Beaconbox->setCurrentText("ILA");
    emit f.Beaconbox->textActivated("ILA");
    QCOMPARE(f.beaconinput->text(), QString("ILA"));
    const QColor magenta(255, 0, 255);
    QCOMPARE(f.HDGinput->palette().color(QPalette::Base), magenta);
    QCOMPARE(f.DMEinput->palette().color(QPalette::Base), magenta);
    QCOMPARE(f.Radialinput->palette().color(QPalette::Base), magenta);  // an ILS start
    QCOMPARE(HoldingWindow.Mapkeuze, kDrawHolding);

    // With the holding window there, it shows the choice as well.
    ResetHoldingWindowState();
    TMapform holding;
    QVERIFY(!holding.ui.Mapkeuze1->isChecked());
    w.form->setEnabled(true);
    emit f.Beaconbox->textActivated("ILA");
    QVERIFY(holding.ui.Mapkeuze1->isChecked());
    QCOMPARE(HoldingWindow.Mapkeuze, kDrawHolding);
    ResetHoldingWindowState();
  }
};

QTEST_MAIN(tst_AreaEdit)
#include "tst_areaedit.moc"
