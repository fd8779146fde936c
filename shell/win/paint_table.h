// The paint pass: the table drawn through the back buffer.
#pragma once

#include <windows.h>

namespace shell {

void PaintTable(HWND window);

// Rebuilds one area of a surface: background tiles, the stacks that meet
// it, then the strip; nothing outside the area is touched.
void RedrawArea(HDC target, const RECT& area);

}  // namespace shell
