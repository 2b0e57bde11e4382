// The simulator window's layout over every client area it supports, for
// every type and every state of its panels: every control of the window
// placed, nothing cut, no control a user works covered, no panel over an
// instrument chart, the charts on their cell grid.
#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>
#include <QXmlStreamReader>
#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_map>

#include "simulator/panellayout.h"

using namespace tvx;

namespace {

// The window's controls back to front (later ones cover earlier ones).
const std::vector<std::string_view> kStacking = {
    "Chart1",       "Chart3",   "Chart2",    "chart4",     "SYSTEEMPanel", "Staticpanel", "locchart", "GSchart",
    "Failurepanel", "MCPpanel", "EFISpanel", "STARTPanel", "MAPChart",     "vertmap",     "START",    "Startbit"};
// The map and the profile stand in front of the panel by design.
bool InFrontByDesign(std::string_view name) { return name == "MAPChart" || name == "vertmap"; }

enum class Phase { BeforeFly, BeforeFlyFolded, Flying, Profile, Exercise };

struct State {
  QString Type;
  MapPlace Map;
  Phase Stage;
  // In an exercise: the panel asking a question (or giving a task to fly),
  // at the top of the window (or over the systems panel), folded with E.
  bool Asking = false, AtTop = false, Folded = false;
};

bool InExercise(const State& s) { return s.Stage == Phase::Exercise; }
bool Asking(const State& s) { return InExercise(s) && s.Asking; }

QString Describe(QSize client, const State& s) {
  static const char* maps[] = {"map hidden", "map beside", "map full"};
  static const char* phases[] = {"before FLY", "before FLY, start panel folded", "in flight", "profile shown"};
  const QString stage = InExercise(s) ? QString("exercise %1 %2%3")
                                            .arg(s.Asking ? "question" : "task",
                                                 s.AtTop ? "at the top" : "over the systems panel",
                                                 s.Folded ? ", folded" : "")
                                      : QString(phases[static_cast<int>(s.Stage)]);
  return QString("%1x%2 %3, %4, %5")
      .arg(client.width()).arg(client.height()).arg(s.Type, maps[static_cast<int>(s.Map)], stage);
}

PanelLayoutInput InputOf(QSize client, const State& s) {
  PanelLayoutInput in;
  in.Client = client;
  in.Type = s.Type;
  in.Map = s.Map;
  in.ExerciseAtTop = InExercise(s) && s.AtTop;
  in.ExerciseFolded = InExercise(s) && s.Folded;
  in.ExerciseQuestion = Asking(s);
  if (s.Stage == Phase::BeforeFlyFolded) in.StartPanel = QSize(593, 26);
  return in;
}

// Which of the window's controls a user sees in state `s`.
bool Shown(std::string_view name, std::string_view parent, const State& s) {
  const bool jet = s.Type == "737";
  const bool glass = s.Type != "SEP";
  if (parent.empty()) {
    if (name == "Staticpanel") return InExercise(s);
    if (name == "locchart" || name == "GSchart") return glass;
    if (name == "Failurepanel" || name == "MCPpanel" || name == "EFISpanel") return jet;
    if (name == "STARTPanel") return s.Stage == Phase::BeforeFly || s.Stage == Phase::BeforeFlyFolded;
    if (name == "MAPChart") return s.Map != MapPlace::Hidden;
    if (name == "vertmap") return s.Stage == Phase::Profile;
    if (name == "START" || name == "Startbit") return !Asking(s);
    return true;
  }
  if (name == "Switchbox") return !jet;
  if (name == "speedbrake" || name == "Label_speedbrake" || name == "flapgetalpanel") return jet;
  if (parent == "Staticpanel") {
    if (name == "Staticmemo" || name == "ENDstatic" || name == "BitBtn1") return true;
    const bool askingOnly = name == "Staticinput" || name == "Confirmstatic" || name == "Ctrtekst";
    return Asking(s) ? askingOnly : name == "Command";
  }
  return true;
}

// The charts that show the instruments.
bool IsInstrumentChart(std::string_view name) {
  for (const char* chart : {"Chart1", "Chart2", "Chart3", "chart4", "locchart", "GSchart"})
    if (name == chart) return true;
  return false;
}

// What stands over an instrument chart by design, covering `over` of it:
// besides the start panel, the exercise panel, the map and the profile, the
// strips lie on the attitude indicator; with the map shown the round-dial
// HSI takes the VSI's cell and the systems panel the RPM dial's; the glass
// systems panel takes the bottom row of Chart3, which stands a pixel down.
bool OverByDesign(std::string_view chart, std::string_view front, const State& s, const QRect& over) {
  if (front == "STARTPanel" || front == "Staticpanel" || InFrontByDesign(front)) return true;
  if (chart == "Chart1" && (front == "locchart" || front == "GSchart")) return true;
  if (chart != "Chart3") return false;
  if (s.Type == "SEP") return s.Map != MapPlace::Hidden && (front == "chart4" || front == "SYSTEEMPanel");
  return front == "SYSTEEMPanel" && over.height() == 1;
}

// The window's controls on its client area, as its form holds them, each
// with the index of the control it stands on (-1: the client area), parents
// before their children.
struct FormControl {
  std::string Name;
  int Parent;
};
const std::vector<FormControl>& FormControls() {
  static const std::vector<FormControl> controls = [] {
    std::vector<FormControl> out;
    QFile file(QStringLiteral(TARVINEX_SIMULATOR_FORM));
    if (!file.open(QIODevice::ReadOnly)) return out;
    QXmlStreamReader xml(&file);
    // The widgets the reader is in: the window, its client area, then the
    // controls (as indexes into `out`).
    std::vector<int> open;
    bool inClientArea = false;
    while (!xml.atEnd()) {
      xml.readNext();
      if (xml.isStartElement() && xml.name() == u"widget") {
        const QString name = xml.attributes().value(QStringLiteral("name")).toString();
        if (open.size() == 1) inClientArea = name == u"centralwidget";
        if (open.size() >= 2 && inClientArea) {
          out.push_back({name.toStdString(), open.size() == 2 ? -1 : open.back()});
          open.push_back(static_cast<int>(out.size()) - 1);
        } else {
          open.push_back(-1);
        }
      } else if (xml.isEndElement() && xml.name() == u"widget") {
        open.pop_back();
      }
    }
    return out;
  }();
  return controls;
}

// The index of the form's control `name`; -1 when the form has none.
int FormIndexOf(std::string_view name) {
  static const std::unordered_map<std::string_view, int> index = [] {
    std::unordered_map<std::string_view, int> out;
    const std::vector<FormControl>& form = FormControls();
    for (std::size_t i = 0; i < form.size(); ++i) out.emplace(form[i].Name, static_cast<int>(i));
    return out;
  }();
  const auto found = index.find(name);
  return found == index.end() ? -1 : found->second;
}

// The controls a user works or reads: everything on a panel, the panels
// that are controls themselves, FLY/STOP.
bool IsControl(const PlacedControl& c) {
  const std::string_view name = c.Name;
  if (*c.Parent) return true;
  return name == "START" || name == "Startbit" || name == "STARTPanel";
}

// The first fault of the layout in state `s`, naming the state and the
// two controls; empty when there is none.
QString FirstFault(QSize client, const State& s) {
  const PanelLayout L = LayOutPanel(InputOf(client, s));
  const int U = L.CellSize;
  const auto where = [&] { return Describe(client, s) + ": "; };

  // The charts keep their cell grid.
  const bool sep = s.Type == "SEP";
  const bool mapShown = s.Map != MapPlace::Hidden;
  const QRect grid[] = {sep ? QRect(2 * U, 0, 2 * U, 2 * U) : QRect(U, 0, 3 * U, 3 * U),
                        sep ? QRect(0, 0, 2 * U, 4 * U) : QRect(0, 0, U, 6 * U),
                        sep ? QRect(mapShown ? 4 * U : 2 * U, 2 * U, 2 * U, 2 * U) : QRect(U, 3 * U, 3 * U, 3 * U)};
  const char* gridNames[] = {"Chart1", "Chart2", "chart4"};
  for (int i = 0; i < 3; ++i)
    if (L.Of(gridNames[i]) != grid[i]) return where() + gridNames[i] + " off its cells";
  const QRect chart3 = L.Of("Chart3");
  const bool chart3OnGrid = chart3.topLeft() == QPoint(4 * U, 1) && chart3.height() == (sep ? 6 : 3) * U &&
                            (chart3.width() == 4 * U || chart3.width() == 5 * U ||
                             (s.Type == "737" && std::abs(chart3.width() - 5.1 * U) <= 0.5));
  if (!chart3OnGrid) return where() + "Chart3 off its cells";
  const QRect systems = sep ? QRect(mapShown ? 2 * U : 0, 4 * U, 4 * U, 2 * U) : QRect(4 * U, 3 * U, chart3.width(), 3 * U);
  if (L.Of("SYSTEEMPanel") != systems) return where() + "SYSTEEMPanel off its cells";
  if (s.Type == "737") {
    const QRect mcp = L.Of("MCPpanel"), efis = L.Of("EFISpanel");
    if (mcp.topLeft() != QPoint(5 * U, 5 * U)) return where() + "MCPpanel off its cells";
    // The EFIS box is worked with the A/P panel: on its row, just right of
    // it, or just above its right end; both inside the systems panel.
    constexpr int kWidestGap = 10;
    const bool onTheRow = efis.top() == mcp.top() && efis.left() > mcp.right() + 1 &&
                          efis.left() <= mcp.right() + 1 + kWidestGap;
    const bool above = efis.right() == mcp.right() && efis.bottom() < mcp.top() - 1 &&
                       efis.bottom() >= mcp.top() - 1 - kWidestGap;
    if (efis.height() != mcp.height() || (!onTheRow && !above)) return where() + "EFISpanel not beside MCPpanel";
    const QRect panel = L.Of("SYSTEEMPanel");
    if (!panel.contains(mcp) || !panel.contains(efis)) return where() + "MCPpanel or EFISpanel reaches out of SYSTEEMPanel";
  }
  if (L.ContentScale < 0.8) return where() + QString("contents shrunk to %1").arg(L.ContentScale);

  // Per control: the window's control it is, its parent's index, whether
  // it is seen, its place in the client area, and the control on the
  // client area it stands on.
  const std::vector<FormControl>& form = FormControls();
  const int n = static_cast<int>(L.Controls.size());
  std::vector<int> formOf(n), parent(n, -1), top(n);
  std::vector<char> seen(n);
  std::vector<QRect> inClient(n);
  // Per control of the window: whether the user sees it in this state, its
  // index in the layout, and whether the layout places its contents.
  std::vector<char> shown(form.size()), contentsPlaced(form.size());
  std::vector<int> layoutOf(form.size(), -1);
  for (std::size_t f = 0; f < form.size(); ++f) {
    const int p = form[f].Parent;
    shown[f] = Shown(form[f].Name, p < 0 ? std::string_view() : form[static_cast<std::size_t>(p)].Name, s);
  }
  for (int i = 0; i < n; ++i) {
    const PlacedControl& c = L.Controls[static_cast<std::size_t>(i)];
    formOf[i] = FormIndexOf(c.Name);
    if (formOf[i] < 0) return where() + c.Name + " is no control of the window";
    const FormControl& f = form[static_cast<std::size_t>(formOf[i])];
    if (*c.Parent) {
      const int pf = FormIndexOf(c.Parent);
      parent[i] = pf < 0 ? -1 : layoutOf[static_cast<std::size_t>(pf)];
      if (parent[i] < 0) return where() + c.Name + " placed before its parent";
    }
    const int p = parent[i];
    if (f.Parent != (p < 0 ? -1 : formOf[p])) return where() + c.Name + " placed on another control than it stands on";
    layoutOf[static_cast<std::size_t>(formOf[i])] = i;
    if (p >= 0) contentsPlaced[static_cast<std::size_t>(formOf[p])] = 1;
    seen[i] = shown[static_cast<std::size_t>(formOf[i])] && (p < 0 || seen[p]);
    inClient[i] = p < 0 ? c.Rect : c.Rect.translated(inClient[p].topLeft());
    top[i] = p < 0 ? i : top[p];
  }
  // Every control of the window that the user sees in this state has its
  // place: those on the client area, and those on a panel whose contents
  // the layout places.
  std::vector<char> formSeen(form.size());
  for (std::size_t f = 0; f < form.size(); ++f) {
    const int p = form[f].Parent;
    formSeen[f] = shown[f] && (p < 0 || formSeen[static_cast<std::size_t>(p)]);
    if (formSeen[f] && (p < 0 || contentsPlaced[static_cast<std::size_t>(p)]) && layoutOf[f] < 0)
      return where() + QString::fromStdString(form[f].Name) + " has no place";
  }
  const auto indexOf = [&](std::string_view name) {
    const int f = FormIndexOf(name);
    return f < 0 ? -1 : layoutOf[static_cast<std::size_t>(f)];
  };

  const QRect clientRect(QPoint(0, 0), client);
  for (int i = 0; i < n; ++i) {
    if (!seen[i]) continue;
    const PlacedControl& c = L.Controls[static_cast<std::size_t>(i)];
    const int p = parent[i];
    // Nothing is cut: by the client area, or by the panel it stands on.
    const QRect room = p < 0 ? clientRect : QRect(QPoint(0, 0), L.Controls[static_cast<std::size_t>(p)].Rect.size());
    if (!room.contains(c.Rect))
      return where() + c.Name + " cut by " + (p < 0 ? QString("the client area") : QString(c.Parent));
    // Controls on one panel keep apart (a panel's contents follow it).
    for (int j = p + 1; p >= 0 && j < i; ++j)
      if (seen[j] && parent[j] == p && L.Controls[static_cast<std::size_t>(j)].Rect.intersects(c.Rect))
        return where() + c.Name + " and " + L.Controls[static_cast<std::size_t>(j)].Name + " overlap";
  }
  // No control is covered by a panel or chart in front of the one it is on.
  struct Front {
    std::string_view name;
    int index;
  };
  std::vector<Front> stack;  // the top-level controls seen, back to front
  for (const std::string_view name : kStacking)
    if (const int f = indexOf(name); f >= 0 && seen[f]) stack.push_back({name, f});
  // No panel or button stands over an instrument chart but by design.
  for (std::size_t a = 0; a < stack.size(); ++a) {
    if (!IsInstrumentChart(stack[a].name)) continue;
    for (std::size_t b = a + 1; b < stack.size(); ++b)
      if (const QRect over = inClient[stack[b].index] & inClient[stack[a].index];
          !over.isEmpty() && !OverByDesign(stack[a].name, stack[b].name, s, over))
        return where() + L.Controls[static_cast<std::size_t>(stack[b].index)].Name + " over " +
               L.Controls[static_cast<std::size_t>(stack[a].index)].Name;
  }
  for (int i = 0; i < n; ++i) {
    const PlacedControl& c = L.Controls[static_cast<std::size_t>(i)];
    if (!seen[i] || !IsControl(c)) continue;
    const std::string_view under = L.Controls[static_cast<std::size_t>(top[i])].Name;
    bool inFront = false;
    for (const Front& f : stack) {
      if (!inFront) {
        inFront = f.index == top[i];
        continue;
      }
      if (InFrontByDesign(f.name)) continue;
      // The exercise panel stands over the systems panel: the pilot folds
      // it to one cell to see the radios.
      if (under == "SYSTEEMPanel" && f.name == "Staticpanel") continue;
      if (inClient[f.index].intersects(inClient[i]))
        return where() + c.Name + " covered by " + L.Controls[static_cast<std::size_t>(f.index)].Name;
    }
  }
  return {};
}

// Every state a user reaches: each type with the map hidden, beside the
// panel and full size, before FLY, in flight and with the profile shown,
// and the exercises (the round-dial piston) with their panel asking or
// giving a task, over the systems panel or at the top, folded or not.
std::vector<State> EveryState() {
  std::vector<State> states;
  for (const QString type : {"SEP", "SEP EFIS", "737"})
    for (const MapPlace map : {MapPlace::Hidden, MapPlace::Beside, MapPlace::Full}) {
      for (const Phase p : {Phase::BeforeFly, Phase::BeforeFlyFolded, Phase::Flying, Phase::Profile})
        states.push_back({type, map, p});
      if (type != "SEP") continue;
      for (const bool asking : {true, false})
        for (const bool atTop : {true, false})
          for (const bool folded : {false, true}) states.push_back({type, map, Phase::Exercise, asking, atTop, folded});
    }
  return states;
}

// The states that check all the others: before FLY every control of the
// flight is seen, with the start panel in front, at its full size; the
// flight and the profile show a subset of them (the profile is in front by
// design and as wide as the client area).
std::vector<State> CoveringStates() {
  std::vector<State> states;
  for (const State& s : EveryState())
    if (s.Stage != Phase::BeforeFlyFolded && s.Stage != Phase::Flying && s.Stage != Phase::Profile)
      states.push_back(s);
  return states;
}

}  // namespace

