// Layout helpers shared by the program's own dialogs.
#pragma once

#include <windows.h>

#include "shell/dialog_layout.h"

namespace shell {

// The 4-pixel raised bevel around a dialog's client area, drawn with the
// context BeginPaint gave.
void DrawRaisedFrame(HWND dialog, HDC dc);
// Moves a window to the middle of the desktop, keeping its size and z-order.
void CentreOnDesktop(HWND window);
// A control's window rectangle in the dialog's client coordinates.
RECT ControlRectInClient(HWND dialog, HWND control);
// Makes control `id` exactly as large as the bitmap and grows or shrinks
// the dialog by the same amounts, which it returns.
Delta FitDialogToBitmap(HWND dialog, int id, HBITMAP bitmap);
// Moves control `id` after a fit, keeping it 4 pixels inside both edges.
void ShiftControl(HWND dialog, int id, Delta delta);

}  // namespace shell
