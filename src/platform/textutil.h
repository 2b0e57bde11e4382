#pragma once
// Number and text routines shared by every unit of the program.
#include <QString>

namespace tvx {

// Fixed-point text of `value`, right-aligned in `width` characters, with
// `decimals` decimals. Halves round away from zero and a value that rounds to
// zero is never written "-0".
QString FormatFixed(double value, int width, int decimals);

// A real rounded to the nearest whole number, halves away from zero: the
// rounding of every pixel and whole degree the program draws or steps.
int RoundPixel(double value);

// Rounds halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
long long RoundHalfEven(double value);

// Strict, locale-free parsing: the trimmed text must be the number as a whole,
// with "." as the only decimal separator. No hex, no octal ("087" is 87).
bool TryParseInt(const QString& text, int& out);
bool TryParseReal(const QString& text, double& out);

// The text read as a real number, 0 when it is none.
double ValOrZero(const QString& text);

// A file name without its folder and extension; "/" and "\" both separate.
QString BareFileName(const QString& path);

}  // namespace tvx
