// The attitude indicator: scale, ladder windows, TCAS band, radio height and
// the overlay's key primitives.
#include <gtest/gtest.h>

#include <QSet>
#include <QStringList>
#include <cmath>

#include "instruments/attitude.h"
#include "instruments/gaugetestsupport.h"
#include "instruments/layout.h"
#include "simulator/aircrafttype.h"
#include "simulator/panellayout.h"

using namespace tvx;
using Op = RecordingCanvas::Op;

namespace {

QVector<double> Pitches(const QVector<LadderMark>& marks) {
  QVector<double> out;
  for (const auto& m : marks) out << m.Pitch;
  return out;
}

SimState Aircraft(const QString& type, double pitch = 0, double bank = 0) {
  SimState s;
  s.AircraftType = type;
  ComputeCellLayout(s, 1600, 900);
  s.CellFrameMargin = 2;
  s.CellFrameCornerCut = 30;
  s.PitchAttitude = pitch;
  s.BankAngle = bank;
  s.Altitude = 3000;
  s.AirportElevation = 120;
  if (!IsRoundDialPanel(type)) s.AdiCentreX = s.AdiCentreY = 223;
  return s;
}

AdiView ViewOf(const SimState& s) {
  AdiView v;
  v.Width = 2 * s.AdiCentreX;
  v.Height = 2 * s.AdiCentreY;
  v.ClientWidth = 1600;
  v.Zoom = IsRoundDialPanel(s.AircraftType) ? 85 : 300;
  return v;
}

RecordingCanvas Overlay(const SimState& s) {
  RecordingCanvas c;
  DrawAttitudeOverlay(c, s, ViewOf(s));
  return c;
}

QVector<RecordingCanvas::Primitive> TextsOf(const RecordingCanvas& c, const QString& text) {
  QVector<RecordingCanvas::Primitive> out;
  for (const auto& p : c.log)
    if ((p.op == Op::Text || p.op == Op::RotatedText) && p.text == text) out << p;
  return out;
}

}  // namespace

TEST(AttitudeScale, PixelsPerDegreeAndShift) {
  EXPECT_EQ(AdiPixelsPerDegreeFor("SEP"), 4);
  EXPECT_EQ(AdiPixelsPerDegreeFor("SEP EFIS"), 7);
  EXPECT_EQ(AdiPixelsPerDegreeFor("737"), 7);
  EXPECT_EQ(AdiPitchShift(10, 0, 4), 40);
  // 5 x 7 / cos 60 = 70; left bank the same.
  EXPECT_EQ(AdiPitchShift(5, 60, 7), 70);
  EXPECT_EQ(AdiPitchShift(5, -60, 7), 70);
  EXPECT_EQ(AdiPitchShift(-2.5, 0, 7), -18);  // -17.5 rounds away from zero
  EXPECT_EQ(AdiPitchShift(0, 90, 4), 0);
  EXPECT_EQ(AdiBackgroundColour(0), clr::Blue);
  EXPECT_EQ(AdiBackgroundColour(-0.1), clr::Maroon);

  SimState s = Aircraft("737");
  RefreshAttitudeState(s, ViewOf(s));
  EXPECT_EQ(s.AdiPixelsPerDegree, 7);
}

TEST(AttitudeLadder, WindowsOfTheRoundDialPanel) {
  EXPECT_EQ(Pitches(VisibleLadderMarks("SEP", 0)),
            (QVector<double>{10, 2.5, 7.5, 12.5, 5, 15, -10, -2.5, -7.5, -5}));
  EXPECT_EQ(Pitches(VisibleLadderMarks("SEP", 6)),
            (QVector<double>{10, 20, 2.5, 7.5, 12.5, 17.5, 5, 15, -2.5, -5}));
  EXPECT_EQ(Pitches(VisibleLadderMarks("SEP", -16)), (QVector<double>{-10, -2.5, -7.5, -12.5, -5, -15}));
}

