// The card pictures of the two card libraries: faces, four card sets (their
// jacks, queens, kings, ace of diamonds and back), the eighteen base images
// and the outline, drawn with cairo at the small (45 x 63) and the large
// (67 x 94) card size, and at each larger scale of the ladder.
#pragma once

#include <vector>

#include "raster.h"

namespace art {

enum class CardSize { Small, Large };

// The scales, in percent, every picture is made at: from each size drawn
// between two of them the next larger one is at most a quarter larger.
constexpr int kScales[] = {100, 125, 150, 175, 200, 250, 300};
// A length at a scale, rounded half up: 45 at 125 % is 56, 63 is 79.
int scaled(int length, int percent);

struct CardGeometry {
    int width, height;                 // faces, backs, base images
    int outline_width, outline_height; // the outline drawn under framed stacks
    int fan;                           // how much of a covered card shows
};
CardGeometry geometry(CardSize size, int percent = 100);

enum { kClubs = 0, kDiamonds = 1, kHearts = 2, kSpades = 3 };
enum { kCardSets = 4, kBaseImages = 18 };

// Pictures at `percent` of the card size: the small cards at 100 % keep the
// hand-made pixel glyphs of their corner index, all others show it in a
// typeface hinted at their size.
Raster card_face(CardSize size, int set, int suit, int rank, int percent = 100);  // rank 0 ace .. 12 king
Raster card_back(CardSize size, int set, int percent = 100);
Raster base_image(CardSize size, int base, int percent = 100);
Raster outline_image(CardSize size, int percent = 100);

// One picture of a card library, numbered from the library's base number
// (3000 for small cards, 4000 for large cards).
struct LibraryPicture {
    int offset;
    Raster picture;
};
// All 114 pictures: 0..38 the faces every set shares (suits 0..3, ranks ace
// to ten, without the ace of diamonds), 100..147 jack, queen and king of
// suits 0..3 for sets 0..3, 200..203 the sets' aces of diamonds, 300..303
// their backs, 400..417 the base images, 500 the outline.
std::vector<LibraryPicture> library_pictures(CardSize size, int percent = 100);

}  // namespace art
