// A game module for the end-to-end tests. It deals a small fixed layout and
// lets the driver look inside the program: the menu states of the main
// window, the commands the window received, the entry points the host
// called and the stacks as the module sees them; the driver also sets what
// the module answers to presses and drops.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "../counters/process_counters.h"
#include "module_interface/tessel_module.h"
#include "probe_protocol.h"

namespace {

HWND g_host = nullptr;
HWND g_probe = nullptr;
WNDPROC g_hostProc = nullptr;
std::string g_stem;
std::map<int, int> g_commands;
int g_entries[probe::kEntryPoints] = {};
CardStack* g_stacks[probe::kStacks] = {};
int16_t g_hitAnswer = TS_HIT_NOTHING;
int32_t g_dropAnswer = 0;
int16_t g_lastHitCard = 0;
int g_sounds[probe::kSounds] = {};
uint32_t g_gameData = 0;
LRESULT g_loadedData = -2;
probe::SplashSeen g_splashAtInit = probe::kNoSplash;
int g_keyUps[256] = {};

using PlayProc = BOOL(WINAPI*)(LPCSTR, UINT);
PlayProc g_play = nullptr;

// Counts the host's sounds by their resource data, then plays them.
BOOL WINAPI SpyPlay(LPCSTR sound, UINT flags)
{
    HMODULE exe = GetModuleHandleA(nullptr);
    for (int i = 0; sound && i < probe::kSounds; ++i) {
        HRSRC found = FindResourceA(exe, probe::kSoundNames[i], "SOUND");
        if (found && LockResource(LoadResource(exe, found)) == sound) ++g_sounds[i];
    }
    return g_play ? g_play(sound, flags) : FALSE;
}

// Puts SpyPlay in one import table's slot of sndPlaySoundA, if it has one.
void SpyOnImport(BYTE* base, DWORD namesRva, DWORD slotsRva)
{
    auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + namesRva);
    auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + slotsRva);
    for (; names->u1.AddressOfData; ++names, ++slots) {
        if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
        auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
        if (lstrcmpA(reinterpret_cast<char*>(byName->Name), "sndPlaySoundA") != 0) continue;
        DWORD old = 0;
        VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE, &old);
        slots->u1.Function = reinterpret_cast<ULONG_PTR>(&SpyPlay);
        VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, old, &old);
    }
}

// The delay-load descriptor of winmm.dll in the program. MinGW's linker
// leaves the image's delay-import directory empty, so the descriptor is
// found by what it holds: the flag of relative addresses (1), then the
// address of the name "winmm.dll".
const IMAGE_DELAYLOAD_DESCRIPTOR* FindDelayLoadOfWinmm(BYTE* base, IMAGE_NT_HEADERS* nt)
{
    const IMAGE_DATA_DIRECTORY& listed = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT];
    if (listed.VirtualAddress) {
        for (auto* d = reinterpret_cast<IMAGE_DELAYLOAD_DESCRIPTOR*>(base + listed.VirtualAddress); d->DllNameRVA; ++d)
            if (lstrcmpiA(reinterpret_cast<char*>(base + d->DllNameRVA), "winmm.dll") == 0) return d;
        return nullptr;
    }
    const auto* sections = IMAGE_FIRST_SECTION(nt);
    const int count = nt->FileHeader.NumberOfSections;
    constexpr char kName[] = "winmm.dll";
    DWORD nameRva = 0;
    for (int s = 0; s < count && !nameRva; ++s) {
        const BYTE* at = base + sections[s].VirtualAddress;
        const DWORD size = sections[s].Misc.VirtualSize;
        for (DWORD i = 0; i + sizeof kName <= size && !nameRva; ++i)
            if (lstrcmpiA(reinterpret_cast<const char*>(at + i), kName) == 0) nameRva = sections[s].VirtualAddress + i;
    }
    for (int s = 0; s < count && nameRva; ++s) {
        BYTE* at = base + sections[s].VirtualAddress;
        const DWORD size = sections[s].Misc.VirtualSize;
        for (DWORD i = 0; i + sizeof(IMAGE_DELAYLOAD_DESCRIPTOR) <= size; i += 4) {
            auto* d = reinterpret_cast<IMAGE_DELAYLOAD_DESCRIPTOR*>(at + i);
            if (d->Attributes.AllAttributes == 1 && d->DllNameRVA == nameRva) return d;
        }
    }
    return nullptr;
}

