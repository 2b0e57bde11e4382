#include "exercises/radiogroup.h"

#include <QVBoxLayout>

namespace tvx {

RadioGroup::RadioGroup(QWidget* parent) : QGroupBox(parent), group_(new QButtonGroup(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 4, 8, 4);
  layout->setSpacing(0);
}

void RadioGroup::SetItems(const QStringList& items) {
  for (QRadioButton* button : buttons_) {
    group_->removeButton(button);
    delete button;
  }
  buttons_.clear();
  for (const QString& text : items) {
    auto* button = new QRadioButton(text, this);
    group_->addButton(button, static_cast<int>(buttons_.size()));
    layout()->addWidget(button);
    button->show();  // the layout alone would show it only later
    buttons_ << button;
  }
}

QStringList RadioGroup::Items() const {
  QStringList items;
  for (const QRadioButton* button : buttons_) items << button->text();
  return items;
}

QRadioButton* RadioGroup::Button(int index) const {
  return index >= 0 && index < Count() ? buttons_[index] : nullptr;
}

int RadioGroup::ItemIndex() const { return group_->checkedId(); }

void RadioGroup::SetItemIndex(int index) {
  if (QRadioButton* button = Button(index)) {
    button->setChecked(true);
    return;
  }
  // An exclusive group never lets its last checked button go by itself.
  group_->setExclusive(false);
  for (QRadioButton* b : buttons_) b->setChecked(false);
  group_->setExclusive(true);
}

}  // namespace tvx
