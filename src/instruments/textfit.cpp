#include "instruments/textfit.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <algorithm>
#include <cmath>

namespace tvx {

int FittingFontSize(Canvas& c, const QString& text, int designed, int room) {
  const int kept = c.Font.size;
  int size = designed;
  for (; size > kSmallestChartFont; --size) {
    c.Font.size = size;
    if (c.TextWidth(text) <= room) break;
  }
  c.Font.size = kept;
  return std::min(size, designed);
}

double ChartTextScale(int cellSize) { return std::min(1.0, double(cellSize) / kFullSizeCell); }

int ScaledFontSize(int designed, double scale) {
  return std::min(designed, std::max(kSmallestChartFont, static_cast<int>(std::lround(designed * scale))));
}

QRect TextInk(const FontState& font, const QString& text) {
  // Without fonts (no application) the line's box stands for the ink.
  if (!qGuiApp) {
    RecordingCanvas box;
    box.Font = font;
    return QRect(0, 0, box.TextWidth(text), box.TextHeight(text));
  }
  QFont f(font.name);
  f.setPixelSize(FontPixelSize(font.size));
  f.setBold(font.bold);
  f.setItalic(font.italic);
  f.setStyleStrategy(QFont::NoAntialias);
  // In fractions of a pixel, then every pixel the glyphs reach into.
  const QFontMetricsF metrics(f);
  const QRectF ink = metrics.tightBoundingRect(text).translated(0, metrics.ascent());
  return QRect(QPoint(int(std::floor(ink.left())), int(std::floor(ink.top()))),
               QPoint(int(std::ceil(ink.right())) - 1, int(std::ceil(ink.bottom())) - 1));
}

int FitLeft(int x, int width, int left, int right) { return std::max(left, std::min(x, right - width)); }

}  // namespace tvx
