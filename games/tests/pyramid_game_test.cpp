// Pyramid on the headless host.
#include "move_table.h"

namespace {

using gametest::Session;

constexpr int kStock = 28, kWaste = 29, kDiscard = 30;
constexpr int P(int row, int i) { return row * (row + 1) / 2 + i; }

// The bottom row and the row above it; the rest of the pyramid is gone.
const std::map<int, std::string> kPosition = {
    {P(6, 0), "4S"}, {P(6, 1), "9H"}, {P(6, 2), "KD"}, {P(6, 3), "QC"}, {P(6, 4), "AH"}, {P(6, 5), "7D"},
    {P(6, 6), "6C"}, {P(5, 0), "8S"}, {P(5, 5), "2D"}, {kStock, "3C# 5S#"},           {kWaste, "9C"},
};

class PyramidGame : public ::testing::Test {
protected:
    Session g{PYRAMID_MODULE};
};

TEST_F(PyramidGame, DealsTwentyEightCardsFaceUp)
{
    ASSERT_TRUE(g.start(1));
    for (int p = 0; p < 28; ++p) EXPECT_EQ(g.pile(p).size(), 2u) << "one face-up card in place " << p;
    EXPECT_EQ(g.count(kStock), 24);
    EXPECT_EQ(g.pile(P(0, 0)), "4H");
    EXPECT_EQ(g.pile(P(6, 6)), "QD");
    EXPECT_EQ(g->MessageText(), "Redeals left: 2");
}

struct Clicks {
    std::vector<int> piles;
    std::vector<int> removed;
    int marked;  // the place left marked, or -1
    const char* why;
};

TEST_F(PyramidGame, RemovesFreePairsOfThirteenAndKings)
{
    const Clicks cases[] = {
        {{P(6, 0), P(6, 1)}, {P(6, 0), P(6, 1)}, -1, "four and nine"},
        {{P(6, 0), P(6, 3)}, {}, P(6, 3), "four and queen make sixteen"},
        {{P(6, 2)}, {P(6, 2)}, -1, "a king goes alone"},
        {{P(6, 4), P(6, 3)}, {P(6, 4), P(6, 3)}, -1, "ace and queen"},
        {{P(5, 0), P(6, 6)}, {}, P(6, 6), "a covered card cannot be marked"},
        {{P(6, 0), kWaste}, {P(6, 0), kWaste}, -1, "a pyramid card with the waste's top"},
        {{P(6, 0), P(6, 0)}, {}, -1, "a second click unmarks"},
        {{P(6, 5), P(5, 5)}, {}, P(6, 5), "seven and a covered two"},
    };
    for (const Clicks& c : cases) {
        ASSERT_TRUE(g.start(3));
        g.arrange(kPosition);
        for (int p : c.piles) ASSERT_TRUE(g->Click(p, 0)) << c.why;
        for (const auto& [pile, cards] : kPosition) {
            if (pile == kStock) continue;
            const bool gone = std::count(c.removed.begin(), c.removed.end(), pile) > 0;
            const std::string expected = gone ? "" : cards + (pile == c.marked ? "*" : "");
            EXPECT_EQ(g.pile(pile, true), expected) << c.why << ", place " << pile;
        }
        EXPECT_EQ(g.count(kDiscard), static_cast<int>(c.removed.size())) << c.why;
    }
}

TEST_F(PyramidGame, TheWasteTurnsOverTwice)
{
    ASSERT_TRUE(g.start(3));
    g.arrange({{P(6, 0), "4S"}, {P(6, 1), "6H"}, {kStock, "3C# 5S#"}});
    ASSERT_TRUE(g->Click(kStock, 1));
    ASSERT_TRUE(g->Click(kStock, 0));
    EXPECT_EQ(g.pile(kWaste), "5S 3C");
    for (const char* left : {"1", "0"}) {
        ASSERT_TRUE(g->Click(kStock, -1));
        EXPECT_EQ(g.pile(kStock), "3C# 5S#");
        EXPECT_EQ(g->MessageText(), std::string("Redeals left: ") + left);
        ASSERT_TRUE(g->Click(kStock, 1));
        ASSERT_TRUE(g->Click(kStock, 0));
    }
    EXPECT_EQ(g->GamesLost(), 1) << "no pair, no king, nothing left to turn";
    EXPECT_FALSE(g->GameInPlay());
}

TEST_F(PyramidGame, IsLostWhenNothingCanBeRemoved)
{
    ASSERT_TRUE(g.start(3));
    g.arrange({{P(6, 0), "4S"}, {P(6, 1), "2H"}, {P(6, 2), "KD"}});
    ASSERT_TRUE(g->Click(P(6, 2), 0));
    EXPECT_EQ(g->GamesLost(), 1);
}

TEST_F(PyramidGame, IsWonWhenThePyramidIsGone)
{
    ASSERT_TRUE(g.start(3));
    g.arrange({{P(6, 0), "4S"}, {P(6, 1), "9H"}, {kStock, "3C#"}});
    ASSERT_TRUE(g->Click(P(6, 0), 0));
    ASSERT_TRUE(g->Click(P(6, 1), 0));
    EXPECT_EQ(g->GamesWon(), 1);
    EXPECT_EQ(g->ScoreText(), "2");
}

TEST_F(PyramidGame, AutoPlayRemovesFreeKings)
{
    for (bool autoPlay : {false, true}) {
        ASSERT_TRUE(g.start(3, autoPlay));
        g.arrange({{P(6, 0), "KD"}, {P(6, 1), "4S"}, {P(6, 2), "6H"}, {P(5, 0), "KS"}, {kStock, "2C#"}});
        ASSERT_TRUE(g->Click(kStock, 0));
        EXPECT_EQ(g.pile(kDiscard), autoPlay ? "KD" : "") << "the covered king stays";
    }
}

}  // namespace
