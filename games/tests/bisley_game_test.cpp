// Bisley on the headless host.
#include <algorithm>
#include <array>
#include <unordered_set>

#include "move_table.h"

namespace {

using gametest::Card;
using gametest::Session;

constexpr int kKings = 0, kAces = 4, kColumns = 8;
constexpr int K(int suit) { return kKings + suit; }
constexpr int A(int suit) { return kAces + suit; }
constexpr int T(int i) { return kColumns + i; }
constexpr int kClubs = 0, kHearts = 2, kSpades = 3;

class BisleyGame : public ::testing::Test {
protected:
    Session g{BISLEY_MODULE};
};

TEST_F(BisleyGame, DealsTheAcesInARowAndThirteenColumns)
{
    ASSERT_TRUE(g.start(1));
    EXPECT_EQ(g.pile(A(0)) + " " + g.pile(A(1)) + " " + g.pile(A(2)) + " " + g.pile(A(3)), "AC AD AH AS");
    for (int s = 0; s < 4; ++s) EXPECT_EQ(g.count(K(s)), 0);
    for (int c = 0; c < 13; ++c) EXPECT_EQ(g.count(T(c)), c < 4 ? 3 : 4) << c;
    EXPECT_EQ(g.pile(T(0)), "4H 4S 7S");
    EXPECT_EQ(g.pile(T(12)), "JH 6C 8S 6D");
    EXPECT_EQ(g->MessageText(), "48 cards left in the columns");
}

TEST_F(BisleyGame, AcceptsLegalMovesAndRefusesOthers)
{
    const std::map<int, std::string> position = {
        {A(0), "AC 2C"}, {A(1), "AD"}, {A(2), "AH"}, {A(3), "AS"}, {T(0), "9D 5H"}, {T(1), "6H"},
        {T(2), "4H"},    {T(4), "KH"}, {T(5), "3C"}, {T(6), "7S"}, {T(7), "QD"},
    };
    gametest::ExpectMoves(g, 3, position, {
        {T(0), 1, T(1), true, "down in suit: five on six of hearts"},
        {T(0), 1, T(2), true, "up in suit: five on four of hearts"},
        {T(1), 0, T(6), false, "another suit"},
        {T(0), 0, T(5), false, "only the top card moves"},
        {T(1), 0, T(3), false, "an empty column stays empty"},
        {T(5), 0, A(kClubs), true, "three of clubs on its two"},
        {T(5), 0, A(kHearts), false, "three of clubs on the hearts"},
        {T(4), 0, K(kHearts), true, "a king to its place above its ace"},
        {T(4), 0, K(kClubs), false, "a king above another suit's ace"},
        {T(7), 0, K(1), false, "a queen into the king row"},
        {A(0), 1, T(3), false, "cards home stay home"},
    });
}

TEST_F(BisleyGame, ACardGoesOnEitherFoundationOfItsSuit)
{
    const std::map<int, std::string> position = {
        {A(kHearts), "AH 2H 3H 4H"}, {K(kHearts), "KH QH JH TH 9H 8H 7H 6H"}, {T(0), "5H"}, {T(1), "9C"}};
    gametest::ExpectMoves(g, 3, position, {
        {T(0), 0, A(kHearts), true, "the five up on the ace's four"},
        {T(0), 0, K(kHearts), true, "the five down on the king's six"},
    });
    ASSERT_TRUE(g.start(3));
    g.arrange(position);
    ASSERT_TRUE(g->DoubleClick(T(0), 0));
    EXPECT_EQ(g.pile(A(kHearts)), "AH 2H 3H 4H 5H") << "a double click prefers the ace";
}

TEST_F(BisleyGame, AutoPlaySendsEveryCardThatFitsHome)
{
    const std::map<int, std::string> position = {
        {A(0), "AC"}, {A(2), "AH"}, {A(3), "AS"}, {T(0), "9D 2C"}, {T(1), "QS KS"}, {T(2), "3H 8D"}, {T(4), "9H"}};
    for (bool autoPlay : {false, true}) {
        ASSERT_TRUE(g.start(3, autoPlay));
        g.arrange(position);
        ASSERT_TRUE(g->DragCard(T(0), 1, A(0)));
        if (!autoPlay) {
            EXPECT_EQ(g.pile(T(1)), "QS KS");
            continue;
        }
        EXPECT_EQ(g.pile(K(kSpades)), "KS QS") << "the king to its row, then the queen on it";
        EXPECT_EQ(g.pile(T(1)), "");
        EXPECT_EQ(g.pile(T(2)), "3H 8D") << "nothing fits the eight of diamonds";
    }
}

TEST_F(BisleyGame, IsLostWhenNoCardCanMove)
{
    struct Case {
        const char* last;
        int lost;
    };
    for (const Case c : {Case{"9D", 1}, Case{"6S", 0}}) {
        ASSERT_TRUE(g.start(3));
        const int lostBefore = g->GamesLost();
        g.arrange({{A(0), "AC"}, {A(1), "AD"}, {A(2), "AH"}, {A(3), "AS"}, {T(0), "2C"}, {T(1), "5S"}, {T(2), c.last}});
        ASSERT_TRUE(g->DragCard(T(0), 0, A(0)));
        EXPECT_EQ(g->GamesLost() - lostBefore, c.lost) << c.last;
        EXPECT_EQ(g->GameInPlay(), c.lost == 0) << c.last;
    }
}

TEST_F(BisleyGame, IsWonWhenEveryCardIsHome)
{
    ASSERT_TRUE(g.start(3));
    g.arrange({{A(0), "AC 2C 3C 4C 5C 6C"}, {K(0), "KC QC JC TC 9C 8C"}, {A(1), gametest::SuitRun('D')},
               {A(2), "AH"}, {K(2), "KH QH JH TH 9H 8H 7H 6H 5H 4H 3H 2H"}, {K(3), gametest::SuitRun('S')}, {T(5), "7C"}});
    ASSERT_TRUE(g->DoubleClick(T(5), 0));
    EXPECT_EQ(g->GamesWon(), 1);
    EXPECT_EQ(g->Module(0).entry.getScore(), 52);
}

// A way through a real deal, found by a depth-first search: cards go home
// as soon as they can (that never hurts), and the search chooses among the
// moves between columns.
class BisleySearch {
public:
    struct Step {
        int from, to;  // piles as the table numbers them
    };
    explicit BisleySearch(Session& g)
    {
        for (int c = 0; c < 13; ++c)
            for (int k = 0; k < g.count(T(c)); ++k) columns_[c].push_back(static_cast<char>(g->Stack(T(c)).cards[k].image));
    }
    bool solve(std::vector<Step>& path) { return search(path); }

private:
    // The foundation that takes `c`, or -1: the ace's first, then the king's.
    int homeFor(char c) const
    {
        const int s = kit::Suit(c), r = kit::Rank(c);
        if (up_[s] + 1 == r) return A(s);
        if (down_[s] - 1 == r) return K(s);
        return -1;
    }
    void play(int f, char c)
    {
        if (f >= kAces) ++up_[kit::Suit(c)];
        else --down_[kit::Suit(c)];
    }
    void unplay(int f, char c)
    {
        if (f >= kAces) --up_[kit::Suit(c)];
        else ++down_[kit::Suit(c)];
    }
    static bool Fits(char lower, char upper)
    {
        return kit::Suit(lower) == kit::Suit(upper) && std::abs(kit::Rank(lower) - kit::Rank(upper)) == 1;
    }
    bool search(std::vector<Step>& path)
    {
        // Home moves first, undone together on failure.
        struct Sent {
            int column;
            char card;
            int foundation;
        };
        std::vector<Sent> sent;
        for (bool again = true; again;) {
            again = false;
            for (int c = 0; c < 13; ++c) {
                if (columns_[c].empty()) continue;
                const char card = columns_[c].back();
                const int f = homeFor(card);
                if (f < 0) continue;
                play(f, card);
                columns_[c].pop_back();
                sent.push_back({c, card, f});
                path.push_back({T(c), f});
                again = true;
            }
        }
        bool done = true;
        for (const auto& col : columns_) done = done && col.empty();
        if (done) return true;
        std::string key(up_.begin(), up_.end());
        key.append(down_.begin(), down_.end());
        for (const auto& col : columns_) key += col + '|';
        if (++nodes_ < 300000 && seen_.insert(key).second) {
            for (int from = 0; from < 13; ++from) {
                if (columns_[from].empty()) continue;
                const char card = columns_[from].back();
                for (int to = 0; to < 13; ++to) {
                    if (to == from || columns_[to].empty() || !Fits(columns_[to].back(), card)) continue;
                    columns_[from].pop_back();
                    columns_[to] += card;
                    path.push_back({T(from), T(to)});
                    if (search(path)) return true;
                    path.pop_back();
                    columns_[to].pop_back();
                    columns_[from] += card;
                }
            }
        }
        for (auto it = sent.rbegin(); it != sent.rend(); ++it) {
            path.pop_back();
            columns_[it->column] += it->card;
            unplay(it->foundation, it->card);
        }
        return false;
    }

    std::array<std::string, 13> columns_;
    std::array<char, 4> up_ = {0, 0, 0, 0};        // rank on each ace's foundation
    std::array<char, 4> down_ = {13, 13, 13, 13};  // rank on each king's foundation (13: no king yet)
    std::unordered_set<std::string> seen_;
    int nodes_ = 0;
};

TEST_F(BisleyGame, PlaysARealDealFromStartToWin)
{
    constexpr uint32_t seed = 1;
    ASSERT_TRUE(g.start(seed));
    std::vector<BisleySearch::Step> path;
    ASSERT_TRUE(BisleySearch(g).solve(path)) << "seed " << seed;
    for (const auto& s : path) ASSERT_TRUE(g->DragCard(s.from, g.count(s.from) - 1, s.to));
    EXPECT_EQ(g->GamesWon(), 1);
    EXPECT_EQ(g->Module(0).entry.getScore(), 52);
}

}  // namespace
