#pragma once
// A drawing canvas with the semantics the instruments are written for: pen,
// brush and font are state that carries over from one drawing call to the
// next; rectangles and ellipses take corner pairs whose right and bottom are
// exclusive; arcs run counter-clockwise from a start ray to an end ray;
// colours are 0xBBGGRR values (red is 0x0000FF).
#include <QByteArray>
#include <QFont>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QString>
#include <QVector>
#include <cstdint>
#include <functional>

class QPainter;

namespace tvx {

using TColor = std::uint32_t;

namespace clr {
constexpr TColor Black = 0x000000;
constexpr TColor Maroon = 0x000080;
constexpr TColor Green = 0x008000;
constexpr TColor Olive = 0x008080;
constexpr TColor Navy = 0x800000;
constexpr TColor Purple = 0x800080;
constexpr TColor Teal = 0x808000;
constexpr TColor Gray = 0x808080;
constexpr TColor Silver = 0xC0C0C0;
constexpr TColor Red = 0x0000FF;
constexpr TColor Lime = 0x00FF00;
constexpr TColor Yellow = 0x00FFFF;
constexpr TColor Blue = 0xFF0000;
constexpr TColor Fuchsia = 0xFF00FF;
constexpr TColor Aqua = 0xFFFF00;
constexpr TColor White = 0xFFFFFF;
// The system colours the forms use.
constexpr TColor GrayText = 0x808080;
constexpr TColor BtnFace = 0xF0F0F0;
}  // namespace clr

// 0xBBGGRR from components.
constexpr TColor RGBColor(int r, int g, int b) {
  return static_cast<TColor>((b & 0xFF) << 16 | (g & 0xFF) << 8 | (r & 0xFF));
}

enum class PenStyle { Solid, Dash, Dot, DashDot, Clear };
enum class BrushStyle { Solid, Clear, DiagCross, Horizontal, Vertical, Cross };

struct PenState {
  TColor color = clr::Black;
  int width = 1;
  PenStyle style = PenStyle::Solid;
};

struct BrushState {
  TColor color = clr::White;
  BrushStyle style = BrushStyle::Solid;
};

struct FontState {
  QString name = "DejaVu Sans";
  int size = 8;  // points; drawn at a fixed 96 pixels per inch
  TColor color = clr::Black;
  bool bold = false;
  bool italic = false;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  PenState Pen;
  BrushState Brush;
  FontState Font;

  virtual void MoveTo(int x, int y) { penPos_ = {x, y}; }
  virtual void LineTo(int x, int y) = 0;
  virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
  // Fills with the brush only, no outline.
  virtual void FillRect(int x1, int y1, int x2, int y2) = 0;
  virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
  virtual void Polygon(const QVector<QPoint>& points) = 0;
  virtual void Polyline(const QVector<QPoint>& points) = 0;
  // The part of the ellipse in (x1,y1)-(x2,y2) from the ray towards (x3,y3)
  // counter-clockwise to the ray towards (x4,y4).
  virtual void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
  // The same section closed through the centre, filled with the brush.
  virtual void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
  // Text with its top-left corner at (x, y); on a filled box when the brush is solid.
  virtual void TextOut(int x, int y, const QString& text) = 0;
  // Text turned counter-clockwise by `angleDeg` about its top-left corner (x, y).
  virtual void RotatedTextOut(int x, int y, double angleDeg, const QString& text) = 0;
  virtual int TextWidth(const QString& text) const = 0;
  virtual int TextHeight(const QString& text) const = 0;

  // Draws what `draw` draws on this canvas. A canvas that paints pixels may
  // keep them under `key` and, next time, draw the kept pixels instead: the
  // same pixels, with the same pen, brush and font afterwards. `key` must
  // name everything the drawing depends on besides the pen, brush and font it
  // starts with; `bounds` must hold everything it draws.
  virtual void Layer(const QByteArray& key, const QRect& bounds, const std::function<void(Canvas&)>& draw) {
    (void)key;
    (void)bounds;
    draw(*this);
  }

