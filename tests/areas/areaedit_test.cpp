#include "areas/areaedit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <ostream>
#include <vector>

// Texts written readably in failure messages.
static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace tvx {
namespace {

AreaBeacon Beacon(const char* name, const char* freq, const char* ns, int latDeg, double latMin, const char* ew,
                  int lonDeg, double lonMin) {
  AreaBeacon b;
  b.Name = name;
  b.Frequency = freq;
  b.LatHemisphere = ns;
  b.LatDeg = latDeg;
  b.LatMin = latMin;
  b.LonHemisphere = ew;
  b.LonDeg = lonDeg;
  b.LonMin = lonMin;
  return b;
}

AreaBeacon Runway09() {
  AreaBeacon b = Beacon("09", "110.3", "N", 52, 7.5, "E", 4, 45.25);
  b.FinalCourse = 92;
  b.Elevation = 12;
  b.LocatorDistance = 4.5;
  b.LocatorName = "OM";
  b.LocatorFreq = "350";
  return b;
}

// Inputs of a VOR that passes every check.
AreaInputs GoodVor() {
  AreaInputs in;
  in.Naam = "AAA";
  in.Freq = "114.0";
  in.NS = "N";
  in.Latdeg = "40";
  in.Latmin = "0";
  in.EW = "W";
  in.Longdeg = "20";
  in.Longmin = "0";
  return in;
}

AreaInputs GoodIls() {
  AreaInputs in = GoodVor();
  in.Naam = "09";
  in.Freq = "110.3";
  in.course = "92";
  in.Elev = "12";
  in.lctrnaam = "OM";
  in.lctrfreq = "350";
  in.lctrdist = "4.5";
  return in;
}

QStringList Texts(const QList<InputMessage>& messages) {
  QStringList out;
  for (const auto& m : messages) out << m.text;
  return out;
}

TEST(AreaListText, LinesOfTheExamples) {
  const AreaBeacon vor = Beacon("AAA", "114.0", "N", 40, 0, "W", 20, 0);
  EXPECT_EQ(AreaListLine(vor, 1, false), "1  AAA  114.0   N40 00    W020 00        ");
  EXPECT_EQ(AreaListLine(vor, 1, false).size(), 41);
  EXPECT_EQ(AreaListLine(Runway09(), 2, true),
            "2  09   110.3   N52 07.5  E004 45.25     092  12    4.5   OM    350");
  // An empty slot gives its number alone.
  EXPECT_EQ(AreaListLine(AreaBeacon{}, 15, false), "15");
}

TEST(AreaListText, DigitsAndColumnsPushedByLongFields) {
  AreaBeacon b = Beacon("ABCD", "1750.5", "S", 5, 12.25, "E", 123, 59.9);
  EXPECT_EQ(AreaListLine(b, 12, false), "12 ABCD 1750.5  S05 12.25 E123 59.9      ");
  // A course of one digit, a negative elevation, a locator at 15 NM.
  b.FinalCourse = 7;
  b.Elevation = -500;
  b.LocatorDistance = 15;
  b.LocatorName = "";
  b.LocatorFreq = "";
  EXPECT_EQ(AreaListLine(b, 3, true), "3  ABCD 1750.5  S05 12.25 E123 59.9      007  -500  15          ");
  // Longitude degrees below 10 and 100, minutes below 10.
  b = Beacon("X", "1", "N", 0, 0.5, "W", 9, 5);
  EXPECT_EQ(AreaListLine(b, 1, false).mid(16), "N00 00.5  W009 05        ");
  b.LonDeg = 99;
  EXPECT_EQ(AreaListLine(b, 1, false).mid(26, 4), "W099");
  // Fields longer than their column push the later ones right, without a
  // blank between; the course then fills with pairs of blanks past 46.
  b = Beacon("X", "1", "N", 0, 1.123456789, "W", 0, 0);
  b.FinalCourse = 360;
  b.Elevation = 7;
  const QString line = AreaListLine(b, 1, true);
  EXPECT_EQ(line.mid(20, 18), "01.123456789W00000");
  EXPECT_EQ(line.indexOf("360"), 42);
  EXPECT_EQ(line.mid(45, 3), "  7");
}

TEST(AreaListText, FifteenLinesOfAList) {
  AreaBeaconList list{};
  list[0] = Beacon("AAA", "114.0", "N", 40, 0, "W", 20, 0);
  list[2] = Beacon("CCC", "115.4", "N", 39, 54, "W", 19, 58);  // a gap, as files may have
  const QStringList lines = AreaListText(list, false);
  ASSERT_EQ(lines.size(), 15);
  EXPECT_TRUE(lines[0].startsWith("1  AAA"));
  EXPECT_EQ(lines[1], "2");
  EXPECT_TRUE(lines[2].startsWith("3  CCC"));
  EXPECT_EQ(lines[14], "15");
}

TEST(AreaListText, ShortestDecimalText) {
  const std::vector<std::pair<double, QString>> cases = {
      {0, "0"},           {-0.0, "0"},       {45.25, "45.25"},  {7.5, "7.5"},         {59.9, "59.9"},
      {0.1 + 0.2, "0.3"}, {1e-5, "1E-5"},    {0.0001, "0.0001"}, {1e20, "1E20"},      {-2.5, "-2.5"},
      {1.0 / 3, "0.333333333333333"},        {123456789012345.0, "123456789012345"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(DecimalText(value), text) << value;
}

TEST(AreaPrintText, PrintedLinesOfTheThreeLists) {
  AreaBeaconList vor{}, ndb{}, ils{};
  vor[0] = Beacon("AAA", "114.0", "N", 40, 0, "W", 20, 0);
  vor[1] = Beacon("BBB", "114.6", "N", 39, 56, "W", 20, 8);
  ils[0] = Runway09();
  ndb[3] = Beacon("", "350", "N", 1, 1, "W", 1, 1);  // an empty slot prints nothing
  const QStringList lines = PrintAreaText("Area: Test", vor, ndb, ils);
  const QStringList expected = {
      "Area: Test",
      "VOR     Freq    Latitude  Long. ",
      "1  AAA  114.0   N40 00    W020 00         ",
      "2  BBB  114.6   N39 56    W020 08         ",
      "",
      "NDB     Freq    Latitude  Long. ",
      "",
      "ILS     Freq    Latitude  Long.           Crs Elev  Dist  Lctr  Freq",
      "1  09   110.3   N52 07.5  E004 45.25      092 12    4.5   OM    350",
  };
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(lines[2].size(), 42);
  // The printed columns stand under the printed heads.
  EXPECT_EQ(lines[8].indexOf("092"), lines[7].indexOf("Crs"));
  EXPECT_EQ(lines[8].indexOf("12 "), lines[7].indexOf("Elev"));
  EXPECT_EQ(lines[8].indexOf("4.5"), lines[7].indexOf("Dist"));
  EXPECT_EQ(lines[8].indexOf("OM"), lines[7].indexOf("Lctr"));
  EXPECT_EQ(lines[8].indexOf("350"), lines[7].lastIndexOf("Freq"));
}

TEST(AreaTabs, TextsAndLimitsPerTab) {
  const TabTexts vor = TabParametersFor(kVorTab), ndb = TabParametersFor(kNdbTab), ils = TabParametersFor(kIlsTab);
  EXPECT_EQ(vor.addCaption, "&Add VOR");
  EXPECT_EQ(vor.plainRemove, "&REMOVE VOR");
  EXPECT_EQ(ndb.deleteCaption, "&Delete NDB");
  EXPECT_EQ(ndb.plainEdit, "&EDIT NDB");
  EXPECT_EQ(ils.editCaption, "&Edit ILS");
  EXPECT_EQ(ils.plainAdd, "&ADD ILS");
  EXPECT_EQ(std::make_pair(vor.freqMin, vor.freqMax), std::make_pair(108, 118));
  EXPECT_EQ(std::make_pair(ndb.freqMin, ndb.freqMax), std::make_pair(190, 1750));
  EXPECT_EQ(std::make_pair(ils.freqMin, ils.freqMax), std::make_pair(108, 112));
  EXPECT_EQ(ndb.freqHint, "190 - 1750");
  EXPECT_EQ(vor.nameLabel, "Name");
  EXPECT_EQ(vor.nameHint, "Lettercode");
  EXPECT_EQ(ils.nameLabel, "Runway");
  EXPECT_EQ(ils.nameHint, "Runway name");
  EXPECT_FALSE(vor.ilsInputs);
  EXPECT_FALSE(ndb.ilsInputs);
  EXPECT_TRUE(ils.ilsInputs);
  AreaState a;
  a.IlsList[0].Name = "I";
  a.NdbList[0].Name = "N";
  EXPECT_EQ(ListOfTab(a, kIlsTab)[0].Name, "I");
  EXPECT_EQ(ListOfTab(a, kNdbTab)[0].Name, "N");
  EXPECT_EQ(&ListOfTab(a, kVorTab), &a.VorList);
}

// One add: the inputs changed from a good VOR, the tab, and what must come of it.
struct AddCase {
  const char* what;
  int tab;
  std::function<void(AreaInputs&)> change;
  QStringList messages;
  AreaInput focus = AreaInput::None;
};

TEST(AreaAdd, ChecksInOrderWithTheirMessages) {
  const QString notBetweenVor = "ERROR: FREQUENCY IS NOT BETWEEN 108.0 AND 118.0";
  const std::vector<AddCase> cases = {
      {"good VOR", kVorTab, [](AreaInputs&) {}, {}},
      {"118.0 excluded", kVorTab, [](AreaInputs& in) { in.Freq = "118.0"; }, {notBetweenVor}, AreaInput::Freq},
      {"117.95 accepted", kVorTab, [](AreaInputs& in) { in.Freq = "117.95"; }, {}},
      {"below 108", kVorTab, [](AreaInputs& in) { in.Freq = "107.9"; }, {notBetweenVor}, AreaInput::Freq},
      {"7 characters in range", kVorTab, [](AreaInputs& in) { in.Freq = "108.000"; },
       {"ERROR: FREQUENCY INPUT IS TOO LONG "}, AreaInput::Freq},
      {"too long and out of range", kVorTab, [](AreaInputs& in) { in.Freq = "1234567"; },
       {"ERROR: FREQUENCY INPUT IS TOO LONG ", notBetweenVor}, AreaInput::Freq},
      {"too long and no number", kVorTab, [](AreaInputs& in) { in.Freq = "abcdefg"; },
       {"ERROR: FREQUENCY INPUT IS TOO LONG ", "ERROR: FREQUENCY IS NOT CORRECT "}, AreaInput::Freq},
      {"frequency no number", kVorTab, [](AreaInputs& in) { in.Freq = "11x"; },
       {"ERROR: FREQUENCY IS NOT CORRECT "}, AreaInput::Freq},
      {"NDB limit", kNdbTab, [](AreaInputs& in) { in.Freq = "1750"; },
       {"ERROR: FREQUENCY IS NOT BETWEEN 190.0 AND 1750.0"}, AreaInput::Freq},
      {"NDB low end", kNdbTab, [](AreaInputs& in) { in.Freq = "190"; }, {}},
      {"ILS 112 excluded", kIlsTab, [](AreaInputs& in) { in.Freq = "112"; },
       {"ERROR: FREQUENCY IS NOT BETWEEN 108.0 AND 112.0"}, AreaInput::Freq},
      {"hemisphere letter", kVorTab, [](AreaInputs& in) { in.NS = "X"; },
       {"ERROR: NORTH or SOUTH letter IS NOT CORRECT "}, AreaInput::NS},
      {"empty hemisphere", kVorTab, [](AreaInputs& in) { in.NS = ""; },
       {"ERROR: NORTH or SOUTH letter IS NOT CORRECT "}, AreaInput::NS},
      {"latitude 90", kVorTab, [](AreaInputs& in) { in.Latdeg = "90"; },
       {"ERROR: LATITUDE DEGREES ARE NOT BETWEEN 0 AND 90"}, AreaInput::Latdeg},
      {"latitude -1", kVorTab, [](AreaInputs& in) { in.Latdeg = "-1"; },
       {"ERROR: LATITUDE DEGREES ARE NOT BETWEEN 0 AND 90"}, AreaInput::Latdeg},
      {"latitude 89", kVorTab, [](AreaInputs& in) { in.Latdeg = "89"; }, {}},
      {"latitude not whole", kVorTab, [](AreaInputs& in) { in.Latdeg = "4.5"; },
       {"ERROR: LATITUDE DEGREES ARE NOT CORRECT "}, AreaInput::Latdeg},
      {"minutes 60", kVorTab, [](AreaInputs& in) { in.Latmin = "60"; },
       {"ERROR: LATITUDE MINUTES ARE NOT BETWEEN 0 AND 60 "}, AreaInput::Latmin},
      {"minutes 59.9", kVorTab, [](AreaInputs& in) { in.Latmin = "59.9"; }, {}},
      {"minutes 59.95", kVorTab, [](AreaInputs& in) { in.Latmin = "59.95"; },
       {"ERROR: LATITUDE MINUTES INPUT IS TOO LONG "}, AreaInput::Latmin},
      {"minutes no number", kVorTab, [](AreaInputs& in) { in.Latmin = ""; },
       {"ERROR: LATITUDE MINUTES ARE NOT CORRECT "}, AreaInput::Latmin},
      {"east west letter", kVorTab, [](AreaInputs& in) { in.EW = "w"; },
       {"ERROR: EAST or WEST letter IS NOT CORRECT "}, AreaInput::EW},
      {"longitude 180", kVorTab, [](AreaInputs& in) { in.Longdeg = "180"; },
       {"ERROR: LONGITUDE DEGREES ARE NOT BETWEEN 0 AND 180"}, AreaInput::Longdeg},
      {"longitude 179", kVorTab, [](AreaInputs& in) { in.Longdeg = "179"; }, {}},
      {"longitude no number", kVorTab, [](AreaInputs& in) { in.Longdeg = "x"; },
       {"ERROR: LONGITUDE DEGREES ARE NOT CORRECT "}, AreaInput::Longdeg},
      {"longitude minutes", kVorTab, [](AreaInputs& in) { in.Longmin = "-0.1"; },
       {"ERROR: LONGITUDE MINUTES ARE NOT BETWEEN 0 AND 60 "}, AreaInput::Longmin},
      {"longitude minutes too long, out of range", kVorTab, [](AreaInputs& in) { in.Longmin = "100.5"; },
       {"ERROR: LONGITUDE MINUTES INPUT IS TOO LONG ", "ERROR: LONGITUDE MINUTES ARE NOT BETWEEN 0 AND 60 "},
       AreaInput::Longmin},
      {"longitude minutes no number", kVorTab, [](AreaInputs& in) { in.Longmin = "1,5"; },
       {"ERROR: LONGITUDE MINUTES ARE NOT CORRECT "}, AreaInput::Longmin},
      {"name too long", kVorTab, [](AreaInputs& in) { in.Naam = "abcde"; }, {"ERROR: NAME IS TOO LONG "},
       AreaInput::Naam},
      {"no name", kVorTab, [](AreaInputs& in) { in.Naam = ""; }, {"ERROR: NAME IS NOT CORRECT "}, AreaInput::Naam},
      {"name beyond Latin-1", kVorTab, [](AreaInputs& in) { in.Naam = QString::fromUtf8("A\xce\xa9"); },
       {"ERROR: NAME HAS A CHARACTER THAT CAN NOT BE SAVED "}, AreaInput::Naam},
      {"name beyond Latin-1 as one of a pair", kVorTab,
       [](AreaInputs& in) { in.Naam = QString::fromUtf8("\xf0\x9f\x9b\xa9"); },
       {"ERROR: NAME HAS A CHARACTER THAT CAN NOT BE SAVED "}, AreaInput::Naam},
      {"name in Latin-1", kVorTab, [](AreaInputs& in) { in.Naam = QString::fromUtf8("\xc3\x85S"); }, {}},
      {"only the first refusing input", kVorTab,
       [](AreaInputs& in) {
         in.Latdeg = "95";
         in.Longdeg = "200";
         in.Naam = "";
       },
       {"ERROR: LATITUDE DEGREES ARE NOT BETWEEN 0 AND 90"}, AreaInput::Latdeg},
  };
  for (const AddCase& c : cases) {
    AreaInputs in = c.tab == kIlsTab ? GoodIls() : GoodVor();
    if (c.tab == kNdbTab) in.Freq = "350";
    c.change(in);
    AreaBeaconList list{};
    const TabTexts t = TabParametersFor(c.tab);
    const AddResult r = AddBeacon(list, c.tab, t.freqMin, t.freqMax, in);
    EXPECT_EQ(Texts(r.messages), c.messages) << c.what;
    EXPECT_EQ(r.added, c.messages.isEmpty()) << c.what;
    for (const auto& m : r.messages) EXPECT_EQ(m.input, c.focus) << c.what;
  }
}

TEST(AreaAdd, IlsChecks) {
  const std::vector<AddCase> cases = {
      {"course 360", kIlsTab, [](AreaInputs& in) { in.course = "360"; }, {}},
      {"course 361", kIlsTab, [](AreaInputs& in) { in.course = "361"; },
       {"ERROR: COURSE IS NOT BETWEEN 0 AND 360"}, AreaInput::course},
      {"course text", kIlsTab, [](AreaInputs& in) { in.course = "09x"; }, {"ERROR: COURSE IS NOT CORRECT "},
       AreaInput::course},
      {"elevation -500", kIlsTab, [](AreaInputs& in) { in.Elev = "-500"; }, {}},
      // Runways from the Dead Sea's shore to the highest airports.
      {"elevation -1266", kIlsTab, [](AreaInputs& in) { in.Elev = "-1266"; }, {}},
      {"elevation 5558", kIlsTab, [](AreaInputs& in) { in.Elev = "5558"; }, {}},
      {"elevation 14472", kIlsTab, [](AreaInputs& in) { in.Elev = "14472"; }, {}},
      {"elevation -1500", kIlsTab, [](AreaInputs& in) { in.Elev = "-1500"; }, {}},
      {"elevation 15000", kIlsTab, [](AreaInputs& in) { in.Elev = "15000"; }, {}},
      {"elevation 15001", kIlsTab, [](AreaInputs& in) { in.Elev = "15001"; },
       {"ERROR: ELEVATION IS NOT BETWEEN -1500 AND 15000"}, AreaInput::Elev},
      {"elevation -1501", kIlsTab, [](AreaInputs& in) { in.Elev = "-1501"; },
       {"ERROR: ELEVATION IS NOT BETWEEN -1500 AND 15000"}, AreaInput::Elev},
      {"elevation text", kIlsTab, [](AreaInputs& in) { in.Elev = ""; }, {"ERROR: ELEVATION IS NOT CORRECT "},
       AreaInput::Elev},
      {"locator name", kIlsTab, [](AreaInputs& in) { in.lctrnaam = "OUTER"; },
       {"ERROR: LOCATOR NAME IS TOO LONG "}, AreaInput::lctrnaam},
      {"locator frequency", kIlsTab, [](AreaInputs& in) { in.lctrfreq = "1234567"; },
       {"ERROR: LOCATOR FREQUENCY IS TOO LONG "}, AreaInput::lctrfreq},
      {"locator frequency unchecked range", kIlsTab, [](AreaInputs& in) { in.lctrfreq = "99999"; }, {}},
      // The area file holds Latin-1: other characters would be saved as "?".
      {"locator name beyond Latin-1", kIlsTab, [](AreaInputs& in) { in.lctrnaam = QString::fromUtf8("\xd0\x96K"); },
       {"ERROR: LOCATOR NAME HAS A CHARACTER THAT CAN NOT BE SAVED "}, AreaInput::lctrnaam},
      {"locator name in Latin-1", kIlsTab, [](AreaInputs& in) { in.lctrnaam = QString::fromUtf8("\xc3\x89K"); }, {}},
      {"locator frequency beyond Latin-1", kIlsTab,
       [](AreaInputs& in) { in.lctrfreq = QString::fromUtf8("3\xef\xbc\x95" "0"); },
       {"ERROR: LOCATOR FREQUENCY HAS A CHARACTER THAT CAN NOT BE SAVED "}, AreaInput::lctrfreq},
      {"distance 15", kIlsTab, [](AreaInputs& in) { in.lctrdist = "15"; }, {}},
      {"distance 0", kIlsTab, [](AreaInputs& in) { in.lctrdist = "0"; }, {}},
      {"distance 15.1", kIlsTab, [](AreaInputs& in) { in.lctrdist = "15.1"; },
       {"ERROR: LOCATOR DISTANCE IS NOT BETWEEN 0 AND 15 "}, AreaInput::lctrdist},
      {"distance too long in range", kIlsTab, [](AreaInputs& in) { in.lctrdist = "14.75"; },
       {"ERROR: LOCATOR DISTANCE IS TOO LONG "}, AreaInput::lctrdist},
      {"distance empty", kIlsTab, [](AreaInputs& in) { in.lctrdist = ""; },
       {"ERROR: LOCATOR DISTANCE IS NOT CORRECT "}, AreaInput::lctrdist},
      {"runway name checked before the ILS inputs", kIlsTab,
       [](AreaInputs& in) {
         in.Naam = "";
         in.course = "999";
       },
       {"ERROR: NAME IS NOT CORRECT "}, AreaInput::Naam},
      {"ILS inputs not read on the VOR tab", kVorTab, [](AreaInputs& in) { in.course = "999"; }, {}},
  };
  for (const AddCase& c : cases) {
    AreaInputs in = GoodIls();
    c.change(in);
    AreaBeaconList list{};
    const TabTexts t = TabParametersFor(c.tab);
    const AddResult r = AddBeacon(list, c.tab, t.freqMin, t.freqMax, in);
    EXPECT_EQ(Texts(r.messages), c.messages) << c.what;
    for (const auto& m : r.messages) EXPECT_EQ(m.input, c.focus) << c.what;
  }
}

TEST(AreaAdd, WritesTheFirstEmptySlot) {
  AreaBeaconList list{};
  list[0] = Beacon("AAA", "114.0", "N", 40, 0, "W", 20, 0);
  list[2] = Beacon("CCC", "115.4", "N", 39, 54, "W", 19, 58);
  list[1].FinalCourse = 77;  // left in the empty slot from an earlier runway
  list[1].X = 9;
  AreaInputs in = GoodVor();
  in.Naam = " bb1 ";
  in.Freq = " 108 ";  // blanks would keep it from ever matching a tuned frequency
  in.NS = "S";
  in.Latdeg = "5";
  in.Latmin = "7.25";
  in.EW = "E";
  in.Longdeg = "150";
  in.Longmin = "0.5";
  const AddResult r = AddBeacon(list, kVorTab, 108, 118, in);
  ASSERT_TRUE(r.added);
  EXPECT_EQ(r.slot, 1);
  EXPECT_TRUE(r.nameChecked);
  EXPECT_EQ(r.nameText, "BB1");
  EXPECT_TRUE(r.variationSet);
  const AreaBeacon& b = list[1];
  EXPECT_EQ(b.Name, "BB1");
  EXPECT_EQ(b.Frequency, "108");
  EXPECT_EQ(b.LatHemisphere, "S");
  EXPECT_EQ(b.LatDeg, 5);
  EXPECT_EQ(b.LatMin, 7.25);
  EXPECT_EQ(b.LonHemisphere, "E");
  EXPECT_EQ(b.LonDeg, 150);
  EXPECT_EQ(b.LonMin, 0.5);
  EXPECT_EQ(b.Variation, 0);
  EXPECT_EQ(b.X, 0);
  EXPECT_EQ(b.FinalCourse, 77);  // runway fields of a VOR are left as they were
  EXPECT_EQ(list[2].Name, "CCC");
}

TEST(AreaAdd, FullListRefusesAtOnce) {
  AreaBeaconList list{};
  for (int i = 0; i < kAreaSlots; ++i) list[i] = Beacon("V", "110.0", "N", 1, 0, "E", 1, 0);
  AreaInputs in = GoodVor();
  in.Freq = "bad";  // would give a message of its own
  const AddResult r = AddBeacon(list, kVorTab, 108, 118, in);
  EXPECT_EQ(Texts(r.messages), QStringList{"ERROR: LIST IS FULL. UNABLE TO ADD BEACON "});
  EXPECT_FALSE(r.added);
  EXPECT_FALSE(r.nameChecked);
}

TEST(AreaAdd, NameAndVariationBoxesOnlyOnceTheirCheckRan) {
  AreaBeaconList list{};
  AreaInputs in = GoodVor();
  in.Naam = "abc";
  in.Longmin = "x";
  AddResult r = AddBeacon(list, kVorTab, 108, 118, in);
  EXPECT_FALSE(r.nameChecked);
  EXPECT_FALSE(r.variationSet);
  in.Longmin = "1";
  in.Naam = "abcdef";
  r = AddBeacon(list, kVorTab, 108, 118, in);
  EXPECT_TRUE(r.variationSet);
  EXPECT_TRUE(r.nameChecked);
  EXPECT_EQ(r.nameText, "ABCDEF");
  EXPECT_FALSE(list[0].Used());  // a refused name is not stored
}

TEST(AreaAdd, IlsFieldsAndTheLocatorWithoutName) {
  AreaBeaconList list{};
  AreaInputs in = GoodIls();
  in.lctrnaam = "om";
  AddResult r = AddBeacon(list, kIlsTab, 108, 112, in);
  ASSERT_TRUE(r.added);
  EXPECT_EQ(list[0].FinalCourse, 92);
  EXPECT_EQ(list[0].Elevation, 12);
  // Upper case like runway names, so that the start panel finds it.
  EXPECT_EQ(list[0].LocatorName, "OM");
  EXPECT_EQ(list[0].LocatorFreq, "350");
  EXPECT_EQ(list[0].LocatorDistance, 4.5);

  in.Naam = "27";
  in.lctrnaam = "";
  in.lctrfreq = "9999999";  // not read without a locator name
  in.lctrdist = "3";
  list[1].LocatorFreq = "old";
  r = AddBeacon(list, kIlsTab, 108, 112, in);
  ASSERT_TRUE(r.added);
  EXPECT_EQ(list[1].LocatorName, "");
  EXPECT_EQ(list[1].LocatorFreq, "");
  EXPECT_EQ(list[1].LocatorDistance, 3.0);
}

TEST(AreaAdd, RefusedLocatorDistanceIsZero) {
  AreaBeacon slot;
  slot.LocatorDistance = 7;
  AreaInputs in = GoodIls();
  in.lctrdist = "abc";
  QList<InputMessage> messages;
  LeesILSparameters(slot, in, messages);
  EXPECT_EQ(slot.LocatorDistance, 0);
  EXPECT_EQ(Texts(messages), QStringList{"ERROR: LOCATOR DISTANCE IS NOT CORRECT "});
}

TEST(AreaRemove, BeaconNumberChecks) {
  AreaBeaconList list{};
  list[0] = Beacon("AAA", "114.0", "N", 40, 0, "W", 20, 0);
  struct Case {
    QString text, word;
    int index;
    bool inputError;
    QString message;
  };
  const std::vector<Case> cases = {
      {"1", "Delete ", 0, false, ""},
      {" 1 ", "Edit ", 0, false, ""},
      {"2", "Delete ", -1, false, "ERROR: Unable to Delete this Beacon. "},
      {"15", "Edit ", -1, false, "ERROR: Unable to Edit this Beacon. "},
      {"0", "Delete ", -1, true, "ERROR: Beacon number is not between 1 and 15!"},
      {"16", "Delete ", -1, true, "ERROR: Beacon number is not between 1 and 15!"},
      {"", "Delete ", -1, true, "ERROR: Beacon number is not correct! "},
      {"1.0", "Edit ", -1, true, "ERROR: Beacon number is not correct! "},
  };
  for (const Case& c : cases) {
    const BeaconNumber n = CheckBeaconNumber(list, c.text, c.word);
    EXPECT_EQ(n.index, c.index) << c.text.toStdString();
    EXPECT_EQ(n.inputError, c.inputError) << c.text.toStdString();
    EXPECT_EQ(n.message, c.message) << c.text.toStdString();
  }
  EXPECT_EQ(RemoveQuestion("Delete ", list[0]), "Delete Beacon: AAA ?");
  EXPECT_EQ(RemoveQuestion("Edit ", list[0]), "Edit Beacon: AAA ?");
}

TEST(AreaRemove, LaterSlotsMoveUp) {
  AreaBeaconList list{};
  for (int i = 0; i < kAreaSlots; ++i) {
    list[i] = Beacon(qPrintable(QString("B%1").arg(i + 1)), "110.0", "N", i, i / 2.0, "E", i, i);
    list[i].X = i;
    list[i].Variation = i;
    list[i].FinalCourse = 100 + i;
    list[i].LocatorName = QString("L%1").arg(i + 1);
    list[i].LocatorDistance = i;
    list[i].Reserved = QByteArray(4, char(i));
  }
  AreaBeaconList vor = list, ils = list;
  RemoveSlot(vor, 2, false);
  RemoveSlot(ils, 2, true);
  for (const AreaBeaconList* l : {&vor, &ils}) {
    EXPECT_EQ((*l)[1].Name, "B2");
    EXPECT_EQ((*l)[2].Name, "B4");
    EXPECT_EQ((*l)[2].LatDeg, 3);
    EXPECT_EQ((*l)[2].LatMin, 1.5);
    EXPECT_EQ((*l)[2].X, 3);
    EXPECT_EQ((*l)[2].Variation, 3);
    EXPECT_EQ((*l)[13].Name, "B15");
    EXPECT_FALSE((*l)[14].Used());
    EXPECT_EQ((*l)[14].Frequency, "");
  }
  // The runway fields move on the ILS tab only.
  EXPECT_EQ(ils[2].FinalCourse, 103);
  EXPECT_EQ(ils[2].LocatorName, "L4");
  EXPECT_EQ(ils[2].LocatorDistance, 3);
  EXPECT_EQ(vor[2].FinalCourse, 102);
  EXPECT_EQ(vor[2].LocatorName, "L3");

  // The last slot is only emptied; its other fields stay.
  AreaBeaconList last = list;
  RemoveSlot(last, 14, true);
  EXPECT_FALSE(last[14].Used());
  EXPECT_EQ(last[14].LatDeg, 14);
  EXPECT_EQ(last[14].LocatorName, "L15");
  EXPECT_EQ(last[13].Name, "B14");
}

TEST(AreaRemove, InputsForEditing) {
  AreaInputs in = InputsForEdit(Runway09(), true);
  EXPECT_EQ(in.Naam, "09");
  EXPECT_EQ(in.Freq, "110.3");
  EXPECT_EQ(in.NS, "N");
  EXPECT_EQ(in.Latdeg, "52");
  EXPECT_EQ(in.Latmin, " 7.5");
  EXPECT_EQ(in.EW, "E");
  EXPECT_EQ(in.Longdeg, "4");
  EXPECT_EQ(in.Longmin, "45.3");  // one decimal, halves away from zero
  EXPECT_EQ(in.Vardeg, "0");
  EXPECT_EQ(in.VarEW, "W");
  EXPECT_EQ(in.course, "92");
  EXPECT_EQ(in.Elev, "12");
  EXPECT_EQ(in.lctrnaam, "OM");
  EXPECT_EQ(in.lctrfreq, "350");
  EXPECT_EQ(in.lctrdist, " 4.5");

  AreaBeacon noLocator = Runway09();
  noLocator.LocatorDistance = 0;
  in = InputsForEdit(noLocator, true);
  EXPECT_EQ(in.lctrdist, "0");
  EXPECT_EQ(in.lctrnaam, "");
  EXPECT_EQ(in.lctrfreq, "");

  in = InputsForEdit(Runway09(), false);
  EXPECT_EQ(in.course, "");
  EXPECT_EQ(in.lctrdist, "");
}

TEST(AreaRemove, EditedBeaconAddsBackTheSame) {
  AreaBeacon runway = Runway09();
  runway.LonMin = 45.5;  // one decimal survives the edit boxes
  AreaBeaconList list{};
  const AddResult r = AddBeacon(list, kIlsTab, 108, 112, InputsForEdit(runway, true));
  ASSERT_TRUE(r.added) << Texts(r.messages).join('|').toStdString();
  const AreaBeacon& b = list[0];
  EXPECT_EQ(AreaListLine(b, 1, true), AreaListLine(runway, 1, true));
  EXPECT_EQ(b.LocatorDistance, runway.LocatorDistance);
}

TEST(AreaClose, DefaultVorAndTheSimulatorsBeaconNames) {
  AreaBeacon b;
  b.FinalCourse = 5;
  FillDefaultVor(b);
  EXPECT_EQ(AreaListLine(b, 1, false), "1  VOR1 114.0   N40 00    W020 00        ");
  EXPECT_EQ(b.FinalCourse, 5);

  AreaBeaconList vor{}, ndb{}, ils{};
  vor[0] = Beacon("AAA", "114.0", "N", 40, 0, "W", 20, 0);
  vor[2] = Beacon("CCC", "114.0", "N", 40, 0, "W", 20, 0);
  ndb[0] = Beacon("MMM", "565", "N", 40, 0, "W", 20, 0);
  ils[0] = Runway09();
  ils[1] = Runway09();
  ils[1].Name = "27";
  ils[1].LocatorName = "LL";
  ils[1].LocatorDistance = 0;  // no locator: the runway alone
  ils[2] = Runway09();
  ils[2].Name = "";  // an emptied runway keeps its old locator fields
  ils[2].LocatorName = "OLD";
  ils[3] = Runway09();
  ils[3].Name = "36";
  ils[3].LocatorName = "";  // no name, nothing to choose
  EXPECT_EQ(SimulatorBeaconNames(vor, ndb, ils), (QStringList{"AAA", "CCC", "MMM", "09", "OM", "27", "36"}));
}

}  // namespace
}  // namespace tvx

namespace tvx {
namespace {

// An area of the three kinds of slot, each as the editor takes it.
AreaLists GoodAreaFile() {
  AreaLists a;
  a.Vor[0] = Beacon("AAA", "114.0", "N", 40, 0, "W", 20, 0);
  a.Vor[1] = Beacon("BBB", "117.95", "S", 89, 59.9, "E", 179, 0);
  a.Ndb[0] = Beacon("MMM", "190", "N", 0, 0, "E", 0, 0);
  a.Ndb[3] = Beacon("NNN", "1749.5", "N", 40, 1, "W", 19, 48);  // a gap before it
  a.Ils[0] = Runway09();
  a.Ils[0].Elevation = 14472;
  a.Ils[0].LocatorDistance = 15;
  a.Ils[0].FinalCourse = 360;
  // Empty slots are not read: whatever they hold stays out of the area.
  a.Ndb[7].LatDeg = 1000000000;
  a.Ils[5].LocatorDistance = 1e300;
  a.Ils[5].Elevation = -99999;
  return a;
}

TEST(AreaFileCheck, WhatTheEditorTakesIsAnArea) {
  const AreaLists a = GoodAreaFile();
  EXPECT_TRUE(AreaFileValid(a));
  const QByteArray bytes = EncodeAreaFile(a.Vor, a.Ndb, a.Ils);
  const std::optional<AreaLists> read = ReadAreaFile(bytes);
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(EncodeAreaFile(read->Vor, read->Ndb, read->Ils), bytes);
  // The area the program starts with, and an area file of empty slots.
  AreaState start;
  FillDefaultArea(start);
  EXPECT_TRUE(AreaFileValid(AreaLists{start.VorList, start.NdbList, start.IlsList}));
  EXPECT_TRUE(ReadAreaFile(QByteArray(kAreaFileBytes, '\0')).has_value());
}

TEST(AreaFileCheck, EveryFieldOfAUsedSlotInItsRange) {
  const double nan = std::nan("");
  const struct {
    const char* what;
    std::function<void(AreaLists&)> change;
  } cases[] = {
      {"latitude degrees 1e9", [](AreaLists& a) { a.Ndb[0].LatDeg = 1000000000; }},
      {"latitude degrees 90", [](AreaLists& a) { a.Vor[1].LatDeg = 90; }},
      {"latitude degrees -1", [](AreaLists& a) { a.Ndb[3].LatDeg = -1; }},
      {"longitude degrees 180", [](AreaLists& a) { a.Ils[0].LonDeg = 180; }},
      {"longitude degrees -2^31", [](AreaLists& a) { a.Vor[0].LonDeg = std::numeric_limits<std::int32_t>::min(); }},
      {"latitude minutes 60", [](AreaLists& a) { a.Vor[1].LatMin = 60; }},
      {"latitude minutes -0.1", [](AreaLists& a) { a.Ndb[0].LatMin = -0.1; }},
      {"latitude minutes NaN", [nan](AreaLists& a) { a.Ils[0].LatMin = nan; }},
      {"longitude minutes 1e300", [](AreaLists& a) { a.Ndb[3].LonMin = 1e300; }},
      {"longitude minutes infinite", [](AreaLists& a) { a.Vor[0].LonMin = HUGE_VAL; }},
      {"hemisphere letter", [](AreaLists& a) { a.Vor[1].LatHemisphere = "n"; }},
      {"no hemisphere letter", [](AreaLists& a) { a.Ndb[0].LonHemisphere = ""; }},
      {"east for north", [](AreaLists& a) { a.Ils[0].LatHemisphere = "E"; }},
      {"VOR frequency 118", [](AreaLists& a) { a.Vor[1].Frequency = "118.0"; }},
      {"VOR frequency an NDB's", [](AreaLists& a) { a.Vor[0].Frequency = "350"; }},
      {"NDB frequency 1750", [](AreaLists& a) { a.Ndb[3].Frequency = "1750"; }},
      {"NDB frequency a VOR's", [](AreaLists& a) { a.Ndb[0].Frequency = "114.0"; }},
      {"ILS frequency 112", [](AreaLists& a) { a.Ils[0].Frequency = "112.0"; }},
      {"frequency no number", [](AreaLists& a) { a.Vor[0].Frequency = "AB"; }},
      {"frequency empty", [](AreaLists& a) { a.Ndb[0].Frequency = ""; }},
      {"course 361", [](AreaLists& a) { a.Ils[0].FinalCourse = 361; }},
      {"course -1", [](AreaLists& a) { a.Ils[0].FinalCourse = -1; }},
      {"elevation 15001", [](AreaLists& a) { a.Ils[0].Elevation = 15001; }},
      {"elevation -1501", [](AreaLists& a) { a.Ils[0].Elevation = -1501; }},
      {"locator distance 1e300", [](AreaLists& a) { a.Ils[0].LocatorDistance = 1e300; }},
      {"locator distance 15.01", [](AreaLists& a) { a.Ils[0].LocatorDistance = 15.01; }},
      {"locator distance -0.5", [](AreaLists& a) { a.Ils[0].LocatorDistance = -0.5; }},
      {"locator distance NaN", [nan](AreaLists& a) { a.Ils[0].LocatorDistance = nan; }},
      // VOR 1 is the origin of the plane even while its slot is empty.
      {"empty origin far off", [](AreaLists& a) {
         a.Vor[0].Name.clear();
         a.Vor[0].LatDeg = 1000000000;
       }},
  };
  for (const auto& c : cases) {
    AreaLists a = GoodAreaFile();
    c.change(a);
    EXPECT_FALSE(AreaFileValid(a)) << c.what;
    EXPECT_FALSE(ReadAreaFile(EncodeAreaFile(a.Vor, a.Ndb, a.Ils)).has_value()) << c.what;
  }
  // The ILS-only fields of a VOR or an NDB are not read.
  AreaLists a = GoodAreaFile();
  a.Vor[0].Elevation = 99999;
  a.Ndb[0].LocatorDistance = 1e300;
  a.Vor[1].FinalCourse = -5;
  EXPECT_TRUE(AreaFileValid(a));
  // An empty origin in range is no refusal (closing the window fills it).
  a.Vor[0].Name.clear();
  EXPECT_TRUE(AreaFileValid(a));
}

TEST(AreaFileCheck, FilesOfOtherSizesAreNoAreas) {
  const AreaLists a = GoodAreaFile();
  const QByteArray bytes = EncodeAreaFile(a.Vor, a.Ndb, a.Ils);
  EXPECT_FALSE(ReadAreaFile(bytes.left(kAreaFileBytes - 1)).has_value());
  EXPECT_FALSE(ReadAreaFile(bytes + '\0').has_value());
  // A navigation log (5355 bytes) and a loadsheet (328 bytes) are saved as "*.dat" too.
  EXPECT_FALSE(ReadAreaFile(bytes + QByteArray(5355 - kAreaFileBytes, '\0')).has_value());
  EXPECT_FALSE(ReadAreaFile(QByteArray(328, '\0')).has_value());
  EXPECT_FALSE(ReadAreaFile(QByteArray()).has_value());
}

}  // namespace
}  // namespace tvx
