// The cell grid, the per-type placement of the panel charts and the order in
// which the panel dispatchers paint.
#include <gtest/gtest.h>

#include <algorithm>

#include "instruments/layout.h"
#include "instruments/panel.h"
#include "simulator/panellayout.h"
#include "platform/canvas.h"

using namespace tvx;

namespace {

SimState GridOf(double w, double h, const QString& type = "SEP") {
  SimState s;
  s.AircraftType = type;
  ComputeCellLayout(s, w, h);
  return s;
}

PanelLayout LayoutFor(const QString& type, QSize client = {1600, 900}, bool mapVisible = true) {
  PanelLayoutInput in;
  in.Client = client;
  in.Type = type;
  in.Map = mapVisible ? MapPlace::Beside : MapPlace::Hidden;
  return LayOutPanel(in);
}

}  // namespace

TEST(CellGrid, ClientOf1600By900) {
  const SimState s = GridOf(1600, 900);
  EXPECT_EQ(s.CellSize, 149);
  EXPECT_EQ(s.InstrumentRadius, 134);
  EXPECT_EQ(s.TickLengthShort, 10);
  EXPECT_EQ(s.TickLengthLong, 20);
  EXPECT_EQ(s.CardTickLengthShort, 7);
  EXPECT_EQ(s.CardTickLengthLong, 14);
  EXPECT_EQ(s.Vor1CentreX, 447);
  EXPECT_EQ(s.Vor1CentreY, 149);
  EXPECT_EQ(s.AdfCentreY, 745);
  EXPECT_EQ(s.EngineCentreX, 149);
  EXPECT_EQ(s.EngineCentreY, 745);
}

TEST(CellGrid, TickBandsAtTheirEdges) {
  // m = min(w/4, h/3); U = round(m/2 - 1); radius U - 15.
  struct Case {
    double h;  // width large, so the height decides
    int radius, tickShort, tickLong, cardShort, cardLong;
  };
  const Case cases[] = {
      {636, 90, 7, 14, 4, 8},     // U 105
      {642, 91, 10, 20, 7, 14},   // U 106
      {996, 150, 10, 20, 7, 14},  // U 165
      {1000, 151, 11, 22, 8, 16}, // U 166
  };
  for (const Case& c : cases) {
    const SimState s = GridOf(4000, c.h);
    EXPECT_EQ(s.InstrumentRadius, c.radius) << c.h;
    EXPECT_EQ(s.TickLengthShort, c.tickShort) << c.h;
    EXPECT_EQ(s.TickLengthLong, c.tickLong) << c.h;
    EXPECT_EQ(s.CardTickLengthShort, c.cardShort) << c.h;
    EXPECT_EQ(s.CardTickLengthLong, c.cardLong) << c.h;
  }
}

TEST(PanelPlacement, JetGlassWidthAtThreeClientSizes) {
  EXPECT_EQ(GlassPanelWidth("737", 149, {1920, 1080}), 5 * 149);
  // Narrow and low: 5.1 cells, rounded (759.9 -> 760).
  EXPECT_EQ(GlassPanelWidth("737", 149, {1366, 768}), 760);
  EXPECT_EQ(GlassPanelWidth("737", 149, {1400, 900}), 4 * 149);
  // Wide wins over low.
  EXPECT_EQ(GlassPanelWidth("320", 149, {1600, 768}), 5 * 149);
  EXPECT_EQ(GlassPanelWidth("SEP EFIS", 149, {1920, 1080}), 4 * 149);
  EXPECT_EQ(GlassPanelWidth("SEP", 149, {1366, 768}), 4 * 149);
}

TEST(PanelPlacement, RoundDialPanelFollowsTheMap) {
  const PanelLayout shown = LayoutFor("SEP");
  EXPECT_EQ(shown.Of("Chart1"), QRect(298, 0, 298, 298));
  EXPECT_EQ(shown.Chart1Zoom, 85);
  EXPECT_EQ(shown.Of("Chart2"), QRect(0, 0, 298, 596));
  EXPECT_EQ(shown.Of("Chart3"), QRect(596, 1, 596, 894));
  EXPECT_EQ(shown.Of("chart4"), QRect(596, 298, 298, 298));
  EXPECT_EQ(shown.Of("SYSTEEMPanel"), QRect(298, 596, 596, 298));
  EXPECT_FALSE(shown.StripsShown);
  EXPECT_EQ(shown.MapLeft, 0);

  const PanelLayout hidden = LayoutFor("SEP", {1600, 900}, false);
  EXPECT_EQ(hidden.Of("chart4"), QRect(298, 298, 298, 298));
  EXPECT_EQ(hidden.Of("SYSTEEMPanel"), QRect(0, 596, 596, 298));
  EXPECT_EQ(hidden.Of("Chart1"), shown.Of("Chart1"));
}

