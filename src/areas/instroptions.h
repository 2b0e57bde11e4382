#pragma once
// The instrument options: whether the heading indicator works as an HSI, and
// how the ADF/RMI instrument works. The options window and the simulator's
// keys set them; the instruments read them when they draw.
#include <cstdint>

namespace tvx {

struct InstrOptions {
  bool HSIBool = true;
  // 0 "ADF" (fixed card), 1 "ADF - RMI", 2 "VOR - RMI".
  std::int32_t ADFRMI = 0;
};

// The options in force; the options window (global `Instr`) shows and sets them.
extern InstrOptions InstrSettings;

}  // namespace tvx
