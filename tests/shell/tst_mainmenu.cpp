// The program started as a whole: the windows it creates, the main menu's
// entries into the simulator, the exercises and the tools and the ways back,
// the windows the menu puts away, its hover texts, banner and links.
#include <QtTest>

#include "areas/area.h"
#include "areas/areamodel.h"
#include "platform/dataroot.h"
#include "platform/filechooser.h"
#include "platform/jpegimage.h"
#include "platform/messages.h"
#include "platform/shell.h"
#include "platform/windowintent.h"
#include "platform/windowkeeper.h"
#include "shell/documents.h"
#include "shell/mainform.h"
#include "shell/menutexts.h"
#include "shell/programfixture.h"
#include "simulator/aircraftconfig.h"
#include "support/testsupport.h"

using namespace tvx;
using test::Minimised;

namespace {

QStringList MemoLines(const TMain& main) { return main.ui.Mainmemo->toPlainText().split('\n'); }

bool ShownNormally(const QWidget* w) { return w->isVisible() && !Minimised(w); }
// Put away: hidden, whatever state it is kept in for when it comes back.
bool PutAway(const QWidget* w) { return !w->isVisible(); }

// The window system's answers to what was just shown or moved arrive, as
// they do while the user looks before the next click.
void Settle() { QTest::qWait(30); }

// The window system reports `w` in `state` of its own accord, after whatever
// it has still to report: the platform's window is asked directly, and its
// answer comes back to the program through the window-system interface, the
// way a window manager's report does, late and in order.
void WindowSystemReports(QWidget* w, Qt::WindowStates state) { w->windowHandle()->setWindowStates(state); }

}  // namespace

class tst_MainMenu : public QObject {
  Q_OBJECT
  test::ProgramRun run;
  QElapsedTimer started;  // the banner may have taken a step once a second has passed

 private slots:
  void initTestCase() { test::ProgramRun::Prepare(); }

  void init() {
    started.start();
    QVERIFY(run.Start());
  }

  void cleanup() { run.Stop(); }

  void startBuildsEveryWindowAndShowsOnlyTheMenu() {
    Program& p = *run;
    // One global per window, set as each is built.
    QCOMPARE(Form1, &p.form1);
    QCOMPARE(Windtriangle, &p.windtriangle);
    QCOMPARE(Area, &p.area);
    QCOMPARE(Main, &p.main);
    QCOMPARE(Instr, &p.instr);
    QCOMPARE(Mapform, &p.mapform);
    QCOMPARE(MassBalForm, &p.massbal);
    QCOMPARE(Convform, &p.conv);
    QCOMPARE(Exform, &p.exform);
    QCOMPARE(dbaseform, &p.dbase);
    QCOMPARE(Helpform, &p.help);
    QCOMPARE(Printareaform, &p.printarea);
    // The start cleared the title; the simulator's creation set it.
    QCOMPARE(QApplication::applicationName(), QString("Tarvinex"));

    TMain& main = p.main;
    QVERIFY(main.isVisible());
    QVERIFY(main.windowState() & Qt::WindowMaximized);
    // In front of the program's own windows only, by putting them away: a
    // document it opens comes in front of it. Maximised by every window
    // manager, which asks for the maximise command.
    QVERIFY(!(main.windowFlags() & Qt::WindowStaysOnTopHint));
    QVERIFY(main.windowFlags() & Qt::WindowMaximizeButtonHint);
    QCOMPARE(main.windowTitle(), QString("Tarvinex Sim"));
    QCOMPARE(p.form1.windowTitle(), QString("Tarvinex Sim"));
    for (const QWidget* w : QList<const QWidget*>{&p.form1, &p.windtriangle, &p.area, &p.instr, &p.mapform,
                                                  &p.massbal, &p.conv, &p.exform, &p.dbase, &p.help, &p.printarea})
      QVERIFY2(!w->isVisible(), w->metaObject()->className());
    for (const QPushButton* entry : {main.ui.Simulator, main.ui.Exercises, main.ui.Navlog, main.ui.MassBal,
                                     main.ui.Conversion})
      QVERIFY(entry->isEnabled());
    QVERIFY(main.HoverKey.isEmpty());
    QVERIFY(main.ui.Mainmemo->toPlainText().isEmpty());
    QVERIFY2(main.ui.Ondertitel->text().isEmpty() || started.elapsed() >= main.Maintimer->interval(),
             qPrintable(main.ui.Ondertitel->text()));
    QVERIFY(main.Maintimer->isActive());
    QCOMPARE(main.Maintimer->interval(), 1000);
    // The exits of the simulator, the exercises and the tools, and the help entries, lead somewhere.
    QVERIFY(TForm1::ShowMainMenu);
    QVERIFY(ToolWindow::ShowMainMenu);
    QVERIFY(TForm1::ShowKeyboardHelp);
    // The navigation database was read whole at creation.
    QVERIFY(!p.dbase.Database.Airports.empty());
  }

  void hooksGoWithTheProgram() {
    run.Stop();
    // No exit leads to a menu or a help window that is no more.
    QVERIFY(!TForm1::ShowMainMenu);
    QVERIFY(!ToolWindow::ShowMainMenu);
    QVERIFY(!TForm1::ShowKeyboardHelp);
    QVERIFY(!ToolWindow::MayEndProgram);  // no question about an area that is no more
    QVERIFY(!Main);
  }

