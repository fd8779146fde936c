// TriPeaks on the headless host.
#include <set>

#include "move_table.h"

namespace {

using gametest::Card;
using gametest::Session;

constexpr int kCells = 28, kStock = 28, kWaste = 29, kWrap = 0;
constexpr int Row3(int i) { return 18 + i; }
constexpr int Row2(int i) { return 9 + i; }

class TriPeaksGame : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(g.loaded()) << g.loadError();
        ASSERT_TRUE(g.start(1));
        if (!g->OptionChecked(kWrap)) {
            ASSERT_TRUE(g->SelectOption(kWrap));
        }
    }
    void TearDown() override
    {
        if (!g->OptionChecked(kWrap)) g->SelectOption(kWrap);
    }
    Session g{TRIPEAKS_MODULE};
};

TEST_F(TriPeaksGame, DealsThreePeaksWithTheBottomRowFaceUp)
{
    ASSERT_TRUE(g.start(1));
    std::string rows[4];
    const int starts[5] = {0, 3, 9, 18, 28};
    for (int r = 0; r < 4; ++r)
        for (int c = starts[r]; c < starts[r + 1]; ++c) rows[r] += (c > starts[r] ? " " : "") + g.pile(c);
    EXPECT_EQ(rows[0], "4H# KC# AH#");
    EXPECT_EQ(rows[1], "TD# 9D# 2C# KS# 2D# AS#");
    EXPECT_EQ(rows[3], "5C TH 8C QH QC AD 9S 5S 7C QD");
    EXPECT_EQ(g.count(kStock), 23);
    EXPECT_EQ(g.pile(kWaste), "6D");
    EXPECT_EQ(g->MessageText(), "28 cards left");
    // Each peak's top sits midway over the two cards below it.
    EXPECT_EQ(2 * g->Stack(0).x, g->Stack(3).x + g->Stack(4).x);
    EXPECT_EQ(2 * g->Stack(Row2(0)).x, g->Stack(Row3(0)).x + g->Stack(Row3(1)).x);
}

struct Play {
    const char* waste;
    int cell;
    bool played;
    const char* why;
};

TEST_F(TriPeaksGame, AFreeCardOneRankAwayGoesToTheWaste)
{
    const std::map<int, std::string> position = {{Row3(0), "8S"}, {Row3(1), "6D"}, {Row3(2), "9C"},
                                                 {Row3(3), "KD"}, {Row3(4), "AC"}, {Row2(0), "7C#"},
                                                 {Row2(3), "QS"},  {kStock, "2H# 3H#"}};
    const Play plays[] = {
        {"7H", Row3(0), true, "eight on seven"},        {"7H", Row3(1), true, "six on seven"},
        {"7H", Row3(2), false, "nine is two away"},     {"7H", Row2(0), false, "a covered card"},
        {"KH", Row3(4), true, "ace on king wraps"},     {"AH", Row3(3), true, "king on ace wraps"},
        {"KH", Row3(3), false, "the same rank"},        {"KH", Row2(3), false, "queen, but covered by KD and AC"},
    };
    for (const Play& p : plays) {
        ASSERT_TRUE(g.start(3));
        auto arranged = position;
        arranged[kWaste] = p.waste;
        g.arrange(arranged);
        const std::string card = g.pile(p.cell);
        ASSERT_TRUE(g->Click(p.cell, 0)) << p.why;
        EXPECT_EQ(g.count(p.cell), p.played ? 0 : 1) << p.why;
        EXPECT_EQ(g.pile(kWaste), p.played ? std::string(p.waste) + " " + card : p.waste) << p.why;
    }
    ASSERT_TRUE(g.start(3));
    g.arrange(position);
    EXPECT_FALSE(g->DragCard(Row3(0), 0, kWaste)) << "cards are played by a click, not dragged";
}

TEST_F(TriPeaksGame, CardsTurnUpWhenUncoveredAndRunsScoreMoreAndMore)
{
    ASSERT_TRUE(g.start(3));
    g.arrange({{Row3(0), "8S"}, {Row3(1), "9D"}, {Row2(0), "TC#"}, {Row2(1), "2C#"}, {Row3(2), "4S"}, {kWaste, "7H"},
               {kStock, "3D# 6C#"}});
    ASSERT_TRUE(g->Click(Row3(0), 0));
    EXPECT_EQ(g.pile(Row2(0)), "TC#") << "still covered by the nine";
    ASSERT_TRUE(g->Click(Row3(1), 0));
    EXPECT_EQ(g.pile(Row2(0)), "TC");
    EXPECT_EQ(g.pile(Row2(1)), "2C#") << "still covered by the four";
    ASSERT_TRUE(g->Click(Row2(0), 0));
    EXPECT_EQ(g->ScoreText(), "6") << "1 + 2 + 3";
    EXPECT_EQ(g->MessageText(), "2 cards left, a run of 3");
    ASSERT_TRUE(g->Click(kStock, 1));
    EXPECT_EQ(g.pile(kWaste), "7H 8S 9D TC 6C");
    EXPECT_EQ(g->MessageText(), "2 cards left") << "turning the stock ends the run";
    g.arrange({{Row3(2), "5S"}, {Row2(1), "4C#"}, {kWaste, "6C"}, {kStock, "3D#"}});
    ASSERT_TRUE(g->Click(Row3(2), 0));
    EXPECT_EQ(g->ScoreText(), "7") << "a new run starts at 1";
}

