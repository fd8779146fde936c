#include "furniture.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "cards.h"

namespace art {

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Rng {
    uint32_t s;
    uint32_t next() {
        s ^= s << 13;
        s ^= s >> 17;
        s ^= s << 5;
        return s;
    }
    double unit() { return (next() >> 8) / double(1u << 24); }        // 0..1
    double signed_unit() { return unit() * 2 - 1; }                     // -1..1
    int below(int n) { return int(next() % uint32_t(n)); }
};

Pixel mix(double r, double g, double b) {
    return rgb(std::clamp(int(std::lround(r)), 0, 255), std::clamp(int(std::lround(g)), 0, 255),
               std::clamp(int(std::lround(b)), 0, 255));
}

// A smooth field that repeats exactly every w x h pixels: a sum of waves
// whose frequencies are whole numbers of periods per tile.
struct PeriodicField {
    struct Wave {
        int fx, fy;
        double amp, phase;
    };
    std::vector<Wave> waves;
    int w, h;
    PeriodicField(int w_, int h_, uint32_t seed, int count, int max_freq, double falloff) : w(w_), h(h_) {
        Rng rng{seed};
        for (int i = 0; i < count; ++i) {
            int fx = rng.below(2 * max_freq + 1) - max_freq, fy = rng.below(2 * max_freq + 1) - max_freq;
            if (fx == 0 && fy == 0) fx = 1;
            double f = std::sqrt(double(fx * fx + fy * fy));
            waves.push_back({fx, fy, 1.0 / std::pow(f, falloff), rng.unit() * 2 * kPi});
        }
        double total = 0;
        for (auto& wv : waves) total += wv.amp;
        for (auto& wv : waves) wv.amp /= total;
    }
    double operator()(double x, double y) const {
        double v = 0;
        for (auto& wv : waves) v += wv.amp * std::sin(2 * kPi * (wv.fx * x / w + wv.fy * y / h) + wv.phase);
        return v;
    }
};

// Per-pixel grain, the same wherever the tile is repeated.
double grain(int x, int y, uint32_t seed) {
    uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFF) / 32767.5 - 1.0;
}

// Draws `paint` at (x, y) and at its copies one tile away in every direction,
// so shapes that cross an edge continue on the other side.
void wrapped(Canvas& cv, double x, double y, const std::function<void(cairo_t*, double, double)>& paint) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) paint(cv.cr(), x + dx * cv.width(), y + dy * cv.height());
}

Raster felt(int w, int h) {  // 0: green baize
    PeriodicField cloud(w, h, 5, 40, 9, 1.2);
    Raster r(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            double v = 1 + 0.10 * cloud(x, y) + 0.07 * grain(x, y, 1);
            r.at(x, y) = mix(26 * v, 112 * v, 56 * v);
        }
    return r;
}

Raster weave(int w, int h, int t = 3) {  // 1: blue woven cloth
    // Over and under alternate cell by cell, so a tile holds an even number
    // of cells each way: 3-pixel threads (246 = 82 x 3, 222 = 74 x 3).
    PeriodicField cloud(w, h, 9, 30, 6, 1.0);
    Raster r(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int i = x / t, j = y / t;
            bool horizontal = (i + j) % 2 == 0;
            double across = horizontal ? (y % t + 0.5) / t : (x % t + 0.5) / t;
            double shade = 0.72 + 0.4 * std::sin(kPi * across) + 0.05 * cloud(x, y) + 0.04 * grain(x, y, 2);
            if (horizontal) shade *= 1.06;
            r.at(x, y) = mix(30 * shade, 62 * shade, 134 * shade);
        }
    return r;
}

