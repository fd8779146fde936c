// The life of a game on the table: choosing, dealing, undo, autoplay.
#pragma once

#include <windows.h>

namespace modules {

void ChooseGame(int row);
void DealGame();
void UndoMove();
void ToggleAutoPlay();
void ToggleSounds();
void SelectOption(int option);

// Row 6 on a first run, when nothing was resumed or loaded.
void ChooseStartupGame();

bool GameInPlay();
int CurrentModule();
bool AutoPlayOn();
bool SoundsOn();

// The HM_... messages a module sends while the host is calling it.
LRESULT HandleServiceMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace modules
