#include "platform/windowintent.h"

#include "platform/windowkeeper.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QVariant>
#include <QWindow>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <optional>
#include <utility>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

namespace tvx {

namespace {

constexpr const char* kIntentProperty = "tvxWindowIntent";
constexpr Qt::WindowStates kShownStates = Qt::WindowMaximized | Qt::WindowFullScreen;
// Requests nobody answers (an X display without a window manager) are
// forgotten beyond this many.
constexpr std::size_t kMostUnanswered = 16;

// The window the program chose last, raised and made the active one: a
// window the program shows again behind it is not to end in front of it.
QPointer<QWidget> chosenWindow;
// Times the window chosen was raised again since it was chosen.
int chosenRaises = 0;

// How long the window system has to be quiet on a window before what it
// shows of the window is read against what the program asked: a window
// manager answers a request in several moves.
constexpr int kQuietMs = 50;
// Requests made again on the window system's word, at most, for one request
// of the program: a window manager that refuses them is not asked forever.
constexpr int kMostRepeats = 6;

// What the X window system shows of a window: whether it is mapped and
// viewable, and the window manager's WM_STATE (none while it has none).
struct XView {
  bool viewable = false;
  std::optional<std::uint32_t> wmState;
};
constexpr std::uint32_t kWithdrawnState = 0, kNormalState = 1, kIconicState = 3;

#if QT_CONFIG(xcb)
xcb_connection_t* XConnection() {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
  const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return x11 ? x11->connection() : nullptr;
}

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
  xcb_intern_atom_reply_t* reply =
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
  const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
  std::free(reply);
  return atom;
}

xcb_atom_t WmStateAtom(xcb_connection_t* c) {
  static const xcb_atom_t atom = Atom(c, "WM_STATE");
  return atom;
}
xcb_atom_t NetWmStateAtom(xcb_connection_t* c) {
  static const xcb_atom_t atom = Atom(c, "_NET_WM_STATE");
  return atom;
}

XView ReadXView(xcb_connection_t* c, xcb_window_t window) {
  XView view;
  if (auto* attributes = xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr)) {
    view.viewable = attributes->map_state == XCB_MAP_STATE_VIEWABLE;
    std::free(attributes);
  }
  const xcb_atom_t wmState = WmStateAtom(c);
  if (auto* reply = xcb_get_property_reply(c, xcb_get_property(c, 0, window, wmState, wmState, 0, 2), nullptr)) {
    if (reply->format == 32 && xcb_get_property_value_length(reply) >= 4)
      view.wmState = *static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
    std::free(reply);
  }
  return view;
}

// Withdraws `window` from the window manager again, the ICCCM way: unmapped,
// and the window manager told so.
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
  xcb_flush(c);
}

// Asks the window manager to iconify `window`, the ICCCM way.
void AskIconic(xcb_connection_t* c, xcb_window_t window) {
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
  if (!screen) return;
  xcb_client_message_event_t event;
  std::memset(&event, 0, sizeof event);
  event.response_type = XCB_CLIENT_MESSAGE;
  event.format = 32;
  event.window = window;
  event.type = Atom(c, "WM_CHANGE_STATE");
  event.data.data32[0] = kIconicState;
  xcb_send_event(c, 0, screen->root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 reinterpret_cast<const char*>(&event));
  xcb_flush(c);
}
#endif

// Reads the X server's reports on the program's windows, once.
void InstallXReports();

// Kept on each top-level window the program asks anything of: what it asked
// last and which of its requests the window system has not answered yet.
class WindowIntent : public QObject {
 public:
  explicit WindowIntent(QWidget* window) : QObject(window), window_(window) {
    window->installEventFilter(this);
    FollowHandle();
  }

  static WindowIntent* Of(QWidget* window) {
    if (auto* kept = window->property(kIntentProperty).value<QObject*>()) return static_cast<WindowIntent*>(kept);
    InstallXReports();
    auto* intent = new WindowIntent(window);
    window->setProperty(kIntentProperty, QVariant::fromValue<QObject*>(intent));
    return intent;
  }

  void SetUsersMinimise(std::function<void()> handler) { usersMinimise_ = std::move(handler); }
  bool AskedShown() const { return asked_ == Asked::Shown; }

  // Before the program minimises or hides the window to put it away.
  void PutAway() {
    asked_ = Asked::PutAway;
    usersMinimiseSeen_ = false;
    putAwayUnanswered_ = true;
    repeats_ = 0;
    ReadWindowSystemSoon();
    activationWanted_ = false;
    if (chosenWindow == window_) chosenWindow = nullptr;
    // Only a window on the display is minimised by the window system, which
    // then reports it; a hidden window's state is the program's own.
    if (window_->isVisible() && !Minimised()) Expect(true);
  }

