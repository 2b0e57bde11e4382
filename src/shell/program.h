#pragma once
// The program as a whole: every window created once, in the order the
// program starts them, and kept until the program ends. Windows are shown,
// hidden, minimised, enabled and disabled, never freed before the end.
#include <QObject>

#include "areas/area.h"
#include "areas/dbaseform.h"
#include "areas/instrform.h"
#include "areas/mapform.h"
#include "areas/printareaform.h"
#include "exercises/exform.h"
#include "preparation/convform.h"
#include "preparation/massbalform.h"
#include "preparation/windtriangle.h"
#include "shell/helpform.h"
#include "shell/mainform.h"
#include "simulator/form1.h"

namespace tvx {

// Ends the program when the simulator window, the program's main window,
// has been closed; a close that the program's end question cancels leaves
// the window shown.
class MainWindowCloseWatch : public QObject {
 public:
  explicit MainWindowCloseWatch(QWidget* mainWindow);
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* mainWindow_;
};

class Program {
 public:
  // Clears the application's title and creates the windows in their order;
  // each window's own creation runs as it is built.
  Program();
  ~Program();

  // Brings up the main menu, the first window the user sees.
  void Start();

  // The members are built in this order, the order of the program's start.
 private:
  // Clears the application's title before any window is built.
  struct TitleCleared {
    TitleCleared();
  } titleCleared_;

 public:
  TForm1 form1;  // the simulator, the program's main window
  TWindtriangle windtriangle;
  TArea area;
  TMain main;
  TInstr instr;
  TMapform mapform;
  TMassBalForm massbal;
  TConvform conv;
  TExform exform;
  Tdbaseform dbase;  // reads the navigation database whole
  THelpform help;
  TPrintareaform printarea;

 private:
  MainWindowCloseWatch closeWatch_;
};

}  // namespace tvx
