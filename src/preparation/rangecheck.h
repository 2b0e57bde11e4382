#pragma once
// The range checks of the flight-preparation tools: a box must hold a whole
// number or a real within a range; the first failing box of a run is
// reported and takes the focus.
#include <QString>

class QLineEdit;

namespace tvx {

// A range bound as the messages write it: "0", "1000", "-100", "1000000", "0.5".
QString BoundText(double value);

// The message for `text` when it is not a number (whole when `integer`) in
// low..high; an empty string when it passes.
QString RangeFault(const QString& text, double low, double high, bool integer);

// Checks `box` unless `errorFlag` is already set; a failure sets the flag,
// moves the focus to the box and shows the message.
void CheckBox(QLineEdit* box, double low, double high, bool integer, bool& errorFlag);

}  // namespace tvx
