// Choosing the card set, the card size and the background: what the choice
// does to the table, the menus and the screen. The pictures are loaded
// through the seam.
#pragma once

#include <cstdint>

#include "core/host_core.h"

namespace modules {

// Makes card set k current: the face map follows; with redraw every stack
// is invalidated (face-down cards take the new back) and repainted at once.
void SelectCardSet(core::HostCore& core, int16_t set, bool redraw);

// After the pictures of `size` were loaded: makes it the size in use. With
// relayout, the stacks are rescaled when the other size was loaded before,
// and the window is fitted again to the current game.
void CardSizeLoaded(core::HostCore& core, table::CardSize size, bool otherSizeWasLoaded, bool relayout);

// Makes `size` the card size in use once its pictures are loaded: nothing
// when they are already, false when they cannot be. The card-size menu items
// follow; with relayout the window follows too (CardSizeLoaded), and without
// a game the empty table is repainted whole.
bool SelectCardSize(core::HostCore& core, table::CardSize size, bool relayout);

// Makes background n the one drawn below the table and repaints the window whole.
void SelectBackground(core::HostCore& core, int16_t background);

// A first start, or a resume file that gave no game: small cards when their
// library is there, else large, in the card set of the host state.
void ChooseStartupCardSize(core::HostCore& core);

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

}  // namespace modules
