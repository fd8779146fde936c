#include "shell/win/main_window.h"

#include <shellapi.h>
#include <windowsx.h>

#include "core/win/app.h"
#include "core/win/surfaces.h"
#include "furniture/win/furniture.h"
#include "modules/service_messages.h"
#include "module_interface/tessel_module.h"
#include "persistence/win/folder_report.h"
#include "persistence/win/saved_game.h"
#include "resources/resource.h"
#include "shell/win/key_window.h"
#include "shell/win/paint_table.h"
#include "shell/win/startup_trace.h"
#include "shell/win/window_state.h"

namespace shell {

namespace {

constexpr UINT kMainClassStyle = 0x300B;  // redraw on resize, double-clicks, byte-aligned

BOOL OnCreate(HWND window, LPCREATESTRUCT)
{
    CreateSurfaces(window);
    CreateKeyWindows(window);
    return TRUE;  // start-up checks the back buffer afterwards
}

void OnSize(HWND window, UINT state, int width, int height)
{
    ResizeBackBuffer(window, width, height);
    if (state == SIZE_MINIMIZED) OnMinimised(window);
}

void OnPaint(HWND window)
{
    PaintTable(window);
    TraceStartupPaint();
    UpdateReadableTexts();
}

void OnSetFocus(HWND, HWND) { FocusKeyWindow(); }

// Keys sent to the main window itself play as those its child passes on.
void OnKeyDown(HWND window, UINT key, BOOL down, int repeats, UINT flags)
{
    if (!OnTableKeyDown(key)) FORWARD_WM_KEYDOWN(window, key, repeats, flags, DefWindowProcA);
}

void OnChar(HWND window, TCHAR character, int repeats)
{
    if (!OnTableChar(static_cast<UINT>(character))) FORWARD_WM_CHAR(window, character, repeats, DefWindowProcA);
}

BOOL OnEraseBackground(HWND window, HDC dc)
{
    RECT client;
    GetClientRect(window, &client);
    furniture::DrawBackground(dc, client, core::TheCore().state.background, core::MainPictureSurface());
    return TRUE;
}

void OnDropFiles(HWND, HDROP drop)
{
    char path[256];
    if (DragQueryFileA(drop, 0, path, sizeof path) > 0) persistence::LoadGameFile(path);
    DragFinish(drop);
}

void OnPaletteChanged(HWND window, HWND changer)
{
    if (changer != window) RealizeHostPalette(window);
}

LRESULT OnDrawItem(const DRAWITEMSTRUCT* item)
{
    if (item->CtlType != ODT_MENU) return FALSE;
    furniture::DrawThumbnailItem(*item, core::MainPictureSurface());
    return TRUE;
}

LRESULT OnMeasureItem(MEASUREITEMSTRUCT* item)
{
    if (item->CtlType != ODT_MENU) return FALSE;
    furniture::MeasureThumbnailItem(*item);
    return TRUE;
}

LRESULT OnServiceMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return static_cast<LRESULT>(modules::HandleServiceMessage(core::TheCore(), message, static_cast<uintptr_t>(wParam),
                                                              static_cast<intptr_t>(lParam)));
}

}  // namespace

bool RegisterMainWindowClass(HINSTANCE instance)
{
    WNDCLASSA wc{};
    wc.style = kMainClassStyle;
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_PROGRAM));
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszMenuName = "TesselMenu";
    wc.lpszClassName = core::kMainClassName;
    return RegisterClassA(&wc) != 0;
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
        HANDLE_MSG(window, WM_CREATE, OnCreate);
        HANDLE_MSG(window, WM_DESTROY, OnDestroy);
        HANDLE_MSG(window, WM_SIZE, OnSize);
        HANDLE_MSG(window, WM_PAINT, OnPaint);
        HANDLE_MSG(window, WM_ERASEBKGND, OnEraseBackground);
        HANDLE_MSG(window, WM_COMMAND, OnCommand);
        HANDLE_MSG(window, WM_MOUSEMOVE, OnMouseMove);
        HANDLE_MSG(window, WM_LBUTTONDOWN, OnLeftButtonDown);
        HANDLE_MSG(window, WM_LBUTTONDBLCLK, OnLeftButtonDown);
        HANDLE_MSG(window, WM_LBUTTONUP, OnLeftButtonUp);
        HANDLE_MSG(window, WM_RBUTTONDOWN, OnRightButtonDown);
        HANDLE_MSG(window, WM_RBUTTONDBLCLK, OnRightButtonDown);
        HANDLE_MSG(window, WM_RBUTTONUP, OnRightButtonUp);
        HANDLE_MSG(window, WM_DROPFILES, OnDropFiles);
        HANDLE_MSG(window, WM_PALETTECHANGED, OnPaletteChanged);
        HANDLE_MSG(window, WM_ACTIVATEAPP, OnActivateApp);
        HANDLE_MSG(window, WM_QUERYENDSESSION, OnQueryEndSession);
        HANDLE_MSG(window, WM_ENDSESSION, OnEndSession);
    case persistence::kShowFolderReportMessage: persistence::ShowFolderReport(); return 0;
        HANDLE_MSG(window, WM_SETFOCUS, OnSetFocus);
        HANDLE_MSG(window, WM_KEYDOWN, OnKeyDown);
        HANDLE_MSG(window, WM_CHAR, OnChar);
    case WM_CAPTURECHANGED: OnCaptureChanged(window, reinterpret_cast<HWND>(lParam)); return 0;
    case WM_DRAWITEM: return OnDrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_MEASUREITEM: return OnMeasureItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    default:
        if (message >= HM_FIRST && message <= HM_LAST) return OnServiceMessage(message, wParam, lParam);
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace shell
