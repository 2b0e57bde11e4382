// The loadsheet's checks, calculation and files, and the tools' range messages.
#include <gtest/gtest.h>

#include <QStringList>
#include <random>

#include "platform/record.h"
#include "preparation/loadsheet.h"
#include "preparation/rangecheck.h"

using namespace tvx;

namespace tvx {
// A failing comparison names the boxes and their texts.
void PrintTo(const Loadsheet& sheet, std::ostream* out) {
  for (const LoadsheetBox& box : LoadsheetBoxes()) *out << box.name << "=\"" << (sheet.*box.text).toStdString() << "\" ";
}
}  // namespace tvx

namespace {

Loadsheet Calculated(Loadsheet s) {
  EXPECT_FALSE(CheckLoadsheet(s).has_value());
  const auto caution = CalculateLoadsheet(s);
  EXPECT_FALSE(caution.has_value()) << caution->message.toStdString();
  return s;
}

// A hand-made older record: unit, six seat markers, the empty mass, eight
// loads and twelve arms.
QByteArray OlderRecord(int unit, const QStringList& markers) {
  RecordWriter w(kLoadsheetV1Bytes);
  w.PutInt32(0, unit);
  for (int i = 0; i < 6; ++i) w.PutShortString(4 + 2 * i, 1, markers[i]);
  w.PutShortString(16, 11, "1400");
  const QStringList loads = {"10", "20", "30", "40", "5", "6", "7", "80"};
  for (int i = 0; i < 8; ++i) w.PutShortString(28 + 12 * i, 11, loads[i]);
  for (int i = 0; i < 12; ++i) w.PutShortString(124 + 12 * i, 11, QString::number(100 + i));
  return w.Bytes();
}

}  // namespace

TEST(RangeCheck, MessagesAndBounds) {
  EXPECT_EQ(BoundText(0), "0");
  EXPECT_EQ(BoundText(1000000), "1000000");
  EXPECT_EQ(BoundText(-100), "-100");
  EXPECT_EQ(BoundText(0.5), "0.5");
  EXPECT_EQ(RangeFault("12", 0, 300, true), "");
  EXPECT_EQ(RangeFault(" 12 ", 0, 300, true), "");
  EXPECT_EQ(RangeFault("301", 0, 300, true), "ERROR: INPUT IS NOT BETWEEN 0 AND 300");
  EXPECT_EQ(RangeFault("12.5", 0, 300, true), "ERROR: INPUT IS NOT CORRECT ");
  EXPECT_EQ(RangeFault("12.5", 0, 300, false), "");
  EXPECT_EQ(RangeFault("", 0, 300, false), "ERROR: INPUT IS NOT CORRECT ");
  EXPECT_EQ(RangeFault("12,5", 0, 300, false), "ERROR: INPUT IS NOT CORRECT ");
  EXPECT_EQ(RangeFault("-100.1", -100, 100, false), "ERROR: INPUT IS NOT BETWEEN -100 AND 100");
  EXPECT_EQ(RangeFault("1000000.5", 0, 1000000, false), "ERROR: INPUT IS NOT BETWEEN 0 AND 1000000");
}

TEST(Loadsheet, DefaultsGiveRampMassAndArm) {
  const Loadsheet s = Calculated(DefaultLoadsheet());
  EXPECT_EQ(s.FSeatMass, "170");
  EXPECT_EQ(s.CSeatMass, "0");
  EXPECT_EQ(s.RBagMass, "50");
  EXPECT_EQ(s.WFuelMass, "267");
  EXPECT_EQ(s.EmptyMoment, " 129279.5");
  EXPECT_EQ(s.FSeatMoment, "  13685.0");
  EXPECT_EQ(s.RBagMoment, "   7140.0");
  EXPECT_EQ(s.WFuelMoment, "  25365.0");
  EXPECT_EQ(s.CSeatMoment, "0");  // a mass of "0" gets no moment
  EXPECT_EQ(s.RampMass, "   1992.0");
  EXPECT_EQ(s.RampMoment, " 175469.5");
  EXPECT_EQ(s.RampArm, "     88.1");
  // Taxi and trip are the text "0": their own rows stay "0", and the aircraft
  // takes off and lands at its ramp mass, moment and arm.
  EXPECT_EQ(s.TaxiMass, "0");
  EXPECT_EQ(s.TaxiMoment, "0");
  EXPECT_EQ(s.TripMass, "0");
  EXPECT_EQ(s.TripMoment, "0");
  EXPECT_EQ(s.TOMass, "   1992.0");
  EXPECT_EQ(s.TOMoment, " 175469.5");
  EXPECT_EQ(s.TOArm, "     88.1");
  EXPECT_EQ(s.LandingMass, "   1992.0");
  EXPECT_EQ(s.LandingMoment, " 175469.5");
  EXPECT_EQ(s.LandingArm, "     88.1");
}

