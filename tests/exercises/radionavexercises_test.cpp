#include "exercises/radionavexercises.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "platform/random.h"

namespace tvx {
namespace {

class RadioNav : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetExerciseState();
    Rng().RandSeed = 1;
  }
};

TEST_F(RadioNav, WholeBearingsIn0To359) {
  EXPECT_EQ(WholeBearing(359.6), 0);
  EXPECT_EQ(WholeBearing(359.99), 0);
  EXPECT_EQ(WholeBearing(360.0), 0);
  EXPECT_EQ(WholeBearing(359.4), 359);
  EXPECT_EQ(WholeBearing(0.4), 0);
  EXPECT_EQ(WholeBearing(180.5), 181);
  EXPECT_EQ(QdrAnswer(359.99), 0);
  EXPECT_EQ(QdmAnswer(359.99), 180);
  EXPECT_EQ(QdmAnswer(0), 180);
  EXPECT_EQ(QdmAnswer(179.6), 0);
  EXPECT_EQ(QdmAnswer(270.2), 90);
  EXPECT_EQ(RadialAnswer(89.5), 90);
  EXPECT_EQ(InboundCourseAnswer(0.01), 180);
  EXPECT_EQ(InboundCourseAnswer(180.3), 0);
}

TEST_F(RadioNav, RelativeBearingNegativeToTheLeft) {
  struct Case {
    double qdr, heading;
    int relative;
  };
  for (const Case c : {Case{180, 0, 0}, Case{180, 360, 0}, Case{180, 10, -10}, Case{180, 180, 180},
                       Case{180, 350, 10}, Case{180.4, 0, 0}, Case{179.6, 0, 0}, Case{230, 330, 80},
                       Case{230, 50, 0}, Case{230, 51, -1}, Case{90, 0, -90}, Case{0.2, 180, 0},
                       // Straight behind reads 180 on both sides of the arithmetic.
                       Case{0, 360, 180}, Case{0.3, 360, 180}, Case{360, 0, 180}})
    EXPECT_EQ(RelativeBearingAnswer(c.qdr, c.heading), c.relative) << c.qdr << " " << c.heading;
  for (int qdr = 0; qdr <= 360; qdr += 3)
    for (int heading = 0; heading <= 360; heading += 5) {
      const int r = RelativeBearingAnswer(qdr + 0.25, heading);
      ASSERT_GE(r, -179);
      ASSERT_LE(r, 180);
    }
}

struct ItemExpectation {
  RadioNavItem item;
  const char* beacon;
  int radialStep;  // 0: fixed, 1: any degree
  int fixedRadial;
  bool map, question;
  BearingAnswer answer;
};

const ItemExpectation kItems[] = {
    {RadioNavItem::Bear, "MMM", 0, 180, false, true, BearingAnswer::RelativeBearing},
    {RadioNavItem::Point, "MMM", 0, 230, false, true, BearingAnswer::RelativeBearing},
    {RadioNavItem::MapQdm, "MMM", 30, 0, true, true, BearingAnswer::Qdm},
    {RadioNavItem::InsQdm, "MMM", 10, 0, false, true, BearingAnswer::Qdm},
    {RadioNavItem::MapQdr, "MMM", 30, 0, true, true, BearingAnswer::Qdr},
    {RadioNavItem::InsQdr, "MMM", 10, 0, false, true, BearingAnswer::Qdr},
    {RadioNavItem::RmiQdmQdr, "MMM", 10, 0, false, true, BearingAnswer::Qdm},
    {RadioNavItem::MapRad, "AAA", 30, 0, true, true, BearingAnswer::Radial},
    {RadioNavItem::VorRad, "AAA", 10, 0, false, true, BearingAnswer::Radial},
    {RadioNavItem::MapCrs, "AAA", 30, 0, true, true, BearingAnswer::InboundCourse},
    {RadioNavItem::VorCrs, "AAA", 10, 0, false, true, BearingAnswer::InboundCourse},
    {RadioNavItem::VorChange, "AAA", 10, 0, true, false, BearingAnswer::None},
    {RadioNavItem::ExactRad, "AAA", 1, 0, false, true, BearingAnswer::Radial},
    {RadioNavItem::ExactCrs, "AAA", 1, 0, false, true, BearingAnswer::InboundCourse},
};

