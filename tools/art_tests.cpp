// Tests of the picture and sound generator: file formats, the card library
// numbering, what a player must be able to read on the cards, seamless tiles
// and the program's bitmap sizes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <tuple>

#include "cards.h"
#include "furniture.h"
#include "png.h"
#include "raster.h"
#include "sounds.h"

using namespace art;

namespace {

uint32_t u32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (uint32_t(b[at + 3]) << 24);
}
uint16_t u16(const std::vector<uint8_t>& b, size_t at) { return uint16_t(b[at] | (b[at + 1] << 8)); }
int32_t s32(const std::vector<uint8_t>& b, size_t at) { return int32_t(u32(b, at)); }

// Reads back a BMP file as the program's loader does (bottom-up rows, colour
// table of 2^bits entries when the count is 0).
Raster read_bmp(const std::vector<uint8_t>& f) {
    EXPECT_EQ(f[0], 'B');
    EXPECT_EQ(f[1], 'M');
    EXPECT_EQ(u32(f, 2), f.size());
    const size_t info = 14;
    EXPECT_EQ(u32(f, info), 40u);
    int w = s32(f, info + 4), h = s32(f, info + 8), bits = u16(f, info + 14);
    EXPECT_EQ(u32(f, info + 16), 0u);  // uncompressed
    uint32_t used = u32(f, info + 32);
    size_t table = bits <= 8 ? (used ? used : (1u << bits)) : used;
    size_t pixels = info + 40 + 4 * table;
    EXPECT_EQ(u32(f, 10), pixels);
    size_t stride = ((size_t(w) * bits + 31) / 32) * 4;
    EXPECT_EQ(f.size(), pixels + stride * h);
    Raster r(w, h);
    for (int y = 0; y < h; ++y) {
        size_t row = pixels + stride * (h - 1 - y);
        for (int x = 0; x < w; ++x) {
            if (bits == 24) {
                size_t p = row + 3 * x;
                r.at(x, y) = rgb(f[p + 2], f[p + 1], f[p]);
            } else {
                int i = (x & 1) ? (f[row + x / 2] & 15) : (f[row + x / 2] >> 4);
                size_t c = info + 40 + 4 * i;
                r.at(x, y) = rgb(f[c + 2], f[c + 1], f[c]);
            }
        }
    }
    return r;
}

double luminance(Pixel p) {
    auto lin = [](int c) {
        double v = c / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(red_of(p)) + 0.7152 * lin(green_of(p)) + 0.0722 * lin(blue_of(p));
}

bool reddish(Pixel p) { return red_of(p) > 150 && green_of(p) < 90 && blue_of(p) < 110; }
bool dark_ink(Pixel p) { return red_of(p) < 70 && green_of(p) < 70 && blue_of(p) < 70; }

// The part of a covered card that a fan leaves visible, as one string.
std::string strip(const Raster& r, int x0, int y0, int w, int h) {
    std::string s;
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x) {
            Pixel p = r.at(x, y);
            s += char(red_of(p) / 64 * 16 + green_of(p) / 64 * 4 + blue_of(p) / 64);
        }
    return s;
}

double differing_share(const Raster& a, const Raster& b) {
    size_t n = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i) n += a.pixels[i] != b.pixels[i];
    return double(n) / a.pixels.size();
}

const CardSize kSizes[] = {CardSize::Small, CardSize::Large};

}  // namespace

// ---------------------------------------------------------------------------
// File formats

TEST(ArtFileFormats, Bmp24RoundTripsWithRowPadding) {
    for (auto [w, h] : {std::pair{1, 1}, {3, 2}, {45, 63}, {67, 94}}) {
        Raster r(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) r.at(x, y) = rgb(x * 7, y * 5, (x + y) * 3);
        Raster back = read_bmp(bmp24(r));
        ASSERT_EQ(back.width, w);
        ASSERT_EQ(back.height, h);
        EXPECT_EQ(back.pixels, r.pixels) << w << "x" << h;
    }
}

