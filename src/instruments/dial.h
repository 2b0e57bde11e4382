#pragma once
// Geometry and marks shared by the round instruments. Angles are degrees
// clockwise from 12 o'clock; screen y grows downward; every real coordinate
// becomes a pixel by rounding to the nearest whole number.
#include <QByteArray>
#include <QPoint>
#include <initializer_list>
#include <QString>
#include <functional>

#include "platform/canvas.h"
#include "simulator/simstate.h"

namespace tvx {

// The point at `angleDeg` and `radius` from (cx, cy).
QPoint DialPoint(double cx, double cy, double radius, double angleDeg);

// A line from one point to another.
void DrawLine(Canvas& c, QPoint from, QPoint to);
// A radial line at `angleDeg` from radius r1 to radius r2.
void DrawRadial(Canvas& c, int cx, int cy, double angleDeg, double r1, double r2);
// Ellipse from (x - half, y - half) to (x + half, y + half).
void DrawDot(Canvas& c, QPoint centre, int half);

// The octagonal frame of the 2U x 2U cell with top-left (x0, y0).
void DrawCellFrame(Canvas& c, int x0, int y0, int cellSize, int margin, int cornerCut);

// Key of a kept layer: its name and every value its drawing depends on.
QByteArray LayerKey(const char* name, std::initializer_list<double> values);

// A whole number with leading zeros to three digits ("005", "045", "360").
QString ThreeDigits(int value);

// A pointer through the centre: the line from angle a to angle a + 180 at
// radius rho, with its arrowhead at angle a.
void DrawPointer(Canvas& c, int cx, int cy, double angleDeg, double rho);

// The twelve figures 0, 3, ... 33 of a compass card turned by `cardHeading`:
// figure i anchored at angle 30i - cardHeading - offset on `radius` (offset
// `firstOffset` for the first four, `otherOffset` for the rest), turned with
// the card.
void DrawCardFigures(Canvas& c, int cx, int cy, int cardHeading, double radius, int firstOffset, int otherOffset);
// The same with the offset of figure i (0 to 11) in degrees given by `offset`.
using CardFigureOffset = std::function<double(int i)>;
void DrawCardFigures(Canvas& c, int cx, int cy, int cardHeading, double radius, const CardFigureOffset& offset);
// Ticks every 10 degrees (long) and between them (short) of a card turned by
// `cardHeading`, from `radius` to radius + length (a negative length points
// inward).
void DrawCardTicks(Canvas& c, int cx, int cy, int cardHeading, double radius, int longLength, int shortLength);

// The black face of the classic VOR and ADF dials with its figures on the
// rim, the inner circle and the ticks outward from it, turned by
// `cardHeading`. A card whose figures stand apart from the VOR dials' gives
// its own `offset` and a `layerName` of its own.
void DrawRoundCard(Canvas& c, const SimState& s, int cx, int cy, int cardHeading, const char* layerName = "RoundCard",
                   const CardFigureOffset& offset = {});
// Radius of that inner circle.
int RoundCardInnerRadius(const SimState& s);

}  // namespace tvx
