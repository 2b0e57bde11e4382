#include "platform/shell.h"

#include <gtest/gtest.h>

namespace tvx {
namespace {

TEST(Shell, MailLinkEncodesSubjectAndBody) {
  const QUrl link = MailLink("Area & map", "Line one\r\nC:\\Areas 100%");
  EXPECT_EQ(link.toString(QUrl::FullyEncoded),
            "mailto:?subject=Area%20%26%20map&body=Line%20one%0D%0AC%3A%5CAreas%20100%25");
}

TEST(Shell, RecorderTakesEveryOpening) {
  ScopedRecordingShell shell;
  EXPECT_TRUE(OpenPath("/tmp/some folder"));
  shell.result = false;
  EXPECT_FALSE(OpenWebPage("https://example.org/page"));
  EXPECT_FALSE(OpenMail("s", "b"));
  ASSERT_EQ(shell.opened.size(), 3);
  EXPECT_EQ(shell.opened[0], QUrl::fromLocalFile("/tmp/some folder"));
  EXPECT_TRUE(shell.opened[0].isLocalFile());
  EXPECT_EQ(shell.opened[1].host(), "example.org");
  EXPECT_EQ(shell.opened[2].scheme(), "mailto");
}

}  // namespace
}  // namespace tvx
