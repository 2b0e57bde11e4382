#pragma once
// The simulator panel's small items that need no window: the stopwatch, the
// jet's guidance line, the parking brake, the switch panels and the size of
// the start-position panel.
#include <QSize>
#include <QString>
#include <optional>

#include "simulator/simstate.h"

namespace tvx {

// The stopwatch reading of `wholeSeconds`: minutes (not padded), ":" and two
// digits of seconds ("0:05", "1:10", "12:00").
QString ChronoText(int wholeSeconds);

// One 100 ms step of the stopwatch whose box shows `shown`: it counts unless
// the box reads "0" (stopped and reset). Adds ClockStep to ChronoSeconds,
// sets ChronoWhole and returns the new reading; nothing when it does not count.
std::optional<QString> ChronoStep(SimState& s, const QString& shown);

// The whole seconds of a stopwatch time. Tenths added up fall a hair short of
// the whole second (ten of them make 0.9999999999999999), which must still
// read as that second.
int ChronoWholeSeconds(double seconds);

// The jet's guidance line (speed - pitch - % N1) for flap lever position
// `flapPosition` (0..4); nothing for a position outside the lever's range.
std::optional<QString> GuidanceText(int flapPosition, bool oneEngineOut);

// The parking brake holds only when set (lever 1) with the aircraft standing
// still; else the lever springs back.
bool ParkingBrakeHolds(double airspeed, int lever);

// A switch panel's caption after a click: "ON" becomes "OFF", anything else "ON".
QString ToggledSwitch(const QString& caption);

// The start-position panel's full size, and its folded size.
constexpr QSize kStartPanelFull(593, 257);
constexpr QSize kStartPanelFolded(105, 65);
// The panel's size after the "Startposition" menu: full when it is not full
// width, folded when it is.
QSize ToggledStartPanelSize(QSize current);

}  // namespace tvx
