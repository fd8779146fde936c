// Beleaguered Castle on the headless host. Its rows play as Streets and
// Alleys' do (the two games share their table); here: the deal, the aces
// home from the start, and games played to their end.
#include "move_table.h"
#include "open_game_search.h"

namespace {

using gametest::Session;

constexpr int kRow = 0, kFoundation = 8;
constexpr int R(int i) { return kRow + i; }
constexpr int F(int i) { return kFoundation + i; }

class BeleagueredRules : public ::testing::Test {
protected:
    Session g{BELEAGUR_MODULE};
};

TEST_F(BeleagueredRules, DealsTheAcesHomeAndSixCardsToEachRow)
{
    ASSERT_TRUE(g.loaded()) << g.loadError();
    ASSERT_TRUE(g.start(1));
    EXPECT_EQ(g.pile(F(0)) + " " + g.pile(F(1)) + " " + g.pile(F(2)) + " " + g.pile(F(3)), "AC AD AH AS");
    for (int r = 0; r < 8; ++r) {
        EXPECT_EQ(g.count(R(r)), 6);
        for (int k = 0; k < 6; ++k) {
            EXPECT_EQ(g->Stack(R(r)).cards[k].faceDown, 0u);
            EXPECT_NE(kit::Rank(g->Stack(R(r)).cards[k].image), TS_RANK_ACE);
        }
    }
    EXPECT_EQ(g.pile(R(0)), "9H TS JH 6D 4C 5D");
    EXPECT_EQ(g.pile(R(7)), "QC TH QH 3S JD 4D");
    EXPECT_EQ(g->ScoreText(), "4");
    EXPECT_EQ(g->Module(0).entry.getScore(), 4);
}

TEST_F(BeleagueredRules, BuildsDownRegardlessOfSuitAndTakesAnyCardInAnEmptyRow)
{
    const std::map<int, std::string> position = {
        {F(0), "AC"}, {F(1), "AD"}, {F(2), "AH"}, {F(3), "AS"}, {R(0), "QD 8S"}, {R(1), "9C"},
        {R(3), "5D 4S 3H"}, {R(4), "KH"}, {R(5), "2C"}, {R(6), "7D 6D"}, {R(7), "JS"},
    };
    gametest::ExpectMoves(g, 3, position, {
        {R(0), 1, R(1), true, "an eight on a nine of another suit"},
        {R(6), 0, R(0), true, "a run of two with one empty row"},
        {R(3), 0, R(6), false, "a run of three with one empty row"},
        {R(3), 2, R(2), true, "any card into an empty row"},
        {R(5), 0, F(0), true, "the two of clubs home"},
        {R(5), 0, F(2), false, "the two of clubs on the hearts"},
    });
}

TEST_F(BeleagueredRules, IsLostWhenNoCardCanMoveAnywhere)
{
    ASSERT_TRUE(g.start(3));
    g.arrange({{F(0), "AC"}, {F(1), "AD"}, {F(2), "AH"}, {F(3), "AS"}, {R(0), "5S"}, {R(1), "5H"},
               {R(2), "5D"}, {R(3), "5C"}, {R(4), "KS"}, {R(5), "KH"}, {R(6), "JD"}, {R(7), "3S TC"}});
    EXPECT_EQ(g->GamesLost(), 0);
    ASSERT_TRUE(g->DragCard(R(7), 1, R(6)));
    EXPECT_EQ(g->GamesLost(), 1);
}

TEST_F(BeleagueredRules, PlaysRealDealsFromStartToWin)
{
    const gametest::OpenRules rules{false, kit::Empty::AnyCard, true};
    const gametest::OpenPiles piles{{R(0), R(1), R(2), R(3), R(4), R(5), R(6), R(7)}, {}, {F(0), F(1), F(2), F(3)}};
    for (uint32_t seed : {3u, 4u, 7u}) {
        ASSERT_TRUE(g.start(seed));
        const int wonBefore = g->GamesWon(), lostBefore = g->GamesLost();
        std::vector<gametest::OpenSearch::Step> path;
        ASSERT_TRUE(gametest::OpenSearch(g, rules, piles).solve(path)) << "seed " << seed;
        ASSERT_TRUE(gametest::OpenSearch::Play(g, path, piles.foundations)) << "seed " << seed;
        EXPECT_EQ(g->GamesWon(), wonBefore + 1) << "seed " << seed;
        EXPECT_EQ(g->Module(0).entry.getScore(), 52);
        EXPECT_EQ(g->GamesLost(), lostBefore);
    }
}

// Seed 32 deals the two of clubs on top of row 7 and nothing else that can
// move: once it is home the game is over.
TEST_F(BeleagueredRules, ADealWithNothingToDoButOneCardHomeIsLostAtOnce)
{
    ASSERT_TRUE(g.start(32, false));
    EXPECT_EQ(g.pile(R(7)), "KH TC 4H 9S JS 2C");
    ASSERT_TRUE(g->DoubleClick(R(7), 5));
    EXPECT_EQ(g->GamesLost(), 1);
    EXPECT_FALSE(g->GameInPlay());

    EXPECT_FALSE(g.start(32, true)) << "auto-play sends the two home and the game is over";
    EXPECT_EQ(g.pile(F(0)), "AC 2C");
    EXPECT_EQ(g->GamesLost(), 2);
}

}  // namespace
