// Golf on the headless host.
#include <set>

#include "move_table.h"

namespace {

using gametest::Session;

constexpr int kTableau = 0, kStock = 7, kFoundation = 8;
constexpr int T(int i) { return kTableau + i; }

class GolfGame : public ::testing::Test {
protected:
    Session g{GOLF_MODULE};
};

TEST_F(GolfGame, DealsSevenColumnsOfFiveAndOneCardHome)
{
    ASSERT_TRUE(g.start(1));
    for (int c = 0; c < 7; ++c) EXPECT_EQ(g.count(T(c)), 5);
    EXPECT_EQ(g.count(kStock), 16);
    EXPECT_EQ(g.count(kFoundation), 1);
    EXPECT_EQ(g.pile(T(0)), "4H 2D JH QH 6C");
    EXPECT_EQ(g.pile(kFoundation), "3C");
    EXPECT_EQ(g->MessageText(), "Stock 16, one pass");
}

struct Play {
    const char* home;
    const char* card;
    bool accepted;
};

TEST_F(GolfGame, PlaysOneRankUpOrDownWithoutTurningTheCornerAndNothingOnAKing)
{
    const Play plays[] = {
        {"7H", "8S", true},  {"7H", "6D", true},  {"7H", "9S", false}, {"7H", "7C", false},
        {"KH", "QD", false}, {"KH", "AC", false}, {"AH", "KC", false}, {"AH", "2S", true},
        {"QH", "KD", true},  {"2H", "AD", true},
    };
    for (const Play& p : plays) {
        gametest::ExpectMoves(g, 3, {{kFoundation, p.home}, {T(0), p.card}, {T(1), "5C"}, {kStock, "2D#"}},
                              {{T(0), 0, kFoundation, p.accepted, p.card}});
    }
    gametest::ExpectMoves(g, 3, {{kFoundation, "7H"}, {T(0), "2C 8S"}, {T(1), "6D"}, {T(2), "9S"}},
                          {
                              {T(0), 0, kFoundation, false, "only the top card of a column plays"},
                              {T(1), 0, T(2), false, "nothing is built on the columns"},
                              {T(1), 0, kStock, false, "nothing goes onto the stock"},
                          });
}

TEST_F(GolfGame, TheStockTurnsOntoTheFoundationAndDoubleClickPlays)
{
    ASSERT_TRUE(g.start(3));
    g.arrange({{kFoundation, "7H"}, {T(0), "6S"}, {T(1), "QD"}, {kStock, "2D# 3D#"}});
    ASSERT_TRUE(g->DoubleClick(T(0), 0));
    EXPECT_EQ(g.pile(kFoundation), "7H 6S");
    ASSERT_TRUE(g->Click(kStock, 1));
    EXPECT_EQ(g.pile(kFoundation), "7H 6S 3D");
    EXPECT_EQ(g.pile(kStock), "2D#");
    EXPECT_EQ(g->MessageText(), "Stock 1, one pass");
}

TEST_F(GolfGame, IsLostWhenTheStockIsOutAndNothingPlays)
{
    struct Case {
        const char* columns;
        int lost;
    };
    for (const Case c : {Case{"KC", 1}, Case{"TC", 0}}) {
        ASSERT_TRUE(g.start(3));
        const int lostBefore = g->GamesLost();
        g.arrange({{kFoundation, "5H"}, {T(0), c.columns}, {T(1), "2D"}, {kStock, "9D#"}});
        ASSERT_TRUE(g->Click(kStock, 0));
        EXPECT_EQ(g->GamesLost() - lostBefore, c.lost) << c.columns;
        EXPECT_EQ(g->GameInPlay(), c.lost == 0);
    }
}

TEST_F(GolfGame, IsWonWhenTheColumnsAreClear)
{
    ASSERT_TRUE(g.start(3));
    g.arrange({{kFoundation, "5H"}, {T(0), "4S"}, {T(1), "3D"}, {kStock, "2C#"}});
    ASSERT_TRUE(g->DragCard(T(0), 0, kFoundation));
    ASSERT_TRUE(g->DragCard(T(1), 0, kFoundation));
    EXPECT_EQ(g->GamesWon(), 1);
    EXPECT_EQ(g->ScoreText(), "36");
    EXPECT_EQ(g->Module(0).entry.getScore(), 36);
}

// A way through a real deal, found by search: each step a column (0..6)
// whose top card plays, or -1 to turn the stock.
class GolfSearch {
public:
    explicit GolfSearch(Session& g)
    {
        for (int c = 0; c < 7; ++c)
            for (int k = 0; k < g.count(T(c)); ++k) columns_[c].push_back(g->Stack(T(c)).cards[k].image);
        for (int k = 0; k < g.count(kStock); ++k) stock_.push_back(g->Stack(kStock).cards[k].image);
        home_ = g.top(kFoundation);
        for (int c = 0; c < 7; ++c) heights_[c] = static_cast<int>(columns_[c].size());
    }
    bool solve(std::vector<int>& path) { return step(static_cast<int>(stock_.size()), home_, path); }

private:
    bool step(int stockLeft, gametest::Card home, std::vector<int>& path)
    {
        uint64_t key = static_cast<uint64_t>(stockLeft) << 6 | static_cast<uint64_t>(home);
        bool clear = true;
        for (int h : heights_) {
            key = key << 3 | static_cast<uint64_t>(h);
            clear = clear && h == 0;
        }
        if (clear) return true;
        if (!seen_.insert(key).second) return false;
        for (int c = 0; c < 7; ++c) {
            if (heights_[c] == 0) continue;
            const gametest::Card card = columns_[c][static_cast<size_t>(heights_[c] - 1)];
            if (std::abs(kit::Rank(card) - kit::Rank(home)) != 1 || kit::Rank(home) == TS_RANK_KING) continue;
            --heights_[c];
            path.push_back(c);
            if (step(stockLeft, card, path)) return true;
            path.pop_back();
            ++heights_[c];
        }
        if (stockLeft == 0) return false;
        path.push_back(-1);
        if (step(stockLeft - 1, stock_[static_cast<size_t>(stockLeft - 1)], path)) return true;
        path.pop_back();
        return false;
    }

    std::vector<gametest::Card> columns_[7], stock_;
    gametest::Card home_;
    int heights_[7] = {};
    std::set<uint64_t> seen_;
};

TEST_F(GolfGame, PlaysARealDealFromStartToWin)
{
    constexpr uint32_t seed = 4;  // a deal that can be won
    ASSERT_TRUE(g.start(seed));
    std::vector<int> path;
    ASSERT_TRUE(GolfSearch(g).solve(path));
    const int wonBefore = g->GamesWon();
    for (int column : path) {
        if (column < 0) {
            ASSERT_TRUE(g->Click(kStock, g.count(kStock) - 1));
        } else {
            ASSERT_TRUE(g->DragCard(T(column), g.count(T(column)) - 1, kFoundation)) << "seed " << seed;
        }
    }
    EXPECT_EQ(g->GamesWon(), wonBefore + 1) << "seed " << seed;
    EXPECT_EQ(g->Module(0).entry.getScore(), 35 + g.count(kStock));
}

}  // namespace
