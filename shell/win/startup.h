// Start-up: everything between the class registration and the message loop.
#pragma once

#include <windows.h>

namespace shell {

// True when the main window is ready and the message loop may run.
bool StartUp(HINSTANCE instance, int showCommand, const char* commandTail);

}  // namespace shell
