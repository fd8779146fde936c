// Spider on the headless host.
#include <array>
#include <set>
#include <unordered_set>

#include "move_table.h"

namespace {

using gametest::Session;
using gametest::SuitRun;

constexpr int kStock = 0, kFoundation = 1, kTableau = 9;
constexpr int F(int i) { return kFoundation + i; }
constexpr int T(int i) { return kTableau + i; }
constexpr int kOneSuit = 0, kTwoSuits = 1, kFourSuits = 2;

const std::map<int, std::string> kPosition = {
    {kStock, "4H# 4H# 4H# 4H# 4H# 4H# 4H# 4H# 4H# 4H#"},
    {T(0), "5D# 9S 8S 7S"}, {T(1), "TH"}, {T(3), "9D 8C"}, {T(4), "5H# " + SuitRun('S')},
    {T(5), "8D"}, {T(6), "2C"}, {T(7), "3C"}, {T(8), "4C"}, {T(9), "5C"},
};

class SpiderGame : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(g.start(1));
        ASSERT_TRUE(g->SelectOption(kFourSuits));
    }
    Session g{SPIDER_MODULE};
};

TEST_F(SpiderGame, DealsFiftyFourCardsAndAStockOfFifty)
{
    ASSERT_TRUE(g.start(1));
    for (int c = 0; c < 10; ++c) {
        ASSERT_EQ(g.count(T(c)), c < 4 ? 6 : 5);
        for (int k = 0; k < g.count(T(c)); ++k)
            EXPECT_EQ(g->Stack(T(c)).cards[k].faceDown != 0, k < g.count(T(c)) - 1);
    }
    EXPECT_EQ(g.count(kStock), 50);
    EXPECT_EQ(g.pile(T(0)), "KS# 5S# 9D# 4D# 7S# KC");
    EXPECT_EQ(g->MessageText(), "Four Suits, 5 deals left, 0 of 8 home");
    EXPECT_EQ(g->ScoreText(), "500");
}

struct Variant {
    int option;
    std::set<int> suits;
};

TEST_F(SpiderGame, EachVariantDealsItsSuitsFromTheNextDeal)
{
    EXPECT_EQ(g->OptionTexts(), (std::vector<std::string>{"One Suit", "Two Suits", "Four Suits", "Hint"}));
    const Variant variants[] = {
        {kOneSuit, {TS_SUIT_SPADES}},
        {kTwoSuits, {TS_SUIT_SPADES, TS_SUIT_HEARTS}},
        {kFourSuits, {TS_SUIT_CLUBS, TS_SUIT_DIAMONDS, TS_SUIT_HEARTS, TS_SUIT_SPADES}},
    };
    for (const Variant& v : variants) {
        ASSERT_TRUE(g->SelectOption(v.option));
        for (int o = 0; o < 3; ++o) EXPECT_EQ(g->OptionChecked(o), o == v.option);
        ASSERT_TRUE(g.start(7));
        const auto cards = g.allCards();
        ASSERT_EQ(cards.size(), 104u);
        std::set<int> suits;
        for (gametest::Card c : cards) suits.insert(kit::Suit(c));
        EXPECT_EQ(suits, v.suits);
        for (gametest::Card c : cards)
            EXPECT_EQ(std::count(cards.begin(), cards.end(), c), static_cast<long>(8 / v.suits.size()));
    }
}

TEST_F(SpiderGame, AcceptsLegalMovesAndRefusesOthers)
{
    gametest::ExpectMoves(g, 3, kPosition, {
        {T(0), 1, T(1), true, "a run in one suit on a card one higher of another suit"},
        {T(3), 0, T(1), false, "a run of mixed suits does not move together"},
        {T(3), 1, T(2), true, "any card into an empty column"},
        {T(3), 1, T(1), false, "an eight on a ten"},
        {T(5), 0, T(0), false, "an eight on a seven"},
        {T(4), 1, F(0), false, "a whole run goes home by itself, not by a drag"},
        {T(0), 1, F(0), false, "part of a run does not go home"},
        {T(6), 0, T(7), true, "a two on a three"},
        {T(0), 0, T(2), false, "a face-down card does not move"},
    });
}

TEST_F(SpiderGame, DealsFromTheStockOnlyWhenNoColumnIsEmpty)
{
    ASSERT_TRUE(g.start(3));
    g.arrange(kPosition);
    ASSERT_TRUE(g->Click(kStock, 9));
    EXPECT_EQ(g.count(kStock), 10);
    EXPECT_EQ(g->MessageText(), "Fill every column before dealing");
    ASSERT_TRUE(g->DragCard(T(3), 1, T(2)));  // and the finished run of spades goes home
    ASSERT_TRUE(g->Click(kStock, 9));
    EXPECT_EQ(g.count(kStock), 0);
    for (int c = 0; c < 10; ++c) EXPECT_EQ(g.top(T(c)), gametest::ParseCard("4H")) << c;
    EXPECT_EQ(g->ScoreText(), "598");
}

