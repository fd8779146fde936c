#include "modules/win/game_flow.h"

#include "modules/game_flow.h"
#include "modules/service_messages.h"
#include "shell/win/host.h"

namespace modules {

namespace {
constexpr int kStartupRow = 6;
}

void ChooseGameRow(int row)
{
    ChooseGame(shell::TheCore(), row);
}

void NewGameCommand()
{
    NewGame(shell::TheCore());
}

void ReplayCommand()
{
    Deal(shell::TheCore());
}

void UndoCommand()
{
    Undo(shell::TheCore());
}

void ToggleAutoPlayCommand()
{
    ToggleAutoPlay(shell::TheCore());
}

void ToggleSoundsCommand()
{
    HostCore& core = shell::TheCore();
    core.state.sounds = core.state.sounds == 0 ? 1 : 0;
    core.seam.CheckMenuItem(kCommandSounds, core.state.sounds != 0);
}

void OptionCommand(int command)
{
    SelectOption(shell::TheCore(), command);
}

void ChooseStartupGame()
{
    ChooseGame(shell::TheCore(), kStartupRow);
}

LRESULT HandleServiceMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return static_cast<LRESULT>(modules::HandleServiceMessage(
        shell::TheCore(), message, static_cast<uintptr_t>(wParam), static_cast<intptr_t>(lParam)));
}

}  // namespace modules
