// Settings, the splash and About dialogs, and help.
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

void ShowHelpContents();
void ShowHelpSearch();
void CloseHelp();

}  // namespace shell
