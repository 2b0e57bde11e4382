// Reads a screenshot for the window tests: whether a window on the screen
// shows what the window itself drew.
// Usage: windowmatch <screenshot png> <window png> <x1> <y1> <x2> <y2> [<earlier png>]
// The window's own picture (its client area) is looked for within the
// rectangle x1,y1 - x2,y2 of the screenshot, where the compositor placed the
// window with whatever decoration is drawn round it: every placement of the
// picture inside the rectangle is tried and the best one kept. Prints
//   matching <n>‰ at +<dx>+<dy>, one colour <m>‰
// where n is the share of the picture's pixels that the screenshot shows
// alike there, and m the share of the most common colour on the screen in
// that place (a window that shows nothing is all one colour). With the
// window's picture from an earlier time, the share of it the screen shows
// alike in the same place follows ("as earlier <k>‰"): a window brought back
// shows what it showed before. Exits 0 when the window shows its own picture
// (and the earlier one) and something; 1 when not, with the reason; 2 when
// the pictures cannot be read or do not fit.
#include <QHash>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <cstdio>
#include <cstdlib>

namespace {

// Below this share the screen shows something else than the window drew:
// the desktop behind it, another window, or a picture left from before. The
// rest allows for a caret or a clock that changed between the two pictures.
constexpr long long kMatchingAtLeast = 950;
// From this share of one colour on, the window shows nothing.
constexpr long long kOneColourBelow = 950;
// Two pixels alike: each channel within this (the compositor's blending of a
// window that should be opaque is not).
constexpr int kChannelTolerance = 8;

bool Alike(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) <= kChannelTolerance && std::abs(qGreen(a) - qGreen(b)) <= kChannelTolerance &&
         std::abs(qBlue(a) - qBlue(b)) <= kChannelTolerance;
}

// Pixels of `picture` alike in `screen` with the picture's corner at `at`,
// every `step`-th pixel in each direction; and how many were compared.
std::pair<long long, long long> Matching(const QImage& screen, const QImage& picture, QPoint at, int step) {
  long long alike = 0, compared = 0;
  for (int y = 0; y < picture.height(); y += step) {
    const auto* mine = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
    const auto* shown = reinterpret_cast<const QRgb*>(screen.constScanLine(at.y() + y));
    for (int x = 0; x < picture.width(); x += step, ++compared) alike += Alike(mine[x], shown[at.x() + x]);
  }
  return {alike, compared};
}

// Thousandths of `area` of `screen` in its most common colour.
long long OneColourShare(const QImage& screen, QRect area) {
  QHash<QRgb, long long> counts;
  long long most = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(screen.constScanLine(y));
    for (int x = area.left(); x <= area.right(); ++x) most = std::max(most, ++counts[line[x] & RGB_MASK]);
  }
  return most * 1000 / (static_cast<long long>(area.width()) * area.height());
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 7 && argc != 8) {
    std::fprintf(stderr, "usage: %s <screenshot png> <window png> <x1> <y1> <x2> <y2> [<earlier png>]\n", argv[0]);
    return 2;
  }
  const auto read = [](const char* file) { return QImage(QString::fromLocal8Bit(file)).convertToFormat(QImage::Format_RGB32); };
  const QImage screen = read(argv[1]);
  const QImage picture = read(argv[2]);
  const QImage earlier = argc == 8 ? read(argv[7]) : QImage();
  const QRect placed(QPoint(std::atoi(argv[3]), std::atoi(argv[4])), QPoint(std::atoi(argv[5]) - 1, std::atoi(argv[6]) - 1));
  const QRect room = placed.intersected(screen.rect());
  if (screen.isNull() || picture.isNull() || room.width() < picture.width() || room.height() < picture.height()) {
    std::fprintf(stderr, "no %dx%d window picture within %d,%d %dx%d of a %dx%d screenshot\n", picture.width(),
                 picture.height(), placed.x(), placed.y(), placed.width(), placed.height(), screen.width(),
                 screen.height());
    return 2;
  }
  // Where the window's client area lies within its place: the best of a
  // sparse comparison at every placement, then the whole picture there.
  constexpr int kSparse = 8;
  QPoint best = room.topLeft();
  long long bestAlike = -1;
  for (int y = room.top(); y + picture.height() <= room.bottom() + 1; ++y)
    for (int x = room.left(); x + picture.width() <= room.right() + 1; ++x) {
      const long long alike = Matching(screen, picture, {x, y}, kSparse).first;
      if (alike > bestAlike) bestAlike = alike, best = {x, y};
    }
  const auto [alike, compared] = Matching(screen, picture, best, 1);
  const long long matching = alike * 1000 / compared;
  const long long oneColour = OneColourShare(screen, QRect(best, picture.size()));
  std::printf("matching %lld‰ at +%d+%d, one colour %lld‰", matching, best.x(), best.y(), oneColour);
  long long asEarlier = 1000;
  if (argc == 8) {
    if (earlier.size() != picture.size()) {
      std::printf("\nthe earlier picture is %dx%d, the window %dx%d\n", earlier.width(), earlier.height(),
                  picture.width(), picture.height());
      return 1;
    }
    const auto [same, of] = Matching(screen, earlier, best, 1);
    asEarlier = same * 1000 / of;
    std::printf(", as earlier %lld‰", asEarlier);
  }
  std::printf("\n");
  if (matching < kMatchingAtLeast) {
    std::printf("the screen does not show what the window drew (fewer than %lld‰ alike)\n", kMatchingAtLeast);
    return 1;
  }
  if (asEarlier < kMatchingAtLeast) {
    std::printf("the screen does not show what the window showed earlier (fewer than %lld‰ alike)\n",
                kMatchingAtLeast);
    return 1;
  }
  if (oneColour >= kOneColourBelow) {
    std::printf("the window shows nothing (%lld‰ or more of one colour)\n", kOneColourBelow);
    return 1;
  }
  return 0;
}
