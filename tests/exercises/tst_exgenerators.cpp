// The generators of the instrument-flying, radio-navigation and tracking
// exercises run through the exercises window: what they set up in the
// simulator, the task they state, and the answer they expect, checked
// against the radios' own bearings and against typed answers.
#include <QtTest>

#include <cmath>

#include "areas/areamodel.h"
#include "exercises/exwindowfixture.h"
#include "exercises/radionavexercises.h"
#include "instruments/vorindicators.h"
#include "platform/messages.h"
#include "platform/random.h"
#include "support/testsupport.h"

using namespace tvx;

namespace {

constexpr int kInstrumentFlying = 0;
constexpr int kRadioNavigation = 1;
constexpr int kTracking = 2;

const AreaBeacon& Beacon(const QString& name) {
  for (const AreaBeaconList* list : {&Areas.VorList, &Areas.NdbList})
    for (const AreaBeacon& b : *list)
      if (b.Name == name) return b;
  static AreaBeacon none;
  return none;
}

// Bearing of the aircraft from a beacon, worked out here on its own: x east,
// y south, so north is -y.
double BearingFrom(const AreaBeacon& b) {
  double deg = std::atan2(Sim.AircraftX - b.X, -(Sim.AircraftY - b.Y)) * 180 / M_PI;
  if (deg < 0) deg += 360;
  return deg;
}

double DistanceFrom(const AreaBeacon& b) { return std::hypot(Sim.AircraftX - b.X, Sim.AircraftY - b.Y); }

// Degrees from `b` to `a` the short way round, 0..180.
double AngleBetween(double a, double b) {
  const double d = std::fmod(std::abs(a - b), 360.0);
  return d > 180 ? 360 - d : d;
}

int Normalised(int degrees) { return ((degrees % 360) + 360) % 360; }

int RelativeFromDrawn(int radial, int heading) {
  int r = Normalised(radial + 180 - heading);
  return r > 180 ? r - 360 : r;
}

// The first seed from `from` on whose draw `wanted` holds.
template <typename Pred>
std::uint32_t SeedWhere(RadioNavItem item, Pred wanted, std::uint32_t from = 1) {
  for (std::uint32_t seed = from; seed < from + 100000; ++seed) {
    Rng().RandSeed = seed;
    ExerciseState scratch;
    const RadioNavExercise e = DrawRadioNav(item, scratch);
    if (wanted(e, scratch)) return seed;
  }
  return 0;
}

}  // namespace

class tst_ExGenerators : public QObject {
  Q_OBJECT
  test::ExerciseWindows w;

  Ui::TForm1& F() { return w.sim->ui; }
  QStringList Memo() { return F().Staticmemo->toPlainText().split('\n'); }

  void Start(int group, int item, std::uint32_t seed) {
    Rng().RandSeed = seed;
    w.StartRun(group, item);
  }

  // Types `text` into the answer box key by key and presses Enter.
  void Answer(const QString& text) {
    F().Staticinput->clear();
    QTest::keyClicks(F().Staticinput, text);
    QTest::keyClick(F().Staticinput, Qt::Key_Return);
  }

  bool MapShownAtTop() { return !F().MAPChart->isHidden() && Sim.MapVisible && F().Staticpanel->y() == 0; }

 private slots:
  void initTestCase() {
    test::PrepareSimWindowTests();
    TExform::ShowMainMenu = [] {};
  }

  void init() { QVERIFY(w.Create()); }
  void cleanup() { w.Destroy(); }

  void everyGeneratorOfTheThreeGroupsIsBuilt() {
    const QStringList missing = TExform::MissingGenerators();
    for (int group : {kInstrumentFlying, kRadioNavigation, kTracking})
      for (const auto& entry : TExform::GeneratorTable()[group]) QVERIFY2(!missing.contains(entry.Name), entry.Name);
    QCOMPARE(TExform::GeneratorTable()[kTracking].size(), std::size_t(5));
  }

