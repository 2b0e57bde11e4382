#pragma once
// JPEG pictures through libjpeg: decoding a stream held in memory into an
// image, and the compression that makes the program's own pictures.
#include <QByteArray>
#include <QImage>
#include <QString>

namespace tvx {

// Largest picture decoded, in pixels per side and in all: a header that
// claims more is taken as broken rather than trusted with the memory.
inline constexpr int kMaxJpegSide = 16384;
inline constexpr long long kMaxJpegPixels = 64LL * 1024 * 1024;
// Largest JPEG file read.
inline constexpr qint64 kMaxJpegFileBytes = 64LL * 1024 * 1024;

// The JPEG stream `data` decoded: Grayscale8 for a grey picture, RGB888 for
// a colour one (CMYK pictures converted). A null image when `data` is no
// JPEG, is corrupt, ends early or claims a size past the limits; libjpeg's
// warnings (a stream it had to mend) count as failures too.
QImage DecodeJpeg(const QByteArray& data);

// The JPEG file `path` decoded as DecodeJpeg does; a null image when the
// file cannot be read or is larger than kMaxJpegFileBytes.
QImage LoadJpeg(const QString& path);

// `image` compressed as a JPEG of `quality` (1..100): grey images as one
// channel, all others as colour. Progressive when `progressive`. Empty when
// the image is null or libjpeg fails.
QByteArray EncodeJpeg(const QImage& image, int quality = 90, bool progressive = false);

}  // namespace tvx