// Puts SpyPlay in the program's import of sndPlaySoundA, whether winmm.dll
// is loaded with the program or at its first call (a delay-load import,
// whose slot would otherwise be overwritten by that first call).
void WatchSounds()
{
    g_play =
        reinterpret_cast<PlayProc>(reinterpret_cast<void*>(GetProcAddress(LoadLibraryA("winmm.dll"), "sndPlaySoundA")));
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* d = imports.VirtualAddress ? reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress)
                                          : nullptr;
         d && d->Name; ++d) {
        if (lstrcmpiA(reinterpret_cast<char*>(base + d->Name), "winmm.dll") == 0 && d->OriginalFirstThunk)
            SpyOnImport(base, d->OriginalFirstThunk, d->FirstThunk);
    }
    if (const IMAGE_DELAYLOAD_DESCRIPTOR* d = FindDelayLoadOfWinmm(base, nt))
        SpyOnImport(base, d->ImportNameTableRVA, d->ImportAddressTableRVA);
}

void Called(probe::Entry e) { ++g_entries[e]; }

LRESULT SendHost(UINT message, WPARAM wParam, const void* lParam)
{
    return SendMessageA(g_host, message, wParam, reinterpret_cast<LPARAM>(lParam));
}

// Counts the key releases the program's thread takes from its queue,
// whichever of its windows holds the keyboard focus (the main window or
// the table's keyboard window).
HHOOK g_keySpy = nullptr;

LRESULT CALLBACK KeySpy(int code, WPARAM removal, LPARAM lParam)
{
    const MSG* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && removal == PM_REMOVE && msg->message == WM_KEYUP && msg->wParam < 256)
        ++g_keyUps[msg->wParam];
    return CallNextHookEx(g_keySpy, code, removal, lParam);
}

// Watches the commands the main window receives, then hands them on.
LRESULT CALLBACK HostSpy(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND) ++g_commands[LOWORD(wParam)];
    return CallWindowProcA(g_hostProc, window, message, wParam, lParam);
}

HMENU MenuAt(int top)
{
    HMENU bar = GetMenu(g_host);
    return top == probe::kMenuBar ? bar : GetSubMenu(bar, top);
}

LRESULT StackCard(int stack, int card)
{
    if (stack < 0 || stack >= probe::kStacks || !g_stacks[stack]) return -1;
    const CardStack* s = g_stacks[stack];
    if (card < 0 || card >= s->count) return -1;
    const CardEntry& c = s->cards[card];
    return c.image | (c.faceDown ? 1 << 16 : 0) | (c.mark ? 1 << 17 : 0);
}

LRESULT SlideTopCard(int from, int to)
{
    if (from < 0 || from >= probe::kStacks || to < 0 || to >= probe::kStacks || !g_stacks[from]) return -1;
    CardMove move{g_stacks[from], g_stacks[to], 0, TS_SLIDE, 1};
    const DWORD start = GetTickCount();
    SendHost(HM_MOVECARD, 0, &move);
    return static_cast<LRESULT>(GetTickCount() - start);
}

// A point on card `card` of a stack fanned down, in the host's client area
// (small cards: 45 wide, fanned 10 apart; the table centred below the strip).
POINT OnCard(int stack, int card)
{
    RECT client;
    GetClientRect(g_host, &client);
    const int x = (client.right - probe::kTableWidth) / 2;
    const int y = (client.bottom - probe::kTableHeight - 32) / 2 + 32;
    return {(x < 0 ? 0 : x) + probe::kStackX[stack] + 22, (y < 0 ? 0 : y) + probe::kStackY + card * 10 + 5};
}

void Mouse(UINT message, POINT p, WPARAM keys) { SendMessageA(g_host, message, keys, MAKELPARAM(p.x, p.y)); }

