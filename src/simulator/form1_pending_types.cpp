// Aircraft types and configurations: arriving with the types work.
#include "simulator/form1.h"

namespace tvx {
void TForm1::ConnectTypes() {}
void TForm1::planetypeChange() {}
void TForm1::laadvlgtgparameters() {}
void TForm1::ConfigboxChange() {}
void TForm1::leesconfiguratie() {}
void TForm1::doeflaps() {}
}  // namespace tvx
