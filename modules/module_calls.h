// The one way the table and the menus reach the current game module. With
// no game chosen nothing is called: a press is answered 2 (nothing) and a
// drop is refused. The calls that may change the table run the autoplay
// step afterwards.
#pragma once

#include <cstdint>

#include "modules/host_core.h"

namespace modules {

int16_t CallMouseHit(HostCore& core, CardStack* stack, int16_t card);
void CallDoubleClick(HostCore& core, CardStack* stack, int16_t card);
int32_t CallOkToDropCards(HostCore& core, CardStack* dragged, CardStack* target);
void CallStackChanged(HostCore& core, CardStack* target);
void CallOptionSelected(HostCore& core, int32_t option);

}  // namespace modules
