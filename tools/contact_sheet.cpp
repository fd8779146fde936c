#include "contact_sheet.h"

#include <algorithm>
#include <map>
#include <string>

#include "cards.h"
#include "furniture.h"

namespace art {

namespace {

void label(cairo_t* cr, double x, double y, const std::string& s, double size = 13) {
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, size);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_move_to(cr, x + 1, y + 1);
    cairo_show_text(cr, s.c_str());
    cairo_set_source_rgb(cr, 1, 1, 0.85);
    cairo_move_to(cr, x, y);
    cairo_show_text(cr, s.c_str());
}

// Lays out one card size; returns the height used.
int card_section(Canvas& cv, CardSize size, int x0, int y0) {
    cairo_t* cr = cv.cr();
    CardGeometry g = geometry(size);
    std::map<int, Raster> pic;
    for (auto& p : library_pictures(size)) pic[p.offset] = std::move(p.picture);
    int step_x = g.width + 4, step_y = g.height + 4;
    int y = y0;
    label(cr, x0, y + 14, size == CardSize::Small ? "Small cards, 45 x 63 (DECKMINI.DLL, 3000 + n)"
                                                  : "Large cards, 67 x 94 (DECKMAXI.DLL, 4000 + n)");
    y += 22;
    // The 39 faces every set shares, a row per suit, ace to ten.
    int n = 0;
    for (int suit = 0; suit < 4; ++suit) {
        for (int rank = 0; rank <= 9; ++rank) {
            if (suit == kDiamonds && rank == 0) continue;
            cv.blit(pic[n++], x0 + rank * step_x, y);
        }
        y += step_y;
    }
    // Per set: jack, queen, king of the four suits, the ace of diamonds, the back.
    for (int set = 0; set < 4; ++set) {
        for (int i = 0; i < 12; ++i) cv.blit(pic[100 + 12 * set + i], x0 + i * step_x, y);
        cv.blit(pic[200 + set], x0 + 12 * step_x, y);
        cv.blit(pic[300 + set], x0 + 13 * step_x, y);
        y += step_y;
    }
    // Base images 0..17 and the outline.
    for (int b = 0; b < kBaseImages; ++b) cv.blit(pic[400 + b], x0 + (b % 9) * step_x, y + (b / 9) * step_y);
    cv.blit(pic[500], x0 + 9 * step_x, y);
    y += 2 * step_y + 6;
    // Covered cards as the table fans them: down, then to the right.
    const int fan_cards[][3] = {{1, 2, 12}, {0, 3, 9}, {2, 1, 11}, {3, 0, 10}, {0, 2, 9}, {1, 3, 0}, {0, 1, 0}, {0, 0, 4}};
    for (int i = 0; i < 8; ++i)
        cv.blit(card_face(size, fan_cards[i][0], fan_cards[i][1], fan_cards[i][2]), x0, y + i * g.fan);
    cv.blit(card_back(size, 0), x0 + step_x, y);
    for (int i = 0; i < 8; ++i)
        cv.blit(card_face(size, fan_cards[i][0], fan_cards[i][1], fan_cards[i][2]), x0 + 2 * step_x + 6 + i * g.fan, y);
    for (int i = 0; i < 6; ++i)
        cv.blit(card_face(size, 3 - i % 4, (i + 2) % 4, (7 + 2 * i) % 13), x0 + 2 * step_x + 6 + i * g.fan,
                y + step_y + 4);
    y += std::max(g.height + 7 * g.fan, 2 * step_y + 4) + 10;
    return y - y0;
}

}  // namespace

