#include "table/png_reader.h"

#include <array>
#include <vector>

#include <zlib.h>

#include "table/picture_ladder.h"

namespace table {

namespace {

uint32_t Be32(const uint8_t* p)
{
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | uint32_t{p[3]};
}

bool Type(const uint8_t* p, const char* t) { return p[0] == t[0] && p[1] == t[1] && p[2] == t[2] && p[3] == t[3]; }

struct Header {
    uint32_t width = 0, height = 0;
    int depth = 0, colourType = 0;
    int channels = 0;  // samples per pixel
};

bool ReadHeader(const uint8_t* d, Header& h)
{
    h.width = Be32(d);
    h.height = Be32(d + 4);
    h.depth = d[8];
    h.colourType = d[9];
    if (d[10] != 0 || d[11] != 0 || d[12] != 0) return false;  // deflate, adaptive filters, not interlaced
    if (h.width == 0 || h.height == 0 || int64_t{h.width} * h.height > kMaxPngPixels) return false;
    switch (h.colourType) {
    case 0: h.channels = 1; return h.depth == 8;                                    // grey
    case 2: h.channels = 3; return h.depth == 8;                                    // RGB
    case 3: h.channels = 1; return h.depth == 1 || h.depth == 2 || h.depth == 4 || h.depth == 8;  // palette
    case 4: h.channels = 2; return h.depth == 8;                                    // grey and alpha
    case 6: h.channels = 4; return h.depth == 8;                                    // RGBA
    default: return false;
    }
}

int Paeth(int a, int b, int c)
{
    const int p = a + b - c;
    const int pa = p > a ? p - a : a - p, pb = p > b ? p - b : b - p, pc = p > c ? p - c : c - p;
    return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

// Undoes the filter of one row in place; false for an unknown filter.
bool Unfilter(int filter, uint8_t* row, const uint8_t* prev, size_t n, size_t bpp)
{
    for (size_t i = 0; i < n; ++i) {
        const int a = i >= bpp ? row[i - bpp] : 0, b = prev ? prev[i] : 0, c = prev && i >= bpp ? prev[i - bpp] : 0;
        int pred;
        switch (filter) {
        case 0: return true;
        case 1: pred = a; break;
        case 2: pred = b; break;
        case 3: pred = (a + b) / 2; break;
        case 4: pred = Paeth(a, b, c); break;
        default: return false;
        }
        row[i] = static_cast<uint8_t>(row[i] + pred);
    }
    return true;
}

uint32_t Bgra(int r, int g, int b, int a)
{
    return (static_cast<uint32_t>(a) << 24) | (static_cast<uint32_t>(r) << 16) | (static_cast<uint32_t>(g) << 8) |
           static_cast<uint32_t>(b);
}

// Inflates the joined IDAT data into exactly `out.size()` bytes.
bool Inflate(const std::vector<uint8_t>& in, std::vector<uint8_t>& out)
{
    z_stream z{};
    if (inflateInit(&z) != Z_OK) return false;
    z.next_in = const_cast<Bytef*>(in.data());
    z.avail_in = static_cast<uInt>(in.size());
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    const int st = inflate(&z, Z_FINISH);
    const bool whole = z.avail_out == 0 && (st == Z_STREAM_END || st == Z_OK || st == Z_BUF_ERROR);
    inflateEnd(&z);
    return whole;
}

}  // namespace

PixelPicture ReadPng(const uint8_t* data, size_t size)
{
    PictureSize checked;
    if (!ReadPngSize(data, size, &checked)) return {};
    Header h;
    std::array<uint32_t, 256> palette{};
    size_t paletteSize = 0;
    bool seenHeader = false, seenEnd = false;
    std::vector<uint8_t> compressed;
    for (size_t at = 8; at + 12 <= size && !seenEnd;) {
        const uint32_t length = Be32(data + at);
        if (length > size - at - 12) return {};
        const uint8_t* type = data + at + 4;
        const uint8_t* body = data + at + 8;
        const uLong crc = crc32(0, type, static_cast<uInt>(length + 4));
        if (crc != Be32(body + length)) return {};
        if (!seenHeader) {
            if (!Type(type, "IHDR") || length != 13 || !ReadHeader(body, h)) return {};
            seenHeader = true;
        } else if (Type(type, "PLTE")) {
            if (length % 3 != 0 || length / 3 > 256 || paletteSize) return {};
            paletteSize = length / 3;
            for (size_t i = 0; i < paletteSize; ++i)
                palette[i] = Bgra(body[3 * i], body[3 * i + 1], body[3 * i + 2], 255);
        } else if (Type(type, "tRNS") && h.colourType == 3) {
            for (size_t i = 0; i < length && i < paletteSize; ++i) palette[i] = (palette[i] & 0x00FFFFFFu) | (uint32_t{body[i]} << 24);
        } else if (Type(type, "IDAT")) {
            compressed.insert(compressed.end(), body, body + length);
        } else if (Type(type, "IEND")) {
            seenEnd = true;
        } else if (!(type[0] & 0x20)) {
            return {};  // a critical chunk this reader does not know
        }
        at += size_t{length} + 12;
    }
    if (!seenHeader || !seenEnd || compressed.empty() || (h.colourType == 3 && paletteSize == 0)) return {};
    const size_t bitsPerPixel = static_cast<size_t>(h.depth) * static_cast<size_t>(h.channels);
    const size_t rowBytes = (size_t{h.width} * bitsPerPixel + 7) / 8;
    const size_t bpp = bitsPerPixel < 8 ? 1 : bitsPerPixel / 8;
    std::vector<uint8_t> rows(size_t{h.height} * (rowBytes + 1));
    if (!Inflate(compressed, rows)) return {};
    PixelPicture picture{static_cast<int32_t>(h.width), static_cast<int32_t>(h.height),
                         std::vector<uint32_t>(size_t{h.width} * h.height)};
    const uint8_t* prev = nullptr;
    for (size_t y = 0; y < h.height; ++y) {
        uint8_t* row = &rows[y * (rowBytes + 1)];
        if (!Unfilter(row[0], row + 1, prev, rowBytes, bpp)) return {};
        const uint8_t* p = row + 1;
        uint32_t* out = &picture.pixels[y * h.width];
        for (size_t x = 0; x < h.width; ++x) {
            switch (h.colourType) {
            case 0: out[x] = Bgra(p[x], p[x], p[x], 255); break;
            case 2: out[x] = Bgra(p[3 * x], p[3 * x + 1], p[3 * x + 2], 255); break;
            case 4: out[x] = Bgra(p[2 * x], p[2 * x], p[2 * x], p[2 * x + 1]); break;
            case 6: out[x] = Bgra(p[4 * x], p[4 * x + 1], p[4 * x + 2], p[4 * x + 3]); break;
            default: {
                const size_t bit = x * static_cast<size_t>(h.depth);
                const int shift = 8 - h.depth - static_cast<int>(bit % 8);
                const size_t index = (p[bit / 8] >> shift) & ((1u << h.depth) - 1);
                if (index >= paletteSize) return {};
                out[x] = palette[index];
            }
            }
        }
        prev = row + 1;
    }
    return picture;
}

}  // namespace table
