// Where the charts sit on the cell grid, at window creation and per type.
#include "instruments/layout.h"
#include "simulator/form1.h"
#include "simulator/simstate.h"

namespace tvx {

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
  ui.vertmap->setGeometry(0, 0, ScreenSize().width(), 6 * U);
  ui.vertmap->hide();
  Sim.MapLeft = 0;
}

void TForm1::PlaceChartsForType() {
  SimState& s = Sim;
  PanelPlacementInput in;
  in.Type = s.AircraftType;
  in.CellSize = s.CellSize;
  in.Screen = ScreenSize();
  in.MapVisible = s.MapVisible;
  in.RadioPanelRight = ui.radiopanel->x() + ui.radiopanel->width();
  // The window is maximised when a type is chosen; before it is shown (tests)
  // its width is that of the client area the grid was computed from.
  const QSize client = ClientSizeOverride.isValid() ? ClientSizeOverride : DefaultClientSize(in.Screen);
  in.FormWidth = isVisible() ? width() : client.width();
  in.MapWidth = ui.MAPChart->width();
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
  PlaceAutopilotPanels();
}

}  // namespace tvx
