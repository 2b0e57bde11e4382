#include "platform/savefile.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/messages.h"

using namespace tvx;

namespace {

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

}  // namespace

TEST(SaveFile, WritesAndReplacesTheWholeFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath("a.dat");
  ASSERT_TRUE(WriteWholeFile(path, "first, longer content"));
  EXPECT_EQ(ReadAll(path), QByteArray("first, longer content"));
  ASSERT_TRUE(WriteWholeFile(path, "second"));
  EXPECT_EQ(ReadAll(path), QByteArray("second"));
  ASSERT_TRUE(WriteWholeFile(path, QByteArray()));
  EXPECT_EQ(ReadAll(path), QByteArray());
}

TEST(SaveFile, AFailedWriteLeavesNothingBehind) {
  QTemporaryDir dir;
  EXPECT_FALSE(WriteWholeFile(dir.filePath("missing/a.dat"), "x"));
  EXPECT_FALSE(QFile::exists(dir.filePath("missing/a.dat")));
  // A folder cannot be replaced by a file.
  EXPECT_FALSE(WriteWholeFile(dir.path(), "x"));
}

TEST(SaveFile, AsksOnlyAboutAFileThatExists) {
  QTemporaryDir dir;
  ScopedRecordingMessages messages;
  const QString path = dir.filePath("Area 7.dat");
  EXPECT_TRUE(ConfirmOverwrite("AREA", path));
  EXPECT_TRUE(messages.entries.isEmpty());

  ASSERT_TRUE(WriteWholeFile(path, "x"));
  messages.answers = {DlgAnswer::No, DlgAnswer::Yes};
  EXPECT_FALSE(ConfirmOverwrite("AREA", path));
  EXPECT_TRUE(ConfirmOverwrite("STARTPOSITION", path));
  ASSERT_EQ(messages.entries.size(), 2);
  EXPECT_TRUE(messages.entries[0].question);
  EXPECT_EQ(messages.entries[0].buttons, DlgButtons::YesNo);
  EXPECT_EQ(messages.entries[0].text, QString("AREA \"Area 7\" already exists. Overwrite? "));
  EXPECT_EQ(messages.entries[1].text, QString("STARTPOSITION \"Area 7\" already exists. Overwrite? "));
}
