// Accordion on the headless host.
#include <unordered_set>

#include "move_table.h"

namespace {

using gametest::Card;
using gametest::Session;

constexpr int kPlaces = 52, kStock = 52, kOneAtATime = 0;

class AccordionGame : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(g.loaded()) << g.loadError();
        ASSERT_TRUE(g.start(1));
        if (g->OptionChecked(kOneAtATime)) {
            ASSERT_TRUE(g->SelectOption(kOneAtATime));
        }
    }
    void TearDown() override
    {
        if (g->OptionChecked(kOneAtATime)) g->SelectOption(kOneAtATime);
    }
    std::string row(int places)
    {
        std::string out;
        for (int p = 0; p < places; ++p) out += (p ? " | " : "") + g.pile(p);
        return out;
    }
    Session g{ACCORDN_MODULE};
};

TEST_F(AccordionGame, DealsTheWholeDeckInARow)
{
    ASSERT_TRUE(g.start(1));
    for (int p = 0; p < kPlaces; ++p) EXPECT_EQ(g.count(p), 1) << p;
    EXPECT_EQ(g.count(kStock), 0);
    EXPECT_EQ(row(5), "4H | KC | AH | TD | 9D");
    EXPECT_EQ(g->MessageText(), "52 piles left");
    EXPECT_EQ(g->ScoreText(), "0");
    // Reading order: a line of thirteen, then the next line below it.
    EXPECT_EQ(g->Stack(13).x, g->Stack(0).x);
    EXPECT_GT(g->Stack(13).y, g->Stack(12).y);
    EXPECT_GT(g->Stack(12).x, g->Stack(11).x);
}

TEST_F(AccordionGame, APileMovesOntoItsNeighbourOrTheThirdToItsLeftOnSuitOrRank)
{
    const std::map<int, std::string> position = {{0, "5H"}, {1, "9C"}, {2, "2D"}, {3, "5S"}, {4, "9S"}, {5, "2S"}};
    const gametest::MoveCase moves[] = {
        {3, 0, 0, true, "5S on 5H, three places left, same rank"},
        {4, 0, 3, true, "9S on its neighbour 5S, same suit"},
        {4, 0, 1, true, "9S on 9C, three places left, same rank"},
        {5, 0, 4, true, "2S on 9S, same suit"},
        {1, 0, 0, false, "9C on 5H: neither suit nor rank"},
        {3, 0, 2, false, "5S on 2D: neither suit nor rank"},
        {5, 0, 3, false, "2S on 5S matches, but two places left is not allowed"},
        {5, 0, 1, false, "four places left is not allowed"},
        {0, 0, 1, false, "piles never move to the right"},
        {2, 0, kStock, false, "nothing goes to the stock"},
    };
    for (const gametest::MoveCase& m : moves) {
        ASSERT_TRUE(g.start(3));
        g.arrange(position);
        const std::string before = row(6);
        EXPECT_EQ(g->DragCard(m.from, m.card, m.to), m.accepted) << m.why;
        if (m.accepted) {
            EXPECT_EQ(g.count(5), 0) << m.why << ": the row closed up";
            EXPECT_EQ(g->MessageText(), "5 piles left") << m.why;
        } else {
            EXPECT_EQ(row(6), before) << m.why;
        }
    }
}

TEST_F(AccordionGame, PilesMoveWholeAndTheRowClosesUp)
{
    ASSERT_TRUE(g.start(3));
    g.arrange({{0, "5H"}, {1, "KC 9C"}, {2, "2D"}, {3, "5S"}, {4, "9S"}, {5, "8D"}});
    ASSERT_TRUE(g->DragCard(3, 0, 0));
    EXPECT_EQ(row(6), "5H 5S | KC 9C | 2D | 9S | 8D | ");
    ASSERT_TRUE(g->DragCard(3, 0, 0));
    EXPECT_EQ(row(5), "5H 5S 9S | KC 9C | 2D | 8D | ");
    // A double click tries the neighbour first: 9C on 9S.
    ASSERT_TRUE(g->DoubleClick(1, 1));
    EXPECT_EQ(row(4), "5H 5S 9S KC 9C | 2D | 8D | ");
    EXPECT_EQ(g->MessageText(), "3 piles left");
    EXPECT_EQ(g->ScoreText(), "4") << "seven cards in three piles";
}

TEST_F(AccordionGame, ADoubleClickFallsBackToTheThirdPileToTheLeft)
{
    ASSERT_TRUE(g.start(3));
    g.arrange({{0, "5H"}, {1, "9C"}, {2, "2D"}, {3, "5S"}});
    ASSERT_TRUE(g->DoubleClick(3, 0));
    EXPECT_EQ(row(4), "5H 5S | 9C | 2D | ");
    ASSERT_TRUE(g->DoubleClick(1, 0));
    EXPECT_EQ(row(3), "5H 5S | 9C | 2D") << "nothing matches 9C";
}

