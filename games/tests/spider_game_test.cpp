// Spider on the headless host.
#include <set>

#include "move_table.h"

namespace {

using gametest::Session;
using gametest::SuitRun;

constexpr int kStock = 0, kFoundation = 1, kTableau = 9;
constexpr int F(int i) { return kFoundation + i; }
constexpr int T(int i) { return kTableau + i; }
constexpr int kOneSuit = 0, kTwoSuits = 1, kFourSuits = 2;

const std::map<int, std::string> kPosition = {
    {kStock, "4H# 4H# 4H# 4H# 4H# 4H# 4H# 4H# 4H# 4H#"},
    {T(0), "5D# 9S 8S 7S"}, {T(1), "TH"}, {T(3), "9D 8C"}, {T(4), "5H# " + SuitRun('S')},
    {T(5), "8D"}, {T(6), "2C"}, {T(7), "3C"}, {T(8), "4C"}, {T(9), "5C"},
};

class SpiderGame : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(g.start(1));
        ASSERT_TRUE(g->SelectOption(kFourSuits));
    }
    Session g{SPIDER_MODULE};
};

TEST_F(SpiderGame, DealsFiftyFourCardsAndAStockOfFifty)
{
    ASSERT_TRUE(g.start(1));
    for (int c = 0; c < 10; ++c) {
        ASSERT_EQ(g.count(T(c)), c < 4 ? 6 : 5);
        for (int k = 0; k < g.count(T(c)); ++k)
            EXPECT_EQ(g->Stack(T(c)).cards[k].faceDown != 0, k < g.count(T(c)) - 1);
    }
    EXPECT_EQ(g.count(kStock), 50);
    EXPECT_EQ(g.pile(T(0)), "KS# 5S# 9D# 4D# 7S# KC");
    EXPECT_EQ(g->MessageText(), "Four Suits, 5 deals left, 0 of 8 home");
    EXPECT_EQ(g->ScoreText(), "500");
}

struct Variant {
    int option;
    std::set<int> suits;
};

TEST_F(SpiderGame, EachVariantDealsItsSuitsFromTheNextDeal)
{
    EXPECT_EQ(g->OptionTexts(), (std::vector<std::string>{"One Suit", "Two Suits", "Four Suits"}));
    const Variant variants[] = {
        {kOneSuit, {TS_SUIT_SPADES}},
        {kTwoSuits, {TS_SUIT_SPADES, TS_SUIT_HEARTS}},
        {kFourSuits, {TS_SUIT_CLUBS, TS_SUIT_DIAMONDS, TS_SUIT_HEARTS, TS_SUIT_SPADES}},
    };
    for (const Variant& v : variants) {
        ASSERT_TRUE(g->SelectOption(v.option));
        for (int o = 0; o < 3; ++o) EXPECT_EQ(g->OptionChecked(o), o == v.option);
        ASSERT_TRUE(g.start(7));
        const auto cards = g.allCards();
        ASSERT_EQ(cards.size(), 104u);
        std::set<int> suits;
        for (gametest::Card c : cards) suits.insert(kit::Suit(c));
        EXPECT_EQ(suits, v.suits);
        for (gametest::Card c : cards)
            EXPECT_EQ(std::count(cards.begin(), cards.end(), c), static_cast<long>(8 / v.suits.size()));
    }
}

TEST_F(SpiderGame, AcceptsLegalMovesAndRefusesOthers)
{
    gametest::ExpectMoves(g, 3, kPosition, {
        {T(0), 1, T(1), true, "a run in one suit on a card one higher of another suit"},
        {T(3), 0, T(1), false, "a run of mixed suits does not move together"},
        {T(3), 1, T(2), true, "any card into an empty column"},
        {T(3), 1, T(1), false, "an eight on a ten"},
        {T(5), 0, T(0), false, "an eight on a seven"},
        {T(4), 1, F(0), true, "a whole run goes home"},
        {T(0), 1, F(0), false, "part of a run does not go home"},
        {T(6), 0, T(7), true, "a two on a three"},
        {T(0), 0, T(2), false, "a face-down card does not move"},
    });
}

TEST_F(SpiderGame, DealsFromTheStockOnlyWhenNoColumnIsEmpty)
{
    ASSERT_TRUE(g.start(3));
    g.arrange(kPosition);
    ASSERT_TRUE(g->Click(kStock, 9));
    EXPECT_EQ(g.count(kStock), 10);
    EXPECT_EQ(g->MessageText(), "Fill every column before dealing");
    ASSERT_TRUE(g->DragCard(T(3), 1, T(2)));
    ASSERT_TRUE(g->Click(kStock, 9));
    EXPECT_EQ(g.count(kStock), 0);
    for (int c = 0; c < 10; ++c) EXPECT_EQ(g.top(T(c)), gametest::ParseCard("4H")) << c;
    EXPECT_EQ(g->ScoreText(), "498");
}

TEST_F(SpiderGame, AutoPlaySendsAWholeRunHome)
{
    for (bool autoPlay : {false, true}) {
        ASSERT_TRUE(g.start(3, autoPlay));
        g.arrange(kPosition);
        ASSERT_TRUE(g->DragCard(T(6), 0, T(7)));
        EXPECT_EQ(g.count(F(0)), autoPlay ? 13 : 0);
        EXPECT_EQ(g.pile(T(4)), autoPlay ? "5H" : "5H# " + SuitRun('S'));
    }
}

TEST_F(SpiderGame, WinsWhenEightRunsAreHome)
{
    ASSERT_TRUE(g.start(5));
    std::map<int, std::string> position;
    for (int c = 0; c < 8; ++c) position[T(c)] = SuitRun("CDHS"[c % 4]);
    g.arrange(position);
    for (int c = 0; c < 8; ++c) ASSERT_TRUE(g->DoubleClick(T(c), 0));
    EXPECT_EQ(g->GamesWon(), 1);
    EXPECT_EQ(g->ScoreText(), "1292");
}

}  // namespace
