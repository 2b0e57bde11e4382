#pragma once
// A light on the panel: a circle or rectangle filled with a brush. A lit
// light has a solid brush; an unlit one a diagonal cross-hatch.
#include <QWidget>

#include "platform/canvas.h"

namespace tvx {

class ShapeWidget : public QWidget {
  Q_OBJECT
 public:
  enum class Kind { Circle, Rectangle };
  explicit ShapeWidget(QWidget* parent = nullptr);

  void SetBrush(TColor color, BrushStyle style);
  TColor BrushColor() const { return brushColor_; }
  BrushStyle Style() const { return brushStyle_; }
  void SetKind(Kind kind);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  TColor brushColor_ = clr::White;
  BrushStyle brushStyle_ = BrushStyle::DiagCross;
  Kind kind_ = Kind::Circle;
};

}  // namespace tvx
