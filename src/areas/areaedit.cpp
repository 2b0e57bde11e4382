#include "areas/areaedit.h"

#include <algorithm>

#include "platform/textutil.h"

namespace tvx {

AreaBeaconList& ListOfTab(AreaState& area, int tab) {
  return tab == kNdbTab ? area.NdbList : tab == kIlsTab ? area.IlsList : area.VorList;
}

TabTexts TabParametersFor(int tab) {
  TabTexts t;
  const char* kind = tab == kNdbTab ? "NDB" : tab == kIlsTab ? "ILS" : "VOR";
  t.addCaption = QString("&Add ") + kind;
  t.deleteCaption = QString("&Delete ") + kind;
  t.editCaption = QString("&Edit ") + kind;
  t.plainAdd = QString("&ADD ") + kind;
  t.plainRemove = QString("&REMOVE ") + kind;
  t.plainEdit = QString("&EDIT ") + kind;
  t.nameLabel = tab == kIlsTab ? "Runway" : "Name";
  t.nameHint = tab == kIlsTab ? "Runway name" : "Lettercode";
  switch (tab) {
    case kNdbTab: t.freqMin = 190, t.freqMax = 1750; break;
    case kIlsTab: t.freqMin = 108, t.freqMax = 112; break;
    default: t.freqMin = 108, t.freqMax = 118; break;
  }
  t.freqHint = QString::number(t.freqMin) + " - " + QString::number(t.freqMax);
  t.ilsInputs = tab == kIlsTab;
  return t;
}

namespace {

// Upper case of the ASCII letters only, as the beacon names are compared.
QString AsciiUpper(const QString& text) {
  QString out = text;
  for (QChar& c : out)
    if (c >= 'a' && c <= 'z') c = QChar(c.unicode() - 'a' + 'A');
  return out;
}

// The area file holds its texts in Latin-1; any other character would be
// written as "?".
bool FitsLatin1(const QString& text) {
  return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
}

bool FrequencyInRange(double f, int freqMin, int freqMax) { return f >= freqMin && f < freqMax; }
bool InRange(int v, int lo, int hi) { return v >= lo && v <= hi; }
// Fails for NaN too.
bool MinutesInRange(double m) { return m >= 0 && m < kMinutesLimit; }

// The checks of one add, each running only while no earlier one refused.
class AddChecks {
 public:
  explicit AddChecks(QList<InputMessage>& messages) : messages_(messages), start_(messages.size()) {}

  bool Clear() const { return messages_.size() == start_; }
  void Refuse(AreaInput input, const QString& text) { messages_.append({input, text}); }

  // A whole number in lo..hi.
  void Integer(AreaInput input, const QString& text, int lo, int hi, const QString& between, const QString& notCorrect,
               std::int32_t& out) {
    if (!Clear()) return;
    int v = 0;
    if (!TryParseInt(text, v)) return Refuse(input, notCorrect);
    out = v;
    if (v < lo || v > hi) Refuse(input, between);
  }

  // A real of at most `maxLength` characters with lo <= v and v < hi (v <= hi
  // when `hiIncluded`). A text too long is still read and range-checked.
  void Real(AreaInput input, const QString& text, int maxLength, double lo, double hi, bool hiIncluded,
            const QString& tooLong, const QString& between, const QString& notCorrect, double& out) {
    if (!Clear()) return;
    const QString t = text.trimmed();
    if (t.size() > maxLength) Refuse(input, tooLong);
    double v = 0;
    if (!TryParseReal(t, v)) return Refuse(input, notCorrect);
    out = v;
    if (!(v >= lo && (hiIncluded ? v <= hi : v < hi))) Refuse(input, between);
  }

  // The first letter of a hemisphere box, one of `a` and `b`.
  void Letter(AreaInput input, const QString& text, const char* a, const char* b, const QString& notCorrect,
              QString& out) {
    if (!Clear()) return;
    out = text.trimmed().left(1);
    if (out != a && out != b) Refuse(input, notCorrect);
  }

