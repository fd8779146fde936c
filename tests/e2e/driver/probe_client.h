// Questions to the probe module inside the program's process.
#pragma once

#include <windows.h>

#include <string>

#include "../probe/probe_protocol.h"

namespace e2e {

// The probe module, installed under a Game List stem before the program starts.
constexpr char kProbeFile[] = "e2e_probe.dll";

class ProbeClient {
public:
    // Finds the probe window of the given process (it exists once the Game
    // List is built).
    explicit ProbeClient(DWORD pid, int timeoutMs = 10000);
    bool found() const { return window_ != nullptr; }

    LRESULT Ask(probe::Request request, WPARAM wParam = 0, LPARAM lParam = 0) const;
    UINT MenuState(int commandId) const;
    int MenuItemCount(int top) const;
    int MenuItemId(int top, int position) const;
    UINT MenuItemState(int top, int position) const;
    std::string MenuItemText(int top, int position) const;
    int CommandCount(int commandId) const;
    int EntryCount(probe::Entry entry) const;

private:
    HWND window_ = nullptr;
};

}  // namespace e2e
