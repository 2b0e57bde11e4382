#pragma once
// The grid of square cells the instrument charts are laid out on, and the
// dial geometry that follows from it.
#include <QRect>
#include <QSize>

#include "simulator/simstate.h"

namespace tvx {

// Client areas wider than this give the jet's right-hand chart five cells,
// its engine dials their wide arrangement, the glass attitude ring its wide
// margin and the map its place at the right edge.
inline constexpr int kWideClientWidth = 1400;
// Client areas no wider than the above and lower than this give the jet's
// chart 5.1 cells; as high or higher, its engine dials their tall
// arrangement.
inline constexpr int kLowClientHeight = 900;

// The round dials' radius leaves this margin inside half a cell.
inline constexpr int kInstrumentMargin = 15;
constexpr int InstrumentRadiusOf(int cellSize) { return cellSize - kInstrumentMargin; }

// The lengths of the dials' ticks and of the compass cards' ticks, in three
// bands of the instrument radius.
struct TickLengths {
  int Short, Long, CardShort, CardLong;
};
constexpr TickLengths TickLengthsOf(int instrumentRadius) {
  if (instrumentRadius <= 90) return {7, 14, 4, 8};
  if (instrumentRadius <= 150) return {10, 20, 7, 14};
  return {11, 22, 8, 16};
}

// The cell side of the grid for a client area: half the smaller of a
// quarter of its width and a third of its height, less one, rounded.
int CellSizeFor(double clientWidth, double clientHeight);

// The client area a maximised simulator window gets on a screen of `screen`
// size (the window is not sized yet when it is built).
QSize DefaultClientSize(const QSize& screen);

// Cell size, instrument radius, tick lengths and dial centres from the
// window's client size.
void ComputeCellLayout(SimState& s, double clientWidth, double clientHeight);
// The same for a cell side `cellSize` the window's layout chose.
void SetCellLayout(SimState& s, int cellSize);

// Step between the ILS strips' dots, taken from the width of the HSI chart.
int StripStep(int chart4Width);
// The localiser strip along the bottom of the attitude indicator and the
// glideslope strip along its right side.
void PlaceStrips(const QRect& chart1, const QRect& chart3, int chart4Width, QRect& loc, QRect& gs);

// Centres of the attitude indicator and the HSI, from their charts' sizes.
void SetChartCentres(SimState& s, const QSize& chart1, const QSize& chart4);
// Centre of the engine dial for the current type.
void SetEngineCentre(SimState& s);

}  // namespace tvx
