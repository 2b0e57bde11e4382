#include "exercises/dmearcs.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "exercises/generatorkit.h"
#include "platform/random.h"

namespace tvx {
namespace {

struct ArcCase {
  ArcWay way;
  ArcTurn turn;
};
const ArcCase kArcs[] = {{ArcWay::Inbound, ArcTurn::Clockwise},
                         {ArcWay::Inbound, ArcTurn::Counterclockwise},
                         {ArcWay::Outbound, ArcTurn::Clockwise},
                         {ArcWay::Outbound, ArcTurn::Counterclockwise}};

std::set<int> Range(int low, int high, int step) {
  std::set<int> all;
  for (int v = low; v <= high; v += step) all.insert(v);
  return all;
}

// Seeds from 1 upwards until the arc drawn satisfies `wanted`.
GeneratedExercise FindArc(ArcWay way, ArcTurn turn, const std::function<bool(const GeneratedExercise&)>& wanted,
                          ExerciseState& ex) {
  for (std::uint32_t seed = 1; seed < 100000; ++seed) {
    Rng().RandSeed = seed;
    ex = ExerciseState{};
    GeneratedExercise out = DmeArcExercise(ex, way, turn);
    if (wanted(out)) return out;
  }
  ADD_FAILURE() << "no seed gives the case";
  return {};
}

// Radial, turn, distance, wind direction, wind speed: in this order from the
// shared sequence.
TEST(DmeArcs, DrawOrder) {
  Rng().RandSeed = 1;
  const int radial = Rng().Random(36) * 10;
  const int turn = Rng().Random(5) * 10 + 40;
  const int arc = Rng().Random(4) + 5;
  const int wind = Rng().Random(36) * 10;
  const int speed = Rng().Random(2) * 10 + 10;
  Rng().RandSeed = 1;
  ExerciseState ex;
  const GeneratedExercise out = DmeArcExercise(ex, ArcWay::Outbound, ArcTurn::Clockwise);
  EXPECT_EQ(out.Panel.Radial, radial);
  EXPECT_EQ(ex.ExValueA, (radial + turn) % 360);
  EXPECT_EQ(ex.ExValueB, arc);
  EXPECT_EQ(ex.ExValueC, wind);
  EXPECT_EQ(ex.ExValueD, speed);
}

// Over many draws every value stays in its range, and the final leg lies the
// turn angle round the arc from the start radial, on the drawn side.
TEST(DmeArcs, DrawsAndTheFinalLeg) {
  Rng().RandSeed = 1;
  for (const ArcCase& c : kArcs) {
    const bool inbound = c.way == ArcWay::Inbound;
    const bool clockwise = c.turn == ArcTurn::Clockwise;
    std::set<int> radials, turns, arcs, dmes, winds, speeds, lines;
    for (int i = 0; i < 3000; ++i) {
      ExerciseState ex;
      const GeneratedExercise out = DmeArcExercise(ex, c.way, c.turn);
      const int radial = out.Panel.Radial;
      const int heading = out.Panel.Heading;
      radials.insert(radial);
      EXPECT_FALSE(out.Question);
      EXPECT_EQ(out.Panel.Beacon, "AAA");
      EXPECT_EQ(heading, inbound ? (radial + 180) % 360 : radial);
      EXPECT_EQ(out.Obs1Course, heading);
      EXPECT_EQ(ex.ExSide, clockwise ? 1 : 0);
      const int finalCourse = ex.ExValueA;
      EXPECT_TRUE(finalCourse >= 0 && finalCourse <= 359) << finalCourse;
      EXPECT_EQ(out.Obs2Course, finalCourse);
      const int finalRadial = inbound ? (finalCourse + 180) % 360 : finalCourse;
      const int turn = ((clockwise ? finalRadial - radial : radial - finalRadial) + 360) % 360;
      turns.insert(turn);
      arcs.insert(ex.ExValueB);
      const int dme = *out.Panel.Dme;
      dmes.insert(dme);
      EXPECT_EQ(dme, inbound ? ex.ExValueB + 2 : ex.ExValueB - 2);
      winds.insert(*out.Panel.WindDirection);
      speeds.insert(*out.Panel.WindSpeed);
      EXPECT_EQ(out.Panel.WindDirection, ex.ExValueC);
      EXPECT_EQ(out.Panel.WindSpeed, ex.ExValueD);
      EXPECT_EQ(out.CourseLineBeacon, "AAA");
      EXPECT_EQ(out.CourseLineCourse, inbound ? finalCourse : finalCourse + 180);
      lines.insert(out.CourseLineCourse);
      const QString named = QString::number(inbound ? (finalRadial == 0 ? 360 : finalRadial) : finalRadial);
      EXPECT_EQ(out.Task,
                QStringList({QString("You are flying ") + (inbound ? "inbound" : "outbound") + " VOR AAA on radial " +
                                 QString::number(radial) + ".",
                             "Fly a " + QString::number(ex.ExValueB) + " DME arc " +
                                 (clockwise ? "clockwise" : "counterclockwise"),
                             QString("and proceed ") + (inbound ? "inbound" : "outbound") + " VOR AAA on radial " +
                                 named + ".",
                             WindLine(ex.ExValueC, ex.ExValueD)}));
      EXPECT_FALSE(out.AnswerNumber);
      EXPECT_TRUE(out.AnswerLetter.isEmpty());
    }
    EXPECT_EQ(radials, Range(0, 350, 10));
    EXPECT_EQ(turns, Range(40, 80, 10));
    EXPECT_EQ(arcs, Range(5, 8, 1));
    EXPECT_EQ(dmes, inbound ? Range(7, 10, 1) : Range(3, 6, 1));
    EXPECT_EQ(winds, Range(0, 350, 10));
    EXPECT_EQ(speeds, Range(10, 20, 10));
    if (!inbound) {
      EXPECT_EQ(*lines.begin(), 180);
      EXPECT_EQ(*lines.rbegin(), 530);  // unreduced: 350 + 180
    }
  }
}

TEST(DmeArcs, EdgeCases) {
  ExerciseState ex;
  // Clockwise inbound from radial 350 with a turn of 40 ends on radial 30.
  GeneratedExercise out = FindArc(ArcWay::Inbound, ArcTurn::Clockwise, [](const GeneratedExercise& o) {
    return o.Panel.Radial == 350 && o.Obs2Course == 210;
  }, ex);
  EXPECT_EQ(out.Panel.Heading, 170);
  EXPECT_EQ(out.Task[2], "and proceed inbound VOR AAA on radial 30.");
  EXPECT_EQ(out.CourseLineCourse, 210);
  // The final inbound course 180 lies on radial 360.
  out = FindArc(ArcWay::Inbound, ArcTurn::Counterclockwise, [](const GeneratedExercise& o) {
    return o.Obs2Course == 180;
  }, ex);
  EXPECT_EQ(out.Task[2], "and proceed inbound VOR AAA on radial 360.");
  // A calm direction from the north: "000" in the task, "0" in the edit.
  out = FindArc(ArcWay::Outbound, ArcTurn::Counterclockwise, [](const GeneratedExercise& o) {
    return o.Panel.WindDirection == 0;
  }, ex);
  EXPECT_EQ(out.Task[3], "The wind is: 000/" + QString::number(*out.Panel.WindSpeed) + ".");
  // The outbound course line is passed unreduced: radial 320 gives 500.
  out = FindArc(ArcWay::Outbound, ArcTurn::Counterclockwise, [](const GeneratedExercise& o) {
    return o.Panel.Radial == 10 && o.Obs2Course == 320;
  }, ex);
  EXPECT_EQ(out.Task[2], "and proceed outbound VOR AAA on radial 320.");
  EXPECT_EQ(out.CourseLineCourse, 500);
}

}  // namespace
}  // namespace tvx
