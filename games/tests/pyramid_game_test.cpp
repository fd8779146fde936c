// Pyramid on the headless host.
#include <unordered_set>

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

// A way through a real deal, found by search: each step is the places
// clicked (a king; two cards that make 13; the stock).
class PyramidSearch {
public:
    explicit PyramidSearch(Session& g)
    {
        for (int p = 0; p < 28; ++p) cards_[p] = g->Stack(p).cards[0].image;
        for (int k = 0; k < g.count(kStock); ++k) stock_ += static_cast<char>(g->Stack(kStock).cards[k].image);
    }
    bool solve(std::vector<std::vector<int>>& path) { return search(path); }

private:
    using Card = gametest::Card;
    bool gone(int p) const { return removed_ >> p & 1u; }
    bool free(int p) const
    {
        if (gone(p)) return false;
        int row = 0;
        while (P(row + 1, 0) <= p) ++row;
        if (row == 6) return true;
        const int below = P(row + 1, p - P(row, 0));
        return gone(below) && gone(below + 1);
    }
    Card cardOf(int p) const { return p == kWaste ? waste_.back() : cards_[p]; }
    bool tryStep(std::vector<int> clicks, std::vector<std::vector<int>>& path)
    {
        const uint32_t removed = removed_;
        const std::string stock = stock_, waste = waste_;
        const int redeals = redeals_;
        if (clicks[0] == kStock) {
            if (!stock_.empty()) {
                waste_ += stock_.back();
                stock_.pop_back();
            } else {
                stock_.assign(waste_.rbegin(), waste_.rend());
                waste_.clear();
                --redeals_;
            }
        } else {
            for (int p : clicks) {
                if (p == kWaste) waste_.pop_back();
                else removed_ |= 1u << p;
            }
        }
        path.push_back(clicks);
        if (search(path)) return true;
        path.pop_back();
        removed_ = removed, stock_ = stock, waste_ = waste, redeals_ = redeals;
        return false;
    }
    bool search(std::vector<std::vector<int>>& path)
    {
        if (removed_ == (1u << 28) - 1) return true;
        const std::string key = std::to_string(removed_) + '|' + stock_ + '|' + waste_ + '|' + std::to_string(redeals_);
        if (++nodes_ > 200000 || !seen_.insert(key).second) return false;
        std::vector<int> open;
        for (int p = 0; p < 28; ++p)
            if (free(p)) open.push_back(p);
        if (!waste_.empty()) open.push_back(kWaste);
        for (size_t a = 0; a < open.size(); ++a) {
            if (kit::PipValue(cardOf(open[a])) == 13 && tryStep({open[a]}, path)) return true;
            for (size_t b = a + 1; b < open.size(); ++b)
                if (kit::PipValue(cardOf(open[a])) + kit::PipValue(cardOf(open[b])) == 13 &&
                    tryStep({open[a], open[b]}, path))
                    return true;
        }
        if ((!stock_.empty() || (redeals_ > 0 && !waste_.empty())) && tryStep({kStock}, path)) return true;
        return false;
    }

    Card cards_[28] = {};
    std::string stock_, waste_;
    uint32_t removed_ = 0;
    int redeals_ = 2;
    std::unordered_set<std::string> seen_;
    int nodes_ = 0;
};

TEST_F(PyramidGame, PlaysRealDealsFromStartToWin)
{
    for (uint32_t seed : {1u, 2u}) {  // deals that can be won
        ASSERT_TRUE(g.start(seed));
        const int wonBefore = g->GamesWon();
        std::vector<std::vector<int>> path;
        ASSERT_TRUE(PyramidSearch(g).solve(path)) << "seed " << seed;
        for (const std::vector<int>& clicks : path)
            for (int p : clicks) ASSERT_TRUE(g->Click(p, g.count(p) - 1)) << "seed " << seed << ", place " << p;
        EXPECT_EQ(g->GamesWon(), wonBefore + 1) << "seed " << seed;
        EXPECT_GE(g->Module(0).entry.getScore(), 28);
    }
}

}  // namespace
