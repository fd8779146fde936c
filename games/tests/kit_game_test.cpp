// The kit's pieces that no shipped game of the first seven uses yet, on the
// headless host through the kit's own fixture game: any card of a reserve
// lifting alone, removing and clearing with the score and the win kept up
// to date, the loss when no move is left, the waste turned over, grids.
#include "move_table.h"

namespace {

using gametest::Session;

constexpr int kStock = 0, kWaste = 1, kFoundation = 2, kReserve = 6, kTableau = 7, kCell = 11;
constexpr int T(int i) { return kTableau + i; }
constexpr int C(int i) { return kCell + i; }
constexpr int kRemoveCard = 0, kClearWaste = 1;

class KitFixtureGame : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(g.start(3)) << g.loadError(); }
    Session g{KITFIX_MODULE};
};

TEST_F(KitFixtureGame, AnyCardOfTheReserveLiftsAloneAndTheOthersStay)
{
    g.arrange({{kReserve, "2C 9H 5D"}, {T(0), "TS"}, {T(1), "6C"}});
    EXPECT_FALSE(g->DragCard(kReserve, 0, T(1))) << "a two on a six";
    EXPECT_EQ(g.pile(kReserve), "2C 9H 5D");
    ASSERT_TRUE(g->DragCard(kReserve, 1, T(0)));
    EXPECT_EQ(g.pile(kReserve), "2C 5D");
    EXPECT_EQ(g.pile(T(0)), "TS 9H");
    ASSERT_TRUE(g->DragCard(kReserve, 1, T(1)));
    EXPECT_EQ(g.pile(kReserve), "2C");
}

TEST_F(KitFixtureGame, RemovingAndClearingKeepTheScoreAndTheWinUpToDate)
{
    g.arrange({{kReserve, "2C 9H"}, {kWaste, "3D 4D"}, {kFoundation, "AS"}});
    ASSERT_TRUE(g->SelectOption(kRemoveCard));
    EXPECT_EQ(g.pile(kReserve), "9H");
    EXPECT_EQ(g->ScoreText(), "2");
    ASSERT_TRUE(g->DragCard(kReserve, 0, C(4)));
    ASSERT_TRUE(g->SelectOption(kRemoveCard));  // the reserve is empty: nothing happens
    EXPECT_EQ(g->ScoreText(), "2");
    const int wonBefore = g->GamesWon();
    g.arrange({{kWaste, "3D 4D"}, {kFoundation, "AS"}});
    ASSERT_TRUE(g->SelectOption(kClearWaste));
    EXPECT_EQ(g.count(kWaste), 0);
    EXPECT_EQ(g->ScoreText(), "4");
    EXPECT_EQ(g->GamesWon(), wonBefore + 1);
}

struct StuckCase {
    const char* lastColumn;
    bool lost;
};

TEST_F(KitFixtureGame, IsLostWhenNoMoveIsLeft)
{
    // After the four of hearts goes onto the five of spades, nothing moves,
    // unless the nine at the bottom of the reserve finds a red ten.
    for (const StuckCase c : {StuckCase{"3D", true}, StuckCase{"TD", false}}) {
        ASSERT_TRUE(g.start(3));
        const int lostBefore = g->GamesLost();
        g.arrange({{kReserve, "9C 4H"}, {T(0), "5S"}, {T(1), "5D"}, {T(2), "3H"}, {T(3), c.lastColumn},
                   {C(0), "QS"}, {C(1), "QC"}, {C(2), "JS"}, {C(3), "JC"}, {C(4), "8S"}, {C(5), "8C"}});
        ASSERT_TRUE(g->DragCard(kReserve, 1, T(0)));
        EXPECT_EQ(g->GamesLost() - lostBefore, c.lost ? 1 : 0) << c.lastColumn;
        EXPECT_EQ(g->GameInPlay(), !c.lost) << c.lastColumn;
    }
    // A waste that can still be turned over is a move.
    ASSERT_TRUE(g.start(3));
    const int lostBefore = g->GamesLost();
    g.arrange({{kWaste, "KD"}, {kReserve, "9C 4H"}, {T(0), "5S"}, {T(1), "5D"}, {T(2), "3H"}, {T(3), "3D"},
               {C(0), "QS"}, {C(1), "QC"}, {C(2), "JS"}, {C(3), "JC"}, {C(4), "8S"}, {C(5), "8C"}});
    ASSERT_TRUE(g->DragCard(kReserve, 1, T(0)));
    EXPECT_EQ(g->GamesLost(), lostBefore);
}

TEST_F(KitFixtureGame, TheWasteTurnsOverIntoTheStockInTheOrderItCame)
{
    g.arrange({{kStock, "AC# 2C# 3C#"}});
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(g->Click(kStock, g.count(kStock) - 1));
    EXPECT_EQ(g.pile(kWaste), "3C 2C AC");
    ASSERT_TRUE(g->Click(kStock, -1));
    EXPECT_EQ(g.pile(kStock), "AC# 2C# 3C#");
    EXPECT_EQ(g.count(kWaste), 0);
    ASSERT_TRUE(g->Click(kStock, 2));
    EXPECT_EQ(g.pile(kWaste), "3C");
}

TEST_F(KitFixtureGame, RowsAndGridsOfPiles)
{
    // Two rows of three cells below the tableau, row by row; four tableau piles in a row.
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(g->Stack(C(r * 3 + c)).x, 8 + 55 * c) << r << "," << c;
            EXPECT_EQ(g->Stack(C(r * 3 + c)).y, 8 + 75 * (3 + r)) << r << "," << c;
        }
    }
    for (int i = 0; i < 4; ++i) EXPECT_EQ(g->Stack(T(i)).x, 8 + 55 * i);
    EXPECT_EQ(g->MessageText(), "Cells 2 x 3");
}

}  // namespace
