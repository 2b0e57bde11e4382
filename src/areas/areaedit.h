#pragma once
// Editing the lists of the current area one beacon at a time: the checks of
// the area window's inputs with their messages, adding, deleting and taking a
// beacon back for editing, and the fixed-column text of a list. Everything
// works on values; the area window (area.h) wires its controls to it.
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "areas/areamodel.h"

namespace tvx {

// The tabs of the area window, each with its list.
enum AreaTab { kVorTab = 0, kNdbTab = 1, kIlsTab = 2 };

// The list a tab shows.
AreaBeaconList& ListOfTab(AreaState& area, int tab);

// Texts and limits that follow the current tab.
struct TabTexts {
  QString addCaption, deleteCaption, editCaption;            // picture buttons
  QString plainAdd, plainRemove, plainEdit;                  // the plain buttons under them
  QString nameLabel, nameHint;
  int freqMin = 108, freqMax = 118;
  QString freqHint;
  bool ilsInputs = false;
};
TabTexts TabParametersFor(int tab);

// The inputs of the area window, as typed.
enum class AreaInput {
  None,  // a refusal of the list as a whole: no input takes the focus
  Naam, Freq, NS, Latdeg, Latmin, EW, Longdeg, Longmin, Vardeg, VarEW,
  course, Elev, lctrnaam, lctrfreq, lctrdist, removeinput
};

struct AreaInputs {
  QString Naam, Freq, NS, Latdeg, Latmin, EW, Longdeg, Longmin, Vardeg, VarEW;
  QString course, Elev, lctrnaam, lctrfreq, lctrdist;
};

// One refusal: the input to focus and the text of its OK box.
struct InputMessage {
  AreaInput input;
  QString text;
  bool operator==(const InputMessage&) const = default;
};

// What an add did to the inputs and the list.
struct AddResult {
  bool added = false;
  int slot = -1;  // index of the slot that was (or would have been) filled
  QList<InputMessage> messages;  // in the order they are shown
  // The name box upper-cased, once its check has run; the variation boxes
  // set to "0" and "W", once theirs has.
  bool nameChecked = false;
  QString nameText;
  bool variationSet = false;
};

// Checks the inputs one after another and writes the beacon into the first
// empty slot of `edit`, the working copy of the tab's list. The caller copies
// the list back only when `added`; `edit` is then the new list, projected
// later with the other lists.
AddResult AddBeacon(AreaBeaconList& edit, int tab, int freqMin, int freqMax, const AreaInputs& in);

// The ranges the editor holds its inputs to (minutes and the frequency's
// upper limit excluded, the others included).
constexpr int kLatDegMax = 89;
constexpr int kLonDegMax = 179;
constexpr double kMinutesLimit = 60;
constexpr int kCourseMax = 360;
constexpr double kLocatorDistanceMax = 15;
// Runway elevations in feet: from below the Dead Sea's shore to above the
// highest airports.
constexpr int kElevationMin = -1500;
constexpr int kElevationMax = 15000;
// "ERROR: ELEVATION IS NOT BETWEEN -1500 AND 15000"
QString ElevationRangeMessage();

// The ILS-only inputs into `slot`; appends its refusals to `messages` and
// stops at the first refusing input.
void LeesILSparameters(AreaBeacon& slot, const AreaInputs& in, QList<InputMessage>& messages);

// The beacon number typed for delete and edit.
struct BeaconNumber {
  int index = -1;       // slot index 0..14 when it may be taken
  bool inputError = false;  // the number itself was refused
  QString message;      // empty when the slot may be taken
};
// `word` is "Delete " or "Edit ".
BeaconNumber CheckBeaconNumber(const AreaBeaconList& list, const QString& text, const QString& word);

// The question asked before a delete or edit.
QString RemoveQuestion(const QString& word, const AreaBeacon& b);

// The texts that take a beacon back into the inputs for editing; the ILS
// inputs only when `ils`.
AreaInputs InputsForEdit(const AreaBeacon& b, bool ils);

// Moves the slots after `index` up one place and empties the last.
void RemoveSlot(AreaBeaconList& list, int index, bool ils);

// Shortest decimal text of a real, up to 15 significant digits ("45.25", "0").
QString DecimalText(double value);

// One line of a tab's list text; `number` is the slot number 1..15.
QString AreaListLine(const AreaBeacon& b, int number, bool ils);
// The 15 lines of a tab's list.
QStringList AreaListText(const AreaBeaconList& list, bool ils);

// One line of the printed list (used slots only).
QString PrintListLine(const AreaBeacon& b, int number, bool ils);
// The printed area: the caption, then the three lists under their heads.
QStringList PrintAreaText(const QString& caption, const AreaBeaconList& vor, const AreaBeaconList& ndb,
                          const AreaBeaconList& ils);

// ---- Area files ----

// Whether a beacon read from an area file holds what the editor would have
// accepted on the tab's list: hemisphere letters, degrees, minutes, a
// frequency in the tab's range and, on the ILS tab, course, elevation and
// locator distance. Fields nothing reads (X/Y, recomputed; the variation;
// the reserved bytes) are not looked at.
bool BeaconFromFileValid(const AreaBeacon& b, int tab);

// Whether an area read from a file may become the current area: every used
// slot of the three lists passes BeaconFromFileValid, and VOR slot 1, the
// plane's origin even while it is empty, has its degrees and minutes in
// range. Anything else would be a file of another kind or a damaged one,
// whose numbers only overflow the map's arithmetic.
bool AreaFileValid(const AreaLists& lists);

// An area file's bytes as the area window loads them: exactly 45 records
// (4680 bytes) that pass AreaFileValid; nothing otherwise.
std::optional<AreaLists> ReadAreaFile(const QByteArray& bytes);

// The VOR that closing the area window puts into an empty VOR slot 1.
void FillDefaultVor(AreaBeacon& b);

// The names the simulator's beacon list offers for an area: the used VORs,
// the used NDBs, then each used ILS runway followed by its locator when it
// has one.
QStringList SimulatorBeaconNames(const AreaBeaconList& vor, const AreaBeaconList& ndb, const AreaBeaconList& ils);

}  // namespace tvx
