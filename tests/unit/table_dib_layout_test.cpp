#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "table/dib_layout.h"

namespace {

using table::ColourTableLength;
using table::ReadDibLayout;

void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// A packed bitmap: header, `colours` table entries, then `bitsBytes` of pixels.
std::vector<uint8_t> Dib(int32_t w, int32_t h, uint16_t bpp, uint32_t used, size_t colours, size_t bitsBytes,
                         uint32_t headerSize = 40, uint32_t compression = 0)
{
    std::vector<uint8_t> b(headerSize + 4 * colours + bitsBytes, 0);
    Put32(b, 0, headerSize);
    Put32(b, 4, static_cast<uint32_t>(w));
    Put32(b, 8, static_cast<uint32_t>(h));
    b[12] = 1;
    b[14] = static_cast<uint8_t>(bpp);
    Put32(b, 16, compression);
    Put32(b, 32, used);
    return b;
}

TEST(DibLayout, ColourTableLengthFollowsTheUsedCountOrTheDepth)
{
    struct Case {
        uint16_t bpp;
        uint32_t used;
        uint32_t expected;
    };
    for (Case c : {Case{1, 0, 2}, Case{4, 0, 16}, Case{8, 0, 256}, Case{24, 0, 0}, Case{16, 0, 0}, Case{32, 0, 0},
                   Case{4, 5, 5}, Case{8, 16, 16}, Case{24, 3, 3}}) {
        EXPECT_EQ(ColourTableLength(c.bpp, c.used), c.expected) << c.bpp << " bpp, " << c.used << " used";
    }
}

TEST(DibLayout, BitsStartAfterHeaderAndColourTable)
{
    struct Case {
        int32_t w, h;
        uint16_t bpp;
        uint32_t used;
        size_t colours;
        size_t bits;
        size_t offset;
    };
    // 16 colours with 0 used: a 16-entry table; 24 bits: none; a used count wins.
    for (Case c : {Case{100, 71, 4, 0, 16, 52 * 71, 40 + 64}, Case{45, 63, 24, 0, 0, 136 * 63, 40},
                   Case{8, 2, 4, 3, 3, 4 * 2, 40 + 12}, Case{32, 1, 1, 0, 2, 4, 40 + 8},
                   Case{4, 4, 8, 0, 256, 16, 40 + 1024}, Case{4, -4, 8, 0, 256, 16, 40 + 1024}}) {
        const auto b = Dib(c.w, c.h, c.bpp, c.used, c.colours, c.bits);
        const auto d = ReadDibLayout(b.data(), b.size());
        EXPECT_TRUE(d.valid) << c.w << "x" << c.h << "@" << c.bpp;
        EXPECT_EQ(d.bitsOffset, c.offset) << c.w << "x" << c.h << "@" << c.bpp;
        EXPECT_EQ(d.width, c.w);
        EXPECT_EQ(d.height, c.h);
    }
}

TEST(DibLayout, LongerHeadersAndColourMasksMoveTheBits)
{
    const auto v5 = Dib(2, 2, 24, 0, 0, 16, 124);
    EXPECT_EQ(ReadDibLayout(v5.data(), v5.size()).bitsOffset, 124u);
    const auto masks = Dib(2, 2, 16, 0, 3, 8, 40, 3);  // three masks after a 40-byte header
    const auto d = ReadDibLayout(masks.data(), masks.size());
    EXPECT_TRUE(d.valid);
    EXPECT_EQ(d.bitsOffset, 52u);
}

TEST(DibLayout, ShortOrInconsistentDataIsRefused)
{
    auto good = Dib(45, 63, 24, 0, 0, 136 * 63);
    ASSERT_TRUE(ReadDibLayout(good.data(), good.size()).valid);
    // Every cut shorter than the whole bitmap is refused.
    for (size_t cut : {size_t{0}, size_t{39}, size_t{40}, good.size() - 1})
        EXPECT_FALSE(ReadDibLayout(good.data(), cut).valid) << cut << " bytes";
    EXPECT_FALSE(ReadDibLayout(nullptr, 100).valid);

    auto tooManyColours = Dib(2, 2, 8, 300, 0, 8);
    EXPECT_FALSE(ReadDibLayout(tooManyColours.data(), tooManyColours.size()).valid);
    auto tableBeyondEnd = Dib(16, 1, 4, 0, 4, 8);  // 16 entries needed, 4 present
    EXPECT_FALSE(ReadDibLayout(tableBeyondEnd.data(), tableBeyondEnd.size()).valid);
    auto shortHeader = Dib(2, 2, 24, 0, 0, 16);
    Put32(shortHeader, 0, 12);
    EXPECT_FALSE(ReadDibLayout(shortHeader.data(), shortHeader.size()).valid);
    auto noWidth = Dib(0, 2, 24, 0, 0, 16);
    EXPECT_FALSE(ReadDibLayout(noWidth.data(), noWidth.size()).valid);
}

// A run-length encoded bitmap goes to the platform's decoder, which reads
// codes until the end of the bitmap: a stream that never ends inside the
// resource would be read past it.
TEST(DibLayout, RunLengthCodesMustEndInsideTheImageSize)
{
    struct Case {
        const char* what;
        std::vector<uint8_t> codes;
        bool fourBit;
        bool ends;
    };
    const Case cases[] = {
        {"runs, end of row, end of bitmap", {3, 7, 0, 0, 2, 9, 0, 1}, false, true},
        {"a jump", {0, 2, 5, 1, 0, 1}, false, true},
        {"3 literal bytes padded to 4", {0, 3, 1, 2, 3, 0, 0, 1}, false, true},
        {"5 literal 4-bit pixels in 3 bytes padded to 4", {0, 5, 0x12, 0x34, 0x50, 0, 0, 1}, true, true},
        {"no end code", {3, 7, 0, 0}, false, false},
        {"a literal run past the end", {0, 200, 1, 2, 0, 1}, false, false},
        {"a jump cut short", {0, 2, 5}, false, false},
        {"a lone byte", {0}, false, false},
        {"nothing", {}, false, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(table::RleStreamEnds(c.codes.data(), c.codes.size(), c.fourBit), c.ends) << c.what;

    // Whole bitmaps: the image size is checked against the data, and the
    // codes within it.
    const std::vector<uint8_t> codes = {4, 1, 0, 0, 4, 2, 0, 1};
    auto rle8 = Dib(4, 2, 8, 0, 256, codes.size(), 40, 1);
    std::copy(codes.begin(), codes.end(), rle8.end() - static_cast<long>(codes.size()));
    Put32(rle8, 20, static_cast<uint32_t>(codes.size()));
    EXPECT_TRUE(ReadDibLayout(rle8.data(), rle8.size()).valid);
    for (uint32_t wrongSize : {0u, 6u, 9u, 0xFFFFFFF0u}) {
        auto b = rle8;
        Put32(b, 20, wrongSize);
        EXPECT_FALSE(ReadDibLayout(b.data(), b.size()).valid) << "image size " << wrongSize;
    }
    auto wrongDepth = rle8;
    wrongDepth[14] = 4;
    EXPECT_FALSE(ReadDibLayout(wrongDepth.data(), wrongDepth.size()).valid) << "8-bit codes in a 4-bit bitmap";
    auto unknown = Dib(2, 2, 24, 0, 0, 16, 40, 4);
    EXPECT_FALSE(ReadDibLayout(unknown.data(), unknown.size()).valid) << "a compression the loader does not know";
}

}  // namespace
