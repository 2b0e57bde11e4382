// Moving map and profile: arriving with the map work.
#include "simulator/form1.h"

namespace tvx {
void TForm1::ConnectMap() {}
void TForm1::mapschakelaar() {}
void TForm1::fullmapschakelaar() {}
void TForm1::vertmapschakelaar() {}
void TForm1::MAPChartAfterDraw(Canvas&) {}
void TForm1::vertmapAfterDraw(Canvas&) {}
}  // namespace tvx
