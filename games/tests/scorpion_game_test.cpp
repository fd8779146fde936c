// Scorpion on the headless host.
#include <algorithm>
#include <array>
#include <unordered_set>

#include "move_table.h"

namespace {

using gametest::Session;

constexpr int kTableau = 0, kFoundation = 7, kStock = 11;
constexpr int T(int i) { return kTableau + i; }
constexpr int F(int i) { return kFoundation + i; }

const std::map<int, std::string> kPosition = {
    {T(0), "4S# 9C 3D KH"}, {T(1), "TC"}, {T(3), "KS QS"}, {T(4), "2S"}, {T(5), "8H"}, {T(6), "QC 4D"},
};

class ScorpionGame : public ::testing::Test {
protected:
    Session g{SCORPION_MODULE};
};

TEST_F(ScorpionGame, DealsSevenColumnsOfSevenAndThreeInTheStock)
{
    ASSERT_TRUE(g.start(1));
    EXPECT_EQ(g->Module(0).name, std::string("Scorpion"));
    for (int c = 0; c < 7; ++c) {
        ASSERT_EQ(g.count(T(c)), 7);
        for (int k = 0; k < 7; ++k) EXPECT_EQ(g->Stack(T(c)).cards[k].faceDown != 0, c < 4 && k < 3) << c << " " << k;
    }
    EXPECT_EQ(g.pile(T(0)), "4H# 2D# JH# QH 6C 3C 8S");
    EXPECT_EQ(g.pile(kStock), "TC# 2S# 6D#");
    EXPECT_EQ(g->MessageText(), "Stock: 3 cards, 0 of 4 suits home");
}

TEST_F(ScorpionGame, AcceptsLegalMovesAndRefusesOthers)
{
    gametest::ExpectMoves(g, 3, kPosition, {
        {T(0), 1, T(1), true, "a nine of clubs on the ten of clubs takes the cards above it"},
        {T(0), 2, T(6), true, "the three of diamonds onto the four of diamonds takes the king along"},
        {T(0), 0, T(1), false, "a face-down card does not move"},
        {T(0), 3, T(2), true, "a king into an empty column"},
        {T(1), 0, T(2), false, "only kings go into an empty column"},
        {T(6), 0, T(3), false, "a queen of clubs on the queen of spades"},
        {T(5), 0, T(0), false, "an eight of hearts on the king of hearts"},
        {T(4), 0, F(0), false, "a single card does not go home"},
        {T(3), 0, T(2), true, "a king with the queen on it into an empty column"},
    });
}

TEST_F(ScorpionGame, StockDealsOneCardOnEachOfTheFirstThreeColumnsOnce)
{
    ASSERT_TRUE(g.start(1));
    ASSERT_TRUE(g->Click(kStock, 2));
    EXPECT_EQ(g.count(kStock), 0);
    EXPECT_EQ(g.pile(T(0)), "4H# 2D# JH# QH 6C 3C 8S 6D");
    EXPECT_EQ(g.pile(T(1)).substr(g.pile(T(1)).size() - 2), "2S");
    EXPECT_EQ(g.pile(T(2)).substr(g.pile(T(2)).size() - 2), "TC");
    EXPECT_EQ(g.count(T(3)), 7);
    EXPECT_EQ(g->MessageText(), "Stock dealt, 0 of 4 suits home");
    const auto table = g.table();
    g->Click(kStock, -1);
    EXPECT_EQ(g.table(), table);
}

TEST_F(ScorpionGame, AWholeSuitGoesHomeByItselfAndTurnsTheCardBelow)
{
    for (bool autoPlay : {false, true}) {
        ASSERT_TRUE(g.start(2, autoPlay));
        g.arrange({{T(0), "5D# KH QH JH TH 9H 8H 7H 6H 5H 4H 3H"}, {T(1), "QS 2H"}, {T(2), "AH"}, {kStock, "2C#"}});
        EXPECT_FALSE(g->DragCard(T(0), 1, F(0))) << "a suit is not dragged home";
        ASSERT_TRUE(g->DragCard(T(1), 1, T(0)));
        EXPECT_EQ(g.count(F(0)), 0) << "the ace is still out";
        ASSERT_TRUE(g->DragCard(T(2), 0, T(0)));
        EXPECT_EQ(g.pile(F(0)), "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH") << "auto play " << autoPlay;
        EXPECT_EQ(g.pile(T(0)), "5D") << "the card below turns over";
        EXPECT_EQ(g->MessageText(), "Stock: 1 card, 1 of 4 suits home");
    }
}

TEST_F(ScorpionGame, AutoPlaySendsFinishedSuitsHomeAndWins)
{
    ASSERT_TRUE(g.start(5, true));
    g.arrange({{T(0), gametest::SuitRun('S')}, {T(1), gametest::SuitRun('H')}, {T(2), gametest::SuitRun('C')},
               {T(3), "KD QD JD TD 9D 8D 7D 6D 5D 4D 3D"}, {T(4), "AD 2D"}});
    ASSERT_TRUE(g->DragCard(T(4), 1, T(3)));
    ASSERT_TRUE(g->DragCard(T(4), 0, T(3)));
    EXPECT_EQ(g->GamesWon(), 1);
    for (int f = 0; f < 4; ++f) EXPECT_EQ(g.count(F(f)), 13);
}

TEST_F(ScorpionGame, IsLostWhenTheStockIsDealtAndNothingMoves)
{
    // Only the king at the bottom of column 1 could move, into column 3: no use.
    const std::map<int, std::string> stuck = {{T(0), "KS 2H"}, {T(1), "5C 9D"}, {T(3), "3S 7H"}};
    const int lostBefore = g->GamesLost();
    ASSERT_TRUE(g.start(4));
    g.arrange(stuck);
    ASSERT_TRUE(g->DragCard(T(0), 0, T(2)));  // the king moves along; the table is as stuck as before
    EXPECT_EQ(g->GamesLost(), lostBefore + 1);

    // The same with a card in the stock still to deal is not lost.
    ASSERT_TRUE(g.start(4));
    auto withStock = stuck;
    withStock[kStock] = "8C#";
    g.arrange(withStock);
    ASSERT_TRUE(g->DragCard(T(0), 0, T(2)));
    EXPECT_EQ(g->GamesLost(), lostBefore + 1);
}

// A way through a real deal, found by depth-first search: finished suits
// home, the stock, and any face-up card with the cards above it onto the
// next higher card of its suit, or a king into an empty column.
class ScorpionSearch {
public:
    struct Step {
        int from, card, to;  // from == kStock: deal the stock; to == -1: home
    };

