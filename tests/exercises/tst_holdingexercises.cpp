// The holding exercises run through the exercises window: the aircraft and
// the holding they set up, their tasks, and typed answers judged right and
// wrong.
#include <QtTest>

#include "areas/holding.h"
#include "areas/mapform.h"
#include "exercises/exercisesetup.h"
#include "exercises/exwindowfixture.h"
#include "exercises/generatorfixture.h"
#include "exercises/generatorkit.h"
#include "exercises/holdingdraws.h"
#include "instruments/mapgeometry.h"
#include "platform/messages.h"
#include "support/testsupport.h"

using namespace tvx;
using test::AircraftBearingOff;
using test::AircraftDistanceFrom;
using test::SeedFor;

namespace {

constexpr int kHoldings = 5;

// The entry a pilot chooses from where he arrives: the aircraft's bearing
// from the fix measured from the inbound course; for right turns 0..110 is
// the parallel sector, 110..290 the direct one, 290..360 the teardrop one,
// mirrored for left turns.
int EntryFromWhereTheAircraftIs(QPointF fix, int holdingRadial, const QString& side) {
  const double from = BearingFromStation(fix.x(), fix.y(), Sim.AircraftX, Sim.AircraftY);
  double rel = std::fmod(from - (holdingRadial + 180) + 720.0, 360.0);
  if (side != "RIGHT") rel = std::fmod(360.0 - rel, 360.0);
  if (rel > 0 && rel < 110) return kParallelEntry;
  if (rel > 110 && rel < 290) return kDirectEntry;
  return kTeardropEntry;
}

// Which side of the inbound leg (fix to its far end) a point lies on: the
// sign of the cross product on the plane.
double SideOfInboundLeg(const HoldingPattern& h, QPointF p) {
  const QPointF leg = h.A - h.F, to = p - h.F;
  return leg.x() * to.y() - leg.y() * to.x();
}

}  // namespace

class tst_HoldingExercises : public QObject {
  Q_OBJECT
  test::ExerciseWindows w;
  TMapform* holding = nullptr;

  Ui::TForm1& F() { return w.sim->ui; }
  QPointF Aaa() { return test::PositionOf(test::NamedBeacon(Areas.VorList, "AAA")); }
  QPointF Mmm() { return test::PositionOf(test::NamedBeacon(Areas.NdbList, "MMM")); }
  QPointF HoldingFix() { return QPointF(Sim.HoldingX, Sim.HoldingY); }

  void VerifyFlyingLayout() {
    QVERIFY(!F().START->isHidden());
    QVERIFY(!F().Command->isHidden());
    QVERIFY(F().Staticinput->isHidden());
    QVERIFY(F().STARTPanel->isHidden());
  }

  // The holding drawn at `fix` on `radial` with `side` turns, read through
  // the holding window.
  void VerifyHolding(QPointF fix, const QString& beacon, int radial, int side) {
    QCOMPARE(HoldingFix(), fix);
    QCOMPARE(Sim.HoldingRadial, radial);
    QCOMPARE(Sim.HoldingSide, TurnSideText(side));
    QCOMPARE(HoldingWindow.Mapkeuze, kDrawHolding);
    QCOMPARE(holding->Mapkeuze(), kDrawHolding);
    QCOMPARE(holding->ui.Holdingbeacon->text(), beacon);
  }

 private slots:
  void initTestCase() {
    test::PrepareSimWindowTests();
    TExform::ShowMainMenu = [] {};
  }

  void init() {
    QVERIFY(w.Create());
    holding = new TMapform;
  }

  void cleanup() {
    delete holding;
    holding = nullptr;
    w.Destroy();
  }

  void everyHoldingHasItsGenerator() {
    const auto& row = TExform::GeneratorTable()[kHoldings];
    QCOMPARE(row.size(), std::size_t(15));
    for (const auto& entry : row) QVERIFY2(entry.Run, entry.Name);
    QCOMPARE(row[0].Run, &TExform::Exotix);
    QCOMPARE(row[13].Run, &TExform::Exentrydecfig);
    QCOMPARE(row[14].Run, &TExform::Exenthold);
  }

