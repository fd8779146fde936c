#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/module_calls.h"
#include "core_fixture.h"
#include "interaction/undo.h"
#include "modules/game_flow.h"
#include "modules/service_messages.h"
#include "persistence/game_file.h"
#include "persistence/native_game_memory.h"

using core::Sound;
using headless::SeamCall;
using headless::SeamEvent;
using testing_core::CoreFixture;
using testing_core::FakeModule;

namespace {

class GameFlow : public CoreFixture, public ::testing::Test {
protected:
    void SetUp() override
    {
        fake.Install(core, 0, "Alpha", 400, 300);
        fake.Install(core, 1, "Beta", 500, 350);
        fake.newGame = [this] {
            uint8_t deck[4] = {0, 1, 2, 3};
            modules::HandleServiceMessage(core, HM_SHUFFLE, 4, reinterpret_cast<intptr_t>(deck));
            dealt.assign(deck, deck + 4);
            return int32_t{1};
        };
    }
    void ChooseAndDeal(int row)
    {
        ASSERT_TRUE(modules::ChooseGame(core, row));
        ASSERT_EQ(seam.posted.back(), modules::kCommandReplay);
        seam.posted.clear();
        modules::Deal(core);
    }
    std::vector<SeamCall> Sequence() const
    {
        std::vector<SeamCall> out;
        for (const SeamEvent& e : seam.events) out.push_back(e.call);
        return out;
    }

    FakeModule fake;
    std::vector<uint8_t> dealt;
};

}  // namespace

TEST_F(GameFlow, ChoosingAGameFitsTheWindowDrawsASeedAndPostsTheDeal)
{
    EXPECT_FALSE(modules::ChooseGame(core, 2));
    EXPECT_FALSE(modules::ChooseGame(core, -1));
    EXPECT_TRUE(seam.events.empty());

    core.state.seed = 5;
    ASSERT_TRUE(modules::ChooseGame(core, 1));
    using C = SeamCall;
    EXPECT_EQ(Sequence(),
              (std::vector<C>{C::FitWindowToTable, C::InvalidateClient, C::RepaintNow, C::SetTitle,
                              C::EnableGameCommands, C::CheckGameListRow, C::RedrawMenuBar, C::PostCommand}));
    const SeamEvent fit = seam.Calls(C::FitWindowToTable).at(0);
    EXPECT_EQ(fit.number, 500);
    EXPECT_EQ(fit.number2, 350);
    EXPECT_TRUE(seam.Calls(C::InvalidateClient).at(0).flag) << "the fitted window is erased and redrawn";
    EXPECT_EQ(core.view.origin, (table::Point{0, 32})) << "a window that fits the table exactly";
    EXPECT_EQ(seam.Calls(C::SetTitle).at(0).text, "Lumora Solitaire - Beta");
    EXPECT_EQ(seam.Calls(C::CheckGameListRow).at(0).number, 1);
    EXPECT_EQ(seam.posted, std::deque<int>{113});
    EXPECT_EQ(core.state.seed, static_cast<uint32_t>(seam.calendarSeconds));
    EXPECT_STREQ(core.state.moduleName, "Beta");
    EXPECT_EQ(core.flow.currentModule, 1);
    EXPECT_EQ(fake.calls, std::vector<std::string>{"SetupOptionsMenu"});
    EXPECT_EQ(core.state.gameInPlay, 0u) << "the deal waits for the posted command";
}

TEST_F(GameFlow, ChoosingTheCurrentGameAgainIsNewGame)
{
    ChooseAndDeal(0);
    modules::AddOptionItem(core, 0, "Draw three");
    const uint32_t firstSeed = core.state.seed;
    seam.Clear();
    fake.calls.clear();
    ASSERT_TRUE(modules::NewGame(core));  // within the same second
    EXPECT_EQ(seam.Count(SeamCall::FitWindowToTable), 0);
    const auto client = seam.Calls(SeamCall::InvalidateClient);
    ASSERT_EQ(client.size(), 1u);
    EXPECT_TRUE(client[0].flag) << "a new deal of the same game erases first";
    EXPECT_EQ(seam.Count(SeamCall::RemoveOptionItems), 0) << "its option items stay";
    EXPECT_EQ(seam.Count(SeamCall::EnableGameCommands), 0);
    EXPECT_NE(core.state.seed, firstSeed) << "the same second falls back to the tick count";
    EXPECT_EQ(core.state.seed, seam.tick);
    EXPECT_EQ(fake.Calls("SetupOptionsMenu"), 0);

    seam.Clear();
    ASSERT_TRUE(modules::ChooseGame(core, 1));
    const auto removed = seam.Calls(SeamCall::RemoveOptionItems);
    ASSERT_EQ(removed.size(), 1u);
    EXPECT_EQ(removed[0].number, 1);
    EXPECT_EQ(core.flow.optionCount, 0);
}

