// The exercises window: its catalogue lists, the start and end of a run, the
// two panel layouts and the course line it asks the map for.
#include <QtTest>

#include "areas/area.h"
#include "areas/instrform.h"
#include "areas/mapform.h"
#include "exercises/catalogue.h"
#include "exercises/generatorkit.h"
#include "exercises/exwindowfixture.h"
#include "platform/random.h"
#include "support/testsupport.h"

using namespace tvx;

class tst_Exform : public QObject {
  Q_OBJECT
  test::ExerciseWindows w;
  int ended = 0;
  int menus = 0;

 private slots:
  void initTestCase() {
    test::PrepareSimWindowTests();
    ToolWindow::EndProgram = [this] { ++ended; };
    TExform::ShowMainMenu = [this] { ++menus; };
  }

  void init() { QVERIFY(w.Create()); }
  void cleanup() { w.Destroy(); }

  void windowAtCreation() {
    delete w.ex;
    Rng().RandSeed = 0;
    w.ex = new TExform;
    auto& ui = w.ex->ui;
    QVERIFY(Rng().RandSeed != 0);  // seeded afresh
    QCOMPARE(w.ex->windowTitle(), QString("Tarvinex IFR Exercises"));
    QCOMPARE(w.ex->size(), QSize(630, 466));
    const Qt::WindowFlags flags = w.ex->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(ui.Exlijst->count(), 10);
    QCOMPARE(ui.Exlijst->item(4)->text(), QString("VORDME ARC ....... (R)"));
    QCOMPARE(ui.Exlijst->currentRow(), 0);
    QCOMPARE(ui.Exgroup->Items(), ExerciseTitles(0));
    QCOMPARE(ui.Exgroup->ItemIndex(), 0);
    QCOMPARE(ui.scoretekst->text(), QString("Your score: 0 / 0"));
    QVERIFY(ui.Startex->isHidden());
    QVERIFY(ui.Exit->isHidden());
    QCOMPARE(ui.Exgroup->geometry(), QRect(208, 8, 385, 417));
    QCOMPARE(ui.Exlijst->geometry(), QRect(8, 16, 177, 169));
    QCOMPARE(ui.startexbit->toolTip(), QString("Start the Exercise"));
    QCOMPARE(ui.exitbit->toolTip(), QString("Exit the Exercises"));
  }

