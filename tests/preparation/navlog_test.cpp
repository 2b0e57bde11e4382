// The navigation log's wind triangle, table check, calculation and file.
#include <gtest/gtest.h>

#include <cmath>

#include "preparation/navlog.h"
#include "preparation/navlogfile.h"

using namespace tvx;

namespace {

const auto& C = NavlogColumns;

// A grid as INSERT leaves it: headers, the panel's values in every leg row.
NavlogGrid InsertedGrid(const QString& dir = "160", const QString& vel = "23", const QString& tas = "100",
                        int variation = 0) {
  NavlogGrid g;
  SetNavlogHeaders(g);
  FillLegRows(g, dir, vel, tas, variation);
  ClearComputedColumns(g);
  return g;
}

void SetLeg(NavlogGrid& g, int leg, const QString& dir, const QString& vel, const QString& tas, const QString& track,
            const QString& dist = "", const QString& var = "0") {
  const int row = kNavlogHeaderRows + leg - 1;
  g.At(C.WindDir, row) = dir;
  g.At(C.WindVel, row) = vel;
  g.At(C.Tas, row) = tas;
  g.At(C.Track, row) = track;
  g.At(C.Dist, row) = dist;
  g.At(C.Var, row) = var;
}

QString Cell(const NavlogGrid& g, int col, int leg) { return g.At(col, kNavlogHeaderRows + leg - 1); }

}  // namespace

TEST(WindTriangle, TableOfLegs) {
  struct Case {
    double w, v, s, t;
    double wca, heading, gs;
  };
  const Case cases[] = {
      {270, 20, 100, 90, 0, 90, 120},             // straight tailwind
      {360, 20, 100, 360, 0, 360, 80},            // straight headwind
      {90, 20, 100, 360, 11.537, 11.537, 97.980}, // wind from the right: heading turned right
      {270, 20, 100, 360, 11.537, 348.463, 97.980},  // wind from the left
      {45, 30, 120, 90, 10.182, 79.818, 96.897},    // wind from the left of the track: heading turned left
      {200, 15, 110, 20, 0, 20, 125},                // |W - T| = 180: tailwind
      {350, 25, 90, 10, 5.452, 4.548, 66.101},       // across north, back below 360
  };
  for (const Case& c : cases) {
    const WindSolution s = BrWinddriehoek(c.w, c.v, c.s, c.t);
    SCOPED_TRACE(testing::Message() << "wind " << c.w << "/" << c.v << " track " << c.t);
    EXPECT_TRUE(s.Solvable);
    EXPECT_NEAR(s.Wca, c.wca, 1e-3);
    EXPECT_NEAR(s.Heading, c.heading, 1e-3);
    EXPECT_NEAR(s.Groundspeed, c.gs, 1e-3);
  }
}

TEST(WindTriangle, HeadingStaysWithinTheCircle) {
  // Track 005 with a strong wind from the left turns the heading below 0.
  const WindSolution left = BrWinddriehoek(270, 30, 100, 5);
  EXPECT_GT(left.Heading, 340);
  EXPECT_LE(left.Heading, 360);
  // Track 355 with wind from the right goes past 360.
  const WindSolution right = BrWinddriehoek(90, 30, 100, 355);
  EXPECT_GE(right.Heading, 0);
  EXPECT_LT(right.Heading, 20);
}

TEST(WindTriangle, CrosswindStrongerThanTasHasNoSolution) {
  const WindSolution s = BrWinddriehoek(90, 60, 50, 360);
  EXPECT_FALSE(s.Solvable);
  EXPECT_FALSE(std::isnan(s.Wca));
  // Exactly as strong: a solution with a groundspeed of zero.
  const WindSolution edge = BrWinddriehoek(90, 50, 50, 360);
  EXPECT_TRUE(edge.Solvable);
  EXPECT_NEAR(edge.Wca, 90, 1e-9);
  EXPECT_NEAR(edge.Groundspeed, 0, 1e-9);
}

TEST(NavlogFormats, ThreeDigitHeadings) {
  EXPECT_EQ(ThreeDigitHeading(9.6), "010");
  EXPECT_EQ(ThreeDigitHeading(5), "005");
  EXPECT_EQ(ThreeDigitHeading(44.5), "045");
  EXPECT_EQ(ThreeDigitHeading(270), "270");
  EXPECT_EQ(ThreeDigitHeading(359.7), "360");
}

