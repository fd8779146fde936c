// Forty Thieves on the headless host.
#include <array>
#include <unordered_set>

#include "move_table.h"

namespace {

using gametest::Session;
using gametest::SuitRun;

constexpr int kStock = 0, kWaste = 1, kFoundation = 2, kTableau = 10;
constexpr int F(int i) { return kFoundation + i; }
constexpr int T(int i) { return kTableau + i; }

const std::map<int, std::string> kPosition = {
    {kStock, "3D# 4D#"}, {kWaste, "5D"},   {F(0), "AC"},  {F(1), "AC 2C"}, {T(0), "9H 8H"},
    {T(1), "TH"},        {T(3), "TS"},     {T(4), "2C"},  {T(5), "6D"},    {T(6), "KS"},
    {T(7), "KH"},        {T(8), "KC 3C"},  {T(9), "KD"},
};

class FortyThievesGame : public ::testing::Test {
protected:
    Session g{FORTYTHV_MODULE};
};

TEST_F(FortyThievesGame, DealsTenColumnsOfFourFaceUp)
{
    ASSERT_TRUE(g.start(1));
    for (int c = 0; c < 10; ++c) {
        ASSERT_EQ(g.count(T(c)), 4);
        for (int k = 0; k < 4; ++k) EXPECT_EQ(g->Stack(T(c)).cards[k].faceDown, 0u);
    }
    EXPECT_EQ(g.count(kStock), 64);
    EXPECT_EQ(g.pile(T(0)), "KS 3C 4S 2C");
    EXPECT_EQ(g->MessageText(), "Stock: 64 cards, one pass");
}

TEST_F(FortyThievesGame, AcceptsLegalMovesAndRefusesOthers)
{
    gametest::ExpectMoves(g, 3, kPosition, {
        {T(0), 0, T(1), true, "a run of two in suit with one empty column free"},
        {T(0), 0, T(3), false, "hearts on a spade"},
        {T(4), 0, F(0), true, "two of clubs on an ace of clubs"},
        {T(4), 0, F(1), false, "a second two on a two"},
        {kWaste, 0, T(5), true, "five of diamonds from the waste on the six"},
        {kWaste, 0, T(3), false, "a diamond on a spade"},
        {T(5), 0, T(1), false, "a six on a ten"},
        {T(1), 0, T(2), true, "any card into an empty column"},
        {F(0), 0, T(2), false, "cards home stay home"},
        {T(8), 1, F(1), true, "three of clubs on its two"},
    });
    auto crowded = kPosition;
    crowded[T(2)] = "QS";
    gametest::ExpectMoves(g, 3, crowded, {
        {T(0), 0, T(1), false, "two cards with no empty column"},
        {T(0), 1, T(1), false, "an eight on a ten"},
    });
}

TEST_F(FortyThievesGame, TheStockIsTurnedOnce)
{
    ASSERT_TRUE(g.start(3));
    g.arrange(kPosition);
    ASSERT_TRUE(g->Click(kStock, 1));
    ASSERT_TRUE(g->Click(kStock, 0));
    EXPECT_EQ(g.pile(kWaste), "5D 4D 3D");
    EXPECT_EQ(g->MessageText(), "The stock is used up");
    ASSERT_TRUE(g->Click(kStock, -1));
    EXPECT_EQ(g.pile(kWaste), "5D 4D 3D");
}

struct StockCase {
    const char* stock;
    bool lost;
};

TEST_F(FortyThievesGame, IsLostWhenTheStockIsOutAndNoLegalMoveIsLeft)
{
    for (const StockCase c : {StockCase{"9D#", true}, StockCase{"8H# 9D#", false}}) {
        ASSERT_TRUE(g.start(3));
        const int lostBefore = g->GamesLost();
        g.arrange({{kStock, c.stock}, {T(0), "5S"}, {T(1), "5C"}, {T(2), "5H"}, {T(3), "5D"}, {T(4), "7S"},
                   {T(5), "7C"}, {T(6), "7H"}, {T(7), "7D"}, {T(8), "JS"}, {T(9), "JC"}});
        ASSERT_TRUE(g->Click(kStock, g.count(kStock) - 1));
        EXPECT_EQ(g->GamesLost() - lostBefore, c.lost ? 1 : 0) << c.stock;
        EXPECT_EQ(g->GameInPlay(), !c.lost) << c.stock;
    }
}

TEST_F(FortyThievesGame, AutoPlayWaitsForBothFoundationsOfASuit)
{
    for (bool autoPlay : {false, true}) {
        ASSERT_TRUE(g.start(3, autoPlay));
        g.arrange(kPosition);
        ASSERT_TRUE(g->DragCard(T(1), 0, T(2)));
        EXPECT_EQ(g.pile(F(0)), autoPlay ? "AC 2C 3C" : "AC") << "a two is always safe, then the three";
        EXPECT_EQ(g.pile(T(8)), autoPlay ? "KC" : "KC 3C");
    }
}

TEST_F(FortyThievesGame, AutoPlayWinsFromEightRuns)
{
    ASSERT_TRUE(g.start(5, true));
    std::map<int, std::string> position;
    for (int c = 0; c < 8; ++c) position[T(c)] = SuitRun("CDHS"[c % 4]);
    g.arrange(position);
    ASSERT_TRUE(g->DoubleClick(T(0), 12));
    EXPECT_EQ(g->GamesWon(), 1);
    EXPECT_EQ(g->ScoreText(), "104");
}

// A way through a real deal, found by depth-first search: cards home, runs
// in suit onto a card one higher (as long as the empty columns allow), the
// waste's top into play, and the stock, once through.
class FortyThievesSearch {
public:
    struct Step {
        int from, card, to;  // from == kStock: a click on the stock; to == -1: a foundation
    };

