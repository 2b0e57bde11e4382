// Draws the main menu's pictures shipped in data/pictures and saves them as
// JPEG files: the background (sky, runway and a climbing aircraft), the
// pictures of the SIM and IFR EXERCISES buttons (an attitude indicator and a
// compass rose) and the link to the pilots' community.
// Run: makepictures data/pictures
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <cstdio>

#include "platform/jpegimage.h"

namespace {

QImage Canvas(int width, int height, const QColor& fill) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(fill);
  return image;
}

void Cloud(QPainter& p, QPointF at, qreal size) {
  p.setPen(Qt::NoPen);
  const QPointF puffs[] = {{0, 0}, {0.8, -0.35}, {1.6, -0.1}, {2.3, 0.1}, {-0.8, 0.15}, {0.9, 0.25}, {1.7, 0.3}};
  for (const QPointF& puff : puffs) {
    const QPointF centre = at + puff * size;
    QRadialGradient glow(centre, size);
    glow.setColorAt(0, QColor(255, 255, 255, 170));
    glow.setColorAt(0.7, QColor(240, 245, 255, 90));
    glow.setColorAt(1, QColor(240, 245, 255, 0));
    p.setBrush(glow);
    p.drawEllipse(centre, size, size * 0.75);
  }
}

// An airliner seen from its left side, nose up by `climb` degrees; `length`
// is the fuselage's length.
void Aircraft(QPainter& p, QPointF at, qreal length, qreal climb) {
  p.save();
  p.translate(at);
  p.rotate(-climb);
  const qreal l = length / 2, r = length * 0.055;  // half length, fuselage radius
  const QColor skin(238, 240, 246), line(30, 35, 50), trim(0, 70, 170);
  p.setPen(QPen(line, 1.5));
  // The far wing and stabiliser, behind the fuselage.
  p.setBrush(QColor(200, 205, 215));
  p.drawPolygon(QPolygonF{{-l * 0.05, -r * 0.2}, {-l * 0.30, -r * 2.6}, {-l * 0.18, -r * 2.6}, {l * 0.20, -r * 0.2}});
  p.drawPolygon(QPolygonF{{-l * 0.78, -r * 0.3}, {-l * 0.98, -r * 1.6}, {-l * 0.90, -r * 1.6}, {-l * 0.62, -r * 0.3}});
  // The fin.
  p.setBrush(trim);
  p.drawPolygon(QPolygonF{{-l * 0.70, -r * 0.8}, {-l * 0.98, -r * 3.8}, {-l * 1.06, -r * 3.8}, {-l * 1.0, -r * 0.6}});
  // The fuselage: a long body with a rounded nose and a tapered tail.
  QPainterPath body;
  body.moveTo(-l, -r * 0.6);
  body.lineTo(l * 0.72, -r);
  body.cubicTo(l * 0.92, -r, l, -r * 0.2, l, r * 0.1);
  body.cubicTo(l, r * 0.7, l * 0.9, r, l * 0.72, r);
  body.lineTo(-l * 0.62, r);
  body.lineTo(-l * 1.04, -r * 0.2);
  body.closeSubpath();
  p.setBrush(skin);
  p.drawPath(body);
  // A cheat line and the cabin windows.
  p.setPen(QPen(trim, r * 0.22));
  p.drawLine(QPointF(-l * 0.62, r * 0.35), QPointF(l * 0.80, r * 0.35));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 60, 100));
  for (int i = 0; i < 22; ++i) p.drawEllipse(QPointF(-l * 0.50 + i * l * 0.058, -r * 0.25), r * 0.13, r * 0.16);
  p.drawPolygon(QPolygonF{{l * 0.86, -r * 0.55}, {l * 0.94, -r * 0.40}, {l * 0.92, -r * 0.15}, {l * 0.84, -r * 0.25}});
  // The near wing with its engine, in front of the fuselage.
  p.setPen(QPen(line, 1.5));
  p.setBrush(QColor(225, 228, 236));
  p.drawPolygon(QPolygonF{{-l * 0.02, r * 0.5}, {-l * 0.42, r * 3.4}, {-l * 0.28, r * 3.4}, {l * 0.24, r * 0.5}});
  p.setBrush(QColor(180, 185, 195));
  p.drawRoundedRect(QRectF(-l * 0.02, r * 1.05, l * 0.30, r * 0.95), r * 0.4, r * 0.4);
  p.restore();
}

