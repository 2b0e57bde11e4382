#pragma once
// The two files of the start panel: the start-position file, one 440-byte
// record of the panel's edits, the radios, the levers and switches, the type,
// the configuration and the minimums; and the airplane file, the five labels
// of the flap lever as lines of text. Pure codecs, checked without a window.
#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace tvx {

// The start-position file holds exactly one record of this size.
constexpr int kStartPositionBytes = 440;

struct StartPosition {
  std::int32_t Heading = 0;         // deg
  std::int32_t Altitude = 0;        // ft
  QString Beacon;                   // start beacon, up to 4 characters
  std::int32_t Radial = 0;          // from the beacon, deg
  double Dme = 0;                   // NM
  std::int32_t WindDirection = 0;   // deg
  std::int32_t WindSpeed = 0;       // kt
  QString Vor1Active, Vor1Standby, Vor2Active, Vor2Standby, AdfActive, AdfStandby;
  std::int32_t Obs1Course = 0, Obs2Course = 0;
  std::int32_t Rpm = 0;
  bool HsiShown = true;
  std::int32_t AdfRmiMode = 0;      // 0 ADF, 1 ADF - RMI, 2 VOR - RMI
  std::int32_t FlapPosition = 0;    // lever position, 0 at the top
  std::int32_t GearPosition = 0;    // 0 up, 1 down
  QString LandingLight, CarbHeat, FuelPump;  // "ON" / "OFF"
  double Attitude = 0;
  QString AircraftType;
  QString ConfigName;               // see ConfigNameOfIndex
  QString AreaName;                 // written for the reader's information only
  std::int32_t Minimums = 0;        // ft

  bool operator==(const StartPosition&) const = default;
};

// The record's bytes: little-endian, short strings with zeros after the
// text, zero padding. Texts longer than their field are cut to it.
QByteArray EncodeStartPosition(const StartPosition& p);

// The record read back; nothing when the bytes are not one whole record
// (another size), a real field is not a finite number, or the ADF/RMI mode is
// none of the three, so that a wrong or damaged file changes nothing.
std::optional<StartPosition> DecodeStartPosition(const QByteArray& bytes);

// Every number of the record within what the start panel and the levers can
// hold when it is saved: heading, radial, wind direction and both courses
// 0..360, altitude from the lowest airport elevation an area holds to
// 41000 ft, DME 0..200 NM, wind 0..60 kt, RPM 0..2700,
// flap lever 0..4, gear 0..1, attitude -90..90, minimums -99999..99999 ft.
// A record outside it is refused whole, so that no value of it can overflow
// an instrument or run the flight model away.
bool StartPositionInRange(const StartPosition& p);

// The name a configuration list index is stored under: for "SEP" the piston
// names, for every other type (the glass piston too) the jet names of the same
// index. Empty for an index that is no item.
QString ConfigNameOfIndex(const QString& type, int index);

// The list index of a stored configuration name, for the type in force after
// loading; a name that is not known gives the list's middle choice
// ("cruise" for "SEP", "VMD" for the others).
int ConfigIndexOfName(const QString& type, const QString& name);

// The type selector's item of a stored type: 0 "SEP", 1 "SEP EFIS", 2 "737";
// any other text 3, which the type change reads as "320".
int TypegroupIndexOfType(const QString& type);

// The airplane file: five labels, flap lever positions 0 to 4.
constexpr int kFlapLabelCount = 5;
using FlapLabels = std::array<QString, kFlapLabelCount>;

// An airplane file is a few short lines; anything larger is no airplane file.
constexpr qint64 kFlapLabelFileMaxBytes = 4096;
// The longest label the edits take and the file keeps: five of them always
// fit an airplane file.
constexpr int kFlapLabelMaxLength = 20;
static_assert(kFlapLabelCount * (kFlapLabelMaxLength + 2) <= kFlapLabelFileMaxBytes);

// Five lines, each ending in CR LF, each label cut to kFlapLabelMaxLength. A
// line break inside a label would shift every label after it, and a NUL would
// make the file unreadable, so both are written as blanks.
QByteArray EncodeFlapLabels(const FlapLabels& labels);

// The first five lines (CR LF, LF or CR ends), each cut to
// kFlapLabelMaxLength as the writer cuts it; nothing when the file holds
// fewer than five lines, is larger than an airplane file, or holds NUL bytes.
std::optional<FlapLabels> DecodeFlapLabels(const QByteArray& bytes);

}  // namespace tvx