  // Every question places the aircraft where its draw says, and expects the
  // answer that the radios' bearings give for that place.
  void radioNavigationAnswersAgreeWithTheRadios() {
    ScopedRecordingMessages messages;
    auto& f = F();
    const int cell = Sim.CellSize;
    for (int item = 0; item < 14; ++item) {
      for (std::uint32_t seed : {1u, 2u, 3u, 99u, 4242u, 31337u}) {
        Start(kRadioNavigation, item, seed);
        const bool adf = item <= 6;
        const bool map = item == 2 || item == 4 || item == 7 || item == 9 || item == 11;
        const bool demo = item == 11;
        const QString where = QString("item %1 seed %2").arg(item).arg(seed);
        QVERIFY2(messages.entries.isEmpty(), qPrintable(where));
        QCOMPARE(f.beaconinput->text(), QString(adf ? "MMM" : "AAA"));
        QCOMPARE(f.DMEinput->text(), QString("3"));  // as the run's start left it
        QCOMPARE(f.WINDWinput->text(), QString("240"));
        const int radial = f.Radialinput->text().toInt();
        const int heading = f.HDGinput->text().toInt();
        QCOMPARE(heading % 10, 0);
        QVERIFY(heading >= 0 && heading <= 350);
        const AreaBeacon& station = Beacon(adf ? "MMM" : "AAA");
        QVERIFY(std::abs(DistanceFrom(station) - 3) < 0.01);
        QVERIFY2(AngleBetween(BearingFrom(station), radial) < 0.2, qPrintable(where));
        if (adf) {
          QCOMPARE(Sim.AdfIdent, QString("MMM"));
          QVERIFY(AngleBetween(Sim.AdfQdr, BearingFrom(station)) < 1e-6);
        } else {
          QCOMPARE(Sim.Vor1Ident, QString("AAA"));
          QVERIFY(AngleBetween(Sim.Vor1Radial, BearingFrom(station)) < 1e-6);
        }
        QCOMPARE(MapShownAtTop(), map);
        if (!map) QCOMPARE(f.Staticpanel->y(), 4 * cell);
        QCOMPARE(f.Staticinput->isHidden(), demo);
        QCOMPARE(f.Command->isHidden(), !demo);
        QCOMPARE(InstrSettings.ADFRMI, item == 6 ? 1 : 0);
        const QStringList memo = Memo();
        if (demo) continue;

        // The answer from the drawn place; the first position step moves the
        // aircraft far too little to change a whole degree here.
        int expected = 0;
        switch (item) {
          case 0: expected = RelativeFromDrawn(radial, heading); break;
          case 1: {
            const int asked = memo[0].section(": ", 1).toInt();
            QCOMPARE(asked, Ex.ExValueA);
            const int off = Normalised(asked - heading);
            QVERIFY((off >= 10 && off <= 80) || (off >= 280 && off <= 350));
            QCOMPARE(off % 10, 0);
            expected = RelativeFromDrawn(radial, asked);
            break;
          }
          case 2: case 3: expected = Normalised(radial + 180); break;
          case 4: case 5: expected = radial; break;
          case 6: expected = memo[0].contains("QDM") ? Normalised(radial + 180) : radial; break;
          case 7: case 8: case 12: expected = radial; break;
          default: expected = Normalised(radial + 180); break;
        }
        QVERIFY2(Ex.ExAnswer == expected,
                 qPrintable(where + QString(": expected %1, got %2").arg(expected).arg(Ex.ExAnswer)));
        if (map) QCOMPARE(Ex.ExAnswer % 30, 0);
      }
    }
  }

  // ADF relative bearing: due south of the NDB heading north reads 0; ten
  // degrees right of north reads -10; heading south reads 180.
  void relativeBearingCases_data() {
    QTest::addColumn<int>("heading");
    QTest::addColumn<int>("answer");
    QTest::newRow("north") << 0 << 0;
    QTest::newRow("10") << 10 << -10;
    QTest::newRow("south") << 180 << 180;
    QTest::newRow("350") << 350 << 10;
  }