TEST(Loadsheet, TaxiAndTripFuelReduceWhateverTheirSign) {
  Loadsheet s = DefaultLoadsheet();
  s.Taxiinput = "10";
  s.Tripinput = "60";
  s.TripArm = "95.0";
  s = Calculated(s);
  EXPECT_EQ(s.TaxiMass, "-10.0");
  EXPECT_EQ(s.TaxiMoment, "   -950.0");
  EXPECT_EQ(s.TOMass, "   1982.0");
  EXPECT_EQ(s.TOMoment, " 174519.5");
  EXPECT_EQ(s.TOArm, "     88.1");
  EXPECT_EQ(s.TripMass, "-60.0");
  EXPECT_EQ(s.LandingMass, "   1922.0");
  EXPECT_EQ(s.LandingMoment, " 168819.5");
  EXPECT_EQ(s.LandingArm, "     87.8");

  Loadsheet negative = DefaultLoadsheet();
  negative.Taxiinput = "-10";
  negative.Tripinput = "-60";
  negative.TripArm = "95.0";
  negative = Calculated(negative);
  EXPECT_EQ(negative.TaxiMass, s.TaxiMass);
  EXPECT_EQ(negative.TOMass, s.TOMass);
  EXPECT_EQ(negative.LandingMass, s.LandingMass);
  EXPECT_EQ(negative.LandingMoment, s.LandingMoment);

  // Trip fuel without taxi fuel: landing is ramp minus trip.
  Loadsheet tripOnly = DefaultLoadsheet();
  tripOnly.Tripinput = "60";
  tripOnly.TripArm = "95.0";
  tripOnly = Calculated(tripOnly);
  EXPECT_EQ(tripOnly.TOMass, "   1992.0");
  EXPECT_EQ(tripOnly.LandingMass, "   1932.0");
  EXPECT_EQ(tripOnly.LandingMoment, " 169769.5");

  // Taxi fuel without trip fuel: landing is take-off.
  Loadsheet taxiOnly = DefaultLoadsheet();
  taxiOnly.Taxiinput = "10";
  taxiOnly = Calculated(taxiOnly);
  EXPECT_EQ(taxiOnly.TOMass, "   1982.0");
  EXPECT_EQ(taxiOnly.LandingMass, "   1982.0");
  EXPECT_EQ(taxiOnly.LandingMoment, " 174519.5");
  EXPECT_EQ(taxiOnly.LandingArm, "     88.1");
}

TEST(Loadsheet, SeatsAddUpAndLoadsAreCopiedAsTyped) {
  Loadsheet s = DefaultLoadsheet();
  s.FRseatinput = "150";
  s.CLseatinput = "80";
  s.CRseatinput = "75";
  s.RLseatinput = "60";
  s.RSeatArm = "140";
  s.FBaginput = "12.50";
  s.FBagArm = "60";
  s = Calculated(s);
  EXPECT_EQ(s.FSeatMass, "320");
  EXPECT_EQ(s.CSeatMass, "155");
  EXPECT_EQ(s.RSeatMass, "60");
  EXPECT_EQ(s.FBagMass, "12.50");
  EXPECT_EQ(s.FBagMoment, "    750.0");
  EXPECT_EQ(s.RampMass, "   2369.5");
}

TEST(Loadsheet, ArmZeroIsACautionAndTheRestIsComputed) {
  Loadsheet s = DefaultLoadsheet();
  s.Other1input = "20";
  s.Other2input = "5";  // a second station without arm: only the first is named
  const auto caution = CalculateLoadsheet(s);
  ASSERT_TRUE(caution.has_value());
  EXPECT_EQ(caution->box, "Other1Arm");
  EXPECT_EQ(caution->message, "CAUTION: ARM IS 0");
  EXPECT_EQ(s.Other1Mass, "20");
  EXPECT_EQ(s.Other1Moment, "      0.0");
  EXPECT_EQ(s.RampMass, "   2017.0");
  EXPECT_EQ(s.RampArm, "     87.0");
}