TEST(AttitudeLadder, GlassShowsEveryLowerMark) {
  for (const char* type : {"SEP EFIS", "737"}) {
    const QVector<double> p = Pitches(VisibleLadderMarks(type, 15));
    for (double lower : {-10.0, -2.5, -7.5, -12.5, -5.0, -15.0}) EXPECT_TRUE(p.contains(lower)) << type << lower;
    EXPECT_TRUE(p.contains(20));
  }
  // Mark lengths by type: 35/17/6, jets 52/26/13.
  const auto efis = VisibleLadderMarks("SEP EFIS", 0);
  const auto jet = VisibleLadderMarks("737", 0);
  EXPECT_EQ(efis[0].HalfLength, 35);
  EXPECT_TRUE(efis[0].Labelled);
  EXPECT_EQ(jet[0].HalfLength, 52);
  EXPECT_EQ(jet[1].HalfLength, 13);  // +2.5 at pitch 0 (no +20)
}

TEST(AttitudeTcas, BandPitchBySpeedAndAdvisory) {
  struct Case {
    const char* advisory;
    double speed, upper, lower;
  };
  const Case cases[] = {
      {"climb2", 250, 8.9, 4.9},   {"climb2", 200, 11.4, 7.4}, {"climb2", 300, 6.9, 2.9},
      {"level2", 250, 5.2, 0.2},   {"descend2", 250, 1.5, -2.5},
  };
  for (const Case& c : cases) {
    const TcasBand b = TcasBandFor(c.advisory, c.speed);
    EXPECT_NEAR(b.Upper, c.upper, 1e-9) << c.advisory << c.speed;
    EXPECT_NEAR(b.Lower, c.lower, 1e-9) << c.advisory << c.speed;
  }
  SimState s;
  s.FailureCode = "TCAS";
  s.FailurePhase = 3;
  s.TcasAdvisory = "climb2";
  s.Airspeed = 200;
  RefreshAttitudeState(s, {});
  EXPECT_NEAR(s.TcasTargetPitch, 7.4, 1e-9);
  s.FailurePhase = 2;
  s.Airspeed = 300;
  RefreshAttitudeState(s, {});
  EXPECT_NEAR(s.TcasTargetPitch, 7.4, 1e-9);  // not shown: kept
}

TEST(AttitudeRadioHeight, RoundedAndCutToTens) {
  EXPECT_EQ(RadioHeightText(2499.6 + 120, 120), "2500");
  EXPECT_EQ(RadioHeightText(87.4 + 120, 120), "87");
  EXPECT_EQ(RadioHeightText(135 + 120, 120), "130");
  EXPECT_EQ(RadioHeightText(2500 + 120, 120), "");
  EXPECT_EQ(RadioHeightText(9000, 120), "");
  EXPECT_EQ(RadioHeightText(120, 120), "0");
}

TEST(AttitudeOverlay, MarkAtThePitchRunsThroughTheCentre) {
  const SimState s = Aircraft("SEP", 5, 0);
  const RecordingCanvas c = Overlay(s);
  // +5 is an L2 (17 px) line through (U, U).
  bool found = false;
  for (const auto& p : c.log)
    if (p.op == Op::Line && p.points[0] == QPoint(149 - 17, 149) && p.points[1] == QPoint(149 + 17, 149)) found = true;
  EXPECT_TRUE(found);
}

TEST(AttitudeOverlay, NoHorizonLineOnTheRoundDials) {
  const SimState sep = Aircraft("SEP");
  for (const auto& p : Overlay(sep).log)
    if (p.op == Op::Line) EXPECT_NE(p.points[0], QPoint(149 - 400, 149));
  const SimState efis = Aircraft("SEP EFIS");
  const RecordingCanvas c = Overlay(efis);
  ASSERT_EQ(c.log[0].op, Op::Line);
  EXPECT_EQ(c.log[0].points[0], QPoint(223 - 400, 223));
  EXPECT_EQ(c.log[0].points[1], QPoint(223 + 400, 223));
  EXPECT_EQ(c.log[0].pen.width, 2);
}

