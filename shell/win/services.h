// Settings, the splash and About dialogs, Score History, and help.
#pragma once

#include <windows.h>

namespace shell {

// The file association and the saved window placement (CurState).
void ReadSettingsAndAssociate(int showCommand);
void WriteSettings();

// The splash during start-up and the About box.
void ShowSplash();
void CloseSplash();
void ShowAbout();
void ReleaseStartSound();

// The program's own dialogs.
void ShowScoreHistory();

void ShowHelpContents();
void ShowHelpSearch();
void CloseHelp();

}  // namespace shell
