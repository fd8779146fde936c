// Pictures in memory and the file formats the resource compiler takes:
// BMP (24 and 4 bits per pixel), ICO (4 bits per pixel with a mask) and PNG
// for looking at them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <cairo.h>

namespace art {

// 0xAARRGGBB, straight (not premultiplied) alpha.
using Pixel = uint32_t;

constexpr Pixel rgb(int r, int g, int b) {
    return 0xFF000000u | (uint32_t(r & 255) << 16) | (uint32_t(g & 255) << 8) | uint32_t(b & 255);
}
constexpr int red_of(Pixel p) { return int((p >> 16) & 255); }
constexpr int green_of(Pixel p) { return int((p >> 8) & 255); }
constexpr int blue_of(Pixel p) { return int(p & 255); }
constexpr int alpha_of(Pixel p) { return int(p >> 24); }

struct Raster {
    int width = 0;
    int height = 0;
    std::vector<Pixel> pixels;  // row by row, top row first

    Raster() = default;
    Raster(int w, int h, Pixel fill = rgb(0, 0, 0)) : width(w), height(h), pixels(size_t(w) * h, fill) {}
    Pixel& at(int x, int y) { return pixels[size_t(y) * width + x]; }
    Pixel at(int x, int y) const { return pixels[size_t(y) * width + x]; }
};

// A picture of at most 16 colours: a palette and one index per pixel.
struct Indexed {
    int width = 0;
    int height = 0;
    std::vector<Pixel> palette;   // at most 16 entries
    std::vector<uint8_t> index;   // row by row, top row first
};

// Cairo drawing onto an image surface; to_raster() reads it back.
class Canvas {
public:
    Canvas(int w, int h);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    cairo_t* cr() const { return cr_; }
    int width() const { return w_; }
    int height() const { return h_; }
    Raster to_raster() const;
    // Paints a raster at (x, y), scaled by `scale` (1: pixel for pixel).
    void blit(const Raster& r, double x, double y, double scale = 1.0, bool smooth = true);

private:
    int w_, h_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

cairo_surface_t* make_surface(const Raster& r);  // caller destroys it

// Reduces a picture to at most `colours` colours (median cut refined by a few
// rounds of k-means). With `dither`, errors are diffused (Floyd-Steinberg).
Indexed quantize(const Raster& r, int colours, bool dither);
Raster expand(const Indexed& q);

// Whole BMP files (file header + BITMAPINFOHEADER + colour table + bits).
std::vector<uint8_t> bmp24(const Raster& r);
std::vector<uint8_t> bmp4(const Indexed& q);
// An icon file with one 4-bit image per picture; pixels whose alpha is below
// 128 are transparent.
std::vector<uint8_t> ico4(const std::vector<Raster>& images);
// An icon image as ico4 stores it: 16 colours, transparent where masked.
Raster icon_preview(const Raster& image);

void write_file(const std::string& path, const std::vector<uint8_t>& bytes);
void write_png(const std::string& path, const Raster& r);

}  // namespace art
