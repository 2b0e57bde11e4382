#include "simulator/panellayout.h"

#include <algorithm>

#include "instruments/layout.h"
#include "platform/textutil.h"
#include "simulator/aircrafttype.h"
#include "simulator/keys.h"

namespace tvx {

namespace {

struct Design {
  const char* Name;
  const char* Parent;
  QRect Rect;
};

// The radio panel at the systems panel's top left; the map beside the glass
// panels keeps clear of its right edge.
constexpr QRect kRadioPanel(1, 1, 300, 96);

// The systems panel's contents as designed, for a panel of four by two
// cells of 149 px. The guidance box and the flap-setting row are placed
// apart (SystemsContent).
const Design kSystems[] = {
    {"radiopanel", "SYSTEEMPanel", kRadioPanel},
    {"Label_vor1", "radiopanel", {4, 4, 40, 20}},
    {"VOR1active", "radiopanel", {48, 4, 64, 22}},
    {"VOR1Transfer", "radiopanel", {116, 4, 40, 22}},
    {"VOR1select", "radiopanel", {160, 4, 64, 22}},
    {"DME1output", "radiopanel", {228, 4, 64, 22}},
    {"Label_vor2", "radiopanel", {4, 34, 40, 20}},
    {"VOR2active", "radiopanel", {48, 34, 64, 22}},
    {"VOR2Transfer", "radiopanel", {116, 34, 40, 22}},
    {"VOR2select", "radiopanel", {160, 34, 64, 22}},
    {"DME2output", "radiopanel", {228, 34, 64, 22}},
    {"Label_adf", "radiopanel", {4, 64, 40, 20}},
    {"ADFactive", "radiopanel", {48, 64, 64, 22}},
    {"ADFTransfer", "radiopanel", {116, 64, 40, 22}},
    {"ADFselect", "radiopanel", {160, 64, 64, 22}},
    {"CHRONO", "SYSTEEMPanel", {1, 100, 60, 24}},
    {"ChronoOutput", "SYSTEEMPanel", {64, 100, 70, 24}},
    {"OM", "SYSTEEMPanel", {140, 100, 24, 24}},
    {"Areanaampanel", "SYSTEEMPanel", {170, 100, 130, 24}},
    {"Switchbox", "SYSTEEMPanel", {1, 128, 200, 50}},
    {"Ldglight", "Switchbox", {4, 20, 60, 24}},
    {"CarbHeat", "Switchbox", {68, 20, 60, 24}},
    {"Fuelpump", "Switchbox", {132, 20, 60, 24}},
    {"Label_speedbrake", "SYSTEEMPanel", {1, 128, 126, 16}},
    {"speedbrake", "SYSTEEMPanel", {1, 146, 126, 22}},
    {"Label_parkbrake", "SYSTEEMPanel", {206, 128, 80, 16}},
    {"parkbrake", "SYSTEEMPanel", {206, 146, 60, 22}},
    {"Parkbrakelight", "SYSTEEMPanel", {270, 146, 20, 20}},
    {"flapbox", "SYSTEEMPanel", {306, 1, 150, 150}},
    {"Flaps", "flapbox", {8, 20, 22, 104}},
    {"UpDown1", "flapbox", {32, 52, 18, 40}},
    {"flapgetalpanel", "flapbox", {52, 18, 40, 110}},
    {"flaplabel0", "flapgetalpanel", {2, 2, 36, 18}},
    {"flaplabel1", "flapgetalpanel", {2, 24, 36, 18}},
    {"flaplabel2", "flapgetalpanel", {2, 46, 36, 18}},
    {"flaplabel3", "flapgetalpanel", {2, 68, 36, 18}},
    {"flaplabel4", "flapgetalpanel", {2, 90, 36, 18}},
    {"Gear", "flapbox", {108, 20, 22, 70}},
    {"Gearlicht1", "flapbox", {96, 100, 14, 14}},
    {"Gearlicht2", "flapbox", {112, 100, 14, 14}},
    {"Gearlicht3", "flapbox", {128, 100, 14, 14}},
    {"Flapsettingbox", "SYSTEEMPanel", {1, 254, 300, 42}},
    {"Equiflap0", "Flapsettingbox", {6, 16, 32, 22}},
    {"Equiflap1", "Flapsettingbox", {40, 16, 32, 22}},
    {"Equiflap2", "Flapsettingbox", {74, 16, 32, 22}},
    {"Equiflap3", "Flapsettingbox", {108, 16, 32, 22}},
    {"Equiflap4", "Flapsettingbox", {142, 16, 32, 22}},
    {"Loadflaps", "Flapsettingbox", {178, 16, 38, 22}},
    {"saveplane", "Flapsettingbox", {218, 16, 38, 22}},
    {"loadplane", "Flapsettingbox", {258, 16, 38, 22}},
};
// The guidance box: on the jets under the speed brake, across the radio
// panel's width; the pistons, whose switches stand there, keep it under the
// flap box. Its text fills it but for the frame and the title.
constexpr QRect kJetGuidance(1, 172, 300, 40), kPistonGuidance(306, 154, 150, 40);
constexpr int kGuidanceTextInset = 8, kGuidanceTextTop = 16, kGuidanceTextHeight = 20;
// The flap-setting row stands this far above the panel's bottom edge.
constexpr int kFlapRowBottomMargin = 2;

const QSize kAutopilotSize(360, 64), kEfisSize(150, 64);
const Design kAutopilot[] = {
    {"APpanel", "MCPpanel", {6, 10, 44, 44}},        {"Label_HDG", "MCPpanel", {58, 3, 56, 15}},
    {"HDGlabel", "MCPpanel", {58, 20, 56, 24}},      {"Label_VS", "MCPpanel", {118, 3, 56, 15}},
    {"VSlabel", "MCPpanel", {118, 20, 56, 24}},      {"Label_ALT", "MCPpanel", {178, 3, 56, 15}},
    {"ALTlabel", "MCPpanel", {178, 20, 56, 24}},     {"VSbutton", "MCPpanel", {244, 6, 52, 24}},
    {"FLCHbutton", "MCPpanel", {300, 6, 52, 24}},    {"LOCbutton", "MCPpanel", {244, 34, 52, 24}},
    {"APPbutton", "MCPpanel", {300, 34, 52, 24}},    {"Label_BARO", "EFISpanel", {6, 3, 60, 15}},
    {"baroknob", "EFISpanel", {6, 20, 60, 34}},      {"Label_MINS", "EFISpanel", {74, 3, 70, 15}},
    {"DAbugplus", "EFISpanel", {74, 20, 33, 34}},    {"DAbugmin", "EFISpanel", {111, 20, 33, 34}},
};
// The EFIS box's distance from the A/P panel, and the least it closes up to
// where the systems panel's right edge leaves less room; the A/P panel and
// the box stay this far inside that edge.
constexpr int kEfisGap = 6;
constexpr int kEfisLeastGap = 2;
constexpr int kEfisInsidePanel = 2;

// The jet's scenario panel: the list in one column over the drill
// controls, or, where the window is lower, the list in two columns.
constexpr QSize kScenarioFull(246, 628);
const QRect kScenarioListFull(2, 2, 242, 424);
const QRect kScenarioControlsFull(2, 430, 242, 196);
constexpr int kScenarioItemTop = 18, kScenarioItemHeight = 16;
const Design kScenarioControlsDesign[] = {
    {"Label_fire", "Failurecontrols", {5, 6, 72, 14}},    {"EFS1", "Failurecontrols", {13, 22, 16, 40}},
    {"EFS2", "Failurecontrols", {45, 22, 16, 40}},        {"Label_thrust", "Failurecontrols", {82, 6, 60, 14}},
    {"TL1", "Failurecontrols", {88, 22, 22, 100}},        {"TL2", "Failurecontrols", {116, 22, 22, 100}},
    {"Label_fuel", "Failurecontrols", {150, 6, 84, 14}},  {"FCS1", "Failurecontrols", {162, 22, 22, 40}},
    {"FCS2", "Failurecontrols", {200, 22, 22, 40}},       {"Label_at", "Failurecontrols", {150, 70, 84, 14}},
    {"AT", "Failurecontrols", {170, 86, 44, 22}},         {"Eicas", "Failurecontrols", {12, 130, 225, 28}},
    {"ResetEx", "Failurecontrols", {5, 164, 80, 26}},
};
// The compact form: two columns of 13 items, the controls in two rows. The
// fire switches keep their left offsets: a pulled switch turns about them.
constexpr int kCompactColumnWidth = 116, kCompactRows = 13, kCompactTitle = 16;
const QSize kCompactList(2 * kCompactColumnWidth + 10, kCompactTitle + 4 + kCompactRows * kScenarioItemHeight);
const QSize kCompactControls(242, 94);
const Design kScenarioControlsCompact[] = {
    {"Label_fire", "Failurecontrols", {5, 4, 60, 14}},    {"EFS1", "Failurecontrols", {13, 20, 16, 40}},
    {"EFS2", "Failurecontrols", {45, 20, 16, 40}},        {"Label_thrust", "Failurecontrols", {70, 4, 56, 14}},
    {"TL1", "Failurecontrols", {74, 20, 22, 40}},         {"TL2", "Failurecontrols", {100, 20, 22, 40}},
    {"Label_fuel", "Failurecontrols", {130, 4, 50, 14}},  {"FCS1", "Failurecontrols", {132, 20, 22, 40}},
    {"FCS2", "Failurecontrols", {158, 20, 22, 40}},       {"Label_at", "Failurecontrols", {188, 4, 50, 14}},
    {"AT", "Failurecontrols", {190, 24, 44, 22}},         {"Eicas", "Failurecontrols", {5, 64, 150, 26}},
    {"ResetEx", "Failurecontrols", {160, 64, 80, 26}},
};

// FLY/STOP at the top right; the charts keep clear of them, and of the
// jet's scenario panel below them, which stands no lower than
// kScenarioLowestTop where the window leaves room.
constexpr QSize kFlyStop(128, 40);
constexpr int kButtonsTop = 8, kRightMargin = 8, kGap = 4, kFlyStopPitch = 44;
constexpr int kFlyStopReserve = kRightMargin + kFlyStop.width() + kGap;
constexpr int kScenarioReserve = kRightMargin + kScenarioFull.width() + kGap;
constexpr int kButtonsBottom = kButtonsTop + kFlyStopPitch + kFlyStop.height();
constexpr int kScenarioLowestTop = 100;

// The jet's right-hand chart on a narrow, low client area, in cells.
constexpr double kLowJetChartCells = 5.1;
// The map beside the jet's panel on a wide client area keeps this far from
// the right edge.
constexpr int kMapRightMargin = 20;

// The exercise panel: the task memo with a column of answer box and
// buttons at its right.
constexpr int kExerciseMargin = 8, kExerciseColumn = 65, kExerciseColumnGap = 4, kExerciseRowGap = 2;
constexpr int kExerciseMemoGap = 7;
// The exercise panel is this much narrower than the systems panel.
constexpr int kExerciseShortOfSystems = 150;

// A design rectangle at `k` of its size; edges rather than sizes are
// rounded, so controls that do not touch as designed never touch scaled.
int ScaledPixel(int v, double k) { return RoundPixel(v * k); }
QRect Scaled(const QRect& r, double k) {
  const int left = ScaledPixel(r.left(), k), top = ScaledPixel(r.top(), k);
  return QRect(left, top, ScaledPixel(r.left() + r.width(), k) - left, ScaledPixel(r.top() + r.height(), k) - top);
}

bool ShownForType(std::string_view name, bool jet) {
  if (jet) return name != "Switchbox";
  return name != "Label_speedbrake" && name != "speedbrake";
}

// The systems panel's contents at scale `k` in a panel of `panel` size,
// appended to `out`; with `ownRowOnly`, only the controls standing on the
// panel itself (their contents scale with them).
void SystemsContent(std::vector<PlacedControl>& out, bool jet, QSize panel, double k, bool ownRowOnly = false) {
  for (const Design& d : kSystems) {
    if (ownRowOnly && std::string_view(d.Parent) != "SYSTEEMPanel") continue;
    QRect r = Scaled(d.Rect, k);
    if (std::string_view(d.Name) == "Flapsettingbox") r.moveTop(panel.height() - kFlapRowBottomMargin - r.height());
    out.push_back({d.Name, d.Parent, r});
  }
  const QRect guidance = jet ? kJetGuidance : kPistonGuidance;
  out.push_back({"GroupBox12", "SYSTEEMPanel", Scaled(guidance, k)});
  if (ownRowOnly) return;
  const QRect text(kGuidanceTextInset, kGuidanceTextTop, guidance.width() - 2 * kGuidanceTextInset, kGuidanceTextHeight);
  out.push_back({"Learntext", "GroupBox12", Scaled(text, k)});
}

// Whether the systems panel's own row of controls (those shown for the
// type) fits the panel without touching one another or the panels
// `inFront` (panel coordinates).
bool SystemsContentFits(bool jet, QSize panel, double k, const QRect& front1, const QRect& front2) {
  static thread_local std::vector<PlacedControl> row;
  row.clear();
  SystemsContent(row, jet, panel, k, true);
  const QRect inside(QPoint(0, 0), panel);
  for (std::size_t i = 0; i < row.size(); ++i) {
    const PlacedControl& c = row[i];
    if (!ShownForType(c.Name, jet)) continue;
    if (!inside.contains(c.Rect) || front1.intersects(c.Rect) || front2.intersects(c.Rect)) return false;
    for (std::size_t j = 0; j < i; ++j)
      if (ShownForType(row[j].Name, jet) && row[j].Rect.intersects(c.Rect)) return false;
  }
  return true;
}

struct Charts {
  QRect Chart1, Chart2, Chart3, chart4, SYSTEEMPanel, locchart, GSchart;
  int Zoom = 85;
  bool Strips = false;
  int MapLeft = 0;
};

Charts PlaceCharts(const QString& type, int U, QSize client, bool mapShown) {
  Charts c;
  if (IsRoundDialPanel(type)) {
    c.Chart1 = QRect(2 * U, 0, 2 * U, 2 * U);
    c.Chart2 = QRect(0, 0, 2 * U, 4 * U);
    c.Chart3 = QRect(4 * U, 1, 4 * U, 6 * U);
    // With the map shown the HSI moves over the VSI cell and the systems
    // panel makes room for the map.
    c.chart4 = QRect(mapShown ? 4 * U : 2 * U, 2 * U, 2 * U, 2 * U);
    c.SYSTEEMPanel = QRect(mapShown ? 2 * U : 0, 4 * U, 4 * U, 2 * U);
    return c;
  }
  const int W = GlassPanelWidth(type, U, client);
  c.Chart1 = QRect(U, 0, 3 * U, 3 * U);
  c.Zoom = 300;
  c.Chart2 = QRect(0, 0, U, 6 * U);
  c.Chart3 = QRect(4 * U, 1, W, 3 * U);
  c.chart4 = QRect(U, 3 * U, 3 * U, 3 * U);
  c.SYSTEEMPanel = QRect(4 * U, 3 * U, W, 3 * U);
  c.Strips = true;
  PlaceStrips(c.Chart1, c.Chart3, c.chart4.width(), c.locchart, c.GSchart);

  // The map beside the panel, 4 x 4 cells, right of the radio panel; on a
  // window too narrow for that, over the systems panel.
  const bool wide = client.width() > kWideClientWidth;
  c.MapLeft = std::max(5 * U + U / 2 + 2, 4 * U + kRadioPanel.left() + kRadioPanel.width() + 2);
  if (type == "SEP EFIS" && !wide) c.MapLeft = 4 * U + 2;
  if (IsJet(type)) c.MapLeft = wide ? client.width() - 4 * U - kMapRightMargin : 4 * U + 2;
  return c;
}

// The right column of the exercise panel: the visible controls from the
// top, in one column where the panel is high enough, else in two.
void PlaceExerciseControls(PanelLayout& L, QSize panel, bool question) {
  static const std::vector<const char*> asking = {"Staticinput", "Confirmstatic", "Ctrtekst", "ENDstatic", "BitBtn1"};
  static const std::vector<const char*> flying = {"Command", "ENDstatic", "BitBtn1"};
  const std::vector<const char*>& shown = question ? asking : flying;
  const auto heightOf = [](std::string_view name) {
    if (name == "Staticinput") return 22;
    if (name == "BitBtn1") return 25;
    return 24;
  };
  int stacked = 0;
  for (const char* name : shown) stacked += heightOf(name) + kExerciseRowGap;
  const bool oneColumn = kExerciseMargin + stacked <= panel.height() - kExerciseMargin / 2;
  const int columns = oneColumn ? 1 : 2;
  const int perColumn = (static_cast<int>(shown.size()) + columns - 1) / columns;
  const int firstColumnLeft =
      panel.width() - kExerciseMargin - columns * kExerciseColumn - (columns - 1) * kExerciseColumnGap;
  L.Controls.push_back({"Staticmemo", "Staticpanel",
                        QRect(kExerciseMargin, kExerciseMargin, firstColumnLeft - kExerciseMargin - kExerciseMemoGap,
                              panel.height() - 2 * kExerciseMargin)});
  QRect slotOfFirst;
  for (int i = 0; i < static_cast<int>(shown.size()); ++i) {
    const int column = i / perColumn;
    int top = kExerciseMargin;
    for (int j = column * perColumn; j < i; ++j) top += heightOf(shown[static_cast<std::size_t>(j)]) + kExerciseRowGap;
    const char* name = shown[static_cast<std::size_t>(i)];
    const int width = std::string_view(name) == "Staticinput" ? 57 : kExerciseColumn;
    const QRect r(firstColumnLeft + column * (kExerciseColumn + kExerciseColumnGap), top, width, heightOf(name));
    L.Controls.push_back({name, "Staticpanel", r});
    if (i == 0) slotOfFirst = r;
  }
  // The hidden ones of the other mode take the places they have there.
  if (question) {
    L.Controls.push_back({"Command", "Staticpanel", QRect(slotOfFirst.topLeft(), QSize(kExerciseColumn, 24))});
  } else {
    for (const char* name : {"Staticinput", "Confirmstatic", "Ctrtekst"})
      L.Controls.push_back({name, "Staticpanel", QRect(slotOfFirst.topLeft(), QSize(kExerciseColumn, 24))});
  }
}

// The scenario panel in its full or compact form at `topLeft`.
void PlaceScenarioPanel(PanelLayout& L, QRect panel, bool compact) {
  L.ScenarioCompact = compact;
  L.Controls.push_back({"Failurepanel", "", panel});
  if (!compact) {
    L.Controls.push_back({"Failuregroup", "Failurepanel", kScenarioListFull});
    for (int i = 0; i < kScenarioItems; ++i)
      L.Controls.push_back({ScenarioItemName(i), "Failuregroup",
                            QRect(8, kScenarioItemTop + i * kScenarioItemHeight, 228, kScenarioItemHeight)});
    L.Controls.push_back({"Failurecontrols", "Failurepanel", kScenarioControlsFull});
    for (const Design& d : kScenarioControlsDesign) L.Controls.push_back({d.Name, d.Parent, d.Rect});
    return;
  }
  L.Controls.push_back({"Failuregroup", "Failurepanel", QRect(QPoint(kGap / 2, kGap / 2), kCompactList)});
  for (int i = 0; i < kScenarioItems; ++i) {
    const int column = i / kCompactRows, row = i % kCompactRows;
    L.Controls.push_back({ScenarioItemName(i), "Failuregroup",
                          QRect(6 + column * kCompactColumnWidth, kCompactTitle + row * kScenarioItemHeight,
                                kCompactColumnWidth - 4, kScenarioItemHeight)});
  }
  L.Controls.push_back({"Failurecontrols", "Failurepanel",
                        QRect(QPoint(kGap / 2, kGap / 2 + kCompactList.height() + kGap), kCompactControls)});
  for (const Design& d : kScenarioControlsCompact) L.Controls.push_back({d.Name, d.Parent, d.Rect});
}

QSize CompactScenarioSize() {
  return QSize(kScenarioFull.width(), kGap / 2 + kCompactList.height() + kGap + kCompactControls.height() + kGap / 2);
}

// The scenario panel at the right edge, under FLY/STOP, lifted as far as
// those allow on a low window.
QRect ScenarioPlace(QSize client, QSize size) {
  const int top =
      std::max(kButtonsBottom + kGap, std::min(kScenarioLowestTop, client.height() - kGap - size.height()));
  return QRect(QPoint(client.width() - kRightMargin - size.width(), top), size);
}

// Whether the scenario panel at `place` keeps clear of the charts and
// within the client area.
bool ScenarioFits(QSize client, int chartsRight, const QRect& place) {
  return place.left() >= chartsRight + kGap && place.bottom() + 1 <= client.height() - kGap;
}

}  // namespace

const char* ScenarioItemName(int index) {
  static const char* const names[kScenarioItems] = {
      "Failuregroup0",  "Failuregroup1",  "Failuregroup2",  "Failuregroup3",  "Failuregroup4",
      "Failuregroup5",  "Failuregroup6",  "Failuregroup7",  "Failuregroup8",  "Failuregroup9",
      "Failuregroup10", "Failuregroup11", "Failuregroup12", "Failuregroup13", "Failuregroup14",
      "Failuregroup15", "Failuregroup16", "Failuregroup17", "Failuregroup18", "Failuregroup19",
      "Failuregroup20", "Failuregroup21", "Failuregroup22", "Failuregroup23", "Failuregroup24"};
  return index >= 0 && index < kScenarioItems ? names[index] : "";
}

const PlacedControl* PanelLayout::Find(std::string_view name) const {
  for (const PlacedControl& c : Controls)
    if (name == c.Name) return &c;
  return nullptr;
}

QRect PanelLayout::Of(std::string_view name) const {
  const PlacedControl* c = Find(name);
  return c ? c->Rect : QRect();
}

QRect PanelLayout::InClient(std::string_view name) const {
  const PlacedControl* c = Find(name);
  if (!c) return {};
  QRect r = c->Rect;
  for (const PlacedControl* p = Find(c->Parent); p; p = Find(p->Parent)) r.translate(p->Rect.topLeft());
  return r;
}

int GlassPanelWidth(const QString& type, int U, QSize client) {
  if (!IsJet(type)) return 4 * U;
  if (client.width() > kWideClientWidth) return 5 * U;
  if (client.height() < kLowClientHeight) return RoundPixel(kLowJetChartCells * U);
  return 4 * U;
}

int PanelCellSize(QSize client) {
  int U = CellSizeFor(client.width(), client.height());
  // The jet's chart width is rounded from the cell size, so step down
  // rather than divide.
  const auto fits = [&](int u) {
    return 8 * u + kFlyStopReserve <= client.width() &&
           4 * u + GlassPanelWidth("737", u, client) + kScenarioReserve <= client.width();
  };
  while (U > 1 && !fits(U)) --U;
  return U;
}

PanelLayout LayOutPanel(const PanelLayoutInput& in) {
  PanelLayout L;
  L.Controls.reserve(192);
  const QSize client = in.Client;
  const int U = PanelCellSize(client);
  L.CellSize = U;
  // Until a type is chosen the charts stand on the round-dial grid.
  const QString type = in.Type.isEmpty() ? QString("SEP") : in.Type;
  const bool jet = IsJet(type);
  const Charts c = PlaceCharts(type, U, client, in.Map != MapPlace::Hidden);
  L.Chart1Zoom = c.Zoom;
  L.StripsShown = c.Strips;
  L.MapLeft = c.MapLeft;

  // Back to front, as the window stacks them.
  L.Controls.push_back({"Chart1", "", c.Chart1});
  L.Controls.push_back({"Chart3", "", c.Chart3});
  L.Controls.push_back({"Chart2", "", c.Chart2});
  L.Controls.push_back({"chart4", "", c.chart4});
  L.Controls.push_back({"SYSTEEMPanel", "", c.SYSTEEMPanel});
  const int systemsAt = static_cast<int>(L.Controls.size());

  PanelBox box{in.ExerciseAtTop ? 0 : 4 * U, 2 * U};
  if (in.ExerciseFolded) box = FoldExercisePanel(box, U);
  const QRect exercise(0, box.Top, c.SYSTEEMPanel.width() - kExerciseShortOfSystems, box.Height);
  L.Controls.push_back({"Staticpanel", "", exercise});
  PlaceExerciseControls(L, exercise.size(), in.ExerciseQuestion);
  if (c.Strips) {
    L.Controls.push_back({"locchart", "", c.locchart});
    L.Controls.push_back({"GSchart", "", c.GSchart});
  }

  const int chartsRight = std::max(c.Chart3.right(), c.SYSTEEMPanel.right()) + 1;
  const QRect full = ScenarioPlace(client, kScenarioFull), compact = ScenarioPlace(client, CompactScenarioSize());
  const bool fullFits = ScenarioFits(client, chartsRight, full);

  // The systems panel's contents and the jet's A/P and EFIS panels, which
  // stand in front of it, at the largest scale up to their design that
  // lets nothing touch.
  QRect mcp, efis, scenario;
  for (int percent = 100; percent >= 50; --percent) {
    const double k = percent / 100.0;
    L.ContentScale = k;
    if (!jet) {
      if (SystemsContentFits(jet, c.SYSTEEMPanel.size(), k, {}, {})) break;
      continue;
    }
    mcp = QRect(QPoint(5 * U, 5 * U), Scaled(QRect(QPoint(0, 0), kAutopilotSize), k).size());
    // Both inside the systems panel they stand in front of: the EFIS box
    // right of the A/P panel, closer to it where the panel's right edge asks
    // for it, or, where the edge leaves it no room there, on the A/P panel's
    // right end. Where the full scenario panel leaves the box no room, the
    // scenario panel takes its compact form.
    const int panelRight = c.SYSTEEMPanel.right() - kEfisInsidePanel;
    if (mcp.right() > panelRight) continue;
    const QSize efisSize = Scaled(QRect(QPoint(0, 0), kEfisSize), k).size();
    const int gap = std::clamp(panelRight - mcp.right() - efisSize.width(), kEfisLeastGap, kEfisGap);
    efis = QRect(QPoint(mcp.right() + 1 + gap, mcp.top()), efisSize);
    if (efis.right() > panelRight) efis.moveBottomRight(QPoint(mcp.right(), mcp.top() - 1 - kEfisGap));
    scenario = fullFits && !full.intersects(efis) ? full : compact;
    const QPoint panelAt = c.SYSTEEMPanel.topLeft();
    if (SystemsContentFits(jet, c.SYSTEEMPanel.size(), k, mcp.translated(-panelAt), efis.translated(-panelAt))) break;
  }
  std::vector<PlacedControl> systems;
  SystemsContent(systems, jet, c.SYSTEEMPanel.size(), L.ContentScale);
  L.Controls.insert(L.Controls.begin() + systemsAt, systems.begin(), systems.end());

  if (jet) {
    PlaceScenarioPanel(L, scenario, scenario.size() != kScenarioFull);
    L.Controls.push_back({"MCPpanel", "", mcp});
    L.Controls.push_back({"EFISpanel", "", efis});
    for (const Design& d : kAutopilot) L.Controls.push_back({d.Name, d.Parent, Scaled(d.Rect, L.ContentScale)});
  }

  L.Controls.push_back({"STARTPanel", "", QRect(QPoint(0, 0), in.StartPanel)});
  const QRect map = in.Map == MapPlace::Full ? QRect(0, 0, 8 * U, 6 * U) : QRect(c.MapLeft, 2 * U, 4 * U, 4 * U);
  L.Controls.push_back({"MAPChart", "", map});
  L.Controls.push_back({"vertmap", "", QRect(0, 0, client.width(), 6 * U)});
  const int buttonsLeft = client.width() - kRightMargin - kFlyStop.width();
  L.Controls.push_back({"START", "", QRect(QPoint(buttonsLeft, kButtonsTop), kFlyStop)});
  L.Controls.push_back({"Startbit", "", QRect(QPoint(buttonsLeft, kButtonsTop + kFlyStopPitch), kFlyStop)});
  return L;
}

}  // namespace tvx
