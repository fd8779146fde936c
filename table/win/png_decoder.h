// PNG pictures: read by the program itself (table/png_reader.h) where it
// can, else decoded through the platform's imaging component (WIC), which
// loads with its first use. A program drawing at 100 % decodes nothing.
#pragma once

#include <cstddef>
#include <cstdint>

#include "table/picture_resample.h"

namespace table {

// The picture in `size` bytes of PNG data as 32-bit pixels (blue, green,
// red, alpha from the lowest byte up). Empty when the data is not a PNG
// picture, is larger than 16384 pixels either way, or cannot be decoded.
PixelPicture DecodePng(const uint8_t* data, size_t size);

// The same through the imaging component alone (the tests compare the two).
PixelPicture DecodeThroughImaging(const uint8_t* data, size_t size);

}  // namespace table
