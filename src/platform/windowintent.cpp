#include "platform/windowintent.h"

#include "platform/windowkeeper.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QList>
#include <QPointer>
#include <QTimer>
#include <QVariant>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

namespace tvx {

namespace {

constexpr const char* kWatchProperty = "tvxWindowWatch";

// What the user's minimise took down: the windows then in view, and the one
// in front of them, the one minimised.
struct TakenDown {
  QList<QPointer<QWidget>> windows;
  QPointer<QWidget> front;
  bool Holds(const QWidget* w) const { return windows.contains(w); }
};
TakenDown takenDown;

bool IsProgramWindow(const QWidget* w) {
  return w->isWindow() && (w->windowType() == Qt::Window || w->windowType() == Qt::Dialog);
}

void RestoreProgram();
void InstallXReports();

// How long the X server has to be quiet on a window before what it shows
// of the window is read against what the program asked; how long at most
// it is waited for (metacity can map and unmap a window over and over
// without end); and how many requests are made again at most for one
// request of the program.
constexpr int kQuietMs = 50;
constexpr int kLatestMs = 250;
constexpr int kMostRepeats = 6;

#if QT_CONFIG(xcb)
xcb_connection_t* XConnection() {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
  const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return x11 ? x11->connection() : nullptr;
}

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
  xcb_atom_t atom = XCB_ATOM_NONE;
  if (auto* reply = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr)) {
    atom = reply->atom;
    std::free(reply);
  }
  return atom;
}
xcb_atom_t WmStateAtom(xcb_connection_t* c) {
  static const xcb_atom_t atom = Atom(c, "WM_STATE");
  return atom;
}

// Whether the X server has `window` mapped; whether the window manager
// keeps it iconified, or has let go of it (withdrawn); and whether it is in
// the window manager's list of the windows it manages, where it keeps one.
struct XView {
  bool mapped = false;
  bool iconic = false;
  bool withdrawn = false;
  bool listKept = false;
  bool listed = false;
};
XView ReadXView(xcb_connection_t* c, xcb_window_t window) {
  XView view;
  if (auto* attributes = xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr)) {
    view.mapped = attributes->map_state != XCB_MAP_STATE_UNMAPPED;
    std::free(attributes);
  }
  const xcb_atom_t wmState = WmStateAtom(c);
  if (auto* reply = xcb_get_property_reply(c, xcb_get_property(c, 0, window, wmState, wmState, 0, 1), nullptr)) {
    constexpr std::uint32_t kWithdrawnState = 0, kIconicState = 3;
    if (reply->format == 32 && xcb_get_property_value_length(reply) >= 4) {
      const std::uint32_t state = *static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
      view.iconic = state == kIconicState;
      view.withdrawn = state == kWithdrawnState;
    }
    std::free(reply);
  }
  static const xcb_atom_t clientList = Atom(c, "_NET_CLIENT_LIST");
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
  if (!screen) return view;
  if (auto* reply = xcb_get_property_reply(
          c, xcb_get_property(c, 0, screen->root, clientList, XCB_ATOM_WINDOW, 0, 4096), nullptr)) {
    if (reply->type == XCB_ATOM_WINDOW && reply->format == 32) {
      const auto* ids = static_cast<const xcb_window_t*>(xcb_get_property_value(reply));
      const int count = xcb_get_property_value_length(reply) / 4;
      view.listKept = true;
      view.listed = std::find(ids, ids + count, window) != ids + count;
    }
    std::free(reply);
  }
  return view;
}

// Withdraws `window` from the window manager, the ICCCM way (as Qt hides
// it): unmapped, and the window manager told so.
void Withdraw(xcb_connection_t* c, xcb_window_t window) {
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
  if (!screen) return;
  xcb_unmap_window(c, window);
  xcb_unmap_notify_event_t event;
  std::memset(&event, 0, sizeof event);
  event.response_type = XCB_UNMAP_NOTIFY;
  event.event = screen->root;
  event.window = window;
  xcb_send_event(c, 0, screen->root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 reinterpret_cast<const char*>(&event));
}
#endif

// Kept on each top-level window the program shows: the window system's
// reports on it, and an activation the program asked for while the window
// was not in view yet.
class WindowWatch : public QObject {
 public:
  explicit WindowWatch(QWidget* window) : QObject(window), window_(window) {
    window->installEventFilter(this);
    FollowHandle();
  }

