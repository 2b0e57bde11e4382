// The ADF/RMI dial in its three modes.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QStringList>
#include <optional>

#include "instruments/adf.h"
#include "instruments/applicationfonts.h"
#include "instruments/layout.h"

using namespace tvx;
using Op = RecordingCanvas::Op;
using Prim = RecordingCanvas::Primitive;

namespace {

SimState Classic() {
  SimState s;
  s.AircraftType = "SEP";
  ComputeCellLayout(s, 1600, 900);  // ADF centre (447, 745)
  return s;
}

InstrOptions Mode(int m) {
  InstrOptions o;
  o.ADFRMI = m;
  return o;
}

// The needle's shaft: the first white width-2 line.
std::optional<Prim> Shaft(const RecordingCanvas& c) {
  for (const auto& p : c.log)
    if (p.op == Op::Line && p.pen.width == 2 && p.pen.color == clr::White) return p;
  return std::nullopt;
}

std::optional<Prim> FindText(const RecordingCanvas& c, const QString& text) {
  for (const auto& p : c.log)
    if ((p.op == Op::Text || p.op == Op::RotatedText) && p.text == text) return p;
  return std::nullopt;
}

RecordingCanvas Needle(const SimState& s, int mode) {
  RecordingCanvas c;
  DrawADFNeedle(c, s, Mode(mode));
  return c;
}

constexpr int kRho = 134 - 20 - 13;  // needle radius 101

}  // namespace

TEST(AdfCard, HeadingByMode) {
  EXPECT_EQ(AdfCardHeadingFor(0, 123, 77), 0);
  EXPECT_EQ(AdfCardHeadingFor(1, 123, 77), 123);
  EXPECT_EQ(AdfCardHeadingFor(2, 123, 77), 123);
  EXPECT_EQ(AdfCardHeadingFor(3, 123, 77), 77);
}

TEST(AdfNeedle, ParkedWhenNothingIsReceived) {
  SimState s = Classic();
  s.AdfReceived = false;
  s.AdfQdr = 10;
  s.Heading = 200;
  EXPECT_EQ(AdfNeedleAngle(s, 0), 90);
  const RecordingCanvas c = Needle(s, 0);
  const auto shaft = Shaft(c);
  ASSERT_TRUE(shaft);
  EXPECT_EQ(shaft->points[0], QPoint(447 + kRho, 745));  // 3 o'clock
  EXPECT_FALSE(FindText(c, "OFF"));
  EXPECT_TRUE(FindText(c, "ADF"));
  EXPECT_TRUE(FindText(c, "[ R ]"));
}

TEST(AdfNeedle, StationDeadAheadPointsUp) {
  SimState s = Classic();
  s.AdfReceived = true;
  s.Heading = 30;
  s.AdfQdr = 210;
  const auto shaft = Shaft(Needle(s, 0));
  ASSERT_TRUE(shaft);
  EXPECT_EQ(shaft->points[0], QPoint(447, 745 - kRho));
  EXPECT_EQ(shaft->points[1], QPoint(447, 745 + kRho));
}

TEST(AdfNeedle, RmiReadsTheBearingOnTheTurnedCard) {
  SimState s = Classic();
  s.AdfReceived = true;
  s.Heading = 90;
  s.AdfQdr = 180;  // NDB due north of the aircraft
  s.AdfCardHeading = AdfCardHeadingFor(1, s.Heading, 0);
  RecordingCanvas card;
  DrawADFCard(card, s);
  // "9" stands upright at the top, "0" at 9 o'clock.
  const auto nine = FindText(card, "9");
  ASSERT_TRUE(nine);
  EXPECT_EQ(nine->angle, 0);
  EXPECT_EQ(nine->points[0].y(), 745 - 134);
  const auto zero = FindText(card, "0");
  ASSERT_TRUE(zero);
  EXPECT_EQ(zero->points[0].x(), 447 - 134);
  const RecordingCanvas needle = Needle(s, 1);
  EXPECT_EQ(Shaft(needle)->points[0], QPoint(447 - kRho, 745));
  EXPECT_TRUE(FindText(needle, "ADF - RMI"));
}

TEST(AdfNeedle, VorRmiOffOnAnIls) {
  SimState s = Classic();
  s.Vor1Received = true;
  s.Vor1Radial = 0;
  s.Heading = 0;
  EXPECT_EQ(AdfNeedleAngle(s, 2), 180);  // south of the station: points down
  s.IlsTuned = true;
  const RecordingCanvas c = Needle(s, 2);
  EXPECT_EQ(Shaft(c)->points[0], QPoint(447 + kRho, 745));
  const auto off = FindText(c, "OFF");
  ASSERT_TRUE(off);
  EXPECT_EQ(off->brush.color, clr::Red);
  EXPECT_EQ(off->font.color, clr::Black);
  EXPECT_EQ(off->points[0], QPoint(452, 715));
  EXPECT_TRUE(FindText(c, "VOR - RMI"));
  // Not received: off as well; received without an ILS: no flag.
  s.IlsTuned = false;
  s.Vor1Received = false;
  EXPECT_TRUE(FindText(Needle(s, 2), "OFF"));
  s.Vor1Received = true;
  EXPECT_FALSE(FindText(Needle(s, 2), "OFF"));
}

