// Monte Carlo on the headless host.
#include <set>

#include "move_table.h"

namespace {

using gametest::Card;
using gametest::Session;

constexpr int kCells = 25, kStock = 25, kDiscard = 26;
constexpr int At(int row, int column) { return row * 5 + column; }

class MonteCarloGame : public ::testing::Test {
protected:
    std::string grid()
    {
        std::string out;
        for (int c = 0; c < kCells; ++c) out += (c ? (c % 5 ? " " : " / ") : "") + (g.count(c) ? g.pile(c) : "..");
        return out;
    }
    Session g{MONTECAR_MODULE};
};

TEST_F(MonteCarloGame, DealsAFiveByFiveGrid)
{
    ASSERT_TRUE(g.start(1));
    EXPECT_EQ(grid(), "4H KC AH TD 9D / 2C KS 2D AS 6S / 4D 5D 8D 3D JH / 4S 8H JD 5C TH / 8C QH QC AD 9S");
    EXPECT_EQ(g.count(kStock), 27);
    EXPECT_EQ(g.count(kDiscard), 0);
    EXPECT_EQ(g->MessageText(), "52 cards left");
}

struct Pairing {
    int first, second;
    bool removed;
    const char* why;
};

TEST_F(MonteCarloGame, RemovesTwoTouchingCardsOfARank)
{
    // 7S 7H .. .. 7D
    // 7C 9S .. .. ..
    // .. .. 9D .. ..
    // .. .. .. .. ..
    // .. .. .. .. 9H
    const std::map<int, std::string> position = {{At(0, 0), "7S"}, {At(0, 1), "7H"}, {At(0, 4), "7D"},
                                                 {At(1, 0), "7C"}, {At(1, 1), "9S"}, {At(2, 2), "9D"},
                                                 {At(4, 4), "9H"}, {kStock, "2C# 3C#"}};
    const Pairing cases[] = {
        {At(0, 0), At(0, 1), true, "side by side"},
        {At(0, 0), At(1, 0), true, "one above the other"},
        {At(0, 1), At(1, 0), true, "corner to corner"},
        {At(1, 1), At(2, 2), true, "corner to corner, nines"},
        {At(0, 0), At(0, 4), false, "the same row, but apart"},
        {At(0, 4), At(1, 0), false, "the end of a row does not touch the start of the next"},
        {At(0, 1), At(1, 1), false, "touching, but seven and nine"},
        {At(2, 2), At(4, 4), false, "two places apart on the diagonal"},
    };
    for (const Pairing& c : cases) {
        ASSERT_TRUE(g.start(3));
        g.arrange(position);
        ASSERT_TRUE(g->Click(c.first, 0)) << c.why;
        EXPECT_EQ(g.pile(c.first, true), position.at(c.first) + "*") << c.why << ": marked";
        ASSERT_TRUE(g->Click(c.second, 0)) << c.why;
        EXPECT_EQ(g.count(c.first) + g.count(c.second), c.removed ? 0 : 2) << c.why;
        EXPECT_EQ(g.count(kDiscard), c.removed ? 2 : 0) << c.why;
        if (!c.removed) {
            EXPECT_EQ(g.pile(c.second, true), position.at(c.second) + "*") << c.why << ": the mark moves";
        }
    }
    ASSERT_TRUE(g.start(3));
    g.arrange(position);
    ASSERT_TRUE(g->Click(At(0, 0), 0));
    ASSERT_TRUE(g->Click(At(0, 0), 0));
    EXPECT_EQ(g.pile(At(0, 0), true), "7S") << "a second click unmarks";
}

TEST_F(MonteCarloGame, TheStockClosesTheGridUpAndFillsItsEnd)
{
    ASSERT_TRUE(g.start(3));
    g.arrange({{At(0, 0), "4S"}, {At(0, 2), "6H"}, {At(1, 0), "8D"}, {At(4, 4), "QC"}, {kStock, "AC# 2C# 3C#"}});
    ASSERT_TRUE(g->Click(kStock, 2));
    EXPECT_EQ(grid(), "4S 6H 8D QC 3C / 2C AC .. .. .. / .. .. .. .. .. / .. .. .. .. .. / .. .. .. .. ..");
    EXPECT_EQ(g.count(kStock), 0);
    EXPECT_EQ(g->GamesLost(), 1) << "no pair touches and nothing is left to close up";
}

TEST_F(MonteCarloGame, AutoPlayClosesUpOnlyWhenNoPairTouches)
{
    ASSERT_TRUE(g.start(3, true));
    g.arrange({{At(0, 0), "4S"}, {At(0, 1), "4H"}, {At(0, 3), "6H"}, {At(2, 2), "6D"}, {At(3, 0), "9C"},
               {kStock, "AC# 9D#"}});
    ASSERT_TRUE(g->Click(At(0, 0), 0));
    ASSERT_TRUE(g->Click(At(0, 1), 0));
    // 6H and 6D stood apart; closed up they touch, so the stock waits.
    EXPECT_EQ(grid(), "6H 6D 9C 9D AC / .. .. .. .. .. / .. .. .. .. .. / .. .. .. .. .. / .. .. .. .. ..");
    EXPECT_EQ(g->ScoreText(), "2");
    EXPECT_EQ(g->MessageText(), "5 cards left");
}

TEST_F(MonteCarloGame, IsWonWithEveryCardPairedAndLostWhenNothingTouches)
{
    ASSERT_TRUE(g.start(3));
    g.arrange({{At(0, 0), "4S"}, {At(1, 1), "4H"}, {kDiscard, "2C 2D"}});
    ASSERT_TRUE(g->Click(At(0, 0), 0));
    ASSERT_TRUE(g->Click(At(1, 1), 0));
    EXPECT_EQ(g->GamesWon(), 0) << "only when all fifty-two are paired";

    ASSERT_TRUE(g.start(3));
    std::map<int, std::string> position = {{At(0, 0), "4S"}, {At(1, 1), "4H"}};
    std::string discard;
    for (int c = 0; c < 52; ++c)
        if (kit::Rank(c) != 3 || kit::Suit(c) < 2) discard += (discard.empty() ? "" : " ") + gametest::CardName(c);
    position[kDiscard] = discard;
    g.arrange(position);
    ASSERT_TRUE(g->Click(At(0, 0), 0));
    ASSERT_TRUE(g->Click(At(1, 1), 0));
    EXPECT_EQ(g->GamesWon(), 1);

    struct Case {
        std::map<int, std::string> position;
        int lost;
        const char* why;
    };
    const Case cases[] = {
        {{{At(0, 0), "4S"}, {At(0, 1), "4H"}, {At(0, 2), "9C"}, {At(4, 4), "8D"}}, 1,
         "closed up, nothing touches and the stock is out"},
        {{{At(0, 0), "4S"}, {At(0, 1), "4H"}, {At(0, 2), "9C"}, {At(4, 4), "8D"}, {kStock, "8S#"}}, 0,
         "the stock's eight lands beside the eight of diamonds"},
        {{{At(0, 0), "4S"}, {At(0, 1), "4H"}, {At(0, 2), "9C"}, {At(4, 4), "9D"}}, 0,
         "closing up brings the nines together"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(g.start(3));
        const int lostBefore = g->GamesLost();
        g.arrange(c.position);
        ASSERT_TRUE(g->Click(At(0, 0), 0));
        ASSERT_TRUE(g->Click(At(0, 1), 0));
        EXPECT_EQ(g->GamesLost(), lostBefore) << c.why << ": the grid can still close up";
        ASSERT_TRUE(g->Click(kStock, g.count(kStock) - 1));
        EXPECT_EQ(g->GamesLost() - lostBefore, c.lost) << c.why;
    }
}

// A way through a real deal, found by search apart from the game: each
// step a pair of cells, or (-1, -1) to close up.
class MonteCarloSearch {
public:
    explicit MonteCarloSearch(Session& g)
    {
        for (int c = 0; c < kCells; ++c) grid_.push_back(g.top(c));
        for (int k = g.count(kStock) - 1; k >= 0; --k) stock_.push_back(g->Stack(kStock).cards[k].image);
    }
    bool solve(std::vector<std::pair<int, int>>& path) { return step(0, path); }

private:
    static bool Touch(int a, int b)
    {
        const int dr = a / 5 - b / 5, dc = a % 5 - b % 5;
        return a != b && std::abs(dr) <= 1 && std::abs(dc) <= 1;
    }
    bool step(size_t drawn, std::vector<std::pair<int, int>>& path)
    {
        if (++nodes_ > 2000000) return false;
        bool empty = drawn == stock_.size();
        for (Card c : grid_) empty = empty && c < 0;
        if (empty) return true;
        std::string key = std::to_string(drawn);
        for (Card c : grid_) key += static_cast<char>(c + 1);
        if (!seen_.insert(key).second) return false;
        for (int a = 0; a < kCells; ++a) {
            for (int b = a + 1; b < kCells; ++b) {
                if (grid_[a] < 0 || grid_[b] < 0 || !Touch(a, b) || kit::Rank(grid_[a]) != kit::Rank(grid_[b]))
                    continue;
                const std::vector<Card> before = grid_;
                grid_[a] = grid_[b] = -1;
                path.push_back({a, b});
                if (step(drawn, path)) return true;
                path.pop_back();
                grid_ = before;
            }
        }
        // Close up, when that changes anything.
        std::vector<Card> closed;
        for (Card c : grid_)
            if (c >= 0) closed.push_back(c);
        size_t next = drawn;
        while (closed.size() < kCells && next < stock_.size()) closed.push_back(stock_[next++]);
        closed.resize(kCells, -1);
        if (closed == grid_) return false;
        const std::vector<Card> before = grid_;
        grid_ = closed;
        path.push_back({-1, -1});
        if (step(next, path)) return true;
        path.pop_back();
        grid_ = before;
        return false;
    }

    std::vector<Card> grid_, stock_;
    std::set<std::string> seen_;
    long nodes_ = 0;
};

TEST_F(MonteCarloGame, PlaysARealDealFromStartToWin)
{
    constexpr uint32_t seed = 1;  // a deal that can be won
    ASSERT_TRUE(g.start(seed));
    std::vector<std::pair<int, int>> path;
    ASSERT_TRUE(MonteCarloSearch(g).solve(path)) << "seed " << seed;
    for (const auto& [a, b] : path) {
        if (a < 0) {
            ASSERT_TRUE(g->Click(kStock, g.count(kStock) - 1));
        } else {
            ASSERT_TRUE(g->Click(a, 0));
            ASSERT_TRUE(g->Click(b, 0));
            ASSERT_EQ(g.count(a) + g.count(b), 0) << "seed " << seed;
        }
    }
    EXPECT_EQ(g->GamesWon(), 1) << "seed " << seed;
    EXPECT_EQ(g->ScoreText(), "52");
}

}  // namespace
