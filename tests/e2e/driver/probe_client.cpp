#include "probe_client.h"

namespace e2e {

namespace {

BOOL CALLBACK FindProbeWindow(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<std::pair<DWORD, HWND>*>(context);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (pid == search->first && lstrcmpA(name, probe::kWindowClass) == 0) {
        search->second = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

ProbeClient::ProbeClient(DWORD pid, int timeoutMs)
{
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!window_ && GetTickCount64() < end) {
        std::pair<DWORD, HWND> search{pid, nullptr};
        EnumWindows(FindProbeWindow, reinterpret_cast<LPARAM>(&search));
        window_ = search.second;
        if (!window_) Sleep(20);
    }
}

LRESULT ProbeClient::Ask(probe::Request request, WPARAM wParam, LPARAM lParam) const
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window_, request, wParam, lParam, SMTO_NORMAL, 10000, &result)) return -2;
    return static_cast<LRESULT>(result);
}

UINT ProbeClient::MenuState(int commandId) const
{
    return static_cast<UINT>(Ask(probe::kMenuStateById, commandId));
}

int ProbeClient::MenuItemCount(int top) const
{
    return static_cast<int>(Ask(probe::kMenuItemCount, static_cast<WPARAM>(top)));
}

int ProbeClient::MenuItemId(int top, int position) const
{
    return static_cast<int>(Ask(probe::kMenuItemId, static_cast<WPARAM>(top), position));
}

UINT ProbeClient::MenuItemState(int top, int position) const
{
    return static_cast<UINT>(Ask(probe::kMenuItemState, static_cast<WPARAM>(top), position));
}

std::string ProbeClient::MenuItemText(int top, int position) const
{
    Ask(probe::kMenuItemText, static_cast<WPARAM>(top), position);
    char text[256] = {};
    GetWindowTextA(window_, text, sizeof text);
    return text;
}

int ProbeClient::CommandCount(int commandId) const
{
    return static_cast<int>(Ask(probe::kCommandCount, commandId));
}

int ProbeClient::EntryCount(probe::Entry entry) const
{
    return static_cast<int>(Ask(probe::kEntryCount, entry));
}

}  // namespace e2e