TEST_F(GameFlow, ReplayDealsTheSameCardsFromTheSeed)
{
    ChooseAndDeal(0);
    EXPECT_EQ(core.state.gameInPlay, 1u);
    EXPECT_TRUE(core.flow.scorePending);
    const std::vector<uint8_t> first = dealt;
    modules::SetScoreText(core, "12");
    modules::Deal(core);
    EXPECT_EQ(dealt, first);
    EXPECT_STREQ(core.state.scoreText, "") << "texts are emptied before a deal";
    core.state.seed += 1;
    modules::Deal(core);
    EXPECT_NE(dealt, first);
}

TEST_F(GameFlow, ADealTheModuleRefusesLeavesNothingToBook)
{
    ASSERT_TRUE(modules::ChooseGame(core, 0));
    fake.newGame = [] { return int32_t{0}; };
    modules::Deal(core);
    EXPECT_EQ(seam.Calls(SeamCall::SetTitle).back().text, "Lumora Solitaire");
    EXPECT_EQ(core.state.gameInPlay, 0u);
    EXPECT_FALSE(core.flow.scorePending);
    modules::NewGame(core);
    EXPECT_EQ(fake.Calls("GetScore"), 0);
    EXPECT_EQ(core.modules.rows[0].score.played, 0);
}

// Replay of a game in play whose deal then fails: the old game was booked and
// its table discarded, so nothing is in play on the empty table (a save or an
// exit would otherwise write, and later book, an empty game).
TEST_F(GameFlow, AReplayTheModuleRefusesEndsTheGameInPlay)
{
    ChooseAndDeal(0);
    ASSERT_EQ(core.state.gameInPlay, 1u);
    fake.newGame = [] { return int32_t{0}; };
    modules::Deal(core);
    EXPECT_EQ(core.state.gameInPlay, 0u);
    EXPECT_FALSE(core.flow.scorePending);
    EXPECT_EQ(core.modules.rows[0].score.played, 1) << "the game that was in play is booked once";
    modules::Deal(core);
    EXPECT_EQ(core.modules.rows[0].score.played, 1);
}

TEST_F(GameFlow, EveryGameIsBookedOnce)
{
    struct Case {
        const char* what;
        std::vector<int16_t> scores;  // one deal each, abandoned by the next
        core::ScoreRecord record;
    };
    const Case cases[] = {
        {"one game", {7}, {1, 0, 7, 7}},
        {"a better and a worse game", {7, 12, 3}, {3, 0, 22, 12}},
        {"a negative score never becomes the best while the best is 0 or more", {-5}, {1, 0, -5, 0}},
    };
    for (const Case& c : cases) {
        core.modules.rows[0].score = {};
        core.flow.currentModule = -1;
        ChooseAndDeal(0);
        for (size_t i = 0; i < c.scores.size(); ++i) {
            fake.score = c.scores[i];
            if (i + 1 < c.scores.size()) modules::Deal(core);
        }
        modules::ChooseGame(core, 0);  // abandons the last deal
        modules::ChooseGame(core, 0);  // no deal in play: books nothing
        EXPECT_EQ(core.modules.rows[0].score, c.record) << c.what;
    }
}

namespace {
// Remembers the module's wins when the game-over dialog opens.
struct DialogSeam : headless::RecordingSeam {
    core::HostCore* core = nullptr;
    int winsAtDialog = -1;
    void ShowGameOver(bool won) override
    {
        RecordingSeam::ShowGameOver(won);
        winsAtDialog = core->modules.rows[0].score.wins;
    }
};
}  // namespace

