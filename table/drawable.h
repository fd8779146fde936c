// Table image indices, fan directions and base images a stack may ask for;
// anything else is drawn as nothing.
#pragma once

#include <cstdint>

#include "module_interface/tessel_table.h"

namespace table {

inline bool DrawableImage(int16_t image) { return image >= 0 && image < TS_CARDS; }
inline bool DrawableFan(int16_t fan) { return fan >= 0 && fan < TS_FAN_DIRECTIONS; }
inline bool DrawableBase(int16_t base) { return base >= 0 && base < TS_BASE_IMAGES; }

}  // namespace table
