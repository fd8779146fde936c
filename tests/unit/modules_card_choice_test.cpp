#include <gtest/gtest.h>

#include "core_fixture.h"
#include "modules/card_choice.h"

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
        {0, true, true, CardSize::Small, false}, {1, true, true, CardSize::Large, false},
        {0, false, true, CardSize::Large, true}, {1, true, false, CardSize::Small, true},
    };
    for (const Case& c : cases) {
        const modules::LoadedCardSize r = modules::CardSizeForLoadedGame(c.saved, c.small, c.large);
        EXPECT_EQ(r.size, c.size) << c.saved << c.small << c.large;
        EXPECT_EQ(r.rescale, c.rescale) << c.saved << c.small << c.large;
    }
}