TEST(Loadsheet, FirstFailingInputIsReported) {
  struct Case {
    const char* box;
    QString Loadsheet::*text;
    QString value;
    QString message;
  };
  const Case cases[] = {
      {"FLseatinput", &Loadsheet::FLseatinput, "301", "ERROR: INPUT IS NOT BETWEEN 0 AND 300"},
      {"RRseatinput", &Loadsheet::RRseatinput, "70.5", "ERROR: INPUT IS NOT CORRECT "},
      {"WFuelinput", &Loadsheet::WFuelinput, "1001", "ERROR: INPUT IS NOT BETWEEN 0 AND 1000"},
      {"Taxiinput", &Loadsheet::Taxiinput, "-101", "ERROR: INPUT IS NOT BETWEEN -100 AND 100"},
      {"Tripinput", &Loadsheet::Tripinput, "10001", "ERROR: INPUT IS NOT BETWEEN -10000 AND 10000"},
      {"EmptyMass", &Loadsheet::EmptyMass, "100001", "ERROR: INPUT IS NOT BETWEEN 0 AND 100000"},
      {"TripArm", &Loadsheet::TripArm, "x", "ERROR: INPUT IS NOT CORRECT "},
  };
  for (const Case& c : cases) {
    Loadsheet s = DefaultLoadsheet();
    s.*c.text = c.value;
    s.TripArm = c.box == QString("TripArm") ? c.value : "-1";  // a later fault is never the one reported
    const auto fault = CheckLoadsheet(s);
    ASSERT_TRUE(fault.has_value()) << c.box;
    EXPECT_EQ(fault->box, c.box);
    EXPECT_EQ(fault->message, c.message) << c.box;
  }
  EXPECT_FALSE(CheckLoadsheet(DefaultLoadsheet()).has_value());
}

TEST(Loadsheet, ClearingLeavesSeatsAndEmptyMass) {
  Loadsheet s = Calculated(DefaultLoadsheet());
  ClearComputedBoxes(s);
  EXPECT_EQ(s.FSeatMass, "170");
  EXPECT_EQ(s.EmptyMass, "1505");
  for (auto box : {&Loadsheet::RBagMass, &Loadsheet::WFuelMass, &Loadsheet::RampMass, &Loadsheet::RampArm,
                   &Loadsheet::EmptyMoment, &Loadsheet::FSeatMoment, &Loadsheet::RampMoment,
                   &Loadsheet::LandingArm})
    EXPECT_EQ(s.*box, "0");
}

TEST(LoadsheetFile, CurrentRecordLayoutAndRoundTrip) {
  Loadsheet s = DefaultLoadsheet();
  s.FRseatinput = "80";
  s.Taxiinput = "10";
  s.Tripinput = "123456789012345";  // cut to 11 characters
  const QByteArray bytes = EncodeLoadsheetFile(s);
  ASSERT_EQ(bytes.size(), 328);
  const RecordReader r(bytes);
  EXPECT_EQ(r.Int32(0), 2);
  EXPECT_EQ(r.ShortString(4, 11), "170");
  EXPECT_EQ(r.ShortString(16, 11), "80");
  EXPECT_EQ(r.ShortString(76, 11), "1505");
  EXPECT_EQ(r.ShortString(100, 11), "50");      // rear baggage as typed, before any CALCULATE
  EXPECT_EQ(r.ShortString(124, 11), "267");
  EXPECT_EQ(r.ShortString(160, 11), "10");
  EXPECT_EQ(r.ShortString(172, 11), "12345678901");
  EXPECT_EQ(r.ShortString(184, 11), "85.9");
  EXPECT_EQ(r.ShortString(208, 11), "118.1");
  EXPECT_EQ(r.ShortString(244, 11), "142.8");
  EXPECT_EQ(r.ShortString(304, 11), "95.0");
  EXPECT_EQ(r.ShortString(316, 11), "0");

  Loadsheet read = DefaultLoadsheet();
  read.FRseatinput = read.RBaginput = read.EmptyArm = "changed";
  read.RampMass = "kept";
  ASSERT_TRUE(DecodeLoadsheetFile(bytes, read));
  Loadsheet expected = s;
  expected.Tripinput = "12345678901";
  expected.RampMass = "kept";  // computed boxes are not in the file
  EXPECT_EQ(read, expected);
}

TEST(LoadsheetFile, OlderRecordTurnsSeatMarkersIntoMasses) {
  const QStringList markers = {"P", ".", "P", ".", ".", "P"};
  Loadsheet kg = DefaultLoadsheet();
  ASSERT_TRUE(DecodeLoadsheetFile(OlderRecord(1, markers), kg));
  EXPECT_EQ(kg.FLseatinput, "75");
  EXPECT_EQ(kg.FRseatinput, "0");
  EXPECT_EQ(kg.CLseatinput, "75");
  EXPECT_EQ(kg.RRseatinput, "75");
  EXPECT_EQ(kg.EmptyMass, "1400");
  EXPECT_EQ(kg.FBaginput, "10");
  EXPECT_EQ(kg.WFuelinput, "40");
  EXPECT_EQ(kg.Other2input, "6");
  EXPECT_EQ(kg.Taxiinput, "7");
  EXPECT_EQ(kg.Tripinput, "80");
  EXPECT_EQ(kg.EmptyArm, "100");
  EXPECT_EQ(kg.FSeatArm, "101");
  EXPECT_EQ(kg.TripArm, "111");

  Loadsheet lbs;
  ASSERT_TRUE(DecodeLoadsheetFile(OlderRecord(0, markers), lbs));
  EXPECT_EQ(lbs.FLseatinput, "170");
  EXPECT_EQ(lbs.RLseatinput, "0");
}