Raster damask(int w, int h, double scale = 1) {  // 2: burgundy with a woven-in flower pattern
    Canvas cv(w, h);
    cairo_t* cr = cv.cr();
    cairo_set_source_rgb(cr, 112 / 255.0, 18 / 255.0, 32 / 255.0);
    cairo_paint(cr);
    auto flower = [scale](cairo_t* c, double cx, double cy) {
        for (int k = 0; k < 8; ++k) {
            double a = kPi * k / 4;
            cairo_save(c);
            cairo_translate(c, cx, cy);
            cairo_scale(c, scale, scale);
            cairo_rotate(c, a);
            cairo_move_to(c, 0, 0);
            cairo_curve_to(c, 10, -9, 30, -7, 38, 0);
            cairo_curve_to(c, 30, 7, 10, 9, 0, 0);
            cairo_restore(c);
        }
        cairo_set_source_rgb(c, 140 / 255.0, 30 / 255.0, 46 / 255.0);
        cairo_fill(c);
        cairo_arc(c, cx, cy, 9 * scale, 0, 2 * kPi);
        cairo_set_source_rgb(c, 160 / 255.0, 44 / 255.0, 58 / 255.0);
        cairo_fill(c);
        cairo_arc(c, cx, cy, 4 * scale, 0, 2 * kPi);
        cairo_set_source_rgb(c, 190 / 255.0, 120 / 255.0, 60 / 255.0);
        cairo_fill(c);
    };
    auto diamond = [scale](cairo_t* c, double cx, double cy) {
        cairo_move_to(c, cx, cy - 14 * scale);
        cairo_line_to(c, cx + 8 * scale, cy);
        cairo_line_to(c, cx, cy + 14 * scale);
        cairo_line_to(c, cx - 8 * scale, cy);
        cairo_close_path(c);
        cairo_set_source_rgb(c, 132 / 255.0, 26 / 255.0, 42 / 255.0);
        cairo_fill(c);
    };
    wrapped(cv, w * 0.25, h * 0.25, flower);
    wrapped(cv, w * 0.75, h * 0.75, flower);
    wrapped(cv, w * 0.75, h * 0.25, diamond);
    wrapped(cv, w * 0.25, h * 0.75, diamond);
    Raster r = cv.to_raster();
    PeriodicField cloud(w, h, 13, 30, 5, 1.0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            Pixel p = r.at(x, y);
            double v = 1 + 0.06 * cloud(x, y) + 0.05 * grain(x, y, 3);
            r.at(x, y) = mix(red_of(p) * v, green_of(p) * v, blue_of(p) * v);
        }
    return r;
}

Raster wood(int w, int h) {  // 3: oak planks, four to a tile
    int plank = h / 4;
    PeriodicField warp(w, h, 17, 12, 3, 1.0);
    Raster r(w, h);
    // Plank edges fall inside the tile, not on its border.
    for (int y0 = 0; y0 < h; ++y0)
        for (int x = 0; x < w; ++x) {
            int y = (y0 + plank / 2) % h;
            int p = y / plank;
            int joint = (p * 61 + 17) % w;  // where this plank's end meets the next
            double yy = (y % plank) / double(plank);
            double ring = std::sin(2 * kPi * (3 * yy + 0.6 * warp(x, y + p * 13.0)) + p);
            double v = 1 + 0.10 * ring + 0.06 * grain(x, y, 4) + 0.04 * std::sin(2 * kPi * 9 * yy);
            if (y % plank == 0) v *= 0.55;
            if (y % plank == 1) v *= 0.8;
            if (x == joint) v *= 0.55;
            if (x == (joint + 1) % w) v *= 0.85;
            r.at(x, y0) = mix(150 * v, 100 * v, 56 * v);
        }
    return r;
}

Raster stone(int w, int h) {  // 4: slate blocks in courses
    int rows = 5, cols = 5;
    int bh = h / rows, bw = w / cols;
    PeriodicField cloud(w, h, 21, 40, 10, 1.1);
    Raster r(w, h);
    // Mortar lines fall inside the tile, not on its border.
    for (int y0 = 0; y0 < h; ++y0)
        for (int x0 = 0; x0 < w; ++x0) {
            int y = (y0 + bh / 2) % h, x = (x0 + bw / 4) % w;
            int row = y / bh;
            int shift = (row % 2) * (bw / 2);
            int xs = (x - shift + w) % w;
            int col = xs / bw;
            Rng rng{uint32_t(row * 31 + col * 7 + 3)};
            rng.next();
            double shade = 0.85 + 0.3 * rng.unit();
            bool mortar = y % bh < 2 || xs % bw < 2;
            double v = shade * (1 + 0.08 * cloud(x, y) + 0.05 * grain(x, y, 5));
            if (y % bh == 2 || xs % bw == 2) v *= 1.12;  // a lit edge under the mortar
            r.at(x0, y0) = mortar ? mix(36, 40, 46) : mix(84 * v, 96 * v, 110 * v);
        }
    return r;
}

