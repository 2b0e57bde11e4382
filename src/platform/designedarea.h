#pragma once
// A window laid out at fixed places keeps every control within reach when
// it gets less room than its design: on a small screen, or when the user
// makes it smaller.
class QWidget;

namespace tvx {

// Moves the controls of `window` into one designed area inside a scroll area
// that fills the window. The area is as large as the window, and never
// smaller than the window's size at this call (its design) nor than its
// shown controls need; scroll bars show only while the window is smaller
// than that. Controls keep their names, places and stacking; the area
// shows the window's own background, so at the designed size or larger the
// window looks as before. Returns the designed area (printing starts there).
QWidget* ScrollWhenSmaller(QWidget* window);

}  // namespace tvx
