#pragma once
// Texts the charts paint at places that follow the chart's size: a text
// keeps its designed place and size where it fits, moves within its room,
// and shrinks to no less than a size a user still reads.
#include <QPointF>
#include <QRect>
#include <QString>

#include "platform/canvas.h"

namespace tvx {

// The smallest font the charts shrink a text to, in points.
inline constexpr int kSmallestChartFont = 8;
// The gap left between two texts placed side by side.
inline constexpr int kTextGap = 4;

// The smallest cell side on which the texts placed by fixed offsets keep
// their designed places and sizes: that of a 1600 x 900 client area.
inline constexpr int kFullSizeCell = 149;

// How much the texts placed by fixed offsets shrink on smaller cells: their
// offsets and fonts follow the cell, so that they keep their places among
// the dials and scales, which follow it too. Never above 1.
double ChartTextScale(int cellSize);
// A font of `designed` points shrunk by `scale`, not below kSmallestChartFont
// (nor above the designed size).
int ScaledFontSize(int designed, double scale);

// The largest font size from `designed` down to kSmallestChartFont at which
// `text` is at most `room` pixels wide on `c`; kSmallestChartFont when none is.
int FittingFontSize(Canvas& c, const QString& text, int designed, int room);

// The pixels the glyphs of `text` cover when it is written in `font` with its
// top-left corner at (0, 0): narrower and lower than the line's box.
QRect TextInk(const FontState& font, const QString& text);

// Whether a line from `a` to `b`, drawn with a pen `penWidth` px wide,
// comes within a pixel of the pixels `ink`.
bool LineMeetsInk(QPointF a, QPointF b, int penWidth, const QRect& ink);

// The left edge for a text `width` wide, designed at `x`, moved left just far
// enough to end by `right` (never left of `left`).
int FitLeft(int x, int width, int left, int right);

}  // namespace tvx
