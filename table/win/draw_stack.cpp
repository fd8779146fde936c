#include "table/win/draw_stack.h"

namespace table {

// Stacks are drawn once the card pictures are loaded.
void DrawStack(HDC, const CardStack&, const TableView&) {}
void DrawStacksInRect(HDC, const Rect&) {}
void DrawCardPicture(HDC, int16_t, bool, Point) {}

}  // namespace table
