#pragma once
// Who decides the size and the state of the program's top-level windows:
// a Wayland compositor, an X11 window manager, or nobody (an X display with
// no window manager), where the program has to do it itself.
#include <QMargins>
#include <QRect>
#include <QSize>
#include <QStringView>

class QMainWindow;
class QWidget;

namespace tvx {

enum class WindowKeeper {
  Compositor,     // Wayland: the compositor sizes every window; the program never does
  WindowManager,  // maximises, minimises and restores on request (offscreen too)
  Nobody,         // requests go unanswered: the program fills the screen and hides
};

// The keeper on the platform named `platform` (Qt's platform name), given
// whether an X11 window manager runs.
WindowKeeper KeeperFor(QStringView platform, bool windowManagerRuns);

// Whether an X11 window manager runs on the display: the root window names
// a window through _NET_SUPPORTING_WM_CHECK that names itself the same way.
// False off X11.
bool WindowManagerRuns();

// The keeper of this program's windows now.
WindowKeeper CurrentWindowKeeper();

// Room left in the screen's free area for a window manager's frame, so that
// a framed window of the normal size fits.
inline constexpr QMargins kFrameAllowance{8, 40, 8, 8};

// Where a window designed at `designed` stands in the normal (un-maximised)
// state on a screen whose free area is `free`: no larger than designed,
// within the free area with room for a frame, in the middle of that room.
QRect NormalGeometryWithin(QSize designed, QRect free);

// The free area of `window`'s screen as far as it is known: the area the
// screen reports, and under a compositor no larger than what the compositor
// gave a maximised window of the program on that screen (a Wayland screen
// reports the whole of itself, panels and all).
QRect FreeAreaOf(const QWidget* window, WindowKeeper keeper = CurrentWindowKeeper());

// Gives a window not yet on the display its normal geometry on its screen
// (NormalGeometryWithin), once: the size the user gives it later stands. A
// window made maximised as it was built gets it too.
void FitNormalGeometryOnce(QWidget* window);

// Shows `window` maximised over the screen's free area, its normal size
// fitted to that area the first time, and under a compositor each time it
// comes back, as far as that area is known. The window manager or the
// compositor sizes it; where there is none (`keeper` Nobody), the window is
// given that area after kMaximiseGraceMs by FillScreenUnlessMaximised.
void ShowMaximisedOnScreen(QWidget* window, WindowKeeper keeper = CurrentWindowKeeper());
inline constexpr int kMaximiseGraceMs = 400;
// A shown window that does not cover the screen's free area is made to,
// with room for whatever frame it has.
void FillScreenUnlessMaximised(QWidget* window);

// The main window `window` is never made smaller than `client` in its
// client area (menu bar excluded).
void SetSmallestClientArea(QMainWindow& window, QSize client);

// Puts `window` away, on every desktop alike: hidden (withdrawn from the
// window manager), so that it is in no taskbar and no window list and comes
// back only when the program shows it again, mapped anew in the state it is
// shown in (windowintent.h).
void PutAwayWindow(QWidget* window);

}  // namespace tvx
