#pragma once
// The jet's failure and manoeuvre scenarios as computation over the flight
// state: choosing one (with its checks against the flight), arming it, the
// tick's trigger and end checks, the activation with its effects, the TCAS
// advisory and its end. The window shows the result: the warning panel, the
// fire switches, the sounds, the turbulence menu.
//
// Phases (`FailurePhase`): 0 off, 1 armed, 2 active, 3 TCAS resolution,
// 5 clear of conflict. `ScenarioTrigger` below 50 is seconds on
// `ScenarioClock`, above 50 knots of `Airspeed`.
#include <QString>
#include <QStringList>

#include "platform/random.h"
#include "simulator/simstate.h"

namespace tvx::scenario {

// The items of the scenario list, by index (separator lines included).
QStringList FailureItems();
constexpr int kFailureItemCount = 25;

// The sound files of the scenarios, in the Navdata folder.
QStringList SoundFiles();

// A sound asked for: `file` is empty when there is none.
struct SoundRequest {
  QString file;
  bool loop = false;
};

// What a choice in the list came to. When it is not armed, the scenario is
// ended; `message` (when not empty) is shown first: the flight does not fit.
struct Selection {
  bool armed = false;
  QString message;
};

// Altitude above the airport.
inline double HeightAboveAirport(const SimState& s) { return s.Altitude - s.AirportElevation; }

// Chooses item `index`: the scenario's code with its random variant, the
// checks against the flight state, and for an accepted choice the arming,
// the trigger and the engine scenario it turns into. An index that is no
// item chooses nothing ("OFF").
Selection Select(SimState& s, RandomGenerator& rng, int index);


// The refusal of a choice of `code` in the present flight state; empty when
// it may be armed.
QString CheckMessage(const SimState& s, const QString& code);

// The engine scenarios: one engine is out while they are active.
bool IsEngineScenario(const QString& code);

// What activation asks of the window beside the state changes.
struct Activation {
  SoundRequest sound;
  bool severeTurbulence = false;  // windshear brings severe turbulence
};

// The scenario becomes active: engine out and yaw for the engine scenarios,
// the next trigger, the failed engine (or the kind of upset) and the effect
// of each code. Bank steps go through the flight model's own steps.
Activation Activate(SimState& s, RandomGenerator& rng);

// TCAS: the resolution advisory (descend, climb or level off) with its call-out.
SoundRequest ResolutionAdvisory(SimState& s, RandomGenerator& rng);

// TCAS: clear of conflict; the call-out only for "TCAS".
SoundRequest ClearOfConflict(SimState& s);

// The state part of ending any scenario: code "OFF", no engine out, phase 0,
// the braking state and the draws back to their first values. The take-off
// state stays (the flap lever resets it).
void End(SimState& s);

// The text of the warning panel: "FIRE WARN" while a fire is active,
// "CABIN ALTITUDE" while the cabin altitude warning is, else empty.
QString EicasText(const SimState& s);

// The window around the tick's checks: each call does the window's operation
// of the same meaning.
class ScenarioHost {
 public:
  virtual ~ScenarioHost() = default;
  virtual void Activate() = 0;            // the trigger fired
  virtual void ResolutionAdvisory() = 0;  // TCAS advisory
  virtual void ClearOfConflict() = 0;     // TCAS clear of conflict
  virtual void End() = 0;                 // the scenario is over
  virtual void TurbulenceOff() = 0;
};

// The tick's trigger and end checks, in their order; each check sees what the
// ones before it changed in the same tick.
void RunChecks(SimState& s, ScenarioHost& host);

}  // namespace tvx::scenario
