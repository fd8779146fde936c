// The strip above the table: three buttons, the score box and the message
// area, and the buttons' mouse handling.
#include "core/win/app.h"
#include "furniture/strip_layout.h"
#include "furniture/win/furniture.h"
#include "furniture/win/resources_store.h"

namespace furniture {

namespace {

constexpr COLORREF kTextGreen = RGB(0, 255, 0);

struct ButtonState {
    int index = 0;      // the button last pressed
    bool down = false;  // shown pressed
};

ButtonState& Buttons()
{
    static ButtonState state;
    return state;
}

void DrawStripText(HDC dc, const char* text, const table::Rect& r)
{
    RECT box{r.left, r.top, r.right, r.bottom};
    DrawTextA(dc, text, -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

// The button as it looks now, straight onto the window.
void DrawButton()
{
    const ButtonState& b = Buttons();
    const FurnitureStore& f = TheFurniture();
    const table::Rect r = ButtonRect(b.index);
    HWND window = core::TheApp().mainWindow;
    core::WindowDC dc(window);
    CopyPicture(dc.get(), b.down ? f.downButtons : f.upButtons, r.left, r.top, r.Width(), r.Height(), r.left);
}

}  // namespace

void DrawStrip(HDC dc, const RECT& area)
{
    const table::Rect a{area.left, area.top, area.right, area.bottom};
    const StripParts parts = StripPartsIn(a);
    if (!parts.buttons && !parts.score && !parts.message) return;
    const FurnitureStore& f = TheFurniture();
    const core::HostState& state = core::TheCore().state;

    SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(dc, kTextGreen);
    if (parts.buttons) CopyPicture(dc, f.upButtons, 0, 0, kScoreLeft, kStripHeight);
    if (parts.score) {
        CopyPicture(dc, f.scoreArea, kScoreLeft, 0, kMessageLeft - kScoreLeft, kStripHeight);
        DrawStripText(dc, state.scoreText, ScoreTextRect());
    }
    if (parts.message) {
        ForEachMessageTile(a,
                           [&](int32_t x) { CopyPicture(dc, f.messageArea, x, 0, kMessageTileWidth, kStripHeight); });
        DrawStripText(dc, state.messageText, MessageTextRect(core::TheCore().clientWidth));
    }
    SetTextColor(dc, oldColour);
}

bool PressButton(int x, int y)
{
    const int index = ButtonAt(x, y);
    if (index < 0) return false;
    ButtonState& b = Buttons();
    b.index = index;
    b.down = true;
    DrawButton();
    return true;
}

void TrackButton(int x, int y)
{
    ButtonState& b = Buttons();
    const bool on = OnButton(b.index, x, y);
    if (on == b.down) return;
    b.down = on;
    DrawButton();
}

void ReleaseButton()
{
    ButtonState& b = Buttons();
    if (!b.down) return;
    b.down = false;
    DrawButton();
    // As if chosen from the Game menu; the command's handler decides.
    SendMessageA(core::TheApp().mainWindow, WM_COMMAND, MAKEWPARAM(kButtonCommands[b.index], 0), 0);
}

}  // namespace furniture