TEST(NavlogFormats, TimeTotals) {
  EXPECT_EQ(TimeTotalText(0), "  0.0");
  EXPECT_EQ(TimeTotalText(59.94), " 59.9");
  EXPECT_EQ(TimeTotalText(59.96), " 1:00.0");
  EXPECT_EQ(TimeTotalText(65.3), " 1:05.3");
  EXPECT_EQ(TimeTotalText(75.5), " 1:15.5");
  EXPECT_EQ(TimeTotalText(119.96), " 2:00.0");  // never 1:60.0
  EXPECT_EQ(TimeTotalText(129.95), " 2:10.0");
  EXPECT_EQ(TimeTotalText(609.99), "10:10.0");
}

TEST(NavlogGrid, HeadersInsertAndClear) {
  NavlogGrid g = InsertedGrid("160", "23", "100", -7);
  EXPECT_EQ(g.At(C.Waypoint, 0), "Way-");
  EXPECT_EQ(g.At(C.Waypoint, 1), "point");
  EXPECT_EQ(g.At(C.Track, 0), "True");
  EXPECT_EQ(g.At(C.Track, 1), "Track");
  EXPECT_EQ(g.At(C.MagnHdg, 0), "Magn.");
  EXPECT_EQ(g.At(C.Fuel, 0), "Cruise");
  EXPECT_EQ(g.At(C.Fuel, 1), "Fuel");
  EXPECT_EQ(g.At(C.Eet, 0), "");
  for (int row = 2; row < kNavlogRowCount; ++row) {
    EXPECT_EQ(g.At(C.WindDir, row), "160");
    EXPECT_EQ(g.At(C.WindVel, row), "23");
    EXPECT_EQ(g.At(C.Tas, row), "100");
    EXPECT_EQ(g.At(C.Var, row), "-7");
    for (int col : ComputedNavlogColumns()) EXPECT_EQ(g.At(col, row), ".....");
    EXPECT_EQ(g.At(C.Track, row), "");
  }
  // The header rows keep their texts.
  EXPECT_EQ(g.At(C.Wca, 1), "WCA");
  EXPECT_EQ(g.At(C.Var, 1), "Var.");
}

TEST(NavlogTable, EveryBadCellHasItsOwnMessageInRowOrder) {
  NavlogGrid g = InsertedGrid();
  SetLeg(g, 1, "160", "23", "100", "400", "10");
  SetLeg(g, 4, "160", "abc", "100", "090", "10");
  SetLeg(g, 7, "160", "23", "100", "090", "1200");
  const QList<CellFault> faults = CheckNavlogTable(g);
  ASSERT_EQ(faults.size(), 3);
  EXPECT_EQ(faults[0].row, 2);
  EXPECT_EQ(faults[0].col, C.Track);
  EXPECT_EQ(faults[0].message, "ERROR: INPUT \"400\" IS NOT BETWEEN 0 AND 360");
  EXPECT_EQ(faults[1].row, 5);
  EXPECT_EQ(faults[1].message, "ERROR: INPUT \"abc\" IN NAVIGATION LOG IS NOT CORRECT ");
  EXPECT_EQ(faults[2].row, 8);
  EXPECT_EQ(faults[2].message, "ERROR: INPUT \"1200\" IN NAVIGATION LOG IS NOT BETWEEN 0 AND 1000");
}

TEST(NavlogTable, RangesOfTheLegCells) {
  struct Case {
    int col;
    QString text;
    bool passes;
  };
  const Case cases[] = {
      {C.WindDir, "360", true}, {C.WindDir, "361", false}, {C.WindDir, "-1", false}, {C.WindDir, "", false},
      {C.WindVel, "100", true}, {C.WindVel, "101", false}, {C.Tas, "40", true},      {C.Tas, "39", false},
      {C.Tas, "999", true},     {C.Tas, "1000", false},    {C.Var, "-180", true},    {C.Var, "-181", false},
      {C.Var, "12.5", false},   {C.Track, "", true},       {C.Track, "0", true},     {C.Track, "12.0", false},
      {C.Dist, "", true},       {C.Dist, "0.5", true},     {C.Dist, "1000", true},   {C.Dist, "-0.1", false},
  };
  for (const Case& c : cases) {
    NavlogGrid g = InsertedGrid();
    SetLeg(g, 13, "160", "23", "100", "090", "10");
    g.At(c.col, kNavlogRowCount - 1) = c.text;
    EXPECT_EQ(CheckNavlogTable(g).isEmpty(), c.passes) << "column " << c.col << " text \"" << c.text.toStdString()
                                                       << "\"";
  }
  // Header rows and the free columns are not checked.
  NavlogGrid g = InsertedGrid();
  g.At(C.Waypoint, 5) = "EHAM";
  g.At(C.Alt, 5) = "FL65";
  EXPECT_TRUE(CheckNavlogTable(g).isEmpty());
}