TEST(AttitudeOverlay, LabelsTurnWithTheBankAndTcasStaysLevel) {
  SimState s = Aircraft("737", 0, 30);
  s.FailureCode = "TCAS";
  s.FailurePhase = 3;
  s.TcasAdvisory = "climb2";
  s.Airspeed = 250;
  const RecordingCanvas c = Overlay(s);
  const auto labels = TextsOf(c, "10");
  ASSERT_EQ(labels.size(), 4);
  for (const auto& l : labels) {
    EXPECT_EQ(l.angle, 30);
    EXPECT_EQ(l.font.size, 15);  // 5 points at zoom 300
    EXPECT_EQ(l.brush.style, BrushStyle::Clear);
  }
  // +10 at pitch 0, bank 30: m = c - 70 n, n = (sin 30, cos 30); left label
  // at m - 87 u, moved 11 up.
  const double b = 30 * M_PI / 180;
  const double mx = 223 - 70 * std::sin(b), my = 223 - 70 * std::cos(b);
  EXPECT_EQ(labels[0].points[0], QPoint(std::lround(mx - 87 * std::cos(b)), std::lround(my + 87 * std::sin(b)) - 11));

  // TCAS: two red outlines, width 3, the middle points level.
  QVector<RecordingCanvas::Primitive> tcas;
  for (const auto& p : c.log)
    if (p.op == Op::Polyline && p.pen.color == clr::Red) tcas << p;
  ASSERT_EQ(tcas.size(), 2);
  EXPECT_EQ(tcas[0].pen.width, 3);
  // Upper band pitch 8.9: y = 223 + (0 - 8.9) x 7 = 160.7 -> 161; lower 4.9 -> 188.7 -> 189.
  EXPECT_EQ(tcas[0].points, (QVector<QPoint>{{123, 0}, {198, 161}, {248, 161}, {323, 0}}));
  EXPECT_EQ(tcas[1].points, (QVector<QPoint>{{123, 446}, {198, 189}, {248, 189}, {323, 446}}));
}

TEST(AttitudeOverlay, SepLabelsAtTwelvePoints) {
  const RecordingCanvas c = Overlay(Aircraft("SEP"));
  const auto labels = TextsOf(c, "10");
  ASSERT_EQ(labels.size(), 4);
  EXPECT_EQ(labels[0].font.size, 12);
  // +10 at pitch 0: 40 px above the centre; left label 65 px left of it, 11 up.
  EXPECT_EQ(labels[0].points[0], QPoint(149 - 65, 149 - 40 - 11));
  EXPECT_EQ(labels[1].points[0], QPoint(149 + 50, 149 - 40 - 11));
}

TEST(AttitudeOverlay, BankPointerMovesAgainstTheScale) {
  const SimState s = Aircraft("SEP", 0, 20);
  const RecordingCanvas c = Overlay(s);
  // The last white width-2 polyline is the pointer; apex at dial angle -20, radius 134 - 15.
  const RecordingCanvas::Primitive* pointer = nullptr;
  for (const auto& p : c.log)
    if (p.op == Op::Polyline && p.pen.color == clr::White && p.pen.width == 2) pointer = &p;
  ASSERT_NE(pointer, nullptr);
  EXPECT_EQ(pointer->points[0], QPoint(108, 37));  // 149 - 119 sin 20 = 108.3, 149 - 119 cos 20 = 37.2
  EXPECT_EQ(pointer->points[1], QPoint(120, 46));  // angle -16, radius 107: 149 - 29.49, 149 - 102.85
  EXPECT_EQ(pointer->points[0], pointer->points[3]);
  EXPECT_LT(pointer->points[0].x(), 149);
}

