// Klondike on the headless host.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <unordered_set>

#include "move_table.h"

namespace {

using gametest::ParseCard;
using gametest::Session;

constexpr int kStock = 0, kWaste = 1, kFoundation = 2, kTableau = 6;
constexpr int kTurned = 13;  // Draw Three: the cards just turned, fanned over the waste
constexpr int F(int i) { return kFoundation + i; }
constexpr int T(int i) { return kTableau + i; }
constexpr int kDrawOne = 0, kDrawThree = 1;

// A position most move tests start from.
const std::map<int, std::string> kPosition = {
    {kStock, "2C# 3C#"}, {kWaste, "3D 6H QH"}, {F(0), "AS"},    {F(1), "AH 2H"},  {T(0), "4S# 9C"},
    {T(1), "TD"},        {T(3), "KH"},          {T(4), "5S# 8H 7C"}, {T(5), "2S"}, {T(6), "KC"},
};

class KlondikeGame : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(g.loaded()) << g.loadError();
        ASSERT_TRUE(g.start(1));
        ASSERT_TRUE(g->SelectOption(kDrawOne));
    }
    Session g{KLONDIKE_MODULE};
};

TEST_F(KlondikeGame, DealsSevenColumnsWithTheTopCardsFaceUp)
{
    ASSERT_TRUE(g.start(1));
    for (int c = 0; c < 7; ++c) {
        ASSERT_EQ(g.count(T(c)), c + 1);
        for (int k = 0; k <= c; ++k) EXPECT_EQ(g->Stack(T(c)).cards[k].faceDown != 0, k < c) << c << "/" << k;
    }
    EXPECT_EQ(g.count(kStock), 24);
    EXPECT_EQ(g.count(kWaste), 0);
    // The deal of seed 1, pinned.
    EXPECT_EQ(g.pile(T(0)), "4H");
    EXPECT_EQ(g.pile(T(6)), "KS# 8D# JD# QH# 9S# 7C# QD");
    EXPECT_EQ(g->MessageText(), "Draw 1 - stock 24");
    EXPECT_EQ(g->ScoreText(), "0");
}

TEST_F(KlondikeGame, AcceptsLegalMovesAndRefusesOthers)
{
    gametest::ExpectMoves(g, 3, kPosition, {
        {T(0), 1, T(1), true, "black nine on red ten"},
        {T(5), 0, F(0), true, "two of spades on its ace"},
        {T(5), 0, F(1), false, "two of spades on the hearts"},
        {T(3), 0, T(2), true, "king to an empty column"},
        {T(1), 0, T(2), false, "ten to an empty column"},
        {kWaste, 2, T(6), true, "red queen from the waste on a black king"},
        {kWaste, 2, T(3), false, "red queen on a red king"},
        {T(4), 1, T(0), true, "run of eight and seven on the nine"},
        {T(4), 2, T(1), false, "seven on a ten"},
        {T(6), 0, kWaste, false, "nothing goes onto the waste"},
        {F(1), 1, T(4), false, "two of hearts on a seven"},
        {T(0), 0, T(2), false, "a face-down card does not move"},
        {T(1), 0, F(2), false, "a ten onto an empty foundation"},
    });
}

TEST_F(KlondikeGame, TurnsTheExposedCardAndScores)
{
    ASSERT_TRUE(g.start(3));
    g.arrange(kPosition);
    ASSERT_TRUE(g->DragCard(T(0), 1, T(1)));
    EXPECT_EQ(g.pile(T(0)), "4S");
    EXPECT_EQ(g->ScoreText(), "5");
    ASSERT_TRUE(g->DragCard(kWaste, 2, T(6)));  // +5
    ASSERT_TRUE(g->DragCard(kWaste, 1, T(4)));  // six of hearts on the seven of clubs, +5
    ASSERT_TRUE(g->DragCard(T(5), 0, F(0)));    // +10
    EXPECT_EQ(g->ScoreText(), "25");
    ASSERT_TRUE(g->DragCard(F(1), 1, T(0)) == false);
}

struct Recycle {
    int option;
    const char* afterEachTurn[3];
};