  void holdingAtABeacon_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<bool>("vor");
    QTest::addColumn<int>("wind");
    QTest::addColumn<std::uint32_t>("seed");
    for (std::uint32_t seed : {1u, 2u, 3u, 40u}) {
      QTest::addRow("VOR calm %u", seed) << 1 << true << int(HoldingWind::Calm) << seed;
      QTest::addRow("NDB calm %u", seed) << 2 << false << int(HoldingWind::Calm) << seed;
      QTest::addRow("VOR wind %u", seed) << 7 << true << int(HoldingWind::Fixed15) << seed;
      QTest::addRow("NDB wind %u", seed) << 8 << false << int(HoldingWind::Drawn) << seed;
    }
  }

  // 1 NM out on the holding radial, heading inbound, the holding drawn at
  // the beacon; the receivers read the radial the task names.
  void holdingAtABeacon() {
    QFETCH(int, item);
    QFETCH(bool, vor);
    QFETCH(int, wind);
    QFETCH(std::uint32_t, seed);
    ScopedRecordingMessages messages;
    Rng().RandSeed = seed;
    const BeaconHolding h = DrawBeaconHolding(HoldingWind(wind));
    Rng().RandSeed = seed;
    w.StartRun(kHoldings, item);

    VerifyFlyingLayout();
    const QString beacon = vor ? "AAA" : "MMM";
    const QPointF fix = vor ? Aaa() : Mmm();
    QCOMPARE(F().beaconinput->text(), beacon);
    QCOMPARE(F().Radialinput->text(), QString::number(h.Radial));
    QCOMPARE(F().HDGinput->text(), QString::number(h.Heading));
    QCOMPARE(F().DMEinput->text(), QString("1"));
    QCOMPARE(F().WINDWinput->text(), QString::number(h.WindDirection));
    QCOMPARE(F().WINDVinput->text(), QString::number(h.WindSpeed));
    QCOMPARE(Ex.ExValueA, h.Heading);
    QCOMPARE(Ex.ExSide, h.Side);
    QCOMPARE(Ex.ExValueC, h.WindDirection);
    QCOMPARE(Ex.ExValueD, h.WindSpeed);
    QCOMPARE(Sim.Obs2Course, h.Heading);
    VerifyHolding(fix, beacon, h.Radial, h.Side);

    QVERIFY(std::abs(AircraftBearingOff(fix, h.Radial)) < 1);
    QVERIFY(std::abs(AircraftDistanceFrom(fix) - 1) < 0.02);
    QVERIFY(std::abs(test::AngleOff(Sim.Heading, h.Heading)) < 1e-9);
    QCOMPARE(test::AngleOff(Sim.WindDirection, h.WindDirection), 0.0);  // 0 is kept as 360
    QCOMPARE(Sim.WindSpeed, h.WindSpeed);
    if (vor) {
      QCOMPARE(Sim.Obs1Course, h.Heading);
      QVERIFY(std::abs(test::AngleOff(Sim.Vor1Radial, h.Radial)) < 1);
    } else {
      QVERIFY(Sim.AdfReceived);
      QVERIFY(std::abs(test::AngleOff(Sim.AdfQdr, h.Radial)) < 1);
    }

    const QString first = vor ? "Hold over VOR AAA on radial " + QString::number(h.Radial)
                              : "Hold over NDB MMM on inbound course " + QString::number(h.Heading);
    const QString last = wind == int(HoldingWind::Calm) ? QString("There is no wind.")
                                                        : WindLine(h.WindDirection, h.WindSpeed);
    QCOMPARE(test::TaskLines(*w.sim),
             QStringList({first, h.Side == 0 ? "with right turns." : "with left turns.", last}));
    QCOMPARE(messages.Texts(), QStringList());
  }

  // NEW EX. flies another holding of the same kind.
  void newExerciseDrawsAgain() {
    Rng().RandSeed = 5;
    w.StartRun(kHoldings, 1);
    const BeaconHolding next = DrawBeaconHolding(HoldingWind::Calm);
    Rng().RandSeed = 5;
    DrawBeaconHolding(HoldingWind::Calm);
    F().Command->click();
    QCOMPARE(Sim.HoldingRadial, next.Radial);
    QCOMPARE(test::TaskLines(*w.sim).size(), 3);
    QCOMPARE(test::TaskLines(*w.sim).first(), "Hold over VOR AAA on radial " + QString::number(next.Radial));
  }

  void teardropPosition_data() {
    QTest::addColumn<std::uint32_t>("seed");
    for (std::uint32_t seed : {1u, 2u, 3u, 4u, 5u, 6u}) QTest::addRow("seed %u", seed) << seed;
    QTest::addRow("left turns from radial 330") << SeedFor(DrawTeardropStart, [](const TeardropStart& t) {
      return t.Radial == 330 && t.Side == kLeftTurns;
    });
  }

  // 2.2 NM out on the teardrop radial, on the holding side of the inbound
  // leg, heading outbound parallel to it.
  void teardropPosition() {
    QFETCH(std::uint32_t, seed);
    QVERIFY(seed);
    Rng().RandSeed = seed;
    const TeardropStart t = DrawTeardropStart();
    Rng().RandSeed = seed;
    w.StartRun(kHoldings, 3);

    VerifyFlyingLayout();
    QCOMPARE(F().beaconinput->text(), QString("AAA"));
    QCOMPARE(F().Radialinput->text(), QString::number(t.StartRadial));
    QCOMPARE(F().HDGinput->text(), QString::number(t.Radial));
    QCOMPARE(F().DMEinput->text(), QString("2.2"));
    QCOMPARE(Ex.ExValueA, Compass0To359(t.Radial + 180));
    QCOMPARE(Ex.ExValueB, t.Radial);
    QCOMPARE(Sim.Obs1Course, Ex.ExValueA);
    QCOMPARE(Sim.Obs2Course, Ex.ExValueA);
    VerifyHolding(Aaa(), "AAA", t.Radial, t.Side);
    if (t.Radial == 330 && t.Side == kLeftTurns) QCOMPARE(F().Radialinput->text(), QString("360"));

    QVERIFY(std::abs(AircraftBearingOff(Aaa(), t.StartRadial)) < 0.5);
    QVERIFY(std::abs(AircraftDistanceFrom(Aaa()) - 2.2) < 0.02);
    QVERIFY(std::abs(test::AngleOff(Sim.Heading, t.Radial)) < 1e-9);
    // The map's own holding: the aircraft stands on the side of the
    // outbound leg.
    const HoldingPattern h = ComputeHolding(HoldingFix(), Sim.HoldingRadial, Sim.HoldingSide, Sim.HoldingSpeed);
    QVERIFY(SideOfInboundLeg(h, h.P) * SideOfInboundLeg(h, QPointF(Sim.AircraftX, Sim.AircraftY)) > 0);

    QCOMPARE(test::TaskLines(*w.sim),
             QStringList({"You are holding over VOR AAA on radial " + QString::number(t.Radial),
                          t.Side == 0 ? "with right turns." : "with left turns.",
                          "You are in the teardrop position. Intercept the inbound course.",
                          WindLine(t.WindDirection, t.WindSpeed)}));
  }

  void entryFlown_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("order");
    QTest::addColumn<std::uint32_t>("seed");
    for (std::uint32_t seed : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u}) {
      QTest::addRow("direct %u", seed) << 9 << kDirectEntry << "Make a direct entry." << seed;
      QTest::addRow("teardrop %u", seed) << 10 << kTeardropEntry << "Make a teardrop entry." << seed;
      QTest::addRow("parallel %u", seed) << 11 << kParallelEntry << "Make a parallel entry." << seed;
      QTest::addRow("drawn %u", seed) << 14 << -1 << "Make the correct entry." << seed;
    }
  }

  // The entry asked for is the one the aircraft's arrival at the holding
  // the simulator now draws calls for.
  void entryFlown() {
    QFETCH(int, item);
    QFETCH(int, entry);
    QFETCH(QString, order);
    QFETCH(std::uint32_t, seed);
    ScopedRecordingMessages messages;
    Rng().RandSeed = seed;
    const EntrySetup e = DrawEntrySetup(entry);
    const int windDirection = Rng().Random(36) * 10;
    Rng().RandSeed = seed;
    w.StartRun(kHoldings, item);

    VerifyFlyingLayout();
    QCOMPARE(F().HDGinput->text(), QString::number(e.Heading));
    QCOMPARE(F().Radialinput->text(), QString::number(Compass0To359(e.Heading + 180)));
    QCOMPARE(F().DMEinput->text(), QString("1"));
    QCOMPARE(F().WINDWinput->text(), QString::number(windDirection));
    QCOMPARE(F().WINDVinput->text(), QString("15"));
    QCOMPARE(Sim.Obs1Course, e.Heading);
    QCOMPARE(Sim.Obs2Course, Compass0To359(e.HoldingRadial + 180));
    QCOMPARE(Ex.ExValueA, e.Entry);
    QCOMPARE(Ex.ExValueB, e.HoldingRadial);
    QCOMPARE(Ex.ExValueC, e.Offset);
    QCOMPARE(Ex.ExSide, e.Side);
    if (entry >= 0) QCOMPARE(e.Entry, entry);
    VerifyHolding(Aaa(), "AAA", e.HoldingRadial, e.Side);
    QVERIFY(std::abs(AircraftDistanceFrom(Aaa()) - 1) < 0.02);
    QCOMPARE(EntryFromWhereTheAircraftIs(HoldingFix(), Sim.HoldingRadial, Sim.HoldingSide), e.Entry);
    QCOMPARE(test::TaskLines(*w.sim),
             QStringList({HoldingTurnsLine(e.HoldingRadial, e.Side), order,
                          WindLine(windDirection, 15)}));
    QCOMPARE(messages.Texts(), QStringList());
  }

  // Heading 350 and a right-hand teardrop 60 degrees round: holding radial
  // 50, inbound course 230 on VOR 2.
  void entryAcrossNorth() {
    const std::uint32_t seed = SeedFor([] { return DrawEntrySetup(kTeardropEntry); }, [](const EntrySetup& e) {
      return e.Heading == 350 && e.Side == kRightTurns && e.Offset == 60;
    });
    QVERIFY(seed);
    Rng().RandSeed = seed;
    w.StartRun(kHoldings, 10);
    QCOMPARE(Sim.HoldingRadial, 50);
    QCOMPARE(Sim.Obs2Course, 230);
    QCOMPARE(test::TaskLines(*w.sim).first(), QString("Holding on radial 50 with RIGHT turns."));
  }

  // Read from the heading indicator: the letter of the entry, typed in
  // lower case, is right; another letter is wrong and named.
  void entryDecision() {
    ScopedRecordingMessages messages;
    Rng().RandSeed = 3;
    w.StartRun(kHoldings, 12);
    QVERIFY(!F().Staticinput->isHidden());
    QVERIFY(F().Command->isHidden());
    for (int round = 0; round < 6; ++round) {
      const QString letter = Ex.ExAnswerText;
      QVERIFY(letter == "T" || letter == "D" || letter == "P");
      QCOMPARE(letter, EntryLetter(Ex.ExValueA));
      QCOMPARE(F().HDGinput->text(), QString::number(Compass0To359(Ex.ExValueB - Ex.ExValueC)));
      QCOMPARE(EntryFromWhereTheAircraftIs(Aaa(), Ex.ExValueB, TurnSideText(Ex.ExSide)), Ex.ExValueA);
      QCOMPARE(test::TaskLines(*w.sim),
               QStringList({HoldingTurnsLine(Ex.ExValueB, Ex.ExSide),
                            "Look at the heading indicator and determine the type of entry.",
                            "Enter T for Teardrop, D for Direct and P for Parallel."}));
      const QString wrong = letter == "T" ? "D" : "T";
      test::TypeAnswer(*w.sim, wrong.toLower());
      QCOMPARE(test::TaskLines(*w.sim).last(), "WRONG. The correct answer is: " + letter);
      test::TypeAnswer(*w.sim, letter.toLower());
      QCOMPARE(Sim.ExRightCount, round + 1);
      QCOMPARE(Sim.ExAnsweredCount, 2 * round + 2);
    }
    QCOMPARE(messages.beeps, 6);
  }

  // Read from the map: the map shown with the panel at the top, the holding
  // drawn at the VOR the aircraft flies to, whatever fix came before.
  void entryDecisionOnTheMap() {
    ScopedRecordingMessages messages;
    Rng().RandSeed = 7;
    w.StartRun(kHoldings, 2);  // a holding at the NDB first
    QCOMPARE(HoldingFix(), Mmm());
    Rng().RandSeed = 12;
    w.StartRun(kHoldings, 13);
    QVERIFY(!F().MAPChart->isHidden());
    QCOMPARE(F().Staticpanel->y(), 0);
    QVERIFY(!F().Staticinput->isHidden());
    VerifyHolding(Aaa(), "AAA", Ex.ExValueB, Ex.ExSide);
    QCOMPARE(EntryFromWhereTheAircraftIs(HoldingFix(), Sim.HoldingRadial, Sim.HoldingSide), Ex.ExValueA);
    QCOMPARE(Ex.ExAnswerText, EntryLetter(Ex.ExValueA));
    QCOMPARE(test::TaskLines(*w.sim),
             QStringList({HoldingTurnsLine(Ex.ExValueB, Ex.ExSide), "Look at the MAP and determine the type of entry.",
                          "Enter T for Teardrop, D for Direct and P for Parallel.", "Press [X] to change scale"}));
    QCOMPARE(messages.Texts(), QStringList());

    // The holding stands on the map in yellow; without it, far less yellow.
    auto yellow = [](const QImage& image) {
      int n = 0;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == qRgb(255, 255, 0);
      return n;
    };
    const int withHolding = yellow(F().MAPChart->Render());
    HoldingWindow.Mapkeuze = kNoHolding;
    const int without = yellow(F().MAPChart->Render());
    HoldingWindow.Mapkeuze = kDrawHolding;
    QVERIFY2(withHolding > without + 100, qPrintable(QString("%1 %2").arg(withHolding).arg(without)));
    QTest::qWait(50);
    test::SavePng(test::Grab(w.sim), "exercise_entry_on_map");

    test::TypeAnswer(*w.sim, Ex.ExAnswerText);
    QCOMPARE(Sim.ExRightCount, 1);
    QCOMPARE(test::TaskLines(*w.sim).size(), 4);  // the next one asked
  }

  void teardropAndAbeamRadials_data() {
    QTest::addColumn<int>("radial");
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("typed");
    QTest::newRow("radial 0 right teardrop") << 0 << 0 << 0 << 330 << "330";
    QTest::newRow("radial 300 left abeam") << 300 << 1 << 1 << 30 << "30";
    QTest::newRow("radial 330 left teardrop") << 330 << 1 << 0 << 0 << "360";
    QTest::newRow("radial 90 right abeam") << 90 << 0 << 1 << 0 << "0";
    QTest::newRow("radial 200 left teardrop") << 200 << 1 << 0 << 230 << "230";
  }

  // The aircraft on the holding radial; the answer judged as typed.
  void teardropAndAbeamRadials() {
    QFETCH(int, radial);
    QFETCH(int, side);
    QFETCH(int, kind);
    QFETCH(int, answer);
    QFETCH(QString, typed);
    ScopedRecordingMessages messages;
    const std::uint32_t seed = SeedFor(DrawOtixQuestion, [&](const OtixQuestion& q) {
      return q.Radial == radial && q.Side == side && q.Kind == kind;
    });
    QVERIFY(seed);
    Rng().RandSeed = seed;
    w.StartRun(kHoldings, 0);
    QVERIFY(!F().Staticinput->isHidden());
    QCOMPARE(F().beaconinput->text(), QString("AAA"));
    QCOMPARE(F().Radialinput->text(), QString::number(radial));
    QCOMPARE(Ex.ExValueA, radial);
    QCOMPARE(Ex.ExAnswer, answer);
    QVERIFY(std::abs(test::AngleOff(Sim.Vor1Radial, radial)) < 1);
    QCOMPARE(test::TaskLines(*w.sim),
             QStringList({HoldingTurnsLine(radial, side),
                          kind == 0 ? "Enter the TEARDROP radial." : "Enter the ABEAM radial."}));
    test::TypeAnswer(*w.sim, QString::number(answer + 10));
    QCOMPARE(test::TaskLines(*w.sim).last(), "WRONG. The correct answer is: " + QString::number(answer));
    test::TypeAnswer(*w.sim, typed);
    QCOMPARE(Sim.ExRightCount, 1);
    QCOMPARE(Sim.ExAnsweredCount, 2);
    QCOMPARE(messages.beeps, 1);
  }

  void timingAndHeading_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("side");
    QTest::addColumn<QStringList>("task");
    QTest::addColumn<int>("answer");
    QTest::newRow("headwind 20") << 4 << 20 << 0
                                 << QStringList{"On the outbound leg there is a HEADWIND of 20 knots.",
                                                "Enter the expected outbound timing (in seconds)."}
                                 << 70;
    QTest::newRow("tailwind 30") << 4 << 30 << 1
                                 << QStringList{"On the outbound leg there is a TAILWIND of 30 knots.",
                                                "Enter the expected outbound timing (in seconds)."}
                                 << 45;
    QTest::newRow("chrono 2 min 50") << 5 << 10 << 0
                                     << QStringList{"After a complete holding, the chrono indicates 2 min 50 seconds.",
                                                    "Suppose that your outbound leg timing was 60 seconds.",
                                                    "Enter the corrected outbound timing (in seconds)."}
                                     << 65;
    QTest::newRow("chrono 3 min 20") << 5 << 20 << 1
                                     << QStringList{"After a complete holding, the chrono indicates 3 min 20 seconds.",
                                                    "Suppose that your outbound leg timing was 60 seconds.",
                                                    "Enter the corrected outbound timing (in seconds)."}
                                     << 50;
    QTest::newRow("radial 0 wind 270/25") << 6 << 25 << 1
                                          << QStringList{"Holding on radial 0.", "The wind is 270/25.",
                                                         "Enter the expected outbound heading."}
                                          << 335;
  }

  void timingAndHeading() {
    QFETCH(int, item);
    QFETCH(int, value);
    QFETCH(int, side);
    QFETCH(QStringList, task);
    QFETCH(int, answer);
    ScopedRecordingMessages messages;
    const std::uint32_t seed =
        item == 6 ? SeedFor(DrawOutboundHeadingQuestion,
                            [&](const OutboundHeadingQuestion& q) {
                              return q.Radial == 0 && q.WindSpeed == value && q.Side == side;
                            })
                  : SeedFor(DrawTimingQuestion, [&](const TimingQuestion& q) { return q.Value == value && q.Side == side; });
    QVERIFY(seed);
    const QString start = F().Radialinput->text();
    Rng().RandSeed = seed;
    w.StartRun(kHoldings, item);
    QCOMPARE(test::TaskLines(*w.sim), task);
    QCOMPARE(Ex.ExAnswer, answer);
    QCOMPARE(Ex.ExSide, side);
    QCOMPARE(F().Radialinput->text(), start);  // no start-panel edit written
    test::TypeAnswer(*w.sim, QString::number(answer - 5));
    QCOMPARE(Sim.ExRightCount, 0);
    test::TypeAnswer(*w.sim, QString::number(answer));
    QCOMPARE(Sim.ExRightCount, 1);
    QCOMPARE(messages.Texts(), QStringList());
  }
};

QTEST_MAIN(tst_HoldingExercises)
#include "tst_holdingexercises.moc"