Raster contact_sheet() {
    const int W = 1720, H = 2330;
    Canvas cv(W, H);
    cairo_t* cr = cv.cr();
    // The table's first background under everything.
    Raster felt = expand(quantize(background_tile(0), 16, true));
    for (int y = 0; y < H; y += felt.height)
        for (int x = 0; x < W; x += felt.width) cv.blit(felt, x, y);

    int small_h = card_section(cv, CardSize::Small, 12, 8);
    int large_h = card_section(cv, CardSize::Large, 12 + 14 * 49 + 20, 8);
    int y = 8 + std::max(small_h, large_h) + 10;

    std::map<std::string, Raster> bmp;
    for (auto& b : program_bitmaps()) bmp[b.resource] = expand(b.picture);

    label(cr, 12, y + 14, "Background tiles 5000..5005 (16 colours), each shown as 2 x 1 repeats to show the seams");
    y += 22;
    for (int i = 0; i < 6; ++i) {
        const Raster& t = bmp[std::to_string(5000 + i)];
        int x = 12 + (i % 3) * 560, yy = y + (i / 3) * 232;
        cv.blit(t, x, yy);
        cv.blit(t, x + t.width, yy);
    }
    y += 2 * 232 + 4;
    label(cr, 12, y + 14, "Thumbnails 6000..6005 and 7000..7003 (100 x 71)");
    y += 22;
    for (int i = 0; i < 10; ++i) {
        std::string id = std::to_string(i < 6 ? 6000 + i : 7000 + i - 6);
        cv.blit(bmp[id], 12 + i * 106, y);
    }
    y += 80;
    label(cr, 12, y + 14, "The strip: UPBUTTONS, SCOREAREA, MSGAREA repeated every 130 px; below, DOWNBUTTONS");
    y += 22;
    for (int row = 0; row < 2; ++row) {
        int yy = y + row * 38;
        cv.blit(bmp[row ? "DOWNBUTTONS" : "UPBUTTONS"], 12, yy);
        cv.blit(bmp["SCOREAREA"], 12 + 165, yy);
        for (int x = 220; x < 900; x += 130) cv.blit(bmp["MSGAREA"], 12 + x, yy);
        cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
        cairo_set_font_size(cr, 12);
        cairo_set_source_rgb(cr, 0, 1, 0);
        cairo_move_to(cr, 12 + 180, yy + 20);
        cairo_show_text(cr, "52");
        cairo_move_to(cr, 12 + 480, yy + 20);
        cairo_show_text(cr, row ? "Game Over" : "Cards left: 24   Passes: 1 of 3");
    }
    y += 2 * 38 + 6;
    int top = y;
    label(cr, 12, y + 14, "SPLASHIMAGE and CREDITSIMAGE (320 x 329)");
    y += 22;
    cv.blit(bmp["SPLASHIMAGE"], 12, y);
    cv.blit(bmp["CREDITSIMAGE"], 12 + 330, y);
    label(cr, 700, top + 14, "Icons 141..149, actual size and doubled");
    int x = 700;
    for (auto& icon : program_icons()) {
        Raster big = icon_preview(icon.images[0]);
        cv.blit(big, x, top + 30);
        cv.blit(big, x, top + 70, 2.0, false);
        if (icon.images.size() > 1) cv.blit(icon_preview(icon.images[1]), x + 40, top + 30);
        x += icon.images.size() > 1 ? 80 : 72;
    }
    return cv.to_raster();
}

// Every scale of the ladder: per card size a row of cards whose corners,
// pips and courts show how each scale is drawn, and the same cards fanned.
Raster ladder_sheet() {
    struct Card {
        int set, suit, rank;
    };
    const Card cards[] = {{0, kHearts, 0}, {0, kSpades, 9}, {0, kDiamonds, 9}, {0, kClubs, 11},
                          {1, kHearts, 12}, {2, kSpades, 10}, {3, kDiamonds, 0}, {3, kClubs, 12}};
    const int W = 2000;
    int H = 20;
    for (CardSize size : {CardSize::Small, CardSize::Large})
        for (int percent : kScales) H += geometry(size, percent).height + 30;
    Canvas cv(W, H);
    cairo_t* cr = cv.cr();
    cairo_set_source_rgb(cr, 0.10, 0.44, 0.22);
    cairo_paint(cr);
    int y = 10;
    for (CardSize size : {CardSize::Small, CardSize::Large})
        for (int percent : kScales) {
            CardGeometry g = geometry(size, percent);
            label(cr, 10, y + 14, (size == CardSize::Small ? "small " : "large ") + std::to_string(percent) + " %");
            int x = 110;
            for (const Card& c : cards) {
                cv.blit(card_face(size, c.set, c.suit, c.rank, percent), x, y);
                x += g.width + 4;
            }
            cv.blit(card_back(size, 1, percent), x, y);
            x += g.width + 4;
            cv.blit(base_image(size, 2, percent), x, y);
            x += g.width + 4;
            cv.blit(outline_image(size, percent), x, y);
            x += g.outline_width + 12;
            for (int i = 0; i < 6; ++i)
                cv.blit(card_face(size, cards[i].set, cards[i].suit, cards[i].rank, percent), x + i * g.fan, y);
            y += g.height + 30;
        }
    return cv.to_raster();
}

}  // namespace art