TEST_F(KlondikeGame, TurningTheWasteOverCostsByDrawMode)
{
    // Draw One pays 100 for every turn of the waste; Draw Three has three
    // passes free and pays 20 from the fourth on.
    for (const Recycle r : {Recycle{kDrawOne, {"0", "0", "0"}}, Recycle{kDrawThree, {"25", "25", "5"}}}) {
        ASSERT_TRUE(g->SelectOption(r.option));
        ASSERT_TRUE(g.start(3));
        auto position = kPosition;
        position[kStock] = "";
        g.arrange(position);
        ASSERT_TRUE(g->DragCard(kWaste, 2, T(6)));
        ASSERT_TRUE(g->DragCard(kWaste, 1, T(4)));
        ASSERT_TRUE(g->DragCard(T(5), 0, F(0)));
        ASSERT_TRUE(g->DragCard(T(0), 1, T(1)));
        ASSERT_EQ(g->ScoreText(), "25");
        for (const char* score : r.afterEachTurn) {
            ASSERT_TRUE(g->Click(kStock, -1));
            EXPECT_EQ(g.pile(kStock), "3D#");
            EXPECT_EQ(g->ScoreText(), score);
            ASSERT_TRUE(g->Click(kStock, 0));
            EXPECT_EQ(g.pile(kWaste) + g.pile(kTurned), "3D");
        }
    }
}

TEST_F(KlondikeGame, DrawOptionsApplyFromTheNextDeal)
{
    ASSERT_EQ(g->OptionTexts(), (std::vector<std::string>{"Draw One", "Draw Three", "Hint", "Winnable deals only"}));
    ASSERT_TRUE(g.start(8));
    EXPECT_TRUE(g->OptionChecked(kDrawOne));
    ASSERT_TRUE(g->SelectOption(kDrawThree));
    EXPECT_TRUE(g->OptionChecked(kDrawThree));
    EXPECT_FALSE(g->OptionChecked(kDrawOne));
    EXPECT_EQ(g->MessageText(), "Draw Three next deal");
    ASSERT_TRUE(g->Click(kStock, 23));
    EXPECT_EQ(g.count(kWaste), 1) << "the game on the table still draws one";
    ASSERT_TRUE(g.start(8));
    ASSERT_TRUE(g->Click(kStock, 23));
    EXPECT_EQ(g.count(kTurned), 3);
    EXPECT_EQ(g.count(kStock), 21);
    EXPECT_EQ(g->MessageText(), "Draw 3 - stock 21");
}

TEST_F(KlondikeGame, DrawThreeShowsTheThreeCardsJustTurned)
{
    ASSERT_TRUE(g->SelectOption(kDrawThree));
    ASSERT_TRUE(g.start(3));
    g.arrange({{kStock, "2C# 3C# 4C# 5C# 6C# 7C# 8C#"}, {T(0), "4H"}, {T(1), "5D"}, {T(2), "6H"}, {T(3), "7D"}});
    ASSERT_TRUE(g->Click(kStock, 6));
    EXPECT_EQ(g.pile(kTurned), "8C 7C 6C");
    EXPECT_EQ(g->Stack(kTurned).fanDirection, TS_FAN_RIGHT);
    EXPECT_EQ(g->Stack(kTurned).x, g->Stack(kWaste).x);
    EXPECT_EQ(g.pile(kWaste), "");
    ASSERT_TRUE(g->Click(kStock, 3));
    EXPECT_EQ(g.pile(kTurned), "5C 4C 3C");
    EXPECT_EQ(g.pile(kWaste), "8C 7C 6C");
    EXPECT_FALSE(g->DragCard(kWaste, 2, T(3))) << "a card under the three just turned does not play";
    // The top card plays, then the one below it, down to the waste beneath.
    ASSERT_TRUE(g->DragCard(kTurned, 2, T(0)));
    ASSERT_TRUE(g->DragCard(kTurned, 1, T(1)));
    ASSERT_TRUE(g->DragCard(kTurned, 0, T(2)));
    ASSERT_TRUE(g->DragCard(kWaste, 2, T(3)));
    EXPECT_EQ(g.pile(kWaste), "8C 7C");
    EXPECT_EQ(g->ScoreText(), "20");
    // The last card of the stock, then the waste turned over in the order it was dealt.
    ASSERT_TRUE(g->Click(kStock, 0));
    EXPECT_EQ(g.pile(kTurned), "2C");
    ASSERT_TRUE(g->Click(kStock, -1));
    EXPECT_EQ(g.pile(kStock), "2C# 7C# 8C#");
    EXPECT_EQ(g.pile(kWaste) + g.pile(kTurned), "");
    ASSERT_TRUE(g->Click(kStock, 2));
    EXPECT_EQ(g.pile(kTurned), "8C 7C 2C");
}

