// Pixels of the screen and of bitmap resources, for checks of what the
// program drew.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

constexpr uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) { return r << 16 | g << 8 | b; }

// Pixels as 0x00RRGGBB, rows from the top.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    Image() = default;
    Image(int w, int h, uint32_t fill = 0) : width(w), height(h), pixels(size_t(w) * size_t(h), fill) {}
    bool empty() const { return pixels.empty(); }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    uint32_t At(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
    void Set(int x, int y, uint32_t c)
    {
        if (Contains(x, y)) pixels[size_t(y) * size_t(width) + size_t(x)] = c;
    }
};

// The window's client area as the screen shows it now. Parts covered by
// another window come back as that window.
Image CaptureClient(HWND window);
// The same once the picture holds still: the program draws through its own
// connection to the display, which may not have reached the screen yet.
Image CaptureSettled(HWND window);

// A bitmap resource of a program or library file (1, 4, 8 or 24 bits per
// pixel), decoded without the help of the graphics system. Empty when absent.
Image ResourcePicture(const char* file, LPCSTR name);
inline Image ResourcePicture(const char* file, int number) { return ResourcePicture(file, MAKEINTRESOURCEA(number)); }

// A 24-bit BMP file, for looking at a failure.
bool WriteBmp(const Image& image, const std::string& path);
// Writes the image into the folder named by LUMORA_E2E_IMAGES, when set.
void KeepImage(const Image& image, const std::string& name);

std::string ColourText(uint32_t c);

}  // namespace e2e
