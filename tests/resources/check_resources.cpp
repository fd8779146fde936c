// Checks the built resources the way the program reads them: loads a file as
// data, lists its bitmaps, icons and sounds and reads their headers.
//
//   check_resources library FILE BASE   a card library: exactly the 114
//                                       numbered bitmaps from BASE (3000 small
//                                       cards, 4000 large), each at least as
//                                       large as the program copies from it
//   check_resources program FILE        the program: every bitmap, icon and
//                                       sound at its size and format
//   check_resources foreign FILE BASE   someone else's card library, with
//                                       numbered bitmaps alone: the program
//                                       still draws them at any size
//
// A library of ours also holds every picture at the larger scales its
// SCALES list names; those are read through the program's own loader.
//
// Prints one line per fault and ends with a count; exits 1 on any fault.
#include <windows.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "table/picture_ladder.h"
#include "table/picture_resample.h"
#include "table/png_reader.h"
#include "table/win/dib_bitmap.h"
#include "table/win/png_decoder.h"
#include "table/win/scaled_picture.h"

namespace {

int g_checks = 0;
int g_faults = 0;

void check(bool ok, const std::string& what)
{
    ++g_checks;
    if (!ok) {
        ++g_faults;
        std::printf("FAULT: %s\n", what.c_str());
    }
}

std::string name_of(LPCSTR name)
{
    return IS_INTRESOURCE(name) ? std::to_string(reinterpret_cast<uintptr_t>(name)) : std::string(name);
}

// The bytes of one resource, or empty when it is missing.
std::vector<uint8_t> resource(HMODULE module, LPCSTR name, LPCSTR type)
{
    HRSRC found = FindResourceA(module, name, type);
    if (!found) return {};
    DWORD size = SizeofResource(module, found);
    HGLOBAL loaded = LoadResource(module, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return {};
    const auto* bytes = static_cast<const uint8_t*>(data);
    return std::vector<uint8_t>(bytes, bytes + size);
}

uint32_t u32(const std::vector<uint8_t>& b, size_t at)
{
    uint32_t v;
    std::memcpy(&v, b.data() + at, 4);
    return v;
}
uint16_t u16(const std::vector<uint8_t>& b, size_t at)
{
    uint16_t v;
    std::memcpy(&v, b.data() + at, 2);
    return v;
}

struct Dib {
    bool ok = false;
    int width = 0, height = 0, bits = 0;
};

// Reads a packed DIB as the program's loader does: a 40-byte header, a colour
// table of the used-colour count (or 2, 16, 256 entries for 1, 4, 8 bits when
// that count is 0), then the bits, which must all be there. An icon image
// gives twice its height: its colour bits, then a one-bit mask.
Dib read_dib(const std::vector<uint8_t>& data, const std::string& what, bool icon = false)
{
    Dib d;
    if (data.size() < sizeof(BITMAPINFOHEADER)) {
        check(false, what + ": no bitmap header");
        return d;
    }
    BITMAPINFOHEADER h;
    std::memcpy(&h, data.data(), sizeof h);
    check(h.biSize == 40, what + ": header is " + std::to_string(h.biSize) + " bytes, not 40");
    check(h.biPlanes == 1, what + ": planes");
    check(h.biCompression == BI_RGB, what + ": compressed");
    size_t colours = h.biClrUsed;
    if (colours == 0 && h.biBitCount <= 8) colours = size_t(1) << h.biBitCount;
    size_t stride = ((size_t(h.biWidth) * h.biBitCount + 31) / 32) * 4;
    size_t rows = size_t(h.biHeight < 0 ? -h.biHeight : h.biHeight);
    size_t needed = 40 + 4 * colours + stride * rows;
    if (icon) needed = 40 + 4 * colours + (stride + ((size_t(h.biWidth) + 31) / 32) * 4) * (rows / 2);
    check(data.size() >= needed,
          what + ": " + std::to_string(data.size()) + " bytes, the bits need " + std::to_string(needed));
    d.ok = true;
    d.width = h.biWidth;
    d.height = int(rows);
    d.bits = h.biBitCount;
    return d;
}

BOOL CALLBACK collect(HMODULE, LPCSTR, LPSTR name, LONG_PTR param)
{
    reinterpret_cast<std::vector<std::string>*>(param)->push_back(IS_INTRESOURCE(name) ? "#" + name_of(name)
                                                                                       : std::string(name));
    return TRUE;
}

HMODULE open_as_data(const char* path)
{
    HMODULE m = LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!m) std::printf("FAULT: cannot open %s (error %lu)\n", path, GetLastError());
    return m;
}

// Turns a packed DIB into a device bitmap as the program does and counts the
// dark pixels in a rectangle of it.
int dark_pixels(const std::vector<uint8_t>& dib, int x0, int y0, int x1, int y1)
{
    const auto* info = reinterpret_cast<const BITMAPINFO*>(dib.data());
    size_t colours = info->bmiHeader.biClrUsed;
    if (colours == 0 && info->bmiHeader.biBitCount <= 8) colours = size_t(1) << info->bmiHeader.biBitCount;
    const uint8_t* bits = dib.data() + 40 + 4 * colours;
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateDIBitmap(screen, &info->bmiHeader, CBM_INIT, bits, info, DIB_RGB_COLORS);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, bitmap);
    int dark = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            COLORREF c = GetPixel(memory, x, y);
            if (GetRValue(c) < 80 && GetGValue(c) < 80 && GetBValue(c) < 80) ++dark;
        }
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(bitmap);
    ReleaseDC(nullptr, screen);
    return dark;
}


