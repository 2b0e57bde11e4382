#pragma once
// The attitude indicator: a sky/ground disc turned by the bank and shifted by
// the pitch, and the overlay drawn on it (ladder, bezel, bank scale, aircraft
// symbol, radio height, warnings, TCAS band).
#include <QString>
#include <QVector>

#include "platform/canvas.h"
#include "simulator/simstate.h"

namespace tvx {

// Pixels per degree of pitch as designed: 4 on the round-dial panel, 7 on
// the glass panels.
int AdiPixelsPerDegreeFor(const QString& type);
// The disc's downward shift that moves the turned horizon by pitch x ppd
// pixels at right angles to itself.
int AdiPitchShift(double pitch, double bank, double pixelsPerDegree);
// The chart's background where the shifted disc leaves it uncovered.
TColor AdiBackgroundColour(double pitch);

// One line of the pitch ladder.
struct LadderMark {
  double Pitch = 0;
  int HalfLength = 0;
  bool Labelled = false;  // "10" written left and right
};
// The ladder marks shown at this pitch, in drawing order.
QVector<LadderMark> VisibleLadderMarks(const QString& type, double pitch);

// The chart the indicator is drawn on.
struct AdiView {
  int Width = 0, Height = 0;
  int ClientWidth = 0;
  int Zoom = 85;        // percent; the disc and the turned figures scale with it
  int VertOffset = 0;   // the disc's pitch shift
  double Rotation = 0;  // the disc's turn, degrees counter-clockwise
};

// The bank scale's radius: the dial's on the round dial; on the glass panels
// it follows the chart, further in on wide windows.
int BankScaleRadius(const QString& type, int instrumentRadius, const AdiView& v);

// One mark of the bank scale: a radial line at `Angle` degrees (dial angle)
// from radius `Inner` to `Outer`, pen `Width` px.
struct BankMark {
  int Angle = 0;
  int Inner = 0, Outer = 0;
  int Width = 1;
};
// The bank scale of radius `Rb`, in drawing order; the glass panels' thick
// marks reach 14 px beyond the scale.
QVector<BankMark> BankScaleMarks(bool roundDial, int Rb);

// The pitch ladder as a chart paints it: the designed ladder scaled by
// `Scale` (1 where the chart holds it): pixels per degree, mark lengths, the
// "10" figures' places and font. The left figure starts `Left` px left of
// its mark's centre, the right one `Right` px right of it, both `Lift` px
// above the mark, in `FontSize` points (zoom applied).
struct LadderScale {
  double Scale = 1;
  double PixelsPerDegree = 4;
  int FontSize = 12;
  int Left = 0, Right = 0;
  int Lift = 11;
  int HalfLength(int designed) const;
};
// The designed ladder where, with the wings level and the nose within 5
// degrees of the horizon, every "10" stands whole inside the dial: within the
// round dial's bezel ring, on the chart, clear of the bank scale's marks.
// Where a small dial cannot hold it, the same ladder smaller, as much as it
// takes; a chart not laid out yet gets the designed one.
LadderScale LadderScaleFor(const QString& type, int instrumentRadius, const AdiView& v);

// The TCAS resolution band: pitch above `Upper` and below `Lower` is fenced off.
struct TcasBand {
  double Upper = 0;
  double Lower = 0;
};
bool TcasBandShown(const SimState& s);
TcasBand TcasBandFor(const QString& advisory, double airspeed);

// The jets' radio height: whole feet, whole tens above 100 ft; empty from
// 2500 ft above the airport up.
QString RadioHeightText(double altitude, int airportElevation);

// What the attitude indicator shows but does not compute: its pixels per
// degree on the chart `v` and the TCAS band's pitch. Run where the indicator
// is repainted.
void RefreshAttitudeState(SimState& s, const AdiView& v);

// The grey bezel of the round-dial indicator: an ellipse outline through
// (-Inset, -Inset) to (2 cx + Inset, 2 cy + Inset), pen `Width` wide. It
// covers the chart's corners outside the dial at any cell size; the inner
// edge stays where it is on a 1600 x 900 window.
struct BezelStroke {
  int Inset = 20;
  int Width = 95;
};
BezelStroke AttitudeBezelStroke(int cx, int cy);

// The sky/ground disc: sky above the boundary through the shifted centre.
void DrawAttitudeDisc(Canvas& c, const AdiView& v);
// Everything drawn over the disc.
void DrawAttitudeOverlay(Canvas& c, const SimState& s, const AdiView& v);

}  // namespace tvx
