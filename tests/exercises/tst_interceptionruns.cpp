// The interception and DME-arc exercises run through the exercises window:
// what each sets up in the simulator, its expected answer against what the
// simulator computes after the set-up, and runs answered right and wrong.
#include <QtTest>

#include <functional>

#include "exercises/dmearcs.h"
#include "exercises/exwindowfixture.h"
#include "exercises/interceptgeometry.h"
#include "exercises/interceptions.h"
#include "platform/messages.h"
#include "platform/random.h"
#include "support/testsupport.h"

using namespace tvx;

namespace {

using Make = std::function<GeneratedExercise(ExerciseState&)>;

struct Item {
  int group, item;
  const char* name;
  Make make;
};

const std::vector<Item>& Items() {
  using S = InterceptStation;
  static const std::vector<Item> items = {
      {3, 0, "Exdirvor", [](ExerciseState& e) { return DirectToVorExercise(e, false); }},
      {3, 1, "Exvorinitcrs", [](ExerciseState& e) { return DirectToVorExercise(e, true); }},
      {3, 2, "Exwindhelp", [](ExerciseState& e) { return WindHelpExercise(e); }},
      {3, 3, "Exoverinthdg", [](ExerciseState& e) { return OverheadHeadingExercise(e); }},
      {3, 4, "ExoverintVOR", [](ExerciseState& e) { return OverheadInterceptionExercise(e, S::Vor); }},
      {3, 5, "ExoverintNDB", [](ExerciseState& e) { return OverheadInterceptionExercise(e, S::Ndb); }},
      {3, 6, "ExVORnavig", [](ExerciseState& e) { return NavigationExercise(e, S::Vor); }},
      {3, 7, "ExNDBnavig", [](ExerciseState& e) { return NavigationExercise(e, S::Ndb); }},
      {3, 8, "Exoutbinthdg", [](ExerciseState& e) { return OutboundHeadingExercise(e); }},
      {3, 9, "ExoutbintVOR", [](ExerciseState& e) { return OutboundInterceptionExercise(e, S::Vor); }},
      {3, 10, "ExoutbintNDB", [](ExerciseState& e) { return OutboundInterceptionExercise(e, S::Ndb); }},
      {3, 11, "Exinbinthdg", [](ExerciseState& e) { return InboundHeadingExercise(e); }},
      {3, 12, "ExinbintVOR", [](ExerciseState& e) { return InboundInterceptionExercise(e, S::Vor); }},
      {3, 13, "ExinbintNDB", [](ExerciseState& e) { return InboundInterceptionExercise(e, S::Ndb); }},
      {4, 0, "ExinbarcCW", [](ExerciseState& e) { return DmeArcExercise(e, ArcWay::Inbound, ArcTurn::Clockwise); }},
      {4, 1, "ExinbarcCCW",
       [](ExerciseState& e) { return DmeArcExercise(e, ArcWay::Inbound, ArcTurn::Counterclockwise); }},
      {4, 2, "ExoutbarcCW", [](ExerciseState& e) { return DmeArcExercise(e, ArcWay::Outbound, ArcTurn::Clockwise); }},
      {4, 3, "ExoutbarcCCW",
       [](ExerciseState& e) { return DmeArcExercise(e, ArcWay::Outbound, ArcTurn::Counterclockwise); }},
  };
  return items;
}

const AreaBeacon* Beacon(const QString& name) {
  for (const AreaBeaconList* list : {&Areas.VorList, &Areas.NdbList})
    for (const AreaBeacon& b : *list)
      if (b.Used() && b.Name == name) return &b;
  return nullptr;
}

int Number(const QString& text) {
  bool ok = false;
  const int value = text.toInt(&ok);
  if (!ok) qWarning() << "not a number:" << text;
  return value;
}

// The first whole number in `line` after `prefix`.
int NumberAfter(const QString& line, const QString& prefix) {
  const int at = line.indexOf(prefix);
  if (at < 0) return -1;
  QString digits;
  for (int i = at + prefix.size(); i < line.size() && line[i].isDigit(); ++i) digits += line[i];
  return digits.toInt();
}

}  // namespace