  static WindowWatch* Kept(const QWidget* window) {
    return static_cast<WindowWatch*>(window->property(kWatchProperty).value<QObject*>());
  }
  static WindowWatch* Of(QWidget* window) {
    if (WindowWatch* kept = Kept(window)) return kept;
    InstallXReports();
    auto* watch = new WindowWatch(window);
    window->setProperty(kWatchProperty, QVariant::fromValue<QObject*>(watch));
    return watch;
  }

  void Activate() {
    activationWanted_ = true;
    ActivateIfInView();
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_) {
      // A window (re)created on the display gets a new handle.
      if (event->type() == QEvent::WinIdChange || event->type() == QEvent::Show) FollowHandle();
      // Put away before it came into view: it is not to come in front then.
      if (event->type() == QEvent::Hide && !event->spontaneous()) activationWanted_ = false;
      if ((event->type() == QEvent::Show || event->type() == QEvent::Hide) && !event->spontaneous()) {
        repeats_ = 0;
        CheckXSoon();
      }
      return false;
    }
    // The window system's word comes to the window's handle, spontaneously;
    // the program's own requests never reach it.
    if (watched != handle_ || !event->spontaneous()) return false;
    if (event->type() == QEvent::WindowStateChange) Reported(handle_->windowStates() & Qt::WindowMinimized);
    else if (event->type() == QEvent::Expose && handle_->isExposed() && !(handle_->windowStates() & Qt::WindowMinimized))
      InView();
    return false;
  }

 private:
  void FollowHandle() {
    QWindow* handle = window_->windowHandle();
    if (handle == handle_) return;
    if (handle_) handle_->removeEventFilter(this);
    handle_ = handle;
    if (handle) handle->installEventFilter(this);
  }

  // What decides the user's minimise and restore. The program never
  // minimises a window it shows, except those the user's minimise takes
  // down; a window put away is hidden, and what is reported about it counts
  // for nothing.
  void Reported(bool minimised) {
    if (!window_->isVisible()) return;
    if (minimised) {
      reportedMinimised_ = true;
      if (!takenDown.Holds(window_)) MinimiseProgram(window_);
    } else if (std::exchange(reportedMinimised_, false) && takenDown.Holds(window_)) {
      RestoreProgram();
    }
  }

 public:
  // A window manager handles a hide and a show asked in quick succession
  // out of step: openbox drops a map request that comes while an unmap is
  // still queued, and may map a window after the program hid it; metacity
  // may take the program's unmap for one of its own, keep managing the
  // window, and from then on let go of it and take it up again without
  // end, mapping it each time. So once the X server has been quiet on the
  // window a moment, a window the program shows that is unmapped and not
  // iconified is mapped again; one that is mapped but withdrawn or out of
  // the window manager's list is handed to the window manager anew; and
  // one it hid that is mapped or still listed is withdrawn again: a few
  // times at most for each request of the program.
  void CheckXSoon() {
#if QT_CONFIG(xcb)
    if (!XConnection()) return;
    if (!quiet_) {
      quiet_ = new QTimer(this);
      quiet_->setSingleShot(true);
      quiet_->setInterval(kQuietMs);
      connect(quiet_, &QTimer::timeout, this, [this] { CheckX(); });
    }
    if (!quiet_->isActive()) sinceFirstReport_.start();
    else if (sinceFirstReport_.elapsed() >= kLatestMs) return;
    quiet_->start();
#endif
  }

 private:
  void CheckX() {
#if QT_CONFIG(xcb)
    xcb_connection_t* c = XConnection();
    if (!c || repeats_ >= kMostRepeats || !window_->testAttribute(Qt::WA_WState_Created)) return;
    if (CurrentWindowKeeper() != WindowKeeper::WindowManager) return;
    const auto id = static_cast<xcb_window_t>(window_->winId());
    const XView view = ReadXView(c, id);
    const bool shown = window_->isVisible() && !window_->isMinimized();
    if (shown && !view.mapped && !view.iconic) {
      xcb_map_window(c, id);
    } else if (shown && view.mapped && (view.withdrawn || (view.listKept && !view.listed))) {
      Withdraw(c, id);
      xcb_map_window(c, id);
    } else if (!window_->isVisible() && (view.mapped || view.listed)) {
      Withdraw(c, id);
    } else {
      return;
    }
    ++repeats_;
    xcb_flush(c);
#endif
  }

  void InView() {
    // Once the window system has delivered what it had: the window may have
    // been put away again by then.
    if (activationWanted_) QTimer::singleShot(0, this, [this] { ActivateIfInView(); });
  }

  void ActivateIfInView() {
    if (!activationWanted_ || !window_->isVisible() || window_->isMinimized()) return;
    FollowHandle();
    if (!handle_ || !handle_->isExposed()) return;
    activationWanted_ = false;
    window_->activateWindow();
  }

  QWidget* window_;
  QPointer<QWindow> handle_;
  bool activationWanted_ = false;
  // The window system reported the window minimised last.
  bool reportedMinimised_ = false;
  QTimer* quiet_ = nullptr;
  QElapsedTimer sinceFirstReport_;
  int repeats_ = 0;
};

