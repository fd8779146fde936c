// SPDX-License-Identifier: MIT
//
// The two things a game module needs from the platform: sending a service
// message to the host window, and movable memory for saved game data. One
// implementation per platform: link_win32.cpp (SendMessageA, GlobalAlloc)
// and link_native.cpp (the headless host of the tests).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "tessel_module.h"

namespace kit {

intptr_t SendToHost(TSWindow host, uint32_t message, uintptr_t wParam, intptr_t lParam);

// A zero-filled movable block holding a copy of the bytes; 0 when memory is short.
TSMemory MakeDataBlock(const void* bytes, size_t size);

// A copy of a block's bytes; empty for a null block.
std::vector<uint8_t> ReadDataBlock(TSMemory block);

}  // namespace kit
