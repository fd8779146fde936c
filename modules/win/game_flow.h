// The game commands of the menus and buttons, handed to the host core.
#pragma once

#include <windows.h>

namespace modules {

void ChooseGameRow(int row);
void NewGameCommand();
void ReplayCommand();
void UndoCommand();
void ToggleAutoPlayCommand();
void ToggleSoundsCommand();
void OptionCommand(int command);

// Row 6 on a first run, when nothing was resumed or loaded.
void ChooseStartupGame();

// The HM_... messages a module sends while the host is calling it.
LRESULT HandleServiceMessage(UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace modules
