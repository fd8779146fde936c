#include "shell/win/startup.h"

#include <cstring>

#include "core/win/app.h"
#include "platform/win/executable_folder.h"
#include "core/win/surfaces.h"
#include "platform/win/visual_styles.h"
#include "furniture/win/furniture.h"
#include "modules/game_flow.h"
#include "modules/win/module_prefetch.h"
#include "modules/win/module_table.h"
#include "persistence/win/resume.h"
#include "persistence/win/saved_game.h"
#include "resources/resource.h"
#include "shell/command_tail.h"
#include "shell/win/placement.h"
#include "shell/win/save_points.h"
#include "shell/win/services.h"
#include "shell/win/startup_trace.h"
#include "table/win/card_images.h"

namespace shell {

namespace {

constexpr DWORD kMainExStyle = 0x40310;  // app window, raised edge, sunken client, accepts files
constexpr int kStartTableSize = 400;

HWND CreateMainWindow(HINSTANCE instance)
{
    const table::Rect r = WindowRectForTable(kStartTableSize, kStartTableSize).window;
    return CreateWindowExA(kMainExStyle, core::kMainClassName, core::kProgramTitle, WS_OVERLAPPEDWINDOW, r.left, r.top,
                           r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance, nullptr);
}

void CheckOptionItems(HWND window)
{
    HMENU menu = GetMenu(window);
    const core::HostState& state = core::TheCore().state;
    CheckMenuItem(menu, IDM_AUTOPLAY, MF_BYCOMMAND | (state.autoPlay ? MF_CHECKED : MF_UNCHECKED));
    CheckMenuItem(menu, IDM_SOUNDS, MF_BYCOMMAND | (state.sounds ? MF_CHECKED : MF_UNCHECKED));
}

// What registering for dropped files amounts to, without loading the
// shell's library before a file is dropped.
void AcceptDroppedFiles(HWND window)
{
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_EXSTYLE);
    SetWindowLongPtrA(window, GWL_EXSTYLE, style | WS_EX_ACCEPTFILES);
}

// A saved game named on the command line. True when it loaded.
bool OpenCommandLineGame(const char* tail)
{
    const auto path = SavedGamePathFromTail(tail);
    if (!path) return false;
    core::App& app = core::TheApp();
    std::memcpy(app.commandPath, path->c_str(), path->size() + 1);
    return persistence::LoadGameFile(app.commandPath);
}

// Opens the card libraries beside the program. The menu item of a size
// whose library is missing is greyed where the menu still has it; with
// neither library the player is told and start-up cannot go on.
bool OpenCardLibraries(HWND window)
{
    const table::CardLibrariesFound found = table::OpenCardLibraries();
    HMENU menu = GetMenu(window);
    if (!found.small) EnableMenuItem(menu, IDM_SMALLCARDS, MF_BYCOMMAND | MF_GRAYED);
    if (!found.large) EnableMenuItem(menu, IDM_LARGECARDS, MF_BYCOMMAND | MF_GRAYED);
    if (found.any()) return true;
    platform::ApplyVisualStyles();
    MessageBoxA(nullptr,
                "Lumora Solitaire cannot find the card libraries \"DECKMINI.DLL\" or \"DECKMAXI.DLL\". "
                "It cannot run without at least one of these libraries.",
                "Lumora Solitaire Error", MB_OK | MB_ICONSTOP);
    return false;
}

// Tears down a start-up that cannot go on; nothing stored is replaced.
bool Abandon(HWND window)
{
    core::TheApp().startupFailed = true;
    if (window) DestroyWindow(window);
    modules::ReleaseModulePrefetch();
    return false;
}

}  // namespace

bool StartUp(HINSTANCE instance, int showCommand, const char* commandTail)
{
    // Every file the program keeps or opens lies beside it; from a folder
    // too deep for their paths nothing could be found or kept.
    if (platform::ExecutableFolder().empty()) {
        platform::ApplyVisualStyles();
        MessageBoxA(nullptr,
                    "Lumora Solitaire cannot run from this folder because its path is too long. "
                    "Move the folder that holds lumora.exe to a place with a shorter path, "
                    "such as your Documents folder.",
                    "Lumora Solitaire Error", MB_OK | MB_ICONSTOP);
        return false;
    }
    core::App& app = core::TheApp();
    app.instance = instance;
    app.accelerators = LoadAcceleratorsA(instance, "TSLNACC");
    modules::StartModulePrefetch();  // the module files load while the windows are made

    HWND window = CreateMainWindow(instance);
    app.mainWindow = window;
    if (!window || !core::TheSurfaces().backBuffer) return Abandon(window);
    TraceStartup("main window created");

    persistence::RestoreHostState();
    TraceStartup("host state restored");
    ReadSettingsAndAssociate(showCommand);
    TraceStartup("settings read, association written");
    ShowSplash();
    TraceStartup("splash shown");
    furniture::LoadFurniture(core::MainPictureSurface());
    TraceStartup("furniture loaded");
    if (!OpenCardLibraries(window)) {
        CloseSplash();
        return Abandon(window);
    }
    TraceStartup("card libraries opened");
    modules::BuildGameList(window);
    TraceStartup("game modules loaded");
    if (core::TheCore().state.sounds) furniture::WarmSounds();
    furniture::BuildPictureMenus(window);
    TraceStartup("picture menus built");
    const bool resumed = persistence::ReadScoresAndResume();
    TraceStartup("scores read, resume file looked for");
    CheckOptionItems(window);
    CloseSplash();
    TraceStartup("splash closed");
    AcceptDroppedFiles(window);
    const bool loaded = OpenCommandLineGame(commandTail);
    if (!resumed && !loaded) modules::ChooseStartupGame(core::TheCore());
    TraceStartup("first game chosen");
    ApplySavedPlacement(showCommand);
    TraceStartup("window shown");
    RegisterForRestart();
    platform::ApplyVisualStyles();
    TraceStartup("visual styles applied");
    return true;
}

}  // namespace shell
