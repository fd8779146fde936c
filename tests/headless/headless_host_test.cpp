#include "headless_host.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

using headless::HeadlessHost;
using headless::SeamCall;

namespace {

constexpr int kStock = 0, kFirstPile = 1, kFoundation = 5;

std::vector<int16_t> Images(const CardStack& s)
{
    std::vector<int16_t> out;
    for (int i = 0; i < s.count; ++i) out.push_back(s.cards[i].image);
    return out;
}

std::vector<std::vector<int16_t>> Layout(const HeadlessHost& h)
{
    std::vector<std::vector<int16_t>> out;
    for (int i = 0; i < h.StackCount(); ++i) out.push_back(Images(h.Stack(i)));
    return out;
}

class FixtureGame : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.LoadModule(FIXTURE_GAME_PATH)) << host.LoadError();
        ASSERT_TRUE(host.StartGame(0, 12345));
    }
    HeadlessHost host;
};

}  // namespace

TEST(HeadlessHostLoading, RefusesWhatIsNoModule)
{
    HeadlessHost host;
    EXPECT_FALSE(host.LoadModule("/nonexistent/nothing.so"));
    EXPECT_FALSE(host.LoadError().empty());
    EXPECT_EQ(host.ModuleCount(), 0);
    EXPECT_FALSE(host.StartGame(0, 1)) << "no row 0 to choose";
}

TEST_F(FixtureGame, DealsTheSameCardsForTheSameSeed)
{
    EXPECT_EQ(host.Module(0).name, std::string("Fixture Patience"));
    EXPECT_EQ(host.Title(), "Lumora Solitaire - Fixture Patience");
    ASSERT_EQ(host.StackCount(), 6);
    EXPECT_EQ(host.Stack(kStock).count, 40);
    for (int p = 0; p < 4; ++p) EXPECT_EQ(host.Stack(kFirstPile + p).count, 3);
    EXPECT_EQ(host.ScoreText(), "Score: 0");
    EXPECT_EQ(host.MessageText(), "Fixture dealt");

    const auto first = Layout(host);
    host.Replay();
    EXPECT_EQ(Layout(host), first);
    ASSERT_TRUE(host.StartGame(0, 54321));
    EXPECT_NE(Layout(host), first);
}

TEST_F(FixtureGame, DragsARunOntoAnotherPileAndUndoesIt)
{
    const auto before = Layout(host);
    ASSERT_TRUE(host.DragCard(kFirstPile, 1, kFirstPile + 2));
    const auto after = Layout(host);
    EXPECT_EQ(host.Stack(kFirstPile).count, 1);
    EXPECT_EQ(host.Stack(kFirstPile + 2).count, 5);
    EXPECT_EQ(host.Stack(kFirstPile + 2).cards[3].image, before[kFirstPile][1]);
    EXPECT_EQ(host.Stack(kFirstPile + 2).cards[4].image, before[kFirstPile][2]);

    host.Undo();
    EXPECT_EQ(Layout(host), before);
    host.Undo();  // the second undo brings the move back
    EXPECT_EQ(Layout(host), after);
}

TEST_F(FixtureGame, RefusedDropLeavesTheCardsWhereTheyWere)
{
    const auto before = Layout(host);
    // The foundation takes single cards only: a run of two is refused.
    EXPECT_FALSE(host.DragCard(kFirstPile, 1, kFoundation));
    EXPECT_EQ(Layout(host), before);
    ASSERT_TRUE(host.DragCard(kFirstPile, 2, kFoundation));
    EXPECT_EQ(host.ScoreText(), "Score: 5");
}

TEST_F(FixtureGame, SaveAndLoadRestoreTableAndModuleData)
{
    ASSERT_TRUE(host.DragCard(kFirstPile + 1, 2, kFoundation));
    const auto layout = Layout(host);
    const std::vector<uint8_t> saved = host.Save();

    ASSERT_TRUE(host.StartGame(0, 999));
    ASSERT_NE(Layout(host), layout);
    ASSERT_TRUE(host.Load(saved));
    EXPECT_EQ(Layout(host), layout);
    EXPECT_EQ(host.ScoreText(), "Score: 5");
    EXPECT_TRUE(host.GameInPlay());
    // The module took its score back from the saved data.
    ASSERT_TRUE(host.DragCard(kFirstPile + 2, 2, kFoundation));
    EXPECT_EQ(host.ScoreText(), "Score: 10");
}

