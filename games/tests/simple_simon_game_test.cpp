// Simple Simon on the headless host.
#include <algorithm>
#include <array>
#include <unordered_set>

#include "move_table.h"

namespace {

using gametest::Session;

constexpr int kFoundation = 0, kTableau = 4;
constexpr int T(int i) { return kTableau + i; }
constexpr int F(int i) { return kFoundation + i; }

const std::map<int, std::string> kPosition = {
    {T(0), "9C 5D 4D 3D"}, {T(1), "6S"}, {T(2), "6D"}, {T(3), "KH 8C 7H 6H"}, {T(4), "TH"},
    {T(5), "QS"},          {T(6), "JH"}, {T(7), "2C"}, {T(8), "5C"},
};

class SimpleSimonGame : public ::testing::Test {
protected:
    Session g{SIMPSIMN_MODULE};
};

TEST_F(SimpleSimonGame, DealsTenColumnsFaceUp)
{
    ASSERT_TRUE(g.start(1));
    EXPECT_EQ(g->Module(0).name, std::string("Simple Simon"));
    const int dealt[10] = {8, 8, 8, 7, 6, 5, 4, 3, 2, 1};
    for (int c = 0; c < 10; ++c) {
        ASSERT_EQ(g.count(T(c)), dealt[c]);
        for (int k = 0; k < dealt[c]; ++k) EXPECT_EQ(g->Stack(T(c)).cards[k].faceDown, 0u);
    }
    EXPECT_EQ(g.pile(T(0)), "4H 4D TH QD 5H 9C JS TC");
    EXPECT_EQ(g.pile(T(9)), "6S");
    EXPECT_EQ(g->MessageText(), "0 of 4 suits home");
}

TEST_F(SimpleSimonGame, AcceptsLegalMovesAndRefusesOthers)
{
    gametest::ExpectMoves(g, 3, kPosition, {
        {T(0), 1, T(1), true, "a run of diamonds moves together onto a six of spades"},
        {T(0), 1, T(2), true, "a run of diamonds onto the six of diamonds"},
        {T(0), 3, T(7), false, "a three onto a two"},
        {T(3), 1, T(5), false, "eight, seven, six are not one suit"},
        {T(3), 1, T(9), false, "a run not of one suit does not move into an empty column either"},
        {T(3), 2, T(9), true, "the hearts move together into an empty column"},
        {T(3), 3, T(8), false, "a six onto a five"},
        {T(3), 3, T(9), true, "any card into an empty column"},
        {T(6), 0, T(5), true, "a jack of hearts onto the queen of spades"},
        {T(4), 0, T(6), true, "a ten of hearts onto the jack of hearts"},
        {T(0), 0, T(4), false, "the nine with cards of another suit above it does not move"},
        {T(7), 0, F(0), false, "a single card does not go home"},
    });
}

TEST_F(SimpleSimonGame, AWholeSuitGoesHomeByItself)
{
    for (bool autoPlay : {false, true}) {
        ASSERT_TRUE(g.start(2, autoPlay));
        g.arrange({{T(0), "5D KH QH JH TH 9H 8H 7H 6H 5H 4H 3H 2H"}, {T(1), "QS AH"}, {T(2), "9C 8D"}});
        EXPECT_FALSE(g->DragCard(T(0), 1, F(0))) << "a suit is not dragged home";
        ASSERT_TRUE(g->DragCard(T(1), 1, T(0)));
        EXPECT_EQ(g.pile(F(0)), "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH") << "auto play " << autoPlay;
        EXPECT_EQ(g.pile(T(0)), "5D");
        EXPECT_EQ(g->MessageText(), "1 of 4 suits home");
    }
}

TEST_F(SimpleSimonGame, AutoPlaySendsFinishedSuitsHomeAndWins)
{
    ASSERT_TRUE(g.start(5, true));
    g.arrange({{T(0), gametest::SuitRun('S')}, {T(1), gametest::SuitRun('H')}, {T(2), gametest::SuitRun('C')},
               {T(3), "KD QD JD TD 9D 8D 7D 6D 5D 4D 3D"}, {T(4), "AD 2D"}});
    ASSERT_TRUE(g->DragCard(T(4), 1, T(3)));
    EXPECT_EQ(g->GamesWon(), 0) << "the ace is still out";
    ASSERT_TRUE(g->DragCard(T(4), 0, T(3)));
    EXPECT_EQ(g->GamesWon(), 1);
    for (int f = 0; f < 4; ++f) EXPECT_EQ(g.count(F(f)), 13);
}

TEST_F(SimpleSimonGame, IsLostOnlyWhenNoCardCanMove)
{
    // No column empty; the only move is the four of spades onto the five of hearts.
    std::map<int, std::string> position = {
        {T(0), "9C AS"}, {T(1), "9D AH"}, {T(2), "TS 5H"}, {T(3), "QC AD"}, {T(4), "2S JH"},
        {T(5), "3C JD"}, {T(6), "7H KS"}, {T(7), "6D KC"}, {T(8), "2H AC"}, {T(9), "8C 4S"},
    };
    const int lostBefore = g->GamesLost();
    ASSERT_TRUE(g.start(6));
    g.arrange(position);
    ASSERT_TRUE(g->DragCard(T(9), 1, T(2)));
    EXPECT_EQ(g->GamesLost(), lostBefore + 1) << "the eight of clubs left on top has nowhere to go";

    // Without the eight the column is empty afterwards, and any card may go there.
    position[T(9)] = "4S";
    ASSERT_TRUE(g.start(6));
    g.arrange(position);
    ASSERT_TRUE(g->DragCard(T(9), 0, T(2)));
    EXPECT_EQ(g->GamesLost(), lostBefore + 1);
}

// A way through a real deal, found by depth-first search: finished suits
// home, then runs of one suit onto a card one higher of the same suit, of
// another suit, or into an empty column.
class SimpleSimonSearch {
public:
    struct Step {
        int from, card, to;  // to == -1: home
    };