TEST(AdfNeedle, UnknownModeParksWithoutCaption) {
  SimState s = Classic();
  s.AdfReceived = true;
  s.AdfQdr = 0;
  const RecordingCanvas c = Needle(s, 5);
  EXPECT_EQ(c.Texts(), QVector<QString>{"[ R ]"});
  EXPECT_EQ(Shaft(c)->points[0], QPoint(447 + kRho, 745));
}

TEST(AdfCard, RedMarksStayWhileTheCardTurns) {
  SimState s = Classic();
  const auto marks = [&s](double cardHeading) {
    s.AdfCardHeading = cardHeading;
    RecordingCanvas c;
    DrawADFCard(c, s);
    QVector<QPoint> out;
    for (const auto& p : c.log)
      if (p.op == Op::Line && p.pen.color == clr::Red) out << p.points[0] << p.points[1];
    return out;
  };
  const QVector<QPoint> level = marks(0);
  ASSERT_EQ(level.size(), 32);  // eight Vs of two lines
  // The tip of the top V points inward from the rim, short of the card's
  // inner circle (radius 134 - 20 - 8).
  EXPECT_EQ(level[1].x(), 447);
  EXPECT_GE(level[1].y(), 745 - 134 + 14);
  EXPECT_LT(level[1].y(), 745 - 106);
  EXPECT_EQ(marks(137), level);
}

// The card's figures clear of the red marks on every dial of the panel's
// range (1180 x 610 to 2560 x 1440), on the fixed card and on the turned
// card at every heading that brings figures under the marks (each 15
// degrees): no pixel of a mark on or beside a pixel of a figure, as painted.
class AdfCardFigures : public tvx::test::WithApplicationFonts {};

TEST_F(AdfCardFigures, ClearOfTheRedMarksOnEveryDial) {
  QStringList faults;
  for (int cell = CellSizeFor(1180, 610); cell <= CellSizeFor(2560, 1440); ++cell)
    for (int heading = 0; heading < 360; heading += 15) {
      SimState s = Classic();
      SetCellLayout(s, cell);
      s.AdfCardHeading = heading;
      RecordingCanvas card;
      DrawADFCard(card, s);
      // The figures and the marks painted apart, each on its own image
      // around the dial.
      const int R = s.InstrumentRadius;
      const QRect dial(s.AdfCentreX - R - 2, s.AdfCentreY - R - 2, 2 * R + 5, 2 * R + 5);
      QImage figures(dial.size(), QImage::Format_RGB32), marks(dial.size(), QImage::Format_RGB32);
      figures.fill(Qt::black);
      marks.fill(Qt::black);
      QPainter onFigures(&figures), onMarks(&marks);
      onFigures.translate(-dial.topLeft());
      onMarks.translate(-dial.topLeft());
      PainterCanvas f(&onFigures), m(&onMarks);
      int figureCount = 0, markCount = 0;
      for (const Prim& p : card.log) {
        if (p.op == Op::RotatedText) {
          f.Font = p.font;
          f.Brush.style = BrushStyle::Clear;
          f.RotatedTextOut(p.points[0].x(), p.points[0].y(), p.angle, p.text);
          ++figureCount;
        } else if (p.op == Op::Line && p.pen.color == clr::Red) {
          m.Pen = p.pen;
          m.MoveTo(p.points[0].x(), p.points[0].y());
          m.LineTo(p.points[1].x(), p.points[1].y());
          ++markCount;
        }
      }
      onFigures.end();
      onMarks.end();
      ASSERT_EQ(figureCount, 12);
      ASSERT_EQ(markCount, 16);
      const auto inFigure = [&figures](int x, int y) {
        return figures.rect().contains(x, y) && figures.pixel(x, y) != QColor(Qt::black).rgb();
      };
      for (int y = 0; y < marks.height(); ++y)
        for (int x = 0; x < marks.width(); ++x) {
          if (marks.pixel(x, y) == QColor(Qt::black).rgb()) continue;
          bool meets = false;
          for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) meets = meets || inFigure(x + dx, y + dy);
          if (meets && faults.size() < 10)
            faults << QString("cell %1 card %2: mark at %3,%4 meets a figure")
                          .arg(cell).arg(heading).arg(x + dial.left()).arg(y + dial.top());
          if (meets) y = marks.height(), x = marks.width();  // one fault a dial
        }
    }
  EXPECT_TRUE(faults.isEmpty()) << faults.join("\n").toStdString();
}