  void relativeBearingCases() {
    QFETCH(int, heading);
    QFETCH(int, answer);
    ScopedRecordingMessages messages;
    const std::uint32_t seed =
        SeedWhere(RadioNavItem::Bear, [&](const RadioNavExercise& e, const ExerciseState&) {
          return e.Panel.Heading == heading;
        });
    QVERIFY(seed != 0);
    Start(kRadioNavigation, 0, seed);
    QCOMPARE(F().HDGinput->text(), QString::number(heading));
    QCOMPARE(Ex.ExAnswer, answer);
    Answer(QString::number(answer));
    QCOMPARE(Sim.ExRightCount, 1);
    QCOMPARE(Sim.ExAnsweredCount, 1);
    QVERIFY(messages.entries.isEmpty());
  }

  // A QDM of 0 is also accepted typed as 360; a wrong answer names the
  // expected one and keeps the question.
  void typedAnswersToAQdmQuestion() {
    ScopedRecordingMessages messages;
    auto& f = F();
    const std::uint32_t seed =
        SeedWhere(RadioNavItem::InsQdm, [](const RadioNavExercise& e, const ExerciseState&) {
          return e.Panel.Radial == 180;
        });
    QVERIFY(seed != 0);
    Start(kRadioNavigation, 3, seed);
    QCOMPARE(Memo(), QStringList{"Determine the QDM to the NDB by looking at the instruments."});
    QCOMPARE(Ex.ExAnswer, 0);
    Answer("360");
    QCOMPARE(Sim.ExRightCount, 1);
    // The next question of the same item is set up at once.
    QCOMPARE(Memo(), QStringList{"Determine the QDM to the NDB by looking at the instruments."});
    const int next = Ex.ExAnswer;
    QCOMPARE(next, Normalised(f.Radialinput->text().toInt() + 180));
    const QString wrong = QString::number(Normalised(next + 10));
    Answer(wrong);
    QCOMPARE(messages.beeps, 1);
    QCOMPARE(Memo().last(), "WRONG. The correct answer is: " + QString::number(next));
    QCOMPARE(Sim.ExRightCount, 1);
    QCOMPARE(Sim.ExAnsweredCount, 2);
    Answer(QString::number(next));
    QCOMPARE(Sim.ExRightCount, 2);
    QCOMPARE(Sim.ExAnsweredCount, 3);
  }

  // The RMI question turns the ADF needle onto the RMI card.
  void rmiQuestion() {
    ScopedRecordingMessages messages;
    Start(kRadioNavigation, 6, 8);
    QCOMPARE(InstrSettings.ADFRMI, 1);
    const bool qdm = Memo().first() == "Determine the QDM to the NDB by looking at the RMI.";
    QVERIFY(qdm || Memo().first() == "Determine the QDR from the NDB by looking at the RMI.");
    const int radial = F().Radialinput->text().toInt();
    QCOMPARE(Ex.ExAnswer, qdm ? Normalised(radial + 180) : radial);
    Answer(QString::number(Ex.ExAnswer));
    QCOMPARE(Sim.ExRightCount, 1);
  }

