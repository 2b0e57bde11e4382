// The instrument options window: its controls and texts, the options its
// controls set, the keys' changes it shows, and its Close with the simulator
// window behind it.
#include <QtTest>

#include "areas/instrform.h"
#include "areas/instroptions.h"
#include "platform/messages.h"
#include "simulator/form1.h"
#include "simulator/simstate.h"
#include "simulator/simwindowfixture.h"
#include "support/testsupport.h"

using namespace tvx;

class tst_InstrForm : public QObject {
  Q_OBJECT
  TForm1* form_ = nullptr;
  TInstr* instr_ = nullptr;

  void Open() {
    form_->ui.Instrumentsmenu->trigger();
    QVERIFY(instr_->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(instr_));
  }

 private slots:
  void initTestCase() { test::PrepareSimWindowTests(); }

  void init() {
    InstrSettings = InstrOptions{};
    form_ = test::NewActiveSimWindow();
    QVERIFY(form_);
    instr_ = new TInstr;
  }

  void cleanup() {
    delete instr_;
    delete form_;
    instr_ = nullptr;
    form_ = nullptr;
  }

  void controlsAndTexts() {
    QCOMPARE(Instr, instr_);
    auto& ui = instr_->ui;
    QCOMPARE(instr_->windowTitle(), QString("HSI/RMI"));
    QCOMPARE(ui.ADFRMI0->text(), QString("ADF"));
    QCOMPARE(ui.ADFRMI1->text(), QString("ADF - RMI"));
    QCOMPARE(ui.ADFRMI2->text(), QString("VOR - RMI"));
    QCOMPARE(ui.ADFRMI->toolTip(), QString("Select ADF, ADF-RMI or VOR-RMI [R]"));
    QCOMPARE(ui.HSIBool->text(), QString("HSI"));
    QCOMPARE(ui.HSIBool->parentWidget()->toolTip(), QString("Set HSI on/off [T]"));
    QCOMPARE(ui.Close->text(), QString("&CLOSE"));
    QVERIFY(ui.Memo1->isReadOnly());
    const QStringList lines{"KEYBOARD:",
                            "Use [Y]",
                            "to set HSI on/off.",
                            "",
                            "To change HSI course:",
                            QString::fromUtf8("[U]=-10°  [SHIFT+U]=-1°"),
                            QString::fromUtf8("[I]=+10°  [SHIFT+I]=+1"),
                            "",
                            "Use [R]",
                            "to select ADF, ADF-RMI or ",
                            "VOR-RMI."};
    QCOMPARE(ui.Memo1->toPlainText().split('\n'), lines);
    // Defaults: the fixed-card ADF and the HSI on.
    QCOMPARE(instr_->ADFRMIIndex(), 0);
    QVERIFY(ui.HSIBool->isChecked());
    // Centred on the screen.
    const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
    QVERIFY((instr_->geometry().center() - centre).manhattanLength() <= 2);
    // A fixed dialog without title-bar buttons.
    QCOMPARE(instr_->minimumSize(), instr_->maximumSize());
    QVERIFY(!(instr_->windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(!(instr_->windowFlags() & Qt::WindowMinimizeButtonHint));
  }

  void controlsSetTheOptions() {
    Open();
    auto& ui = instr_->ui;
    QTest::mouseClick(ui.ADFRMI2, Qt::LeftButton, {}, QPoint(8, 11));
    QCOMPARE(InstrSettings.ADFRMI, 2);
    QTest::mouseClick(ui.ADFRMI1, Qt::LeftButton, {}, QPoint(8, 11));
    QCOMPARE(InstrSettings.ADFRMI, 1);
    QVERIFY(!ui.ADFRMI2->isChecked());
    // On the box, as the pilot clicks it.
    const QPoint box(8, ui.HSIBool->height() / 2);
    QTest::mouseClick(ui.HSIBool, Qt::LeftButton, {}, box);
    QVERIFY(!InstrSettings.HSIBool);
    QTest::mouseClick(ui.HSIBool, Qt::LeftButton, {}, box);
    QVERIFY(InstrSettings.HSIBool);
    QCOMPARE(InstrSettings.ADFRMI, 1);
  }

  void showsWhatTheKeysSet() {
    // The keys change the options while the window is away.
    Sim.AircraftType = "SEP";
    QTest::keyClick(form_, Qt::Key_R);
    QTest::keyClick(form_, Qt::Key_R);
    QTest::keyClick(form_, Qt::Key_Y);
    QCOMPARE(InstrSettings.ADFRMI, 2);
    QVERIFY(!InstrSettings.HSIBool);
    Open();
    QVERIFY(instr_->ui.ADFRMI2->isChecked());
    QVERIFY(!instr_->ui.HSIBool->isChecked());
    // Showing them sets nothing.
    QCOMPARE(InstrSettings.ADFRMI, 2);
    QVERIFY(!InstrSettings.HSIBool);
  }

  void closeEnablesTheSimulatorAndRedrawsWithTheNewMode() {
    ScopedRecordingMessages msgs;
    form_->SetTypegroupIndex(0);  // the round dials, with the ADF
    QCOMPARE(Sim.AircraftType, QString("SEP"));
    QCOMPARE(Sim.Heading, 270.0);
    form_->ui.Chart3->Repaint();
    QCOMPARE(Sim.AdfCardHeading, 0.0);  // fixed card
    const QImage before = form_->ui.Chart3->Render();
    Open();
    QVERIFY(!form_->isEnabled());
    QTest::mouseClick(instr_->ui.ADFRMI1, Qt::LeftButton, {}, QPoint(8, 11));
    const int repaints = form_->ui.Chart3->RepaintRequests;
    QTest::mouseClick(instr_->ui.Close, Qt::LeftButton);
    QVERIFY(form_->isEnabled());
    QVERIFY(!instr_->isVisible());
    QVERIFY(form_->ui.Chart3->RepaintRequests > repaints);
    // The card turns with the heading now.
    QCOMPARE(Sim.AdfCardHeading, Sim.Heading);
    const QImage after = form_->ui.Chart3->Render();
    QVERIFY(before != after);
    QVERIFY(msgs.entries.isEmpty());
  }

  void closeAppliesTheStartPanel() {
    Open();
    form_->ui.HDGinput->setText("045");
    QTest::mouseClick(instr_->ui.Close, Qt::LeftButton);
    QCOMPARE(Sim.Heading, 45.0);
  }

  void closedByTheWindowManagerIsClose() {
    Open();
    QVERIFY(!form_->isEnabled());
    instr_->close();
    QVERIFY(form_->isEnabled());
    QVERIFY(!instr_->isVisible());
  }

  // The keys fly again after the window is gone: the focus is back in the
  // simulator's focus sink, not in an edit that a letter would go into.
  void closeGivesTheKeysBackToTheSimulator() {
    auto& f = form_->ui;
    const QString frequency = f.VOR1active->text();
    f.VOR1active->setFocus();
    Open();
    instr_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(instr_));
    QTest::mouseClick(instr_->ui.Close, Qt::LeftButton);
    form_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form_));
    QCOMPARE(QApplication::focusWidget(), f.ChronoOutput);
    const bool map = Sim.MapVisible;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z);
    QCOMPARE(Sim.MapVisible, !map);
    QCOMPARE(f.VOR1active->text(), frequency);
  }

  void picture() {
    InstrSettings.ADFRMI = 1;
    Open();
    const QImage image = test::Grab(instr_);
    test::SavePng(image, "instrument_options_window");
    QCOMPARE(image.size(), instr_->size() * image.devicePixelRatio());
    // The memo's white page fills its right-hand part.
    const QPoint inMemo = instr_->ui.Memo1->geometry().bottomRight() - QPoint(8, 8);
    QCOMPARE(QColor(image.pixel(inMemo)), QColor(Qt::white));
    QTest::mouseClick(instr_->ui.Close, Qt::LeftButton);
  }
};

QTEST_MAIN(tst_InstrForm)
#include "tst_instrform.moc"
