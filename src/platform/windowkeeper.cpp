#include "platform/windowkeeper.h"

#include "platform/windowintent.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <QWindowStateChangeEvent>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <utility>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

namespace tvx {

namespace {

constexpr const char* kNormalGeometryFitted = "tvxNormalGeometryFitted";
// On a screen: the frame size a compositor gave a maximised window there.
constexpr const char* kMaximisedFrame = "tvxMaximisedFrame";
constexpr const char* kCompositorWatched = "tvxCompositorWatched";
constexpr Qt::WindowStates kSizedStates = Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized;

// Gives `window` the normal geometry `normal` before it is shown maximised.
// In another state the window would go back to the geometry it had before
// that state, so it is made normal first; shown maximised, it is maximised
// again.
void SetNormalGeometry(QWidget* window, const QRect& normal) {
  const Qt::WindowStates state = window->windowState();
  if (state & kSizedStates) window->setWindowState(state & ~kSizedStates);
  window->setGeometry(normal);
  // A window that exists on the display already (made maximised as it was
  // built, or put away while hidden) would take the geometry only as it is
  // shown, after the window manager has maximised it, which un-maximises it.
  if (QWindow* handle = window->windowHandle()) handle->setGeometry(normal);
}

QSize NormalSizeOf(const QWidget* window) {
  return (window->windowState() & kSizedStates) ? window->normalGeometry().size() : window->size();
}

// Learns, from what a compositor does to a window, the free area of its
// screen, and keeps the window within it when the compositor un-maximises
// it. Acts only on the compositor's word (spontaneous events): a compositor
// ends a program whose window leaves the size it configured.
class CompositorWatch : public QObject {
 public:
  explicit CompositorWatch(QWidget* window) : QObject(window), window_(window) { window->installEventFilter(this); }

  bool eventFilter(QObject* watched, QEvent* event) override {
    // The compositor's sizes come as spontaneous resizes.
    if (watched != window_ || event->type() != QEvent::Resize || !event->spontaneous()) return false;
    const Qt::WindowStates state = window_->windowState();
    if ((state & Qt::WindowMaximized) && !(state & Qt::WindowMinimized)) {
      if (QScreen* screen = window_->screen()) screen->setProperty(kMaximisedFrame, window_->frameGeometry().size());
      maximised_ = true;
    } else if (!(state & kSizedStates) && std::exchange(maximised_, false)) {
      // Un-maximised to the size it had before, which may date from before
      // the compositor told what it gives: the window is made to fit, as
      // the compositor now leaves its size to the program.
      QTimer::singleShot(0, window_, [w = QPointer<QWidget>(window_)] {
        if (w && !(w->windowState() & kSizedStates)) FitWithinCompositorArea(w);
      });
    }
    return false;
  }

  static void FitWithinCompositorArea(QWidget* window) {
    const QSize fitted = NormalGeometryWithin(window->size(), FreeAreaOf(window, WindowKeeper::Compositor)).size();
    if (fitted != window->size()) window->resize(fitted);
  }

 private:
  QWidget* window_;
  bool maximised_ = false;  // at the compositor's last size
};

void WatchCompositor(QWidget* window) {
  if (window->property(kCompositorWatched).toBool()) return;
  window->setProperty(kCompositorWatched, true);
  new CompositorWatch(window);
}

#if QT_CONFIG(xcb)
// The window named by `window`'s property `atom` of type WINDOW, if any.
std::optional<xcb_window_t> WindowNamedBy(xcb_connection_t* c, xcb_window_t window, xcb_atom_t atom) {
  xcb_generic_error_t* error = nullptr;
  xcb_get_property_reply_t* reply =
      xcb_get_property_reply(c, xcb_get_property(c, 0, window, atom, XCB_ATOM_WINDOW, 0, 1), &error);
  std::free(error);  // a window that has gone away answers with an error
  std::optional<xcb_window_t> named;
  if (reply && reply->format == 32 && xcb_get_property_value_length(reply) == sizeof(xcb_window_t))
    named = *static_cast<const xcb_window_t*>(xcb_get_property_value(reply));
  std::free(reply);
  return named;
}

bool SupportingWmCheckOnAnyRoot(xcb_connection_t* c) {
  constexpr const char* kName = "_NET_SUPPORTING_WM_CHECK";
  xcb_intern_atom_reply_t* atomReply =
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, static_cast<uint16_t>(std::strlen(kName)), kName), nullptr);
  if (!atomReply) return false;
  const xcb_atom_t atom = atomReply->atom;
  std::free(atomReply);
  if (atom == XCB_ATOM_NONE) return false;  // nobody ever set it
  for (auto roots = xcb_setup_roots_iterator(xcb_get_setup(c)); roots.rem; xcb_screen_next(&roots)) {
    const auto child = WindowNamedBy(c, roots.data->root, atom);
    // A window manager that has gone leaves the root's property behind,
    // naming a window that no longer exists or no longer names itself.
    if (child && WindowNamedBy(c, *child, atom) == child) return true;
  }
  return false;
}
#endif

}  // namespace

