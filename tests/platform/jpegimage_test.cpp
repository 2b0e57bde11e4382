// JPEG decoding through libjpeg: round trips of the picture kinds the
// program meets, and broken streams that must give a null image, never a
// crash.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <array>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <random>

extern "C" {
#include <jpeglib.h>
}

#include "platform/jpegimage.h"

using namespace tvx;

namespace {

// Four colour quadrants with a white cross between them: every quadrant's
// middle lies far from an edge, where JPEG keeps a flat colour nearly exact.
QImage Quadrants(int width = 96, int height = 64) {
  QImage image(width, height, QImage::Format_RGB32);
  QPainter p(&image);
  p.fillRect(0, 0, width / 2, height / 2, QColor(200, 30, 30));
  p.fillRect(width / 2, 0, width / 2, height / 2, QColor(30, 180, 40));
  p.fillRect(0, height / 2, width / 2, height / 2, QColor(20, 40, 200));
  p.fillRect(width / 2, height / 2, width / 2, height / 2, QColor(240, 220, 60));
  p.end();
  return image;
}

QPoint QuadrantMiddle(int index, const QSize& size) {
  return {size.width() / 4 + (index % 2) * size.width() / 2, size.height() / 4 + (index / 2) * size.height() / 2};
}

int ColourDistance(QRgb a, QRgb b) {
  return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

void ExpectSamePicture(const QImage& decoded, const QImage& source, int tolerance) {
  ASSERT_FALSE(decoded.isNull());
  ASSERT_EQ(decoded.size(), source.size());
  for (int q = 0; q < 4; ++q) {
    const QPoint at = QuadrantMiddle(q, source.size());
    EXPECT_LE(ColourDistance(decoded.pixel(at), source.pixel(at)), tolerance) << "quadrant " << q;
  }
}

// Where the frame header's height and width lie (after the marker, length
// and precision), or -1.
qsizetype FrameSizeOffset(const QByteArray& jpeg) {
  for (qsizetype i = 0; i + 9 < jpeg.size(); ++i)
    if (static_cast<uchar>(jpeg[i]) == 0xFF && (static_cast<uchar>(jpeg[i + 1]) == 0xC0 ||
                                                  static_cast<uchar>(jpeg[i + 1]) == 0xC2))
      return i + 5;
  return -1;
}

void PutBigEndian16(QByteArray& bytes, qsizetype at, int value) {
  bytes[at] = static_cast<char>((value >> 8) & 0xFF);
  bytes[at + 1] = static_cast<char>(value & 0xFF);
}

// A CMYK JPEG as the programs that write them store it: inverted inks with
// an Adobe marker (libjpeg writes the marker for CMYK by itself).
struct CmykError {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
};

[[noreturn]] void CmykErrorExit(j_common_ptr info) { std::longjmp(reinterpret_cast<CmykError*>(info->err)->jump, 1); }

QByteArray CmykJpeg(const std::vector<std::array<uchar, 4>>& patches, int patchWidth, int height) {
  jpeg_compress_struct info{};
  CmykError error{};
  info.err = jpeg_std_error(&error.pub);
  error.pub.error_exit = CmykErrorExit;
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  std::vector<uchar> line(patches.size() * static_cast<std::size_t>(patchWidth) * 4);
  for (std::size_t p = 0; p < patches.size(); ++p)
    for (int x = 0; x < patchWidth; ++x)
      for (int k = 0; k < 4; ++k) line[(p * static_cast<std::size_t>(patchWidth) + x) * 4 + k] = patches[p][k];
  if (setjmp(error.jump)) {
    jpeg_destroy_compress(&info);
    return {};
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(patches.size() * patchWidth);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = 4;
  info.in_color_space = JCS_CMYK;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = line.data();
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  QByteArray out(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return out;
}

}  // namespace

TEST(JpegImage, ColourPictureRoundTrips) {
  const QImage source = Quadrants();
  for (bool progressive : {false, true}) {
    SCOPED_TRACE(progressive ? "progressive" : "baseline");
    const QByteArray jpeg = EncodeJpeg(source, 95, progressive);
    ASSERT_GT(jpeg.size(), 4);
    EXPECT_EQ(static_cast<uchar>(jpeg[0]), 0xFF);  // SOI
    EXPECT_EQ(static_cast<uchar>(jpeg[1]), 0xD8);
    EXPECT_EQ(static_cast<uchar>(jpeg[jpeg.size() - 2]), 0xFF);  // EOI
    EXPECT_EQ(static_cast<uchar>(jpeg[jpeg.size() - 1]), 0xD9);
    const QImage decoded = DecodeJpeg(jpeg);
    EXPECT_EQ(decoded.format(), QImage::Format_RGB888);
    ExpectSamePicture(decoded, source, 6);
  }
}

TEST(JpegImage, OddSizesKeepEveryLineAndColumn) {
  // Sizes that are no multiple of the 8x8 blocks, nor of four bytes a line.
  for (const QSize size : {QSize(1, 1), QSize(7, 3), QSize(33, 17), QSize(250, 9)}) {
    QImage source(size, QImage::Format_RGB32);
    source.fill(QColor(10, 120, 220));
    source.setPixel(size.width() - 1, size.height() - 1, qRgb(10, 120, 220));
    const QImage decoded = DecodeJpeg(EncodeJpeg(source, 100));
    ASSERT_EQ(decoded.size(), size);
    EXPECT_LE(ColourDistance(decoded.pixel(size.width() - 1, size.height() - 1), qRgb(10, 120, 220)), 4);
    EXPECT_LE(ColourDistance(decoded.pixel(0, 0), qRgb(10, 120, 220)), 4);
  }
}

TEST(JpegImage, GreyPictureStaysOneChannel) {
  QImage source(64, 32, QImage::Format_Grayscale8);
  for (int y = 0; y < source.height(); ++y)
    for (int x = 0; x < source.width(); ++x) source.scanLine(y)[x] = static_cast<uchar>(x < 32 ? 40 : 210);
  const QImage decoded = DecodeJpeg(EncodeJpeg(source, 95));
  ASSERT_FALSE(decoded.isNull());
  EXPECT_EQ(decoded.format(), QImage::Format_Grayscale8);
  EXPECT_NEAR(qGray(decoded.pixel(12, 16)), 40, 3);
  EXPECT_NEAR(qGray(decoded.pixel(52, 16)), 210, 3);
}

TEST(JpegImage, CmykWithAdobeMarkerBecomesRgb) {
  // Inverted inks: 255 is no ink. Red = magenta and yellow, no cyan, no black.
  const std::vector<std::array<uchar, 4>> patches{
      {255, 0, 0, 255}, {0, 255, 0, 255}, {0, 0, 255, 255}, {255, 255, 255, 255}, {255, 255, 255, 0}};
  const QRgb expected[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255), qRgb(0, 0, 0)};
  const int patch = 32;
  const QByteArray jpeg = CmykJpeg(patches, patch, 16);
  ASSERT_FALSE(jpeg.isEmpty());
  const QImage decoded = DecodeJpeg(jpeg);
  ASSERT_FALSE(decoded.isNull());
  EXPECT_EQ(decoded.size(), QSize(patch * 5, 16));
  for (int i = 0; i < 5; ++i)
    EXPECT_LE(ColourDistance(decoded.pixel(i * patch + patch / 2, 8), expected[i]), 8) << "patch " << i;
}

TEST(JpegImage, WhatIsNoJpegGivesANullImage) {
  EXPECT_TRUE(DecodeJpeg({}).isNull());
  EXPECT_TRUE(DecodeJpeg("hello").isNull());
  EXPECT_TRUE(DecodeJpeg(QByteArray("\xFF\xD8", 2)).isNull());  // a start and nothing else
  // Another picture format.
  QImage picture(8, 8, QImage::Format_RGB32);
  picture.fill(Qt::red);
  QByteArray png;
  QBuffer buffer(&png);
  ASSERT_TRUE(buffer.open(QIODevice::WriteOnly));
  ASSERT_TRUE(picture.save(&buffer, "PNG"));
  EXPECT_TRUE(DecodeJpeg(png).isNull());
  std::mt19937 random(7);
  QByteArray noise(4096, '\0');
  for (char& c : noise) c = static_cast<char>(random() & 0xFF);
  EXPECT_TRUE(DecodeJpeg(noise).isNull());
  noise[0] = static_cast<char>(0xFF);
  noise[1] = static_cast<char>(0xD8);  // a start marker followed by noise
  EXPECT_TRUE(DecodeJpeg(noise).isNull());
}

TEST(JpegImage, EveryTruncationGivesANullImage) {
  for (bool progressive : {false, true}) {
    const QByteArray jpeg = EncodeJpeg(Quadrants(), 90, progressive);
    ASSERT_FALSE(DecodeJpeg(jpeg).isNull());
    // Every length short of the whole: the header cut, the data cut, only
    // the end marker missing.
    for (qsizetype length = 0; length < jpeg.size(); length += (length < 700 ? 1 : 13)) {
      SCOPED_TRACE(length);
      EXPECT_TRUE(DecodeJpeg(jpeg.left(length)).isNull());
    }
    EXPECT_TRUE(DecodeJpeg(jpeg.left(jpeg.size() - 1)).isNull());
    EXPECT_TRUE(DecodeJpeg(jpeg.left(jpeg.size() - 2)).isNull());
  }
}

TEST(JpegImage, BrokenHeadersGiveANullImage) {
  const QByteArray jpeg = EncodeJpeg(Quadrants(), 90);
  const qsizetype frame = FrameSizeOffset(jpeg);
  ASSERT_GT(frame, 0);

  QByteArray precision = jpeg;
  precision[frame - 1] = 7;  // sample precision libjpeg does not decode
  EXPECT_TRUE(DecodeJpeg(precision).isNull());

  QByteArray zeroWidth = jpeg;
  PutBigEndian16(zeroWidth, frame + 2, 0);
  EXPECT_TRUE(DecodeJpeg(zeroWidth).isNull());

  QByteArray noComponents = jpeg;
  noComponents[frame + 4] = 0;
  EXPECT_TRUE(DecodeJpeg(noComponents).isNull());

  // The quantisation tables taken away: every DQT marker renamed to a comment.
  QByteArray noTables = jpeg;
  for (qsizetype i = 0; i + 1 < noTables.size(); ++i)
    if (static_cast<uchar>(noTables[i]) == 0xFF && static_cast<uchar>(noTables[i + 1]) == 0xDB)
      noTables[i + 1] = static_cast<char>(0xFE);
  EXPECT_TRUE(DecodeJpeg(noTables).isNull());
}

TEST(JpegImage, ClaimedSizePastTheLimitsIsRefused) {
  const QByteArray jpeg = EncodeJpeg(Quadrants(), 90);
  const qsizetype frame = FrameSizeOffset(jpeg);
  ASSERT_GT(frame, 0);
  QByteArray huge = jpeg;
  PutBigEndian16(huge, frame, 60000);      // height
  PutBigEndian16(huge, frame + 2, 60000);  // width
  EXPECT_TRUE(DecodeJpeg(huge).isNull());
  // Within the side limit but past the pixel count.
  QByteArray many = jpeg;
  PutBigEndian16(many, frame, kMaxJpegSide);
  PutBigEndian16(many, frame + 2, kMaxJpegSide);
  EXPECT_TRUE(DecodeJpeg(many).isNull());
}

TEST(JpegImage, DamagedDataNeverCrashes) {
  // Bytes changed anywhere: libjpeg either refuses the stream or decodes a
  // picture of the size its header states (itself perhaps damaged); it
  // never reads or writes out of bounds (the sanitizers watch that).
  const QImage source = Quadrants(64, 48);
  const QByteArray jpeg = EncodeJpeg(source, 90);
  std::mt19937 random(2024);
  int refused = 0;
  for (int round = 0; round < 400; ++round) {
    QByteArray damaged = jpeg;
    const int flips = 1 + static_cast<int>(random() % 6);
    for (int i = 0; i < flips; ++i)
      damaged[static_cast<qsizetype>(random() % static_cast<unsigned>(damaged.size()))] =
          static_cast<char>(random() & 0xFF);
    const QImage decoded = DecodeJpeg(damaged);
    if (decoded.isNull()) {
      ++refused;
      continue;
    }
    const qsizetype frame = FrameSizeOffset(damaged);
    ASSERT_GT(frame, 0);
    const auto header = [&damaged](qsizetype at) {
      return (static_cast<uchar>(damaged[at]) << 8) | static_cast<uchar>(damaged[at + 1]);
    };
    EXPECT_EQ(decoded.size(), QSize(header(frame + 2), header(frame)));
  }
  EXPECT_GT(refused, 0);
}

TEST(JpegImage, FilesAreReadWithTheirSizeChecked) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  EXPECT_TRUE(LoadJpeg(dir.filePath("missing.jpg")).isNull());

  const QImage source = Quadrants();
  QFile good(dir.filePath("good.jpg"));
  ASSERT_TRUE(good.open(QIODevice::WriteOnly));
  good.write(EncodeJpeg(source, 95));
  good.close();
  ExpectSamePicture(LoadJpeg(good.fileName()), source, 6);

  // A file past the size limit is not read at all (a sparse file: no disk used).
  QFile large(dir.filePath("large.jpg"));
  ASSERT_TRUE(large.open(QIODevice::WriteOnly));
  large.write(EncodeJpeg(source, 95));
  ASSERT_TRUE(large.resize(kMaxJpegFileBytes + 1));
  large.close();
  EXPECT_TRUE(LoadJpeg(large.fileName()).isNull());
}

TEST(JpegImage, NothingToEncodeGivesNoBytes) {
  EXPECT_TRUE(EncodeJpeg(QImage()).isEmpty());
  // Qualities outside 1..100 are brought into it.
  const QImage source = Quadrants();
  ExpectSamePicture(DecodeJpeg(EncodeJpeg(source, 1000)), source, 6);
  EXPECT_FALSE(DecodeJpeg(EncodeJpeg(source, -5)).isNull());
}
