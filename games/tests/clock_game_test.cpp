// Clock on the headless host.
#include "move_table.h"

namespace {

using gametest::Card;
using gametest::Session;

constexpr int kKings = 12;
constexpr int Hidden(int rank) { return 2 * rank; }
constexpr int Shown(int rank) { return 2 * rank + 1; }

class ClockGame : public ::testing::Test {
protected:
    int faceDown()
    {
        int n = 0;
        for (int r = 0; r <= kKings; ++r) n += g.count(Hidden(r));
        return n;
    }
    Session g{CLOCK_MODULE};
};

TEST_F(ClockGame, DealsThirteenPilesOfFourFaceDown)
{
    ASSERT_TRUE(g.start(1));
    for (int r = 0; r <= kKings; ++r) {
        EXPECT_EQ(g.count(Hidden(r)), 4) << r;
        EXPECT_EQ(g.count(Shown(r)), 0) << r;
    }
    EXPECT_EQ(g.pile(Hidden(kKings), true), "8D# 5S# TS# 6D#*") << "the kings' pile goes first, framed";
    EXPECT_EQ(g->MessageText(), "52 cards face down, 0 kings out");
    // The clock face: twelve at the top, six at the bottom, three at the
    // right, nine at the left, the kings in the middle.
    const auto& at = [&](int rank) { return g->Stack(Hidden(rank)); };
    EXPECT_LT(at(11).y, at(0).y);
    EXPECT_LT(at(kKings).y, at(5).y);
    EXPECT_LT(at(8).x, at(kKings).x);
    EXPECT_LT(at(kKings).x, at(2).x);
    EXPECT_EQ(at(11).x, at(kKings).x);
    EXPECT_EQ(at(5).x, at(kKings).x);
    EXPECT_EQ(at(2).y, at(kKings).y);
}

TEST_F(ClockGame, EachCardGoesToItsHourAndTheNextComesFromThere)
{
    ASSERT_TRUE(g.start(3));
    g.arrange({{Hidden(kKings), "5D# 6D# 4C# 3H#"},
               {Hidden(2), "KD# 7S# 8C# JC#"},
               {Hidden(10), "9D# 6S# 5C# 2S#"},
               {Hidden(1), "QH# 5H# 7D# 9C#"}});
    ASSERT_TRUE(g->Click(Hidden(2), 3));
    EXPECT_EQ(g.pile(Shown(2)), "3H");
    EXPECT_EQ(g.pile(Hidden(2), true), "KD# 7S# 8C# JC#*") << "the three's pile is next";
    ASSERT_TRUE(g->Click(Shown(2), 0)) << "a click on any pile turns the next card";
    EXPECT_EQ(g.pile(Shown(10)), "JC");
    EXPECT_EQ(g.pile(Hidden(10), true), "9D# 6S# 5C# 2S#*");
    ASSERT_TRUE(g->DoubleClick(Hidden(kKings), 2));
    EXPECT_EQ(g.pile(Shown(1)), "2S");
    EXPECT_EQ(g.pile(Shown(8)), "9C") << "the second click of a double click turns another";
    EXPECT_EQ(g->ScoreText(), "4");
    EXPECT_EQ(g->MessageText(), "12 cards face down, 0 kings out");
}

TEST_F(ClockGame, IsLostAtTheFourthKingWithCardsFaceDownAndWonWithNone)
{
    struct Case {
        const char* otherHour;
        int won, lost;
    };
    for (const Case c : {Case{"AS#", 0, 1}, Case{"", 1, 0}}) {
        ASSERT_TRUE(g.start(3));
        const int wonBefore = g->GamesWon(), lostBefore = g->GamesLost();
        g.arrange({{Hidden(kKings), "KH#"}, {Shown(kKings), "KS KC KD"}, {Hidden(0), c.otherHour}});
        ASSERT_TRUE(g->Click(Hidden(kKings), 0));
        EXPECT_EQ(g.pile(Shown(kKings)), "KS KC KD KH");
        EXPECT_EQ(g->GamesWon() - wonBefore, c.won) << c.otherHour;
        EXPECT_EQ(g->GamesLost() - lostBefore, c.lost) << c.otherHour;
        EXPECT_FALSE(g->GameInPlay());
    }
}

// The deal played out by the rules, apart from the game: the cards in the
// order they are turned.
std::vector<Card> PlayOut(Session& g)
{
    std::vector<std::vector<Card>> hidden(13);
    for (int r = 0; r <= kKings; ++r)
        for (int k = 0; k < g.count(Hidden(r)); ++k)
            hidden[static_cast<size_t>(r)].push_back(g->Stack(Hidden(r)).cards[k].image);
    std::vector<Card> turned;
    for (size_t from = kKings; !hidden[from].empty();) {
        const Card c = hidden[from].back();
        hidden[from].pop_back();
        turned.push_back(c);
        from = static_cast<size_t>(kit::Rank(c));
    }
    return turned;
}

TEST_F(ClockGame, PlaysRealDealsToTheirEndAsTheRulesSay)
{
    struct Case {
        uint32_t seed;
        bool autoPlay;
    };
    int wins = 0;
    for (const Case c : {Case{8, false}, Case{2, false}, Case{3, true}, Case{8, true}}) {
        ASSERT_TRUE(g.start(c.seed, c.autoPlay));
        const std::vector<Card> turned = PlayOut(g);
        const int wonBefore = g->GamesWon(), lostBefore = g->GamesLost();
        EXPECT_EQ(g.count(Shown(kKings)), 0) << "Auto Play waits for the first click";
        for (size_t i = 0; i < turned.size() && g->GameInPlay(); ++i) {
            const int hour = kit::Rank(turned[i]);
            ASSERT_TRUE(g->Click(Hidden(kKings), g.count(Hidden(kKings)) - 1));
            if (!c.autoPlay) {
                EXPECT_EQ(g.top(Shown(hour)), turned[i]) << "seed " << c.seed << ", card " << i;
            }
        }
        EXPECT_FALSE(g->GameInPlay()) << "seed " << c.seed;
        const bool allUp = turned.size() == 52;
        EXPECT_EQ(g->GamesWon() - wonBefore, allUp ? 1 : 0) << "seed " << c.seed;
        EXPECT_EQ(g->GamesLost() - lostBefore, allUp ? 0 : 1) << "seed " << c.seed;
        EXPECT_EQ(faceDown(), 52 - static_cast<int>(turned.size())) << "seed " << c.seed;
        EXPECT_EQ(g->ScoreText(), std::to_string(turned.size()));
        wins += allUp ? 1 : 0;
    }
    EXPECT_EQ(wins, 2) << "deal 8 is won, played by hand and by Auto Play";
}

}  // namespace
