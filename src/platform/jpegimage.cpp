#include "platform/jpegimage.h"

#include <QFile>
#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

namespace tvx {

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not
// return. Ours jumps back to the step that started the work, so a broken
// picture ends that work instead of the program.
struct JpegError {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
};

[[noreturn]] void Abandon(j_common_ptr info) { std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1); }

// A warning means libjpeg mended the stream (a stream that ends early is
// filled up with grey): such a picture is broken too. Trace messages pass.
void EmitMessage(j_common_ptr info, int level) {
  if (level < 0) Abandon(info);
}

void Silent(j_common_ptr) {}

void InstallErrorManager(JpegError& error) {
  jpeg_std_error(&error.pub);
  error.pub.error_exit = Abandon;
  error.pub.emit_message = EmitMessage;
  error.pub.output_message = Silent;
}

bool SizeAccepted(JDIMENSION width, JDIMENSION height) {
  if (width == 0 || height == 0) return false;
  if (width > static_cast<JDIMENSION>(kMaxJpegSide) || height > static_cast<JDIMENSION>(kMaxJpegSide)) return false;
  return static_cast<long long>(width) * height <= kMaxJpegPixels;
}

// One line of CMYK samples as RGB. Pictures with an Adobe marker store the
// inks inverted (255 = no ink), as the programs that write CMYK JPEGs do.
void CmykToRgb(const JSAMPLE* cmyk, uchar* rgb, int width, bool inverted) {
  for (int x = 0; x < width; ++x, cmyk += 4, rgb += 3) {
    int c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
    if (!inverted) {
      c = 255 - c;
      m = 255 - m;
      y = 255 - y;
      k = 255 - k;
    }
    rgb[0] = static_cast<uchar>(c * k / 255);
    rgb[1] = static_cast<uchar>(m * k / 255);
    rgb[2] = static_cast<uchar>(y * k / 255);
  }
}

// What a decoding changes lives here, in the caller's frame, so that the
// jump back into RunDecoding leaves nothing in an undefined state.
struct Decoding {
  jpeg_decompress_struct info{};
  JpegError error{};
  QImage image;
  std::vector<JSAMPLE> cmykLine;
};

// Every step libjpeg may abandon. This frame holds nothing that needs
// destroying, so a jump out of libjpeg skips no destructor.
bool RunDecoding(Decoding& d, const QByteArray& data) {
  if (setjmp(d.error.jump)) return false;
  jpeg_create_decompress(&d.info);
  jpeg_mem_src(&d.info, reinterpret_cast<const unsigned char*>(data.constData()),
               static_cast<unsigned long>(data.size()));
  if (jpeg_read_header(&d.info, TRUE) != JPEG_HEADER_OK) return false;
  if (!SizeAccepted(d.info.image_width, d.info.image_height)) return false;
  const bool cmyk = d.info.jpeg_color_space == JCS_CMYK || d.info.jpeg_color_space == JCS_YCCK;
  const bool grey = d.info.jpeg_color_space == JCS_GRAYSCALE;
  d.info.out_color_space = grey ? JCS_GRAYSCALE : (cmyk ? JCS_CMYK : JCS_RGB);
  if (!jpeg_start_decompress(&d.info)) return false;
  const int width = static_cast<int>(d.info.output_width);
  const int height = static_cast<int>(d.info.output_height);
  d.image = QImage(width, height, grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
  if (d.image.isNull()) return false;
  if (cmyk) d.cmykLine.resize(static_cast<std::size_t>(width) * 4);
  while (d.info.output_scanline < d.info.output_height) {
    const int y = static_cast<int>(d.info.output_scanline);
    JSAMPROW line = cmyk ? d.cmykLine.data() : d.image.scanLine(y);
    if (jpeg_read_scanlines(&d.info, &line, 1) != 1) return false;
    if (cmyk) CmykToRgb(d.cmykLine.data(), d.image.scanLine(y), width, d.info.saw_Adobe_marker);
  }
  jpeg_finish_decompress(&d.info);
  return true;
}

// A destination that appends the compressed bytes to a byte array.
struct ByteSink {
  jpeg_destination_mgr pub;
  QByteArray* out;
  JOCTET chunk[4096];
};

void SinkStart(j_compress_ptr info) {
  auto* sink = reinterpret_cast<ByteSink*>(info->dest);
  sink->pub.next_output_byte = sink->chunk;
  sink->pub.free_in_buffer = sizeof sink->chunk;
}

boolean SinkFull(j_compress_ptr info) {
  auto* sink = reinterpret_cast<ByteSink*>(info->dest);
  sink->out->append(reinterpret_cast<const char*>(sink->chunk), sizeof sink->chunk);
  SinkStart(info);
  return TRUE;
}

void SinkEnd(j_compress_ptr info) {
  auto* sink = reinterpret_cast<ByteSink*>(info->dest);
  const auto used = static_cast<qsizetype>(sizeof sink->chunk - sink->pub.free_in_buffer);
  sink->out->append(reinterpret_cast<const char*>(sink->chunk), used);
}

struct Encoding {
  jpeg_compress_struct info{};
  JpegError error{};
  ByteSink sink{};
  QByteArray bytes;
};

bool RunEncoding(Encoding& e, const QImage& source, int quality, bool progressive) {
  if (setjmp(e.error.jump)) return false;
  jpeg_create_compress(&e.info);
  e.sink.out = &e.bytes;
  e.sink.pub.init_destination = SinkStart;
  e.sink.pub.empty_output_buffer = SinkFull;
  e.sink.pub.term_destination = SinkEnd;
  e.info.dest = &e.sink.pub;
  const bool grey = source.format() == QImage::Format_Grayscale8;
  e.info.image_width = static_cast<JDIMENSION>(source.width());
  e.info.image_height = static_cast<JDIMENSION>(source.height());
  e.info.input_components = grey ? 1 : 3;
  e.info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&e.info);
  jpeg_set_quality(&e.info, quality, TRUE);
  if (progressive) jpeg_simple_progression(&e.info);
  jpeg_start_compress(&e.info, TRUE);
  while (e.info.next_scanline < e.info.image_height) {
    // libjpeg only reads the line, though its type says otherwise.
    JSAMPROW line = const_cast<JSAMPLE*>(source.constScanLine(static_cast<int>(e.info.next_scanline)));
    jpeg_write_scanlines(&e.info, &line, 1);
  }
  jpeg_finish_compress(&e.info);
  return true;
}

}  // namespace

QImage DecodeJpeg(const QByteArray& data) {
  if (data.isEmpty()) return {};
  Decoding d;
  InstallErrorManager(d.error);
  d.info.err = &d.error.pub;
  const bool ok = RunDecoding(d, data);
  jpeg_destroy_decompress(&d.info);
  return ok ? d.image : QImage();
}

QImage LoadJpeg(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  if (file.size() > kMaxJpegFileBytes) return {};
  return DecodeJpeg(file.read(kMaxJpegFileBytes));
}

QByteArray EncodeJpeg(const QImage& image, int quality, bool progressive) {
  if (image.isNull()) return {};
  const QImage source =
      image.format() == QImage::Format_Grayscale8 ? image : image.convertToFormat(QImage::Format_RGB888);
  Encoding e;
  InstallErrorManager(e.error);
  e.info.err = &e.error.pub;
  const bool ok = RunEncoding(e, source, std::clamp(quality, 1, 100), progressive);
  jpeg_destroy_compress(&e.info);
  return ok ? e.bytes : QByteArray();
}

}  // namespace tvx