  // The flying tasks word the task from the aircraft as it flies and leave
  // its position and the start panel alone.
  void instrumentFlyingFromTheFlightState() {
    ScopedRecordingMessages messages;
    auto& f = F();
    Start(kInstrumentFlying, 2, 1);
    QVERIFY(!f.START->isHidden());
    QVERIFY(!f.Command->isHidden());
    QVERIFY(f.Staticinput->isHidden());
    QVERIFY(f.MAPChart->isHidden());
    QCOMPARE(Memo().size(), 1);
    QVERIFY(Memo().first().endsWith(" knots to altitude 3500 ft."));  // from 3000 ft

    // In flight: NEW EX. gives the next task at once.
    f.START->setText("STOP");
    const double x = Sim.AircraftX, y = Sim.AircraftY;
    Sim.Altitude = 3060;
    f.Command->click();
    QVERIFY(messages.entries.isEmpty());
    QCOMPARE(Memo().size(), 1);
    QCOMPARE(Memo().first(), "Climb at " + QString::number(Ex.ExValueA) + " knots to altitude 3600 ft.");
    QCOMPARE(Sim.AircraftX, x);
    QCOMPARE(Sim.AircraftY, y);
    QCOMPARE(f.Radialinput->text(), QString("090"));  // the start panel as the run's start left it
    f.START->setText("FLY");

    Start(kInstrumentFlying, 4, 1);
    Sim.Altitude = 3040;
    f.Command->click();
    QCOMPARE(Memo(), QStringList{"Descend at " + QString::number(Ex.ExValueA) +
                                 " knots to altitude 2500 ft with RPM 1500."});

    Start(kInstrumentFlying, 6, 1);
    Sim.Heading = 358;
    for (int i = 0; i < 20; ++i) {
      f.Command->click();
      const int target = Ex.ExValueC;
      QCOMPARE(Memo(), QStringList{"Turn to heading " + QString::number(target) + "."});
      QCOMPARE(Normalised(target - 360), Normalised(Ex.ExSide == 0 ? Ex.ExValueA : -Ex.ExValueA));
      QVERIFY(target >= 10 && target <= 360);
    }

    Start(kInstrumentFlying, 7, 1);
    QCOMPARE(Memo().size(), 2);
    QVERIFY(Memo()[1].startsWith("Turn to heading "));
    Start(kInstrumentFlying, 0, 1);
    QCOMPARE(Memo().last(), QString("(Maintain altitude)."));
    for (int item : {3, 5}) {
      Start(kInstrumentFlying, item, 1);
      QVERIFY(Memo().first().endsWith(" FPM."));
    }
    QVERIFY(messages.entries.isEmpty());
  }

  void reciprocalQuestion() {
    ScopedRecordingMessages messages;
    Start(kInstrumentFlying, 1, 1);
    QCOMPARE(Memo(), (QStringList{"Enter the reciprocal of:", "011"}));
    QVERIFY(!F().Staticinput->isHidden());
    Answer("191");
    QCOMPARE(Sim.ExRightCount, 1);
    const int asked = Memo()[1].toInt();
    QCOMPARE(Memo()[1].size(), 3);
    const int right = Normalised(asked + 180);
    Answer(QString::number(Normalised(right + 1)));
    QCOMPARE(Memo().last(), "WRONG. The correct answer is: " + QString::number(right));
    QCOMPARE(Sim.ExRightCount, 1);
    QCOMPARE(Sim.ExAnsweredCount, 2);
  }

  // Each NEW EX. places the aircraft 6 NM west of AAA heading 270 again, in
  // a new wind, with the map shown.
  void windDemonstration() {
    ScopedRecordingMessages messages;
    auto& f = F();
    Start(kInstrumentFlying, 8, 3);
    const AreaBeacon& aaa = Beacon("AAA");
    for (int round = 0; round < 4; ++round) {
      QVERIFY(messages.entries.isEmpty());
      QVERIFY(MapShownAtTop());
      QVERIFY(!f.START->isHidden());
      QCOMPARE(f.beaconinput->text(), QString("AAA"));
      QCOMPARE(f.Radialinput->text(), QString("270"));
      QCOMPARE(f.HDGinput->text(), QString("270"));
      QCOMPARE(f.DMEinput->text(), QString("6"));
      QCOMPARE(f.WINDWinput->text(), QString::number(Ex.ExValueC));
      QCOMPARE(f.WINDVinput->text(), QString::number(Ex.ExValueD));
      QCOMPARE(Sim.WindDirection, Ex.ExValueC);
      QCOMPARE(Sim.WindSpeed, Ex.ExValueD);
      QVERIFY(std::abs(Sim.AircraftX - (aaa.X - 6)) < 0.01);
      QVERIFY(std::abs(Sim.AircraftY - aaa.Y) < 0.01);
      QCOMPARE(Sim.Heading, 270.0);
      QCOMPARE(Memo().size(), 3);
      QCOMPARE(Memo()[1], QString("Change the wind by clicking NEW EX."));
      Sim.AircraftX += 5;  // flown away; NEW EX. brings it back
      f.Command->click();
    }
  }