// ---------------------------------------------------------------------------
// Pictures at other sizes, made by the program's loader

// A device bitmap's pixels, top row first; empty for no bitmap.
table::PixelPicture pixels_of(const platform::Bitmap& b)
{
    BITMAP info{};
    if (!b || !GetObjectA(b.get(), sizeof info, &info)) return {};
    table::PixelPicture p{info.bmWidth, info.bmHeight, std::vector<uint32_t>(size_t(info.bmWidth) * info.bmHeight)};
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = p.width;
    bi.bmiHeader.biHeight = -p.height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    int rows = GetDIBits(screen, b.get(), 0, UINT(p.height), p.pixels.data(), &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != p.height) return {};
    return p;
}

int red(uint32_t p) { return int((p >> 16) & 255); }
int green(uint32_t p) { return int((p >> 8) & 255); }
int blue(uint32_t p) { return int(p & 255); }

int count_in(const table::PixelPicture& p, int x0, int y0, int x1, int y1, bool (*test)(uint32_t))
{
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) n += test(p.pixels[size_t(y) * p.width + x]);
    return n;
}
bool is_dark(uint32_t p) { return red(p) < 80 && green(p) < 80 && blue(p) < 80; }
bool is_red(uint32_t p) { return red(p) > 150 && green(p) < 90 && blue(p) < 110; }

// The mean difference per channel between two pictures of one size.
double mean_difference(const table::PixelPicture& a, const table::PixelPicture& b)
{
    if (a.pixels.size() != b.pixels.size() || a.pixels.empty()) return 1e9;
    double sum = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i)
        sum += std::abs(red(a.pixels[i]) - red(b.pixels[i])) + std::abs(green(a.pixels[i]) - green(b.pixels[i])) +
               std::abs(blue(a.pixels[i]) - blue(b.pixels[i]));
    return sum / (3.0 * double(a.pixels.size()));
}

