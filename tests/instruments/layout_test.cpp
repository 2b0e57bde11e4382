// The cell grid, the per-type placement of the panel charts and the order in
// which the panel dispatchers paint.
#include <gtest/gtest.h>

#include <algorithm>

#include "instruments/layout.h"
#include "instruments/panel.h"
#include "platform/canvas.h"

using namespace tvx;

namespace {

SimState GridOf(double w, double h, const QString& type = "SEP") {
  SimState s;
  s.AircraftType = type;
  ComputeCellLayout(s, w, h);
  return s;
}

PanelPlacementInput InputFor(const QString& type, QSize screen = {1600, 900}, bool mapVisible = true) {
  PanelPlacementInput in;
  in.Type = type;
  in.CellSize = 149;
  in.Screen = screen;
  in.MapVisible = mapVisible;
  in.RadioPanelRight = 301;
  in.FormWidth = screen.width();
  return in;
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

TEST(PanelPlacement, JetGlassWidthAtThreeScreenSizes) {
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
  const PanelPlacement shown = PlacePanel(InputFor("SEP"));
  EXPECT_EQ(shown.Chart1, QRect(298, 0, 298, 298));
  EXPECT_EQ(shown.Chart1Zoom, 85);
  EXPECT_EQ(shown.Chart2, QRect(0, 0, 298, 596));
  EXPECT_EQ(shown.Chart3, QRect(596, 1, 596, 894));
  EXPECT_EQ(shown.chart4, QRect(596, 298, 298, 298));
  EXPECT_EQ(shown.SYSTEEMPanel, QRect(298, 596, 596, 298));
  EXPECT_FALSE(shown.StripsShown);
  EXPECT_EQ(shown.MapLeft, 0);

  const PanelPlacement hidden = PlacePanel(InputFor("SEP", {1600, 900}, false));
  EXPECT_EQ(hidden.chart4, QRect(298, 298, 298, 298));
  EXPECT_EQ(hidden.SYSTEEMPanel, QRect(0, 596, 596, 298));
  EXPECT_EQ(hidden.Chart1, shown.Chart1);
}

TEST(PanelPlacement, GlassPanels) {
  const PanelPlacement efis = PlacePanel(InputFor("SEP EFIS", {1600, 900}, false));
  EXPECT_EQ(efis.Chart1, QRect(149, 0, 447, 447));
  EXPECT_EQ(efis.Chart1Zoom, 300);
  EXPECT_EQ(efis.Chart2, QRect(0, 0, 149, 894));
  EXPECT_EQ(efis.Chart3, QRect(596, 1, 596, 447));
  // The glass HSI does not move with the map.
  EXPECT_EQ(efis.chart4, QRect(149, 447, 447, 447));
  EXPECT_EQ(efis.SYSTEEMPanel, QRect(596, 447, 596, 447));
  EXPECT_TRUE(efis.StripsShown);
  // s = (223 - 78) div 2 = 72.
  EXPECT_EQ(efis.locchart, QRect(149 + 223 - 72 - 10, 447 - 40, 164, 30));
  EXPECT_EQ(efis.GSchart, QRect(596 - 40, 223 - 72 - 10, 30, 164));

  const PanelPlacement jet = PlacePanel(InputFor("737", {1920, 1080}));
  EXPECT_EQ(jet.Chart3, QRect(596, 1, 745, 447));
  EXPECT_EQ(jet.SYSTEEMPanel, QRect(596, 447, 745, 447));
}

TEST(PanelPlacement, MapLeftOfTheGlassPanels) {
  // 5U + U div 2 + 2 = 821; the radio panel's right edge 4U + 301 + 2 = 899 is larger.
  EXPECT_EQ(PlacePanel(InputFor("SEP EFIS")).MapLeft, 899);
  PanelPlacementInput narrowRadio = InputFor("SEP EFIS");
  narrowRadio.RadioPanelRight = 100;
  EXPECT_EQ(PlacePanel(narrowRadio).MapLeft, 821);
  EXPECT_EQ(PlacePanel(InputFor("SEP EFIS", {1400, 900})).MapLeft, 598);
  // Jets on a wide screen: the map's right edge 20 px inside the window.
  EXPECT_EQ(PlacePanel(InputFor("737", {1920, 1080})).MapLeft, 1920 - 596 - 20);
  EXPECT_EQ(PlacePanel(InputFor("320", {1366, 768})).MapLeft, 598);
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

namespace {

// The client areas of a maximised window under a window manager with a
// 19-px title bar, less the 19-px menu bar.
const QSize kScreens[] = {{1366, 768}, {1366, 1024}, {1600, 900}, {1920, 1080},
                          {1280, 1024}, {1440, 900}, {1366, 900}};
QSize ClientOf(QSize screen) { return {screen.width(), screen.height() - 38}; }
// FLY/STOP, 128 px wide, 8 px from the right edge, 4 px from the charts.
constexpr int kFlyStopReserve = 8 + 128 + 4;

struct WindowRects {
  PanelPlacement charts;
  QRect map, mcp, efis, flyStop;
  ScenarioPanelPlace scenarios;
};

// The window laid out for `type` in `client` as the simulator window does.
WindowRects LayOut(const QString& type, QSize screen, bool mapVisible) {
  const QSize client = ClientOf(screen);
  SimState s;
  s.AircraftType = type;
  ComputeCellLayout(s, client.width(), client.height(), screen, kFlyStopReserve);
  const int U = s.CellSize;
  PanelPlacementInput in;
  in.Type = type;
  in.CellSize = U;
  in.Screen = screen;
  in.MapVisible = mapVisible;
  in.RadioPanelRight = 301;
  in.FormWidth = client.width();
  WindowRects w;
  w.charts = PlacePanel(in);
  w.map = QRect(w.charts.MapLeft, 2 * U, 4 * U, 4 * U);
  w.mcp = QRect(5 * U, 5 * U, 360, 64);
  w.efis = QRect(EfisBoxPlace(w.mcp, {150, 64}, client.width()), QSize(150, 64));
  w.flyStop = QRect(client.width() - 136, 8, 128, 84);
  ScenarioPanelInput sp;
  sp.Client = client;
  sp.ChartsRight = std::max(w.charts.Chart3.right(), w.charts.SYSTEEMPanel.right()) + 1;
  sp.ChartsBottom = w.charts.Chart3.bottom() + 1;
  sp.SystemsPanel = w.charts.SYSTEEMPanel;
  sp.FlapboxRight = 457;
  sp.ButtonsBottom = w.flyStop.bottom() + 1;
  sp.FullSize = {246, 628};
  sp.CompactListWidth = 242;
  sp.CompactListRows = 13;
  sp.CompactListFrame = 20;
  sp.CompactRowHeight = 16;
  sp.CompactControls = {242, 94};
  sp.ControlsSecondRow = 62;
  sp.Autopilot = w.mcp.united(w.efis);
  w.scenarios = PlaceScenarioPanel(sp);
  return w;
}

}  // namespace

TEST(WindowLayout, EveryChartAndPanelInsideTheClientArea) {
  for (const QSize screen : kScreens)
    for (const QString type : {"SEP", "SEP EFIS", "737"})
      for (const bool map : {true, false}) {
        const WindowRects w = LayOut(type, screen, map);
        const QRect client(QPoint(0, 0), ClientOf(screen));
        const QString where = QString("%1x%2 %3 map %4").arg(screen.width()).arg(screen.height()).arg(type).arg(map);
        for (const QRect& r : {w.charts.Chart1, w.charts.Chart2, w.charts.Chart3, w.charts.chart4,
                               w.charts.SYSTEEMPanel, w.map})
          EXPECT_TRUE(client.contains(r)) << where.toStdString();
        if (type == "737") {
          EXPECT_TRUE(client.contains(w.mcp)) << where.toStdString();
          EXPECT_TRUE(client.contains(w.efis)) << where.toStdString();
          EXPECT_TRUE(client.contains(w.scenarios.Panel)) << where.toStdString();
        }
      }
}

TEST(WindowLayout, ScenarioPanelClearOfTheCharts) {
  for (const QSize screen : kScreens) {
    const WindowRects w = LayOut("737", screen, false);
    const QString where = QString("%1x%2").arg(screen.width()).arg(screen.height());
    const QRect panel = w.scenarios.Panel;
    for (const QRect& chart : {w.charts.Chart1, w.charts.Chart2, w.charts.Chart3, w.charts.chart4})
      EXPECT_FALSE(panel.intersects(chart)) << where.toStdString();
    EXPECT_FALSE(panel.intersects(w.flyStop)) << where.toStdString();
    if (!w.scenarios.Compact) continue;
    // On the systems panel right of the flap box; what it holds is not
    // covered by the A/P panels in front of it.
    EXPECT_GE(panel.left(), w.charts.SYSTEEMPanel.left() + 457) << where.toStdString();
    const QRect list(panel.topLeft() + w.scenarios.ListAt, w.scenarios.ListSize);
    EXPECT_EQ(w.scenarios.ListSize.height(), 20 + 13 * w.scenarios.RowHeight) << where.toStdString();
    EXPECT_GE(w.scenarios.RowHeight, 14) << where.toStdString();
    EXPECT_TRUE(panel.contains(list)) << where.toStdString();
    const QRect autopilot = w.mcp.united(w.efis);
    EXPECT_FALSE(list.intersects(autopilot)) << where.toStdString();
    // The controls' two rows, the second one maybe moved down.
    const QPoint controls = panel.topLeft() + w.scenarios.ControlsAt;
    const QRect first(controls, QSize(242, 62));
    const QRect second(controls + QPoint(0, 62 + w.scenarios.SecondRowShift), QSize(242, 94 - 62));
    for (const QRect& row : {first, second}) {
      EXPECT_TRUE(panel.contains(row)) << where.toStdString();
      EXPECT_FALSE(row.intersects(list)) << where.toStdString();
      EXPECT_FALSE(row.intersects(autopilot)) << where.toStdString();
    }
  }
  // Beside the charts where there is room, compact on the 4-cell jet panel
  // of a narrow, tall screen.
  EXPECT_FALSE(LayOut("737", {1366, 768}, false).scenarios.Compact);
  EXPECT_FALSE(LayOut("737", {1600, 900}, false).scenarios.Compact);
  EXPECT_FALSE(LayOut("737", {1920, 1080}, false).scenarios.Compact);
  EXPECT_TRUE(LayOut("737", {1366, 1024}, false).scenarios.Compact);
  // Under FLY/STOP, lifted on a low window so that its bottom stays inside.
  const WindowRects low = LayOut("737", {1366, 768}, false);
  EXPECT_EQ(low.scenarios.Panel.bottom(), 730 - 4 - 1);
  EXPECT_EQ(LayOut("737", {1600, 900}, false).scenarios.Panel.topLeft(), QPoint(1600 - 8 - 246, 100));
  // A tall window: the rows as designed, the controls together under the
  // A/P panels.
  const ScenarioPanelPlace tall = LayOut("737", {1366, 1024}, false).scenarios;
  EXPECT_EQ(tall.RowHeight, 16);
  EXPECT_EQ(tall.SecondRowShift, 0);
  // 900 px high: the rows close up to keep the first row of controls above
  // the A/P panels (5 cells of 143 px down); the second row goes below them.
  const ScenarioPanelPlace low900 = LayOut("737", {1366, 900}, false).scenarios;
  EXPECT_EQ(low900.RowHeight, 15);
  EXPECT_LE(low900.Panel.top() + low900.ControlsAt.y() + 62, 5 * 143);
  EXPECT_EQ(low900.Panel.top() + low900.ControlsAt.y() + 62 + low900.SecondRowShift, 5 * 143 + 64 + 4);
  // 1280 px wide: right of the flap box, inside the window.
  const WindowRects narrow = LayOut("737", {1280, 1024}, false);
  EXPECT_TRUE(narrow.scenarios.Compact);
  EXPECT_EQ(narrow.scenarios.Panel.left(), 4 * 142 + 457 + 4);
  EXPECT_EQ(narrow.scenarios.Panel.right(), 1280 - 4 - 1);
}

TEST(WindowLayout, FlyStopClearOfEveryChart) {
  for (const QSize screen : kScreens)
    for (const QString type : {"SEP", "SEP EFIS", "737"})
      for (const bool map : {true, false}) {
        const WindowRects w = LayOut(type, screen, map);
        const QString where = QString("%1x%2 %3 map %4").arg(screen.width()).arg(screen.height()).arg(type).arg(map);
        const int U = w.charts.Chart1.height() / (type == "SEP" ? 2 : 3);
        const QRect fullSizeMap(0, 0, 8 * U, 6 * U);
        for (const QRect& r : {w.charts.Chart1, w.charts.Chart2, w.charts.Chart3, w.charts.chart4,
                               w.charts.SYSTEEMPanel, w.map, fullSizeMap})
          EXPECT_FALSE(r.intersects(w.flyStop)) << where.toStdString();
      }
}

TEST(CellGrid, CellsLeaveRoomForFlyStop) {
  // Wide screens: the height bounds the grid, the cells stay as they are.
  EXPECT_EQ(CellSizeLeavingRoom(143, 1600, {1600, 900}, 140), 143);
  EXPECT_EQ(CellSizeLeavingRoom(173, 1920, {1920, 1080}, 140), 173);
  EXPECT_EQ(CellSizeLeavingRoom(121, 1366, {1366, 768}, 140), 121);
  // 1366 x 1024: eight cells of 163 px reach 1304; 153 end at 1224, left of 1226.
  EXPECT_EQ(CellSizeLeavingRoom(163, 1366, {1366, 1024}, 140), 153);
  EXPECT_EQ(CellSizeLeavingRoom(159, 1280, {1280, 1024}, 140), 142);
  // A 4:3 screen over 1400 px gives the jet's chart five cells: nine across.
  EXPECT_EQ(WidestChartsRight(100, {1600, 1200}), 900);
  EXPECT_EQ(CellSizeLeavingRoom(193, 1600, {1600, 1200}, 140), 162);
  // Narrow and low, the jet's 5.1 cells decide, rounded: 4 x 125 + 638 = 1138.
  EXPECT_EQ(CellSizeLeavingRoom(126, 1280, {1280, 800}, 140), 125);

  SimState s;
  ComputeCellLayout(s, 1366, 986, {1366, 1024}, 140);
  EXPECT_EQ(s.CellSize, 153);
  EXPECT_EQ(s.InstrumentRadius, 138);
  EXPECT_EQ(s.Vor1CentreX, 3 * 153);
  ComputeCellLayout(s, 1600, 900, {1600, 900}, 140);
  EXPECT_EQ(s.CellSize, 149);
}

TEST(WindowLayout, FlapSettingRowBelowTheAutopilotPanel) {
  // The row along the bottom of the systems panel; the jet's A/P panel (5
  // cells down, 64 px high) ends above it.
  for (const QSize screen : kScreens) {
    const WindowRects w = LayOut("737", screen, false);
    const QRect systems = w.charts.SYSTEEMPanel;
    const int top = systems.top() + FlapSettingRowTop(systems.height(), 42);
    EXPECT_GT(top, w.mcp.bottom()) << screen.width() << "x" << screen.height();
    EXPECT_LE(top + 42, systems.bottom() + 1);
  }
  EXPECT_EQ(FlapSettingRowTop(298, 42), 254);
}

TEST(WindowLayout, EfisBoxBesideTheAutopilotPanel) {
  EXPECT_EQ(EfisBoxPlace(QRect(745, 745, 360, 64), {150, 64}, 1600), QPoint(1111, 745));
  // Right of it would end past 1280 px: left of it.
  EXPECT_EQ(EfisBoxPlace(QRect(795, 795, 360, 64), {150, 64}, 1280), QPoint(639, 795));
}

TEST(WindowLayout, ProfileAsWideAsTheClientArea) {
  EXPECT_EQ(ProfileRect(149, 1600, 1600), QRect(0, 0, 1600, 894));
  EXPECT_EQ(ProfileRect(120, 1366, 1600), QRect(0, 0, 1366, 720));
}

TEST(WindowLayout, PanelsKeepTheirPlaceInCells) {
  EXPECT_EQ(RescaledInCells(QRect(0, 4 * 149, 446, 2 * 149), 149, 143), QRect(0, 4 * 143, 446, 2 * 143));
  EXPECT_EQ(RescaledInCells(QRect(0, 0, 446, 149), 149, 172), QRect(0, 0, 446, 172));
  EXPECT_EQ(RescaledInCells(QRect(5, 7, 10, 10), 0, 172), QRect(5, 7, 10, 10));
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
