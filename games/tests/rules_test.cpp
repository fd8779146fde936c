// The kit's rule predicates, without a host.
#include <gtest/gtest.h>

#include <vector>

#include "rules.h"

namespace {

using namespace kit;

constexpr Card C(int suit, int rank) { return MakeCard(suit, rank); }
constexpr int kClubs = TS_SUIT_CLUBS, kDiamonds = TS_SUIT_DIAMONDS, kHearts = TS_SUIT_HEARTS, kSpades = TS_SUIT_SPADES;

struct FollowsCase {
    Build rule;
    Card lower, upper;
    bool follows;
};

TEST(KitRules, WhichCardMayLieOnWhich)
{
    const FollowsCase cases[] = {
        {Build::DownAlternate, C(kSpades, 9), C(kHearts, 8), true},
        {Build::DownAlternate, C(kSpades, 9), C(kDiamonds, 8), true},
        {Build::DownAlternate, C(kSpades, 9), C(kClubs, 8), false},     // same colour
        {Build::DownAlternate, C(kSpades, 9), C(kHearts, 7), false},    // two ranks apart
        {Build::DownAlternate, C(kSpades, 9), C(kHearts, 10), false},   // upward
        {Build::DownAlternate, C(kHearts, 0), C(kSpades, 12), false},   // no wrap from ace to king
        {Build::DownSameSuit, C(kHearts, 5), C(kHearts, 4), true},
        {Build::DownSameSuit, C(kHearts, 5), C(kDiamonds, 4), false},
        {Build::DownAnySuit, C(kHearts, 5), C(kClubs, 4), true},
        {Build::DownAnySuit, C(kHearts, 5), C(kClubs, 5), false},
        {Build::UpSameSuit, C(kClubs, 0), C(kClubs, 1), true},
        {Build::UpSameSuit, C(kClubs, 0), C(kSpades, 1), false},
        {Build::UpSameSuit, C(kClubs, 12), C(kClubs, 0), false},        // nothing on a king
        {Build::UpOrDownAny, C(kClubs, 5), C(kHearts, 6), true},
        {Build::UpOrDownAny, C(kClubs, 5), C(kHearts, 4), true},
        {Build::UpOrDownAny, C(kClubs, 12), C(kHearts, 0), false},      // ranks do not turn the corner
        {Build::UpOrDownAny, C(kClubs, 0), C(kHearts, 12), false},
        {Build::None, C(kClubs, 5), C(kHearts, 4), false},
    };
    for (const FollowsCase& c : cases)
        EXPECT_EQ(Follows(c.rule, c.lower, c.upper), c.follows)
            << "rule " << static_cast<int>(c.rule) << ": " << c.upper << " on " << c.lower;
}

TEST(KitRules, WhatAnEmptyPileTakes)
{
    EXPECT_TRUE(StartsEmpty(Empty::AnyCard, C(kHearts, 4)));
    EXPECT_TRUE(StartsEmpty(Empty::KingOnly, C(kHearts, 12)));
    EXPECT_FALSE(StartsEmpty(Empty::KingOnly, C(kHearts, 11)));
    EXPECT_TRUE(StartsEmpty(Empty::AceOnly, C(kSpades, 0)));
    EXPECT_FALSE(StartsEmpty(Empty::AceOnly, C(kSpades, 1)));
    EXPECT_FALSE(StartsEmpty(Empty::Nothing, C(kSpades, 0)));
    EXPECT_TRUE(FitsOn(Build::UpSameSuit, Empty::AceOnly, kNoCard, C(kDiamonds, 0)));
    EXPECT_FALSE(FitsOn(Build::UpSameSuit, Empty::AceOnly, kNoCard, C(kDiamonds, 1)));
    EXPECT_TRUE(FitsOn(Build::UpSameSuit, Empty::AceOnly, C(kDiamonds, 0), C(kDiamonds, 1)));
}

TEST(KitRules, CardsAndColours)
{
    EXPECT_EQ(ColourOf(C(kHearts, 3)), Colour::Red);
    EXPECT_EQ(ColourOf(C(kDiamonds, 3)), Colour::Red);
    EXPECT_EQ(ColourOf(C(kClubs, 3)), Colour::Black);
    EXPECT_EQ(ColourOf(C(kSpades, 3)), Colour::Black);
    EXPECT_EQ(Suit(C(kSpades, 11)), kSpades);
    EXPECT_EQ(Rank(C(kSpades, 11)), 11);
    EXPECT_EQ(PipValue(C(kClubs, 12)), 13);
    EXPECT_EQ(PipValue(C(kClubs, 0)), 1);
}

TEST(KitRules, RunsAreFaceUpSequencesToTheTop)
{
    std::vector<uint64_t> storage((TS_STACK_BYTES(5) + 7) / 8);
    CardStack* st = reinterpret_cast<CardStack*>(storage.data());
    const Card cards[] = {C(kSpades, 12), C(kHearts, 9), C(kClubs, 8), C(kDiamonds, 7), C(kSpades, 6)};
    for (int i = 0; i < 5; ++i) st->cards[i] = CardEntry{i == 0 ? 1u : 0u, 0, static_cast<int16_t>(cards[i]), 0};
    st->capacity = st->count = 5;
    EXPECT_TRUE(IsRun(st, 1, Build::DownAlternate));
    EXPECT_TRUE(IsRun(st, 4, Build::DownAlternate));   // the top card alone
    EXPECT_FALSE(IsRun(st, 0, Build::DownAlternate));  // face down
    EXPECT_FALSE(IsRun(st, 1, Build::DownSameSuit));
    EXPECT_FALSE(IsRun(st, 5, Build::DownAlternate));  // beyond the top
    EXPECT_TRUE(IsRun(st, 1, Build::DownAnySuit));
}

TEST(KitRules, LongestRunDoublesForEachEmptyColumn)
{
    EXPECT_EQ(MaxRunLength(0, 0), 1);
    EXPECT_EQ(MaxRunLength(4, 0), 5);
    EXPECT_EQ(MaxRunLength(4, 1), 10);
    EXPECT_EQ(MaxRunLength(2, 2), 12);
    EXPECT_EQ(MaxRunLength(0, 3), 8);
}

}  // namespace
