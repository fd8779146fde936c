// WM_COMMAND: one numbering for the whole program. Each command calls the
// core, or the window layer's own dialogs, directly.
#include <windows.h>

#include "core/win/app.h"
#include "modules/card_choice.h"
#include "interaction/undo.h"
#include "modules/game_flow.h"
#include "persistence/win/saved_game.h"
#include "resources/resource.h"
#include "shell/command_ranges.h"
#include "shell/win/main_window.h"
#include "shell/win/services.h"
#include "shell/win/startup_trace.h"

namespace shell {

namespace {

struct FixedCommand {
    int id;
    void (*run)(HWND window, core::HostCore& core);
};

constexpr FixedCommand kFixedCommands[] = {
    {IDM_ABOUT, [](HWND, core::HostCore&) { ShowAbout(); }},
    {IDM_NEWGAME, [](HWND, core::HostCore& core) { modules::NewGame(core); }},
    {IDM_LOADGAME, [](HWND, core::HostCore&) { persistence::ShowLoadGameDialog(); }},
    {IDM_SAVEGAME, [](HWND, core::HostCore&) { persistence::ShowSaveGameDialog(); }},
    {IDM_EXIT, [](HWND window, core::HostCore&) { DestroyWindow(window); }},
    {IDM_UNDO, [](HWND, core::HostCore& core) { interaction::Undo(core); }},
    {IDM_AUTOPLAY, [](HWND, core::HostCore& core) { modules::ToggleAutoPlay(core); }},
    {IDM_SOUNDS, [](HWND, core::HostCore& core) { modules::ToggleSounds(core); }},
    {IDM_HELPCONTENTS, [](HWND, core::HostCore&) { ShowHelpContents(); }},
    {IDM_HELPSEARCH, [](HWND, core::HostCore&) { ShowHelpSearch(); }},
    {IDM_REPLAY,
     [](HWND, core::HostCore& core) {
         TraceStartup("deal begins");
         modules::Deal(core);
         TraceStartup("dealt");
     }},
    {IDM_SMALLCARDS, [](HWND, core::HostCore& core) { modules::SelectCardSize(core, table::CardSize::Small, true); }},
    {IDM_LARGECARDS, [](HWND, core::HostCore& core) { modules::SelectCardSize(core, table::CardSize::Large, true); }},
    {IDM_SCOREHISTORY, [](HWND, core::HostCore&) { ShowScoreHistory(); }},
};

void RunFixedCommand(HWND window, core::HostCore& core, int id)
{
    for (const FixedCommand& command : kFixedCommands) {
        if (command.id == id) {
            command.run(window, core);
            return;
        }
    }
}

}  // namespace

void OnCommand(HWND window, int id, HWND, UINT)
{
    core::HostCore& core = core::TheCore();
    const Command command = ClassifyCommand(id, core.flow.optionCount, core.modules.count);
    switch (command.kind) {
    case CommandKind::ModuleOption: modules::SelectOption(core, id); break;
    case CommandKind::CardSet: modules::SelectCardSet(core, static_cast<int16_t>(command.index), true); break;
    case CommandKind::Background: modules::SelectBackground(core, static_cast<int16_t>(command.index)); break;
    case CommandKind::GameRow: modules::ChooseGame(core, command.index); break;
    case CommandKind::Fixed: RunFixedCommand(window, core, command.index); break;
    case CommandKind::None: break;
    }
}

}  // namespace shell
