#include "shell/win/game_over.h"

#include "core/win/app.h"
#include "platform/win/handles.h"
#include "resources/resource.h"
#include "shell/win/dialog_helpers.h"

namespace shell {

namespace {

void OnPaint(HWND dialog)
{
    platform::PaintDC dc(dialog);
    DrawRaisedFrame(dialog, dc.get());
}

// New and Replay start the next deal once the game-over path has finished.
void OnCommand(HWND dialog, int id)
{
    switch (id) {
    case IDM_NEWGAME:
    case IDM_REPLAY:
        EndDialog(dialog, id);
        PostMessageA(core::TheApp().mainWindow, WM_COMMAND, MAKEWPARAM(id, 0), 0);
        break;
    case IDCANCEL: EndDialog(dialog, id); break;
    default: break;
    }
}

INT_PTR CALLBACK GameOverProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG: CentreOnDesktop(dialog); return TRUE;
    case WM_PAINT: OnPaint(dialog); return TRUE;
    case WM_COMMAND: OnCommand(dialog, LOWORD(wParam)); return TRUE;
    default: return FALSE;
    }
}

}  // namespace

void ShowGameOverDialog(HWND owner, bool won)
{
    DialogBoxA(core::TheApp().instance, won ? "WINSHAREDLG" : "LOSESHAREDLG", owner, GameOverProc);
}

}  // namespace shell
