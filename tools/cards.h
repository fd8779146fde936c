// The card pictures of the two card libraries: faces, four card sets (their
// jacks, queens, kings, ace of diamonds and back), the eighteen base images
// and the outline, drawn with cairo at the small (45 x 63) and the large
// (67 x 94) card size.
#pragma once

#include <vector>

#include "raster.h"

namespace art {

enum class CardSize { Small, Large };

struct CardGeometry {
    int width, height;                 // faces, backs, base images
    int outline_width, outline_height; // the outline drawn under framed stacks
    int fan;                           // how much of a covered card shows
};
CardGeometry geometry(CardSize size);

enum { kClubs = 0, kDiamonds = 1, kHearts = 2, kSpades = 3 };
enum { kCardSets = 4, kBaseImages = 18 };

Raster card_face(CardSize size, int set, int suit, int rank);  // rank 0 ace .. 12 king
Raster card_back(CardSize size, int set);
Raster base_image(CardSize size, int base);
Raster outline_image(CardSize size);

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
std::vector<LibraryPicture> library_pictures(CardSize size);

}  // namespace art