  // Tracking: 6 NM out on the reciprocal of the course, heading for the
  // station, the course line drawn through it.
  void trackingSetUp() {
    ScopedRecordingMessages messages;
    auto& f = F();
    for (int item = 0; item < 5; ++item) {
      for (std::uint32_t seed : {1u, 7u, 123u, 5555u}) {
        Rng().RandSeed = seed;
        if (item < 4) {
          w.StartRun(kTracking, item);
        } else {
          // Homing is held by the dispatcher but never listed.
          w.StartRun(kTracking, 0);
          f.Staticmemo->clear();
          Rng().RandSeed = seed;
          w.ex->Exhoming();
        }
        const QString where = QString("item %1 seed %2").arg(item).arg(seed);
        QVERIFY2(messages.entries.isEmpty(), qPrintable(where));
        const bool vor = item < 2;
        const bool hidden = item == 1 || item == 3;
        const QString name = vor ? "AAA" : "MMM";
        const AreaBeacon& station = Beacon(name);
        const int course = Ex.ExValueA;
        QCOMPARE(f.beaconinput->text(), name);
        QCOMPARE(f.HDGinput->text(), QString::number(course));
        QCOMPARE(f.Radialinput->text(), QString::number(Normalised(course + 180)));
        QCOMPARE(f.DMEinput->text(), QString("6"));
        QVERIFY(std::abs(DistanceFrom(station) - 6) < 0.01);
        QVERIFY2(AngleBetween(BearingFrom(station), course + 180) < 0.1, qPrintable(where));
        QCOMPARE(Sim.WindDirection, Ex.ExValueC);
        QCOMPARE(Sim.WindSpeed, Ex.ExValueD);
        // A stated wind blows square across the course: from its right on
        // side 0, from its left on side 1.
        if (!hidden) QCOMPARE(Normalised(Ex.ExValueC - course), Ex.ExWindSide == 0 ? 90 : 270);
        QVERIFY(Sim.CourseLineShown);
        QCOMPARE(Sim.CourseLineX, station.X);
        QCOMPARE(Sim.CourseLineY, station.Y);
        QCOMPARE(Sim.CourseLineCourse, course);
        QVERIFY(!f.START->isHidden());
        QVERIFY(f.Staticinput->isHidden());
        const QStringList memo = Memo();
        QCOMPARE(memo.size(), 2);
        QCOMPARE(memo[1], hidden ? QString("The wind is unknown.") : WindLineFor(Ex.ExValueC, Ex.ExValueD));
        if (vor) {
          QCOMPARE(Sim.Obs1Course, course);
          // The VOR 1 needle centred with the TO flag: on course to the station.
          ComputeVor1Ils(Sim);
          QCOMPARE(Sim.Vor1ToFrom, QString("TO"));
          QVERIFY(std::abs(Sim.Vor1Deviation) < 0.2);
        } else {
          QCOMPARE(Sim.AdfIdent, QString("MMM"));
          // The ADF needle straight ahead.
          QCOMPARE(RelativeBearingAnswer(Sim.AdfQdr, Sim.Heading), 0);
        }
      }
    }
  }

  void pictures() {
    ScopedRecordingMessages messages;
    Start(kRadioNavigation, 0, 11);
    const QImage bearing = test::Grab(w.sim);
    test::SavePng(bearing, "exgen_adf_relative_bearing");
    Start(kRadioNavigation, 2, 11);
    const QImage map = test::Grab(w.sim);
    test::SavePng(map, "exgen_qdm_on_map");
    Start(kTracking, 0, 11);
    const QImage track = test::Grab(w.sim);
    test::SavePng(track, "exgen_vor_tracking");
    Start(kInstrumentFlying, 8, 11);
    test::SavePng(test::Grab(w.sim), "exgen_wind_demo");
    QVERIFY(messages.entries.isEmpty());
  }

 private:
  static QString WindLineFor(int direction, int speed) {
    return "The wind is: " + QString::number(direction).rightJustified(3, '0') + "/" + QString::number(speed) + ".";
  }
};

QTEST_MAIN(tst_ExGenerators)
#include "tst_exgenerators.moc"
