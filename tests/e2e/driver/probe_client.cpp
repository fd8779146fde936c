#include "probe_client.h"

namespace e2e {

namespace {

struct ProbeSearch {
    DWORD pid;
    std::string className;
    HWND found;
};

BOOL CALLBACK FindProbeWindow(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<ProbeSearch*>(context);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    char name[128] = {};
    GetClassNameA(window, name, sizeof name);
    if (pid == search->pid && search->className == name) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

bool InstallProbe(const char* stem) { return CopyFileA(kProbeFile, (std::string(stem) + ".dll").c_str(), FALSE) != 0; }

ProbeClient::ProbeClient(DWORD pid, const char* stem, int timeoutMs)
{
    ProbeSearch search{pid, std::string(probe::kWindowClassPrefix) + stem, nullptr};
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!window_ && GetTickCount64() < end) {
        EnumWindows(FindProbeWindow, reinterpret_cast<LPARAM>(&search));
        window_ = search.found;
        if (!window_) Sleep(20);
    }
}

LRESULT ProbeClient::Ask(probe::Request request, WPARAM wParam, LPARAM lParam) const
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window_, request, wParam, lParam, SMTO_NORMAL, 10000, &result)) return -2;
    return static_cast<LRESULT>(result);
}

UINT ProbeClient::MenuState(int commandId) const { return static_cast<UINT>(Ask(probe::kMenuStateById, commandId)); }

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

int ProbeClient::CommandCount(int commandId) const { return static_cast<int>(Ask(probe::kCommandCount, commandId)); }

int ProbeClient::EntryCount(probe::Entry entry) const { return static_cast<int>(Ask(probe::kEntryCount, entry)); }

}  // namespace e2e

namespace e2e {

int ProbeClient::StackCount(int stack) const
{
    return static_cast<int>(Ask(probe::kStackCount, static_cast<WPARAM>(stack)));
}

int ProbeClient::StackCard(int stack, int card) const
{
    return static_cast<int>(Ask(probe::kStackCard, static_cast<WPARAM>(stack), card));
}

std::vector<int> ProbeClient::StackCards(int stack) const
{
    std::vector<int> cards;
    const int count = StackCount(stack);
    for (int i = 0; i < count; ++i) cards.push_back(StackCard(stack, i));
    return cards;
}

}  // namespace e2e
