#pragma once
// The navigation log: a grid of 17 columns by 15 rows, two header rows and
// thirteen leg rows, with the wind triangle of every leg and the totals of
// distance, time and cruise fuel.
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

namespace tvx {

constexpr int kNavlogColumnCount = 17;
constexpr int kNavlogRowCount = 15;
constexpr int kNavlogHeaderRows = 2;  // rows 2..14 are the legs

// The index of every column of the log.
struct NavlogColumnIndexes {
  int Waypoint = 0;
  int Freq = 1;
  int Alt = 2;
  int WindDir = 3;
  int WindVel = 4;
  int Tas = 5;
  int Track = 6;
  int Wca = 7;
  int TrueHdg = 8;
  int Var = 9;
  int MagnHdg = 10;
  int Dist = 11;
  int Gs = 12;
  int Eet = 13;
  int Eta = 14;
  int Ata = 15;
  int Fuel = 16;
};
inline constexpr NavlogColumnIndexes NavlogColumns{};

// The texts of all cells, column by column.
struct NavlogGrid {
  std::array<std::array<QString, kNavlogRowCount>, kNavlogColumnCount> cells;
  QString& At(int col, int row) { return cells[col][row]; }
  const QString& At(int col, int row) const { return cells[col][row]; }
  bool operator==(const NavlogGrid&) const = default;
};

// Writes the two header rows.
void SetNavlogHeaders(NavlogGrid& grid);

// The computed columns of every leg row, which CALCULATE fills.
const std::array<int, 6>& ComputedNavlogColumns();

// Writes "....." into the computed cells of every leg row.
void ClearComputedColumns(NavlogGrid& grid);

// INSERT: the panel's wind, TAS (as typed) and signed variation into every leg
// row; the other cells stay as they are.
void FillLegRows(NavlogGrid& grid, const QString& windDir, const QString& windVel, const QString& tas,
                 int signedVariation);

// One leg's wind triangle.
struct WindSolution {
  bool Solvable = true;    // false when the crosswind is stronger than the TAS
  double WindAngle = 0;    // between the ground track and the wind's direction of travel, 0..180
  double Wca = 0;          // wind correction angle, 0 or more
  double ThirdAngle = 0;
  double Groundspeed = 0;
  double Heading = 0;      // true heading, 0..360
};

// The triangle of wind (direction it blows from, speed), true airspeed and
// true track, all in degrees and knots.
WindSolution BrWinddriehoek(double windDir, double windSpeed, double tas, double track);

// A heading rounded to a whole degree in three digits: "005", "045", "360".
QString ThreeDigitHeading(double heading);

// The time total: minutes with one decimal below an hour, else hours and
// minutes (" 1:05.3"); rounded to 0.1 before the hours are split off.
QString TimeTotalText(double minutes);

// A leg cell that fails the table check, with its message.
struct CellFault {
  int col = 0;
  int row = 0;
  QString message;
};

// Checks every leg row's wind, TAS and variation, and its track and distance
// when they are not empty: every failing cell, row by row.
QList<CellFault> CheckNavlogTable(const NavlogGrid& grid);

struct NavlogTotals {
  QString Dist;
  QString Time;
  QString Fuel;
  QStringList LegFaults;  // one message for every leg without a wind triangle
};

// CALCULATE over a checked grid: solves every leg with a track, fills its
// computed cells and sums distance, time and fuel. A leg whose crosswind is
// stronger than its TAS, or whose groundspeed is 0 or less, is marked "XXX"
// in its computed cells and left out of the totals.
NavlogTotals CalculateNavlog(NavlogGrid& grid, double fuelPerHour);

}  // namespace tvx
