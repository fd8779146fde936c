#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <numeric>
#include <vector>

#include "core/host_random.h"

using core::HostRandom;
using core::Shuffle;
using core::ShuffleResult;

TEST(HostRandom, DrawsBitsSixteenToThirtyOfTheNextState)
{
    struct Case {
        uint32_t seed;
        std::vector<int32_t> draws;
    };
    const Case cases[] = {
        // seed 0: the state becomes 2531011 = 0x00269EC3, bits 16..30 = 0x26 = 38.
        {0, {38, 7719, 21238, 2437, 8855}},
        {1, {41, 18467, 6334}},
        // 0xFFFFFFFF * 214013 + 2531011 = 2316998 (mod 2^32) = 0x00235AC6: 0x23 = 35.
        {0xFFFFFFFFu, {35}},
    };
    for (const Case& c : cases) {
        HostRandom r;
        r.Seed(c.seed);
        for (int32_t expected : c.draws) EXPECT_EQ(r.Next(), expected) << "seed " << c.seed;
    }
}

TEST(HostShuffle, PinnedOrdersForFixedSeeds)
{
    struct Case {
        uint32_t seed;
        std::vector<uint8_t> in;
        std::vector<uint8_t> out;
    };
    const Case cases[] = {
        // Draws 38, 7719, 21238: 38 % 3 = 2 puts 10 in free slot 2; 7719 % 2 = 1 puts
        // 20 in free slot 1; 21238 % 1 = 0 puts 30 in slot 0.
        {0, {10, 20, 30}, {30, 20, 10}},
        {0, {7}, {7}},
        {42, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, {6, 7, 9, 4, 1, 0, 8, 2, 3, 5}},
        {12345,
         {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25,
          26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51},
         {29, 23, 34, 12, 32, 26, 24, 10, 16, 36, 33, 13, 9,  7, 43, 6,  51, 20, 40, 25, 4,  28, 49, 15, 47, 35,
          3,  48, 21, 27, 22, 38, 19, 31, 46, 50, 8,  39, 30, 1, 41, 44, 45, 17, 0,  14, 18, 2,  37, 42, 11, 5}},
    };
    for (const Case& c : cases) {
        HostRandom r;
        r.Seed(c.seed);
        std::vector<uint8_t> a = c.in;
        EXPECT_EQ(Shuffle(r, a.data(), static_cast<int16_t>(a.size())), ShuffleResult::Shuffled);
        EXPECT_EQ(a, c.out) << "seed " << c.seed;
    }
}

TEST(HostShuffle, AnArrayHoldingTwoHundredFiftyFiveIsLeftAsItWas)
{
    // 255 marks a free slot, so a stored 255 still looks free and one slot
    // always ends up "free": the shuffle fails wherever the 255 stands.
    for (size_t at = 0; at < 4; ++at) {
        std::vector<uint8_t> a = {1, 2, 3, 4};
        a[at] = 255;
        const std::vector<uint8_t> before = a;
        HostRandom r;
        r.Seed(7);
        EXPECT_EQ(Shuffle(r, a.data(), 4), ShuffleResult::Refused) << "255 at " << at;
        EXPECT_EQ(a, before);
    }
}

TEST(HostShuffle, EdgeCounts)
{
    HostRandom r;
    r.Seed(3);
    uint8_t one = 9;
    EXPECT_EQ(Shuffle(r, nullptr, 0), ShuffleResult::Shuffled) << "nothing to shuffle succeeds";
    EXPECT_EQ(Shuffle(r, &one, -1), ShuffleResult::NotRun);
    EXPECT_EQ(Shuffle(r, nullptr, 5), ShuffleResult::NotRun);
    EXPECT_EQ(r.state(), 3u) << "nothing was drawn";

    std::vector<uint8_t> big(254);
    std::iota(big.begin(), big.end(), 0);
    EXPECT_EQ(Shuffle(r, big.data(), static_cast<int16_t>(big.size())), ShuffleResult::Shuffled);
    std::vector<uint8_t> sorted = big;
    std::sort(sorted.begin(), sorted.end());
    std::vector<uint8_t> expected(254);
    std::iota(expected.begin(), expected.end(), 0);
    EXPECT_EQ(sorted, expected) << "a shuffle is a permutation";
}
