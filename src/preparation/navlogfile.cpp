#include "preparation/navlogfile.h"

#include "platform/record.h"

namespace tvx {

static_assert(kNavlogFileBytes == 5355);

QByteArray EncodeNavlogFile(const NavlogGrid& grid) {
  RecordWriter w(kNavlogFileBytes);
  for (int col = 0; col < kNavlogColumnCount; ++col)
    for (int row = 0; row < kNavlogRowCount; ++row)
      w.PutShortString(NavlogCellOffset(col, row), kNavlogCellCapacity, grid.At(col, row));
  return w.Bytes();
}

bool DecodeNavlogFile(const QByteArray& bytes, NavlogGrid& grid) {
  if (bytes.size() < kNavlogFileBytes) return false;
  const RecordReader r(bytes);
  NavlogGrid read;
  for (int col = 0; col < kNavlogColumnCount; ++col)
    for (int row = 0; row < kNavlogRowCount; ++row)
      read.At(col, row) = r.ShortString(NavlogCellOffset(col, row), kNavlogCellCapacity);
  grid = read;
  return true;
}

}  // namespace tvx
