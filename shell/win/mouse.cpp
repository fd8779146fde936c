// Mouse messages: the strip's buttons first, then the table.
#include <windows.h>

#include "core/win/app.h"
#include "core/win/surfaces.h"
#include "furniture/win/furniture.h"
#include "interaction/dragging.h"
#include "interaction/key_focus.h"
#include "shell/win/main_window.h"
#include "shell/win/win32_seam.h"
#include "shell/win/window_state.h"

namespace shell {

namespace {

// The mouse plays cards only while a deal is in play.
bool GameInPlay() { return core::TheCore().state.gameInPlay != 0; }

}  // namespace

void OnLeftButtonDown(HWND window, BOOL doubleClick, int x, int y, UINT)
{
    WindowState& s = TheWindowState();
    if (furniture::PressButton(window, core::MainPictureSurface(), x, y)) {
        s.buttonTracking = true;
        return;
    }
    interaction::MousePressedOnTable(core::TheCore());
    if (!GameInPlay()) return;
    s.buttonTracking = false;
    if (doubleClick)
        interaction::DoubleClickCards(core::TheCore(), x, y);
    else
        interaction::PickUpCards(core::TheCore(), x, y);
}

void OnMouseMove(HWND window, int x, int y, UINT keys)
{
    if (!(keys & MK_LBUTTON)) return;
    if (TheWindowState().buttonTracking)
        furniture::TrackButton(window, core::MainPictureSurface(), x, y);
    else if (GameInPlay())
        interaction::DragCards(core::TheCore(), x, y);
}

void OnLeftButtonUp(HWND window, int x, int y, UINT)
{
    WindowState& s = TheWindowState();
    // A press taken while a game was in play always gets its release, even
    // when the game ended meanwhile: the mouse is let go and lifted cards
    // go back. A button's command comes as if chosen from the Game menu.
    if (s.buttonTracking) {
        s.buttonTracking = false;
        if (const int command = furniture::ReleaseButton(window, core::MainPictureSurface()))
            SendMessageA(window, WM_COMMAND, MAKEWPARAM(command, 0), 0);
        return;
    }
    if (GameInPlay() || core::TheCore().drag.leftPressed)
        interaction::DropCards(core::TheCore(), x, y);
    s.buttonTracking = false;
}

void OnCaptureChanged(HWND window, HWND newOwner)
{
    // Another window took the mouse in the middle of a drag or a card view
    // (a menu, a message box, a switch to another program): the cards go
    // back and the viewed card goes away.
    if (newOwner != window && !Win32Seam::ReleasingCapture()) interaction::MouseCaptureLost(core::TheCore());
}

void OnRightButtonDown(HWND, BOOL, int x, int y, UINT) { interaction::ShowCard(core::TheCore(), x, y); }

void OnRightButtonUp(HWND, int x, int y, UINT) { interaction::HideCard(core::TheCore(), x, y); }

}  // namespace shell