TEST(GameOver, WinningCountsOnceRaisesWinsBeforeTheDialogAndBooksAfterIt)
{
    DialogSeam seam;
    core::HostCore core(seam);
    seam.core = &core;
    seam.paint = &core.paint;
    seam.fittedClient = core::Extent{300, 332};  // a window narrower than the table
    FakeModule fake;
    fake.Install(core);
    ASSERT_TRUE(modules::ChooseGame(core, 0));
    modules::Deal(core);
    fake.score = 40;

    modules::HandleServiceMessage(core, HM_GAMEWON, 0, 0);
    modules::HandleServiceMessage(core, HM_GAMEWON, 0, 0);
    modules::HandleServiceMessage(core, HM_GAMELOST, 0, 0);
    EXPECT_EQ(seam.winsAtDialog, 1);
    EXPECT_EQ(core.modules.rows[0].score, (core::ScoreRecord{1, 1, 40, 40}));
    EXPECT_EQ(seam.Count(SeamCall::ShowGameOver), 1);
    const auto sounds = seam.Calls(SeamCall::PlaySound);
    ASSERT_EQ(sounds.size(), 1u) << "the second win and the loss play nothing";
    EXPECT_EQ(sounds.back().sound, Sound::Win);
    EXPECT_EQ(sounds.back().mode, core::SoundMode::Async);
    EXPECT_STREQ(core.state.messageText, "Game Over");
    EXPECT_EQ(seam.Calls(SeamCall::Invalidate).back().rect, (table::Rect{220, 0, 300, 32}))
        << "the message area, to the window's right edge";
    EXPECT_EQ(core.state.gameInPlay, 0u);
}

// Every booking hands the rows' records on to be kept (the score file) at
// once, with the booked game already in them and before anything else is
// done to the game: killed right after, the program loses no booked deal.
TEST_F(GameFlow, EveryBookingIsKeptAtOnceWithTheBookedGameInIt)
{
    using C = SeamCall;
    using Rows = std::vector<core::ScoreRecord>;
    auto index = [&](C call) {
        for (size_t i = 0; i < seam.events.size(); ++i)
            if (seam.events[i].call == call) return static_cast<int>(i);
        return -1;
    };
    ChooseAndDeal(0);
    fake.score = 9;
    seam.Clear();
    modules::Deal(core);  // abandons the deal on the table
    ASSERT_EQ(seam.Count(C::ScoresChanged), 1);
    EXPECT_EQ(seam.events.front().call, C::ScoresChanged) << "kept before the table is discarded";
    EXPECT_EQ(seam.events.front().scores, (Rows{{1, 0, 9, 9}, {}}));

    fake.score = 4;
    seam.Clear();
    ASSERT_TRUE(modules::ChooseGame(core, 1));  // abandons it for another game
    ASSERT_EQ(seam.Count(C::ScoresChanged), 1);
    EXPECT_EQ(seam.events.front().call, C::ScoresChanged);
    EXPECT_EQ(seam.events.front().scores, (Rows{{2, 0, 13, 9}, {}}));

    // Nothing was dealt since: choosing again books nothing and keeps nothing.
    seam.Clear();
    ASSERT_TRUE(modules::ChooseGame(core, 1));
    EXPECT_EQ(seam.Count(C::ScoresChanged), 0);

    // A win: its dialog first, then the booking with the win in it, then
    // "Game Over"; a second end of the same game keeps nothing.
    seam.posted.clear();
    modules::Deal(core);
    fake.score = 30;
    seam.Clear();
    modules::GameOver(core, true);
    modules::GameOver(core, false);
    ASSERT_EQ(seam.Count(C::ScoresChanged), 1);
    EXPECT_LT(index(C::ShowGameOver), index(C::ScoresChanged));
    EXPECT_LT(index(C::ScoresChanged), index(C::Invalidate));
    EXPECT_EQ(seam.Calls(C::ScoresChanged).at(0).scores, (Rows{{2, 0, 13, 9}, {1, 1, 30, 30}}));

    // A load books the deal in play before it opens the file, so even a
    // load that fails keeps the booked game before its message shows.
    modules::Deal(core);
    seam.Clear();
    persistence::NativeGameMemory memory;
    EXPECT_EQ(persistence::LoadGameFile(core, memory, nullptr, "gone.tsg"), persistence::LoadError::CannotOpen);
    ASSERT_EQ(seam.Count(C::ScoresChanged), 1);
    EXPECT_LT(index(C::ScoresChanged), index(C::ShowMessage));
    EXPECT_EQ(seam.Calls(C::ScoresChanged).at(0).scores, (Rows{{2, 0, 13, 9}, {2, 1, 60, 30}}));
}

TEST_F(GameFlow, LosingPlaysTheLoseSoundAndRaisesNoWins)
{
    ChooseAndDeal(0);
    core.state.sounds = 0;
    modules::GameOver(core, false);
    EXPECT_EQ(core.modules.rows[0].score, (core::ScoreRecord{1, 0, 0, 0}));
    for (const SeamEvent& e : seam.Calls(SeamCall::PlaySound)) EXPECT_NE(e.sound, Sound::Lose);
    EXPECT_FALSE(seam.Calls(SeamCall::ShowGameOver).at(0).flag);
}

