#pragma once
// A hook for the system tests, which start the program binary on displays
// where no input can be sent to it (a headless Wayland compositor). Read
// from the environment by the program entry only:
// - TARVINEX_TEST_INPUT=<named pipe>: the program reads one step a line
//   from the pipe and takes it as soon as it arrives:
//     click <window class> <control>  a click on the control of that name
//                                     in the window of that class (TMain,
//                                     TForm1, TArea, TWindtriangle, ...)
//     shown <window class> <control>  taken only when the control is shown
//     normal <window class>           what the title bar's restore asks
//     maximise <window class>         what the title bar's maximise asks
//     resize <window class> <w> <h>   the program resizing the window
//     grab <window class> <file>      writes the window's own picture
//                                     (QWidget::grab) to a PNG file
//   A step taken is written to standard output ("step taken: <line>"); one
//   it cannot take, to standard error ("test step: ..."), and skipped.
// - TARVINEX_TEST_REPORT=1: writes a line to standard output at every show,
//   hide, resize and state change of a top-level window:
//   "window <class> <shown|hidden> <maximised|minimised|normal> <w>x<h>
//   frame <w>x<h>" (the client area, and the window with its frame).
namespace tvx {

class Program;

void InstallTestHook(Program& program);

}  // namespace tvx