TEST(ArtFileFormats, Bmp4KeepsPaletteAndNibbleOrder) {
    for (auto [w, h] : {std::pair{1, 1}, {5, 3}, {245, 220}}) {
        Indexed q;
        q.width = w;
        q.height = h;
        for (int i = 0; i < 16; ++i) q.palette.push_back(rgb(i * 16, 255 - i * 16, i * 8));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) q.index.push_back(uint8_t((x * 3 + y) % 16));
        auto f = bmp4(q);
        EXPECT_EQ(u16(f, 14 + 14), 4);
        EXPECT_EQ(read_bmp(f).pixels, expand(q).pixels) << w << "x" << h;
    }
}

// The PNG files decode with cairo (libpng) to the pixels written.
Raster read_png(const std::vector<uint8_t>& bytes) {
    struct Reader {
        const std::vector<uint8_t>* b;
        size_t at;
    } reader{&bytes, 0};
    cairo_surface_t* s = cairo_image_surface_create_from_png_stream(
        [](void* closure, unsigned char* data, unsigned int length) {
            auto* r = static_cast<Reader*>(closure);
            if (r->at + length > r->b->size()) return CAIRO_STATUS_READ_ERROR;
            std::memcpy(data, r->b->data() + r->at, length);
            r->at += length;
            return CAIRO_STATUS_SUCCESS;
        },
        &reader);
    EXPECT_EQ(cairo_surface_status(s), CAIRO_STATUS_SUCCESS);
    Raster r(cairo_image_surface_get_width(s), cairo_image_surface_get_height(s));
    const unsigned char* data = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < r.height; ++y)
        for (int x = 0; x < r.width; ++x) r.at(x, y) = reinterpret_cast<const uint32_t*>(data + size_t(y) * stride)[x];
    cairo_surface_destroy(s);
    return r;
}

TEST(ArtFileFormats, PngRoundTripsInFullColourAndWithPalettes) {
    for (auto [w, h] : {std::pair{1, 1}, {3, 2}, {56, 79}, {201, 282}}) {
        Raster r(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) r.at(x, y) = rgb(x * 7, y * 5, (x * y) * 3);
        EXPECT_EQ(read_png(png_rgb(r)).pixels, r.pixels) << w << "x" << h;
        for (int colours : {2, 16, 17, 256}) {
            Indexed q;
            q.width = w;
            q.height = h;
            for (int i = 0; i < colours; ++i) q.palette.push_back(rgb(i, 255 - i, (i * 7) & 255));
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) q.index.push_back(uint8_t((x * 3 + y * 5) % colours));
            auto f = png_indexed(q);
            EXPECT_EQ(f[24], colours <= 16 ? 4 : 8) << colours;  // bit depth in the header
            EXPECT_EQ(read_png(f).pixels, expand(q).pixels) << w << "x" << h << ", " << colours << " colours";
        }
    }
}

TEST(ArtFileFormats, QuantizeKeepsFewColoursExactlyAndBoundsTheErrorOtherwise) {
    Raster few(20, 10);
    for (int i = 0; i < 200; ++i) few.pixels[i] = rgb((i % 12) * 20, 40, 200);
    Indexed q = quantize(few, 16, false);
    EXPECT_LE(q.palette.size(), 16u);
    EXPECT_EQ(expand(q).pixels, few.pixels);

    Raster ramp(256, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 256; ++x) ramp.at(x, y) = rgb(x, 255 - x, y * 16);
    q = quantize(ramp, 16, false);
    ASSERT_LE(q.palette.size(), 16u);
    Raster back = expand(q);
    double err = 0;
    for (size_t i = 0; i < ramp.pixels.size(); ++i)
        err += std::abs(red_of(ramp.pixels[i]) - red_of(back.pixels[i])) +
               std::abs(blue_of(ramp.pixels[i]) - blue_of(back.pixels[i]));
    EXPECT_LT(err / ramp.pixels.size(), 40.0);
}

