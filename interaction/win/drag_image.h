// The drag image: the dragged cards drawn once into an off-screen picture
// and carried over the window while the pointer moves.
#pragma once

#include <windows.h>

#include "platform/win/picture_surface.h"
#include "table/card_drawing.h"
#include "module_interface/tessel_table.h"

namespace interaction {

bool MakeDragImage(HWND window, const platform::PictureSurface& surface, const CardStack& drag,
                   const table::CardDrawing& drawing, int32_t width, int32_t height);
void DrawDragImage(HWND window, table::Point topLeft);
void ReleaseDragImage();

}  // namespace interaction
