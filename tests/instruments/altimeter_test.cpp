#include <gtest/gtest.h>

#include "instruments/gauges.h"
#include "instruments/gaugetestsupport.h"

namespace tvx {
namespace {

using namespace test;

// The altimeter and the VSI of a 1600 x 900 window: centres (149, 149) and (149, 447).
constexpr int kR = 134, kHand = 134 - 20 - 5;

struct Hands {
  QPoint shortEnd, longEnd;
};

Hands HandsAt(double altitude) {
  SimState s = LaidOut("SEP");
  s.Altitude = altitude;
  RecordingCanvas c;
  DrawAltimeterHands(c, s);
  const auto lines = LinesOfWidth(c, 5);
  EXPECT_EQ(lines.size(), 2);
  EXPECT_EQ(c.Pen.width, 1);
  for (const auto& l : lines) EXPECT_EQ(l.points[0], QPoint(149, 149));
  return {lines.value(0).points.value(1), lines.value(1).points.value(1)};
}

TEST(Altimeter, HandsAt2350Feet) {
  EXPECT_NEAR(AltimeterThousandsAngle(2350), 84.6, 1e-9);
  EXPECT_NEAR(AltimeterHundredsAngle(2350), 126.0, 1e-9);
  const Hands h = HandsAt(2350);
  EXPECT_EQ(h.shortEnd, Expected(149, 149, 2 * kHand / 3, 84.6));
  EXPECT_EQ(h.longEnd, Expected(149, 149, kHand, 126.0));
}

TEST(Altimeter, LongHandAt2600FeetThoughTheThousandsRoundUp) {
  EXPECT_NEAR(AltimeterHundredsAngle(2600), -144.0, 1e-9);  // 3 thousands taken away
  const Hands h = HandsAt(2600);
  EXPECT_EQ(h.longEnd, Expected(149, 149, kHand, 216.0));
  EXPECT_NEAR(DialAngleOf({149, 149}, h.longEnd), 216.0, 0.5);
}

TEST(Altimeter, ShortHandPastAFullTurn) {
  const Hands h = HandsAt(12000);
  EXPECT_NEAR(DialAngleOf({149, 149}, h.shortEnd), 72.0, 0.5);
  EXPECT_EQ(h.longEnd, QPoint(149, 149 - kHand));  // whole thousands: 12 o'clock
}

TEST(Altimeter, DialTicksAndDigits) {
  SimState s = LaidOut("SEP");
  RecordingCanvas c;
  DrawAltimeterDial(c, s);
  const auto lines = Select(c, Op::Line);
  ASSERT_EQ(lines.size(), 60);
  EXPECT_EQ(lines[0].points[0], Expected(149, 149, kR, 36));
  EXPECT_EQ(lines[0].points[1], Expected(149, 149, kR - 20, 36));
  EXPECT_EQ(lines[10].points[1], Expected(149, 149, kR - 10, 7.2));
  EXPECT_EQ(lines[59].points[1], Expected(149, 149, kR - 10, 360));
  EXPECT_EQ(c.Texts(), QVector<QString>({"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}));
  const QPoint p3 = Expected(149, 149, kR - 20 - 11, 108);
  EXPECT_EQ(FindText(c, "3")->points[0], QPoint(p3.x() - 2, p3.y() - 7));
}

TEST(Vsi, AngleLaw) {
  EXPECT_NEAR(VsiDialAngle(0), -90.0, 1e-9);
  EXPECT_NEAR(VsiDialAngle(2000), 80.0, 1e-9);
  EXPECT_NEAR(VsiDialAngle(-2000), -260.0, 1e-9);  // 100 degrees
  EXPECT_NEAR(VsiDialAngle(-500), -132.5, 1e-9);   // 227.5 degrees
}

TEST(Vsi, NeedleClampedAndRounded) {
  const struct {
    double vs, angle;
  } cases[] = {{2500, 80.0}, {-500, 227.5}, {0, 270.0}, {-2600, 100.0}, {1000, 355.0}, {-0.4, 270.0}};
  for (const auto& k : cases) {
    SCOPED_TRACE(k.vs);
    SimState s = LaidOut("SEP");
    s.VerticalSpeed = k.vs;
    RecordingCanvas c;
    DrawVSINeedle(c, s);
    const auto needle = LinesOfWidth(c, 5);
    ASSERT_EQ(needle.size(), 1);
    EXPECT_EQ(needle[0].points[0], QPoint(149, 447));
    EXPECT_EQ(needle[0].points[1], Expected(149, 447, kHand, k.angle));
  }
}

TEST(Vsi, DialFiguresFromBottomToTop) {
  SimState s = LaidOut("SEP");
  RecordingCanvas c;
  DrawVSIDial(c, s);
  EXPECT_EQ(Select(c, Op::Line).size(), 49);
  EXPECT_EQ(c.Texts(), QVector<QString>({"20", "15", "10", "5", "0", "5", "10", "15", "20"}));
  // "0" at 270 degrees, the last "20" at 440 (80) degrees.
  const QPoint zero = Expected(149, 447, kR - 31, 270);
  EXPECT_EQ(c.log[0].op, Op::Ellipse);
  const auto texts = Select(c, Op::Text);
  EXPECT_EQ(texts[4].points[0], QPoint(zero.x() - 6, zero.y() - 7));
  const QPoint top = Expected(149, 447, kR - 31, 80);
  EXPECT_EQ(texts[8].points[0], QPoint(top.x() - 6, top.y() - 7));
}

}  // namespace
}  // namespace tvx
