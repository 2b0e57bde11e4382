#pragma once
class QWidget;

namespace tvx {

// Moves the window `window` to the centre of the primary screen's free area.
void CentreOnScreen(QWidget* window);

}  // namespace tvx
