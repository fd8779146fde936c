// The module table: game modules loaded at start-up, listed in the Game List.
#pragma once

#include <windows.h>

#include "modules/module_entry.h"

namespace modules {

// Loads every module of the built-in list that exists and accepts, and
// lists each in the Game List menu.
void BuildGameList(HWND mainWindow);

// Calls every module's TSCloseModule and unloads it, in row order.
void CloseAllModules();

int ModuleRows();
ModuleEntry& ModuleRow(int row);

// The current module's items in the Options menu.
int OptionCount();
void AddOptionItem(HWND mainWindow, unsigned option, const char* text);
void CheckOptionItem(HWND mainWindow, unsigned option, bool checked);
void RemoveOptionItems(HWND mainWindow);

}  // namespace modules
