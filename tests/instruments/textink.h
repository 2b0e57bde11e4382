#pragma once
// Where a painted text's glyphs land, measured by the tests themselves with
// the metrics of the real font, not with the program's own text measures.
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QRect>
#include <QString>
#include <cmath>

#include "platform/canvas.h"

namespace tvx::test {

// The pixels the glyphs of `text` cover, from its anchor (the top-left
// corner a canvas writes it at): the baseline a whole ascent below the
// anchor, as the canvas puts it, and the first glyph after leading blanks on
// the pixel their advance reaches. Empty for blanks. Needs a running
// QGuiApplication.
inline QRect PaintedInk(const FontState& font, const QString& text) {
  const QString core = text.trimmed();
  if (core.isEmpty()) return {};
  qsizetype lead = 0;
  while (lead < text.size() && text[lead].isSpace()) ++lead;
  const QFont painted = PaintedFont(font);
  const QFontMetricsF exact(painted);
  const QRectF ink = exact.tightBoundingRect(core).translated(std::floor(exact.horizontalAdvance(text.left(lead))),
                                                              QFontMetrics(painted).ascent());
  return QRect(QPoint(int(std::floor(ink.left())), int(std::floor(ink.top()))),
               QPoint(int(std::ceil(ink.right())) - 1, int(std::ceil(ink.bottom())) - 1));
}

}  // namespace tvx::test
