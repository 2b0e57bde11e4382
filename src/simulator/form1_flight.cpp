// The window's flight-model steps: the computation runs over the flight
// state; the window shows what a step changed that it draws itself (the
// attitude indicator's disc turned by the bank).
#include "simulator/flightmodel.h"
#include "simulator/form1.h"
#include "simulator/simstate.h"

namespace tvx {

void TForm1::ShowDiscRotation() { ui.Chart1->Rotation = Sim.AttitudeDiscRotation; }

void TForm1::Winddriehoek() { flight::Winddriehoek(Sim); }

void TForm1::Bratti() {
  flight::Bratti(Sim);
  ShowDiscRotation();  // a touchdown levels the wings
}

void TForm1::Brpos() { flight::Brpos(Sim); }

void TForm1::draailinks() {
  flight::draailinks(Sim);
  ShowDiscRotation();
}

void TForm1::draairechts() {
  flight::draairechts(Sim);
  ShowDiscRotation();
}

void TForm1::Doeklimmen() { flight::Doeklimmen(Sim); }

void TForm1::Doedalen() { flight::Doedalen(Sim); }

}  // namespace tvx