TEST_F(KlondikeGame, DrawOneTurnsOntoTheWasteAlone)
{
    ASSERT_TRUE(g.start(3));
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(g->Click(kStock, g.count(kStock) - 1));
    EXPECT_EQ(g.count(kWaste), 3);
    EXPECT_EQ(g.count(kTurned), 0);
}

TEST_F(KlondikeGame, LoadingASavedGameKeepsThePlayersDrawSetting)
{
    ASSERT_TRUE(g->SelectOption(kDrawThree));
    ASSERT_TRUE(g.start(8));
    const std::vector<uint8_t> saved = g->Save();
    ASSERT_TRUE(g->SelectOption(kDrawOne));
    ASSERT_TRUE(g->Load(saved));
    ASSERT_TRUE(g->Click(kStock, 23));
    EXPECT_EQ(g.count(kStock), 21) << "the saved game goes on drawing three";
    EXPECT_TRUE(g->OptionChecked(kDrawOne));
    EXPECT_FALSE(g->OptionChecked(kDrawThree));
    ASSERT_TRUE(g.start(9));
    ASSERT_TRUE(g->Click(kStock, 23));
    EXPECT_EQ(g.count(kStock), 23) << "the next deal draws one, as the player chose";
}

// A game saved before Klondike had its pile of cards just turned: the same
// file without its last stack, the module's data telling 13 piles.
std::vector<uint8_t> WithoutLastStack(std::vector<uint8_t> saved)
{
    uint32_t length = 0, piles = 13;
    std::memcpy(&length, saved.data() + 352, 4);
    std::memcpy(saved.data() + 356 + 4, &piles, 4);  // after the kit's magic
    const size_t countAt = 356 + length;
    int16_t stacks = 0;
    std::memcpy(&stacks, saved.data() + countAt, 2);
    size_t at = countAt + 2, last = at;
    for (int i = 0; i < stacks; ++i) {
        uint32_t size = 0;
        std::memcpy(&size, saved.data() + at, 4);
        last = at;
        at += 4 + size;
    }
    std::vector<uint8_t> out(saved.begin(), saved.begin() + static_cast<std::ptrdiff_t>(last));
    --stacks;
    std::memcpy(out.data() + countAt, &stacks, 2);
    return out;
}

TEST_F(KlondikeGame, AGameSavedWithoutThePileOfCardsJustTurnedStillPlays)
{
    ASSERT_TRUE(g->SelectOption(kDrawThree));
    ASSERT_TRUE(g.start(8));
    const auto table = g.table();
    ASSERT_EQ(table.size(), 14u);
    ASSERT_TRUE(g.reload(WithoutLastStack(g->Save())));
    EXPECT_EQ(g->StackCount(), 14);
    EXPECT_EQ(g.table(), table);
    ASSERT_TRUE(g->Click(kStock, 23));
    EXPECT_EQ(g.count(kTurned), 3) << "the saved game draws three, onto the pile added";
    EXPECT_EQ(g->MessageText(), "Draw 3 - stock 21");
}

TEST_F(KlondikeGame, AutoPlaySendsOnlySafeCardsHome)
{
    for (bool autoPlay : {false, true}) {
        ASSERT_TRUE(g.start(3, autoPlay));
        auto position = kPosition;
        position[T(2)] = "3H";  // not safe: the black twos are not both home
        g.arrange(position);
        ASSERT_TRUE(g->DragCard(T(0), 1, T(1)));
        EXPECT_EQ(g.pile(F(0)), autoPlay ? "AS 2S" : "AS");
        EXPECT_EQ(g.pile(T(2)), "3H");
    }
}

