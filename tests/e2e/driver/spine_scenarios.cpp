// The program's spine: its window, menus, accelerators, command dispatch,
// command line and the three ways to end it.
#include <string>

#include "checks.h"
#include "probe_client.h"
#include "program.h"
#include "resources/resource.h"

namespace {

using e2e::ProbeClient;
using e2e::Program;

enum Menu { kGame = 0, kGameList = 1, kOptions = 2, kHelp = 3 };
constexpr int kSeparator = 0;
constexpr int kSubmenu = -1;
constexpr char kTitle[] = "Lumora Solitaire";

using e2e::InstallProbe;

bool Grayed(UINT state) { return state != 0xFFFFFFFF && (state & MF_GRAYED) != 0; }

struct MenuItem {
    const char* text;
    int id;  // kSeparator or kSubmenu for those
    bool grayed;
};

std::string Describe(const char* text, int id, bool grayed)
{
    return std::string(text) + " | " + std::to_string(id) + (grayed ? " | grayed" : "");
}

void CheckMenu(const ProbeClient& probe, int top, std::initializer_list<MenuItem> expected)
{
    CHECK_EQ(probe.MenuItemCount(top), static_cast<int>(expected.size()));
    int position = 0;
    for (const MenuItem& item : expected) {
        const std::string text = probe.MenuItemText(top, position);
        const UINT state = probe.MenuItemState(top, position);
        if (item.id == kSeparator) {
            // A separator is never chosen; only its kind matters.
            CHECK_EQ(state & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
            ++position;
            continue;
        }
        const bool grayed = Grayed(state);
        CHECK_EQ(Describe(text.c_str(), probe.MenuItemId(top, position), grayed),
                 Describe(item.text, item.id, item.grayed));
        ++position;
    }
}

// Ends the program through the menu and expects a clean exit.
void ExitThroughMenu(Program& program)
{
    program.PostCommand(IDM_EXIT);
    CHECK_EQ(program.WaitForExit(), 0L);
}

}  // namespace

SCENARIO(title_and_exit_command)
{
    Program program;
    REQUIRE(program.started());
    HWND main = program.WaitForMainWindow();
    REQUIRE(main != nullptr);
    CHECK_EQ(e2e::WindowText(main), std::string(kTitle));
    CHECK(program.VisibleDialogs().empty());
    ExitThroughMenu(program);
}

SCENARIO(exit_with_ctrl_q)
{
    Program program;
    REQUIRE(program.WaitForMainWindow() != nullptr);
    program.PressKey('Q', true);
    CHECK_EQ(program.WaitForExit(), 0L);
}

SCENARIO(exit_with_window_close)
{
    Program program;
    HWND main = program.WaitForMainWindow();
    REQUIRE(main != nullptr);
    PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    CHECK_EQ(program.WaitForExit(), 0L);
}

SCENARIO(menu_as_built)
{
    REQUIRE(InstallProbe());
    Program program;
    REQUIRE(program.WaitForMainWindow() != nullptr);
    ProbeClient probe(program.pid());
    REQUIRE(probe.found());

    CheckMenu(probe, probe::kMenuBar,
              {{"Game", kSubmenu, false},
               {"Game List", kSubmenu, false},
               {"Options", kSubmenu, false},
               {"Help", kSubmenu, false}});
    CheckMenu(probe, kGame,
              {{"&New Game\tctrl+N", 102, true},
               {"&Replay Game\tctrl+R", 113, true},
               {"&Undo\tctrl+Z", 107, true},
               {"", kSeparator, false},
               {"L&oad Game...\tctrl+O", 103, false},
               {"&Save Game...\tctrl+S", 104, true},
               {"Score &History", 120, false},
               {"", kSeparator, false},
               {"E&xit\tctrl+Q", 106, false}});
    // The resource's placeholder is gone; the probe is the only game.
    CheckMenu(probe, kGameList, {{"Probe FREECELL", 1000, false}});
    // "Card sizes" is deleted when the window is created.
    CheckMenu(probe, kOptions,
              {{"&Auto Play", 108, false},
               {"&Sounds", 109, false},
               {"Backgrounds", kSubmenu, false},
               {"", kSeparator, false},
               {"Card sets", kSubmenu, false}});
    CHECK_EQ(probe.MenuState(IDM_SMALLCARDS), 0xFFFFFFFFu);
    CHECK_EQ(probe.MenuState(IDM_LARGECARDS), 0xFFFFFFFFu);
    CheckMenu(probe, kHelp,
              {{"&Contents\tF1", 110, false},
               {"&Search...", 111, false},
               {"", kSeparator, false},
               {"&About Lumora Solitaire", 101, false}});
    // A first run: Auto Play off, Sounds on.
    CHECK_EQ(probe.MenuState(IDM_AUTOPLAY) & MF_CHECKED, 0u);
    CHECK_EQ(probe.MenuState(IDM_SOUNDS) & MF_CHECKED, static_cast<UINT>(MF_CHECKED));
    ExitThroughMenu(program);
}

SCENARIO(accelerators_of_grayed_items_do_nothing)
{
    REQUIRE(InstallProbe());
    Program program;
    HWND main = program.WaitForMainWindow();
    REQUIRE(main != nullptr);
    ProbeClient probe(program.pid());
    REQUIRE(probe.found());

    struct Key {
        WORD key;
        int command;
    };
    for (Key k : {Key{'N', 102}, Key{'R', 113}, Key{'Z', 107}, Key{'S', 104}}) {
        CHECK(Grayed(probe.MenuState(k.command)));
        const int releases = static_cast<int>(probe.Ask(probe::kKeyUpCount, VK_CONTROL));
        program.PressKey(k.key, true);
        // The control key's release comes after the letter: once the window
        // has it, the accelerator had its chance.
        for (int i = 0; i < 250 && probe.Ask(probe::kKeyUpCount, VK_CONTROL) == releases; ++i) Sleep(20);
        CHECK_EQ(static_cast<int>(probe.Ask(probe::kKeyUpCount, VK_CONTROL)), releases + 1);
        CHECK_EQ(probe.CommandCount(k.command), 0);
    }
    CHECK(program.VisibleDialogs().empty());
    CHECK_EQ(e2e::WindowText(main), std::string(kTitle));

    // The accelerators of enabled items do reach the window.
    program.PressKey('O', true);
    CHECK_EQ(probe.CommandCount(IDM_LOADGAME), 1);
    HWND load = program.WaitForDialog("Load Saved Game");
    REQUIRE(load != nullptr);
    e2e::ClickButton(load, IDCANCEL);
    CHECK(e2e::WaitGone(load));
    program.Settle();
    CHECK(program.VisibleDialogs().empty());  // cancelling loads nothing, reports nothing
    CHECK_EQ(e2e::WindowText(main), std::string(kTitle));
    CHECK_EQ(probe.EntryCount(probe::kLoadGame), 0);
    ExitThroughMenu(program);
}

SCENARIO(commands_outside_their_ranges_do_nothing)
{
    REQUIRE(InstallProbe());
    Program program;
    HWND main = program.WaitForMainWindow();
    REQUIRE(main != nullptr);
    ProbeClient probe(program.pid());
    REQUIRE(probe.found());

    // One module: 1000 + 1 is past the Game List; 5000 is past no options.
    for (int id : {1001, 3006, 4004, 5000, 100, 121}) {
        program.SendCommand(id);
        CHECK_EQ(probe.CommandCount(id), 1);
    }
    CHECK(program.IsRunning());
    CHECK(program.VisibleDialogs().empty());
    CHECK_EQ(e2e::WindowText(main), std::string(kTitle));
    CHECK_EQ(probe.EntryCount(probe::kSetupOptionsMenu), 0);
    CHECK_EQ(probe.EntryCount(probe::kOptionSelected), 0);
    CHECK_EQ(probe.EntryCount(probe::kNewGame), 0);
    CHECK_EQ(probe.MenuItemCount(kOptions), 5);
    ExitThroughMenu(program);
}

SCENARIO(game_command_without_modules_does_nothing)
{
    Program program;
    HWND main = program.WaitForMainWindow();
    REQUIRE(main != nullptr);
    program.SendCommand(IDM_GAMELIST_FIRST);
    program.SendCommand(IDM_NEWGAME);  // New Game with no game chosen
    program.SendCommand(IDM_REPLAY);
    CHECK(program.IsRunning());
    CHECK(program.VisibleDialogs().empty());
    CHECK_EQ(e2e::WindowText(main), std::string(kTitle));
    ExitThroughMenu(program);
}

SCENARIO(command_tail_rules)
{
    // Ignored tails: the window comes up with no message.
    for (const char* tail : {"x", "\"\""}) {
        Program program(tail);
        HWND main = program.WaitForMainWindow();
        REQUIRE(main != nullptr);
        CHECK(program.VisibleDialogs().empty());
        ExitThroughMenu(program);
    }
    // A path with blanks, with and without its quotes, names the same file.
    for (const char* tail : {"no such game.tsg", "\"no such game.tsg\""}) {
        Program program(tail);
        HWND box = program.WaitForDialog("Load Game Error 1");
        REQUIRE(box != nullptr);
        CHECK_EQ(e2e::MessageBoxText(box), std::string("Couldn't open game file: no such game.tsg"));
        e2e::ClickButton(box, IDOK);
        REQUIRE(program.WaitForMainWindow() != nullptr);  // start-up goes on
        ExitThroughMenu(program);
    }
}
