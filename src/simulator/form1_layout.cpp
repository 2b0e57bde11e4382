// The simulator window applies the panel's layout (panellayout.cpp): every
// control where the layout puts it for the client area, the type and the
// panels' states, whenever one of those changes.
#include <QEvent>
#include <QHash>
#include <algorithm>

#include "instruments/layout.h"
#include "simulator/aircrafttype.h"
#include "simulator/form1.h"
#include "simulator/panellayout.h"
#include "simulator/simstate.h"

namespace tvx {

namespace {

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

// Fonts shrink with the panels' contents, but no further than a size that
// still reads.
constexpr double kSmallestPointSize = 7.0;

QFont ScaledFont(const QFont& design, double k) {
  QFont f = design;
  if (design.pointSizeF() > 0)
    f.setPointSizeF(std::max(design.pointSizeF() * k, std::min(design.pointSizeF(), kSmallestPointSize)));
  else if (design.pixelSize() > 0)
    f.setPixelSize(std::max(static_cast<int>(design.pixelSize() * k + 0.5), std::min(design.pixelSize(), 9)));
  return f;
}

}  // namespace

QSize TForm1::ClientArea() const {
  if (ClientSizeOverride.isValid()) return ClientSizeOverride;
  if (isVisible() && centralWidget() && !centralWidget()->size().isEmpty()) return centralWidget()->size();
  return DefaultClientSize(ScreenSize());
}

PanelLayoutInput TForm1::PanelState() const {
  PanelLayoutInput in;
  in.Client = ClientArea();
  // Until a type is chosen the charts stand on the round-dial grid.
  if (TypegroupItemIndex >= 0) in.Type = Sim.AircraftType;
  in.Map = Sim.MapFullSize ? MapPlace::Full : Sim.MapVisible ? MapPlace::Beside : MapPlace::Hidden;
  in.ExerciseAtTop = ExercisePanelAtTop;
  in.ExerciseFolded = ExercisePanelFolded;
  in.ExerciseQuestion = !ui.Staticinput->isHidden();
  in.StartPanel = ui.STARTPanel->size();
  return in;
}

void TForm1::ApplyPanelLayout() {
  SimState& s = Sim;
  const PanelLayout L = LayOutPanel(PanelState());
  if (layoutWidgets_.isEmpty()) {
    for (QWidget* w : centralWidget()->findChildren<QWidget*>())
      if (!w->objectName().isEmpty()) layoutWidgets_.insert(w->objectName(), w);
    // The fonts as designed, before any shrinking.
    for (QWidget* panel : {static_cast<QWidget*>(ui.SYSTEEMPanel), static_cast<QWidget*>(ui.MCPpanel),
                           static_cast<QWidget*>(ui.EFISpanel)})
      for (QWidget* w : panel->findChildren<QWidget*>()) designFonts_.insert(w, w->font());
    designFonts_.insert(ui.Failuregroup, ui.Failuregroup->font());
  }
  if (s.CellSize != L.CellSize) SetCellLayout(s, L.CellSize);
  for (const PlacedControl& c : L.Controls) {
    QWidget* w = layoutWidgets_.value(QLatin1String(c.Name));
    if (!w) continue;
    QRect r = c.Rect;
    // A pulled fire switch stays turned where the pilot turned it.
    if (w == ui.EFS1 || w == ui.EFS2) r.moveLeft(w->x());
    if (w->geometry() != r) w->setGeometry(r);
  }
  for (auto f = designFonts_.cbegin(); f != designFonts_.cend(); ++f) {
    // The two narrow columns take the scenario list's words a size smaller.
    const QFont font = f.key() == ui.Failuregroup
                           ? ScaledFont(f.value(), L.ScenarioCompact ? (f.value().pointSizeF() - 1) /
                                                                           f.value().pointSizeF()
                                                                     : 1.0)
                           : ScaledFont(f.value(), L.ContentScale);
    if (f.key()->font() != font) f.key()->setFont(font);
  }
  ui.Chart1->Zoom = L.Chart1Zoom;
  ui.locchart->setVisible(L.StripsShown);
  ui.GSchart->setVisible(L.StripsShown);
  s.MapLeft = L.MapLeft;
  SetChartCentres(s, ui.Chart1->size(), ui.chart4->size());
  SetEngineCentre(s);
  s.MapCentreX = ui.MAPChart->width() / 2;
  s.MapCentreY = ui.MAPChart->height() / 2;
}

void TForm1::PlaceChartsAtCreation() {
  ui.Chart1->Elevation = 360;
  ui.Chart1->VertOffset = 0;
  ui.MAPChart->show();
  Sim.MapVisible = true;
  ui.vertmap->hide();
  ApplyPanelLayout();
  // The window follows its client area from now on (unless a test pins it).
  if (centralWidget() && !clientAreaWatched_) {
    clientAreaWatched_ = true;
    centralWidget()->installEventFilter(new ClientAreaWatch(this));
  }
}

void TForm1::PlaceChartsForType() {
  PlaceAutopilotPanels();
  ApplyPanelLayout();
}

void TForm1::LayOutForClientArea() {
  // A test's pinned size stands; a hidden window keeps its layout until shown.
  if (ClientSizeOverride.isValid() || !isVisible()) return;
  ApplyPanelLayout();
  TkOrvane();
  if (ProfileShown()) ui.vertmap->Repaint();
}

}  // namespace tvx
