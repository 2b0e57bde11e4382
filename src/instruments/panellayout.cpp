// Where the charts sit on the cell grid, at window creation and per type,
// and the panels that stand over the grid.
#include <QEvent>
#include <QRadioButton>

#include "instruments/layout.h"
#include "simulator/aircrafttype.h"
#include "simulator/form1.h"
#include "simulator/simstate.h"

namespace tvx {

namespace {

// Height of the flap-setting row (one row of edits and buttons).
constexpr int kFlapSettingRowHeight = 42;

// The scenario list in two columns, and the drill controls in two rows,
// for the systems panel of a window too narrow for the full panel. Narrow
// enough to stand right of the flap box on a 1280-px window.
constexpr int kListColumnWidth = 116;
constexpr int kListRows = 13;
constexpr int kListRowHeight = 16;
constexpr int kListTitleHeight = 16;
constexpr int kListWidth = 2 * kListColumnWidth + 10;
constexpr int kListFrame = kListTitleHeight + 4;
const QSize kCompactControls(242, 94);
// The controls' second row (warning panel, Reset) begins here.
constexpr int kControlsSecondRow = 62;

struct ChildPlace {
  const char* name;
  QRect compact;
};
// The fire switches keep their left offsets: a pulled switch turns about them.
const ChildPlace kCompactControlChildren[] = {
    {"Label_fire", {5, 4, 60, 14}},   {"EFS1", {13, 20, 16, 40}},      {"EFS2", {45, 20, 16, 40}},
    {"Label_thrust", {70, 4, 56, 14}}, {"TL1", {74, 20, 22, 40}},      {"TL2", {100, 20, 22, 40}},
    {"Label_fuel", {130, 4, 50, 14}},  {"FCS1", {132, 20, 22, 40}},    {"FCS2", {158, 20, 22, 40}},
    {"Label_at", {188, 4, 50, 14}},    {"AT", {190, 24, 44, 22}},      {"Eicas", {5, 64, 150, 26}},
    {"ResetEx", {160, 64, 80, 26}},
};

// Relays the client area's size changes to the window.
class ClientAreaWatch : public QObject {
 public:
  explicit ClientAreaWatch(TForm1* form) : QObject(form), form_(form) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Resize) form_->LayOutForClientArea();
    return false;
  }

 private:
  TForm1* form_;
};

// The scenario panel and its children as designed, kept on each widget for
// the full form.
constexpr const char* kDesigned = "tvxDesignedGeometry";
constexpr const char* kDesignedFont = "tvxDesignedPointSize";

QRect Designed(QWidget* w) {
  if (!w->property(kDesigned).isValid()) w->setProperty(kDesigned, w->geometry());
  return w->property(kDesigned).toRect();
}

}  // namespace

QSize TForm1::ClientArea() const {
  if (ClientSizeOverride.isValid()) return ClientSizeOverride;
  if (isVisible() && centralWidget() && !centralWidget()->size().isEmpty()) return centralWidget()->size();
  return DefaultClientSize(ScreenSize());
}

void TForm1::PlaceChartsAtCreation() {
  const int U = Sim.CellSize;
  ui.Chart1->setGeometry(2 * U, 0, 2 * U, 2 * U);
  ui.Chart1->Elevation = 360;
  ui.Chart1->Zoom = 85;
  ui.Chart1->VertOffset = 0;
  ui.chart4->setGeometry(4 * U, 2 * U, 2 * U, 2 * U);
  ui.Chart3->setGeometry(4 * U, 1, (Sim.AircraftType == "737" ? 5 : 4) * U, 6 * U);
  ui.Chart2->setGeometry(0, 0, 2 * U, 4 * U);
  ui.SYSTEEMPanel->setGeometry(2 * U, 4 * U, 4 * U, 2 * U);
  ui.MAPChart->setGeometry(0, 2 * U, 4 * U, 4 * U);
  ui.MAPChart->show();
  Sim.MapVisible = true;
  ui.vertmap->setGeometry(ProfileRect(U, ClientArea().width(), ScreenSize().width()));
  ui.vertmap->hide();
  Sim.MapLeft = 0;
  PlaceSystemsPanelControls();
  // The window follows its client area from now on (unless a test pins it).
  if (centralWidget() && !centralWidget()->property("tvxWatched").toBool()) {
    centralWidget()->setProperty("tvxWatched", true);
    centralWidget()->installEventFilter(new ClientAreaWatch(this));
  }
}

void TForm1::PlaceCharts(const QString& type) {
  SimState& s = Sim;
  PanelPlacementInput in;
  in.Type = type;
  in.CellSize = s.CellSize;
  in.Screen = ScreenSize();
  in.MapVisible = s.MapVisible;
  in.RadioPanelRight = ui.radiopanel->x() + ui.radiopanel->width();
  in.FormWidth = ClientArea().width();
  const PanelPlacement p = PlacePanel(in);

  ui.Chart1->setGeometry(p.Chart1);
  ui.Chart1->Zoom = p.Chart1Zoom;
  ui.Chart2->setGeometry(p.Chart2);
  ui.Chart3->setGeometry(p.Chart3);
  ui.chart4->setGeometry(p.chart4);
  ui.SYSTEEMPanel->setGeometry(p.SYSTEEMPanel);
  if (p.StripsShown) {
    ui.locchart->setGeometry(p.locchart);
    ui.GSchart->setGeometry(p.GSchart);
  }
  ui.locchart->setVisible(p.StripsShown);
  ui.GSchart->setVisible(p.StripsShown);
  s.MapLeft = p.MapLeft;
  SetChartCentres(s, p.Chart1.size(), p.chart4.size());
  SetEngineCentre(s);
  PlaceSystemsPanelControls();
}

