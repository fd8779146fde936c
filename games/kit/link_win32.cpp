// SPDX-License-Identifier: MIT
//
// The link to the host on Windows: messages go to its main window with
// SendMessageA; saved data travels in movable global memory.
#include "host_link.h"

#include <windows.h>

#include <cstring>

namespace kit {

intptr_t SendToHost(TSWindow host, uint32_t message, uintptr_t wParam, intptr_t lParam)
{
    return host ? SendMessageA(static_cast<HWND>(host), message, wParam, lParam) : 0;
}

TSMemory MakeDataBlock(const void* bytes, size_t size)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size ? size : 1);
    if (!block) return nullptr;
    if (void* p = GlobalLock(block)) {
        if (size) std::memcpy(p, bytes, size);
        GlobalUnlock(block);
        return block;
    }
    GlobalFree(block);
    return nullptr;
}

std::vector<uint8_t> ReadDataBlock(TSMemory block)
{
    std::vector<uint8_t> bytes;
    if (!block) return bytes;
    HGLOBAL h = static_cast<HGLOBAL>(block);
    const size_t size = GlobalSize(h);
    if (const void* p = GlobalLock(h)) {
        const auto* b = static_cast<const uint8_t*>(p);
        bytes.assign(b, b + size);
        GlobalUnlock(h);
    }
    return bytes;
}

}  // namespace kit
