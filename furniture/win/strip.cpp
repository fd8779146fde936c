// The strip above the table: three buttons, the score box and the message
// area, and the buttons' mouse handling.
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
void DrawButton(HWND window, const platform::PictureSurface& surface)
{
    const ButtonState& b = Buttons();
    const FurnitureStore& f = TheFurniture();
    const table::Rect r = ButtonRect(b.index);
    platform::WindowDC dc(window);
    CopyPicture(dc.get(), surface, b.down ? f.downButtons : f.upButtons, r.left, r.top, r.Width(), r.Height(),
                r.left);
}

}  // namespace

void DrawStrip(HDC dc, const RECT& area, const StripTexts& texts, const platform::PictureSurface& surface)
{
    const table::Rect a{area.left, area.top, area.right, area.bottom};
    const StripParts parts = StripPartsIn(a);
    if (!parts.buttons && !parts.score && !parts.message) return;
    const FurnitureStore& f = TheFurniture();

    SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(dc, kTextGreen);
    if (parts.buttons) CopyPicture(dc, surface, f.upButtons, 0, 0, kScoreLeft, kStripHeight);
    if (parts.score) {
        CopyPicture(dc, surface, f.scoreArea, kScoreLeft, 0, kMessageLeft - kScoreLeft, kStripHeight);
        DrawStripText(dc, texts.score, ScoreTextRect());
    }
    if (parts.message) {
        ForEachMessageTile(a, [&](int32_t x) {
            CopyPicture(dc, surface, f.messageArea, x, 0, kMessageTileWidth, kStripHeight);
        });
        DrawStripText(dc, texts.message, MessageTextRect(texts.clientWidth));
    }
    SetTextColor(dc, oldColour);
}

bool PressButton(HWND window, const platform::PictureSurface& surface, int x, int y)
{
    const int index = ButtonAt(x, y);
    if (index < 0) return false;
    ButtonState& b = Buttons();
    b.index = index;
    b.down = true;
    DrawButton(window, surface);
    return true;
}

void TrackButton(HWND window, const platform::PictureSurface& surface, int x, int y)
{
    ButtonState& b = Buttons();
    const bool on = OnButton(b.index, x, y);
    if (on == b.down) return;
    b.down = on;
    DrawButton(window, surface);
}

int ReleaseButton(HWND window, const platform::PictureSurface& surface)
{
    ButtonState& b = Buttons();
    if (!b.down) return 0;
    b.down = false;
    DrawButton(window, surface);
    return kButtonCommands[b.index];
}

}  // namespace furniture