// One card drawn at `size`: it has that size, is the right way up (ink in
// its top-left corner, none in its bottom-left one), its red suits are red
// (the colour channels are in their places), and shrunk back to the card
// size it looks like the numbered bitmap.
void check_card_at(HMODULE m, int number, bool red_suit, table::PictureSize card, table::PictureSize size,
                   const std::string& how)
{
    std::string what = "picture " + std::to_string(number) + " at " + std::to_string(size.width) + " x " +
                       std::to_string(size.height) + " (" + how + ")";
    table::PixelPicture p = pixels_of(table::LoadPictureAtSize(m, MAKEINTRESOURCEA(number), size, nullptr, nullptr));
    check(p.width == size.width && p.height == size.height,
          what + ": made " + std::to_string(p.width) + " x " + std::to_string(p.height));
    if (p.width != size.width || p.height != size.height) return;
    int corner = size.width * 10 / 45, edge = size.width * 4 / 45;
    int ink = count_in(p, edge / 2, edge / 2, corner, corner, red_suit ? is_red : is_dark);
    int below = count_in(p, edge, size.height - corner, corner, size.height - edge, is_dark);
    check(ink > 10 && below == 0, what + ": upside down, blank or in the wrong colours: " + std::to_string(ink) +
                                      " inked pixels at the top-left corner, " + std::to_string(below) +
                                      " dark at the bottom-left");
    table::PixelPicture at_100 = pixels_of(table::LoadDibBitmap(m, MAKEINTRESOURCEA(number), nullptr, nullptr));
    // Same card, same layout: the small card's pixel glyphs at 100 % against
    // the typeface of the larger ones come to about 14; a wrong card, a
    // picture shifted or its rows garbled to 30 and more.
    double d = mean_difference(table::Resample(p, card.width, card.height), at_100);
    check(d < 20, what + ": shrunk to the card size it differs from the numbered bitmap by " + std::to_string(d) +
                      " per channel");
}

