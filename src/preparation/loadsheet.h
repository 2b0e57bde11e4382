#pragma once
// The mass-and-balance loadsheet: the texts of its boxes, the input checks,
// the calculation of masses, moments and centres of gravity, and its files
// (the current 328-byte record and the older 268-byte one, read only).
#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace tvx {

// Every box of the loadsheet window, by the window's control names.
struct Loadsheet {
  // FLIGHT table (green): the loads of one flight.
  QString FLseatinput, FRseatinput, CLseatinput, CRseatinput, RLseatinput, RRseatinput;
  QString FBaginput, RBaginput, MFuelinput, WFuelinput, Other1input, Other2input, Taxiinput, Tripinput;
  // AIRPLANE table (green): empty mass and the arm of every station.
  QString EmptyMass, EmptyArm, FSeatArm, CSeatArm, RSeatArm, FBagArm, RBagArm, MFuelArm, WFuelArm, Other1Arm,
      Other2Arm, TaxiArm, TripArm;
  // Computed.
  QString FSeatMass, CSeatMass, RSeatMass, FBagMass, RBagMass, MFuelMass, WFuelMass, Other1Mass, Other2Mass,
      TaxiMass, TripMass;
  QString EmptyMoment, FSeatMoment, CSeatMoment, RSeatMoment, FBagMoment, RBagMoment, MFuelMoment, WFuelMoment,
      Other1Moment, Other2Moment, TaxiMoment, TripMoment;
  QString RampMass, RampArm, RampMoment, TOMass, TOArm, TOMoment, LandingMass, LandingArm, LandingMoment;

  bool operator==(const Loadsheet&) const = default;
};

enum class BoxKind { Flight, Airplane, Computed };

struct LoadsheetBox {
  const char* name;
  QString Loadsheet::*text;
  BoxKind kind;
};

// All boxes, FLIGHT inputs first, then AIRPLANE inputs, then the computed ones.
const std::vector<LoadsheetBox>& LoadsheetBoxes();

// One row of the table: the boxes of a station's mass, arm and moment.
struct LoadsheetStation {
  QString Loadsheet::*mass;
  QString Loadsheet::*arm;
  QString Loadsheet::*moment;
};

// The twelve stations: empty, front, centre and rear seats, front and rear
// baggage, main and wing fuel, other 1 and 2, taxi and trip fuel.
const std::vector<LoadsheetStation>& LoadsheetStations();

// The boxes of a new window: a four-seater in pounds and inches, every computed box "0".
Loadsheet DefaultLoadsheet();

// "0" into the computed boxes a change of an input makes stale: the mass
// column except the seats and the empty mass, the three computed arms and
// every moment.
void ClearComputedBoxes(Loadsheet& sheet);

// An input box's range.
struct LoadsheetRange {
  const char* name;
  double low;
  double high;
  bool integer;
};

// The input boxes in the order they are checked.
const std::vector<LoadsheetRange>& LoadsheetInputRanges();

// A box that needs the user's attention, with its message.
struct LoadsheetFault {
  QString box;
  QString message;
};

// The first input box that fails its range check.
std::optional<LoadsheetFault> CheckLoadsheet(const Loadsheet& sheet);

// CALCULATE over checked inputs: seat sums, copied loads, negative taxi and
// trip fuel, moments, and ramp, take-off and landing rows. Returns the
// caution for the first station with a mass but an arm of 0; the results are
// computed all the same.
std::optional<LoadsheetFault> CalculateLoadsheet(Loadsheet& sheet);

constexpr int kLoadsheetBytes = 328;
constexpr int kLoadsheetV1Bytes = 268;
constexpr int kLoadsheetVersion = 2;

// The current record: version 2, the seats, the empty mass, the loads as the
// FLIGHT table holds them, then the twelve arms; every text cut to 11.
QByteArray EncodeLoadsheetFile(const Loadsheet& sheet);

// Reads the input boxes from a current or an older record; the computed
// boxes are left as they are. False, with `sheet` untouched, when the bytes
// are no loadsheet: fewer than the older record; a text whose length byte
// exceeds its 11 characters; a text that is neither a number nor empty; in an
// older record, a unit other than 0 (pounds) or 1 (kilograms), or a seat
// marker other than "P" or ".".
bool DecodeLoadsheetFile(const QByteArray& bytes, Loadsheet& sheet);

}  // namespace tvx
