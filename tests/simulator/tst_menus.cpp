// The simulator window's menus and panel items driven as the pilot does:
// the switch panels, the stopwatch, the parking brake, the guidance line,
// the glideslope option, the start panel's folding and Enter key, the
// instrument options, the main menu and help entries and the documents.
#include <QtTest>

#include "areas/instrform.h"
#include "areas/instroptions.h"
#include "platform/dataroot.h"
#include "platform/messages.h"
#include "platform/shell.h"
#include "preparation/pdfsupport.h"
#include "shell/documents.h"
#include "simulator/form1.h"
#include "simulator/simstate.h"
#include "simulator/simwindowfixture.h"
#include "support/testsupport.h"

using namespace tvx;

namespace {

void Ticks(TForm1& form, int n) {
  for (int i = 0; i < n; ++i) form.TimerTimer();
}

void ChronoTicks(TForm1& form, int n) {
  for (int i = 0; i < n; ++i) form.Timer2Timer();
}

bool Pressed(const QLabel* sw) { return sw->frameShadow() == QFrame::Sunken; }

// A flight as FLY leaves it, without the checks of the start panel.
void PretendFlying(TForm1& form) {
  form.ui.START->setText("STOP");
  form.Timer->start();
}

}  // namespace

class tst_Menus : public QObject {
  Q_OBJECT
  TForm1* form_ = nullptr;

 private slots:
  void initTestCase() { test::PrepareSimWindowTests(); }

  void init() {
    InstrSettings = InstrOptions{};
    TForm1::ShowMainMenu = nullptr;
    TForm1::ShowKeyboardHelp = nullptr;
    form_ = test::NewActiveSimWindow();
    QVERIFY(form_);
  }

  void cleanup() {
    delete form_;
    form_ = nullptr;
    TForm1::ShowMainMenu = nullptr;
    TForm1::ShowKeyboardHelp = nullptr;
  }

  void switchPanelsToggleOneAtATime() {
    auto& ui = form_->ui;
    const QList<QLabel*> switches{ui.Ldglight, ui.CarbHeat, ui.Fuelpump};
    for (QLabel* sw : switches) {
      QCOMPARE(sw->text(), QString("OFF"));
      QVERIFY(!Pressed(sw));
    }
    QTest::mouseClick(ui.CarbHeat, Qt::LeftButton);
    QCOMPARE(ui.CarbHeat->text(), QString("ON"));
    QVERIFY(Pressed(ui.CarbHeat));
    QCOMPARE(ui.Ldglight->text(), QString("OFF"));
    QCOMPARE(ui.Fuelpump->text(), QString("OFF"));
    QVERIFY(!Pressed(ui.Ldglight));

    QTest::mouseClick(ui.Ldglight, Qt::LeftButton);
    QTest::mouseClick(ui.Fuelpump, Qt::LeftButton);
    for (QLabel* sw : switches) {
      QCOMPARE(sw->text(), QString("ON"));
      QVERIFY(Pressed(sw));
    }
    QTest::mouseClick(ui.CarbHeat, Qt::LeftButton);
    QCOMPARE(ui.CarbHeat->text(), QString("OFF"));
    QVERIFY(!Pressed(ui.CarbHeat));
    QVERIFY(Pressed(ui.Ldglight));
    // Other buttons do nothing.
    QTest::mouseClick(ui.Ldglight, Qt::RightButton);
    QCOMPARE(ui.Ldglight->text(), QString("ON"));
  }

  void stopwatchStartsCountsAndResets() {
    auto& ui = form_->ui;
    QVERIFY(!form_->Timer2->isActive());
    QCOMPARE(form_->Timer2->interval(), 100);
    QTest::mouseClick(ui.CHRONO, Qt::LeftButton);
    QVERIFY(form_->Timer2->isActive());
    QVERIFY(ui.ChronoOutput->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), ui.ChronoOutput);