  // A click on a group title lists that group with its first item chosen.
  void clickingAGroupTitle() {
    auto& ui = w.ex->ui;
    w.ex->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.ex));
    ui.Exgroup->SetItemIndex(5);
    auto clickGroup = [&](int row) {
      const QRect r = ui.Exlijst->visualItemRect(ui.Exlijst->item(row));
      QTest::mouseClick(ui.Exlijst->viewport(), Qt::LeftButton, {}, r.center());
    };
    clickGroup(2);
    QCOMPARE(ui.Exgroup->Count(), 4);  // homing is not offered
    QCOMPARE(ui.Exgroup->Items(), ExerciseTitles(2));
    QCOMPARE(ui.Exgroup->ItemIndex(), 0);
    QTest::mouseClick(ui.Exgroup->Button(3), Qt::LeftButton);
    QCOMPARE(ui.Exgroup->ItemIndex(), 3);
    clickGroup(2);  // the same group again
    QCOMPARE(ui.Exgroup->ItemIndex(), 0);
    QTest::mouseClick(ui.Exgroup->Button(3), Qt::LeftButton);
    clickGroup(5);
    QCOMPARE(ui.Exgroup->Count(), 15);
    QCOMPARE(ui.Exgroup->ItemIndex(), 0);
    // Every button shows at once, inside the group box, in white on navy.
    for (int i = 0; i < ui.Exgroup->Count(); ++i) {
      QVERIFY(ui.Exgroup->Button(i)->isVisible());
      QVERIFY(ui.Exgroup->rect().contains(ui.Exgroup->Button(i)->geometry()));
    }
    const QImage image = test::Grab(w.ex);
    test::SavePng(image, "exform_holdings");
    QCOMPARE(image.pixelColor(620, 450), QColor(0, 0, 128));
    const QRect last = ui.Exgroup->Button(14)->geometry().translated(ui.Exgroup->pos());
    int white = 0;
    for (int x = last.left(); x <= last.right(); ++x)
      for (int y = last.top(); y <= last.bottom(); ++y) white += image.pixelColor(x, y) == QColor(Qt::white);
    QVERIFY(white > 50);
  }

  void startingARun() {
    auto& f = w.sim->ui;
    w.sim->setEnabled(false);
    w.ex->show();
    Sim.ExRightCount = 4;
    Sim.ExAnsweredCount = 7;
    Sim.CourseLineShown = true;
    Ex.ExAnswerText = "Y";
    InstrSettings.ADFRMI = 2;
    f.Staticmemo->setPlainText("an old task");
    w.sim->SetExerciseMemoColour(Qt::red);
    f.beaconinput->setText("MMM");
    Sim.MapVisible = false;
    w.sim->mapschakelaar();
    QVERIFY(!f.MAPChart->isHidden());

    w.StartRun(1, -1);  // no generator: what the start alone does

    QVERIFY(w.sim->isEnabled());
    QVERIFY(w.ex->isHidden());
    QVERIFY(!f.Staticpanel->isHidden());
    const int cell = Sim.CellSize;
    QVERIFY(cell > 0);
    QCOMPARE(f.Staticpanel->pos(), QPoint(0, 4 * cell));
    QCOMPARE(f.Staticpanel->width(), f.SYSTEEMPanel->width() - 150);
    QCOMPARE(f.Staticmemo->toPlainText(), QString());
    QCOMPARE(f.Staticmemo->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(Ex.ExAnswerText, QString());
    QVERIFY(!Sim.MapVisible);
    QVERIFY(f.MAPChart->isHidden());
    QCOMPARE(InstrSettings.ADFRMI, 0);
    QCOMPARE(Sim.ExRightCount, 0);
    QCOMPARE(Sim.ExAnsweredCount, 0);
    QCOMPARE(f.Ctrtekst->text(), QString("Ex: 1"));
    QVERIFY(!Sim.CourseLineShown);  // the default position clears it
    QCOMPARE(f.beaconinput->text(), QString("AAA"));
  }

  // Each run counts from 0, also when a flying layout hid the counter.
  void eachRunCountsFromZero() {
    auto& f = w.sim->ui;
    w.StartRun(1, -1);
    w.AskQuestion({"question"}, 10);
    for (const char* typed : {"1", "10", "2"}) {
      f.Staticinput->setText(typed);
      w.sim->ConfirmstaticClick();
    }
    QCOMPARE(f.Ctrtekst->text(), QString("Ex: 4"));
    w.ex->DoeFly();
    QVERIFY(f.Ctrtekst->isHidden());
    w.StartRun(1, -1);
    QCOMPARE(Sim.ExAnsweredCount, 0);
    QCOMPARE(Sim.ExRightCount, 0);
    w.ex->DoeStatic();
    QCOMPARE(f.Ctrtekst->text(), QString("Ex: 1"));
  }

  void panelLayouts() {
    auto& f = w.sim->ui;
    w.StartRun(1, -1);
    const int cell = Sim.CellSize;
    f.Staticpanel->resize(f.Staticpanel->width(), 17);
    w.ex->DoeStatic();
    QCOMPARE(f.Staticpanel->height(), 2 * cell);
    QVERIFY(f.START->isHidden());
    QVERIFY(f.Startbit->isHidden());
    QVERIFY(f.STARTPanel->isHidden());
    QVERIFY(!f.Staticinput->isHidden());
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f.Staticinput));
    QVERIFY(!f.Confirmstatic->isHidden());
    QVERIFY(f.Command->isHidden());
    QVERIFY(!f.Ctrtekst->isHidden());

    f.Staticpanel->resize(f.Staticpanel->width(), 17);
    w.ex->DoeFly();
    QCOMPARE(f.Staticpanel->height(), 2 * cell);
    QVERIFY(!f.START->isHidden());
    QVERIFY(!f.Startbit->isHidden());
    QVERIFY(f.STARTPanel->isHidden());
    QVERIFY(f.Staticinput->isHidden());
    QVERIFY(f.Confirmstatic->isHidden());
    QVERIFY(!f.Command->isHidden());
    QVERIFY(f.Ctrtekst->isHidden());
  }

  // The exercises read from the map show it and lift the panel to the top.
  void mapAtTheTop() {
    auto& f = w.sim->ui;
    w.StartRun(1, -1);
    QVERIFY(f.MAPChart->isHidden());
    w.ex->ShowMapAtTop();
    QCOMPARE(f.Staticpanel->y(), 0);
    QVERIFY(Sim.MapVisible);
    QVERIFY(!f.MAPChart->isHidden());
  }

  // A generator's set-up: the task lines and the placed aircraft.
  void taskAndPlacement() {
    auto& f = w.sim->ui;
    w.StartRun(2, -1);
    w.ex->DoeFly();
    f.beaconinput->setText("MMM");
    f.Radialinput->setText("180");
    f.DMEinput->setText("6");
    w.ex->PlaceAircraft();
    const AreaBeacon& mmm = *std::find_if(Areas.NdbList.begin(), Areas.NdbList.end(),
                                          [](const AreaBeacon& b) { return b.Name == "MMM"; });
    // Placed 6 NM south of the NDB (y grows southwards); the placement's
    // first position step moves it a little.
    QVERIFY(std::abs(Sim.AircraftX - mmm.X) < 0.01);
    QVERIFY(std::abs(Sim.AircraftY - (mmm.Y + 6)) < 0.01);
    w.ex->AddTask("first line");
    w.ex->AddTask(WindLine(45, 25));
    QCOMPARE(f.Staticmemo->toPlainText(), QString("first line\nThe wind is: 045/25."));
  }

  // Every catalogue item has its generator; the dispatcher passes over
  // indexes outside the catalogue.
  void dispatcherOutsideTheCatalogue() {
    auto& f = w.sim->ui;
    QCOMPARE(TExform::MissingGenerators(), QStringList());
    f.Staticmemo->setPlainText("kept");
    w.ex->ui.Exgroup->SetItemIndex(-1);
    w.ex->Oefselectie();
    QCOMPARE(f.Staticmemo->toPlainText(), QString("kept"));
  }

  void courseLineThroughABeacon() {
    w.ex->tekencrs("MMM", 400);
    const AreaBeacon& mmm = *std::find_if(Areas.NdbList.begin(), Areas.NdbList.end(),
                                          [](const AreaBeacon& b) { return b.Name == "MMM"; });
    QVERIFY(Sim.CourseLineShown);
    QCOMPARE(Sim.CourseLineX, mmm.X);
    QCOMPARE(Sim.CourseLineY, mmm.Y);
    QCOMPARE(Sim.CourseLineCourse, 400);
    w.ex->tekencrs("NOPE", 10);
    QCOMPARE(Sim.CourseLineCourse, 400);
    QCOMPARE(Sim.CourseLineX, mmm.X);
  }

  // Leaving the exercises: the course line goes, the simulator lies
  // minimised behind the main menu.
  void leavingTheExercises() {
    TArea area;
    area.show();
    TMapform holding;
    TInstr options;
    options.show();
    w.StartRun(2, 0);
    w.ex->tekencrs("AAA", 90);
    w.sim->setEnabled(false);
    w.ex->show();
    menus = 0;
    w.ex->ui.exitbit->click();
    QCOMPARE(menus, 1);
    QVERIFY(!Sim.CourseLineShown);
    QVERIFY(w.ex->isHidden());
    QVERIFY(w.sim->isEnabled());
    // Put away: hidden, not minimised.
    QVERIFY(w.sim->isHidden());
    QVERIFY(!w.sim->isMinimized());
    QVERIFY(area.isHidden());
    QVERIFY(holding.isHidden());
    QVERIFY(options.isHidden());
  }

  void closingEndsTheProgram() {
    w.ex->show();
    ended = 0;
    w.ex->close();
    QCOMPARE(ended, 1);
  }
};

QTEST_MAIN(tst_Exform)
#include "tst_exform.moc"