TEST(ArtFileFormats, IconHasFourBitImagesWithAMaskForTransparentPixels) {
    Raster img(32, 32, 0);  // fully transparent
    for (int y = 8; y < 24; ++y)
        for (int x = 8; x < 24; ++x) img.at(x, y) = rgb(200, 0, 0);
    Raster small(16, 16, rgb(0, 0, 200));
    auto f = ico4({img, small});
    EXPECT_EQ(u16(f, 0), 0);
    EXPECT_EQ(u16(f, 2), 1);
    ASSERT_EQ(u16(f, 4), 2);
    for (int e = 0; e < 2; ++e) {
        size_t dir = 6 + 16 * e;
        int size = e ? 16 : 32;
        EXPECT_EQ(f[dir], size);
        EXPECT_EQ(f[dir + 1], size);
        EXPECT_EQ(u16(f, dir + 6), 4);
        size_t at = u32(f, dir + 12);
        ASSERT_EQ(at + u32(f, dir + 8), e ? f.size() : u32(f, dir + 16 + 12));
        EXPECT_EQ(u32(f, at), 40u);
        EXPECT_EQ(s32(f, at + 4), size);
        EXPECT_EQ(s32(f, at + 8), 2 * size);  // colour bits and mask
        EXPECT_EQ(u16(f, at + 14), 4);
    }
    // The mask of the 32 x 32 image: rows bottom-up, 4 bytes each, after
    // the header, the 16 colours and 32 rows of 16 bytes.
    size_t mask = u32(f, 6 + 12) + 40 + 64 + 32 * 16;
    EXPECT_EQ(f[mask], 0xFF);                          // bottom row: transparent
    EXPECT_EQ(f[mask + 4 * 16 + 1], 0x00);             // row 15, columns 8..15: drawn
    EXPECT_EQ(f[mask + 4 * 16 + 0], 0xFF);             // row 15, columns 0..7: transparent
}

// ---------------------------------------------------------------------------
// The card libraries

TEST(ArtCardLibrary, HoldsTheNumberedPicturesAtTheirSizes) {
    std::set<int> expected;
    for (int i = 0; i <= 38; ++i) expected.insert(i);
    for (int i = 100; i <= 147; ++i) expected.insert(i);
    for (int i = 200; i <= 203; ++i) expected.insert(i);
    for (int i = 300; i <= 303; ++i) expected.insert(i);
    for (int i = 400; i <= 417; ++i) expected.insert(i);
    expected.insert(500);
    for (CardSize size : kSizes) {
        CardGeometry g = geometry(size);
        std::set<int> got;
        for (const auto& p : library_pictures(size)) {
            EXPECT_TRUE(got.insert(p.offset).second) << "twice: " << p.offset;
            int w = p.offset == 500 ? g.outline_width : g.width;
            int h = p.offset == 500 ? g.outline_height : g.height;
            EXPECT_EQ(p.picture.width, w) << p.offset;
            EXPECT_EQ(p.picture.height, h) << p.offset;
        }
        EXPECT_EQ(got, expected);
        EXPECT_EQ(got.size(), 114u);
    }
    // Every scale of the ladder holds the same pictures at that scale's size.
    for (CardSize size : kSizes)
        for (int percent : kScales) {
            CardGeometry g = geometry(size, percent);
            std::set<int> got;
            for (const auto& p : library_pictures(size, percent)) {
                got.insert(p.offset);
                EXPECT_EQ(p.picture.width, p.offset == 500 ? g.outline_width : g.width) << p.offset << " " << percent;
                EXPECT_EQ(p.picture.height, p.offset == 500 ? g.outline_height : g.height) << p.offset << " " << percent;
            }
            EXPECT_EQ(got, expected) << percent;
        }
    EXPECT_EQ(geometry(CardSize::Small, 125).width, 56);
    EXPECT_EQ(geometry(CardSize::Small, 125).height, 79);
    EXPECT_EQ(geometry(CardSize::Large, 200).outline_width, 142);
    EXPECT_EQ(geometry(CardSize::Large, 300).fan, 45);
    EXPECT_EQ(geometry(CardSize::Small).width, 45);
    EXPECT_EQ(geometry(CardSize::Small).height, 63);
    EXPECT_EQ(geometry(CardSize::Large).width, 67);
    EXPECT_EQ(geometry(CardSize::Large).height, 94);
    EXPECT_EQ(geometry(CardSize::Small).outline_width, 49);
    EXPECT_EQ(geometry(CardSize::Large).outline_height, 98);
}