TEST_F(TriPeaksGame, ClearingAPeakScoresABonus)
{
    struct Case {
        std::map<int, std::string> position;
        const char* score;
        const char* why;
    };
    const Case cases[] = {
        {{{0, "5H"}, {1, "QC#"}, {2, "QD#"}, {kWaste, "4S"}, {kStock, "2D#"}}, "16", "the first peak: 1 + 15"},
        {{{2, "5H"}, {Row3(0), "QD"}, {kWaste, "4S"}, {kStock, "2D#"}}, "31", "the last peak: 1 + 30"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(g.start(3));
        g.arrange(c.position);
        ASSERT_TRUE(g->Click(c.position.begin()->first, 0)) << c.why;
        EXPECT_EQ(g->ScoreText(), c.score) << c.why;
    }
}

TEST_F(TriPeaksGame, IsWonWhenThePeaksAreClearAndLostWhenNothingPlays)
{
    ASSERT_TRUE(g.start(3));
    g.arrange({{Row3(0), "8S"}, {kWaste, "7H"}, {kStock, "3D#"}});
    ASSERT_TRUE(g->Click(Row3(0), 0));
    EXPECT_EQ(g->GamesWon(), 1);

    ASSERT_TRUE(g.start(3));
    g.arrange({{Row3(0), "8S"}, {Row3(5), "KD"}, {kWaste, "7H"}});
    ASSERT_TRUE(g->Click(Row3(0), 0));
    EXPECT_EQ(g->GamesLost(), 1);
    EXPECT_FALSE(g->GameInPlay());
}

TEST_F(TriPeaksGame, WrappingIsAnOptionForTheNextDeal)
{
    ASSERT_EQ(g->OptionTexts(), (std::vector<std::string>{"King and Ace Wrap", "Hint"}));
    EXPECT_TRUE(g->OptionChecked(kWrap));
    ASSERT_TRUE(g.start(3));
    ASSERT_TRUE(g->SelectOption(kWrap));
    EXPECT_FALSE(g->OptionChecked(kWrap));
    g.arrange({{Row3(0), "AC"}, {Row3(1), "AD"}, {kWaste, "KH"}, {kStock, "3D#"}});
    ASSERT_TRUE(g->Click(Row3(0), 0));
    EXPECT_EQ(g.count(Row3(0)), 0) << "the game on the table still wraps";
    ASSERT_TRUE(g.start(3));
    g.arrange({{Row3(0), "AC"}, {kWaste, "KH"}, {kStock, "3D#"}});
    ASSERT_TRUE(g->Click(Row3(0), 0));
    EXPECT_EQ(g.count(Row3(0)), 1) << "the next deal does not";
}

// A way through a real deal, found by search apart from the game: each
// step a cell to play, or -1 to turn the stock.
class TriPeaksSearch {
public:
    explicit TriPeaksSearch(Session& g)
    {
        for (int c = 0; c < kCells; ++c) cells_[c] = g->Stack(c).cards[0].image;
        for (int k = 0; k < g.count(kStock); ++k) stock_.push_back(g->Stack(kStock).cards[k].image);
        waste_ = g.top(kWaste);
        // Who covers whom, from the rows of 3, 6, 9 and 10.
        for (int c = 0; c < 18; ++c) {
            const int at = Half(c);
            for (int d = 0; d < kCells; ++d)
                if (Row(d) == Row(c) + 1 && (Half(d) == at - 1 || Half(d) == at + 1)) cover_[c].push_back(d);
        }
    }
    bool solve(std::vector<int>& path) { return step(static_cast<int>(stock_.size()), waste_, 0, path); }

private:
    static int Row(int c) { return c < 3 ? 0 : c < 9 ? 1 : c < 18 ? 2 : 3; }
    static int Half(int c)
    {
        switch (Row(c)) {
        case 0: return 6 * c + 3;
        case 1: return 6 * ((c - 3) / 2) + 2 * ((c - 3) % 2) + 2;
        case 2: return 2 * (c - 9) + 1;
        default: return 2 * (c - 18);
        }
    }
    bool step(int stockLeft, Card waste, uint32_t gone, std::vector<int>& path)
    {
        if (gone == (1u << kCells) - 1) return true;
        const uint64_t key = static_cast<uint64_t>(gone) << 12 | static_cast<uint64_t>(stockLeft) << 6 |
                             static_cast<uint64_t>(waste);
        if (!seen_.insert(key).second) return false;
        for (int c = 0; c < kCells; ++c) {
            if (gone >> c & 1) continue;
            bool free = true;
            for (int d : cover_[c]) free = free && (gone >> d & 1);
            const int gap = (kit::Rank(cells_[c]) - kit::Rank(waste) + 13) % 13;
            if (!free || (gap != 1 && gap != 12)) continue;
            path.push_back(c);
            if (step(stockLeft, cells_[c], gone | 1u << c, path)) return true;
            path.pop_back();
        }
        if (stockLeft == 0) return false;
        path.push_back(-1);
        if (step(stockLeft - 1, stock_[static_cast<size_t>(stockLeft - 1)], gone, path)) return true;
        path.pop_back();
        return false;
    }

    Card cells_[kCells];
    std::vector<int> cover_[kCells];
    std::vector<Card> stock_;
    Card waste_;
    std::set<uint64_t> seen_;
};

TEST_F(TriPeaksGame, PlaysARealDealFromStartToWin)
{
    constexpr uint32_t seed = 1;  // a deal that can be won
    ASSERT_TRUE(g.start(seed));
    std::vector<int> path;
    ASSERT_TRUE(TriPeaksSearch(g).solve(path)) << "seed " << seed;
    for (int cell : path) {
        if (cell < 0) {
            ASSERT_TRUE(g->Click(kStock, g.count(kStock) - 1));
        } else {
            ASSERT_TRUE(g->Click(cell, 0));
            ASSERT_EQ(g.count(cell), 0) << "seed " << seed << ", cell " << cell;
        }
    }
    EXPECT_EQ(g->GamesWon(), 1) << "seed " << seed;
}

}  // namespace
