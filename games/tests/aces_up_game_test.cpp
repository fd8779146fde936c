// Aces Up on the headless host.
#include <set>

#include "move_table.h"

namespace {

using gametest::Card;
using gametest::Session;

constexpr int kStock = 0, kDiscard = 5;
constexpr int P(int i) { return 1 + i; }

class AcesUpGame : public ::testing::Test {
protected:
    Session g{ACESUP_MODULE};
};

TEST_F(AcesUpGame, DealsOneCardOnEachPileAndTheRestToTheStock)
{
    ASSERT_TRUE(g.start(1));
    EXPECT_EQ(g.count(kStock), 48);
    EXPECT_EQ(g.pile(P(0)) + " " + g.pile(P(1)) + " " + g.pile(P(2)) + " " + g.pile(P(3)), "QS TC 2S 6D");
    EXPECT_EQ(g.count(kDiscard), 0);
    EXPECT_EQ(g->MessageText(), "52 cards left");
    ASSERT_TRUE(g->Click(kStock, 47));
    EXPECT_EQ(g.count(kStock), 44);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(g.count(P(i)), 2) << i;
}

struct Discard {
    const char* piles[4];
    int clicked;
    bool discarded;
    const char* why;
};

TEST_F(AcesUpGame, DiscardsACardOutrankedInItsSuitOnAnotherPile)
{
    const Discard cases[] = {
        {{"5H", "9H", "2C", "3S"}, 0, true, "a higher heart shows"},
        {{"9H", "5H", "2C", "3S"}, 0, false, "the other heart is lower"},
        {{"KH", "AH", "2C", "3S"}, 0, true, "the ace is high"},
        {{"AH", "KH", "2C", "3S"}, 0, false, "nothing outranks an ace"},
        {{"5H", "9D", "9C", "9S"}, 0, false, "higher cards of other suits do not count"},
        {{"5H", "9H 2D", "2C", "3S"}, 0, false, "the higher heart is covered"},
        {{"QS 5H", "2D", "3D", "KH"}, 0, true, "a covered card does not matter"},
    };
    for (const Discard& c : cases) {
        ASSERT_TRUE(g.start(3));
        g.arrange({{P(0), c.piles[0]},
                   {P(1), c.piles[1]},
                   {P(2), c.piles[2]},
                   {P(3), c.piles[3]},
                   {kStock, "4D# 4C#"}});
        const int before = g.count(P(c.clicked));
        ASSERT_TRUE(g->Click(P(c.clicked), before - 1)) << c.why;
        EXPECT_EQ(g.count(P(c.clicked)), c.discarded ? before - 1 : before) << c.why;
        EXPECT_EQ(g.count(kDiscard), c.discarded ? 1 : 0) << c.why;
    }
}

TEST_F(AcesUpGame, AnyTopCardMovesIntoAnEmptyPileOnly)
{
    gametest::ExpectMoves(g, 3, {{P(0), "7C 4H"}, {P(1), "KS"}, {P(3), "2H"}, {kStock, "4D# 4C#"}},
                          {
                              {P(0), 1, P(2), true, "the top card into an empty pile"},
                              {P(1), 0, P(2), true, "a king into an empty pile"},
                              {P(0), 0, P(2), false, "only the top card moves"},
                              {P(0), 1, P(1), false, "nothing is built on a card"},
                              {P(1), 0, kDiscard, false, "the king cannot be discarded"},
                              {P(1), 0, kStock, false, "nothing goes back to the stock"},
                          });
}

TEST_F(AcesUpGame, AutoPlayDiscardsEveryOutrankedCard)
{
    ASSERT_TRUE(g.start(3, true));
    g.arrange({{P(0), "AC 3D"}, {P(1), "2D 9H"}, {P(2), "5H 5D"}, {P(3), "KC"}, {kStock, "8D# 4S# 6C# 2S#"}});
    ASSERT_TRUE(g->Click(kStock, 3));
    // Dealt 2S, 6C, 4S, 8D: the two of spades falls to 4S, which uncovers
    // 3D for 8D; the six of clubs falls to the ace of clubs.
    EXPECT_EQ(g.pile(P(0)), "AC");
    EXPECT_EQ(g.pile(P(1)), "2D 9H");
    EXPECT_EQ(g.pile(P(2)), "5H 5D 4S");
    EXPECT_EQ(g.pile(P(3)), "KC 8D");
    EXPECT_EQ(g.pile(kDiscard), "2S 3D 6C");
    EXPECT_EQ(g->ScoreText(), "3");
    EXPECT_EQ(g->GamesLost(), 1) << "the stock is out and nothing else can go";
}

TEST_F(AcesUpGame, IsWonWithTheFourAcesAndLostWhenNothingMoves)
{
    ASSERT_TRUE(g.start(3));
    g.arrange({{P(0), "AH"}, {P(1), "AC 5H"}, {P(2), "AS"}, {P(3), "AD"}});
    ASSERT_TRUE(g->Click(P(1), 1));
    EXPECT_EQ(g->GamesWon(), 1);

    struct Case {
        std::map<int, std::string> piles;
        int lost;
        const char* why;
    };
    const Case cases[] = {
        {{{P(0), "2H"}, {P(1), "3C 4C"}, {P(2), "5S"}, {P(3), "6D"}, {kStock, "7D# 8S# 9C# KH#"}}, 1,
         "nothing outranked and no hole"},
        {{{P(0), "2H"}, {P(1), "3C 4C"}, {P(2), "5S"}, {P(3), "6D"}, {kStock, "7S# 4H# 9C# 3S#"}}, 0,
         "3S and 2H go, and a hole can uncover 4C's pile"},
        {{{kStock, "5D# 3C# 9H# 2H#"}}, 1, "a hole, but every pile holds one card"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(g.start(3));
        const int lostBefore = g->GamesLost();
        g.arrange(c.piles);
        ASSERT_TRUE(g->Click(kStock, 3));
        ASSERT_TRUE(g->Click(P(0), g.count(P(0)) - 1));
        EXPECT_EQ(g->GamesLost() - lostBefore, c.lost) << c.why;
    }
}

// A way through a real deal, found by search apart from the game: -1 deals,
// a pair (from, to) encoded as from * 4 + to moves a card into a hole;
// discards are always made as soon as they can be.
class AcesUpSearch {
public:
    explicit AcesUpSearch(Session& g)
    {
        for (int k = 0; k < g.count(kStock); ++k) stock_.push_back(g->Stack(kStock).cards[k].image);
        for (int i = 0; i < 4; ++i)
            for (int k = 0; k < g.count(P(i)); ++k) piles_[i].push_back(g->Stack(P(i)).cards[k].image);
    }
    bool solve(std::vector<int>& path) { return step(path); }

private:
    static int High(Card c) { return kit::Rank(c) == 0 ? 13 : kit::Rank(c); }
    bool canDiscard(int i) const
    {
        if (piles_[i].empty()) return false;
        for (int j = 0; j < 4; ++j)
            if (j != i && !piles_[j].empty() && kit::Suit(piles_[j].back()) == kit::Suit(piles_[i].back()) &&
                High(piles_[j].back()) > High(piles_[i].back()))
                return true;
        return false;
    }
    void discardAll(std::vector<std::pair<int, Card>>& undo)
    {
        for (bool more = true; more;) {
            more = false;
            for (int i = 0; i < 4; ++i) {
                if (canDiscard(i)) {
                    undo.push_back({i, piles_[i].back()});
                    piles_[i].pop_back();
                    more = true;
                }
            }
        }
    }
    void restore(std::vector<std::pair<int, Card>>& undo)
    {
        for (auto it = undo.rbegin(); it != undo.rend(); ++it) piles_[it->first].push_back(it->second);
    }
    bool step(std::vector<int>& path)
    {
        if (++nodes_ > 200000) return false;
        std::vector<std::pair<int, Card>> discarded;
        discardAll(discarded);
        std::string key = std::to_string(stock_.size());
        int left = 0;
        for (auto& p : piles_) {
            key += '|';
            for (Card c : p) key += static_cast<char>('A' + c);
            left += static_cast<int>(p.size());
        }
        if (stock_.empty() && left == 4) return true;
        bool found = false;
        if (seen_.insert(key).second) {
            for (int from = 0; from < 4 && !found; ++from) {
                for (int to = 0; to < 4 && !found; ++to) {
                    if (!piles_[to].empty() || piles_[from].size() < 2) continue;
                    piles_[to].push_back(piles_[from].back());
                    piles_[from].pop_back();
                    path.push_back(from * 4 + to);
                    found = step(path);
                    if (!found) {
                        path.pop_back();
                        piles_[from].push_back(piles_[to].back());
                        piles_[to].pop_back();
                    }
                }
            }
            if (!found && !stock_.empty()) {
                std::vector<Card> dealt;
                for (int i = 0; i < 4; ++i) {
                    dealt.push_back(stock_.back());
                    piles_[i].push_back(stock_.back());
                    stock_.pop_back();
                }
                path.push_back(-1);
                found = step(path);
                if (!found) {
                    path.pop_back();
                    for (int i = 3; i >= 0; --i) {
                        stock_.push_back(dealt[static_cast<size_t>(i)]);
                        piles_[i].pop_back();
                    }
                }
            }
        }
        if (!found) restore(discarded);
        return found;
    }

    std::vector<Card> stock_, piles_[4];
    std::set<std::string> seen_;
    long nodes_ = 0;
};

TEST_F(AcesUpGame, PlaysARealDealFromStartToWin)
{
    constexpr uint32_t seed = 1;  // a deal that can be won
    ASSERT_TRUE(g.start(seed, true));
    std::vector<int> path;
    ASSERT_TRUE(AcesUpSearch(g).solve(path)) << "seed " << seed;
    for (int move : path) {
        if (move < 0) {
            ASSERT_TRUE(g->Click(kStock, g.count(kStock) - 1));
        } else {
            const int from = P(move / 4), to = P(move % 4);
            ASSERT_TRUE(g->DragCard(from, g.count(from) - 1, to)) << "seed " << seed;
        }
    }
    EXPECT_EQ(g->GamesWon(), 1) << "seed " << seed;
    EXPECT_EQ(g->ScoreText(), "48");
}

}  // namespace
