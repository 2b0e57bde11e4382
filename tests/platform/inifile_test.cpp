#include "platform/inifile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace tvx {
namespace {

TEST(IniFile, SectionsAndKeysMatchWithoutRegardToCase) {
  IniFile ini;
  ini.Parse("[range]\r\nmaxz=123\r\n[CENTER]\r\ncenterx = -5 \r\n");
  EXPECT_EQ(ini.ReadInteger("Range", "MaxZ", 0), 123);
  EXPECT_EQ(ini.ReadInteger("RANGE", "maxZ", 0), 123);
  EXPECT_EQ(ini.ReadInteger("Center", "CenterX", 0), -5);
  EXPECT_EQ(ini.ReadString("center", "CENTERX", "none"), "-5");
}

TEST(IniFile, ReadsFallbackForMissingOrMalformedValues) {
  IniFile ini;
  ini.Parse("[A]\nnum=12\nword=abc\nhalf=1.5\nempty=\n; x=7\n");
  EXPECT_EQ(ini.ReadInteger("A", "num", -1), 12);
  EXPECT_EQ(ini.ReadInteger("A", "word", -1), -1);
  EXPECT_EQ(ini.ReadInteger("A", "half", -1), -1);
  EXPECT_EQ(ini.ReadInteger("A", "empty", -1), -1);
  EXPECT_EQ(ini.ReadInteger("A", "x", -1), -1);  // a comment, not a key
  EXPECT_EQ(ini.ReadInteger("A", "absent", 32000), 32000);
  EXPECT_EQ(ini.ReadInteger("B", "num", 9), 9);
}

TEST(IniFile, WritingKeepsFirstSpellingAndOrder) {
  IniFile ini;
  ini.WriteInteger("Range", "B", 1);
  ini.WriteInteger("range", "A", 2);  // same section, appended after B
  ini.WriteInteger("Center", "C", 3);
  ini.WriteInteger("RANGE", "b", 4);  // same key, updated in place
  EXPECT_EQ(ini.Text(), "[Range]\r\nB=4\r\nA=2\r\n[Center]\r\nC=3\r\n");
  EXPECT_EQ(ini.Sections(), QStringList({"Range", "Center"}));
  EXPECT_EQ(ini.Keys("range"), QStringList({"B", "A"}));
}

TEST(IniFile, WritingKeepsOtherLinesOfTheFile) {
  IniFile ini;
  ini.Parse("; calibration\n[Other]\nx=1\n\n[range]\nMaxZ=5\n\n");
  ini.WriteInteger("Range", "MinZ", 0);
  ini.WriteInteger("Range", "MaxZ", 6);
  EXPECT_EQ(ini.Text(), "; calibration\r\n[Other]\r\nx=1\r\n\r\n[range]\r\nMaxZ=6\r\nMinZ=0\r\n\r\n");
}

TEST(IniFile, FileRoundTrip) {
  QTemporaryDir dir;
  const QString path = dir.filePath("prog.INI");
  IniFile out(path);
  out.WriteInteger("Range", "MaxLeftUPX", -100);
  out.WriteString("Center", "Name", "a b");
  ASSERT_TRUE(out.Save());

  IniFile in(path);
  ASSERT_EQ(in.Load(), IniFile::LoadResult::Read);
  EXPECT_EQ(in.ReadInteger("range", "maxleftupx", 0), -100);
  EXPECT_EQ(in.ReadString("center", "name", ""), "a b");
  EXPECT_EQ(in.Text(), out.Text());
}

TEST(IniFile, MissingFileIsEmptyAndUnreadableFileKeepsContents) {
  QTemporaryDir dir;
  IniFile ini(dir.filePath("none.INI"));
  ini.Parse("[A]\nk=1\n");
  EXPECT_EQ(ini.Load(), IniFile::LoadResult::Missing);
  EXPECT_FALSE(ini.HasSection("A"));

  // A folder where the file should be cannot be read.
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder.INI"));
  IniFile folder(dir.filePath("folder.INI"));
  folder.Parse("[A]\nk=1\n");
  EXPECT_EQ(folder.Load(), IniFile::LoadResult::Failed);
  EXPECT_EQ(folder.ReadInteger("A", "k", 0), 1);
  EXPECT_FALSE(folder.Save());

  // Nor can a file far larger than any profile.
  QFile big(dir.filePath("big.INI"));
  ASSERT_TRUE(big.open(QIODevice::WriteOnly));
  big.write(QByteArray(IniFile::kMaxBytes + 1, 'x'));
  big.close();
  IniFile huge(big.fileName());
  huge.Parse("[A]\nk=2\n");
  EXPECT_EQ(huge.Load(), IniFile::LoadResult::Failed);
  EXPECT_EQ(huge.ReadInteger("A", "k", 0), 2);
}

TEST(IniFile, LinesWithoutBreakAtEndAndLfOnly) {
  IniFile ini;
  ini.Parse("[S]\nA=1\nB=2");
  EXPECT_EQ(ini.ReadInteger("S", "B", 0), 2);
  EXPECT_EQ(ini.Keys("S"), QStringList({"A", "B"}));
}

}  // namespace
}  // namespace tvx