void Command(int id) { SendMessageA(g_host, WM_COMMAND, static_cast<WPARAM>(id), 0); }

LRESULT PlayRounds(WPARAM rounds)
{
    const int16_t hit = g_hitAnswer;
    const int32_t drop = g_dropAnswer;
    g_hitAnswer = TS_HIT_DRAG_RUN;
    g_dropAnswer = 1;
    for (WPARAM i = 0; i < rounds; ++i) {
        Command(113);  // deal again
        const POINT from = OnCard(0, 2), to = OnCard(1, 0);
        Mouse(WM_LBUTTONDOWN, from, MK_LBUTTON);
        for (int step = 1; step <= 4; ++step)
            Mouse(WM_MOUSEMOVE, {from.x + (to.x - from.x) * step / 4, from.y + (to.y - from.y) * step / 4}, MK_LBUTTON);
        Mouse(WM_LBUTTONUP, to, 0);
        Command(107);
        Command(107);
        SlideTopCard(1, 0);
        const POINT covered = OnCard(0, 0);
        Mouse(WM_RBUTTONDOWN, covered, MK_RBUTTON);
        Mouse(WM_RBUTTONUP, covered, 0);
        Command(4000 + static_cast<int>(i % 4));
    }
    g_hitAnswer = hit;
    g_dropAnswer = drop;
    return static_cast<LRESULT>(rounds);
}

LRESULT Answer(UINT request, WPARAM wParam, LPARAM lParam)
{
    const int top = static_cast<int>(wParam);
    const int position = static_cast<int>(lParam);
    switch (request) {
    case probe::kMenuStateById: return GetMenuState(GetMenu(g_host), static_cast<UINT>(wParam), MF_BYCOMMAND);
    case probe::kMenuItemCount: return GetMenuItemCount(MenuAt(top));
    case probe::kMenuItemId: return static_cast<int>(GetMenuItemID(MenuAt(top), position));
    case probe::kMenuItemState: return GetMenuState(MenuAt(top), position, MF_BYPOSITION);
    case probe::kMenuItemText: {
        char text[256] = {};
        int length = GetMenuStringA(MenuAt(top), position, text, sizeof text, MF_BYPOSITION);
        SetWindowTextA(g_probe, text);
        return length;
    }
    case probe::kCommandCount: return g_commands[static_cast<int>(wParam)];
    case probe::kEntryCount: return wParam < probe::kEntryPoints ? g_entries[wParam] : -1;
    case probe::kSetHitAnswer: g_hitAnswer = static_cast<int16_t>(wParam); return 0;
    case probe::kSetDropAnswer: g_dropAnswer = static_cast<int32_t>(wParam); return 0;
    case probe::kStackCount: {
        const int stack = static_cast<int>(wParam);
        return stack >= 0 && stack < probe::kStacks && g_stacks[stack] ? g_stacks[stack]->count : -1;
    }
    case probe::kStackCard: return StackCard(static_cast<int>(wParam), position);
    case probe::kLastHitCard: return g_lastHitCard;
    case probe::kSlideTopCard: return SlideTopCard(static_cast<int>(wParam), position);
    case probe::kSendGameWon: return SendHost(HM_GAMEWON, 0, nullptr);
    case probe::kSendGameLost: return SendHost(HM_GAMELOST, 0, nullptr);
    case probe::kSoundCount: return wParam < probe::kSounds ? g_sounds[wParam] : -1;
    case probe::kTakeCapture:
        SetCapture(g_probe);
        ReleaseCapture();
        return 0;
    case probe::kGdiObjects: return e2e::CountGdiObjects();
    case probe::kHeapBytes: return e2e::HeapBytes();
    case probe::kPlayRounds: return PlayRounds(wParam);
    case probe::kSplashAtInit: return g_splashAtInit;
    case probe::kKeyUpCount: return wParam < 256 ? g_keyUps[wParam] : -1;
    case probe::kSetTexts: {
        char score[32];
        std::snprintf(score, sizeof score, "Score: %u", static_cast<unsigned>(wParam));
        SendHost(HM_SETMESSAGE, 0, "Probe message");
        return SendHost(HM_SETSCORE, 0, score);
    }
    case probe::kSetDataBlock: g_gameData = static_cast<uint32_t>(wParam); return 0;
    case probe::kLoadedData: return g_loadedData;
    default: return 0;
    }
}

LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message > WM_APP && message <= probe::kLastRequest) return Answer(message, wParam, lParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

// The stem this copy of the probe was installed under: its file name.
std::string OwnStem(HMODULE self)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(self, path, sizeof path);
    std::string name = path;
    name = name.substr(name.find_last_of("\\/") + 1);
    return name.substr(0, name.find('.'));
}

HMODULE PinSelf()
{
    // The probe stays loaded until the process ends: the host unloads its
    // modules inside WM_DESTROY, which runs through the probe's spy.
    HMODULE self = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                       reinterpret_cast<LPCSTR>(&ProbeProc), &self);
    return self;
}

void OpenProbeWindow(HMODULE self)
{
    static std::string className = probe::kWindowClassPrefix + g_stem;
    WNDCLASSA wc{};
    wc.lpfnWndProc = ProbeProc;
    wc.hInstance = self;
    wc.lpszClassName = className.c_str();
    RegisterClassA(&wc);
    g_probe = CreateWindowExA(0, className.c_str(), "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, self, nullptr);
}

CardStack* CreateStack(int x, int16_t fan)
{
    StackSpec spec{0, x, probe::kStackY, TS_BASE_EMPTY, fan, 52, 0};
    return reinterpret_cast<CardStack*>(SendHost(HM_CREATESTACK, 0, &spec));
}

void AddCard(CardStack* stack, uint8_t image)
{
    CardPlacement card{stack, 0, 0, image, 0};
    SendHost(HM_ADDCARD, 0, &card);
}

}  // namespace

extern "C" {

struct SplashSearch {
    HWND owner, found;
};

BOOL CALLBACK TakeSplash(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<SplashSearch*>(context);
    char cls[16] = "";
    GetClassNameA(window, cls, sizeof cls);
    if (std::strcmp(cls, "#32770") != 0 || !IsWindowVisible(window) || GetWindow(window, GW_OWNER) != search->owner)
        return TRUE;
    search->found = window;
    return FALSE;
}

// A visible dialog of the host's, shown while the modules load: the splash.
HWND FindSplash()
{
    SplashSearch search{g_host, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), TakeSplash, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Start-up runs no message loop, so a splash that waits for a paint message
// stays blank until start-up ends.
probe::SplashSeen LookAtSplash()
{
    HWND splash = FindSplash();
    if (!splash) return probe::kNoSplash;
    bool waiting = GetUpdateRect(splash, nullptr, FALSE) != 0;
    for (HWND c = GetWindow(splash, GW_CHILD); c && !waiting; c = GetWindow(c, GW_HWNDNEXT))
        waiting = IsWindowVisible(c) && GetUpdateRect(c, nullptr, FALSE) != 0;
    return waiting ? probe::kSplashUnpainted : probe::kSplashPainted;
}

int32_t TS_CALL TSInitModule(TSWindow host, char* name, int32_t* extent)
{
    Called(probe::kInitModule);
    g_host = static_cast<HWND>(host);
    g_splashAtInit = LookAtSplash();
    HMODULE self = PinSelf();
    g_stem = OwnStem(self);
    std::snprintf(name, TS_NAME_BYTES, "%s%s", probe::kGameNamePrefix, g_stem.c_str());
    extent[0] = probe::kTableWidth;
    extent[1] = probe::kTableHeight;
    char size[32] = "";
    int width = 0, height = 0;
    if (GetEnvironmentVariableA(probe::kExtentVariable, size, sizeof size) > 0 &&
        std::sscanf(size, "%dx%d", &width, &height) == 2) {
        extent[0] = width;
        extent[1] = height;
    }
    OpenProbeWindow(self);
    WatchSounds();
    g_hostProc =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(g_host, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HostSpy)));
    g_keySpy = SetWindowsHookExA(WH_GETMESSAGE, KeySpy, nullptr, GetCurrentThreadId());
    return 1;
}

