// The ILS, non-precision approach, arrival and departure exercises run
// through the exercises window: where the aircraft starts, what the radios
// receive there, the tasks, and typed answers judged right and wrong.
#include <QtTest>

#include "areas/mapform.h"
#include "exercises/approachdraws.h"
#include "exercises/exwindowfixture.h"
#include "exercises/generatorfixture.h"
#include "exercises/generatorkit.h"
#include "platform/messages.h"
#include "simulator/startpanel.h"
#include "support/testsupport.h"

using namespace tvx;
using test::AircraftBearingOff;
using test::AircraftDistanceFrom;
using test::AngleOff;
using test::SeedFor;

namespace {

constexpr int kIls = 6, kNonPrecision = 7, kArrivals = 8, kDepartures = 9;

}  // namespace

class tst_ApproachExercises : public QObject {
  Q_OBJECT
  test::ExerciseWindows w;

  Ui::TForm1& F() { return w.sim->ui; }
  const AreaBeacon& Ils() { return Areas.IlsList[0]; }
  QPointF Runway() { return QPointF(Ils().X, Ils().Y); }
  QPointF Locator() { return LocatorPosition(Ils()); }
  QPointF Vor() { return test::PositionOf(test::NamedBeacon(Areas.VorList, "AAA")); }

  void VerifyFlyingLayout() {
    QVERIFY(!F().START->isHidden());
    QVERIFY(!F().Command->isHidden());
    QVERIFY(F().Staticinput->isHidden());
  }

 private slots:
  void initTestCase() {
    test::PrepareSimWindowTests();
    TExform::ShowMainMenu = [] {};
  }

  void init() { QVERIFY(w.Create()); }
  void cleanup() { w.Destroy(); }

  void everyItemHasItsGenerator() {
    const auto& table = TExform::GeneratorTable();
    for (int group : {kIls, kNonPrecision, kArrivals, kDepartures})
      for (const auto& entry : table[static_cast<std::size_t>(group)]) QVERIFY2(entry.Run, entry.Name);
    QCOMPARE(table[kIls][1].Run, &TExform::ExflyILS);
    QCOMPARE(table[kNonPrecision][3].Run, &TExform::ExVDP);
    QCOMPARE(table[kArrivals][1].Run, &TExform::ExflyappNDB);
    QCOMPARE(table[kDepartures][1].Run, &TExform::ExRocdme);
  }

  void approachFlown_data() {
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("side");
    for (int side : {0, 1}) {
      QTest::addRow("ILS side %d", side) << kIls << 1 << side;
      QTest::addRow("localiser side %d", side) << kNonPrecision << 0 << side;
      QTest::addRow("VORDME side %d", side) << kNonPrecision << 1 << side;
      QTest::addRow("NDB side %d", side) << kNonPrecision << 2 << side;
    }
  }

