#include "interaction/win/table_mouse.h"

namespace interaction {

// The table has no stacks until game modules can deal, so the mouse has
// nothing to act on yet.
void PickUpCards(int, int) {}
void DragCards(int, int) {}
void DropCards(int, int) {}
void DoubleClickCards(int, int) {}
void ShowCard(int, int) {}
void HideCard() {}
void DiscardTable() {}

}  // namespace interaction
