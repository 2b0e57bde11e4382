#include "platform/windowintent.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QVariant>
#include <QWindow>
#include <deque>
#include <utility>

namespace tvx {

namespace {

constexpr const char* kIntentProperty = "tvxWindowIntent";
constexpr Qt::WindowStates kShownStates = Qt::WindowMaximized | Qt::WindowFullScreen;
// Requests nobody answers (an X display without a window manager) are
// forgotten beyond this many.
constexpr std::size_t kMostUnanswered = 16;

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
    auto* intent = new WindowIntent(window);
    window->setProperty(kIntentProperty, QVariant::fromValue<QObject*>(intent));
    return intent;
  }

  void SetUsersMinimise(std::function<void()> handler) { usersMinimise_ = std::move(handler); }

  // Before the program minimises or hides the window to put it away.
  void PutAway() {
    asked_ = Asked::PutAway;
    activationWanted_ = false;
    // Only a window on the display is minimised by the window system, which
    // then reports it; a hidden window's state is the program's own.
    if (window_->isVisible() && !Minimised()) Expect(true);
  }

  // Before the program shows the window in `state`.
  void Shown(Qt::WindowStates state) {
    asked_ = Asked::Shown;
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
    if (usersMinimise_) usersMinimise_();
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
};

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