TEST(PanelPlacement, GlassPanels) {
  const PanelLayout efis = LayoutFor("SEP EFIS", {1600, 900}, false);
  EXPECT_EQ(efis.Of("Chart1"), QRect(149, 0, 447, 447));
  EXPECT_EQ(efis.Chart1Zoom, 300);
  EXPECT_EQ(efis.Of("Chart2"), QRect(0, 0, 149, 894));
  EXPECT_EQ(efis.Of("Chart3"), QRect(596, 1, 596, 447));
  // The glass HSI does not move with the map.
  EXPECT_EQ(efis.Of("chart4"), QRect(149, 447, 447, 447));
  EXPECT_EQ(efis.Of("SYSTEEMPanel"), QRect(596, 447, 596, 447));
  EXPECT_TRUE(efis.StripsShown);
  // s = (223 - 78) div 2 = 72.
  EXPECT_EQ(efis.Of("locchart"), QRect(149 + 223 - 72 - 10, 447 - 40, 164, 30));
  EXPECT_EQ(efis.Of("GSchart"), QRect(596 - 40, 223 - 72 - 10, 30, 164));

  const PanelLayout jet = LayoutFor("737");
  EXPECT_EQ(jet.Of("Chart3"), QRect(596, 1, 745, 447));
  EXPECT_EQ(jet.Of("SYSTEEMPanel"), QRect(596, 447, 745, 447));
}

TEST(PanelPlacement, MapLeftOfTheGlassPanels) {
  // 5U + U div 2 + 2 = 821; the radio panel's right edge 4U + 301 + 2 = 899 is larger.
  EXPECT_EQ(LayoutFor("SEP EFIS").MapLeft, 899);
  // Jets on a wide client area: the map's right edge 20 px inside the window.
  EXPECT_EQ(LayoutFor("737").MapLeft, 1600 - 596 - 20);
  // 1400 px and narrower: beside the charts' left four cells.
  const PanelLayout narrow = LayoutFor("SEP EFIS", {1400, 900});
  EXPECT_EQ(narrow.MapLeft, 4 * narrow.CellSize + 2);
  const PanelLayout low = LayoutFor("320", {1366, 768});
  EXPECT_EQ(low.MapLeft, 4 * low.CellSize + 2);
}

TEST(PanelPlacement, StripsOfAThreeCellHsi) {
  EXPECT_EQ(StripStep(498), 85);
  QRect loc, gs;
  PlaceStrips(QRect(166, 0, 498, 498), QRect(664, 1, 664, 498), 498, loc, gs);
  EXPECT_EQ(loc.width(), 190);
  EXPECT_EQ(loc.height(), 30);
  EXPECT_EQ(loc.topLeft(), QPoint(166 + 249 - 85 - 10, 458));
  EXPECT_EQ(gs.size(), QSize(30, 190));
  EXPECT_EQ(gs.topLeft(), QPoint(624, 249 - 95));
}

TEST(CellGrid, CellsLeaveRoomForFlyStopAndTheScenarioPanel) {
  // Wide client areas: the height bounds the grid.
  EXPECT_EQ(PanelCellSize({1600, 900}), 149);
  EXPECT_EQ(PanelCellSize({1600, 862}), 143);
  EXPECT_EQ(PanelCellSize({1920, 1042}), 173);
  // 1366 x 986: eight cells of 163 px and FLY/STOP would reach past the
  // edge; the jet's four cells beside four more and its scenario panel
  // (258 px) bound the cell at (1366 - 258) / 8.
  EXPECT_EQ(PanelCellSize({1366, 986}), 138);
  // A 4:3 client area over 1400 px gives the jet's chart five cells.
  EXPECT_EQ(PanelCellSize({1600, 1200}), 149);
  // Narrow and low, the jet's 5.1 cells decide, rounded.
  EXPECT_EQ(PanelCellSize({1280, 762}), 112);
  EXPECT_EQ(PanelCellSize(kSmallestPanelClient), 101);
}

TEST(PanelPlacement, ChartCentres) {
  SimState s;
  SetChartCentres(s, {447, 447}, {447, 446});
  EXPECT_EQ(s.AdiCentreX, 223);
  EXPECT_EQ(s.HsiCentreY, 223);
}

