#include "exercises/instrumenttasks.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <cmath>
#include <set>

#include "platform/random.h"

namespace tvx {
namespace {

QStringList Draw(InstrumentTask task, double altitude = 3000, double heading = 90, int elevation = 120) {
  return DrawInstrumentTask(task, Ex, altitude, heading, elevation);
}

class InstrumentTasks : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetExerciseState();
    Rng().RandSeed = 1;
  }
};

TEST_F(InstrumentTasks, LevelsRoundToTheNearestHundredFeet) {
  struct Case {
    double altitude;
    int climb, descent;
  };
  for (const Case c : {Case{3040, 3500, 2500}, Case{3060, 3600, 2600}, Case{3050, 3600, 2600}, Case{2949.9, 3400, 2400},
                       Case{9420, 9900, 8900}}) {
    const QStringList climb = Draw(InstrumentTask::ClimbSpeed, c.altitude);
    EXPECT_EQ(Ex.ExValueB, c.climb) << c.altitude;
    EXPECT_EQ(climb, QStringList{"Climb at " + QString::number(Ex.ExValueA) + " knots to altitude " +
                                 QString::number(c.climb) + " ft."});
    const QStringList descent = Draw(InstrumentTask::DescentSpeed, c.altitude);
    EXPECT_EQ(Ex.ExValueB, c.descent) << c.altitude;
    EXPECT_EQ(descent, QStringList{"Descend at " + QString::number(Ex.ExValueA) + " knots to altitude " +
                                   QString::number(c.descent) + " ft with RPM 1500."});
  }
}

// A descent to any level above the airport is the task as drawn, 400 ft
// over an airport at 120 ft included; one that would end at or below the
// airport says so and holds the level: it never becomes a climb.
TEST_F(InstrumentTasks, DescentsStayDescentsAboveTheAirport) {
  for (const auto& [altitude, level] : {std::pair{900.0, 400}, std::pair{1000.0, 500}, std::pair{680.0, 200}}) {
    const QStringList task = Draw(InstrumentTask::DescentSpeed, altitude);
    EXPECT_EQ(task, QStringList{"Descend at " + QString::number(Ex.ExValueA) + " knots to altitude " +
                                QString::number(level) + " ft with RPM 1500."});
    EXPECT_EQ(Ex.ExValueB, level);
  }
  for (const auto& [altitude, elevation] : {std::pair{620.0, 120}, std::pair{600.0, 100}, std::pair{0.0, 0},
                                            std::pair{2800.0, 2300}}) {
    const QStringList task = Draw(InstrumentTask::DescentSpeed, altitude, 90, elevation);
    const int level = RoundedLevel(altitude);
    EXPECT_EQ(task, QStringList{"No descent: altitude " + QString::number(level - 500) +
                                " ft is not above the airport elevation (" + QString::number(elevation) +
                                " ft). Maintain altitude " + QString::number(level) + " ft at " +
                                QString::number(Ex.ExValueA) + " knots."});
    EXPECT_EQ(Ex.ExValueB, level);
  }
  // The radar vector's descent too, whichever side it draws.
  bool descended = false;
  for (int i = 0; i < 40; ++i) {
    const QStringList task = Draw(InstrumentTask::Vector, 900, 90);
    EXPECT_TRUE(QRegularExpression("^(Climb at (80|90|100) knots to altitude 1400 ft|Descend at (80|90|100) knots to "
                                   "altitude 400 ft)\\.$")
                    .match(task.first())
                    .hasMatch())
        << task.first().toStdString();
    descended = descended || task.first().startsWith("Descend");
  }
  EXPECT_TRUE(descended);
}

TEST_F(InstrumentTasks, TurnsNameHeadingsFrom10To360) {
  EXPECT_EQ(TurnTargetHeading(358, 10, 0), 10);
  EXPECT_EQ(TurnTargetHeading(2, 30, 1), 330);
  EXPECT_EQ(TurnTargetHeading(2, 10, 0), 10);
  EXPECT_EQ(TurnTargetHeading(355, 120, 1), 240);  // 35.5 rounds up to 360
  EXPECT_EQ(TurnTargetHeading(344.9, 120, 0), 100);
  EXPECT_EQ(TurnTargetHeading(10, 10, 1), 360);  // north is 360, never 0
  EXPECT_EQ(TurnTargetHeading(240, 120, 0), 360);
  for (int tenth = 0; tenth <= 3600; tenth += 7) {
    const double heading = tenth / 10.0;
    for (int angle = 10; angle <= 120; angle += 10)
      for (int side : {0, 1}) {
        const int target = TurnTargetHeading(heading, angle, side);
        ASSERT_GE(target, 10);
        ASSERT_LE(target, 360);
        ASSERT_EQ(target % 10, 0);
        const int base = static_cast<int>(std::floor(heading / 10 + 0.5)) * 10;
        ASSERT_EQ(((target - base) % 360 + 360) % 360, side == 0 ? angle : 360 - angle) << heading;
      }
  }
}