TEST(NavlogCalculate, LegsAndTotals) {
  NavlogGrid g = InsertedGrid();
  SetLeg(g, 1, "270", "20", "100", "090", "40");        // tailwind: GS 120, EET 20.0
  SetLeg(g, 2, "090", "20", "100", "000", "49");        // track 000 taken as 360
  SetLeg(g, 3, "0", "20", "100", "360", "", "10");      // wind 0 taken as 360: headwind, no distance
  SetLeg(g, 4, "355", "20", "100", "355", "10", "10");  // 10 W on a true heading of 355
  const NavlogTotals t = CalculateNavlog(g, 8.5);
  EXPECT_TRUE(t.LegFaults.isEmpty());

  EXPECT_EQ(Cell(g, C.Wca, 1), "  0");
  EXPECT_EQ(Cell(g, C.TrueHdg, 1), "090");
  EXPECT_EQ(Cell(g, C.MagnHdg, 1), "090");
  EXPECT_EQ(Cell(g, C.Gs, 1), "120");
  EXPECT_EQ(Cell(g, C.Eet, 1), "  20.0");
  EXPECT_EQ(Cell(g, C.Fuel, 1), "   2.8");

  EXPECT_EQ(Cell(g, C.Wca, 2), " 12");
  EXPECT_EQ(Cell(g, C.TrueHdg, 2), "012");
  EXPECT_EQ(Cell(g, C.Gs, 2), " 98");
  EXPECT_EQ(Cell(g, C.Eet, 2), "  30.0");  // 49 NM at 97.98 kt
  EXPECT_EQ(Cell(g, C.Fuel, 2), "   4.3");  // from the EET as shown: 8.5 / 60 x 30.0

  EXPECT_EQ(Cell(g, C.Wca, 3), "  0");
  EXPECT_EQ(Cell(g, C.TrueHdg, 3), "360");
  EXPECT_EQ(Cell(g, C.MagnHdg, 3), "010");
  EXPECT_EQ(Cell(g, C.Gs, 3), " 80");
  EXPECT_EQ(Cell(g, C.Eet, 3), ".....");  // no distance: no time and no fuel
  EXPECT_EQ(Cell(g, C.Fuel, 3), ".....");

  EXPECT_EQ(Cell(g, C.TrueHdg, 4), "355");
  EXPECT_EQ(Cell(g, C.MagnHdg, 4), "005");
  EXPECT_EQ(Cell(g, C.Eet, 4), "   7.5");
  EXPECT_EQ(Cell(g, C.Fuel, 4), "   1.1");

  EXPECT_EQ(Cell(g, C.Track, 5), "");  // an empty track skips the leg
  EXPECT_EQ(Cell(g, C.Gs, 5), ".....");
  EXPECT_EQ(t.Dist, "99.0");
  EXPECT_EQ(t.Time, " 57.5");
  EXPECT_EQ(t.Fuel, "  8.1");
}

TEST(NavlogCalculate, NoFuelFlowLeavesTheFuelColumn) {
  NavlogGrid g = InsertedGrid();
  SetLeg(g, 1, "270", "20", "100", "090", "40");
  const NavlogTotals t = CalculateNavlog(g, 0);
  EXPECT_EQ(Cell(g, C.Eet, 1), "  20.0");
  EXPECT_EQ(Cell(g, C.Fuel, 1), ".....");
  EXPECT_EQ(t.Fuel, "  0.0");
}

TEST(NavlogCalculate, TimeTotalOverAnHour) {
  NavlogGrid g = InsertedGrid();
  SetLeg(g, 1, "270", "20", "100", "090", "100");  // 50.0 min
  SetLeg(g, 2, "270", "20", "100", "090", "30.6"); // 15.3 min
  const NavlogTotals t = CalculateNavlog(g, 8.5);
  EXPECT_EQ(t.Time, " 1:05.3");
  EXPECT_EQ(t.Dist, "130.6");
}

