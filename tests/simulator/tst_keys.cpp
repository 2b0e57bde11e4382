// The simulator's keys, driven by real key events on the window and on its
// controls.
#include <QDialog>
#include <QtTest>

#include "areas/areamodel.h"
#include "areas/instroptions.h"
#include "platform/messages.h"
#include "simulator/flightfixture.h"
#include "simulator/form1.h"
#include "simulator/simstate.h"
#include "simulator/simwindowfixture.h"
#include "support/testsupport.h"

using namespace tvx;
using tvx::test::Ticks;

namespace {

// A key release as a held key's auto-repeat sends it.
void SendAutoRepeatRelease(QWidget* target, Qt::Key key) {
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(), true);
  QApplication::sendEvent(target, &release);
}

}  // namespace

class tst_Keys : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { test::PrepareSimWindowTests(); }

  void init() {
    InstrSettings = InstrOptions{};
    form_ = test::NewActiveSimWindow();
    QVERIFY(form_);
  }

  void cleanup() {
    delete form_;
    form_ = nullptr;
  }

  void courseKeys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("obs1");
    QTest::addColumn<int>("obs2");
    const int shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier;
    QTest::newRow("I at 355") << int(Qt::Key_I) << 0 << 355 << 5 << 355;
    QTest::newRow("Shift+I at 359") << int(Qt::Key_I) << shift << 359 << 0 << 359;
    QTest::newRow("Ctrl+I at 359") << int(Qt::Key_I) << ctrl << 359 << 0 << 359;
    QTest::newRow("Shift+Ctrl+I steps 10") << int(Qt::Key_I) << (shift | ctrl) << 100 << 110 << 100;
    QTest::newRow("U at 3") << int(Qt::Key_U) << 0 << 3 << 353 << 3;
    QTest::newRow("Shift+U at 0") << int(Qt::Key_U) << shift << 0 << 359 << 0;
    QTest::newRow("K at 355") << int(Qt::Key_K) << 0 << 355 << 355 << 5;
    QTest::newRow("Ctrl+J at 0") << int(Qt::Key_J) << ctrl << 0 << 0 << 359;
  }

  // Course keys act also while stopped.
  void courseKeys() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, from);
    QFETCH(int, obs1);
    QFETCH(int, obs2);
    QVERIFY(!form_->Timer->isActive());
    Sim.Obs1Course = Sim.Obs2Course = from;
    QTest::keyClick(form_, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(Sim.Obs1Course, obs1);
    QCOMPARE(Sim.Obs2Course, obs2);
  }

  // Each key asks for a paint of what shows its change.
  void keysRepaintWhatTheyChange() {
    auto& ui = form_->ui;
    Sim.AircraftType = "SEP";
    const int chart3 = ui.Chart3->RepaintRequests;
    for (Qt::Key key : {Qt::Key_I, Qt::Key_U, Qt::Key_K, Qt::Key_J, Qt::Key_R}) QTest::keyClick(form_, key);
    QCOMPARE(ui.Chart3->RepaintRequests, chart3 + 5);
    const int map = ui.MAPChart->RepaintRequests;
    QTest::keyClick(form_, Qt::Key_X);
    QTest::keyClick(form_, Qt::Key_G);
    QCOMPARE(ui.MAPChart->RepaintRequests, map + 2);
    const int profile = ui.vertmap->RepaintRequests;
    QTest::keyClick(form_, Qt::Key_S);
    QCOMPARE(ui.vertmap->RepaintRequests, profile + 1);
  }

  void mapAndProfileScales() {
    QCOMPARE(Sim.MapPixelsPerNm, 20);
    QList<int> scales;
    for (int i = 0; i < 5; ++i) {
      QTest::keyClick(form_, Qt::Key_X);
      scales << Sim.MapPixelsPerNm;
    }
    QCOMPARE(scales, (QList<int>{40, 80, 5, 10, 20}));
    QList<double> profile;
    for (int i = 0; i < 4; ++i) {
      QTest::keyClick(form_, Qt::Key_S, Qt::ShiftModifier);
      profile << Sim.VerticalMapScale;
    }
    QCOMPARE(profile, (QList<double>{2, 3, 4, 1}));
  }

  void mapAndProfileSwitches() {
    auto& ui = form_->ui;
    QVERIFY(Sim.MapVisible);
    QTest::keyClick(form_, Qt::Key_W);
    QVERIFY(!Sim.MapVisible);
    QVERIFY(ui.MAPChart->isHidden());
    QTest::keyClick(form_, Qt::Key_Z);
    QVERIFY(Sim.MapVisible);
    QTest::keyClick(form_, Qt::Key_Q);
    QVERIFY(form_->ProfileShown());
    QTest::keyClick(form_, Qt::Key_A);
    QVERIFY(!form_->ProfileShown());
    QTest::keyClick(form_, Qt::Key_D);
    QVERIFY(Sim.MapFullSize);
    QTest::keyClick(form_, Qt::Key_D);
    QVERIFY(!Sim.MapFullSize);
    // While an exercise waits for a typed answer, D is a letter of it.
    ui.Staticinput->show();
    QTest::keyClick(form_, Qt::Key_D);
    QVERIFY(!Sim.MapFullSize);
  }

  // A key the focused control leaves unused travels on to its parents; the
  // window still acts on it once.
  void oneKeyActsOnce() {
    form_->ui.CHRONO->setFocus();
    QVERIFY(form_->ui.CHRONO->hasFocus());
    Sim.Obs1Course = 100;
    QTest::keyClick(form_->ui.CHRONO, Qt::Key_I);
    QCOMPARE(Sim.Obs1Course, 110);
    QTest::keyClick(form_->ui.CHRONO, Qt::Key_I);
    QCOMPARE(Sim.Obs1Course, 120);
    // Typed into an edit, the key reaches both the window and the edit.
    form_->ui.VOR2select->setFocus();
    form_->ui.VOR2select->clear();
    QTest::keyClick(form_->ui.VOR2select, Qt::Key_U);
    QCOMPARE(Sim.Obs1Course, 110);
    QCOMPARE(form_->ui.VOR2select->text(), QString("u"));
  }

  // After FLY the keys fly: the focus sink takes no text, the keys reach
  // the simulator.
  void flyingTypesNothingIntoTheChrono() {
    ScopedRecordingMessages msgs;
    auto& ui = form_->ui;
    test::LoadAircraft(Sim, test::PistonCruise());
    ui.RPMinput->setFocus();
    form_->STARTClick();
    QVERIFY(form_->Timer->isActive());
    QCOMPARE(QApplication::focusWidget(), ui.ChronoOutput);
    const QString chrono = ui.ChronoOutput->text();
    QTest::keyPress(ui.ChronoOutput, Qt::Key_L);
    QCOMPARE(Sim.PowerCommand, QString("decrease"));
    QTest::keyRelease(ui.ChronoOutput, Qt::Key_L);
    QTest::keyClicks(ui.ChronoOutput, "llllll");
    QTest::keyClick(ui.ChronoOutput, Qt::Key_Asterisk, Qt::ShiftModifier);
    const bool map = Sim.MapVisible;
    QCOMPARE(Sim.MapPixelsPerNm, 20);
    QTest::keyClicks(ui.ChronoOutput, "zx");
    QCOMPARE(Sim.MapVisible, !map);
    QCOMPARE(Sim.MapPixelsPerNm, 40);
    QTest::keyClicks(ui.ChronoOutput, "dd");
    QCOMPARE(ui.ChronoOutput->text(), chrono);
    QCOMPARE(Sim.PowerCommand, QString("off"));
    QCOMPARE(QApplication::focusWidget(), ui.ChronoOutput);
  }

  // Ctrl and Alt keep the desktop's meaning of a letter; only the
  // combinations the key table names act.
  void desktopShortcutsKeepTheirMeaning() {
    auto& ui = form_->ui;
    ui.HDGinput->setFocus();
    ui.HDGinput->setText("270");
    ui.HDGinput->deselect();
    QTest::keyClick(ui.HDGinput, Qt::Key_A, Qt::ControlModifier);
    QVERIFY(!form_->ProfileShown());
    QCOMPARE(ui.HDGinput->selectedText(), QString("270"));
    const bool map = Sim.MapVisible;
    const int scale = Sim.MapPixelsPerNm;
    const double profile = Sim.VerticalMapScale;
    QTest::keyClick(ui.HDGinput, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(ui.HDGinput, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(ui.HDGinput, Qt::Key_W, Qt::ControlModifier);
    QTest::keyClick(ui.HDGinput, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(ui.HDGinput, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(ui.HDGinput, Qt::Key_Q, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(form_, Qt::Key_A, Qt::AltModifier);
    QTest::keyClick(form_, Qt::Key_Z, Qt::AltModifier);
    QCOMPARE(Sim.MapVisible, map);
    QCOMPARE(Sim.MapPixelsPerNm, scale);
    QCOMPARE(Sim.VerticalMapScale, profile);
    QVERIFY(!form_->ProfileShown());
    Sim.Obs1Course = 100;
    QTest::keyClick(form_, Qt::Key_I, Qt::AltModifier);
    QCOMPARE(Sim.Obs1Course, 100);
    // Shift is no desktop shortcut: the letter acts.
    QTest::keyClick(form_, Qt::Key_A, Qt::ShiftModifier);
    QVERIFY(form_->ProfileShown());

    // In flight, copy and paste steer nothing.
    form_->Timer->start();
    for (Qt::Key key : {Qt::Key_C, Qt::Key_B, Qt::Key_F, Qt::Key_V, Qt::Key_O, Qt::Key_L})
      QTest::keyPress(ui.HDGinput, key, Qt::ControlModifier);
    QCOMPARE(Sim.TurnCommand, QString("off"));
    QCOMPARE(Sim.PitchCommand, QString("off"));
    QCOMPARE(Sim.PowerCommand, QString("off"));
    QTest::keyPress(form_, Qt::Key_C, Qt::AltModifier);
    QCOMPARE(Sim.TurnCommand, QString("off"));
    QTest::keyPress(form_, Qt::Key_C, Qt::ShiftModifier);
    QCOMPARE(Sim.TurnCommand, QString("links"));
    // A key held before Ctrl went down still ends with its release.
    QTest::keyRelease(form_, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(Sim.TurnCommand, QString("off"));
  }

  void flyingKeysOnlyWhileFlying() {
    // Stopped.
    QTest::keyPress(form_, Qt::Key_C);
    QTest::keyPress(form_, Qt::Key_F);
    QCOMPARE(Sim.TurnCommand, QString("off"));
    QCOMPARE(Sim.PitchCommand, QString("off"));
    QTest::keyRelease(form_, Qt::Key_C);
    QTest::keyRelease(form_, Qt::Key_F);
    // Paused: the timer is off as well.
    Sim.Paused = true;
    QTest::keyPress(form_, Qt::Key_C);
    QTest::keyPress(form_, Qt::Key_Up);
    QCOMPARE(Sim.TurnCommand, QString("off"));
    QCOMPARE(Sim.PitchCommand, QString("off"));
    QTest::keyRelease(form_, Qt::Key_C);
    QTest::keyRelease(form_, Qt::Key_Up);
    Sim.Paused = false;

    Sim.AircraftType = "SEP";
    form_->Timer->start();
    QTest::keyPress(form_, Qt::Key_C);
    QCOMPARE(Sim.TurnCommand, QString("links"));
    QTest::keyPress(form_, Qt::Key_F);
    QCOMPARE(Sim.PitchCommand, QString("daal"));
    QCOMPARE(Sim.AoaStep, 0.05);
    QTest::keyPress(form_, Qt::Key_O, Qt::ShiftModifier);
    QCOMPARE(Sim.PowerCommand, QString("increase"));
    QTest::keyRelease(form_, Qt::Key_C);
    QCOMPARE(Sim.TurnCommand, QString("off"));
    QCOMPARE(Sim.PitchCommand, QString("daal"));
    QTest::keyRelease(form_, Qt::Key_F);
    QTest::keyRelease(form_, Qt::Key_O, Qt::ShiftModifier);
    QCOMPARE(Sim.PitchCommand, QString("off"));
    QCOMPARE(Sim.PowerCommand, QString("off"));
  }

  void arrowsAndNumpadWhileFlying() {
    form_->Timer->start();
    form_->ui.VOR1select->setFocus();
    QTest::keyPress(form_->ui.VOR1select, Qt::Key_Left);
    QCOMPARE(Sim.TurnCommand, QString("links"));
    // An arrow takes the focus away from the control first.
    QVERIFY(form_->ui.ChronoOutput->hasFocus());
    QTest::keyRelease(form_->ui.ChronoOutput, Qt::Key_Left);
    QCOMPARE(Sim.TurnCommand, QString("off"));
    // With Shift an arrow is no flying key.
    QTest::keyPress(form_, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(Sim.TurnCommand, QString("off"));
    QTest::keyRelease(form_, Qt::Key_Right, Qt::ShiftModifier);

    QTest::keyPress(form_, Qt::Key_Asterisk, Qt::KeypadModifier);
    QCOMPARE(Sim.PowerCommand, QString("increase"));
    QTest::keyRelease(form_, Qt::Key_Asterisk, Qt::KeypadModifier);
    QCOMPARE(Sim.PowerCommand, QString("off"));
    // The main keyboard's "*" and "-" do nothing.
    QTest::keyPress(form_, Qt::Key_Asterisk, Qt::ShiftModifier);
    QTest::keyPress(form_, Qt::Key_Minus);
    QCOMPARE(Sim.PowerCommand, QString("off"));
    QTest::keyPress(form_, Qt::Key_Minus, Qt::KeypadModifier);
    QCOMPARE(Sim.PowerCommand, QString("decrease"));
    QTest::keyPress(form_, Qt::Key_Slash, Qt::KeypadModifier);
    QCOMPARE(Sim.PowerCommand, QString("fastincrease"));
    QTest::keyPress(form_, Qt::Key_Plus, Qt::KeypadModifier);
    QCOMPARE(Sim.PowerCommand, QString("fastdecrease"));
    QTest::keyRelease(form_, Qt::Key_Plus, Qt::KeypadModifier);
    QCOMPARE(Sim.PowerCommand, QString("off"));
  }

  void autopilotTargetsAndLabels() {
    form_->Timer->start();
    Sim.AutopilotEngaged = true;
    Sim.SelectedHeading = 360;
    QTest::keyClick(form_, Qt::Key_B);
    QCOMPARE(Sim.SelectedHeading, 361.0);
    QCOMPARE(form_->ui.HDGlabel->text(), QString("001"));
    QCOMPARE(Sim.TurnCommand, QString("off"));
    QTest::keyClick(form_, Qt::Key_Left);
    QTest::keyClick(form_, Qt::Key_Left);
    QCOMPARE(Sim.SelectedHeading, 359.0);
    QCOMPARE(form_->ui.HDGlabel->text(), QString("359"));
    Sim.SelectedVerticalSpeed = 0;
    QTest::keyClick(form_, Qt::Key_V);
    QTest::keyClick(form_, Qt::Key_Down);
    QCOMPARE(form_->ui.VSlabel->text(), QString("200"));
    QTest::keyClick(form_, Qt::Key_F);
    QTest::keyClick(form_, Qt::Key_F);
    QTest::keyClick(form_, Qt::Key_F);
    QCOMPARE(form_->ui.VSlabel->text(), QString("-100"));
    QCOMPARE(Sim.PitchCommand, QString("off"));
  }

  // Typing a beacon name steers nothing and steps nothing.
  void typingABeaconName() {
    auto& ui = form_->ui;
    ui.beaconinput->setFocus();
    QVERIFY(Sim.BeaconTyping);
    ui.beaconinput->clear();
    Sim.Obs1Course = Sim.Obs2Course = 90;
    QTest::keyClicks(ui.beaconinput, "cixkgs");
    QCOMPARE(ui.beaconinput->text(), QString("cixkgs"));
    QCOMPARE(Sim.Obs1Course, 90);
    QCOMPARE(Sim.Obs2Course, 90);
    QCOMPARE(Sim.MapPixelsPerNm, 20);
    QCOMPARE(Sim.HoldingRadial, 180);
    QCOMPARE(Sim.VerticalMapScale, 1.0);
    QCOMPARE(Sim.TurnCommand, QString("off"));
    // Once the name is left, the keys act again.
    ui.ChronoOutput->setFocus();
    QVERIFY(!Sim.BeaconTyping);
    QTest::keyClick(ui.ChronoOutput, Qt::Key_I);
    QCOMPARE(Sim.Obs1Course, 100);
  }

  void holdingKeys() {
    auto& ui = form_->ui;
    Sim.HoldingSide = "LEFT";
    QTest::keyClick(form_, Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(Sim.HoldingSide, QString("RIGHT"));
    QCOMPARE(Sim.HoldingRadial, 180);
    QTest::keyClick(form_, Qt::Key_H, Qt::ControlModifier);
    QCOMPARE(Sim.HoldingSide, QString("LEFT"));
    Sim.Obs2Course = 45;
    QTest::keyClick(form_, Qt::Key_G);
    QCOMPARE(Sim.HoldingRadial, 170);
    QCOMPARE(Sim.Obs2Course, 45);  // no automatic holding
    ui.Autopos->setCurrentText("ON-LEFT");
    QTest::keyClick(form_, Qt::Key_H, Qt::ShiftModifier);
    QCOMPARE(Sim.HoldingRadial, 171);
    QCOMPARE(Sim.Obs2Course, 351);
    ui.Autopos->setCurrentText("ON-RIGHT");
    Sim.HoldingRadial = 175;
    QTest::keyClick(form_, Qt::Key_H, Qt::ShiftModifier);
    QCOMPARE(Sim.HoldingRadial, 176);
    QCOMPARE(Sim.Obs2Course, 356);
    // With Alt the key is the desktop's.
    QTest::keyClick(form_, Qt::Key_H, Qt::ShiftModifier | Qt::AltModifier);
    QCOMPARE(Sim.HoldingRadial, 176);
    QTest::keyClick(form_, Qt::Key_H);
    QCOMPARE(Sim.Obs2Course, 6);
  }

  void instrumentOptionKeys() {
    auto& ui = form_->ui;
    Sim.AircraftType = "737";
    QTest::keyClick(form_, Qt::Key_Y);
    QTest::keyClick(form_, Qt::Key_R);
    QVERIFY(InstrSettings.HSIBool);
    QCOMPARE(InstrSettings.ADFRMI, 0);
    Sim.AircraftType = "SEP";
    QTest::keyClick(form_, Qt::Key_Y);
    QVERIFY(!InstrSettings.HSIBool);
    QList<int> modes;
    for (int i = 0; i < 4; ++i) {
      QTest::keyClick(form_, Qt::Key_R);
      modes << InstrSettings.ADFRMI;
    }
    QCOMPARE(modes, (QList<int>{1, 2, 0, 1}));
    // While an exercise waits for a typed answer, Y needs Ctrl.
    ui.Staticinput->show();
    QTest::keyClick(form_, Qt::Key_Y);
    QVERIFY(!InstrSettings.HSIBool);
    QTest::keyClick(form_, Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(InstrSettings.HSIBool);
  }

  void exercisePanelFolds() {
    auto& ui = form_->ui;
    const int cell = Sim.CellSize;
    QVERIFY(cell > 0);
    form_->ApplyPanelLayout();
    const int width = ui.SYSTEEMPanel->width() - 150;
    QCOMPARE(ui.Staticpanel->geometry(), QRect(0, 4 * cell, width, 2 * cell));
    QTest::keyClick(form_, Qt::Key_E);  // hidden: nothing
    QVERIFY(!form_->ExercisePanelFolded);
    ui.Staticpanel->show();
    QTest::keyClick(form_, Qt::Key_E);
    QCOMPARE(ui.Staticpanel->geometry(), QRect(0, 5 * cell, width, cell));
    QTest::keyClick(form_, Qt::Key_E);
    QCOMPARE(ui.Staticpanel->geometry(), QRect(0, 4 * cell, width, 2 * cell));
  }

  void heldLeftTurnsTheAircraftOverSeveralTicks() {
    ScopedRecordingMessages msgs;
    test::LoadAircraft(Sim, test::PistonCruise());
    form_->STARTClick();
    QVERIFY(form_->Timer->isActive());
    QCOMPARE(Sim.BankAngle, 0.0);
    const double heading = Sim.Heading;
    QTest::keyPress(form_, Qt::Key_Left);
    Ticks(*form_, 8);
    QCOMPARE(Sim.BankAngle, -8.0);
    QVERIFY2(Sim.Heading < heading - 0.1, qPrintable(QString::number(Sim.Heading)));
    QTest::keyRelease(form_, Qt::Key_Left);
    QCOMPARE(Sim.TurnCommand, QString("off"));
    Ticks(*form_, 5);
    QCOMPARE(Sim.BankAngle, -8.0);
    // 'B' rolls back the other way, and releasing Left ends that as well.
    QTest::keyPress(form_, Qt::Key_B);
    Ticks(*form_, 3);
    QCOMPARE(Sim.BankAngle, -5.0);
    QTest::keyRelease(form_, Qt::Key_Left);
    Ticks(*form_, 3);
    QCOMPARE(Sim.BankAngle, -5.0);
  }

  void pauseKey() {
    ScopedRecordingMessages msgs;
    QTest::keyClick(form_, Qt::Key_P);  // stopped: nothing to pause
    QVERIFY(!Sim.Paused);
    QVERIFY(!form_->Timer->isActive());
    test::LoadAircraft(Sim, test::PistonCruise());
    form_->STARTClick();
    QTest::keyClick(form_, Qt::Key_P, Qt::ShiftModifier);
    QVERIFY(Sim.Paused);
    QVERIFY(!form_->Timer->isActive());
    QTest::keyPress(form_, Qt::Key_C);
    QCOMPARE(Sim.TurnCommand, QString("off"));
    QTest::keyRelease(form_, Qt::Key_C);
    QTest::keyClick(form_, Qt::Key_P);
    QVERIFY(!Sim.Paused);
    QVERIFY(form_->Timer->isActive());
    QTest::keyPress(form_, Qt::Key_C);
    QCOMPARE(Sim.TurnCommand, QString("links"));
  }

  // A held key repeats; only its real release ends the command.
  void autoRepeatReleaseIsIgnored() {
    form_->Timer->start();
    QTest::keyPress(form_, Qt::Key_Left);
    QCOMPARE(Sim.TurnCommand, QString("links"));
    for (int i = 0; i < 3; ++i) {
      SendAutoRepeatRelease(form_->ui.ChronoOutput, Qt::Key_Left);
      QCOMPARE(Sim.TurnCommand, QString("links"));
      QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier, QString(), true);
      QApplication::sendEvent(form_->ui.ChronoOutput, &repeat);
    }
    QTest::keyRelease(form_->ui.ChronoOutput, Qt::Key_Left);
    QCOMPARE(Sim.TurnCommand, QString("off"));
  }

  // Shift pressed while an arrow is held: the arrow's release still ends it.
  void releaseWithAModifierEndsTheCommand() {
    form_->Timer->start();
    QTest::keyPress(form_, Qt::Key_Up);
    QCOMPARE(Sim.PitchCommand, QString("daal"));
    QTest::keyRelease(form_, Qt::Key_Up, Qt::ShiftModifier);
    QCOMPARE(Sim.PitchCommand, QString("off"));
    QTest::keyPress(form_, Qt::Key_Minus, Qt::KeypadModifier);
    QTest::keyRelease(form_, Qt::Key_Minus, Qt::KeypadModifier | Qt::ControlModifier);
    QCOMPARE(Sim.PowerCommand, QString("off"));
  }

  void holdingAllKeys() {
    form_->Timer->start();
    QTest::keyPress(form_, Qt::Key_Left);
    QTest::keyPress(form_, Qt::Key_V);
    QTest::keyPress(form_, Qt::Key_O);
    Sim.TurnKeyClock = Sim.PitchKeyClock = Sim.PowerKeyClock = 0.7;
    QCOMPARE(Sim.TurnCommand, QString("links"));
    QCOMPARE(Sim.PitchCommand, QString("klim"));
    QCOMPARE(Sim.PowerCommand, QString("increase"));
  }

  // Another window takes the keyboard: the key-ups go there, so nothing stays held.
  void deactivationReleasesEverything() {
    holdingAllKeys();
    QDialog dialog(form_);
    dialog.show();
    dialog.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &dialog);
    QCOMPARE(Sim.TurnCommand, QString("off"));
    QCOMPARE(Sim.PitchCommand, QString("off"));
    QCOMPARE(Sim.PowerCommand, QString("off"));
    QCOMPARE(Sim.TurnKeyClock + Sim.PitchKeyClock + Sim.PowerKeyClock, 0.0);
    // The key-up that the dialog gets does not reach the window's handler.
    Sim.TurnCommand = "rechts";
    QTest::keyRelease(&dialog, Qt::Key_Right);
    QCOMPARE(Sim.TurnCommand, QString("rechts"));
  }

  // A modal window in front disables the simulator window.
  void disablingReleasesEverything() {
    holdingAllKeys();
    form_->setEnabled(false);
    QCOMPARE(Sim.TurnCommand, QString("off"));
    QCOMPARE(Sim.PitchCommand, QString("off"));
    QCOMPARE(Sim.PowerCommand, QString("off"));
    form_->setEnabled(true);
  }

 private:
  TForm1* form_ = nullptr;
};

QTEST_MAIN(tst_Keys)
#include "tst_keys.moc"
