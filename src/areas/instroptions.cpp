#include "areas/instroptions.h"

namespace tvx {

InstrOptions InstrSettings;

}  // namespace tvx
