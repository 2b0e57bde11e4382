#pragma once
// The worldwide navigation database: three files of fixed-size records
// (airports, navaids, ILSs) read whole into fixed tables, the searches over
// them, the range scan around a picked place and the building of an area
// from the beacons it found. Everything here works on values; the database
// window wires its controls to it.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "areas/areamodel.h"

namespace tvx {

// ---- Records and files ----

// "ARPT.dat": 80-byte records.
struct AirportRecord {
  QString Ident = "0000000";  // up to 7; its first two characters are the country code
  QString Name = QString(25, ' ');
  QString Icao = QString(4, ' ');
  QString LatHemisphere = " ";
  std::int32_t LatDeg = 0;
  double LatMin = 0;
  QString LonHemisphere = " ";
  std::int32_t LonDeg = 0;
  double LonMin = 0;
  std::int32_t Elevation = 0;  // feet
};

// "NAV.dat": 88-byte records.
struct NavaidRecord {
  QString Ident = QString(3, ' ');
  QString Type = " ";  // "1", "2", "4": VOR; "5", "7": NDB; anything else is not used
  QString Country = QString(2, ' ');
  QString Name = QString(25, ' ');
  QString Frequency = QString(6, ' ');  // MHz for a VOR, kHz for an NDB
  QString LatHemisphere = " ";
  std::int32_t LatDeg = 0;
  double LatMin = 0;
  QString LonHemisphere = " ";
  std::int32_t LonDeg = 0;
  double LonMin = 0;
  std::int32_t Variation = 0;  // whole degrees, West positive
  QString Spare = QString(4, ' ');  // kept as read; the program does not use it
};

// "ILS.dat": 96-byte records.
struct IlsRecord {
  QString AirportIdent = QString(7, ' ');  // an AirportRecord::Ident
  QString Runway = QString(3, ' ');
  QString Frequency = QString(6, ' ');  // MHz
  QString LatHemisphere = " ";
  std::int32_t LatDeg = -999;
  double LatMin = -999.0;
  QString LonHemisphere = " ";
  std::int32_t LonDeg = -999;
  double LonMin = -999.0;
  QString Spare = QString(4, ' ');  // kept as read; the program does not use it
  std::int32_t Variation = 0;
  std::int32_t Course = 0;  // final approach course, degrees
  std::int32_t Elevation = kUnknownElevation;  // feet
  QString LocatorName = QString(4, ' ');
  QString LocatorFreq = QString(6, ' ');
  double LocatorDistance = 0;  // NM from the runway point

