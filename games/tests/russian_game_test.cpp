// Russian Solitaire on the headless host.
#include <algorithm>
#include <array>
#include <unordered_set>

#include "move_table.h"

namespace {

using gametest::Session;

constexpr int kTableau = 0, kFoundation = 7;
constexpr int T(int i) { return kTableau + i; }
constexpr int F(int i) { return kFoundation + i; }

const std::map<int, std::string> kPosition = {
    {T(0), "4S# 9C 3D KH"}, {T(1), "TC"}, {T(3), "KS QS"}, {T(4), "2S"}, {T(5), "8H"},
    {T(6), "QC 4C"},        {F(0), "AS"}, {F(1), "AC 2C 3C"},
};

class RussianGame : public ::testing::Test {
protected:
    Session g{RUSSIAN_MODULE};
};

TEST_F(RussianGame, DealsYukonsColumns)
{
    ASSERT_TRUE(g.start(1));
    EXPECT_EQ(g->Module(0).name, std::string("Russian Solitaire"));
    for (int c = 0; c < 7; ++c) {
        ASSERT_EQ(g.count(T(c)), c == 0 ? 1 : c + 5);
        for (int k = 0; k < g.count(T(c)); ++k) EXPECT_EQ(g->Stack(T(c)).cards[k].faceDown != 0, k < c);
    }
    EXPECT_EQ(g.pile(T(0)), "4H");
    EXPECT_EQ(g.pile(T(6)), "AC# 8S# 4C# JC# JS# KH# 9H QS TC 2S 6D");
}

TEST_F(RussianGame, BuildsDownInSuitOnly)
{
    gametest::ExpectMoves(g, 3, kPosition, {
        {T(0), 1, T(1), true, "a nine of clubs on the ten of clubs takes the cards above it"},
        {T(0), 2, T(6), false, "a three of diamonds on a four of clubs: other suit"},
        {T(6), 0, T(3), false, "a queen of clubs on the queen of spades"},
        {T(0), 0, T(2), false, "a face-down card does not move"},
        {T(0), 3, T(2), true, "a king into an empty column"},
        {T(1), 0, T(2), false, "only kings go into an empty column"},
        {T(5), 0, T(0), false, "an eight on a king"},
        {T(4), 0, F(0), true, "two of spades on its ace"},
        {T(6), 1, F(1), true, "four of clubs on the three"},
        {F(1), 2, T(6), true, "a foundation card comes back onto the four of clubs"},
        {T(3), 0, T(2), true, "a king with the queen on it into an empty column"},
    });
}

TEST_F(RussianGame, RefusesAlternateColoursThatYukonTakes)
{
    ASSERT_TRUE(g.start(3));
    g.arrange({{T(0), "9C"}, {T(1), "TH"}, {T(2), "TC"}});
    EXPECT_FALSE(g->DragCard(T(0), 0, T(1)));
    EXPECT_TRUE(g->DragCard(T(0), 0, T(2)));
    EXPECT_EQ(g.pile(T(2)), "TC 9C");
}

TEST_F(RussianGame, AutoPlaySendsCardsHomeAndWins)
{
    ASSERT_TRUE(g.start(5, true));
    g.arrange({{T(0), gametest::SuitRun('S')}, {T(1), gametest::SuitRun('H')}, {T(2), gametest::SuitRun('C')},
               {T(3), gametest::SuitRun('D')}});
    ASSERT_TRUE(g->DoubleClick(T(3), 12));
    EXPECT_EQ(g->GamesWon(), 1);
    for (int f = 0; f < 4; ++f) EXPECT_EQ(g.count(F(f)), 13);
}

TEST_F(RussianGame, IsLostWhenNoCardCanMove)
{
    const int lostBefore = g->GamesLost();
    ASSERT_TRUE(g.start(4));
    // After the six of clubs goes onto the seven, only the king at the bottom
    // of column 1 could move, into an empty column: no use.
    g.arrange({{T(0), "KS 2H"}, {T(1), "5D 9D"}, {T(3), "3S 7C"}, {T(4), "AS# 6C"}, {F(0), "AH"}});
    ASSERT_TRUE(g->DragCard(T(4), 1, T(3)));
    EXPECT_EQ(g.pile(T(4)), "AS");
    EXPECT_EQ(g->GamesLost(), lostBefore) << "the ace of spades can still go home";
    ASSERT_TRUE(g->DoubleClick(T(4), 0));
    EXPECT_EQ(g->GamesLost(), lostBefore) << "the two of hearts can still go home";
    ASSERT_TRUE(g->DoubleClick(T(0), 1));
    EXPECT_EQ(g->GamesLost(), lostBefore + 1);
}

// A way through a real deal, found by depth-first search: cards home, and
// any face-up card with the cards above it onto the next higher card of its
// suit, or a king into an empty column.
class RussianSearch {
public:
    struct Step {
        int from, card, to;  // to == -1: a foundation
    };

