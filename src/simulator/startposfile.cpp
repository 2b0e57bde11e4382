#include "simulator/startposfile.h"

#include <QStringList>
#include <cmath>

#include "areas/areaedit.h"
#include "platform/record.h"

namespace tvx {

namespace {

// Field offsets of the record; the gaps are zero padding.
namespace off {
constexpr int Heading = 0;
constexpr int Altitude = 4;
constexpr int Beacon = 8;          // string[4]
constexpr int Radial = 16;
constexpr int Dme = 24;
constexpr int WindDirection = 32;
constexpr int WindSpeed = 36;
constexpr int Vor1Active = 40;     // six string[6] fields, 7 bytes apart
constexpr int Vor1Standby = 47;
constexpr int Vor2Active = 54;
constexpr int Vor2Standby = 61;
constexpr int AdfActive = 68;
constexpr int AdfStandby = 75;
constexpr int Obs1Course = 84;
constexpr int Obs2Course = 88;
constexpr int Rpm = 92;
constexpr int HsiShown = 96;
constexpr int AdfRmiMode = 100;
constexpr int FlapPosition = 104;
constexpr int GearPosition = 108;
constexpr int LandingLight = 112;  // three string[3] fields
constexpr int CarbHeat = 116;
constexpr int FuelPump = 120;
constexpr int Attitude = 128;
constexpr int AircraftType = 136;  // string[20]
constexpr int ConfigName = 157;    // string[10]
constexpr int AreaName = 168;      // string[10]
constexpr int Reserved = 179;      // string[252], written empty
constexpr int Minimums = 432;
}  // namespace off

constexpr int kBeaconCapacity = 4;
constexpr int kFrequencyCapacity = 6;
constexpr int kSwitchCapacity = 3;
constexpr int kTypeCapacity = 20;
constexpr int kConfigCapacity = 10;
constexpr int kAreaCapacity = 10;
constexpr int kReservedCapacity = 252;
constexpr int kAdfRmiModes = 3;

const QStringList& PistonConfigNames() {
  static const QStringList names{"cruise", "slowcruise", "landing"};
  return names;
}

const QStringList& JetConfigNames() {
  static const QStringList names{"fastcruise", "250", "VMD", "F1", "F5", "F15", "F40", "TO"};
  return names;
}

const QStringList& ConfigNamesOf(const QString& type) {
  return type == "SEP" ? PistonConfigNames() : JetConfigNames();
}

}  // namespace

QByteArray EncodeStartPosition(const StartPosition& p) {
  RecordWriter w(kStartPositionBytes);
  w.PutInt32(off::Heading, p.Heading);
  w.PutInt32(off::Altitude, p.Altitude);
  w.PutShortString(off::Beacon, kBeaconCapacity, p.Beacon);
  w.PutInt32(off::Radial, p.Radial);
  w.PutDouble(off::Dme, p.Dme);
  w.PutInt32(off::WindDirection, p.WindDirection);
  w.PutInt32(off::WindSpeed, p.WindSpeed);
  w.PutShortString(off::Vor1Active, kFrequencyCapacity, p.Vor1Active);
  w.PutShortString(off::Vor1Standby, kFrequencyCapacity, p.Vor1Standby);
  w.PutShortString(off::Vor2Active, kFrequencyCapacity, p.Vor2Active);
  w.PutShortString(off::Vor2Standby, kFrequencyCapacity, p.Vor2Standby);
  w.PutShortString(off::AdfActive, kFrequencyCapacity, p.AdfActive);
  w.PutShortString(off::AdfStandby, kFrequencyCapacity, p.AdfStandby);
  w.PutInt32(off::Obs1Course, p.Obs1Course);
  w.PutInt32(off::Obs2Course, p.Obs2Course);
  w.PutInt32(off::Rpm, p.Rpm);
  w.PutByte(off::HsiShown, p.HsiShown ? 1 : 0);
  w.PutInt32(off::AdfRmiMode, p.AdfRmiMode);
  w.PutInt32(off::FlapPosition, p.FlapPosition);
  w.PutInt32(off::GearPosition, p.GearPosition);
  w.PutShortString(off::LandingLight, kSwitchCapacity, p.LandingLight);
  w.PutShortString(off::CarbHeat, kSwitchCapacity, p.CarbHeat);
  w.PutShortString(off::FuelPump, kSwitchCapacity, p.FuelPump);
  w.PutDouble(off::Attitude, p.Attitude);
  w.PutShortString(off::AircraftType, kTypeCapacity, p.AircraftType);
  w.PutShortString(off::ConfigName, kConfigCapacity, p.ConfigName);
  w.PutShortString(off::AreaName, kAreaCapacity, p.AreaName);
  w.PutShortString(off::Reserved, kReservedCapacity, QString());
  w.PutInt32(off::Minimums, p.Minimums);
  return w.Bytes();
}

std::optional<StartPosition> DecodeStartPosition(const QByteArray& bytes) {
  if (bytes.size() != kStartPositionBytes) return std::nullopt;
  const RecordReader r(bytes);
  StartPosition p;
  p.Heading = r.Int32(off::Heading);
  p.Altitude = r.Int32(off::Altitude);
  p.Beacon = r.ShortString(off::Beacon, kBeaconCapacity);
  p.Radial = r.Int32(off::Radial);
  p.Dme = r.Double(off::Dme);
  p.WindDirection = r.Int32(off::WindDirection);
  p.WindSpeed = r.Int32(off::WindSpeed);
  p.Vor1Active = r.ShortString(off::Vor1Active, kFrequencyCapacity);
  p.Vor1Standby = r.ShortString(off::Vor1Standby, kFrequencyCapacity);
  p.Vor2Active = r.ShortString(off::Vor2Active, kFrequencyCapacity);
  p.Vor2Standby = r.ShortString(off::Vor2Standby, kFrequencyCapacity);
  p.AdfActive = r.ShortString(off::AdfActive, kFrequencyCapacity);
  p.AdfStandby = r.ShortString(off::AdfStandby, kFrequencyCapacity);
  p.Obs1Course = r.Int32(off::Obs1Course);
  p.Obs2Course = r.Int32(off::Obs2Course);
  p.Rpm = r.Int32(off::Rpm);
  p.HsiShown = r.Byte(off::HsiShown) != 0;
  p.AdfRmiMode = r.Int32(off::AdfRmiMode);
  p.FlapPosition = r.Int32(off::FlapPosition);
  p.GearPosition = r.Int32(off::GearPosition);
  p.LandingLight = r.ShortString(off::LandingLight, kSwitchCapacity);
  p.CarbHeat = r.ShortString(off::CarbHeat, kSwitchCapacity);
  p.FuelPump = r.ShortString(off::FuelPump, kSwitchCapacity);
  p.Attitude = r.Double(off::Attitude);
  p.AircraftType = r.ShortString(off::AircraftType, kTypeCapacity);
  p.ConfigName = r.ShortString(off::ConfigName, kConfigCapacity);
  p.AreaName = r.ShortString(off::AreaName, kAreaCapacity);
  p.Minimums = r.Int32(off::Minimums);
  // A distance or attitude that is no number would become the panel's text
  // and the aircraft's state; an unknown instrument mode has no face to draw.
  if (!std::isfinite(p.Dme) || !std::isfinite(p.Attitude)) return std::nullopt;
  if (p.AdfRmiMode < 0 || p.AdfRmiMode >= kAdfRmiModes) return std::nullopt;
  return p;
}

bool StartPositionInRange(const StartPosition& p) {
  auto within = [](double v, double low, double high) { return v >= low && v <= high; };
  return within(p.Heading, 0, 360) && within(p.Altitude, kElevationMin, 41000) && within(p.Radial, 0, 360) &&
         within(p.Dme, 0, 200) && within(p.WindDirection, 0, 360) && within(p.WindSpeed, 0, 60) &&
         within(p.Obs1Course, 0, 360) && within(p.Obs2Course, 0, 360) && within(p.Rpm, 0, 2700) &&
         within(p.FlapPosition, 0, 4) && within(p.GearPosition, 0, 1) && within(p.Attitude, -90, 90) &&
         within(p.Minimums, -99999, 99999) && p.AdfRmiMode >= 0 && p.AdfRmiMode < kAdfRmiModes;
}

QString ConfigNameOfIndex(const QString& type, int index) {
  const QStringList& names = ConfigNamesOf(type);
  return index >= 0 && index < names.size() ? names[index] : QString();
}

int ConfigIndexOfName(const QString& type, const QString& name) {
  const QStringList& names = ConfigNamesOf(type);
  const int index = static_cast<int>(names.indexOf(name));
  if (index >= 0) return index;
  return type == "SEP" ? 0 : 2;
}

int TypegroupIndexOfType(const QString& type) {
  if (type == "SEP") return 0;
  if (type == "SEP EFIS") return 1;
  if (type == "737") return 2;
  return 3;
}

QByteArray EncodeFlapLabels(const FlapLabels& labels) {
  QByteArray out;
  for (QString label : labels) {
    label.truncate(kFlapLabelMaxLength);
    label.replace('\r', ' ');
    label.replace('\n', ' ');
    label.replace(QChar(0), ' ');
    out += label.toLatin1();
    out += "\r\n";
  }
  return out;
}

std::optional<FlapLabels> DecodeFlapLabels(const QByteArray& bytes) {
  if (bytes.size() > kFlapLabelFileMaxBytes || bytes.contains('\0')) return std::nullopt;
  QString text = QString::fromLatin1(bytes);
  text.replace("\r\n", "\n");
  text.replace('\r', '\n');
  QStringList lines = text.split('\n');
  // The break after the last line ends that line; it starts none.
  if (text.endsWith('\n')) lines.removeLast();
  if (lines.size() < kFlapLabelCount) return std::nullopt;
  FlapLabels labels;
  // The edits and the writer keep kFlapLabelMaxLength characters; the reader
  // keeps no more, so a label loaded, saved and loaded again stays the same.
  for (int i = 0; i < kFlapLabelCount; ++i) labels[static_cast<std::size_t>(i)] = lines[i].left(kFlapLabelMaxLength);
  return labels;
}

}  // namespace tvx
