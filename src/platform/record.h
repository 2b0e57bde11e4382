#pragma once
// Little-endian fixed-size records with explicit offsets. Strings are short
// strings: a length byte followed by a fixed capacity of Latin-1 characters.
#include <QByteArray>
#include <QString>
#include <cstdint>

namespace tvx {

class RecordWriter {
 public:
  explicit RecordWriter(int size) : bytes_(size, '\0') {}
  void PutInt32(int offset, std::int32_t value);
  void PutDouble(int offset, double value);
  void PutByte(int offset, std::uint8_t value);
  // Writes the length byte and the text; the rest of the field stays zero.
  void PutShortString(int offset, int capacity, const QString& text);
  void PutRaw(int offset, const QByteArray& raw);
  const QByteArray& Bytes() const { return bytes_; }

 private:
  QByteArray bytes_;
};

class RecordReader {
 public:
  // `bytes` must outlive the reader; every read checks its bounds.
  explicit RecordReader(const QByteArray& bytes, int base = 0) : bytes_(bytes), base_(base) {}
  bool Has(int offset, int size) const;
  std::int32_t Int32(int offset) const;
  double Double(int offset) const;
  std::uint8_t Byte(int offset) const;
  // The length byte is clamped to the field's capacity, so a corrupt length
  // can never read past its field; a NUL within the text ends it.
  QString ShortString(int offset, int capacity) const;
  QByteArray Raw(int offset, int size) const;

 private:
  const QByteArray& bytes_;
  int base_;
};

}  // namespace tvx
