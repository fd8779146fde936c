#include <gtest/gtest.h>

#include "headless_host.h"

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