    explicit RussianSearch(Session& g)
    {
        for (int c = 0; c < 7; ++c) {
            for (int k = 0; k < g.count(T(c)); ++k) {
                columns_[c] += static_cast<char>(g->Stack(T(c)).cards[k].image);
                if (g->Stack(T(c)).cards[k].faceDown) ++down_[c];
            }
        }
    }
    bool solve(std::vector<Step>& path) { return search(path); }

private:
    using Card = gametest::Card;
    static bool Fits(Card lower, Card c) { return kit::Rank(lower) == kit::Rank(c) + 1 && kit::Suit(lower) == kit::Suit(c); }
    bool homeTakes(Card c) const { return home_[static_cast<size_t>(kit::Suit(c))] == kit::Rank(c); }
    bool tryStep(int c, int from, int to, std::vector<Step>& path)
    {
        const std::array<std::string, 7> columns = columns_;
        const std::array<int, 7> down = down_;
        const std::array<char, 4> home = home_;
        const std::string moving = columns_[c].substr(static_cast<size_t>(from));
        columns_[c].resize(static_cast<size_t>(from));
        if (down_[c] > 0 && down_[c] == from) --down_[c];
        if (to < 0) ++home_[static_cast<size_t>(kit::Suit(moving[0]))];
        else columns_[to] += moving;
        path.push_back({T(c), from, to < 0 ? -1 : T(to)});
        if (search(path)) return true;
        path.pop_back();
        columns_ = columns, down_ = down, home_ = home;
        return false;
    }
    bool search(std::vector<Step>& path)
    {
        if (std::all_of(home_.begin(), home_.end(), [](char n) { return n == 13; })) return true;
        std::string key(home_.begin(), home_.end());
        for (int c = 0; c < 7; ++c) key += columns_[c] + static_cast<char>(100 + down_[c]);
        if (++nodes_ > 300000 || path.size() > 500 || !seen_.insert(key).second) return false;
        for (int c = 0; c < 7; ++c) {
            const int n = static_cast<int>(columns_[c].size());
            if (n > down_[c] && homeTakes(columns_[c].back()) && tryStep(c, n - 1, -1, path)) return true;
        }
        for (int turning : {1, 0}) {
            for (int c = 0; c < 7; ++c) {
                for (int i = down_[c]; i < static_cast<int>(columns_[c].size()); ++i) {
                    if ((i == down_[c] && down_[c] > 0) != (turning == 1)) continue;
                    for (int to = 0; to < 7; ++to) {
                        if (to == c) continue;
                        const bool fits = columns_[to].empty() ? kit::Rank(columns_[c][i]) == TS_RANK_KING && i > 0
                                                               : Fits(columns_[to].back(), columns_[c][i]);
                        if (fits && tryStep(c, i, to, path)) return true;
                    }
                }
            }
        }
        return false;
    }

    std::array<std::string, 7> columns_;
    std::array<int, 7> down_ = {};
    std::array<char, 4> home_ = {};
    std::unordered_set<std::string> seen_;
    int nodes_ = 0;
};

TEST_F(RussianGame, PlaysRealDealsFromStartToWin)
{
    for (uint32_t seed : {3u, 6u, 34u}) {  // deals that can be won
        ASSERT_TRUE(g.start(seed));
        const int wonBefore = g->GamesWon();
        std::vector<RussianSearch::Step> path;
        ASSERT_TRUE(RussianSearch(g).solve(path)) << "seed " << seed;
        for (const RussianSearch::Step& s : path) {
            const int to = s.to >= 0 ? s.to : gametest::HomeFor(g, g.top(s.from), F(0), 4);
            ASSERT_TRUE(g->DragCard(s.from, s.card, to)) << "seed " << seed << ": " << g.pile(s.from) << " to " << g.pile(to);
        }
        EXPECT_EQ(g->GamesWon(), wonBefore + 1) << "seed " << seed;
    }
}

}  // namespace
