#include "platform/textutil.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace tvx {

QString FormatFixed(double value, int width, int decimals) {
  if (!std::isfinite(value)) return QString(std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF")).rightJustified(width);
  if (decimals < 0) decimals = 0;
  const double scale = std::pow(10.0, decimals);
  double scaled = std::round(value * scale);  // halves away from zero
  if (scaled == 0) scaled = 0;                // drop a negative zero
  QString text;
  if (std::fabs(scaled) < 9.0e15) {
    const long long whole = static_cast<long long>(scaled);
    const bool negative = whole < 0;
    QString digits = QString::number(negative ? -whole : whole);
    if (decimals > 0) {
      if (digits.size() <= decimals) digits = digits.rightJustified(decimals + 1, '0');
      digits.insert(digits.size() - decimals, '.');
    }
    text = negative ? "-" + digits : digits;
  } else {
    text = QString::number(value, 'f', decimals);
  }
  return text.rightJustified(width);
}

int RoundPixel(double value) {
  if (!std::isfinite(value)) return 0;
  const double r = std::round(value);
  if (r > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (r < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(r);
}

long long RoundHalfEven(double value) {
  return static_cast<long long>(std::nearbyint(value));  // default FE_TONEAREST
}

static bool IsDigits(const QString& s, int from, int to) {
  if (from >= to) return false;
  for (int i = from; i < to; ++i)
    if (!s[i].isDigit() || s[i].unicode() > 127) return false;
  return true;
}

bool TryParseInt(const QString& text, int& out) {
  const QString t = text.trimmed();
  int start = 0;
  if (!t.isEmpty() && (t[0] == '+' || t[0] == '-')) start = 1;
  if (!IsDigits(t, start, t.size())) return false;
  bool ok = false;
  const qlonglong v = t.toLongLong(&ok, 10);
  if (!ok || v > std::numeric_limits<int>::max() || v < std::numeric_limits<int>::min()) return false;
  out = static_cast<int>(v);
  return true;
}

bool TryParseReal(const QString& text, double& out) {
  const QString t = text.trimmed();
  int i = 0;
  const int n = t.size();
  if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
  int intStart = i;
  while (i < n && t[i].unicode() >= '0' && t[i].unicode() <= '9') ++i;
  int intDigits = i - intStart;
  int fracDigits = 0;
  if (i < n && t[i] == '.') {
    ++i;
    int fracStart = i;
    while (i < n && t[i].unicode() >= '0' && t[i].unicode() <= '9') ++i;
    fracDigits = i - fracStart;
  }
  if (intDigits + fracDigits == 0) return false;
  if (i < n && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
    int expStart = i;
    while (i < n && t[i].unicode() >= '0' && t[i].unicode() <= '9') ++i;
    if (i == expStart) return false;
  }
  if (i != n) return false;
  bool ok = false;
  const double v = t.toDouble(&ok);  // QString::toDouble is locale-free
  if (!ok || !std::isfinite(v)) return false;
  out = v;
  return true;
}

double ValOrZero(const QString& text) {
  double v = 0;
  return TryParseReal(text, v) ? v : 0.0;
}

QString BareFileName(const QString& path) {
  const int slash = std::max(path.lastIndexOf('/'), path.lastIndexOf('\\'));
  QString name = path.mid(slash + 1);
  const int dot = name.lastIndexOf('.');
  if (dot > 0) name.truncate(dot);
  else if (dot == 0) name.clear();
  return name;
}

}  // namespace tvx
