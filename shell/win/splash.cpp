// The SPLASH dialog: the splash screen during start-up and the About box.
#include <windows.h>

#include <mmsystem.h>

#include <cstdio>

#include "core/win/app.h"
#include "platform/win/handles.h"
#include "resources/resource.h"
#include "shell/win/dialog_helpers.h"
#include "shell/win/services.h"

namespace shell {

namespace {

// One instance: the splash and the About box never exist at the same time.
struct SplashState {
    HWND picture = nullptr;  // an owner-drawn static: drawn in WM_DRAWITEM
    platform::Bitmap bitmap;
    int width = 0;
    int height = 0;
    bool firstPage = false;
    HGLOBAL startSound = nullptr;
};

SplashState& State()
{
    static SplashState state;
    return state;
}

void ShowPicture(const char* name)
{
    SplashState& s = State();
    s.bitmap.reset(LoadBitmapA(core::TheApp().instance, name));
    s.width = s.height = 0;
    BITMAP info{};
    if (s.bitmap && GetObjectA(s.bitmap.get(), sizeof info, &info)) {
        s.width = info.bmWidth;
        s.height = info.bmHeight;
    }
}

// True when the dialog manager is to give the focus to the dialog (and so
// activate it): the About box. The splash takes no input, so it shows
// without taking the activation, and its closing has none to hand back.
bool OnInitDialog(HWND dialog)
{
    SplashState& s = State();
    s.picture = GetDlgItem(dialog, IDC_SPLASH_PICTURE);
    ShowPicture("SPLASHIMAGE");

    char version[32] = {}, platform[32] = {}, line[80];
    LoadStringA(core::TheApp().instance, IDS_VERSION, version, sizeof version);
    LoadStringA(core::TheApp().instance, IDS_PLATFORM, platform, sizeof platform);
    std::snprintf(line, sizeof line, "%s for %s", version, platform);
    SetDlgItemTextA(dialog, IDC_SPLASH_VERSION, line);

    char loading[128] = {};
    if (core::TheApp().splashUp) LoadStringA(core::TheApp().instance, IDS_LOADING, loading, sizeof loading);
    SetDlgItemTextA(dialog, IDC_SPLASH_LOADLINE, loading);

    const Delta d = FitDialogToBitmap(dialog, IDC_SPLASH_PICTURE, s.bitmap.get());
    for (int id : {IDC_SPLASH_SEPARATOR, IDC_SPLASH_VERSION, IDC_SPLASH_LOADLINE}) ShiftControl(dialog, id, d);
    CentreOnDesktop(dialog);
    s.firstPage = true;
    if (!core::TheApp().splashUp) return true;
    ShowWindow(dialog, SW_SHOWNA);  // the dialog manager leaves a visible dialog as it is
    return false;
}

void OnPaint(HWND dialog)
{
    {
        platform::PaintDC dc(dialog);
        DrawRaisedFrame(dialog, dc.get());
    }
    // The frame may have covered the picture: it paints itself again now.
    InvalidateRect(State().picture, nullptr, TRUE);
    UpdateWindow(State().picture);
}

// The picture control asks for its picture: its background, then the
// bitmap centred on it, drawn with the context the control hands over.
void OnDrawPicture(const DRAWITEMSTRUCT& item)
{
    SplashState& s = State();
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    if (!s.bitmap) return;
    platform::MemoryDC source(CreateCompatibleDC(item.hDC));
    if (!source) return;
    platform::SelectionScope holds(source.get(), s.bitmap.get());
    const table::Point at =
        CentredIn(item.rcItem.right - item.rcItem.left, item.rcItem.bottom - item.rcItem.top, s.width, s.height);
    BitBlt(item.hDC, item.rcItem.left + at.x, item.rcItem.top + at.y, s.width, s.height, source.get(), 0, 0, SRCCOPY);
}

// In the About box the first click or key turns to the credits, the second closes.
void OnPageTurn(HWND dialog)
{
    SplashState& s = State();
    if (core::TheApp().splashUp) return;
    if (s.firstPage) {
        ShowPicture("CREDITSIMAGE");
        InvalidateRect(dialog, nullptr, FALSE);
        UpdateWindow(dialog);
    } else {
        EndDialog(dialog, 1);
    }
    s.firstPage = false;
}

void OnDestroy() { State().bitmap.reset(); }

INT_PTR CALLBACK SplashProc(HWND dialog, UINT message, WPARAM, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: return OnInitDialog(dialog) ? TRUE : FALSE;
    case WM_PAINT: OnPaint(dialog); return TRUE;
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.CtlID != IDC_SPLASH_PICTURE) return FALSE;
        OnDrawPicture(item);
        return TRUE;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_KEYDOWN: OnPageTurn(dialog); return FALSE;
    case WM_DESTROY: OnDestroy(); return FALSE;
    default: return FALSE;
    }
}

void PlayStartSound()
{
    if (!core::TheCore().state.sounds) return;
    SplashState& s = State();
    HINSTANCE instance = core::TheApp().instance;
    if (HRSRC found = FindResourceA(instance, "STARTSOUND", "SOUND")) s.startSound = LoadResource(instance, found);
    if (const void* data = s.startSound ? LockResource(s.startSound) : nullptr)
        sndPlaySoundA(static_cast<const char*>(data), SND_ASYNC | SND_MEMORY);
}

}  // namespace

void ShowSplash()
{
    PlayStartSound();
    core::App& app = core::TheApp();
    app.splashUp = true;
    app.splash = CreateDialogA(app.instance, "SPLASH", app.mainWindow, SplashProc);
    // No message loop runs until start-up ends: paint the splash now.
    if (app.splash) RedrawWindow(app.splash, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void CloseSplash()
{
    core::App& app = core::TheApp();
    if (app.splash) DestroyWindow(app.splash);
    app.splash = nullptr;
    app.splashUp = false;
}

void ShowAbout()
{
    core::App& app = core::TheApp();
    app.splashUp = false;
    DialogBoxA(app.instance, "SPLASH", app.mainWindow, SplashProc);
}

void ReleaseStartSound()
{
    SplashState& s = State();
    if (s.startSound) FreeResource(s.startSound);
    s.startSound = nullptr;
}

}  // namespace shell
