// The keyboard on the table, and what a screen reader reads. A child of the
// main window holds the keyboard focus whenever the main window has it: the
// table's keys go to the platform-free keyboard play, every other key (the
// accelerators, Alt and a menu letter) goes on as before, and its text is
// the description of the focus, so that a screen reader speaks it. Two
// more children carry the score and the message texts. Every change of one
// of the three texts raises EVENT_OBJECT_NAMECHANGE.
#pragma once

#include <windows.h>

namespace shell {

// Control ids of the three children, for tools that read them.
constexpr int kKeyWindowId = 1;
constexpr int kScoreReadoutId = 2;
constexpr int kMessageReadoutId = 3;

// Made when the main window is created.
void CreateKeyWindows(HWND mainWindow);
// The main window got the keyboard focus: its child takes it.
void FocusKeyWindow();

// A key that arrived at the main window or its child; true when the table
// took it.
bool OnTableKeyDown(UINT key);
bool OnTableChar(UINT character);

// Brings the three texts up to date with the table, the score and the
// message; called after every paint and every key.
void UpdateReadableTexts();

}  // namespace shell