class tst_InterceptionRuns : public QObject {
  Q_OBJECT
  test::ExerciseWindows w;

  Ui::TForm1& F() { return w.sim->ui; }
  QStringList Memo() { return F().Staticmemo->toPlainText().split('\n'); }

  void Answer(const QString& text) {
    F().Staticinput->clear();
    QTest::keyClicks(F().Staticinput, text);
    QTest::keyClick(F().Staticinput, Qt::Key_Return);
  }

  // Runs the generator of `it` with `seed` and compares the simulator with
  // the exercise composed from the same draws.
  GeneratedExercise RunAndCompare(const Item& it, std::uint32_t seed) {
    Rng().RandSeed = seed;
    // What the generator does not draw stays as it was.
    ExerciseState expected = Ex;
    const GeneratedExercise g = it.make(expected);
    w.ex->ui.Exlijst->setCurrentRow(it.group);
    w.ex->ui.Exgroup->SetItemIndex(it.item);
    F().Staticmemo->clear();
    Rng().RandSeed = seed;
    w.ex->Oefselectie();
    auto& f = F();
    const QString where = QString("%1 seed %2").arg(it.name).arg(seed);
    [&] {
      QCOMPARE(f.Staticmemo->toPlainText(), g.Task.join('\n'));
      QCOMPARE(f.Staticinput->isHidden(), !g.Question);
      QCOMPARE(f.Command->isHidden(), g.Question);
      QCOMPARE(f.START->isHidden(), g.Question);
      QCOMPARE(Ex.ExValueA, expected.ExValueA);
      QCOMPARE(Ex.ExValueB, expected.ExValueB);
      QCOMPARE(Ex.ExValueC, expected.ExValueC);
      QCOMPARE(Ex.ExSide, expected.ExSide);
      QCOMPARE(Ex.ExWindSide, expected.ExWindSide);
      const StartPanelEntry& p = g.Panel;
      QCOMPARE(f.beaconinput->text(), p.Beacon);
      QCOMPARE(f.Radialinput->text(), QString::number(p.Radial));
      QCOMPARE(f.HDGinput->text(), g.HeadingText.isEmpty() ? QString::number(p.Heading) : g.HeadingText);
      for (auto [edit, value] :
           {std::pair{f.DMEinput, p.Dme}, {f.WINDWinput, p.WindDirection}, {f.WINDVinput, p.WindSpeed}})
        if (value) QCOMPARE(edit->text(), QString::number(*value));
      // What the start panel made of the texts.
      QVERIFY(!Sim.StartInputError);
      // North is kept as 360.
      const int heading = Number(f.HDGinput->text());
      QCOMPARE(Sim.Heading, double(heading == 0 ? 360 : heading));
      QCOMPARE(Sim.WindDirection, Number(f.WINDWinput->text()));
      QCOMPARE(Sim.WindSpeed, Number(f.WINDVinput->text()));
      if (g.Obs1Course) QCOMPARE(Sim.Obs1Course, *g.Obs1Course);
      if (g.Obs2Course) QCOMPARE(Sim.Obs2Course, *g.Obs2Course);
      const AreaBeacon* station = Beacon(f.beaconinput->text());
      QVERIFY(station);
      const int radial = Number(f.Radialinput->text());
      const double dme = f.DMEinput->text().toDouble();
      const test::PlanePoint at = test::OnRadial(radial, dme, {station->X, station->Y});
      QVERIFY(std::abs(Sim.AircraftX - at.x) < 0.05);
      QVERIFY(std::abs(Sim.AircraftY - at.y) < 0.05);
      // The receiver of the start beacon hears it, and its radial or QDR and
      // its distance are those of the task.
      const bool vor = station >= Areas.VorList.data() && station < Areas.VorList.data() + Areas.VorList.size();
      if (vor) {
        QVERIFY(Sim.Vor1Received);
        QCOMPARE(Sim.Vor1StationX, station->X);
        QCOMPARE(Sim.Vor1StationY, station->Y);
        QVERIFY(std::abs(Sim.Vor1Distance - dme) < 0.05);
        if (dme > 0) QVERIFY(std::abs(test::DirectionDiff(int(std::lround(Sim.Vor1Radial)), radial)) <= 1);
      } else {
        QVERIFY(Sim.AdfReceived);
        QCOMPARE(Sim.AdfStationX, station->X);
        QCOMPARE(Sim.AdfStationY, station->Y);
        if (dme > 0) QVERIFY(std::abs(test::DirectionDiff(int(std::lround(Sim.AdfQdr)), radial)) <= 1);
      }
      if (g.AnswerNumber) QCOMPARE(Ex.ExAnswer, *g.AnswerNumber);
      QCOMPARE(Ex.ExAnswerText, g.AnswerLetter);
      QCOMPARE(Sim.CourseLineShown, !g.CourseLineBeacon.isEmpty());
      if (!g.CourseLineBeacon.isEmpty()) {
        QCOMPARE(Sim.CourseLineX, station->X);
        QCOMPARE(Sim.CourseLineY, station->Y);
        QCOMPARE(Sim.CourseLineCourse, g.CourseLineCourse);
      }
    }();
    if (QTest::currentTestFailed()) qWarning() << "in" << where;
    return g;
  }

