// The program's entry: creates the windows once, in their order, and runs the
// event loop. Windows are shown and hidden, never freed before the end.
#include <QApplication>
#include <QScreen>

#include "areas/area.h"
#include "areas/dbaseform.h"
#include "areas/instrform.h"
#include "areas/mapform.h"
#include "areas/printareaform.h"
#include "exercises/exform.h"
#include "platform/dataroot.h"
#include "platform/messages.h"
#include "preparation/convform.h"
#include "preparation/massbalform.h"
#include "preparation/windtriangle.h"
#include "simulator/form1.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("");
  if (!tvx::EnsureDataRoot())
    tvx::Messages().ShowMessage("ERROR: Cannot create the data folder " + tvx::DataRoot());
  tvx::TForm1 form1;
  tvx::TWindtriangle windtriangle;
  tvx::TArea area;
  tvx::TInstr instr;
  tvx::TMapform mapform;
  tvx::TMassBalForm massbal;
  tvx::TConvform conv;
  tvx::TExform exform;
  tvx::Tdbaseform dbase;
  // The area print form comes last of the program's windows.
  tvx::TPrintareaform printareaform;
  // Without a window manager (a virtual screen) maximising does nothing, so
  // the window is given the screen's working area first: the instrument grid
  // was laid out for it.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) form1.setGeometry(screen->availableGeometry());
  form1.showMaximized();
  return app.exec();
}
