// The process entry and the message loop.
#include <windows.h>
#include <commctrl.h>

#include "shell/win/app.h"
#include "shell/win/main_window.h"
#include "shell/win/startup.h"

namespace shell {

App& TheApp()
{
    static App app;
    return app;
}

namespace {

// Dialog controls take the platform's visual styles (see the manifest).
void StyleDialogControls()
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
}

int RunMessageLoop()
{
    const App& app = TheApp();
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (TranslateAcceleratorA(app.mainWindow, app.accelerators, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace

}  // namespace shell

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandTail, int showCommand)
{
    shell::StyleDialogControls();
    if (!previous && !shell::RegisterMainWindowClass(instance)) return 0;
    if (!shell::StartUp(instance, showCommand, commandTail ? commandTail : "")) return 0;
    return shell::RunMessageLoop();
}