void TForm1::PlaceChartsForType() {
  PlaceCharts(Sim.AircraftType);
  PlaceAutopilotPanels();
  PlaceScenarioPanel();
}

void TForm1::PlaceSystemsPanelControls() {
  const int height = ui.SYSTEEMPanel->height();
  ui.Flapsettingbox->move(ui.Flapsettingbox->x(), FlapSettingRowTop(height, kFlapSettingRowHeight));
  // The jets' guidance box stands where the pistons have their switches;
  // the pistons have it under the flap box.
  if (IsPiston(Sim.AircraftType)) ui.GroupBox12->setGeometry(306, 154, 150, 40);
  else ui.GroupBox12->setGeometry(1, 172, 300, 40);
  ui.Learntext->setGeometry(8, 16, ui.GroupBox12->width() - 16, 20);
}

void TForm1::PlaceScenarioPanel() {
  const QList<QWidget*> children = ui.Failurepanel->findChildren<QWidget*>();
  for (QWidget* child : children) Designed(child);
  const QSize client = ClientArea();
  ScenarioPanelInput in;
  in.Client = client;
  in.ChartsRight = std::max(ui.Chart3->geometry().right(), ui.SYSTEEMPanel->geometry().right()) + 1;
  in.ChartsBottom = ui.Chart3->geometry().bottom() + 1;
  in.SystemsPanel = ui.SYSTEEMPanel->geometry();
  in.FlapboxRight = ui.flapbox->geometry().right() + 1;
  in.ButtonsBottom = std::max(ui.START->geometry().bottom(), ui.Startbit->geometry().bottom()) + 1;
  in.FullSize = Designed(ui.Failurepanel).size();
  in.CompactListWidth = kListWidth;
  in.CompactListRows = kListRows;
  in.CompactListFrame = kListFrame;
  in.CompactRowHeight = kListRowHeight;
  in.CompactControls = kCompactControls;
  in.ControlsSecondRow = kControlsSecondRow;
  if (IsJet(Sim.AircraftType)) in.Autopilot = ui.MCPpanel->geometry().united(ui.EFISpanel->geometry());
  const ScenarioPanelPlace place = tvx::PlaceScenarioPanel(in);

  ui.Failurepanel->setGeometry(place.Panel);
  // The two narrow columns take the list's words a size smaller.
  if (!ui.Failuregroup->property(kDesignedFont).isValid())
    ui.Failuregroup->setProperty(kDesignedFont, ui.Failuregroup->font().pointSize());
  QFont font = ui.Failuregroup->font();
  font.setPointSize(ui.Failuregroup->property(kDesignedFont).toInt() - (place.Compact ? 1 : 0));
  ui.Failuregroup->setFont(font);
  if (!place.Compact) {
    for (QWidget* child : children) child->setGeometry(Designed(child));
    return;
  }
  ui.Failuregroup->setGeometry(QRect(place.ListAt, place.ListSize));
  const QList<QRadioButton*> items = ui.Failuregroup->findChildren<QRadioButton*>();
  for (QRadioButton* item : items) {
    const int i = item->objectName().mid(QString("Failuregroup").size()).toInt();
    const int column = i / kListRows, row = i % kListRows;
    item->setGeometry(6 + column * kListColumnWidth, kListTitleHeight + row * place.RowHeight, kListColumnWidth - 4,
                      place.RowHeight);
  }
  // Where the A/P panels stand between the controls' rows, the box reaches
  // behind them.
  ui.Failurecontrols->setGeometry(
      QRect(place.ControlsAt, kCompactControls + QSize(0, place.SecondRowShift)));
  for (const ChildPlace& c : kCompactControlChildren)
    if (auto* w = ui.Failurecontrols->findChild<QWidget*>(c.name))
      w->setGeometry(c.compact.translated(0, c.compact.top() >= kControlsSecondRow ? place.SecondRowShift : 0));
}

void TForm1::LayOutForClientArea() {
  // A test's pinned size stands; a hidden window keeps its layout until shown.
  if (ClientSizeOverride.isValid() || !isVisible()) return;
  SimState& s = Sim;
  const QSize client = ClientArea();
  const int oldU = s.CellSize;
  ComputeCellLayout(s, client.width(), client.height(), ScreenSize(), FlyStopReserve());
  const int U = s.CellSize;
  // Until a type is chosen the charts stand on the round-dial grid of the
  // window's creation.
  if (TypegroupItemIndex >= 0) PlaceChartsForType();
  else PlaceCharts("SEP");
  if (s.MapFullSize) ui.MAPChart->setGeometry(0, 0, 8 * U, 6 * U);
  else ui.MAPChart->setGeometry(s.MapLeft, 2 * U, 4 * U, 4 * U);
  s.MapCentreX = ui.MAPChart->width() / 2;
  s.MapCentreY = ui.MAPChart->height() / 2;
  ui.vertmap->setGeometry(ProfileRect(U, client.width(), ScreenSize().width()));
  // The exercise panel keeps its place in cells (top or folded) and its
  // width beside the systems panel.
  const QRect exercise = RescaledInCells(ui.Staticpanel->geometry(), oldU, U);
  ui.Staticpanel->setGeometry(exercise.left(), exercise.top(), ui.SYSTEEMPanel->width() - 150, exercise.height());
  TkOrvane();
  if (ProfileShown()) ui.vertmap->Repaint();
}

}  // namespace tvx
