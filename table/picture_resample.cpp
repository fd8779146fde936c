#include "table/picture_resample.h"

#include <algorithm>
#include <cmath>

namespace table {

namespace {

// The source pixels one new pixel along a side is made of, and their weights
// (summing to 1).
struct Contribution {
    int32_t first = 0;
    std::vector<float> weights;
};

std::vector<Contribution> Contributions(int32_t from, int32_t to)
{
    std::vector<Contribution> out(static_cast<size_t>(to));
    if (to <= from) {
        // Area: new pixel i covers [i * from, (i + 1) * from) and source
        // pixel j covers [j * to, (j + 1) * to), in units of 1 / (from * to).
        for (int32_t i = 0; i < to; ++i) {
            const int64_t lo = int64_t{i} * from, hi = lo + from;
            Contribution& c = out[static_cast<size_t>(i)];
            c.first = static_cast<int32_t>(lo / to);
            for (int32_t j = c.first; int64_t{j} * to < hi; ++j) {
                const int64_t overlap = std::min(hi, int64_t{j + 1} * to) - std::max(lo, int64_t{j} * to);
                c.weights.push_back(static_cast<float>(overlap) / static_cast<float>(from));
            }
        }
        return out;
    }
    // Linear: the centre of new pixel i lies at (i + 0.5) * from / to - 0.5.
    for (int32_t i = 0; i < to; ++i) {
        const double x = (i + 0.5) * from / to - 0.5;
        const double left = std::floor(x);
        const double t = x - left;
        const int32_t a = std::clamp(static_cast<int32_t>(left), 0, from - 1);
        const int32_t b = std::clamp(static_cast<int32_t>(left) + 1, 0, from - 1);
        Contribution& c = out[static_cast<size_t>(i)];
        c.first = a;
        if (a == b)
            c.weights = {1.0f};
        else
            c.weights = {static_cast<float>(1 - t), static_cast<float>(t)};
    }
    return out;
}

uint8_t Channel(uint32_t p, int k) { return static_cast<uint8_t>(p >> (8 * k)); }

// Rounded by adding a half: a call of lround per channel goes out to the
// C runtime's DLL, which under Wine costs more than the filtering.
uint32_t Pack(const float* c)
{
    uint32_t p = 0;
    for (int k = 0; k < 4; ++k) {
        const auto v = static_cast<uint32_t>(std::clamp(c[k], 0.0f, 255.0f) + 0.5f);
        p |= v << (8 * k);
    }
    return p;
}

}  // namespace

PixelPicture Resample(const PixelPicture& source, int32_t w, int32_t h)
{
    const int32_t sw = source.width, sh = source.height;
    if (w <= 0 || h <= 0 || sw <= 0 || sh <= 0 || source.pixels.size() < static_cast<size_t>(sw) * sh) return {};
    const std::vector<Contribution> across = Contributions(sw, w);
    const std::vector<Contribution> down = Contributions(sh, h);
    const size_t rowFloats = static_cast<size_t>(w) * 4;
    // Across first, into four float channels per pixel.
    std::vector<float> rows(static_cast<size_t>(sh) * rowFloats, 0.0f);
    for (int32_t y = 0; y < sh; ++y) {
        const uint32_t* in = &source.pixels[static_cast<size_t>(y) * sw];
        float* out = &rows[static_cast<size_t>(y) * rowFloats];
        for (int32_t x = 0; x < w; ++x, out += 4) {
            const Contribution& c = across[static_cast<size_t>(x)];
            const uint32_t* p = in + c.first;
            for (const float weight : c.weights) {
                const uint32_t px = *p++;
                for (int k = 0; k < 4; ++k) out[k] += weight * Channel(px, k);
            }
        }
    }
    // Then down, a whole row at a time.
    PixelPicture result{w, h, std::vector<uint32_t>(static_cast<size_t>(w) * h)};
    std::vector<float> sum(rowFloats);
    for (int32_t y = 0; y < h; ++y) {
        const Contribution& c = down[static_cast<size_t>(y)];
        std::fill(sum.begin(), sum.end(), 0.0f);
        for (size_t j = 0; j < c.weights.size(); ++j) {
            const float weight = c.weights[j];
            const float* in = &rows[static_cast<size_t>(c.first + static_cast<int32_t>(j)) * rowFloats];
            for (size_t i = 0; i < rowFloats; ++i) sum[i] += weight * in[i];
        }
        uint32_t* out = &result.pixels[static_cast<size_t>(y) * w];
        for (int32_t x = 0; x < w; ++x) out[x] = Pack(&sum[static_cast<size_t>(x) * 4]);
    }
    return result;
}

}  // namespace table