  void captionsAndHintsAreTheMenusOwn() {
    const auto& ui = run->main.ui;
    QCOMPARE(ui.Simulator->text(), QString("SIM"));
    QCOMPARE(ui.Exercises->text(), QString("IFR EXERCISES"));
    QCOMPARE(ui.GroupBox1->title(), QString(" Flight Preparation "));
    QCOMPARE(ui.Navlog->text(), QString("NAVIGATION LOG"));
    QCOMPARE(ui.MassBal->text(), QString("MASS && BALANCE"));
    QCOMPARE(ui.Conversion->text(), QString("CONVERSIONS"));
    QCOMPARE(ui.CloseAreabit->text(), QString("Exit"));
    QCOMPARE(ui.Exit->text(), QString("EXIT"));
    QCOMPARE(ui.B757panel->text(), QString("BOEING 757"));
    QVERIFY(ui.Exit->isHidden());
    QVERIFY(ui.B757panel->isHidden());
    QCOMPARE(ui.Emailbit->text(), QString("Send Email"));
    QCOMPARE(ui.Emailbit->toolTip(), QString("Invite friends"));
    QCOMPARE(ui.BitBtn1->text(), QString("Manual"));
    QCOMPARE(ui.BitBtn1->toolTip(), QString("Open Manual"));
    QCOMPARE(ui.BitBtn2->text(), QString("Summary"));
    QCOMPARE(ui.BitBtn2->toolTip(), QString("Open Summary"));
    for (QPushButton* tool : {ui.Navlog, ui.MassBal, ui.Conversion}) {
      QCOMPARE(tool->parentWidget(), ui.GroupBox1);
      const QImage face = test::Grab(tool);
      const QColor middle = face.pixelColor(face.width() / 2, 4);
      QVERIFY2(middle.red() > 150 && middle.green() < 60 && middle.blue() < 60, qPrintable(middle.name()));
    }
  }

  void paintingPutsTheOtherWindowsAwayButNotTheMenu() {
    Program& p = *run;
    const QList<QWidget*> named{&p.form1, &p.windtriangle, &p.massbal, &p.conv, &p.exform};
    for (QWidget* w : named) w->showNormal();
    p.area.showNormal();  // not one of them
    p.main.ShowMenu();
    Settle();
    QVERIFY(QTest::qWaitForWindowExposed(&p.main));
    p.main.repaint();
    for (QWidget* w : named) QVERIFY2(PutAway(w) && !Minimised(w), w->metaObject()->className());
    // A tool put away by the menu does not minimise the program with it.
    Settle();
    QVERIFY(ShownNormally(&p.main));
    QVERIFY(ShownNormally(&p.area));
  }

  void theBannerRepaintingPutsNothingAway() {
    Program& p = *run;
    QVERIFY(QTest::qWaitForWindowExposed(&p.main));
    Settle();  // the menu has painted
    // The navigation log in view while the menu is up stays while the
    // banner repaints.
    p.windtriangle.showNormal();
    Settle();
    QVERIFY(ShownNormally(&p.windtriangle));
    for (int i = 0; i < 3; ++i) {
      p.main.MaintimerTimer();
      p.main.ui.Ondertitel->repaint();
    }
    QVERIFY(ShownNormally(&p.windtriangle));
    // The menu's own paint does.
    p.main.repaint();
    QVERIFY(PutAway(&p.windtriangle));
  }

  void windowCommandsOfTheMenu() {
    Program& p = *run;
    p.form1.showNormal();
    // The user's minimise minimises the whole program.
    p.main.setWindowState(Qt::WindowMinimized);
    QTRY_VERIFY(Minimised(&p.form1));
    p.main.ShowMenu();
    QVERIFY(!Minimised(&p.main));
    QCOMPARE(run.ended, 0);
    p.main.close();
    QCOMPARE(run.ended, 1);
  }

  // What the window system reports about a window put away counts for
  // nothing: around every way into the simulator, the exercises and the
  // tools and back to the menu, reports of the windows put away as
  // minimised, restored or maximised bring none back and minimise nothing.
  void reportsOnWindowsPutAwayChangeNothing() {
    Program& p = *run;
    struct Way {
      const char* name;
      QPushButton* entry;
      QList<QWidget*> shown;
      QPushButton* back;
    };
    const Way ways[] = {
        {"navigation log", p.main.ui.Navlog, {&p.windtriangle}, p.windtriangle.ui.mainmenubit},
        {"mass and balance", p.main.ui.MassBal, {&p.massbal}, p.massbal.ui.mainmenubit},
        {"conversions", p.main.ui.Conversion, {&p.conv}, p.conv.ui.mainmenubit},
        {"simulator", p.main.ui.Simulator, {&p.form1}, p.form1.ui.CloseAreabit},
        {"exercises", p.main.ui.Exercises, {&p.exform, &p.form1}, p.exform.ui.exitbit},
    };
    const QList<QWidget*> windows{&p.form1, &p.windtriangle, &p.massbal, &p.conv, &p.exform, &p.main};
    const Qt::WindowStates reports[] = {Qt::WindowMinimized, Qt::WindowNoState, Qt::WindowMaximized};
    QVERIFY(QTest::qWaitForWindowExposed(&p.main));
    for (const Way& way : ways) {
      for (const bool back : {false, true}) {
        QTest::mouseClick(back ? way.back : way.entry, Qt::LeftButton);
        const QList<QWidget*> chosen = back ? QList<QWidget*>{&p.main} : way.shown;
        for (const Qt::WindowStates state : reports)
          for (QWidget* w : windows)
            if (!chosen.contains(w) && w->windowHandle()) WindowSystemReports(w, state);
        Settle();
        const QString step = QString(way.name) + (back ? ", back at the menu" : "");
        for (QWidget* w : windows)
          QVERIFY2(chosen.contains(w) ? ShownNormally(w) : PutAway(w),
                   qPrintable(step + ": " + w->metaObject()->className()));
      }
    }
    QCOMPARE(run.ended, 0);
  }

