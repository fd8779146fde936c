#include "shell/win/placement.h"

#include "shell/win/app.h"
#include "shell/win/surfaces.h"

namespace shell {

namespace {
constexpr DWORD kMainExStyle = 0x40310;  // app window, raised edge, sunken client, accepts files
}

WindowFit WindowRectForTable(int tableWidth, int tableHeight)
{
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int workWidth = static_cast<short>(work.right - work.left);
    const int workHeight = static_cast<short>(work.bottom - work.top);

    RECT r = {0, 0, static_cast<short>(tableWidth), static_cast<short>(tableHeight) + kStripHeight};
    AdjustWindowRectEx(&r, WS_OVERLAPPEDWINDOW, TRUE, kMainExStyle);
    int w = static_cast<short>(r.right - r.left);
    int h = static_cast<short>(r.bottom - r.top);

    bool tooLarge = false;
    if (w > workWidth) {
        tooLarge = (w - workWidth) * 20 > workWidth;
        w = workWidth;
    }
    if (h > workHeight) {
        if (!tooLarge) tooLarge = (h - workHeight) * 20 > workHeight;
        h = workHeight;
    }
    const int left = work.left + (workWidth - w) / 2;
    const int top = work.top + (workHeight - h) / 2;
    return {{left, top, left + w, top + h}, tooLarge};
}

void PlaceTableOrigin(int clientWidth, int clientHeight)
{
    Surfaces& s = TheSurfaces();
    int x = (clientWidth - s.tableExtent.cx) / 2;
    int y = (clientHeight - s.tableExtent.cy - kStripHeight) / 2 + kStripHeight;
    s.tableOrigin = {x < 0 ? 0 : x, y < 0 ? 0 : y};
}

void ApplySavedPlacement(int showCommand)
{
    HWND window = TheApp().mainWindow;
    ShowWindow(window, showCommand);
    UpdateWindow(window);
}

}  // namespace shell