Raster midnight(int w, int h, double scale = 1) {  // 5: night sky with stars
    PeriodicField cloud(w, h, 29, 30, 4, 1.3);
    Raster base(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            double c = cloud(x, y);
            double v = 1 + 0.04 * grain(x, y, 6);
            base.at(x, y) = mix((18 + 20 * std::max(0.0, c)) * v, 24 * v, (58 + 14 * c) * v);
        }
    Canvas cv(w, h);
    cv.blit(base, 0, 0);
    Rng rng{41};
    for (int i = 0; i < 60; ++i) {
        double x = rng.unit() * w, y = rng.unit() * h;
        double size = rng.unit() < 0.15 ? 2.2 : 0.9;
        wrapped(cv, x, y, [size, scale](cairo_t* cr, double cx, double cy) {
            cairo_arc(cr, cx, cy, size * scale, 0, 2 * kPi);
            cairo_set_source_rgba(cr, 1, 1, 0.9, 0.9);
            cairo_fill(cr);
            if (size > 2) {
                cairo_move_to(cr, cx - 5 * scale, cy);
                cairo_line_to(cr, cx + 5 * scale, cy);
                cairo_move_to(cr, cx, cy - 5 * scale);
                cairo_line_to(cr, cx, cy + 5 * scale);
                cairo_set_line_width(cr, 0.8 * scale);
                cairo_set_source_rgba(cr, 1, 1, 0.9, 0.6);
                cairo_stroke(cr);
            }
        });
    }
    return cv.to_raster();
}

Indexed crop(const Indexed& q, int x0, int y0, int w, int h) {
    Indexed out;
    out.width = w;
    out.height = h;
    out.palette = q.palette;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) out.index.push_back(q.index[size_t((y0 + y) % q.height) * q.width + (x0 + x) % q.width]);
    return out;
}

void text(cairo_t* cr, const char* family, bool bold, double size, const char* s, double cx, double baseline) {
    cairo_select_font_face(cr, family, CAIRO_FONT_SLANT_NORMAL, bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t e;
    cairo_text_extents(cr, s, &e);
    cairo_move_to(cr, std::round(cx - e.width / 2 - e.x_bearing), baseline);
    cairo_show_text(cr, s);
}

void hinted(cairo_t* cr) {
    cairo_font_options_t* fo = cairo_font_options_create();
    cairo_font_options_set_antialias(fo, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(fo, CAIRO_HINT_STYLE_FULL);
    cairo_font_options_set_hint_metrics(fo, CAIRO_HINT_METRICS_ON);
    cairo_set_font_options(cr, fo);
    cairo_font_options_destroy(fo);
}

// ---------------------------------------------------------------------------
// The strip

// Draws in the units of a w x h picture on a canvas made at `percent`.
void scale_canvas(Canvas& cv, int w, int h) {
    if (cv.width() != w || cv.height() != h) cairo_scale(cv.cr(), double(cv.width()) / w, double(cv.height()) / h);
}

Raster buttons(bool pressed, int percent = 100) {
    Canvas cv(scaled(165, percent), scaled(32, percent));
    cairo_t* cr = cv.cr();
    hinted(cr);
    scale_canvas(cv, 165, 32);
    const char* labels[3] = {"New", "Replay", "Undo"};
    for (int i = 0; i < 3; ++i) {
        double x = 55.0 * i;
        cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 32);
        if (pressed) {
            cairo_pattern_add_color_stop_rgb(g, 0, 0.55, 0.60, 0.70);
            cairo_pattern_add_color_stop_rgb(g, 1, 0.72, 0.76, 0.84);
        } else {
            cairo_pattern_add_color_stop_rgb(g, 0, 0.90, 0.92, 0.96);
            cairo_pattern_add_color_stop_rgb(g, 1, 0.64, 0.68, 0.78);
        }
        cairo_rectangle(cr, x, 0, 55, 32);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
        // bevel: two lines light and two dark, swapped when pressed
        auto line = [&](double x0, double y0, double x1, double y1, double r, double gg, double b) {
            cairo_move_to(cr, x0, y0);
            cairo_line_to(cr, x1, y1);
            cairo_set_source_rgb(cr, r, gg, b);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
        };
        double light[3] = {1, 1, 1}, dark[3] = {0.25, 0.27, 0.34}, mid[3] = {0.45, 0.48, 0.57};
        const double* tl = pressed ? dark : light;
        const double* br = pressed ? light : dark;
        line(x + 0.5, 0, x + 0.5, 32, tl[0], tl[1], tl[2]);
        line(x, 0.5, x + 55, 0.5, tl[0], tl[1], tl[2]);
        line(x + 54.5, 0, x + 54.5, 32, br[0], br[1], br[2]);
        line(x, 31.5, x + 55, 31.5, br[0], br[1], br[2]);
        if (!pressed) {
            line(x + 53.5, 1, x + 53.5, 31, mid[0], mid[1], mid[2]);
            line(x + 1, 30.5, x + 54, 30.5, mid[0], mid[1], mid[2]);
        } else {
            line(x + 1.5, 1, x + 1.5, 31, mid[0], mid[1], mid[2]);
            line(x + 1, 1.5, x + 54, 1.5, mid[0], mid[1], mid[2]);
        }
        double shift = pressed ? 1 : 0;
        cairo_set_source_rgb(cr, 0.08, 0.12, 0.30);
        text(cr, "DejaVu Sans", true, 11.5, labels[i], x + 27.5 + shift, 20.5 + shift);
    }
    return cv.to_raster();
}

// The vertical profile shared by the score box and the message tile: dark,
// so that green text stands out, with a sunken edge at top and bottom.
Pixel panel_shade(int y, double sheen) {
    if (y == 0) return rgb(20, 22, 30);
    if (y == 31) return rgb(150, 156, 172);
    if (y == 1) return rgb(8, 10, 16);
    if (y == 30) return rgb(70, 74, 88);
    double t = (y - 2) / 27.0;
    double v = 1 + sheen;
    return mix((24 - 12 * t) * v, (26 - 14 * t) * v, (44 - 20 * t) * v);
}

Raster score_area() {
    Raster r(55, 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 55; ++x) r.at(x, y) = panel_shade(y, 0);
    for (int y = 0; y < 32; ++y) {
        r.at(0, y) = rgb(20, 22, 30);
        r.at(1, y) = y == 0 || y == 31 ? r.at(1, y) : rgb(8, 10, 16);
        r.at(54, y) = rgb(150, 156, 172);
        if (y > 0 && y < 31) r.at(53, y) = rgb(70, 74, 88);
    }
    return r;
}

// ---------------------------------------------------------------------------
// Splash and credits

Raster backdrop(int w, int h, int percent = 100) {
    Canvas cv(scaled(w, percent), scaled(h, percent));
    cairo_t* cr = cv.cr();
    scale_canvas(cv, w, h);
    cairo_pattern_t* g = cairo_pattern_create_radial(w / 2.0, h * 0.4, 10, w / 2.0, h * 0.4, w * 0.75);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.14, 0.48, 0.26);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.03, 0.16, 0.09);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    cairo_rectangle(cr, 3.5, 3.5, w - 7, h - 7);
    cairo_set_source_rgb(cr, 0.85, 0.68, 0.2);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    return cv.to_raster();
}

