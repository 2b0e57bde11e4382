// The program's entry: creates the windows once and runs the event loop.
#include <QApplication>

#include "areas/area.h"
#include "platform/dataroot.h"
#include "platform/messages.h"
#include "simulator/form1.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("");
  if (!tvx::EnsureDataRoot())
    tvx::Messages().ShowMessage("ERROR: Cannot create the data folder " + tvx::DataRoot());
  tvx::TForm1 form1;
  tvx::TArea area;
  form1.showMaximized();
  return app.exec();
}