    ChronoTicks(*form_, 95);
    QCOMPARE(ui.ChronoOutput->text(), QString("0:09"));
    ChronoTicks(*form_, 505);
    QCOMPARE(ui.ChronoOutput->text(), QString("1:00"));
    QCOMPARE(Sim.ChronoWhole, 60);

    QTest::mouseClick(ui.CHRONO, Qt::LeftButton);
    QVERIFY(!form_->Timer2->isActive());
    QCOMPARE(ui.ChronoOutput->text(), QString("0"));
    QCOMPARE(Sim.ChronoWhole, 0);
    QCOMPARE(Sim.ChronoSeconds, 0.0);
  }

  void stopwatchRunsOnItsOwnTimer() {
    QTest::mouseClick(form_->ui.CHRONO, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(Sim.ChronoSeconds >= 0.3 - 1e-9, 5000);
    QCOMPARE(form_->ui.ChronoOutput->text(), QString("0:00"));
    // The simulation tick is not needed for it.
    QVERIFY(!form_->Timer->isActive());
    QTest::mouseClick(form_->ui.CHRONO, Qt::LeftButton);
  }

  void stopwatchHeldAtZeroAfterTheFlightsReset() {
    // STOP of the flight writes "0" into the box: a running stopwatch stands
    // still until it is clicked off and on again.
    QTest::mouseClick(form_->ui.CHRONO, Qt::LeftButton);
    ChronoTicks(*form_, 30);
    form_->ui.ChronoOutput->setText("0");
    Sim.ChronoSeconds = 0;
    ChronoTicks(*form_, 30);
    QCOMPARE(form_->ui.ChronoOutput->text(), QString("0"));
    QCOMPARE(Sim.ChronoSeconds, 0.0);
  }

  void parkingBrakeHoldsOnlyStandingStill() {
    auto& ui = form_->ui;
    PretendFlying(*form_);
    QCOMPARE(ui.Parkbrakelight->Style(), BrushStyle::DiagCross);

    // Rolling: the lever snaps back at once and the flight goes on.
    Sim.Airspeed = 40;
    ui.parkbrake->setValue(1);
    QCOMPARE(ui.parkbrake->value(), 0);
    QCOMPARE(ui.Parkbrakelight->Style(), BrushStyle::DiagCross);
    QVERIFY(form_->Timer->isActive());
    QCOMPARE(QApplication::focusWidget(), ui.ChronoOutput);

    // Standing still: the light is lit and the simulation stops.
    Sim.Airspeed = 0;
    ui.parkbrake->setValue(1);
    QCOMPARE(ui.parkbrake->value(), 1);
    QCOMPARE(ui.Parkbrakelight->Style(), BrushStyle::Solid);
    QVERIFY(!form_->Timer->isActive());

    // Released: the light goes off; the flight stays stopped.
    ui.parkbrake->setValue(0);
    QCOMPARE(ui.Parkbrakelight->Style(), BrushStyle::DiagCross);
    QVERIFY(!form_->Timer->isActive());
  }

  void guidanceOnOffByClickingTheBox() {
    auto& ui = form_->ui;
    QCOMPARE(ui.GroupBox12->title(), QString(" Spd - Pitch - %N1 "));
    QCOMPARE(ui.Learntext->text(), QString("OFF"));
    ui.Flaps->setValue(1);
    // A click on the text inside the box counts once.
    QTest::mouseClick(ui.Learntext, Qt::LeftButton);
    QCOMPARE(ui.Learntext->text(), QString::fromUtf8("184 - 5.5° - 60%"));
    QTest::mouseClick(ui.GroupBox12, Qt::LeftButton, {}, QPoint(4, 4));
    QCOMPARE(ui.Learntext->text(), QString("OFF"));
    Sim.OneEngineOut = true;
    ui.Flaps->setValue(4);
    QTest::mouseClick(ui.GroupBox12, Qt::LeftButton, {}, QPoint(4, 4));
    QCOMPARE(ui.Learntext->text(), QString("N.A. for 1 eng inop. "));
  }

  void guidanceOffStaysOff() {
    form_->doelearn();
    QCOMPARE(form_->ui.Learntext->text(), QString("OFF"));
  }

  void guidanceFollowsTheLeverAtTheNextSecond() {
    auto& ui = form_->ui;
    ui.Flaps->setValue(0);
    form_->GroupBox12Click();
    QCOMPARE(ui.Learntext->text(), QString::fromUtf8("210 - 5° - 58%"));
    PretendFlying(*form_);
    ui.Flaps->setValue(3);
    // The lever alone does not change the line ...
    QCOMPARE(ui.Learntext->text(), QString::fromUtf8("210 - 5° - 58%"));
    Ticks(*form_, 9);
    QCOMPARE(ui.Learntext->text(), QString::fromUtf8("210 - 5° - 58%"));
    // ... the once-a-second refresh does.
    Ticks(*form_, 1);
    QCOMPARE(ui.Learntext->text(), QString::fromUtf8("154 - 6° - 62%"));
    form_->Timer->stop();
  }

  void glideslopeOptionTogglesAndRedraws() {
    auto& ui = form_->ui;
    QVERIFY(!ui.GlideslopeUS1->isChecked());
    QVERIFY(!Sim.GlideslopeOff);
    const int chart3 = ui.Chart3->RepaintRequests;
    const int hsi = ui.chart4->RepaintRequests;
    ui.GlideslopeUS1->trigger();
    QVERIFY(ui.GlideslopeUS1->isChecked());
    QVERIFY(Sim.GlideslopeOff);
    QVERIFY(ui.Chart3->RepaintRequests > chart3);
    QVERIFY(ui.chart4->RepaintRequests > hsi);
    ui.GlideslopeUS1->trigger();
    QVERIFY(!ui.GlideslopeUS1->isChecked());
    QVERIFY(!Sim.GlideslopeOff);
  }

  void startpositionMenuFoldsOnlyWhileStopped() {
    auto& ui = form_->ui;
    QCOMPARE(ui.STARTPanel->size(), QSize(593, 257));
    ui.Startpositionmenu->trigger();
    QCOMPARE(ui.STARTPanel->size(), QSize(105, 65));
    ui.Startpositionmenu->trigger();
    QCOMPARE(ui.STARTPanel->size(), QSize(593, 257));
    ui.START->setText("STOP");
    ui.Startpositionmenu->trigger();
    QCOMPARE(ui.STARTPanel->size(), QSize(593, 257));
  }

  void enterInAStartEditAppliesThePanel_data() {
    QTest::addColumn<QString>("edit");
    for (const char* name : {"HDGinput", "Altitudeinput", "RPMinput", "Attiinput", "Radialinput", "DMEinput",
                             "WINDWinput", "WINDVinput", "beaconinput"})
      QTest::newRow(name) << name;
  }

  void enterInAStartEditAppliesThePanel() {
    QFETCH(QString, edit);
    auto& ui = form_->ui;
    auto* field = form_->findChild<QLineEdit*>(edit);
    QVERIFY(field);
    ScopedRecordingMessages msgs;
    // A new heading typed; the Enter in any of the edits reads it.
    ui.HDGinput->setText("123");
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(Sim.Heading, 270.0);  // Shift+Enter is not Enter
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(Sim.Heading, 123.0);
    QCOMPARE(QApplication::focusWidget(), ui.Update);
    QVERIFY(msgs.entries.isEmpty());
  }

  void enterClosingAMessageDoesNotApplyThePanelAgain() {
    auto& ui = form_->ui;
    ScopedRecordingMessages msgs;
    ui.HDGinput->setText("400");
    ui.HDGinput->setFocus();
    QTest::keyClick(ui.HDGinput, Qt::Key_Return);
    QCOMPARE(msgs.Texts(), QStringList{"ERROR: Heading is not between 0 and 360 "});
    QCOMPARE(QApplication::focusWidget(), ui.HDGinput);
    // The Enter that closed the box is pressed there and released here.
    QTest::keyRelease(ui.HDGinput, Qt::Key_Return);
    QCOMPARE(msgs.entries.size(), 1);
    // Another key pressed here and Enter released: not this edit's Enter either.
    QTest::keyPress(ui.HDGinput, Qt::Key_Shift);
    QTest::keyRelease(ui.HDGinput, Qt::Key_Return);
    QCOMPARE(msgs.entries.size(), 1);
    // The pilot's own Enter asks again.
    QTest::keyClick(ui.HDGinput, Qt::Key_Return);
    QCOMPARE(msgs.entries.size(), 2);
  }

  void enterInTheBeaconEditStartsFromTheTypedBeacon() {
    auto& ui = form_->ui;
    ScopedRecordingMessages msgs;
    ui.beaconinput->setFocus();
    ui.beaconinput->selectAll();
    QTest::keyClicks(ui.beaconinput, "bbb");
    QTest::keyClick(ui.beaconinput, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(ui.beaconinput->text(), QString("BBB"));
    QCOMPARE(ui.Beaconmemo->toPlainText().left(4), QString("VOR:"));
    QCOMPARE(QApplication::focusWidget(), ui.Update);
    QVERIFY(msgs.entries.isEmpty());
  }

  void instrumentsEntriesOpenTheOptionsWindow() {
    auto& ui = form_->ui;
    {
      // No options window: the simulator stays usable.
      ui.Instrumentsmenu->trigger();
      QVERIFY(form_->isEnabled());
    }
    TInstr instr;
    InstrSettings.ADFRMI = 2;
    for (QObject* entry : {static_cast<QObject*>(ui.Instrumentsmenu), static_cast<QObject*>(ui.InstrumentsButton)}) {
      if (auto* action = qobject_cast<QAction*>(entry)) action->trigger();
      else QTest::mouseClick(static_cast<QPushButton*>(entry), Qt::LeftButton);
      QVERIFY(instr.isVisible());
      QVERIFY(!form_->isEnabled());
      QVERIFY(instr.ui.ADFRMI2->isChecked());
      QTest::mouseClick(instr.ui.Close, Qt::LeftButton);
      QVERIFY(!instr.isVisible());
      QVERIFY(form_->isEnabled());
    }
  }

  void exitGoesToTheMainMenuWhenThereIsOne() {
    auto& ui = form_->ui;
    // No main menu yet: Exit leaves the simulator in front.
    QTest::mouseClick(ui.CloseAreabit, Qt::LeftButton);
    QVERIFY(!form_->isMinimized());
    QVERIFY(form_->isEnabled());

    TInstr instr;
    int shown = 0;
    TForm1::ShowMainMenu = [&shown] { ++shown; };
    ui.Exitmenu->trigger();
    QCOMPARE(shown, 1);
    // Put away, the options window too: hidden, not minimised.
    QVERIFY(form_->isHidden());
    QVERIFY(!(form_->windowState() & Qt::WindowMinimized));
    QVERIFY(!instr.isVisible());
    form_->showNormal();
    QTest::mouseClick(ui.CloseAreabit, Qt::LeftButton);
    QCOMPARE(shown, 2);
  }

  void helpShowsTheKeyboardHelpWhenThereIsOne() {
    auto& ui = form_->ui;
    ui.Help->trigger();
    QVERIFY(form_->isEnabled());  // nothing to wait behind
    int shown = 0;
    TForm1::ShowKeyboardHelp = [&shown] { ++shown; };
    ui.Help->trigger();
    QCOMPARE(shown, 1);
    QVERIFY(!form_->isEnabled());
    form_->setEnabled(true);
    form_->helpmenuClick();
    QCOMPARE(shown, 2);
  }

  void manualsOpenThroughTheShell() {
    QVERIFY(EnsureDataRoot());
    ScopedRecordingShell shell;
    ScopedRecordingMessages msgs;
    form_->ui.Summary1->trigger();
    form_->ui.IFRManual1->trigger();
    QCOMPARE(shell.opened.size(), 2);
    QCOMPARE(shell.opened[0], QUrl::fromLocalFile(DataRoot() + "/Summary.pdf"));
    QCOMPARE(shell.opened[1], QUrl::fromLocalFile(DataRoot() + "/" + kManualPdf));
    QVERIFY(msgs.entries.isEmpty());
    // Nothing on the desktop opens them: a message names each file.
    shell.result = false;
    form_->ui.Summary1->trigger();
    form_->ui.IFRManual1->trigger();
    QCOMPARE(shell.opened.size(), 4);
    QCOMPARE(msgs.Texts(),
             (QStringList{"ERROR: Cannot open " + QDir::toNativeSeparators(DataRoot() + "/Summary.pdf") +
                              ": no program on this computer opens it.",
                          "ERROR: Cannot open " + QDir::toNativeSeparators(DataRoot() + "/" + kManualPdf) +
                              ": no program on this computer opens it."}));
  }

  void shippedDocumentsLieInTheProgramFolder() {
    QVERIFY(EnsureDataRoot());
    for (const char* name : {kSummaryPdf, kManualPdf}) {
      const QString path = DocumentPath(name);
      QVERIFY2(QFileInfo(path).isFile(), qPrintable(path));
      if (!test::HavePdfToText()) continue;
      const QString text = test::PdfText(path);
      QVERIFY2(text.contains("Tarvinex Sim"), name);
      // Both list the keys as the simulator handles them.
      QVERIFY2(text.contains("Ctrl+H"), name);
      QVERIFY2(text.contains("CHRONO"), name);
    }
  }

  void emptyHandlersChangeNothing() {
    const SimState before = Sim;
    form_->TurnrateClick();
    form_->APLpanelClick();
    form_->LNAVpanelClick();
    form_->SPDupdownClick();
    form_->VNAVpanelClick();
    form_->tkFMA();
    form_->PerfTable1Click();
    QCOMPARE(Sim.Heading, before.Heading);
    QCOMPARE(Sim.SelectedHeading, before.SelectedHeading);
    QCOMPARE(Sim.AutopilotEngaged, before.AutopilotEngaged);
  }

  void systemsPanelPicture() {
    auto& ui = form_->ui;
    ScopedRecordingMessages msgs;
    form_->SetTypegroupIndex(0);
    QTest::mouseClick(ui.START, Qt::LeftButton);
    QCOMPARE(ui.START->text(), QString("STOP"));
    QVERIFY(ui.SYSTEEMPanel->isVisible());
    form_->Timer->stop();
    QTest::mouseClick(ui.Ldglight, Qt::LeftButton);
    QTest::mouseClick(ui.Fuelpump, Qt::LeftButton);
    QTest::mouseClick(ui.CHRONO, Qt::LeftButton);
    form_->Timer2->stop();
    ChronoTicks(*form_, 655);
    QCOMPARE(ui.ChronoOutput->text(), QString("1:05"));
    Sim.Airspeed = 0;
    ui.parkbrake->setValue(1);
    ui.Flaps->setValue(2);
    form_->GroupBox12Click();

    const QImage image = test::Grab(ui.SYSTEEMPanel);
    test::SavePng(image, "systems_panel_switches_chrono");
    // The pressed switch panels are drawn sunken: their top edge dark, the
    // raised one's light.
    auto topEdge = [&](QLabel* sw) {
      return QColor(image.pixel(sw->mapTo(ui.SYSTEEMPanel, QPoint(sw->width() / 2, 0)))).lightness();
    };
    QVERIFY(topEdge(ui.Ldglight) < topEdge(ui.CarbHeat));
    QVERIFY(topEdge(ui.Fuelpump) < topEdge(ui.CarbHeat));
    // The lit brake light is solid red at its centre.
    const QPoint light = ui.Parkbrakelight->mapTo(ui.SYSTEEMPanel, ui.Parkbrakelight->rect().center());
    QCOMPARE(QColor(image.pixel(light)), QColor(Qt::red));
  }
};

QTEST_MAIN(tst_Menus)
#include "tst_menus.moc"
