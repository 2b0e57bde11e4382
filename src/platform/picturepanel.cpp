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
  scaled_ = QPixmap();
  update();
}

void PicturePanel::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  if (picture_.isNull()) {
    painter.fillRect(rect(), palette().window());
  } else {
    // Scaled once per size: the panel lies under controls that repaint often.
    if (scaled_.size() != size())
      scaled_ = QPixmap::fromImage(picture_.copy(CoveringSourceRect(picture_.size(), size()))
                                       .scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    painter.drawPixmap(0, 0, scaled_);
  }
  painter.end();
  QFrame::paintEvent(event);
}

}  // namespace tvx
