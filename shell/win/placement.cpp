#include "shell/win/placement.h"

#include "core/win/app.h"
#include "platform/win/visual_styles.h"
#include "shell/win/settings.h"
#include "shell/win/window_state.h"

namespace shell {

namespace {

constexpr DWORD kMainExStyle = 0x40310;  // app window, raised edge, sunken client, accepts files
constexpr int kLargeDesktopWidth = 960;
constexpr int kLargeDesktopHeight = 720;

table::Rect FromRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

WindowFit WindowRectForTable(int32_t tableWidth, int32_t tableHeight)
{
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const table::Rect client = ClientRectForTable(tableWidth, tableHeight);
    RECT adjusted{client.left, client.top, client.right, client.bottom};
    AdjustWindowRectEx(&adjusted, WS_OVERLAPPEDWINDOW, TRUE, kMainExStyle);
    return shell::WindowRectForTable(FromRect(work), FromRect(adjusted));
}

core::Extent FitWindowToTable(int32_t tableWidth, int32_t tableHeight, table::CardSize size)
{
    WindowState& s = TheWindowState();
    HWND window = core::TheApp().mainWindow;

    const WindowFit fit = WindowRectForTable(tableWidth, tableHeight);
    if (WarnTableTooLarge(fit, size, s.displayWarned)) {
        platform::ApplyVisualStyles();
        MessageBoxA(window,
                    "Warning!  Your display is too small to fit this game entirely on the screen.  "
                    "Choose the SMALL card size for better viewing",
                    core::kProgramTitle, MB_OK | MB_ICONEXCLAMATION);
    }
    s.displayWarned = false;

    const RECT r{fit.window.left, fit.window.top, fit.window.right, fit.window.bottom};
    if (IsWindowVisible(window)) {
        // A maximised or minimised window keeps its state and takes the new
        // size when restored.
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        GetWindowPlacement(window, &placement);
        placement.rcNormalPosition = r;
        SetWindowPlacement(window, &placement);
    } else {
        MoveWindow(window, r.left, r.top, r.right - r.left, r.bottom - r.top, FALSE);
    }

    // Moving the window has resized the back buffer on the way (WM_SIZE).
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

void WarnAboutSmallDisplay()
{
    RECT desktop{};
    GetWindowRect(GetDesktopWindow(), &desktop);
    if (desktop.right - desktop.left >= kLargeDesktopWidth && desktop.bottom - desktop.top >= kLargeDesktopHeight)
        return;
    platform::ApplyVisualStyles();
    MessageBoxA(core::TheApp().mainWindow,
                "Warning!  Your display may be too small to play Lumora Solitaire with the LARGE card size.  "
                "You may experience some clipping.",
                core::kProgramTitle, MB_OK | MB_ICONEXCLAMATION);
    TheWindowState().displayWarned = true;
}

void ApplySavedPlacement(int /*showCommand*/)
{
    HWND window = core::TheApp().mainWindow;
    // The show command saved at the last exit, or the one the program was
    // started with when nothing was saved.
    const persistence::CurStateRecord& saved = TheCurState();
    // The same game as at the last exit comes back as it was left, at its
    // old place and size, maximised, minimised or normal.
    if (persistence::RestoresSavedRect(saved, CurStateWasRead(), core::TheCore().flow.currentModule)) {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        GetWindowPlacement(window, &placement);
        placement.showCmd = saved.showCmd;
        placement.rcNormalPosition = RECT{saved.left, saved.top, saved.right, saved.bottom};
        SetWindowPlacement(window, &placement);
    } else {
        ShowWindow(window, static_cast<int>(saved.showCmd));
    }
    UpdateWindow(window);
}

}  // namespace shell
