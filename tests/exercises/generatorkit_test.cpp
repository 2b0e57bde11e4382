#include "exercises/generatorkit.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/random.h"

namespace tvx {
namespace {

TEST(GeneratorKit, WindLineWithThreeDigitDirection) {
  EXPECT_EQ(WindLine(5, 15), "The wind is: 005/15.");
  EXPECT_EQ(WindLine(45, 25), "The wind is: 045/25.");
  EXPECT_EQ(WindLine(100, 10), "The wind is: 100/10.");
  EXPECT_EQ(WindLine(360, 20), "The wind is: 360/20.");
  EXPECT_EQ(WindLine(0, 0), "The wind is: 000/0.");
}

TEST(GeneratorKit, StepDrawsFromTheSharedSequence) {
  Rng().RandSeed = 0;
  std::vector<int> got;
  for (int i = 0; i < 8; ++i) got.push_back(DrawStep(80, 120, 5));
  EXPECT_EQ(got, (std::vector<int>{80, 80, 115, 85, 90, 110, 90, 85}));
}

TEST(GeneratorKit, StepDrawsCoverTheRangeAndNothingElse) {
  Rng().RandSeed = 12345;
  std::set<int> seen;
  for (int i = 0; i < 5000; ++i) seen.insert(DrawStep(0, 350, 10));
  std::set<int> all;
  for (int v = 0; v <= 350; v += 10) all.insert(v);
  EXPECT_EQ(seen, all);
  seen.clear();
  for (int i = 0; i < 200; ++i) seen.insert(DrawStep(15, 25, 10));
  EXPECT_EQ(seen, (std::set<int>{15, 25}));
}

class CourseLine : public ::testing::Test {
 protected:
  void SetUp() override {
    FillDefaultArea(area);
    BrVORXY(area.VorList, area.NdbList, area.IlsList);
    s.CourseLineX = 7;
    s.CourseLineY = 8;
    s.CourseLineCourse = 9;
  }
  static AreaBeacon Beacon(const QString& name, double x, double y) {
    AreaBeacon b;
    b.Name = name;
    b.X = x;
    b.Y = y;
    return b;
  }
  AreaState area;
  SimState s;
};

TEST_F(CourseLine, ThroughTheNamedBeacon) {
  const auto& mmm = *std::find_if(area.NdbList.begin(), area.NdbList.end(),
                                  [](const AreaBeacon& b) { return b.Name == "MMM"; });
  EXPECT_TRUE(ApplyCourseLine(area, s, "MMM", 539));
  EXPECT_TRUE(s.CourseLineShown);
  EXPECT_DOUBLE_EQ(s.CourseLineX, mmm.X);
  EXPECT_DOUBLE_EQ(s.CourseLineY, mmm.Y);
  EXPECT_EQ(s.CourseLineCourse, 539);  // passed on unwrapped
  EXPECT_TRUE(ApplyCourseLine(area, s, "AAA", 90));
  EXPECT_DOUBLE_EQ(s.CourseLineX, area.VorList[0].X);
  EXPECT_DOUBLE_EQ(s.CourseLineY, area.VorList[0].Y);
}

TEST_F(CourseLine, UnknownNameLeavesTheLine) {
  for (const char* name : {"ZZZ", "aaa", "AAA ", ""}) {
    EXPECT_FALSE(ApplyCourseLine(area, s, name, 123)) << name;
    EXPECT_FALSE(s.CourseLineShown);
    EXPECT_EQ(s.CourseLineX, 7);
    EXPECT_EQ(s.CourseLineY, 8);
    EXPECT_EQ(s.CourseLineCourse, 9);
  }
}

TEST_F(CourseLine, LaterSlotWinsAndNdbAfterVorInOneSlot) {
  area.VorList[3] = Beacon("DUP", 30, 31);
  area.NdbList[1] = Beacon("DUP", 10, 11);
  EXPECT_TRUE(ApplyCourseLine(area, s, "DUP", 45));
  EXPECT_EQ(s.CourseLineX, 30);
  EXPECT_EQ(s.CourseLineY, 31);
  area.NdbList[3] = Beacon("DUP", 40, 41);
  EXPECT_TRUE(ApplyCourseLine(area, s, "DUP", 45));
  EXPECT_EQ(s.CourseLineX, 40);
  EXPECT_EQ(s.CourseLineY, 41);
  // A gap before a used slot is passed over, not matched.
  area.VorList[14] = Beacon("GAP", 14, 15);
  EXPECT_TRUE(ApplyCourseLine(area, s, "GAP", 1));
  EXPECT_EQ(s.CourseLineX, 14);
}

}  // namespace
}  // namespace tvx