TEST_F(GameFlow, UndoExchangesTextsScoresAndStacksBothWays)
{
    ChooseAndDeal(0);
    interaction::Undo(core);
    EXPECT_EQ(fake.Calls("Undo"), 0) << "no snapshot right after a deal";

    CardStack* s = AddStack(0, 0, TS_FAN_DOWN, 5, {{1}});
    modules::SetScoreText(core, "Score 1");
    core.modules.rows[0].score.wins = 3;
    interaction::ArmUndo(core);
    CardPlacement p{s, 0, 0, 2, 0};
    modules::HandleServiceMessage(core, HM_ADDCARD, 0, reinterpret_cast<intptr_t>(&p));
    modules::SetScoreText(core, "Score 2");
    core.modules.rows[0].score.wins = 4;

    seam.Clear();
    interaction::Undo(core);
    EXPECT_EQ(Images(*s), std::vector<int16_t>{1});
    EXPECT_STREQ(core.state.scoreText, "Score 1");
    EXPECT_EQ(core.modules.rows[0].score.wins, 3);
    EXPECT_EQ(fake.Calls("Undo"), 1);
    const auto client = seam.Calls(SeamCall::InvalidateClient);
    ASSERT_EQ(client.size(), 1u);
    EXPECT_FALSE(client[0].flag);
    EXPECT_TRUE(seam.Calls(SeamCall::RepaintNow).at(0).flag) << "the table is redrawn";

    interaction::Undo(core);  // the undone move returns
    EXPECT_EQ(Images(*s), (std::vector<int16_t>{1, 2}));
    EXPECT_STREQ(core.state.scoreText, "Score 2");
    EXPECT_EQ(core.modules.rows[0].score.wins, 4);

    modules::GameOver(core, false);
    const int undos = fake.Calls("Undo");
    interaction::Undo(core);
    EXPECT_EQ(fake.Calls("Undo"), undos) << "no undo after game over";
}

TEST_F(GameFlow, AutoplayRunsOnlyWithAModuleAutoPlayAndAGameInPlay)
{
    struct Case {
        int16_t module;
        uint32_t autoPlay, inPlay;
        bool runs;
    };
    const Case cases[] = {
        {0, 1, 1, true}, {0, 0, 1, false}, {0, 1, 0, false}, {-1, 1, 1, false}, {5, 1, 1, false},
    };
    for (const Case& c : cases) {
        fake.calls.clear();
        core.flow.currentModule = c.module;
        core.state.autoPlay = c.autoPlay;
        core.state.gameInPlay = c.inPlay;
        core::AutoPlayStep(core);
        EXPECT_EQ(fake.Calls("AutoPlay"), c.runs ? 1 : 0) << c.module << " " << c.autoPlay << " " << c.inPlay;
    }
}

TEST_F(GameFlow, TogglingAutoPlayChecksTheItemAndPlaysAtOnce)
{
    ChooseAndDeal(0);
    seam.Clear();
    fake.calls.clear();
    modules::ToggleAutoPlay(core);
    EXPECT_EQ(core.state.autoPlay, 1u);
    EXPECT_EQ(fake.calls, std::vector<std::string>{"AutoPlay"});
    modules::ToggleAutoPlay(core);
    EXPECT_EQ(fake.calls, std::vector<std::string>{"AutoPlay"});
    const auto checks = seam.Calls(SeamCall::CheckMenuItem);
    ASSERT_EQ(checks.size(), 2u);
    EXPECT_EQ(checks[0].number, 108);
    EXPECT_TRUE(checks[0].flag);
    EXPECT_FALSE(checks[1].flag);
}

TEST_F(GameFlow, OptionCommandsReachOnlyTheOptionsTheModuleAdded)
{
    ChooseAndDeal(0);
    int32_t chosen = -1;
    fake.optionSelected = [&](int32_t o) { chosen = o; };
    modules::AddOptionItem(core, 0, "Draw one");
    modules::AddOptionItem(core, 1, "Draw three");
    EXPECT_FALSE(modules::SelectOption(core, 5002)) << "one past the last";
    EXPECT_FALSE(modules::SelectOption(core, 4999));
    EXPECT_TRUE(modules::SelectOption(core, 5001));
    EXPECT_EQ(chosen, 1);

    core.flow.currentModule = -1;  // no game: the call layer calls nothing
    fake.calls.clear();
    core::CallOptionSelected(core, 0);
    core::CallStackChanged(core, nullptr);
    core::CallDoubleClick(core, nullptr, 0);
    EXPECT_EQ(core::CallMouseHit(core, nullptr, 0), TS_HIT_NOTHING);
    EXPECT_EQ(core::CallOkToDropCards(core, nullptr, nullptr), 0);
    EXPECT_TRUE(fake.calls.empty());
}
