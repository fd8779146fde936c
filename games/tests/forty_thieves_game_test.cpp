// Forty Thieves on the headless host.
#include "move_table.h"

namespace {

using gametest::Session;
using gametest::SuitRun;

constexpr int kStock = 0, kWaste = 1, kFoundation = 2, kTableau = 10;
constexpr int F(int i) { return kFoundation + i; }
constexpr int T(int i) { return kTableau + i; }

const std::map<int, std::string> kPosition = {
    {kStock, "3D# 4D#"}, {kWaste, "5D"},   {F(0), "AC"},  {F(1), "AC 2C"}, {T(0), "9H 8H"},
    {T(1), "TH"},        {T(3), "TS"},     {T(4), "2C"},  {T(5), "6D"},    {T(6), "KS"},
    {T(7), "KH"},        {T(8), "KC 3C"},  {T(9), "KD"},
};

class FortyThievesGame : public ::testing::Test {
protected:
    Session g{FORTYTHV_MODULE};
};

TEST_F(FortyThievesGame, DealsTenColumnsOfFourFaceUp)
{
    ASSERT_TRUE(g.start(1));
    for (int c = 0; c < 10; ++c) {
        ASSERT_EQ(g.count(T(c)), 4);
        for (int k = 0; k < 4; ++k) EXPECT_EQ(g->Stack(T(c)).cards[k].faceDown, 0u);
    }
    EXPECT_EQ(g.count(kStock), 64);
    EXPECT_EQ(g.pile(T(0)), "KS 3C 4S 2C");
    EXPECT_EQ(g->MessageText(), "Stock: 64 cards, one pass");
}

TEST_F(FortyThievesGame, AcceptsLegalMovesAndRefusesOthers)
{
    gametest::ExpectMoves(g, 3, kPosition, {
        {T(0), 0, T(1), true, "a run of two in suit with one empty column free"},
        {T(0), 0, T(3), false, "hearts on a spade"},
        {T(4), 0, F(0), true, "two of clubs on an ace of clubs"},
        {T(4), 0, F(1), false, "a second two on a two"},
        {kWaste, 0, T(5), true, "five of diamonds from the waste on the six"},
        {kWaste, 0, T(3), false, "a diamond on a spade"},
        {T(5), 0, T(1), false, "a six on a ten"},
        {T(1), 0, T(2), true, "any card into an empty column"},
        {F(0), 0, T(2), false, "cards home stay home"},
        {T(8), 1, F(1), true, "three of clubs on its two"},
    });
    auto crowded = kPosition;
    crowded[T(2)] = "QS";
    gametest::ExpectMoves(g, 3, crowded, {
        {T(0), 0, T(1), false, "two cards with no empty column"},
        {T(0), 1, T(1), false, "an eight on a ten"},
    });
}

TEST_F(FortyThievesGame, TheStockIsTurnedOnce)
{
    ASSERT_TRUE(g.start(3));
    g.arrange(kPosition);
    ASSERT_TRUE(g->Click(kStock, 1));
    ASSERT_TRUE(g->Click(kStock, 0));
    EXPECT_EQ(g.pile(kWaste), "5D 4D 3D");
    EXPECT_EQ(g->MessageText(), "The stock is used up");
    ASSERT_TRUE(g->Click(kStock, -1));
    EXPECT_EQ(g.pile(kWaste), "5D 4D 3D");
}

TEST_F(FortyThievesGame, AutoPlayWaitsForBothFoundationsOfASuit)
{
    for (bool autoPlay : {false, true}) {
        ASSERT_TRUE(g.start(3, autoPlay));
        g.arrange(kPosition);
        ASSERT_TRUE(g->DragCard(T(1), 0, T(2)));
        EXPECT_EQ(g.pile(F(0)), autoPlay ? "AC 2C 3C" : "AC") << "a two is always safe, then the three";
        EXPECT_EQ(g.pile(T(8)), autoPlay ? "KC" : "KC 3C");
    }
}

TEST_F(FortyThievesGame, AutoPlayWinsFromEightRuns)
{
    ASSERT_TRUE(g.start(5, true));
    std::map<int, std::string> position;
    for (int c = 0; c < 8; ++c) position[T(c)] = SuitRun("CDHS"[c % 4]);
    g.arrange(position);
    ASSERT_TRUE(g->DoubleClick(T(0), 12));
    EXPECT_EQ(g->GamesWon(), 1);
    EXPECT_EQ(g->ScoreText(), "104");
}

}  // namespace