void card_fan(Canvas& cv, double cx, double cy, double spread, int percent) {
    struct C {
        int set, suit, rank;
    };
    const C cards[5] = {{0, kSpades, 0}, {0, kHearts, 12}, {1, kDiamonds, 11}, {2, kClubs, 10}, {3, kDiamonds, 0}};
    cairo_t* cr = cv.cr();
    for (int i = 0; i < 5; ++i) {
        Raster face = card_face(CardSize::Large, cards[i].set, cards[i].suit, cards[i].rank, percent);
        double a = (i - 2) * spread;
        cairo_save(cr);
        cairo_translate(cr, cx, cy + 110);
        cairo_rotate(cr, a);
        cairo_translate(cr, -33.5, -110 - 47);
        // shadow
        cairo_rectangle(cr, 3, 3, 67, 94);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
        cairo_fill(cr);
        cairo_surface_t* s = make_surface(face);
        cairo_scale(cr, 67.0 / face.width, 94.0 / face.height);  // the face was made at the picture's scale
        cairo_set_source_surface(cr, s, 0, 0);
        cairo_paint(cr);
        cairo_surface_destroy(s);
        cairo_restore(cr);
    }
}

Raster splash(int percent = 100) {
    Canvas cv(scaled(320, percent), scaled(329, percent));
    cairo_t* cr = cv.cr();
    hinted(cr);
    cv.blit(backdrop(320, 329, percent), 0, 0);
    scale_canvas(cv, 320, 329);
    card_fan(cv, 160, 112, 0.22, percent);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.5);
    text(cr, "DejaVu Serif", true, 44, "Lumora", 162, 246);
    cairo_set_source_rgb(cr, 1.0, 0.86, 0.40);
    text(cr, "DejaVu Serif", true, 44, "Lumora", 160, 244);
    cairo_set_source_rgb(cr, 0.92, 0.95, 0.92);
    text(cr, "DejaVu Serif", false, 26, "Solitaire", 160, 280);
    cairo_set_source_rgb(cr, 0.7, 0.8, 0.72);
    text(cr, "DejaVu Sans", false, 11, "one table, many games", 160, 306);
    return cv.to_raster();
}

