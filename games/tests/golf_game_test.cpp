// Golf on the headless host.
#include "move_table.h"

namespace {

using gametest::Session;

constexpr int kTableau = 0, kStock = 7, kFoundation = 8;
constexpr int T(int i) { return kTableau + i; }

class GolfGame : public ::testing::Test {
protected:
    Session g{GOLF_MODULE};
};

TEST_F(GolfGame, DealsSevenColumnsOfFiveAndOneCardHome)
{
    ASSERT_TRUE(g.start(1));
    for (int c = 0; c < 7; ++c) EXPECT_EQ(g.count(T(c)), 5);
    EXPECT_EQ(g.count(kStock), 16);
    EXPECT_EQ(g.count(kFoundation), 1);
    EXPECT_EQ(g.pile(T(0)), "4H 2D JH QH 6C");
    EXPECT_EQ(g.pile(kFoundation), "3C");
    EXPECT_EQ(g->MessageText(), "Stock: 16 cards, one pass");
}

struct Play {
    const char* home;
    const char* card;
    bool accepted;
};

TEST_F(GolfGame, PlaysOneRankUpOrDownWithoutTurningTheCorner)
{
    const Play plays[] = {
        {"7H", "8S", true}, {"7H", "6D", true},  {"7H", "9S", false}, {"7H", "7C", false},
        {"KH", "QD", true}, {"KH", "AC", false}, {"AH", "KC", false}, {"AH", "2S", true},
    };
    for (const Play& p : plays) {
        gametest::ExpectMoves(g, 3, {{kFoundation, p.home}, {T(0), p.card}, {T(1), "5C"}, {kStock, "2D#"}},
                              {{T(0), 0, kFoundation, p.accepted, p.card}});
    }
    gametest::ExpectMoves(g, 3, {{kFoundation, "7H"}, {T(0), "2C 8S"}, {T(1), "6D"}, {T(2), "9S"}},
                          {
                              {T(0), 0, kFoundation, false, "only the top card of a column plays"},
                              {T(1), 0, T(2), false, "nothing is built on the columns"},
                              {T(1), 0, kStock, false, "nothing goes onto the stock"},
                          });
}

TEST_F(GolfGame, TheStockTurnsOntoTheFoundationAndDoubleClickPlays)
{
    ASSERT_TRUE(g.start(3));
    g.arrange({{kFoundation, "7H"}, {T(0), "6S"}, {T(1), "QD"}, {kStock, "2D# 3D#"}});
    ASSERT_TRUE(g->DoubleClick(T(0), 0));
    EXPECT_EQ(g.pile(kFoundation), "7H 6S");
    ASSERT_TRUE(g->Click(kStock, 1));
    EXPECT_EQ(g.pile(kFoundation), "7H 6S 3D");
    EXPECT_EQ(g.pile(kStock), "2D#");
    EXPECT_EQ(g->MessageText(), "Stock: 1 card, one pass");
}

TEST_F(GolfGame, IsLostWhenTheStockIsOutAndNothingPlays)
{
    struct Case {
        const char* columns;
        int lost;
    };
    for (const Case c : {Case{"KC", 1}, Case{"TC", 0}}) {
        ASSERT_TRUE(g.start(3));
        const int lostBefore = g->GamesLost();
        g.arrange({{kFoundation, "5H"}, {T(0), c.columns}, {T(1), "2D"}, {kStock, "9D#"}});
        ASSERT_TRUE(g->Click(kStock, 0));
        EXPECT_EQ(g->GamesLost() - lostBefore, c.lost) << c.columns;
        EXPECT_EQ(g->GameInPlay(), c.lost == 0);
    }
}

TEST_F(GolfGame, IsWonWhenTheColumnsAreClear)
{
    ASSERT_TRUE(g.start(3));
    g.arrange({{kFoundation, "5H"}, {T(0), "4S"}, {T(1), "3D"}, {kStock, "2C#"}});
    ASSERT_TRUE(g->DragCard(T(0), 0, kFoundation));
    ASSERT_TRUE(g->DragCard(T(1), 0, kFoundation));
    EXPECT_EQ(g->GamesWon(), 1);
    EXPECT_EQ(g->ScoreText(), "Score: 36");
    EXPECT_EQ(g->Module(0).entry.getScore(), 36);
}

}  // namespace
