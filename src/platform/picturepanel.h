#pragma once
// A panel that shows a picture behind its children, scaled to cover the
// whole panel and cut to its shape, centred; the panel's own colour where
// there is no picture.
#include <QFrame>
#include <QImage>
#include <QPixmap>

namespace tvx {

class PicturePanel : public QFrame {
  Q_OBJECT
 public:
  using QFrame::QFrame;

  void SetPicture(const QImage& picture);
  const QImage& Picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
  QPixmap scaled_;  // the picture as it covers the panel, made again after a resize
};

// The part of a picture of `pictureSize` that covers `target` when scaled
// with its proportions kept: the whole of one side, centred on the other.
QRect CoveringSourceRect(const QSize& pictureSize, const QSize& target);

}  // namespace tvx