Raster credits(int percent = 100) {
    Canvas cv(scaled(320, percent), scaled(329, percent));
    cairo_t* cr = cv.cr();
    hinted(cr);
    cv.blit(backdrop(320, 329, percent), 0, 0);
    scale_canvas(cv, 320, 329);
    cairo_set_source_rgb(cr, 1.0, 0.86, 0.40);
    text(cr, "DejaVu Serif", true, 24, "Lumora Solitaire", 160, 48);
    cairo_set_source_rgb(cr, 0.92, 0.95, 0.92);
    text(cr, "DejaVu Serif", false, 16, "Credits", 160, 76);
    struct Line {
        const char* head;
        const char* body;
    };
    const Line lines[] = {
        {"Program and games", "the Lumora Solitaire developers"},
        {"Cards, tables and buttons", "drawn by our own tools at build time"},
        {"Sounds", "synthesised at build time"},
        {"Published by", "Quillory"},
        {"Licence", "GNU General Public License, v3 or later"},
    };
    double y = 112;
    for (const Line& l : lines) {
        cairo_set_source_rgb(cr, 1.0, 0.86, 0.40);
        text(cr, "DejaVu Sans", true, 11, l.head, 160, y);
        cairo_set_source_rgb(cr, 0.92, 0.95, 0.92);
        text(cr, "DejaVu Sans", false, 11, l.body, 160, y + 15);
        y += 40;
    }
    cairo_set_source_rgb(cr, 0.7, 0.8, 0.72);
    text(cr, "DejaVu Sans", false, 10, "Click to close", 160, 314);
    return cv.to_raster();
}

// Three cards fanned on a dark cloth: the set's back, king and ace of diamonds.
Raster set_thumbnail(int set_no, int percent = 100) {
    Canvas cv(scaled(100, percent), scaled(71, percent));
    cairo_t* cr = cv.cr();
    cairo_set_source_rgb(cr, 0.08, 0.30, 0.16);
    cairo_paint(cr);
    auto at = [percent](int v) { return scaled(v, percent); };
    cv.blit(card_back(CardSize::Small, set_no, percent), at(3), at(4));
    cv.blit(card_face(CardSize::Small, set_no, kHearts, 12, percent), at(27), at(4));
    cv.blit(card_face(CardSize::Small, set_no, kDiamonds, 0, percent), at(52), at(4));
    return cv.to_raster();
}

// ---------------------------------------------------------------------------
// Icons

Raster program_icon(int size) {
    Canvas cv(size, size);
    cairo_t* cr = cv.cr();
    double s = size / 32.0;
    cairo_scale(cr, s, s);
    // back card (blue back), tilted left
    cairo_save(cr);
    cairo_translate(cr, 12, 17);
    cairo_rotate(cr, -0.3);
    cairo_rectangle(cr, -8.5, -12.5, 17, 25);
    cairo_set_source_rgb(cr, 0.11, 0.25, 0.66);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    cairo_restore(cr);
    // front card, white with a red heart, tilted right
    cairo_save(cr);
    cairo_translate(cr, 20, 16);
    cairo_rotate(cr, 0.2);
    cairo_rectangle(cr, -8.5, -12.5, 17, 25);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 0.1, 0.1, 0.12);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_move_to(cr, 0, 7);
    cairo_curve_to(cr, -2, 4, -7, 1, -7, -3);
    cairo_curve_to(cr, -7, -7, -2, -8, 0, -4);
    cairo_curve_to(cr, 2, -8, 7, -7, 7, -3);
    cairo_curve_to(cr, 7, 1, 2, 4, 0, 7);
    cairo_set_source_rgb(cr, 0.85, 0.05, 0.1);
    cairo_fill(cr);
    cairo_restore(cr);
    return cv.to_raster();
}

void face_base(cairo_t* cr, const double skin[3]) {
    cairo_arc(cr, 16, 18, 9, 0, 2 * kPi);
    cairo_set_source_rgb(cr, skin[0], skin[1], skin[2]);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 0.2, 0.12, 0.08);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void eyes_and_smile(cairo_t* cr, bool patch = false) {
    cairo_set_source_rgb(cr, 0.05, 0.05, 0.1);
    cairo_rectangle(cr, 12, 16, 2, 2);
    if (!patch) cairo_rectangle(cr, 18, 16, 2, 2);
    cairo_fill(cr);
    cairo_arc(cr, 16, 19.5, 4, kPi * 0.2, kPi * 0.8);
    cairo_set_line_width(cr, 1.2);
    cairo_set_source_rgb(cr, 0.55, 0.1, 0.1);
    cairo_stroke(cr);
}

