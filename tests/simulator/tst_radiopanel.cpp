// The radio panel of the simulator window: transfer buttons, standby edits
// and DME read-outs.
#include <QtTest>

#include "areas/areamodel.h"
#include "simulator/form1.h"
#include "simulator/simstate.h"
#include "simulator/simwindowfixture.h"
#include "support/testsupport.h"

using namespace tvx;

class tst_RadioPanel : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { test::PrepareSimWindowTests(); }

  void init() {
    form_ = test::NewActiveSimWindow();
    QVERIFY(form_);
  }

  void cleanup() {
    delete form_;
    form_ = nullptr;
  }

  void startsTunedToTheDefaultArea() {
    const SimState& s = Sim;
    QCOMPARE(s.Vor1Ident, QString("AAA"));
    QCOMPARE(s.Vor2Ident, QString("AAA"));
    QCOMPARE(s.AdfIdent, QString("MMM"));
    QVERIFY(s.Vor1Received && s.Vor2Received && s.AdfReceived);
    QVERIFY(!s.IlsTuned);
    // The start panel puts the aircraft 3 NM out on radial 090 of AAA.
    QCOMPARE(form_->ui.DME1output->text(), QString("3.0"));
    QVERIFY(std::fabs(s.Vor1Radial - 90) < 0.1);
  }

  void transferSwapsAndRetunes_data() {
    QTest::addColumn<QString>("receiver");
    QTest::addColumn<QString>("active");
    QTest::addColumn<QString>("standby");
    QTest::addColumn<QString>("ident");
    QTest::newRow("VOR 1") << "VOR1" << "114.6" << "114.0" << "BBB";
    QTest::newRow("VOR 2") << "VOR2" << "114.6" << "114.0" << "BBB";
    QTest::newRow("ADF") << "ADF" << "766" << "565" << "NNN";
  }

  void transferSwapsAndRetunes() {
    QFETCH(QString, receiver);
    QFETCH(QString, active);
    QFETCH(QString, standby);
    QFETCH(QString, ident);
    auto& ui = form_->ui;
    ui.VOR1active->setFocus();
    auto* button = form_->findChild<QPushButton*>(receiver + "Transfer");
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(form_->findChild<QLineEdit*>(receiver + "active")->text(), active);
    QCOMPARE(form_->findChild<QLineEdit*>(receiver + "select")->text(), standby);
    const QString heard = receiver == "VOR1" ? Sim.Vor1Ident : receiver == "VOR2" ? Sim.Vor2Ident : Sim.AdfIdent;
    QCOMPARE(heard, ident);
    QVERIFY(ui.ChronoOutput->hasFocus());
    // A second click brings the first station back.
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(form_->findChild<QLineEdit*>(receiver + "active")->text(), standby);
  }

  void dmeReadOutsFollowTheStation() {
    auto& ui = form_->ui;
    Sim.AircraftX = 6;
    Sim.AircraftY = -8;
    form_->BrRadDme();
    QCOMPARE(ui.DME1output->text(), QString("10.0"));
    QCOMPARE(ui.DME2output->text(), QString("10.0"));
    // An ILS on VOR 1 measures from the runway point; nothing on VOR 2 reads 999.
    ui.VOR1select->setText("108.6");
    ui.VOR2select->setText("112.2");
    QTest::mouseClick(ui.VOR1Transfer, Qt::LeftButton);
    QTest::mouseClick(ui.VOR2Transfer, Qt::LeftButton);
    QVERIFY(Sim.IlsTuned);
    const AreaBeacon& ils = Areas.IlsList[0];
    QCOMPARE(ui.DME1output->text(), QString::number(std::hypot(6 - ils.X, -8 - ils.Y), 'f', 1));
    QCOMPARE(ui.DME2output->text(), QString("999"));
    QCOMPARE(Sim.Vor2Distance, 999.0);
    QCOMPARE(Sim.OuterMarkerX, ils.X + 4.0);
  }

  void enterInAStandbyEditOnlyLeavesIt_data() {
    QTest::addColumn<QString>("edit");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("leaves");
    QTest::newRow("VOR 1 Return") << "VOR1select" << int(Qt::Key_Return) << 0 << true;
    QTest::newRow("VOR 2 keypad Enter") << "VOR2select" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << true;
    QTest::newRow("ADF Return") << "ADFselect" << int(Qt::Key_Return) << 0 << true;
    QTest::newRow("Shift+Return") << "VOR1select" << int(Qt::Key_Return) << int(Qt::ShiftModifier) << false;
    QTest::newRow("a digit") << "ADFselect" << int(Qt::Key_5) << 0 << false;
  }

  void enterInAStandbyEditOnlyLeavesIt() {
    QFETCH(QString, edit);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, leaves);
    auto* standby = form_->findChild<QLineEdit*>(edit);
    QVERIFY(standby);
    standby->setFocus();
    QVERIFY(standby->hasFocus());
    standby->clear();
    QTest::keyClicks(standby, "115.4");
    QTest::keyClick(standby, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(form_->ui.ChronoOutput->hasFocus(), leaves);
    // Nothing was tuned: that needs the transfer button.
    QCOMPARE(Sim.Vor1Ident, QString("AAA"));
    QCOMPARE(Sim.Vor2Ident, QString("AAA"));
    QCOMPARE(Sim.AdfIdent, QString("MMM"));
    QCOMPARE(form_->ui.VOR1active->text(), QString("114.0"));
  }

  void panelPicture() {
    const QImage image = test::Grab(form_->ui.radiopanel);
    test::SavePng(image, "radio-panel");
    QCOMPARE(image.size(), form_->ui.radiopanel->size());
    // The read-outs lie inside the panel, right of the standby edits.
    const QRect dme = form_->ui.DME1output->geometry();
    QVERIFY(form_->ui.radiopanel->rect().contains(dme));
    QVERIFY(dme.left() > form_->ui.VOR1select->geometry().right());
  }

 private:
  TForm1* form_ = nullptr;
};

QTEST_MAIN(tst_RadioPanel)
#include "tst_radiopanel.moc"
