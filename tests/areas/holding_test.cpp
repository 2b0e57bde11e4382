#include "areas/holding.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/defaultarea.h"

namespace tvx {
namespace {

AreaState DefaultArea() { return test::ProjectedDefaultArea(); }

AreaBeacon Beacon(const QString& name, double x, double y) {
  AreaBeacon b;
  b.Name = name;
  b.X = x;
  b.Y = y;
  return b;
}

// A holding definition other than anything the inputs below give.
SimState StateWithHolding() {
  SimState s;
  StoreHoldingDefinition({-50, -60, 123, 303, "LEFT", 200}, s);
  return s;
}

HoldingTexts Texts(const QString& beacon, const QString& turn = "RIGHT", const QString& course = "180",
                   const QString& radial = "360", const QString& speed = "115") {
  return {beacon, turn, course, radial, speed};
}

struct NameCase {
  const char* stored;
  const char* typed;
  bool match;
};

TEST(HoldingFixNames, VorAndNdbAllowOneTrailingBlankOnEitherSide) {
  const NameCase cases[] = {
      {"AAA", "AAA", true},   {"AAA ", "AAA", true},  {"AAA", "AAA ", true},  {"AAA  ", "AAA", false},
      {"AAA", "AAA  ", false}, {"AAA", "AA", false},   {"AAA", " AAA", false}, {"AAA", "aaa", false},
  };
  for (const NameCase& c : cases) EXPECT_EQ(VorNdbNameMatches(c.stored, c.typed), c.match) << c.stored << "|" << c.typed;
}

TEST(HoldingFixNames, LocatorAllowsTwoTrailingBlanksOnEitherSide) {
  const NameCase cases[] = {
      {"LC", "LC", true},   {"LC ", "LC", true},  {"LC  ", "LC", true},   {"LC", "LC ", true},
      {"LC", "LC  ", true}, {"LC", "LC   ", false}, {"LC   ", "LC", false}, {"LC", "0LC", false},
  };
  for (const NameCase& c : cases) EXPECT_EQ(LocatorNameMatches(c.stored, c.typed), c.match) << c.stored << "|" << c.typed;
}

// Each of the thirteen accepted forms once, and the neighbours that are not.
TEST(HoldingFixNames, RunwayAllowsBlanksAndOneLeadingZero) {
  const NameCase cases[] = {
      {"09", "09", true},    {"09 ", "09", true},   {"09", "09 ", true},    {"09  ", "09", true},
      {"09", "09  ", true},  {"09", "9", true},     {"9", "09", true},      {"09 ", "9", true},
      {"9", "09 ", true},    {"09  ", "9", true},   {"9", "09  ", true},    {"09L", "9L", true},
      {"9 ", "09", true},    {"9  ", "09", true},   {"27", "027", true},
      // A zero on one side only, never two; a zero is not a blank.
      {"9", "009", false},   {"009", "9", false},   {"09", "90", false},    {"9", "0 9", false},
      {"09", "9   ", false}, {"09   ", "9", false}, {"09", "9 ", false},    {"9", "9L", false},
  };
  for (const NameCase& c : cases) EXPECT_EQ(RunwayNameMatches(c.stored, c.typed), c.match) << c.stored << "|" << c.typed;
}

TEST(HoldingFix, DefaultAreaKindsAndPositions) {
  const AreaState a = DefaultArea();
  struct Expect {
    const char* typed;
    HoldingFixKind kind;
    QPointF at;
  } const cases[] = {
      {"AAA", HoldingFixKind::Vor, {0, 0}},
      {"BBB ", HoldingFixKind::Vor, {a.VorList[1].X, a.VorList[1].Y}},
      {"NNN", HoldingFixKind::Ndb, {a.NdbList[1].X, a.NdbList[1].Y}},
      {"ILA", HoldingFixKind::Runway, {a.IlsList[0].X, a.IlsList[0].Y}},
      // The locator of the 270 approach lies 4 NM east of the runway point.
      {"LCA", HoldingFixKind::Locator, {a.IlsList[0].X + 4, a.IlsList[0].Y}},
      {"XYZ", HoldingFixKind::None, {0, 0}},
  };
  for (const Expect& c : cases) {
    const HoldingFix fix = FindHoldingFix(a, c.typed);
    EXPECT_EQ(fix.kind, c.kind) << c.typed;
    EXPECT_NEAR(fix.at.x(), c.at.x(), 1e-9) << c.typed;
    EXPECT_NEAR(fix.at.y(), c.at.y(), 1e-9) << c.typed;
  }
}

TEST(HoldingFix, LocatorOnEveryCourseLiesOnTheApproachSide) {
  AreaState a;
  a.IlsList[0] = Beacon("27", 10, 20);
  a.IlsList[0].LocatorName = "OM";
  a.IlsList[0].LocatorDistance = 5;
  // Final course q: the locator lies on bearing q + 180 (x east, y south).
  const struct {
    int course;
    double dx, dy;
  } cases[] = {{270, 5, 0}, {90, -5, 0}, {360, 0, 5}, {180, 0, -5}, {45, -5 / std::sqrt(2.0), 5 / std::sqrt(2.0)}};
  for (const auto& c : cases) {
    a.IlsList[0].FinalCourse = c.course;
    const HoldingFix fix = FindHoldingFix(a, "OM");
    ASSERT_EQ(fix.kind, HoldingFixKind::Locator);
    EXPECT_NEAR(fix.at.x(), 10 + c.dx, 1e-9) << c.course;
    EXPECT_NEAR(fix.at.y(), 20 + c.dy, 1e-9) << c.course;
  }
}

TEST(HoldingFix, LowerSlotFirstThenVorNdbRunwayLocator) {
  AreaState a;
  a.VorList[0] = Beacon("V0", 0, 0);
  a.VorList[3] = Beacon("XYZ", 1, 1);
  a.IlsList[1] = Beacon("27", 2, 2);
  a.IlsList[1].LocatorName = "XYZ";
  a.IlsList[1].LocatorDistance = 3;
  a.IlsList[1].FinalCourse = 270;
  // The locator of ILS slot 2 comes before the VOR of slot 4.
  HoldingFix fix = FindHoldingFix(a, "XYZ");
  EXPECT_EQ(fix.kind, HoldingFixKind::Locator);
  EXPECT_EQ(fix.slot, 1);
  EXPECT_NEAR(fix.at.x(), 5, 1e-9);

  // In the same slot the VOR wins over the NDB, the NDB over the runway.
  a.VorList[1] = Beacon("XYZ", 7, 8);
  a.NdbList[1] = Beacon("XYZ", 9, 9);
  fix = FindHoldingFix(a, "XYZ");
  EXPECT_EQ(fix.kind, HoldingFixKind::Vor);
  EXPECT_EQ(fix.at, QPointF(7, 8));
  a.VorList[1].Name.clear();
  EXPECT_EQ(FindHoldingFix(a, "XYZ").kind, HoldingFixKind::Ndb);
  a.NdbList[1].Name.clear();
  a.IlsList[1].Name = "XYZ";
  EXPECT_EQ(FindHoldingFix(a, "XYZ").kind, HoldingFixKind::Runway);
}

// Emptied slots keep their other fields; none of them is a fix.
TEST(HoldingFix, EmptiedSlotsAreNoFix) {
  AreaState a;
  a.VorList[0] = Beacon("AAA", 0, 0);
  a.IlsList[2] = Beacon("", 4, 4);
  a.IlsList[2].LocatorName = "OLD";
  a.IlsList[2].LocatorDistance = 4;
  EXPECT_EQ(FindHoldingFix(a, "OLD").kind, HoldingFixKind::None);
  // A blank typed name is no empty VOR slot with a blank added.
  EXPECT_EQ(FindHoldingFix(a, " ").kind, HoldingFixKind::None);
}

TEST(HoldingRadial, OppositeOfTheInboundCourseIn0To359) {
  const int cases[][2] = {{360, 180}, {0, 180}, {180, 0}, {90, 270}, {270, 90}, {179, 359}, {181, 1}, {1, 181}};
  for (const auto& c : cases) EXPECT_EQ(RadialFromInbound(c[0]), c[1]) << c[0];
}

TEST(HoldingRead, AcceptedInputsFillTheDefinition) {
  const AreaState a = DefaultArea();
  SimState s = StateWithHolding();
  HoldingTexts t = Texts("ndb", "left", "090", "45", "60");
  HoldingReading r = ReadHoldingInputs(t, kRadialChoice, a, s);
  EXPECT_TRUE(r.error);
  EXPECT_EQ(t.Holdingbeacon, "NDB");  // upper-cased, and no beacon of the area
  EXPECT_EQ(r.message, "WARNING: THIS BEACON DOES NOT EXIST IN THIS AREA ");

  t = Texts("mmm", "left", "090", "45", "60");
  r = ReadHoldingInputs(t, kRadialChoice, a, s);
  ASSERT_FALSE(r.error) << r.message.toStdString();
  EXPECT_EQ(t.Holdingbeacon, "MMM");
  EXPECT_EQ(t.Turndirection, "LEFT");
  EXPECT_NEAR(s.HoldingX, a.NdbList[0].X, 1e-9);
  EXPECT_NEAR(s.HoldingY, a.NdbList[0].Y, 1e-9);
  EXPECT_EQ(s.HoldingSide, "LEFT");
  EXPECT_EQ(s.HoldingRadial, 45);
  EXPECT_EQ(s.HoldingInboundCourse, 123);  // the radial was read, not the course
  EXPECT_EQ(s.HoldingSpeed, 60);

  t = Texts("AAA", "RIGHT", "360", "abc", "300");
  r = ReadHoldingInputs(t, kInboundCourseChoice, a, s);
  ASSERT_FALSE(r.error);
  EXPECT_TRUE(r.inboundRead);
  EXPECT_EQ(s.HoldingInboundCourse, 360);
  EXPECT_EQ(s.HoldingRadial, 45);  // the reading leaves the radial to OK
  EXPECT_EQ(s.HoldingSpeed, 300);

  // A radial of 360 is taken as typed.
  t = Texts("AAA", "RIGHT", "x", "360", "115");
  ASSERT_FALSE(ReadHoldingInputs(t, kRadialChoice, a, s).error);
  EXPECT_EQ(s.HoldingRadial, 360);
}

// Every rejection: its message, its input, and the definition left with what
// was read before it, never with the rejected value.
TEST(HoldingRead, RejectionsStopTheReadingAndStoreNothingWrong) {
  const AreaState a = DefaultArea();
  const struct {
    HoldingTexts texts;
    int choice;
    HoldingField field;
    const char* message;
    bool fixRead, sideRead, courseRead;
  } cases[] = {
      {Texts("ABCDE"), kRadialChoice, HoldingField::Beacon, "ERROR: NAME OF BEACON IS TOO LONG ", false, false, false},
      {Texts(""), kRadialChoice, HoldingField::Beacon, "WARNING: THIS BEACON DOES NOT EXIST ", false, false, false},
      {Texts("QQQ"), kRadialChoice, HoldingField::Beacon, "WARNING: THIS BEACON DOES NOT EXIST IN THIS AREA ", false,
       false, false},
      {Texts("BBB", "UP"), kRadialChoice, HoldingField::Turn, "ERROR: TURN DIRECTION IS NOT CORRECT ", true, false,
       false},
      {Texts("BBB", "RIGHT ", "90"), kInboundCourseChoice, HoldingField::Turn, "ERROR: TURN DIRECTION IS NOT CORRECT ",
       true, false, false},
      {Texts("BBB", "RIGHT", "361"), kInboundCourseChoice, HoldingField::Course,
       "ERROR: INBOUND COURSE IS NOT BETWEEN 0 AND 360 ", true, true, false},
      {Texts("BBB", "RIGHT", "-1"), kInboundCourseChoice, HoldingField::Course,
       "ERROR: INBOUND COURSE IS NOT BETWEEN 0 AND 360 ", true, true, false},
      {Texts("BBB", "RIGHT", "9.5"), kInboundCourseChoice, HoldingField::Course,
       "ERROR: INBOUND COURSE IS NOT CORRECT ", true, true, false},
      {Texts("BBB", "RIGHT", "90", "400"), kRadialChoice, HoldingField::Radial,
       "ERROR: RADIAL IS NOT BETWEEN 0 AND 360 ", true, true, false},
      {Texts("BBB", "RIGHT", "90", ""), kRadialChoice, HoldingField::Radial, "ERROR: RADIAL IS NOT CORRECT ", true,
       true, false},
      {Texts("BBB", "RIGHT", "90", "90", "59"), kInboundCourseChoice, HoldingField::Speed,
       "ERROR: HOLDING SPEED MUST BE BETWEEN 60 AND 300 ", true, true, true},
      {Texts("BBB", "RIGHT", "90", "90", "301"), kRadialChoice, HoldingField::Speed,
       "ERROR: HOLDING SPEED MUST BE BETWEEN 60 AND 300 ", true, true, true},
      {Texts("BBB", "RIGHT", "90", "90", "fast"), kInboundCourseChoice, HoldingField::Speed,
       "ERROR: HOLDING SPEED IS NOT CORRECT ", true, true, true},
  };
  for (const auto& c : cases) {
    SimState s = StateWithHolding();
    HoldingTexts t = c.texts;
    const HoldingReading r = ReadHoldingInputs(t, c.choice, a, s);
    const std::string what = c.message;
    EXPECT_TRUE(r.error) << what;
    EXPECT_EQ(r.field, c.field) << what;
    EXPECT_EQ(r.message, c.message);
    EXPECT_EQ(s.HoldingX, c.fixRead ? a.VorList[1].X : -50) << what;
    EXPECT_EQ(s.HoldingSide, c.sideRead ? "RIGHT" : "LEFT") << what;
    const bool inbound = c.choice == kInboundCourseChoice;
    EXPECT_EQ(s.HoldingInboundCourse, c.courseRead && inbound ? 90 : 123) << what;
    EXPECT_EQ(s.HoldingRadial, c.courseRead && !inbound ? 90 : 303) << what;
    EXPECT_EQ(r.inboundRead, c.courseRead && inbound) << what;
    EXPECT_EQ(s.HoldingSpeed, 200) << what;
  }
}

TEST(HoldingRead, NamesAreUpperCasedOnlyInAscii) {
  EXPECT_EQ(AsciiUpper("aaa 9l"), "AAA 9L");
  EXPECT_EQ(AsciiUpper(QString::fromUtf8("é")), QString::fromUtf8("é"));
  const AreaState a = DefaultArea();
  SimState s = StateWithHolding();
  HoldingTexts t = Texts("ila ", "right");
  EXPECT_FALSE(ReadHoldingInputs(t, kRadialChoice, a, s).error);
  EXPECT_EQ(t.Holdingbeacon, "ILA ");
  EXPECT_EQ(t.Turndirection, "RIGHT");
  EXPECT_EQ(s.HoldingSide, "RIGHT");
  // The turn direction is not upper-cased when the beacon already failed.
  t = Texts("nope", "right");
  EXPECT_TRUE(ReadHoldingInputs(t, kRadialChoice, a, s).error);
  EXPECT_EQ(t.Turndirection, "right");
}

TEST(HoldingRead, NineFindsRunwayZeroNine) {
  AreaState a;
  a.VorList[0] = Beacon("AAA", 0, 0);
  a.IlsList[0] = Beacon("09", 3, 4);
  SimState s = StateWithHolding();
  HoldingTexts t = Texts("9");
  ASSERT_FALSE(ReadHoldingInputs(t, kRadialChoice, a, s).error);
  EXPECT_EQ(s.HoldingX, 3);
  EXPECT_EQ(s.HoldingY, 4);
}

}  // namespace
}  // namespace tvx
