// The one way the table and the menus reach the current game module, with
// the autoplay step that goes with every call. With no game
// chosen nothing is called: a press is answered 2 (nothing) and a drop is
// refused. The calls that may change the table run the autoplay step
// afterwards.
#pragma once

#include <cstdint>

#include "core/host_core.h"

namespace core {

int16_t CallMouseHit(HostCore& core, CardStack* stack, int16_t card);
void CallDoubleClick(HostCore& core, CardStack* stack, int16_t card);
int32_t CallOkToDropCards(HostCore& core, CardStack* dragged, CardStack* target);
void CallStackChanged(HostCore& core, CardStack* target);
void CallOptionSelected(HostCore& core, int32_t option);

// The module plays cards by itself when Auto Play is on and a game is in play.
void AutoPlayStep(HostCore& core);

}  // namespace core
