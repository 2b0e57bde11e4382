// Plays, for the window tests, a window manager that will not leave a window
// alone: metacity at times takes a window the program hid for one it still
// manages, lets go of it and takes it up again without end, mapping it and
// writing its WM_STATE every few milliseconds.
// Usage: xstorm <window id> <milliseconds>
// Asks the X server to map the window (as any client other than the window
// manager asks), then rewrites its WM_STATE as Normal every 2 ms for the time given. Prints
// "mapped" once it has seen the window mapped. Exits 0, or 2 when the display
// or the window cannot be reached.
#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: xstorm <window id> <milliseconds>\n");
    return 2;
  }
  const auto window = static_cast<xcb_window_t>(std::strtoul(argv[1], nullptr, 0));
  const long milliseconds = std::strtol(argv[2], nullptr, 10);
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c)) {
    std::fprintf(stderr, "xstorm: no X display\n");
    return 2;
  }
  const char name[] = "WM_STATE";
  xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr);
  if (!atom) return 2;
  const xcb_atom_t wmState = atom->atom;
  std::free(atom);
  xcb_generic_error_t* error = xcb_request_check(c, xcb_map_window_checked(c, window));
  xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr);
  const bool reached = !error && geometry;
  std::free(error);
  std::free(geometry);
  if (!reached) {
    std::fprintf(stderr, "xstorm: no window %s\n", argv[1]);
    return 2;
  }
  constexpr std::uint32_t kNormal[2] = {1, 0};
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  bool seenMapped = false;
  while (std::chrono::steady_clock::now() < end) {
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, wmState, wmState, 32, 2, kNormal);
    if (!seenMapped)
      if (auto* attributes = xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr)) {
        seenMapped = attributes->map_state == XCB_MAP_STATE_VIEWABLE;
        std::free(attributes);
        if (seenMapped) {
          std::puts("mapped");
          std::fflush(stdout);
        }
      }
    xcb_flush(c);
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  xcb_disconnect(c);
  return 0;
}