// Every card of a set shows something different in the strip that a fan
// leaves uncovered: the top rows in a downward fan, the left columns in a
// rightward one, and the corner index is red exactly on red suits.
TEST(ArtCardLibrary, CoveredCardsStayTellableApartInFans) {
    for (CardSize size : kSizes)
    for (int percent : kScales) {
        CardGeometry g = geometry(size, percent);
        for (int set = 0; set < kCardSets; ++set) {
            std::map<std::string, int> top, left;
            for (int suit = 0; suit < 4; ++suit)
                for (int rank = 0; rank < 13; ++rank) {
                    Raster face = card_face(size, set, suit, rank, percent);
                    int id = suit * 13 + rank;
                    auto [t, t_new] = top.emplace(strip(face, 0, 0, g.width, g.fan), id);
                    EXPECT_TRUE(t_new) << "size " << int(size) << " at " << percent << " % set " << set << ": cards "
                                       << t->second << " and " << id << " look alike in a downward fan";
                    auto [l, l_new] = left.emplace(strip(face, 0, 0, g.fan, g.height), id);
                    EXPECT_TRUE(l_new) << "size " << int(size) << " at " << percent << " % set " << set << ": cards "
                                       << l->second << " and " << id << " look alike in a rightward fan";
                    // Dark ink, not counting the card's edge: its line (one
                    // pixel at 100 %, as wide as the scale above) and the
                    // rounded corner outside it.
                    const int edge = std::max(1, percent / 100);
                    const int corner = scaled(size == CardSize::Small ? 3 : 4, percent);
                    int red = 0, ink = 0;
                    for (int y = 0; y < g.fan; ++y)
                        for (int x = 0; x < g.fan; ++x) {
                            red += reddish(face.at(x, y));
                            bool on_edge = x < edge || y < edge || (percent > 100 && x < corner && y < corner);
                            ink += dark_ink(face.at(x, y)) && !on_edge;
                        }
                    bool red_suit = suit == kDiamonds || suit == kHearts;
                    EXPECT_EQ(red > 10, red_suit) << "card " << id << " at " << percent << " % red pixels " << red;
                    EXPECT_EQ(ink > 10, !red_suit) << "card " << id << " at " << percent << " % dark pixels " << ink;
                }
        }
    }
}

TEST(ArtCardLibrary, CardSetsDifferInCourtsAceOfDiamondsAndBack) {
    struct Case {
        const char* what;
        int suit, rank;  // rank -1: the back
    };
    const Case cases[] = {{"jack", kClubs, 10}, {"queen", kHearts, 11}, {"king", kSpades, 12},
                          {"king of diamonds", kDiamonds, 12}, {"ace of diamonds", kDiamonds, 0}, {"back", 0, -1}};
    for (CardSize size : kSizes)
        for (const Case& c : cases)
            for (int a = 0; a < kCardSets; ++a)
                for (int b = a + 1; b < kCardSets; ++b) {
                    Raster pa = c.rank < 0 ? card_back(size, a) : card_face(size, a, c.suit, c.rank);
                    Raster pb = c.rank < 0 ? card_back(size, b) : card_face(size, b, c.suit, c.rank);
                    EXPECT_GT(differing_share(pa, pb), 0.15) << c.what << ": sets " << a << " and " << b;
                }
    // The other aces and the number cards are the same in every set.
    for (CardSize size : kSizes)
        for (int set = 1; set < kCardSets; ++set) {
            EXPECT_EQ(card_face(size, set, kSpades, 0).pixels, card_face(size, 0, kSpades, 0).pixels);
            EXPECT_EQ(card_face(size, set, kHearts, 6).pixels, card_face(size, 0, kHearts, 6).pixels);
        }
}

