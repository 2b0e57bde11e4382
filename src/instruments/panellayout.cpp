// Where the charts sit on the cell grid.
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

}  // namespace tvx
