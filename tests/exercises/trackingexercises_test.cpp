#include "exercises/trackingexercises.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/random.h"

namespace tvx {
namespace {

class Tracking : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetExerciseState();
    Rng().RandSeed = 1;
  }
};

TEST_F(Tracking, CrosswindSquareAcrossTheCourse) {
  struct Case {
    int radial, side, direction;
  };
  for (const Case c : {Case{0, 0, 270}, Case{0, 1, 90}, Case{90, 0, 360}, Case{90, 1, 180},
                       Case{350, 0, 260}, Case{270, 1, 360}, Case{180, 1, 270}, Case{100, 0, 10}})
    EXPECT_EQ(CrosswindDirection(c.radial, c.side), c.direction) << c.radial << " " << c.side;
}

TEST_F(Tracking, FirstDrawOfSeedOne) {
  // Seed 1: course 10, the wind from the left (side 1), 15 kt.
  const TrackingExercise e = DrawTracking(TrackingItem::VorTrack, Ex);
  EXPECT_EQ(e.Station, "AAA");
  EXPECT_EQ(e.Course, 10);
  EXPECT_EQ(e.Panel.Beacon, "AAA");
  EXPECT_EQ(e.Panel.Radial, 190);
  EXPECT_EQ(e.Panel.Heading, 10);
  EXPECT_EQ(e.Panel.Dme, 6);
  EXPECT_EQ(e.Panel.WindDirection, 280);
  EXPECT_EQ(e.Panel.WindSpeed, 15);
  EXPECT_EQ(e.Obs1Course, 10);
  EXPECT_EQ(e.Task, (QStringList{"Fly to VOR AAA on course 10. When overhead, continue outbound on the same radial.",
                                 "The wind is: 280/15."}));
  EXPECT_EQ(Ex.ExValueA, 10);
  EXPECT_EQ(Ex.ExValueB, 190);
  EXPECT_EQ(Ex.ExValueC, 280);
  EXPECT_EQ(Ex.ExValueD, 15);
  EXPECT_EQ(Ex.ExWindSide, 1);
}

TEST_F(Tracking, DrawsStayInTheirRanges) {
  const TrackingItem items[] = {TrackingItem::VorTrack, TrackingItem::VorTrackWind, TrackingItem::AdfTrack,
                                TrackingItem::AdfTrackWind, TrackingItem::Homing};
  for (const TrackingItem item : items) {
    const bool vor = item == TrackingItem::VorTrack || item == TrackingItem::VorTrackWind;
    const bool hidden = item == TrackingItem::VorTrackWind || item == TrackingItem::AdfTrackWind;
    std::set<int> courses, directions, speeds;
    bool north = false, course180 = false;
    for (int i = 0; i < 3000; ++i) {
      const TrackingExercise e = DrawTracking(item, Ex);
      courses.insert(e.Course);
      ASSERT_EQ(e.Station, vor ? "AAA" : "MMM");
      ASSERT_EQ(e.Panel.Beacon, e.Station);
      ASSERT_EQ(e.Panel.Heading, e.Course);
      ASSERT_EQ(e.Panel.Radial, (e.Course + 180) % 360);
      ASSERT_EQ(e.Panel.Dme, 6);
      ASSERT_EQ(e.Obs1Course.has_value(), vor);
      if (vor) ASSERT_EQ(*e.Obs1Course, e.Course);
      const int direction = *e.Panel.WindDirection;
      directions.insert(direction);
      speeds.insert(*e.Panel.WindSpeed);
      ASSERT_EQ(e.Task.size(), 2);
      if (hidden) {
        ASSERT_EQ(e.Task[1], "The wind is unknown.");
      } else {
        ASSERT_GE(direction, 1);
        ASSERT_LE(direction, 360);
        // From the right of the course on side 0, from the left on side 1.
        ASSERT_EQ(((direction - e.Course) % 360 + 360) % 360, Ex.ExWindSide == 0 ? 90 : 270);
        QString digits = QString::number(direction).rightJustified(3, '0');
        ASSERT_EQ(e.Task[1], "The wind is: " + digits + "/" + QString::number(*e.Panel.WindSpeed) + ".");
        if (e.Course == 270 && Ex.ExWindSide == 0) {
          north = true;
          EXPECT_EQ(direction, 360);
          EXPECT_EQ(e.Task[1], "The wind is: 360/" + QString::number(*e.Panel.WindSpeed) + ".");
        }
        if (e.Course == 180 && Ex.ExWindSide == 0) {
          course180 = true;
          EXPECT_EQ(e.Panel.Radial, 0);
          EXPECT_EQ(direction, 270);
        }
      }
    }
    std::set<int> all;
    for (int c = 0; c <= 350; c += 10) all.insert(c);
    EXPECT_EQ(courses, all);
    EXPECT_EQ(speeds, (std::set<int>{15, 25}));
    if (hidden) {
      EXPECT_EQ(directions, all);
    } else {
      EXPECT_TRUE(north);
      EXPECT_TRUE(course180);
      EXPECT_EQ(directions.count(0), 0u);
    }
  }
}

TEST_F(Tracking, TaskLines) {
  const QString ndbTask = DrawTracking(TrackingItem::AdfTrack, Ex).Task.first();
  EXPECT_EQ(ndbTask, "Fly to NDB MMM on QDM (course) " + QString::number(Ex.ExValueA) +
                         ". When overhead, continue outbound on the same QDR.");
  const QString ndbHidden = DrawTracking(TrackingItem::AdfTrackWind, Ex).Task.first();
  EXPECT_EQ(ndbHidden, "Fly to NDB MMM on QDM (course) " + QString::number(Ex.ExValueA) +
                           ". When overhead, continue outbound on the same QDR.");
  const QString vorHidden = DrawTracking(TrackingItem::VorTrackWind, Ex).Task.first();
  EXPECT_EQ(vorHidden, "Fly to VOR AAA on course " + QString::number(Ex.ExValueA) +
                           ". When overhead, continue outbound on the same radial.");
  const TrackingExercise homing = DrawTracking(TrackingItem::Homing, Ex);
  EXPECT_EQ(homing.Task.first(), "Home to NDB1. Keep the ADF pointer at 0.");
  EXPECT_EQ(homing.Task.last(), "The wind is: " + QString::number(Ex.ExValueC).rightJustified(3, '0') + "/" +
                                    QString::number(Ex.ExValueD) + ".");
}

}  // namespace
}  // namespace tvx
