// The loadsheet file (LOAD), current and older record, then what LOAD does
// with it: the range check and CALCULATE.
#include "fuzzsupport.h"
#include "preparation/loadsheet.h"

using namespace tvx;

namespace {

// A text the boxes take from a file: nothing, or a number of at most 11
// characters written with digits, a sign, a point, an exponent and spaces.
bool LoadsheetValue(const QString& text) {
  if (text.isEmpty()) return true;
  if (text.size() > 11) return false;
  for (QChar c : text)
    if (!c.isSpace() && !QStringLiteral("0123456789+-.eE").contains(c)) return false;
  bool number = false;
  text.trimmed().toDouble(&number);
  return number;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Every box holds a mark of its own, so that a box the file wrote shows.
  Loadsheet before;
  for (const LoadsheetBox& box : LoadsheetBoxes()) before.*box.text = QString("was ") + box.name;
  Loadsheet sheet = before;
  if (!DecodeLoadsheetFile(fuzz::Bytes(data, size), sheet)) {
    FUZZ_EXPECT(sheet == before);
    return 0;
  }
  for (const LoadsheetBox& box : LoadsheetBoxes()) {
    if (box.kind == BoxKind::Computed) FUZZ_EXPECT(sheet.*box.text == before.*box.text);
    else FUZZ_EXPECT(LoadsheetValue(sheet.*box.text));
  }
  const QByteArray saved = EncodeLoadsheetFile(sheet);
  FUZZ_EXPECT(saved.size() == kLoadsheetBytes);
  Loadsheet again = DefaultLoadsheet();
  FUZZ_EXPECT(DecodeLoadsheetFile(saved, again));
  FUZZ_EXPECT(EncodeLoadsheetFile(again) == saved);
  if (CheckLoadsheet(sheet)) return 0;
  CalculateLoadsheet(sheet);
  return 0;
}