void check_scaled_pictures(HMODULE m, int base, const std::set<std::string>& numbers, table::PictureSize card,
                           table::PictureSize outline)
{
    auto list_data = resource(m, "SCALES", MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    table::ScaleList list = table::ReadScaleList(list_data.data(), list_data.size());
    std::vector<int32_t> scales(list.percents.begin(), list.percents.begin() + list.count);
    check(scales == std::vector<int32_t>{125, 150, 175, 200, 250, 300}, "SCALES lists " + std::to_string(list.count) +
                                                                           " scales, not 125 150 175 200 250 300");
    for (int32_t percent : scales)
        for (const auto& e : numbers) {
            int id = std::stoi(e.substr(1));
            std::string name = table::ScaledPictureName(percent, id);
            auto png = resource(m, name.c_str(), MAKEINTRESOURCEA(10));
            table::PictureSize got;
            if (!table::ReadPngSize(png.data(), png.size(), &got)) {
                check(false, name + ": missing or not a PNG picture");
                continue;
            }
            table::PictureSize base_size = id == base + 500 ? outline : card;
            table::PictureSize want{table::ScaledLength(base_size.width, percent),
                                    table::ScaledLength(base_size.height, percent)};
            check(got == want, name + ": " + std::to_string(got.width) + " x " + std::to_string(got.height) + ", not " +
                                   std::to_string(want.width) + " x " + std::to_string(want.height));
        }
    // The program's own PNG reader and the platform's imaging component read
    // the same pixels from the stored copies (a pip, a court, a back, the
    // outline, at two scales).
    for (int32_t percent : {125, 300})
        for (int offset : {1, 100, 302, 500}) {
            std::string name = table::ScaledPictureName(percent, base + offset);
            auto png = resource(m, name.c_str(), MAKEINTRESOURCEA(10));
            table::PixelPicture own = table::ReadPng(png.data(), png.size());
            table::PixelPicture platform = table::DecodeThroughImaging(png.data(), png.size());
            check(!own.pixels.empty() && own.pixels == platform.pixels,
                  name + ": the program's reader and the imaging component disagree (" +
                      std::to_string(own.pixels.size()) + " and " + std::to_string(platform.pixels.size()) + " pixels)");
        }
    // Drawn through the loader: the two of clubs and the two of hearts
    // (pictures 1 and 20) at every stored scale, between two of them, and
    // beyond the largest.
    for (int32_t percent : scales)
        for (auto [number, red_suit] : {std::pair{base + 1, false}, {base + 20, true}})
            check_card_at(m, number, red_suit, card,
                          {table::ScaledLength(card.width, percent), table::ScaledLength(card.height, percent)},
                          "stored at " + std::to_string(percent) + " %");
    check_card_at(m, base + 1, false, card, {table::ScaledLength(card.width, 140), table::ScaledLength(card.height, 140)},
                  "shrunk from 150 %");
    check_card_at(m, base + 20, true, card, {table::ScaledLength(card.width, 400), table::ScaledLength(card.height, 400)},
                  "enlarged from 300 %");
    // At 100 % the loader gives exactly the numbered bitmap.
    table::PixelPicture exact =
        pixels_of(table::LoadPictureAtSize(m, MAKEINTRESOURCEA(base + 20), card, nullptr, nullptr));
    check(!exact.pixels.empty() &&
              exact.pixels == pixels_of(table::LoadDibBitmap(m, MAKEINTRESOURCEA(base + 20), nullptr, nullptr)).pixels,
          "picture " + std::to_string(base + 20) + " at its own size is not the numbered bitmap");
}

int check_foreign_library(const char* path, int base)
{
    HMODULE m = open_as_data(path);
    if (!m) return 1;
    const bool small = base == 3000;
    const table::PictureSize card = small ? table::PictureSize{45, 63} : table::PictureSize{67, 94};
    check(FindResourceA(m, "SCALES", MAKEINTRESOURCEA(10)) == nullptr, "the foreign library lists scales");
    for (int32_t percent : {150, 200, 300})
        check_card_at(m, base + 1, false, card,
                      {table::ScaledLength(card.width, percent), table::ScaledLength(card.height, percent)},
                      "enlarged from the numbered bitmap");
    check_card_at(m, base + 20, true, card, {card.width - 2, card.height - 3},
                  "shrunk from the numbered bitmap");
    FreeLibrary(m);
    return 0;
}

// ---------------------------------------------------------------------------

int check_library(const char* path, int base)
{
    HMODULE m = open_as_data(path);
    if (!m) return 1;
    const bool small = base == 3000;
    const int card_w = small ? 45 : 67, card_h = small ? 63 : 94;
    const int outline_w = small ? 49 : 71, outline_h = small ? 67 : 98;

    std::set<std::string> expected;
    auto add = [&](int first, int last) {
        for (int i = first; i <= last; ++i) expected.insert("#" + std::to_string(base + i));
    };
    add(0, 38);     // faces shared by every card set
    add(100, 147);  // jacks, queens, kings of sets 0..3
    add(200, 203);  // the sets' aces of diamonds
    add(300, 303);  // backs
    add(400, 417);  // base images
    add(500, 500);  // outline

    std::vector<std::string> found;
    EnumResourceNamesA(m, RT_BITMAP, collect, reinterpret_cast<LONG_PTR>(&found));
    std::set<std::string> got(found.begin(), found.end());
    for (const auto& e : expected) check(got.count(e) == 1, "missing bitmap " + e.substr(1));
    for (const auto& g : got) check(expected.count(g) == 1, "unexpected bitmap " + g);
    check(found.size() == 114, std::to_string(found.size()) + " bitmaps, not 114");

    for (const auto& e : expected) {
        int id = std::stoi(e.substr(1));
        auto data = resource(m, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2) /* RT_BITMAP */);
        if (data.empty()) continue;  // reported above
        Dib d = read_dib(data, "bitmap " + std::to_string(id));
        int min_w = id == base + 500 ? outline_w : card_w;
        int min_h = id == base + 500 ? outline_h : card_h;
        check(d.width >= min_w && d.height >= min_h, "bitmap " + std::to_string(id) + " is " + std::to_string(d.width) +
                                                         " x " + std::to_string(d.height) + ", smaller than " +
                                                         std::to_string(min_w) + " x " + std::to_string(min_h));
    }
    check(!resource(m, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(16) /* RT_VERSION */).empty(), "no version information");

    // Drawn the right way up: the two of clubs (picture 1) carries its rank
    // and suit in the top-left corner, and nothing in the bottom-left one.
    auto two = resource(m, MAKEINTRESOURCEA(base + 1), MAKEINTRESOURCEA(2));
    if (!two.empty()) {
        int corner = small ? 10 : 15;
        int top = dark_pixels(two, 2, 2, corner, corner);
        int bottom = dark_pixels(two, 4, card_h - corner, corner, card_h - 4);  // clear of the rounded edge
        check(top > 10 && bottom == 0,
              "bitmap " + std::to_string(base + 1) + " upside down or blank: " + std::to_string(top) +
                  " dark pixels at the top-left corner, " + std::to_string(bottom) + " at the bottom-left");
    }
    check_scaled_pictures(m, base, expected, {card_w, card_h}, {outline_w, outline_h});
    FreeLibrary(m);
    return 0;
}

