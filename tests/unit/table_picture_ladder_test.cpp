#include <gtest/gtest.h>

#include <vector>

#include "table/picture_ladder.h"
#include "table/picture_resample.h"

namespace {

using table::ChoosePicture;
using table::PictureChoice;
using table::PictureFit;
using table::PictureSize;

// The small cards' ladder as the card library stores it: the numbered
// bitmap, then 125, 150, 175, 200, 250 and 300 %.
const std::vector<PictureSize> kSmallLadder = {{45, 63},   {56, 79},   {68, 95},  {79, 110},
                                               {90, 126}, {113, 158}, {135, 189}};

TEST(PictureLadder, ChoosesTheSmallestStoredSizeThatCoversTheDrawnOne)
{
    struct Case {
        PictureSize wanted;
        PictureChoice expected;
    };
    const Case cases[] = {
        {{45, 63}, {0, PictureFit::Exact}},     // 100 %: the numbered bitmap
        {{56, 79}, {1, PictureFit::Exact}},     // 125 %
        {{90, 126}, {4, PictureFit::Exact}},    // 200 %
        {{135, 189}, {6, PictureFit::Exact}},   // 300 %
        {{44, 62}, {0, PictureFit::Shrink}},    // below 100 %: shrunk, never from a larger step
        {{46, 63}, {1, PictureFit::Shrink}},    // one pixel wider than 100 %: the next step down
        {{56, 80}, {2, PictureFit::Shrink}},    // one side too high is enough to go up
        {{63, 88}, {2, PictureFit::Shrink}},    // 140 %
        {{101, 141}, {5, PictureFit::Shrink}},  // 225 %
        {{136, 190}, {6, PictureFit::Enlarge}}, // beyond the ladder: the largest, enlarged
        {{400, 560}, {6, PictureFit::Enlarge}},
        {{0, 63}, {}},
        {{45, -1}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChoosePicture(kSmallLadder.data(), kSmallLadder.size(), c.wanted), c.expected)
            << c.wanted.width << " x " << c.wanted.height;
}

TEST(PictureLadder, ReliesOnTheSizesNotOnTheirOrderAndSkipsBrokenOnes)
{
    // Someone else's library: the numbered bitmap only, at whatever size it has.
    const PictureSize only[] = {{71, 96}};
    EXPECT_EQ(ChoosePicture(only, 1, {67, 94}), (PictureChoice{0, PictureFit::Shrink}));
    EXPECT_EQ(ChoosePicture(only, 1, {134, 188}), (PictureChoice{0, PictureFit::Enlarge}));
    const PictureSize shuffled[] = {{200, 280}, {0, 0}, {100, 140}, {-5, 300}, {150, 210}};
    EXPECT_EQ(ChoosePicture(shuffled, 5, {120, 168}), (PictureChoice{4, PictureFit::Shrink}));
    EXPECT_EQ(ChoosePicture(shuffled, 5, {90, 126}), (PictureChoice{2, PictureFit::Shrink}));
    EXPECT_EQ(ChoosePicture(shuffled, 5, {250, 350}), (PictureChoice{0, PictureFit::Enlarge}));
    const PictureSize broken[] = {{0, 63}, {45, 0}};
    EXPECT_EQ(ChoosePicture(broken, 2, {45, 63}), PictureChoice{});
    EXPECT_EQ(ChoosePicture(nullptr, 0, {45, 63}), PictureChoice{});
}

TEST(PictureLadder, ScaleListIsReadAsFarAsItMakesSense)
{
    struct Case {
        std::vector<uint8_t> bytes;
        std::vector<int32_t> expected;
    };
    const Case cases[] = {
        {{125, 0, 150, 0, 175, 0, 200, 0, 250, 0, 44, 1}, {125, 150, 175, 200, 250, 300}},
        {{}, {}},
        {{150}, {}},                          // half a number
        {{150, 0, 200}, {150}},               // and a half at the end
        {{100, 0, 150, 0}, {}},               // 100 % is the numbered bitmap itself
        {{150, 0, 125, 0, 200, 0}, {150}},    // not ascending: the list ends
        {{150, 0, 150, 0}, {150}},
        {{200, 0, 0x21, 0x03}, {200}},        // 801 %
        {{0xFF, 0xFF}, {}},
    };
    for (const Case& c : cases) {
        const table::ScaleList list = table::ReadScaleList(c.bytes.data(), c.bytes.size());
        EXPECT_EQ(std::vector<int32_t>(list.percents.begin(), list.percents.begin() + list.count), c.expected);
    }
    std::vector<uint8_t> many;
    for (int p = 101; p < 130; ++p) many.insert(many.end(), {static_cast<uint8_t>(p), 0});
    EXPECT_EQ(table::ReadScaleList(many.data(), many.size()).count, table::kMaxScales);
    EXPECT_EQ(table::ReadScaleList(nullptr, 8).count, 0u);
}

TEST(PictureLadder, NamesAndSizesOfStoredPictures)
{
    EXPECT_EQ(table::ScaledPictureName(150, 3001), "S150_3001");
    EXPECT_EQ(table::ScaledPictureName(300, "UPBUTTONS"), "S300_UPBUTTONS");
    EXPECT_EQ(table::ScaledLength(45, 125), 56);
    EXPECT_EQ(table::ScaledLength(63, 125), 79);
    EXPECT_EQ(table::ScaledLength(67, 150), 101);  // 100.5 rounds up
    EXPECT_EQ(table::ScaledLength(32, 175), 56);

    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R',
                                0, 0, 0, 201, 0, 0, 1, 26, 8, 3, 0, 0, 0};
    PictureSize size;
    ASSERT_TRUE(table::ReadPngSize(png.data(), png.size(), &size));
    EXPECT_EQ(size, (PictureSize{201, 282}));
    EXPECT_FALSE(table::ReadPngSize(png.data(), png.size() - 1, &size));  // header cut short
    std::vector<uint8_t> bad = png;
    bad[1] = 'Q';
    EXPECT_FALSE(table::ReadPngSize(bad.data(), bad.size(), &size));
    bad = png;
    bad[12] = 'X';  // the first chunk is not the header
    EXPECT_FALSE(table::ReadPngSize(bad.data(), bad.size(), &size));
    bad = png;
    bad[19] = 0;  // width 0
    EXPECT_FALSE(table::ReadPngSize(bad.data(), bad.size(), &size));
    bad = png;
    bad[20] = 0x7F;  // a height no picture of ours has
    EXPECT_FALSE(table::ReadPngSize(bad.data(), bad.size(), &size));
}

// ---------------------------------------------------------------------------
// Resampling

uint32_t Grey(int v) { return 0xFF000000u | (uint32_t(v) << 16) | (uint32_t(v) << 8) | uint32_t(v); }
int GreyOf(uint32_t p) { return static_cast<int>(p & 0xFF); }

table::PixelPicture Picture(int32_t w, int32_t h, uint32_t (*at)(int32_t x, int32_t y))
{
    table::PixelPicture p{w, h, {}};
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) p.pixels.push_back(at(x, y));
    return p;
}

