#pragma once
// The holding: the window's choices that other windows read, and the reading
// and checking of the holding window's inputs into the simulator's holding
// definition (`HoldingX`, `HoldingY`, `HoldingInboundCourse`, `HoldingRadial`,
// `HoldingSide`, `HoldingSpeed` in `Sim`). The map draws the holding only
// while `Mapkeuze` is on "Draw holding".
#include <QPointF>
#include <QString>
#include <cstdint>

#include "areas/areamodel.h"
#include "simulator/simstate.h"

namespace tvx {

constexpr int kNoHolding = 0;    // "No holding"
constexpr int kDrawHolding = 1;  // "Draw holding"

// The two items of `Coursekeuze`: which of the two direction inputs is read.
constexpr int kInboundCourseChoice = 0;  // "Inbound course:"
constexpr int kRadialChoice = 1;         // "Radial:"

// The texts of the holding window's inputs, as typed.
struct HoldingTexts {
  QString Holdingbeacon;
  QString Turndirection;
  QString Holdingcourse;
  QString Holdingradial;
  QString holdspdinput;
};

// The holding definition as the simulator keeps it; Cancel puts it back.
struct HoldingDefinition {
  double X = 0, Y = 0;
  std::int32_t InboundCourse = 0, Radial = 0;
  QString Side;
  std::int32_t Speed = 0;
};
HoldingDefinition HoldingDefinitionOf(const SimState& s);
void StoreHoldingDefinition(const HoldingDefinition& d, SimState& s);

// What the window remembers when it is shown, so that Cancel can bring it
// back: the drawing choice, the five texts and the definition they made.
struct HoldingSnapshot {
  int Mapkeuze = kNoHolding;
  HoldingTexts Texts;
  HoldingDefinition Definition;
};

struct HoldingWindowState {
  int Mapkeuze = kNoHolding;
  // The last reading of the inputs rejected one of them.
  bool HoldingInputError = false;
  HoldingSnapshot Snapshot;
};

extern HoldingWindowState HoldingWindow;

// Back to the window's first choice, for a fresh start and for tests.
void ResetHoldingWindowState();

// --- The holding fix -------------------------------------------------------

enum class HoldingFixKind { None, Vor, Ndb, Runway, Locator };

struct HoldingFix {
  HoldingFixKind kind = HoldingFixKind::None;
  int slot = -1;  // 0..14
  QPointF at;     // NM east and south of VOR 1
};

// Whether the typed name `t` names a stored VOR or NDB name `n`: equal, or
// equal once one trailing blank is added to either side.
bool VorNdbNameMatches(const QString& n, const QString& t);
// The same for a runway name: up to two trailing blanks on either side and a
// leading "0" ("9" names runway "09").
bool RunwayNameMatches(const QString& n, const QString& t);
// The same for a locator name: up to two trailing blanks on either side.
bool LocatorNameMatches(const QString& n, const QString& t);

// The fix named `typed`: slot by slot, the VOR, the NDB, the ILS runway and
// the ILS locator of each; the first match wins. Only used slots count, so an
// emptied ILS slot whose old locator is still stored is no fix.
HoldingFix FindHoldingFix(const AreaState& area, const QString& typed);

// --- Reading the inputs ----------------------------------------------------

// The input a rejection points at.
enum class HoldingField { None, Beacon, Turn, Course, Radial, Speed };

struct HoldingReading {
  bool error = false;
  HoldingField field = HoldingField::None;
  QString message;
  // The inbound course was read and accepted by this reading.
  bool inboundRead = false;
};

// Reads the inputs one after another into the definition in `s`, stopping at
// the first rejected one; the values read before it stay stored, a rejected
// value is never stored. The beacon name and the turn direction are
// upper-cased in `texts`, as the window shows them afterwards.
HoldingReading ReadHoldingInputs(HoldingTexts& texts, int coursekeuze, const AreaState& area, SimState& s);

// The radial on which the inbound leg lies: the inbound course's opposite,
// in 0..359 (inbound 360 and 0 both give 180).
int RadialFromInbound(int inboundCourse);

// Letters a-z to A-Z; every other character stays as it is.
QString AsciiUpper(const QString& text);

}  // namespace tvx
