// The navigation-log file (LOAD): the grid's record, then what LOAD does
// with it: the table check and CALCULATE.
#include "fuzzsupport.h"
#include "preparation/navlog.h"
#include "preparation/navlogfile.h"

using namespace tvx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  NavlogGrid grid;
  if (!DecodeNavlogFile(fuzz::Bytes(data, size), grid)) return 0;
  for (const auto& column : grid.cells)
    for (const QString& cell : column) FUZZ_EXPECT(cell.size() <= kNavlogCellCapacity && !cell.contains(QChar(0)));
  const QByteArray saved = EncodeNavlogFile(grid);
  FUZZ_EXPECT(saved.size() == kNavlogFileBytes);
  NavlogGrid again;
  FUZZ_EXPECT(DecodeNavlogFile(saved, again));
  FUZZ_EXPECT(again == grid);
  if (!CheckNavlogTable(grid).isEmpty()) return 0;
  CalculateNavlog(grid, 8.5);
  return 0;
}