TEST_F(InstrumentTasks, ReciprocalQuestion) {
  // Seed 1 draws 11.
  EXPECT_EQ(Draw(InstrumentTask::Reciprocal), (QStringList{"Enter the reciprocal of:", "011"}));
  EXPECT_EQ(Ex.ExAnswer, 191);
  EXPECT_EQ(ReciprocalHeading(180), 0);
  EXPECT_EQ(ReciprocalHeading(179), 359);
  EXPECT_EQ(ReciprocalHeading(0), 180);
  EXPECT_EQ(ReciprocalHeading(359), 179);
  std::set<int> asked;
  for (int i = 0; i < 20000; ++i) {
    const QStringList task = Draw(InstrumentTask::Reciprocal);
    asked.insert(Ex.ExValueA);
    ASSERT_EQ(task[1].size(), 3);
    ASSERT_EQ(task[1].toInt(), Ex.ExValueA);
    ASSERT_EQ((Ex.ExValueA + 180) % 360, Ex.ExAnswer);
    if (Ex.ExValueA == 5) EXPECT_EQ(task[1], "005");
    if (Ex.ExValueA == 45) EXPECT_EQ(task[1], "045");
  }
  EXPECT_EQ(asked.size(), 360u);
  EXPECT_EQ(*asked.begin(), 0);
  EXPECT_EQ(*asked.rbegin(), 359);
}

TEST_F(InstrumentTasks, DrawsStayInTheirRanges) {
  std::set<int> level, climb, rates, angles;
  for (int i = 0; i < 3000; ++i) {
    const QStringList levelTask = Draw(InstrumentTask::LevelSpeed);
    EXPECT_EQ(levelTask,
              (QStringList{"Fly at airspeed: " + QString::number(Ex.ExValueA) + " knots.", "(Maintain altitude)."}));
    level.insert(Ex.ExValueA);
    Draw(InstrumentTask::ClimbSpeed);
    climb.insert(Ex.ExValueA);
    for (auto [task, verb] :
         {std::pair{InstrumentTask::ClimbRate, "Climb"}, {InstrumentTask::DescentRate, "Descend"}}) {
      const QStringList line = Draw(task);
      EXPECT_EQ(Ex.ExValueC, Ex.ExSide == 0 ? 500 : 1000);
      EXPECT_EQ(line, QStringList{QString(verb) + " at " + QString::number(Ex.ExValueA) + " knots and " +
                                  QString::number(Ex.ExValueC) + " FPM."});
      climb.insert(Ex.ExValueA);
      rates.insert(Ex.ExValueC);
    }
    const QStringList turn = Draw(InstrumentTask::Turn, 3000, 87);
    angles.insert(Ex.ExValueA);
    EXPECT_EQ(Ex.ExValueB, 90);
    EXPECT_EQ(turn, QStringList{"Turn to heading " + QString::number(Ex.ExValueC) + "."});
  }
  EXPECT_EQ(level, (std::set<int>{80, 85, 90, 95, 100, 105, 110, 115, 120}));
  EXPECT_EQ(climb, (std::set<int>{80, 90, 100}));
  EXPECT_EQ(rates, (std::set<int>{500, 1000}));
  EXPECT_EQ(angles, (std::set<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120}));
}

// A radar vector: the level change first, then the turn, the side of each
// drawn on its own.
TEST_F(InstrumentTasks, RadarVectorHasTwoLines) {
  // Seed 1: climb, 100 kt, a right turn of 30.
  EXPECT_EQ(Draw(InstrumentTask::Vector, 3040, 358),
            (QStringList{"Climb at 100 knots to altitude 3500 ft.", "Turn to heading 30."}));
  int climbs = 0, descents = 0;
  for (int i = 0; i < 400; ++i) {
    const QStringList task = Draw(InstrumentTask::Vector, 4020, 200);
    ASSERT_EQ(task.size(), 2);
    if (task[0].startsWith("Climb at ")) {
      ++climbs;
      EXPECT_TRUE(task[0].endsWith(" knots to altitude 4500 ft."));
    } else {
      ++descents;
      EXPECT_TRUE(task[0].startsWith("Descend at "));
      EXPECT_TRUE(task[0].endsWith(" knots to altitude 3500 ft."));
    }
    EXPECT_TRUE(task[1].startsWith("Turn to heading "));
  }
  EXPECT_GT(climbs, 100);
  EXPECT_GT(descents, 100);
}

TEST_F(InstrumentTasks, WindDemonstration) {
  std::set<int> directions, speeds;
  for (int i = 0; i < 2000; ++i) {
    const WindDemo demo = DrawWindDemo(Ex);
    EXPECT_EQ(demo.Panel.Beacon, "AAA");
    EXPECT_EQ(demo.Panel.Radial, 270);
    EXPECT_EQ(demo.Panel.Heading, 270);
    EXPECT_EQ(demo.Panel.Dme, 6);
    EXPECT_EQ(demo.Panel.WindDirection, Ex.ExValueC);
    EXPECT_EQ(demo.Panel.WindSpeed, Ex.ExValueD);
    directions.insert(Ex.ExValueC);
    speeds.insert(Ex.ExValueD);
    ASSERT_EQ(demo.Task.size(), 3);
    EXPECT_EQ(demo.Task[0], QString::fromUtf8("This is a DEMO. The airplane's heading is 270\xc2\xb0."));
  }
  EXPECT_EQ(directions.size(), 36u);
  EXPECT_EQ(*directions.begin(), 0);
  EXPECT_EQ(*directions.rbegin(), 350);
  EXPECT_EQ(speeds, (std::set<int>{15, 25}));
}

}  // namespace
}  // namespace tvx