TEST(ArtCardLibrary, BaseImagesAreEighteenDifferentPictures) {
    for (CardSize size : kSizes)
        for (int a = 0; a < kBaseImages; ++a)
            for (int b = a + 1; b < kBaseImages; ++b)
                EXPECT_GT(differing_share(base_image(size, a), base_image(size, b)), 0.01)
                    << "base images " << a << " and " << b;
}

// The corner index is set in the typeface on every card but the small one
// at 100 %, which keeps its hand-made glyphs; and the "10" fits the strip a
// rightward fan leaves, with the suit below it still inside the strip.
TEST(ArtCardLibrary, CornerIndexKeepsToTheCornerAtEveryScale) {
    for (CardSize size : kSizes)
        for (int percent : kScales) {
            CardGeometry g = geometry(size, percent);
            for (int suit : {kSpades, kHearts}) {
                Raster ten = card_face(size, 0, suit, 9, percent);
                // Ink of the index in the left strip, none between it and the pips.
                int inside = 0, beyond = 0;
                for (int y = 0; y < g.height / 3; ++y)
                    for (int x = 1; x < g.width / 2; ++x) {
                        Pixel p = ten.at(x, y);
                        bool ink = suit == kSpades ? dark_ink(p) : reddish(p);
                        if (!ink) continue;
                        (x < g.fan ? inside : beyond) += 1;
                    }
                EXPECT_GT(inside, 2 * g.fan) << int(size) << " at " << percent;
                // The suit beside the rank and the first pip column are the
                // only ink to the right of the strip in the top third.
                EXPECT_GT(beyond, 0) << int(size) << " at " << percent;
            }
        }
    // The small card at 100 % is drawn as it always was: its glyphs are
    // whole pixels, so its rank is in two colours only (white and ink).
    Raster small_ace = card_face(CardSize::Small, 0, kSpades, 0);
    std::set<Pixel> colours;
    for (int y = 2; y < 10; ++y)
        for (int x = 2; x < 8; ++x) colours.insert(small_ace.at(x, y));
    EXPECT_EQ(colours.size(), 2u);
    Raster large_ace = card_face(CardSize::Large, 0, kSpades, 0);
    colours.clear();
    for (int y = 3; y < 14; ++y)
        for (int x = 2; x < 12; ++x) colours.insert(large_ace.at(x, y));
    EXPECT_GT(colours.size(), 3u) << "the large card's rank is not set in an antialiased typeface";
}

// The stored copies keep 256 colours: few cards have more, and those that
// do lose no more than an antialiasing step.
TEST(ArtCardLibrary, StoredCopiesKeepTheirColours) {
    for (int percent : {125, 300})
        for (auto [set, suit, rank] : {std::tuple<int, int, int>{0, kHearts, 12}, {3, kClubs, 11}, {1, kDiamonds, 0}, {3, 0, -1}}) {
            Raster p = rank < 0 ? card_back(CardSize::Large, set, percent) : card_face(CardSize::Large, set, suit, rank, percent);
            Raster back = expand(quantize(p, 256, false));
            double err = 0;
            for (size_t i = 0; i < p.pixels.size(); ++i)
                err += std::abs(red_of(p.pixels[i]) - red_of(back.pixels[i])) +
                       std::abs(green_of(p.pixels[i]) - green_of(back.pixels[i])) +
                       std::abs(blue_of(p.pixels[i]) - blue_of(back.pixels[i]));
            EXPECT_LT(err / (3.0 * p.pixels.size()), 1.5) << set << " " << suit << " " << rank << " at " << percent;
        }
}

// ---------------------------------------------------------------------------
// The program's bitmaps