TEST_F(RadioNav, PlacementsStayInTheirRanges) {
  for (const ItemExpectation& want : kItems) {
    std::set<int> radials, headings;
    for (int i = 0; i < 4000; ++i) {
      const RadioNavExercise e = DrawRadioNav(want.item, Ex);
      ASSERT_EQ(e.Panel.Beacon, want.beacon);
      ASSERT_EQ(e.ShowMap, want.map);
      ASSERT_EQ(e.Question, want.question);
      ASSERT_FALSE(e.Panel.Dme.has_value());  // distance and wind stay as they stand
      ASSERT_FALSE(e.Panel.WindDirection.has_value());
      ASSERT_FALSE(e.Panel.WindSpeed.has_value());
      ASSERT_EQ(e.RmiNeedle, want.item == RadioNavItem::RmiQdmQdr);
      if (want.item != RadioNavItem::RmiQdmQdr) ASSERT_EQ(e.Answer, want.answer);
      if (want.item != RadioNavItem::Point) ASSERT_EQ(e.AskedHeading, -1);
      radials.insert(e.Panel.Radial);
      headings.insert(e.Panel.Heading);
    }
    std::set<int> expected;
    if (want.radialStep == 0) expected = {want.fixedRadial};
    else
      for (int r = 0; r < 360; r += want.radialStep) expected.insert(r);
    EXPECT_EQ(radials, expected) << static_cast<int>(want.item);
    std::set<int> allHeadings;
    for (int h = 0; h <= 350; h += 10) allHeadings.insert(h);
    EXPECT_EQ(headings, allHeadings);
  }
}

TEST_F(RadioNav, TaskTexts) {
  EXPECT_EQ(DrawRadioNav(RadioNavItem::Bear, Ex).Task,
            (QStringList{"Enter the relative ADF bearing", "(Use - if the pointer is left)"}));
  EXPECT_EQ(DrawRadioNav(RadioNavItem::MapQdr, Ex).Task,
            (QStringList{"Determine the QDR from NDB MMM, ONLY by looking at the MAP!",
                         "(QDR is always a multiple of 30. Press [X] to change scale)"}));
  EXPECT_EQ(DrawRadioNav(RadioNavItem::VorCrs, Ex).Task,
            QStringList{QString::fromUtf8("Determine the INBOUND COURSE to the VOR by turning the VOR 1 "
                                          "instrument. ([U]=-10\xc2\xb0 / [I]=+10\xc2\xb0)")});
  EXPECT_EQ(DrawRadioNav(RadioNavItem::ExactCrs, Ex).Task,
            (QStringList{"Determine the exact INBOUND COURSE TO the VOR by turning the VOR 1 instrument.",
                         QString::fromUtf8("([U]=-10\xc2\xb0 / [SHIFT]+[U]=-1\xc2\xb0/ [I]=+10\xc2\xb0 / "
                                           "[SHIFT]+[I]=+1\xc2\xb0)")}));
  EXPECT_EQ(DrawRadioNav(RadioNavItem::VorChange, Ex).Task.size(), 3);
  EXPECT_EQ(DrawRadioNav(RadioNavItem::VorChange, Ex).Task[2], "Press [X] to change scale");
}

