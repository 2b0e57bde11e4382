// Instrument panel: arriving with the panel work.
#include "simulator/form1.h"

namespace tvx {
void TForm1::ConnectPanel() {}
void TForm1::PlaceChartsForType() {}
void TForm1::RefreshPanel() {}
void TForm1::TkADI() {}
void TForm1::TkOrvane() {}
void TForm1::TkHDG() {}
void TForm1::Chart1AfterDraw(Canvas&) {}
void TForm1::Chart2AfterDraw(Canvas&) {}
void TForm1::Chart3AfterDraw(Canvas&) {}
void TForm1::chart4AfterDraw(Canvas&) {}
}  // namespace tvx