TEST_F(FixtureGame, OptionEndsTheGameAndBooksIt)
{
    EXPECT_EQ(host.OptionTexts(), (std::vector<std::string>{"Lose now", "Check me"}));
    EXPECT_TRUE(host.SelectOption(1));
    EXPECT_TRUE(host.OptionChecked(1));
    EXPECT_FALSE(host.SelectOption(2)) << "no such option";
    EXPECT_TRUE(host.SelectOption(0));
    EXPECT_EQ(host.GamesLost(), 1);
    EXPECT_FALSE(host.GameInPlay());
    EXPECT_EQ(host.MessageText(), "Game Over");
    EXPECT_EQ(host.Score().played, 1);
    EXPECT_EQ(host.Score().wins, 0);
}

TEST_F(FixtureGame, PlayingEveryCardHomeWinsOnceAndBooksTheGame)
{
    // Double-clicking a pile's top card sends it home; a click on the stock
    // deals a card to every pile.
    for (int guard = 0; guard < 200 && host.GameInPlay(); ++guard) {
        bool moved = false;
        for (int p = kFirstPile; p < kFirstPile + 4; ++p) {
            const int top = host.Stack(p).count - 1;
            if (top >= 0 && host.DoubleClick(p, top)) moved = true;
        }
        if (!moved || host.Stack(kStock).count > 0) host.Click(kStock, host.Stack(kStock).count - 1);
    }
    EXPECT_EQ(host.Stack(kFoundation).count, 52);
    EXPECT_EQ(host.GamesWon(), 1);
    EXPECT_FALSE(host.GameInPlay());
    EXPECT_EQ(host.MessageText(), "Game Over");
    EXPECT_EQ(host.Score(), (core::ScoreRecord{1, 1, 260, 260}));
    host.Undo();
    EXPECT_EQ(host.Stack(kFoundation).count, 52) << "no undo after game over";
}

TEST_F(FixtureGame, AutoPlayRunsWhenSwitchedOnAndAfterEveryMove)
{
    // Find a seed whose deal shows an ace on top of a pile.
    auto acesOnTop = [&] {
        int n = 0;
        for (int p = kFirstPile; p < kFirstPile + 4; ++p)
            n += TS_CARD_RANK(host.Stack(p).cards[host.Stack(p).count - 1].image) == TS_RANK_ACE;
        return n;
    };
    uint32_t seed = 1;
    while (acesOnTop() == 0 && seed < 500) ASSERT_TRUE(host.StartGame(0, seed++));
    ASSERT_GT(acesOnTop(), 0);
    const int home = host.Stack(kFoundation).count;
    host.SetAutoPlay(true);
    EXPECT_GT(host.Stack(kFoundation).count, home);
    EXPECT_EQ(acesOnTop(), 0);
    const auto slides = host.Seam().Calls(headless::SeamCall::DrawCardOnWindow);
    EXPECT_GE(slides.size(), 2u) << "autoplay's moves slide";
}

TEST_F(FixtureGame, TheRightButtonShowsACoveredCard)
{
    table::Point p;
    ASSERT_TRUE(host.PointOn(kFirstPile, 0, p));
    host.Seam().Clear();
    host.RightPress(p.x, p.y);
    ASSERT_EQ(host.Seam().Count(SeamCall::DrawStackOnWindow), 1);
    host.RightRelease(p.x, p.y);
    EXPECT_EQ(host.Seam().Count(SeamCall::RepaintNow), 1);
    EXPECT_EQ(host.Core().drag.dragStack, nullptr);
}

