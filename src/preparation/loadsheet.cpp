#include "preparation/loadsheet.h"

#include <cmath>

#include "platform/record.h"
#include "platform/textutil.h"
#include "preparation/rangecheck.h"

namespace tvx {

namespace {

using L = Loadsheet;

constexpr int kTextCapacity = 11;
constexpr int kTextBytes = kTextCapacity + 1;

QString Fixed(double value) { return FormatFixed(value, 9, 1); }

// The FLIGHT loads and the arms, in the order both records keep them.
const std::vector<QString L::*>& RecordLoads() {
  static const std::vector<QString L::*> loads = {&L::FBaginput,   &L::RBaginput,   &L::MFuelinput, &L::WFuelinput,
                                                  &L::Other1input, &L::Other2input, &L::Taxiinput,  &L::Tripinput};
  return loads;
}
const std::vector<QString L::*>& RecordSeats() {
  static const std::vector<QString L::*> seats = {&L::FLseatinput, &L::FRseatinput, &L::CLseatinput,
                                                  &L::CRseatinput, &L::RLseatinput, &L::RRseatinput};
  return seats;
}
const std::vector<QString L::*>& RecordArms() {
  static const std::vector<QString L::*> arms = {&L::EmptyArm, &L::FSeatArm, &L::CSeatArm,   &L::RSeatArm,
                                                 &L::FBagArm,  &L::RBagArm,  &L::MFuelArm,   &L::WFuelArm,
                                                 &L::Other1Arm, &L::Other2Arm, &L::TaxiArm, &L::TripArm};
  return arms;
}

const LoadsheetBox* BoxOf(QString L::*text) {
  for (const LoadsheetBox& box : LoadsheetBoxes())
    if (box.text == text) return &box;
  return nullptr;
}

const LoadsheetBox* BoxNamed(const char* name) {
  for (const LoadsheetBox& box : LoadsheetBoxes())
    if (qstrcmp(box.name, name) == 0) return &box;
  return nullptr;
}

int SeatSum(const QString& a, const QString& b) {
  int x = 0, y = 0;
  TryParseInt(a, x);
  TryParseInt(b, y);
  return x + y;
}

}  // namespace

const std::vector<LoadsheetBox>& LoadsheetBoxes() {
  static const std::vector<LoadsheetBox> boxes = {
      {"FLseatinput", &L::FLseatinput, BoxKind::Flight},   {"FRseatinput", &L::FRseatinput, BoxKind::Flight},
      {"CLseatinput", &L::CLseatinput, BoxKind::Flight},   {"CRseatinput", &L::CRseatinput, BoxKind::Flight},
      {"RLseatinput", &L::RLseatinput, BoxKind::Flight},   {"RRseatinput", &L::RRseatinput, BoxKind::Flight},
      {"FBaginput", &L::FBaginput, BoxKind::Flight},       {"RBaginput", &L::RBaginput, BoxKind::Flight},
      {"MFuelinput", &L::MFuelinput, BoxKind::Flight},     {"WFuelinput", &L::WFuelinput, BoxKind::Flight},
      {"Other1input", &L::Other1input, BoxKind::Flight},   {"Other2input", &L::Other2input, BoxKind::Flight},
      {"Taxiinput", &L::Taxiinput, BoxKind::Flight},       {"Tripinput", &L::Tripinput, BoxKind::Flight},
      {"EmptyMass", &L::EmptyMass, BoxKind::Airplane},     {"EmptyArm", &L::EmptyArm, BoxKind::Airplane},
      {"FSeatArm", &L::FSeatArm, BoxKind::Airplane},       {"CSeatArm", &L::CSeatArm, BoxKind::Airplane},
      {"RSeatArm", &L::RSeatArm, BoxKind::Airplane},       {"FBagArm", &L::FBagArm, BoxKind::Airplane},
      {"RBagArm", &L::RBagArm, BoxKind::Airplane},         {"MFuelArm", &L::MFuelArm, BoxKind::Airplane},
      {"WFuelArm", &L::WFuelArm, BoxKind::Airplane},       {"Other1Arm", &L::Other1Arm, BoxKind::Airplane},
      {"Other2Arm", &L::Other2Arm, BoxKind::Airplane},     {"TaxiArm", &L::TaxiArm, BoxKind::Airplane},
      {"TripArm", &L::TripArm, BoxKind::Airplane},         {"FSeatMass", &L::FSeatMass, BoxKind::Computed},
      {"CSeatMass", &L::CSeatMass, BoxKind::Computed},     {"RSeatMass", &L::RSeatMass, BoxKind::Computed},
      {"FBagMass", &L::FBagMass, BoxKind::Computed},       {"RBagMass", &L::RBagMass, BoxKind::Computed},
      {"MFuelMass", &L::MFuelMass, BoxKind::Computed},     {"WFuelMass", &L::WFuelMass, BoxKind::Computed},
      {"Other1Mass", &L::Other1Mass, BoxKind::Computed},   {"Other2Mass", &L::Other2Mass, BoxKind::Computed},
      {"TaxiMass", &L::TaxiMass, BoxKind::Computed},       {"TripMass", &L::TripMass, BoxKind::Computed},
      {"EmptyMoment", &L::EmptyMoment, BoxKind::Computed}, {"FSeatMoment", &L::FSeatMoment, BoxKind::Computed},
      {"CSeatMoment", &L::CSeatMoment, BoxKind::Computed}, {"RSeatMoment", &L::RSeatMoment, BoxKind::Computed},
      {"FBagMoment", &L::FBagMoment, BoxKind::Computed},   {"RBagMoment", &L::RBagMoment, BoxKind::Computed},
      {"MFuelMoment", &L::MFuelMoment, BoxKind::Computed}, {"WFuelMoment", &L::WFuelMoment, BoxKind::Computed},
      {"Other1Moment", &L::Other1Moment, BoxKind::Computed}, {"Other2Moment", &L::Other2Moment, BoxKind::Computed},
      {"TaxiMoment", &L::TaxiMoment, BoxKind::Computed},   {"TripMoment", &L::TripMoment, BoxKind::Computed},
      {"RampMass", &L::RampMass, BoxKind::Computed},       {"RampArm", &L::RampArm, BoxKind::Computed},
      {"RampMoment", &L::RampMoment, BoxKind::Computed},   {"TOMass", &L::TOMass, BoxKind::Computed},
      {"TOArm", &L::TOArm, BoxKind::Computed},             {"TOMoment", &L::TOMoment, BoxKind::Computed},
      {"LandingMass", &L::LandingMass, BoxKind::Computed}, {"LandingArm", &L::LandingArm, BoxKind::Computed},
      {"LandingMoment", &L::LandingMoment, BoxKind::Computed},
  };
  return boxes;
}

const std::vector<LoadsheetStation>& LoadsheetStations() {
  static const std::vector<LoadsheetStation> stations = {
      {&L::EmptyMass, &L::EmptyArm, &L::EmptyMoment},    {&L::FSeatMass, &L::FSeatArm, &L::FSeatMoment},
      {&L::CSeatMass, &L::CSeatArm, &L::CSeatMoment},    {&L::RSeatMass, &L::RSeatArm, &L::RSeatMoment},
      {&L::FBagMass, &L::FBagArm, &L::FBagMoment},       {&L::RBagMass, &L::RBagArm, &L::RBagMoment},
      {&L::MFuelMass, &L::MFuelArm, &L::MFuelMoment},    {&L::WFuelMass, &L::WFuelArm, &L::WFuelMoment},
      {&L::Other1Mass, &L::Other1Arm, &L::Other1Moment}, {&L::Other2Mass, &L::Other2Arm, &L::Other2Moment},
      {&L::TaxiMass, &L::TaxiArm, &L::TaxiMoment},       {&L::TripMass, &L::TripArm, &L::TripMoment},
  };
  return stations;
}

Loadsheet DefaultLoadsheet() {
  Loadsheet s;
  for (const LoadsheetBox& box : LoadsheetBoxes()) s.*box.text = "0";
  s.EmptyMass = "1505";
  s.EmptyArm = "85.9";
  s.FLseatinput = "170";
  s.FSeatArm = "80.5";
  s.CSeatArm = "118.1";
  s.RBaginput = "50";
  s.RBagArm = "142.8";
  s.WFuelinput = "267";
  s.WFuelArm = "95.0";
  s.TaxiArm = "95.0";
  return s;
}

void ClearComputedBoxes(Loadsheet& s) {
  for (auto box : {&L::FBagMass, &L::RBagMass, &L::MFuelMass, &L::WFuelMass, &L::Other1Mass, &L::Other2Mass,
                   &L::RampMass, &L::TaxiMass, &L::TOMass, &L::TripMass, &L::LandingMass, &L::RampArm, &L::TOArm,
                   &L::LandingArm, &L::RampMoment, &L::TOMoment, &L::LandingMoment})
    s.*box = "0";
  for (const LoadsheetStation& station : LoadsheetStations()) s.*station.moment = "0";
}

const std::vector<LoadsheetRange>& LoadsheetInputRanges() {
  static const std::vector<LoadsheetRange> ranges = {
      {"FLseatinput", 0, 300, true}, {"FRseatinput", 0, 300, true},       {"CLseatinput", 0, 300, true},
      {"CRseatinput", 0, 300, true}, {"RLseatinput", 0, 300, true},       {"RRseatinput", 0, 300, true},
      {"FBaginput", 0, 1000, false}, {"RBaginput", 0, 1000, false},       {"MFuelinput", 0, 1000, false},
      {"WFuelinput", 0, 1000, false}, {"Other1input", 0, 1000, false},    {"Other2input", 0, 1000, false},
      {"Taxiinput", -100, 100, false}, {"Tripinput", -10000, 10000, false}, {"EmptyMass", 0, 100000, false},
      {"EmptyArm", 0, 1000, false},  {"FSeatArm", 0, 1000, false},        {"CSeatArm", 0, 1000, false},
      {"RSeatArm", 0, 1000, false},  {"FBagArm", 0, 1000, false},         {"RBagArm", 0, 1000, false},
      {"MFuelArm", 0, 1000, false},  {"WFuelArm", 0, 1000, false},        {"Other1Arm", 0, 1000, false},
      {"Other2Arm", 0, 1000, false}, {"TaxiArm", 0, 1000, false},         {"TripArm", 0, 1000, false},
  };
  return ranges;
}

std::optional<LoadsheetFault> CheckLoadsheet(const Loadsheet& sheet) {
  for (const LoadsheetRange& range : LoadsheetInputRanges()) {
    const QString fault = RangeFault(sheet.*BoxNamed(range.name)->text, range.low, range.high, range.integer);
    if (!fault.isEmpty()) return LoadsheetFault{range.name, fault};
  }
  return std::nullopt;
}

std::optional<LoadsheetFault> CalculateLoadsheet(Loadsheet& s) {
  s.FSeatMass = QString::number(SeatSum(s.FLseatinput, s.FRseatinput));
  s.CSeatMass = QString::number(SeatSum(s.CLseatinput, s.CRseatinput));
  s.RSeatMass = QString::number(SeatSum(s.RLseatinput, s.RRseatinput));
  s.FBagMass = s.FBaginput;
  s.RBagMass = s.RBaginput;
  s.MFuelMass = s.MFuelinput;
  s.WFuelMass = s.WFuelinput;
  s.Other1Mass = s.Other1input;
  s.Other2Mass = s.Other2input;
  // Taxi and trip fuel leave the aircraft, whichever sign the user typed.
  if (s.Taxiinput != "0") s.TaxiMass = FormatFixed(-std::fabs(ValOrZero(s.Taxiinput)), 5, 1);
  if (s.Tripinput != "0") s.TripMass = FormatFixed(-std::fabs(ValOrZero(s.Tripinput)), 5, 1);

  std::optional<LoadsheetFault> caution;
  const auto& stations = LoadsheetStations();
  for (const LoadsheetStation& st : stations) {
    if (ValOrZero(s.*st.mass) != 0 && ValOrZero(s.*st.arm) == 0) {
      caution = LoadsheetFault{BoxOf(st.arm)->name, "CAUTION: ARM IS 0"};
      break;
    }
  }

  for (const LoadsheetStation& st : stations)
    if (s.*st.mass != "0") s.*st.moment = Fixed(ValOrZero(s.*st.mass) * ValOrZero(s.*st.arm));

  double mass = 0, moment = 0;
  for (int i = 0; i < 10; ++i) {
    mass += ValOrZero(s.*stations[i].mass);
    moment += ValOrZero(s.*stations[i].moment);
  }
  s.RampMass = Fixed(mass);
  s.RampMoment = Fixed(moment);
  const double ramp = ValOrZero(s.RampMass), rampMoment = ValOrZero(s.RampMoment);
  if (ramp != 0) s.RampArm = Fixed(rampMoment / ramp);

  // A taxi or trip fuel of 0 still gives its row: an aircraft that burns
  // nothing before take-off takes off at its ramp mass, it does not weigh 0.
  const double taxi = std::fabs(ValOrZero(s.TaxiMass)), taxiMoment = std::fabs(ValOrZero(s.TaxiMoment));
  s.TOMass = Fixed(ramp - taxi);
  s.TOMoment = Fixed(rampMoment - taxiMoment);
  if (ValOrZero(s.TOMass) != 0) s.TOArm = Fixed(ValOrZero(s.TOMoment) / ValOrZero(s.TOMass));
  const double trip = std::fabs(ValOrZero(s.TripMass)), tripMoment = std::fabs(ValOrZero(s.TripMoment));
  s.LandingMass = Fixed(ramp - taxi - trip);
  s.LandingMoment = Fixed(rampMoment - taxiMoment - tripMoment);
  if (ValOrZero(s.LandingMass) != 0)
    s.LandingArm = Fixed(ValOrZero(s.LandingMoment) / ValOrZero(s.LandingMass));
  return caution;
}

QByteArray EncodeLoadsheetFile(const Loadsheet& s) {
  RecordWriter w(kLoadsheetBytes);
  w.PutInt32(0, kLoadsheetVersion);
  int offset = 4;
  auto put = [&](const QString& text) {
    w.PutShortString(offset, kTextCapacity, text);
    offset += kTextBytes;
  };
  for (auto seat : RecordSeats()) put(s.*seat);
  put(s.EmptyMass);
  // The loads as typed, so that a save before CALCULATE keeps them.
  for (auto load : RecordLoads()) put(s.*load);
  for (auto arm : RecordArms()) put(s.*arm);
  return w.Bytes();
}

bool DecodeLoadsheetFile(const QByteArray& bytes, Loadsheet& sheet) {
  if (bytes.size() < kLoadsheetV1Bytes) return false;
  const RecordReader r(bytes);
  // Filled apart from `sheet`, which takes it only once the whole record has
  // read as a loadsheet: a refused file leaves the user's boxes as they were.
  Loadsheet s = sheet;
  bool sound = true;
  // A length byte beyond its field's capacity is no text this program wrote.
  auto text = [&](int offset, int capacity) {
    if (r.Has(offset, 1) && r.Byte(offset) > capacity) sound = false;
    return r.ShortString(offset, capacity);
  };
  // What the boxes take: a number, or nothing.
  auto number = [&](int offset) {
    const QString t = text(offset, kTextCapacity);
    double value = 0;
    if (!t.isEmpty() && !TryParseReal(t, value)) sound = false;
    return t;
  };
  if (r.Int32(0) == kLoadsheetVersion) {
    // A current record that is cut short reads what it has; later fields come back empty.
    int offset = 4;
    auto get = [&]() {
      const QString t = number(offset);
      offset += kTextBytes;
      return t;
    };
    for (auto seat : RecordSeats()) s.*seat = get();
    s.EmptyMass = get();
    for (auto load : RecordLoads()) s.*load = get();
    for (auto arm : RecordArms()) s.*arm = get();
  } else {
    const int unit = r.Int32(0);  // 0 pounds, 1 kilograms
    if (unit != 0 && unit != 1) return false;
    for (int i = 0; i < 6; ++i) {
      const QString marker = text(4 + 2 * i, 1);
      if (marker == "P") s.*RecordSeats()[i] = unit == 0 ? "170" : "75";
      else if (marker == ".") s.*RecordSeats()[i] = "0";
      else sound = false;  // a seat is occupied or empty, nothing else
    }
    s.EmptyMass = number(16);
    for (int i = 0; i < 8; ++i) s.*RecordLoads()[i] = number(28 + kTextBytes * i);
    for (int i = 0; i < 12; ++i) s.*RecordArms()[i] = number(124 + kTextBytes * i);
  }
  if (!sound) return false;
  sheet = s;
  return true;
}

}  // namespace tvx
