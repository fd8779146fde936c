// Choosing the card set and the card size: what the choice does to the
// table and the screen once the pictures are there (loading them is the
// window layer's job).
#pragma once

#include <cstdint>

#include "modules/host_core.h"

namespace modules {

// Makes card set k current: the face map follows; with redraw every stack
// is invalidated (face-down cards take the new back) and repainted at once.
void SelectCardSet(HostCore& core, int16_t set, bool redraw);

// After the pictures of `size` were loaded: makes it the size in use. With
// relayout, the stacks are rescaled when the other size was loaded before,
// and the window is fitted again to the current game.
void CardSizeLoaded(HostCore& core, table::CardSize size, bool otherSizeWasLoaded, bool relayout);

// The card size a saved game comes up in, when the library of its own size
// is missing, and whether its stacks must be converted to it.
struct LoadedCardSize {
    table::CardSize size;
    bool rescale;
};
LoadedCardSize CardSizeForLoadedGame(int16_t savedSize, bool smallAvailable, bool largeAvailable);

// The card size a first start uses: small cards when their library is there.
inline table::CardSize DefaultCardSize(bool smallAvailable)
{
    return smallAvailable ? table::CardSize::Small : table::CardSize::Large;
}

// Table image indices, fan directions and base images a stack may ask for;
// anything else is drawn as nothing.
inline bool DrawableImage(int16_t image) { return image >= 0 && image < TS_CARDS; }
inline bool DrawableFan(int16_t fan) { return fan >= 0 && fan < TS_FAN_DIRECTIONS; }
inline bool DrawableBase(int16_t base) { return base >= 0 && base < TS_BASE_IMAGES; }

}  // namespace modules