void TS_CALL TSCloseModule(void)
{
    Called(probe::kCloseModule);
    if (g_keySpy) UnhookWindowsHookEx(g_keySpy);
    g_keySpy = nullptr;
    if (g_probe) DestroyWindow(g_probe);
}

int32_t TS_CALL TSNewGame(void)
{
    Called(probe::kNewGame);
    uint8_t deck[TS_CARDS];
    for (int i = 0; i < TS_CARDS; ++i) deck[i] = static_cast<uint8_t>(i);
    SendHost(HM_SHUFFLE, TS_CARDS, deck);
    g_stacks[0] = CreateStack(probe::kStackX[0], TS_FAN_DOWN);
    g_stacks[1] = CreateStack(probe::kStackX[1], TS_FAN_DOWN);
    g_stacks[2] = CreateStack(probe::kStackX[2], TS_FAN_SQUARED);
    for (int i = 0; i < probe::kDealtOnFirstStack; ++i) AddCard(g_stacks[0], deck[i]);
    AddCard(g_stacks[2], deck[probe::kDealtOnFirstStack]);
    return 1;
}

// A loaded game brings its own stacks: the probe answers about them, and
// tells what data block came with them.
void TS_CALL TSLoadGame(CardStack** stacks, int16_t count, TSMemory data)
{
    Called(probe::kLoadGame);
    for (int i = 0; i < probe::kStacks; ++i) g_stacks[i] = i < count ? stacks[i] : nullptr;
    g_loadedData = -1;
    if (data && GlobalSize(data) >= sizeof(uint32_t)) {
        if (const void* p = GlobalLock(data)) {
            uint32_t value = 0;
            std::memcpy(&value, p, sizeof value);
            g_loadedData = static_cast<LRESULT>(value);
            GlobalUnlock(data);
        }
    }
}
TSMemory TS_CALL TSGetGameData(void)
{
    Called(probe::kGetGameData);
    if (!g_gameData) return nullptr;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof g_gameData);
    if (void* p = block ? GlobalLock(block) : nullptr) {
        std::memcpy(p, &g_gameData, sizeof g_gameData);
        GlobalUnlock(block);
    }
    return block;
}
#ifndef PROBE_WITHOUT_SET_GAME_DATA
void TS_CALL TSSetGameData(void) { Called(probe::kSetGameData); }
#endif

void TS_CALL TSSetupOptionsMenu(void)
{
    Called(probe::kSetupOptionsMenu);
    // Three options as the first Game List stem, one as any other, so that
    // a change of game is seen replacing them.
    const int options = g_stem == "FREECELL" ? 3 : 1;
    for (int i = 0; i < options; ++i) {
        char text[64];
        std::snprintf(text, sizeof text, "%s option %d", g_stem.c_str(), i);
        SendHost(HM_ADDOPTION, static_cast<WPARAM>(i), text);
    }
}

void TS_CALL TSOptionSelected(int32_t) { Called(probe::kOptionSelected); }
void TS_CALL TSAutoPlay(void) { Called(probe::kAutoPlay); }
int16_t TS_CALL TSMouseHit(CardStack*, int16_t card)
{
    Called(probe::kMouseHit);
    g_lastHitCard = card;
    return g_hitAnswer;
}
void TS_CALL TSDoubleClick(CardStack*, int16_t) { Called(probe::kDoubleClick); }
int32_t TS_CALL TSOkToDropCards(CardStack*, CardStack*)
{
    Called(probe::kOkToDropCards);
    return g_dropAnswer;
}
void TS_CALL TSStackChanged(CardStack*) { Called(probe::kStackChanged); }
void TS_CALL TSPrepareForUndo(void) { Called(probe::kPrepareForUndo); }
void TS_CALL TSUndo(void) { Called(probe::kUndo); }
int16_t TS_CALL TSGetScore(void)
{
    Called(probe::kGetScore);
    return 7;
}

}  // extern "C"
