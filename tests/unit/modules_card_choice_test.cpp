#include <gtest/gtest.h>

#include "core_fixture.h"
#include "modules/card_choice.h"
#include "modules/game_flow.h"

using headless::SeamCall;
using table::CardSize;
using testing_core::CoreFixture;
using testing_core::FakeModule;

TEST(CardChoice, ACardSetRepaintsEveryStackOrNothing)
{
    CoreFixture f;
    f.AddStack(10, 10, TS_FAN_DOWN, 5, {{1, 1}, {2}});
    f.AddStack(100, 10, TS_FAN_SQUARED, 5);
    modules::SelectCardSet(f.core, 2, false);
    EXPECT_TRUE(f.seam.events.empty());
    EXPECT_EQ(f.core.faceMap[13], (table::FaceSlot{table::PictureGroup::SetAce, 2}));

    modules::SelectCardSet(f.core, 3, true);
    EXPECT_EQ(f.core.state.cardSet, 3);
    const auto inv = f.seam.Calls(SeamCall::Invalidate);
    ASSERT_EQ(inv.size(), 2u);
    EXPECT_EQ(inv[0].rect, (table::Rect{10, 42, 55, 115}));
    EXPECT_EQ(inv[1].rect, (table::Rect{100, 42, 145, 105}));
    EXPECT_TRUE(f.seam.Calls(SeamCall::RepaintNow).at(0).flag);
}

TEST(CardChoice, ANewSizeRescalesOnlyWhenTheOtherWasLoadedAndRefitsTheGame)
{
    struct Case {
        bool otherWasLoaded, relayout;
        int32_t x;
        int fits;
    };
    for (const Case c : {Case{true, true, 150, 1}, Case{false, true, 100, 1}, Case{true, false, 100, 0}}) {
        CoreFixture f;
        FakeModule fake;
        f.Play(fake);
        CardStack* s = f.AddStack(100, 0, TS_FAN_DOWN, 5);
        modules::CardSizeLoaded(f.core, CardSize::Large, c.otherWasLoaded, c.relayout);
        EXPECT_EQ(s->x, c.x);
        EXPECT_EQ(f.core.state.cardSize, 1);
        EXPECT_EQ(f.core.view.cards.width, 67);
        EXPECT_EQ(f.seam.Count(SeamCall::FitWindowToTable), c.fits);
    }
}

TEST(CardChoice, ASavedGameFallsBackToTheLibraryThatIsThere)
{
    struct Case {
        int16_t saved;
        bool small, large;
        CardSize size;
        bool rescale;
    };
    const Case cases[] = {
        {0, true, true, CardSize::Small, false},
        {1, true, true, CardSize::Large, false},
        {0, false, true, CardSize::Large, true},
        {1, true, false, CardSize::Small, true},
    };
    for (const Case& c : cases) {
        const modules::LoadedCardSize r = modules::CardSizeForLoadedGame(c.saved, c.small, c.large);
        EXPECT_EQ(r.size, c.size) << c.saved << c.small << c.large;
        EXPECT_EQ(r.rescale, c.rescale) << c.saved << c.small << c.large;
    }
}

TEST(CardChoice, TheCardSizeCommandLoadsThePicturesThenTheMenusAndTheWindowFollow)
{
    struct Case {
        const char* what;
        int loadedBefore;  // -1: none
        bool largeThere;
        bool game;
        bool accepted;
        int32_t x;                                // of a stack at 100 small pixels
        int loads, fits, checks, clientRepaints;  // whole-window repaints: a refit, or no game to fit
    };
    const Case cases[] = {
        {"already the size in use: nothing", 1, true, true, true, 100, 0, 0, 0, 0},
        {"from small: rescaled and refitted", 0, true, true, true, 150, 1, 1, 2, 1},
        {"first pictures: not rescaled", -1, true, true, true, 100, 1, 1, 2, 1},
        {"library missing: refused", 0, false, true, false, 100, 1, 0, 0, 0},
        {"no game: the empty table repainted", 0, true, false, true, 150, 1, 0, 2, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CoreFixture f;
        FakeModule fake;
        if (c.game) f.Play(fake);
        CardStack* s = f.AddStack(100, 0, TS_FAN_DOWN, 5);
        f.seam.loadedPictures = c.loadedBefore;
        f.seam.largeCardsAvailable = c.largeThere;
        f.core.state.cardSet = 2;
        f.core.faceMap = table::BuildFaceMap(0);

        EXPECT_EQ(modules::SelectCardSize(f.core, CardSize::Large, true), c.accepted);
        EXPECT_EQ(s->x, c.x);
        EXPECT_EQ(f.seam.Count(SeamCall::LoadCardPictures), c.loads);
        EXPECT_EQ(f.seam.Count(SeamCall::FitWindowToTable), c.fits);
        EXPECT_EQ(f.seam.Count(SeamCall::InvalidateClient), c.clientRepaints);
        const auto checks = f.seam.Calls(SeamCall::CheckMenuItem);
        ASSERT_EQ(static_cast<int>(checks.size()), c.checks);
        if (c.checks) {
            EXPECT_EQ(checks[0].number, modules::kCommandSmallCards);
            EXPECT_FALSE(checks[0].flag);
            EXPECT_EQ(checks[1].number, modules::kCommandLargeCards);
            EXPECT_TRUE(checks[1].flag);
        }
        const bool switched = c.accepted && c.loads == 1;
        EXPECT_EQ(f.core.view.cards.width, switched ? 67 : 45);
        // The face map follows the card set once new pictures are in.
        EXPECT_EQ(f.core.faceMap[13].index, switched ? 2 : 0);
    }
}

TEST(CardChoice, AFirstStartTakesSmallCardsWhenTheyAreThere)
{
    for (const bool smallThere : {true, false}) {
        CoreFixture f;
        f.seam.smallCardsAvailable = smallThere;
        f.core.state.cardSet = 3;
        modules::ChooseStartupCardSize(f.core);
        const int want = smallThere ? 0 : 1;
        EXPECT_EQ(f.core.state.cardSize, want);
        EXPECT_EQ(f.seam.loadedPictures, want);
        EXPECT_EQ(f.core.view.cards.width, smallThere ? 45 : 67);
        EXPECT_EQ(f.core.faceMap[13], (table::FaceSlot{table::PictureGroup::SetAce, 3}));
    }
}
