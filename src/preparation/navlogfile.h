#pragma once
// The navigation-log file: one record of 5355 bytes holding the whole grid,
// column after column, 15 cells each (header rows included); a cell is a
// short string of at most 20 characters.
#include <QByteArray>

#include "preparation/navlog.h"

namespace tvx {

constexpr int kNavlogCellCapacity = 20;
constexpr int kNavlogCellBytes = kNavlogCellCapacity + 1;
constexpr int kNavlogFileBytes = kNavlogColumnCount * kNavlogRowCount * kNavlogCellBytes;  // 5355

// Where the cell of `col` and `row` starts in the record.
constexpr int NavlogCellOffset(int col, int row) { return (col * kNavlogRowCount + row) * kNavlogCellBytes; }

// The record of `grid`; longer cells are cut to 20 characters.
QByteArray EncodeNavlogFile(const NavlogGrid& grid);

// Reads the first record of `bytes` into `grid`; false (and `grid`
// untouched) when the bytes are fewer than one record.
bool DecodeNavlogFile(const QByteArray& bytes, NavlogGrid& grid);

}  // namespace tvx
