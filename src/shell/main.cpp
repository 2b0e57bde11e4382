// The program's entry: creates the windows once, in their order, shows the
// main menu and runs the event loop.
#include <QApplication>

#include "platform/dataroot.h"
#include "shell/program.h"
#include "shell/testhook.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  tvx::PrepareDataRootAtStart();
  tvx::Program program;
  tvx::InstallTestHook(program);
  program.Start();
  return app.exec();
}
