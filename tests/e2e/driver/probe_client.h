// Questions to the probe module inside the program's process.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "../probe/probe_protocol.h"

namespace e2e {

// The probe module, installed under a Game List stem before the program starts.
constexpr char kProbeFile[] = "e2e_probe.dll";
constexpr char kIncompleteProbeFile[] = "games\\e2e_probe_incomplete.dll";
constexpr char kProbeStem[] = "FREECELL";  // the first Game List stem: row 0

// Installs the probe as "<stem>.dll" beside the program.
bool InstallProbe(const char* stem = kProbeStem);

class ProbeClient {
public:
    // Finds the window of the probe installed under `stem` in the given
    // process (it exists once the Game List is built).
    explicit ProbeClient(DWORD pid, const char* stem = kProbeStem, int timeoutMs = 10000);
    bool found() const { return window_ != nullptr; }

    LRESULT Ask(probe::Request request, WPARAM wParam = 0, LPARAM lParam = 0) const;
    UINT MenuState(int commandId) const;
    int MenuItemCount(int top) const;
    int MenuItemId(int top, int position) const;
    UINT MenuItemState(int top, int position) const;
    std::string MenuItemText(int top, int position) const;
    int CommandCount(int commandId) const;
    int EntryCount(probe::Entry entry) const;
    int StackCount(int stack) const;
    // image | faceDown << 16 | marked << 17, or -1.
    int StackCard(int stack, int card) const;
    // Every card of a stack, bottom first, as StackCard gives them.
    std::vector<int> StackCards(int stack) const;
    HWND window() const { return window_; }

private:
    HWND window_ = nullptr;
};

}  // namespace e2e
