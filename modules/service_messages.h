// The messages a game module sends the host (HM_ADDCARD .. HM_CLEARSTACK):
// what each does to the table, what it repaints and which sound it plays.
#pragma once

#include <cstdint>

#include "core/host_core.h"

namespace modules {

// Handles one message in HM_FIRST..HM_LAST and returns its result; any
// other number returns 0 and does nothing. A stack pointer the host did
// not hand out is ignored, and no card is ever written beyond a stack's
// capacity: such a request changes nothing.
intptr_t HandleServiceMessage(core::HostCore& core, uint32_t message, uintptr_t wParam, intptr_t lParam);

CardStack* CreateStack(core::HostCore& core, const StackSpec* spec);
void AddCard(core::HostCore& core, const CardPlacement* placement);
void MoveCard(core::HostCore& core, const CardMove* move);
int32_t ShuffleValues(core::HostCore& core, int16_t count, uint8_t* values);
void RemoveCard(core::HostCore& core, int16_t index, CardStack* stack);
void MarkCard(core::HostCore& core, uint32_t mark, CardStack* stack);
void ClearStack(core::HostCore& core, CardStack* stack);

}  // namespace modules
