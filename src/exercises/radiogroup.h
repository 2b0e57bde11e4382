#pragma once
// A group box of radio buttons made from a list of texts, one checked at a
// time, known by its index (-1 when none is checked). The buttons share the
// box's height evenly.
#include <QButtonGroup>
#include <QGroupBox>
#include <QList>
#include <QRadioButton>
#include <QStringList>

namespace tvx {

class RadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  explicit RadioGroup(QWidget* parent = nullptr);

  // Replaces the buttons, none checked.
  void SetItems(const QStringList& items);
  QStringList Items() const;
  int Count() const { return static_cast<int>(buttons_.size()); }
  QRadioButton* Button(int index) const;

  int ItemIndex() const;
  // Checks button `index`; an index outside the buttons checks none.
  void SetItemIndex(int index);

 private:
  QButtonGroup* group_;
  QList<QRadioButton*> buttons_;
};

}  // namespace tvx
