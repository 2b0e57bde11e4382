// Reads a screenshot for the window tests: how much of a rectangle of it
// shows one colour exactly, in thousandths.
// Usage: screenprobe <png> <#rrggbb> <x> <y> <width> <height>
// Prints the share (0..1000); exits 2 when the picture cannot be read or the
// rectangle lies outside it.
#include <QColor>
#include <QImage>
#include <QRect>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
  if (argc != 7) {
    std::fprintf(stderr, "usage: %s <png> <#rrggbb> <x> <y> <width> <height>\n", argv[0]);
    return 2;
  }
  const QImage picture = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
  const QColor colour(QString::fromLatin1(argv[2]));
  const QRect area(std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6]));
  if (picture.isNull() || !colour.isValid() || area.isEmpty() || !picture.rect().contains(area)) {
    std::fprintf(stderr, "%s: no %dx%d picture holding %d,%d %dx%d\n", argv[1], picture.width(), picture.height(),
                 area.x(), area.y(), area.width(), area.height());
    return 2;
  }
  const QRgb wanted = colour.rgb() & RGB_MASK;
  long long matching = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
    for (int x = area.left(); x <= area.right(); ++x) matching += (line[x] & RGB_MASK) == wanted;
  }
  std::printf("%lld\n", matching * 1000 / (static_cast<long long>(area.width()) * area.height()));
  return 0;
}
