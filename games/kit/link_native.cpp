// SPDX-License-Identifier: MIT
//
// The link to the headless host: the window handle is a TsNativeHost*.
#include "host_link.h"

#include <cstring>

#include "patience.h"
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

// For the native tests and the benchmark, which find it in the loaded module:
// what the last search of a patience game did (positions, budget, verdict
// 0 won / 1 lost / 2 unknown, deals tried) and the winning line it knows, three
// numbers a move (from, index, to; from -1 for the stock). Returns the moves
// in the line, or -1 when the game is not of the patience family.
extern "C" __attribute__((visibility("default"))) int LumoraKitSearch(long figures[4], int* line, int capacity)
{
    const auto* game = dynamic_cast<const kit::Patience*>(&kit::TheGame());
    if (!game) return -1;
    const kit::Patience::SearchReport& r = game->lastSearch();
    figures[0] = r.positions;
    figures[1] = r.budget;
    figures[2] = static_cast<long>(r.verdict);
    figures[3] = r.dealsTried;
    const std::vector<kit::SolverMove>& moves = game->knownLine();
    for (int i = 0; i < static_cast<int>(moves.size()) && (i + 1) * 3 <= capacity; ++i) {
        line[i * 3] = moves[i].from;
        line[i * 3 + 1] = moves[i].index;
        line[i * 3 + 2] = moves[i].to;
    }
    return static_cast<int>(moves.size());
}

// The move the last hint named: from, index, to (from -1: a click on the
// stock, whose pile is then the index). Returns 1 when the hint named a
// move, 0 when it named none, -1 when the game is not of the patience family.
extern "C" __attribute__((visibility("default"))) int LumoraKitHint(int move[3])
{
    const auto* game = dynamic_cast<const kit::Patience*>(&kit::TheGame());
    if (!game) return -1;
    kit::SolverMove m;
    if (!game->lastHint(m)) return 0;
    move[0] = m.from;
    move[1] = m.stock() ? game->stockPile() : m.index;
    move[2] = m.to;
    return 1;
}