    explicit FortyThievesSearch(Session& g)
    {
        for (int c = 0; c < 10; ++c)
            for (int k = 0; k < g.count(T(c)); ++k) columns_[c] += static_cast<char>(g->Stack(T(c)).cards[k].image);
        for (int k = 0; k < g.count(kStock); ++k) stock_ += static_cast<char>(g->Stack(kStock).cards[k].image);
    }
    bool solve(std::vector<Step>& path) { return search(path); }

private:
    using Card = gametest::Card;
    static bool Fits(Card lower, Card c) { return kit::Suit(lower) == kit::Suit(c) && kit::Rank(lower) == kit::Rank(c) + 1; }
    // Foundations per suit: two each, filled one after the other is enough here.
    bool homeTakes(Card c) const
    {
        const size_t s = static_cast<size_t>(kit::Suit(c));
        return home_[s][0] == kit::Rank(c) || home_[s][1] == kit::Rank(c);
    }
    void goHome(Card c, int delta)
    {
        auto& h = home_[static_cast<size_t>(kit::Suit(c))];
        if (delta > 0) ++(h[0] == kit::Rank(c) ? h[0] : h[1]);
        else --(h[1] == kit::Rank(c) + 1 ? h[1] : h[0]);
    }
    int runStart(int c) const
    {
        int i = static_cast<int>(columns_[c].size()) - 1;
        while (i > 0 && Fits(columns_[c][i - 1], columns_[c][i])) --i;
        return i;
    }
    int emptyColumns(int besides) const
    {
        int n = 0;
        for (int c = 0; c < 10; ++c) n += c != besides && columns_[c].empty();
        return n;
    }
    bool tryStep(const Step& step, std::vector<Step>& path)
    {
        const auto columns = columns_;
        const std::string stock = stock_, waste = waste_;
        const auto home = home_;
        if (step.from == kStock) {
            waste_ += stock_.back();
            stock_.pop_back();
        } else {
            std::string moving;
            if (step.from == kWaste) {
                moving = waste_.substr(waste_.size() - 1);
                waste_.pop_back();
            } else {
                const int c = step.from - T(0);
                moving = columns_[c].substr(static_cast<size_t>(step.card));
                columns_[c].resize(static_cast<size_t>(step.card));
            }
            if (step.to < 0) goHome(moving[0], 1);
            else columns_[step.to - T(0)] += moving;
        }
        path.push_back(step);
        if (search(path)) return true;
        path.pop_back();
        columns_ = columns, stock_ = stock, waste_ = waste, home_ = home;
        return false;
    }
    bool search(std::vector<Step>& path)
    {
        int homeCards = 0;
        for (const auto& h : home_) homeCards += h[0] + h[1];
        if (homeCards == 104) return true;
        std::string key = std::to_string(stock_.size()) + '|' + waste_ + '|';
        for (const auto& h : home_) key += static_cast<char>(h[0] * 16 + h[1] + 1);
        std::array<std::string, 10> sorted = columns_;
        std::sort(sorted.begin(), sorted.end());
        for (const auto& col : sorted) key += col + '|';
        if (++nodes_ > 400000 || path.size() > 600 || !seen_.insert(key).second) return false;
        if (!waste_.empty() && homeTakes(waste_.back()) && tryStep({kWaste, 0, -1}, path)) return true;
        for (int c = 0; c < 10; ++c) {
            const int n = static_cast<int>(columns_[c].size());
            if (n > 0 && homeTakes(columns_[c].back()) && tryStep({T(c), n - 1, -1}, path)) return true;
        }
        for (int c = 0; c < 10; ++c) {  // whole runs in suit onto a card one higher
            if (columns_[c].empty()) continue;
            const int start = runStart(c), length = static_cast<int>(columns_[c].size()) - start;
            for (int to = 0; to < 10; ++to)
                if (to != c && !columns_[to].empty() && Fits(columns_[to].back(), columns_[c][start]) &&
                    length <= 1 << emptyColumns(-1) && tryStep({T(c), start, T(to)}, path))
                    return true;
        }
        if (!waste_.empty())
            for (int to = 0; to < 10; ++to)
                if (!columns_[to].empty() && Fits(columns_[to].back(), waste_.back()) && tryStep({kWaste, 0, T(to)}, path))
                    return true;
        const int empty = static_cast<int>(std::find_if(columns_.begin(), columns_.end(),
                                                        [](const std::string& s) { return s.empty(); }) -
                                           columns_.begin());
        if (empty < 10) {
            if (!waste_.empty() && tryStep({kWaste, 0, T(empty)}, path)) return true;
            for (int c = 0; c < 10; ++c) {
                const int start = runStart(c), length = static_cast<int>(columns_[c].size()) - start;
                if (start > 0 && length <= 1 << emptyColumns(empty) && tryStep({T(c), start, T(empty)}, path)) return true;
            }
        }
        return !stock_.empty() && tryStep({kStock, 0, 0}, path);
    }

