// Gaps on the headless host.
#include <algorithm>
#include <array>
#include <unordered_set>

#include "move_table.h"

namespace {

using gametest::Card;
using gametest::Session;

constexpr int kReshuffle = 52, kAces = 53;
constexpr int P(int row, int column) { return row * 13 + column; }

class GapsGame : public ::testing::Test {
protected:
    Session g{GAPS_MODULE};

    // A full table: the named cards at their places, the four gaps empty and
    // every other card of the deck (no aces) somewhere else.
    void arrangeFull(std::map<int, std::string> placed, const std::vector<int>& gaps)
    {
        std::vector<Card> used;
        for (const auto& [p, name] : placed) used.push_back(gametest::ParseCard(name));
        std::vector<Card> rest;
        for (Card c = 0; c < 52; ++c)
            if (kit::Rank(c) != 0 && std::find(used.begin(), used.end(), c) == used.end()) rest.push_back(c);
        size_t next = 0;
        for (int p = 0; p < 52; ++p)
            if (!placed.count(p) && std::find(gaps.begin(), gaps.end(), p) == gaps.end())
                placed[p] = gametest::CardName(rest.at(next++));
        placed[kAces] = "AC AD AH AS";
        g.arrange(placed);
    }
    std::string row(int r) const
    {
        std::string out;
        for (int c = 0; c < 13; ++c) out += (c ? " " : "") + (g.count(P(r, c)) ? g.pile(P(r, c)) : std::string("__"));
        return out;
    }
};

TEST_F(GapsGame, DealsFourRowsOfThirteenAndTakesTheAcesOut)
{
    ASSERT_TRUE(g.start(1));
    int gaps = 0;
    for (int p = 0; p < 52; ++p) gaps += g.count(p) == 0;
    EXPECT_EQ(gaps, 4);
    EXPECT_EQ(g.count(kAces), 4);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(kit::Rank(g->Stack(kAces).cards[k].image), 0);
    EXPECT_EQ(row(0), "4H KC __ TD 9D 2C KS 2D __ 6S 4D 5D 8D");
    EXPECT_EQ(g->MessageText(), "0 cards in order, 2 reshuffles left");
}

TEST_F(GapsGame, AcceptsLegalMovesAndRefusesOthers)
{
    const std::map<int, std::string> position = {
        {P(0, 0), "2H"}, {P(0, 1), "3H"}, {P(0, 3), "KS"}, {P(1, 5), "4H"}, {P(2, 0), "2S"},
        {P(3, 3), "5D"}, {P(3, 4), "9C"}, {kAces, "AC AD AH AS"},
    };
    gametest::ExpectMoves(g, 3, position, {
        {P(1, 5), 0, P(0, 2), true, "the next heart after the three of hearts"},
        {P(3, 3), 0, P(0, 2), false, "any other card after the three of hearts"},
        {P(2, 0), 0, P(1, 0), true, "a two into a gap at the left end"},
        {P(1, 5), 0, P(1, 0), false, "only a two at the left end"},
        {P(3, 3), 0, P(0, 4), false, "nothing after a king"},
        {P(3, 3), 0, P(0, 5), false, "nothing after a gap"},
        {P(3, 3), 0, P(3, 4), false, "onto another card"},
        {P(3, 3), 0, kAces, false, "onto the aces"},
        {P(3, 3), 0, kReshuffle, false, "onto the reshuffle place"},
    });
}

TEST_F(GapsGame, AClickOnAGapFillsItAndADoubleClickSendsACardToItsGap)
{
    ASSERT_TRUE(g.start(3));
    g.arrange({{P(0, 0), "2H"}, {P(0, 1), "3H"}, {P(1, 5), "4H"}, {P(2, 7), "5H"}, {P(3, 1), "2S"}, {P(3, 2), "9C"}});
    ASSERT_TRUE(g->Click(P(0, 2), -1));
    EXPECT_EQ(row(0).substr(0, 8), "2H 3H 4H");
    EXPECT_EQ(g.count(P(1, 5)), 0);
    ASSERT_TRUE(g->DoubleClick(P(2, 7), 0));
    EXPECT_EQ(g.pile(P(0, 3)), "5H");
    ASSERT_TRUE(g->DoubleClick(P(3, 1), 0));
    EXPECT_EQ(g.pile(P(1, 0)), "2S") << "a two goes to the first gap at a left end";
    g->Click(P(2, 0), -1);
    EXPECT_EQ(g.count(P(2, 0)), 0) << "a gap at the left end has no one card of its own";
    g->Click(P(3, 3), -1);
    EXPECT_EQ(g.count(P(3, 3)), 0) << "nothing fits after the nine of clubs here";
}

TEST_F(GapsGame, AReshuffleKeepsEachRowsOrderedPartAndLeavesAGapAfterIt)
{
    ASSERT_TRUE(g.start(3));
    // Row 0 holds two to four of spades in order, row 1 the whole hearts,
    // row 2 starts with a five, row 3 with the two of diamonds alone.
    std::map<int, std::string> placed = {{P(0, 0), "2S"}, {P(0, 1), "3S"}, {P(0, 2), "4S"}, {P(0, 3), "9C"},
                                         {P(2, 0), "5C"}, {P(3, 0), "2D"}, {P(3, 1), "8D"}};
    for (int c = 0; c < 12; ++c) placed[P(1, c)] = gametest::CardName(kit::MakeCard(TS_SUIT_HEARTS, c + 1));
    arrangeFull(placed, {P(0, 12), P(1, 12), P(2, 12), P(3, 12)});
    const auto cards = g.allCards();
    const std::string hearts = row(1);

    ASSERT_TRUE(g->Click(kReshuffle, -1));
    EXPECT_EQ(row(0).substr(0, 12), "2S 3S 4S __ ");
    EXPECT_EQ(row(1), hearts);
    EXPECT_EQ(g.count(P(2, 0)), 0);
    EXPECT_EQ(row(3).substr(0, 6), "2D __ ");
    int gaps = 0;
    for (int p = 0; p < 52; ++p) gaps += g.count(p) == 0;
    EXPECT_EQ(gaps, 4);
    EXPECT_EQ(g.check(cards), "");
    EXPECT_EQ(g->MessageText(), "16 cards in order, 1 reshuffle left");
    EXPECT_EQ(g->ScoreText(), "16");

    ASSERT_TRUE(g->Click(kReshuffle, -1));
    EXPECT_EQ(g->MessageText(), "16 cards in order, no reshuffles left");
    const auto table = g.table();
    g->Click(kReshuffle, -1);
    EXPECT_EQ(g.table(), table) << "two reshuffles in a game";
}

TEST_F(GapsGame, AReshuffleIsTheSameAfterUndoAndOnReplay)
{
    ASSERT_TRUE(g.start(8));
    const auto dealt = g.table();
    ASSERT_TRUE(g->Click(kReshuffle, -1));
    const auto reshuffled = g.table();
    EXPECT_NE(reshuffled, dealt);
    g->Undo();
    EXPECT_EQ(g.table(), dealt);
    ASSERT_TRUE(g->Click(kReshuffle, -1));
    EXPECT_EQ(g.table(), reshuffled) << "undo does not draw a new reshuffle";
    g->Replay();
    ASSERT_TRUE(g->Click(kReshuffle, -1));
    EXPECT_EQ(g.table(), reshuffled);
}

TEST_F(GapsGame, SaysWhenOnlyAReshuffleHelps)
{
    ASSERT_TRUE(g.start(3));
    arrangeFull({{P(0, 11), "KS"}, {P(1, 11), "KH"}, {P(2, 11), "KC"}, {P(3, 11), "KD"}, {P(3, 4), "4H"}, {P(3, 12), "5H"}},
                {P(0, 12), P(1, 12), P(2, 12), P(3, 5)});
    ASSERT_TRUE(g->DragCard(P(3, 12), 0, P(3, 5)));
    EXPECT_EQ(g->MessageText(), "No gap can be filled: click the circle to reshuffle (2 reshuffles left)");
}

TEST_F(GapsGame, IsLostWhenEveryGapFollowsAKingAndNoReshuffleIsLeft)
{
    const std::map<int, std::string> placed = {{P(0, 11), "KS"}, {P(1, 11), "KH"}, {P(2, 11), "KC"},
                                               {P(3, 11), "KD"}, {P(3, 4), "4H"},  {P(3, 12), "5H"}};
    const std::vector<int> gaps = {P(0, 12), P(1, 12), P(2, 12), P(3, 5)};
    for (int reshuffles : {0, 1}) {
        ASSERT_TRUE(g.start(3));
        for (int i = reshuffles; i < 2; ++i) ASSERT_TRUE(g->Click(kReshuffle, -1));
        const int lostBefore = g->GamesLost();
        arrangeFull(placed, gaps);
        ASSERT_TRUE(g->DragCard(P(3, 12), 0, P(3, 5)));
        EXPECT_EQ(g->GamesLost() - lostBefore, reshuffles == 0 ? 1 : 0);
        EXPECT_EQ(g->GameInPlay(), reshuffles != 0);
    }
}

TEST_F(GapsGame, IsWonWhenEveryRowRunsFromTwoToKingInOneSuit)
{
    ASSERT_TRUE(g.start(3));
    std::map<int, std::string> placed;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 12; ++c) placed[P(r, c)] = gametest::CardName(kit::MakeCard(r, c + 1));
    placed.erase(P(0, 11));
    placed[P(1, 12)] = "KC";
    arrangeFull(placed, {P(0, 11), P(0, 12), P(2, 12), P(3, 12)});
    ASSERT_TRUE(g->DragCard(P(1, 12), 0, P(0, 11)));
    EXPECT_EQ(g->GamesWon(), 1);
    EXPECT_EQ(g->Module(0).entry.getScore(), 48);
}