  // The user's minimise of any window of the program in view, from its
  // title bar, minimises every window of the program in view; restoring any
  // one of them brings every one back in its state.
  void theUsersMinimiseTakesTheProgramDownAndARestoreBringsItBack() {
    Program& p = *run;
    struct Way {
      const char* name;
      QPushButton* entry;  // none: the menu itself
      QWidget* minimised;
      QWidget* restored;
    };
    const Way ways[] = {
        {"main menu", nullptr, &p.main, &p.area},
        {"navigation log", p.main.ui.Navlog, &p.windtriangle, &p.windtriangle},
        {"mass and balance", p.main.ui.MassBal, &p.massbal, &p.mapform},
        {"conversions", p.main.ui.Conversion, &p.conv, &p.conv},
        {"simulator", p.main.ui.Simulator, &p.form1, &p.form1},
        {"exercises", p.main.ui.Exercises, &p.exform, &p.form1},
    };
    for (const Way& way : ways) {
      p.main.ShowMenu();
      Settle();
      if (way.entry) QTest::mouseClick(way.entry, Qt::LeftButton);
      // Windows of the program the user has in view besides, one maximised.
      p.area.showNormal();
      p.mapform.showMaximized();
      Settle();
      QList<QWidget*> inView;
      QHash<QWidget*, Qt::WindowStates> states;
      for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->isWindow()) {
          inView << w;
          states[w] = w->windowState() & ~Qt::WindowActive;
        }
      QVERIFY2(!Minimised(way.minimised), way.name);
      WindowSystemReports(way.minimised, way.minimised->windowState() | Qt::WindowMinimized);
      Settle();
      for (QWidget* w : inView)
        QVERIFY2(w->isVisible() && Minimised(w), qPrintable(QString(way.name) + ": " + w->metaObject()->className()));

      WindowSystemReports(way.restored, way.restored->windowState() & ~Qt::WindowMinimized);
      Settle();
      for (QWidget* w : inView)
        QVERIFY2(w->isVisible() && (w->windowState() & ~Qt::WindowActive) == states[w],
                 qPrintable(QString(way.name) + ", restored: " + w->metaObject()->className()));
      for (QWidget* w : std::initializer_list<QWidget*>{&p.area, &p.mapform}) w->hide();
    }
  }

  void exitEndsTheProgram() {
    TMain& main = run->main;
    QTest::mouseClick(main.ui.CloseAreabit, Qt::LeftButton);
    QCOMPARE(run.ended, 1);
    // The hidden EXIT panel shares the handler.
    main.ui.Exit->show();
    QTest::mouseClick(main.ui.Exit, Qt::LeftButton);
    QCOMPARE(run.ended, 2);
    // The button does nothing more than that.
    QVERIFY(main.isVisible());
  }

  void closingTheSimulatorEndsTheProgram() {
    Program& p = *run;
    QTest::mouseClick(p.main.ui.Simulator, Qt::LeftButton);
    QVERIFY(p.form1.isVisible());
    p.form1.close();
    QTRY_COMPARE(run.ended, 1);
    // Hiding is no closing.
    p.form1.show();
    p.form1.hide();
    QTest::qWait(20);
    QCOMPARE(run.ended, 1);
  }

  // Whatever window ends the program, an edited area is offered for saving
  // first, and Cancel keeps the program running.
  void anEditedAreaIsAskedForBeforeTheProgramEnds() {
    Program& p = *run;
    const QString question = "AREA HAS BEEN MODIFIED. SAVE CHANGES ? ";
    ScopedRecordingMessages messages;
    ScriptedFiles files;
    Areas.AreaModified = true;

    // The main menu's Exit.
    messages.answers << DlgAnswer::Cancel;
    QTest::mouseClick(p.main.ui.CloseAreabit, Qt::LeftButton);
    QCOMPARE(messages.Texts(), QStringList{question});
    QCOMPARE(messages.entries[0].buttons, DlgButtons::YesNoCancel);
    QCOMPARE(run.ended, 0);
    QVERIFY(p.main.isVisible());

    // The exercises window's close, which only the window manager offers.
    QTest::mouseClick(p.main.ui.Exercises, Qt::LeftButton);
    QVERIFY(p.exform.isVisible());
    messages.Clear();
    messages.answers << DlgAnswer::Cancel;
    p.exform.close();
    QCOMPARE(messages.Texts(), QStringList{question});
    QVERIFY(p.exform.isVisible());
    QCOMPARE(run.ended, 0);
    // Yes, but the save dialog cancelled: the edits are not lost either.
    messages.answers << DlgAnswer::Yes;
    p.exform.close();
    QCOMPARE(files.requests.size(), 1);
    QVERIFY(p.exform.isVisible());
    QCOMPARE(run.ended, 0);
    // No: the program ends without saving.
    messages.answers << DlgAnswer::No;
    p.exform.close();
    QCOMPARE(run.ended, 1);

    // The simulator window's close, cancelled: it stays.
    QTest::mouseClick(p.main.ui.Simulator, Qt::LeftButton);
    QVERIFY(p.form1.isVisible());
    messages.Clear();
    messages.answers << DlgAnswer::Cancel;
    p.form1.close();
    QTest::qWait(20);
    QCOMPARE(messages.Texts(), QStringList{question});
    QVERIFY(p.form1.isVisible());
    QCOMPARE(run.ended, 1);
    // Yes: the area is saved, then the program ends.
    const QString saved = MapPath(kAreaFolder) + "/Kept.dat";
    files.answers << saved;
    messages.answers << DlgAnswer::Yes;
    p.form1.close();
    QTRY_COMPARE(run.ended, 2);
    QVERIFY(QFileInfo::exists(saved));
    QVERIFY(!Areas.AreaModified);

    // A tool's close, with nothing edited: nothing asked.
    messages.Clear();
    p.windtriangle.showNormal();
    p.windtriangle.close();
    QCOMPARE(run.ended, 3);
    QVERIFY(messages.entries.isEmpty());
    // Edited again, the tool's close asks too.
    Areas.AreaModified = true;
    p.massbal.showNormal();
    messages.answers << DlgAnswer::Cancel;
    p.massbal.close();
    QCOMPARE(messages.Texts(), QStringList{question});
    QVERIFY(p.massbal.isVisible());
    QCOMPARE(run.ended, 3);
  }

  void simulatorEntryPreparesAFreeFlight() {
    Program& p = *run;
    auto& f = p.form1.ui;
    // Left behind by an earlier visit: a disabled simulator, a hidden map,
    // another type, the holding not drawn, automatic placement off.
    p.form1.setEnabled(false);
    p.form1.SetTypegroupIndex(2);
    QCOMPARE(Sim.AircraftType, QString("737"));
    f.Beaconbox->setCurrentText("MMM");
    f.beaconinput->setText("MMM");
    p.mapform.SetMapkeuze(kNoHolding);
    Sim.Obs1Course = 10;
    Sim.Obs2Course = 20;
    p.exform.showNormal();
    p.windtriangle.showNormal();
    Settle();

    QTest::mouseClick(p.main.ui.Simulator, Qt::LeftButton);

    QVERIFY(p.form1.isVisible());
    QVERIFY(p.form1.isEnabled());
    QVERIFY(p.form1.windowState() & Qt::WindowMaximized);
    for (const QAction* hidden : {f.Exitmenu, f.Areamenu, f.Mapmenu, f.Instrumentsmenu}) QVERIFY(!hidden->isVisible());
    QVERIFY(f.Startpositionmenu->isVisible());
    QVERIFY(f.Optionsmenu->menuAction()->isVisible());
    QVERIFY(f.STARTPanel->isVisible());
    QVERIFY(f.START->isVisible());
    QVERIFY(f.Startbit->isVisible());
    QCOMPARE(f.Autopos->currentText(), QString("ON-LEFT"));
    QCOMPARE(f.Autopos->palette().color(QPalette::Base), QColor(255, 0, 255));  // the start panel's colours
    QVERIFY(!p.main.isVisible());
    QVERIFY(Sim.MapVisible);
    QVERIFY(f.MAPChart->isVisible());
    // The holding around the start beacon, drawn, the holding window away.
    QCOMPARE(p.mapform.ui.Holdingbeacon->text(), QString("MMM"));
    QCOMPARE(p.mapform.Mapkeuze(), kDrawHolding);
    QVERIFY(!p.mapform.isVisible());
    const AreaBeacon& mmm = Areas.NdbList[0];
    QCOMPARE(mmm.Name, QString("MMM"));
    QCOMPARE(Sim.HoldingX, mmm.X);
    QCOMPARE(Sim.HoldingY, mmm.Y);
    QCOMPARE(Sim.Obs1Course, 270);
    QCOMPARE(Sim.Obs2Course, 180);
    QVERIFY(PutAway(&p.exform));
    QVERIFY(PutAway(&p.windtriangle));
    QVERIFY(PutAway(&p.massbal));
    QVERIFY(PutAway(&p.conv));
    QVERIFY(ShownNormally(&p.form1));  // the tools went without the simulator
    QCOMPARE(Sim.AircraftType, QString("SEP"));
    QCOMPARE(p.form1.TypegroupIndex(), 0);
    QCOMPARE(test::ComboItems(f.Configbox), PistonPresetItems());
  }

  void simulatorTwiceReappliesTheTypeAndShowsTheMap() {
    Program& p = *run;
    auto& f = p.form1.ui;
    QTest::mouseClick(p.main.ui.Simulator, Qt::LeftButton);
    // The pilot hides the map, takes the jet and leaves by the start panel's Exit.
    p.form1.mapschakelaar();
    QVERIFY(!f.MAPChart->isVisible());
    f.Typegroup2->click();
    QCOMPARE(Sim.AircraftType, QString("737"));
    QVERIFY(test::ComboItems(f.Configbox) != PistonPresetItems());
    QTest::mouseClick(f.CloseAreabit, Qt::LeftButton);
    QVERIFY(p.main.isVisible());
    QVERIFY(PutAway(&p.form1));

    QTest::mouseClick(p.main.ui.Simulator, Qt::LeftButton);
    QVERIFY(ShownNormally(&p.form1));
    QVERIFY(f.MAPChart->isVisible());
    QCOMPARE(Sim.AircraftType, QString("SEP"));
    QCOMPARE(test::ComboItems(f.Configbox), PistonPresetItems());
    QVERIFY(!p.main.isVisible());
  }

  void theHiddenBoeingPanelIsTheSimulatorEntry() {
    Program& p = *run;
    p.main.ui.B757panel->show();
    QTest::mouseClick(p.main.ui.B757panel, Qt::LeftButton);
    QVERIFY(p.form1.isVisible());
    QVERIFY(!p.main.isVisible());
    QCOMPARE(Sim.AircraftType, QString("SEP"));
  }

  void exercisesEntryWaitsBehindTheExercisesWindow() {
    Program& p = *run;
    auto& f = p.form1.ui;
    // An earlier free flight elsewhere, the map shown.
    QTest::mouseClick(p.main.ui.Simulator, Qt::LeftButton);
    f.beaconinput->setText("BBB");
    p.form1.SetTypegroupIndex(2);
    QVERIFY(f.MAPChart->isVisible());
    QTest::mouseClick(f.CloseAreabit, Qt::LeftButton);
    p.exform.ui.ExPanel->move(30, 40);
    p.windtriangle.showNormal();
    Settle();

    QTest::mouseClick(p.main.ui.Exercises, Qt::LeftButton);

    // The default position of the default area.
    QCOMPARE(f.beaconinput->text(), QString("AAA"));
    QCOMPARE(f.Radialinput->text(), QString("090"));
    QCOMPARE(Areas.AreaName, QString("Area1"));
    QVERIFY(!Sim.MapVisible);
    QVERIFY(!f.MAPChart->isVisible());
    QVERIFY(p.form1.isVisible());
    QVERIFY(!p.form1.isEnabled());
    QVERIFY(p.form1.windowState() & Qt::WindowMaximized);
    QCOMPARE(Sim.AircraftType, QString("SEP"));
    QCOMPARE(p.form1.TypegroupIndex(), 0);
    for (const QAction* hidden : {f.Exitmenu, f.Startpositionmenu, f.Areamenu, f.Mapmenu, f.Instrumentsmenu})
      QVERIFY(!hidden->isVisible());
    QVERIFY(!f.Optionsmenu->menuAction()->isVisible());
    QCOMPARE(f.Autopos->currentText(), QString("OFF"));
    QCOMPARE(f.Autopos->palette().color(QPalette::Base), QColor(Qt::white));
    QVERIFY(!f.STARTPanel->isVisible());
    QVERIFY(ShownNormally(&p.exform));
    QCOMPARE(p.exform.ui.ExPanel->pos(), QPoint(0, 0));
    QVERIFY(!p.main.isVisible());
    QVERIFY(PutAway(&p.windtriangle));
    QVERIFY(PutAway(&p.massbal));
    QVERIFY(PutAway(&p.conv));

    // Only the exercises window takes input; START brings the simulator to life.
    QVERIFY(p.exform.isEnabled());
    p.exform.ui.Exlijst->setCurrentRow(1);
    p.exform.ui.Exgroup->SetItemIndex(0);
    QTest::mouseClick(p.exform.ui.startexbit, Qt::LeftButton);
    QVERIFY(p.form1.isEnabled());
    QVERIFY(f.Staticpanel->isVisible());
    QVERIFY(!p.exform.isVisible());
  }

  void exercisesPlaceTheAircraftWithoutAutomaticPlacement() {
    Program& p = *run;
    auto& f = p.form1.ui;
    QTest::mouseClick(p.main.ui.Simulator, Qt::LeftButton);
    QCOMPARE(f.Autopos->currentText(), QString("ON-LEFT"));
    QTest::mouseClick(f.CloseAreabit, Qt::LeftButton);
    Sim.HoldingRadial = 10;
    Sim.Obs2Course = 42;
    Sim.HoldingX = 5;
    QTest::mouseClick(p.main.ui.Exercises, Qt::LeftButton);
    // Placing the default position did not make a holding entry of it: the
    // holding fix and the VOR 2 course stay.
    QCOMPARE(Sim.Obs2Course, 42);
    QCOMPARE(Sim.HoldingX, 5.0);
    // What a generator writes stands: 20 NM out on radial 045, not the
    // holding entry 3 NM out that automatic placement makes of it.
    f.beaconinput->setText("AAA");
    f.Radialinput->setText("045");
    f.DMEinput->setText("20");
    f.HDGinput->setText("100");
    p.exform.PlaceAircraft();
    QCOMPARE(f.DMEinput->text(), QString("20"));
    QCOMPARE(f.HDGinput->text(), QString("100"));
    const AreaBeacon& aaa = Areas.VorList[0];
    QVERIFY(qAbs(std::hypot(Sim.AircraftX - aaa.X, Sim.AircraftY - aaa.Y) - 20) < 0.01);
  }

  void toolsOpenMaximisedAndComeBackToTheMenu() {
    Program& p = *run;
    struct Entry {
      QPushButton* button;
      ToolWindow* tool;
      QPushButton* exit;
    };
    const Entry entries[] = {{p.main.ui.Navlog, &p.windtriangle, p.windtriangle.ui.mainmenubit},
                             {p.main.ui.MassBal, &p.massbal, p.massbal.ui.mainmenubit},
                             {p.main.ui.Conversion, &p.conv, p.conv.ui.mainmenubit}};
    for (const Entry& e : entries) {
      const QString name = e.tool->metaObject()->className();
      for (const Entry& other : entries) other.tool->showNormal();
      p.form1.showNormal();
      p.main.ShowMenu();
      Settle();
      QTest::mouseClick(e.button, Qt::LeftButton);
      QVERIFY2(ShownNormally(e.tool), qPrintable(name));
      QVERIFY2(e.tool->windowState() & Qt::WindowMaximized, qPrintable(name));
      QVERIFY2(!p.main.isVisible(), qPrintable(name));
      QVERIFY2(PutAway(&p.form1), qPrintable(name));
      for (const Entry& other : entries)
        if (other.tool != e.tool) QVERIFY2(PutAway(other.tool), qPrintable(name));

      // EXIT, a while later, shows the menu, whose paint puts the tool away.
      Settle();
      QTest::mouseClick(e.exit, Qt::LeftButton);
      QVERIFY2(p.main.isVisible(), qPrintable(name));
      QVERIFY(QTest::qWaitForWindowExposed(&p.main));
      p.main.repaint();
      QVERIFY2(PutAway(e.tool), qPrintable(name));
      QVERIFY2(ShownNormally(&p.main), qPrintable(name));
      QCOMPARE(run.ended, 0);
    }
  }

  // Where nothing acts on the request to maximise (an X display without a
  // window manager) the window takes the screen's free area itself; a window
  // that was maximised is left so.
  void aWindowNobodyMaximisesTakesTheScreen() {
    QWidget ignored;
    ShowMaximisedOnScreen(&ignored, WindowKeeper::Nobody);
    ignored.showNormal();  // the request, not acted on: the designed size stays
    ignored.setGeometry(10, 10, 320, 200);
    QVERIFY(QTest::qWaitForWindowExposed(&ignored));
    const QRect available = ignored.screen()->availableGeometry();
    QVERIFY(ignored.frameGeometry() != available);
    QTRY_COMPARE_WITH_TIMEOUT(ignored.frameGeometry(), available, kMaximiseGraceMs + 2000);

    QWidget maximised;
    ShowMaximisedOnScreen(&maximised, WindowKeeper::Nobody);
    QVERIFY(QTest::qWaitForWindowExposed(&maximised));
    const QRect before = maximised.geometry();
    QWidget minimised;
    ShowMaximisedOnScreen(&minimised, WindowKeeper::Nobody);
    minimised.showMinimized();  // put away by the user at once
    QTest::qWait(kMaximiseGraceMs + 200);
    QVERIFY(maximised.windowState() & Qt::WindowMaximized);
    QCOMPARE(maximised.geometry(), before);
    QVERIFY(minimised.isMinimized());
  }

  // A window manager or a compositor has the last word on a window's size:
  // the program never sets it, even where the window does not cover the
  // screen (scaling rounds a maximised window's geometry a pixel off, and a
  // user un-maximises it).
  void aKeptWindowIsNeverSizedByTheProgram() {
    for (const WindowKeeper keeper : {WindowKeeper::WindowManager, WindowKeeper::Compositor}) {
      QWidget window;
      ShowMaximisedOnScreen(&window, keeper);
      QVERIFY(QTest::qWaitForWindowExposed(&window));
      window.showNormal();  // the user's un-maximise, within the first moment
      const QRect normal(20, 30, 320, 200);
      window.setGeometry(normal);
      QTest::qWait(kMaximiseGraceMs + 300);
      QCOMPARE(window.geometry(), normal);
      QVERIFY(!(window.windowState() & Qt::WindowMaximized));
    }
  }

  // Un-maximised, a window fits the screen's free area, however large it
  // was designed; a window the user has sized since keeps that size. (The
  // normal geometry as Qt keeps it: the offscreen platform restores a size
  // of its own.)
  void theNormalSizeFitsTheFreeArea() {
    QWidget large;
    large.resize(4000, 3000);
    ShowMaximisedOnScreen(&large, WindowKeeper::WindowManager);
    QVERIFY(QTest::qWaitForWindowExposed(&large));
    const QRect room = large.screen()->availableGeometry().marginsRemoved(kFrameAllowance);
    QVERIFY(large.windowState() & Qt::WindowMaximized);
    const QRect normal = large.normalGeometry();
    QVERIFY2(room.contains(normal), qPrintable(QString("%1x%2").arg(normal.width()).arg(normal.height())));

    // The same for a window made maximised as it was built, before anything
    // showed it.
    QWidget built;
    built.resize(4000, 3000);
    built.setWindowState(Qt::WindowMaximized);
    ShowMaximisedOnScreen(&built, WindowKeeper::WindowManager);
    QVERIFY(QTest::qWaitForWindowExposed(&built));
    QVERIFY(built.windowState() & Qt::WindowMaximized);
    const QRect builtNormal = built.normalGeometry();
    QVERIFY2(room.contains(builtNormal),
             qPrintable(QString("%1x%2").arg(builtNormal.width()).arg(builtNormal.height())));

    large.showNormal();
    const QRect usersOwn(50, 60, 200, 150);
    large.setGeometry(usersOwn);
    ShowMaximisedOnScreen(&large, WindowKeeper::WindowManager);
    QVERIFY(large.windowState() & Qt::WindowMaximized);
    QCOMPARE(large.normalGeometry(), usersOwn);
  }

  // The simulator's panel is laid out for client areas from 1180x610 up.
  void theSimulatorKeepsItsSmallestClientArea() {
    Program& p = *run;
    QTest::mouseClick(p.main.ui.Simulator, Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowExposed(&p.form1));
    p.form1.showNormal();
    p.form1.resize(400, 300);
    QTRY_VERIFY(!(p.form1.windowState() & Qt::WindowMaximized));
    Settle();
    const QSize client = p.form1.centralWidget()->size();
    QVERIFY2(client.width() >= 1180 && client.height() >= 610,
             qPrintable(QString("%1x%2").arg(client.width()).arg(client.height())));
  }

  // A window put away is hidden on every desktop, never minimised, and comes
  // back maximised when the program shows it again, also one the user had
  // minimised; put away while hidden, it stays hidden.
  void aWindowPutAwayIsHiddenAndComesBack() {
    QWidget normal, maximised, usersOwn, hidden;
    normal.showNormal();
    for (QWidget* w : {&maximised, &usersOwn}) ShowMaximisedOnScreen(w);
    for (QWidget* w : {&normal, &maximised, &usersOwn}) QVERIFY(QTest::qWaitForWindowExposed(w));
    usersOwn.showMinimized();
    for (QWidget* w : {&normal, &maximised, &usersOwn, &hidden}) {
      PutAwayWindow(w);
      QVERIFY(w->isHidden());
    }
    QVERIFY(!Minimised(&normal) && !Minimised(&maximised));
    for (QWidget* w : {&normal, &maximised, &usersOwn}) {
      ShowMaximisedOnScreen(w);
      QVERIFY(w->isVisible());
      QCOMPARE(w->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized), Qt::WindowMaximized);
    }
    QVERIFY(hidden.isHidden());
  }

  // The program makes a window the active one only once the window system
  // has it in view, and not at all when it puts the window away before.
  // (Tool tips: the test platform makes every other window active as it
  // shows it.)
  void anActivationWaitsUntilTheWindowIsInView() {
    QWidget later(nullptr, Qt::ToolTip), putAway(nullptr, Qt::ToolTip);
    ActivateWhenInView(&later);
    later.show();
    QTRY_COMPARE(QGuiApplication::focusWindow(), later.windowHandle());

    putAway.show();
    ActivateWhenInView(&putAway);
    PutAwayWindow(&putAway);
    putAway.show();  // again, by other means than a choice of the user's
    QVERIFY(QTest::qWaitForWindowExposed(&putAway));
    QTest::qWait(50);
    QCOMPARE(QGuiApplication::focusWindow(), later.windowHandle());
  }

  void theSimulatorAndTheExercisesComeBackToTheMenu() {
    Program& p = *run;
    QTest::mouseClick(p.main.ui.Simulator, Qt::LeftButton);
    QTest::mouseClick(p.form1.ui.CloseAreabit, Qt::LeftButton);
    QVERIFY(p.main.isVisible());
    QVERIFY(PutAway(&p.form1));

    QTest::mouseClick(p.main.ui.Exercises, Qt::LeftButton);
    QVERIFY(!p.main.isVisible());
    QTest::mouseClick(p.exform.ui.exitbit, Qt::LeftButton);
    QVERIFY(p.main.isVisible());
    QVERIFY(p.form1.isEnabled());
    QVERIFY(PutAway(&p.form1));
    QVERIFY(!p.exform.isVisible());
  }

  void hoverTextsFollowTheMouse() {
    TMain& main = run->main;
    main.resize(1600, 900);
    auto& ui = main.ui;
    QTest::mouseMove(ui.Simulator, QPoint(20, 20));
    QTRY_COMPARE(main.HoverKey, QString(kHoverSimulator));
    QCOMPARE(MemoLines(main), HoverLines(kHoverSimulator));

    // Back and forth over the same button leaves the memo alone.
    ui.Mainmemo->setPlainText("left alone");
    QTest::mouseMove(ui.Simulator, QPoint(40, 30));
    QTest::mouseMove(ui.Simulator, QPoint(25, 22));
    QTest::qWait(20);
    QCOMPARE(ui.Mainmemo->toPlainText(), QString("left alone"));

    // Another button and back rewrites it.
    QTest::mouseMove(ui.Exercises, QPoint(30, 30));
    QTRY_COMPARE(main.HoverKey, QString(kHoverExercises));
    QCOMPARE(MemoLines(main), HoverLines(kHoverExercises));
    QTest::mouseMove(ui.Simulator, QPoint(30, 30));
    QTRY_COMPARE(main.HoverKey, QString(kHoverSimulator));
    QCOMPARE(MemoLines(main), HoverLines(kHoverSimulator));

    const QList<QPair<QWidget*, QString>> buttons{{ui.Navlog, kHoverNavlog},
                                                  {ui.MassBal, kHoverMassBal},
                                                  {ui.Conversion, kHoverConversion},
                                                  {ui.CloseAreabit, kHoverExit}};
    for (const auto& [button, word] : buttons) {
      QTest::mouseMove(button, QPoint(10, 10));
      QTRY_COMPARE(main.HoverKey, word);
      QCOMPARE(MemoLines(main), HoverLines(word));
    }

    // A control without a text of its own leaves the memo as it is; the
    // background shows who made the program.
    QTest::mouseMove(ui.Mainmemo, QPoint(30, 30));
    QTest::qWait(20);
    QCOMPARE(main.HoverKey, QString(kHoverExit));
    // Between the two columns, right of the SIM button.
    const QPoint open = ui.Simulator->mapTo(ui.Innerpanel, QPoint(ui.Simulator->width() + 40, 20));
    QVERIFY(!ui.Innerpanel->childAt(open));
    QTest::mouseMove(ui.Innerpanel, open);
    QTRY_COMPARE(main.HoverKey, QString(kHoverCreated));
    QCOMPARE(MemoLines(main), HoverLines(kHoverCreated));
  }

  void hiddenPanelsHaveTheirHoverTexts() {
    TMain& main = run->main;
    // Each shown alone takes the same place below Exit: two points in it.
    int x = 5;
    for (const auto& [panel, word] :
         {std::pair<QWidget*, QString>{main.ui.B757panel, kHoverBoeing757}, {main.ui.Exit, kHoverExit}}) {
      panel->show();
      Settle();  // laid out
      QTest::mouseMove(panel, QPoint(x, 5));
      QTRY_COMPARE(main.HoverKey, word);
      QCOMPARE(MemoLines(main), HoverLines(word));
      panel->hide();
      x += 20;
    }
  }

  void bannerCyclesOnTheTimer() {
    TMain& main = run->main;
    // Steps of its own from a loaded machine must not mix with the ones counted here.
    main.Maintimer->stop();
    main.ui.Ondertitel->clear();
    QStringList seen;
    for (int i = 0; i < 8; ++i) {
      QMetaObject::invokeMethod(main.Maintimer, "timeout", Qt::DirectConnection);
      seen << main.ui.Ondertitel->text();
    }
    const QStringList cycle{"Fly", "Fly at a Higher", "Fly at a Higher Level !", ""};
    QCOMPARE(seen, cycle + cycle);
  }

  void linksGoThroughTheShell() {
    TMain& main = run->main;
    ScopedRecordingShell shell;
    ScopedRecordingMessages messages;
    QTest::mouseClick(main.ui.Emailbit, Qt::LeftButton);
    QTest::mouseClick(main.ui.Fbimage, Qt::LeftButton);
    QTest::mouseClick(main.ui.BitBtn1, Qt::LeftButton);
    QTest::mouseClick(main.ui.BitBtn2, Qt::LeftButton);
    QCOMPARE(shell.opened.size(), 4);
    const QUrl mail = shell.opened[0];
    QCOMPARE(mail.scheme(), QString("mailto"));
    QVERIFY(mail.path().isEmpty());  // no recipient: the user chooses the friend
    QCOMPARE(mail, MailLink(InvitationSubject(), InvitationBody()));
    QVERIFY(InvitationBody().contains(kProductWebName));
    QVERIFY(InvitationSubject().contains("Tarvinex Sim"));
    QCOMPARE(shell.opened[1], QUrl(kCommunityPage));
    QCOMPARE(shell.opened[2], QUrl::fromLocalFile(DocumentPath(kManualPdf)));
    QCOMPARE(shell.opened[3], QUrl::fromLocalFile(DataRoot() + "/Summary.pdf"));
    QVERIFY(messages.entries.isEmpty());
    QVERIFY(main.isVisible());
  }

  // A link that nothing on the desktop opens is not silent: a message names
  // the file or the address, and the menu stays as it was.
  void linksThatNothingOpensAreNamed() {
    TMain& main = run->main;
    ScopedRecordingShell shell;
    shell.result = false;
    ScopedRecordingMessages messages;
    QTest::mouseClick(main.ui.Emailbit, Qt::LeftButton);
    QTest::mouseClick(main.ui.Fbimage, Qt::LeftButton);
    QTest::mouseClick(main.ui.BitBtn1, Qt::LeftButton);
    QTest::mouseClick(main.ui.BitBtn2, Qt::LeftButton);
    QCOMPARE(shell.opened.size(), 4);
    const QString manual = QDir::toNativeSeparators(DataRoot() + "/Tarvinex Sim Manual.pdf");
    const QString summary = QDir::toNativeSeparators(DataRoot() + "/Summary.pdf");
    QCOMPARE(messages.Texts(),
             (QStringList{"ERROR: Cannot open a new mail (mailto:): no program on this computer opens it.",
                          "ERROR: Cannot open https://www.tarvinex.com/community: no program on this computer "
                          "opens it.",
                          "ERROR: Cannot open " + manual + ": no program on this computer opens it.",
                          "ERROR: Cannot open " + summary + ": no program on this computer opens it."}));
    QVERIFY(main.isVisible());

    // A document that is not there is not handed to the desktop at all.
    shell.opened.clear();
    messages.Clear();
    shell.result = true;
    QVERIFY(QFile::rename(DataRoot() + "/Summary.pdf", DataRoot() + "/Summary.pdf.away"));
    QTest::mouseClick(main.ui.BitBtn2, Qt::LeftButton);
    QVERIFY(QFile::rename(DataRoot() + "/Summary.pdf.away", DataRoot() + "/Summary.pdf"));
    QVERIFY(shell.opened.isEmpty());
    QCOMPARE(messages.Texts(), QStringList{"ERROR: Cannot open " + summary + ": the file is not there."});
  }

  void pictureOfTheMenu() {
    TMain& main = run->main;
    main.resize(1600, 900);
    QTest::mouseMove(main.ui.Simulator, QPoint(20, 20));
    QTRY_COMPARE(main.HoverKey, QString(kHoverSimulator));
    main.MaintimerTimer();
    main.MaintimerTimer();
    main.MaintimerTimer();
    const QImage shot = test::Grab(&main);
    test::SavePng(shot, "mainmenu");
    QCOMPARE(shot.size(), QSize(1600, 900));
    // The background picture: sky above, the runway's dark surface at the
    // bottom in the middle, green grass beside it.
    const QColor sky = shot.pixelColor(800, 30);
    QVERIFY2(sky.blue() > sky.red() + 40, qPrintable(sky.name()));
    const QColor runway = shot.pixelColor(800 - 40, 880);
    QVERIFY2(runway.red() < 90 && qAbs(runway.red() - runway.blue()) < 20, qPrintable(runway.name()));
    const QColor grass = shot.pixelColor(800 - 500, 880);
    QVERIFY2(grass.green() > grass.red() + 15 && grass.green() > grass.blue() + 15, qPrintable(grass.name()));
    // The SIM button's face is green, its picture an attitude indicator (blue sky in it).
    const QRect sim(main.ui.Simulator->mapTo(&main, QPoint(0, 0)), main.ui.Simulator->size());
    const QColor face = shot.pixelColor(sim.right() - 12, sim.center().y());
    QVERIFY2(face.green() > 100 && face.red() < 60, qPrintable(face.name()));
    bool skyBlueInIcon = false;
    for (int x = sim.left(); x < sim.left() + 160 && !skyBlueInIcon; ++x) {
      const QColor c = shot.pixelColor(x, sim.center().y() - 20);
      skyBlueInIcon = c.blue() > 180 && c.red() < 90;
    }
    QVERIFY(skyBlueInIcon);
    // The memo: white text on navy.
    const QRect memo(main.ui.Mainmemo->mapTo(&main, QPoint(0, 0)), main.ui.Mainmemo->size());
    QCOMPARE(shot.pixelColor(memo.right() - 20, memo.bottom() - 20), QColor(0, 0, 128));
    int white = 0;
    for (int y = memo.top(); y < memo.top() + 40; ++y)
      for (int x = memo.left(); x < memo.left() + 200; ++x) white += shot.pixelColor(x, y).lightness() > 200;
    QVERIFY(white > 30);
  }

  void brokenPicturesLeaveTheMenuPlain() {
    TMain& main = run->main;
    const QString folder = TMain::PictureFolder();
    const QString background = folder + "/menu-background.jpg";
    const QString group = folder + "/menu-pilotsgroup.jpg";
    QFile whole(background);
    QVERIFY(whole.open(QIODevice::ReadOnly));
    const QByteArray backgroundBytes = whole.readAll();
    whole.close();
    QVERIFY(!main.ui.Innerpanel->Picture().isNull());
    QVERIFY(!main.ui.Fbimage->pixmap().isNull());

    // A background cut short and a link picture that is no JPEG.
    auto write = [](const QString& path, const QByteArray& bytes) {
      QFile file(path);
      QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
      file.write(bytes);
    };
    QFile groupFile(group);
    QVERIFY(groupFile.open(QIODevice::ReadOnly));
    const QByteArray groupBytes = groupFile.readAll();
    groupFile.close();
    write(background, backgroundBytes.left(backgroundBytes.size() / 2));
    write(group, "not a picture");
    main.LoadPictures();
    QVERIFY(main.ui.Innerpanel->Picture().isNull());
    QVERIFY(main.ui.Fbimage->pixmap().isNull());
    QCOMPARE(main.ui.Fbimage->text(), QString("Pilots' group"));
    main.resize(1280, 800);
    const QImage plain = test::Grab(&main);
    test::SavePng(plain, "mainmenu-without-pictures");
    QVERIFY(!plain.isNull());

    write(background, backgroundBytes);
    write(group, groupBytes);
    main.LoadPictures();
    QVERIFY(!main.ui.Innerpanel->Picture().isNull());
    QVERIFY(!main.ui.Fbimage->pixmap().isNull());
  }

  void shippedPicturesDecode() {
    const QStringList names{"menu-background.jpg", "menu-simulator.jpg", "menu-exercises.jpg", "menu-pilotsgroup.jpg"};
    for (const QString& name : names) {
      const QImage picture = LoadJpeg(ShippedDataDir() + "/pictures/" + name);
      QVERIFY2(!picture.isNull(), qPrintable(name));
      test::SavePng(picture, "picture-" + QFileInfo(name).baseName());
      // Not a flat colour: something was drawn.
      const QColor corner = picture.pixelColor(0, 0);
      const QColor middle = picture.pixelColor(picture.width() / 2, picture.height() / 2);
      QVERIFY2(corner != middle, qPrintable(name));
    }
  }

  // A data root that cannot be made or written is named once at the start,
  // in place of every file the program then misses there, and the program
  // runs without it.
  void anUnwritableDataRootIsNamedOnceAtTheStart_data() {
    QTest::addColumn<QString>("root");
    QTest::addColumn<QString>("message");
    // Under a plain file no folder can be made, whoever asks, the
    // administrator too.
    QTest::newRow("under a file") << "/not a folder/Tarvinex Sim" << "ERROR: Cannot create the data folder\n";
    // A folder of the kernel's that nobody can create a file in.
    QTest::newRow("read-only folder") << "/proc/self" << "ERROR: Cannot write in the data folder\n";
  }

  void anUnwritableDataRootIsNamedOnceAtTheStart() {
    QFETCH(QString, root);
    QFETCH(QString, message);
    run.Stop();
    QTemporaryDir dir;
    QFile plain(dir.filePath("not a folder"));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.write("the user's own");
    plain.close();
    if (root.startsWith("/not a folder")) root = dir.path() + root;
    QVERIFY(!QFile(root + "/probe").open(QIODevice::WriteOnly));
    const QByteArray home = qgetenv("TARVINEX_HOME");
    struct Restore {
      QByteArray home;
      ~Restore() {
        qputenv("TARVINEX_HOME", home);
        EnsureDataRoot();
      }
    } restore{home};
    qputenv("TARVINEX_HOME", root.toLocal8Bit());

    ScopedRecordingMessages messages;
    PrepareDataRootAtStart();
    QVERIFY(run.Start());
    QCOMPARE(messages.Texts().size(), 1);
    QVERIFY2(messages.Texts()[0].startsWith(message + root + "\nFiles cannot be saved there until it can be"),
             qPrintable(messages.Texts()[0]));
    QVERIFY(run->main.isVisible());
    QVERIFY(!DataRootWritable());
    QVERIFY(plain.open(QIODevice::ReadOnly));
    QCOMPARE(plain.readAll(), QByteArray("the user's own"));
  }
};

QTEST_MAIN(tst_MainMenu)
#include "tst_mainmenu.moc"