  static constexpr std::int32_t kUnknownElevation = -999;
};

constexpr int kAirportRecordBytes = 80;
constexpr int kNavaidRecordBytes = 88;
constexpr int kIlsRecordBytes = 96;
constexpr int kAirportRecords = 11001;
constexpr int kNavaidRecords = 12001;
constexpr int kIlsRecords = 3501;

QByteArray EncodeAirport(const AirportRecord& r);
QByteArray EncodeNavaid(const NavaidRecord& r);
QByteArray EncodeIls(const IlsRecord& r);
// Each reads one record at `offset`; a record cut short by the end of `bytes`
// reads its missing fields as zeros and empty texts.
AirportRecord DecodeAirport(const QByteArray& bytes, int offset = 0);
NavaidRecord DecodeNavaid(const QByteArray& bytes, int offset = 0);
IlsRecord DecodeIls(const QByteArray& bytes, int offset = 0);

// The three tables in memory, always of their full sizes.
struct NavDatabase {
  std::vector<AirportRecord> Airports = std::vector<AirportRecord>(kAirportRecords);
  std::vector<NavaidRecord> Navaids = std::vector<NavaidRecord>(kNavaidRecords);
  std::vector<IlsRecord> Ils = std::vector<IlsRecord>(kIlsRecords);
};

// Reading a table from a file's bytes: the table is first filled with the
// defaults, then every whole record the bytes hold replaces its slot in
// order, up to the table's size; bytes past the table are ignored. The
// result tells whether the table was filled whole (false for a short file).
bool ReadAirportTable(const QByteArray& bytes, std::vector<AirportRecord>& table);
bool ReadNavaidTable(const QByteArray& bytes, std::vector<NavaidRecord>& table);
bool ReadIlsTable(const QByteArray& bytes, std::vector<IlsRecord>& table);
// A whole file of a table: exactly the table's number of records.
QByteArray EncodeAirportTable(const std::vector<AirportRecord>& table);
QByteArray EncodeNavaidTable(const std::vector<NavaidRecord>& table);
QByteArray EncodeIlsTable(const std::vector<IlsRecord>& table);

// ---- Searching ----

enum class SearchChoice { AirportIcao = 0, AirportName = 1, NavaidIdent = 2, NavaidName = 3 };
enum class SearchKind { Airport, Navaid };
SearchKind KindOf(SearchChoice choice);

constexpr int kSearchHitSlots = 26;
// The count at which a search gives up as too wide.
constexpr int kTooManyHits = 25;

// The search text as the search uses it: ASCII upper case, and for the two
// code searches short texts padded with blanks (an ICAO code to 4, an ident
// to 3).
QString PrepareSearchText(SearchChoice choice, const QString& typed);

struct SearchResult {
  QString Text;  // the prepared text, written back into the search box
  std::array<int, kSearchHitSlots> Hits;  // record indices, -1 = none
  int Count = 0;
  bool TooMany = false;  // stopped at kTooManyHits: nothing is shown
  SearchResult() { Hits.fill(-1); }
};

SearchResult RunSearch(const NavDatabase& db, SearchChoice choice, const QString& typed);

// The message of a search that found too many records.
QString TooManyHitsMessage(SearchKind kind);
// The memo text of a search's result before any record ("Airport not found.",
// or the count and "Click > to select." lines for several hits).
QStringList SearchSummaryLines(SearchKind kind, const SearchResult& result);

// The hit after `current`: back to the first after the last slot or at an
// empty slot.
int NextHit(const SearchResult& result, int current);

// The lines that show one record.
QStringList AirportLines(const AirportRecord& r);
QStringList NavaidLines(const NavaidRecord& r);

// ---- Scanning ----

constexpr int kScanSlots = 15;
constexpr std::array<int, 7> kNavRanges{15, 20, 30, 40, 50, 60, 70};
constexpr std::array<int, 7> kIlsRanges{2, 5, 10, 20, 30, 40, 50};
// The range of an item of either range group; 0 with no selection.
int RangeOf(const std::array<int, 7>& ranges, int itemIndex);

enum class NavaidFamily { Vor, Ndb, Other };
NavaidFamily FamilyOf(const NavaidRecord& r);

// A position in signed minutes of arc: north and east positive.
struct ArcPosition {
  double Lat = 0;
  double Lon = 0;
};
ArcPosition ArcOf(const QString& latHemisphere, std::int32_t latDeg, double latMin, const QString& lonHemisphere,
                  std::int32_t lonDeg, double lonMin);
ArcPosition ArcOf(const AirportRecord& r);
ArcPosition ArcOf(const NavaidRecord& r);
ArcPosition ArcOf(const IlsRecord& r);

// The box around a centre that a range covers: `range` minutes of latitude
// either side and range / cos(centre latitude) minutes of longitude, all
// bounds excluded.
struct ScanBox {
  ArcPosition Centre;
  double LatHalf = 0;
  double LonHalf = 0;
  bool Inside(const ArcPosition& p) const;
};
// `centreLatDegrees` is the unsigned latitude of the centre in degrees.
ScanBox BoxAround(const ArcPosition& centre, double centreLatDegrees, int rangeNm);

struct ScanResult {
  std::array<int, kScanSlots> Vor, Ndb, Ils;  // -1 = none
  int VorCount = 0, NdbCount = 0, IlsCount = 0;
  // The fictitious VOR of an area without VORs: a copy of the first NDB,
  // named "ABC" on "114.0". It stands in VOR slot 1; the table keeps its
  // records as read.
  std::optional<NavaidRecord> FictitiousVor;
  ScanResult() { Vor.fill(-1), Ndb.fill(-1), Ils.fill(-1); }
};

// What a scan shows: the lines of the result memo, at most one message box,
// and whether the area may be built.
struct ScanOutcome {
  ScanResult Result;
  QStringList Lines;
  std::optional<QString> Message;
  bool SaveEnabled = false;
};

// The centre of a scan: the record of the current hit.
struct ScanCentre {
  ArcPosition Position;
  double LatDegrees = 0;  // unsigned
};
ScanCentre CentreOf(const AirportRecord& r);
ScanCentre CentreOf(const NavaidRecord& r);

ScanOutcome Scan(const NavDatabase& db, const ScanCentre& centre, int navRangeIndex, int ilsRangeIndex);

// ---- Building the area ----

// The area's name for a build: the prepared search text of the two code
// searches (without trailing blanks, as a file name is written), else empty.
QString BuildAreaName(SearchChoice choice, const QString& searchText);

// The locator distance as the area keeps it: rounded to 0.1 NM.
double RoundedLocatorDistance(double nm);

// Fills the three lists of `area` from a scan: VORs and ILSs slot by slot,
// NDBs compacted from slot 1 and without those that are already the locator
// of one of the built ILSs. Every slot is emptied first; X and Y of the
// filled slots are 0 (the caller projects them).
void BuildAreaLists(const NavDatabase& db, const ScanResult& scan, AreaState& area);

}  // namespace tvx
