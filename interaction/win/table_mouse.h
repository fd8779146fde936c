// What the mouse does on the table, handed to the host core.
#pragma once

namespace interaction {

void PickUpCards(int x, int y);
void DragCards(int x, int y);
void DropCards(int x, int y);
void DoubleClickCards(int x, int y);
void ShowCard(int x, int y);
void HideCard(int x, int y);
// Puts lifted cards back when the drag cannot go on.
void MouseCaptureLost();

// Releases every stack, the undo shadows and what a drag left behind.
void DiscardTable();

}  // namespace interaction
