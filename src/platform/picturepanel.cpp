#include "platform/picturepanel.h"

#include <QPainter>

namespace tvx {

QRect CoveringSourceRect(const QSize& pictureSize, const QSize& target) {
  if (pictureSize.isEmpty() || target.isEmpty()) return {};
  const qint64 pw = pictureSize.width(), ph = pictureSize.height();
  const qint64 tw = target.width(), th = target.height();
  // Wider than the target: the full height, the middle of the width.
  if (pw * th > tw * ph) {
    const int width = static_cast<int>(tw * ph / th);
    return {static_cast<int>((pw - width) / 2), 0, width, static_cast<int>(ph)};
  }
  const int height = static_cast<int>(th * pw / tw);
  return {0, static_cast<int>((ph - height) / 2), static_cast<int>(pw), height};
}

void PicturePanel::SetPicture(const QImage& picture) {
  picture_ = picture;
  update();
}

void PicturePanel::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  if (picture_.isNull()) {
    painter.fillRect(rect(), palette().window());
  } else {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), picture_, CoveringSourceRect(picture_.size(), size()));
  }
  painter.end();
  QFrame::paintEvent(event);
}

}  // namespace tvx