TEST(PictureResample, SameSizeAndFlatPicturesComeBackUnchanged)
{
    const auto ramp = Picture(7, 5, [](int32_t x, int32_t y) { return 0x80000000u | uint32_t(x * 30) << 8 | uint32_t(y * 50); });
    EXPECT_EQ(table::Resample(ramp, 7, 5).pixels, ramp.pixels);
    const auto flat = Picture(135, 189, [](int32_t, int32_t) { return 0xFF3C8214u; });
    for (auto [w, h] : {std::pair{113, 158}, {45, 63}, {1, 1}, {270, 378}})
        for (uint32_t p : table::Resample(flat, w, h).pixels) ASSERT_EQ(p, 0xFF3C8214u) << w << " x " << h;
}

TEST(PictureResample, ShrinkingAveragesTheAreaEachNewPixelCovers)
{
    // Halving: each new pixel is the mean of a 2 x 2 block.
    const auto cells = Picture(4, 2, [](int32_t x, int32_t y) { return Grey(x * 40 + y * 100); });
    const auto half = table::Resample(cells, 2, 1);
    ASSERT_EQ(half.pixels.size(), 2u);
    EXPECT_EQ(GreyOf(half.pixels[0]), (0 + 40 + 100 + 140) / 4);
    EXPECT_EQ(GreyOf(half.pixels[1]), (80 + 120 + 180 + 220) / 4);
    // Five to four: each new pixel covers 1.25 source pixels; the first
    // takes all of pixel 0 (0) and a quarter of pixel 1 (200), the second
    // three quarters of pixel 1 and half of pixel 2 (0).
    const auto stripes = Picture(5, 1, [](int32_t x, int32_t) { return Grey(x % 2 ? 200 : 0); });
    const auto four = table::Resample(stripes, 4, 1);
    const int expected[4] = {40, 120, 120, 40};
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(GreyOf(four.pixels[static_cast<size_t>(i)]), expected[i], 1) << i;
    // A shrink keeps the picture's mean: a card's ink does not fade or darken.
    const auto noise = Picture(201, 282, [](int32_t x, int32_t y) { return Grey((x * 37 + y * 91) % 256); });
    for (auto [w, h] : {std::pair{168, 235}, {135, 189}, {100, 141}}) {
        const auto small = table::Resample(noise, w, h);
        double before = 0, after = 0;
        for (uint32_t p : noise.pixels) before += GreyOf(p);
        for (uint32_t p : small.pixels) after += GreyOf(p);
        EXPECT_NEAR(before / static_cast<double>(noise.pixels.size()), after / static_cast<double>(small.pixels.size()), 0.5) << w << " x " << h;
    }
}

TEST(PictureResample, EnlargingInterpolatesBetweenPixelCentresAndKeepsTheEdges)
{
    const auto two = Picture(2, 1, [](int32_t x, int32_t) { return Grey(x ? 200 : 0); });
    const auto four = table::Resample(two, 4, 1);
    // Centres of the new pixels at -0.25, 0.25, 0.75, 1.25 source pixels.
    const int expected[4] = {0, 50, 150, 200};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(GreyOf(four.pixels[static_cast<size_t>(i)]), expected[i]) << i;
    // One side grows while the other shrinks.
    const auto tall = Picture(2, 4, [](int32_t x, int32_t y) { return Grey(x * 100 + (y / 2) * 50); });
    const auto wide = table::Resample(tall, 4, 2);
    EXPECT_EQ(GreyOf(wide.pixels[0]), 0);
    EXPECT_EQ(GreyOf(wide.pixels[3]), 100);
    EXPECT_EQ(GreyOf(wide.pixels[4]), 50);
    EXPECT_EQ(GreyOf(wide.pixels[7]), 150);
}

TEST(PictureResample, RefusesEmptyOrShortPictures)
{
    EXPECT_TRUE(table::Resample({}, 10, 10).pixels.empty());
    EXPECT_TRUE(table::Resample({4, 4, std::vector<uint32_t>(15)}, 2, 2).pixels.empty());
    EXPECT_TRUE(table::Resample({4, 4, std::vector<uint32_t>(16)}, 0, 2).pixels.empty());
}

}  // namespace
