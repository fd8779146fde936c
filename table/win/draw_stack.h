// Drawing stacks and single card pictures with the pictures of the card
// size in use.
#pragma once

#include <windows.h>

#include "table/geometry.h"
#include "tessel_table.h"

namespace table {

// One stack: outline, base image, cards, marks and the count label.
void DrawStack(HDC dc, const CardStack& stack, const TableView& view);
// The number centred in the rectangle on a white box with a black frame.
void DrawCountLabel(HDC dc, int number, const Rect& area);
// Every live stack whose rectangle meets the area, in table order.
void DrawStacksInRect(HDC dc, const Rect& area);
// One card's picture with its top-left corner at `at`.
void DrawCardPicture(HDC dc, int16_t image, bool faceDown, Point at);

}  // namespace table
