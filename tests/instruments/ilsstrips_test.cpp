// The localiser and glideslope strips of the glass panels.
#include <gtest/gtest.h>

#include "instruments/ilsstrips.h"
#include "instruments/layout.h"

using namespace tvx;
using Op = RecordingCanvas::Op;

namespace {

constexpr int kStep = 85;  // an HSI chart 498 px wide

QVector<QPoint> DotCentres(const RecordingCanvas& c) {
  QVector<QPoint> out;
  for (const auto& p : c.log)
    if (p.op == Op::Ellipse) out << (p.points[0] + p.points[1]) / 2;
  return out;
}

QVector<RecordingCanvas::Primitive> Bars(const RecordingCanvas& c) {
  QVector<RecordingCanvas::Primitive> out;
  for (const auto& p : c.log)
    if (p.op == Op::Line && p.pen.color == clr::Fuchsia) out << p;
  return out;
}

}  // namespace

TEST(IlsStrips, DotsAndCentreLineWithoutAnIls) {
  ASSERT_EQ(StripStep(498), kStep);
  SimState s;
  s.Vor1Deviation = 5;
  s.GlideslopeDeviation = 5;
  RecordingCanvas loc;
  DrawLocaliserStrip(loc, s, 2 * kStep + 20, 30, kStep);
  // Dots at -85, -42.5, 0, +42.5, +85 from the middle (95), halves rounded away from zero.
  EXPECT_EQ(DotCentres(loc), (QVector<QPoint>{{10, 15}, {53, 15}, {95, 15}, {138, 15}, {180, 15}}));
  EXPECT_EQ(loc.log[0].points[0], QPoint(3, 8));  // radius 7
  EXPECT_EQ(loc.log[0].pen.color, clr::White);
  EXPECT_EQ(loc.log[0].brush.color, clr::Black);
  ASSERT_EQ(loc.Count(Op::Line), 1);
  EXPECT_EQ(loc.log.last().points, (QVector<QPoint>{{95, 0}, {95, 30}}));
  EXPECT_EQ(loc.log.last().pen.width, 2);

  RecordingCanvas gs;
  DrawGlideslopeStrip(gs, s, 30, 2 * kStep + 20, kStep);
  EXPECT_EQ(DotCentres(gs), (QVector<QPoint>{{15, 10}, {15, 53}, {15, 95}, {15, 138}, {15, 180}}));
  ASSERT_EQ(gs.Count(Op::Line), 1);
  EXPECT_EQ(gs.log.last().points, (QVector<QPoint>{{0, 95}, {30, 95}}));
}

TEST(IlsStrips, BarsOnAnIls) {
  SimState s;
  s.IlsTuned = true;
  s.Vor1Deviation = 10;
  s.GlideslopeDeviation = 5;
  RecordingCanvas loc;
  DrawLocaliserStrip(loc, s, 190, 30, kStep);
  const auto l = Bars(loc);
  ASSERT_EQ(l.size(), 1);
  EXPECT_EQ(l[0].points, (QVector<QPoint>{{180, 2}, {180, 28}}));  // on the outer dot
  EXPECT_EQ(l[0].pen.width, 4);
  RecordingCanvas gs;
  DrawGlideslopeStrip(gs, s, 30, 190, kStep);
  const auto g = Bars(gs);
  ASSERT_EQ(g.size(), 1);
  EXPECT_EQ(g[0].points, (QVector<QPoint>{{2, 53}, {28, 53}}));  // inner dot above the centre
}

TEST(IlsStrips, GlideslopeOffLeavesTheLocaliser) {
  SimState s;
  s.IlsTuned = true;
  s.GlideslopeOff = true;
  s.Vor1Deviation = -5;
  RecordingCanvas loc, gs;
  DrawLocaliserStrip(loc, s, 190, 30, kStep);
  DrawGlideslopeStrip(gs, s, 30, 190, kStep);
  ASSERT_EQ(Bars(loc).size(), 1);
  EXPECT_EQ(Bars(loc)[0].points[0].x(), 53);  // 95 - 42.5
  EXPECT_TRUE(Bars(gs).isEmpty());
}

TEST(IlsStrips, NoLimitBeyondFullScale) {
  SimState s;
  s.IlsTuned = true;
  s.Vor1Deviation = -14;
  s.GlideslopeDeviation = -12;
  RecordingCanvas loc, gs;
  DrawLocaliserStrip(loc, s, 190, 30, kStep);
  DrawGlideslopeStrip(gs, s, 30, 190, kStep);
  EXPECT_EQ(Bars(loc)[0].points[0].x(), 95 - 119);
  EXPECT_EQ(Bars(gs)[0].points[0].y(), 95 + 102);
}
