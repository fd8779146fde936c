// The kit's rule predicates, without a host.
#include <gtest/gtest.h>

#include <vector>

#include "game.h"
#include "layout.h"
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

struct SequenceCase {
    Sequence rule;
    Card lower, upper;
    bool follows;
    const char* why;
};

TEST(KitRules, SequencesBeyondTheNamedRules)
{
    const Sequence upOrDownInSuit = Build::UpOrDownSameSuit, wrapping = Build::UpOrDownAnyWrapping,
                   kingEnds = Build::UpOrDownAnyKingEnds;
    const Sequence byThree{Direction::Up, SuitRule::Any, 3, true};
    const Sequence downOtherSuit{Direction::Down, SuitRule::Other};
    const SequenceCase cases[] = {
        {upOrDownInSuit, C(kHearts, 5), C(kHearts, 6), true, "up in suit"},
        {upOrDownInSuit, C(kHearts, 5), C(kHearts, 4), true, "down in suit"},
        {upOrDownInSuit, C(kHearts, 5), C(kDiamonds, 6), false, "another suit"},
        {upOrDownInSuit, C(kHearts, 12), C(kHearts, 0), false, "no wrapping"},
        {wrapping, C(kClubs, 12), C(kHearts, 0), true, "an ace on a king"},
        {wrapping, C(kClubs, 0), C(kHearts, 12), true, "a king on an ace"},
        {wrapping, C(kClubs, 12), C(kHearts, 11), true, "a queen on a king"},
        {wrapping, C(kClubs, 12), C(kHearts, 1), false, "a two is two ranks from a king"},
        {kingEnds, C(kClubs, 12), C(kHearts, 11), false, "nothing on a king"},
        {kingEnds, C(kClubs, 11), C(kHearts, 12), true, "a king on a queen"},
        {kingEnds, C(kClubs, 0), C(kHearts, 12), false, "no king on an ace"},
        {kingEnds, C(kClubs, 1), C(kHearts, 0), true, "an ace on a two"},
        {byThree, C(kClubs, 2), C(kHearts, 5), true, "six on three"},
        {byThree, C(kClubs, 11), C(kHearts, 1), true, "two on queen, turning the corner"},
        {byThree, C(kClubs, 11), C(kHearts, 12), false, "one rank is not three"},
        {downOtherSuit, C(kClubs, 7), C(kSpades, 6), true, "another suit of the same colour"},
        {downOtherSuit, C(kClubs, 7), C(kClubs, 6), false, "the same suit"},
    };
    for (const SequenceCase& c : cases) EXPECT_EQ(Follows(c.rule, c.lower, c.upper), c.follows) << c.why;
    // A named rule and the sequence it stands for agree.
    EXPECT_EQ(Sequence(Build::DownSameSuit), (Sequence{Direction::Down, SuitRule::Same}));
    EXPECT_TRUE(Sequence(Build::DownAlternate) == Build::DownAlternate);
    EXPECT_FALSE(Follows(Sequence(Build::None), C(kClubs, 5), C(kHearts, 4)));
}

struct FoundationCase {
    const char* game;
    FoundationRule rule;
    std::vector<Card> cards;  // played in order
    int accepted;             // how many of them the foundation takes before the first refusal
};

TEST(KitRules, FoundationsAsSettings)
{
    const FoundationRule canfield{TS_RANK_JACK - 1, {Direction::Up, SuitRule::Same, 1, true}};
    const FoundationRule calculationTwos{1, {Direction::Up, SuitRule::Any, 2, true}};
    const FoundationRule bisleyKings{TS_RANK_KING, Build::DownSameSuit};
    const FoundationRule windmillCentre{TS_RANK_ACE, {Direction::Up, SuitRule::Any, 1, true}, 2 * TS_RANKS};
    const FoundationRule anyStart{kAnyRank, Build::DownAnySuit, 3};
    std::vector<Card> windmill;
    for (int i = 0; i < 2 * TS_RANKS + 1; ++i) windmill.push_back(C(i % 4, i % TS_RANKS));
    const FoundationCase cases[] = {
        {"Klondike", {}, {C(kHearts, 0), C(kHearts, 1), C(kHearts, 2), C(kSpades, 3)}, 3},
        {"Klondike starts with an ace", {}, {C(kHearts, 1)}, 0},
        {"Canfield from the dealt ten, turning the corner", canfield,
         {C(kClubs, 9), C(kClubs, 10), C(kClubs, 11), C(kClubs, 12), C(kClubs, 0), C(kClubs, 1), C(kHearts, 2)}, 6},
        {"Canfield starts with the dealt rank", canfield, {C(kClubs, 0)}, 0},
        {"Calculation by twos in any suit", calculationTwos,
         {C(kClubs, 1), C(kHearts, 3), C(kSpades, 5), C(kDiamonds, 7), C(kClubs, 9), C(kClubs, 11), C(kClubs, 0),
          C(kClubs, 2), C(kClubs, 3)},
         8},
        {"Bisley kings down in suit", bisleyKings, {C(kHearts, 12), C(kHearts, 11), C(kSpades, 10)}, 2},
        {"Windmill's centre takes two rounds of any suit and no more", windmillCentre, windmill, 2 * TS_RANKS},
        {"a foundation may start with any rank and hold a set number", anyStart,
         {C(kHearts, 6), C(kClubs, 5), C(kClubs, 4), C(kClubs, 3)}, 3},
    };
    for (const FoundationCase& c : cases) {
        Card top = kNoCard;
        int count = 0;
        while (count < static_cast<int>(c.cards.size()) && FoundationTakes(c.rule, top, count, c.cards[count]))
            top = c.cards[count++];
        EXPECT_EQ(count, c.accepted) << c.game;
    }
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

TEST(KitLayout, GridPilesKnowTheirRowsColumnsAndNeighbours)
{
    const GridPiles grid{10, 5, 5};  // Monte Carlo's five by five from pile 10
    EXPECT_EQ(grid.at(0, 0), 10);
    EXPECT_EQ(grid.at(2, 3), 23);
    EXPECT_EQ(grid.rowOf(23), 2);
    EXPECT_EQ(grid.columnOf(23), 3);
    EXPECT_TRUE(grid.touching(grid.at(2, 3), grid.at(2, 4)));
    EXPECT_TRUE(grid.touching(grid.at(2, 3), grid.at(1, 2)));   // corner to corner
    EXPECT_FALSE(grid.touching(grid.at(2, 4), grid.at(3, 0)));  // the next row's first pile is not beside the last
    EXPECT_FALSE(grid.touching(grid.at(2, 3), grid.at(2, 3)));
    EXPECT_FALSE(grid.touching(grid.at(4, 4), 35));             // beyond the grid
    constexpr Grid g;
    EXPECT_EQ(g.y(2), 8 + 2 * 75);
    EXPECT_EQ(g.height(4), 8 + 3 * 75 + kCardHeight + 8);
    EXPECT_EQ(CentredRow(200, 3, 50), (200 - 145) / 2);
}

}  // namespace
