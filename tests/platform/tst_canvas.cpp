// The canvas the instruments draw on: colours, arcs, text boxes, turned
// text, and the kept pictures of texts and layers giving the same pixels as
// drawing afresh.
#include <QtTest>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <limits>

#include "platform/canvas.h"
#include "platform/chartsurface.h"

using namespace tvx;

namespace {

QImage Blank(int w = 200, int h = 200) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::gray);
  return image;
}

template <typename F>
QImage Paint(F draw, int w = 200, int h = 200) {
  QImage image = Blank(w, h);
  QPainter painter(&image);
  PainterCanvas c(&painter);
  draw(c);
  return image;
}

// Draws with fresh text and layer drawing, then twice from the kept pictures.
template <typename F>
void ExpectSamePixelsKept(F draw, const char* what) {
  PainterCanvas::CacheText = false;
  PainterCanvas::CacheLayers = false;
  const QImage fresh = Paint(draw);
  PainterCanvas::CacheText = true;
  PainterCanvas::CacheLayers = true;
  const QImage first = Paint(draw);
  const QImage kept = Paint(draw);
  QVERIFY2(first == fresh, what);
  QVERIFY2(kept == fresh, what);
}

}  // namespace

class tst_Canvas : public QObject {
  Q_OBJECT
 private slots:
  void coloursAreBlueGreenRed() {
    const QImage image = Paint([](Canvas& c) {
      c.Brush.style = BrushStyle::Solid;
      c.Brush.color = clr::Red;
      c.FillRect(0, 0, 10, 10);
      c.Brush.color = clr::Blue;
      c.FillRect(10, 0, 20, 10);
      c.Brush.color = RGBColor(1, 2, 3);
      c.FillRect(20, 0, 30, 10);
    });
    QCOMPARE(image.pixelColor(5, 5), QColor(255, 0, 0));
    QCOMPARE(image.pixelColor(15, 5), QColor(0, 0, 255));
    QCOMPARE(image.pixelColor(25, 5), QColor(1, 2, 3));
    // Right and bottom edges are exclusive.
    QCOMPARE(image.pixelColor(30, 5), QColor(Qt::gray));
    QCOMPARE(image.pixelColor(25, 10), QColor(Qt::gray));
  }

  // Figures reaching a world away: cut where they leave any surface or left
  // out, and never an overflow in the pixel arithmetic.
  void farOffFiguresAreCutOrLeftOut() {
    const int big = std::numeric_limits<int>::max(), small = std::numeric_limits<int>::min();
    const QImage blank = Blank();
    const QImage untouched = Paint([&](Canvas& c) {
      c.Brush.color = clr::Red;
      c.Ellipse(small, small, big, big);
      c.Arc(small, 0, big, 10, 0, 0, 5, 5);
      c.Pie(0, small, 10, big, 0, 0, 5, 5);
      c.TextOut(big, 20, "FAR");
      QCOMPARE(c.PenPos(), QPoint(big, 20));
      c.RotatedTextOut(20, small, 45, "FAR");
      c.MoveTo(big, small);
      c.LineTo(small, small);  // wholly outside
    });
    QVERIFY(untouched == blank);

    double start = 0, span = 0;
    ArcAngles(small, small, big, big, big, 0, 0, big, start, span);
    QVERIFY(std::isfinite(start) && std::isfinite(span));

    const QImage image = Paint([&](Canvas& c) {
      c.Pen.color = clr::Blue;
      c.MoveTo(10, 100);
      c.LineTo(big, 100);  // due east
      c.MoveTo(small, small);
      c.LineTo(big, big);  // through the corner, diagonally
      c.Polyline({QPoint(10, 50), QPoint(big, 50), QPoint(10, 60)});
      c.Brush.color = clr::Lime;
      c.Polygon({QPoint(20, 120), QPoint(20, 180), QPoint(big, 150)});
      c.Brush.color = clr::Red;
      c.FillRect(small, 190, big, big);  // the bottom rows
    });
    const QColor blue(0, 0, 255), lime(0, 255, 0), red(255, 0, 0);
    for (int x : {10, 100, 199}) {
      QCOMPARE(image.pixelColor(x, 100), blue);
      QCOMPARE(image.pixelColor(x, 50), blue);
    }
    QCOMPARE(image.pixelColor(30, 30), blue);
    QCOMPARE(image.pixelColor(185, 185), blue);
    QCOMPARE(image.pixelColor(60, 60), blue);
    QCOMPARE(image.pixelColor(100, 60), blue);  // the way back from afar
    QCOMPARE(image.pixelColor(100, 55), QColor(Qt::gray));
    QCOMPARE(image.pixelColor(40, 150), lime);
    QCOMPARE(image.pixelColor(199, 150), lime);
    QCOMPARE(image.pixelColor(40, 115), QColor(Qt::gray));
    for (int x : {0, 100, 199}) QCOMPARE(image.pixelColor(x, 195), red);
    QCOMPARE(image.pixelColor(100, 185), QColor(Qt::gray));
  }

