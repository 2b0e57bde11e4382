#pragma once
// What the program asks of its top-level windows, and the user's minimise.
//
// The program puts a window away by hiding it, on every desktop: a hidden
// window is in no taskbar and no window list, and nothing the window system
// reports about it counts. So what the program asked last of a window is
// whether it is visible (QWidget::isVisible), and a window the program shows
// is never minimised by the program except to take the whole program down:
// - a window the program shows that the window system reports minimised
//   was minimised by the user (title bar, taskbar, keyboard): every other
//   window of the program in view is minimised with it;
// - one of those windows reported shown again was restored by the user:
//   every window that minimise took comes back in its state, the one that
//   was in front in front.
// A Wayland compositor does not tell a program that the user minimised one
// of its windows: there, that window alone goes.
#include <QWidget>

namespace tvx {

// The program puts `window` away: hidden.
void HideAsked(QWidget* window);

// The program shows `window` in `state` (its minimised flag ignored), as
// QWidget::showNormal and showMaximized ask.
void ShowAsked(QWidget* window, Qt::WindowStates state);
// Shown in the normal state.
void ShowNormalAsked(QWidget* window);
// Shown maximised.
void ShowMaximisedAsked(QWidget* window);
// Shown in the state it stands in, no longer minimised.
void ShowAsItStands(QWidget* window);

// The program makes `window` the active window, now or, should the window
// system not have it in view yet, once it has; not at all if the program
// puts it away first. (Qt holds an activation of a window not yet mapped
// and sends it later, which brings a window put away meanwhile back in
// front.)
void ActivateWhenInView(QWidget* window);

// Reads the window system's reports on `window` from now on, for the
// user's minimise and restore (ShowAsked watches every window it shows).
void WatchWindowReports(QWidget* window);

// The user's minimise of `window`: every other window of the program in
// view is minimised too, and comes back when any of them is restored.
void MinimiseProgram(QWidget* window);

}  // namespace tvx
