// The autopilot panel and the EFIS box in the simulator window: where they
// are per type, engaging and disengaging (click, STOP, type change), the
// autopilot flying the tick, the baro knob and the minimums buttons, and a
// picture of the jet's panel with the autopilot on.
#include <QtTest>

#include <cmath>

#include "platform/messages.h"
#include "simulator/flightfixture.h"
#include "simulator/form1.h"
#include "simulator/simstate.h"
#include "simulator/simwindowfixture.h"
#include "support/testsupport.h"

using namespace tvx;

namespace {

// A colour well inside a control's border, away from its caption.
QColor FillColour(QWidget* w) { return test::Grab(w).pixelColor(4, 4); }

const QColor kOffColour(0, 0, 0);
const QColor kOnColour(0, 0x80, 0);

// The jet chosen and flying level at its minimum-drag speed.
void FlyJet(TForm1& form) {
  form.SetTypegroupIndex(2);
  test::LoadAircraft(Sim, test::JetVmd());
  form.STARTClick();
  QVERIFY(form.Timer->isActive());
}

void Ticks(TForm1& form, int n) {
  for (int i = 0; i < n; ++i) form.TimerTimer();
}

// One key press and release delivered to `w`, as the focused control gets it.
void PressKey(QWidget* w, int key, Qt::KeyboardModifiers modifiers) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers);
  QApplication::sendEvent(w, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers);
  QApplication::sendEvent(w, &release);
}

bool AllFinite(const SimState& s) {
  for (double v : {s.AircraftX, s.AircraftY, s.Altitude, s.Heading, s.Airspeed, s.BankAngle, s.VerticalSpeed,
                   s.AngleOfAttack, s.FlightPathAngle, s.Thrust, s.CommandedRpm, s.SelectedHeading})
    if (!std::isfinite(v)) return false;
  return true;
}

}  // namespace

