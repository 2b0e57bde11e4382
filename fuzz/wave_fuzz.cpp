// The header of the alarm and call-out sounds (.wav).
#include "fuzzsupport.h"
#include "platform/sound.h"

using namespace tvx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes = fuzz::Bytes(data, size);
  const std::optional<WaveInfo> info = ReadWaveInfo(bytes);
  if (!info) return 0;
  FUZZ_EXPECT(info->DataBytes >= 0 && info->DataBytes <= bytes.size());
  FUZZ_EXPECT(info->Frames() >= 0 && info->Seconds() >= 0);
  return 0;
}