 private:
  QList<InputMessage>& messages_;
  qsizetype start_;
};

}  // namespace

QString ElevationRangeMessage() {
  return "ERROR: ELEVATION IS NOT BETWEEN " + QString::number(kElevationMin) + " AND " + QString::number(kElevationMax);
}

void LeesILSparameters(AreaBeacon& slot, const AreaInputs& in, QList<InputMessage>& messages) {
  AddChecks c(messages);
  c.Integer(AreaInput::course, in.course, 0, kCourseMax, "ERROR: COURSE IS NOT BETWEEN 0 AND 360",
            "ERROR: COURSE IS NOT CORRECT ", slot.FinalCourse);
  c.Integer(AreaInput::Elev, in.Elev, kElevationMin, kElevationMax, ElevationRangeMessage(),
            "ERROR: ELEVATION IS NOT CORRECT ", slot.Elevation);
  if (c.Clear()) {
    // Upper case like the runway's name: the start panel looks locators up
    // by the upper-cased name typed there.
    const QString name = AsciiUpper(in.lctrnaam.trimmed());
    if (name.size() > 4) c.Refuse(AreaInput::lctrnaam, "ERROR: LOCATOR NAME IS TOO LONG ");
    else if (!FitsLatin1(name))
      c.Refuse(AreaInput::lctrnaam, "ERROR: LOCATOR NAME HAS A CHARACTER THAT CAN NOT BE SAVED ");
    else slot.LocatorName = name;
  }
  if (c.Clear()) {
    if (slot.LocatorName.isEmpty()) {
      slot.LocatorFreq.clear();
    } else {
      const QString freq = in.lctrfreq.trimmed();
      if (freq.size() > 6) c.Refuse(AreaInput::lctrfreq, "ERROR: LOCATOR FREQUENCY IS TOO LONG ");
      else if (!FitsLatin1(freq))
        c.Refuse(AreaInput::lctrfreq, "ERROR: LOCATOR FREQUENCY HAS A CHARACTER THAT CAN NOT BE SAVED ");
      slot.LocatorFreq = freq.left(6);
    }
  }
  if (c.Clear()) {
    slot.LocatorDistance = 0;
    c.Real(AreaInput::lctrdist, in.lctrdist, 4, 0, kLocatorDistanceMax, true, "ERROR: LOCATOR DISTANCE IS TOO LONG ",
           "ERROR: LOCATOR DISTANCE IS NOT BETWEEN 0 AND 15 ", "ERROR: LOCATOR DISTANCE IS NOT CORRECT ",
           slot.LocatorDistance);
  }
}

AddResult AddBeacon(AreaBeaconList& edit, int tab, int freqMin, int freqMax, const AreaInputs& in) {
  AddResult r;
  for (int i = 0; i < kAreaSlots && r.slot < 0; ++i)
    if (!edit[i].Used()) r.slot = i;
  if (r.slot < 0) {
    r.messages.append({AreaInput::None, "ERROR: LIST IS FULL. UNABLE TO ADD BEACON "});
    return r;
  }
  AreaBeacon& b = edit[r.slot];
  AddChecks c(r.messages);

  if (c.Clear()) {
    // Blanks around a frequency would keep it from ever matching a tuned one.
    const QString text = in.Freq.trimmed();
    if (text.size() > 6) c.Refuse(AreaInput::Freq, "ERROR: FREQUENCY INPUT IS TOO LONG ");
    double f = 0;
    if (!TryParseReal(text, f)) {
      c.Refuse(AreaInput::Freq, "ERROR: FREQUENCY IS NOT CORRECT ");
    } else {
      b.Frequency = text.left(6);
      if (!FrequencyInRange(f, freqMin, freqMax))
        c.Refuse(AreaInput::Freq, "ERROR: FREQUENCY IS NOT BETWEEN " + QString::number(freqMin) + ".0 AND " +
                                      QString::number(freqMax) + ".0");
    }
  }
  c.Letter(AreaInput::NS, in.NS, "N", "S", "ERROR: NORTH or SOUTH letter IS NOT CORRECT ", b.LatHemisphere);
  c.Integer(AreaInput::Latdeg, in.Latdeg, 0, kLatDegMax, "ERROR: LATITUDE DEGREES ARE NOT BETWEEN 0 AND 90",
            "ERROR: LATITUDE DEGREES ARE NOT CORRECT ", b.LatDeg);
  c.Real(AreaInput::Latmin, in.Latmin, 4, 0, kMinutesLimit, false, "ERROR: LATITUDE MINUTES INPUT IS TOO LONG ",
         "ERROR: LATITUDE MINUTES ARE NOT BETWEEN 0 AND 60 ", "ERROR: LATITUDE MINUTES ARE NOT CORRECT ", b.LatMin);
  c.Letter(AreaInput::EW, in.EW, "E", "W", "ERROR: EAST or WEST letter IS NOT CORRECT ", b.LonHemisphere);
  c.Integer(AreaInput::Longdeg, in.Longdeg, 0, kLonDegMax, "ERROR: LONGITUDE DEGREES ARE NOT BETWEEN 0 AND 180",
            "ERROR: LONGITUDE DEGREES ARE NOT CORRECT ", b.LonDeg);
  c.Real(AreaInput::Longmin, in.Longmin, 4, 0, kMinutesLimit, false, "ERROR: LONGITUDE MINUTES INPUT IS TOO LONG ",
         "ERROR: LONGITUDE MINUTES ARE NOT BETWEEN 0 AND 60 ", "ERROR: LONGITUDE MINUTES ARE NOT CORRECT ",
         b.LonMin);
  if (c.Clear()) {
    r.variationSet = true;
    b.Variation = 0;
  }
  if (c.Clear()) {
    r.nameChecked = true;
    r.nameText = AsciiUpper(in.Naam.trimmed());
    if (r.nameText.size() > 4) {
      c.Refuse(AreaInput::Naam, "ERROR: NAME IS TOO LONG ");
    } else if (!FitsLatin1(r.nameText)) {
      c.Refuse(AreaInput::Naam, "ERROR: NAME HAS A CHARACTER THAT CAN NOT BE SAVED ");
    } else {
      b.Name = r.nameText;
      if (b.Name.isEmpty()) c.Refuse(AreaInput::Naam, "ERROR: NAME IS NOT CORRECT ");
    }
  }
  if (c.Clear() && tab == kIlsTab) LeesILSparameters(b, in, r.messages);
  b.X = 0;
  b.Y = 0;
  r.added = r.messages.isEmpty();
  return r;
}

BeaconNumber CheckBeaconNumber(const AreaBeaconList& list, const QString& text, const QString& word) {
  BeaconNumber n;
  int number = 0;
  if (!TryParseInt(text, number)) {
    n.inputError = true;
    n.message = "ERROR: Beacon number is not correct! ";
  } else if (number < 1 || number > kAreaSlots) {
    n.inputError = true;
    n.message = "ERROR: Beacon number is not between 1 and " + QString::number(kAreaSlots) + "!";
  } else if (!list[number - 1].Used()) {
    n.message = "ERROR: Unable to " + word + "this Beacon. ";
  } else {
    n.index = number - 1;
  }
  return n;
}

QString RemoveQuestion(const QString& word, const AreaBeacon& b) { return word + "Beacon: " + b.Name + " ?"; }

AreaInputs InputsForEdit(const AreaBeacon& b, bool ils) {
  AreaInputs in;
  in.Naam = b.Name;
  in.Freq = b.Frequency;
  in.NS = b.LatHemisphere;
  in.EW = b.LonHemisphere;
  in.Latdeg = QString::number(b.LatDeg);
  in.Longdeg = QString::number(b.LonDeg);
  in.Latmin = FormatFixed(b.LatMin, 4, 1);
  in.Longmin = FormatFixed(b.LonMin, 4, 1);
  in.Vardeg = QString::number(b.Variation);
  in.VarEW = "W";
  if (ils) {
    in.course = QString::number(b.FinalCourse);
    in.Elev = QString::number(b.Elevation);
    if (b.LocatorDistance == 0) {
      in.lctrdist = "0";
    } else {
      in.lctrnaam = b.LocatorName;
      in.lctrfreq = b.LocatorFreq;
      in.lctrdist = FormatFixed(b.LocatorDistance, 4, 1);
    }
  }
  return in;
}

void RemoveSlot(AreaBeaconList& list, int index, bool ils) {
  for (int i = index; i < kAreaSlots - 1; ++i) {
    AreaBeacon& to = list[i];
    const AreaBeacon& from = list[i + 1];
    to.Name = from.Name;
    to.Frequency = from.Frequency;
    to.LatHemisphere = from.LatHemisphere;
    to.LatDeg = from.LatDeg;
    to.LatMin = from.LatMin;
    to.LonHemisphere = from.LonHemisphere;
    to.LonDeg = from.LonDeg;
    to.LonMin = from.LonMin;
    to.X = from.X;
    to.Y = from.Y;
    to.Variation = from.Variation;
    if (ils) {
      to.FinalCourse = from.FinalCourse;
      to.Elevation = from.Elevation;
      to.LocatorName = from.LocatorName;
      to.LocatorFreq = from.LocatorFreq;
      to.LocatorDistance = from.LocatorDistance;
    }
  }
  list[kAreaSlots - 1].Name.clear();
  list[kAreaSlots - 1].Frequency.clear();
}

QString DecimalText(double value) {
  if (value == 0) return "0";
  QString text = QString::number(value, 'g', 15);
  const int e = text.indexOf('e');
  if (e < 0) return text;
  // "1e-05" is written "1E-5", "1e+20" "1E20".
  QString exponent = text.mid(e + 1);
  const bool negative = exponent.startsWith('-');
  exponent.remove(0, exponent.startsWith('-') || exponent.startsWith('+') ? 1 : 0);
  while (exponent.size() > 1 && exponent.startsWith('0')) exponent.remove(0, 1);
  return text.left(e) + "E" + (negative ? "-" : "") + exponent;
}

namespace {

void PadTo(QString& line, int length) {
  while (line.size() < length) line += ' ';
}

QString TwoDigits(std::int32_t v) { return (v < 10 ? "0" : "") + QString::number(v); }

QString ThreeDigits(std::int32_t v) { return (v < 10 ? "00" : v < 100 ? "0" : "") + QString::number(v); }

QString Minutes(double m) { return (m < 10 ? "0" : "") + DecimalText(m); }

// Number, name, frequency, latitude and longitude of a used slot.
QString PositionColumns(const AreaBeacon& b, int number) {
  QString line = QString::number(number);
  PadTo(line, 3);
  line += b.Name;
  PadTo(line, 8);
  line += b.Frequency;
  PadTo(line, 16);
  line += b.LatHemisphere + TwoDigits(b.LatDeg);
  PadTo(line, 20);
  line += Minutes(b.LatMin);
  PadTo(line, 26);
  line += b.LonHemisphere + ThreeDigits(b.LonDeg);
  PadTo(line, 31);
  line += Minutes(b.LonMin);
  PadTo(line, 37);
  return line;
}

// Elevation, locator distance, name and frequency of an ILS line.
void IlsTailColumns(QString& line, const AreaBeacon& b) {
  line += QString::number(b.Elevation);
  PadTo(line, 52);
  line += DecimalText(b.LocatorDistance);
  PadTo(line, 58);
  line += b.LocatorName;
  PadTo(line, 64);
  line += b.LocatorFreq;
}

}  // namespace

QString AreaListLine(const AreaBeacon& b, int number, bool ils) {
  if (!b.Used()) return QString::number(number);
  QString line = PositionColumns(b, number) + "    ";
  if (!ils) return line;
  line += ThreeDigits(b.FinalCourse);
  while (line.size() < 46) line += "  ";
  IlsTailColumns(line, b);
  return line;
}

QStringList AreaListText(const AreaBeaconList& list, bool ils) {
  QStringList lines;
  for (int i = 0; i < kAreaSlots; ++i) lines << AreaListLine(list[i], i + 1, ils);
  return lines;
}

QString PrintListLine(const AreaBeacon& b, int number, bool ils) {
  QString line = PositionColumns(b, number);
  PadTo(line, 42);
  if (!ils) return line;
  line += ThreeDigits(b.FinalCourse);
  PadTo(line, 46);
  IlsTailColumns(line, b);
  return line;
}

QStringList PrintAreaText(const QString& caption, const AreaBeaconList& vor, const AreaBeaconList& ndb,
                          const AreaBeaconList& ils) {
  QStringList lines{caption};
  auto list = [&lines](const AreaBeaconList& l, bool isIls) {
    for (int i = 0; i < kAreaSlots; ++i)
      if (l[i].Used()) lines << PrintListLine(l[i], i + 1, isIls);
  };
  lines << "VOR     Freq    Latitude  Long. ";
  list(vor, false);
  lines << "" << "NDB     Freq    Latitude  Long. ";
  list(ndb, false);
  lines << "" << "ILS     Freq    Latitude  Long.           Crs Elev  Dist  Lctr  Freq";
  list(ils, true);
  return lines;
}

bool BeaconFromFileValid(const AreaBeacon& b, int tab) {
  const TabTexts t = TabParametersFor(tab);
  double f = 0;
  if (b.Name.isEmpty() || b.Name.size() > 4 || b.Frequency.size() > 6 || !TryParseReal(b.Frequency, f) ||
      !FrequencyInRange(f, t.freqMin, t.freqMax))
    return false;
  if ((b.LatHemisphere != "N" && b.LatHemisphere != "S") || (b.LonHemisphere != "E" && b.LonHemisphere != "W"))
    return false;
  if (!InRange(b.LatDeg, 0, kLatDegMax) || !MinutesInRange(b.LatMin) || !InRange(b.LonDeg, 0, kLonDegMax) ||
      !MinutesInRange(b.LonMin))
    return false;
  if (tab != kIlsTab) return true;
  return InRange(b.FinalCourse, 0, kCourseMax) && InRange(b.Elevation, kElevationMin, kElevationMax) &&
         b.LocatorDistance >= 0 && b.LocatorDistance <= kLocatorDistanceMax && b.LocatorName.size() <= 4 &&
         b.LocatorFreq.size() <= 6;
}

bool AreaFileValid(const AreaLists& lists) {
  const AreaBeacon& origin = lists.Vor[0];
  if (!InRange(origin.LatDeg, 0, kLatDegMax) || !MinutesInRange(origin.LatMin) ||
      !InRange(origin.LonDeg, 0, kLonDegMax) || !MinutesInRange(origin.LonMin))
    return false;
  const std::pair<const AreaBeaconList*, int> tabs[] = {{&lists.Vor, kVorTab}, {&lists.Ndb, kNdbTab},
                                                       {&lists.Ils, kIlsTab}};
  for (const auto& [list, tab] : tabs)
    for (const AreaBeacon& b : *list)
      if (b.Used() && !BeaconFromFileValid(b, tab)) return false;
  return true;
}

std::optional<AreaLists> ReadAreaFile(const QByteArray& bytes) {
  AreaLists read;
  if (bytes.size() != kAreaFileBytes || !DecodeAreaFile(bytes, read) || !AreaFileValid(read)) return std::nullopt;
  return read;
}

void FillDefaultVor(AreaBeacon& b) {
  b.Name = "VOR1";
  b.Frequency = "114.0";
  b.LatHemisphere = "N";
  b.LatDeg = 40;
  b.LatMin = 0.0;
  b.LonHemisphere = "W";
  b.LonDeg = 20;
  b.LonMin = 0.0;
  b.X = 0;
  b.Y = 0;
}

QStringList SimulatorBeaconNames(const AreaBeaconList& vor, const AreaBeaconList& ndb, const AreaBeaconList& ils) {
  QStringList names;
  for (const AreaBeacon& b : vor)
    if (b.Used()) names << b.Name;
  for (const AreaBeacon& b : ndb)
    if (b.Used()) names << b.Name;
  // An emptied runway slot keeps its old locator fields; it offers nothing.
  for (const AreaBeacon& b : ils) {
    if (!b.Used()) continue;
    names << b.Name;
    if (!b.LocatorName.isEmpty() && b.LocatorDistance > 0) names << b.LocatorName;
  }
  return names;
}

}  // namespace tvx
