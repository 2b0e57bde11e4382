// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the navigation database "ARPT.dat", "NAV.dat" and "ILS.dat" from
// public data sets. Rerunnable; the output depends only on the input files.
//
//   navdbconvert <source folder> <output folder>
//   (source folder: tools/navdata, with airportsdata/, ourairports/ and
//    xplane810/; output folder: data/Navdata)
//
// Every file holds exactly its table's number of records; slots after the
// last converted record hold the table's defaults. Names are ASCII upper case
// (the searches compare upper-case text); codes are padded with blanks to
// their field (ICAO 4, navaid ident 3, locator name 4) as the searches and
// the locator test of the area builder expect.
//
// ARPT.dat (airportsdata/airports.csv, MIT):
//   rows with an all-letter 4-character icao that have an iata code, an ILS
//   in nav.dat, or an open hard runway of 4000 ft or more (runways.csv);
//   sorted by icao.
//   Ident = country + icao ("NLEHAM"); Name = name, long words shortened when
//   it exceeds 25; Icao = icao; latitude/longitude = lat/lon split into
//   hemisphere, whole degrees and minutes; Elevation = elevation rounded.
// NAV.dat (ourairports/navaids.csv, public domain):
//   Type = "1" VOR, "2" VORTAC, "3" TACAN, "4" VOR-DME, "5" NDB, "7" NDB-DME,
//   "9" DME (only 1, 2, 4 and 5, 7 are used as VOR and NDB);
//   dropped: idents longer than 3, frequency <= 0, VOR family outside
//   108.00-117.95 MHz, NDB family outside 190-1750 kHz;
//   Ident = ident; Country = iso_country; Name = name;
//   Frequency = frequency_khz as MHz ("115.9") for VOR, TACAN and DME, as kHz
//   ("373") for NDB; position = latitude_deg/longitude_deg;
//   Variation = magnetic_variation_deg rounded, sign turned to West positive;
//   sorted by ident, country, name.
// ILS.dat (xplane810/nav.dat.gz, GPL-2.0-or-later; OurAirports for runway
//   ends and variation), one record per localiser row (types 4 and 5) in
//   file order, those on 108.00-111.95 MHz:
//   AirportIdent = the airport's Ident as in ARPT.dat (country from
//   airports.csv, else from the nearest navaid) ; Runway = runway;
//   Frequency = freq / 100 MHz ("110.55");
//   position = the runway point: the localiser centre line abeam the
//   glideslope antenna (type 6 of the same runway); without a glideslope the
//   OurAirports runway end; else the localiser antenna;
//   Variation = magnetic_variation_deg of the nearest OurAirports navaid,
//   West positive; Course = the localiser's true course less that variation
//   (East positive), whole degrees 1..360;
//   Elevation = the OurAirports runway-end elevation, else the glideslope's,
//   else the localiser's;
//   locator: the NDB nearest to the outer marker (type 7 of the same runway)
//   within 0.5 NM, from NAV.dat's NDBs, else from nav.dat's type 2 rows:
//   LocatorName = its ident padded to 3 plus one blank ("ABC ", "AB  "),
//   LocatorFreq = its kHz; an outer marker without such an NDB gives
//   LocatorName "OM  " and no frequency; LocatorDistance = the marker's
//   distance from the runway point in NM (markers beyond 15 NM are ignored);
//   no marker: LocatorName four blanks, no frequency, distance 0.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QSaveFile>
#include <QSet>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <tuple>
#include <zlib.h>

#include "navdbconvert.h"
#include "areas/navdatabase.h"

using namespace tvx;
using namespace tvx::navdbconvert;

namespace {

[[noreturn]] void Fail(const QString& text) {
  std::fprintf(stderr, "navdbconvert: %s\n", qPrintable(text));
  std::exit(1);
}

QString ReadText(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) Fail("cannot read " + path);
  return QString::fromUtf8(f.readAll());
}

