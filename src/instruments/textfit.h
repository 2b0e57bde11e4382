#pragma once
// Texts the charts paint at places that follow the chart's size: a text
// keeps its designed place and size where it fits, moves within its room,
// and shrinks to no less than a size a user still reads.
#include <QString>

#include "platform/canvas.h"

namespace tvx {

// The smallest font the charts shrink a text to, in points.
inline constexpr int kSmallestChartFont = 8;
// The gap left between two texts placed side by side.
inline constexpr int kTextGap = 4;

// The largest font size from `designed` down to kSmallestChartFont at which
// `text` is at most `room` pixels wide on `c`; kSmallestChartFont when none is.
int FittingFontSize(Canvas& c, const QString& text, int designed, int room);

// The left edge for a text `width` wide, designed at `x`, moved left just far
// enough to end by `right` (never left of `left`).
int FitLeft(int x, int width, int left, int right);

}  // namespace tvx