void fill(cairo_t* cr, double r, double g, double b) {
    cairo_set_source_rgb(cr, r, g, b);
    cairo_fill(cr);
}

// Eight characters, one per game-over portrait.
Raster portrait(int n) {
    Canvas cv(32, 32);
    cairo_t* cr = cv.cr();
    const double skin[3] = {0.98, 0.82, 0.66};
    const double darker[3] = {0.80, 0.58, 0.40};
    switch (n) {
        case 0:  // king: crown and beard
            face_base(cr, skin);
            cairo_move_to(cr, 8, 20);
            cairo_curve_to(cr, 9, 30, 23, 30, 24, 20);
            cairo_curve_to(cr, 20, 23, 12, 23, 8, 20);
            fill(cr, 0.55, 0.35, 0.15);
            eyes_and_smile(cr);
            cairo_move_to(cr, 7, 12);
            cairo_line_to(cr, 7, 3);
            cairo_line_to(cr, 11.5, 8);
            cairo_line_to(cr, 16, 2);
            cairo_line_to(cr, 20.5, 8);
            cairo_line_to(cr, 25, 3);
            cairo_line_to(cr, 25, 12);
            cairo_close_path(cr);
            fill(cr, 1.0, 0.78, 0.1);
            cairo_arc(cr, 16, 9, 1.5, 0, 2 * kPi);
            fill(cr, 0.85, 0.05, 0.1);
            break;
        case 1:  // queen: long hair and a tiara
            cairo_arc(cr, 16, 18, 12, kPi, 2 * kPi);
            cairo_line_to(cr, 28, 31);
            cairo_line_to(cr, 4, 31);
            cairo_close_path(cr);
            fill(cr, 0.72, 0.42, 0.12);
            face_base(cr, skin);
            eyes_and_smile(cr);
            cairo_move_to(cr, 9, 11);
            cairo_line_to(cr, 12, 5);
            cairo_line_to(cr, 16, 9);
            cairo_line_to(cr, 20, 5);
            cairo_line_to(cr, 23, 11);
            cairo_close_path(cr);
            fill(cr, 0.9, 0.9, 1.0);
            cairo_arc(cr, 16, 8, 1.6, 0, 2 * kPi);
            fill(cr, 0.1, 0.4, 0.9);
            break;
        case 2:  // jack: a red cap with a feather
            face_base(cr, skin);
            eyes_and_smile(cr);
            cairo_save(cr);
            cairo_translate(cr, 16, 10);
            cairo_scale(cr, 12, 4.5);
            cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
            cairo_restore(cr);
            fill(cr, 0.8, 0.1, 0.15);
            cairo_move_to(cr, 20, 8);
            cairo_curve_to(cr, 24, 1, 29, 2, 30, 5);
            cairo_set_line_width(cr, 2.5);
            cairo_set_source_rgb(cr, 0.1, 0.6, 0.2);
            cairo_stroke(cr);
            break;
        case 3:  // jester: a two-horned hat with bells
            face_base(cr, skin);
            eyes_and_smile(cr);
            cairo_move_to(cr, 6, 13);
            cairo_curve_to(cr, 4, 8, 2, 5, 1, 2);
            cairo_curve_to(cr, 6, 3, 12, 6, 16, 9);
            cairo_line_to(cr, 16, 13);
            cairo_close_path(cr);
            fill(cr, 0.55, 0.15, 0.75);
            cairo_move_to(cr, 26, 13);
            cairo_curve_to(cr, 28, 8, 30, 5, 31, 2);
            cairo_curve_to(cr, 26, 3, 20, 6, 16, 9);
            cairo_line_to(cr, 16, 13);
            cairo_close_path(cr);
            fill(cr, 0.95, 0.75, 0.1);
            cairo_rectangle(cr, 7, 10, 18, 3);
            fill(cr, 0.2, 0.6, 0.3);
            cairo_arc(cr, 2, 3, 2, 0, 2 * kPi);
            cairo_new_sub_path(cr);
            cairo_arc(cr, 30, 3, 2, 0, 2 * kPi);
            fill(cr, 0.2, 0.6, 0.3);
            cairo_arc(cr, 16, 19, 1.5, 0, 2 * kPi);
            fill(cr, 0.9, 0.15, 0.1);
            break;
        case 4:  // wizard: a pointed hat with a star, a white beard
            face_base(cr, skin);
            cairo_move_to(cr, 7, 19);
            cairo_curve_to(cr, 8, 32, 24, 32, 25, 19);
            cairo_curve_to(cr, 20, 22, 12, 22, 7, 19);
            fill(cr, 0.93, 0.93, 0.96);
            eyes_and_smile(cr);
            cairo_move_to(cr, 4, 13);
            cairo_line_to(cr, 28, 13);
            cairo_line_to(cr, 18, 0);
            cairo_close_path(cr);
            fill(cr, 0.15, 0.2, 0.65);
            cairo_move_to(cr, 16, 5);
            cairo_line_to(cr, 17, 8);
            cairo_line_to(cr, 20, 8.5);
            cairo_line_to(cr, 17.5, 10);
            cairo_line_to(cr, 18, 12);
            cairo_line_to(cr, 16, 11);
            cairo_line_to(cr, 14, 12);
            cairo_line_to(cr, 14.5, 10);
            cairo_line_to(cr, 12, 8.5);
            cairo_line_to(cr, 15, 8);
            cairo_close_path(cr);
            fill(cr, 1.0, 0.85, 0.2);
            break;
        case 5:  // knight: a helmet with a slit and a plume
            cairo_arc(cr, 16, 17, 11, kPi, 2 * kPi);
            cairo_line_to(cr, 27, 29);
            cairo_line_to(cr, 5, 29);
            cairo_close_path(cr);
            fill(cr, 0.66, 0.70, 0.76);
            cairo_rectangle(cr, 8, 15, 16, 3);
            fill(cr, 0.08, 0.08, 0.12);
            cairo_rectangle(cr, 15, 18, 2, 10);
            fill(cr, 0.45, 0.48, 0.55);
            cairo_move_to(cr, 16, 6);
            cairo_curve_to(cr, 18, 0, 26, 0, 29, 6);
            cairo_curve_to(cr, 24, 4, 20, 5, 16, 6);
            fill(cr, 0.85, 0.1, 0.15);
            break;
        case 6:  // pirate: a bandana and an eye patch
            face_base(cr, darker);
            eyes_and_smile(cr, true);
            cairo_arc(cr, 19, 17, 2.4, 0, 2 * kPi);
            fill(cr, 0.05, 0.05, 0.05);
            cairo_move_to(cr, 9, 12);
            cairo_line_to(cr, 25, 20);
            cairo_set_line_width(cr, 1);
            cairo_set_source_rgb(cr, 0.05, 0.05, 0.05);
            cairo_stroke(cr);
            cairo_arc(cr, 16, 14, 9.5, kPi, 2 * kPi);
            cairo_close_path(cr);
            fill(cr, 0.85, 0.1, 0.12);
            cairo_arc(cr, 10, 10, 1, 0, 2 * kPi);
            cairo_new_sub_path(cr);
            cairo_arc(cr, 16, 7, 1, 0, 2 * kPi);
            cairo_new_sub_path(cr);
            cairo_arc(cr, 22, 10, 1, 0, 2 * kPi);
            fill(cr, 1, 1, 1);
            cairo_arc(cr, 26, 22, 1.6, 0, 2 * kPi);
            cairo_set_line_width(cr, 1);
            cairo_set_source_rgb(cr, 1.0, 0.8, 0.1);
            cairo_stroke(cr);
            break;
        default:  // archer: a green hood with a feather
            cairo_move_to(cr, 16, 2);
            cairo_curve_to(cr, 30, 6, 29, 24, 27, 30);
            cairo_line_to(cr, 5, 30);
            cairo_curve_to(cr, 3, 24, 2, 6, 16, 2);
            fill(cr, 0.15, 0.5, 0.2);
            face_base(cr, skin);
            eyes_and_smile(cr);
            cairo_move_to(cr, 16, 3);
            cairo_curve_to(cr, 24, 5, 26, 10, 25, 11);
            cairo_curve_to(cr, 21, 9, 18, 8, 16, 9);
            cairo_close_path(cr);
            fill(cr, 0.1, 0.38, 0.15);
            cairo_move_to(cr, 22, 5);
            cairo_line_to(cr, 30, 1);
            cairo_set_line_width(cr, 1.8);
            cairo_set_source_rgb(cr, 0.9, 0.2, 0.1);
            cairo_stroke(cr);
            break;
    }
    return cv.to_raster();
}

}  // namespace