  // East of the runway, 3 degrees off the extended centre line on the drawn
  // side, heading 30 degrees across the final course towards it, the radios
  // on the approach's stations.
  void approachFlown() {
    QFETCH(int, group);
    QFETCH(int, item);
    QFETCH(int, side);
    ScopedRecordingMessages messages;
    const ApproachKind& kind = group == kIls ? IlsApproach()
                               : item == 0   ? LocaliserApproach()
                               : item == 1   ? VorDmeApproach()
                                             : NdbApproach();
    const std::uint32_t seed = SeedFor([] { return Rng().Random(2); }, [&](int s) { return s == side; });
    Rng().RandSeed = seed;
    Rng().Random(2);
    const ApproachWind wind = DrawApproachWind();
    Rng().RandSeed = seed;
    const int obs2Before = 123;
    Sim.Obs2Course = obs2Before;
    w.StartRun(group, item);

    VerifyFlyingLayout();
    QCOMPARE(F().beaconinput->text(), kind.Beacon);
    QCOMPARE(F().HDGinput->text(), QString(side == 0 ? "240" : "300"));
    QCOMPARE(F().Radialinput->text(), QString(side == 0 ? "087" : "093"));
    QCOMPARE(F().DMEinput->text(), kind.Dme);
    QCOMPARE(F().WINDWinput->text(), QString::number(wind.Direction));
    QCOMPARE(F().WINDVinput->text(), QString::number(wind.Speed));
    QCOMPARE(Ex.ExSide, side);
    QCOMPARE(Ex.ExWindSide, wind.Side);
    QCOMPARE(Ex.ExValueC, wind.Direction);
    QCOMPARE(Ex.ExValueD, wind.Speed);
    QCOMPARE(Sim.Obs1Course, kind.Obs1Course);
    QCOMPARE(Sim.Obs2Course, kind.Obs2Course >= 0 ? kind.Obs2Course : obs2Before);
    QCOMPARE(F().ADFactive->text(), QString("370"));
    QCOMPARE(F().VOR1active->text(), QString(kind.Beacon == "AAA" ? "114.0" : kind.Vor1Active));
    QCOMPARE(F().VOR2active->text(), QString("114.0"));
    QCOMPARE(Sim.GlideslopeOff, kind.GlideslopeOff);

    // Where the aircraft stands, from the beacon the start names.
    const QPointF beacon = kind.Beacon == "ILA" ? Runway() : kind.Beacon == "AAA" ? Vor() : Locator();
    const double radial = side == 0 ? 87 : 93;
    QVERIFY(std::abs(AircraftBearingOff(beacon, radial)) < 0.2);
    QVERIFY(std::abs(AircraftDistanceFrom(beacon) - kind.Dme.toDouble()) < 0.02);
    // East of the runway, converging on its centre line.
    QVERIFY(Sim.AircraftX > Runway().x());
    const double offCentre = Sim.AircraftY - Runway().y();
    QVERIFY(std::abs(offCentre) > 0.2);
    const double southward = -std::cos(Sim.Heading * M_PI / 180);
    QVERIFY(offCentre * southward < 0);
    QVERIFY(std::abs(AngleOff(Sim.Heading, Ils().FinalCourse)) == 30);

    // What the receivers make of it.
    QVERIFY(Sim.AdfReceived);
    QCOMPARE(Sim.AdfIdent, QString("LCA"));
    if (kind.Vor1Active == "108.6") {
      QVERIFY(Sim.IlsTuned);
      QVERIFY(std::abs(Sim.Vor1Distance - 11) < 0.05);
    } else {
      QVERIFY(!Sim.IlsTuned);
    }
    if (kind.Beacon == "AAA") {
      QVERIFY(std::abs(AngleOff(Sim.Vor1Radial, radial)) < 0.2);
      QVERIFY(std::abs(Sim.Vor1Distance - 13) < 0.05);
    }
    if (kind.Beacon == "LCA") QVERIFY(std::abs(AngleOff(Sim.AdfQdr, radial)) < 0.2);

    QStringList task = kind.Task;
    task << WindLine(wind.Direction, wind.Speed);
    QCOMPARE(test::TaskLines(*w.sim), task);
    QCOMPARE(messages.Texts(), QStringList());
    if (group == kIls && side == 0) {
      QTest::qWait(50);
      test::SavePng(test::Grab(w.sim), "exercise_fly_ils");
    }
  }

  // The localiser approach switches the glideslope off and NEW EX. keeps it
  // so; the other approaches leave the flag as they find it.
  void glideslopeFlag() {
    w.StartRun(kNonPrecision, 0);
    QVERIFY(Sim.GlideslopeOff);
    F().Command->click();
    QVERIFY(Sim.GlideslopeOff);
    w.ex->ExflyILS();
    QVERIFY(Sim.GlideslopeOff);
    w.StartRun(kIls, 1);  // a new run starts from the default position
    QVERIFY(!Sim.GlideslopeOff);
  }

