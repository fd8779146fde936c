#include "shell/win/win32_seam.h"

#include "core/win/surfaces.h"

#include <ctime>

#include "core/win/app.h"
#include "platform/win/handles.h"
#include "platform/win/visual_styles.h"
#include "furniture/win/furniture.h"
#include "interaction/win/drag_image.h"
#include "resources/resource.h"
#include "shell/win/game_over.h"
#include "shell/win/placement.h"
#include "shell/win/save_points.h"
#include "table/win/card_images.h"
#include "table/win/draw_stack.h"

namespace shell {

namespace {

constexpr int kGameCommands[] = {IDM_NEWGAME, IDM_REPLAY, IDM_UNDO, IDM_SAVEGAME};

HWND Main() { return core::TheApp().mainWindow; }

RECT ToRect(const table::Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

}  // namespace

void Win32Seam::Invalidate(const table::Rect& area, bool erase)
{
    const RECT r = ToRect(area);
    InvalidateRect(Main(), &r, erase);
}

void Win32Seam::InvalidateClient(bool erase) { InvalidateRect(Main(), nullptr, erase); }

void Win32Seam::ValidateRect(const table::Rect& area)
{
    const RECT r = ToRect(area);
    ::ValidateRect(Main(), &r);
}

void Win32Seam::RepaintNow() { UpdateWindow(Main()); }

bool Win32Seam::MakeDragImage(const CardStack& drag, const table::CardDrawing& drawing, int32_t width, int32_t height)
{
    return interaction::MakeDragImage(Main(), core::MainPictureSurface(), drag, drawing, width, height);
}

void Win32Seam::DrawDragImage(table::Point topLeft) { interaction::DrawDragImage(Main(), topLeft); }

void Win32Seam::ReleaseDragImage() { interaction::ReleaseDragImage(); }

void Win32Seam::DrawStackOnWindow(const CardStack& stack, const table::CardDrawing& drawing)
{
    platform::WindowDC dc(Main());
    table::DrawStack(dc.get(), core::MainPictureSurface(), stack, drawing);
}

void Win32Seam::DrawCardOnWindow(int16_t image, bool faceDown, table::Point topLeft, const table::CardDrawing& drawing)
{
    platform::WindowDC dc(Main());
    table::DrawCardPicture(dc.get(), core::MainPictureSurface(), drawing, image, faceDown, topLeft);
}

void Win32Seam::PlaySound(core::Sound sound, core::SoundMode mode) { furniture::PlayHostSound(sound, mode); }

void Win32Seam::CaptureMouse() { SetCapture(Main()); }

namespace {
bool g_releasingCapture = false;
}

bool Win32Seam::ReleasingCapture() { return g_releasingCapture; }

void Win32Seam::ReleaseMouse()
{
    g_releasingCapture = true;
    ReleaseCapture();
    g_releasingCapture = false;
}

uint32_t Win32Seam::TickCount() { return GetTickCount(); }

// The slide's frames are paced by sleeping, not by spinning on the counter.
uint32_t Win32Seam::WaitForTick(uint32_t since, uint32_t interval)
{
    for (;;) {
        const uint32_t now = GetTickCount();
        if (now >= since + interval || now < since) return now;
        Sleep(since + interval - now);
    }
}

int64_t Win32Seam::CalendarSeconds() { return static_cast<int64_t>(std::time(nullptr)); }

void Win32Seam::SetTitle(const char* title) { SetWindowTextA(Main(), title); }

core::Extent Win32Seam::FitWindowToTable(int32_t tableWidth, int32_t tableHeight, table::CardSize size)
{
    return shell::FitWindowToTable(tableWidth, tableHeight, size);
}

void Win32Seam::EnableGameCommands()
{
    for (int command : kGameCommands) EnableMenuItem(GetMenu(Main()), command, MF_BYCOMMAND | MF_ENABLED);
}

void Win32Seam::CheckMenuItem(int command, bool checked)
{
    ::CheckMenuItem(GetMenu(Main()), command, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void Win32Seam::CheckGameListRow(int row, int rows)
{
    for (int i = 0; i < rows; ++i) CheckMenuItem(IDM_GAMELIST_FIRST + i, i == row);
}

void Win32Seam::AppendOptionItem(int command, const char* text, bool separatorFirst)
{
    HMENU options = GetSubMenu(GetMenu(Main()), MENU_POS_OPTIONS);
    if (separatorFirst) AppendMenuA(options, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(options, MF_STRING, static_cast<UINT_PTR>(command), text);
}

void Win32Seam::RemoveOptionItems(int32_t count)
{
    HMENU options = GetSubMenu(GetMenu(Main()), MENU_POS_OPTIONS);
    for (int32_t i = 0; i <= count; ++i) DeleteMenu(options, MENU_HOST_OPTION_ITEMS, MF_BYPOSITION);
}

// A hidden window draws its menu bar when it is shown: redrawing it before
// (a game chosen at start-up adding its options) only costs time.
void Win32Seam::RedrawMenuBar()
{
    if (IsWindowVisible(Main())) DrawMenuBar(Main());
}

void Win32Seam::ShowGameOver(bool won) { ShowGameOverDialog(Main(), won); }

void Win32Seam::PostCommand(int command) { PostMessageA(Main(), WM_COMMAND, MAKEWPARAM(command, 0), 0); }

void Win32Seam::ShowMessage(const char* text, const char* caption)
{
    platform::ApplyVisualStyles();  // a saved game named at start-up may fail to load
    MessageBoxA(Main(), text, caption, MB_OK);
}

void Win32Seam::ScoresChanged(const core::ModuleTable& modules)
{
    SaveScores(persistence::SaveMoment::GameBooked, modules);
}

bool Win32Seam::CardSizeAvailable(table::CardSize size) { return table::CardSizeAvailable(size); }

bool Win32Seam::CardPicturesLoaded(table::CardSize size) { return table::CardPicturesLoaded(size); }

// Large cards on a small display: the player is warned before they come.
bool Win32Seam::LoadCardPictures(table::CardSize size)
{
    if (table::CardPicturesLoaded(size)) return true;
    if (!table::CardSizeAvailable(size)) return false;
    if (size == table::CardSize::Large) WarnAboutSmallDisplay();
    return table::LoadCardPictures(size);
}

}  // namespace shell
