// Where the table lies in the client area: the core asks the window for the
// table's size in pixels of the card size in use, and centres the table in
// whatever client area the window reports back.
#include <gtest/gtest.h>

#include <vector>

#include "core/host_core.h"
#include "core_fixture.h"

using headless::SeamCall;
using table::CardSize;
using table::Point;
using testing_core::CoreFixture;

TEST(WindowFit, TheCoreCentresTheTableInTheClientAreaTheWindowGot)
{
    struct Case {
        const char* what;
        CardSize size;
        int32_t smallWidth, smallHeight;
        core::Extent asked;   // what the window is asked to hold (without the strip)
        core::Extent client;  // what the window reports
        Point origin;
    };
    const Case cases[] = {
        {"a window that fits exactly", CardSize::Small, 400, 300, {400, 300}, {400, 332}, {0, 32}},
        {"a maximised window: centred below the strip", CardSize::Small, 400, 300, {400, 300}, {800, 632}, {200, 182}},
        {"large cards ask for half as much again", CardSize::Large, 400, 300, {600, 450}, {600, 482}, {0, 32}},
        {"scaling rounds toward zero", CardSize::Large, 401, 301, {601, 451}, {603, 485}, {1, 33}},
        {"a window cut by the work area: pinned, never negative",
         CardSize::Large,
         400,
         300,
         {600, 450},
         {500, 400},
         {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CoreFixture f;
        f.core.state.cardSize = static_cast<int16_t>(c.size);
        f.core.view.cards = table::GeometryFor(c.size);
        f.seam.fittedClient = c.client;

        core::FitWindowToTable(f.core, c.smallWidth, c.smallHeight);

        const auto fits = f.seam.Calls(SeamCall::FitWindowToTable);
        ASSERT_EQ(fits.size(), 1u);
        EXPECT_EQ(fits[0].number, c.asked.width);
        EXPECT_EQ(fits[0].number2, c.asked.height);
        EXPECT_EQ(fits[0].flag, c.size == CardSize::Large) << "the window warns about large cards only";
        EXPECT_EQ(f.core.tableExtent, c.asked);
        EXPECT_EQ(f.core.clientWidth, c.client.width);
        EXPECT_EQ(f.core.clientHeight, c.client.height);
        EXPECT_EQ(f.core.view.origin, c.origin);
    }
}

TEST(WindowFit, TheFittedWindowIsErasedAndRepaintedWhole)
{
    core::PaintFlags atRepaint;
    struct SeeingSeam : headless::RecordingSeam {
        core::PaintFlags* seen = nullptr;
        void RepaintNow() override
        {
            *seen = *paint;
            RecordingSeam::RepaintNow();
        }
    };
    SeeingSeam seam;
    seam.seen = &atRepaint;
    core::HostCore core{seam};
    seam.paint = &core.paint;

    core::FitWindowToTable(core, 400, 300);
    std::vector<SeamCall> calls;
    for (const auto& e : seam.events) calls.push_back(e.call);
    EXPECT_EQ(calls,
              (std::vector<SeamCall>{SeamCall::FitWindowToTable, SeamCall::InvalidateClient, SeamCall::RepaintNow}));
    EXPECT_TRUE(seam.Calls(SeamCall::InvalidateClient).at(0).flag) << "erased";
    EXPECT_TRUE(atRepaint.fullRepaint) << "the back buffer is rebuilt whole for the new origin";
}

TEST(WindowFit, AResizedWindowKeepsTheTableCentredAndANewWindowHoldsItBelowTheStrip)
{
    CoreFixture f;
    core::WindowMade(f.core, 640, 480);
    EXPECT_EQ(f.core.tableExtent, (core::Extent{640, 448})) << "no game fitted yet: the table fills the client area";
    EXPECT_EQ(f.core.view.origin, (Point{0, 32}));
    EXPECT_TRUE(f.seam.events.empty()) << "the window reported its size; nothing is asked of it";

    f.core.paint = {};
    core::ClientResized(f.core, 800, 600);  // the player maximised the window
    EXPECT_EQ(f.core.view.origin, (Point{80, 92}));
    EXPECT_EQ(f.core.clientWidth, 800);
    EXPECT_EQ(f.core.clientHeight, 600);
    EXPECT_TRUE(f.core.paint.fullRepaint);

    f.seam.fittedClient = core::Extent{500, 400};
    core::FitWindowToTable(f.core, 300, 200);
    core::ClientResized(f.core, 700, 500);  // and restored it larger than the fit
    EXPECT_EQ(f.core.view.origin, (Point{200, 166})) << "the fitted table's extent is kept: (500 - 200 - 32) / 2 + 32";
}
