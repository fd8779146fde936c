#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <zlib.h>

#include "table/png_reader.h"

namespace {

using Bytes = std::vector<uint8_t>;

void Put32(Bytes& b, uint32_t v)
{
    for (int s = 24; s >= 0; s -= 8) b.push_back(static_cast<uint8_t>(v >> s));
}

void Chunk(Bytes& out, const char* type, const Bytes& body)
{
    Put32(out, static_cast<uint32_t>(body.size()));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), body.begin(), body.end());
    Put32(out, static_cast<uint32_t>(crc32(0, out.data() + start, static_cast<uInt>(out.size() - start))));
}

Bytes Deflate(const Bytes& raw)
{
    uLongf n = compressBound(static_cast<uLong>(raw.size()));
    Bytes out(n);
    compress(out.data(), &n, raw.data(), static_cast<uLong>(raw.size()));
    out.resize(n);
    return out;
}

// A whole PNG file: `rows` are the filtered rows, each with its filter byte.
Bytes Png(uint32_t w, uint32_t h, uint8_t depth, uint8_t colourType, const Bytes& rows, const Bytes& palette = {},
          const Bytes& transparency = {}, uint8_t interlace = 0)
{
    Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes ihdr;
    Put32(ihdr, w);
    Put32(ihdr, h);
    ihdr.insert(ihdr.end(), {depth, colourType, 0, 0, interlace});
    Chunk(out, "IHDR", ihdr);
    if (!palette.empty()) Chunk(out, "PLTE", palette);
    if (!transparency.empty()) Chunk(out, "tRNS", transparency);
    Chunk(out, "tEXt", {'a', 0, 'b'});  // an ancillary chunk the reader skips
    const Bytes z = Deflate(rows);
    // The compressed data in two chunks, as writers may split it.
    Chunk(out, "IDAT", Bytes(z.begin(), z.begin() + static_cast<long>(z.size() / 2)));
    Chunk(out, "IDAT", Bytes(z.begin() + static_cast<long>(z.size() / 2), z.end()));
    Chunk(out, "IEND", {});
    return out;
}

uint32_t Bgra(int r, int g, int b, int a = 255)
{
    return (uint32_t(a) << 24) | (uint32_t(r) << 16) | (uint32_t(g) << 8) | uint32_t(b);
}

TEST(PngReader, ReadsEveryColourTypeAndEveryFilter)
{
    // RGB, 2 x 3, one row per filter kind: none, sub, up; then average and
    // Paeth in a second picture.
    const Bytes rgb = {0, 10, 20, 30, 40, 50, 60,      // none
                       1, 11, 21, 31, 5, 5, 5,         // sub: second pixel = first + 5
                       2, 1, 1, 1, 250, 250, 250};     // up: previous row + 1, - 6
    const table::PixelPicture p = table::ReadPng(Png(2, 3, 8, 2, rgb).data(), Png(2, 3, 8, 2, rgb).size());
    ASSERT_EQ(p.width, 2);
    ASSERT_EQ(p.height, 3);
    EXPECT_EQ(p.pixels, (std::vector<uint32_t>{Bgra(10, 20, 30), Bgra(40, 50, 60), Bgra(11, 21, 31), Bgra(16, 26, 36),
                                               Bgra(12, 22, 32), Bgra(10, 20, 30)}));
    const Bytes grey = {0, 100, 200, 3, 10, 10, 4, 1, 1};  // average: 100/2+10, (60+200)/2+10; Paeth
    const Bytes g = Png(2, 3, 8, 0, grey);
    const table::PixelPicture q = table::ReadPng(g.data(), g.size());
    ASSERT_EQ(q.pixels.size(), 6u);
    const int expected[6] = {100, 200, 60, 140, 61, 141};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(q.pixels[size_t(i)], Bgra(expected[i], expected[i], expected[i])) << i;

    // Palette at 4 bits (two pixels a byte, high nibble first) with
    // transparency, and at 8 bits; RGBA and grey with alpha.
    const Bytes pal = {255, 0, 0, 0, 255, 0, 0, 0, 255};
    const Bytes four = Png(3, 1, 4, 3, {0, 0x01, 0x20}, pal, {128});
    EXPECT_EQ(table::ReadPng(four.data(), four.size()).pixels,
              (std::vector<uint32_t>{Bgra(255, 0, 0, 128), Bgra(0, 255, 0), Bgra(0, 0, 255)}));
    const Bytes eight = Png(2, 1, 8, 3, {0, 2, 1}, pal);
    EXPECT_EQ(table::ReadPng(eight.data(), eight.size()).pixels, (std::vector<uint32_t>{Bgra(0, 0, 255), Bgra(0, 255, 0)}));
    const Bytes rgba = Png(1, 1, 8, 6, {0, 1, 2, 3, 4});
    EXPECT_EQ(table::ReadPng(rgba.data(), rgba.size()).pixels, std::vector<uint32_t>{Bgra(1, 2, 3, 4)});
    const Bytes ga = Png(1, 1, 8, 4, {0, 9, 99});
    EXPECT_EQ(table::ReadPng(ga.data(), ga.size()).pixels, std::vector<uint32_t>{Bgra(9, 9, 9, 99)});
}

TEST(PngReader, RefusesWhatItDoesNotTakeAndBrokenData)
{
    const Bytes pal = {255, 0, 0, 0, 255, 0};
    const Bytes good = Png(2, 1, 8, 3, {0, 1, 0}, pal);
    ASSERT_FALSE(table::ReadPng(good.data(), good.size()).pixels.empty());
    struct Case {
        std::string what;
        Bytes file;
    };
    std::vector<Case> cases = {
        {"interlaced", Png(2, 1, 8, 3, {0, 1, 0}, pal, {}, 1)},
        {"16 bits", Png(1, 1, 16, 2, {0, 1, 2, 3, 4, 5, 6})},
        {"index outside the palette", Png(2, 1, 8, 3, {0, 1, 2}, pal)},
        {"no palette", Png(2, 1, 8, 3, {0, 1, 0})},
        {"unknown filter", Png(2, 1, 8, 3, {5, 1, 0}, pal)},
        {"rows cut short", Png(2, 2, 8, 3, {0, 1, 0, 0}, pal)},
        {"grey at 4 bits", Png(2, 1, 4, 0, {0, 0x12})},
        {"palette of 3.3 entries", Png(2, 1, 8, 3, {0, 1, 0}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10})},
        {"a size above the limit", Png(4097, 4097, 8, 0, {0})},
    };
    Bytes cut = good;
    cut.resize(cut.size() - 12);  // no IEND
    cases.push_back({"no end", cut});
    Bytes crc = good;
    crc[40] ^= 1;  // a byte inside the palette: its checksum fails
    cases.push_back({"bad checksum", crc});
    Bytes big = good;
    big[33 + 3] = 0xFF;  // the length of the chunk after IHDR runs beyond the file
    cases.push_back({"chunk beyond the end", big});
    for (const Case& c : cases) EXPECT_TRUE(table::ReadPng(c.file.data(), c.file.size()).pixels.empty()) << c.what;
    // Every prefix of a good file is refused, none read past its end.
    for (size_t n = 0; n < good.size(); ++n) EXPECT_TRUE(table::ReadPng(good.data(), n).pixels.empty()) << n;
    EXPECT_TRUE(table::ReadPng(nullptr, 100).pixels.empty());
}

}  // namespace