Raster background_tile(int n, int percent) {
    const double s = percent / 100.0;
    const int w = scaled(n == 3 || n == 4 ? 245 : 246, percent), h = scaled(n == 3 || n == 4 ? 220 : 222, percent);
    switch (n) {
        case 0: return felt(w, h);
        case 1: {
            // Whole threads, an even number of cells each way.
            const int t = std::max(3, int(std::lround(3 * s))), cell = 2 * t;
            return weave(std::max(cell, (w + t) / cell * cell), std::max(cell, (h + t) / cell * cell), t);
        }
        case 2: return damask(w, h, s);
        case 3: return wood(w, h);
        case 4: return stone(w, h);
        default: return midnight(w, h, s);
    }
}

// A picture drawn pixel by pixel at 100 %, made larger by repeating its
// pixels: its one-pixel bevels become lines as wide as the scale makes them.
Raster enlarged_pixels(const Raster& r, int w, int h) {
    Raster out(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) out.at(x, y) = r.at(x * r.width / w, y * r.height / h);
    return out;
}

Raster message_tile() {
    // Faint diagonal sheen that repeats exactly every 130 pixels.
    Raster r(130, 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 130; ++x) {
            double sheen = 0.12 * std::sin(2 * kPi * (x / 130.0 * 2 + y / 64.0));
            r.at(x, y) = panel_shade(y, sheen);
        }
    return r;
}

