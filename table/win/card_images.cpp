#include "table/win/card_images.h"

namespace table {

// The libraries and pictures are not loaded yet: start-up goes on as if a
// library were present, and nothing is drawn for the cards.
bool OpenCardLibraries()
{
    return true;
}

bool SelectCardSize(int /*size*/, bool /*relayout*/)
{
    return false;
}

void SelectCardSet(int /*set*/, bool /*redraw*/) {}

void ReleaseCardImages() {}

void CloseCardLibraries() {}

}  // namespace table
