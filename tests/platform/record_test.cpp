#include "platform/record.h"

#include <gtest/gtest.h>

namespace tvx {
namespace {

TEST(Record, LittleEndianFieldsAtTheirOffsets) {
  RecordWriter w(24);
  w.PutInt32(0, -2);
  w.PutDouble(8, 1.5);
  w.PutShortString(16, 6, "AB");
  const QByteArray& b = w.Bytes();
  EXPECT_EQ(static_cast<unsigned char>(b[0]), 0xFE);
  EXPECT_EQ(static_cast<unsigned char>(b[3]), 0xFF);
  EXPECT_EQ(static_cast<unsigned char>(b[15]), 0x3F);  // 1.5 = 0x3FF8000000000000
  EXPECT_EQ(static_cast<unsigned char>(b[14]), 0xF8);
  EXPECT_EQ(b[16], 2);
  EXPECT_EQ(b.mid(17, 6), QByteArray("AB\0\0\0\0", 6));
  RecordReader r(b);
  EXPECT_EQ(r.Int32(0), -2);
  EXPECT_EQ(r.Double(8), 1.5);
  EXPECT_EQ(r.ShortString(16, 6), "AB");
}

TEST(Record, CorruptLengthByteStaysInsideItsField) {
  QByteArray b("\xFFWXYZ12345", 10);
  RecordReader r(b);
  EXPECT_EQ(r.ShortString(0, 4), "WXYZ");
  // Past the end of the bytes: nothing is read out of bounds.
  EXPECT_EQ(r.Int32(8), 0);
  EXPECT_EQ(RecordReader(b).ShortString(8, 6), "5");
}

TEST(Record, TextEndsAtANulInItsBytes) {
  // A length byte that counts zero bytes after the text, as other programs
  // (or damage) leave it: the zeros are not part of the text.
  QByteArray b("\x05" "170\0\0" "\x04" "17\0X", 11);
  RecordReader r(b);
  EXPECT_EQ(r.ShortString(0, 5), "170");
  EXPECT_EQ(r.ShortString(6, 4), "17");
  EXPECT_EQ(r.ShortString(0, 5).size(), 3);
  // A field that starts with a NUL is empty.
  EXPECT_EQ(RecordReader(QByteArray("\x03\0AB", 4)).ShortString(0, 3), "");
}

}  // namespace
}  // namespace tvx
