#include "cards.h"

#include <cmath>
#include <cstring>
#include <string>

namespace art {

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Colour {
    double r, g, b;
};
constexpr Colour C(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0}; }
void set(cairo_t* cr, Colour c, double a = 1.0) { cairo_set_source_rgba(cr, c.r, c.g, c.b, a); }

const Colour kRed = C(206, 18, 34);
const Colour kBlack = C(18, 18, 22);
const Colour kWhite = C(255, 255, 255);
const Colour kEdge = C(52, 52, 58);
const Colour kGold = C(226, 176, 40);
const Colour kDarkGold = C(150, 104, 16);
const Colour kSkin = C(250, 212, 170);
const Colour kNavy = C(22, 30, 84);

Colour suit_colour(int suit) { return (suit == kDiamonds || suit == kHearts) ? kRed : kBlack; }
bool is_red(int suit) { return suit == kDiamonds || suit == kHearts; }

// ---------------------------------------------------------------------------
// Pixel glyphs for the corner index of small cards ('#' is ink).

struct Glyph {
    int width, height;
    const char* rows;  // width * height characters
};

// 6 x 8 ranks, with a narrow one and zero for the ten.
const Glyph kSmallRanks[13] = {
    {6, 8, "..##.." ".####." "##..##" "##..##" "######" "##..##" "##..##" "##..##"},
    {6, 8, ".####." "##..##" "....##" "...##." "..##.." ".##..." "##...." "######"},
    {6, 8, ".####." "##..##" "....##" "..###." "....##" "....##" "##..##" ".####."},
    {6, 8, "...##." "..###." ".####." "##.##." "##.##." "######" "...##." "...##."},
    {6, 8, "######" "##...." "#####." "....##" "....##" "....##" "##..##" ".####."},
    {6, 8, "..###." ".##..." "##...." "#####." "##..##" "##..##" "##..##" ".####."},
    {6, 8, "######" "....##" "...##." "...##." "..##.." "..##.." ".##..." ".##..."},
    {6, 8, ".####." "##..##" "##..##" ".####." "##..##" "##..##" "##..##" ".####."},
    {6, 8, ".####." "##..##" "##..##" "##..##" ".#####" "....##" "...##." ".###.."},
    {9, 8, ".##..###." "###.##.##" ".##.##.##" ".##.##.##" ".##.##.##" ".##.##.##" ".##.##.##" ".##..###."},
    {6, 8, "..####" "....##" "....##" "....##" "....##" "##..##" "##..##" ".####."},
    {6, 8, ".####." "##..##" "##..##" "##..##" "##..##" "##.###" ".####." "....##"},
    {6, 8, "##..##" "##.##." "####.." "###..." "####.." "##.##." "##..##" "##..##"},
};

// 7 x 11 ranks for large cards.
const Glyph kLargeRanks[13] = {
    {7, 11, "..###.." ".##.##." "##...##" "##...##" "##...##" "#######" "#######" "##...##" "##...##" "##...##" "##...##"},
    {7, 11, ".#####." "##...##" "##...##" ".....##" "....##." "...##.." "..##..." ".##...." "##....." "#######" "#######"},
    {7, 11, ".#####." "##...##" ".....##" ".....##" "..####." ".....##" ".....##" ".....##" "##...##" "##...##" ".#####."},
    {7, 11, "....##." "...###." "..####." ".##.##." "##..##." "##..##." "#######" "#######" "....##." "....##." "....##."},
    {7, 11, "#######" "##....." "##....." "######." ".....##" ".....##" ".....##" ".....##" "##...##" "##...##" ".#####."},
    {7, 11, "..####." ".##...." "##....." "##....." "######." "##...##" "##...##" "##...##" "##...##" "##...##" ".#####."},
    {7, 11, "#######" "#######" ".....##" "....##." "....##." "...##.." "...##.." "..##..." "..##..." "..##..." "..##..."},
    {7, 11, ".#####." "##...##" "##...##" "##...##" ".#####." "##...##" "##...##" "##...##" "##...##" "##...##" ".#####."},
    {7, 11, ".#####." "##...##" "##...##" "##...##" "##...##" ".######" ".....##" ".....##" ".....##" "....##." ".####.."},
    {12, 11, "..##..#####." ".###.##...##" "####.##...##" "..##.##...##" "..##.##...##" "..##.##...##" "..##.##...##"
             "..##.##...##" "..##.##...##" "..##.##...##" "..##.##...##" "..##..#####."},
    {7, 11, "...####" "....##." "....##." "....##." "....##." "....##." "....##." "##..##." "##..##." "##..##." ".####.."},
    {7, 11, ".#####." "##...##" "##...##" "##...##" "##...##" "##...##" "##...##" "##.#.##" "##..###" ".#####." ".....##"},
    {7, 11, "##...##" "##..##." "##.##.." "####..." "###...." "###...." "####..." "##.##.." "##..##." "##...##" "##...##"},
};

// 7 x 8 suits for the corner and the pips of small cards.
const Glyph kSmallSuits[4] = {
    {7, 8, "..###.." ".#####." "..###.." "##.#.##" "#######" "##.#.##" "...#..." "..###.."},
    {7, 8, "...#..." "..###.." ".#####." "#######" ".#####." "..###.." "...#..." "......."},
    {7, 8, ".##.##." "#######" "#######" "#######" ".#####." "..###.." "...#..." "......."},
    {7, 8, "...#..." "..###.." ".#####." "#######" "#######" ".#####." "...#..." "..###.."},
};

// 5 x 6 pips for small cards, smaller than the corner suits.
const Glyph kSmallPips[4] = {
    {5, 6, ".###." ".###." "#####" "#####" "..#.." ".###."},
    {5, 6, "..#.." ".###." "#####" ".###." "..#.." "....."},
    {5, 6, "##.##" "#####" "#####" ".###." "..#.." "....."},
    {5, 6, "..#.." ".###." "#####" "#####" "..#.." ".###."},
};

// Draws a glyph with its top-left pixel at (x, y); `flip` turns it upside down.
void glyph(cairo_t* cr, const Glyph& g, int x, int y, bool flip = false) {
    for (int row = 0; row < g.height; ++row)
        for (int col = 0; col < g.width; ++col)
            if (g.rows[row * g.width + col] == '#') {
                int yy = flip ? y + g.height - 1 - row : y + row;
                cairo_rectangle(cr, x + col, yy, 1, 1);
            }
    cairo_fill(cr);
}

// ---------------------------------------------------------------------------
// Vector suits, in a box: (x, y) the top-left corner, w x h its size.

