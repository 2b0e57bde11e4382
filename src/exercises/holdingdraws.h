#pragma once
// The holding exercises without the windows: what each one draws from the
// shared generator, in the order it draws, and the answers it expects.
#include <QString>

namespace tvx {

// The turn side of a holding, as drawn: 0 right turns, 1 left turns.
constexpr int kRightTurns = 0;
constexpr int kLeftTurns = 1;
// "RIGHT" or "LEFT", as the holding definition keeps it.
QString TurnSideText(int side);

// The entries to a holding, as drawn.
constexpr int kTeardropEntry = 0;
constexpr int kDirectEntry = 1;
constexpr int kParallelEntry = 2;
// "T", "D" or "P": the answer to an entry question.
QString EntryLetter(int entry);

// "Holding on radial " + radial + " with RIGHT turns." (or LEFT).
QString HoldingTurnsLine(int radial, int side);
// "with right turns." or "with left turns.".
QString TurnsLine(int side);

// --- Holdings at a beacon, flown -----------------------------------------

// The wind a holding at a beacon is flown in: none; from a drawn direction
// at 15 kt; from a drawn direction at 10 or 20 kt.
enum class HoldingWind { Calm, Fixed15, Drawn };

struct BeaconHolding {
  int Radial = 0;   // of the holding, and of the aircraft 1 NM out
  int Heading = 0;  // inbound: the radial's opposite
  int Side = 0;
  int WindDirection = 0, WindSpeed = 0;
};
BeaconHolding DrawBeaconHolding(HoldingWind wind);

// The radial of the teardrop position: 30 degrees off the holding radial on
// the holding side. Left turns keep 360 as 360 (the start panel takes it).
int TeardropStartRadial(int holdingRadial, int side);

struct TeardropStart {
  int Radial = 0;   // of the holding; the aircraft heads this way
  int Inbound = 0;  // the inbound course
  int Side = 0;
  int WindDirection = 0, WindSpeed = 0;
  int StartRadial = 0;  // where the aircraft starts, 2.2 NM out
};
TeardropStart DrawTeardropStart();

// --- Entries --------------------------------------------------------------

// The angle clockwise from the aircraft's heading to the holding radial that
// makes `entry` the right entry for `side`, drawn at least 10 degrees inside
// its sector.
int DrawEntryOffset(int entry, int side);

struct EntrySetup {
  int Heading = 0;  // towards the VOR, from 1 NM out on the opposite radial
  int Entry = 0;
  int Side = 0;
  int Offset = 0;
  int HoldingRadial = 0;  // heading + offset
};
// Draws the heading, the entry when `entry` is negative (else takes it),
// the side and the offset.
EntrySetup DrawEntrySetup(int entry);

// --- Questions ------------------------------------------------------------

// The teardrop (kind 0) or abeam (kind 1) radial of a holding.
int OtixAnswer(int radial, int side, int kind);
struct OtixQuestion {
  int Radial = 0, Side = 0, Kind = 0;
};
OtixQuestion DrawOtixQuestion();

// Outbound timing in seconds from a headwind (side 0) or a tailwind (side 1)
// on the outbound leg: half a second per knot.
int OutboundTimingAnswer(int side, int wind);
// The outbound timing corrected from the chrono's reading after a holding
// flown with a 60-second outbound leg: 2 min (60 - x) s (side 0) asks for
// x / 2 seconds more, 3 min x s (side 1) for x / 2 seconds less.
int CorrectedTimingAnswer(int side, int x);
struct TimingQuestion {
  int Value = 0;  // the wind or the chrono's seconds, 10, 20 or 30
  int Side = 0;
};
TimingQuestion DrawTimingQuestion();

// The outbound heading in a crosswind from the right (side 0) or the left
// (side 1) of the outbound leg: one degree per knot.
int OutboundHeadingAnswer(int radial, int side, int windSpeed);
struct OutboundHeadingQuestion {
  int Radial = 0, WindSpeed = 0, Side = 0;
  int WindDirection = 0;  // square to the radial, on the drawn side
};
OutboundHeadingQuestion DrawOutboundHeadingQuestion();

}  // namespace tvx