TEST(LoadsheetFile, ShortFilesAreRefusedAndShortCurrentRecordsReadWhatTheyHave) {
  Loadsheet s = DefaultLoadsheet();
  const Loadsheet before = s;
  EXPECT_FALSE(DecodeLoadsheetFile(OlderRecord(1, {"P", "P", "P", "P", "P", "P"}).left(267), s));
  EXPECT_FALSE(DecodeLoadsheetFile(QByteArray(), s));
  EXPECT_EQ(s, before);

  Loadsheet saved = DefaultLoadsheet();
  saved.TripArm = "77";
  const QByteArray cut = EncodeLoadsheetFile(saved).left(300);  // ends inside the other-2 arm
  Loadsheet read = DefaultLoadsheet();
  ASSERT_TRUE(DecodeLoadsheetFile(cut, read));
  EXPECT_EQ(read.Other1Arm, "0");
  EXPECT_EQ(read.TaxiArm, "");
  EXPECT_EQ(read.TripArm, "");
  EXPECT_EQ(read.EmptyMass, "1505");
}

// What does not read as a loadsheet is refused whole, and every box keeps
// what the user had, the computed ones too.
TEST(LoadsheetFile, WhatIsNoLoadsheetIsRefusedAndTheBoxesKeepTheirValues) {
  Loadsheet before = DefaultLoadsheet();
  before.EmptyMass = "1234";
  before = Calculated(before);
  before.FRseatinput = "";
  auto refused = [&](const QByteArray& bytes, const char* what) {
    Loadsheet s = before;
    EXPECT_FALSE(DecodeLoadsheetFile(bytes, s)) << what;
    EXPECT_EQ(s, before) << what;
  };

  std::mt19937 random(36);
  for (int size : {268, 328, 2000})
    for (int round = 0; round < 20; ++round) {
      QByteArray bytes(size, '\0');
      for (char& b : bytes) b = static_cast<char>(random());
      refused(bytes, "random bytes");
    }

  const QStringList markers = {"P", ".", "P", ".", ".", "P"};
  for (int unit : {3, -1, 7, 0x01000000}) refused(OlderRecord(unit, markers), "unit other than pounds or kilograms");
  refused(OlderRecord(1, {"P", "X", "P", ".", ".", "P"}), "seat marker other than P or .");
  refused(OlderRecord(1, {"P", "", "P", ".", ".", "P"}), "empty seat marker");
  // A length byte past the capacity, over a field full of digits that would
  // read as a number once cut to the capacity.
  QByteArray older = OlderRecord(0, markers);
  older.replace(16, 12, QByteArray("\x0c" "12345678901"));
  refused(older, "older record, empty mass longer than its field");
  older = OlderRecord(0, markers);
  older[4 + 2 * 3] = 2;
  refused(older, "older record, seat marker longer than its field");
  QByteArray current = EncodeLoadsheetFile(before);
  current.replace(316, 12, QByteArray("\xff" "12345678901"));
  refused(current, "current record, trip arm longer than its field");
  current = EncodeLoadsheetFile(before);
  current[4] = 12;
  refused(current, "current record, front-left seat longer than its field");

  Loadsheet words = before;
  words.FBaginput = "12kg";
  refused(EncodeLoadsheetFile(words), "current record, a load that is no number");
  words = before;
  words.TripArm = "1,5";
  refused(EncodeLoadsheetFile(words), "current record, an arm with a comma");
  older = OlderRecord(1, markers);
  RecordWriter w(kLoadsheetV1Bytes);
  w.PutShortString(0, 11, "abc");
  older.replace(124, 12, w.Bytes().left(12));
  refused(older, "older record, an arm that is no number");

  // Empty boxes, saved as they were, come back empty.
  Loadsheet empty = before;
  empty.Other1Arm = "";
  Loadsheet read = before;
  ASSERT_TRUE(DecodeLoadsheetFile(EncodeLoadsheetFile(empty), read));
  EXPECT_EQ(read.Other1Arm, "");
  EXPECT_EQ(read.FRseatinput, "");
}
