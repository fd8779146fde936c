// Baker's Dozen on the headless host.
#include "move_table.h"
#include "open_game_search.h"

namespace {

using gametest::Session;

constexpr int kTableau = 0, kFoundation = 13;
constexpr int T(int i) { return kTableau + i; }
constexpr int F(int i) { return kFoundation + i; }

class BakersDozenRules : public ::testing::Test {
protected:
    Session g{BAKERDOZ_MODULE};
};

TEST_F(BakersDozenRules, DealsThirteenColumnsOfFourWithTheKingsUnderneath)
{
    ASSERT_TRUE(g.loaded()) << g.loadError();
    for (uint32_t seed : {1u, 2u, 3u, 4u, 5u}) {
        ASSERT_TRUE(g.start(seed));
        for (int c = 0; c < 13; ++c) {
            ASSERT_EQ(g.count(T(c)), 4);
            bool kingsDone = false;
            for (int k = 0; k < 4; ++k) {
                EXPECT_EQ(g->Stack(T(c)).cards[k].faceDown, 0u);
                const bool king = kit::Rank(g->Stack(T(c)).cards[k].image) == TS_RANK_KING;
                EXPECT_FALSE(king && kingsDone) << "seed " << seed << ", column " << c << ": " << g.pile(T(c));
                kingsDone = kingsDone || !king;
            }
        }
    }
    ASSERT_TRUE(g.start(1));
    EXPECT_EQ(g.pile(T(0)), "4H 3D 7C 3S");
    EXPECT_EQ(g.pile(T(1)), "KC JH QD 9C");
    EXPECT_EQ(g.pile(T(7)), "KD KH 2D 8C");
    EXPECT_EQ(g.pile(T(12)), "8D 5S TS 6D");
    EXPECT_EQ(g->MessageText(), "52 cards left");
}

TEST_F(BakersDozenRules, BuildsDownOneCardAtATimeAndNeverFillsAnEmptyColumn)
{
    const std::map<int, std::string> position = {
        {F(0), "AC"}, {T(0), "KS 9H"}, {T(1), "TC"}, {T(3), "5D 4S"}, {T(4), "KH 5C"}, {T(5), "2C"}, {T(6), "8S"},
    };
    gametest::ExpectMoves(g, 3, position, {
        {T(0), 1, T(1), true, "a nine on a ten of another suit"},
        {T(6), 0, T(0), true, "an eight on a nine"},
        {T(1), 0, T(0), false, "a ten on a nine"},
        {T(3), 0, T(4), false, "two cards at once"},
        {T(3), 1, T(4), true, "a four on a five"},
        {T(6), 0, T(2), false, "a card into an empty column"},
        {T(0), 0, T(2), false, "a king into an empty column"},
        {T(5), 0, F(0), true, "the two of clubs home"},
        {T(5), 0, F(1), false, "a two on an empty foundation"},
        {F(0), 0, T(2), false, "cards home stay home"},
    });
}

TEST_F(BakersDozenRules, AutoPlaySendsHomeOnlyCardsNoColumnNeeds)
{
    for (bool autoPlay : {false, true}) {
        ASSERT_TRUE(g.start(3, autoPlay));
        g.arrange({{F(0), "AC 2C"}, {F(1), "AS 2S"}, {F(2), "AH"}, {F(3), "AD 2D"},
                   {T(0), "4C 3C"}, {T(1), "2H 9S"}, {T(2), "TD"}});
        ASSERT_TRUE(g->DragCard(T(1), 1, T(2)));
        EXPECT_EQ(g.pile(F(2)), autoPlay ? "AH 2H" : "AH");
        EXPECT_EQ(g.pile(F(0)), autoPlay ? "AC 2C 3C" : "AC 2C");
        EXPECT_EQ(g.pile(T(0)), autoPlay ? "4C" : "4C 3C");
        EXPECT_EQ(g->MessageText(), autoPlay ? "3 cards left" : "5 cards left");
    }
}

TEST_F(BakersDozenRules, IsLostWhenNoCardCanMove)
{
    const struct {
        const char* last;
        bool lost;
        const char* why;
    } cases[] = {
        {"9C QC", true, "no card fits anywhere"},
        {"QC", true, "the emptied column takes nothing"},
        {"KD 4C QC", false, "a three can go on the four left on top"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(g.start(3));
        g.arrange({{T(0), "3S"}, {T(1), "3H"}, {T(2), "KH"}, {T(3), "9D"}, {T(4), c.last}});
        const int lostBefore = g->GamesLost();
        ASSERT_TRUE(g->DragCard(T(4), g.count(T(4)) - 1, T(2))) << c.why;
        EXPECT_EQ(g->GamesLost(), lostBefore + (c.lost ? 1 : 0)) << c.why;
    }
}

TEST_F(BakersDozenRules, PlaysRealDealsFromStartToWin)
{
    const gametest::OpenRules rules{false, kit::Empty::Nothing, false};
    gametest::OpenPiles piles{{}, {}, {F(0), F(1), F(2), F(3)}};
    for (int c = 0; c < 13; ++c) piles.columns.push_back(T(c));
    for (uint32_t seed : {3u, 9u}) {
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