class tst_Autopilot : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { test::PrepareSimWindowTests(); }
  void init() { ResetSimState(); }

  void panelsShownAndPlacedForTheJetOnly() {
    TForm1 form;
    const auto& ui = form.ui;
    QVERIFY(!ui.MCPpanel->isVisibleTo(&form));  // hidden until a type is chosen
    QCOMPARE(ui.APpanel->text(), QString("A/P"));
    QCOMPARE(ui.Label_HDG->text(), QString("HDG"));
    QCOMPARE(ui.Label_VS->text(), QString("V/S"));
    QCOMPARE(ui.Label_ALT->text(), QString("ALT"));
    QCOMPARE(ui.baroknob->text(), QString("STD"));
    QCOMPARE(ui.Label_BARO->text(), QString("BARO"));
    QCOMPARE(ui.Label_MINS->text(), QString("MINS"));
    QCOMPARE(ui.DAbugplus->text(), QString("+"));
    QCOMPARE(ui.DAbugmin->text(), QString("-"));
    for (QPushButton* b : {ui.APpanel, ui.baroknob, ui.DAbugplus, ui.DAbugmin})
      QCOMPARE(b->parentWidget(), b == ui.APpanel ? ui.MCPpanel : ui.EFISpanel);

    const int U = Sim.CellSize;
    form.SetTypegroupIndex(2);
    QVERIFY(ui.MCPpanel->isVisibleTo(&form));
    QCOMPARE(ui.MCPpanel->pos(), QPoint(5 * U, 5 * U));
    QVERIFY(ui.EFISpanel->isVisibleTo(&form));
    QCOMPARE(ui.EFISpanel->y(), 5 * U);
    QVERIFY(ui.EFISpanel->x() > ui.MCPpanel->geometry().right());
    // Both lie on the systems panel, under the window's bottom edge.
    const QRect systems = ui.SYSTEEMPanel->geometry();
    for (QWidget* w : {ui.MCPpanel, ui.EFISpanel}) {
      QVERIFY(systems.contains(w->geometry()));
      QVERIFY(w->geometry().bottom() < 900);
    }
    QVERIFY(!ui.MCPpanel->geometry().intersects(ui.EFISpanel->geometry()));

    form.SetTypegroupIndex(0);
    QVERIFY(!ui.MCPpanel->isVisibleTo(&form));
    QVERIFY(!ui.EFISpanel->isVisibleTo(&form));
    form.SetTypegroupIndex(1);
    QVERIFY(!ui.MCPpanel->isVisibleTo(&form));
    form.SetTypegroupIndex(3);  // "320" is flown as the jet
    QVERIFY(ui.MCPpanel->isVisibleTo(&form));
  }

  void clickEngagesAndDisengages() {
    TForm1 form;
    const auto& ui = form.ui;
    form.SetTypegroupIndex(2);
    form.resize(1600, 900);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(FillColour(ui.APpanel), kOffColour);

    Sim.Heading = 89.5;
    Sim.VerticalSpeed = -450;
    Sim.Altitude = 3150;
    Sim.MapVisible = true;
    ui.MAPChart->show();
    const int mapRequests = ui.MAPChart->RepaintRequests;
    QTest::mouseClick(ui.APpanel, Qt::LeftButton);
    QVERIFY(Sim.AutopilotEngaged);
    QCOMPARE(FillColour(ui.APpanel), kOnColour);
    QCOMPARE(ui.HDGlabel->text(), QString("090"));
    QCOMPARE(ui.VSlabel->text(), QString("-400"));
    QCOMPARE(ui.ALTlabel->text(), QString("3200"));
    QCOMPARE(Sim.SelectedHeading, 90.0);
    QCOMPARE(Sim.SelectedHeadingWhole, 90);
    QCOMPARE(Sim.SelectedVerticalSpeed, -400.0);
    QCOMPARE(Sim.TargetBank, 0.0);
    QCOMPARE(Sim.Altitude, 3150.0);  // shown only: no altitude hold
    QVERIFY(ui.MAPChart->RepaintRequests > mapRequests);  // the map's A/P layer

    QTest::mouseClick(ui.APpanel, Qt::LeftButton);
    QVERIFY(!Sim.AutopilotEngaged);
    QCOMPARE(FillColour(ui.APpanel), kOffColour);
    for (QLabel* window : {ui.HDGlabel, ui.VSlabel, ui.ALTlabel}) QVERIFY(window->text().isEmpty());
    QCOMPARE(Sim.SelectedHeading, 90.0);  // the selections stay
  }

  void autopilotFliesTheTickAndTheKeysMoveItsTargets() {
    TForm1 form;
    ScopedRecordingMessages msgs;
    FlyJet(form);
    Sim.Heading = 270;
    form.APpanelClick();
    Sim.SelectedHeading = 290;  // 20 right
    Ticks(form, 3);
    QCOMPARE(Sim.TargetBank, 25.0);
    QCOMPARE(Sim.BankAngle, 3.0);
    QCOMPARE(form.ui.Chart1->Rotation, 3.0);  // the disc follows the A/P's steps
    Ticks(form, 22);
    QCOMPARE(Sim.BankAngle, 25.0);

    // Keys move the selections and the panel's windows, not the controls.
    form.FormKeyDown(Qt::Key_C, Qt::NoModifier);
    form.FormKeyUp(Qt::Key_C, Qt::NoModifier);
    QCOMPARE(Sim.TurnCommand, QString("off"));
    QCOMPARE(Sim.SelectedHeading, 289.0);
    QCOMPARE(form.ui.HDGlabel->text(), QString("289"));
    form.FormKeyDown(Qt::Key_V, Qt::NoModifier);
    QCOMPARE(form.ui.VSlabel->text(), QString("100"));

    // Three simulated minutes: the targets are captured, nothing runs away.
    Ticks(form, 3 * 60 * 10);
    QVERIFY(AllFinite(Sim));
    QVERIFY(std::fabs(Sim.Heading - 289) < 1);
    QVERIFY(std::fabs(Sim.VerticalSpeed - 100) < 50);
    QVERIFY(std::fabs(Sim.BankAngle) < 1);
  }

  void stopAndTypeChangeDisengageWithThePanel() {
    TForm1 form;
    ScopedRecordingMessages msgs;
    const auto& ui = form.ui;
    FlyJet(form);
    form.APpanelClick();
    QVERIFY(Sim.AutopilotEngaged);
    msgs.answers = {DlgAnswer::Ok};
    form.STARTClick();  // STOP
    QVERIFY(!form.Timer->isActive());
    QVERIFY(!Sim.AutopilotEngaged);
    QVERIFY(ui.HDGlabel->text().isEmpty());
    QCOMPARE(FillColour(ui.APpanel), kOffColour);

    // A type change leaves the A/P off, and says so on the panel.
    form.APpanelClick();
    QCOMPARE(FillColour(ui.APpanel), kOnColour);
    form.SetTypegroupIndex(3);
    QVERIFY(!Sim.AutopilotEngaged);
    QCOMPARE(FillColour(ui.APpanel), kOffColour);
    for (QLabel* window : {ui.HDGlabel, ui.VSlabel, ui.ALTlabel}) QVERIFY(window->text().isEmpty());
    form.APpanelClick();
    form.SetTypegroupIndex(0);
    QVERIFY(!Sim.AutopilotEngaged);
    QVERIFY(ui.VSlabel->text().isEmpty());
  }

  void speedBugFollowsThePhaseEveryPhysicsStep() {
    TForm1 form;
    ScopedRecordingMessages msgs;
    FlyJet(form);
    Sim.SpeedBugPhase = "TO";
    Sim.SpeedBug = 143;
    Sim.FlapSetting = 0;
    Sim.N1 = 70;
    Sim.Airspeed = 230;
    form.TimerTimer();
    QCOMPARE(Sim.SpeedBugPhase, QString("APCH"));
    QCOMPARE(Sim.SpeedBug, 205);
  }

  void baroKnobTogglesTheStandardSetting() {
    TForm1 form;
    form.SetTypegroupIndex(2);
    QVERIFY(!Sim.BaroStd);
    const int requests = form.ui.Chart3->RepaintRequests;
    form.ui.baroknob->click();
    QVERIFY(Sim.BaroStd);
    QCOMPARE(form.ui.Chart3->RepaintRequests, requests + 1);
    form.ui.baroknob->click();
    QVERIFY(!Sim.BaroStd);
    QCOMPARE(form.ui.Chart3->RepaintRequests, requests + 2);
  }

  void minimumsButtonsStepByTenAndGoBelowZero() {
    std::unique_ptr<TForm1> form(test::NewActiveSimWindow());
    QVERIFY(form);
    const auto& ui = form->ui;
    form->SetTypegroupIndex(2);
    QCOMPARE(Sim.Minimums, 320);
    const int requests = ui.Chart3->RepaintRequests;
    QTest::mouseClick(ui.DAbugplus, Qt::LeftButton);
    QCOMPARE(Sim.Minimums, 330);
    QCOMPARE(ui.Chart3->RepaintRequests, requests + 1);
    QTRY_VERIFY(ui.ChronoOutput->hasFocus());
    for (int i = 0; i < 35; ++i) ui.DAbugmin->click();
    QCOMPARE(Sim.Minimums, -20);
    // The tape's bug is the minimums at the next paint.
    form->RefreshPanel();
    QCOMPARE(Sim.AltitudeBug, -20);
  }

  void minimumsKeysStepByAHundredWithShiftOrCtrlAlone() {
    std::unique_ptr<TForm1> form(test::NewActiveSimWindow());
    QVERIFY(form);
    const auto& ui = form->ui;
    form->SetTypegroupIndex(2);
    const struct {
      QPushButton* button;
      int key;
      Qt::KeyboardModifiers modifiers;
      int minimums;
      bool moved;
    } presses[] = {
        {ui.DAbugplus, Qt::Key_N, Qt::ShiftModifier, 420, true},
        {ui.DAbugplus, Qt::Key_N, Qt::ControlModifier, 520, true},
        // Pressing Shift itself: the platform reports the state before the
        // press, which the key event reads as Shift held.
        {ui.DAbugmin, Qt::Key_Shift, Qt::NoModifier, 420, true},
        {ui.DAbugmin, Qt::Key_N, Qt::NoModifier, 420, false},
        {ui.DAbugmin, Qt::Key_N, Qt::ShiftModifier | Qt::ControlModifier, 420, false},
        {ui.DAbugplus, Qt::Key_N, Qt::AltModifier, 420, false},
        {ui.DAbugplus, Qt::Key_N, Qt::ShiftModifier | Qt::AltModifier, 420, false},
    };
    for (const auto& p : presses) {
      p.button->setFocus();
      QTRY_VERIFY(p.button->hasFocus());
      const int requests = ui.Chart3->RepaintRequests;
      PressKey(p.button, p.key, p.modifiers);
      QCOMPARE(Sim.Minimums, p.minimums);
      QCOMPARE(ui.Chart3->RepaintRequests > requests, p.moved);
      QCOMPARE(ui.ChronoOutput->hasFocus(), p.moved);
    }
  }

  void jetPanelWithTheAutopilotOnPicture() {
    std::unique_ptr<TForm1> form(test::NewActiveSimWindow());
    QVERIFY(form);
    ScopedRecordingMessages msgs;
    const auto& ui = form->ui;
    form->resize(1600, 900);
    FlyJet(*form);
    Sim.Heading = 270;
    Sim.VerticalSpeed = 0;
    QTest::mouseClick(ui.APpanel, Qt::LeftButton);
    Sim.SelectedHeading = 300;
    Sim.SelectedVerticalSpeed = 1200;
    Sim.SelectedHeadingWhole = 300;
    ui.HDGlabel->setText("300");
    ui.VSlabel->setText("1200");
    Ticks(*form, 80);
    form->TkOrvane();
    QTest::qWait(50);
    const QImage image = test::Grab(form.get());
    test::SavePng(image, "autopilot-737-engaged");
    // The A/P button lit green in its place on the panel.
    const QPoint ap = ui.APpanel->mapTo(form.get(), QPoint(4, 4));
    QCOMPARE(image.pixelColor(ap), kOnColour);
    QCOMPARE(ui.HDGlabel->text(), QString("300"));
    QVERIFY(Sim.BankAngle > 0);  // turning right towards 300
  }
};

QTEST_MAIN(tst_Autopilot)
#include "tst_autopilot.moc"
