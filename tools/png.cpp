#include "png.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

#include <zlib.h>

namespace art {

namespace {

void put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) out.push_back(uint8_t(v >> s));
}

void chunk(std::vector<uint8_t>& out, const char type[4], const std::vector<uint8_t>& data) {
    put32(out, uint32_t(data.size()));
    size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    uLong crc = crc32(0, out.data() + start, uInt(out.size() - start));
    put32(out, uint32_t(crc));
}

std::vector<uint8_t> deflate_best(const std::vector<uint8_t>& raw) {
    z_stream z{};
    if (deflateInit2(&z, 9, Z_DEFLATED, 15, 9, Z_DEFAULT_STRATEGY) != Z_OK) throw std::runtime_error("zlib");
    std::vector<uint8_t> out(deflateBound(&z, uLong(raw.size())));
    z.next_in = const_cast<Bytef*>(raw.data());
    z.avail_in = uInt(raw.size());
    z.next_out = out.data();
    z.avail_out = uInt(out.size());
    int st = deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    if (st != Z_STREAM_END) throw std::runtime_error("zlib: deflate did not finish");
    return out;
}

std::vector<uint8_t> file(int w, int h, int depth, int colour_type, const std::vector<uint8_t>& palette,
                          const std::vector<uint8_t>& filtered_rows) {
    std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> ihdr;
    put32(ihdr, uint32_t(w));
    put32(ihdr, uint32_t(h));
    ihdr.insert(ihdr.end(), {uint8_t(depth), uint8_t(colour_type), 0, 0, 0});
    chunk(out, "IHDR", ihdr);
    if (!palette.empty()) chunk(out, "PLTE", palette);
    chunk(out, "IDAT", deflate_best(filtered_rows));
    chunk(out, "IEND", {});
    return out;
}

int paeth(int a, int b, int c) {
    int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

// Each row with the filter that leaves the smallest sum of magnitudes, the
// usual heuristic for photographs and smooth drawings.
void filter_row(const uint8_t* row, const uint8_t* prev, size_t n, int bpp, std::vector<uint8_t>& out) {
    std::vector<uint8_t> best, trial(n + 1);
    long best_sum = -1;
    for (int f = 0; f < 5; ++f) {
        trial[0] = uint8_t(f);
        long sum = 0;
        for (size_t i = 0; i < n; ++i) {
            int a = i >= size_t(bpp) ? row[i - bpp] : 0, b = prev ? prev[i] : 0;
            int c = prev && i >= size_t(bpp) ? prev[i - bpp] : 0;
            int pred = f == 0 ? 0 : f == 1 ? a : f == 2 ? b : f == 3 ? (a + b) / 2 : paeth(a, b, c);
            uint8_t v = uint8_t(row[i] - pred);
            trial[i + 1] = v;
            sum += v < 128 ? v : 256 - v;
        }
        if (best_sum < 0 || sum < best_sum) best_sum = sum, best = trial;
    }
    out.insert(out.end(), best.begin(), best.end());
}

}  // namespace

std::vector<uint8_t> png_rgb(const Raster& r) {
    const size_t n = size_t(r.width) * 3;
    std::vector<uint8_t> rows, prev, row(n);
    for (int y = 0; y < r.height; ++y) {
        for (int x = 0; x < r.width; ++x) {
            Pixel p = r.at(x, y);
            row[3 * x] = uint8_t(red_of(p));
            row[3 * x + 1] = uint8_t(green_of(p));
            row[3 * x + 2] = uint8_t(blue_of(p));
        }
        filter_row(row.data(), y ? prev.data() : nullptr, n, 3, rows);
        prev = row;
    }
    return file(r.width, r.height, 8, 2, {}, rows);
}

std::vector<uint8_t> png_indexed(const Indexed& q) {
    if (q.palette.empty() || q.palette.size() > 256) throw std::runtime_error("png: palette of 1 to 256 colours");
    const int depth = q.palette.size() <= 16 ? 4 : 8;
    std::vector<uint8_t> palette;
    for (Pixel p : q.palette) palette.insert(palette.end(), {uint8_t(red_of(p)), uint8_t(green_of(p)), uint8_t(blue_of(p))});
    std::vector<uint8_t> rows;
    const size_t n = depth == 4 ? (size_t(q.width) + 1) / 2 : size_t(q.width);
    for (int y = 0; y < q.height; ++y) {
        rows.push_back(0);  // indices do not predict: no filter
        std::vector<uint8_t> row(n, 0);
        for (int x = 0; x < q.width; ++x) {
            uint8_t i = q.index[size_t(y) * q.width + x];
            if (depth == 8)
                row[x] = i;
            else
                row[x / 2] |= uint8_t((x & 1) ? i : i << 4);
        }
        rows.insert(rows.end(), row.begin(), row.end());
    }
    return file(q.width, q.height, depth, 3, palette, rows);
}

}  // namespace art
