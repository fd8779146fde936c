// The process entry and the message loop.
#include <windows.h>

#include "core/win/app.h"
#include "platform/win/visual_styles.h"
#include "shell/win/main_window.h"
#include "shell/win/startup.h"
#include "shell/win/startup_trace.h"
#include "shell/win/win32_seam.h"

namespace shell {

namespace {

int RunMessageLoop()
{
    const core::App& app = core::TheApp();
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
    shell::TraceStartup("entry function");
    static shell::Win32Seam seam;
    core::MakeTheCore(seam);
    if (!previous && !shell::RegisterMainWindowClass(instance)) return 0;
    shell::TraceStartup("window class registered");
    if (!shell::StartUp(instance, showCommand, commandTail ? commandTail : "")) return 0;
    return shell::RunMessageLoop();
}
