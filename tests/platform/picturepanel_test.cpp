// The part of a picture that covers a panel with the picture's proportions kept.
#include <gtest/gtest.h>

#include "platform/picturepanel.h"

using namespace tvx;

TEST(PicturePanel, CoveringPartKeepsTheProportionsAndTheMiddle) {
  struct Case {
    QSize picture, target;
    QRect expected;
  };
  const Case cases[] = {
      {{1920, 1080}, {1920, 1080}, {0, 0, 1920, 1080}},  // same shape: all of it
      {{1920, 1080}, {960, 540}, {0, 0, 1920, 1080}},    // same shape, smaller
      {{1920, 1080}, {1080, 1080}, {420, 0, 1080, 1080}},  // square target: the middle
      {{1920, 1080}, {1920, 540}, {0, 270, 1920, 540}},    // wide target: a band across
      {{1000, 1000}, {400, 100}, {0, 375, 1000, 250}},
      {{1000, 1000}, {100, 400}, {375, 0, 250, 1000}},
  };
  for (const Case& c : cases) {
    const QRect part = CoveringSourceRect(c.picture, c.target);
    EXPECT_EQ(part, c.expected) << c.target.width() << "x" << c.target.height();
    EXPECT_TRUE(QRect(QPoint(0, 0), c.picture).contains(part));
  }
}

TEST(PicturePanel, NothingToCoverGivesNoPart) {
  EXPECT_TRUE(CoveringSourceRect({0, 0}, {100, 100}).isNull());
  EXPECT_TRUE(CoveringSourceRect({100, 100}, {0, 50}).isNull());
}
