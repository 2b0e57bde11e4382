#include "exercises/interceptions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>

#include "exercises/generatorkit.h"
#include "exercises/interceptgeometry.h"
#include "platform/random.h"
#include "simulator/radios.h"

namespace tvx {
namespace {

std::set<int> Tens(int low, int high) {
  std::set<int> all;
  for (int v = low; v <= high; v += 10) all.insert(v);
  return all;
}

using test::CrossesRadial;
using test::OnRadial;
using test::PlanePoint;
int Diff(int a, int b) { return test::DirectionDiff(a, b); }

// Seeds from 1 upwards until the exercise `make` draws satisfies `wanted`.
GeneratedExercise Find(const std::function<GeneratedExercise(ExerciseState&)>& make,
                       const std::function<bool(const GeneratedExercise&, const ExerciseState&)>& wanted,
                       ExerciseState& ex) {
  for (std::uint32_t seed = 1; seed < 200000; ++seed) {
    Rng().RandSeed = seed;
    ex = ExerciseState{};
    GeneratedExercise out = make(ex);
    if (wanted(out, ex)) return out;
  }
  ADD_FAILURE() << "no seed gives the case";
  return {};
}

TEST(Interceptions, InboundRadialNames) {
  const std::pair<int, int> names[] = {{0, 180}, {10, 190}, {180, 360}, {190, 10}, {340, 160}, {359, 179}};
  for (auto [course, radial] : names) EXPECT_EQ(InboundRadialName(course), radial) << course;
}

// The draws come from the shared sequence in the order the task states
// them: course, wind direction, wind speed, side, offset.
TEST(Interceptions, DirectToVorDrawOrder) {
  Rng().RandSeed = 1;
  const int course = Rng().Random(36) * 10;
  const int wind = Rng().Random(36) * 10;
  const int speed = Rng().Random(2) * 10 + 10;
  const int side = Rng().Random(2);
  const int off = 90 + Rng().Random(9) * 10;
  Rng().RandSeed = 1;
  ExerciseState ex;
  const GeneratedExercise out = DirectToVorExercise(ex, false);
  EXPECT_EQ(ex.ExValueA, course);
  EXPECT_EQ(out.Panel.WindDirection, wind);
  EXPECT_EQ(out.Panel.WindSpeed, speed);
  EXPECT_EQ(ex.ExSide, side);
  EXPECT_EQ(std::abs(Diff(out.Panel.Heading, course)), off);
}

TEST(Interceptions, DirectToVorTexts) {
  ExerciseState ex;
  const auto direct = [](ExerciseState& e) { return DirectToVorExercise(e, false); };
  // A right-hand offset keeps north as 360.
  GeneratedExercise out = Find(direct, [](const GeneratedExercise& o, const ExerciseState&) {
    return o.Panel.Heading == 360 && o.Panel.WindDirection == 50;
  }, ex);
  EXPECT_EQ(ex.ExSide, 0);
  EXPECT_EQ(out.Panel.Radial, (ex.ExValueA + 180) % 360);
  EXPECT_EQ(out.Panel.Dme, 6);
  EXPECT_EQ(out.Obs1Course, ex.ExValueA);
  EXPECT_EQ(out.Task, QStringList({"Turn and fly direct to VOR AAA.", "The initial heading is 360.",
                                   "The wind is: 050/" + QString::number(*out.Panel.WindSpeed) + ".",
                                   "Change the VOR course to the nearest ten. ([U]=-10° / [I]=+10°)"}));
  EXPECT_TRUE(out.CourseLineBeacon.isEmpty());
  // A left-hand one keeps it as 0.
  out = Find([](ExerciseState& e) { return DirectToVorExercise(e, true); },
             [](const GeneratedExercise& o, const ExerciseState& e) {
               return e.ExValueA == 90 && o.Panel.Heading == 0;
             },
             ex);
  EXPECT_EQ(ex.ExSide, 1);
  EXPECT_EQ(out.Panel.Radial, 270);
  EXPECT_EQ(out.Task.mid(0, 2),
            QStringList({"Turn and intercept the actual course 90 to VOR AAA.", "The initial heading is 0."}));
  EXPECT_EQ(out.CourseLineBeacon, "AAA");
  EXPECT_EQ(out.CourseLineCourse, 90);
}

TEST(Interceptions, DirectToVorOverManyDraws) {
  Rng().RandSeed = 1;
  std::set<int> courses, winds, speeds, offs;
  for (int i = 0; i < 3000; ++i) {
    ExerciseState ex;
    const GeneratedExercise out = DirectToVorExercise(ex, i % 2 == 1);
    const int course = ex.ExValueA;
    const int heading = out.Panel.Heading;
    courses.insert(course);
    winds.insert(*out.Panel.WindDirection);
    speeds.insert(*out.Panel.WindSpeed);
    EXPECT_EQ(out.Panel.Radial, (course + 180) % 360);
    // 90..170 degrees off the course on the drawn side; north is 360 on the
    // right-hand side and 0 on the left-hand one.
    offs.insert(((ex.ExSide == 0 ? heading - course : course - heading) + 720) % 360);
    EXPECT_TRUE(ex.ExSide == 0 ? heading >= 1 && heading <= 360 : heading >= 0 && heading <= 359) << heading;
    EXPECT_FALSE(out.AnswerNumber);
  }
  EXPECT_EQ(courses, Tens(0, 350));
  EXPECT_EQ(winds, Tens(0, 350));
  EXPECT_EQ(speeds, (std::set<int>{10, 20}));
  EXPECT_EQ(offs, Tens(90, 170));
}

// A wind helps when its drift carries the aircraft towards the course line.
TEST(Interceptions, WindHelpAnswersWhatTheDriftDoes) {
  Rng().RandSeed = 1;
  std::set<QString> answers;
  for (int i = 0; i < 2000; ++i) {
    ExerciseState ex;
    const GeneratedExercise out = WindHelpExercise(ex);
    const int radial = out.Panel.Radial;
    const int heading = out.Panel.Heading;
    const int wind = *out.Panel.WindDirection;
    const int course = *out.Obs1Course;
    EXPECT_TRUE(!out.Panel.Dme && !out.Panel.WindSpeed);
    EXPECT_EQ(std::abs(Diff(course, radial + 180)), 10);
    EXPECT_EQ(std::abs(Diff(heading, course)), 30);
    EXPECT_EQ(std::abs(Diff(wind, heading)), 90);
    EXPECT_TRUE(wind >= 1 && wind <= 360) << wind;
    answers.insert(out.AnswerLetter);

    const int target = (course + 180) % 360;  // the radial of the course
    const PlanePoint p = OnRadial(radial, 3);
    const double to = (wind + 180) * test::kDegree;  // the wind blows towards here
    const PlanePoint drifted{p.x + std::sin(to) * 0.1, p.y - std::cos(to) * 0.1};
    const double before = std::abs(Diff(radial, target));
    const double after =
        std::abs(std::fmod(BearingFromStation(0, 0, drifted.x, drifted.y) - target + 540.0, 360.0) - 180);
    EXPECT_EQ(out.AnswerLetter == "Y", after < before) << radial << " " << course << " " << wind;
    EXPECT_EQ(out.Task, QStringList({"You are intercepting inbound course " + QString::number(course) + " to VOR AAA.",
                                     WindLine(wind, 20), "Enter 'Y' if the wind helps and 'N' if not."}));
  }
  EXPECT_EQ(answers, (std::set<QString>{"Y", "N"}));
}

TEST(Interceptions, OverheadHeadingCases) {
  ExerciseState ex;
  const auto make = [](ExerciseState& e) { return OverheadHeadingExercise(e); };
  GeneratedExercise out = Find(make, [](const GeneratedExercise& o, const ExerciseState& e) {
    return o.Panel.Radial == 0 && e.ExSide == 0 && e.ExValueC == 90;
  }, ex);
  EXPECT_EQ(out.Panel.Heading, 180);
  EXPECT_EQ(out.Task, QStringList({"When overhead VOR AAA, intercept radial: 90.", "Enter the intercept heading."}));
  EXPECT_EQ(out.AnswerNumber, 60);
  out = Find(make, [](const GeneratedExercise& o, const ExerciseState& e) {
    return o.Panel.Radial == 0 && e.ExSide == 1 && e.ExValueC == 30;
  }, ex);
  EXPECT_EQ(out.Task.first(), "When overhead VOR AAA, intercept radial: 210.");
  EXPECT_EQ(out.AnswerNumber, 220);
}

// Overhead, a rate-one turn towards the new radial onto the expected
// heading brings the aircraft across that radial.
TEST(Interceptions, OverheadHeadingInterceptsTheRadial) {
  Rng().RandSeed = 1;
  std::set<int> changes;
  for (int i = 0; i < 1000; ++i) {
    ExerciseState ex;
    const GeneratedExercise out = OverheadHeadingExercise(ex);
    const int inbound = out.Panel.Heading;
    const int newRadial = ex.ExValueA;
    const int answer = *out.AnswerNumber;
    changes.insert(std::abs(Diff(newRadial, inbound)));
    EXPECT_EQ(inbound, (out.Panel.Radial + 180) % 360);
    EXPECT_TRUE(answer >= 0 && answer <= 359);
    EXPECT_EQ(std::abs(Diff(answer, newRadial)) * 3, std::abs(Diff(newRadial, inbound)));
    EXPECT_TRUE(CrossesRadial({}, {}, inbound, answer, Diff(newRadial, inbound) < 0, newRadial))
        << inbound << " " << newRadial;
  }
  EXPECT_EQ(changes, (std::set<int>{30, 60, 90}));
}

TEST(Interceptions, FlownOverheadInterceptions) {
  ExerciseState ex;
  const GeneratedExercise vor =
      Find([](ExerciseState& e) { return OverheadInterceptionExercise(e, InterceptStation::Vor); },
           [](const GeneratedExercise& o, const ExerciseState& e) { return o.Panel.Radial == 90 && e.ExSide == 1; },
           ex);
  const int newRadial = *vor.Obs2Course;
  EXPECT_EQ(vor.Panel.Heading, 270);
  EXPECT_EQ(vor.Obs1Course, 270);
  EXPECT_EQ(vor.Panel.Dme, 4);
  EXPECT_EQ(vor.Task, QStringList({"Fly to VOR AAA on inbound course: 270.",
                                   "When overhead, intercept radial: " + QString::number(newRadial) + ".",
                                   WindLine(ex.ExValueC, ex.ExValueD),
                                   "To change the VOR 1 course: ([U]=-10° / [I]=+10°)"}));
  EXPECT_EQ(vor.CourseLineBeacon, "AAA");
  EXPECT_EQ(vor.CourseLineCourse, newRadial + 180);  // unreduced
  const GeneratedExercise ndb =
      Find([](ExerciseState& e) { return OverheadInterceptionExercise(e, InterceptStation::Ndb); },
           [](const GeneratedExercise& o, const ExerciseState& e) { return o.Panel.Radial == 0 && e.ExSide == 0; }, ex);
  EXPECT_EQ(ndb.Panel.Beacon, "MMM");
  EXPECT_FALSE(ndb.Obs1Course);
  EXPECT_EQ(ndb.Task, QStringList({"Fly to NDB MMM on inbound course (QDM): 180.",
                                   "When overhead, intercept QDR: " + QString::number(*ndb.Obs2Course) + ".",
                                   WindLine(ex.ExValueC, ex.ExValueD)}));

  Rng().RandSeed = 1;
  std::set<int> changes, winds, speeds, lines;
  for (int i = 0; i < 1500; ++i) {
    const GeneratedExercise out = OverheadInterceptionExercise(ex, InterceptStation(i % 2));
    const int inbound = out.Panel.Heading;
    changes.insert(ex.ExSide == 0 ? Diff(inbound, *out.Obs2Course) : Diff(*out.Obs2Course, inbound));
    winds.insert(*out.Panel.WindDirection);
    speeds.insert(*out.Panel.WindSpeed);
    lines.insert(out.CourseLineCourse);
  }
  EXPECT_EQ(changes, (std::set<int>{30, 60, 90}));
  EXPECT_EQ(winds, Tens(0, 350));
  EXPECT_EQ(speeds, (std::set<int>{10, 20}));
  EXPECT_EQ(lines, Tens(180, 530));
}

TEST(Interceptions, NavigationLegsStayFixed) {
  ExerciseState ex;
  Rng().RandSeed = 1;
  const GeneratedExercise vor = NavigationExercise(ex, InterceptStation::Vor);
  EXPECT_EQ(vor.Panel.Beacon, "AAA");
  EXPECT_EQ(vor.Panel.Heading, 237);
  EXPECT_TRUE(vor.HeadingText.isEmpty());
  EXPECT_EQ(vor.Panel.Radial, 237);
  EXPECT_EQ(vor.Panel.Dme, 0);
  EXPECT_EQ(QStringList({vor.Vor1Active, vor.Vor1Select, vor.Vor2Active, vor.Vor2Select, vor.AdfActive, vor.AdfSelect}),
            QStringList({"114.6", "115.4", "115.4", "114.0", "", ""}));
  EXPECT_EQ(vor.Obs1Course, 237);
  EXPECT_EQ(vor.Obs2Course, 105);
  EXPECT_EQ(vor.Task.mid(0, 3), QStringList({"You are overhead VOR AAA (114.0).",
                                             "Fly to VOR BBB (114.6 - 237°) then fly to VOR CCC (115.4 - 105°),",
                                             "then back to VOR AAA (114.0 - 346°)."}));
  const GeneratedExercise ndb = NavigationExercise(ex, InterceptStation::Ndb);
  EXPECT_EQ(ndb.Panel.Beacon, "MMM");
  EXPECT_EQ(ndb.Panel.Heading, 15);
  EXPECT_EQ(ndb.HeadingText, "015");
  EXPECT_EQ(ndb.Panel.Radial, 0);
  EXPECT_EQ(ndb.Panel.Dme, 0);
  EXPECT_EQ(QStringList({ndb.AdfActive, ndb.AdfSelect}), QStringList({"766", "405"}));
  EXPECT_EQ(ndb.Obs1Course, 0);
  EXPECT_EQ(ndb.Obs2Course, 0);
  EXPECT_EQ(ndb.Task.mid(0, 3), QStringList({"You are overhead NDB MMM  (565).",
                                             "Fly to NDB NNN (766 - 015°) then fly to NDB PPP (405 - 279°),",
                                             "then back to NDB MMM  (565 - 147°)."}));
  // Only the wind changes: from the south-west or the north-west.
  std::set<int> winds, speeds;
  for (int i = 0; i < 500; ++i) {
    const GeneratedExercise out = NavigationExercise(ex, InterceptStation(i % 2));
    const int wind = *out.Panel.WindDirection;
    winds.insert(wind);
    speeds.insert(*out.Panel.WindSpeed);
    EXPECT_EQ(ex.ExWindSide == 0, wind >= 180 && wind <= 240) << wind;
    EXPECT_EQ(out.Task.last(), WindLine(wind, *out.Panel.WindSpeed));
    EXPECT_EQ(out.Panel.Heading, i % 2 ? 15 : 237);
  }
  std::set<int> all = Tens(180, 240);
  all.merge(Tens(300, 360));
  EXPECT_EQ(winds, all);
  EXPECT_EQ(speeds, (std::set<int>{10, 20}));
}

TEST(Interceptions, OutboundCases) {
  ExerciseState ex;
  GeneratedExercise out = Find([](ExerciseState& e) { return OutboundHeadingExercise(e); },
                               [](const GeneratedExercise& o, const ExerciseState& e) {
                                 return o.Panel.Radial == 0 && e.ExSide == 0 && e.ExValueC == 10;
                               }, ex);
  EXPECT_EQ(out.Panel.Heading, 0);
  EXPECT_EQ(out.Task, QStringList({"You are flying outbound VOR AAA on radial 0.", "Intercept radial: 350.",
                                   "Enter the intercept heading."}));
  EXPECT_EQ(out.AnswerNumber, 340);
  out = Find([](ExerciseState& e) { return OutboundInterceptionExercise(e, InterceptStation::Ndb); },
             [](const GeneratedExercise& o, const ExerciseState& e) {
               return o.Panel.Radial == 350 && e.ExSide == 1 && o.Obs2Course == 20;
             }, ex);
  EXPECT_EQ(out.Panel.Dme, 3);
  EXPECT_FALSE(out.Obs1Course);
  EXPECT_EQ(out.Obs2Course, 20);
  EXPECT_EQ(out.Task, QStringList({"You are flying outbound NDB MMM on QDR 350.", "Intercept QDR: 20.",
                                   WindLine(ex.ExValueC, ex.ExValueD)}));
  EXPECT_EQ(out.CourseLineCourse, 200);
  out = Find([](ExerciseState& e) { return OutboundInterceptionExercise(e, InterceptStation::Vor); },
             [](const GeneratedExercise& o, const ExerciseState&) { return o.Panel.Radial == 10; }, ex);
  EXPECT_EQ(out.Obs1Course, 10);
  EXPECT_EQ(out.Task.last(), "To change the VOR 1 course: ([U]=-10° / [I]=+10°)");
}

// Outbound at 3 NM, the expected heading crosses the new radial at the
// angle of the change.
TEST(Interceptions, OutboundHeadingsIntercept) {
  Rng().RandSeed = 1;
  for (int kind = 0; kind < 3; ++kind) {
    std::set<int> changes;
    for (int i = 0; i < 1000; ++i) {
      ExerciseState ex;
      const GeneratedExercise out = kind == 0 ? OutboundHeadingExercise(ex)
                                              : OutboundInterceptionExercise(ex, InterceptStation(kind - 1));
      const int radial = out.Panel.Radial;
      EXPECT_EQ(out.Panel.Heading, out.Panel.Radial);
      const int newRadial = ex.ExValueA;
      const int change = std::abs(Diff(newRadial, radial));
      changes.insert(change);
      // The question's answer; the flown tasks fly the same rule.
      const int heading = kind == 0 ? *out.AnswerNumber : Compass0To359(newRadial + Diff(newRadial, radial));
      EXPECT_TRUE(heading >= 0 && heading <= 359);
      double at = 0;
      ASSERT_TRUE(CrossesRadial({}, OnRadial(radial, 3), heading, heading, false, newRadial, &at));
      EXPECT_EQ(std::abs(Diff(static_cast<int>(at), newRadial)), change);
      if (kind > 0) EXPECT_EQ(out.CourseLineCourse, newRadial + 180);
    }
    EXPECT_EQ(changes, kind == 0 ? (std::set<int>{10, 20, 30}) : (std::set<int>{20, 30}));
  }
}

TEST(Interceptions, InboundCases) {
  ExerciseState ex;
  const auto make = [](ExerciseState& e) { return InboundHeadingExercise(e); };
  GeneratedExercise out = Find(make, [](const GeneratedExercise& o, const ExerciseState& e) {
    return o.Panel.Radial == 180 && e.ExSide == 0 && e.ExValueC == 20;
  }, ex);
  EXPECT_EQ(out.Panel.Heading, 0);
  EXPECT_EQ(ex.ExValueA, 340);
  EXPECT_EQ(out.Task, QStringList({"You are flying inbound VOR AAA on radial 180.", "Intercept radial 160 inbound.",
                                   "Enter the intercept heading."}));
  EXPECT_EQ(out.AnswerNumber, 20);
  out = Find(make, [](const GeneratedExercise& o, const ExerciseState& e) {
    return o.Panel.Radial == 0 && e.ExSide == 1 && e.ExValueC == 10;
  }, ex);
  EXPECT_EQ(ex.ExValueA, 190);
  EXPECT_EQ(out.Task[1], "Intercept radial 10 inbound.");
  EXPECT_EQ(out.AnswerNumber, 170);
  // The new inbound course 180 lies on radial 360.
  out = Find(make, [](const GeneratedExercise&, const ExerciseState& e) { return e.ExValueA == 180; }, ex);
  EXPECT_EQ(out.Task[1], "Intercept radial 360 inbound.");

  out = Find([](ExerciseState& e) { return InboundInterceptionExercise(e, InterceptStation::Ndb); },
             [](const GeneratedExercise& o, const ExerciseState& e) {
               return o.Panel.Radial == 180 && e.ExSide == 0 && o.Obs2Course == 340;
             }, ex);
  EXPECT_EQ(out.Panel.Dme, 10);
  EXPECT_FALSE(out.Obs1Course);
  EXPECT_EQ(out.Obs2Course, 340);
  EXPECT_EQ(out.Task, QStringList({"You are flying inbound NDB MMM on QDM 0 .", "Intercept QDM 340 .",
                                   WindLine(ex.ExValueC, ex.ExValueD)}));
  EXPECT_EQ(out.CourseLineBeacon, "MMM");
  EXPECT_EQ(out.CourseLineCourse, 340);
  out = Find([](ExerciseState& e) { return InboundInterceptionExercise(e, InterceptStation::Vor); },
             [](const GeneratedExercise& o, const ExerciseState& e) {
               return o.Panel.Radial == 0 && e.ExSide == 1 && o.Obs2Course == 210;
             }, ex);
  EXPECT_EQ(out.Obs1Course, 180);
  EXPECT_EQ(out.Task, QStringList({"You are flying inbound VOR AAA on radial 0.", "Intercept radial 30 inbound.",
                                   WindLine(ex.ExValueC, ex.ExValueD),
                                   "To change the VOR 1 course: ([U]=-10° / [I]=+10°)"}));
  EXPECT_EQ(out.CourseLineCourse, 210);
}

// Inbound at 3 NM (the question) or 10 NM (the tasks), the heading on the
// far side of the present course crosses the new radial at twice the change.
TEST(Interceptions, InboundHeadingsIntercept) {
  Rng().RandSeed = 1;
  for (int kind = 0; kind < 3; ++kind) {
    std::set<int> changes;
    for (int i = 0; i < 1000; ++i) {
      ExerciseState ex;
      const GeneratedExercise out = kind == 0 ? InboundHeadingExercise(ex)
                                              : InboundInterceptionExercise(ex, InterceptStation(kind - 1));
      const int radial = out.Panel.Radial;
      const int inbound = out.Panel.Heading;
      EXPECT_EQ(inbound, (radial + 180) % 360);
      const int newCourse = ex.ExValueA;
      const int change = std::abs(Diff(newCourse, inbound));
      changes.insert(change);
      const int heading = kind == 0 ? *out.AnswerNumber : Compass0To359(inbound - Diff(newCourse, inbound));
      EXPECT_TRUE(heading >= 0 && heading <= 359);
      EXPECT_EQ(std::abs(Diff(heading, inbound)), change);
      double at = 0;
      ASSERT_TRUE(CrossesRadial({}, OnRadial(radial, kind == 0 ? 3 : 10), heading, heading, false,
                                (newCourse + 180) % 360, &at));
      EXPECT_EQ(std::abs(Diff(static_cast<int>(at), newCourse)), 2 * change);
      if (kind > 0) EXPECT_EQ(out.Obs2Course, newCourse);
    }
    EXPECT_EQ(changes, kind == 0 ? (std::set<int>{10, 20, 30}) : (std::set<int>{20, 30}));
  }
}

}  // namespace
}  // namespace tvx
