#include "platform/chartsurface.h"

#include <QPainter>

namespace tvx {

ChartSurface::ChartSurface(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent, false);
  setFocusPolicy(Qt::NoFocus);
}

void ChartSurface::PaintInto(QPainter& painter) {
  if (!TransparentBackground)
    painter.fillRect(QRect(0, 0, width(), height()), QColor(Color & 0xFF, (Color >> 8) & 0xFF, (Color >> 16) & 0xFF));
  if (!AfterDraw) return;
  canvas_.Attach(&painter);
  AfterDraw(canvas_);
  canvas_.Detach();
}

QImage ChartSurface::Render() {
  // At the screen's resolution, as the surface is shown.
  const qreal ratio = devicePixelRatioF();
  QImage image((QSizeF(std::max(1, width()), std::max(1, height())) * ratio).toSize(), QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::white);
  QPainter painter(&image);
  PaintInto(painter);
  return image;
}

void ChartSurface::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintInto(painter);
}

}  // namespace tvx
