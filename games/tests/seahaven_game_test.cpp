// Seahaven Towers on the headless host.
#include "move_table.h"
#include "open_game_search.h"

namespace {

using gametest::Session;

constexpr int kCell = 0, kTableau = 4, kFoundation = 14;
constexpr int C(int i) { return kCell + i; }
constexpr int T(int i) { return kTableau + i; }
constexpr int F(int i) { return kFoundation + i; }

// One free cell and one empty column, which takes kings only.
const std::map<int, std::string> kPosition = {
    {C(0), "2D"}, {C(1), "3D"}, {C(2), "4D"}, {F(0), "AH"}, {T(0), "9S 8S"}, {T(1), "TS"}, {T(3), "KH"},
    {T(4), "QH"}, {T(5), "JC"}, {T(6), "5C KC QC"}, {T(7), "AS"}, {T(8), "6D 5D 4C"}, {T(9), "7C"},
};

class SeahavenRules : public ::testing::Test {
protected:
    Session g{SEAHAVEN_MODULE};
};

TEST_F(SeahavenRules, DealsTenColumnsOfFiveAndTwoCells)
{
    ASSERT_TRUE(g.loaded()) << g.loadError();
    ASSERT_TRUE(g.start(1));
    for (int c = 0; c < 10; ++c) {
        EXPECT_EQ(g.count(T(c)), 5);
        for (int k = 0; k < 5; ++k) EXPECT_EQ(g->Stack(T(c)).cards[k].faceDown, 0u);
    }
    EXPECT_EQ(g.count(C(0)) + g.count(C(3)), 0) << "the outer cells start empty";
    EXPECT_EQ(g.pile(C(1)) + " " + g.pile(C(2)), "2S 6D");
    EXPECT_EQ(g.pile(T(0)), "4H 4D 8C 7H 9C");
    EXPECT_EQ(g.pile(T(9)), "6S TH 7S 3S TC");
    EXPECT_EQ(g->MessageText(), "Runs of 3 can move");
}

TEST_F(SeahavenRules, BuildsDownInSuitWithRunsLimitedByFreeCells)
{
    gametest::ExpectMoves(g, 3, kPosition, {
        {T(0), 0, T(1), true, "two cards in suit with one free cell"},
        {T(8), 0, T(2), false, "a broken run does not lift"},
        {T(8), 1, T(9), false, "diamonds on a club"},
        {T(4), 0, T(3), true, "the queen of hearts on its king"},
        {T(5), 0, T(4), false, "a club on a heart"},
        {T(3), 0, T(2), true, "a king into the empty column"},
        {T(6), 1, T(2), true, "a king with its queen into the empty column"},
        {T(4), 0, T(2), false, "a queen into the empty column"},
        {C(0), 0, T(2), false, "a two from a cell into the empty column"},
        {T(7), 0, F(1), true, "an ace home"},
        {T(7), 0, F(0), false, "the ace of spades on the hearts"},
        {T(9), 0, C(3), true, "a card into the free cell"},
        {T(9), 0, C(1), false, "into a cell that is taken"},
        {F(0), 0, T(2), false, "cards home stay home"},
    });
    auto crowded = kPosition;
    crowded[C(3)] = "8D";
    crowded[T(0)] = "9S 8S 7S";
    crowded[T(1)] = "TS";
    gametest::ExpectMoves(g, 3, crowded, {
        {T(0), 0, T(1), false, "three cards with every cell taken"},
        {T(0), 2, T(3), false, "the seven of spades on a king"},
    });
}

TEST_F(SeahavenRules, DoubleClickSendsHomeOrElseToACell)
{
    ASSERT_TRUE(g.start(3));
    g.arrange(kPosition);
    ASSERT_TRUE(g->DoubleClick(T(7), 0));
    EXPECT_EQ(g.pile(F(1)), "AS");
    ASSERT_TRUE(g->DoubleClick(T(5), 0));
    EXPECT_EQ(g.pile(C(3)), "JC");
    EXPECT_EQ(g->MessageText(), "Runs of 1 can move");
}

TEST_F(SeahavenRules, AutoPlaySendsCardsHome)
{
    for (bool autoPlay : {false, true}) {
        ASSERT_TRUE(g.start(3, autoPlay));
        g.arrange({{C(0), "2H"}, {C(1), "AS"}, {F(0), "AH"}, {T(0), "9S 3H"}, {T(1), "KC"}, {T(2), "5C 4D"}});
        ASSERT_TRUE(g->DragCard(T(2), 1, C(2)));
        EXPECT_EQ(g.pile(F(0)), autoPlay ? "AH 2H 3H" : "AH");
        EXPECT_EQ(g.count(C(1)), autoPlay ? 0 : 1);
    }
}

TEST_F(SeahavenRules, IsLostWhenNoCardCanMoveAnywhereThatMatters)
{
    // Three cells taken, no card fits on another, no ace free; the last
    // column's top card fills the last cell.
    const std::map<int, std::string> stuck = {
        {C(0), "3S"}, {C(1), "3H"}, {C(2), "3D"}, {T(0), "AS 7H"}, {T(1), "AH 7S"}, {T(2), "AD 7D"},
        {T(3), "2C 7C"}, {T(4), "2S 9H"}, {T(5), "2H 9S"}, {T(6), "4S 5H"}, {T(7), "2D 5D"},
    };
    const struct {
        const char* lastColumns[2];
        bool lost;
        const char* why;
    } cases[] = {
        {{"4D 9D", "AC 9C JC"}, true, "nothing can move"},
        {{"", "KC JC"}, true, "a king alone only swaps places with the empty column"},
        {{"", "9D KC JC"}, false, "the king can leave the nine"},
        {{"4D 9D", "AC 6H JC"}, false, "the six of hearts can go on the seven"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(g.start(3));
        auto position = stuck;
        position[T(8)] = c.lastColumns[0];
        position[T(9)] = c.lastColumns[1];
        g.arrange(position);
        const int lostBefore = g->GamesLost();
        ASSERT_TRUE(g->DragCard(T(9), g.count(T(9)) - 1, C(3))) << c.why;
        EXPECT_EQ(g->GamesLost(), lostBefore + (c.lost ? 1 : 0)) << c.why;
    }
}

TEST_F(SeahavenRules, PlaysRealDealsFromStartToWin)
{
    const gametest::OpenRules rules{true, kit::Empty::KingOnly, true};
    gametest::OpenPiles piles{{}, {C(0), C(1), C(2), C(3)}, {F(0), F(1), F(2), F(3)}};
    for (int c = 0; c < 10; ++c) piles.columns.push_back(T(c));
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
