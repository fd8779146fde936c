// The bitmap loader, the host's pictures and sounds, and the palette.
#include <windows.h>
#include <mmsystem.h>

#include "furniture/dib_layout.h"
#include "furniture/win/furniture.h"
#include "furniture/win/resources_store.h"
#include "shell/win/app.h"
#include "shell/win/surfaces.h"

namespace furniture {

namespace {

constexpr int kTileFirst = 5000;
constexpr int kBackgroundThumbnailFirst = 6000;
constexpr int kCardSetThumbnailFirst = 7000;

// The five sounds in the order of interaction::Sound.
constexpr const char* kSoundNames[] = {"FLIPSOUND", "SLIDESOUND", "SHUFFLESOUND", "WINSOUND", "LOSESOUND"};
constexpr int kSounds = sizeof kSoundNames / sizeof kSoundNames[0];

struct HostSound {
    HGLOBAL resource = nullptr;
    const void* data = nullptr;
};

std::array<HostSound, kSounds>& Sounds()
{
    static std::array<HostSound, kSounds> sounds;
    return sounds;
}

// The load order of the sounds: win, lose, shuffle, flip, slide.
constexpr interaction::Sound kSoundLoadOrder[] = {interaction::Sound::Win, interaction::Sound::Lose,
                                                  interaction::Sound::Shuffle, interaction::Sound::Flip,
                                                  interaction::Sound::Slide};

void LoadPicture(Picture& p, LPCSTR name)
{
    shell::Surfaces& s = shell::TheSurfaces();
    p.reset(LoadDibBitmap(nullptr, name, shell::TheApp().mainWindow, s.palette.get()));
}

LPCSTR Numbered(int n)
{
    return MAKEINTRESOURCEA(n);
}

}  // namespace

void Picture::reset(HBITMAP b)
{
    bitmap.reset(b);
    width = height = 0;
    BITMAP info{};
    if (b && GetObjectA(b, sizeof info, &info)) {
        width = info.bmWidth;
        height = info.bmHeight;
    }
}

FurnitureStore& TheFurniture()
{
    static FurnitureStore store;
    return store;
}

void CopyPicture(HDC dc, const Picture& p, int x, int y, int w, int h, int fromX)
{
    if (!p) return;
    HDC scratch = shell::TheSurfaces().scratchDC.get();
    shell::SelectionScope select(scratch, p.bitmap.get());
    BitBlt(dc, x, y, w, h, scratch, fromX, 0, SRCCOPY);
}

HBITMAP LoadDibBitmap(HMODULE module, LPCSTR name, HWND window, HPALETTE palette)
{
    HRSRC found = FindResourceA(module, name, reinterpret_cast<LPCSTR>(RT_BITMAP));
    if (!found) return nullptr;
    HGLOBAL loaded = LoadResource(module, found);
    if (!loaded) return nullptr;
    const auto* data = static_cast<const uint8_t*>(LockResource(loaded));
    const DibLayout layout = ReadDibLayout(data, data ? SizeofResource(module, found) : 0);
    HBITMAP bitmap = nullptr;
    if (layout.valid) {
        HDC dc = GetDC(window);
        HPALETTE oldPalette = nullptr;
        if (palette) {
            oldPalette = SelectPalette(dc, palette, FALSE);
            RealizePalette(dc);
        }
        const auto* info = reinterpret_cast<const BITMAPINFO*>(data);
        bitmap = CreateDIBitmap(dc, &info->bmiHeader, CBM_INIT, data + layout.bitsOffset, info, DIB_RGB_COLORS);
        if (oldPalette) SelectPalette(dc, oldPalette, FALSE);
        ReleaseDC(window, dc);
    }
    FreeResource(loaded);
    return bitmap;
}

bool LoadFurniture()
{
    FurnitureStore& f = TheFurniture();
    for (int i = 0; i < kBackgrounds; ++i) {
        LoadPicture(f.tiles[i], Numbered(kTileFirst + i));
        LoadPicture(f.backgroundThumbnails[i], Numbered(kBackgroundThumbnailFirst + i));
    }
    for (int i = 0; i < kCardSetThumbnails; ++i) LoadPicture(f.cardSetThumbnails[i], Numbered(kCardSetThumbnailFirst + i));
    LoadPicture(f.upButtons, "UPBUTTONS");
    LoadPicture(f.downButtons, "DOWNBUTTONS");
    LoadPicture(f.messageArea, "MSGAREA");
    LoadPicture(f.scoreArea, "SCOREAREA");

    for (interaction::Sound which : kSoundLoadOrder) {
        HostSound& sound = Sounds()[static_cast<size_t>(which)];
        HRSRC found = FindResourceA(nullptr, kSoundNames[static_cast<size_t>(which)], "SOUND");
        if (!found) continue;
        sound.resource = LoadResource(nullptr, found);
        sound.data = sound.resource ? LockResource(sound.resource) : nullptr;
    }
    return true;
}

void ReleaseFurniture()
{
    sndPlaySoundA(nullptr, 0);
    FurnitureStore& f = TheFurniture();
    for (Picture& p : f.tiles) p.reset();
    for (Picture& p : f.backgroundThumbnails) p.reset();
    for (Picture& p : f.cardSetThumbnails) p.reset();
    f.upButtons.reset();
    f.downButtons.reset();
    f.messageArea.reset();
    f.scoreArea.reset();
    for (HostSound& sound : Sounds()) {
        if (sound.resource) FreeResource(sound.resource);
        sound = {};
    }
    // The palette belongs to the drawing surfaces, released right after.
}

void PlayHostSound(interaction::Sound sound, interaction::SoundMode mode)
{
    const size_t i = static_cast<size_t>(sound);
    if (i >= Sounds().size() || !Sounds()[i].data) return;
    const UINT flags = SND_MEMORY | (mode == interaction::SoundMode::Async ? SND_ASYNC : SND_SYNC);
    sndPlaySoundA(static_cast<LPCSTR>(Sounds()[i].data), flags);
}

void OnPaletteChanged(HWND window)
{
    shell::Surfaces& s = shell::TheSurfaces();
    if (!s.palette) return;
    shell::WindowDC dc(window);
    HPALETTE old = SelectPalette(dc.get(), s.palette.get(), FALSE);
    if (RealizePalette(dc.get()) != 0) InvalidateRect(window, nullptr, TRUE);
    SelectPalette(dc.get(), old, FALSE);
}

}  // namespace furniture
