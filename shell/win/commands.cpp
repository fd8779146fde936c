// WM_COMMAND: one numbering for the whole program.
#include <windows.h>

#include "furniture/win/furniture.h"
#include "modules/card_choice.h"
#include "modules/win/game_flow.h"
#include "persistence/win/resume.h"
#include "persistence/win/saved_game.h"
#include "resources/resource.h"
#include "shell/command_ranges.h"
#include "core/win/app.h"
#include "shell/win/main_window.h"
#include "shell/win/services.h"

namespace shell {

namespace {

void Exit(HWND window)
{
    DestroyWindow(window);
}

void NewGame(HWND)
{
    modules::NewGameCommand();
}

void LoadGame(HWND)
{
    persistence::ShowLoadGameDialog();
}

void SaveGame(HWND)
{
    persistence::ShowSaveGameDialog();
}

void Undo(HWND)
{
    modules::UndoCommand();
}

void Replay(HWND)
{
    modules::ReplayCommand();
}

void AutoPlay(HWND)
{
    modules::ToggleAutoPlayCommand();
}

void Sounds(HWND)
{
    modules::ToggleSoundsCommand();
}

void SmallCards(HWND)
{
    modules::SelectCardSize(core::TheCore(), table::CardSize::Small, true);
}

void LargeCards(HWND)
{
    modules::SelectCardSize(core::TheCore(), table::CardSize::Large, true);
}

void About(HWND)
{
    ShowAbout();
}

void HelpContents(HWND)
{
    ShowHelpContents();
}

void HelpSearch(HWND)
{
    ShowHelpSearch();
}

void ScoreHistory(HWND)
{
    ShowScoreHistory();
}

struct FixedCommand {
    int id;
    void (*run)(HWND window);
};

constexpr FixedCommand kFixedCommands[] = {
    {IDM_ABOUT, About},
    {IDM_NEWGAME, NewGame},
    {IDM_LOADGAME, LoadGame},
    {IDM_SAVEGAME, SaveGame},
    {IDM_EXIT, Exit},
    {IDM_UNDO, Undo},
    {IDM_AUTOPLAY, AutoPlay},
    {IDM_SOUNDS, Sounds},
    {IDM_HELPCONTENTS, HelpContents},
    {IDM_HELPSEARCH, HelpSearch},
    {IDM_REPLAY, Replay},
    {IDM_SMALLCARDS, SmallCards},
    {IDM_LARGECARDS, LargeCards},
    {IDM_SCOREHISTORY, ScoreHistory},
};

void RunFixedCommand(HWND window, int id)
{
    for (const FixedCommand& command : kFixedCommands) {
        if (command.id == id) {
            command.run(window);
            return;
        }
    }
}

}  // namespace

void OnCommand(HWND window, int id, HWND, UINT)
{
    const core::HostCore& core = core::TheCore();
    const Command command = ClassifyCommand(id, core.flow.optionCount, core.modules.count);
    switch (command.kind) {
    case CommandKind::ModuleOption: modules::OptionCommand(id); break;
    case CommandKind::CardSet: modules::SelectCardSet(core::TheCore(), static_cast<int16_t>(command.index), true); break;
    case CommandKind::Background: furniture::SelectBackground(command.index); break;
    case CommandKind::GameRow: modules::ChooseGameRow(command.index); break;
    case CommandKind::Fixed: RunFixedCommand(window, command.index); break;
    case CommandKind::None: break;
    }
}

}  // namespace shell
