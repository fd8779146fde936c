// The Win32 side of the centre: the process-wide record of the program and
// the one host core, which the Win32 layer holds and calls directly. One
// instance of each for the process's life; the core's seam is the main
// window's, handed over by the entry function before any window exists.
#pragma once

#include <windows.h>

#include "core/host_core.h"

namespace core {

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
// Makes the one core on the seam it acts through; called once, first thing.
HostCore& MakeTheCore(HostSeam& seam);
// The core MakeTheCore made.
HostCore& TheCore();

}  // namespace core
