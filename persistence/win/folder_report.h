// A program folder that cannot keep the score file or the resume file (a
// read-only share, a folder under Program Files): the first failed write of
// a run tells the player, once, which folder it is and what to do.
#pragma once

#include <windows.h>

namespace persistence {

// Posted to the main window to show the report from the message loop, so a
// write inside a booking never opens a dialog in the middle of a game's
// change.
constexpr UINT kShowFolderReportMessage = WM_APP + 1;

enum class Report : unsigned char {
    Later,  // posted to the main window
    Now,    // shown before returning (the exit)
    Never,  // the session is ending: nothing may wait for the player
};

void ReportUnwritableFolder(DWORD error, Report when);
// The posted message's handler.
void ShowFolderReport();

}  // namespace persistence
