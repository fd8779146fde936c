// Where the parts of a packed device-independent bitmap lie: the header,
// the colour table and the pixel bits. The loader checks a resource with
// this before handing it to the platform, so a short or inconsistent
// resource is refused instead of being read past its end.
#pragma once

#include <cstddef>
#include <cstdint>

namespace table {

constexpr size_t kDibHeaderBytes = 40;

// Entries of the colour table: the header's count of used colours, or,
// when that is 0, 2, 16 or 256 for 1, 4 or 8 bits per pixel and none for
// any other depth.
uint32_t ColourTableLength(uint16_t bitsPerPixel, uint32_t coloursUsed);

struct DibLayout {
    bool valid = false;
    int32_t width = 0;
    int32_t height = 0;  // as the header gives it (negative: top-down rows)
    uint16_t bitsPerPixel = 0;
    uint32_t colours = 0;   // entries of the colour table
    size_t bitsOffset = 0;  // from the start of the resource
};

// Reads the header of a packed bitmap of `size` bytes. Valid when the
// header, the colour table and the pixels lie inside the data: every row of
// an uncompressed bitmap; for a run-length encoded one, the header's image
// size, whose codes end the bitmap within it. Other compressions are refused.
DibLayout ReadDibLayout(const uint8_t* data, size_t size);

// Do the run-length codes in the `n` bytes at `p` (4 or 8 bits per pixel)
// reach their end-of-bitmap code without reading past the n bytes?
bool RleStreamEnds(const uint8_t* p, size_t n, bool fourBit);

}  // namespace table
