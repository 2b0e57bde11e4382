// Keyboard: arriving with the keyboard work.
#include "simulator/form1.h"

namespace tvx {
void TForm1::FormKeyDown(int, Qt::KeyboardModifiers) {}
void TForm1::FormKeyUp(int, Qt::KeyboardModifiers) {}
void TForm1::ReleaseHeldCommands() {}
}  // namespace tvx
