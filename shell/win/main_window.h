// The main window: its class, its procedure and the handlers it dispatches to.
#pragma once

#include <windows.h>

namespace shell {

bool RegisterMainWindowClass(HINSTANCE instance);
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// WM_COMMAND: the command ranges, then the fixed commands.
void OnCommand(HWND window, int id, HWND control, UINT notifyCode);

// Mouse messages on the client area (signed client coordinates).
void OnLeftButtonDown(HWND window, BOOL doubleClick, int x, int y, UINT keys);
void OnMouseMove(HWND window, int x, int y, UINT keys);
void OnLeftButtonUp(HWND window, int x, int y, UINT keys);
void OnRightButtonDown(HWND window, BOOL doubleClick, int x, int y, UINT keys);
void OnRightButtonUp(HWND window, int x, int y, UINT keys);
void OnCaptureChanged(HWND window, HWND newOwner);

// The main window's destruction: the shutdown sequence.
void OnDestroy(HWND window);

// Windows ending the session, the program losing activation or being
// minimised: what is kept is written then too (shell/win/save_points.h).
BOOL OnQueryEndSession(HWND window);
void OnEndSession(HWND window, BOOL ending);
void OnActivateApp(HWND window, BOOL active, DWORD otherThread);
void OnMinimised(HWND window);

}  // namespace shell
