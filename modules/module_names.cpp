#include "modules/module_names.h"

namespace modules {

// The seven games of the first release come first, so that KLONDIKE is the
// seventh row whenever they are present; then the rest of our games by the
// name they show; last two stems we never ship, free for a module writer's
// own games.
const std::array<const char*, kModuleNameCount> kModuleNameList = {
    "FREECELL", "SPIDER",   "PYRAMID",  "GOLF",     "YUKON",    "FORTYTHV",
    "KLONDIKE", "ACCORDN",  "ACESUP",   "BAKERDOZ", "BELEAGUR", "BISLEY",
    "CALCULAT", "CANFIELD", "CLOCK",    "CRUEL",    "EIGHTOFF", "FLOWERGD",
    "GAPS",     "LABELLE",  "MONTECAR", "RUSSIAN",  "SCORPION", "SEAHAVEN",
    "SIMPSIMN", "STREETS",  "TRIPEAKS", "WINDMILL", "MYGAME1",  "MYGAME2",
};

}  // namespace modules
