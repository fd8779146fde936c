// Drawing stacks and single card pictures with the pictures of the card
// size in use, as the core's CardDrawing says (view, face map, back),
// through the surface's scratch context.
#pragma once

#include <windows.h>

#include "platform/win/picture_surface.h"
#include "table/card_drawing.h"
#include "table/stack_table.h"
#include "module_interface/tessel_table.h"

namespace table {

// One stack: outline, base image, cards, marks and the count label.
void DrawStack(HDC dc, const platform::PictureSurface& surface, const CardStack& stack, const CardDrawing& drawing);
// The number centred in the rectangle on a white box with a black frame.
void DrawCountLabel(HDC dc, int number, const Rect& area);
// Every stack of the table whose rectangle meets the area, in table order.
void DrawStacksInRect(HDC dc, const platform::PictureSurface& surface, const StackTable& stacks,
                      const CardDrawing& drawing, const Rect& area);
// One card's picture with its top-left corner at `at`.
void DrawCardPicture(HDC dc, const platform::PictureSurface& surface, const CardDrawing& drawing, int16_t image,
                     bool faceDown, Point at);

}  // namespace table