TEST(AttitudeOverlay, AircraftSymbolsByType) {
  const RecordingCanvas sep = Overlay(Aircraft("SEP"));
  ASSERT_EQ(sep.Count(Op::Arc), 1);
  for (const auto& p : sep.log) {
    if (p.op != Op::Arc) continue;
    EXPECT_EQ(p.pen.color, clr::Red);
    EXPECT_EQ(p.points[2], QPoint(149 - 20, 149));  // from the left point
    EXPECT_EQ(p.points[3], QPoint(149 + 20, 149));  // counter-clockwise to the right: the lower half
  }
  const RecordingCanvas jet = Overlay(Aircraft("737"));
  EXPECT_EQ(jet.Count(Op::Arc), 0);
  EXPECT_EQ(jet.Texts().size(), 4);  // labels only: 2880 ft above the airport
  SimState low = Aircraft("737");
  low.Altitude = 120 + 135;
  const auto height = TextsOf(Overlay(low), "130");
  ASSERT_EQ(height.size(), 1);
  EXPECT_EQ(height[0].points[0], QPoint(2 * 223 - 70, 20));
  EXPECT_EQ(height[0].font.size, 16);
}

TEST(AttitudeOverlay, WarningsOnlyWhileActive) {
  SimState s = Aircraft("SEP EFIS");
  s.FailureCode = "GPWS";
  s.FailurePhase = 1;
  EXPECT_TRUE(TextsOf(Overlay(s), "PULL UP").isEmpty());
  s.FailurePhase = 2;
  const auto pull = TextsOf(Overlay(s), "PULL UP");
  ASSERT_EQ(pull.size(), 1);
  EXPECT_EQ(pull[0].points[0], QPoint(223 - 50, 446 - 80));
  EXPECT_EQ(pull[0].font.color, clr::Red);
  EXPECT_EQ(pull[0].font.size, 20);
  s.FailureCode = "WS";
  EXPECT_EQ(TextsOf(Overlay(s), "WINDSHEAR").size(), 1);
  s.FailurePhase = 3;
  EXPECT_TRUE(TextsOf(Overlay(s), "WINDSHEAR").isEmpty());
}

TEST(AttitudeDisc, SkySliceAboveTheTurnedBoundary) {
  AdiView v;
  v.Width = v.Height = 298;
  v.Zoom = 85;
  v.VertOffset = 40;
  v.Rotation = 30;
  RecordingCanvas c;
  DrawAttitudeDisc(c, v);
  ASSERT_EQ(c.Count(Op::Pie), 2);
  const auto& sky = c.log[0];
  EXPECT_EQ(sky.brush.color, clr::Blue);
  EXPECT_EQ(sky.pen.style, PenStyle::Clear);
  // Radius 127, centre shifted down by the pitch shift.
  EXPECT_EQ(sky.points[0], QPoint(149 - 127, 189 - 127));
  // From the rising right end counter-clockwise to the left end.
  EXPECT_GT(sky.points[2].x(), 149);
  EXPECT_LT(sky.points[2].y(), 189);
  EXPECT_EQ(c.log[1].brush.color, clr::Maroon);
  EXPECT_EQ(c.log[1].points[2], sky.points[3]);
}

// With the wings level and the nose within 5 degrees of the horizon the
// ladder's figures stand whole where the chart leaves them room: inside the
// round dial's bezel ring, on the chart, clear of the bank scale, on their
// designed transparent ground, painted before the bezel and the bank scale
// (which cover what the pitch carries under them), at every client area of
// the range, measured with the real font. The disc under the ladder fills
// the round dial's window, and its horizon runs where the ladder's is.
class AttitudeFigures : public test::WithApplicationFonts {};