TEST_F(SpiderGame, AFinishedRunGoesHomeAtOnceKingOnTopAndCountsOneHundred)
{
    for (bool autoPlay : {false, true}) {
        ASSERT_TRUE(g.start(3, autoPlay));
        g.arrange({{kStock, "4H# 4H# 4H# 4H# 4H# 4H# 4H# 4H# 4H# 4H#"},
                   {T(0), "5H# KS QS JS TS 9S 8S 7S 6S 5S 4S 3S 2S"}, {T(1), "AS"}, {T(2), "3D"},
                   {T(3), "KC"}, {T(4), "KD"}, {T(5), "KH"}, {T(6), "QC"}, {T(7), "QD"}, {T(8), "QH"}, {T(9), "JC"}});
        ASSERT_TRUE(g->DragCard(T(1), 0, T(0)));
        EXPECT_EQ(g.pile(F(0)), std::string("AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS QS KS"))
            << "auto play " << autoPlay;
        EXPECT_EQ(g.pile(T(0)), "5H") << "the card below turns over";
        // One move made; the run home is worth 100 and is no move of its own.
        EXPECT_EQ(g->ScoreText(), "599");
        EXPECT_EQ(g->MessageText(), "Four Suits, 1 deal left, 1 of 8 home");
    }
}

TEST_F(SpiderGame, ARunFinishedByTheStockGoesHomeToo)
{
    ASSERT_TRUE(g.start(3));
    // The stock's top card goes to the first column, its tenth to the last.
    std::map<int, std::string> position = {{kStock, "AS# 4H# 4H# 4H# 4H# 4H# 4H# 4H# 4H# 4H#"},
                                           {T(9), "KS QS JS TS 9S 8S 7S 6S 5S 4S 3S 2S"}};
    for (int c = 0; c < 9; ++c) position[T(c)] = "5C";
    g.arrange(position);
    ASSERT_TRUE(g->Click(kStock, 9));
    EXPECT_EQ(g.top(F(0)), gametest::ParseCard("KS"));
    EXPECT_EQ(g.count(T(9)), 0);
    EXPECT_EQ(g->ScoreText(), "599");
}

TEST(SpiderFirstGame, IsOneSuit)
{
    Session g{SPIDER_MODULE};
    ASSERT_TRUE(g.start(1));
    EXPECT_TRUE(g->OptionChecked(kOneSuit));
    EXPECT_FALSE(g->OptionChecked(kFourSuits));
    for (gametest::Card c : g.allCards()) ASSERT_EQ(kit::Suit(c), TS_SUIT_SPADES);
    EXPECT_EQ(g->MessageText(), "One Suit, 5 deals left, 0 of 8 home");
}

TEST_F(SpiderGame, LoadingASavedGameKeepsThePlayersSuitsSetting)
{
    ASSERT_TRUE(g->SelectOption(kTwoSuits));
    ASSERT_TRUE(g.start(7));
    const std::vector<uint8_t> saved = g->Save();
    ASSERT_TRUE(g->SelectOption(kOneSuit));
    ASSERT_TRUE(g->Load(saved));
    EXPECT_EQ(g->MessageText(), "Two Suits, 5 deals left, 0 of 8 home");
    EXPECT_TRUE(g->OptionChecked(kOneSuit));
    ASSERT_TRUE(g.start(8));
    for (gametest::Card c : g.allCards()) ASSERT_EQ(kit::Suit(c), TS_SUIT_SPADES);
}

TEST_F(SpiderGame, WinsWhenEightRunsAreHome)
{
    ASSERT_TRUE(g.start(5));
    std::map<int, std::string> position;
    for (int c = 0; c < 8; ++c) position[T(c)] = SuitRun("CDHS"[c % 4]);
    position[T(8)] = "5C";
    position[T(9)] = "6D";
    g.arrange(position);
    // The next move lets the finished runs go home: all eight at once.
    ASSERT_TRUE(g->DragCard(T(8), 0, T(9)));
    for (int f = 0; f < 8; ++f) EXPECT_EQ(kit::Rank(g.top(F(f))), TS_RANK_KING) << f;
    EXPECT_EQ(g->GamesWon(), 1);
    EXPECT_EQ(g->ScoreText(), "1299");
}

// A way through a real One Suit deal, found by depth-first search: runs
// in suit onto a card one higher or into an empty column, and the stock when
// no column is empty. Whole runs king to ace go home when they form.
class SpiderSearch {
public:
    struct Step {
        int from, card, to;  // from == kStock: a click on the stock; to == -1: a run home
    };

