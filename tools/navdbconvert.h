#pragma once
// SPDX-License-Identifier: GPL-3.0-or-later
// Pure helpers of the navigation-database converter (navdbconvert.cpp):
// CSV fields, texts and numbers of the public sources turned into the values
// the database records hold. Header-only so that the unit tests can reach
// them without linking the tool.
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <cmath>
#include <cstdint>
#include <optional>

namespace tvx::navdbconvert {

// The records of an RFC-4180 CSV text: fields separated by commas, quoted
// fields may hold commas, doubled quotes and line breaks. Both LF and CRLF
// end a record; a last record without a line end counts too.
inline QList<QStringList> ParseCsv(const QString& text) {
  QList<QStringList> rows;
  QStringList row;
  QString field;
  bool quoted = false;
  bool any = false;  // something of the current record was read
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (quoted) {
      if (c == '"') {
        if (i + 1 < text.size() && text[i + 1] == '"') {
          field += '"';
          ++i;
        } else {
          quoted = false;
        }
      } else {
        field += c;
      }
      continue;
    }
    if (c == '"') {
      quoted = true;
      any = true;
    } else if (c == ',') {
      row << field;
      field.clear();
      any = true;
    } else if (c == '\n' || c == '\r') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      if (any || !field.isEmpty()) {
        row << field;
        rows << row;
      }
      row.clear();
      field.clear();
      any = false;
    } else {
      field += c;
      any = true;
    }
  }
  if (any || !field.isEmpty()) {
    row << field;
    rows << row;
  }
  return rows;
}

// A signed decimal angle split the way the records hold it.
struct SplitAngle {
  QString Hemisphere;
  std::int32_t Degrees = 0;
  double Minutes = 0;
};

// Latitude: "N" for 0 and north, "S" south. Longitude: "E" for 0 and east, "W" west.
inline SplitAngle SplitDegrees(double value, bool latitude) {
  SplitAngle a;
  a.Hemisphere = value >= 0 ? (latitude ? "N" : "E") : (latitude ? "S" : "W");
  // Minutes to 0.1 (about 185 m), as the area editor types and shows them:
  // a beacon of the database taken into the editor comes back where it was,
  // and its minutes fit their column in the list. Whole tenths of a minute,
  // so that 59.95 and above carry into the next degree.
  const long long tenths = std::llround(std::fabs(value) * 600.0);
  a.Degrees = static_cast<std::int32_t>(tenths / 600);
  a.Minutes = static_cast<double>(tenths % 600) / 10.0;
  return a;
}

// A frequency given in hundredths of its unit ("11055" = 110.55 MHz) as the
// program types it: at least one decimal, a second only when it is not 0
// ("110.55", "109.5", "108.0").
inline QString FrequencyFromHundredths(long long hundredths) {
  const long long whole = hundredths / 100;
  const long long tenths = (hundredths / 10) % 10;
  const long long rest = hundredths % 10;
  QString text = QString::number(whole) + "." + QString::number(tenths);
  if (rest != 0) text += QString::number(rest);
  return text;
}

// A localiser frequency, in hundredths of a MHz, the area editor takes for
// an ILS: 108.00 up to, not including, 112.00 MHz (the band's 108.10 to
// 111.95; the source holds a few entry errors above it).
inline bool IlsBandFrequency(long long hundredths) { return hundredths >= 10800 && hundredths < 11200; }

// A VOR frequency given in kHz ("115900") in MHz ("115.9"); kHz below 10 Hz
// resolution do not occur in the sources.
inline QString VorFrequencyFromKhz(long long khz) { return FrequencyFromHundredths(khz / 10); }

// An NDB frequency in whole kHz, with ".5" kept for half-kHz stations.
inline QString NdbFrequencyFromKhz(double khz) {
  const double halves = std::round(khz * 2.0);
  const long long whole = static_cast<long long>(halves) / 2;
  return static_cast<long long>(halves) % 2 != 0 ? QString::number(whole) + ".5" : QString::number(whole);
}

