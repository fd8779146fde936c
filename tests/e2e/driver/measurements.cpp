// Figures of the real program under Wine, printed for the record:
//   tests/e2e/run-scenario build/win64/bin measure_startup_to_dealt_table
//   tests/e2e/run-scenario build/win64/bin measure_mouse_move_during_drag
#include <cstdio>

#include "capture.h"
#include "checks.h"
#include "module_interface/tessel_module.h"
#include "probe_client.h"
#include "program.h"
#include "resources/resource.h"

namespace {

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER Now()
{
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t;
}

bool InstallShippedGames()
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("games\\*.dll", &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    int copied = 0;
    do {
        const std::string name = found.cFileName;
        if (name.rfind("e2e_", 0) == 0) continue;
        copied += e2e::InstallFile(("games\\" + name).c_str(), name.c_str()) ? 1 : 0;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return copied >= 7;
}

}  // namespace

// From CreateProcess to the first screen showing the dealt first game
// (Klondike: its first tableau column's top card drawn), polled every
// millisecond; averaged over five starts.
MEASUREMENT(measure_startup_to_dealt_table)
{
    REQUIRE(InstallShippedGames());
    double total = 0;
    const int runs = 5;
    for (int run = 0; run < runs; ++run) {
        const LARGE_INTEGER start = Now();
        e2e::Program program;
        HWND main = program.WaitForMainWindow();
        REQUIRE(main != nullptr);
        bool dealt = false;
        for (int i = 0; i < 10000 && !dealt; ++i) {
            // The strip's score box and a white card face below the strip.
            const e2e::Image shot = e2e::CaptureClient(main);
            for (int y = 100; y < shot.height && !dealt; y += 4)
                for (int x = 0; x < shot.width && !dealt; x += 4) dealt = shot.At(x, y) == e2e::Rgb(255, 255, 255);
            if (!dealt) Sleep(1);
        }
        const LARGE_INTEGER end = Now();
        CHECK(dealt);
        total += Milliseconds(start, end);
        program.PostCommand(IDM_EXIT);
        CHECK_EQ(program.WaitForExit(), 0L);
    }
    std::printf("start-up to the first painted deal: %.1f ms (mean of %d starts)\n", total / runs, runs);
}

// The cost of one WM_MOUSEMOVE while a run of cards is dragged, against the
// same message with no button held (which does nothing), over 2000 moves.
MEASUREMENT(measure_mouse_move_during_drag)
{
    REQUIRE(e2e::InstallProbe());
    e2e::Program program;
    HWND main = program.WaitForMainWindow();
    REQUIRE(main != nullptr);
    e2e::ProbeClient probe(program.pid());
    REQUIRE(probe.found());
    program.SendCommand(IDM_GAMELIST_FIRST);
    for (int i = 0; i < 250 && probe.StackCount(0) != probe::kDealtOnFirstStack; ++i) Sleep(20);
    REQUIRE(probe.StackCount(0) == probe::kDealtOnFirstStack);
    probe.Ask(probe::kSetHitAnswer, TS_HIT_DRAG_RUN);

    RECT client;
    GetClientRect(main, &client);
    const int ox = (client.right - probe::kTableWidth) / 2 > 0 ? (client.right - probe::kTableWidth) / 2 : 0;
    const int x = ox + probe::kStackX[0] + 20, y = 32 + probe::kStackY + 15;
    const int moves = 2000;

    LARGE_INTEGER t0 = Now();
    for (int i = 0; i < moves; ++i) program.Mouse(WM_MOUSEMOVE, x + (i % 40), y + (i % 30), 0);
    const double idle = Milliseconds(t0, Now()) / moves;

    program.Mouse(WM_LBUTTONDOWN, x, y, MK_LBUTTON);
    program.Mouse(WM_MOUSEMOVE, x + 10, y + 10, MK_LBUTTON);
    REQUIRE(probe.StackCount(0) == 1);  // the drag has started
    t0 = Now();
    for (int i = 0; i < moves; ++i) program.Mouse(WM_MOUSEMOVE, x + 10 + (i % 40), y + 10 + (i % 30), MK_LBUTTON);
    const double dragging = Milliseconds(t0, Now()) / moves;
    program.Mouse(WM_LBUTTONUP, x, y);

    std::printf("mouse move: %.3f ms while dragging, %.3f ms idle (message round trip), %.3f ms for the drag\n",
                dragging, idle, dragging - idle);
    program.PostCommand(IDM_EXIT);
    CHECK_EQ(program.WaitForExit(), 0L);
}