// The best way through one deal, found by a depth-first search: the moves
// that leave the most cards in order (all of them wins).
class GapsSearch {
public:
    struct Step {
        int from, to;
    };
    explicit GapsSearch(Session& g)
    {
        for (int p = 0; p < 52; ++p) grid_[p] = static_cast<char>(g.count(p) ? g->Stack(p).cards[0].image : -1);
    }
    std::vector<Step> best()
    {
        std::vector<Step> path;
        search(path);
        return best_;
    }

private:
    int ordered() const
    {
        int n = 0;
        for (int r = 0; r < 4; ++r) {
            const char first = grid_[P(r, 0)];
            if (first < 0 || kit::Rank(first) != 1) continue;
            int k = 1;
            while (k < 12 && grid_[P(r, k)] == first + k) ++k;
            n += k;
        }
        return n;
    }
    void search(std::vector<Step>& path)
    {
        const int score = ordered();
        if (score > bestScore_) {
            bestScore_ = score;
            best_ = path;
        }
        if (score == 48 || ++nodes_ > 200000 || !seen_.insert(std::string(grid_.begin(), grid_.end())).second) return;
        for (int gap = 0; gap < 52; ++gap) {
            if (grid_[gap] >= 0) continue;
            for (int from = 0; from < 52; ++from) {
                const char c = grid_[from];
                if (c < 0) continue;
                const bool fits = gap % 13 == 0 ? kit::Rank(c) == 1 && from % 13 != 0
                                                : grid_[gap - 1] >= 0 && kit::Rank(grid_[gap - 1]) != 12 && c == grid_[gap - 1] + 1;
                if (!fits) continue;
                std::swap(grid_[gap], grid_[from]);
                path.push_back({from, gap});
                search(path);
                path.pop_back();
                std::swap(grid_[gap], grid_[from]);
                if (bestScore_ == 48) return;
            }
        }
    }

    std::array<char, 52> grid_;
    std::vector<Step> best_;
    int bestScore_ = -1;
    std::unordered_set<std::string> seen_;
    int nodes_ = 0;
};

TEST_F(GapsGame, PlaysARealDealFromStartToWin)
{
    constexpr uint32_t seed = 1;
    ASSERT_TRUE(g.start(seed));
    for (int deal = 0; deal < 3; ++deal) {
        if (deal > 0) {
            ASSERT_TRUE(g->Click(kReshuffle, -1));
        }
        for (const auto& s : GapsSearch(g).best()) ASSERT_TRUE(g->DragCard(s.from, 0, s.to)) << "deal " << deal;
        if (g->GamesWon() == 1) break;
    }
    EXPECT_EQ(g->GamesWon(), 1);
    EXPECT_EQ(g->Module(0).entry.getScore(), 48);
}

}  // namespace
