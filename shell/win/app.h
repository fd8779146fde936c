// The process-wide state of the program: one instance for the process's life.
#pragma once

#include <windows.h>

namespace shell {

constexpr char kMainClassName[] = "TesselWClass";
constexpr char kProgramTitle[] = "Lumora Solitaire";

struct App {
    HINSTANCE instance = nullptr;
    HWND mainWindow = nullptr;
    HACCEL accelerators = nullptr;
    HWND splash = nullptr;
    bool splashUp = false;
    // Set when start-up stopped before the saved state was read, so the
    // teardown does not replace stored scores and settings with empty ones.
    bool startupFailed = false;
    char commandPath[256] = {};
};

App& TheApp();

}  // namespace shell
