// The host's random generator and the shuffle modules ask for. Replay seeds
// the generator with the deal's seed, so a module that draws all its
// randomness through the shuffle deals the same cards again.
#pragma once

#include <cstdint>

namespace core {

class HostRandom {
public:
    void Seed(uint32_t seed) { state_ = seed; }
    // 0..32767: bits 16 to 30 of the next state.
    int32_t Next()
    {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int32_t>((state_ >> 16) & 0x7FFF);
    }
    uint32_t state() const { return state_; }

private:
    uint32_t state_ = 0;
};

enum class ShuffleResult { Shuffled, Refused, NotRun };

// Deals the n values into n slots: each value goes to the r-th free slot,
// r = next random value mod the number of free slots. The value 255 marks
// a free slot, so an array holding 255 cannot be shuffled and is left as it
// was (Refused). A negative count, a missing array or no scratch memory: NotRun, nothing drawn.
ShuffleResult Shuffle(HostRandom& random, uint8_t* values, int16_t n);

}  // namespace core