    explicit ScorpionSearch(Session& g)
    {
        for (int c = 0; c < 7; ++c) {
            for (int k = 0; k < g.count(T(c)); ++k) {
                columns_[c] += static_cast<char>(g->Stack(T(c)).cards[k].image);
                if (g->Stack(T(c)).cards[k].faceDown) ++down_[c];
            }
        }
        for (int k = 0; k < g.count(kStock); ++k) stock_ += static_cast<char>(g->Stack(kStock).cards[k].image);
    }
    bool solve(std::vector<Step>& path) { return search(path); }

private:
    using Card = gametest::Card;
    static bool Fits(Card lower, Card c) { return kit::Rank(lower) == kit::Rank(c) + 1 && kit::Suit(lower) == kit::Suit(c); }
    bool fullSuitOnTop(int c) const
    {
        const std::string& s = columns_[c];
        const int from = static_cast<int>(s.size()) - 13;
        if (from < down_[c] || kit::Rank(s[from]) != TS_RANK_KING) return false;
        for (size_t i = static_cast<size_t>(from) + 1; i < s.size(); ++i)
            if (!Fits(s[i - 1], s[i])) return false;
        return true;
    }
    bool tryStep(Step step, std::vector<Step>& path)
    {
        const std::array<std::string, 7> columns = columns_;
        const std::array<int, 7> down = down_;
        const std::string stock = stock_;
        const int home = home_;
        if (step.from == kStock) {
            for (int c = 0; c < 3; ++c) columns_[c] += stock_[2 - c];
            stock_.clear();
        } else {
            const int c = step.from - T(0);
            const std::string moving = columns_[c].substr(static_cast<size_t>(step.card));
            columns_[c].resize(static_cast<size_t>(step.card));
            if (down_[c] > 0 && down_[c] == step.card) --down_[c];
            if (step.to < 0) ++home_;
            else columns_[step.to - T(0)] += moving;
        }
        path.push_back(step);
        if (search(path)) return true;
        path.pop_back();
        columns_ = columns, down_ = down, stock_ = stock, home_ = home;
        return false;
    }
    bool search(std::vector<Step>& path)
    {
        if (home_ == 4) return true;
        std::string key = stock_ + static_cast<char>(home_);
        for (int c = 0; c < 7; ++c) key += columns_[c] + static_cast<char>(100 + down_[c]);
        if (++nodes_ > 300000 || path.size() > 300 || !seen_.insert(key).second) return false;
        for (int c = 0; c < 7; ++c)
            if (fullSuitOnTop(c)) return tryStep({T(c), static_cast<int>(columns_[c].size()) - 13, -1}, path);
        for (int turning : {1, 0}) {
            for (int c = 0; c < 7; ++c) {
                for (int i = down_[c]; i < static_cast<int>(columns_[c].size()); ++i) {
                    if ((i == down_[c] && down_[c] > 0) != (turning == 1)) continue;
                    for (int to = 0; to < 7; ++to) {
                        if (to == c) continue;
                        const bool fits = columns_[to].empty() ? kit::Rank(columns_[c][i]) == TS_RANK_KING && i > 0
                                                               : Fits(columns_[to].back(), columns_[c][i]);
                        if (fits && tryStep({T(c), i, T(to)}, path)) return true;
                    }
                }
            }
        }
        return !stock_.empty() && tryStep({kStock, 0, 0}, path);
    }

    std::array<std::string, 7> columns_;
    std::array<int, 7> down_ = {};
    std::string stock_;
    int home_ = 0;
    std::unordered_set<std::string> seen_;
    int nodes_ = 0;
};

TEST_F(ScorpionGame, PlaysRealDealsFromStartToWin)
{
    for (uint32_t seed : {5u, 23u, 26u}) {  // deals that can be won
        ASSERT_TRUE(g.start(seed));
        const int wonBefore = g->GamesWon();
        std::vector<ScorpionSearch::Step> path;
        ASSERT_TRUE(ScorpionSearch(g).solve(path)) << "seed " << seed;
        for (const ScorpionSearch::Step& s : path) {
            if (s.from == kStock) {
                ASSERT_TRUE(g->Click(kStock, g.count(kStock) - 1)) << "seed " << seed;
                continue;
            }
            if (s.to < 0) {  // the suit went home by itself as it formed
                ASSERT_EQ(g.count(s.from), s.card) << "seed " << seed << ": " << g.pile(s.from);
                continue;
            }
            ASSERT_TRUE(g->DragCard(s.from, s.card, s.to)) << "seed " << seed << ": " << g.pile(s.from) << " to " << g.pile(s.to);
        }
        EXPECT_EQ(g->GamesWon(), wonBefore + 1) << "seed " << seed;
    }
}

}  // namespace