// ---------------------------------------------------------------------------

void check_icon(HMODULE m, int id)
{
    std::string what = "icon " + std::to_string(id);
    auto group = resource(m, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */);
    if (group.size() < 6) {
        check(false, what + ": missing");
        return;
    }
    check(u16(group, 2) == 1, what + ": not an icon group");
    int count = u16(group, 4);
    bool has_32 = false;
    for (int i = 0; i < count && 6 + 14 * (i + 1) <= int(group.size()); ++i) {
        size_t e = 6 + 14 * size_t(i);
        int w = group[e], h = group[e + 1], bits = u16(group, e + 6);
        int image_id = u16(group, e + 12);
        auto image = resource(m, MAKEINTRESOURCEA(image_id), MAKEINTRESOURCEA(3) /* RT_ICON */);
        check(!image.empty(), what + ": image " + std::to_string(image_id) + " missing");
        if (image.empty()) continue;
        Dib d = read_dib(image, what + " image " + std::to_string(image_id), true);
        check(d.width == (w ? w : 256) && d.height == 2 * (h ? h : 256), what + ": image size differs from its entry");
        check(d.bits == bits, what + ": image depth differs from its entry");
        if (w == 32 && h == 32 && d.bits == 4) has_32 = true;
    }
    check(has_32, what + ": no 32 x 32 image in 16 colours");
}

void check_sound(HMODULE m, const char* name)
{
    std::string what = std::string("sound ") + name;
    auto w = resource(m, name, "SOUND");
    if (w.size() < 44) {
        check(false, what + ": missing");
        return;
    }
    check(std::memcmp(w.data(), "RIFF", 4) == 0 && std::memcmp(w.data() + 8, "WAVE", 4) == 0, what + ": not RIFF WAVE");
    check(u32(w, 4) + 8 <= w.size(), what + ": RIFF size beyond the resource");
    bool fmt = false, data = false;
    size_t at = 12;
    while (at + 8 <= w.size()) {
        uint32_t size = u32(w, at + 4);
        if (std::memcmp(w.data() + at, "fmt ", 4) == 0 && size >= 16) {
            fmt = true;
            check(u16(w, at + 8) == 1, what + ": not PCM");
            check(u16(w, at + 10) == 1, what + ": not mono");
            check(u32(w, at + 12) == 11025, what + ": not 11025 samples per second");
            check(u16(w, at + 22) == 8, what + ": not 8 bits");
        } else if (std::memcmp(w.data() + at, "data", 4) == 0) {
            data = true;
            check(at + 8 + size <= w.size(), what + ": data beyond the resource");
            check(size > 0 && size < 2 * 11025, what + ": " + std::to_string(size) + " samples, not a short sound");
        }
        at += 8 + size + (size & 1);
    }
    check(fmt && data, what + ": no fmt or data chunk");
}

