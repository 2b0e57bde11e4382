#pragma once
class QWidget;

namespace tvx {

// Keeps `child` at its present distance from its parent's right edge when the
// parent is resized (the panels are sized from the cell grid at run time).
void AnchorRight(QWidget* child);

}  // namespace tvx
