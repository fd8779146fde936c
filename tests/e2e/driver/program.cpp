#include "program.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace e2e {

namespace {

constexpr int kPollMs = 20;

struct WindowSearch {
    DWORD pid;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindowsOfProcess(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<WindowSearch*>(context);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == search->pid) search->found.push_back(window);
    return TRUE;
}

std::vector<HWND> TopLevelWindows(DWORD pid)
{
    WindowSearch search{pid, {}};
    EnumWindows(CollectWindowsOfProcess, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

template <typename Predicate>
bool WaitFor(int timeoutMs, Predicate ready)
{
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        if (ready()) return true;
        if (GetTickCount64() >= end) return false;
        Sleep(kPollMs);
    }
}

}  // namespace

Program::Program(const std::string& commandTail)
{
    std::string commandLine = std::string(kProgram);
    if (!commandTail.empty()) commandLine += " " + commandTail;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(kProgram, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process_)) {
        process_ = {};
    }
}

Program::Program(const std::string& programPath, const std::string& startFolder, const std::string& commandTail)
{
    std::string commandLine = "\"" + programPath + "\"";
    if (!commandTail.empty()) commandLine += " " + commandTail;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(programPath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        startFolder.c_str(), &startup, &process_)) {
        process_ = {};
    }
}

Program::Program(HANDLE process)
{
    process_.hProcess = process;
    process_.dwProcessId = process ? GetProcessId(process) : 0;
}

Program::~Program()
{
    if (!process_.hProcess) return;
    if (IsRunning()) {
        TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    if (process_.hThread) CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

void Program::Kill()
{
    if (!process_.hProcess || !IsRunning()) return;
    TerminateProcess(process_.hProcess, 99);
    WaitForSingleObject(process_.hProcess, 5000);
}

HWND Program::WaitForMainWindow(int timeoutMs)
{
    WaitFor(timeoutMs, [&] {
        for (HWND w : TopLevelWindows(pid())) {
            if (ClassName(w) == kMainClass && IsWindowVisible(w)) {
                main_ = w;
                return true;
            }
        }
        return !IsRunning();
    });
    // A run where the program never showed its window (no display, a
    // missing library) says which of the two happened.
    if (!main_) {
        if (IsRunning())
            std::fprintf(stderr, "note: no visible main window after %d ms\n", timeoutMs);
        else
            std::fprintf(stderr, "note: the program ended with code %ld before showing its window\n", WaitForExit(0));
    }
    return main_;
}

HWND Program::WaitForDialog(const std::string& caption, int timeoutMs) const
{
    HWND dialog = nullptr;
    WaitFor(timeoutMs, [&] {
        for (HWND w : VisibleDialogs()) {
            if (WindowText(w) == caption) {
                dialog = w;
                return true;
            }
        }
        return !IsRunning();
    });
    return dialog;
}

std::vector<HWND> Program::VisibleDialogs() const
{
    std::vector<HWND> dialogs;
    for (HWND w : TopLevelWindows(pid()))
        if (ClassName(w) == "#32770" && IsWindowVisible(w)) dialogs.push_back(w);
    return dialogs;
}

long Program::WaitForExit(int timeoutMs)
{
    if (WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return static_cast<long>(code);
}

bool Program::IsRunning() const
{
    return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

std::string Program::LibraryPath(const char* fileName) const
{
    HMODULE modules[512];
    DWORD bytes = 0;
    if (!process_.hProcess || !K32EnumProcessModules(process_.hProcess, modules, sizeof modules, &bytes)) return "";
    const DWORD count = std::min<DWORD>(bytes / sizeof modules[0], 512);
    for (DWORD i = 0; i < count; ++i) {
        char name[MAX_PATH] = {};
        K32GetModuleBaseNameA(process_.hProcess, modules[i], name, sizeof name);
        if (lstrcmpiA(name, fileName) != 0) continue;
        char path[MAX_PATH] = {};
        K32GetModuleFileNameExA(process_.hProcess, modules[i], path, sizeof path);
        return path;
    }
    return "";
}

void Program::PostCommand(int id) const { PostMessageA(main_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

void Program::SendCommand(int id) const
{
    DWORD_PTR result = 0;
    SendMessageTimeoutA(main_, WM_COMMAND, MAKEWPARAM(id, 0), 0, SMTO_NORMAL, kDefaultWaitMs, &result);
}

void Program::Mouse(UINT message, int x, int y, WPARAM keys) const
{
    DWORD_PTR result = 0;
    SendMessageTimeoutA(main_, message, keys, MAKELPARAM(x, y), SMTO_NORMAL, kDefaultWaitMs, &result);
}

void Program::PressKey(WORD key, bool control) const
{
    SetForegroundWindow(main_);
    Settle();
    std::vector<INPUT> inputs;
    auto add = [&](WORD vk, bool up) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = vk;
        in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(in);
    };
    if (control) add(VK_CONTROL, false);
    add(key, false);
    add(key, true);
    if (control) add(VK_CONTROL, true);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Sleep(200);  // the keys travel through the system's input queue
    Settle();
}

void Program::Settle() const
{
    DWORD_PTR result = 0;
    if (main_) SendMessageTimeoutA(main_, WM_NULL, 0, 0, SMTO_NORMAL, kDefaultWaitMs, &result);
}

std::string WindowText(HWND window)
{
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ClassName(HWND window)
{
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string MessageBoxText(HWND box)
{
    char text[1024] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    return text;
}

bool HasControlText(HWND dialog, const std::string& text)
{
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (WindowText(child) == text) return true;
    return false;
}

void ClickButton(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

bool WaitGone(HWND window, int timeoutMs)
{
    return WaitFor(timeoutMs, [&] { return !IsWindow(window) || !IsWindowVisible(window); });
}

bool InstallFile(const char* from, const char* to) { return CopyFileA(from, to, FALSE) != 0; }

}  // namespace e2e
