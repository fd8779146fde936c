#include "modules/win/game_flow.h"

#include "modules/game_flow.h"
#include "modules/service_messages.h"
#include "core/win/app.h"

namespace modules {

namespace {
constexpr int kStartupRow = 6;
}

void ChooseGameRow(int row)
{
    ChooseGame(core::TheCore(), row);
}

void NewGameCommand()
{
    NewGame(core::TheCore());
}

void ReplayCommand()
{
    Deal(core::TheCore());
}

void UndoCommand()
{
    Undo(core::TheCore());
}

void ToggleAutoPlayCommand()
{
    ToggleAutoPlay(core::TheCore());
}

void ToggleSoundsCommand()
{
    core::HostCore& core = core::TheCore();
    core.state.sounds = core.state.sounds == 0 ? 1 : 0;
    core.seam.CheckMenuItem(kCommandSounds, core.state.sounds != 0);
}

void OptionCommand(int command)
{
    SelectOption(core::TheCore(), command);
}

void ChooseStartupGame()
{
    ChooseGame(core::TheCore(), kStartupRow);
}

LRESULT HandleServiceMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return static_cast<LRESULT>(modules::HandleServiceMessage(
        core::TheCore(), message, static_cast<uintptr_t>(wParam), static_cast<intptr_t>(lParam)));
}

}  // namespace modules
