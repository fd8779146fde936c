#include "core/host_random.h"

#include <cstring>
#include <memory>
#include <new>

namespace core {

namespace {
constexpr uint8_t kFree = 255;
}

ShuffleResult Shuffle(HostRandom& random, uint8_t* values, int16_t n)
{
    if (n < 0 || (n > 0 && !values)) return ShuffleResult::NotRun;
    std::unique_ptr<uint8_t[]> slots(new (std::nothrow) uint8_t[static_cast<size_t>(n) + 1]);
    if (!slots) return ShuffleResult::NotRun;
    std::memset(slots.get(), kFree, static_cast<size_t>(n));

    int16_t remaining = n;
    for (int16_t i = 0; i < n; ++i) {
        const int32_t r = random.Next() % remaining;
        int32_t ordinal = 0;
        for (int16_t slot = 0; slot < n; ++slot) {
            if (slots[static_cast<size_t>(slot)] != kFree) continue;
            if (ordinal++ == r) {
                slots[static_cast<size_t>(slot)] = values[i];
                --remaining;
                break;
            }
        }
    }
    for (int16_t slot = 0; slot < n; ++slot)
        if (slots[static_cast<size_t>(slot)] == kFree) return ShuffleResult::Refused;
    if (n > 0) std::memcpy(values, slots.get(), static_cast<size_t>(n));
    return ShuffleResult::Shuffled;
}

}  // namespace core
