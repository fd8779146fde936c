#include "modules/module_names.h"

namespace modules {

const std::array<const char*, kModuleNameCount> kModuleNameList = {
    "ACCORDN",  "FREECELL", "BAKERDOZ", "FORTYTHV", "GOLF",     "PYRAMID",
    "SPIDER",   "YUKON",    "KLONDIKE", "CANFIELD", "CLOCK",    "EIGHTOFF",
    "BELVIEW",  "BISLEY",   "CALCULAT", "CRUEL",    "FLOWERGD", "GAPS",
    "LABELLE",  "MONTECAR", "NAPOLEON", "ODESSA",   "PATRIARC", "RUSSIAN",
    "SCORPION", "SEAHAVEN", "STREETS",  "TRIPEAKS", "WESTCLF",  "WINDMILL",
};

}  // namespace modules
