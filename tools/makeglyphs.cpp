// Draws the FLY and STOP button pictures shipped in data/Navdata:
// a green "play" triangle and a red "stop" square on the button face.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPolygon>

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  const QString folder = argc > 1 ? argv[1] : "data/Navdata";
  const QColor face(0xF0, 0xF0, 0xF0);

  QImage start(32, 32, QImage::Format_RGB888);
  start.fill(face);
  {
    QPainter p(&start);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(0, 0x60, 0));
    p.setBrush(QColor(0, 0xB0, 0));
    p.drawPolygon(QPolygon({QPoint(8, 4), QPoint(26, 16), QPoint(8, 28)}));
  }
  QImage stop(32, 32, QImage::Format_RGB888);
  stop.fill(face);
  {
    QPainter p(&stop);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(0x80, 0, 0));
    p.setBrush(QColor(0xE0, 0, 0));
    p.drawRect(6, 6, 20, 20);
  }
  const bool ok = start.save(folder + "/start.bmp", "BMP") && stop.save(folder + "/stop.bmp", "BMP");
  return ok ? 0 : 1;
}
