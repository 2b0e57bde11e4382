#include "instruments/layout.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "platform/textutil.h"
#include "simulator/aircrafttype.h"

namespace tvx {

QSize DefaultClientSize(const QSize& screen) {
  QSize available = screen;
  if (const QScreen* primary = QGuiApplication::primaryScreen(); primary && primary->size() == screen)
    available = primary->availableGeometry().size();
  // Less the menu bar of the window.
  return QSize(available.width(), std::max(1, available.height() - 22));
}

int CellSizeFor(double clientWidth, double clientHeight) {
  const double m = std::min(clientWidth / 4.0, clientHeight / 3.0);
  return RoundPixel(m / 2.0 - 1.0);
}

void SetCellLayout(SimState& s, int U) {
  s.CellSize = U;
  s.InstrumentRadius = InstrumentRadiusOf(U);
  const TickLengths ticks = TickLengthsOf(s.InstrumentRadius);
  s.TickLengthShort = ticks.Short, s.TickLengthLong = ticks.Long;
  s.CardTickLengthShort = ticks.CardShort, s.CardTickLengthLong = ticks.CardLong;
  s.AsiCentreX = U, s.AsiCentreY = U;
  s.TurnCoordinatorCentreX = U, s.TurnCoordinatorCentreY = 3 * U;
  s.AltimeterCentreX = U, s.AltimeterCentreY = U;
  s.Vor1CentreX = 3 * U, s.Vor1CentreY = U;
  s.VsiCentreX = U, s.VsiCentreY = 3 * U;
  s.Vor2CentreX = 3 * U, s.Vor2CentreY = 3 * U;
  s.AdfCentreX = 3 * U, s.AdfCentreY = 5 * U;
  SetEngineCentre(s);
  s.AdiCentreX = U, s.AdiCentreY = U;
  s.HsiCentreX = U, s.HsiCentreY = U;
}

void ComputeCellLayout(SimState& s, double clientWidth, double clientHeight) {
  SetCellLayout(s, CellSizeFor(clientWidth, clientHeight));
}

int StripStep(int chart4Width) { return (chart4Width / 2 - 78) / 2; }

void PlaceStrips(const QRect& chart1, const QRect& chart3, int chart4Width, QRect& loc, QRect& gs) {
  const int s = StripStep(chart4Width);
  loc = QRect(chart1.left() + chart1.width() / 2 - s - 10, chart1.top() + chart1.height() - 40, 2 * s + 20, 30);
  gs = QRect(chart3.left() - 40, chart1.top() + chart1.height() / 2 - s - 10, 30, 2 * s + 20);
}

void SetChartCentres(SimState& s, const QSize& chart1, const QSize& chart4) {
  s.AdiCentreX = chart1.width() / 2;
  s.AdiCentreY = chart1.height() / 2;
  s.HsiCentreX = chart4.width() / 2;
  s.HsiCentreY = chart4.height() / 2;
}

void SetEngineCentre(SimState& s) {
  const int U = s.CellSize;
  if (IsRoundDialPanel(s.AircraftType)) s.EngineCentreX = U, s.EngineCentreY = 5 * U;
  else s.EngineCentreX = 3 * U, s.EngineCentreY = U;
}

}  // namespace tvx