QImage Background() {
  const int w = 1920, h = 1080;
  QImage image = Canvas(w, h, Qt::black);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal horizon = h * 0.70;

  QLinearGradient sky(0, 0, 0, horizon);
  sky.setColorAt(0, QColor(8, 24, 80));
  sky.setColorAt(0.55, QColor(40, 90, 170));
  sky.setColorAt(1, QColor(170, 200, 230));
  p.fillRect(QRectF(0, 0, w, horizon), sky);

  QRadialGradient sun(QPointF(w * 0.63, horizon * 0.92), w * 0.35);
  sun.setColorAt(0, QColor(255, 230, 170, 200));
  sun.setColorAt(0.25, QColor(255, 200, 140, 80));
  sun.setColorAt(1, QColor(255, 200, 140, 0));
  p.fillRect(QRectF(0, 0, w, horizon), sun);

  Cloud(p, QPointF(w * 0.12, h * 0.20), 60);
  Cloud(p, QPointF(w * 0.42, h * 0.12), 45);
  Cloud(p, QPointF(w * 0.75, h * 0.26), 70);
  Cloud(p, QPointF(w * 0.30, h * 0.45), 38);
  Cloud(p, QPointF(w * 0.88, h * 0.50), 30);

  QLinearGradient ground(0, horizon, 0, h);
  ground.setColorAt(0, QColor(95, 110, 80));
  ground.setColorAt(0.3, QColor(60, 95, 45));
  ground.setColorAt(1, QColor(30, 60, 25));
  p.fillRect(QRectF(0, horizon, w, h - horizon), ground);
  // Fields in perspective.
  p.setPen(QPen(QColor(80, 115, 60), 2));
  const QPointF vanish(w * 0.5, horizon);
  for (int i = -12; i <= 12; ++i) p.drawLine(vanish, QPointF(w * 0.5 + i * w * 0.16, h));
  for (int i = 1; i <= 6; ++i) {
    const qreal y = horizon + (h - horizon) * (i * i) / 36.0;
    p.drawLine(QPointF(0, y), QPointF(w, y));
  }

  // The runway, its edges meeting at the horizon's vanishing point.
  const qreal far = horizon + 14, near = h;
  const qreal farHalf = 14, nearHalf = 260;
  QPolygonF runway{{vanish.x() - farHalf, far}, {vanish.x() + farHalf, far}, {vanish.x() + nearHalf, near},
                   {vanish.x() - nearHalf, near}};
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(55, 55, 60));
  p.drawPolygon(runway);
  p.setPen(QPen(QColor(235, 235, 235), 3));
  p.drawLine(runway[0], runway[3]);
  p.drawLine(runway[1], runway[2]);
  // Centre-line dashes, longer as they come nearer.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(240, 240, 240));
  for (int i = 0; i < 9; ++i) {
    const qreal t0 = std::pow((i + 0.2) / 9.0, 2), t1 = std::pow((i + 0.55) / 9.0, 2);
    const qreal y0 = far + (near - far) * t0, y1 = far + (near - far) * t1;
    const qreal half0 = 1 + 5 * t0, half1 = 1 + 5 * t1;
    p.drawPolygon(QPolygonF{{vanish.x() - half0, y0}, {vanish.x() + half0, y0}, {vanish.x() + half1, y1},
                            {vanish.x() - half1, y1}});
  }
  // Approach lights before the threshold are off the picture; the threshold
  // bars lie near the bottom.
  for (int i = 0; i < 8; ++i) {
    const qreal y0 = near - 60, y1 = near - 20;
    const qreal side = (i < 4 ? -1 : 1);
    const qreal k = (i % 4) + 1;
    const qreal x0 = vanish.x() + side * (nearHalf * 0.18 * k), x1 = x0 + side * 22;
    p.drawPolygon(QPolygonF{{x0, y0}, {x1, y0}, {x1 + side * 4, y1}, {x0 + side * 4, y1}});
  }

  Aircraft(p, QPointF(w * 0.52, h * 0.30), 420, 12);
  p.end();
  return image;
}