    explicit SimpleSimonSearch(Session& g)
    {
        for (int c = 0; c < 10; ++c)
            for (int k = 0; k < g.count(T(c)); ++k) columns_[c] += static_cast<char>(g->Stack(T(c)).cards[k].image);
    }
    bool solve(std::vector<Step>& path) { return search(path); }

private:
    using Card = gametest::Card;
    static bool InSuit(Card lower, Card c) { return kit::Rank(lower) == kit::Rank(c) + 1 && kit::Suit(lower) == kit::Suit(c); }
    int runStart(int c) const
    {
        const std::string& s = columns_[c];
        int i = static_cast<int>(s.size()) - 1;
        while (i > 0 && InSuit(s[i - 1], s[i])) --i;
        return i;
    }
    bool tryStep(Step step, std::vector<Step>& path)
    {
        const std::array<std::string, 10> columns = columns_;
        const int home = home_;
        const int c = step.from - T(0);
        const std::string moving = columns_[c].substr(static_cast<size_t>(step.card));
        columns_[c].resize(static_cast<size_t>(step.card));
        if (step.to < 0) ++home_;
        else columns_[step.to - T(0)] += moving;
        path.push_back(step);
        if (search(path)) return true;
        path.pop_back();
        columns_ = columns, home_ = home;
        return false;
    }
    bool search(std::vector<Step>& path)
    {
        if (home_ == 4) return true;
        std::array<std::string, 10> sorted = columns_;
        std::sort(sorted.begin(), sorted.end());
        std::string key;
        for (const std::string& s : sorted) key += s + '|';
        if (++nodes_ > 300000 || path.size() > 300 || !seen_.insert(key).second) return false;
        for (int c = 0; c < 10; ++c) {
            const int n = static_cast<int>(columns_[c].size()), i = n > 0 ? runStart(c) : 0;
            if (n > 0 && n - i == 13) return tryStep({T(c), i, -1}, path);
        }
        for (int pass = 0; pass < 3; ++pass) {  // same suit, another suit, an empty column
            for (int c = 0; c < 10; ++c) {
                const int n = static_cast<int>(columns_[c].size());
                for (int i = n > 0 ? runStart(c) : n; i < n; ++i) {
                    for (int to = 0; to < 10; ++to) {
                        if (to == c) continue;
                        const std::string& t = columns_[to];
                        const bool fits = pass == 2 ? t.empty() && i > 0
                                                    : !t.empty() && kit::Rank(t.back()) == kit::Rank(columns_[c][i]) + 1 &&
                                                          (kit::Suit(t.back()) == kit::Suit(columns_[c][i])) == (pass == 0);
                        // A card already lying on one a rank higher moves only to join its suit.
                        const bool placed = i > 0 && kit::Rank(columns_[c][i - 1]) == kit::Rank(columns_[c][i]) + 1;
                        if (fits && placed && pass > 0) continue;
                        if (fits && tryStep({T(c), i, T(to)}, path)) return true;
                        if (fits && pass == 2) break;  // one empty column is as good as another
                    }
                }
            }
        }
        return false;
    }

    std::array<std::string, 10> columns_;
    int home_ = 0;
    std::unordered_set<std::string> seen_;
    int nodes_ = 0;
};

TEST_F(SimpleSimonGame, PlaysRealDealsFromStartToWin)
{
    for (uint32_t seed : {4u, 12u, 14u}) {  // deals that can be won
        ASSERT_TRUE(g.start(seed));
        const int wonBefore = g->GamesWon();
        std::vector<SimpleSimonSearch::Step> path;
        ASSERT_TRUE(SimpleSimonSearch(g).solve(path)) << "seed " << seed;
        for (const SimpleSimonSearch::Step& s : path) {
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