TEST_F(AttitudeFigures, AtRestInsideTheDialAndClearOfTheScale) {
  // Whether a recorded line meets `ink`, looked at closely only near it.
  const auto meets = [](const RecordingCanvas::Primitive& line, const QRect& ink) {
    const int pen = line.pen.width;
    return QRect(line.points[0], line.points[1]).normalized().adjusted(-pen, -pen, pen, pen).intersects(ink) &&
           test::LineMeets(line, ink);
  };
  QStringList faults;
  QSet<QString> seen;
  // First the full-HD window, whose ladder stays as designed.
  QVector<QSize> clients{{1920, 1041}};
  for (int w = 1180; w <= 2560; w += 20)
    for (int h = 610; h <= 1440; h += 20) clients << QSize(w, h);
  for (const QString type : {"SEP", "SEP EFIS", "737"})
    for (const QSize client : clients) {
      const int w = client.width(), h = client.height();
      PanelLayoutInput in;
      in.Client = client;
      in.Type = type;
      in.Map = MapPlace::Hidden;
      const PanelLayout L = LayOutPanel(in);
      const QSize chart = L.Of("Chart1").size();
      const QString key =
          QString("%1 %2 %3 %4 %5").arg(type).arg(L.CellSize).arg(chart.width()).arg(w > 1400).arg(L.Chart1Zoom);
      if (seen.contains(key)) continue;
      seen.insert(key);
      const bool round = IsRoundDialPanel(type);
      // Pitch and bank: the wings level from 5 degrees nose down to 5 up,
      // then states that carry figures under the bezel and the bank scale.
      QVector<QPointF> states;
      for (int tenths = -50; tenths <= 50; tenths += 5) states << QPointF(tenths / 10.0, 0);
      states << QPointF(-6.5, 0) << QPointF(-25, 0) << QPointF(0, 45) << QPointF(-6.5, 45) << QPointF(15, -30);
      for (const QPointF attitude : states) {
        // Whole inside the window is asked within 5 degrees, wings level.
        const bool near = attitude.y() == 0 && std::abs(attitude.x()) <= 5;
        SimState s;
        s.AircraftType = type;
        s.CellFrameMargin = 2;
        s.CellFrameCornerCut = 30;
        s.PitchAttitude = attitude.x();
        s.BankAngle = attitude.y();
        // The jets' radio height is written too, after the bank scale.
        s.Altitude = 500;
        SetCellLayout(s, L.CellSize);
        SetChartCentres(s, chart, L.Of("chart4").size());
        AdiView v;
        v.Width = chart.width();
        v.Height = chart.height();
        v.ClientWidth = w;
        v.Zoom = L.Chart1Zoom;
        RefreshAttitudeState(s, v);
        if (w == 1920 && h == 1041) EXPECT_EQ(s.AdiPixelsPerDegree, round ? 4 : 7) << type.toStdString();
        v.VertOffset = AdiPitchShift(s.PitchAttitude, s.BankAngle, s.AdiPixelsPerDegree);
        RecordingCanvas c;
        DrawAttitudeDisc(c, v);
        DrawAttitudeOverlay(c, s, v);
        const QString state =
            QString("%1 %2x%3 pitch %4 bank %5").arg(type).arg(w).arg(h).arg(s.PitchAttitude).arg(s.BankAngle);
        const QPointF centre(s.AdiCentreX, s.AdiCentreY);

        // The bezel's rings and the bank scale's marks (white lines
        // pointing at the centre), and the window the rings leave.
        qsizetype scaleFrom = c.log.size();
        double window = 1e9;
        QVector<qsizetype> scaleMarks;
        for (qsizetype k = 0; k < c.log.size(); ++k) {
          const auto& p = c.log[k];
          if (p.op == Op::Ellipse && p.pen.color != clr::Red) {
            scaleFrom = std::min(scaleFrom, k);
            window = std::min(window, std::abs(p.points[1].x() - p.points[0].x()) / 2.0 - p.pen.width / 2.0);
          }
          if (p.op != Op::Line) continue;
          const QPointF a = p.points[0] - centre, b = p.points[1] - centre;
          const double ra = std::hypot(a.x(), a.y()), rb = std::hypot(b.x(), b.y());
          // Both ends in one direction from the centre, give or take their rounding.
          const bool radial =
              std::abs(a.x() * b.y() - a.y() * b.x()) <= 0.03 * ra * rb && QPointF::dotProduct(a, b) > 0;
          if (radial && p.pen.color == clr::White) {
            scaleFrom = std::min(scaleFrom, k);
            scaleMarks << k;
          }
        }
        if (scaleMarks.size() != 15) faults << state + QString(": %1 bank marks").arg(scaleMarks.size());

        // The disc fills the round dial's window at level pitch, and its
        // horizon runs midway between the two labelled marks.
        const auto& sky = c.log[0];
        const double discRadius = (sky.points[1].x() - sky.points[0].x()) / 2.0;
        if (round && attitude.isNull() && discRadius < window + 1)
          faults << state + QString(": disc radius %1 inside the window of %2").arg(discRadius).arg(window);
        // The labelled marks are the ladder's longest lines short of the
        // glass horizon line: thin, white and level with the wings level.
        QVector<double> labelled;
        int longest = 0;
        for (const auto& p : c.log) {
          const int length = p.points.size() == 2 ? p.points[1].x() - p.points[0].x() : 0;
          if (p.op != Op::Line || p.pen.color != clr::White || p.pen.width != 1 || p.points[0].y() != p.points[1].y() ||
              length >= chart.width() || length < longest)
            continue;
          if (length > longest) labelled.clear();
          longest = length;
          labelled << p.points[0].y();
        }
        if (near && labelled.size() == 2 &&
            std::abs((labelled[0] + labelled[1]) / 2 - (sky.points[0].y() + discRadius)) > 1)
          faults << state + QString(": horizon at %1, between the \"10\" marks at %2 and %3")
                                .arg(sky.points[0].y() + discRadius)
                                .arg(labelled[0])
                                .arg(labelled[1]);

        int figures = 0;
        for (qsizetype k = 0; k < c.log.size(); ++k) {
          const auto& t = c.log[k];
          if (t.op != Op::Text && t.op != Op::RotatedText) continue;
          const QRect ink = test::InkOf(t);
          const QString where = state + ": " + test::DescribeText(t, ink);
          // No text painted over a bank mark.
          for (const qsizetype m : scaleMarks)
            if (m < k && meets(c.log[m], ink)) faults << where + " written over a bank mark";
          if (t.text != "10") continue;
          ++figures;
          if (t.brush.style != BrushStyle::Clear) faults << where + " on a ground of its own";
          if (k > scaleFrom) faults << where + " painted after the bezel or the bank scale";
          if (!near) continue;
          if (!QRect(QPoint(0, 0), chart).contains(ink)) faults << where + " off the chart";
          double far = 0;
          for (const QPointF p :
               {QRectF(ink).topLeft(), QRectF(ink).topRight(), QRectF(ink).bottomLeft(), QRectF(ink).bottomRight()})
            far = std::max(far, std::hypot(p.x() - centre.x(), p.y() - centre.y()));
          if (far >= window) faults << where + QString(" reaches past the window of radius %1").arg(window);
          for (qsizetype j = 0; j < c.log.size(); ++j) {
            const auto& shape = c.log[j];
            if (shape.op == Op::Line && meets(shape, ink))
              faults << where + QString(" meets the line %1,%2-%3,%4")
                                    .arg(shape.points[0].x())
                                    .arg(shape.points[0].y())
                                    .arg(shape.points[1].x())
                                    .arg(shape.points[1].y());
            if (shape.op == Op::Ellipse && test::RingMeets(shape, ink))
              faults << where + QString(" meets the ring %1,%2-%3,%4 (pen %5)")
                                    .arg(shape.points[0].x())
                                    .arg(shape.points[0].y())
                                    .arg(shape.points[1].x())
                                    .arg(shape.points[1].y())
                                    .arg(shape.pen.width);
          }
        }
        // The round dial drops the lower marks from 5 degrees nose up.
        if (near) EXPECT_EQ(figures, round && s.PitchAttitude >= 5 ? 2 : 4) << state.toStdString();
      }
    }
  EXPECT_TRUE(faults.isEmpty()) << faults.size() << " faults, the first ones:\n"
                                << faults.mid(0, 10).join(QChar(10)).toStdString();
}