QByteArray ReadGzip(const QString& path) {
  gzFile gz = gzopen(QFile::encodeName(path).constData(), "rb");
  if (!gz) Fail("cannot read " + path);
  QByteArray out;
  char buffer[1 << 16];
  int n = 0;
  while ((n = gzread(gz, buffer, sizeof buffer)) > 0) out.append(buffer, n);
  const bool failed = n < 0;
  gzclose(gz);
  if (failed) Fail("cannot unpack " + path);
  return out;
}

void Write(const QString& path, const QByteArray& bytes) {
  QSaveFile out(path);
  if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) Fail("cannot write " + path);
}

// The columns of a CSV's header row by name.
struct Csv {
  QList<QStringList> rows;
  QHash<QString, int> column;
  QString Get(const QStringList& row, const QString& name) const {
    const int i = column.value(name, -1);
    if (i < 0) Fail("missing column " + name);
    return i < row.size() ? row[i] : QString();
  }
};

Csv ReadCsv(const QString& path) {
  Csv csv;
  csv.rows = ParseCsv(ReadText(path));
  if (csv.rows.isEmpty()) Fail("empty " + path);
  const QStringList header = csv.rows.takeFirst();
  for (int i = 0; i < header.size(); ++i) csv.column.insert(header[i], i);
  return csv;
}

bool AllLetters(const QString& s) {
  return std::all_of(s.begin(), s.end(), [](QChar c) { return c >= 'A' && c <= 'Z'; });
}

void PlaceLat(double lat, QString& hemisphere, std::int32_t& deg, double& min) {
  const SplitAngle a = SplitDegrees(lat, true);
  hemisphere = a.Hemisphere, deg = a.Degrees, min = a.Minutes;
}
void PlaceLon(double lon, QString& hemisphere, std::int32_t& deg, double& min) {
  const SplitAngle a = SplitDegrees(lon, false);
  hemisphere = a.Hemisphere, deg = a.Degrees, min = a.Minutes;
}

// ---- nav.dat ----

struct NavDatRow {
  int type = 0;
  double lat = 0, lon = 0, x = 0;
  int elevation = 0;
  long long freq = 0;
  QString ident, airport, runway;
};

QList<NavDatRow> ReadNavDat(const QString& path) {
  const QString text = QString::fromLatin1(ReadGzip(path));
  QList<NavDatRow> rows;
  for (const QString& line : text.split('\n')) {
    const QStringList f = line.simplified().split(' ', Qt::SkipEmptyParts);
    if (f.size() < 8) continue;
    bool ok = false;
    NavDatRow r;
    r.type = f[0].toInt(&ok);
    if (!ok) continue;
    bool okLat = false, okLon = false, okFreq = false, okX = false;
    r.lat = f[1].toDouble(&okLat);
    r.lon = f[2].toDouble(&okLon);
    r.elevation = f[3].toInt();
    r.freq = f[4].toLongLong(&okFreq);
    r.x = f[6].toDouble(&okX);
    if (!okLat || !okLon || !okFreq || !okX) continue;
    r.ident = f[7];
    if (r.type >= 4 && r.type <= 9) {
      if (f.size() < 10) continue;  // a runway row without its airport and runway
      r.airport = f[8];
      r.runway = f[9];
    }
    rows << r;
  }
  return rows;
}

QString RunwayKey(const QString& airport, const QString& runway) { return airport + "/" + runway; }

// ---- OurAirports ----

struct Navaid {
  NavaidRecord record;
  double lat = 0, lon = 0;
  bool hasVariation = false;
  double variationEast = 0;
  QString country;
};

QString TypeCode(const QString& type) {
  static const QHash<QString, QString> codes{{"VOR", "1"}, {"VORTAC", "2"}, {"TACAN", "3"}, {"VOR-DME", "4"},
                                             {"NDB", "5"}, {"NDB-DME", "7"}, {"DME", "9"}};
  return codes.value(type);
}

