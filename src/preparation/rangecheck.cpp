#include "preparation/rangecheck.h"

#include <QLineEdit>

#include "platform/messages.h"
#include "platform/textutil.h"

namespace tvx {

QString BoundText(double value) { return QString::number(value, 'g', 15); }

QString RangeFault(const QString& text, double low, double high, bool integer) {
  double value = 0;
  bool number = false;
  if (integer) {
    int whole = 0;
    number = TryParseInt(text, whole);
    value = whole;
  } else {
    number = TryParseReal(text, value);
  }
  if (!number) return "ERROR: INPUT IS NOT CORRECT ";
  if (value < low || value > high)
    return "ERROR: INPUT IS NOT BETWEEN " + BoundText(low) + " AND " + BoundText(high);
  return {};
}

void CheckBox(QLineEdit* box, double low, double high, bool integer, bool& errorFlag) {
  if (errorFlag) return;
  const QString fault = RangeFault(box->text(), low, high, integer);
  if (fault.isEmpty()) return;
  errorFlag = true;
  box->setFocus();
  Messages().ShowMessage(fault);
}

}  // namespace tvx
