// Eight Off on the headless host.
#include "move_table.h"
#include "open_game_search.h"

namespace {

using gametest::Session;

constexpr int kCell = 0, kTableau = 8, kFoundation = 16;
constexpr int C(int i) { return kCell + i; }
constexpr int T(int i) { return kTableau + i; }
constexpr int F(int i) { return kFoundation + i; }

// One free cell and one empty column, which takes kings only.
const std::map<int, std::string> kPosition = {
    {C(0), "2D"}, {C(1), "3D"}, {C(2), "4D"}, {C(3), "5D"}, {C(4), "6D"}, {C(5), "7D"}, {C(6), "8D"},
    {F(0), "AH"}, {T(0), "9S 8S 7S"}, {T(1), "TS"}, {T(3), "KH"}, {T(4), "QH"}, {T(5), "JC"},
    {T(6), "5C KC QC"}, {T(7), "AS"},
};

class EightOffRules : public ::testing::Test {
protected:
    Session g{EIGHTOFF_MODULE};
};

TEST_F(EightOffRules, DealsSixRowsAndFourCells)
{
    ASSERT_TRUE(g.loaded()) << g.loadError();
    ASSERT_TRUE(g.start(1));
    for (int c = 0; c < 8; ++c) {
        EXPECT_EQ(g.count(T(c)), 6);
        EXPECT_EQ(g.count(C(c)), c < 4 ? 1 : 0);
        for (int k = 0; k < g.count(T(c)); ++k) EXPECT_EQ(g->Stack(T(c)).cards[k].faceDown, 0u);
    }
    EXPECT_EQ(g.pile(T(0)), "4H AS 8H 9S 3H 9C");
    EXPECT_EQ(g.pile(T(7)), "2D 4S AD 6H 3S 9H");
    EXPECT_EQ(g.pile(C(0)) + " " + g.pile(C(3)), "QS 6D");
    EXPECT_EQ(g->MessageText(), "Runs of 5 can move");
    EXPECT_EQ(g->ScoreText(), "0");
}

TEST_F(EightOffRules, BuildsDownInSuitWithRunsLimitedByFreeCells)
{
    gametest::ExpectMoves(g, 3, kPosition, {
        {T(0), 0, T(1), false, "three cards with one free cell; a king-only column does not help"},
        {T(0), 1, T(1), false, "the eight of spades on the ten"},
        {T(0), 2, T(1), false, "a seven on a ten"},
        {T(0), 1, T(4), false, "spades on a heart"},
        {T(4), 0, T(3), true, "the queen of hearts on its king"},
        {T(5), 0, T(4), false, "a club on a heart"},
        {T(3), 0, T(2), true, "a king into the empty column"},
        {T(6), 1, T(2), true, "a king with its queen into the empty column"},
        {T(4), 0, T(2), false, "a queen into the empty column"},
        {C(0), 0, T(2), false, "a two from a cell into the empty column"},
        {T(7), 0, F(1), true, "an ace home"},
        {T(7), 0, F(0), false, "the ace of spades on the hearts"},
        {T(6), 2, C(7), true, "a card into the free cell"},
        {T(6), 2, C(0), false, "into a cell that is taken"},
        {T(6), 1, C(7), false, "two cards into a cell"},
        {F(0), 0, T(2), false, "cards home stay home"},
    });
    auto shorter = kPosition;
    shorter[T(0)] = "9S 8S";
    gametest::ExpectMoves(g, 3, shorter, {{T(0), 0, T(1), true, "two cards with one free cell"}});
}

TEST_F(EightOffRules, DoubleClickSendsHomeOrElseToACell)
{
    ASSERT_TRUE(g.start(3));
    g.arrange(kPosition);
    ASSERT_TRUE(g->DoubleClick(T(7), 0));
    EXPECT_EQ(g.count(T(7)), 0);
    EXPECT_EQ(g.pile(F(1)), "AS");
    ASSERT_TRUE(g->DoubleClick(T(5), 0));
    EXPECT_EQ(g.pile(C(7)), "JC");
    EXPECT_EQ(g->MessageText(), "Runs of 1 can move");
    const auto before = g.table();
    g->DoubleClick(T(1), 0);
    EXPECT_EQ(g.table(), before) << "no foundation and no free cell takes the ten";
}

TEST_F(EightOffRules, AutoPlaySendsCardsHome)
{
    for (bool autoPlay : {false, true}) {
        ASSERT_TRUE(g.start(3, autoPlay));
        g.arrange({{C(0), "2H"}, {C(1), "AS"}, {F(0), "AH"}, {T(0), "9S 3H"}, {T(1), "KC"}, {T(2), "5C 4D"}});
        ASSERT_TRUE(g->DragCard(T(2), 1, C(2)));
        EXPECT_EQ(g.pile(F(0)), autoPlay ? "AH 2H 3H" : "AH");
        EXPECT_EQ(g.count(C(1)), autoPlay ? 0 : 1);
        EXPECT_EQ(g.pile(T(1)), "KC");
    }
}

TEST_F(EightOffRules, IsLostWhenNoCardCanMoveAnywhereThatMatters)
{
    // Every cell but one taken, no card fits on another, no ace free; the
    // last column's top card fills the last cell.
    const std::map<int, std::string> stuck = {
        {C(0), "3S"}, {C(1), "3H"}, {C(2), "3D"}, {C(3), "3C"}, {C(4), "4S"}, {C(5), "4H"}, {C(6), "4D"},
        {T(0), "AS 7H"}, {T(1), "AH 7S"}, {T(2), "AD 7D"}, {T(3), "2C 7C"}, {T(4), "2S 9H"}, {T(5), "2H 9S"},
    };
    const struct {
        const char* lastColumns[2];
        bool lost;
        const char* why;
    } cases[] = {
        {{"2D 9D", "AC 9C JC"}, true, "nothing can move"},
        {{"", "KC JC"}, true, "a king alone only swaps places with the empty column"},
        {{"", "9D KC JC"}, false, "the king can leave the nine"},
        {{"2D 9D", "AC 6H JC"}, false, "the six of hearts can go on the seven"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(g.start(3));
        auto position = stuck;
        position[T(6)] = c.lastColumns[0];
        position[T(7)] = c.lastColumns[1];
        g.arrange(position);
        const int lostBefore = g->GamesLost();
        ASSERT_TRUE(g->DragCard(T(7), g.count(T(7)) - 1, C(7))) << c.why;
        EXPECT_EQ(g->GamesLost(), lostBefore + (c.lost ? 1 : 0)) << c.why;
    }
}

TEST_F(EightOffRules, PlaysRealDealsFromStartToWin)
{
    const gametest::OpenRules rules{true, kit::Empty::KingOnly, true};
    const gametest::OpenPiles piles{{T(0), T(1), T(2), T(3), T(4), T(5), T(6), T(7)},
                                    {C(0), C(1), C(2), C(3), C(4), C(5), C(6), C(7)},
                                    {F(0), F(1), F(2), F(3)}};
    for (uint32_t seed : {1u, 2u, 3u}) {
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

}  // namespace
