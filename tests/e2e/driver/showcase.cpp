// Pictures of a game played through the real program, for people to look
// at: the drag image over the table, a marked card, a slide in flight and
// the game-over dialog. Not a test; run it with LUMORA_E2E_IMAGES set to a
// Windows path:
//   LUMORA_E2E_IMAGES='Z:\tmp\shots' tests/e2e/run-scenario build/win64/bin showcase_probe_game
#include <cstdlib>
#include <string>

#include "capture.h"
#include "checks.h"
#include "platform/win/handles.h"
#include "module_interface/tessel_module.h"
#include "probe_client.h"
#include "program.h"
#include "resources/resource.h"

namespace {

// The whole screen area of a window, dialogs on top included.
e2e::Image CaptureAround(HWND window, int margin)
{
    RECT r;
    GetWindowRect(window, &r);
    e2e::Image image(r.right - r.left + 2 * margin, r.bottom - r.top + 2 * margin);
    platform::WindowDC screen(nullptr);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const COLORREF c = GetPixel(screen.get(), r.left - margin + x, r.top - margin + y);
            image.Set(x, y, e2e::Rgb(GetRValue(c), GetGValue(c), GetBValue(c)));
        }
    return image;
}

}  // namespace

MEASUREMENT(showcase_probe_game)
{
    REQUIRE(e2e::InstallProbe());
    e2e::Program program;
    HWND main = program.WaitForMainWindow();
    REQUIRE(main != nullptr);
    e2e::ProbeClient probe(program.pid());
    REQUIRE(probe.found());
    program.SendCommand(IDM_GAMELIST_FIRST);
    for (int i = 0; i < 250 && probe.StackCount(0) != probe::kDealtOnFirstStack; ++i) Sleep(20);
    program.Settle();
    e2e::KeepImage(e2e::CaptureClient(main), "1-dealt");

    RECT client;
    GetClientRect(main, &client);
    const int ox = (client.right - probe::kTableWidth) / 2 > 0 ? (client.right - probe::kTableWidth) / 2 : 0;
    const int oy = (client.bottom - probe::kTableHeight - 32) / 2 + 32;
    const int x = ox + probe::kStackX[0] + 22, y = oy + probe::kStackY + 2 * 10 + 5;

    // A run of three cards lifted and carried to the right and down.
    probe.Ask(probe::kSetHitAnswer, TS_HIT_DRAG_RUN);
    program.Mouse(WM_LBUTTONDOWN, x, y, MK_LBUTTON);
    for (int i = 1; i <= 10; ++i) program.Mouse(WM_MOUSEMOVE, x + 6 * i, y + 5 * i, MK_LBUTTON);
    e2e::KeepImage(e2e::CaptureClient(main), "2-dragging");
    program.Mouse(WM_LBUTTONUP, x + 60, y + 50);

    // A marked card.
    probe.Ask(probe::kSetHitAnswer, TS_HIT_MARK);
    program.Mouse(WM_LBUTTONDOWN, x, y - 10, MK_LBUTTON);
    program.Mouse(WM_LBUTTONUP, x, y - 10);
    e2e::KeepImage(e2e::CaptureClient(main), "3-marked");

    // A slide in flight: the request is posted, the screen caught meanwhile.
    PostMessageA(probe.window(), probe::kSlideTopCard, 0, 1);
    Sleep(60);
    e2e::KeepImage(e2e::CaptureClient(main), "4-sliding");
    program.Settle();

    PostMessageA(probe.window(), probe::kSendGameWon, 0, 0);
    HWND dialog = program.WaitForDialog("");
    REQUIRE(dialog != nullptr);
    Sleep(200);
    e2e::KeepImage(CaptureAround(main, 40), "5-won");
    e2e::ClickButton(dialog, IDCANCEL);
    CHECK(e2e::WaitGone(dialog));
    program.Settle();
    e2e::KeepImage(e2e::CaptureClient(main), "6-game-over");

    program.PostCommand(IDM_ABOUT);
    HWND about = program.WaitForDialog("");
    REQUIRE(about != nullptr);
    Sleep(200);
    e2e::KeepImage(CaptureAround(about, 10), "7-about");
    PostMessageA(about, WM_LBUTTONDOWN, 0, 0);
    Sleep(300);
    e2e::KeepImage(CaptureAround(about, 10), "8-credits");
    PostMessageA(about, WM_LBUTTONDOWN, 0, 0);
    CHECK(e2e::WaitGone(about));
    program.PostCommand(IDM_EXIT);
    CHECK_EQ(program.WaitForExit(), 0L);
}