QList<Navaid> ReadNavaids(const QString& path, QList<Navaid>& allWithVariation) {
  const Csv csv = ReadCsv(path);
  QList<Navaid> kept;
  for (const QStringList& row : csv.rows) {
    Navaid n;
    n.lat = csv.Get(row, "latitude_deg").toDouble();
    n.lon = csv.Get(row, "longitude_deg").toDouble();
    n.country = csv.Get(row, "iso_country");
    const QString variation = csv.Get(row, "magnetic_variation_deg");
    n.hasVariation = !variation.isEmpty();
    n.variationEast = variation.toDouble();
    if (n.hasVariation) allWithVariation << n;

    const QString type = TypeCode(csv.Get(row, "type"));
    const QString ident = csv.Get(row, "ident").trimmed().toUpper();
    const double khz = csv.Get(row, "frequency_khz").toDouble();
    if (type.isEmpty() || ident.isEmpty() || ident.size() > 3 || !(khz > 0)) continue;
    const bool ndb = type == "5" || type == "7";
    const bool vor = type == "1" || type == "2" || type == "4";
    if (vor && (khz < 108000 || khz > 117950)) continue;
    if (ndb && (khz < 190 || khz > 1750)) continue;
    NavaidRecord& r = n.record;
    r.Ident = ident.leftJustified(3, ' ');
    r.Type = type;
    r.Country = n.country.left(2);
    r.Name = UpperAscii(csv.Get(row, "name")).left(25).trimmed();
    r.Frequency = ndb ? NdbFrequencyFromKhz(khz) : VorFrequencyFromKhz(std::llround(khz));
    PlaceLat(n.lat, r.LatHemisphere, r.LatDeg, r.LatMin);
    PlaceLon(n.lon, r.LonHemisphere, r.LonDeg, r.LonMin);
    r.Variation = WestPositiveVariation(n.variationEast);
    kept << n;
  }
  std::stable_sort(kept.begin(), kept.end(), [](const Navaid& a, const Navaid& b) {
    return std::tie(a.record.Ident, a.record.Country, a.record.Name) <
           std::tie(b.record.Ident, b.record.Country, b.record.Name);
  });
  return kept;
}

struct RunwayEnd {
  double lat = 0, lon = 0;
  bool hasPosition = false;
  bool hasElevation = false;
  int elevation = 0;
};

// Runway ends by airport and runway ident; airports with an open hard runway
// of 4000 ft or more.
void ReadRunways(const QString& path, QHash<QString, RunwayEnd>& ends, QSet<QString>& longHardRunway) {
  const Csv csv = ReadCsv(path);
  for (const QStringList& row : csv.rows) {
    const QString airport = csv.Get(row, "airport_ident");
    const QString surface = csv.Get(row, "surface").toUpper();
    const bool hard = surface.startsWith("ASP") || surface.startsWith("CON") || surface.startsWith("PEM") ||
                      surface.startsWith("BIT") || surface.startsWith("TAR") || surface.startsWith("PAV");
    if (hard && csv.Get(row, "closed") != "1" && csv.Get(row, "length_ft").toInt() >= 4000) longHardRunway << airport;
    for (const char* end : {"le_", "he_"}) {
      const QString p = end;
      const QString ident = csv.Get(row, p + "ident");
      if (ident.isEmpty()) continue;
      RunwayEnd e;
      const QString lat = csv.Get(row, p + "latitude_deg"), lon = csv.Get(row, p + "longitude_deg");
      const QString elevation = csv.Get(row, p + "elevation_ft");
      e.hasPosition = !lat.isEmpty() && !lon.isEmpty();
      e.lat = lat.toDouble();
      e.lon = lon.toDouble();
      e.hasElevation = !elevation.isEmpty();
      e.elevation = static_cast<int>(std::lround(elevation.toDouble()));
      ends.insert(RunwayKey(airport, ident), e);
    }
  }
}

