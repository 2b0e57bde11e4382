#pragma once
class QWidget;

namespace tvx {

// Keeps `child` `margin` pixels from its parent's right edge whenever the
// parent is resized.
void AnchorRight(QWidget* child, int margin);

// Moves the window `window` to the centre of the primary screen's free area.
void CentreOnScreen(QWidget* window);

}  // namespace tvx
