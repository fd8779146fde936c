// FreeCell on the headless host.
#include "move_table.h"

namespace {

using gametest::Session;

constexpr int kCell = 0, kFoundation = 4, kTableau = 8;
constexpr int C(int i) { return kCell + i; }
constexpr int F(int i) { return kFoundation + i; }
constexpr int T(int i) { return kTableau + i; }

const std::map<int, std::string> kPosition = {
    {C(0), "KD"}, {F(0), "AS"}, {F(1), "AH 2H"}, {T(0), "9C 8H 7S"}, {T(1), "TD"},
    {T(3), "2S"}, {T(4), "5C 4D"}, {T(5), "6H"}, {T(6), "QC"}, {T(7), "3H 2C"},
};

// No empty column and every cell taken: one card moves at a time.
const std::map<int, std::string> kCrowded = {
    {C(0), "JH"}, {C(1), "JS"}, {C(2), "JC"}, {C(3), "QD"}, {T(0), "9C 8H"}, {T(1), "TD"},
    {T(2), "7S"}, {T(3), "KH"}, {T(4), "KS"}, {T(5), "KC"}, {T(6), "QH"}, {T(7), "QS"},
};

class FreeCellGame : public ::testing::Test {
protected:
    Session g{FREECELL_MODULE};
};

TEST_F(FreeCellGame, DealsEveryCardFaceUpIntoEightColumns)
{
    ASSERT_TRUE(g.start(1));
    for (int c = 0; c < 8; ++c) {
        EXPECT_EQ(g.count(T(c)), c < 4 ? 7 : 6);
        for (int k = 0; k < g.count(T(c)); ++k) EXPECT_EQ(g->Stack(T(c)).cards[k].faceDown, 0u);
    }
    EXPECT_EQ(g.pile(T(0)), "4H AS 8H 9S 3H 9C QS");
    EXPECT_EQ(g.pile(T(7)), "2D 4S AD 6H 3S 9H");
}

TEST_F(FreeCellGame, AcceptsLegalMovesAndRefusesOthers)
{
    gametest::ExpectMoves(g, 3, kPosition, {
        {T(0), 0, T(1), true, "a run of three with three cells and an empty column free"},
        {T(3), 0, F(0), true, "two of spades on its ace"},
        {T(3), 0, F(1), false, "two of spades on the hearts"},
        {C(0), 0, T(6), false, "a king on a queen"},
        {T(6), 0, C(1), true, "a queen into a free cell"},
        {T(6), 0, C(0), false, "into a cell that is taken"},
        {T(1), 0, T(2), true, "any card into an empty column"},
        {C(0), 0, T(2), true, "from a cell into an empty column"},
        {T(4), 0, T(5), true, "black five and red four on the red six"},
        {T(5), 0, T(4), false, "a six on a four"},
        {F(0), 0, T(2), false, "cards home stay home"},
        {T(7), 0, F(1), false, "two cards at once onto a foundation"},
        {T(7), 1, T(0), false, "a two on a seven"},
    });
    gametest::ExpectMoves(g, 3, kCrowded, {
        {T(0), 0, T(1), false, "two cards with no free cell and no empty column"},
        {T(2), 0, T(0), true, "one card moves anyway"},
    });
    auto roomier = kCrowded;
    roomier.erase(T(7));
    gametest::ExpectMoves(g, 3, roomier, {
        {T(0), 0, T(1), true, "an empty column doubles the run to two"},
    });
}

TEST_F(FreeCellGame, DoubleClickSendsHomeOrElseToACell)
{
    ASSERT_TRUE(g.start(3));
    g.arrange(kPosition);
    ASSERT_TRUE(g->DoubleClick(T(3), 0));
    EXPECT_EQ(g.pile(F(0)), "AS 2S");
    ASSERT_TRUE(g->DoubleClick(T(6), 0));
    EXPECT_EQ(g.pile(C(1)), "QC");
    EXPECT_EQ(g.count(T(6)), 0);
}

TEST_F(FreeCellGame, AutoPlaySendsOnlySafeCardsHome)
{
    for (bool autoPlay : {false, true}) {
        ASSERT_TRUE(g.start(3, autoPlay));
        g.arrange(kPosition);
        ASSERT_TRUE(g->DragCard(T(6), 0, C(1)));
        EXPECT_EQ(g.pile(F(0)), autoPlay ? "AS 2S" : "AS") << "a two is always safe";
        EXPECT_EQ(g.pile(T(7)), "3H 2C") << "no foundation takes the two of clubs";
        EXPECT_EQ(g.pile(F(1)), "AH 2H");
    }
}

TEST_F(FreeCellGame, AutoPlayWinsFromFourRuns)
{
    ASSERT_TRUE(g.start(5, true));
    const auto runs = gametest::AlternatingRuns();
    g.arrange({{T(0), runs[0]}, {T(1), runs[1]}, {T(2), runs[2]}, {T(3), runs[3]}});
    ASSERT_TRUE(g->DoubleClick(T(0), 12));
    EXPECT_EQ(g->GamesWon(), 1);
    EXPECT_EQ(g->ScoreText(), "Score: 52");
    EXPECT_EQ(g->Module(0).entry.getScore(), 52);
}

}  // namespace