template <typename T, typename Pos>
const T* Nearest(const QList<T>& items, double lat, double lon, double withinNm, Pos pos) {
  const T* best = nullptr;
  double bestDistance = withinNm;
  for (const T& item : items) {
    const auto [ilat, ilon] = pos(item);
    if (std::fabs(ilat - lat) * 60.0 > bestDistance) continue;
    const double d = DistanceNm(lat, lon, ilat, ilon);
    if (d < bestDistance) bestDistance = d, best = &item;
  }
  return best;
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  if (argc != 3) Fail("usage: navdbconvert <source folder> <output folder>");
  const QDir source(QString::fromLocal8Bit(argv[1]));
  const QDir output(QString::fromLocal8Bit(argv[2]));
  if (!QDir().mkpath(output.path())) Fail("cannot create " + output.path());

  const QList<NavDatRow> navDat = ReadNavDat(source.filePath("xplane810/nav.dat.gz"));
  QList<Navaid> variations;
  const QList<Navaid> navaids = ReadNavaids(source.filePath("ourairports/navaids.csv"), variations);
  QHash<QString, RunwayEnd> runwayEnds;
  QSet<QString> longHardRunway;
  ReadRunways(source.filePath("ourairports/runways.csv"), runwayEnds, longHardRunway);

  QSet<QString> ilsAirports;
  QHash<QString, NavDatRow> glideslopes, outerMarkers;
  QList<NavDatRow> localisers, navDatNdbs;
  for (const NavDatRow& r : navDat) {
    if ((r.type == 4 || r.type == 5) && IlsBandFrequency(r.freq)) localisers << r, ilsAirports << r.airport;
    if (r.type == 6) glideslopes.insert(RunwayKey(r.airport, r.runway), r);
    if (r.type == 7) outerMarkers.insert(RunwayKey(r.airport, r.runway), r);
    if (r.type == 2) navDatNdbs << r;
  }

  // ---- Airports ----
  const Csv airportsCsv = ReadCsv(source.filePath("airportsdata/airports.csv"));
  QHash<QString, QString> countryOfIcao;
  std::vector<AirportRecord> airports;
  for (const QStringList& row : airportsCsv.rows) {
    const QString icao = airportsCsv.Get(row, "icao");
    const QString country = airportsCsv.Get(row, "country").left(2).leftJustified(2, ' ');
    if (icao.size() != 4 || !AllLetters(icao)) continue;
    countryOfIcao.insert(icao, country);
    if (airportsCsv.Get(row, "iata").isEmpty() && !ilsAirports.contains(icao) && !longHardRunway.contains(icao))
      continue;
    AirportRecord a;
    a.Ident = country + icao;
    a.Name = ShortAirportName(airportsCsv.Get(row, "name"), 25);
    a.Icao = icao;
    PlaceLat(airportsCsv.Get(row, "lat").toDouble(), a.LatHemisphere, a.LatDeg, a.LatMin);
    PlaceLon(airportsCsv.Get(row, "lon").toDouble(), a.LonHemisphere, a.LonDeg, a.LonMin);
    a.Elevation = static_cast<std::int32_t>(std::lround(airportsCsv.Get(row, "elevation").toDouble()));
    airports.push_back(a);
  }
  std::stable_sort(airports.begin(), airports.end(),
                   [](const AirportRecord& a, const AirportRecord& b) { return a.Icao < b.Icao; });
  if (airports.size() > static_cast<std::size_t>(kAirportRecords)) Fail("too many airports");

  // ---- Navaids ----
  if (navaids.size() > kNavaidRecords) Fail("too many navaids");
  std::vector<NavaidRecord> navTable;
  QList<Navaid> ndbs;
  for (const Navaid& n : navaids) {
    navTable.push_back(n.record);
    if (FamilyOf(n.record) == NavaidFamily::Ndb) ndbs << n;
  }

  // ---- ILSs ----
  if (localisers.size() > kIlsRecords) Fail("too many localisers");
  auto navaidPos = [](const Navaid& n) { return std::pair{n.lat, n.lon}; };
  auto rowPos = [](const NavDatRow& r) { return std::pair{r.lat, r.lon}; };
  std::vector<IlsRecord> ilsTable;
  int withLocator = 0, withMarkerOnly = 0;
  for (const NavDatRow& loc : localisers) {
    const QString key = RunwayKey(loc.airport, loc.runway);
    IlsRecord r;
    const Navaid* nearest = Nearest(variations, loc.lat, loc.lon, 1e9, navaidPos);
    const double variationEast = nearest ? nearest->variationEast : 0.0;
    QString country = countryOfIcao.value(loc.airport);
    if (country.isEmpty()) country = nearest ? nearest->country.left(2).leftJustified(2, ' ') : "  ";
    r.AirportIdent = (country + loc.airport).left(7);
    r.Runway = loc.runway.left(3);
    r.Frequency = FrequencyFromHundredths(loc.freq);

    double lat = loc.lat, lon = loc.lon;
    const RunwayEnd end = runwayEnds.value(key);
    if (glideslopes.contains(key) && DistanceNm(loc.lat, loc.lon, glideslopes[key].lat, glideslopes[key].lon) < 5.0) {
      std::tie(lat, lon) = AbeamOnCentreLine(loc.lat, loc.lon, loc.x, glideslopes[key].lat, glideslopes[key].lon);
    } else if (end.hasPosition && DistanceNm(loc.lat, loc.lon, end.lat, end.lon) < 5.0) {
      lat = end.lat, lon = end.lon;
    }
    PlaceLat(lat, r.LatHemisphere, r.LatDeg, r.LatMin);
    PlaceLon(lon, r.LonHemisphere, r.LonDeg, r.LonMin);
    r.Variation = WestPositiveVariation(variationEast);
    r.Course = MagneticCourse(loc.x, variationEast);
    if (end.hasElevation)
      r.Elevation = end.elevation;
    else if (glideslopes.contains(key))
      r.Elevation = glideslopes[key].elevation;
    else
      r.Elevation = loc.elevation;

    r.LocatorName = "    ";
    r.LocatorFreq = "";
    r.LocatorDistance = 0;
    if (outerMarkers.contains(key)) {
      const NavDatRow& om = outerMarkers[key];
      const double distance = DistanceNm(lat, lon, om.lat, om.lon);
      if (distance <= 15.0) {
        r.LocatorDistance = distance;
        r.LocatorName = "OM  ";
        if (const Navaid* ndb = Nearest(ndbs, om.lat, om.lon, 0.5, navaidPos)) {
          r.LocatorName = ndb->record.Ident.leftJustified(3, ' ') + " ";
          r.LocatorFreq = ndb->record.Frequency;
        } else if (const NavDatRow* old = Nearest(navDatNdbs, om.lat, om.lon, 0.5, rowPos)) {
          r.LocatorName = (old->ident.leftJustified(3, ' ') + " ").left(4);
          r.LocatorFreq = NdbFrequencyFromKhz(static_cast<double>(old->freq));
        }
        ++(r.LocatorFreq.isEmpty() ? withMarkerOnly : withLocator);
      }
    }
    ilsTable.push_back(r);
  }

  Write(output.filePath("ARPT.dat"), EncodeAirportTable(airports));
  Write(output.filePath("NAV.dat"), EncodeNavaidTable(navTable));
  Write(output.filePath("ILS.dat"), EncodeIlsTable(ilsTable));
  std::printf("airports %zu of %d, navaids %zu of %d, ILSs %zu of %d (%d with a locator, %d with a marker only)\n",
              airports.size(), kAirportRecords, navTable.size(), kNavaidRecords, ilsTable.size(), kIlsRecords,
              withLocator, withMarkerOnly);
  return 0;
}
