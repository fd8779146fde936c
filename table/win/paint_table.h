// The paint pass: the table drawn through the back buffer.
#pragma once

#include <windows.h>

namespace table {

void PaintTable(HWND window);

}  // namespace table
