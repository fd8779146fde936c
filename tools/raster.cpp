#include "raster.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <unordered_map>

namespace art {

Canvas::Canvas(int w, int h) : w_(w), h_(h) {
    surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cr_ = cairo_create(surface_);
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

Raster Canvas::to_raster() const {
    cairo_surface_flush(surface_);
    Raster r(w_, h_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    int stride = cairo_image_surface_get_stride(surface_);
    for (int y = 0; y < h_; ++y) {
        auto row = reinterpret_cast<const uint32_t*>(data + size_t(y) * stride);
        for (int x = 0; x < w_; ++x) {
            uint32_t p = row[x];
            int a = int(p >> 24);
            int rr = (p >> 16) & 255, gg = (p >> 8) & 255, bb = p & 255;
            if (a > 0 && a < 255) {  // cairo keeps premultiplied alpha
                rr = std::min(255, (rr * 255 + a / 2) / a);
                gg = std::min(255, (gg * 255 + a / 2) / a);
                bb = std::min(255, (bb * 255 + a / 2) / a);
            }
            r.at(x, y) = (uint32_t(a) << 24) | (uint32_t(rr) << 16) | (uint32_t(gg) << 8) | uint32_t(bb);
        }
    }
    return r;
}

cairo_surface_t* make_surface(const Raster& r) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, r.width, r.height);
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < r.height; ++y) {
        auto row = reinterpret_cast<uint32_t*>(data + size_t(y) * stride);
        for (int x = 0; x < r.width; ++x) {
            Pixel p = r.at(x, y);
            uint32_t a = p >> 24;
            uint32_t rr = red_of(p) * a / 255, gg = green_of(p) * a / 255, bb = blue_of(p) * a / 255;
            row[x] = (a << 24) | (rr << 16) | (gg << 8) | bb;
        }
    }
    cairo_surface_mark_dirty(s);
    return s;
}

void Canvas::blit(const Raster& r, double x, double y, double scale, bool smooth) {
    cairo_surface_t* s = make_surface(r);
    cairo_save(cr_);
    cairo_translate(cr_, x, y);
    cairo_scale(cr_, scale, scale);
    cairo_set_source_surface(cr_, s, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr_), smooth ? CAIRO_FILTER_GOOD : CAIRO_FILTER_NEAREST);
    cairo_rectangle(cr_, 0, 0, r.width, r.height);
    cairo_fill(cr_);
    cairo_restore(cr_);
    cairo_surface_destroy(s);
}

// ---------------------------------------------------------------------------
// Colour reduction

