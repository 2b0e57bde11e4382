#pragma once
// The grid of square cells the instrument charts are laid out on.
#include <QSize>

#include "simulator/simstate.h"

namespace tvx {

// The client area a maximised simulator window gets on a screen of `screen`
// size (the window is not sized yet when it is built).
QSize DefaultClientSize(const QSize& screen);

// Cell size, instrument radius, tick lengths and dial centres from the
// window's client size; computed once, at window creation.
void ComputeCellLayout(SimState& s, double clientWidth, double clientHeight);

}  // namespace tvx