TEST_F(FixtureGame, LoadRefusesWhatIsNoSavedGameOfALoadedModule)
{
    using persistence::LoadError;
    const std::vector<uint8_t> good = host.Save();
    const auto layout = Layout(host);
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        LoadError error;  // the table is discarded only once the table block is reached (error 6)
    };
    std::vector<Case> cases;
    cases.push_back(
        {"too short for the header", std::vector<uint8_t>(good.begin(), good.begin() + 351), LoadError::TooShort});
    std::vector<uint8_t> magic = good;
    magic[0] ^= 1;
    cases.push_back({"wrong magic", magic, LoadError::NotSavedGame});
    std::vector<uint8_t> version = good;
    version[4] = 1;  // 257
    cases.push_back({"wrong version", version, LoadError::NotSavedGame});
    std::vector<uint8_t> name = good;
    name[8 + 24] = 'X';
    cases.push_back({"a game that is not loaded", name, LoadError::NoModule});
    // The fixture's data block is 2 bytes: the stack count lies at 358.
    std::vector<uint8_t> tooMany = good;
    tooMany[358] = 101;
    cases.push_back({"101 stacks", tooMany, LoadError::BadData});
    std::vector<uint8_t> negative = good;
    negative[359] = 0xFF;
    cases.push_back({"a negative stack count", negative, LoadError::BadData});
    cases.push_back({"a table cut short", std::vector<uint8_t>(good.begin(), good.end() - 1), LoadError::BadData});
    std::vector<uint8_t> count = good;
    count[360 + 4 + 20] = 99;  // the stock's count, above its capacity of 52
    cases.push_back({"a count above the capacity", count, LoadError::BadData});

    for (const Case& c : cases) {
        ASSERT_TRUE(host.Load(good));
        EXPECT_FALSE(host.Load(c.bytes)) << c.what;
        EXPECT_EQ(host.LastLoadError(), c.error) << c.what;
        if (c.error != LoadError::BadData) {
            EXPECT_EQ(Layout(host), layout) << c.what;
        } else {
            EXPECT_EQ(host.StackCount(), 0) << c.what;
            EXPECT_FALSE(host.GameInPlay()) << c.what;
        }
    }
    // The name is matched whatever its letter case.
    std::vector<uint8_t> upper = good;
    for (size_t i = 8 + 24; upper[i]; ++i) upper[i] = static_cast<uint8_t>(std::toupper(upper[i]));
    EXPECT_TRUE(host.Load(upper));
    EXPECT_EQ(Layout(host), layout);
}

TEST_F(FixtureGame, RandomMouseWorkNeverLosesOrDuplicatesACard)
{
    // Presses, moves and releases anywhere (inside and outside the window),
    // double-clicks, right-button views and undos, from a fixed sequence.
    uint32_t state = 2024;
    auto next = [&](int32_t n) {
        state = state * 1103515245u + 12345u;
        return static_cast<int32_t>((state >> 8) % static_cast<uint32_t>(n));
    };
    auto cardsAreWhole = [&] {
        std::vector<int> seen(52, 0);
        for (int s = 0; s < host.StackCount(); ++s)
            for (int c = 0; c < host.Stack(s).count; ++c) ++seen[static_cast<size_t>(host.Stack(s).cards[c].image)];
        const core::DragState& d = host.Core().drag;
        if (d.dragging && d.dragStack)  // the lifted cards travel in the drag stack
            for (int c = 0; c < d.dragStack->count; ++c) ++seen[static_cast<size_t>(d.dragStack->cards[c].image)];
        return std::all_of(seen.begin(), seen.end(), [](int n) { return n == 1; });
    };
    for (int step = 0; step < 3000 && host.GameInPlay(); ++step) {
        const int32_t x = next(460) - 20, y = next(420) - 20;
        switch (next(8)) {
        case 0: host.Press(x, y); break;
        case 1:
        case 2: host.Move(x, y); break;
        case 3: host.Release(x, y); break;
        case 4: host.DoubleClickAt(x, y); break;
        case 5: host.RightPress(x, y); break;
        case 6: host.RightRelease(x, y); break;
        case 7: host.Undo(); break;
        }
        ASSERT_TRUE(cardsAreWhole()) << "after step " << step;
    }
    host.Release(0, 0);
    host.RightRelease(0, 0);
    EXPECT_TRUE(cardsAreWhole());
    EXPECT_EQ(host.Core().drag.dragStack, nullptr);
}