  // A wind from 360 is written as 360.
  void windFromTheNorth() {
    const std::uint32_t seed = SeedFor(
        [] {
          Rng().Random(2);
          return DrawApproachWind();
        },
        [](const ApproachWind& w) { return w.Direction == 360; });
    QVERIFY(seed);
    Rng().RandSeed = seed;
    w.StartRun(kIls, 1);
    QCOMPARE(F().WINDWinput->text(), QString("360"));
    QCOMPARE(test::TaskLines(*w.sim).last(), WindLine(360, Ex.ExValueD));
    QCOMPARE(Sim.WindDirection, 360);
  }

  void fullApproach_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("qdr");
    for (int qdr : {64, 116}) {
      QTest::addRow("ILS QDR %d", qdr) << 0 << qdr;
      QTest::addRow("NDB QDR %d", qdr) << 1 << qdr;
    }
  }

  // 1 NM out on the 270 radial of the locator, heading 090 to it.
  void fullApproach() {
    QFETCH(int, item);
    QFETCH(int, qdr);
    ScopedRecordingMessages messages;
    const std::uint32_t seed = SeedFor(DrawFullApproach, [&](const FullApproach& a) { return a.Qdr == qdr; });
    Rng().RandSeed = seed;
    const FullApproach a = DrawFullApproach();
    Rng().RandSeed = seed;
    Sim.Obs2Course = 45;
    w.StartRun(kArrivals, item);
    const bool ils = item == 0;

    VerifyFlyingLayout();
    QCOMPARE(F().beaconinput->text(), QString("LCA"));
    QCOMPARE(F().HDGinput->text(), QString("090"));
    QCOMPARE(F().Radialinput->text(), QString("270"));
    QCOMPARE(F().DMEinput->text(), QString("1"));
    QCOMPARE(F().WINDWinput->text(), QString::number(a.Wind.Direction));
    QCOMPARE(F().WINDVinput->text(), QString::number(a.Wind.Speed));
    QCOMPARE(Ex.ExValueA, qdr);
    QCOMPARE(Ex.ExSide, a.Side);
    QCOMPARE(Ex.ExWindSide, a.Wind.Side);
    QCOMPARE(Ex.ExValueC, a.Wind.Direction);
    QCOMPARE(Ex.ExValueD, a.Wind.Speed);
    QCOMPARE(Sim.Obs1Course, ils ? 270 : 360);
    QCOMPARE(Sim.Obs2Course, ils ? 45 : 360);
    QCOMPARE(F().VOR1active->text(), QString(ils ? "108.6" : "114.0"));
    QCOMPARE(F().ADFactive->text(), QString("370"));
    QCOMPARE(Sim.IlsTuned, ils);

    QVERIFY(std::abs(Sim.AircraftX - (Locator().x() - 1)) < 0.02);
    QVERIFY(std::abs(Sim.AircraftY - Locator().y()) < 0.02);
    QCOMPARE(Sim.Heading, 90.0);
    QVERIFY(Sim.AdfReceived);
    QVERIFY(std::abs(AngleOff(Sim.AdfQdr, 270)) < 0.5);
    QCOMPARE(test::TaskLines(*w.sim),
             QStringList({FullApproachTask(ils, qdr), WindLine(a.Wind.Direction, a.Wind.Speed)}));
    QCOMPARE(messages.Texts(), QStringList());
  }

  void descentQuestions_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("drawn");
    QTest::addColumn<QStringList>("task");
    QTest::addColumn<QString>("wrong");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("right");
    const QString rod = "Enter the required rate-of-descent to follow the glideslope.";
    const QString vdp = "Enter the Visual Descent Point in nautical mile.";
    QTest::newRow("groundspeed 60") << 0 << 60 << QStringList{"Your groundspeed is 60 knots.", rod} << "360"
                                    << "300"
                                    << "300";
    QTest::newRow("groundspeed 195") << 0 << 195 << QStringList{"Your groundspeed is 195 knots.", rod} << "970"
                                     << "975"
                                     << "975";
    QTest::newRow("MDH 450") << 3 << 450 << QStringList{"The MDH is 450 feet.", vdp} << "1.50"
                             << "1.5"
                             << "1.5";
    QTest::newRow("MDH 600") << 3 << 600 << QStringList{"The MDH is 600 feet.", vdp} << "02.0"
                             << "2.0"
                             << "2";
  }

  void descentQuestions() {
    QFETCH(int, item);
    QFETCH(int, drawn);
    QFETCH(QStringList, task);
    QFETCH(QString, wrong);
    QFETCH(QString, expected);
    QFETCH(QString, right);
    ScopedRecordingMessages messages;
    const int group = item == 0 ? kIls : kNonPrecision;
    const std::uint32_t seed =
        item == 0 ? SeedFor(DrawRodGroundspeed, [&](int gs) { return gs == drawn; })
                  : SeedFor(DrawVdpMdh, [&](int mdh) { return mdh == drawn; });
    Rng().RandSeed = seed;
    w.StartRun(group, item);
    QVERIFY(!F().Staticinput->isHidden());
    QCOMPARE(test::TaskLines(*w.sim), task);
    QCOMPARE(Ex.ExValueA, drawn);
    test::TypeAnswer(*w.sim, wrong);
    QCOMPARE(test::TaskLines(*w.sim).last(), "WRONG. The correct answer is: " + expected);
    QCOMPARE(Sim.ExRightCount, 0);
    test::TypeAnswer(*w.sim, right);
    QCOMPARE(Sim.ExRightCount, 1);
    QCOMPARE(Sim.ExAnsweredCount, 2);
    QCOMPARE(messages.beeps, 1);
  }

  void climbQuestions_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<QStringList>("task");
    QTest::addColumn<int>("answer");
    const QString enter = "Enter the minimum required rate-of-climb (in feet per minute).";
    QTest::newRow("gradient 3.3") << 0 << 33 << 0
                                  << QStringList{"The departure requires a climb gradient of 3.3 %.",
                                                 "The groundspeed is 100 knots.", enter}
                                  << 330;
    QTest::newRow("gradient 8.2") << 0 << 82 << 0
                                  << QStringList{"The departure requires a climb gradient of 8.2 %.",
                                                 "The groundspeed is 100 knots.", enter}
                                  << 820;
    QTest::newRow("400 ft/min, 3 NM") << 1 << 400 << 3
                                      << QStringList{"Runway elevation = 0. The groundspeed is 100 knots.",
                                                     "Cross 3 DME at or above 720 feet.", enter}
                                      << 400;
    QTest::newRow("900 ft/min, 10 NM") << 1 << 900 << 10
                                       << QStringList{"Runway elevation = 0. The groundspeed is 100 knots.",
                                                      "Cross 10 DME at or above 5400 feet.", enter}
                                       << 900;
  }

  void climbQuestions() {
    QFETCH(int, item);
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(QStringList, task);
    QFETCH(int, answer);
    ScopedRecordingMessages messages;
    const std::uint32_t seed =
        item == 0 ? SeedFor(DrawClimbGradientText,
                            [&](const QString& g) { return g == QString::number(first / 10.0, 'f', 1); })
                  : SeedFor(DrawDmeClimb, [&](const DmeClimb& d) { return d.Roc == first && d.Distance == second; });
    QVERIFY(seed);
    Rng().RandSeed = seed;
    w.StartRun(kDepartures, item);
    QCOMPARE(test::TaskLines(*w.sim), task);
    QCOMPARE(Ex.ExAnswer, answer);
    if (item == 0) QCOMPARE(Ex.ExGradientText, QString::number(first / 10.0, 'f', 1));
    else QCOMPARE(Ex.ExValueC, answer * 6 / 10 * second);
    test::TypeAnswer(*w.sim, QString::number(answer + 100));
    QCOMPARE(test::TaskLines(*w.sim).last(), "WRONG. The correct answer is: " + QString::number(answer));
    test::TypeAnswer(*w.sim, QString::number(answer));
    QCOMPARE(Sim.ExRightCount, 1);
    QCOMPARE(test::TaskLines(*w.sim).size(), 3);  // the next question
    QCOMPARE(messages.Texts(), QStringList());
  }
};

QTEST_MAIN(tst_ApproachExercises)
#include "tst_approachexercises.moc"
