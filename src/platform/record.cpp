#include "platform/record.h"

#include <cstring>

namespace tvx {

void RecordWriter::PutInt32(int offset, std::int32_t value) {
  const auto u = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i) bytes_[offset + i] = static_cast<char>((u >> (8 * i)) & 0xFF);
}

void RecordWriter::PutDouble(int offset, double value) {
  std::uint64_t u;
  std::memcpy(&u, &value, sizeof u);
  for (int i = 0; i < 8; ++i) bytes_[offset + i] = static_cast<char>((u >> (8 * i)) & 0xFF);
}

void RecordWriter::PutByte(int offset, std::uint8_t value) { bytes_[offset] = static_cast<char>(value); }

void RecordWriter::PutShortString(int offset, int capacity, const QString& text) {
  const QByteArray latin = text.left(capacity).toLatin1();
  bytes_[offset] = static_cast<char>(latin.size());
  for (int i = 0; i < capacity; ++i) bytes_[offset + 1 + i] = i < latin.size() ? latin[i] : '\0';
}

void RecordWriter::PutRaw(int offset, const QByteArray& raw) {
  for (int i = 0; i < raw.size(); ++i) bytes_[offset + i] = raw[i];
}

bool RecordReader::Has(int offset, int size) const {
  return offset >= 0 && size >= 0 && base_ + offset + size <= bytes_.size();
}

std::int32_t RecordReader::Int32(int offset) const {
  if (!Has(offset, 4)) return 0;
  std::uint32_t u = 0;
  for (int i = 0; i < 4; ++i) u |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes_[base_ + offset + i])) << (8 * i);
  return static_cast<std::int32_t>(u);
}

double RecordReader::Double(int offset) const {
  if (!Has(offset, 8)) return 0.0;
  std::uint64_t u = 0;
  for (int i = 0; i < 8; ++i) u |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes_[base_ + offset + i])) << (8 * i);
  double v;
  std::memcpy(&v, &u, sizeof v);
  return v;
}

std::uint8_t RecordReader::Byte(int offset) const {
  if (!Has(offset, 1)) return 0;
  return static_cast<std::uint8_t>(bytes_[base_ + offset]);
}

QString RecordReader::ShortString(int offset, int capacity) const {
  if (!Has(offset, 1)) return {};
  int length = Byte(offset);
  if (length > capacity) length = capacity;
  if (!Has(offset + 1, length)) length = std::max(0, static_cast<int>(bytes_.size()) - (base_ + offset + 1));
  const char* text = bytes_.constData() + base_ + offset + 1;
  // A NUL ends the text: what follows it is no character a user typed, and
  // left in, it would reach the boxes invisibly and fail their checks.
  const void* nul = std::memchr(text, '\0', static_cast<std::size_t>(length));
  if (nul) length = static_cast<int>(static_cast<const char*>(nul) - text);
  return QString::fromLatin1(text, length);
}

QByteArray RecordReader::Raw(int offset, int size) const {
  if (!Has(offset, size)) return QByteArray(size, '\0');
  return bytes_.mid(base_ + offset, size);
}

}  // namespace tvx
