// SPDX-License-Identifier: MIT
//
// The link to the headless host: the window handle is a TsNativeHost*.
#include "host_link.h"

#include <cstring>

#include "tessel_native.h"

namespace kit {

intptr_t SendToHost(TSWindow host, uint32_t message, uintptr_t wParam, intptr_t lParam)
{
    return host ? TsNativeSend(host, message, wParam, lParam) : 0;
}

TSMemory MakeDataBlock(const void* bytes, size_t size)
{
    TSMemory block = TsNativeMemoryAlloc(size);
    if (block && size) std::memcpy(TsNativeMemoryData(block), bytes, size);
    return block;
}

std::vector<uint8_t> ReadDataBlock(TSMemory block)
{
    const auto* data = static_cast<const uint8_t*>(TsNativeMemoryData(block));
    return data ? std::vector<uint8_t>(data, data + TsNativeMemorySize(block)) : std::vector<uint8_t>{};
}

}  // namespace kit
