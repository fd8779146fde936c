// Resizing a picture of 32-bit pixels (four 8-bit channels, each filtered
// on its own): an area filter where a side shrinks (each new pixel is the
// mean of the source area it covers) and linear interpolation between
// pixel centres where a side grows.
#pragma once

#include <cstdint>
#include <vector>

namespace table {

struct PixelPicture {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels;  // row by row, top row first
};

// `source` at w x h; an empty picture when either is not positive or the
// source has no pixels.
PixelPicture Resample(const PixelPicture& source, int32_t w, int32_t h);

}  // namespace table
