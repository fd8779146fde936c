// One run of the program under test, seen from outside its process: its
// windows, dialogs and message boxes, input sent to it, and its exit.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

constexpr char kProgram[] = "lumora.exe";
constexpr char kMainClass[] = "TesselWClass";
constexpr int kDefaultWaitMs = 15000;

class Program {
public:
    // Starts lumora.exe from the current folder with this command-line tail.
    explicit Program(const std::string& commandTail = "");
    // Starts the program at its full path from another start folder, as a
    // shortcut or the file association does.
    Program(const std::string& programPath, const std::string& startFolder, const std::string& commandTail = "");
    // Takes over a program the shell started (its process handle).
    explicit Program(HANDLE process);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program();  // ends the process if it still runs

    bool started() const { return process_.hProcess != nullptr; }
    DWORD pid() const { return process_.dwProcessId; }

    // The visible main window, or null after the wait.
    HWND WaitForMainWindow(int timeoutMs = kDefaultWaitMs);
    HWND mainWindow() const { return main_; }

    // A top-level dialog (#32770) of the process with this caption, or null.
    HWND WaitForDialog(const std::string& caption, int timeoutMs = kDefaultWaitMs) const;
    // Every top-level dialog of the process that is visible now.
    std::vector<HWND> VisibleDialogs() const;

    // Ends the process at once, as a crash or Task Manager would, and waits
    // until it is gone.
    void Kill();
    // The exit code, or -1 if the process is still running after the wait.
    long WaitForExit(int timeoutMs = kDefaultWaitMs);
    bool IsRunning() const;
    // The full path of the loaded library with this file name, or "" when
    // the process has none.
    std::string LibraryPath(const char* fileName) const;

    // Posts WM_COMMAND id to the main window.
    void PostCommand(int id) const;
    // Sends WM_COMMAND and waits until the window has handled it.
    void SendCommand(int id) const;
    // Sends a mouse message at client coordinates and waits until it is handled.
    void Mouse(UINT message, int x, int y, WPARAM keys = 0) const;
    // Brings the main window to the front and types a key with its modifiers.
    void PressKey(WORD key, bool control = false) const;
    // Waits until the program's thread has handled everything sent so far.
    void Settle() const;

private:
    PROCESS_INFORMATION process_{};
    HWND main_ = nullptr;
};

std::string WindowText(HWND window);
std::string ClassName(HWND window);
// The text of a message box (its static with id 0xFFFF).
std::string MessageBoxText(HWND box);
// Whether a dialog holds a control with exactly this text.
bool HasControlText(HWND dialog, const std::string& text);
// Clicks a dialog button by posting BM_CLICK.
void ClickButton(HWND dialog, int id);
// Waits until a window is gone.
bool WaitGone(HWND window, int timeoutMs = kDefaultWaitMs);

// Copies a file beside the program, e.g. a test module under a Game List stem.
bool InstallFile(const char* from, const char* to);

}  // namespace e2e