TEST(NavlogCalculate, LegWithoutWindTriangleIsMarkedAndLeftOut) {
  NavlogGrid g = InsertedGrid();
  SetLeg(g, 1, "270", "20", "100", "090", "40");
  SetLeg(g, 2, "090", "60", "50", "360", "30");  // crosswind stronger than the TAS
  SetLeg(g, 3, "360", "60", "50", "360", "30");  // headwind stronger than the TAS
  SetLeg(g, 4, "090", "50", "50", "360", "30");  // crosswind as strong as the TAS: groundspeed 0
  const NavlogTotals t = CalculateNavlog(g, 8.5);
  EXPECT_EQ(t.LegFaults, (QStringList{"ERROR: LEG 2: THE CROSSWIND IS STRONGER THAN THE TAS ",
                                      "ERROR: LEG 3: THE GROUNDSPEED IS 0 OR LESS ",
                                      "ERROR: LEG 4: THE GROUNDSPEED IS 0 OR LESS "}));
  for (int leg : {2, 3, 4})
    for (int col : ComputedNavlogColumns()) EXPECT_EQ(Cell(g, col, leg), "XXX") << "leg " << leg;
  EXPECT_EQ(t.Dist, "40.0");
  EXPECT_EQ(t.Time, " 20.0");
  EXPECT_EQ(t.Fuel, "  2.8");
}

TEST(NavlogCalculate, NoNegativeZeroAnywhere) {
  NavlogGrid g = InsertedGrid();
  SetLeg(g, 1, "270", "0", "100", "090", "-0.0", "-0");  // "-0.0" passes the range check
  SetLeg(g, 2, "180", "20", "100", "360", "0.0");
  ASSERT_TRUE(CheckNavlogTable(g).isEmpty());
  const NavlogTotals t = CalculateNavlog(g, 8.5);
  for (int leg : {1, 2})
    for (int col : ComputedNavlogColumns()) EXPECT_FALSE(Cell(g, col, leg).contains("-")) << Cell(g, col, leg).toStdString();
  EXPECT_FALSE(t.Dist.contains('-'));
  EXPECT_FALSE(t.Time.contains('-'));
  EXPECT_FALSE(t.Fuel.contains('-'));
}

TEST(NavlogFile, CellsColumnByColumnAtTheirOffsets) {
  EXPECT_EQ(kNavlogFileBytes, 5355);
  EXPECT_EQ(NavlogCellOffset(0, 0), 0);
  EXPECT_EQ(NavlogCellOffset(0, 1), 21);
  EXPECT_EQ(NavlogCellOffset(1, 0), 315);
  EXPECT_EQ(NavlogCellOffset(16, 14), 5334);
  NavlogGrid g = InsertedGrid();
  SetLeg(g, 1, "270", "20", "100", "090", "40");
  g.At(C.Waypoint, 2) = "EHRD";
  g.At(C.Ata, 14) = "A cell longer than twenty characters";
  const QByteArray bytes = EncodeNavlogFile(g);
  ASSERT_EQ(bytes.size(), 5355);
  EXPECT_EQ(bytes.mid(0, 5), QByteArray("\x04" "Way-", 5));
  EXPECT_EQ(bytes.mid(NavlogCellOffset(0, 2), 5), QByteArray("\x04" "EHRD", 5));
  EXPECT_EQ(bytes.mid(NavlogCellOffset(C.Track, 2), 4), QByteArray("\x03" "090", 4));
  EXPECT_EQ(bytes.mid(NavlogCellOffset(C.Fuel, 1), 5), QByteArray("\x04" "Fuel", 5));
  EXPECT_EQ(static_cast<unsigned char>(bytes[NavlogCellOffset(C.Ata, 14)]), 20);

  NavlogGrid read;
  ASSERT_TRUE(DecodeNavlogFile(bytes, read));
  NavlogGrid expected = g;
  expected.At(C.Ata, 14) = "A cell longer than t";
  EXPECT_EQ(read, expected);
}

TEST(NavlogFile, ShortFileIsRefusedAndLongerOneReadsItsFirstRecord) {
  NavlogGrid g = InsertedGrid();
  QByteArray bytes = EncodeNavlogFile(g);
  NavlogGrid read;
  read.At(0, 0) = "unchanged";
  EXPECT_FALSE(DecodeNavlogFile(bytes.left(5354), read));
  EXPECT_FALSE(DecodeNavlogFile(QByteArray(), read));
  EXPECT_EQ(read.At(0, 0), "unchanged");
  ASSERT_TRUE(DecodeNavlogFile(bytes + QByteArray(100, 'x'), read));
  EXPECT_EQ(read, g);
  // A corrupt length byte never reads past its cell.
  bytes[NavlogCellOffset(3, 3)] = char(200);
  ASSERT_TRUE(DecodeNavlogFile(bytes, read));
  EXPECT_EQ(read.At(3, 3), g.At(3, 3));  // the zeros after the text end it
}