std::vector<ProgramBitmap> scaled_program_bitmaps(int percent);

std::vector<ProgramBitmap> program_bitmaps(int percent) {
    if (percent != 100) return scaled_program_bitmaps(percent);
    std::vector<ProgramBitmap> out;
    for (int i = 0; i < 6; ++i) {
        Indexed tile = quantize(background_tile(i), 16, true);
        out.push_back({std::to_string(6000 + i), "thumb" + std::to_string(i) + ".bmp", crop(tile, 20, 20, 100, 71)});
        out.push_back({std::to_string(5000 + i), "tile" + std::to_string(i) + ".bmp", std::move(tile)});
    }
    for (int k = 0; k < 4; ++k)
        out.push_back({std::to_string(7000 + k), "cardset" + std::to_string(k) + ".bmp", quantize(set_thumbnail(k), 16, false)});
    out.push_back({"UPBUTTONS", "upbuttons.bmp", quantize(buttons(false), 16, false)});
    out.push_back({"DOWNBUTTONS", "downbuttons.bmp", quantize(buttons(true), 16, false)});
    out.push_back({"SCOREAREA", "scorearea.bmp", quantize(score_area(), 16, false)});
    out.push_back({"MSGAREA", "msgarea.bmp", quantize(message_tile(), 16, false)});
    out.push_back({"SPLASHIMAGE", "splash.bmp", quantize(splash(), 16, true)});
    out.push_back({"CREDITSIMAGE", "credits.bmp", quantize(credits(), 16, true)});
    return out;
}

// The background tiles are not among them: a tile is cloth laid edge to
// edge at its own size, sharp at every scale, and the larger pieces would
// weigh more than all the other pictures together.
std::vector<ProgramBitmap> scaled_program_bitmaps(int percent) {
    std::vector<ProgramBitmap> out;
    auto file = [percent](const std::string& name) { return name + "-" + std::to_string(percent) + ".png"; };
    for (int i = 0; i < 6; ++i) {
        Indexed tile = quantize(background_tile(i, percent), 16, true);
        out.push_back({std::to_string(6000 + i), file("thumb" + std::to_string(i)),
                       crop(tile, scaled(20, percent), scaled(20, percent), scaled(100, percent), scaled(71, percent))});
    }
    for (int k = 0; k < 4; ++k)
        out.push_back({std::to_string(7000 + k), file("cardset" + std::to_string(k)),
                       quantize(set_thumbnail(k, percent), 16, false)});
    out.push_back({"UPBUTTONS", file("upbuttons"), quantize(buttons(false, percent), 16, false)});
    out.push_back({"DOWNBUTTONS", file("downbuttons"), quantize(buttons(true, percent), 16, false)});
    const int strip = scaled(32, percent);
    out.push_back({"SCOREAREA", file("scorearea"), quantize(enlarged_pixels(score_area(), scaled(55, percent), strip), 16, false)});
    out.push_back({"MSGAREA", file("msgarea"), quantize(enlarged_pixels(message_tile(), scaled(130, percent), strip), 16, false)});
    out.push_back({"SPLASHIMAGE", file("splash"), quantize(splash(percent), 16, true)});
    out.push_back({"CREDITSIMAGE", file("credits"), quantize(credits(percent), 16, true)});
    return out;
}

std::vector<ProgramIcon> program_icons() {
    std::vector<ProgramIcon> out;
    out.push_back({141, "program.ico", {program_icon(32), program_icon(16)}});
    for (int i = 0; i < 8; ++i) out.push_back({142 + i, "portrait" + std::to_string(i) + ".ico", {portrait(i)}});
    return out;
}

}  // namespace art
