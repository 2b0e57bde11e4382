#include "platform/windowkeeper.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QWidget>
#include <cstdlib>
#include <cstring>
#include <optional>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

namespace tvx {

namespace {

constexpr const char* kNormalGeometryFitted = "tvxNormalGeometryFitted";

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

void FitNormalGeometryOnce(QWidget* window) {
  // A window that exists on the display already (a window put away while
  // hidden does) keeps its geometry: some window managers (openbox) leave
  // such a window un-maximised when it is shown maximised.
  if (!window || window->testAttribute(Qt::WA_WState_Created) || window->property(kNormalGeometryFitted).toBool())
    return;
  window->setProperty(kNormalGeometryFitted, true);
  if (const QScreen* screen = window->screen())
    window->setGeometry(NormalGeometryWithin(window->size(), screen->availableGeometry()));
}

void SetSmallestClientArea(QMainWindow& window, QSize client) {
  if (QWidget* central = window.centralWidget()) central->setMinimumSize(client);
}

void PutAwayWindow(QWidget* window, WindowKeeper keeper) {
  if (!window) return;
  window->setWindowState(window->windowState() | Qt::WindowMinimized);
  if (keeper == WindowKeeper::Nobody) window->hide();
}

}  // namespace tvx
