#pragma once
// A drawing surface standing in for a chart control: the program never fills
// it with data, it paints on its canvas in the after-draw hook. Repaint()
// asks for a paint; Render() paints into an image without an event loop.
#include <QImage>
#include <QWidget>
#include <functional>

#include "platform/canvas.h"

namespace tvx {

class ChartSurface : public QWidget {
  Q_OBJECT
 public:
  explicit ChartSurface(QWidget* parent = nullptr);

  // Called with the surface's canvas at every paint, after the background.
  std::function<void(Canvas&)> AfterDraw;

  // Background colour; a surface with `transparentBackground` paints none.
  TColor Color = clr::GrayText;
  bool TransparentBackground = false;

  // The chart's 3-D view values that the instruments read.
  int VertOffset = 0;
  int Zoom = 100;
  int Elevation = 360;
  double Rotation = 0;  // rotation of the attitude indicator's disc, degrees

  // Run at every repaint request, before the paint is asked for. What a
  // chart shows but must not compute while painting is computed here: a
  // hidden or covered chart gets no paint, yet the program reads the results.
  std::function<void()> BeforeRepaint;

  void Repaint() {
    ++RepaintRequests;
    if (BeforeRepaint) BeforeRepaint();
    update();
  }
  // How often a repaint was asked for; overlapping charts also repaint each
  // other, so this, not the paints, tells who asked.
  int RepaintRequests = 0;
  // Paints the surface as it would be shown, into a new image of its size
  // in the screen's pixels (its device pixel ratio set).
  QImage Render();
  // Paints background and after-draw into `painter` (the paint path of both
  // the widget and Render()).
  void PaintInto(QPainter& painter);
  // Painting keeps pen, brush and font on this canvas between paints.
  Canvas& CanvasState() { return canvas_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  PainterCanvas canvas_;
};

}  // namespace tvx
