// The paint pass: the table drawn through the back buffer.
#pragma once

#include <windows.h>

namespace table {

void PaintTable(HWND window);
void DrawStacksInRect(HDC dc, const RECT& area);

}  // namespace table
