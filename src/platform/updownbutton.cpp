#include "platform/updownbutton.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace tvx {

UpDownButton::UpDownButton(QWidget* parent) : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  for (QToolButton* b : {up_, down_}) {
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    b->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(b);
  }
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  connect(up_, &QToolButton::clicked, this, [this] { emit Clicked(true); });
  connect(down_, &QToolButton::clicked, this, [this] { emit Clicked(false); });
}

}  // namespace tvx