#if QT_CONFIG(xcb)
// The X server's word that it mapped or unmapped one of the program's
// windows.
class XReports : public QAbstractNativeEventFilter {
 public:
  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
    if (type != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    xcb_window_t window = XCB_WINDOW_NONE;
    switch (event->response_type & 0x7f) {
      case XCB_MAP_NOTIFY: window = reinterpret_cast<const xcb_map_notify_event_t*>(event)->window; break;
      case XCB_UNMAP_NOTIFY: window = reinterpret_cast<const xcb_unmap_notify_event_t*>(event)->window; break;
      case XCB_PROPERTY_NOTIFY: {
        const auto* notify = reinterpret_cast<const xcb_property_notify_event_t*>(event);
        xcb_connection_t* c = XConnection();
        if (c && notify->atom == WmStateAtom(c)) window = notify->window;
        break;
      }
      default: return false;
    }
    if (const QWidget* widget = QWidget::find(window))
      if (WindowWatch* watch = WindowWatch::Kept(widget)) watch->CheckXSoon();
    return false;
  }
};
#endif

void InstallXReports() {
#if QT_CONFIG(xcb)
  static XReports* installed = nullptr;
  if (installed || !XConnection() || !QCoreApplication::instance()) return;
  installed = new XReports;
  QCoreApplication::instance()->installNativeEventFilter(installed);
#endif
}

void RestoreProgram() {
  const TakenDown taken = std::exchange(takenDown, {});
  for (const QPointer<QWidget>& w : taken.windows)
    if (w && w->isVisible()) w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
  if (!taken.front || !taken.front->isVisible()) return;
  taken.front->raise();
  ActivateWhenInView(taken.front);
}

}  // namespace

void HideAsked(QWidget* window) {
  if (window) window->hide();
}

void ShowAsked(QWidget* window, Qt::WindowStates state) {
  if (!window) return;
  WatchWindowReports(window);
  window->ensurePolished();
  // The active flag is the window system's, kept as it stands.
  window->setWindowState((state & ~Qt::WindowMinimized) | (window->windowState() & Qt::WindowActive));
  window->setVisible(true);
}

void ShowNormalAsked(QWidget* window) {
  if (window) ShowAsked(window, window->windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
}

void ShowMaximisedAsked(QWidget* window) {
  if (window) ShowAsked(window, (window->windowState() & ~Qt::WindowFullScreen) | Qt::WindowMaximized);
}

void ShowAsItStands(QWidget* window) {
  if (window) ShowAsked(window, window->windowState());
}

void ActivateWhenInView(QWidget* window) {
  if (window) WindowWatch::Of(window)->Activate();
}

void WatchWindowReports(QWidget* window) {
  if (window) WindowWatch::Of(window);
}

void MinimiseProgram(QWidget* window) {
  if (!window || takenDown.Holds(window)) return;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (!IsProgramWindow(w) || !w->isVisible() || takenDown.Holds(w)) continue;
    if (w != window && w->isMinimized()) continue;  // the user's own, before
    WatchWindowReports(w);
    takenDown.windows << w;
    if (w != window) w->setWindowState(w->windowState() | Qt::WindowMinimized);
  }
  // The user minimises the window in front (its title bar, the keyboard,
  // the taskbar's entry of the active window). What the window manager
  // stacks once it has iconified it does not tell: metacity moves it down.
  if (!takenDown.front) takenDown.front = window;
}

}  // namespace tvx