int check_program(const char* path)
{
    HMODULE m = open_as_data(path);
    if (!m) return 1;
    struct Bitmap {
        LPCSTR name;
        const char* label;
        int width, height;
    };
    std::vector<Bitmap> bitmaps;
    for (int i = 0; i < 6; ++i) {
        bool narrow = i == 3 || i == 4;
        bitmaps.push_back({MAKEINTRESOURCEA(5000 + i), "background tile", narrow ? 245 : 246, narrow ? 220 : 222});
        bitmaps.push_back({MAKEINTRESOURCEA(6000 + i), "background thumbnail", 100, 71});
    }
    for (int i = 0; i < 4; ++i) bitmaps.push_back({MAKEINTRESOURCEA(7000 + i), "card set thumbnail", 100, 71});
    bitmaps.push_back({"UPBUTTONS", "buttons", 165, 32});
    bitmaps.push_back({"DOWNBUTTONS", "pressed buttons", 165, 32});
    bitmaps.push_back({"SCOREAREA", "score box", 55, 32});
    bitmaps.push_back({"MSGAREA", "message tile", 130, 32});
    bitmaps.push_back({"SPLASHIMAGE", "splash", 320, 329});
    bitmaps.push_back({"CREDITSIMAGE", "credits", 320, 329});
    for (const Bitmap& b : bitmaps) {
        std::string what = std::string(b.label) + " " + name_of(b.name);
        auto data = resource(m, b.name, MAKEINTRESOURCEA(2) /* RT_BITMAP */);
        check(!data.empty(), what + ": missing");
        if (data.empty()) continue;
        Dib d = read_dib(data, what);
        check(d.width == b.width && d.height == b.height,
              what + ": " + std::to_string(d.width) + " x " + std::to_string(d.height) + ", not " +
                  std::to_string(b.width) + " x " + std::to_string(b.height));
        check(d.bits == 4, what + ": " + std::to_string(d.bits) + " bits per pixel, not 4");
    }
    // Above 100 % every bitmap but the background tiles is stored at each
    // listed scale, at the scale's size, and the loader makes it.
    auto list_data = resource(m, "SCALES", MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    table::ScaleList list = table::ReadScaleList(list_data.data(), list_data.size());
    check(list.count == 6 && list.percents[0] == 125 && list.percents[5] == 300, "the program lists " +
                                                                                    std::to_string(list.count) + " scales");
    for (size_t i = 0; i < list.count; ++i) {
        const int32_t percent = list.percents[i];
        for (const Bitmap& b : bitmaps) {
            const bool tile = !IS_INTRESOURCE(b.name) ? false : reinterpret_cast<uintptr_t>(b.name) < 6000;
            std::string name = IS_INTRESOURCE(b.name)
                                   ? table::ScaledPictureName(percent, int32_t(reinterpret_cast<uintptr_t>(b.name)))
                                   : table::ScaledPictureName(percent, b.name);
            auto png = resource(m, name.c_str(), MAKEINTRESOURCEA(10));
            if (tile) {
                check(png.empty(), name + ": a background tile stored at a scale");
                continue;
            }
            table::PictureSize got, want{table::ScaledLength(b.width, percent), table::ScaledLength(b.height, percent)};
            check(table::ReadPngSize(png.data(), png.size(), &got) && got == want,
                  name + ": missing or not " + std::to_string(want.width) + " x " + std::to_string(want.height));
        }
        table::PixelPicture buttons =
            pixels_of(table::LoadPictureAtScale(m, "UPBUTTONS", percent, nullptr, nullptr));
        check(buttons.width == table::ScaledLength(165, percent) && buttons.height == table::ScaledLength(32, percent),
              "UPBUTTONS at " + std::to_string(percent) + " %: made " + std::to_string(buttons.width) + " x " +
                  std::to_string(buttons.height));
    }
    for (int id = 141; id <= 149; ++id) check_icon(m, id);
    for (const char* s : {"FLIPSOUND", "SLIDESOUND", "SHUFFLESOUND", "WINSOUND", "LOSESOUND"}) check_sound(m, s);
    // The splash looks for a start sound that the program does not carry.
    check(FindResourceA(m, "STARTSOUND", "SOUND") == nullptr, "sound STARTSOUND present");
    FreeLibrary(m);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    int rc;
    if (argc == 4 && std::strcmp(argv[1], "library") == 0)
        rc = check_library(argv[2], std::atoi(argv[3]));
    else if (argc == 4 && std::strcmp(argv[1], "foreign") == 0)
        rc = check_foreign_library(argv[2], std::atoi(argv[3]));
    else if (argc == 3 && std::strcmp(argv[1], "program") == 0)
        rc = check_program(argv[2]);
    else {
        std::printf("usage: check_resources library FILE BASE | foreign FILE BASE | program FILE\n");
        return 2;
    }
    std::printf("%s: %d checks, %d faults\n", argv[2], g_checks, g_faults);
    return rc || g_faults ? 1 : 0;
}
