// The game-over dialogs, "WINSHAREDLG" and "LOSESHAREDLG".
#pragma once

#include <windows.h>

namespace shell {

// Modal; New and Replay post their command after the dialog closed.
void ShowGameOverDialog(HWND owner, bool won);

}  // namespace shell
