// The card-image libraries and the pictures of the card size in use.
#pragma once

namespace table {

bool OpenCardLibraries();
bool SelectCardSize(int size, bool relayout);
void SelectCardSet(int set, bool redraw);
void ReleaseCardImages();
void CloseCardLibraries();

}  // namespace table