    explicit SpiderSearch(Session& g)
    {
        for (int c = 0; c < 10; ++c) {
            for (int k = 0; k < g.count(T(c)); ++k) {
                columns_[c] += static_cast<char>(g->Stack(T(c)).cards[k].image);
                if (g->Stack(T(c)).cards[k].faceDown) ++down_[c];
            }
        }
        for (int k = 0; k < g.count(kStock); ++k) stock_ += static_cast<char>(g->Stack(kStock).cards[k].image);
    }
    bool solve(std::vector<Step>& path) { return search(path); }

private:
    using Card = gametest::Card;
    int runStart(int c) const  // where the run in suit on top of column c begins
    {
        int i = static_cast<int>(columns_[c].size()) - 1;
        while (i > down_[c] && kit::Suit(columns_[c][i - 1]) == kit::Suit(columns_[c][i]) &&
               kit::Rank(columns_[c][i - 1]) == kit::Rank(columns_[c][i]) + 1)
            --i;
        return i;
    }
    bool tryStep(const Step& step, std::vector<Step>& path)
    {
        const auto columns = columns_;
        const auto down = down_;
        const std::string stock = stock_;
        const int home = home_;
        if (step.from == kStock) {
            for (int c = 0; c < 10; ++c) {
                columns_[c] += stock_.back();
                stock_.pop_back();
            }
        } else {
            const int c = step.from - T(0);
            const std::string moving = columns_[c].substr(static_cast<size_t>(step.card));
            columns_[c].resize(static_cast<size_t>(step.card));
            if (down_[c] > 0 && down_[c] == step.card) --down_[c];
            if (step.to < 0) ++home_;
            else columns_[step.to - T(0)] += moving;
        }
        path.push_back(step);
        if (search(path)) return true;
        path.pop_back();
        columns_ = columns, down_ = down, stock_ = stock, home_ = home;
        return false;
    }
    bool search(std::vector<Step>& path)
    {
        if (home_ == 8) return true;
        std::string key = std::to_string(stock_.size()) + "|";
        for (int c = 0; c < 10; ++c) key += columns_[c] + static_cast<char>(100 + down_[c]);
        if (++nodes_ > 300000 || path.size() > 600 || !seen_.insert(key).second) return false;
        for (int c = 0; c < 10; ++c) {  // a whole run goes home at once
            const int start = runStart(c);
            if (static_cast<int>(columns_[c].size()) - start == 13) return tryStep({T(c), start, -1}, path);
        }
        // Runs onto a card one higher: first those that turn a card or empty a column.
        for (int freeing : {1, 0}) {
            for (int c = 0; c < 10; ++c) {
                if (columns_[c].empty()) continue;
                const int start = runStart(c);
                if ((start == down_[c]) != (freeing == 1)) continue;
                for (int to = 0; to < 10; ++to)
                    if (to != c && !columns_[to].empty() &&
                        kit::Rank(columns_[to].back()) == kit::Rank(columns_[c][start]) + 1 &&
                        tryStep({T(c), start, T(to)}, path))
                        return true;
            }
        }
        const int empty = static_cast<int>(std::find_if(columns_.begin(), columns_.end(),
                                                        [](const std::string& s) { return s.empty(); }) -
                                           columns_.begin());
        if (empty < 10) {
            for (int c = 0; c < 10; ++c) {
                const int start = runStart(c);
                if (!columns_[c].empty() && start > 0 && tryStep({T(c), start, T(empty)}, path)) return true;
            }
            return false;  // the stock waits for every column to hold a card
        }
        return !stock_.empty() && tryStep({kStock, 0, 0}, path);
    }

    std::array<std::string, 10> columns_;
    std::array<int, 10> down_ = {};
    std::string stock_;
    int home_ = 0;
    std::unordered_set<std::string> seen_;
    int nodes_ = 0;
};

struct WinnableDeal {
    int variant;
    uint32_t seed;
};

TEST_F(SpiderGame, PlaysRealDealsFromStartToWin)
{
    for (const WinnableDeal d : {WinnableDeal{kOneSuit, 1}, WinnableDeal{kOneSuit, 2}, WinnableDeal{kTwoSuits, 3}}) {
        ASSERT_TRUE(g->SelectOption(d.variant));
        ASSERT_TRUE(g.start(d.seed));
        const int wonBefore = g->GamesWon();
        std::vector<SpiderSearch::Step> path;
        ASSERT_TRUE(SpiderSearch(g).solve(path)) << "seed " << d.seed;
        int moves = 0;
        for (const SpiderSearch::Step& s : path) {
            if (s.from == kStock) {
                ASSERT_TRUE(g->Click(kStock, g.count(kStock) - 1)) << "seed " << d.seed;
            } else if (s.to < 0) {  // the run went home by itself as it formed
                ASSERT_EQ(g.count(s.from), s.card) << "seed " << d.seed << ": " << g.pile(s.from);
                continue;
            } else {
                ASSERT_TRUE(g->DragCard(s.from, s.card, s.to)) << "seed " << d.seed << ": " << g.pile(s.from) << " to " << g.pile(s.to);
            }
            ++moves;
        }
        EXPECT_EQ(g->GamesWon(), wonBefore + 1) << "seed " << d.seed;
        EXPECT_EQ(g->Module(0).entry.getScore(), 500 - moves + 800) << "seed " << d.seed;
    }
}

}  // namespace
