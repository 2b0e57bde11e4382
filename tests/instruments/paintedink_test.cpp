// The measure the painted-texts sweeps rely on, against what a painting
// canvas paints.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "instruments/applicationfonts.h"
#include "instruments/paintedtexts.h"

using namespace tvx;
using namespace tvx::test::painted;

namespace {

class PaintedInk : public test::WithApplicationFonts {};

}  // namespace

// The measure the sweeps rely on holds every pixel the canvas paints for a
// text, and little more.
TEST_F(PaintedInk, InkHoldsThePaintedPixels) {
  for (int size : {5, 8, 10, 14, 16})
    for (bool bold : {false, true})
      for (const QString& text : {QString("10"), QString("MWM"), QString(" 29.92   "), QString("[ G - H ]"),
                                  QString("240 / 20"), QString("Wj")}) {
        FontState f;
        f.size = size;
        f.bold = bold;
        f.color = clr::White;
        QImage image(300, 300, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
          QPainter painter(&image);
          PainterCanvas c(&painter);
          c.Brush.style = BrushStyle::Clear;
          c.Font = f;
          c.TextOut(100, 100, text);
        }
        QRect painted;
        for (int y = 0; y < image.height(); ++y)
          for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y))) painted |= QRect(x, y, 1, 1);
        const QRect ink = MeasureOf(f, text).ink.translated(100, 100);
        EXPECT_TRUE(ink.contains(painted)) << text.toStdString() << " " << size << " pt: painted " << painted.x() << ","
                                           << painted.y() << " " << painted.width() << "x" << painted.height()
                                           << ", measured " << ink.x() << "," << ink.y() << " " << ink.width() << "x"
                                           << ink.height();
        // No more than a pixel's slack on any side, so that a text a pixel
        // clear of a line does not read as crossed; two on the right after
        // leading blanks, whose advance the painter rounds its own way.
        const bool leadingBlank = text.front().isSpace();
        EXPECT_LE(painted.left() - ink.left(), 1) << text.toStdString() << " " << size << " pt";
        EXPECT_LE(ink.right() - painted.right(), leadingBlank ? 2 : 1) << text.toStdString() << " " << size << " pt";
        EXPECT_LE(painted.top() - ink.top(), 1) << text.toStdString() << " " << size << " pt";
        EXPECT_LE(ink.bottom() - painted.bottom(), 1) << text.toStdString() << " " << size << " pt";
      }
}
