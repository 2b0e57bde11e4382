#include "instruments/layout.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <optional>

#include "platform/textutil.h"

namespace tvx {

QSize DefaultClientSize(const QSize& screen) {
  QSize available = screen;
  if (const QScreen* primary = QGuiApplication::primaryScreen(); primary && primary->size() == screen)
    available = primary->availableGeometry().size();
  // Less the menu bar of the window.
  return QSize(available.width(), std::max(1, available.height() - 22));
}

namespace {

int CellSizeFor(double clientWidth, double clientHeight) {
  const double m = std::min(clientWidth / 4.0, clientHeight / 3.0);
  return RoundPixel(m / 2.0 - 1.0);
}

void SetCellLayout(SimState& s, int U) {
  s.CellSize = U;
  s.InstrumentRadius = U - 15;
  if (s.InstrumentRadius <= 90) {
    s.TickLengthShort = 7, s.TickLengthLong = 14, s.CardTickLengthShort = 4, s.CardTickLengthLong = 8;
  } else if (s.InstrumentRadius <= 150) {
    s.TickLengthShort = 10, s.TickLengthLong = 20, s.CardTickLengthShort = 7, s.CardTickLengthLong = 14;
  } else {
    s.TickLengthShort = 11, s.TickLengthLong = 22, s.CardTickLengthShort = 8, s.CardTickLengthLong = 16;
  }
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

}  // namespace

void ComputeCellLayout(SimState& s, double clientWidth, double clientHeight) {
  SetCellLayout(s, CellSizeFor(clientWidth, clientHeight));
}

void ComputeCellLayout(SimState& s, double clientWidth, double clientHeight, const QSize& screen,
                       int reservedRight) {
  const int U = CellSizeFor(clientWidth, clientHeight);
  SetCellLayout(s, CellSizeLeavingRoom(U, static_cast<int>(clientWidth), screen, reservedRight));
}

int WidestChartsRight(int U, const QSize& screen) {
  return std::max(8 * U, 4 * U + GlassPanelWidth("737", U, screen));
}

int CellSizeLeavingRoom(int U, int clientWidth, const QSize& screen, int reservedRight) {
  // The jet's chart width is rounded from the cell size, so step down rather
  // than divide.
  while (U > 1 && WidestChartsRight(U, screen) > clientWidth - reservedRight) --U;
  return U;
}

int GlassPanelWidth(const QString& type, int U, const QSize& screen) {
  if (!IsJet(type)) return 4 * U;
  if (screen.width() > 1400) return 5 * U;
  if (screen.height() < 900) return RoundPixel(5.1 * U);
  return 4 * U;
}

PanelPlacement PlacePanel(const PanelPlacementInput& in) {
  const int U = in.CellSize;
  PanelPlacement p;
  if (IsRoundDialPanel(in.Type)) {
    p.Chart1 = QRect(2 * U, 0, 2 * U, 2 * U);
    p.Chart1Zoom = 85;
    p.Chart2 = QRect(0, 0, 2 * U, 4 * U);
    p.Chart3 = QRect(4 * U, 1, 4 * U, 6 * U);
    // With the map shown the HSI moves over the VSI cell and the systems
    // panel makes room for the map.
    p.chart4 = QRect(in.MapVisible ? 4 * U : 2 * U, 2 * U, 2 * U, 2 * U);
    p.SYSTEEMPanel = QRect(in.MapVisible ? 2 * U : 0, 4 * U, 4 * U, 2 * U);
    p.StripsShown = false;
    p.MapLeft = 0;
    return p;
  }
  const int W = GlassPanelWidth(in.Type, U, in.Screen);
  p.Chart1 = QRect(U, 0, 3 * U, 3 * U);
  p.Chart1Zoom = 300;
  p.Chart2 = QRect(0, 0, U, 6 * U);
  p.Chart3 = QRect(4 * U, 1, W, 3 * U);
  p.chart4 = QRect(U, 3 * U, 3 * U, 3 * U);
  p.SYSTEEMPanel = QRect(4 * U, 3 * U, W, 3 * U);
  p.StripsShown = true;
  PlaceStrips(p.Chart1, p.Chart3, p.chart4.width(), p.locchart, p.GSchart);

  int mapLeft = 5 * U + U / 2 + 2;
  mapLeft = std::max(mapLeft, 4 * U + in.RadioPanelRight + 2);
  if (in.Type == "SEP EFIS" && in.Screen.width() <= 1400) mapLeft = 4 * U + 2;
  // MapLeft places the map beside the panel, 4 x 4 cells, whatever size the
  // map has at the moment (full size, or still that of the cells before a
  // resize).
  const int mapWidth = 4 * U;
  if (IsJet(in.Type)) mapLeft = in.Screen.width() > 1400 ? in.FormWidth - mapWidth - 20 : 4 * U + 2;
  // Never past the window's right edge, where the map would be cut (a client
  // area a little narrower than the screen, 1440 px wide say).
  if (in.FormWidth > 0) mapLeft = std::min(mapLeft, in.FormWidth - mapWidth);
  p.MapLeft = mapLeft;
  return p;
}

ScenarioPanelPlace PlaceScenarioPanel(const ScenarioPanelInput& in) {
  constexpr int kMargin = 8, kGap = 4;
  ScenarioPanelPlace p;
  const int clientRight = in.Client.width(), clientBottom = in.Client.height();

  // Beside the charts: kept off the window's right edge, below FLY/STOP,
  // and lifted as far as those allow when the window is low.
  const int left = clientRight - kMargin - in.FullSize.width();
  if (left >= in.ChartsRight + kGap) {
    const int top = std::max(in.ButtonsBottom + kGap, std::min(100, clientBottom - kGap - in.FullSize.height()));
    if (top + in.FullSize.height() <= clientBottom) {
      p.Panel = QRect(QPoint(left, top), in.FullSize);
      return p;
    }
  }

  // On the systems panel, right of the flap box, clear of the chart above.
  p.Compact = true;
  const int contentWidth = std::max(in.CompactListWidth, in.CompactControls.width());
  const int x = std::min(in.SystemsPanel.left() + in.FlapboxRight + kGap, clientRight - 2 * kGap - contentWidth);
  const int y = std::max(in.ChartsBottom, in.SystemsPanel.top()) + 1;
  const int width = clientRight - kGap - x;
  p.ListAt = QPoint(kGap / 2, kGap / 2);
  // Panel-relative tops of the rows that are clear of the A/P panels, which
  // stand in front: `top` itself, or the first line below those panels.
  const auto clearTop = [&](int top, int height) {
    const QRect rows(QPoint(x, y + top) + QPoint(kGap / 2, 0), QSize(in.CompactControls.width(), height));
    if (in.Autopilot.isEmpty() || !rows.intersects(in.Autopilot)) return top;
    return in.Autopilot.bottom() + 1 + kGap - y;
  };
  const int controlsHeight = in.CompactControls.height(), firstRow = in.ControlsSecondRow;
  const auto fits = [&](int bottom) { return y + bottom + kGap / 2 <= clientBottom; };
  struct Arrangement {
    int rowHeight, top, shift;
  };
  const auto arrange = [&](int rowHeight) -> Arrangement {
    const int underList = p.ListAt.y() + in.CompactListFrame + in.CompactListRows * rowHeight + kGap;
    // The controls together, under the list or under the A/P panels.
    const int together = clearTop(underList, controlsHeight);
    if (fits(together + controlsHeight)) return {rowHeight, together, 0};
    // Their first row under the list, the second one under the A/P panels.
    const int top = clearTop(underList, firstRow);
    return {rowHeight, top, clearTop(top + firstRow, controlsHeight - firstRow) - (top + firstRow)};
  };
  // The rows as designed if the window allows, closer where it is low.
  std::optional<Arrangement> chosen;
  for (int rowHeight = in.CompactRowHeight; rowHeight >= in.CompactRowHeight - 2 && !chosen; --rowHeight) {
    const Arrangement a = arrange(rowHeight);
    if (fits(a.top + controlsHeight + a.shift)) chosen = a;
  }
  // No room anywhere: the list as designed, the controls right under it.
  if (!chosen)
    chosen = Arrangement{in.CompactRowHeight,
                         p.ListAt.y() + in.CompactListFrame + in.CompactListRows * in.CompactRowHeight + kGap, 0};
  p.RowHeight = chosen->rowHeight;
  p.ListSize = QSize(in.CompactListWidth, in.CompactListFrame + in.CompactListRows * chosen->rowHeight);
  p.ControlsAt = QPoint(kGap / 2, chosen->top);
  p.SecondRowShift = chosen->shift;
  const int bottom = p.ControlsAt.y() + in.CompactControls.height() + p.SecondRowShift + kGap / 2;
  p.Panel = QRect(x, y, width, std::min(bottom, clientBottom - y));
  return p;
}

QPoint EfisBoxPlace(const QRect& mcp, const QSize& efis, int clientWidth) {
  constexpr int kGap = 6;
  const int right = mcp.right() + 1 + kGap;
  if (right + efis.width() <= clientWidth || mcp.left() - kGap - efis.width() < 0) return {right, mcp.top()};
  return {mcp.left() - kGap - efis.width(), mcp.top()};
}

int FlapSettingRowTop(int systemsPanelHeight, int rowHeight) { return systemsPanelHeight - rowHeight - 2; }

QRect ProfileRect(int U, int clientWidth, int screenWidth) {
  return QRect(0, 0, std::min(clientWidth, screenWidth), 6 * U);
}

QRect RescaledInCells(const QRect& r, int oldCell, int newCell) {
  if (oldCell <= 0 || oldCell == newCell) return r;
  const auto scale = [&](int v) { return RoundPixel(static_cast<double>(v) * newCell / oldCell); };
  return QRect(r.left(), scale(r.top()), r.width(), scale(r.height()));
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