// One game's table as a player sees it after the deal, in small and in large
// cards, with the window captured whole (a warning about the display, if
// any, on top). The game is the module named by LUMORA_SHOWCASE_GAME (its
// stem, e.g. KLONDIKE), installed alone so that it is row 0:
//   LUMORA_SHOWCASE_GAME=GOLF LUMORA_E2E_IMAGES='Z:\tmp\shots'
//       tests/e2e/run-scenario build/win64/bin showcase_game_table
MEASUREMENT(showcase_game_table)
{
    const char* stem = std::getenv("LUMORA_SHOWCASE_GAME");
    REQUIRE(stem != nullptr);
    const std::string file = std::string(stem) + ".dll";
    REQUIRE(e2e::InstallFile(("games\\" + file).c_str(), file.c_str()));
    e2e::Program program;
    HWND main = program.WaitForMainWindow();
    REQUIRE(main != nullptr);
    program.SendCommand(IDM_SMALLCARDS);
    program.SendCommand(IDM_GAMELIST_FIRST);
    program.Settle();
    e2e::KeepImage(CaptureAround(main, 0), std::string(stem) + "-small");
    // Sent, so the window is refitted before the capture; a warning about
    // the display would hold the send until its wait ends, and show.
    program.SendCommand(IDM_LARGECARDS);
    program.Settle();
    CHECK(program.VisibleDialogs().empty());
    e2e::KeepImage(CaptureAround(main, 0), std::string(stem) + "-large");
    program.PostCommand(IDM_EXIT);
    program.WaitForExit();
}

// A game's table after the player asked for a hint: the card to move marked
// and the message area saying where it goes. LUMORA_SHOWCASE_OPTION is the
// number of the game's "Hint" item in its Options menu (0 when absent):
//   LUMORA_SHOWCASE_GAME=FREECELL LUMORA_E2E_IMAGES='Z:\tmp\shots'
//       tests/e2e/run-scenario build/win64/bin showcase_hint
MEASUREMENT(showcase_hint)
{
    const char* stem = std::getenv("LUMORA_SHOWCASE_GAME");
    REQUIRE(stem != nullptr);
    const char* option = std::getenv("LUMORA_SHOWCASE_OPTION");
    const std::string file = std::string(stem) + ".dll";
    REQUIRE(e2e::InstallFile(("games\\" + file).c_str(), file.c_str()));
    e2e::Program program;
    HWND main = program.WaitForMainWindow();
    REQUIRE(main != nullptr);
    program.SendCommand(IDM_SMALLCARDS);
    program.SendCommand(IDM_GAMELIST_FIRST);
    Sleep(1500);  // the deal's slides and auto-play run on timers
    program.Settle();
    program.SendCommand(IDM_OPTION_FIRST + (option ? std::atoi(option) : 0));
    program.Settle();
    e2e::KeepImage(CaptureAround(main, 0), std::string(stem) + "-hint");
    program.PostCommand(IDM_EXIT);
    program.WaitForExit();
}

// A game's new deal after the player checked "Winnable deals only", with the
// message area saying whether the deal was proven. LUMORA_SHOWCASE_OPTION is
// the number of that item in the game's Options menu:
//   LUMORA_SHOWCASE_GAME=FREECELL LUMORA_SHOWCASE_OPTION=1
//       LUMORA_E2E_IMAGES='Z:\tmp\shots' tests/e2e/run-scenario build/win64/bin showcase_winnable
MEASUREMENT(showcase_winnable)
{
    const char* stem = std::getenv("LUMORA_SHOWCASE_GAME");
    const char* option = std::getenv("LUMORA_SHOWCASE_OPTION");
    REQUIRE(stem != nullptr && option != nullptr);
    const std::string file = std::string(stem) + ".dll";
    REQUIRE(e2e::InstallFile(("games\\" + file).c_str(), file.c_str()));
    e2e::Program program;
    HWND main = program.WaitForMainWindow();
    REQUIRE(main != nullptr);
    program.SendCommand(IDM_SMALLCARDS);
    program.SendCommand(IDM_GAMELIST_FIRST);
    Sleep(1500);  // the deal's slides and auto-play run on timers
    program.Settle();
    program.SendCommand(IDM_OPTION_FIRST + std::atoi(option));
    program.SendCommand(IDM_NEWGAME);
    Sleep(1500);
    program.Settle();
    e2e::KeepImage(CaptureAround(main, 0), std::string(stem) + "-winnable");
    program.PostCommand(IDM_EXIT);
    program.WaitForExit();
}