TEST_F(AccordionGame, IsWonAtOnePileAndLostWhenNoPileMoves)
{
    ASSERT_TRUE(g.start(3));
    g.arrange({{0, "5H"}, {1, "5C"}});
    ASSERT_TRUE(g->DragCard(1, 0, 0));
    EXPECT_EQ(g->GamesWon(), 1);

    ASSERT_TRUE(g.start(3));
    g.arrange({{0, "5H"}, {1, "9C"}, {2, "9S"}, {3, "2D"}});
    ASSERT_TRUE(g->DragCard(2, 0, 1));
    EXPECT_EQ(g->GamesLost(), 1);
    EXPECT_FALSE(g->GameInPlay());
}

TEST_F(AccordionGame, DealingOneAtATimeTurnsTheStockOntoTheEndOfTheRow)
{
    ASSERT_EQ(g->OptionTexts(), (std::vector<std::string>{"Deal One at a Time", "Hint"}));
    EXPECT_FALSE(g->OptionChecked(kOneAtATime));
    ASSERT_TRUE(g->SelectOption(kOneAtATime));
    EXPECT_TRUE(g->OptionChecked(kOneAtATime));
    EXPECT_EQ(g.count(kStock), 0) << "the game on the table keeps its deal";
    ASSERT_TRUE(g.start(1));
    EXPECT_EQ(row(2), "4H | ");
    EXPECT_EQ(g.count(kStock), 51);
    EXPECT_EQ(g->MessageText(), "1 pile left, 51 in the stock");
    ASSERT_TRUE(g->Click(kStock, 50));
    ASSERT_TRUE(g->Click(kStock, 49));
    EXPECT_EQ(row(4), "4H | KC | AH | ") << "the same cards in the same order as dealt all at once";
    g.arrange({{0, "4H"}, {1, "KC"}, {kStock, "2D# 4C# 9C#"}});
    ASSERT_TRUE(g->Click(kStock, 2));
    ASSERT_TRUE(g->DragCard(2, 0, 1));
    ASSERT_TRUE(g->Click(kStock, 1));
    EXPECT_EQ(row(4), "4H | KC 9C | 4C | ");
    EXPECT_EQ(g->MessageText(), "3 piles left, 1 in the stock");
    EXPECT_EQ(g->GamesLost(), 0) << "no loss while the stock has cards";
}

// A way through a real deal, found by search apart from the game: each
// step moves pile `from` onto `from - 1` (even codes) or `from - 3` (odd).
class AccordionSearch {
public:
    explicit AccordionSearch(Session& g)
    {
        for (int p = 0; p < kPlaces; ++p) tops_.push_back(g.top(p));
    }
    bool solve(std::vector<int>& path) { return step(path); }

private:
    static bool Match(Card a, Card b) { return kit::Suit(a) == kit::Suit(b) || kit::Rank(a) == kit::Rank(b); }
    bool step(std::vector<int>& path)
    {
        if (tops_.size() == 1) return true;
        if (++nodes_ > 3000000) return false;
        std::string key;
        for (Card c : tops_) key += static_cast<char>(c);
        if (!seen_.insert(key).second) return false;
        for (size_t from = 1; from < tops_.size(); ++from) {
            for (size_t back : {size_t{1}, size_t{3}}) {
                if (from < back || !Match(tops_[from], tops_[from - back])) continue;
                const std::vector<Card> before = tops_;
                tops_[from - back] = tops_[from];
                tops_.erase(tops_.begin() + static_cast<std::ptrdiff_t>(from));
                path.push_back(static_cast<int>(from) * 2 + (back == 3 ? 1 : 0));
                if (step(path)) return true;
                path.pop_back();
                tops_ = before;
            }
        }
        return false;
    }

    std::vector<Card> tops_;
    std::unordered_set<std::string> seen_;
    long nodes_ = 0;
};

TEST_F(AccordionGame, PlaysARealDealFromStartToWin)
{
    constexpr uint32_t seed = 1;  // a deal that can be won
    ASSERT_TRUE(g.start(seed));
    std::vector<int> path;
    ASSERT_TRUE(AccordionSearch(g).solve(path)) << "seed " << seed;
    for (int move : path) {
        const int from = move / 2, to = from - (move % 2 ? 3 : 1);
        ASSERT_TRUE(g->DragCard(from, g.count(from) - 1, to)) << "seed " << seed;
    }
    EXPECT_EQ(g->GamesWon(), 1) << "seed " << seed;
    EXPECT_EQ(g->ScoreText(), "51");
}

}  // namespace
