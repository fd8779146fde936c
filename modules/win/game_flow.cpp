#include "modules/win/game_flow.h"

#include "modules/tessel_module.h"
#include "resources/resource.h"
#include "shell/win/app.h"

namespace modules {

namespace {

constexpr int kStartupRow = 6;

struct GameFlags {
    bool autoPlay = false;
    bool sounds = true;
    bool gameInPlay = false;
    int currentModule = -1;
};

GameFlags& Flags()
{
    static GameFlags flags;
    return flags;
}

void SetCheck(int command, bool on)
{
    CheckMenuItem(GetMenu(shell::TheApp().mainWindow), command,
                  MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace

// Dealing and playing arrive with the game flow; until then a game row can
// be listed but not chosen.
void ChooseGame(int /*row*/) {}
void DealGame() {}
void UndoMove() {}
void SelectOption(int /*option*/) {}

void ChooseStartupGame()
{
    ChooseGame(kStartupRow);
}

void ToggleAutoPlay()
{
    GameFlags& f = Flags();
    f.autoPlay = !f.autoPlay;
    SetCheck(IDM_AUTOPLAY, f.autoPlay);
}

void ToggleSounds()
{
    GameFlags& f = Flags();
    f.sounds = !f.sounds;
    SetCheck(IDM_SOUNDS, f.sounds);
}

bool GameInPlay()
{
    return Flags().gameInPlay;
}

int CurrentModule()
{
    return Flags().currentModule;
}

bool AutoPlayOn()
{
    return Flags().autoPlay;
}

bool SoundsOn()
{
    return Flags().sounds;
}

LRESULT HandleServiceMessage(HWND /*window*/, UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    switch (message) {
    case HM_QUERYHOST: return 1;
    case HM_GETAUTOPLAY: return Flags().autoPlay ? 1 : 0;
    default: return 0;
    }
}

}  // namespace modules
