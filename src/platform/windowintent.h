#pragma once
// What the program last asked of each of its top-level windows, and how the
// window system's reports on a window are read against it.
//
// A window manager reports state changes late, and not always once: a
// window put away may read maximised again before it reads minimised, one
// shown again may briefly read minimised, and the report of a put-away may
// land after the program has asked to show the window again. So a report
// says what the user did only once every request of the program on that
// window has been answered:
// - a window put away stays put away until the program shows it again:
//   whatever it reports meanwhile is the echo of the put-away;
// - a window the program shows reads minimised only as a late echo until
//   the window system has shown it, and is then asked again to show, so
//   that it ends in view;
// - a minimise reported on a window the program showed, once the window
//   system has shown it and answered everything asked of it, is the user's.
// On X11 under a window manager, Qt's own reading of a window's state can
// say what the program asked while the window manager did otherwise (a
// request that crossed a late report, a hide and a show it handled out of
// step). So once the window manager has gone quiet on a window, what the X
// server shows of it is read too: a window the program shows that is
// iconified or unmapped is mapped again, one it put away that is still in
// view is iconified again, one it hid that is mapped is withdrawn again, and
// the window chosen last is raised again over a window the program shows
// that the window manager brought in front of it.
#include <QWidget>
#include <functional>

namespace tvx {

// The program minimises `window` (put away): recorded, then asked.
void MinimiseAsked(QWidget* window);
// The program hides `window` without minimising it to put it away (where
// nobody or a compositor keeps it): recorded, then hidden.
void HideAsked(QWidget* window);

// The program shows `window` in `state` (its minimised flag ignored):
// recorded, then asked, as QWidget::showNormal and showMaximized ask.
void ShowAsked(QWidget* window, Qt::WindowStates state);
// Shown in the normal state.
void ShowNormalAsked(QWidget* window);
// Shown maximised.
void ShowMaximisedAsked(QWidget* window);
// Shown in the state it stands in, no longer minimised.
void ShowAsItStands(QWidget* window);

// The program makes `window` the active window, from now or, should the
// window system not have it in view yet, once it has; not at all if the
// program puts it away first.
void ActivateWhenInView(QWidget* window);

// Reads the window system's reports on `window` from now on; `usersMinimise`
// runs when the user minimised it (a minimise the program did not ask for).
void WatchWindowReports(QWidget* window, std::function<void()> usersMinimise);

}  // namespace tvx
