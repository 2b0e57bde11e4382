// Radios and keyboard: arriving with the radio work.
#include "simulator/form1.h"

namespace tvx {
void TForm1::ConnectRadios() {}
void TForm1::Zoekfreq() {}
void TForm1::BrRadDme() {}
void TForm1::FormKeyDown(int, Qt::KeyboardModifiers) {}
void TForm1::FormKeyUp(int, Qt::KeyboardModifiers) {}
}  // namespace tvx
