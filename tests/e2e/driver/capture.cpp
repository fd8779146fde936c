#include "capture.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "platform/win/handles.h"

namespace e2e {

Image CaptureClient(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    Image image(client.right, client.bottom);
    if (image.empty()) return image;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height;  // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    platform::WindowDC screen(nullptr);
    platform::MemoryDC memory(CreateCompatibleDC(screen.get()));
    void* bits = nullptr;
    platform::Bitmap section(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!memory || !section) return Image();
    platform::SelectionScope holds(memory.get(), section.get());
    BitBlt(memory.get(), 0, 0, image.width, image.height, screen.get(), origin.x, origin.y, SRCCOPY);
    GdiFlush();
    const auto* p = static_cast<const uint32_t*>(bits);
    for (size_t i = 0; i < image.pixels.size(); ++i) image.pixels[i] = p[i] & 0xFFFFFF;
    return image;
}

Image CaptureSettled(HWND window)
{
    constexpr int kPauseMs = 40;
    constexpr int kTries = 50;
    Sleep(kPauseMs);
    Image last = CaptureClient(window);
    for (int i = 0; i < kTries; ++i) {
        Sleep(kPauseMs);
        Image now = CaptureClient(window);
        if (now.pixels == last.pixels && now.width == last.width) return now;
        last = std::move(now);
    }
    return last;
}

Image ResourcePicture(const char* file, LPCSTR name)
{
    Image image;
    HMODULE module = LoadLibraryExA(file, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return image;
    HRSRC found = FindResourceA(module, name, reinterpret_cast<LPCSTR>(RT_BITMAP));
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const auto* data = static_cast<const uint8_t*>(loaded ? LockResource(loaded) : nullptr);
    const DWORD size = found ? SizeofResource(module, found) : 0;
    if (data && size >= sizeof(BITMAPINFOHEADER)) {
        BITMAPINFOHEADER h;
        std::memcpy(&h, data, sizeof h);
        const int bpp = h.biBitCount;
        const uint32_t colours = bpp <= 8 ? (h.biClrUsed ? h.biClrUsed : 1u << bpp) : h.biClrUsed;
        const uint8_t* table = data + h.biSize;
        const uint8_t* bits = table + 4 * colours;
        const int w = h.biWidth;
        const int rows = h.biHeight < 0 ? -h.biHeight : h.biHeight;
        const size_t stride = ((size_t(w) * size_t(bpp) + 31) / 32) * 4;
        if ((bpp == 1 || bpp == 4 || bpp == 8 || bpp == 24) && h.biCompression == BI_RGB &&
            bits + stride * size_t(rows) <= data + size) {
            image = Image(w, rows);
            for (int y = 0; y < rows; ++y) {
                const uint8_t* row = bits + stride * size_t(h.biHeight < 0 ? y : rows - 1 - y);
                for (int x = 0; x < w; ++x) {
                    uint32_t c;
                    if (bpp == 24) {
                        c = Rgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
                    } else {
                        const int bit = x * bpp;
                        const uint32_t index = (row[bit / 8] >> (8 - bpp - bit % 8)) & ((1u << bpp) - 1);
                        const uint8_t* entry = table + 4 * (index < colours ? index : 0);
                        c = Rgb(entry[2], entry[1], entry[0]);
                    }
                    image.Set(x, y, c);
                }
            }
        }
    }
    FreeLibrary(module);
    return image;
}

bool WriteBmp(const Image& image, const std::string& path)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const uint32_t stride = (uint32_t(image.width) * 3 + 3) & ~3u;
    const uint32_t bitsSize = stride * uint32_t(image.height);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + bitsSize;
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = image.width;
    info.biHeight = image.height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biSizeImage = bitsSize;
    std::fwrite(&file, sizeof file, 1, f);
    std::fwrite(&info, sizeof info, 1, f);
    std::vector<uint8_t> row(stride, 0);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const uint32_t c = image.At(x, y);
            row[3 * size_t(x)] = uint8_t(c);
            row[3 * size_t(x) + 1] = uint8_t(c >> 8);
            row[3 * size_t(x) + 2] = uint8_t(c >> 16);
        }
        std::fwrite(row.data(), 1, row.size(), f);
    }
    return std::fclose(f) == 0;
}

void KeepImage(const Image& image, const std::string& name)
{
    const char* folder = std::getenv("LUMORA_E2E_IMAGES");
    if (folder && *folder) WriteBmp(image, std::string(folder) + "\\" + name + ".bmp");
}

std::string ColourText(uint32_t c)
{
    char text[16];
    std::snprintf(text, sizeof text, "#%06X", c & 0xFFFFFF);
    return text;
}

}  // namespace e2e
