#pragma once
// The physical constants of the two aircraft categories, the ready-made
// configurations (presets) and the jet's flap lever, as functions over the
// flight state so that they are checked without a window.
#include <QStringList>
#include <optional>

#include "simulator/simstate.h"

namespace tvx {

// The items of the configuration list for the piston types and for the jet.
QStringList PistonPresetItems();
QStringList JetPresetItems();
// The list item that a type change selects when it refills the list.
constexpr int kPistonFirstPreset = 0;   // "Cruise - 115 kts"
constexpr int kJetFirstPreset = 2;      // "VMD - 210 kts"
constexpr int kJetTakeoffPreset = 7;    // "Takeoff"

// Constants of the category of `s.AircraftType`: density, wing, polar, weight
// (and the jet's engine seeds). Levels the wings and sets Lift to Weight.
void LoadCategoryConstants(SimState& s);

// Where a preset puts the levers, and whether it moved the aircraft to a new
// altitude that the start panel must show.
struct PresetOutcome {
  int flaps = 0;  // lever position (0 at the top)
  int gear = 0;   // 0 up, 1 down
  bool altitudeSet = false;
};

// Applies preset `index` of the list of `s.AircraftType` (trimmed speed, power,
// attitude, polar, flap state; for the jet also the bugs and the runway).
// An index that is no item of the list changes nothing but the acceleration
// and the jet pitch step, and gives no outcome.
std::optional<PresetOutcome> ApplyPreset(SimState& s, int index);

// The flap detent in degrees of each jet lever position.
int JetFlapDetent(int position);

// The jet flap lever moved to `position` (0..4) with the gear lever at `gear`
// (1 down): the attitude and phase changes of the move from `s.FlapIndex`,
// then the lift and parasite drag of the new position.
void ApplyJetFlapLever(SimState& s, int position, int gear);

}  // namespace tvx