// Four columns of alternating runs from king to ace hold the whole deck.
const std::map<int, std::string> kReadyToWin = {
    {T(0), gametest::AlternatingRuns()[0]},
    {T(1), gametest::AlternatingRuns()[1]},
    {T(2), gametest::AlternatingRuns()[2]},
    {T(3), gametest::AlternatingRuns()[3]},
};

TEST_F(KlondikeGame, WinsByDoubleClickingEveryCardHome)
{
    ASSERT_TRUE(g.start(5));
    const auto before = g->Score();
    g.arrange(kReadyToWin);
    for (int round = 0; round < 13; ++round)
        for (int c = 0; c < 4; ++c) ASSERT_TRUE(g->DoubleClick(T(c), 12 - round));
    EXPECT_EQ(g->GamesWon(), 1);
    EXPECT_FALSE(g->GameInPlay());
    for (int f = 0; f < 4; ++f) EXPECT_EQ(g.count(F(f)), 13);
    EXPECT_EQ(g->Score().played, before.played + 1);
    EXPECT_EQ(g->Score().wins, before.wins + 1);
    EXPECT_EQ(g->Score().scoreTotal, before.scoreTotal + 520);
}

TEST_F(KlondikeGame, WinsByAutoPlayAfterOneMove)
{
    ASSERT_TRUE(g.start(5, true));
    g.arrange(kReadyToWin);
    ASSERT_TRUE(g->DoubleClick(T(0), 12));
    EXPECT_EQ(g->GamesWon(), 1);
    EXPECT_EQ(g.count(F(0)) + g.count(F(1)) + g.count(F(2)) + g.count(F(3)), 52);
}

TEST_F(KlondikeGame, UndoBringsBackTheScoreAndTheFaceDownCard)
{
    ASSERT_TRUE(g.start(3));
    g.arrange(kPosition);
    ASSERT_TRUE(g->DragCard(T(0), 1, T(1)));
    ASSERT_EQ(g->ScoreText(), "5");
    g->Undo();
    EXPECT_EQ(g.pile(T(0)), "4S# 9C");
    EXPECT_EQ(g->ScoreText(), "0");
    EXPECT_EQ(g->Module(0).entry.getScore(), 0);
    g->Undo();
    EXPECT_EQ(g.pile(T(0)), "4S");
    EXPECT_EQ(g->Module(0).entry.getScore(), 5);
    ASSERT_TRUE(g->DragCard(kWaste, 2, T(6)));
    EXPECT_EQ(g->Module(0).entry.getScore(), 10) << "the redone score goes on from there";
}

// A way through a real deal (Draw One), found by depth-first search over
// the moves a player makes: cards home, runs between columns, the waste's
// top into play, and the stock. It knows the face-down cards, as a test may.
class KlondikeSearch {
public:
    struct Step {
        int from, card, to;  // a drag; from == kStock: a click on the stock; to == -1: a foundation
    };

