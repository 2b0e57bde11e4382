#pragma once
// A pair of arrow buttons stacked one above the other, as the panel's flap
// control: it holds no value of its own and tells which arrow was pressed.
#include <QWidget>

class QToolButton;

namespace tvx {

class UpDownButton : public QWidget {
  Q_OBJECT
 public:
  explicit UpDownButton(QWidget* parent = nullptr);

  QToolButton* UpArrow() const { return up_; }
  QToolButton* DownArrow() const { return down_; }

 signals:
  // `up` is true for the upper arrow.
  void Clicked(bool up);

 private:
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace tvx
