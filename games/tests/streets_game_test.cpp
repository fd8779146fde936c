// Streets and Alleys on the headless host.
#include "move_table.h"
#include "open_game_search.h"

namespace {

using gametest::Session;

constexpr int kRow = 0, kFoundation = 8;
constexpr int R(int i) { return kRow + i; }
constexpr int F(int i) { return kFoundation + i; }

// One empty row.
const std::map<int, std::string> kPosition = {
    {F(0), "AC"}, {R(0), "QD 8S"}, {R(1), "9C"}, {R(3), "5D 4S 3H"},
    {R(4), "KH"}, {R(5), "2C"},    {R(6), "7D 6D"}, {R(7), "JS"},
};

class StreetsRules : public ::testing::Test {
protected:
    Session g{STREETS_MODULE};
};

TEST_F(StreetsRules, DealsSevenToTheLeftRowsAndSixToTheRight)
{
    ASSERT_TRUE(g.loaded()) << g.loadError();
    ASSERT_TRUE(g.start(1));
    for (int r = 0; r < 8; ++r) {
        EXPECT_EQ(g.count(R(r)), r < 4 ? 7 : 6);
        for (int k = 0; k < g.count(R(r)); ++k) EXPECT_EQ(g->Stack(R(r)).cards[k].faceDown, 0u);
    }
    for (int f = 0; f < 4; ++f) EXPECT_EQ(g.count(F(f)), 0);
    EXPECT_LT(g->Stack(R(0)).x, g->Stack(F(0)).x);
    EXPECT_LT(g->Stack(F(0)).x, g->Stack(R(4)).x);
    EXPECT_EQ(g.pile(R(0)), "4H AS 8H 9S 3H 9C QS");
    EXPECT_EQ(g.pile(R(7)), "2D 4S AD 6H 3S 9H");
    EXPECT_EQ(g->MessageText(), "Cards move one at a time");
    EXPECT_EQ(g->ScoreText(), "0");
}

TEST_F(StreetsRules, BuildsDownRegardlessOfSuitWithRunsLimitedByEmptyRows)
{
    gametest::ExpectMoves(g, 3, kPosition, {
        {R(0), 1, R(1), true, "an eight on a nine of another suit"},
        {R(1), 0, R(0), false, "a nine on an eight"},
        {R(6), 0, R(0), true, "a run of two with one empty row"},
        {R(3), 0, R(6), false, "a run of three with one empty row"},
        {R(3), 1, R(2), false, "two cards into the only empty row"},
        {R(3), 2, R(2), true, "any card into an empty row"},
        {R(4), 0, R(2), true, "a king into an empty row"},
        {R(0), 0, R(7), false, "a card under the top card"},
        {R(5), 0, F(0), true, "the two of clubs home"},
        {R(5), 0, F(1), false, "a two on an empty foundation"},
        {F(0), 0, R(2), false, "cards home stay home"},
    });
    auto crowded = kPosition;
    crowded[R(2)] = "TD";
    gametest::ExpectMoves(g, 3, crowded, {
        {R(6), 0, R(0), false, "two cards with no empty row"},
        {R(6), 1, R(3), false, "a six on a three"},
        {R(0), 1, R(1), true, "one card moves anyway"},
    });
    auto roomy = kPosition;
    roomy.erase(R(7));
    gametest::ExpectMoves(g, 3, roomy, {{R(3), 0, R(6), true, "a run of three with two empty rows"}});
}

TEST_F(StreetsRules, AutoPlaySendsHomeOnlyCardsNoRowNeeds)
{
    for (bool autoPlay : {false, true}) {
        ASSERT_TRUE(g.start(3, autoPlay));
        g.arrange({{F(0), "AC 2C"}, {F(1), "AS 2S"}, {F(2), "AH"}, {F(3), "AD 2D"},
                   {R(0), "4C 3C"}, {R(1), "2H 9S"}, {R(2), "TD"}});
        ASSERT_TRUE(g->DragCard(R(1), 1, R(2)));
        EXPECT_EQ(g.pile(F(2)), autoPlay ? "AH 2H" : "AH") << "a two is always safe";
        EXPECT_EQ(g.pile(F(0)), autoPlay ? "AC 2C 3C" : "AC 2C") << "every two is home, so no row needs the three";
        EXPECT_EQ(g.pile(R(0)), autoPlay ? "4C" : "4C 3C") << "a red three could still want the four";
    }
}

TEST_F(StreetsRules, IsLostWhenNoCardCanMoveAnywhereThatMatters)
{
    const std::map<int, std::string> base = {
        {R(0), "5S"}, {R(1), "5H"}, {R(2), "5D"}, {R(3), "5C"}, {R(4), "KS"}, {R(5), "KH"},
    };
    const struct {
        const char* row6;
        const char* row7;
        int to;  // where the top card of row 7 goes
        bool lost;
        const char* why;
    } cases[] = {
        {"JD", "2S TC", R(6), true, "no card fits anywhere"},
        {"JD", "AC", F(0), true, "only cards alone in their rows could go into the empty row"},
        {"9S JD", "AC", F(0), false, "the jack can leave the nine for the empty row"},
        {"JD", "2S 6C TC", R(6), false, "a five can go on the six left at the end of row 7"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(g.start(3));
        auto position = base;
        position[R(6)] = c.row6;
        position[R(7)] = c.row7;
        g.arrange(position);
        const int lostBefore = g->GamesLost();
        ASSERT_TRUE(g->DragCard(R(7), g.count(R(7)) - 1, c.to)) << c.why;
        EXPECT_EQ(g->GamesLost(), lostBefore + (c.lost ? 1 : 0)) << c.why;
    }
}

TEST_F(StreetsRules, PlaysRealDealsFromStartToWin)
{
    const gametest::OpenRules rules{false, kit::Empty::AnyCard, true};
    const gametest::OpenPiles piles{{R(0), R(1), R(2), R(3), R(4), R(5), R(6), R(7)}, {}, {F(0), F(1), F(2), F(3)}};
    for (uint32_t seed : {1u, 4u, 8u}) {
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
