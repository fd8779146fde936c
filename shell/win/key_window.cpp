#include "shell/win/key_window.h"

#include <cstring>
#include <string>

#include "core/win/app.h"
#include "interaction/key_description.h"
#include "interaction/key_focus.h"

namespace shell {

namespace {

constexpr char kKeyWindowClass[] = "LumoraTableKeys";
constexpr char kReadoutClass[] = "LumoraReadout";

struct KeyWindows {
    HWND keys = nullptr;
    HWND score = nullptr;
    HWND message = nullptr;
    std::string keysText, scoreText, messageText;  // what each one says now
};

KeyWindows& Windows()
{
    static KeyWindows w;
    return w;
}

bool Shifted() { return GetKeyState(VK_SHIFT) < 0; }

LRESULT CALLBACK KeyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_KEYDOWN:
        if (OnTableKeyDown(static_cast<UINT>(wParam))) return 0;
        break;
    case WM_CHAR:
        if (OnTableChar(static_cast<UINT>(wParam))) return 0;
        break;
    case WM_GETDLGCODE: return DLGC_WANTALLKEYS;
    case WM_NCHITTEST: return HTTRANSPARENT;  // the mouse belongs to the table
    default: break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK ReadoutProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCHITTEST) return HTTRANSPARENT;
    return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterClasses(HINSTANCE instance)
{
    static bool registered = false;
    if (registered) return true;
    WNDCLASSA wc{};
    wc.lpfnWndProc = KeyWindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = kKeyWindowClass;
    if (!RegisterClassA(&wc)) return false;
    wc.lpfnWndProc = ReadoutProc;
    wc.lpszClassName = kReadoutClass;
    registered = RegisterClassA(&wc) != 0;
    return registered;
}

// The children take no room: the table is drawn by the main window, and
// they only carry text.
HWND MakeChild(HWND parent, const char* className, int id, const char* text)
{
    return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), core::TheApp().instance, nullptr);
}

void Say(HWND window, std::string& shown, const std::string& text)
{
    if (!window || text == shown) return;
    shown = text;
    SetWindowTextA(window, text.c_str());
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window, OBJID_CLIENT, CHILDID_SELF);
}

// The table's keys are the table's, whether or not they moved anything.
bool Play(interaction::TableKey key)
{
    interaction::PressTableKey(core::TheCore(), key);
    UpdateReadableTexts();
    return true;
}

std::string Text(const char* bytes) { return std::string(bytes, strnlen(bytes, core::kTextBytes)); }

}  // namespace

void CreateKeyWindows(HWND mainWindow)
{
    if (!RegisterClasses(core::TheApp().instance)) return;
    KeyWindows& w = Windows();
    w.keysText = interaction::kFocusHiddenText;
    w.keys = MakeChild(mainWindow, kKeyWindowClass, kKeyWindowId, w.keysText.c_str());
    w.score = MakeChild(mainWindow, kReadoutClass, kScoreReadoutId, "");
    w.message = MakeChild(mainWindow, kReadoutClass, kMessageReadoutId, "");
}

void FocusKeyWindow()
{
    if (Windows().keys) SetFocus(Windows().keys);
}

bool OnTableKeyDown(UINT key)
{
    using interaction::TableKey;
    const bool shift = Shifted();
    switch (key) {
    case VK_LEFT: return Play(TableKey::Left);
    case VK_RIGHT: return Play(TableKey::Right);
    case VK_UP: return Play(shift ? TableKey::Deeper : TableKey::Up);
    case VK_DOWN: return Play(shift ? TableKey::Higher : TableKey::Down);
    case VK_RETURN: return Play(shift ? TableKey::DoubleAct : TableKey::Act);
    case VK_SPACE: return Play(TableKey::Act);
    case VK_ESCAPE: return Play(TableKey::PutBack);
    default: return false;
    }
}

bool OnTableChar(UINT character)
{
    switch (character) {
    case '+': return Play(interaction::TableKey::Deeper);
    case '-': return Play(interaction::TableKey::Higher);
    case '\r':
    case ' ':
    case 0x1B: return true;  // taken as keys already
    default: return false;
    }
}

void UpdateReadableTexts()
{
    KeyWindows& w = Windows();
    core::HostCore& core = core::TheCore();
    Say(w.keys, w.keysText, interaction::DescribeFocus(core));
    Say(w.score, w.scoreText, Text(core.state.scoreText));
    Say(w.message, w.messageText, Text(core.state.messageText));
}

}  // namespace shell
