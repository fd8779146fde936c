// The main window's drawing surfaces, made with the window and resized with it.
#include "core/win/surfaces.h"

#include <cstdlib>

#include "core/win/app.h"
#include "resources/resource.h"
#include "shell/win/window_state.h"

namespace shell {

namespace {

// A logical palette holding the first 256 entries of the system palette.
platform::Palette MakeHostPalette(HDC screen)
{
    constexpr int kEntries = 256;
    auto* block = static_cast<LOGPALETTE*>(std::calloc(1, sizeof(LOGPALETTE) + (kEntries - 1) * sizeof(PALETTEENTRY)));
    if (!block) return {};
    block->palVersion = 0x300;
    block->palNumEntries = kEntries;
    UINT got = GetSystemPaletteEntries(screen, 0, kEntries, block->palPalEntry);
    block->palNumEntries = static_cast<WORD>(got);
    platform::Palette palette(got ? CreatePalette(block) : nullptr);
    std::free(block);
    return palette;
}

}  // namespace

WindowState& TheWindowState()
{
    static WindowState state;
    return state;
}

void CreateSurfaces(HWND window)
{
    core::Surfaces& s = core::TheSurfaces();
    RECT client;
    GetClientRect(window, &client);
    {
        platform::WindowDC screen(nullptr);
        s.backDC.reset(CreateCompatibleDC(screen.get()));
        s.scratchDC.reset(CreateCompatibleDC(screen.get()));
        s.backBuffer.reset(CreateCompatibleBitmap(screen.get(), client.right, client.bottom));
        s.palette = MakeHostPalette(screen.get());
    }
    core::WindowMade(core::TheCore(), client.right, client.bottom);

    // The card size follows the start-up rule and saved games, not the menu.
    DeleteMenu(GetSubMenu(GetMenu(window), MENU_POS_OPTIONS), MENU_POS_CARDSIZES, MF_BYPOSITION);
}

void ResizeBackBuffer(HWND window, int clientWidth, int clientHeight)
{
    core::Surfaces& s = core::TheSurfaces();
    s.backBuffer.reset();
    {
        platform::WindowDC dc(window);
        s.backBuffer.reset(CreateCompatibleBitmap(dc.get(), clientWidth, clientHeight));
    }
    core::ClientResized(core::TheCore(), clientWidth, clientHeight);
}

void RealizeHostPalette(HWND window)
{
    core::Surfaces& s = core::TheSurfaces();
    if (!s.palette) return;
    platform::WindowDC dc(window);
    platform::PaletteScope inPalette(dc.get(), s.palette.get());
    if (RealizePalette(dc.get()) != 0) InvalidateRect(window, nullptr, TRUE);
}

void ReleaseSurfaces()
{
    core::Surfaces& s = core::TheSurfaces();
    s.backBuffer.reset();
    s.backDC.reset();
    s.scratchDC.reset();
    s.palette.reset();
}

}  // namespace shell
