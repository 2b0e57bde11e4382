#include "platform/windowkeeper.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace tvx {
namespace {

TEST(WindowKeeper, TheCompositorKeepsEveryWaylandWindow) {
  for (const bool wm : {false, true}) {
    EXPECT_EQ(KeeperFor(u"wayland", wm), WindowKeeper::Compositor);
    EXPECT_EQ(KeeperFor(u"wayland-egl", wm), WindowKeeper::Compositor);
  }
}

TEST(WindowKeeper, AnXDisplayHasAWindowManagerOrNobody) {
  EXPECT_EQ(KeeperFor(u"xcb", true), WindowKeeper::WindowManager);
  EXPECT_EQ(KeeperFor(u"xcb", false), WindowKeeper::Nobody);
}

TEST(WindowKeeper, OtherPlatformsActOnWindowStatesThemselves) {
  EXPECT_EQ(KeeperFor(u"offscreen", false), WindowKeeper::WindowManager);
}

// Over screens from tiny to large, with and without a panel at any edge, and
// designed sizes on both sides of them: the normal geometry is never larger
// than designed, never larger than the free area less a frame's room, and
// stands in the middle of that room.
TEST(WindowKeeper, TheNormalGeometryFitsEveryFreeArea) {
  const QSize designed[] = {{320, 200}, {1280, 800}, {1600, 900}, {1920, 1200}, {4000, 3000}};
  const QSize screens[] = {{640, 480}, {1024, 600}, {1280, 720}, {1366, 768}, {1920, 1080}, {3840, 2160}};
  const QMargins panels[] = {{0, 0, 0, 0}, {0, 32, 0, 0}, {0, 0, 0, 48}, {64, 0, 0, 0}, {0, 0, 40, 0}};
  const QPoint origins[] = {{0, 0}, {1920, 0}, {-1366, 200}};
  for (const QSize& d : designed)
    for (const QSize& s : screens)
      for (const QMargins& panel : panels)
        for (const QPoint& origin : origins) {
          const QRect free = QRect(origin, s).marginsRemoved(panel);
          const QRect normal = NormalGeometryWithin(d, free);
          const QRect room = free.marginsRemoved(kFrameAllowance);
          EXPECT_LE(normal.width(), d.width());
          EXPECT_LE(normal.height(), d.height());
          EXPECT_TRUE(room.contains(normal)) << normal.x() << "," << normal.y() << " " << normal.width() << "x"
                                              << normal.height() << " in " << room.width() << "x" << room.height();
          EXPECT_LE(std::abs(normal.center().x() - room.center().x()), 1);
          EXPECT_LE(std::abs(normal.center().y() - room.center().y()), 1);
          // A designed size that fits is kept as it is.
          if (d.width() <= room.width() && d.height() <= room.height()) EXPECT_EQ(normal.size(), d);
        }
}

}  // namespace
}  // namespace tvx