// Every client area from the smallest the window allows up to 2560 x 1440
// in steps of a few pixels: what desktops leave of a screen from 1280 x 720
// up, and every window a user makes smaller within that. The widths are
// swept in bands, each a test of its own, so that they run side by side.
constexpr int kSweepStep = 8;
constexpr int kSweepBands = 8;

class PanelLayoutSweep : public testing::TestWithParam<int> {};

TEST_P(PanelLayoutSweep, EveryClientAreaEveryState) {
  ASSERT_GT(FormControls().size(), 150u) << "the window's form was not read";
  const std::vector<State> states = CoveringStates();
  const int first = kSmallestPanelClient.width(), last = 2560;
  const int bandWidth = ((last - first) / kSweepStep / kSweepBands + 1) * kSweepStep;
  const int from = first + GetParam() * bandWidth, to = std::min(last, from + bandWidth - 1);
  int checked = 0, failed = 0;
  QStringList faults;
  const auto sweepWidth = [&](int w) {
    for (int h = kSmallestPanelClient.height(); h <= 1440 + kSweepStep - 1; h += kSweepStep)
      for (const State& s : states) {
        ++checked;
        const QString fault = FirstFault(QSize(w, std::min(h, 1440)), s);
        if (!fault.isEmpty() && ++failed <= 10) faults << fault;
      }
  };
  for (int w = from; w <= to; w += kSweepStep) sweepWidth(w);
  if (to == last && (to - from) % kSweepStep != 0) sweepWidth(last);
  EXPECT_EQ(failed, 0) << failed << " of " << checked << " states fail, first ones:\n"
                       << faults.join("\n").toStdString();
  RecordProperty("states", checked);
}