TEST(ArtProgramBitmaps, HaveTheirSizesInSixteenColours) {
    const std::map<std::string, std::pair<int, int>> sizes = {
        {"5000", {246, 222}}, {"5001", {246, 222}}, {"5002", {246, 222}}, {"5003", {245, 220}},
        {"5004", {245, 220}}, {"5005", {246, 222}}, {"6000", {100, 71}},  {"6001", {100, 71}},
        {"6002", {100, 71}},  {"6003", {100, 71}},  {"6004", {100, 71}},  {"6005", {100, 71}},
        {"7000", {100, 71}},  {"7001", {100, 71}},  {"7002", {100, 71}},  {"7003", {100, 71}},
        {"UPBUTTONS", {165, 32}}, {"DOWNBUTTONS", {165, 32}}, {"SCOREAREA", {55, 32}},
        {"MSGAREA", {130, 32}},   {"SPLASHIMAGE", {320, 329}}, {"CREDITSIMAGE", {320, 329}},
    };
    std::set<std::string> seen;
    for (const ProgramBitmap& b : program_bitmaps()) {
        ASSERT_TRUE(sizes.count(b.resource)) << b.resource;
        EXPECT_TRUE(seen.insert(b.resource).second) << b.resource;
        EXPECT_EQ(b.picture.width, sizes.at(b.resource).first) << b.resource;
        EXPECT_EQ(b.picture.height, sizes.at(b.resource).second) << b.resource;
        EXPECT_LE(b.picture.palette.size(), 16u) << b.resource;
        EXPECT_EQ(b.picture.index.size(), size_t(b.picture.width) * b.picture.height);
    }
    EXPECT_EQ(seen.size(), sizes.size());
}

TEST(ArtProgramBitmaps, AreStoredAtEveryScaleButTheTiles) {
    std::map<std::string, std::pair<int, int>> base;
    for (const ProgramBitmap& b : program_bitmaps()) base[b.resource] = {b.picture.width, b.picture.height};
    for (int percent : kScales) {
        if (percent == 100) continue;
        std::set<std::string> seen;
        for (const ProgramBitmap& b : program_bitmaps(percent)) {
            ASSERT_TRUE(base.count(b.resource)) << b.resource;
            EXPECT_TRUE(seen.insert(b.resource).second) << b.resource;
            EXPECT_EQ(b.picture.width, scaled(base[b.resource].first, percent)) << b.resource << " " << percent;
            EXPECT_EQ(b.picture.height, scaled(base[b.resource].second, percent)) << b.resource << " " << percent;
            EXPECT_LE(b.picture.palette.size(), 16u) << b.resource;
        }
        EXPECT_EQ(seen.size(), base.size() - 6) << percent;
        for (int i = 0; i < 6; ++i) EXPECT_FALSE(seen.count(std::to_string(5000 + i))) << percent;
    }
}

// Repeated edge to edge, a tile shows no seam: across its wrap-around edges
// neighbouring pixels differ no more than neighbours inside the tile do.
TEST(ArtProgramBitmaps, TilesRepeatWithoutSeams) {
    std::map<std::string, Raster> bmp;
    for (const ProgramBitmap& b : program_bitmaps()) bmp[b.resource] = expand(b.picture);
    auto diff = [](Pixel a, Pixel b) {
        return std::abs(red_of(a) - red_of(b)) + std::abs(green_of(a) - green_of(b)) + std::abs(blue_of(a) - blue_of(b));
    };
    for (const char* id : {"5000", "5001", "5002", "5003", "5004", "5005", "MSGAREA"}) {
        const Raster& t = bmp[id];
        double inside_x = 0, seam_x = 0;
        for (int y = 0; y < t.height; ++y) {
            for (int x = 0; x + 1 < t.width; ++x) inside_x += diff(t.at(x, y), t.at(x + 1, y));
            seam_x += diff(t.at(t.width - 1, y), t.at(0, y));
        }
        inside_x /= double(t.height) * (t.width - 1);
        seam_x /= t.height;
        EXPECT_LE(seam_x, inside_x * 1.6 + 2) << id << " left-right seam";
        if (std::string(id) == "MSGAREA") continue;  // repeated sideways only
        double inside_y = 0, seam_y = 0;
        for (int x = 0; x < t.width; ++x) {
            for (int y = 0; y + 1 < t.height; ++y) inside_y += diff(t.at(x, y), t.at(x, y + 1));
            seam_y += diff(t.at(x, t.height - 1), t.at(x, 0));
        }
        inside_y /= double(t.width) * (t.height - 1);
        seam_y /= t.width;
        EXPECT_LE(seam_y, inside_y * 1.6 + 2) << id << " top-bottom seam";
    }
}