  void arcRunsCounterClockwise() {
    // From the left point counter-clockwise to the right point: the lower half.
    const QImage image = Paint([](Canvas& c) {
      c.Pen.color = clr::Red;
      c.Pen.width = 2;
      c.Arc(60, 60, 140, 140, 60, 100, 140, 100);
    });
    QCOMPARE(image.pixelColor(100, 139), QColor(255, 0, 0));
    QCOMPARE(image.pixelColor(100, 60), QColor(Qt::gray));
    QCOMPARE(image.pixelColor(100, 61), QColor(Qt::gray));
    double start, span;
    ArcAngles(60, 60, 140, 140, 60, 100, 140, 100, start, span);
    QCOMPARE(std::fmod(start + 360.0, 360.0), 180.0);
    QCOMPARE(span, 180.0);
  }

  void textOnAFilledBoxOnlyWithASolidBrush() {
    const QImage image = Paint([](Canvas& c) {
      c.Font.size = 10;
      c.Font.color = clr::Black;
      c.Brush.style = BrushStyle::Solid;
      c.Brush.color = clr::Red;
      c.TextOut(10, 10, "OFF");
      c.Brush.style = BrushStyle::Clear;
      c.TextOut(10, 50, "OFF");
    });
    // The box is red between the letters; without a brush the grey shows.
    QCOMPARE(image.pixelColor(10, 10), QColor(255, 0, 0));
    QCOMPARE(image.pixelColor(10, 50), QColor(Qt::gray));
    int black = 0;
    for (int y = 50; y < 65; ++y)
      for (int x = 10; x < 40; ++x) black += image.pixelColor(x, y) == QColor(0, 0, 0);
    QVERIFY(black > 10);
  }

  void turnedTextAnchoredAtItsTopLeft() {
    // 90 degrees counter-clockwise: the box runs upward from the anchor.
    const QImage image = Paint([](Canvas& c) {
      c.Font.size = 10;
      c.Brush.style = BrushStyle::Solid;
      c.Brush.color = clr::Red;
      c.RotatedTextOut(100, 100, 90, "OFF");
    });
    QCOMPARE(image.pixelColor(102, 98), QColor(255, 0, 0));
    QCOMPARE(image.pixelColor(102, 110), QColor(Qt::gray));
    QCOMPARE(image.pixelColor(98, 98), QColor(Qt::gray));
  }

  void fontSizesArePointsAt96PixelsPerInch() {
    QCOMPARE(FontPixelSize(12), 16);
    QCOMPARE(FontPixelSize(7), 9);
    QCOMPARE(FontPixelSize(15), 20);
  }

