// Loading the game modules into the host core's module table.
#pragma once

#include <windows.h>

namespace modules {

// Loads every module of the built-in list that exists and accepts, and
// lists each in the Game List menu.
void BuildGameList(HWND mainWindow);

// Calls every module's TSCloseModule and unloads it, in row order.
void CloseAllModules();

}  // namespace modules
