#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "furniture/strip_layout.h"

using table::Rect;

TEST(StripLayout, PressesLandOnTheThreeButtonsOnly)
{
    struct Case {
        int32_t x, y;
        int button;
    };
    const Case cases[] = {
        {0, 0, 0},     {54, 31, 0},  {55, 0, 1},    {109, 10, 1},
        {110, 10, 2},  {164, 31, 2}, {165, 10, -1},  // the score box is no button
        {300, 10, -1}, {10, 32, -1},
    };
    for (const Case& c : cases) EXPECT_EQ(furniture::ButtonAt(c.x, c.y), c.button) << c.x << "," << c.y;
}

TEST(StripLayout, ThePressedLookFollowsThePointerOnItsOwnButtonOnly)
{
    EXPECT_TRUE(furniture::OnButton(0, 54, 0));
    EXPECT_FALSE(furniture::OnButton(0, 100, 10)) << "over Replay Game";
    EXPECT_FALSE(furniture::OnButton(0, 10, 32));
    EXPECT_FALSE(furniture::OnButton(0, 10, -1));
    EXPECT_TRUE(furniture::OnButton(2, 110, 31));
    EXPECT_EQ(furniture::ButtonRect(1), (Rect{55, 0, 110, 32}));
}

TEST(StripLayout, ARepaintRedrawsOnlyThePartsOfTheStripItReaches)
{
    struct Case {
        Rect area;
        bool buttons, score, message;
    };
    const Case cases[] = {
        {{0, 32, 640, 480}, false, false, false},  // entirely below row 31
        {{0, 31, 640, 480}, true, true, true},     // touches row 31
        {{165, 0, 166, 10}, false, true, false},  {{0, 0, 165, 32}, true, false, false},
        {{200, 0, 221, 5}, false, true, true},
    };
    for (const Case& c : cases) {
        const furniture::StripParts p = furniture::StripPartsIn(c.area);
        EXPECT_EQ(p.buttons, c.buttons) << c.area.left << "," << c.area.top;
        EXPECT_EQ(p.score, c.score) << c.area.left << "," << c.area.top;
        EXPECT_EQ(p.message, c.message) << c.area.left << "," << c.area.top;
    }
    EXPECT_EQ(furniture::MessageTextRect(640), (Rect{220, 0, 640, 32}));
    EXPECT_EQ(furniture::ScoreTextRect(), (Rect{165, 0, 220, 32}));
}

TEST(StripLayout, TilesStartBelowTheStripAndCoverOnlyTheArea)
{
    std::vector<std::pair<int32_t, int32_t>> tiles;
    furniture::ForEachBackgroundTile(Rect{70, 100, 130, 150}, 64, 48,
                                     [&](int32_t x, int32_t y) { tiles.emplace_back(x, y); });
    // Columns 64 and 128 meet x 70..129; rows 80 and 128 meet y 100..149.
    const std::vector<std::pair<int32_t, int32_t>> expected = {{64, 80}, {128, 80}, {64, 128}, {128, 128}};
    EXPECT_EQ(tiles, expected);

    int count = 0;
    furniture::ForEachBackgroundTile(Rect{0, 0, 640, 32}, 64, 48, [&](int32_t, int32_t) { ++count; });
    EXPECT_EQ(count, 0) << "an area ending at row 32 shows no background";

    std::vector<int32_t> xs;
    furniture::ForEachMessageTile(Rect{0, 0, 481, 32}, [&](int32_t x) { xs.push_back(x); });
    EXPECT_EQ(xs, (std::vector<int32_t>{220, 350, 480}));
}

TEST(StripLayout, ThumbnailsAreCentredInWideItemsAndCutInNarrowOnes)
{
    struct Case {
        Rect item;
        furniture::ThumbnailCopy copy;
    };
    const Case cases[] = {
        {{10, 20, 96, 91}, {10, 20, 86, 71}},    // the measured 86 x 71 item: cut to its width
        {{10, 20, 110, 91}, {10, 20, 100, 71}},  // exactly 100 wide
        {{10, 20, 131, 91}, {20, 20, 100, 71}},  // 121 wide: (121 - 100) / 2 = 10 to the right
    };
    for (const Case& c : cases) {
        const furniture::ThumbnailCopy t = furniture::ThumbnailCopyFor(c.item);
        EXPECT_EQ(t.x, c.copy.x) << c.item.right;
        EXPECT_EQ(t.y, c.copy.y);
        EXPECT_EQ(t.width, c.copy.width) << c.item.right;
        EXPECT_EQ(t.height, c.copy.height);
    }
}
