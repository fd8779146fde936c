// The host's pictures and sounds, and the palette.
#include <windows.h>

#include <mmsystem.h>

#include <atomic>
#include <utility>

#include "furniture/win/furniture.h"
#include "furniture/win/resources_store.h"
#include "resources/resource.h"
#include "table/win/dib_bitmap.h"

namespace furniture {

namespace {

constexpr int kTileFirst = 5000;
constexpr int kBackgroundThumbnailFirst = 6000;
constexpr int kCardSetThumbnailFirst = 7000;

// The five sounds in the order of core::Sound.
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
constexpr core::Sound kSoundLoadOrder[] = {core::Sound::Win, core::Sound::Lose, core::Sound::Shuffle, core::Sound::Flip,
                                           core::Sound::Slide};

void LoadPicture(Picture& p, LPCSTR name, const platform::PictureSurface& surface)
{
    p.reset(table::LoadDibBitmap(nullptr, name, surface.window, surface.palette));
}

LPCSTR Numbered(int n) { return MAKEINTRESOURCEA(n); }

// The sound system (winmm.dll and the audio driver behind it) is loaded by
// the first sound, or opened ahead by a worker thread (WarmSounds). While
// the worker is still opening it, a synchronous sound is played
// asynchronously: the first deal never waits for the audio driver.
struct SoundSystem {
    HANDLE warming = nullptr;
    std::atomic<bool> open{false};
    bool used = false;  // a sound call has loaded winmm.dll
};

SoundSystem& TheSoundSystem()
{
    static SoundSystem system;
    return system;
}

DWORD WINAPI OpenSoundSystem(void*)
{
    waveOutGetNumDevs();
    TheSoundSystem().open = true;
    return 0;
}

}  // namespace

void Picture::reset(platform::Bitmap b)
{
    bitmap = std::move(b);
    width = height = 0;
    BITMAP info{};
    if (bitmap && GetObjectA(bitmap.get(), sizeof info, &info)) {
        width = info.bmWidth;
        height = info.bmHeight;
    }
}

FurnitureStore& TheFurniture()
{
    static FurnitureStore store;
    return store;
}

const Picture& BackgroundTile(int n, const platform::PictureSurface& surface)
{
    FurnitureStore& f = TheFurniture();
    const size_t i = static_cast<size_t>(n);
    if (!f.tilesLookedFor[i]) {
        f.tilesLookedFor[i] = true;
        LoadPicture(f.tiles[i], Numbered(kTileFirst + n), surface);
    }
    return f.tiles[i];
}

const Picture* Thumbnail(int command, const platform::PictureSurface& surface)
{
    FurnitureStore& f = TheFurniture();
    Picture* picture = nullptr;
    int resource = 0;
    size_t slot = 0;
    if (const int i = command - IDM_BACKGROUND_FIRST; i >= 0 && i < kBackgrounds) {
        picture = &f.backgroundThumbnails[static_cast<size_t>(i)];
        resource = kBackgroundThumbnailFirst + i;
        slot = static_cast<size_t>(i);
    } else if (const int j = command - IDM_CARDSET_FIRST; j >= 0 && j < kCardSetThumbnails) {
        picture = &f.cardSetThumbnails[static_cast<size_t>(j)];
        resource = kCardSetThumbnailFirst + j;
        slot = static_cast<size_t>(kBackgrounds + j);
    }
    if (!picture) return nullptr;
    if (!f.thumbnailsLookedFor[slot]) {
        f.thumbnailsLookedFor[slot] = true;
        LoadPicture(*picture, Numbered(resource), surface);
    }
    return picture;
}

void CopyPicture(HDC dc, const platform::PictureSurface& surface, const Picture& p, int x, int y, int w, int h,
                 int fromX)
{
    if (!p || !surface.scratch) return;
    platform::SelectionScope select(surface.scratch, p.bitmap.get());
    BitBlt(dc, x, y, w, h, surface.scratch, fromX, 0, SRCCOPY);
}

bool LoadFurniture(const platform::PictureSurface& surface)
{
    FurnitureStore& f = TheFurniture();
    LoadPicture(f.upButtons, "UPBUTTONS", surface);
    LoadPicture(f.downButtons, "DOWNBUTTONS", surface);
    LoadPicture(f.messageArea, "MSGAREA", surface);
    LoadPicture(f.scoreArea, "SCOREAREA", surface);

    for (core::Sound which : kSoundLoadOrder) {
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
    SoundSystem& system = TheSoundSystem();
    if (system.warming) {
        WaitForSingleObject(system.warming, 2000);
        CloseHandle(system.warming);
        system.warming = nullptr;
    }
    if (system.used) sndPlaySoundA(nullptr, 0);
    FurnitureStore& f = TheFurniture();
    for (Picture& p : f.tiles) p.reset();
    f.tilesLookedFor = {};
    for (Picture& p : f.backgroundThumbnails) p.reset();
    for (Picture& p : f.cardSetThumbnails) p.reset();
    f.thumbnailsLookedFor = {};
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

void WarmSounds()
{
    SoundSystem& system = TheSoundSystem();
    if (system.warming || system.used) return;
    system.used = true;
    system.warming = CreateThread(nullptr, 0, OpenSoundSystem, nullptr, 0, nullptr);
}

void PlayHostSound(core::Sound sound, core::SoundMode mode)
{
    const size_t i = static_cast<size_t>(sound);
    if (i >= Sounds().size() || !Sounds()[i].data) return;
    SoundSystem& system = TheSoundSystem();
    const bool opening = system.warming && !system.open;
    system.used = true;
    const UINT flags = SND_MEMORY | (mode == core::SoundMode::Async || opening ? SND_ASYNC : SND_SYNC);
    sndPlaySoundA(static_cast<LPCSTR>(Sounds()[i].data), flags);
}

}  // namespace furniture
