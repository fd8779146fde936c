// Calculation on the headless host.
#include <algorithm>
#include <array>
#include <unordered_set>

#include "move_table.h"

namespace {

using gametest::Card;
using gametest::Session;

constexpr int kFoundation = 0, kWaste = 4, kStock = 8, kCard = 9;
constexpr int F(int i) { return kFoundation + i; }
constexpr int W(int i) { return kWaste + i; }

// Each foundation's ranks from its first card to the king.
const char* const kSequences[] = {"A23456789TJQK", "2468TQA3579JK", "369Q258JA47TK", "48Q37J26TA59K"};

class CalculationGame : public ::testing::Test {
protected:
    Session g{CALCULAT_MODULE};
};

// Cards of the given ranks, the suits taken in turn: "2C 4D 6H".
std::string Cards(const std::string& ranks, size_t from, size_t n)
{
    static const char kSuits[] = "CDHS";
    std::string out;
    for (size_t k = from; k < from + n; ++k) out += std::string(out.empty() ? "" : " ") + ranks[k] + kSuits[k % 4];
    return out;
}

TEST_F(CalculationGame, StartsTheFoundationsFromAnAceATwoAThreeAndAFour)
{
    ASSERT_TRUE(g.start(1));
    for (int f = 0; f < 4; ++f) {
        ASSERT_EQ(g.count(F(f)), 1);
        EXPECT_EQ(kit::Rank(g.top(F(f))), f);
    }
    EXPECT_EQ(g.pile(F(0)) + " " + g.pile(F(1)) + " " + g.pile(F(2)) + " " + g.pile(F(3)), "AH 2C 3D 4H");
    EXPECT_EQ(g.count(kStock), 48);
    EXPECT_EQ(g->Stack(kStock).cards[47].faceDown, 1u);
    EXPECT_EQ(g->MessageText(), "Stock 48, next: 2 4 6 8");
}

TEST_F(CalculationGame, AcceptsLegalMovesAndRefusesOthers)
{
    const std::map<int, std::string> position = {
        {F(0), "AS 2H"}, {F(1), "2C"}, {F(2), "3D"}, {F(3), "4S"}, {kCard, "3C"},
        {W(0), "KD 6H"}, {W(1), "QS"}, {kStock, "9D#"},
    };
    gametest::ExpectMoves(g, 3, position, {
        {kCard, 0, F(0), true, "a three after the two on the first foundation"},
        {kCard, 0, F(1), false, "the second foundation wants a four"},
        {kCard, 0, W(2), true, "the turned card onto an empty waste pile"},
        {kCard, 0, W(0), true, "the turned card onto any waste pile"},
        {W(0), 1, F(2), true, "a waste pile's top card home: six after three"},
        {W(0), 0, F(2), false, "only the top card of a waste pile"},
        {W(1), 0, W(2), false, "nothing moves from one waste pile to another"},
        {W(1), 0, F(3), false, "the fourth foundation wants an eight"},
        {F(0), 1, W(2), false, "cards home stay home"},
        {kStock, 0, W(2), false, "the stock is turned, not dragged"},
    });
}

TEST_F(CalculationGame, EachFoundationBuildsInItsOwnStepsToTheKing)
{
    for (int f = 0; f < 4; ++f) {
        const std::string ranks = kSequences[f];
        for (size_t k = 1; k < ranks.size(); ++k) {
            for (bool right : {true, false}) {
                ASSERT_TRUE(g.start(3));
                // A wrong card: the rank after the one wanted.
                const std::string wrong = std::string(1, "A23456789TJQK"[(std::string("A23456789TJQK").find(ranks[k]) + 1) % 13]);
                g.arrange({{F(f), Cards(ranks, 0, k)}, {kCard, right ? Cards(ranks, k, 1) : wrong + "H"}});
                EXPECT_EQ(g->DragCard(kCard, 0, F(f)), right) << "foundation " << f << ", card " << k;
            }
        }
        ASSERT_TRUE(g.start(3));
        g.arrange({{F(f), Cards(ranks, 0, 13)}, {kCard, "AH"}});
        EXPECT_FALSE(g->DragCard(kCard, 0, F(f))) << "foundation " << f << " is full at the king";
    }
}

TEST_F(CalculationGame, TheStockTurnsOneCardThatMustBePlacedFirst)
{
    ASSERT_TRUE(g.start(3));
    g.arrange({{F(0), "AS"}, {F(1), "2C"}, {F(2), "3D"}, {F(3), "4S"}, {kStock, "5D# 2H#"}});
    ASSERT_TRUE(g->Click(kStock, 1));
    EXPECT_EQ(g.pile(kCard), "2H");
    g->Click(kStock, 0);
    EXPECT_EQ(g.pile(kStock), "5D#") << "the turned card waits to be placed";
    ASSERT_TRUE(g->DragCard(kCard, 0, W(3)));
    ASSERT_TRUE(g->Click(kStock, 0));
    EXPECT_EQ(g.pile(kCard), "5D");
    EXPECT_EQ(g->MessageText(), "Stock empty, next: 2 4 6 8");
    ASSERT_TRUE(g->DoubleClick(W(3), 0));
    EXPECT_EQ(g.pile(F(0)), "AS 2H");
    EXPECT_EQ(g->MessageText(), "Stock empty, next: 3 4 6 8");
}

TEST_F(CalculationGame, AutoPlayLeavesTheChoicesToThePlayer)
{
    ASSERT_TRUE(g.start(3, true));
    g.arrange({{F(0), "AS"}, {F(1), "2C"}, {F(2), "3D"}, {F(3), "4S"}, {W(0), "2H"}, {kStock, "5D# 9S#"}});
    ASSERT_TRUE(g->Click(kStock, 1));
    EXPECT_EQ(g.pile(W(0)), "2H");
    EXPECT_EQ(g.pile(kCard), "9S");
}

TEST_F(CalculationGame, IsLostWhenTheStockIsOutAndNoWasteCardPlays)
{
    struct Case {
        const char* card;
        int lost;
    };
    for (const Case c : {Case{"7H", 1}, Case{"2H", 0}}) {
        ASSERT_TRUE(g.start(3));
        const int lostBefore = g->GamesLost();
        g.arrange({{F(0), "AS"}, {F(1), "2S"}, {F(2), "3S"}, {F(3), "4S"}, {W(0), "9C"}, {W(1), "KD"}, {kCard, c.card}});
        ASSERT_TRUE(g->DragCard(kCard, 0, W(2)));
        EXPECT_EQ(g->GamesLost() - lostBefore, c.lost) << c.card;
        EXPECT_EQ(g->GameInPlay(), c.lost == 0) << c.card;
    }
}

TEST_F(CalculationGame, IsWonWhenEveryFoundationReachesTheKing)
{
    ASSERT_TRUE(g.start(3));
    g.arrange({{F(0), Cards(kSequences[0], 0, 12)}, {F(1), Cards(kSequences[1], 0, 13)},
               {F(2), Cards(kSequences[2], 0, 13)}, {F(3), Cards(kSequences[3], 0, 13)}, {W(1), "KS"}});
    ASSERT_TRUE(g->DragCard(W(1), 0, F(0)));
    EXPECT_EQ(g->GamesWon(), 1);
    EXPECT_EQ(g->Module(0).entry.getScore(), 52);
}

// A way through a real deal, found by a depth-first search over where each
// turned card goes; cards that can go home go home at once.
class CalculationSearch {
public:
    struct Step {
        int from, to;  // from == kStock: turn the stock
    };
    explicit CalculationSearch(Session& g)
    {
        for (int k = g.count(kStock) - 1; k >= 0; --k) stock_.push_back(static_cast<char>(g->Stack(kStock).cards[k].image));
    }
    bool solve(std::vector<Step>& path) { return search(State{}, 0, path); }

private:
    struct State {
        std::array<int, 4> home = {1, 1, 1, 1};
        std::array<std::string, 4> wastes;
    };
    static int Wanted(const State& s, int f) { return s.home[f] >= 13 ? -1 : (f + s.home[f] * (f + 1)) % 13; }
    static int HomeFor(const State& s, char c)
    {
        for (int f = 0; f < 4; ++f)
            if (Wanted(s, f) == kit::Rank(c)) return f;
        return -1;
    }
    // Plays waste tops home while any fits.
    static void Cascade(State& s, std::vector<Step>& path)
    {
        for (bool again = true; again;) {
            again = false;
            for (int w = 0; w < 4; ++w) {
                if (s.wastes[w].empty()) continue;
                const int f = HomeFor(s, s.wastes[w].back());
                if (f < 0) continue;
                s.wastes[w].pop_back();
                ++s.home[f];
                path.push_back({W(w), F(f)});
                again = true;
            }
        }
    }
    bool search(State s, size_t next, std::vector<Step>& path)
    {
        const size_t mark = path.size();
        Cascade(s, path);
        if (s.home == std::array<int, 4>{13, 13, 13, 13}) return true;
        std::string key(1, static_cast<char>(next));
        for (int f = 0; f < 4; ++f) key += static_cast<char>(s.home[f]);
        std::array<std::string, 4> sorted = s.wastes;
        std::sort(sorted.begin(), sorted.end());
        for (const auto& w : sorted) key += w + '|';
        if (next >= stock_.size() || ++nodes_ > 300000 || !seen_.insert(key).second) {
            path.resize(mark);
            return false;
        }
        const char c = stock_[next];
        path.push_back({kStock, kCard});
        const int f = HomeFor(s, c);
        if (f >= 0) {
            State t = s;
            ++t.home[f];
            path.push_back({kCard, F(f)});
            if (search(t, next + 1, path)) return true;
            path.pop_back();
        }
        // Waste piles whose top is higher first, so the lower card comes off sooner.
        std::array<int, 4> order = {0, 1, 2, 3};
        auto rankOn = [&](int w) { return s.wastes[w].empty() ? 13 : kit::Rank(s.wastes[w].back()) - kit::Rank(c); };
        std::sort(order.begin(), order.end(), [&](int a, int b) {
            const int ra = rankOn(a), rb = rankOn(b);
            if ((ra >= 0) != (rb >= 0)) return ra >= 0;
            return ra >= 0 ? ra < rb : ra > rb;
        });
        bool triedEmpty = false;
        for (int w : order) {
            if (s.wastes[w].empty()) {
                if (triedEmpty) continue;
                triedEmpty = true;
            }
            State t = s;
            t.wastes[w] += c;
            path.push_back({kCard, W(w)});
            if (search(t, next + 1, path)) return true;
            path.pop_back();
        }
        path.resize(mark);
        return false;
    }

    std::string stock_;  // in turning order
    std::unordered_set<std::string> seen_;
    int nodes_ = 0;
};

TEST_F(CalculationGame, PlaysARealDealFromStartToWin)
{
    constexpr uint32_t seed = 3;  // a deal the search wins
    ASSERT_TRUE(g.start(seed));
    std::vector<CalculationSearch::Step> path;
    ASSERT_TRUE(CalculationSearch(g).solve(path)) << "seed " << seed;
    for (const auto& s : path) {
        if (s.from == kStock) {
            ASSERT_TRUE(g->Click(kStock, g.count(kStock) - 1));
        } else {
            ASSERT_TRUE(g->DragCard(s.from, g.count(s.from) - 1, s.to));
        }
    }
    EXPECT_EQ(g->GamesWon(), 1);
    EXPECT_EQ(g->Module(0).entry.getScore(), 52);
}

}  // namespace