  // Before the program shows the window in `state`.
  void Shown(Qt::WindowStates state) {
    asked_ = Asked::Shown;
    usersMinimiseSeen_ = false;
    repeats_ = 0;
    ReadWindowSystemSoon();
    shownState_ = state & kShownStates;
    const bool hidden = !window_->isVisible();
    if (!hidden && Minimised()) Expect(false);
    // Until the window system shows it, a minimise it reports is older.
    if (hidden || Minimised()) awaitingShown_ = true;
  }

  // The program makes the window the active one. Qt holds an activation of
  // a window that is not mapped yet until it is, and then sends it whatever
  // the program has asked since: a window put away meanwhile would be
  // brought back in front by the window manager. So the window system is
  // asked only once it has the window in view.
  void Activate() {
    chosenWindow = window_;
    chosenRaises = 0;
    activationWanted_ = true;
    ActivateIfStillWanted();
  }

  // After a request: the window may have been put on the display by it.
  void FollowHandle() {
    QWindow* handle = window_->windowHandle();
    if (handle == handle_) return;
    if (handle_) handle_->removeEventFilter(this);
    handle_ = handle;
    if (handle) handle->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_) {
      // A window (re)created on the display gets a new handle.
      if (event->type() == QEvent::WinIdChange || event->type() == QEvent::Show) FollowHandle();
      // The program resizing a window it put away: Qt restores a minimised
      // window to resize it and minimises it again, which a window manager
      // may answer out of order.
      if (event->type() == QEvent::Resize && !event->spontaneous() && asked_ == Asked::PutAway) {
        putAwayUnanswered_ = true;
        repeats_ = 0;
        ReadWindowSystemSoon();
      }
      // Shown or hidden by the program directly.
      if ((event->type() == QEvent::Show || event->type() == QEvent::Hide) && !event->spontaneous()) {
        repeats_ = 0;
        ReadWindowSystemSoon();
      }
      return false;
    }
    // The window system's word comes to the window's handle, spontaneously;
    // the program's own state changes never reach it.
    if (watched != handle_ || !event->spontaneous()) return false;
    if (event->type() == QEvent::WindowStateChange) Reported(handle_->windowStates());
    else if (event->type() == QEvent::Expose && handle_->isExposed() && !(handle_->windowStates() & Qt::WindowMinimized)) {
      InView();
      // Once the window system has delivered what it had: the window may
      // have been taken off the display again by then.
      if (activationWanted_) QTimer::singleShot(0, this, [this] { ActivateIfStillWanted(); });
    }
    return false;
  }

 private:
  enum class Asked { Nothing, PutAway, Shown };

  bool Minimised() const { return window_->windowState() & Qt::WindowMinimized; }

  void Expect(bool minimised) {
    unanswered_.push_back(minimised);
    if (unanswered_.size() > kMostUnanswered) unanswered_.pop_front();
  }

  // The window system shows the window: every un-minimise asked before is
  // answered.
  void InView() {
    while (!unanswered_.empty() && !unanswered_.front()) unanswered_.pop_front();
    if (unanswered_.empty()) awaitingShown_ = false;
  }

  void Reported(Qt::WindowStates state) {
    const bool minimised = state & Qt::WindowMinimized;
    // The answer to the oldest request still open; anything else comes on
    // the window system's own account.
    const bool echo = !unanswered_.empty() && unanswered_.front() == minimised;
    if (!minimised) {
      InView();
      return;
    }
    if (echo) unanswered_.pop_front();
    // A hidden window is minimised by nobody but the program.
    if (!window_->isVisible() || asked_ == Asked::PutAway) return;
    if (asked_ == Asked::Shown && (echo || awaitingShown_ || !unanswered_.empty())) {
      // A late echo of a put-away: the window the program showed is shown
      // again, once the window system has delivered what it had.
      QTimer::singleShot(0, this, [this] { ShowAgainIfStillMinimised(); });
      return;
    }
    usersMinimiseSeen_ = true;
    if (usersMinimise_) usersMinimise_();
  }

 public:
  // The window system has said something about the window: what it shows
  // is read once it has been quiet a moment.
  void ReadWindowSystemSoon() {
#if QT_CONFIG(xcb)
    if (!XConnection()) return;
    if (!quiet_) {
      quiet_ = new QTimer(this);
      quiet_->setSingleShot(true);
      quiet_->setInterval(kQuietMs);
      connect(quiet_, &QTimer::timeout, this, [this] { ReadWindowSystem(); });
    }
    quiet_->start();
#endif
  }

 private:
  // Qt reads the window system's reports against the state it asked last
  // and drops a request that matches its own reading, so a report that
  // lands out of order can leave a window shown by the program iconified,
  // or a window put away in view, with Qt's state reading what was asked.
  // What the X server shows is read instead, and the request made again.
  void ReadWindowSystem() {
#if QT_CONFIG(xcb)
    xcb_connection_t* c = XConnection();
    if (!c || !window_->testAttribute(Qt::WA_WState_Created)) return;
    if (CurrentWindowKeeper() != WindowKeeper::WindowManager) return;
    const auto id = static_cast<xcb_window_t>(window_->winId());
    const XView view = ReadXView(c, id);
    if (!window_->isVisible()) {
      // Qt hides a window without waiting for the window manager to let go
      // of a show asked just before: the window manager may then map it
      // after the hide. Nobody but the program shows a hidden window.
      if (view.viewable && repeats_ < kMostRepeats) {
        ++repeats_;
        Withdraw(c, id);
      }
      return;
    }
    if (asked_ == Asked::Shown) {
      if (usersMinimiseSeen_) return;
      // Mapped and not yet managed, or iconified: asked to be shown again.
      const bool shown = view.viewable || view.wmState == kNormalState;
      if (shown || repeats_ >= kMostRepeats) return;
      ++repeats_;
      // Mapping an iconified window asks the window manager to show it.
      xcb_map_window(c, id);
      xcb_flush(c);
      // It comes to the front: the window chosen goes back in front of it.
      QWidget* chosen = chosenWindow;
      if (!chosen || !chosen->isVisible()) return;
      chosen->raise();
      Of(chosen)->Activate();
    } else if (asked_ == Asked::PutAway && putAwayUnanswered_) {
      if (!view.viewable || view.wmState == kIconicState || view.wmState == kWithdrawnState) {
        putAwayUnanswered_ = false;
        return;
      }
      if (view.wmState != kNormalState || repeats_ >= kMostRepeats) return;
      ++repeats_;
      AskIconic(c, id);
    }
#endif
  }

  void ActivateIfStillWanted() {
    if (!activationWanted_ || asked_ == Asked::PutAway || !window_->isVisible() || Minimised()) return;
    FollowHandle();
    if (!handle_ || !handle_->isExposed()) return;
    activationWanted_ = false;
    window_->activateWindow();
  }

  void ShowAgainIfStillMinimised() {
    if (asked_ != Asked::Shown || !window_->isVisible() || !Minimised()) return;
    ShowAsked(window_, shownState_);
    // The window manager brings a window it un-minimises to the front: the
    // window chosen goes back in front of it, asked after it in order.
    QWidget* chosen = chosenWindow;
    if (!chosen || chosen == window_ || !chosen->isVisible() || chosen->isMinimized()) return;
    chosen->raise();
    Of(chosen)->Activate();
  }

  QWidget* window_;
  QPointer<QWindow> handle_;
  Asked asked_ = Asked::Nothing;
  Qt::WindowStates shownState_;
  // The program's state changes of the minimised flag not answered yet, in
  // the order asked: true for a minimise.
  std::deque<bool> unanswered_;
  bool awaitingShown_ = false;
  // Asked to be the active window, not yet in view to be made so.
  bool activationWanted_ = false;
  std::function<void()> usersMinimise_;
  // The window system's minimise of the window the program showed was the
  // user's: it stands.
  bool usersMinimiseSeen_ = false;
  // The window system has not yet shown the window put away out of view
  // since the program asked: in view, it is asked again. After that, a
  // window in view was brought back by the user.
  bool putAwayUnanswered_ = false;
  int repeats_ = 0;
  QTimer* quiet_ = nullptr;
};

