#include "table/win/scaled_picture.h"

#include <cstdlib>
#include <string>

#include "table/dib_layout.h"
#include "table/picture_resample.h"
#include "table/win/dib_bitmap.h"
#include "table/win/png_decoder.h"

namespace table {

namespace {

// No stored picture and no drawn one is larger than this either way (a
// card at 300 % is 201 x 282): a larger request makes nothing instead of
// asking for gigabytes.
constexpr int32_t kLargestSide = 4096;

struct Resource {
    const uint8_t* data = nullptr;
    size_t size = 0;
};

// A resource of a loaded module stays mapped for as long as the module is
// loaded; there is nothing to free.
Resource Find(HMODULE module, LPCSTR name, LPCSTR type)
{
    HRSRC found = FindResourceA(module, name, type);
    if (!found) return {};
    HGLOBAL loaded = LoadResource(module, found);
    const auto* data = loaded ? static_cast<const uint8_t*>(LockResource(loaded)) : nullptr;
    return data ? Resource{data, SizeofResource(module, found)} : Resource{};
}

Resource FindBitmap(HMODULE module, LPCSTR name) { return Find(module, name, reinterpret_cast<LPCSTR>(RT_BITMAP)); }

std::string ScaledName(int32_t percent, LPCSTR name)
{
    if (IS_INTRESOURCE(name)) return ScaledPictureName(percent, static_cast<int32_t>(reinterpret_cast<uintptr_t>(name)));
    return ScaledPictureName(percent, name);
}

ScaleList Scales(HMODULE module)
{
    const Resource list = Find(module, "SCALES", reinterpret_cast<LPCSTR>(RT_RCDATA));
    return ReadScaleList(list.data, list.size);
}

PictureSize DibSize(const Resource& r)
{
    const DibLayout layout = ReadDibLayout(r.data, r.size);
    if (!layout.valid) return {};
    const int32_t w = layout.width, h = std::abs(layout.height);
    if (w <= 0 || h <= 0 || w > kLargestSide || h > kLargestSide) return {};
    return {w, h};
}

struct Stored {
    std::vector<PictureSize> sizes;
    std::vector<Resource> data;  // [0] the numbered bitmap, then PNG copies
};

Stored FindStored(HMODULE module, LPCSTR name)
{
    Stored s;
    const Resource bitmap = FindBitmap(module, name);
    s.sizes.push_back(bitmap.data ? DibSize(bitmap) : PictureSize{});
    s.data.push_back(bitmap);
    const ScaleList scales = Scales(module);
    for (size_t i = 0; i < scales.count; ++i) {
        const Resource png =
            Find(module, ScaledName(scales.percents[i], name).c_str(), reinterpret_cast<LPCSTR>(RT_RCDATA));
        PictureSize size;
        if (!ReadPngSize(png.data, png.size, &size)) size = {};
        s.sizes.push_back(size);
        s.data.push_back(png);
    }
    return s;
}

// The numbered bitmap's pixels, as the platform draws a packed bitmap.
PixelPicture DibPixels(const Resource& r, PictureSize size)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = size.width;
    info.bmiHeader.biHeight = -size.height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    platform::Bitmap section(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    platform::MemoryDC dc(CreateCompatibleDC(nullptr));
    if (!section || !bits || !dc) return {};
    const DibLayout layout = ReadDibLayout(r.data, r.size);
    {
        platform::SelectionScope selected(dc.get(), section.get());
        StretchDIBits(dc.get(), 0, 0, size.width, size.height, 0, 0, size.width, size.height,
                      r.data + layout.bitsOffset, reinterpret_cast<const BITMAPINFO*>(r.data), DIB_RGB_COLORS, SRCCOPY);
    }
    GdiFlush();
    const auto* p = static_cast<const uint32_t*>(bits);
    PixelPicture picture{size.width, size.height, std::vector<uint32_t>(p, p + size_t(size.width) * size.height)};
    for (uint32_t& px : picture.pixels) px |= 0xFF000000u;  // packed bitmaps are opaque
    return picture;
}

platform::Bitmap DeviceBitmap(const PixelPicture& picture, HWND window, HPALETTE palette)
{
    if (picture.pixels.empty()) return {};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    platform::WindowDC dc(window);
    platform::PaletteScope inPalette(dc.get(), palette);
    if (palette) RealizePalette(dc.get());
    return platform::Bitmap(
        CreateDIBitmap(dc.get(), &info.bmiHeader, CBM_INIT, picture.pixels.data(), &info, DIB_RGB_COLORS));
}

}  // namespace

std::vector<PictureSize> StoredPictureSizes(HMODULE module, LPCSTR name) { return FindStored(module, name).sizes; }

platform::Bitmap LoadPictureAtSize(HMODULE module, LPCSTR name, PictureSize size, HWND window, HPALETTE palette)
{
    if (size.width > kLargestSide || size.height > kLargestSide) return {};
    const Stored stored = FindStored(module, name);
    const PictureChoice choice = ChoosePicture(stored.sizes.data(), stored.sizes.size(), size);
    if (choice.fit == PictureFit::None) return {};
    const auto i = static_cast<size_t>(choice.index);
    if (i == 0 && choice.fit == PictureFit::Exact) return LoadDibBitmap(module, name, window, palette);
    PixelPicture picture =
        i == 0 ? DibPixels(stored.data[0], stored.sizes[0]) : DecodePng(stored.data[i].data, stored.data[i].size);
    if (choice.fit != PictureFit::Exact) picture = Resample(picture, size.width, size.height);
    return DeviceBitmap(picture, window, palette);
}

platform::Bitmap LoadPictureAtScale(HMODULE module, LPCSTR name, int32_t percent, HWND window, HPALETTE palette)
{
    const PictureSize base = DibSize(FindBitmap(module, name));
    if (base.width <= 0 || percent <= 0) return {};
    return LoadPictureAtSize(module, name, {ScaledLength(base.width, percent), ScaledLength(base.height, percent)},
                             window, palette);
}

}  // namespace table