    std::array<std::string, 10> columns_;
    std::string stock_, waste_;
    std::array<std::array<int, 2>, 4> home_ = {};
    std::unordered_set<std::string> seen_;
    int nodes_ = 0;
};

TEST_F(FortyThievesGame, PlaysARealDealFromStartToWin)
{
    constexpr uint32_t seed = 5;  // a deal that can be won
    ASSERT_TRUE(g.start(seed));
    std::vector<FortyThievesSearch::Step> path;
    ASSERT_TRUE(FortyThievesSearch(g).solve(path));
    for (const FortyThievesSearch::Step& s : path) {
        if (s.from == kStock) {
            ASSERT_TRUE(g->Click(kStock, g.count(kStock) - 1));
            continue;
        }
        const gametest::Card c = g.top(s.from);
        int to = s.to;
        for (int f = 0; f < 8 && to < 0; ++f)  // a foundation of its suit one below it, or an empty one for an ace
            if (g.count(F(f)) == kit::Rank(c) && (g.count(F(f)) == 0 || kit::Suit(g.top(F(f))) == kit::Suit(c)))
                to = F(f);
        const int card = s.from == kWaste ? g.count(kWaste) - 1 : s.card;
        ASSERT_TRUE(g->DragCard(s.from, card, to)) << g.pile(s.from) << " to " << g.pile(to);
    }
    EXPECT_EQ(g->GamesWon(), 1);
    EXPECT_EQ(g->Module(0).entry.getScore(), 104);
}

}  // namespace
