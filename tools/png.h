// PNG files for the pictures stored beside the numbered bitmaps: full colour
// (8-bit RGB) or indexed (4 bits per pixel up to 16 colours, else 8), at
// zlib's best compression.
#pragma once

#include <cstdint>
#include <vector>

#include "raster.h"

namespace art {

std::vector<uint8_t> png_rgb(const Raster& r);  // alpha is dropped
std::vector<uint8_t> png_indexed(const Indexed& q);

}  // namespace art