INSTANTIATE_TEST_SUITE_P(WidthBands, PanelLayoutSweep, testing::Range(0, kSweepBands));

// The sizes the desktops of the reports leave, one by one, in every state.
TEST(PanelLayoutReported, ClientAreasOfTheReports) {
  for (const QSize client : {QSize(1366, 699), QSize(1360, 703), QSize(1366, 749), QSize(1280, 651), QSize(1500, 724),
                             QSize(1180, 610), QSize(2560, 1440), QSize(1180, 1440), QSize(2560, 610)})
    for (const State& s : EveryState()) EXPECT_EQ(FirstFault(client, s).toStdString(), "");
}

TEST(PanelLayout, ThePartsCellGridAtSixteenHundredByNine) {
  PanelLayoutInput in;
  in.Client = QSize(1600, 900);
  in.Type = "737";
  const PanelLayout L = LayOutPanel(in);
  EXPECT_EQ(L.CellSize, 149);
  EXPECT_EQ(L.Of("Chart3"), QRect(596, 1, 745, 447));
  EXPECT_EQ(L.Of("MCPpanel"), QRect(745, 745, 360, 64));
  EXPECT_EQ(L.Of("Failurepanel"), QRect(1346, 100, 246, 628));
  EXPECT_EQ(L.ContentScale, 1.0);
  EXPECT_EQ(L.MapLeft, 1600 - 596 - 20);
}

TEST(PanelLayout, ContentsShrinkWithTheCell) {
  PanelLayoutInput in;
  in.Client = kSmallestPanelClient;
  for (const QString type : {"SEP", "SEP EFIS", "737"}) {
    in.Type = type;
    const PanelLayout L = LayOutPanel(in);
    EXPECT_LT(L.ContentScale, 1.0) << type.toStdString();
    EXPECT_GE(L.ContentScale, 0.8) << type.toStdString();
    EXPECT_LE(L.InClient("flapbox").right(), L.InClient("SYSTEEMPanel").right()) << type.toStdString();
  }
}