WindowKeeper KeeperFor(QStringView platform, bool windowManagerRuns) {
  if (platform == u"wayland" || platform.startsWith(u"wayland-")) return WindowKeeper::Compositor;
  if (platform == u"xcb") return windowManagerRuns ? WindowKeeper::WindowManager : WindowKeeper::Nobody;
  // Other platforms (offscreen, ...) act on window states themselves.
  return WindowKeeper::WindowManager;
}

bool WindowManagerRuns() {
#if QT_CONFIG(xcb)
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return false;
  const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  xcb_connection_t* c = x11 ? x11->connection() : nullptr;
  return c && SupportingWmCheckOnAnyRoot(c);
#else
  return false;
#endif
}

WindowKeeper CurrentWindowKeeper() { return KeeperFor(QGuiApplication::platformName(), WindowManagerRuns()); }

QRect NormalGeometryWithin(QSize designed, QRect free) {
  const QRect room = free.marginsRemoved(kFrameAllowance);
  const QSize size = designed.boundedTo(room.size()).expandedTo(QSize(1, 1));
  return {room.topLeft() + QPoint((room.width() - size.width()) / 2, (room.height() - size.height()) / 2), size};
}

QRect FreeAreaOf(const QWidget* window, WindowKeeper keeper) {
  const QScreen* screen = window ? window->screen() : nullptr;
  if (!screen) return {};
  const QRect available = screen->availableGeometry();
  if (keeper != WindowKeeper::Compositor) return available;
  const QSize given = screen->property(kMaximisedFrame).toSize();
  return given.isValid() ? QRect(available.topLeft(), available.size().boundedTo(given)) : available;
}

void FitNormalGeometryOnce(QWidget* window) {
  // Once: a size the user gives the window later stands.
  if (!window || window->property(kNormalGeometryFitted).toBool()) return;
  window->setProperty(kNormalGeometryFitted, true);
  if (window->screen()) SetNormalGeometry(window, NormalGeometryWithin(NormalSizeOf(window), FreeAreaOf(window)));
}

void FillScreenUnlessMaximised(QWidget* window) {
  // Whether it is on the screen, not Qt's word on the minimised state: with
  // no window manager that word can stay "minimised" for a window in view,
  // as nobody ever answers the requests to minimise and to restore.
  if (!window || !window->isVisible() || !window->windowHandle() || !window->windowHandle()->isExposed()) return;
  const QScreen* screen = window->screen();
  if (!screen) return;
  const QRect available = screen->availableGeometry();
  const QRect frame = window->frameGeometry(), inner = window->geometry();
  // Qt reports the window as maximised as soon as it has asked for it, so
  // only what the window really covers tells whether anybody acted. Some
  // window managers put the borders of a maximised window off the screen.
  if (frame.contains(available) && available.contains(inner)) return;
  const QMargins decoration(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                            frame.bottom() - inner.bottom());
  window->setGeometry(available.marginsRemoved(decoration));
}

void ShowMaximisedOnScreen(QWidget* window, WindowKeeper keeper) {
  if (!window) return;
  // Un-maximised, it fits the screen's free area, whatever size it was
  // designed at.
  FitNormalGeometryOnce(window);
  if (keeper == WindowKeeper::Compositor) {
    WatchCompositor(window);
    // A window put away is off the display. It maps anew, and the size it
    // has then is the one it un-maximises to: its normal size, within the
    // free area as the compositor has told it since. A user's size within
    // that area stands.
    if (!window->isVisible()) {
      const QRect fitted = NormalGeometryWithin(NormalSizeOf(window), FreeAreaOf(window, keeper));
      if (fitted.size() != window->size()) SetNormalGeometry(window, fitted);
    }
  }
  // The window manager or the compositor maximises it, and has the last
  // word on its size from then on: a compositor ends a program whose window
  // does not take the size it configured; a window manager's maximised
  // window resized by the program loses its maximised state, and a user's
  // un-maximise must stand. The window lays itself out for whatever client
  // area it gets.
  ShowMaximisedAsked(window);
  if (keeper != WindowKeeper::Nobody) return;
  // Where nobody acts on the request (an X display without a window
  // manager) the window would stay at its normal size: it is given the
  // screen's free area itself, once it is on the screen.
  QTimer::singleShot(kMaximiseGraceMs, window, [window] { FillScreenUnlessMaximised(window); });
}

void SetSmallestClientArea(QMainWindow& window, QSize client) {
  if (QWidget* central = window.centralWidget()) central->setMinimumSize(client);
}

void PutAwayWindow(QWidget* window) { HideAsked(window); }

}  // namespace tvx