void suit_path(cairo_t* cr, int suit, double x, double y, double w, double h) {
    cairo_save(cr);
    cairo_translate(cr, x + w / 2, y + h / 2);
    cairo_scale(cr, w, h);
    cairo_new_path(cr);
    switch (suit) {
        case kDiamonds:
            cairo_move_to(cr, 0, -0.5);
            cairo_curve_to(cr, 0.14, -0.28, 0.3, -0.12, 0.42, 0);
            cairo_curve_to(cr, 0.3, 0.12, 0.14, 0.28, 0, 0.5);
            cairo_curve_to(cr, -0.14, 0.28, -0.3, 0.12, -0.42, 0);
            cairo_curve_to(cr, -0.3, -0.12, -0.14, -0.28, 0, -0.5);
            cairo_close_path(cr);
            break;
        case kHearts:
            cairo_move_to(cr, 0, 0.5);
            cairo_curve_to(cr, -0.12, 0.3, -0.5, 0.08, -0.5, -0.2);
            cairo_curve_to(cr, -0.5, -0.44, -0.28, -0.52, -0.2, -0.5);
            cairo_curve_to(cr, -0.08, -0.48, -0.02, -0.4, 0, -0.3);
            cairo_curve_to(cr, 0.02, -0.4, 0.08, -0.48, 0.2, -0.5);
            cairo_curve_to(cr, 0.28, -0.52, 0.5, -0.44, 0.5, -0.2);
            cairo_curve_to(cr, 0.5, 0.08, 0.12, 0.3, 0, 0.5);
            cairo_close_path(cr);
            break;
        case kSpades:
            cairo_move_to(cr, 0, -0.5);
            cairo_curve_to(cr, -0.12, -0.3, -0.5, -0.1, -0.5, 0.14);
            cairo_curve_to(cr, -0.5, 0.34, -0.3, 0.4, -0.2, 0.38);
            cairo_curve_to(cr, -0.1, 0.36, -0.04, 0.3, -0.02, 0.24);
            cairo_curve_to(cr, -0.04, 0.36, -0.1, 0.44, -0.2, 0.5);
            cairo_line_to(cr, 0.2, 0.5);
            cairo_curve_to(cr, 0.1, 0.44, 0.04, 0.36, 0.02, 0.24);
            cairo_curve_to(cr, 0.04, 0.3, 0.1, 0.36, 0.2, 0.38);
            cairo_curve_to(cr, 0.3, 0.4, 0.5, 0.34, 0.5, 0.14);
            cairo_curve_to(cr, 0.5, -0.1, 0.12, -0.3, 0, -0.5);
            cairo_close_path(cr);
            break;
        case kClubs:
        default:
            cairo_new_sub_path(cr);
            cairo_arc(cr, 0, -0.25, 0.24, 0, 2 * kPi);
            cairo_new_sub_path(cr);
            cairo_arc(cr, -0.25, 0.1, 0.24, 0, 2 * kPi);
            cairo_new_sub_path(cr);
            cairo_arc(cr, 0.25, 0.1, 0.24, 0, 2 * kPi);
            cairo_move_to(cr, -0.1, -0.05);
            cairo_line_to(cr, 0.1, -0.05);
            cairo_line_to(cr, 0.1, 0.15);
            cairo_line_to(cr, -0.1, 0.15);
            cairo_close_path(cr);
            cairo_move_to(cr, 0, 0.05);
            cairo_curve_to(cr, 0.02, 0.3, 0.08, 0.42, 0.2, 0.5);
            cairo_line_to(cr, -0.2, 0.5);
            cairo_curve_to(cr, -0.08, 0.42, -0.02, 0.3, 0, 0.05);
            cairo_close_path(cr);
            break;
    }
    cairo_restore(cr);
}

void suit_vector(cairo_t* cr, int suit, double x, double y, double w, double h, Colour c, bool flip = false) {
    cairo_save(cr);
    if (flip) {
        cairo_translate(cr, x + w / 2, y + h / 2);
        cairo_rotate(cr, kPi);
        cairo_translate(cr, -(x + w / 2), -(y + h / 2));
    }
    suit_path(cr, suit, x, y, w, h);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    set(cr, c);
    cairo_fill(cr);
    cairo_restore(cr);
}

