// A game module for the end-to-end tests. It deals nothing; it lets the
// driver look inside the program: the menu states of the main window, the
// commands the window received and the entry points the host called.
#include <windows.h>

#include <map>

#include "modules/tessel_module.h"
#include "probe_protocol.h"

namespace {

HWND g_host = nullptr;
HWND g_probe = nullptr;
WNDPROC g_hostProc = nullptr;
std::map<int, int> g_commands;
int g_entries[probe::kEntryPoints] = {};

void Called(probe::Entry e)
{
    ++g_entries[e];
}

// Watches the commands the main window receives, then hands them on.
LRESULT CALLBACK HostSpy(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND) ++g_commands[LOWORD(wParam)];
    return CallWindowProcA(g_hostProc, window, message, wParam, lParam);
}

HMENU MenuAt(int top)
{
    HMENU bar = GetMenu(g_host);
    return top == probe::kMenuBar ? bar : GetSubMenu(bar, top);
}

LRESULT Answer(UINT request, WPARAM wParam, LPARAM lParam)
{
    const int top = static_cast<int>(wParam);
    const int position = static_cast<int>(lParam);
    switch (request) {
    case probe::kMenuStateById: return GetMenuState(GetMenu(g_host), static_cast<UINT>(wParam), MF_BYCOMMAND);
    case probe::kMenuItemCount: return GetMenuItemCount(MenuAt(top));
    case probe::kMenuItemId: return static_cast<int>(GetMenuItemID(MenuAt(top), position));
    case probe::kMenuItemState: return GetMenuState(MenuAt(top), position, MF_BYPOSITION);
    case probe::kMenuItemText: {
        char text[256] = {};
        int length = GetMenuStringA(MenuAt(top), position, text, sizeof text, MF_BYPOSITION);
        SetWindowTextA(g_probe, text);
        return length;
    }
    case probe::kCommandCount: return g_commands[static_cast<int>(wParam)];
    case probe::kEntryCount: return wParam < probe::kEntryPoints ? g_entries[wParam] : -1;
    default: return 0;
    }
}

LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message > WM_APP && message <= probe::kEntryCount) return Answer(message, wParam, lParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

void OpenProbeWindow()
{
    // The probe stays loaded until the process ends: the host unloads its
    // modules inside WM_DESTROY, which runs through the probe's spy.
    HINSTANCE self = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                       reinterpret_cast<LPCSTR>(&ProbeProc), &self);
    WNDCLASSA wc{};
    wc.lpfnWndProc = ProbeProc;
    wc.hInstance = self;
    wc.lpszClassName = probe::kWindowClass;
    RegisterClassA(&wc);
    g_probe = CreateWindowExA(0, probe::kWindowClass, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, self, nullptr);
}

}  // namespace

extern "C" {

int32_t TS_CALL TSInitModule(TSWindow host, char* name, int32_t* extent)
{
    Called(probe::kInitModule);
    g_host = static_cast<HWND>(host);
    lstrcpynA(name, probe::kGameName, TS_NAME_BYTES);
    extent[0] = probe::kTableWidth;
    extent[1] = probe::kTableHeight;
    OpenProbeWindow();
    g_hostProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(g_host, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HostSpy)));
    return 1;
}

void TS_CALL TSCloseModule(void)
{
    Called(probe::kCloseModule);
    if (g_hostProc) SetWindowLongPtrA(g_host, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_hostProc));
    if (g_probe) DestroyWindow(g_probe);
}

int32_t TS_CALL TSNewGame(void)
{
    Called(probe::kNewGame);
    return 0;
}

void TS_CALL TSLoadGame(CardStack**, int16_t, TSMemory) { Called(probe::kLoadGame); }
TSMemory TS_CALL TSGetGameData(void)
{
    Called(probe::kGetGameData);
    return nullptr;
}
void TS_CALL TSSetGameData(void) { Called(probe::kSetGameData); }
void TS_CALL TSSetupOptionsMenu(void) { Called(probe::kSetupOptionsMenu); }
void TS_CALL TSOptionSelected(int32_t) { Called(probe::kOptionSelected); }
void TS_CALL TSAutoPlay(void) { Called(probe::kAutoPlay); }
int16_t TS_CALL TSMouseHit(CardStack*, int16_t)
{
    Called(probe::kMouseHit);
    return TS_HIT_NOTHING;
}
void TS_CALL TSDoubleClick(CardStack*, int16_t) { Called(probe::kDoubleClick); }
int32_t TS_CALL TSOkToDropCards(CardStack*, CardStack*)
{
    Called(probe::kOkToDropCards);
    return 0;
}
void TS_CALL TSStackChanged(CardStack*) { Called(probe::kStackChanged); }
void TS_CALL TSPrepareForUndo(void) { Called(probe::kPrepareForUndo); }
void TS_CALL TSUndo(void) { Called(probe::kUndo); }
int16_t TS_CALL TSGetScore(void)
{
    Called(probe::kGetScore);
    return 0;
}

}  // extern "C"