// A name as the database keeps it: ASCII upper case (accents dropped, other
// scripts left out), single blanks, at most `capacity` characters. The
// searches compare upper-case text against the stored names.
inline QString UpperAscii(const QString& text) {
  QString spelled;
  for (const QChar c : text) {
    switch (c.unicode()) {
      case 0x00DF: spelled += "SS"; break;                  // sharp s
      case 0x00C6: case 0x00E6: spelled += "AE"; break;     // ae
      case 0x0152: case 0x0153: spelled += "OE"; break;     // oe
      case 0x00D8: case 0x00F8: spelled += "O"; break;      // slashed o
      case 0x0141: case 0x0142: spelled += "L"; break;      // barred l
      case 0x0110: case 0x0111: spelled += "D"; break;      // barred d
      default: spelled += c;
    }
  }
  const QString decomposed = spelled.normalized(QString::NormalizationForm_KD);
  QString out;
  for (const QChar c : decomposed) {
    const char16_t u = c.unicode();
    if (u < 0x20 || u > 0x7E) continue;
    out += (u >= 'a' && u <= 'z') ? QChar(u - 'a' + 'A') : c;
  }
  return out.simplified();
}

// An airport name cut to `capacity` characters. Only a name that is too long
// is shortened first: the usual long words abbreviated, then "AIRPORT" and a
// part in brackets left out.
inline QString ShortAirportName(const QString& name, int capacity) {
  QString text = UpperAscii(name);
  if (text.size() > capacity) {
    static const std::pair<const char*, const char*> kShort[] = {
        {"INTERNATIONAL", "INTL"}, {"REGIONAL", "RGNL"}, {"MUNICIPAL", "MUNI"},
        {"AIR FORCE BASE", "AFB"}, {"AIR BASE", "AB"},   {"COUNTY", "CO"}};
    for (const auto& [word, abbreviation] : kShort)
      text.replace(QRegularExpression(QString("\\b%1\\b").arg(word)), abbreviation);
    if (text.size() > capacity) text = text.remove(QRegularExpression("\\bAIRPORT\\b")).simplified();
    if (text.size() > capacity) text = text.remove(QRegularExpression("\\([^)]*\\)")).simplified();
  }
  return text.left(capacity).trimmed();
}

// A true course turned magnetic with a variation given East positive,
// rounded to whole degrees in 1..360.
inline std::int32_t MagneticCourse(double trueCourse, double variationEast) {
  long long course = std::llround(trueCourse - variationEast) % 360;
  if (course <= 0) course += 360;
  return static_cast<std::int32_t>(course);
}

// A variation given East positive as the records hold it: whole degrees, West positive.
inline std::int32_t WestPositiveVariation(double variationEast) {
  const long long v = std::llround(-variationEast);
  return static_cast<std::int32_t>(v == 0 ? 0 : v);
}

// Local flat geometry around a reference latitude, in NM east and north.
struct LocalPoint {
  double East = 0;
  double North = 0;
};
inline LocalPoint ToLocal(double lat, double lon, double refLat, double refLon) {
  return {(lon - refLon) * 60.0 * std::cos(refLat * M_PI / 180.0), (lat - refLat) * 60.0};
}
inline double DistanceNm(double lat1, double lon1, double lat2, double lon2) {
  const LocalPoint p = ToLocal(lat2, lon2, lat1, lon1);
  return std::hypot(p.East, p.North);
}

// The point of a localiser's centre line abeam `point`: the line runs through
// the localiser antenna along the (true) course. Returned as lat/lon degrees.
inline std::pair<double, double> AbeamOnCentreLine(double locLat, double locLon, double trueCourse, double lat,
                                                   double lon) {
  const LocalPoint p = ToLocal(lat, lon, locLat, locLon);
  const double ux = std::sin(trueCourse * M_PI / 180.0);
  const double uy = std::cos(trueCourse * M_PI / 180.0);
  const double along = p.East * ux + p.North * uy;
  const double east = along * ux;
  const double north = along * uy;
  return {locLat + north / 60.0, locLon + east / (60.0 * std::cos(locLat * M_PI / 180.0))};
}

}  // namespace tvx::navdbconvert