#if QT_CONFIG(xcb)
// The X server's word on the program's windows: their map state and the
// window manager's state properties.
class XReports : public QAbstractNativeEventFilter {
 public:
  static void Install() {
    static XReports* installed = nullptr;
    xcb_connection_t* c = XConnection();
    if (installed || !c || !QCoreApplication::instance()) return;
    installed = new XReports;
    QCoreApplication::instance()->installNativeEventFilter(installed);
    // The window manager's stacking is a property of the root window: its
    // changes are asked for besides whatever Qt asks for there.
    for (auto roots = xcb_setup_roots_iterator(xcb_get_setup(c)); roots.rem; xcb_screen_next(&roots)) {
      const xcb_window_t root = roots.data->root;
      if (auto* attributes = xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, root), nullptr)) {
        const std::uint32_t mask = attributes->your_event_mask | XCB_EVENT_MASK_PROPERTY_CHANGE;
        std::free(attributes);
        xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
      }
    }
    xcb_flush(c);
    installed->stackingQuiet_.setSingleShot(true);
    installed->stackingQuiet_.setInterval(kQuietMs);
    QObject::connect(&installed->stackingQuiet_, &QTimer::timeout, [] { KeepChosenInFront(); });
  }

  // The window manager may bring a window of the program it shows, or one
  // the program acts on, in front of the window chosen, later than the
  // program raised the window chosen: that one is raised again.
  static void KeepChosenInFront() {
    xcb_connection_t* c = XConnection();
    QWidget* chosen = chosenWindow;
    if (!c || !chosen || !chosen->isVisible() || chosen->isMinimized() || chosenRaises >= kMostRepeats) return;
    if (!chosen->testAttribute(Qt::WA_WState_Created)) return;
    const auto chosenId = static_cast<xcb_window_t>(chosen->winId());
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    static const xcb_atom_t stackingAtom = Atom(c, "_NET_CLIENT_LIST_STACKING");
    auto* reply =
        xcb_get_property_reply(c, xcb_get_property(c, 0, root, stackingAtom, XCB_ATOM_WINDOW, 0, 4096), nullptr);
    if (!reply) return;
    const auto* ids = static_cast<const xcb_window_t*>(xcb_get_property_value(reply));
    const int count = reply->format == 32 ? xcb_get_property_value_length(reply) / 4 : 0;
    bool above = false, covered = false;
    for (int i = 0; i < count && !covered; ++i) {
      if (ids[i] == chosenId) above = true;
      else if (above)
        if (QWidget* widget = QWidget::find(ids[i]))
          if (auto* kept = widget->property(kIntentProperty).value<QObject*>())
            covered = static_cast<WindowIntent*>(kept)->AskedShown() && widget->isVisible() &&
                      ReadXView(c, ids[i]).viewable;
    }
    std::free(reply);
    if (!covered || !above) return;
    ++chosenRaises;
    chosen->raise();
  }

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
    if (type != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    xcb_window_t window = XCB_WINDOW_NONE;
    switch (event->response_type & 0x7f) {
      case XCB_PROPERTY_NOTIFY: {
        const auto* notify = reinterpret_cast<const xcb_property_notify_event_t*>(event);
        xcb_connection_t* c = XConnection();
        if (c && (notify->atom == WmStateAtom(c) || notify->atom == NetWmStateAtom(c))) window = notify->window;
        static const xcb_atom_t stackingAtom = c ? Atom(c, "_NET_CLIENT_LIST_STACKING") : xcb_atom_t{XCB_ATOM_NONE};
        if (c && notify->atom == stackingAtom) stackingQuiet_.start();
        break;
      }
      case XCB_MAP_NOTIFY: window = reinterpret_cast<const xcb_map_notify_event_t*>(event)->window; break;
      case XCB_UNMAP_NOTIFY: window = reinterpret_cast<const xcb_unmap_notify_event_t*>(event)->window; break;
      default: break;
    }
    if (window == XCB_WINDOW_NONE) return false;
    if (QWidget* widget = QWidget::find(window))
      if (auto* kept = widget->property(kIntentProperty).value<QObject*>())
        static_cast<WindowIntent*>(kept)->ReadWindowSystemSoon();
    return false;
  }

 private:
  QTimer stackingQuiet_;
};
#endif