TEST(PanelDispatch, RoundDialFacesBeforeNeedles) {
  using P = PanelStep;
  SimState s;
  s.AircraftType = "SEP";
  s.MapVisible = false;
  const QVector<PanelStep> expected = {P::AltimeterDial, P::VSIDial,        P::ADFCard,     P::VOR1Card,
                                       P::VOR2Card,      P::AltimeterHands, P::VSINeedle,   P::ADFNeedle,
                                       P::VOR1Needles,   P::VOR2Needle,     P::RPMDial,     P::EngineInstruments};
  EXPECT_EQ(Chart3Steps(s), expected);
  EXPECT_EQ(Chart2Steps(s), (QVector<PanelStep>{P::AirspeedDial, P::AirspeedNeedle, P::TurnCoordinatorDial,
                                                P::TurnCoordinatorAircraft}));
}

TEST(PanelDispatch, NoVsiWhileTheMapCoversItsCell) {
  SimState s;
  s.AircraftType = "SEP";
  s.MapVisible = true;
  const QVector<PanelStep> steps = Chart3Steps(s);
  EXPECT_FALSE(steps.contains(PanelStep::VSIDial));
  EXPECT_FALSE(steps.contains(PanelStep::VSINeedle));
  EXPECT_EQ(steps.size(), 10);
}

TEST(PanelDispatch, GlassPanelsComputeVor1AndEndWithTheEngine) {
  using P = PanelStep;
  for (const char* type : {"SEP EFIS", "737", "320"}) {
    SimState s;
    s.AircraftType = type;
    s.MapVisible = false;
    EXPECT_EQ(Chart3Steps(s), (QVector<PanelStep>{P::EFISVerticalSpeed, P::EFISAltitudeTape, P::VOR1Needles,
                                                  P::RPMDial, P::EngineInstruments}))
        << type;
    EXPECT_EQ(Chart2Steps(s), QVector<PanelStep>{P::EFISSpeedTape}) << type;
  }
}

TEST(PanelRefresh, EngineDialFollowsTheTypeBackToThePiston) {
  SimState s = GridOf(1600, 900, "737");
  EXPECT_EQ(s.EngineCentreX, 447);
  EXPECT_EQ(s.EngineCentreY, 149);
  // A jet flight moves the engine centre; choosing "SEP" again must bring the
  // RPM dial back to its own cell at the next refresh.
  s.EngineCentreX = 600;
  s.AircraftType = "SEP";
  RefreshPanelState(s, InstrOptions{});
  EXPECT_EQ(s.EngineCentreX, 149);
  EXPECT_EQ(s.EngineCentreY, 745);
}


TEST(PanelDispatch, CellFramesOfTheRoundDialPanel) {
  SimState s = GridOf(1600, 900, "SEP");
  s.CellFrameMargin = 2;
  s.CellFrameCornerCut = 30;
  // The frames are the black octagons, drawn before any dial.
  const auto frames = [&s](const QString& type) {
    s.AircraftType = type;
    RecordingCanvas c;
    PaintChart3(c, s, PanelInputs{});
    QVector<RecordingCanvas::Primitive> out;
    for (const auto& p : c.log)
      if (p.op == RecordingCanvas::Op::Polyline && p.points.size() == 9 && p.pen.color == clr::Black) out << p;
    if (!out.isEmpty()) EXPECT_EQ(c.log[out.size() - 1].points, out.last().points);
    return out;
  };
  const auto sep = frames("SEP");
  ASSERT_EQ(sep.size(), 6);
  // Column 0 first, rows 0, 2U, 4U; each octagon closed, width 1.
  EXPECT_EQ(sep[0].points.front(), QPoint(32, 2));
  EXPECT_EQ(sep[0].points.back(), QPoint(32, 2));
  EXPECT_EQ(sep[0].points[1], QPoint(298 - 2 - 30, 2));
  EXPECT_EQ(sep[0].points[3], QPoint(296, 296 - 30));
  EXPECT_EQ(sep[0].pen.width, 1);
  EXPECT_EQ(sep[1].points.front(), QPoint(32, 298 + 2));
  EXPECT_EQ(sep[2].points.front(), QPoint(32, 596 + 2));
  EXPECT_EQ(sep[3].points.front(), QPoint(298 + 32, 2));

  const auto efis = frames("SEP EFIS");
  ASSERT_EQ(efis.size(), 1);
  EXPECT_EQ(efis[0].points.front(), QPoint(298 + 32, 2));
  EXPECT_TRUE(frames("737").isEmpty());
}
