// The navigation database: record layouts, table reading, searches, range
// scans and the area built from a scan.
#include "areas/navdatabase.h"
#include "areas/areaedit.h"
#include "platform/dataroot.h"

#include <gtest/gtest.h>

#include <QFile>

#include "areas/navdbsamples.h"

namespace tvx {
namespace {

QByteArray Hex(const char* text) { return QByteArray::fromHex(text); }

// Written from the file layouts by a separate script, not by the codec.
const QByteArray kAirportBytes = Hex(
    "064e4c4548414d0012414d5354455244414d205343484950484f4c0000000000"
    "0000044548414d014e000000340000006abc7493188432400145000004000000"
    "423ee8d9acea4640f5ffffff00000000");
const QByteArray kNavaidBytes = Hex(
    "034142200135024e4c0a41424320424541434f4e000000000000000000000000"
    "000000053338322e3500014e34000000000000000000f43f0157000003000000"
    "0000000000803e40feffffff042020202000000000000000");
const QByteArray kIlsBytes = Hex(
    "064445454444460003303743063131302e3535014e0000003200000000000000"
    "c976be9f1a2f00400145000008000000b0726891ed2c40400420202020000000"
    "ffffffff45000000490100000446572020033338320000003d0ad7a3703d1240");

AirportRecord Airport(const QString& ident, const QString& name, const QString& icao, int latDeg, double latMin,
                      int lonDeg, double lonMin, int elevation = 0) {
  return test::SampleAirport(ident, name, icao, latDeg, latMin, lonDeg, lonMin, elevation);
}
NavaidRecord Navaid(const QString& ident, const QString& type, const QString& freq, int latDeg, double latMin,
                    int lonDeg, double lonMin, const QString& name = "BEACON") {
  return test::SampleNavaid(ident, type, freq, latDeg, latMin, lonDeg, lonMin, name);
}
IlsRecord Ils(const QString& runway, const QString& freq, int latDeg, double latMin, int lonDeg, double lonMin) {
  return test::SampleIls(runway, freq, latDeg, latMin, lonDeg, lonMin);
}

// ---- Records and files ----

TEST(NavDatabaseRecords, AirportGoldenBytes) {
  const AirportRecord r = Airport("NLEHAM", "AMSTERDAM SCHIPHOL", "EHAM", 52, 18.516, 4, 45.8334, -11);
  EXPECT_EQ(EncodeAirport(r).toHex(), kAirportBytes.toHex());
  const AirportRecord d = DecodeAirport(kAirportBytes);
  EXPECT_EQ(d.Ident, "NLEHAM");
  EXPECT_EQ(d.Name, "AMSTERDAM SCHIPHOL");
  EXPECT_EQ(d.Icao, "EHAM");
  EXPECT_EQ(d.LatHemisphere, "N");
  EXPECT_EQ(d.LatDeg, 52);
  EXPECT_DOUBLE_EQ(d.LatMin, 18.516);
  EXPECT_EQ(d.LonHemisphere, "E");
  EXPECT_EQ(d.LonDeg, 4);
  EXPECT_DOUBLE_EQ(d.LonMin, 45.8334);
  EXPECT_EQ(d.Elevation, -11);
}

TEST(NavDatabaseRecords, NavaidGoldenBytes) {
  NavaidRecord r = Navaid("AB ", "5", "382.5", 52, 1.25, 3, 30.5, "ABC BEACON");
  r.LonHemisphere = "W";
  EXPECT_EQ(EncodeNavaid(r).toHex(), kNavaidBytes.toHex());
  const NavaidRecord d = DecodeNavaid(kNavaidBytes);
  EXPECT_EQ(d.Ident, "AB ");
  EXPECT_EQ(d.Type, "5");
  EXPECT_EQ(d.Country, "NL");
  EXPECT_EQ(d.Name, "ABC BEACON");
  EXPECT_EQ(d.Frequency, "382.5");
  EXPECT_EQ(d.LonHemisphere, "W");
  EXPECT_DOUBLE_EQ(d.LatMin, 1.25);
  EXPECT_DOUBLE_EQ(d.LonMin, 30.5);
  EXPECT_EQ(d.Variation, -2);
  EXPECT_EQ(d.Spare, "    ");
}

TEST(NavDatabaseRecords, IlsGoldenBytes) {
  IlsRecord r = Ils("07C", "110.55", 50, 2.023, 8, 32.351);
  r.AirportIdent = "DEEDDF", r.Course = 69, r.Elevation = 329;
  r.LocatorName = "FW  ", r.LocatorFreq = "382", r.LocatorDistance = 4.56;
  EXPECT_EQ(EncodeIls(r).toHex(), kIlsBytes.toHex());
  const IlsRecord d = DecodeIls(kIlsBytes);
  EXPECT_EQ(d.AirportIdent, "DEEDDF");
  EXPECT_EQ(d.Runway, "07C");
  EXPECT_EQ(d.Frequency, "110.55");
  EXPECT_EQ(d.Variation, -1);
  EXPECT_EQ(d.Course, 69);
  EXPECT_EQ(d.Elevation, 329);
  EXPECT_EQ(d.LocatorName, "FW  ");
  EXPECT_EQ(d.LocatorFreq, "382");
  EXPECT_DOUBLE_EQ(d.LocatorDistance, 4.56);
  EXPECT_EQ(EncodeIls(d), kIlsBytes);
}

TEST(NavDatabaseRecords, DefaultsAreTheEmptyTableValues) {
  const QByteArray ils = EncodeIls(IlsRecord{});
  EXPECT_EQ(ils.mid(24, 4).toHex(), "19fcffff");          // LatDeg -999
  EXPECT_EQ(ils.mid(32, 8).toHex(), "0000000000388fc0");  // LatMin -999.0
  EXPECT_EQ(ils.mid(72, 4).toHex(), "19fcffff");          // Elevation -999
  EXPECT_EQ(ils.mid(0, 8).toHex(), "0720202020202020");   // seven blanks
  EXPECT_EQ(EncodeAirport(AirportRecord{}).mid(0, 8), QByteArray("\x07" "0000000"));
  EXPECT_EQ(EncodeNavaid(NavaidRecord{}).mid(35, 7), QByteArray("\x06      "));
}

TEST(NavDatabaseRecords, CorruptLengthByteStaysInItsField) {
  QByteArray bytes = kAirportBytes;
  bytes[0] = static_cast<char>(200);  // Ident claims 200 characters
  EXPECT_EQ(DecodeAirport(bytes).Ident, "NLEHAM");  // the NUL after it ends the text
  EXPECT_EQ(DecodeAirport(bytes).Name, "AMSTERDAM SCHIPHOL");
}

TEST(NavDatabaseTables, ShortFileKeepsWholeRecordsAndDefaults) {
  std::vector<NavaidRecord> table;
  const QByteArray bytes = kNavaidBytes + kNavaidBytes + kNavaidBytes.left(50);  // two and a half records
  EXPECT_FALSE(ReadNavaidTable(bytes, table));
  ASSERT_EQ(table.size(), std::size_t(kNavaidRecords));
  EXPECT_EQ(table[0].Frequency, "382.5");
  EXPECT_EQ(table[1].Frequency, "382.5");
  EXPECT_EQ(table[2].Frequency, "      ");  // the torn record is not trusted
  EXPECT_EQ(table.back().Ident, "   ");
}

TEST(NavDatabaseTables, WholeFileReadsExactlyTheTable) {
  std::vector<IlsRecord> source(kIlsRecords);
  source[0] = DecodeIls(kIlsBytes);
  source[kIlsRecords - 1] = DecodeIls(kIlsBytes);
  QByteArray file = EncodeIlsTable(source);
  ASSERT_EQ(file.size(), kIlsRecords * kIlsRecordBytes);
  file += kIlsBytes;  // bytes past the table are ignored
  std::vector<IlsRecord> table(3);
  EXPECT_TRUE(ReadIlsTable(file, table));
  ASSERT_EQ(table.size(), std::size_t(kIlsRecords));
  EXPECT_EQ(table[kIlsRecords - 1].Runway, "07C");
  EXPECT_EQ(table[1].LatDeg, -999);

  std::vector<AirportRecord> airports;
  EXPECT_FALSE(ReadAirportTable(QByteArray(), airports));
  EXPECT_EQ(airports.size(), std::size_t(kAirportRecords));
  EXPECT_EQ(EncodeAirportTable({}).size(), kAirportRecords * kAirportRecordBytes);
  EXPECT_EQ(EncodeNavaidTable({}).size(), kNavaidRecords * kNavaidRecordBytes);
}

// ---- Searching ----

NavDatabase SearchDatabase() {
  NavDatabase db;
  db.Airports[0] = Airport("NLEHAM", "AMSTERDAM SCHIPHOL", "EHAM", 52, 18.5, 4, 45.8);
  db.Airports[1] = Airport("NLEHM ", "SMALL FIELD", "EHM ", 52, 0, 5, 0);
  db.Airports[2] = Airport("DEEDDF", "FRANKFURT AM MAIN INTL", "EDDF", 50, 1.6, 8, 32.6);
  db.Navaids[0] = Navaid("AB ", "5", "382", 52, 0, 4, 0, "ABBEY");
  db.Navaids[1] = Navaid("ABC", "4", "114.35", 52, 10, 4, 10, "ABBEY ROAD");
  return db;
}

TEST(NavDatabaseSearch, TextIsUpperCasedAndCodesArePadded) {
  struct Case {
    SearchChoice choice;
    const char* typed;
    const char* text;
  } cases[] = {
      {SearchChoice::AirportIcao, "e", "E   "},   {SearchChoice::AirportIcao, "eh", "EH  "},
      {SearchChoice::AirportIcao, "ehm", "EHM "}, {SearchChoice::AirportIcao, "eham", "EHAM"},
      {SearchChoice::AirportName, "am", "AM"},     {SearchChoice::NavaidIdent, "a", "A  "},
      {SearchChoice::NavaidIdent, "ab", "AB "},    {SearchChoice::NavaidIdent, "abc", "ABC"},
      {SearchChoice::NavaidName, "ab", "AB"},
  };
  for (const Case& c : cases) EXPECT_EQ(PrepareSearchText(c.choice, c.typed), c.text) << c.typed;
  // Only ASCII letters change case.
  EXPECT_EQ(PrepareSearchText(SearchChoice::AirportName, QString::fromUtf8("z\xc3\xbcrich")),
            QString::fromUtf8("Z\xc3\xbcRICH"));
}

TEST(NavDatabaseSearch, MatchesByCodeExactlyAndByNamePart) {
  const NavDatabase db = SearchDatabase();
  const SearchResult icao3 = RunSearch(db, SearchChoice::AirportIcao, "ehm");
  EXPECT_EQ(icao3.Count, 1);
  EXPECT_EQ(icao3.Hits[0], 1);  // the code stored with its blank, not EHAM
  EXPECT_EQ(RunSearch(db, SearchChoice::AirportIcao, "EHA").Count, 0);

  const SearchResult name = RunSearch(db, SearchChoice::AirportName, "am");
  EXPECT_EQ(name.Count, 2);  // AMSTERDAM and FRANKFURT AM MAIN, in record order
  EXPECT_EQ(name.Hits[0], 0);
  EXPECT_EQ(name.Hits[1], 2);
  EXPECT_EQ(name.Hits[2], -1);

  EXPECT_EQ(RunSearch(db, SearchChoice::NavaidIdent, "ab").Hits[0], 0);
  EXPECT_EQ(RunSearch(db, SearchChoice::NavaidIdent, "abc").Hits[0], 1);
  EXPECT_EQ(RunSearch(db, SearchChoice::NavaidName, "abbey").Count, 2);
  EXPECT_EQ(RunSearch(db, SearchChoice::NavaidName, "ROAD").Hits[0], 1);
}

TEST(NavDatabaseSearch, TwentyFourHitsShowTwentyFiveAreTooMany) {
  NavDatabase db;
  for (int i = 0; i < 24; ++i) db.Airports[static_cast<std::size_t>(i * 3)].Name = "LAKE FIELD";
  const SearchResult shown = RunSearch(db, SearchChoice::AirportName, "lake");
  EXPECT_FALSE(shown.TooMany);
  EXPECT_EQ(shown.Count, 24);
  EXPECT_EQ(shown.Hits[23], 69);
  const QStringList summary = SearchSummaryLines(SearchKind::Airport, shown);
  EXPECT_EQ(summary, (QStringList{"24 airports (LAKE) found.", "Click > to select.", "----------------------------",
                                  "1"}));

  db.Airports[9000].Name = "LAKE TOO";
  const SearchResult tooMany = RunSearch(db, SearchChoice::AirportName, "lake");
  EXPECT_TRUE(tooMany.TooMany);
  EXPECT_EQ(tooMany.Count, 25);
  EXPECT_EQ(TooManyHitsMessage(SearchKind::Airport), "Too many airports found. Please specify.");
  EXPECT_EQ(TooManyHitsMessage(SearchKind::Navaid), "Too many navaids found. Please specify.");
}

TEST(NavDatabaseSearch, SummaryOfNoneAndOneHit) {
  const NavDatabase db = SearchDatabase();
  EXPECT_EQ(SearchSummaryLines(SearchKind::Navaid, RunSearch(db, SearchChoice::NavaidIdent, "XYZ")),
            QStringList{"Navaid not found."});
  EXPECT_EQ(SearchSummaryLines(SearchKind::Airport, RunSearch(db, SearchChoice::AirportIcao, "XYZ")),
            QStringList{"Airport not found."});
  EXPECT_TRUE(SearchSummaryLines(SearchKind::Navaid, RunSearch(db, SearchChoice::NavaidIdent, "ABC")).isEmpty());
  EXPECT_EQ(SearchSummaryLines(SearchKind::Navaid, RunSearch(db, SearchChoice::NavaidName, "ABBEY")).first(),
            "2 navaids (ABBEY) found.");
}

TEST(NavDatabaseSearch, NextHitReturnsToTheFirstAfterTheLast) {
  const SearchResult r = RunSearch(SearchDatabase(), SearchChoice::AirportName, "AM");
  EXPECT_EQ(NextHit(r, 0), 1);
  EXPECT_EQ(NextHit(r, 1), 0);
  SearchResult full;
  for (int i = 0; i < kSearchHitSlots; ++i) full.Hits[static_cast<std::size_t>(i)] = i;
  EXPECT_EQ(NextHit(full, 24), 25);
  EXPECT_EQ(NextHit(full, 25), 0);
}

TEST(NavDatabaseSearch, RecordLines) {
  const NavDatabase db = SearchDatabase();
  EXPECT_EQ(AirportLines(db.Airports[0]), (QStringList{"EHAM", "AMSTERDAM SCHIPHOL", "Country: NL", "N52 18.5",
                                                       "E4 45.8"}));
  NavaidRecord ndb = db.Navaids[0];
  ndb.LatMin = 0.04;
  EXPECT_EQ(NavaidLines(ndb), (QStringList{"AB ", "ABBEY", "Country: NL", "NDB", "Frequency: 382", "N52  0.0",
                                           "E4  0.0"}));
  const struct {
    const char* type;
    const char* text;
  } types[] = {{"1", "VOR"}, {"2", "VOR"}, {"4", "VOR"}, {"5", "NDB"}, {"7", "NDB"},
               {"3", "Type not specified! Do not use."}, {" ", "Type not specified! Do not use."}};
  for (const auto& t : types) {
    ndb.Type = t.type;
    EXPECT_EQ(NavaidLines(ndb)[3], t.text) << t.type;
  }
}

// ---- Scanning ----

ScanCentre CentreAt(int latDeg, double latMin, int lonDeg, double lonMin) {
  return CentreOf(Airport("XX", "CENTRE", "CNTR", latDeg, latMin, lonDeg, lonMin));
}

TEST(NavDatabaseScan, BoundsAreStrict) {
  NavDatabase db;
  db.Navaids[0] = Navaid("ON ", "1", "114.0", 52, 15, 5, 0);    // exactly 15 NM north
  db.Navaids[1] = Navaid("IN ", "1", "115.0", 52, 14, 5, 0);    // one minute less
  db.Navaids[2] = Navaid("SO ", "1", "116.0", 51, 45, 5, 0);    // exactly 15 NM south
  // 15 NM of longitude at 52 N is 15 / cos 52 = 24.36 minutes.
  db.Navaids[3] = Navaid("EA ", "1", "117.0", 52, 0, 5, 24.3);
  db.Navaids[4] = Navaid("FA ", "1", "117.1", 52, 0, 5, 24.4);
  const ScanOutcome out = Scan(db, CentreAt(52, 0, 5, 0), 0, -1);
  EXPECT_EQ(out.Result.VorCount, 2);
  EXPECT_EQ(out.Result.Vor[0], 1);
  EXPECT_EQ(out.Result.Vor[1], 3);
  EXPECT_EQ(out.Lines.first(), "IN  VOR 115.0");
}

TEST(NavDatabaseScan, SouthAndWestCountNegative) {
  NavDatabase db;
  NavaidRecord vor = Navaid("SW ", "2", "113.0", 33, 50, 70, 10);
  vor.LatHemisphere = "S", vor.LonHemisphere = "W";
  db.Navaids[7] = vor;
  ScanCentre centre = CentreAt(34, 0, 70, 0);
  centre.Position.Lat = -centre.Position.Lat, centre.Position.Lon = -centre.Position.Lon;
  EXPECT_EQ(Scan(db, centre, 1, -1).Result.Vor[0], 7);
  // The same numbers north and east are far away.
  EXPECT_EQ(Scan(db, CentreAt(34, 0, 70, 0), 6, -1).Result.VorCount, 0);
}

TEST(NavDatabaseScan, ListsTheBeaconsAndCounts) {
  NavDatabase db;
  db.Navaids[0] = Navaid("VOA", "4", "114.35", 52, 5, 5, 0);
  db.Navaids[1] = Navaid("NA ", "5", "382", 52, 0, 5, 5);
  db.Navaids[2] = Navaid("TAC", "3", "115.0", 52, 0, 5, 1);  // neither VOR nor NDB
  db.Navaids[3] = Navaid("NB ", "7", "400", 51, 58, 5, 0);
  db.Ils[0] = Ils("27", "110.1", 52, 1, 5, 1);
  db.Ils[1] = Ils("09", "110.3", 52, 9, 5, 1);  // outside the 5 NM ILS range
  const ScanOutcome out = Scan(db, CentreAt(52, 0, 5, 0), 2, 1);
  EXPECT_EQ(out.Lines, (QStringList{"VOA VOR 114.35", "NA  NDB 382", "NB  NDB 400", "27 ILS 110.1", "--------------",
                                    "1 VORs found.", "2 NDBs found.", "1 ILSs found."}));
  EXPECT_TRUE(out.SaveEnabled);
  EXPECT_FALSE(out.Message.has_value());
  EXPECT_EQ(out.Result.IlsCount, 1);
  EXPECT_EQ(out.Result.Ils[0], 0);
}

TEST(NavDatabaseScan, FifteenBeaconsAreTooMany) {
  NavDatabase db;
  for (int i = 0; i < 15; ++i) db.Navaids[static_cast<std::size_t>(i)] = Navaid("N" + QString::number(i), "5", "300", 52, i * 0.1, 5, 0);
  db.Navaids[20] = Navaid("VOR", "1", "114.0", 52, 0, 5, 0);
  const ScanOutcome out = Scan(db, CentreAt(52, 0, 5, 0), 0, 6);
  EXPECT_EQ(out.Message, "Too many beacons found. Please select lower range.");
  EXPECT_TRUE(out.Lines.isEmpty());
  EXPECT_FALSE(out.SaveEnabled);
  EXPECT_EQ(out.Result.NdbCount, 0);
  EXPECT_EQ(out.Result.Ndb[0], -1);

  db.Navaids[14] = NavaidRecord{};  // fourteen NDBs fit
  EXPECT_EQ(Scan(db, CentreAt(52, 0, 5, 0), 0, 6).Result.NdbCount, 14);
}

TEST(NavDatabaseScan, FifteenIlsAreTooMany) {
  NavDatabase db;
  db.Navaids[0] = Navaid("VOR", "1", "114.0", 52, 0, 5, 0);
  for (int i = 0; i < 15; ++i) db.Ils[static_cast<std::size_t>(i)] = Ils("R" + QString::number(i), "110.1", 52, 0, 5, i * 0.1);
  const ScanOutcome out = Scan(db, CentreAt(52, 0, 5, 0), 0, 0);
  EXPECT_EQ(out.Message, "Too many ILSs found. Please select lower range.");
  EXPECT_TRUE(out.Lines.isEmpty());
  EXPECT_FALSE(out.SaveEnabled);
}

TEST(NavDatabaseScan, WithoutVorTheWidestRangeMakesAFictitiousOne) {
  NavDatabase db;
  db.Navaids[5] = Navaid("NDA", "5", "350", 52, 30, 5, 0);
  const NavaidRecord before = db.Navaids[0];
  const ScanOutcome wide = Scan(db, CentreAt(52, 0, 5, 0), 6, 2);
  ASSERT_TRUE(wide.Result.FictitiousVor.has_value());
  EXPECT_EQ(wide.Result.FictitiousVor->Ident, "ABC");
  EXPECT_EQ(wide.Result.FictitiousVor->Frequency, "114.0");
  EXPECT_EQ(wide.Result.FictitiousVor->LatMin, 30);
  EXPECT_TRUE(wide.SaveEnabled);
  EXPECT_EQ(wide.Message, "0 VORs found within the selected NAV RANGE.\r\n\r\nA Fictitious VOR ABC will be added.");
  EXPECT_EQ(EncodeNavaid(db.Navaids[0]), EncodeNavaid(before));  // the table keeps its records

  const QString refusal =
      "0 VORs found within the selected NAV RANGE.\r\n\r\nAn AREA must contain at least 1 VOR.\r\n"
      "Please choose a larger NAV RANGE";
  const ScanOutcome narrow = Scan(db, CentreAt(52, 0, 5, 0), 5, 2);
  EXPECT_FALSE(narrow.Result.FictitiousVor.has_value());
  EXPECT_FALSE(narrow.SaveEnabled);
  EXPECT_EQ(narrow.Message, refusal);
  EXPECT_EQ(narrow.Lines.at(2), "0 VORs found.");

  // Nothing at all at the widest range: refused like a smaller range.
  const ScanOutcome empty = Scan(NavDatabase{}, CentreAt(52, 0, 5, 0), 6, 2);
  EXPECT_FALSE(empty.SaveEnabled);
  EXPECT_EQ(empty.Message, refusal);
}

TEST(NavDatabaseScan, NoNavRangeFindsNoBeacon) {
  NavDatabase db;
  db.Navaids[0] = Navaid("VOR", "1", "114.0", 52, 0, 5, 0);  // at the centre itself
  EXPECT_EQ(RangeOf(kNavRanges, -1), 0);
  EXPECT_EQ(RangeOf(kIlsRanges, 6), 50);
  EXPECT_EQ(Scan(db, CentreAt(52, 0, 5, 0), -1, 2).Result.VorCount, 0);
}

// ---- Building the area ----

TEST(NavDatabaseBuild, FillsTheListsFromTheScan) {
  NavDatabase db;
  db.Airports[100] = Airport("NLEHAM", "AMSTERDAM", "EHAM", 52, 18, 4, 46, -7);
  db.Navaids[0] = Navaid("VOA", "4", "114.35", 52, 5, 5, 0);
  db.Navaids[1] = Navaid("NA ", "5", "382", 52, 0, 5, 5);
  db.Navaids[2] = Navaid("LOC", "5", "400", 51, 58, 5, 0);
  db.Navaids[3] = Navaid("OM ", "5", "300", 51, 59, 5, 0);
  db.Ils[0] = Ils("27", "110.1", 52, 1, 5, 1);
  db.Ils[0].LocatorName = "LOC ", db.Ils[0].LocatorFreq = "400", db.Ils[0].LocatorDistance = 4.56;
  db.Ils[1] = Ils("09", "110.3", 52, 1, 5, 3);
  db.Ils[1].LocatorName = "OM  ", db.Ils[1].LocatorDistance = 3.04;
  db.Ils[1].Elevation = IlsRecord::kUnknownElevation;
  const ScanOutcome out = Scan(db, CentreAt(52, 0, 5, 0), 2, 2);
  ASSERT_TRUE(out.SaveEnabled);

  AreaState area;
  FillDefaultArea(area);
  area.NdbList[5].Name = "OLD";
  BuildAreaLists(db, out.Result, area);

  EXPECT_EQ(area.VorList[0].Name, "VOA");
  EXPECT_EQ(area.VorList[0].Frequency, "114.35");
  EXPECT_EQ(area.VorList[0].Variation, -2);
  EXPECT_EQ(area.VorList[0].LatMin, 5);
  EXPECT_FALSE(area.VorList[1].Used());  // the default area's BBB is gone
  // NDBs compacted; LOC is the first ILS's locator and is left out; "OM " stays.
  EXPECT_EQ(area.NdbList[0].Name, "NA ");
  EXPECT_EQ(area.NdbList[1].Name, "OM ");
  EXPECT_FALSE(area.NdbList[2].Used());
  EXPECT_FALSE(area.NdbList[5].Used());

  const AreaBeacon& ils = area.IlsList[0];
  EXPECT_EQ(ils.Name, "27");
  EXPECT_EQ(ils.Frequency, "110.1");
  EXPECT_EQ(ils.FinalCourse, 58);
  EXPECT_EQ(ils.Variation, -1);
  EXPECT_EQ(ils.Elevation, -11);
  EXPECT_EQ(ils.LocatorName, "LOC ");
  EXPECT_EQ(ils.LocatorFreq, "400");
  EXPECT_DOUBLE_EQ(ils.LocatorDistance, 4.6);
  EXPECT_EQ(area.IlsList[1].Elevation, -7);  // unknown: taken from its airport
  EXPECT_DOUBLE_EQ(area.IlsList[1].LocatorDistance, 3.0);
  EXPECT_EQ(area.VorList[0].X, 0);
  EXPECT_EQ(area.IlsList[0].Y, 0);
}

TEST(NavDatabaseBuild, TwoLetterNdbIsTheLocatorWithTwoBlanks) {
  NavDatabase db;
  db.Navaids[0] = Navaid("VOR", "1", "114.0", 52, 0, 5, 0);
  db.Navaids[1] = Navaid("FW ", "5", "382", 52, 1, 5, 0);
  db.Ils[0] = Ils("07", "110.5", 52, 1, 5, 1);
  db.Ils[0].LocatorName = "FW  ";
  AreaState area;
  BuildAreaLists(db, Scan(db, CentreAt(52, 0, 5, 0), 0, 2).Result, area);
  EXPECT_FALSE(area.NdbList[0].Used());

  db.Ils[0].LocatorName = "FW ";  // one blank only: another name
  BuildAreaLists(db, Scan(db, CentreAt(52, 0, 5, 0), 0, 2).Result, area);
  EXPECT_EQ(area.NdbList[0].Name, "FW ");
}

TEST(NavDatabaseBuild, EmptyIlsSlotsDoNotHideAnNdb) {
  NavDatabase db;
  db.Navaids[0] = Navaid("VOR", "1", "114.0", 52, 0, 5, 0);
  db.Navaids[1] = Navaid("LCA", "5", "370", 52, 1, 5, 0);
  AreaState area;
  FillDefaultArea(area);
  area.IlsList[4].LocatorName = "LCA ";  // an older area's locator in a slot that stays empty
  BuildAreaLists(db, Scan(db, CentreAt(52, 0, 5, 0), 0, 0).Result, area);
  EXPECT_FALSE(area.IlsList[0].Used());
  EXPECT_EQ(area.NdbList[0].Name, "LCA");
}

TEST(NavDatabaseBuild, UnknownElevationWithoutItsAirportIsSeaLevel) {
  NavDatabase db;
  db.Navaids[0] = Navaid("VOR", "1", "114.0", 52, 0, 5, 0);
  db.Ils[0] = Ils("27", "110.1", 52, 1, 5, 1);
  db.Ils[0].Elevation = IlsRecord::kUnknownElevation;
  db.Ils[0].AirportIdent = "NLNONE";
  AreaState area;
  FillDefaultArea(area);  // its ILS slot 1 holds 120 ft
  BuildAreaLists(db, Scan(db, CentreAt(52, 0, 5, 0), 0, 2).Result, area);
  EXPECT_EQ(area.IlsList[0].Elevation, 0);

  db.Airports[3] = Airport("NLNONE", "A", "AAAA", 52, 0, 5, 0, 40);
  db.Airports[8] = Airport("NLNONE", "B", "BBBB", 52, 0, 5, 0, 55);  // the last match counts
  BuildAreaLists(db, Scan(db, CentreAt(52, 0, 5, 0), 0, 2).Result, area);
  EXPECT_EQ(area.IlsList[0].Elevation, 55);
}

TEST(NavDatabaseBuild, FictitiousVorAndItsNdbBothEnterTheArea) {
  NavDatabase db;
  db.Navaids[3] = Navaid("NDA", "5", "350", 52, 30, 5, 0);
  const ScanOutcome out = Scan(db, CentreAt(52, 0, 5, 0), 6, 2);
  AreaState area;
  BuildAreaLists(db, out.Result, area);
  EXPECT_EQ(area.VorList[0].Name, "ABC");
  EXPECT_EQ(area.VorList[0].Frequency, "114.0");
  EXPECT_EQ(area.VorList[0].LatMin, 30);
  EXPECT_EQ(area.NdbList[0].Name, "NDA");
  EXPECT_EQ(area.NdbList[0].Frequency, "350");
}

TEST(NavDatabaseBuild, AreaNameAndLocatorRounding) {
  EXPECT_EQ(BuildAreaName(SearchChoice::AirportIcao, "EHM "), "EHM");
  EXPECT_EQ(BuildAreaName(SearchChoice::NavaidIdent, "AB "), "AB");
  EXPECT_EQ(BuildAreaName(SearchChoice::NavaidIdent, "ABC"), "ABC");
  EXPECT_EQ(BuildAreaName(SearchChoice::AirportName, "SCHIPHOL"), "");
  EXPECT_EQ(BuildAreaName(SearchChoice::NavaidName, "ABBEY"), "");
  EXPECT_DOUBLE_EQ(RoundedLocatorDistance(4.449), 4.4);
  EXPECT_DOUBLE_EQ(RoundedLocatorDistance(4.45), 4.5);
  EXPECT_DOUBLE_EQ(RoundedLocatorDistance(0.04), 0.0);
}

// ---- The shipped files ----

QByteArray Shipped(const char* name) {
  QFile f(ShippedDataDir() + "/Navdata/" + name);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(NavDatabaseShipped, FilesHoldExactlyTheTables) {
  NavDatabase db;
  const QByteArray airports = Shipped("ARPT.dat"), navaids = Shipped("NAV.dat"), ils = Shipped("ILS.dat");
  EXPECT_EQ(airports.size(), kAirportRecords * kAirportRecordBytes);
  EXPECT_EQ(navaids.size(), kNavaidRecords * kNavaidRecordBytes);
  EXPECT_EQ(ils.size(), kIlsRecords * kIlsRecordBytes);
  ASSERT_TRUE(ReadAirportTable(airports, db.Airports));
  ASSERT_TRUE(ReadNavaidTable(navaids, db.Navaids));
  ASSERT_TRUE(ReadIlsTable(ils, db.Ils));

  const SearchResult eham = RunSearch(db, SearchChoice::AirportIcao, "eham");
  ASSERT_EQ(eham.Count, 1);
  const AirportRecord& schiphol = db.Airports[static_cast<std::size_t>(eham.Hits[0])];
  EXPECT_EQ(schiphol.Ident, "NLEHAM");
  EXPECT_EQ(AirportLines(schiphol).mid(2), (QStringList{"Country: NL", "N52 18.5", "E4 45.8"}));

  // Around Schiphol: a VOR to fly from and the runways' ILSs.
  const ScanOutcome out = Scan(db, CentreOf(schiphol), 2, 2);
  EXPECT_TRUE(out.SaveEnabled);
  EXPECT_GE(out.Result.VorCount, 1);
  EXPECT_GE(out.Result.IlsCount, 5);
  for (int i = 0; i < out.Result.IlsCount; ++i)
    EXPECT_EQ(db.Ils[static_cast<std::size_t>(out.Result.Ils[static_cast<std::size_t>(i)])].AirportIdent, "NLEHAM");

  // Every used navaid has a frequency the area editor accepts.
  for (const NavaidRecord& n : db.Navaids) {
    if (FamilyOf(n) == NavaidFamily::Vor) {
      const double mhz = n.Frequency.toDouble();
      EXPECT_TRUE(mhz >= 108 && mhz <= 118) << n.Ident.toStdString();
    } else if (FamilyOf(n) == NavaidFamily::Ndb) {
      const double khz = n.Frequency.toDouble();
      EXPECT_TRUE(khz >= 190 && khz <= 1750) << n.Ident.toStdString();
    }
  }
}

// A database beacon as the area holds it, taken back into the editor's
// inputs (Edit) and added again: what keeps it from coming back as it was,
// empty when nothing does. Its list line must keep its columns apart too.
QString EditAndAddBack(const AreaBeacon& built, int tab) {
  const bool ils = tab == kIlsTab;
  const TabTexts t = TabParametersFor(tab);
  AreaBeaconList list{};
  const AddResult r = AddBeacon(list, tab, t.freqMin, t.freqMax, InputsForEdit(built, ils));
  if (!r.added) return r.messages.isEmpty() ? "refused" : r.messages[0].text;
  const AreaBeacon& a = list[0];
  if (a.Name != built.Name.trimmed() || a.Frequency != built.Frequency) return "name or frequency changed";
  if (a.LatHemisphere != built.LatHemisphere || a.LatDeg != built.LatDeg || a.LatMin != built.LatMin ||
      a.LonHemisphere != built.LonHemisphere || a.LonDeg != built.LonDeg || a.LonMin != built.LonMin)
    return "moved to " + a.LatHemisphere + QString::number(a.LatDeg) + " " + QString::number(a.LatMin, 'g', 17) +
           " " + a.LonHemisphere + QString::number(a.LonDeg) + " " + QString::number(a.LonMin, 'g', 17);
  if (ils) {
    if (a.FinalCourse != built.FinalCourse || a.Elevation != built.Elevation) return "course or elevation changed";
    if (a.LocatorDistance != built.LocatorDistance) return "locator distance changed";
    if (built.LocatorDistance > 0 &&
        (a.LocatorName != built.LocatorName.trimmed() || a.LocatorFreq != built.LocatorFreq))
      return "locator changed";
  }
  // The latitude's minutes end before the longitude's hemisphere letter,
  // and the longitude's before the next column.
  const QString line = AreaListLine(built, 1, ils);
  if (line.mid(24, 2) != "  " || line.mid(26, 1) != built.LonHemisphere || line.mid(35, 2) != "  ")
    return "columns run together: " + line;
  return {};
}

TEST(NavDatabaseShipped, EveryBeaconCanBeEditedAndAddedBack) {
  NavDatabase db;
  ASSERT_TRUE(ReadNavaidTable(Shipped("NAV.dat"), db.Navaids));
  ASSERT_TRUE(ReadIlsTable(Shipped("ILS.dat"), db.Ils));
  ASSERT_TRUE(ReadAirportTable(Shipped("ARPT.dat"), db.Airports));
  int vors = 0, ndbs = 0, ils = 0;
  QStringList problems;
  for (std::size_t i = 0; i < db.Navaids.size(); ++i) {
    const NavaidFamily family = FamilyOf(db.Navaids[i]);
    if (family == NavaidFamily::Other) continue;
    const bool vor = family == NavaidFamily::Vor;
    ScanResult scan;
    (vor ? scan.Vor : scan.Ndb)[0] = static_cast<int>(i);
    AreaState area;
    BuildAreaLists(db, scan, area);
    ++(vor ? vors : ndbs);
    const QString problem = EditAndAddBack(vor ? area.VorList[0] : area.NdbList[0], vor ? kVorTab : kNdbTab);
    if (!problem.isEmpty()) problems << "NAV " + db.Navaids[i].Ident + " " + db.Navaids[i].Name + ": " + problem;
  }
  for (std::size_t i = 0; i < db.Ils.size(); ++i) {
    if (db.Ils[i].Runway.trimmed().isEmpty()) continue;
    ScanResult scan;
    scan.Ils[0] = static_cast<int>(i);
    AreaState area;
    BuildAreaLists(db, scan, area);
    ++ils;
    const QString problem = EditAndAddBack(area.IlsList[0], kIlsTab);
    if (!problem.isEmpty()) problems << "ILS " + db.Ils[i].AirportIdent + " " + db.Ils[i].Runway + ": " + problem;
  }
  EXPECT_GT(vors, 3000);
  EXPECT_GT(ndbs, 6000);
  EXPECT_GT(ils, 3400);
  EXPECT_TRUE(problems.isEmpty()) << problems.size() << " records, e.g.\n"
                                  << problems.mid(0, 12).join('\n').toStdString();
}

}  // namespace
}  // namespace tvx