void InstallXReports() {
#if QT_CONFIG(xcb)
  XReports::Install();
#endif
}

}  // namespace

void MinimiseAsked(QWidget* window) {
  if (!window) return;
  WindowIntent::Of(window)->PutAway();
  window->setWindowState(window->windowState() | Qt::WindowMinimized);
}

void HideAsked(QWidget* window) {
  if (!window) return;
  WindowIntent::Of(window)->PutAway();
  window->hide();
}

void ShowAsked(QWidget* window, Qt::WindowStates state) {
  if (!window) return;
  WindowIntent* intent = WindowIntent::Of(window);
  state &= ~Qt::WindowMinimized;
  intent->Shown(state);
  window->ensurePolished();
  // The active flag is the window system's, kept as it stands.
  window->setWindowState(state | (window->windowState() & Qt::WindowActive));
  window->setVisible(true);
  intent->FollowHandle();
}

void ShowNormalAsked(QWidget* window) {
  if (window) ShowAsked(window, window->windowState() & ~kShownStates);
}

void ShowMaximisedAsked(QWidget* window) {
  if (window) ShowAsked(window, (window->windowState() & ~Qt::WindowFullScreen) | Qt::WindowMaximized);
}

void ShowAsItStands(QWidget* window) {
  if (window) ShowAsked(window, window->windowState());
}

void ActivateWhenInView(QWidget* window) {
  if (window) WindowIntent::Of(window)->Activate();
}

void WatchWindowReports(QWidget* window, std::function<void()> usersMinimise) {
  if (window) WindowIntent::Of(window)->SetUsersMinimise(std::move(usersMinimise));
}

}  // namespace tvx
