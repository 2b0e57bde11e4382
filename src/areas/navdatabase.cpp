#include "areas/navdatabase.h"

#include <algorithm>
#include <cmath>

#include "platform/record.h"
#include "platform/textutil.h"

namespace tvx {

// ---- Records and files ----

QByteArray EncodeAirport(const AirportRecord& r) {
  RecordWriter w(kAirportRecordBytes);
  w.PutShortString(0, 7, r.Ident);
  w.PutShortString(8, 25, r.Name);
  w.PutShortString(34, 4, r.Icao);
  w.PutShortString(39, 1, r.LatHemisphere);
  w.PutInt32(44, r.LatDeg);
  w.PutDouble(48, r.LatMin);
  w.PutShortString(56, 1, r.LonHemisphere);
  w.PutInt32(60, r.LonDeg);
  w.PutDouble(64, r.LonMin);
  w.PutInt32(72, r.Elevation);
  return w.Bytes();
}

AirportRecord DecodeAirport(const QByteArray& bytes, int offset) {
  const RecordReader rd(bytes, offset);
  AirportRecord r;
  r.Ident = rd.ShortString(0, 7);
  r.Name = rd.ShortString(8, 25);
  r.Icao = rd.ShortString(34, 4);
  r.LatHemisphere = rd.ShortString(39, 1);
  r.LatDeg = rd.Int32(44);
  r.LatMin = rd.Double(48);
  r.LonHemisphere = rd.ShortString(56, 1);
  r.LonDeg = rd.Int32(60);
  r.LonMin = rd.Double(64);
  r.Elevation = rd.Int32(72);
  return r;
}

QByteArray EncodeNavaid(const NavaidRecord& r) {
  RecordWriter w(kNavaidRecordBytes);
  w.PutShortString(0, 3, r.Ident);
  w.PutShortString(4, 1, r.Type);
  w.PutShortString(6, 2, r.Country);
  w.PutShortString(9, 25, r.Name);
  w.PutShortString(35, 6, r.Frequency);
  w.PutShortString(42, 1, r.LatHemisphere);
  w.PutInt32(44, r.LatDeg);
  w.PutDouble(48, r.LatMin);
  w.PutShortString(56, 1, r.LonHemisphere);
  w.PutInt32(60, r.LonDeg);
  w.PutDouble(64, r.LonMin);
  w.PutInt32(72, r.Variation);
  w.PutShortString(76, 4, r.Spare);
  return w.Bytes();
}

NavaidRecord DecodeNavaid(const QByteArray& bytes, int offset) {
  const RecordReader rd(bytes, offset);
  NavaidRecord r;
  r.Ident = rd.ShortString(0, 3);
  r.Type = rd.ShortString(4, 1);
  r.Country = rd.ShortString(6, 2);
  r.Name = rd.ShortString(9, 25);
  r.Frequency = rd.ShortString(35, 6);
  r.LatHemisphere = rd.ShortString(42, 1);
  r.LatDeg = rd.Int32(44);
  r.LatMin = rd.Double(48);
  r.LonHemisphere = rd.ShortString(56, 1);
  r.LonDeg = rd.Int32(60);
  r.LonMin = rd.Double(64);
  r.Variation = rd.Int32(72);
  r.Spare = rd.ShortString(76, 4);
  return r;
}

QByteArray EncodeIls(const IlsRecord& r) {
  RecordWriter w(kIlsRecordBytes);
  w.PutShortString(0, 7, r.AirportIdent);
  w.PutShortString(8, 3, r.Runway);
  w.PutShortString(12, 6, r.Frequency);
  w.PutShortString(19, 1, r.LatHemisphere);
  w.PutInt32(24, r.LatDeg);
  w.PutDouble(32, r.LatMin);
  w.PutShortString(40, 1, r.LonHemisphere);
  w.PutInt32(44, r.LonDeg);
  w.PutDouble(48, r.LonMin);
  w.PutShortString(56, 4, r.Spare);
  w.PutInt32(64, r.Variation);
  w.PutInt32(68, r.Course);
  w.PutInt32(72, r.Elevation);
  w.PutShortString(76, 4, r.LocatorName);
  w.PutShortString(81, 6, r.LocatorFreq);
  w.PutDouble(88, r.LocatorDistance);
  return w.Bytes();
}

IlsRecord DecodeIls(const QByteArray& bytes, int offset) {
  const RecordReader rd(bytes, offset);
  IlsRecord r;
  r.AirportIdent = rd.ShortString(0, 7);
  r.Runway = rd.ShortString(8, 3);
  r.Frequency = rd.ShortString(12, 6);
  r.LatHemisphere = rd.ShortString(19, 1);
  r.LatDeg = rd.Int32(24);
  r.LatMin = rd.Double(32);
  r.LonHemisphere = rd.ShortString(40, 1);
  r.LonDeg = rd.Int32(44);
  r.LonMin = rd.Double(48);
  r.Spare = rd.ShortString(56, 4);
  r.Variation = rd.Int32(64);
  r.Course = rd.Int32(68);
  r.Elevation = rd.Int32(72);
  r.LocatorName = rd.ShortString(76, 4);
  r.LocatorFreq = rd.ShortString(81, 6);
  r.LocatorDistance = rd.Double(88);
  return r;
}

namespace {

template <typename Record, typename Decode>
bool ReadTable(const QByteArray& bytes, std::vector<Record>& table, int records, int recordBytes, Decode decode) {
  table.assign(static_cast<std::size_t>(records), Record{});
  // Only whole records are trusted; a torn last record keeps its default.
  const qsizetype whole = std::min<qsizetype>(bytes.size() / recordBytes, records);
  for (qsizetype i = 0; i < whole; ++i)
    table[static_cast<std::size_t>(i)] = decode(bytes, static_cast<int>(i * recordBytes));
  return whole == records;
}

template <typename Record, typename Encode>
QByteArray EncodeTable(const std::vector<Record>& table, int records, int recordBytes, Encode encode) {
  QByteArray out;
  out.reserve(static_cast<qsizetype>(records) * recordBytes);
  for (int i = 0; i < records; ++i)
    out += i < static_cast<int>(table.size()) ? encode(table[static_cast<std::size_t>(i)]) : encode(Record{});
  return out;
}

}  // namespace

bool ReadAirportTable(const QByteArray& bytes, std::vector<AirportRecord>& table) {
  return ReadTable(bytes, table, kAirportRecords, kAirportRecordBytes, DecodeAirport);
}
bool ReadNavaidTable(const QByteArray& bytes, std::vector<NavaidRecord>& table) {
  return ReadTable(bytes, table, kNavaidRecords, kNavaidRecordBytes, DecodeNavaid);
}
bool ReadIlsTable(const QByteArray& bytes, std::vector<IlsRecord>& table) {
  return ReadTable(bytes, table, kIlsRecords, kIlsRecordBytes, DecodeIls);
}
QByteArray EncodeAirportTable(const std::vector<AirportRecord>& table) {
  return EncodeTable(table, kAirportRecords, kAirportRecordBytes, EncodeAirport);
}
QByteArray EncodeNavaidTable(const std::vector<NavaidRecord>& table) {
  return EncodeTable(table, kNavaidRecords, kNavaidRecordBytes, EncodeNavaid);
}
QByteArray EncodeIlsTable(const std::vector<IlsRecord>& table) {
  return EncodeTable(table, kIlsRecords, kIlsRecordBytes, EncodeIls);
}

// ---- Searching ----

SearchKind KindOf(SearchChoice choice) {
  return choice == SearchChoice::AirportIcao || choice == SearchChoice::AirportName ? SearchKind::Airport
                                                                                     : SearchKind::Navaid;
}

QString PrepareSearchText(SearchChoice choice, const QString& typed) {
  QString text = typed;
  for (QChar& c : text)
    if (c >= 'a' && c <= 'z') c = QChar(c.unicode() - 'a' + 'A');
  if (choice == SearchChoice::AirportIcao && !text.isEmpty() && text.size() <= 3) text = text.leftJustified(4, ' ');
  if (choice == SearchChoice::NavaidIdent && !text.isEmpty() && text.size() <= 2) text = text.leftJustified(3, ' ');
  return text;
}

SearchResult RunSearch(const NavDatabase& db, SearchChoice choice, const QString& typed) {
  SearchResult result;
  result.Text = PrepareSearchText(choice, typed);
  const QString& text = result.Text;
  auto matches = [&](int i) {
    switch (choice) {
      case SearchChoice::AirportIcao: return db.Airports[static_cast<std::size_t>(i)].Icao == text;
      case SearchChoice::AirportName: return db.Airports[static_cast<std::size_t>(i)].Name.contains(text);
      case SearchChoice::NavaidIdent: return db.Navaids[static_cast<std::size_t>(i)].Ident == text;
      case SearchChoice::NavaidName: return db.Navaids[static_cast<std::size_t>(i)].Name.contains(text);
    }
    return false;
  };
  const int records =
      static_cast<int>(KindOf(choice) == SearchKind::Airport ? db.Airports.size() : db.Navaids.size());
  for (int i = 0; i < records; ++i) {
    if (!matches(i)) continue;
    result.Hits[static_cast<std::size_t>(result.Count++)] = i;
    if (result.Count == kTooManyHits) {
      result.TooMany = true;
      break;
    }
  }
  return result;
}

QString TooManyHitsMessage(SearchKind kind) {
  return kind == SearchKind::Airport ? "Too many airports found. Please specify."
                                     : "Too many navaids found. Please specify.";
}

QStringList SearchSummaryLines(SearchKind kind, const SearchResult& result) {
  const bool airport = kind == SearchKind::Airport;
  if (result.Count == 0) return {airport ? "Airport not found." : "Navaid not found."};
  if (result.Count == 1) return {};
  return {QString::number(result.Count) + (airport ? " airports (" : " navaids (") + result.Text + ") found.",
          "Click > to select.", "----------------------------", "1"};
}

int NextHit(const SearchResult& result, int current) {
  int next = current + 1;
  if (next < 0 || next > kSearchHitSlots - 1 || result.Hits[static_cast<std::size_t>(next)] == -1) next = 0;
  return next;
}

namespace {
QString PositionLine(const QString& hemisphere, std::int32_t degrees, double minutes) {
  return hemisphere + QString::number(degrees) + " " + FormatFixed(minutes, 4, 1);
}
}  // namespace

QStringList AirportLines(const AirportRecord& r) {
  return {r.Icao, r.Name, "Country: " + r.Ident.left(2), PositionLine(r.LatHemisphere, r.LatDeg, r.LatMin),
          PositionLine(r.LonHemisphere, r.LonDeg, r.LonMin)};
}

QStringList NavaidLines(const NavaidRecord& r) {
  QString type = "Type not specified! Do not use.";
  if (FamilyOf(r) == NavaidFamily::Vor) type = "VOR";
  if (FamilyOf(r) == NavaidFamily::Ndb) type = "NDB";
  return {r.Ident,
          r.Name,
          "Country: " + r.Country,
          type,
          "Frequency: " + r.Frequency,
          PositionLine(r.LatHemisphere, r.LatDeg, r.LatMin),
          PositionLine(r.LonHemisphere, r.LonDeg, r.LonMin)};
}

// ---- Scanning ----

int RangeOf(const std::array<int, 7>& ranges, int itemIndex) {
  if (itemIndex < 0 || itemIndex >= static_cast<int>(ranges.size())) return 0;
  return ranges[static_cast<std::size_t>(itemIndex)];
}

NavaidFamily FamilyOf(const NavaidRecord& r) {
  if (r.Type == "1" || r.Type == "2" || r.Type == "4") return NavaidFamily::Vor;
  if (r.Type == "5" || r.Type == "7") return NavaidFamily::Ndb;
  return NavaidFamily::Other;
}

ArcPosition ArcOf(const QString& latHemisphere, std::int32_t latDeg, double latMin, const QString& lonHemisphere,
                  std::int32_t lonDeg, double lonMin) {
  const double lat = 60.0 * latDeg + latMin;
  const double lon = 60.0 * lonDeg + lonMin;
  return {latHemisphere == "N" ? lat : -lat, lonHemisphere == "E" ? lon : -lon};
}
ArcPosition ArcOf(const AirportRecord& r) {
  return ArcOf(r.LatHemisphere, r.LatDeg, r.LatMin, r.LonHemisphere, r.LonDeg, r.LonMin);
}
ArcPosition ArcOf(const NavaidRecord& r) {
  return ArcOf(r.LatHemisphere, r.LatDeg, r.LatMin, r.LonHemisphere, r.LonDeg, r.LonMin);
}
ArcPosition ArcOf(const IlsRecord& r) {
  return ArcOf(r.LatHemisphere, r.LatDeg, r.LatMin, r.LonHemisphere, r.LonDeg, r.LonMin);
}

bool ScanBox::Inside(const ArcPosition& p) const {
  return Centre.Lat - LatHalf < p.Lat && p.Lat < Centre.Lat + LatHalf && Centre.Lon - LonHalf < p.Lon &&
         p.Lon < Centre.Lon + LonHalf;
}

ScanBox BoxAround(const ArcPosition& centre, double centreLatDegrees, int rangeNm) {
  ScanBox box;
  box.Centre = centre;
  box.LatHalf = rangeNm;
  box.LonHalf = rangeNm / std::cos(centreLatDegrees * M_PI / 180.0);
  return box;
}

ScanCentre CentreOf(const AirportRecord& r) { return {ArcOf(r), r.LatDeg + r.LatMin / 60.0}; }
ScanCentre CentreOf(const NavaidRecord& r) { return {ArcOf(r), r.LatDeg + r.LatMin / 60.0}; }

namespace {
const char* kNoVor = "0 VORs found within the selected NAV RANGE.";
const char* kFictitiousIdent = "ABC";
const char* kFictitiousFrequency = "114.0";
constexpr int kWidestNavRangeItem = 6;
}  // namespace

ScanOutcome Scan(const NavDatabase& db, const ScanCentre& centre, int navRangeIndex, int ilsRangeIndex) {
  ScanOutcome out;
  ScanResult& res = out.Result;
  auto tooMany = [&out](const char* message) {
    // A scan that overflows builds nothing: the result is emptied with the memo.
    out.Result = ScanResult{};
    out.Lines.clear();
    out.Message = message;
    out.SaveEnabled = false;
    return out;
  };

  const ScanBox navBox = BoxAround(centre.Position, centre.LatDegrees, RangeOf(kNavRanges, navRangeIndex));
  for (int i = 0; i < static_cast<int>(db.Navaids.size()); ++i) {
    const NavaidRecord& nav = db.Navaids[static_cast<std::size_t>(i)];
    const NavaidFamily family = FamilyOf(nav);
    if (family == NavaidFamily::Other || !navBox.Inside(ArcOf(nav))) continue;
    if (family == NavaidFamily::Vor) {
      res.Vor[static_cast<std::size_t>(res.VorCount++)] = i;
      out.Lines << nav.Ident + " VOR " + nav.Frequency;
    } else {
      res.Ndb[static_cast<std::size_t>(res.NdbCount++)] = i;
      out.Lines << nav.Ident + " NDB " + nav.Frequency;
    }
    if (res.VorCount == kScanSlots || res.NdbCount == kScanSlots)
      return tooMany("Too many beacons found. Please select lower range.");
  }

  const ScanBox ilsBox = BoxAround(centre.Position, centre.LatDegrees, RangeOf(kIlsRanges, ilsRangeIndex));
  for (int i = 0; i < static_cast<int>(db.Ils.size()); ++i) {
    const IlsRecord& ils = db.Ils[static_cast<std::size_t>(i)];
    if (!ilsBox.Inside(ArcOf(ils))) continue;
    res.Ils[static_cast<std::size_t>(res.IlsCount++)] = i;
    out.Lines << ils.Runway + " ILS " + ils.Frequency;
    if (res.IlsCount == kScanSlots) return tooMany("Too many ILSs found. Please select lower range.");
  }

  out.Lines << "--------------" << QString::number(res.VorCount) + " VORs found."
            << QString::number(res.NdbCount) + " NDBs found." << QString::number(res.IlsCount) + " ILSs found.";
  out.SaveEnabled = true;

  if (res.VorCount == 0) {
    if (navRangeIndex == kWidestNavRangeItem && res.NdbCount > 0) {
      NavaidRecord vor = db.Navaids[static_cast<std::size_t>(res.Ndb[0])];
      vor.Frequency = kFictitiousFrequency;
      vor.Ident = kFictitiousIdent;
      res.FictitiousVor = vor;
      out.Message = QString(kNoVor) + "\r\n\r\n" + "A Fictitious VOR " + kFictitiousIdent + " will be added.";
    } else {
      // Also at the widest range when there is not even an NDB to stand in.
      out.SaveEnabled = false;
      out.Message = QString(kNoVor) + "\r\n\r\n" + "An AREA must contain at least 1 VOR." + "\r\n" +
                    "Please choose a larger NAV RANGE";
    }
  }
  return out;
}

// ---- Building the area ----

QString BuildAreaName(SearchChoice choice, const QString& searchText) {
  if (choice != SearchChoice::AirportIcao && choice != SearchChoice::NavaidIdent) return {};
  QString name = searchText;
  while (name.endsWith(' ')) name.chop(1);
  return name;
}

double RoundedLocatorDistance(double nm) { return std::round(nm * 10.0) / 10.0; }

namespace {

void CopyStation(const NavaidRecord& nav, AreaBeacon& slot) {
  slot.Name = nav.Ident.left(4);
  slot.Frequency = nav.Frequency;
  slot.LatHemisphere = nav.LatHemisphere;
  slot.LatDeg = nav.LatDeg;
  slot.LatMin = nav.LatMin;
  slot.LonHemisphere = nav.LonHemisphere;
  slot.LonDeg = nav.LonDeg;
  slot.LonMin = nav.LonMin;
  slot.Variation = nav.Variation;
  slot.X = 0;
  slot.Y = 0;
}

std::int32_t IlsElevation(const NavDatabase& db, const IlsRecord& ils) {
  if (ils.Elevation != IlsRecord::kUnknownElevation) return ils.Elevation;
  std::optional<std::int32_t> found;
  for (const AirportRecord& airport : db.Airports)
    if (airport.Ident == ils.AirportIdent) found = airport.Elevation;
  // Without its airport the runway is taken at sea level rather than at the
  // height of whatever runway the slot held before.
  return found.value_or(0);
}

void CopyIls(const NavDatabase& db, const IlsRecord& ils, AreaBeacon& slot) {
  slot.Name = ils.Runway.left(4);
  slot.Frequency = ils.Frequency;
  slot.LatHemisphere = ils.LatHemisphere;
  slot.LatDeg = ils.LatDeg;
  slot.LatMin = ils.LatMin;
  slot.LonHemisphere = ils.LonHemisphere;
  slot.LonDeg = ils.LonDeg;
  slot.LonMin = ils.LonMin;
  slot.Variation = ils.Variation;
  slot.FinalCourse = ils.Course;
  slot.LocatorName = ils.LocatorName;
  slot.LocatorFreq = ils.LocatorFreq;
  slot.LocatorDistance = RoundedLocatorDistance(ils.LocatorDistance);
  slot.X = 0;
  slot.Y = 0;
  slot.Elevation = IlsElevation(db, ils);
}

// The NDB is already in the area as the locator of one of its ILSs.
bool IsBuiltLocator(const AreaBeaconList& ilsList, const NavaidRecord& ndb) {
  const QString asLocator = ndb.Ident + " ";
  for (const AreaBeacon& ils : ilsList) {
    // Empty slots keep the locator names of an older area; they must not hide an NDB.
    if (!ils.Used()) continue;
    if (ils.LocatorName == asLocator && ils.LocatorName != "OM  " && ils.LocatorName != "    ") return true;
  }
  return false;
}

}  // namespace

void BuildAreaLists(const NavDatabase& db, const ScanResult& scan, AreaState& area) {
  EmptyList(area.VorList, false);
  EmptyList(area.NdbList, false);
  EmptyList(area.IlsList, true);
  area.VorList[0].X = 0;
  area.VorList[0].Y = 0;
  auto valid = [](int index, std::size_t size) { return index >= 0 && static_cast<std::size_t>(index) < size; };
  for (std::size_t i = 0; i < kScanSlots; ++i) {
    if (i == 0 && scan.FictitiousVor)
      CopyStation(*scan.FictitiousVor, area.VorList[0]);
    else if (valid(scan.Vor[i], db.Navaids.size()))
      CopyStation(db.Navaids[static_cast<std::size_t>(scan.Vor[i])], area.VorList[i]);
    if (valid(scan.Ils[i], db.Ils.size())) CopyIls(db, db.Ils[static_cast<std::size_t>(scan.Ils[i])], area.IlsList[i]);
  }
  std::size_t next = 0;
  for (std::size_t i = 0; i < kScanSlots; ++i) {
    if (!valid(scan.Ndb[i], db.Navaids.size())) continue;
    const NavaidRecord& ndb = db.Navaids[static_cast<std::size_t>(scan.Ndb[i])];
    if (IsBuiltLocator(area.IlsList, ndb)) continue;
    CopyStation(ndb, area.NdbList[next++]);
  }
}

}  // namespace tvx