// The heading asked lies 10..80 degrees either side of the heading flown.
TEST_F(RadioNav, InfluenceOfHeading) {
  // Seed 1: heading 10 flown, 20 to the right asked.
  RadioNavExercise e = DrawRadioNav(RadioNavItem::Point, Ex);
  EXPECT_EQ(e.Panel.Heading, 10);
  EXPECT_EQ(e.AskedHeading, 30);
  EXPECT_EQ(e.Task, (QStringList{"Enter the relative ADF bearing if the airplane's heading is: 30",
                                 "(Use - if the pointer is left)"}));
  std::set<int> offsets;
  bool northCase = false;
  for (int i = 0; i < 5000; ++i) {
    e = DrawRadioNav(RadioNavItem::Point, Ex);
    ASSERT_EQ(e.AskedHeading, Ex.ExValueA);
    ASSERT_GE(e.AskedHeading, 0);
    ASSERT_LE(e.AskedHeading, 359);
    const int offset = ((e.AskedHeading - e.Panel.Heading) * (Ex.ExSide == 0 ? -1 : 1) + 720) % 360;
    offsets.insert(offset);
    if (e.Panel.Heading == 0 && Ex.ExSide == 0 && offset == 30) {
      northCase = true;
      EXPECT_EQ(e.AskedHeading, 330);
    }
    // The answer is taken for the heading asked, not the one flown.
    SimState s;
    s.AdfQdr = 230.1;
    s.Heading = e.Panel.Heading;
    ASSERT_EQ(ExpectedBearingAnswer(e, s), RelativeBearingAnswer(230.1, e.AskedHeading));
  }
  EXPECT_TRUE(northCase);
  EXPECT_EQ(offsets, (std::set<int>{10, 20, 30, 40, 50, 60, 70, 80}));
}

TEST_F(RadioNav, RmiAsksQdmOrQdr) {
  std::map<int, int> sides;
  for (int i = 0; i < 400; ++i) {
    const RadioNavExercise e = DrawRadioNav(RadioNavItem::RmiQdmQdr, Ex);
    ++sides[Ex.ExSide];
    if (Ex.ExSide == 0) {
      EXPECT_EQ(e.Answer, BearingAnswer::Qdm);
      EXPECT_EQ(e.Task, QStringList{"Determine the QDM to the NDB by looking at the RMI."});
    } else {
      EXPECT_EQ(e.Answer, BearingAnswer::Qdr);
      EXPECT_EQ(e.Task, QStringList{"Determine the QDR from the NDB by looking at the RMI."});
    }
  }
  EXPECT_GT(sides[0], 100);
  EXPECT_GT(sides[1], 100);
}

// With the aircraft placed a little off the drawn radial, as the first
// position step leaves it, the answer is the drawn value's.
TEST_F(RadioNav, AnswersAgreeWithTheDrawnPosition) {
  for (const ItemExpectation& want : kItems) {
    if (!want.question) continue;
    for (int i = 0; i < 300; ++i) {
      const RadioNavExercise e = DrawRadioNav(want.item, Ex);
      for (double off : {-0.3, 0.0, 0.3}) {
        SimState s;
        s.Heading = e.Panel.Heading;
        s.AdfQdr = e.Panel.Radial + off;
        if (s.AdfQdr < 0) s.AdfQdr += 360;
        s.Vor1Radial = s.AdfQdr;
        const int answer = ExpectedBearingAnswer(e, s);
        const int radial = e.Panel.Radial;
        const int heading = e.AskedHeading >= 0 ? e.AskedHeading : e.Panel.Heading;
        int expected = 0;
        switch (e.Answer) {
          case BearingAnswer::Qdr:
          case BearingAnswer::Radial: expected = radial; break;
          case BearingAnswer::Qdm:
          case BearingAnswer::InboundCourse: expected = (radial + 180) % 360; break;
          case BearingAnswer::RelativeBearing:
            expected = ((radial + 180 - heading) % 360 + 360) % 360;
            if (expected > 180) expected -= 360;
            break;
          case BearingAnswer::None: break;
        }
        ASSERT_EQ(answer, expected) << static_cast<int>(want.item) << " radial " << radial << " off " << off;
        if (want.map) ASSERT_EQ(answer % 30, 0);
      }
    }
  }
}

}  // namespace
}  // namespace tvx