// The score and message texts are pure green: every pixel they may fall on
// must leave them readable (contrast ratio of at least 4.5).
TEST(ArtProgramBitmaps, ScoreAndMessageBackgroundsKeepGreenTextReadable) {
    const double green = luminance(rgb(0, 255, 0));
    for (const ProgramBitmap& b : program_bitmaps()) {
        if (b.resource != "SCOREAREA" && b.resource != "MSGAREA") continue;
        Raster r = expand(b.picture);
        for (int y = 4; y < 28; ++y)
            for (int x = 2; x < r.width - 2; ++x) {
                double ratio = (green + 0.05) / (luminance(r.at(x, y)) + 0.05);
                ASSERT_GE(ratio, 4.5) << b.resource << " at " << x << "," << y;
            }
    }
}

TEST(ArtProgramIcons, AreTheProgramIconAndEightDifferentPortraits) {
    auto icons = program_icons();
    ASSERT_EQ(icons.size(), 9u);
    for (size_t i = 0; i < icons.size(); ++i) {
        EXPECT_EQ(icons[i].id, int(141 + i));
        ASSERT_FALSE(icons[i].images.empty());
        EXPECT_EQ(icons[i].images[0].width, 32);
        EXPECT_EQ(icons[i].images[0].height, 32);
        for (size_t j = 1; j < i; ++j)
            EXPECT_GT(differing_share(icons[i].images[0], icons[j].images[0]), 0.1) << i << " " << j;
    }
}

// ---------------------------------------------------------------------------
// Sounds

TEST(ArtSounds, AreShortDistinctMonoEightBitWaves) {
    auto sounds = program_sounds();
    std::set<std::string> names;
    for (const Sound& s : sounds) names.insert(s.resource);
    EXPECT_EQ(names, (std::set<std::string>{"FLIPSOUND", "SLIDESOUND", "SHUFFLESOUND", "WINSOUND", "LOSESOUND"}));
    for (const Sound& s : sounds) {
        auto f = wave_file(s.samples);
        ASSERT_GE(f.size(), 44u);
        EXPECT_EQ(std::string(f.begin(), f.begin() + 4), "RIFF") << s.resource;
        EXPECT_EQ(u32(f, 4), f.size() - 8) << s.resource;
        EXPECT_EQ(std::string(f.begin() + 8, f.begin() + 16), "WAVEfmt ");
        EXPECT_EQ(u32(f, 16), 16u);
        EXPECT_EQ(u16(f, 20), 1);      // PCM
        EXPECT_EQ(u16(f, 22), 1);      // mono
        EXPECT_EQ(u32(f, 24), 11025u);
        EXPECT_EQ(u32(f, 28), 11025u);
        EXPECT_EQ(u16(f, 32), 1);
        EXPECT_EQ(u16(f, 34), 8);
        EXPECT_EQ(std::string(f.begin() + 36, f.begin() + 40), "data");
        EXPECT_EQ(u32(f, 40), s.samples.size());
        double seconds = s.samples.size() / 11025.0;
        EXPECT_GT(seconds, 0.05) << s.resource;
        EXPECT_LT(seconds, 1.5) << s.resource;
        int peak = 0;
        for (uint8_t v : s.samples) peak = std::max(peak, std::abs(int(v) - 128));
        EXPECT_GT(peak, 40) << s.resource << " is too quiet";
        // No click: it starts at rest and has died away over its last 10 ms.
        EXPECT_LE(std::abs(int(s.samples.front()) - 128), 6) << s.resource;
        int tail = 0;
        for (size_t i = s.samples.size() - 110; i < s.samples.size(); ++i)
            tail = std::max(tail, std::abs(int(s.samples[i]) - 128));
        EXPECT_LE(tail, 6) << s.resource << " ends abruptly";
    }
    for (size_t a = 0; a < sounds.size(); ++a)
        for (size_t b = a + 1; b < sounds.size(); ++b) EXPECT_NE(sounds[a].samples, sounds[b].samples);
}
