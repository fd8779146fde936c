// The least a Win32 program with a window costs: a class, a 640 x 480 window
// with a menu bar of four items and one line of text painted. The start-up
// bench starts it alternately with the program to tell Wine's own cost from
// ours. Built with the same compiler and runtime as the program.
#include <windows.h>

namespace {

constexpr char kClassName[] = "LumoraBenchMinimal";
constexpr char kText[] = "The least a window costs.";

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        TextOutA(dc, 20, 20, kText, static_cast<int>(sizeof kText - 1));
        EndPaint(window, &ps);
        return 0;
    }
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

HMENU MenuBar()
{
    HMENU bar = CreateMenu();
    const char* titles[] = {"&Game", "&Game List", "&Options", "&Help"};
    for (int i = 0; i < 4; ++i) {
        HMENU popup = CreatePopupMenu();
        AppendMenuA(popup, MF_STRING, 100 + i, "&Item");
        AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), titles[i]);
    }
    return bar;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // the arrow
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassA(&windowClass)) return 1;
    HWND window = CreateWindowExA(0, kClassName, "Minimal window", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                  640, 480, nullptr, MenuBar(), instance, nullptr);
    if (!window) return 1;
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
