#include "shell/win/dialog_helpers.h"

#include "platform/win/handles.h"
#include "shell/window_fit.h"

namespace shell {

namespace {

table::Rect FromRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

void DrawRaisedFrame(HWND dialog, HDC dc)
{
    RECT client;
    GetClientRect(dialog, &client);
    HBRUSH light = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    HBRUSH dark = static_cast<HBRUSH>(GetStockObject(DKGRAY_BRUSH));
    for (const FrameFill& fill : RaisedFrameFills(FromRect(client))) {
        const RECT r{fill.rect.left, fill.rect.top, fill.rect.right, fill.rect.bottom};
        FillRect(dc, &r, fill.shade == FrameShade::Light ? light : dark);
    }
}

void CentreOnDesktop(HWND window)
{
    RECT desktop, w;
    GetWindowRect(GetDesktopWindow(), &desktop);
    GetWindowRect(window, &w);
    const table::Point p = CentreOnDesktop(FromRect(desktop), FromRect(w));
    SetWindowPos(window, nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT ControlRectInClient(HWND dialog, HWND control)
{
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

Delta FitDialogToBitmap(HWND dialog, int id, HBITMAP bitmap)
{
    BITMAP info{};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return {};
    HWND control = GetDlgItem(dialog, id);
    const Delta d = FitToBitmap(info.bmWidth, info.bmHeight, FromRect(ControlRectInClient(dialog, control)));
    if (d.dx == 0 && d.dy == 0) return d;
    RECT window;
    GetWindowRect(dialog, &window);
    const table::Rect resized = ResizedDialog(FromRect(window), d);
    SetWindowPos(dialog, nullptr, 0, 0, resized.Width(), resized.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(control, nullptr, 0, 0, info.bmWidth, info.bmHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return d;
}

void ShiftControl(HWND dialog, int id, Delta delta)
{
    if (delta.dx == 0 && delta.dy == 0) return;
    HWND control = GetDlgItem(dialog, id);
    RECT client;
    GetClientRect(dialog, &client);
    const table::Rect r = ShiftedControl(FromRect(ControlRectInClient(dialog, control)), delta, client.right);
    MoveWindow(control, r.left, r.top, r.Width(), r.Height(), TRUE);
}

}  // namespace shell