namespace {

struct Entry {
    std::array<int, 3> c;
    double weight;
};

struct Box {
    std::vector<Entry> entries;
    double weight = 0;
    int longest_axis(int* range) const {
        int best = 0, best_range = -1;
        for (int k = 0; k < 3; ++k) {
            int lo = 255, hi = 0;
            for (auto& e : entries) {
                lo = std::min(lo, e.c[k]);
                hi = std::max(hi, e.c[k]);
            }
            if (hi - lo > best_range) {
                best_range = hi - lo;
                best = k;
            }
        }
        *range = best_range;
        return best;
    }
};

int distance2(const std::array<int, 3>& a, Pixel p) {
    // Weighted towards green, as the eye is.
    int dr = a[0] - red_of(p), dg = a[1] - green_of(p), db = a[2] - blue_of(p);
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

int nearest(const std::vector<Pixel>& palette, const std::array<int, 3>& c, size_t first = 0) {
    int best = int(first), best_d = INT32_MAX;
    for (size_t i = first; i < palette.size(); ++i) {
        int d = distance2(c, palette[i]);
        if (d < best_d) {
            best_d = d;
            best = int(i);
        }
    }
    return best;
}

std::vector<Pixel> median_cut(const std::vector<Entry>& all, int colours) {
    std::vector<Box> boxes(1);
    boxes[0].entries = all;
    for (auto& e : all) boxes[0].weight += e.weight;
    while (int(boxes.size()) < colours) {
        // Split the box whose spread, weighted by its share of pixels, is largest.
        int pick = -1;
        double pick_score = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].entries.size() < 2) continue;
            int range;
            boxes[i].longest_axis(&range);
            double score = double(range) * std::sqrt(boxes[i].weight);
            if (range > 0 && score > pick_score) {
                pick_score = score;
                pick = int(i);
            }
        }
        if (pick < 0) break;
        Box box = std::move(boxes[pick]);
        int range;
        int axis = box.longest_axis(&range);
        std::sort(box.entries.begin(), box.entries.end(),
                  [axis](const Entry& a, const Entry& b) { return a.c[axis] < b.c[axis]; });
        double half = box.weight / 2, acc = 0;
        size_t cut = 1;
        for (size_t i = 0; i + 1 < box.entries.size(); ++i) {
            acc += box.entries[i].weight;
            cut = i + 1;
            if (acc >= half) break;
        }
        Box a, b;
        a.entries.assign(box.entries.begin(), box.entries.begin() + long(cut));
        b.entries.assign(box.entries.begin() + long(cut), box.entries.end());
        for (auto& e : a.entries) a.weight += e.weight;
        for (auto& e : b.entries) b.weight += e.weight;
        boxes[pick] = std::move(a);
        boxes.push_back(std::move(b));
    }
    std::vector<Pixel> palette;
    for (auto& box : boxes) {
        double s[3] = {0, 0, 0};
        for (auto& e : box.entries)
            for (int k = 0; k < 3; ++k) s[k] += e.c[k] * e.weight;
        palette.push_back(rgb(int(std::lround(s[0] / box.weight)), int(std::lround(s[1] / box.weight)),
                              int(std::lround(s[2] / box.weight))));
    }
    // A few rounds of k-means over the distinct colours.
    for (int round = 0; round < 6; ++round) {
        std::vector<std::array<double, 4>> sum(palette.size(), {0, 0, 0, 0});
        for (auto& e : all) {
            int i = nearest(palette, e.c);
            for (int k = 0; k < 3; ++k) sum[i][k] += e.c[k] * e.weight;
            sum[i][3] += e.weight;
        }
        for (size_t i = 0; i < palette.size(); ++i)
            if (sum[i][3] > 0)
                palette[i] = rgb(int(std::lround(sum[i][0] / sum[i][3])), int(std::lround(sum[i][1] / sum[i][3])),
                                 int(std::lround(sum[i][2] / sum[i][3])));
    }
    return palette;
}

std::vector<Entry> histogram(const Raster& r, bool opaque_only) {
    std::unordered_map<uint32_t, double> counts;
    for (Pixel p : r.pixels) {
        if (opaque_only && alpha_of(p) < 128) continue;
        counts[p & 0xFFFFFF] += 1;
    }
    std::vector<Entry> all;
    all.reserve(counts.size());
    for (auto& [c, n] : counts) all.push_back({{int(c >> 16) & 255, int(c >> 8) & 255, int(c) & 255}, n});
    std::sort(all.begin(), all.end(), [](const Entry& a, const Entry& b) { return a.c < b.c; });
    return all;
}

void map_pixels(const Raster& r, Indexed& q, bool dither, size_t first) {
    q.width = r.width;
    q.height = r.height;
    q.index.assign(size_t(r.width) * r.height, 0);
    std::vector<std::array<float, 3>> err(size_t(r.width + 2) * 2, {0, 0, 0});
    auto E = [&](int row, int x) -> std::array<float, 3>& { return err[size_t(row & 1) * (r.width + 2) + x + 1]; };
    for (int y = 0; y < r.height; ++y) {
        for (int x = -1; x <= r.width; ++x) E(y + 1, x) = {0, 0, 0};
        for (int x = 0; x < r.width; ++x) {
            Pixel p = r.at(x, y);
            std::array<int, 3> c = {red_of(p), green_of(p), blue_of(p)};
            if (dither)
                for (int k = 0; k < 3; ++k) c[k] = std::clamp(int(std::lround(c[k] + E(y, x)[k])), 0, 255);
            int i = nearest(q.palette, c, first);
            q.index[size_t(y) * r.width + x] = uint8_t(i);
            if (dither) {
                Pixel got = q.palette[i];
                float e[3] = {float(c[0] - red_of(got)), float(c[1] - green_of(got)), float(c[2] - blue_of(got))};
                for (int k = 0; k < 3; ++k) {
                    E(y, x + 1)[k] += e[k] * 7 / 16;
                    E(y + 1, x - 1)[k] += e[k] * 3 / 16;
                    E(y + 1, x)[k] += e[k] * 5 / 16;
                    E(y + 1, x + 1)[k] += e[k] * 1 / 16;
                }
            }
        }
    }
}

}  // namespace