 private slots:
  void initTestCase() {
    test::PrepareSimWindowTests();
    TExform::ShowMainMenu = [] {};
  }

  void init() { QVERIFY(w.Create()); }
  void cleanup() { w.Destroy(); }

  void everyItemHasItsGenerator() {
    const QStringList missing = TExform::MissingGenerators();
    for (const Item& it : Items()) {
      QVERIFY2(!missing.contains(it.name), it.name);
      QCOMPARE(QString(TExform::GeneratorTable()[it.group][it.item].Name), QString(it.name));
    }
  }

  // Every generator, over a range of seeds, sets the simulator up as the
  // exercise it composed says.
  void everyGeneratorSetsUpTheSimulator() {
    for (const Item& it : Items()) {
      w.StartRun(it.group, it.item);
      for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        RunAndCompare(it, seed * 7919);
        if (QTest::currentTestFailed()) return;
        // The course line of a run's first exercise stays while the run
        // goes on; only a run's start clears it.
        Sim.CourseLineShown = false;
      }
    }
  }

  // The intercept headings expected, flown from where the simulator placed
  // the aircraft, cross the radial the task names.
  void questionAnswersMatchTheSimulator() {
    for (int item : {3, 8, 11}) {
      const Item& it = Items()[std::size_t(item)];
      w.StartRun(it.group, it.item);
      for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        RunAndCompare(it, seed * 104729);
        if (QTest::currentTestFailed()) return;
        const QStringList memo = Memo();
        const test::PlanePoint station{Sim.Vor1StationX, Sim.Vor1StationY};
        const test::PlanePoint aircraft{Sim.AircraftX, Sim.AircraftY};
        const int answer = Ex.ExAnswer;
        const int heading = int(Sim.Heading);
        double at = 0;
        if (item == 3) {
          const int radial = NumberAfter(memo[0], "intercept radial: ");
          const bool left = test::DirectionDiff(radial, heading) < 0;
          QVERIFY2(test::CrossesRadial(station, station, heading, answer, left, radial), qPrintable(memo.join(' ')));
          QCOMPARE(std::abs(test::DirectionDiff(answer, radial)) * 3, std::abs(test::DirectionDiff(radial, heading)));
        } else if (item == 8) {
          const int radial = NumberAfter(memo[1], "Intercept radial: ");
          QVERIFY(test::CrossesRadial(station, aircraft, answer, answer, false, radial, &at));
          QCOMPARE(std::abs(test::DirectionDiff(answer, radial)), std::abs(test::DirectionDiff(radial, heading)));
        } else {
          const int radial = NumberAfter(memo[1], "Intercept radial ");
          QVERIFY(test::CrossesRadial(station, aircraft, answer, answer, false, radial % 360, &at));
          const int course = (radial + 180) % 360;
          QCOMPARE(std::abs(test::DirectionDiff(answer, course)), 2 * std::abs(test::DirectionDiff(course, heading)));
        }
      }
    }
  }

  // "Y" exactly when the simulator's wind drifts the placed aircraft towards
  // the inbound course of the task.
  void windHelpMatchesTheSimulatorsWind() {
    const Item& it = Items()[2];
    w.StartRun(it.group, it.item);
    int yes = 0;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
      RunAndCompare(it, seed * 31337);
      if (QTest::currentTestFailed()) return;
      QCOMPARE(Sim.WindSpeed, 20);  // as the run's start left it, as the task says
      const int course = NumberAfter(Memo()[0], "inbound course ");
      const int target = (course + 180) % 360;
      const double to = (Sim.WindDirection + 180) * test::kDegree;
      const double x = Sim.AircraftX + std::sin(to) * 0.1;
      const double y = Sim.AircraftY - std::cos(to) * 0.1;
      const auto off = [&](double bearing) { return std::abs(std::fmod(bearing - target + 540.0, 360.0) - 180); };
      const bool helps = off(BearingFromStation(Sim.Vor1StationX, Sim.Vor1StationY, x, y)) < off(Sim.Vor1Radial);
      QCOMPARE(Ex.ExAnswerText, QString(helps ? "Y" : "N"));
      yes += helps;
    }
    QVERIFY(yes > 0 && yes < 40);
  }

  // The legs start overhead the first station; the start beacon takes VOR 1
  // (or the ADF) back to it, the leg's station going to standby.
  void navigationLegsFromOverhead() {
    auto& f = F();
    for (int item : {6, 7}) {
      const Item& it = Items()[std::size_t(item)];
      w.StartRun(it.group, it.item);
      RunAndCompare(it, 5);
      const AreaBeacon* first = Beacon(item == 6 ? "AAA" : "MMM");
      QVERIFY(std::abs(Sim.AircraftX - first->X) < 0.05 && std::abs(Sim.AircraftY - first->Y) < 0.05);
      QCOMPARE(Sim.Heading, item == 6 ? 237.0 : 15.0);
      QCOMPARE(f.VOR2active->text(), QString("115.4"));
      QCOMPARE(f.VOR2select->text(), QString("114.0"));
      QCOMPARE(Sim.Vor2StationX, Beacon("CCC")->X);
      if (item == 6) {
        QCOMPARE(f.VOR1active->text(), QString("114.0"));
        QCOMPARE(f.VOR1select->text(), QString("114.6"));
        QCOMPARE(Sim.Obs1Course, 237);
        QCOMPARE(Sim.Obs2Course, 105);
      } else {
        QCOMPARE(f.VOR1active->text(), QString("114.6"));
        QCOMPARE(Sim.Vor1StationX, Beacon("BBB")->X);
        QCOMPARE(f.ADFactive->text(), QString("565"));
        QCOMPARE(f.ADFselect->text(), QString("766"));
        QCOMPARE(Sim.Obs1Course, 0);
      }
    }
  }

  // A question answered wrong, then right: the right answer brings the next
  // exercise of the same item.
  void questionsAnsweredWrongThenRight() {
    auto& f = F();
    for (int item : {3, 8, 11}) {
      ScopedRecordingMessages messages;
      const Item& it = Items()[std::size_t(item)];
      w.StartRun(it.group, it.item);
      const int answer = Ex.ExAnswer;
      const QStringList task = Memo();
      Answer(QString::number((answer + 10) % 360));
      QCOMPARE(messages.beeps, 1);
      QCOMPARE(Memo(), task + QStringList{"WRONG. The correct answer is: " + QString::number(answer)});
      QCOMPARE(Sim.ExRightCount, 0);
      Answer(answer == 0 ? "360" : QString::number(answer));
      QCOMPARE(messages.beeps, 1);
      QCOMPARE(Sim.ExRightCount, 1);
      QCOMPARE(Sim.ExAnsweredCount, 2);
      QCOMPARE(f.Ctrtekst->text(), QString("Ex: 3"));
      // The next exercise of the same kind.
      QCOMPARE(Memo().size(), task.size());
      QCOMPARE(Memo().last(), QString("Enter the intercept heading."));
      QVERIFY(!f.Staticinput->isHidden());
    }
  }

  void windHelpAnsweredInLowerCase() {
    ScopedRecordingMessages messages;
    w.StartRun(3, 2);
    const QString right = Ex.ExAnswerText;
    const QString wrong = right == "Y" ? "n" : "y";
    Answer(wrong);
    QCOMPARE(messages.beeps, 1);
    QCOMPARE(Memo().last(), "WRONG. The correct answer is: " + right);
    Answer(right.toLower());
    QCOMPARE(Sim.ExRightCount, 1);
    QCOMPARE(Memo().size(), 3);
    QVERIFY(Memo().first().startsWith("You are intercepting inbound course "));
  }

  // A flown arc: NEW EX. draws the next one; FLY takes the set-up as it is.
  void flownArcNewExerciseAndFly() {
    ScopedRecordingMessages messages;
    auto& f = F();
    w.StartRun(4, 0);
    QVERIFY(!f.Command->isHidden());
    Rng().RandSeed = 99;
    ExerciseState expected;
    const GeneratedExercise next = Items()[14].make(expected);
    Rng().RandSeed = 99;
    f.Command->click();
    QCOMPARE(f.Staticmemo->toPlainText(), next.Task.join('\n'));
    QCOMPARE(Sim.ExAnsweredCount, 0);
    const double dme = Sim.Vor1Distance;
    f.Startbit->click();
    QVERIFY(messages.entries.isEmpty());
    QCOMPARE(f.START->text(), QString("STOP"));
    QVERIFY(std::abs(Sim.Vor1Distance - dme) < 0.05);
    QCOMPARE(Sim.Heading, double(next.Panel.Heading));
    f.Startbit->click();  // STOP, confirmed
    QCOMPARE(f.START->text(), QString("FLY"));
  }

  // Two exercises as the pilot sees them.
  void pictures() {
    Rng().RandSeed = 4;
    w.StartRun(3, 11);
    QVERIFY(QTest::qWaitForWindowExposed(w.sim));
    QImage image = test::Grab(w.sim);
    test::SavePng(image, "exercise_inbound_interception");
    // The task in the memo is written in black on white.
    const QRect memo =
        QRect(F().Staticmemo->mapTo(w.sim, QPoint(0, 0)), F().Staticmemo->size()).intersected(image.rect());
    int dark = 0;
    for (int x = memo.left(); x < memo.right(); ++x)
      for (int y = memo.top(); y < memo.bottom(); ++y) dark += image.pixelColor(x, y).value() < 80;
    QVERIFY(dark > 100);

    w.StartRun(4, 2);
    test::SavePng(test::Grab(w.sim), "exercise_outbound_arc");
    Sim.MapVisible = false;
    w.sim->mapschakelaar();  // the map, with the final leg's course line
    QCoreApplication::processEvents();
    image = test::Grab(w.sim);
    test::SavePng(image, "exercise_outbound_arc_map");
    QVERIFY(!F().MAPChart->isHidden());
  }
};

QTEST_MAIN(tst_InterceptionRuns)
#include "tst_interceptionruns.moc"