  void keptTextsGiveTheSamePixels() {
    ExpectSamePixelsKept(
        [](Canvas& c) {
          c.Font.size = 13;
          c.Font.color = clr::White;
          c.Brush.style = BrushStyle::Solid;
          c.Brush.color = clr::Black;
          // Each text at an anchor of its own.
          int i = 0;
          for (int a = -180; a <= 360; a += 17, ++i)
            c.RotatedTextOut(30 + (i % 6) * 30, 30 + (i / 6) * 30, a, QString::number(a));
          c.Font.bold = true;
          c.TextOut(3, 3, "VOR1: AAA");
          c.Brush.style = BrushStyle::Clear;
          c.RotatedTextOut(50, 150, 30, "10");
        },
        "texts");
  }

  void layerKeepsPixelsAndLeavesItsState() {
    const auto draw = [](Canvas& c) {
      c.Pen.width = 3;
      c.Layer("test layer", QRect(20, 20, 160, 160), [](Canvas& l) {
        l.Brush.style = BrushStyle::Solid;
        l.Brush.color = clr::Black;
        l.Pen.color = clr::White;
        l.Ellipse(30, 30, 170, 170);
        l.MoveTo(100, 40);
        l.LineTo(100, 160);  // drawn with the width the caller left
        l.Font.size = 9;
        l.Font.color = clr::Lime;
        l.RotatedTextOut(60, 60, 45, "33");
        l.Pen.color = clr::Fuchsia;
      });
      // The state the layer left carries on.
      c.MoveTo(10, 190);
      c.LineTo(190, 190);
      c.TextOut(5, 5, "x");
    };
    ExpectSamePixelsKept(draw, "layer");
    PainterCanvas::CacheLayers = true;
    QImage image = Blank();
    QPainter painter(&image);
    PainterCanvas c(&painter);
    for (int i = 0; i < 2; ++i) {
      c.Pen = PenState{};
      c.Pen.width = 3;
      c.Layer("state layer", QRect(0, 0, 50, 50), [](Canvas& l) {
        l.Pen.color = clr::Fuchsia;
        l.Font.size = 9;
        l.MoveTo(1, 1);
        l.LineTo(20, 20);
      });
      QCOMPARE(c.Pen.color, clr::Fuchsia);
      QCOMPARE(c.Pen.width, 3);
      QCOMPARE(c.Font.size, 9);
      QCOMPARE(c.PenPos(), QPoint(20, 20));
    }
    // A layer drawn with another starting pen is drawn afresh, not taken from
    // the one kept for width 3.
    c.Pen = PenState{};
    c.Pen.width = 1;
    int calls = 0;
    c.Layer("state layer", QRect(0, 0, 50, 50), [&calls](Canvas&) { ++calls; });
    QCOMPARE(calls, 1);
  }

  void recordingCanvasDrawsLayersDirectly() {
    RecordingCanvas c;
    c.Layer("any", QRect(0, 0, 10, 10), [](Canvas& l) {
      l.MoveTo(0, 0);
      l.LineTo(5, 5);
    });
    QCOMPARE(c.Count(RecordingCanvas::Op::Line), 1);
  }

  void repaintRequestRunsTheChartsRefreshFirst() {
    ChartSurface chart;
    chart.resize(40, 40);
    int refreshes = 0, paints = 0;
    int requestsAtRefresh = -1;
    chart.BeforeRepaint = [&] {
      ++refreshes;
      requestsAtRefresh = chart.RepaintRequests;
    };
    chart.AfterDraw = [&](Canvas&) { ++paints; };
    chart.Repaint();
    chart.Repaint();
    QCOMPARE(refreshes, 2);
    QCOMPARE(requestsAtRefresh, 2);
    QCOMPARE(paints, 0);  // without an event loop nothing paints, yet the refresh ran
    chart.Render();
    QCOMPARE(refreshes, 2);  // painting does not refresh
    QCOMPARE(paints, 1);
  }
};

QTEST_MAIN(tst_Canvas)
#include "tst_canvas.moc"
