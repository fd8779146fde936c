#include <gtest/gtest.h>

#include <cstdint>

#include "core/table_extent.h"
#include "shell/dialog_layout.h"
#include "shell/window_fit.h"

using shell::Delta;
using table::CardSize;
using table::Point;
using table::Rect;

namespace {
// What the platform's adjustment adds around a client area for the main
// window's style on a typical theme: 8-pixel borders, caption and menu.
Rect Adjusted(const Rect& client) { return {client.left - 8, client.top - 51, client.right + 8, client.bottom + 8}; }
}  // namespace

TEST(WindowFit, CentresTheWindowInTheWorkArea)
{
    const Rect work{0, 0, 1024, 740};
    const Rect client = shell::ClientRectForTable(500, 300);
    EXPECT_EQ(client, (Rect{0, 0, 500, 332}));
    const shell::WindowFit fit = shell::WindowRectForTable(work, Adjusted(client));
    // 516 x 391 centred: (1024 - 516) / 2 = 254, (740 - 391) / 2 = 174.
    EXPECT_EQ(fit.window, (Rect{254, 174, 770, 565}));
    EXPECT_FALSE(fit.tooLarge);
    EXPECT_EQ(core::PlaceTableOrigin(500, 332, {500, 300}), (Point{0, 32}));
}

TEST(WindowFit, CutsToTheWorkAreaAndWarnsBeyondATwentieth)
{
    struct Case {
        const char* what;
        Rect work;
        int32_t windowW, windowH;
        bool tooLarge;
        Rect window;
    };
    const Case cases[] = {
        {"5 % taller", {0, 0, 1000, 800}, 600, 840, false, {200, 0, 800, 800}},
        {"6 % taller", {0, 0, 1000, 800}, 600, 848, true, {200, 0, 800, 800}},
        {"exactly a twentieth wider", {0, 0, 1000, 800}, 1050, 400, false, {0, 200, 1000, 600}},
        {"wider by a twentieth and a pixel", {0, 0, 1000, 800}, 1051, 400, true, {0, 200, 1000, 600}},
        {"a work area off the origin", {100, 50, 1100, 850}, 400, 300, false, {400, 300, 800, 600}},
        {"an odd difference rounds toward zero", {0, 0, 1001, 801}, 400, 300, false, {300, 250, 700, 550}},
    };
    for (const Case& c : cases) {
        const shell::WindowFit fit = shell::WindowRectForTable(c.work, {0, 0, c.windowW, c.windowH});
        EXPECT_EQ(fit.tooLarge, c.tooLarge) << c.what;
        EXPECT_EQ(fit.window, c.window) << c.what;
    }
}

TEST(WindowFit, OnlyLargeCardsWarnAndNotRightAfterTheDisplayWarning)
{
    shell::WindowFit big;
    big.tooLarge = true;
    EXPECT_TRUE(shell::WarnTableTooLarge(big, CardSize::Large, false));
    EXPECT_FALSE(shell::WarnTableTooLarge(big, CardSize::Large, true));
    EXPECT_FALSE(shell::WarnTableTooLarge(big, CardSize::Small, false));
    EXPECT_FALSE(shell::WarnTableTooLarge(shell::WindowFit{}, CardSize::Large, false));
    EXPECT_EQ(core::TableExtent(400, 301, CardSize::Large).height, 451);
}

TEST(WindowFit, TableOriginIsCentredBelowTheStripAndNeverNegative)
{
    struct Case {
        int32_t cw, ch, tw, th;
        Point origin;
    };
    const Case cases[] = {
        {800, 632, 400, 300, {200, 182}},  // (632 - 300 - 32) / 2 + 32
        {300, 332, 400, 300, {0, 32}},     // narrower than the table: pinned left
        {400, 100, 400, 300, {0, 0}},      // (100 - 332) / 2 + 32 < 0
        {401, 333, 400, 300, {0, 32}},     // a 1-pixel remainder rounds toward zero
        {400, 300, 400, 300, {0, 16}},     // (300 - 332) / 2 = -16, + 32
        // Sizes a module may report, worked out without overflow.
        {800, 632, INT32_MIN, INT32_MIN, {800, 632}},
        {800, 632, INT32_MAX, INT32_MAX, {0, 0}},
        {800, 632, -10, 300, {405, 182}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(core::PlaceTableOrigin(c.cw, c.ch, {c.tw, c.th}), c.origin) << c.cw << "x" << c.ch;
}

TEST(DialogLayout, CentresOnTheDesktop)
{
    EXPECT_EQ(shell::CentreOnDesktop({0, 0, 1024, 768}, {5, 5, 205, 105}), (Point{412, 334}));
    EXPECT_EQ(shell::CentreOnDesktop({0, 0, 100, 100}, {0, 0, 301, 101}), (Point{-100, 0}));
}

TEST(DialogLayout, FittingThePictureMovesTheOtherControls)
{
    // A 325 x 349 picture control and a 320 x 329 picture.
    const Delta d = shell::FitToBitmap(320, 329, {6, 6, 331, 355});
    EXPECT_EQ(d, (Delta{-5, -20}));
    EXPECT_EQ(shell::ResizedDialog({100, 100, 439, 503}, d), (Rect{100, 100, 434, 483}));
    // The separator and the text lines move up 20 and 2 to the left (-5 / 2 rounds toward zero).
    EXPECT_EQ(shell::ShiftedControl({6, 360, 328, 362}, d, 328), (Rect{4, 340, 324, 342}));
    EXPECT_EQ(shell::ShiftedControl({20, 380, 300, 393}, d, 328), (Rect{18, 360, 298, 373}));
}

TEST(DialogLayout, ShiftedControlsKeepFourPixelsOnBothSides)
{
    struct Case {
        Rect control;
        Delta d;
        int32_t clientWidth;
        Rect shifted;
    };
    const Case cases[] = {
        {{10, 10, 110, 20}, {0, 0}, 50, {10, 10, 110, 20}},      // no fit: nothing moves
        {{3, 10, 103, 20}, {-4, 0}, 200, {4, 10, 101, 20}},      // left 1 becomes 4, width 100 - 3
        {{100, 10, 200, 20}, {10, 5}, 150, {105, 15, 146, 25}},  // cut 4 pixels before the right edge
        {{0, 0, 10, 10}, {-2, -2}, 100, {4, -2, 9, 8}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(shell::ShiftedControl(c.control, c.d, c.clientWidth), c.shifted)
            << c.control.left << "," << c.control.top;
}

TEST(DialogLayout, PictureIsCentredAndTheRaisedFrameIsFourRings)
{
    EXPECT_EQ(shell::CentredIn(325, 349, 320, 329), (Point{2, 10}));
    EXPECT_EQ(shell::CentredIn(300, 300, 320, 329), (Point{-10, -14}));

    const auto fills = shell::RaisedFrameFills({0, 0, 100, 50});
    EXPECT_EQ(fills[0].rect, (Rect{0, 0, 100, 1}));    // top, light
    EXPECT_EQ(fills[1].rect, (Rect{0, 0, 1, 50}));     // left, light
    EXPECT_EQ(fills[2].rect, (Rect{99, 1, 100, 50}));  // right, dark
    EXPECT_EQ(fills[3].rect, (Rect{1, 49, 100, 50}));  // bottom, dark
    EXPECT_EQ(fills[2].shade, shell::FrameShade::Dark);
    EXPECT_EQ(fills[1].shade, shell::FrameShade::Light);
    EXPECT_EQ(fills[15].rect, (Rect{4, 46, 97, 47}));  // fourth ring's bottom
}
