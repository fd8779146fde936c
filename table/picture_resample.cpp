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

uint32_t Pack(const float* c)
{
    uint32_t p = 0;
    for (int k = 0; k < 4; ++k) {
        const long v = std::lround(std::clamp(c[k], 0.0f, 255.0f));
        p |= static_cast<uint32_t>(v) << (8 * k);
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
    // Across first, into four float channels per pixel.
    std::vector<float> rows(static_cast<size_t>(sh) * w * 4, 0.0f);
    for (int32_t y = 0; y < sh; ++y)
        for (int32_t x = 0; x < w; ++x) {
            const Contribution& c = across[static_cast<size_t>(x)];
            float* out = &rows[(static_cast<size_t>(y) * w + x) * 4];
            for (size_t j = 0; j < c.weights.size(); ++j) {
                const uint32_t p = source.pixels[static_cast<size_t>(y) * sw + c.first + static_cast<int32_t>(j)];
                for (int k = 0; k < 4; ++k) out[k] += c.weights[j] * Channel(p, k);
            }
        }
    PixelPicture result{w, h, std::vector<uint32_t>(static_cast<size_t>(w) * h)};
    for (int32_t y = 0; y < h; ++y) {
        const Contribution& c = down[static_cast<size_t>(y)];
        for (int32_t x = 0; x < w; ++x) {
            float sum[4] = {0, 0, 0, 0};
            for (size_t j = 0; j < c.weights.size(); ++j) {
                const float* in = &rows[(static_cast<size_t>(c.first + static_cast<int32_t>(j)) * w + x) * 4];
                for (int k = 0; k < 4; ++k) sum[k] += c.weights[j] * in[k];
            }
            result.pixels[static_cast<size_t>(y) * w + x] = Pack(sum);
        }
    }
    return result;
}

}  // namespace table