Indexed quantize(const Raster& r, int colours, bool dither) {
    Indexed q;
    auto all = histogram(r, false);
    if (int(all.size()) <= colours) {
        for (auto& e : all) q.palette.push_back(rgb(e.c[0], e.c[1], e.c[2]));
        map_pixels(r, q, false, 0);
        return q;
    }
    q.palette = median_cut(all, colours);
    map_pixels(r, q, dither, 0);
    return q;
}

Raster expand(const Indexed& q) {
    Raster r(q.width, q.height);
    for (size_t i = 0; i < q.index.size(); ++i) r.pixels[i] = q.palette[q.index[i]];
    return r;
}

// ---------------------------------------------------------------------------
// File formats

namespace {

void put16(std::vector<uint8_t>& b, uint32_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}
void put32(std::vector<uint8_t>& b, uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

void info_header(std::vector<uint8_t>& b, int w, int h, int bits, uint32_t image_bytes, uint32_t colours) {
    put32(b, 40);
    put32(b, uint32_t(w));
    put32(b, uint32_t(h));
    put16(b, 1);
    put16(b, uint32_t(bits));
    put32(b, 0);  // BI_RGB
    put32(b, image_bytes);
    put32(b, 2835);  // 72 dpi
    put32(b, 2835);
    put32(b, colours);
    put32(b, 0);
}

void file_header(std::vector<uint8_t>& b, uint32_t total, uint32_t bits_offset) {
    b.push_back('B');
    b.push_back('M');
    put32(b, total);
    put32(b, 0);
    put32(b, bits_offset);
}

void colour_table(std::vector<uint8_t>& b, const std::vector<Pixel>& palette, size_t entries) {
    for (size_t i = 0; i < entries; ++i) {
        Pixel p = i < palette.size() ? palette[i] : rgb(0, 0, 0);
        b.push_back(uint8_t(blue_of(p)));
        b.push_back(uint8_t(green_of(p)));
        b.push_back(uint8_t(red_of(p)));
        b.push_back(0);
    }
}

// Rows bottom-up, each padded to 4 bytes.
void bits4(std::vector<uint8_t>& b, const Indexed& q) {
    size_t stride = ((size_t(q.width) * 4 + 31) / 32) * 4;
    for (int y = q.height - 1; y >= 0; --y) {
        std::vector<uint8_t> row(stride, 0);
        for (int x = 0; x < q.width; ++x) {
            uint8_t v = q.index[size_t(y) * q.width + x] & 15;
            row[x / 2] |= (x & 1) ? v : uint8_t(v << 4);
        }
        b.insert(b.end(), row.begin(), row.end());
    }
}

}  // namespace

std::vector<uint8_t> bmp24(const Raster& r) {
    size_t stride = ((size_t(r.width) * 24 + 31) / 32) * 4;
    uint32_t image = uint32_t(stride * r.height);
    std::vector<uint8_t> b;
    file_header(b, 14 + 40 + image, 14 + 40);
    info_header(b, r.width, r.height, 24, image, 0);
    for (int y = r.height - 1; y >= 0; --y) {
        size_t start = b.size();
        for (int x = 0; x < r.width; ++x) {
            Pixel p = r.at(x, y);
            b.push_back(uint8_t(blue_of(p)));
            b.push_back(uint8_t(green_of(p)));
            b.push_back(uint8_t(red_of(p)));
        }
        while (b.size() - start < stride) b.push_back(0);
    }
    return b;
}

std::vector<uint8_t> bmp4(const Indexed& q) {
    if (q.palette.size() > 16) throw std::runtime_error("bmp4: more than 16 colours");
    size_t stride = ((size_t(q.width) * 4 + 31) / 32) * 4;
    uint32_t image = uint32_t(stride * q.height);
    std::vector<uint8_t> b;
    file_header(b, 14 + 40 + 64 + image, 14 + 40 + 64);
    info_header(b, q.width, q.height, 4, image, 16);
    colour_table(b, q.palette, 16);
    bits4(b, q);
    return b;
}

Indexed icon_colours(const Raster& r) {
    // Entry 0 is black: transparent pixels are black under a set mask bit,
    // which leaves the screen as it was.
    Indexed q;
    auto all = histogram(r, true);
    q.palette.push_back(rgb(0, 0, 0));
    if (all.size() <= 15) {
        for (auto& e : all) q.palette.push_back(rgb(e.c[0], e.c[1], e.c[2]));
    } else {
        auto rest = median_cut(all, 15);
        q.palette.insert(q.palette.end(), rest.begin(), rest.end());
    }
    map_pixels(r, q, false, 0);
    for (size_t i = 0; i < r.pixels.size(); ++i)
        if (alpha_of(r.pixels[i]) < 128) q.index[i] = 0;
    return q;
}

Raster icon_preview(const Raster& r) {
    Raster out = expand(icon_colours(r));
    for (size_t i = 0; i < r.pixels.size(); ++i)
        if (alpha_of(r.pixels[i]) < 128) out.pixels[i] = 0;
    return out;
}

std::vector<uint8_t> ico4(const std::vector<Raster>& images) {
    std::vector<std::vector<uint8_t>> bodies;
    for (const Raster& r : images) {
        Indexed q = icon_colours(r);
        std::vector<uint8_t> b;
        size_t mask_stride = ((size_t(r.width) + 31) / 32) * 4;
        size_t stride = ((size_t(r.width) * 4 + 31) / 32) * 4;
        uint32_t image = uint32_t((stride + mask_stride) * r.height);
        info_header(b, r.width, r.height * 2, 4, image, 0);
        colour_table(b, q.palette, 16);
        bits4(b, q);
        for (int y = r.height - 1; y >= 0; --y) {
            std::vector<uint8_t> row(mask_stride, 0);
            for (int x = 0; x < r.width; ++x)
                if (alpha_of(r.at(x, y)) < 128) row[x / 8] |= uint8_t(0x80 >> (x % 8));
            b.insert(b.end(), row.begin(), row.end());
        }
        bodies.push_back(std::move(b));
    }
    std::vector<uint8_t> out;
    put16(out, 0);
    put16(out, 1);  // icon
    put16(out, uint32_t(images.size()));
    uint32_t offset = 6 + 16 * uint32_t(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        out.push_back(uint8_t(images[i].width));
        out.push_back(uint8_t(images[i].height));
        out.push_back(16);  // colours
        out.push_back(0);
        put16(out, 1);  // planes
        put16(out, 4);  // bits per pixel
        put32(out, uint32_t(bodies[i].size()));
        put32(out, offset);
        offset += uint32_t(bodies[i].size());
    }
    for (auto& b : bodies) out.insert(out.end(), b.begin(), b.end());
    return out;
}

void write_file(const std::string& path, const std::vector<uint8_t>& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) throw std::runtime_error("cannot write " + path);
    size_t n = std::fwrite(bytes.data(), 1, bytes.size(), f);
    if (std::fclose(f) != 0 || n != bytes.size()) throw std::runtime_error("cannot write " + path);
}

void write_png(const std::string& path, const Raster& r) {
    cairo_surface_t* s = make_surface(r);
    cairo_status_t st = cairo_surface_write_to_png(s, path.c_str());
    cairo_surface_destroy(s);
    if (st != CAIRO_STATUS_SUCCESS) throw std::runtime_error("cannot write " + path);
}

}  // namespace art