  QPoint PenPos() const { return penPos_; }

 protected:
  QPoint penPos_;
};

// Pixel size of a font of `points` points at 96 pixels per inch.
int FontPixelSize(int points);

// The Qt font a painting canvas measures texts with, and writes with where
// a canvas pixel is a device pixel: the pixel size for 96 dpi, not smoothed,
// so that pixels are repeatable.
QFont PaintedFont(const FontState& f);

// The box a text takes on a canvas that paints: its advance and the font's
// line height (the box a solid brush fills). It needs the application's
// fonts, so a QGuiApplication must run.
QSize TextExtent(const FontState& font, const QString& text);

// A canvas over a QPainter. Where a canvas pixel is a device pixel it draws
// without smoothing, so that pixels are repeatable; on a scaled device (a
// screen's pixel ratio other than 1) it smooths lines and texts and keeps
// its pictures of texts and layers at the device's resolution.
class PainterCanvas : public Canvas {
 public:
  PainterCanvas() = default;
  explicit PainterCanvas(QPainter* painter) { Attach(painter); }
  void Attach(QPainter* painter);
  void Detach() { painter_ = nullptr; }

  void LineTo(int x, int y) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void FillRect(int x1, int y1, int x2, int y2) override;
  void Ellipse(int x1, int y1, int x2, int y2) override;
  void Polygon(const QVector<QPoint>& points) override;
  void Polyline(const QVector<QPoint>& points) override;
  void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
  void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
  void TextOut(int x, int y, const QString& text) override;
  void RotatedTextOut(int x, int y, double angleDeg, const QString& text) override;
  int TextWidth(const QString& text) const override;
  int TextHeight(const QString& text) const override;

  void Layer(const QByteArray& key, const QRect& bounds, const std::function<void(Canvas&)>& draw) override;

  // Texts and layers are drawn from pictures kept after their first drawing;
  // false draws them afresh every time (the same pixels, more slowly).
  static bool CacheText;
  static bool CacheLayers;

 private:
  // Returns the text's advance.
  int DrawTextAt(int x, int y, double angleDeg, const QString& text);
  void ApplyPen();
  void ApplyBrush();
  QPainter* painter_ = nullptr;
  qreal scale_ = 1;  // device pixels to one canvas pixel
};

// Start angle and counter-clockwise span, in degrees, of an arc given by its
// bounding box and two rays (shared by every canvas so that they agree).
void ArcAngles(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4, double& startDeg, double& spanDeg);

// Cuts the segment a-b, in floating point, to the square |x|, |y| <= limit
// (Liang-Barsky); false when none of it lies inside or an end is not finite.
bool ClipToSquare(QPointF& a, QPointF& b, double limit);

// Logs every primitive with the pen, brush and font it was drawn with, so a
// test can check where a needle or a mark is drawn without reading pixels.
class RecordingCanvas : public Canvas {
 public:
  enum class Op { Line, Rectangle, FillRect, Ellipse, Polygon, Polyline, Arc, Pie, Text, RotatedText };
  struct Primitive {
    Op op;
    QVector<QPoint> points;  // line: from, to; boxes: two corners; arcs: the four points
    QString text;
    double angle = 0;
    PenState pen;
    BrushState brush;
    FontState font;
  };

  void LineTo(int x, int y) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void FillRect(int x1, int y1, int x2, int y2) override;
  void Ellipse(int x1, int y1, int x2, int y2) override;
  void Polygon(const QVector<QPoint>& points) override;
  void Polyline(const QVector<QPoint>& points) override;
  void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
  void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
  void TextOut(int x, int y, const QString& text) override;
  void RotatedTextOut(int x, int y, double angleDeg, const QString& text) override;
  int TextWidth(const QString& text) const override;
  int TextHeight(const QString& text) const override;

  // The texts drawn, in order.
  QVector<QString> Texts() const;
  int Count(Op op) const;

  QVector<Primitive> log;

 private:
  void Add(Op op, QVector<QPoint> points, const QString& text = {}, double angle = 0);
};

}  // namespace tvx
