// What the end-to-end driver may ask the probe module, which runs inside
// the program's process and thread and answers through a hidden window.
#pragma once

#include <windows.h>

namespace probe {

constexpr char kWindowClass[] = "LumoraProbeWindow";
constexpr char kGameName[] = "Probe Game";
constexpr int kTableWidth = 300;
constexpr int kTableHeight = 200;

// A menu position: top is the menu bar's item, or kMenuBar for the bar itself.
constexpr int kMenuBar = -1;

enum Request : UINT {
    // wParam: command id. Result: GetMenuState by command, or 0xFFFFFFFF.
    kMenuStateById = WM_APP + 1,
    // wParam: top. Result: the number of items.
    kMenuItemCount,
    // wParam: top, lParam: position. Result: the item's command id (-1 for a submenu).
    kMenuItemId,
    // wParam: top, lParam: position. Result: GetMenuState by position.
    kMenuItemState,
    // wParam: top, lParam: position. The item's text becomes the probe
    // window's title; the result is its length.
    kMenuItemText,
    // wParam: command id. Result: how often the main window received it.
    kCommandCount,
    // wParam: entry point index (lookup order). Result: how often the host called it.
    kEntryCount,
};

// Entry points in the order the host looks them up.
enum Entry {
    kInitModule, kCloseModule, kNewGame, kLoadGame, kGetGameData, kSetGameData,
    kSetupOptionsMenu, kOptionSelected, kAutoPlay, kMouseHit, kDoubleClick,
    kOkToDropCards, kStackChanged, kPrepareForUndo, kUndo, kGetScore, kEntryPoints
};

}  // namespace probe
