#include "table/dib_layout.h"

#include <cstring>

namespace table {

namespace {

constexpr uint32_t kRgb = 0;        // uncompressed
constexpr uint32_t kRle8 = 1;       // run-length encoded, 8 bits per pixel
constexpr uint32_t kRle4 = 2;       // run-length encoded, 4 bits per pixel
constexpr uint32_t kBitfields = 3;  // uncompressed with three colour masks

uint32_t Read32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

uint16_t Read16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

}  // namespace

bool RleStreamEnds(const uint8_t* p, size_t n, bool fourBit)
{
    size_t i = 0;
    while (n - i >= 2) {
        const uint8_t count = p[i], code = p[i + 1];
        i += 2;
        if (count != 0) continue;    // a run of one value: the two bytes hold it all
        if (code == 0) continue;     // end of a row
        if (code == 1) return true;  // end of the bitmap
        if (code == 2) {             // a jump: two more bytes
            if (n - i < 2) return false;
            i += 2;
            continue;
        }
        // `code` pixels given one by one, padded to a 16-bit boundary.
        size_t bytes = fourBit ? (code + 1u) / 2u : code;
        bytes += bytes & 1u;
        if (bytes > n - i) return false;
        i += bytes;
    }
    return false;
}

uint32_t ColourTableLength(uint16_t bitsPerPixel, uint32_t coloursUsed)
{
    if (coloursUsed != 0) return coloursUsed;
    switch (bitsPerPixel) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
    }
}

DibLayout ReadDibLayout(const uint8_t* data, size_t size)
{
    DibLayout d;
    if (!data || size < kDibHeaderBytes) return d;
    const uint32_t headerSize = Read32(data);
    d.width = static_cast<int32_t>(Read32(data + 4));
    d.height = static_cast<int32_t>(Read32(data + 8));
    d.bitsPerPixel = Read16(data + 14);
    const uint32_t compression = Read32(data + 16);
    const uint32_t coloursUsed = Read32(data + 32);
    // Later header versions are longer; the colour table follows the header.
    if (headerSize < kDibHeaderBytes || headerSize > size) return d;
    if (coloursUsed > 256 && d.bitsPerPixel <= 8) return d;
    d.colours = ColourTableLength(d.bitsPerPixel, coloursUsed);
    uint64_t offset = headerSize + 4ull * d.colours;
    if (compression == kBitfields && headerSize == kDibHeaderBytes) offset += 12;
    if (offset > size) return d;
    d.bitsOffset = static_cast<size_t>(offset);
    if (d.width <= 0 || d.height == 0) return d;
    const size_t available = size - d.bitsOffset;
    if (compression == kRgb || compression == kBitfields) {
        const uint64_t stride = ((uint64_t(d.width) * d.bitsPerPixel + 31) / 32) * 4;
        const uint64_t rows = d.height < 0 ? -int64_t(d.height) : d.height;
        if (d.bitsPerPixel == 0 || stride * rows > available) return d;
    } else if (compression == kRle8 || compression == kRle4) {
        // The platform's decoder reads codes until the end-of-bitmap code:
        // it must come within the size the header gives, inside the data.
        const bool fourBit = compression == kRle4;
        if (d.bitsPerPixel != (fourBit ? 4 : 8) || d.height < 0) return d;
        const uint32_t imageSize = Read32(data + 20);
        if (imageSize == 0 || imageSize > available) return d;
        if (!RleStreamEnds(data + d.bitsOffset, imageSize, fourBit)) return d;
    } else {
        return d;  // a compression the loader does not know
    }
    d.valid = true;
    return d;
}

}  // namespace table
