#pragma once
// The holding window's choices that other windows read. The map draws the
// holding only while `Mapkeuze` is on "Draw holding".
namespace tvx {

constexpr int kNoHolding = 0;    // "No holding"
constexpr int kDrawHolding = 1;  // "Draw holding"

struct HoldingWindowState {
  int Mapkeuze = kNoHolding;
};

extern HoldingWindowState HoldingWindow;

// Back to the window's first choice, for a fresh start and for tests.
void ResetHoldingWindowState();

}  // namespace tvx