void setup_text(cairo_t* cr) {
    cairo_font_options_t* fo = cairo_font_options_create();
    cairo_font_options_set_antialias(fo, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(fo, CAIRO_HINT_STYLE_FULL);
    cairo_font_options_set_hint_metrics(fo, CAIRO_HINT_METRICS_ON);
    cairo_set_font_options(cr, fo);
    cairo_font_options_destroy(fo);
}

// ---------------------------------------------------------------------------
// Layout of one card size

struct Layout {
    int w, h;
    double radius;
    const Glyph* ranks;
    int rank_x, rank_y, ten_x;      // top-left corner of the rank
    int suit_w, suit_h;             // corner suit size
    int suit_right_x, suit_right_y; // the suit beside the rank (seen in vertical fans)
    int suit_below_x, suit_below_y; // the suit under the rank (seen in horizontal fans)
    int pip_w, pip_h;
    int col_left, col_mid, col_right;  // left edges of the pip columns
    int row_top, row_bottom;           // top edges of the first and last pip rows
    double ace;                        // size of the big pip of an ace
    int panel_x, panel_y, panel_w, panel_h;  // the picture of a court card
    // The picture is drawn in these units and made at dev_w x dev_h pixels.
    int dev_w = 0, dev_h = 0;
    bool pixel_font = false;  // the hand-made glyphs: small cards at 100 % only
    double sx() const { return double(dev_w) / w; }
    double sy() const { return double(dev_h) / h; }
};

Layout base_layout(CardSize size) {
    if (size == CardSize::Small)
        return {45, 63, 3.0, kSmallRanks, 2, 2, 1, 7, 8, 11, 2, 2, 12, 5, 6, 14, 20, 26, 15, 42, 21,
                11, 11, 23, 41};
    return {67, 94, 4.0, kLargeRanks, 3, 3, 2, 9, 10, 16, 3, 3, 17, 11, 12, 18, 28, 38, 21, 61, 32,
            16, 16, 35, 62};
}

Layout layout(CardSize size, int percent) {
    Layout L = base_layout(size);
    L.dev_w = scaled(L.w, percent);
    L.dev_h = scaled(L.h, percent);
    L.pixel_font = size == CardSize::Small && percent == 100;
    return L;
}

// A canvas of the picture's pixel size, drawing in the layout's units.
void scale_to_layout(cairo_t* cr, const Layout& L) {
    if (L.dev_w != L.w || L.dev_h != L.h) cairo_scale(cr, L.sx(), L.sy());
}

bool small(const Layout& L) { return L.w < 60; }

void corner_suit(cairo_t* cr, const Layout& L, int suit, int x, int y, bool flip = false) {
    set(cr, suit_colour(suit));
    if (L.pixel_font)
        glyph(cr, kSmallSuits[suit], x, y, flip);
    else
        suit_vector(cr, suit, x, y, L.suit_w, L.suit_h, suit_colour(suit), flip);
}

// Pips are smaller than the corner suits, so the corner reads apart from them.
void pip(cairo_t* cr, const Layout& L, int suit, int x, int y, bool flip) {
    if (L.pixel_font) {
        set(cr, suit_colour(suit));
        const Glyph& g = kSmallPips[suit];
        // Hearts and diamonds are a row shorter: keep them centred on the row.
        glyph(cr, g, x, g.rows[g.width * (g.height - 1)] == '.' && flip ? y + 1 : y, flip);
    } else {
        suit_vector(cr, suit, x, y, L.pip_w, L.pip_h, suit_colour(suit), flip);
    }
}

// Turns the drawing half a turn about the card's centre.
void half_turn(cairo_t* cr, const Layout& L) {
    cairo_translate(cr, L.w, L.h);
    cairo_rotate(cr, kPi);
}

void rounded_rect(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
    cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
    cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
}

// The blank card: edge colour outside the rounded corners, a one-pixel edge.
void blank(cairo_t* cr, const Layout& L, Colour face) {
    set(cr, kEdge);
    cairo_paint(cr);
    rounded_rect(cr, 1, 1, L.w - 2, L.h - 2, L.radius - 1);
    set(cr, face);
    cairo_fill(cr);
}

void index_marks(cairo_t* cr, const Layout& L, int suit, int rank) {
    const Glyph& g = L.ranks[rank];
    int rx = rank == 9 ? L.ten_x : L.rank_x;
    for (int turn = 0; turn < 2; ++turn) {
        cairo_save(cr);
        if (turn) half_turn(cr, L);
        set(cr, suit_colour(suit));
        glyph(cr, g, rx, L.rank_y);
        corner_suit(cr, L, suit, L.suit_below_x, L.suit_below_y);
        if (!turn) corner_suit(cr, L, suit, L.suit_right_x, L.suit_right_y);
        cairo_restore(cr);
    }
}

// The corner index in a typeface, for every card but the small one at 100 %:
// the rank set in DejaVu Sans Condensed Bold, hinted at the pixel size it
// is drawn at, its capitals exactly as high as the hand-made glyph's box,
// centred over the suit below it; a rank wider than the ten's box (the
// "10" itself) is narrowed to fit. Drawn on a layer of its own so that the
// turned copy in the opposite corner is the same pixels turned.
struct Ink {
    double x, y, w, h;  // device pixels, as cairo measures the hinted glyphs
};

Ink rank_ink(cairo_t* cr, const char* text, double size, double narrow) {
    cairo_matrix_t m;
    cairo_matrix_init_scale(&m, size * narrow, size);
    cairo_set_font_matrix(cr, &m);
    cairo_text_extents_t e;
    cairo_text_extents(cr, text, &e);
    return {e.x_bearing, e.y_bearing, e.width, e.height};
}

void typeface_rank(cairo_t* cr, const Layout& L, int suit, int rank) {
    static const char* const kNames[13] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    const Glyph& g = L.ranks[rank];
    const Glyph& ten = L.ranks[9];
    const double sx = L.sx(), sy = L.sy();
    const int top = int(std::lround(L.rank_y * sy));
    const int cap = int(std::lround(g.height * sy));
    const double max_w = ten.width * sx;
    const double centre = (L.suit_below_x + L.suit_w / 2.0) * sx;
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_select_font_face(cr, "DejaVu Sans Condensed", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    // The size whose hinted capital is `cap` pixels high, searched around
    // the nominal one (capitals are 0.729 of the size).
    double size = cap / 0.729, best = size, best_err = 1e9;
    for (double s = size * 0.9; s <= size * 1.1; s += 0.05) {
        double err = std::abs(rank_ink(cr, "E", s, 1.0).h - cap);
        if (err < best_err - 1e-9) best_err = err, best = s;
    }
    size = best;
    double narrow = 1.0;
    Ink ink = rank_ink(cr, kNames[rank], size, narrow);
    if (ink.w > max_w) {
        narrow = max_w / ink.w;
        ink = rank_ink(cr, kNames[rank], size, narrow);
    }
    const double left = std::round(centre - ink.w / 2);
    set(cr, suit_colour(suit));
    cairo_move_to(cr, left - ink.x, top + cap);
    cairo_show_text(cr, kNames[rank]);
    cairo_restore(cr);
}

Raster typeface_index(const Layout& L, int suit, int rank) {
    Canvas layer(L.dev_w, L.dev_h);
    cairo_t* cr = layer.cr();
    setup_text(cr);
    typeface_rank(cr, L, suit, rank);
    scale_to_layout(cr, L);
    corner_suit(cr, L, suit, L.suit_below_x, L.suit_below_y);
    return layer.to_raster();
}

// `layer` over `card`, as it is and turned half a turn.
void put_index(Raster& card, const Raster& layer) {
    auto over = [](Pixel below, Pixel above) {
        int a = alpha_of(above);
        auto mixc = [a](int b, int t) { return (t * a + b * (255 - a) + 127) / 255; };
        return rgb(mixc(red_of(below), red_of(above)), mixc(green_of(below), green_of(above)),
                   mixc(blue_of(below), blue_of(above)));
    };
    for (int y = 0; y < layer.height; ++y)
        for (int x = 0; x < layer.width; ++x) {
            Pixel p = layer.at(x, y);
            if (!alpha_of(p)) continue;
            card.at(x, y) = over(card.at(x, y), p);
            Pixel& turned = card.at(card.width - 1 - x, card.height - 1 - y);
            turned = over(turned, p);
        }
}

void pips(cairo_t* cr, const Layout& L, int suit, int rank) {
    // (column 0 left, 1 middle, 2 right; row as a fraction from top to bottom)
    struct P {
        int col;
        double row;
    };
    static const std::vector<P> layouts[10] = {
        {},
        {{1, 0}, {1, 1}},
        {{1, 0}, {1, 0.5}, {1, 1}},
        {{0, 0}, {2, 0}, {0, 1}, {2, 1}},
        {{0, 0}, {2, 0}, {1, 0.5}, {0, 1}, {2, 1}},
        {{0, 0}, {2, 0}, {0, 0.5}, {2, 0.5}, {0, 1}, {2, 1}},
        {{0, 0}, {2, 0}, {1, 0.25}, {0, 0.5}, {2, 0.5}, {0, 1}, {2, 1}},
        {{0, 0}, {2, 0}, {1, 0.25}, {0, 0.5}, {2, 0.5}, {1, 0.75}, {0, 1}, {2, 1}},
        {{0, 0}, {2, 0}, {0, 1.0 / 3}, {2, 1.0 / 3}, {1, 0.5}, {0, 2.0 / 3}, {2, 2.0 / 3}, {0, 1}, {2, 1}},
        {{0, 0}, {2, 0}, {1, 1.0 / 6}, {0, 1.0 / 3}, {2, 1.0 / 3}, {0, 2.0 / 3}, {2, 2.0 / 3}, {1, 5.0 / 6}, {0, 1}, {2, 1}},
    };
    const int cols[3] = {L.col_left, L.col_mid, L.col_right};
    for (const P& p : layouts[rank]) {
        int x = cols[p.col];
        int y = int(std::floor(L.row_top + p.row * (L.row_bottom - L.row_top) + 0.5));
        pip(cr, L, suit, x, y, p.row > 0.5);
    }
}

void big_pip(cairo_t* cr, const Layout& L, int suit, double scale, Colour c) {
    double w = L.ace * scale, h = L.ace * scale * 1.1;
    suit_vector(cr, suit, (L.w - w) / 2, (L.h - h) / 2, w, h, c);
}

// ---------------------------------------------------------------------------
// Court cards: four card sets

struct Panel {
    double x, y, w, h;
};

Panel panel(const Layout& L) { return {double(L.panel_x), double(L.panel_y), double(L.panel_w), double(L.panel_h)}; }

void panel_frame(cairo_t* cr, const Panel& p, Colour fill, Colour line) {
    cairo_rectangle(cr, p.x, p.y, p.w, p.h);
    set(cr, fill);
    cairo_fill(cr);
    cairo_rectangle(cr, p.x + 0.5, p.y + 0.5, p.w - 1, p.h - 1);
    set(cr, line);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void text_centred(cairo_t* cr, const char* family, bool bold, double size, const char* text, double cx, double cy) {
    cairo_select_font_face(cr, family, CAIRO_FONT_SLANT_NORMAL, bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t e;
    cairo_text_extents(cr, text, &e);
    cairo_move_to(cr, cx - e.width / 2 - e.x_bearing, cy - e.height / 2 - e.y_bearing);
    cairo_show_text(cr, text);
}

// Set 0, "Royal": a double-ended bust (crown, tiara or feathered cap).
void royal_half(cairo_t* cr, const Panel& p, int suit, int rank) {
    double W = p.w, H = p.h / 2;
    double cx = p.x + W / 2;
    Colour robe = is_red(suit) ? C(196, 28, 40) : C(34, 58, 150);
    Colour trim = is_red(suit) ? C(34, 58, 150) : C(196, 28, 40);
    // As large a head as the headwear above it and the shoulders below allow.
    double hr = (H - 1) / 4.2, hy = p.y + 1 + 2.05 * hr;
    double sy = hy + 0.8 * hr;  // top of the shoulders
    cairo_move_to(cr, p.x + 1, p.y + H);
    cairo_curve_to(cr, p.x + 1, sy + (p.y + H - sy) * 0.4, cx - W * 0.3, sy, cx, sy);
    cairo_curve_to(cr, cx + W * 0.3, sy, p.x + W - 1, sy + (p.y + H - sy) * 0.4, p.x + W - 1, p.y + H);
    cairo_close_path(cr);
    set(cr, robe);
    cairo_fill_preserve(cr);
    set(cr, kBlack);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    // collar and cuffs
    cairo_move_to(cr, cx - W * 0.2, sy + 0.5);
    cairo_line_to(cr, cx, p.y + H);
    cairo_line_to(cr, cx + W * 0.2, sy + 0.5);
    set(cr, kGold);
    cairo_set_line_width(cr, std::max(1.2, W * 0.07));
    cairo_stroke(cr);
    cairo_rectangle(cr, p.x + W * 0.12, p.y + H - (p.y + H - sy) * 0.45, W * 0.14, (p.y + H - sy) * 0.45);
    cairo_rectangle(cr, p.x + W * 0.74, p.y + H - (p.y + H - sy) * 0.45, W * 0.14, (p.y + H - sy) * 0.45);
    set(cr, trim);
    cairo_fill(cr);
    // head
    cairo_arc(cr, cx, hy, hr, 0, 2 * kPi);
    set(cr, kSkin);
    cairo_fill_preserve(cr);
    set(cr, kBlack);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    // eyes
    set(cr, kBlack);
    cairo_rectangle(cr, cx - hr * 0.5, hy - hr * 0.15, std::max(1.0, hr * 0.25), std::max(1.0, hr * 0.25));
    cairo_rectangle(cr, cx + hr * 0.25, hy - hr * 0.15, std::max(1.0, hr * 0.25), std::max(1.0, hr * 0.25));
    cairo_fill(cr);
    if (rank == 12) {  // king: beard and a crown with three points
        cairo_move_to(cr, cx - hr * 0.9, hy + hr * 0.2);
        cairo_curve_to(cr, cx - hr * 0.7, hy + hr * 1.5, cx + hr * 0.7, hy + hr * 1.5, cx + hr * 0.9, hy + hr * 0.2);
        cairo_curve_to(cr, cx + hr * 0.4, hy + hr * 0.6, cx - hr * 0.4, hy + hr * 0.6, cx - hr * 0.9, hy + hr * 0.2);
        set(cr, C(120, 72, 30));
        cairo_fill(cr);
        double top = hy - hr * 2.0, base = hy - hr * 0.75;
        cairo_move_to(cr, cx - hr * 1.1, base);
        cairo_line_to(cr, cx - hr * 1.2, top);
        cairo_line_to(cr, cx - hr * 0.55, base - (base - top) * 0.45);
        cairo_line_to(cr, cx, top - hr * 0.2);
        cairo_line_to(cr, cx + hr * 0.55, base - (base - top) * 0.45);
        cairo_line_to(cr, cx + hr * 1.2, top);
        cairo_line_to(cr, cx + hr * 1.1, base);
        cairo_close_path(cr);
        set(cr, kGold);
        cairo_fill_preserve(cr);
        set(cr, kDarkGold);
        cairo_set_line_width(cr, 0.7);
        cairo_stroke(cr);
    } else if (rank == 11) {  // queen: hair, a tiara with a jewel
        cairo_arc(cr, cx, hy, hr * 1.25, kPi * 0.9, kPi * 2.1);
        cairo_line_to(cr, cx + hr * 1.3, hy + hr * 1.3);
        cairo_line_to(cr, cx + hr * 0.85, hy + hr * 0.3);
        cairo_arc_negative(cr, cx, hy, hr * 0.9, -0.1, kPi + 0.1);
        cairo_line_to(cr, cx - hr * 1.3, hy + hr * 1.3);
        cairo_close_path(cr);
        set(cr, C(196, 140, 40));
        cairo_fill(cr);
        double base = hy - hr * 0.85, top = hy - hr * 1.7;
        cairo_move_to(cr, cx - hr * 0.9, base);
        cairo_line_to(cr, cx - hr * 0.6, top + hr * 0.3);
        cairo_line_to(cr, cx, top);
        cairo_line_to(cr, cx + hr * 0.6, top + hr * 0.3);
        cairo_line_to(cr, cx + hr * 0.9, base);
        cairo_close_path(cr);
        set(cr, kGold);
        cairo_fill(cr);
        cairo_arc(cr, cx, top + hr * 0.5, std::max(0.8, hr * 0.22), 0, 2 * kPi);
        set(cr, trim);
        cairo_fill(cr);
    } else {  // jack: a flat cap with a feather
        cairo_save(cr);
        cairo_translate(cr, cx, hy - hr * 0.95);
        cairo_scale(cr, hr * 1.5, hr * 0.55);
        cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
        cairo_restore(cr);
        set(cr, trim);
        cairo_fill(cr);
        cairo_move_to(cr, cx + hr * 0.4, hy - hr * 1.2);
        cairo_curve_to(cr, cx + hr * 1.4, hy - hr * 2.4, cx + hr * 2.0, hy - hr * 1.6, cx + hr * 2.2, hy - hr * 1.0);
        set(cr, kGold);
        cairo_set_line_width(cr, std::max(1.0, hr * 0.4));
        cairo_stroke(cr);
    }
}

void court_royal(cairo_t* cr, const Layout& L, int suit, int rank) {
    Panel p = panel(L);
    panel_frame(cr, p, C(255, 247, 222), suit_colour(suit));
    for (int turn = 0; turn < 2; ++turn) {
        cairo_save(cr);
        cairo_rectangle(cr, p.x + 1, p.y + 1, p.w - 2, p.h - 2);
        cairo_clip(cr);
        if (turn) {
            cairo_translate(cr, p.x + p.w / 2, p.y + p.h / 2);
            cairo_rotate(cr, kPi);
            cairo_translate(cr, -(p.x + p.w / 2), -(p.y + p.h / 2));
        }
        royal_half(cr, p, suit, rank);
        cairo_restore(cr);
    }
    cairo_move_to(cr, p.x + 1, p.y + p.h / 2);
    cairo_line_to(cr, p.x + p.w - 1, p.y + p.h / 2);
    set(cr, suit_colour(suit));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

// Set 1, "Monogram": the letter on a sunburst, framed twice.
void court_monogram(cairo_t* cr, const Layout& L, int suit, int rank) {
    Panel p = panel(L);
    panel_frame(cr, p, C(252, 238, 196), suit_colour(suit));
    double cx = p.x + p.w / 2, cy = p.y + p.h / 2;
    cairo_save(cr);
    cairo_rectangle(cr, p.x + 1, p.y + 1, p.w - 2, p.h - 2);
    cairo_clip(cr);
    for (int i = 0; i < 16; ++i) {
        double a0 = 2 * kPi * i / 16, a1 = a0 + kPi / 16;
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + 60 * std::cos(a0), cy + 60 * std::sin(a0));
        cairo_line_to(cr, cx + 60 * std::cos(a1), cy + 60 * std::sin(a1));
        cairo_close_path(cr);
    }
    set(cr, C(240, 204, 110));
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_rectangle(cr, p.x + 2.5, p.y + 2.5, p.w - 5, p.h - 5);
    set(cr, kDarkGold);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    const char* letter = rank == 10 ? "J" : rank == 11 ? "Q" : "K";
    set(cr, suit_colour(suit));
    text_centred(cr, "DejaVu Serif", true, p.h * 0.55, letter, cx, cy);
    double s = p.w * 0.26;
    suit_vector(cr, suit, cx - s / 2, p.y + 3.5, s, s * 1.05, suit_colour(suit));
    suit_vector(cr, suit, cx - s / 2, p.y + p.h - 3.5 - s * 1.05, s, s * 1.05, suit_colour(suit), true);
}

// Set 2, "Chessmen": king, queen and knight on a chequered floor.
void court_chess(cairo_t* cr, const Layout& L, int suit, int rank) {
    Panel p = panel(L);
    panel_frame(cr, p, C(226, 232, 242), suit_colour(suit));
    double sq = p.w / 6;
    cairo_save(cr);
    cairo_rectangle(cr, p.x + 1, p.y + 1, p.w - 2, p.h - 2);
    cairo_clip(cr);
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 3; ++j)
            if ((i + j) % 2 == 0) cairo_rectangle(cr, p.x + i * sq, p.y + p.h - (j + 1) * sq, sq, sq);
    set(cr, C(170, 182, 204));
    cairo_fill(cr);
    cairo_restore(cr);
    // the piece, in a unit box 1 wide and 1.7 high standing on the floor
    double u = p.w * 0.72;
    double bx = p.x + (p.w - u) / 2, by = p.y + p.h - sq * 1.6 - 1.7 * u;
    cairo_save(cr);
    cairo_translate(cr, bx, by);
    cairo_scale(cr, u, u);
    cairo_new_path(cr);
    // base and body
    cairo_move_to(cr, 0.05, 1.7);
    cairo_line_to(cr, 0.95, 1.7);
    cairo_line_to(cr, 0.9, 1.52);
    cairo_line_to(cr, 0.75, 1.45);
    if (rank == 10) {  // knight: a horse's head
        cairo_curve_to(cr, 0.8, 1.1, 0.95, 0.8, 0.85, 0.5);
        cairo_curve_to(cr, 0.78, 0.3, 0.6, 0.2, 0.45, 0.2);
        cairo_line_to(cr, 0.4, 0.05);
        cairo_line_to(cr, 0.3, 0.25);
        cairo_curve_to(cr, 0.18, 0.35, 0.05, 0.6, 0.02, 0.78);
        cairo_line_to(cr, 0.12, 0.9);
        cairo_line_to(cr, 0.4, 0.78);
        cairo_curve_to(cr, 0.45, 0.95, 0.2, 1.2, 0.25, 1.45);
    } else {
        cairo_curve_to(cr, 0.65, 1.2, 0.62, 0.9, 0.68, 0.62);
        cairo_line_to(cr, 0.8, 0.58);
        cairo_line_to(cr, 0.8, 0.5);
        if (rank == 12) {  // king: a dome and a cross
            cairo_curve_to(cr, 0.8, 0.35, 0.6, 0.32, 0.56, 0.32);
            cairo_line_to(cr, 0.56, 0.24);
            cairo_line_to(cr, 0.66, 0.24);
            cairo_line_to(cr, 0.66, 0.14);
            cairo_line_to(cr, 0.56, 0.14);
            cairo_line_to(cr, 0.56, 0.02);
            cairo_line_to(cr, 0.44, 0.02);
            cairo_line_to(cr, 0.44, 0.14);
            cairo_line_to(cr, 0.34, 0.14);
            cairo_line_to(cr, 0.34, 0.24);
            cairo_line_to(cr, 0.44, 0.24);
            cairo_line_to(cr, 0.44, 0.32);
            cairo_curve_to(cr, 0.4, 0.32, 0.2, 0.35, 0.2, 0.5);
        } else {  // queen: a coronet of points
            cairo_line_to(cr, 0.9, 0.2);
            cairo_line_to(cr, 0.72, 0.38);
            cairo_line_to(cr, 0.62, 0.12);
            cairo_line_to(cr, 0.5, 0.36);
            cairo_line_to(cr, 0.38, 0.12);
            cairo_line_to(cr, 0.28, 0.38);
            cairo_line_to(cr, 0.1, 0.2);
            cairo_line_to(cr, 0.2, 0.5);
        }
        cairo_line_to(cr, 0.2, 0.58);
        cairo_line_to(cr, 0.32, 0.62);
        cairo_curve_to(cr, 0.38, 0.9, 0.35, 1.2, 0.25, 1.45);
    }
    cairo_line_to(cr, 0.1, 1.52);
    cairo_close_path(cr);
    cairo_restore(cr);
    set(cr, suit_colour(suit));
    cairo_fill_preserve(cr);
    set(cr, is_red(suit) ? C(110, 0, 10) : C(90, 90, 100));
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    if (rank == 11) {  // pearls on the coronet
        cairo_save(cr);
        cairo_translate(cr, bx, by);
        cairo_scale(cr, u, u);
        for (double x : {0.1, 0.38, 0.62, 0.9}) {
            cairo_new_sub_path(cr);
            cairo_arc(cr, x, x == 0.1 || x == 0.9 ? 0.17 : 0.09, 0.07, 0, 2 * kPi);
        }
        cairo_restore(cr);
        set(cr, kGold);
        cairo_fill(cr);
    }
    if (rank == 10) {  // the knight's eye
        cairo_arc(cr, bx + u * 0.5, by + u * 0.42, std::max(0.7, u * 0.06), 0, 2 * kPi);
        set(cr, kWhite);
        cairo_fill(cr);
    }
}

void star_path(cairo_t* cr, double cx, double cy, double r, double inner, int points, double turn = 0) {
    for (int i = 0; i < points * 2; ++i) {
        double a = -kPi / 2 + turn + kPi * i / points;
        double rr = (i % 2) ? r * inner : r;
        if (i == 0)
            cairo_move_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
        else
            cairo_line_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
    }
    cairo_close_path(cr);
}

// A crescent: a disc with a disc of the sky's colour cut out of it.
void crescent(cairo_t* cr, double cx, double cy, double r, Colour moon, Colour sky) {
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    cairo_clip_preserve(cr);
    set(cr, moon);
    cairo_fill(cr);
    cairo_arc(cr, cx + r * 0.5, cy - r * 0.18, r * 0.86, 0, 2 * kPi);
    set(cr, sky);
    cairo_fill(cr);
    cairo_restore(cr);
}

void night_sky(cairo_t* cr, double x, double y, double w, double h, unsigned seed) {
    // small stars at fixed pseudo-random places
    for (int i = 0; i < int(w * h / 60); ++i) {
        seed = seed * 1103515245u + 12345u;
        double sx = x + 1 + (seed >> 8) % 1000 / 1000.0 * (w - 2);
        seed = seed * 1103515245u + 12345u;
        double sy = y + 1 + (seed >> 8) % 1000 / 1000.0 * (h - 2);
        cairo_rectangle(cr, std::floor(sx), std::floor(sy), 1, 1);
    }
    set(cr, C(200, 210, 255), 0.8);
    cairo_fill(cr);
}

// Set 3, "Celestial": the sun, the moon and a star on a night sky.
void court_celestial(cairo_t* cr, const Layout& L, int suit, int rank) {
    Panel p = panel(L);
    panel_frame(cr, p, kNavy, is_red(suit) ? kRed : C(120, 130, 170));
    night_sky(cr, p.x, p.y, p.w, p.h, unsigned(suit * 31 + rank * 7 + 1));
    double cx = p.x + p.w / 2, cy = p.y + p.h * 0.44, r = p.w * 0.3;
    if (rank == 12) {  // the sun
        star_path(cr, cx, cy, r * 1.45, 0.62, 12);
        set(cr, C(250, 150, 30));
        cairo_fill(cr);
        cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
        set(cr, C(255, 214, 60));
        cairo_fill(cr);
        set(cr, C(170, 90, 10));
        cairo_rectangle(cr, cx - r * 0.45, cy - r * 0.25, std::max(1.0, r * 0.2), std::max(1.0, r * 0.2));
        cairo_rectangle(cr, cx + r * 0.25, cy - r * 0.25, std::max(1.0, r * 0.2), std::max(1.0, r * 0.2));
        cairo_fill(cr);
        cairo_arc(cr, cx, cy + r * 0.1, r * 0.45, kPi * 0.2, kPi * 0.8);
        cairo_set_line_width(cr, std::max(0.8, r * 0.12));
        cairo_stroke(cr);
    } else if (rank == 11) {  // the crescent moon
        crescent(cr, cx, cy, r * 1.1, C(240, 236, 200), kNavy);
        star_path(cr, cx + r * 0.8, cy + r * 0.5, r * 0.35, 0.45, 5);
        set(cr, kGold);
        cairo_fill(cr);
    } else {  // a star
        star_path(cr, cx, cy, r * 1.3, 0.42, 5);
        set(cr, C(255, 214, 60));
        cairo_fill_preserve(cr);
        set(cr, C(200, 130, 20));
        cairo_set_line_width(cr, 0.8);
        cairo_stroke(cr);
    }
    // the suit under the picture, light on the night sky
    double s = p.w * 0.3;
    suit_vector(cr, suit, cx - s / 2, p.y + p.h * 0.8 - s / 2, s, s * 1.05, is_red(suit) ? C(255, 90, 90) : C(235, 235, 245));
}

// ---------------------------------------------------------------------------
// The sets' aces of diamonds

void ace_of_diamonds(cairo_t* cr, const Layout& L, int set_no) {
    double cx = L.w / 2.0, cy = L.h / 2.0;
    double w = L.ace * 1.15, h = L.ace * 1.5;
    switch (set_no) {
        case 0:  // a large diamond with a gold inlay
            suit_vector(cr, kDiamonds, cx - w / 2, cy - h / 2, w, h, kRed);
            suit_path(cr, kDiamonds, cx - w * 0.3, cy - h * 0.3, w * 0.6, h * 0.6);
            set(cr, kGold);
            cairo_set_line_width(cr, small(L) ? 1.0 : 1.4);
            cairo_stroke(cr);
            suit_vector(cr, kDiamonds, cx - w * 0.12, cy - h * 0.12, w * 0.24, h * 0.24, kWhite);
            break;
        case 1:  // a diamond on a sunburst in a gold ring
            for (int i = 0; i < 24; ++i) {
                double a = 2 * kPi * i / 24;
                cairo_move_to(cr, cx, cy);
                cairo_line_to(cr, cx + 0.85 * L.ace * std::cos(a), cy + 0.85 * L.ace * std::sin(a));
            }
            set(cr, kGold);
            cairo_set_line_width(cr, small(L) ? 0.9 : 1.2);
            cairo_stroke(cr);
            cairo_arc(cr, cx, cy, L.ace * 0.55, 0, 2 * kPi);
            set(cr, C(255, 246, 214));
            cairo_fill_preserve(cr);
            set(cr, kDarkGold);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
            suit_vector(cr, kDiamonds, cx - w * 0.3, cy - h * 0.3, w * 0.6, h * 0.6, kRed);
            break;
        case 2: {  // a cut gem: facets in three reds
            double hw = w * 0.55, hh = h * 0.5, t = h * 0.18;
            double xs[5] = {cx - hw, cx - hw * 0.45, cx, cx + hw * 0.45, cx + hw};
            double top = cy - hh * 0.55;
            // crown (upper part)
            cairo_move_to(cr, xs[0], top + t);
            cairo_line_to(cr, xs[1], top);
            cairo_line_to(cr, xs[3], top);
            cairo_line_to(cr, xs[4], top + t);
            cairo_close_path(cr);
            set(cr, C(240, 90, 100));
            cairo_fill(cr);
            cairo_move_to(cr, xs[1], top);
            cairo_line_to(cr, xs[2], top + t);
            cairo_line_to(cr, xs[3], top);
            cairo_close_path(cr);
            set(cr, C(255, 170, 170));
            cairo_fill(cr);
            // pavilion (lower part)
            double tip = cy + hh;
            cairo_move_to(cr, xs[0], top + t);
            cairo_line_to(cr, xs[2], tip);
            cairo_line_to(cr, xs[2] - hw * 0.2, top + t);
            cairo_close_path(cr);
            set(cr, C(150, 0, 20));
            cairo_fill(cr);
            cairo_move_to(cr, xs[2] - hw * 0.2, top + t);
            cairo_line_to(cr, xs[2], tip);
            cairo_line_to(cr, xs[2] + hw * 0.2, top + t);
            cairo_close_path(cr);
            set(cr, kRed);
            cairo_fill(cr);
            cairo_move_to(cr, xs[2] + hw * 0.2, top + t);
            cairo_line_to(cr, xs[2], tip);
            cairo_line_to(cr, xs[4], top + t);
            cairo_close_path(cr);
            set(cr, C(226, 50, 60));
            cairo_fill(cr);
            // outline
            cairo_move_to(cr, xs[0], top + t);
            cairo_line_to(cr, xs[1], top);
            cairo_line_to(cr, xs[3], top);
            cairo_line_to(cr, xs[4], top + t);
            cairo_line_to(cr, xs[2], tip);
            cairo_close_path(cr);
            set(cr, C(110, 0, 14));
            cairo_set_line_width(cr, small(L) ? 0.8 : 1.0);
            cairo_stroke(cr);
            // a glint
            star_path(cr, xs[3] + hw * 0.15, top - t * 0.3, std::max(2.0, t * 0.7), 0.3, 4);
            set(cr, kGold);
            cairo_fill(cr);
            break;
        }
        default: {  // a diamond in a ring of stars on the night sky
            double r = L.ace * 0.8;
            cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
            set(cr, kNavy);
            cairo_fill(cr);
            for (int i = 0; i < 8; ++i) {
                double a = 2 * kPi * i / 8;
                star_path(cr, cx + r * 0.78 * std::cos(a), cy + r * 0.78 * std::sin(a), r * 0.16, 0.45, 5);
            }
            set(cr, kGold);
            cairo_fill(cr);
            suit_vector(cr, kDiamonds, cx - r * 0.4, cy - r * 0.55, r * 0.8, r * 1.1, C(255, 60, 70));
            break;
        }
    }
}

// ---------------------------------------------------------------------------
// Backs

void back_pattern(cairo_t* cr, const Layout& L, int set_no) {
    double m = small(L) ? 3 : 4;  // white margin
    double x = m, y = m, w = L.w - 2 * m, h = L.h - 2 * m;
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    switch (set_no) {
        case 0: {  // blue lattice
            set(cr, C(28, 64, 168));
            cairo_paint(cr);
            double step = small(L) ? 5 : 7;
            for (double d = -L.h; d < L.w + L.h; d += step) {
                cairo_move_to(cr, d, 0);
                cairo_line_to(cr, d + L.h, L.h);
                cairo_move_to(cr, d, L.h);
                cairo_line_to(cr, d + L.h, 0);
            }
            set(cr, C(120, 160, 240));
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
            cairo_arc(cr, L.w / 2.0, L.h / 2.0, w * 0.28, 0, 2 * kPi);
            set(cr, C(28, 64, 168));
            cairo_fill_preserve(cr);
            set(cr, kWhite);
            cairo_stroke(cr);
            star_path(cr, L.w / 2.0, L.h / 2.0, w * 0.2, 0.45, 8);
            set(cr, C(200, 220, 255));
            cairo_fill(cr);
            break;
        }
        case 1: {  // red with gold fans
            set(cr, C(164, 18, 30));
            cairo_paint(cr);
            double r = small(L) ? 7 : 10;
            cairo_set_line_width(cr, 1);
            set(cr, C(236, 190, 80));
            for (int row = -1; row * r < L.h + r; ++row)
                for (int col = -1; col * r * 2 < L.w + r * 2; ++col) {
                    double fx = col * r * 2 + (row % 2 ? r : 0), fy = row * r;
                    for (double rr = r; rr > 1; rr -= r / 3) {
                        cairo_new_sub_path(cr);
                        cairo_arc(cr, fx, fy + r, rr, kPi, 2 * kPi);
                    }
                }
            cairo_stroke(cr);
            break;
        }
        case 2: {  // green chequers with a round medallion
            set(cr, C(20, 104, 56));
            cairo_paint(cr);
            double sq = small(L) ? 4.5 : 6.7;
            for (int i = 0; i * sq < L.w; ++i)
                for (int j = 0; j * sq < L.h; ++j)
                    if ((i + j) % 2) cairo_rectangle(cr, x + i * sq, y + j * sq, sq, sq);
            set(cr, C(46, 150, 86));
            cairo_fill(cr);
            cairo_arc(cr, L.w / 2.0, L.h / 2.0, w * 0.3, 0, 2 * kPi);
            set(cr, C(245, 240, 220));
            cairo_fill_preserve(cr);
            set(cr, kGold);
            cairo_set_line_width(cr, small(L) ? 1.5 : 2);
            cairo_stroke(cr);
            suit_vector(cr, kSpades, L.w / 2.0 - w * 0.14, L.h / 2.0 - w * 0.15, w * 0.28, w * 0.3, C(20, 104, 56));
            break;
        }
        default: {  // night sky with a moon and stars
            cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, y + h);
            cairo_pattern_add_color_stop_rgb(g, 0, 0.05, 0.06, 0.22);
            cairo_pattern_add_color_stop_rgb(g, 1, 0.20, 0.10, 0.36);
            cairo_set_source(cr, g);
            cairo_paint(cr);
            cairo_pattern_destroy(g);
            night_sky(cr, x, y, w, h, 97);
            unsigned seed = 7;
            for (int i = 0; i < 9; ++i) {
                seed = seed * 1103515245u + 12345u;
                double sx = x + 3 + (seed >> 8) % 1000 / 1000.0 * (w - 6);
                seed = seed * 1103515245u + 12345u;
                double sy = y + 3 + (seed >> 8) % 1000 / 1000.0 * (h - 6);
                star_path(cr, sx, sy, small(L) ? 2.2 : 3.2, 0.4, 4);
            }
            set(cr, C(255, 226, 120));
            cairo_fill(cr);
            double r = w * 0.26, cx = L.w / 2.0, cy = L.h / 2.0;
            crescent(cr, cx, cy, r, C(250, 240, 190), C(32, 20, 74));
            break;
        }
    }
    cairo_restore(cr);
    cairo_rectangle(cr, x + 0.5, y + 0.5, w - 1, h - 1);
    set(cr, C(0, 0, 0), 0.35);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

// ---------------------------------------------------------------------------
// Base images: places on the table that may stay empty

const Colour kSlot = C(30, 58, 46);
const Colour kSlotLine = C(170, 206, 180);

void arrow(cairo_t* cr, double cx, double cy, double len, double wide, bool up) {
    double d = up ? -1 : 1;
    cairo_move_to(cr, cx, cy + d * len / 2);
    cairo_line_to(cr, cx + wide, cy + d * (len / 2 - wide));
    cairo_line_to(cr, cx + wide * 0.4, cy + d * (len / 2 - wide));
    cairo_line_to(cr, cx + wide * 0.4, cy - d * len / 2);
    cairo_line_to(cr, cx - wide * 0.4, cy - d * len / 2);
    cairo_line_to(cr, cx - wide * 0.4, cy + d * (len / 2 - wide));
    cairo_line_to(cr, cx - wide, cy + d * (len / 2 - wide));
    cairo_close_path(cr);
}

void base_symbol(cairo_t* cr, const Layout& L, int base) {
    double cx = L.w / 2.0, cy = L.h / 2.0, u = L.w / 45.0;  // u: one small-card pixel
    const Colour ink = C(200, 228, 206);
    cairo_set_line_width(cr, 2 * u);
    switch (base) {
        case 1: case 2: case 3: case 4: {  // foundation marks of the four suits
            int suit = base - 1;
            Colour c = is_red(suit) ? C(236, 110, 110) : C(214, 226, 218);
            suit_vector(cr, suit, cx - 11 * u, cy - 12 * u, 22 * u, 24 * u, c);
            break;
        }
        case 5:  // a stock that can be turned again: a ring
            cairo_arc(cr, cx, cy, 10 * u, 0, 2 * kPi);
            set(cr, C(120, 220, 120));
            cairo_set_line_width(cr, 3.5 * u);
            cairo_stroke(cr);
            break;
        case 6:  // a stock that cannot: a cross
            cairo_move_to(cr, cx - 9 * u, cy - 9 * u);
            cairo_line_to(cr, cx + 9 * u, cy + 9 * u);
            cairo_move_to(cr, cx + 9 * u, cy - 9 * u);
            cairo_line_to(cr, cx - 9 * u, cy + 9 * u);
            set(cr, C(236, 96, 96));
            cairo_set_line_width(cr, 3.5 * u);
            cairo_stroke(cr);
            break;
        case 7:  // a free cell: a second frame inside
            rounded_rect(cr, 7 * u, 7 * u, L.w - 14 * u, L.h - 14 * u, 2 * u);
            set(cr, ink);
            cairo_set_line_width(cr, 1.5 * u);
            cairo_stroke(cr);
            cairo_rectangle(cr, cx - 6 * u, cy - 6 * u, 12 * u, 12 * u);
            cairo_set_line_width(cr, 1.2 * u);
            cairo_stroke(cr);
            break;
        case 8:  // a foundation for any suit
            set(cr, ink);
            text_centred(cr, "DejaVu Serif", true, 24 * u, "A", cx, cy);
            break;
        case 9:  // kings only
            set(cr, ink);
            text_centred(cr, "DejaVu Serif", true, 24 * u, "K", cx, cy);
            break;
        case 10:  // a waste pile: three cards fanned
            for (int i = 0; i < 3; ++i) {
                rounded_rect(cr, 8 * u + i * 5 * u, 17 * u, 16 * u, 24 * u, 2 * u);
                set(cr, kSlot);
                cairo_fill_preserve(cr);
                set(cr, ink);
                cairo_set_line_width(cr, 1.2 * u);
                cairo_stroke(cr);
            }
            break;
        case 11:  // a reserve: a squared pile
            for (int i = 2; i >= 0; --i) {
                rounded_rect(cr, 12 * u + i * 2 * u, 16 * u + i * 2 * u, 18 * u, 26 * u, 2 * u);
                set(cr, i ? kSlot : C(60, 100, 80));
                cairo_fill_preserve(cr);
                set(cr, ink);
                cairo_set_line_width(cr, 1.2 * u);
                cairo_stroke(cr);
            }
            break;
        case 12:  // put away: an arrow into a tray
            arrow(cr, cx, cy - 4 * u, 18 * u, 7 * u, false);
            set(cr, ink);
            cairo_fill(cr);
            cairo_move_to(cr, cx - 11 * u, cy + 4 * u);
            cairo_line_to(cr, cx - 11 * u, cy + 11 * u);
            cairo_line_to(cr, cx + 11 * u, cy + 11 * u);
            cairo_line_to(cr, cx + 11 * u, cy + 4 * u);
            cairo_set_line_width(cr, 2 * u);
            cairo_stroke(cr);
            break;
        case 13:  // builds up
        case 14:  // builds down
            arrow(cr, cx, cy, 26 * u, 9 * u, base == 13);
            set(cr, ink);
            cairo_fill(cr);
            break;
        case 15:  // any card
            star_path(cr, cx, cy, 13 * u, 0.42, 5);
            set(cr, C(240, 210, 90));
            cairo_fill(cr);
            break;
        default:
            break;
    }
}

Raster draw_base(CardSize size, int base, int percent) {
    Layout L = layout(size, percent);
    Canvas cv(L.dev_w, L.dev_h);
    cairo_t* cr = cv.cr();
    scale_to_layout(cr, L);
    // The table shows through nowhere: corners take the slot's dark edge.
    set(cr, C(16, 30, 24));
    cairo_paint(cr);
    rounded_rect(cr, 0.5, 0.5, L.w - 1, L.h - 1, L.radius);
    set(cr, base == 17 ? C(14, 26, 20) : kSlot);
    cairo_fill(cr);
    if (base == 17) {  // dark, hatched
        cairo_save(cr);
        rounded_rect(cr, 1, 1, L.w - 2, L.h - 2, L.radius);
        cairo_clip(cr);
        for (double d = -L.h; d < L.w; d += 4)
            cairo_move_to(cr, d, L.h), cairo_line_to(cr, d + L.h, 0);
        set(cr, C(40, 60, 50));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    rounded_rect(cr, 1.5, 1.5, L.w - 3, L.h - 3, L.radius - 1);
    set(cr, base == 17 ? C(70, 96, 80) : kSlotLine);
    cairo_set_line_width(cr, 1);
    if (base == 16) {
        double dash[] = {2.0, 2.0};
        cairo_set_dash(cr, dash, 2, 0);
    }
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    base_symbol(cr, L, base);
    return cv.to_raster();
}

}  // namespace

int scaled(int length, int percent) { return (length * percent + 50) / 100; }

CardGeometry geometry(CardSize size, int percent) {
    CardGeometry g = size == CardSize::Small ? CardGeometry{45, 63, 49, 67, 10} : CardGeometry{67, 94, 71, 98, 15};
    return {scaled(g.width, percent), scaled(g.height, percent), scaled(g.outline_width, percent),
            scaled(g.outline_height, percent), scaled(g.fan, percent)};
}

Raster card_face(CardSize size, int set_no, int suit, int rank, int percent) {
    Layout L = layout(size, percent);
    Canvas cv(L.dev_w, L.dev_h);
    cairo_t* cr = cv.cr();
    setup_text(cr);
    scale_to_layout(cr, L);
    blank(cr, L, kWhite);
    if (L.pixel_font)
        index_marks(cr, L, suit, rank);
    else
        corner_suit(cr, L, suit, L.suit_right_x, L.suit_right_y);
    if (rank >= 10) {
        switch (set_no) {
            case 0: court_royal(cr, L, suit, rank); break;
            case 1: court_monogram(cr, L, suit, rank); break;
            case 2: court_chess(cr, L, suit, rank); break;
            default: court_celestial(cr, L, suit, rank); break;
        }
    } else if (rank == 0) {
        if (suit == kDiamonds)
            ace_of_diamonds(cr, L, set_no);
        else
            big_pip(cr, L, suit, suit == kSpades ? 1.25 : 1.0, suit_colour(suit));
    } else {
        pips(cr, L, suit, rank);
    }
    Raster face = cv.to_raster();
    if (!L.pixel_font) put_index(face, typeface_index(L, suit, rank));
    return face;
}

Raster card_back(CardSize size, int set_no, int percent) {
    Layout L = layout(size, percent);
    Canvas cv(L.dev_w, L.dev_h);
    cairo_t* cr = cv.cr();
    scale_to_layout(cr, L);
    blank(cr, L, kWhite);
    back_pattern(cr, L, set_no);
    return cv.to_raster();
}

Raster base_image(CardSize size, int base, int percent) {
    Canvas cv(1, 1);
    setup_text(cv.cr());
    return draw_base(size, base, percent);
}

Raster outline_image(CardSize size, int percent) {
    CardGeometry g = geometry(size);
    CardGeometry d = geometry(size, percent);
    Canvas cv(d.outline_width, d.outline_height);
    cairo_t* cr = cv.cr();
    if (percent != 100)
        cairo_scale(cr, double(d.outline_width) / g.outline_width, double(d.outline_height) / g.outline_height);
    set(cr, C(16, 30, 24));
    cairo_paint(cr);
    rounded_rect(cr, 0.5, 0.5, g.outline_width - 1, g.outline_height - 1, 4);
    set(cr, kGold);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    rounded_rect(cr, 1.5, 1.5, g.outline_width - 3, g.outline_height - 3, 3);
    set(cr, kDarkGold);
    cairo_stroke(cr);
    rounded_rect(cr, 2, 2, g.outline_width - 4, g.outline_height - 4, 3);
    set(cr, kSlot);
    cairo_fill(cr);
    return cv.to_raster();
}

std::vector<LibraryPicture> library_pictures(CardSize size, int percent) {
    std::vector<LibraryPicture> out;
    int n = 0;
    for (int suit = 0; suit < 4; ++suit)
        for (int rank = 0; rank <= 9; ++rank) {
            if (suit == kDiamonds && rank == 0) continue;
            out.push_back({n++, card_face(size, 0, suit, rank, percent)});
        }
    for (int set_no = 0; set_no < kCardSets; ++set_no)
        for (int suit = 0; suit < 4; ++suit)
            for (int rank = 10; rank <= 12; ++rank)
                out.push_back({100 + 12 * set_no + 3 * suit + (rank - 10), card_face(size, set_no, suit, rank, percent)});
    for (int set_no = 0; set_no < kCardSets; ++set_no)
        out.push_back({200 + set_no, card_face(size, set_no, kDiamonds, 0, percent)});
    for (int set_no = 0; set_no < kCardSets; ++set_no) out.push_back({300 + set_no, card_back(size, set_no, percent)});
    for (int b = 0; b < kBaseImages; ++b) out.push_back({400 + b, base_image(size, b, percent)});
    out.push_back({500, outline_image(size, percent)});
    return out;
}

}  // namespace art
