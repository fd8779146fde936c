// Yukon on the headless host.
#include "move_table.h"

namespace {

using gametest::Session;

constexpr int kTableau = 0, kFoundation = 7;
constexpr int T(int i) { return kTableau + i; }
constexpr int F(int i) { return kFoundation + i; }

const std::map<int, std::string> kPosition = {
    {T(0), "4S# 9C 3D KH"}, {T(1), "TD"}, {T(3), "KS QH"}, {T(4), "2S"}, {T(5), "8H"},
    {T(6), "QC 3C"},        {F(0), "AS"}, {F(1), "AH 2H"},
};

class YukonGame : public ::testing::Test {
protected:
    Session g{YUKON_MODULE};
};

TEST_F(YukonGame, DealsFaceDownCardsUnderFiveFaceUp)
{
    ASSERT_TRUE(g.start(1));
    for (int c = 0; c < 7; ++c) {
        ASSERT_EQ(g.count(T(c)), c == 0 ? 1 : c + 5);
        for (int k = 0; k < g.count(T(c)); ++k) EXPECT_EQ(g->Stack(T(c)).cards[k].faceDown != 0, k < c);
    }
    EXPECT_EQ(g.pile(T(0)), "4H");
    EXPECT_EQ(g.pile(T(6)), "AC# 8S# 4C# JC# JS# KH# 9H QS TC 2S 6D");
}

TEST_F(YukonGame, AcceptsLegalMovesAndRefusesOthers)
{
    gametest::ExpectMoves(g, 3, kPosition, {
        {T(0), 1, T(1), true, "any face-up card takes the cards above it along"},
        {T(0), 0, T(2), false, "a face-down card does not move"},
        {T(0), 3, T(2), true, "a king into an empty column"},
        {T(1), 0, T(2), false, "only kings go into an empty column"},
        {T(3), 1, T(6), false, "a red queen on a black three"},
        {T(4), 0, F(0), true, "two of spades on its ace"},
        {T(5), 0, T(0), false, "an eight on a king"},
        {F(1), 1, T(6), true, "a foundation card comes back onto a black three"},
        {T(3), 0, T(2), true, "a king with the queen on it into an empty column"},
    });
}

TEST_F(YukonGame, TurnsTheCardLeftOnTop)
{
    ASSERT_TRUE(g.start(3));
    g.arrange(kPosition);
    ASSERT_TRUE(g->DragCard(T(0), 1, T(1)));
    EXPECT_EQ(g.pile(T(0)), "4S");
    EXPECT_EQ(g.pile(T(1)), "TD 9C 3D KH");
}

TEST_F(YukonGame, AutoPlayWinsFromFourRuns)
{
    ASSERT_TRUE(g.start(5, true));
    const auto runs = gametest::AlternatingRuns();
    g.arrange({{T(0), runs[0]}, {T(1), runs[1]}, {T(2), runs[2]}, {T(3), runs[3]}});
    ASSERT_TRUE(g->DoubleClick(T(2), 12));
    EXPECT_EQ(g->GamesWon(), 1);
    for (int f = 0; f < 4; ++f) EXPECT_EQ(g.count(F(f)), 13);
}

}  // namespace
