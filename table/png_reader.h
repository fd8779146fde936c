// Reading PNG pictures without the platform: the copies the art generator
// stores beside the numbered bitmaps (palette or full colour), and any
// other non-interlaced PNG of 8 bits per channel or fewer. The data is
// untrusted: anything malformed (a chunk beyond the end, a bad checksum,
// compressed data that does not give exactly the rows, an index outside
// the palette) reads as no picture.
#pragma once

#include <cstddef>
#include <cstdint>

#include "table/picture_resample.h"

namespace table {

// At most this many pixels (4096 x 4096): the largest card picture has
// fewer than 60000.
constexpr int64_t kMaxPngPixels = int64_t{4096} * 4096;

// The picture as 32-bit pixels (blue, green, red, alpha from the lowest
// byte up), or an empty one when the data is not a picture this reader
// takes: interlaced or 16-bit pictures are left to the platform's decoder.
PixelPicture ReadPng(const uint8_t* data, size_t size);

}  // namespace table