    explicit KlondikeSearch(Session& g)
    {
        for (int c = 0; c < 7; ++c) {
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
    static bool Fits(Card lower, Card c)
    {
        return kit::Rank(lower) == kit::Rank(c) + 1 && kit::ColourOf(lower) != kit::ColourOf(c);
    }
    bool homeTakes(Card c) const { return home_[static_cast<size_t>(kit::Suit(c))] == kit::Rank(c); }
    std::string key() const
    {
        std::string k(home_.begin(), home_.end());
        for (int c = 0; c < 7; ++c) k += columns_[c] + static_cast<char>(down_[c] + 100);
        return k + '|' + stock_ + '|' + waste_;
    }
    struct Saved {
        std::array<std::string, 7> columns;
        std::array<int, 7> down;
        std::string stock, waste;
        std::array<char, 4> home;
    };
    Saved save() const { return {columns_, down_, stock_, waste_, home_}; }
    void restore(const Saved& s) { std::tie(columns_, down_, stock_, waste_, home_) = std::tie(s.columns, s.down, s.stock, s.waste, s.home); }
    void turnUp(int c)
    {
        if (down_[c] > 0 && down_[c] == static_cast<int>(columns_[c].size())) --down_[c];
    }
    bool tryStep(const Step& step, std::vector<Step>& path)
    {
        const Saved before = save();
        if (step.from == kStock) {
            if (!stock_.empty()) {
                waste_ += stock_.back();
                stock_.pop_back();
            } else {
                stock_.assign(waste_.rbegin(), waste_.rend());
                waste_.clear();
            }
        } else {
            std::string moving;
            if (step.from == kWaste) {
                moving = waste_.substr(waste_.size() - 1);
                waste_.pop_back();
            } else {
                const int c = step.from - T(0);
                moving = columns_[c].substr(static_cast<size_t>(step.card));
                columns_[c].resize(static_cast<size_t>(step.card));
                turnUp(c);
            }
            if (step.to < 0) ++home_[static_cast<size_t>(kit::Suit(moving[0]))];
            else columns_[step.to - T(0)] += moving;
        }
        path.push_back(step);
        if (search(path)) return true;
        path.pop_back();
        restore(before);
        return false;
    }
    bool search(std::vector<Step>& path)
    {
        if (std::all_of(home_.begin(), home_.end(), [](char n) { return n == 13; })) return true;
        if (++nodes_ > 300000 || path.size() > 700 || !seen_.insert(key()).second) return false;
        // Cards home first.
        if (!waste_.empty() && homeTakes(waste_.back()) && tryStep({kWaste, 0, -1}, path)) return true;
        for (int c = 0; c < 7; ++c) {
            const int n = static_cast<int>(columns_[c].size());
            if (n > down_[c] && homeTakes(columns_[c].back()) && tryStep({T(c), n - 1, -1}, path)) return true;
        }
        // Whole face-up runs onto another column: they turn a card or empty a column.
        for (int c = 0; c < 7; ++c) {
            const int n = static_cast<int>(columns_[c].size()), first = down_[c];
            if (n == first) continue;
            for (int to = 0; to < 7; ++to) {
                if (to == c) continue;
                const bool fits = columns_[to].empty() ? kit::Rank(columns_[c][first]) == TS_RANK_KING && first > 0
                                                       : Fits(columns_[to].back(), columns_[c][first]);
                if (fits && tryStep({T(c), first, T(to)}, path)) return true;
            }
        }
        // The waste's top into play.
        if (!waste_.empty()) {
            for (int to = 0; to < 7; ++to) {
                const bool fits = columns_[to].empty() ? kit::Rank(waste_.back()) == TS_RANK_KING
                                                       : Fits(columns_[to].back(), waste_.back());
                if (fits && tryStep({kWaste, 0, T(to)}, path)) return true;
            }
        }
        // The stock, as long as it or the waste holds cards.
        if ((!stock_.empty() || !waste_.empty()) && tryStep({kStock, 0, 0}, path)) return true;
        return false;
    }

    std::array<std::string, 7> columns_;
    std::array<int, 7> down_ = {};
    std::string stock_, waste_;
    std::array<char, 4> home_ = {};
    std::unordered_set<std::string> seen_;
    int nodes_ = 0;
};

TEST_F(KlondikeGame, PlaysRealDealsFromStartToWin)
{
    for (uint32_t seed : {1u, 3u, 4u, 5u}) {  // deals that can be won
        ASSERT_TRUE(g.start(seed));
        const int wonBefore = g->GamesWon();
        std::vector<KlondikeSearch::Step> path;
        ASSERT_TRUE(KlondikeSearch(g).solve(path)) << "seed " << seed;
        for (const KlondikeSearch::Step& s : path) {
            if (s.from == kStock) {
                ASSERT_TRUE(g->Click(kStock, g.count(kStock) - 1)) << "seed " << seed;
                continue;
            }
            const int to = s.to >= 0 ? s.to : gametest::HomeFor(g, g.top(s.from), F(0), 4);
            const int card = s.from == kWaste ? g.count(kWaste) - 1 : s.card;
            ASSERT_TRUE(g->DragCard(s.from, card, to)) << "seed " << seed << ": " << g.pile(s.from) << " to " << g.pile(to);
        }
        EXPECT_EQ(g->GamesWon(), wonBefore + 1) << "seed " << seed;
        EXPECT_GT(g->Module(0).entry.getScore(), 500) << "seed " << seed;
    }
}

}  // namespace