void DrawAttitudeIndicator(QPainter& p, QPointF c, qreal r) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(25, 25, 25));
  p.drawEllipse(c, r, r);
  const qreal inner = r * 0.86;
  QPainterPath disc;
  disc.addEllipse(c, inner, inner);
  p.save();
  p.setClipPath(disc);
  p.translate(c);
  p.rotate(-15);
  p.fillRect(QRectF(-r, -r, 2 * r, r + inner * 0.12), QColor(40, 130, 230));
  p.fillRect(QRectF(-r, inner * 0.12, 2 * r, r), QColor(150, 90, 40));
  p.setPen(QPen(Qt::white, 3));
  p.drawLine(QPointF(-r, inner * 0.12), QPointF(r, inner * 0.12));
  p.setPen(QPen(Qt::white, 2));
  for (int i = 1; i <= 3; ++i) {
    const qreal y = inner * 0.12 - i * inner * 0.18;
    const qreal half = i % 2 ? inner * 0.18 : inner * 0.30;
    p.drawLine(QPointF(-half, y), QPointF(half, y));
    const qreal yd = inner * 0.12 + i * inner * 0.18;
    p.drawLine(QPointF(-half, yd), QPointF(half, yd));
  }
  p.restore();
  // The aircraft symbol, fixed to the case.
  p.setPen(QPen(QColor(255, 200, 0), 6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(c + QPointF(-inner * 0.62, 0), c + QPointF(-inner * 0.22, 0));
  p.drawLine(c + QPointF(inner * 0.22, 0), c + QPointF(inner * 0.62, 0));
  p.drawLine(c + QPointF(-inner * 0.22, 0), c + QPointF(0, inner * 0.12));
  p.drawLine(c + QPointF(0, inner * 0.12), c + QPointF(inner * 0.22, 0));
  p.setBrush(QColor(255, 200, 0));
  p.setPen(Qt::NoPen);
  p.drawEllipse(c, 5, 5);
}

QImage SimulatorPicture() {
  QImage image = Canvas(256, 256, QColor(0, 128, 0));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  DrawAttitudeIndicator(p, QPointF(128, 128), 120);
  p.end();
  return image;
}

QImage ExercisesPicture() {
  QImage image = Canvas(256, 256, QColor(0, 64, 176));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF c(128, 128);
  const qreal r = 120;
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(20, 20, 20));
  p.drawEllipse(c, r, r);
  // The compass card, turned to a heading of 330.
  p.save();
  p.translate(c);
  p.rotate(30);
  QFont font("DejaVu Sans");
  font.setPixelSize(22);
  font.setBold(true);
  p.setFont(font);
  for (int deg = 0; deg < 360; deg += 5) {
    p.save();
    p.rotate(deg);
    p.setPen(QPen(Qt::white, deg % 10 == 0 ? 3 : 1.5));
    p.drawLine(QPointF(0, -r * 0.92), QPointF(0, deg % 10 == 0 ? -r * 0.80 : -r * 0.86));
    if (deg % 90 == 0) {
      const char* letters[] = {"N", "E", "S", "W"};
      p.drawText(QRectF(-20, -r * 0.80, 40, 28), Qt::AlignCenter, letters[deg / 90]);
    }
    p.restore();
  }
  p.restore();
  // The course needle (magenta) with its deviation bar, and the aircraft.
  p.save();
  p.translate(c);
  p.rotate(40);
  p.setPen(QPen(QColor(230, 0, 230), 6, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(0, -r * 0.62), QPointF(0, -r * 0.30));
  p.drawLine(QPointF(0, r * 0.30), QPointF(0, r * 0.62));
  p.drawLine(QPointF(14, -r * 0.26), QPointF(14, r * 0.26));
  p.setBrush(QColor(230, 0, 230));
  p.setPen(Qt::NoPen);
  p.drawPolygon(QPolygonF{{0, -r * 0.74}, {-10, -r * 0.58}, {10, -r * 0.58}});
  p.setBrush(Qt::white);
  for (int dot : {-2, -1, 1, 2}) p.drawEllipse(QPointF(dot * 24.0, 0), 4, 4);
  p.restore();
  p.setPen(QPen(QColor(255, 160, 0), 5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(c + QPointF(0, -22), c + QPointF(0, 26));
  p.drawLine(c + QPointF(-22, -2), c + QPointF(22, -2));
  p.drawLine(c + QPointF(-9, 22), c + QPointF(9, 22));
  // The lubber line.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 160, 0));
  p.drawPolygon(QPolygonF{c + QPointF(0, -r * 0.92), c + QPointF(-8, -r * 1.0), c + QPointF(8, -r * 1.0)});
  p.end();
  return image;
}

QImage CommunityPicture() {
  const int w = 540, h = 150;
  QImage image = Canvas(w, h, Qt::black);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient band(0, 0, w, h);
  band.setColorAt(0, QColor(20, 60, 150));
  band.setColorAt(1, QColor(10, 20, 70));
  p.fillRect(image.rect(), band);
  p.setPen(QPen(QColor(255, 255, 255, 200), 3));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(1.5, 1.5, w - 3, h - 3));
  // Three pilots, side by side.
  const QColor people[] = {QColor(255, 200, 0), QColor(255, 255, 255), QColor(120, 200, 255)};
  for (int i = 0; i < 3; ++i) {
    const qreal x = 52 + i * 42, y = 60;
    p.setPen(Qt::NoPen);
    p.setBrush(people[i]);
    p.drawEllipse(QPointF(x, y), 16, 16);
    QPainterPath body;
    body.moveTo(x - 28, y + 62);
    body.cubicTo(x - 28, y + 20, x + 28, y + 20, x + 28, y + 62);
    body.closeSubpath();
    p.drawPath(body);
  }
  QFont title("DejaVu Sans");
  title.setPixelSize(30);
  title.setBold(true);
  p.setFont(title);
  p.setPen(Qt::white);
  p.drawText(QRectF(180, 24, w - 190, 50), Qt::AlignLeft | Qt::AlignVCenter, "Pilots' Community");
  QFont line("DejaVu Sans");
  line.setPixelSize(21);
  p.setFont(line);
  p.setPen(QColor(255, 230, 150));
  p.drawText(QRectF(180, 78, w - 190, 50), Qt::AlignLeft | Qt::AlignVCenter, "Fly with us - join the group");
  p.end();
  return image;
}

bool Save(const QImage& image, const QString& path) {
  const QByteArray jpeg = tvx::EncodeJpeg(image, 88);
  QFile file(path);
  if (jpeg.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(jpeg) != jpeg.size()) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  const QString folder = argc > 1 ? argv[1] : "data/pictures";
  QDir().mkpath(folder);
  bool ok = Save(Background(), folder + "/menu-background.jpg");
  ok = Save(SimulatorPicture(), folder + "/menu-simulator.jpg") && ok;
  ok = Save(ExercisesPicture(), folder + "/menu-exercises.jpg") && ok;
  ok = Save(CommunityPicture(), folder + "/menu-pilotsgroup.jpg") && ok;
  return ok ? 0 : 1;
}
