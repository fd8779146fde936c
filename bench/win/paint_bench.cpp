// Times the paint pass on a table of 13 stacks (a stock, a waste, four
// foundations, seven fanned columns) with the program's own drawing code:
// the whole back buffer rebuilt, and a rebuild limited to one card, for both
// card sizes. Also the paint message as the window gets it: a full repaint
// with the copy to the window, and an uncovered window (the copy alone).
// Prints microseconds per repaint: the best of several runs, since other
// work on the machine only ever adds time.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "core/win/app.h"
#include "core/win/surfaces.h"
#include "furniture/win/furniture.h"
#include "modules/card_choice.h"
#include "shell/win/main_window.h"
#include "shell/win/paint_table.h"
#include "shell/win/win32_seam.h"
#include "table/win/card_images.h"
#include "table/win/draw_stack.h"

namespace {

constexpr DWORD kMainExStyle = 0x40310;
constexpr int kTableWidth = 430;  // small-card pixels, as a module gives them
constexpr int kTableHeight = 330;
constexpr int kRuns = 7;

double Now()
{
    LARGE_INTEGER f, t;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t);
    return double(t.QuadPart) / double(f.QuadPart);
}

// The best microseconds per call over kRuns runs of `rounds` calls.
template <typename F>
double Time(int rounds, F f)
{
    std::vector<double> runs;
    for (int r = 0; r < kRuns; ++r) {
        const double start = Now();
        for (int i = 0; i < rounds; ++i) f();
        runs.push_back((Now() - start) * 1e6 / rounds);
    }
    std::sort(runs.begin(), runs.end());
    return runs.front();
}

void Deal(table::CardSize size)
{
    table::CardTable& t = core::TheCore().table;
    t.Discard();
    int16_t next = 0;
    auto stack = [&](int16_t fan, int32_t x, int32_t y, int16_t base, int cards, int faceDown) {
        const StackSpec spec{0, x, y, base, fan, 52, 0};
        CardStack* s = t.Create(spec, size);
        for (int i = 0; i < cards; ++i) {
            s->cards[i].image = next++;
            s->cards[i].faceDown = i < faceDown;
        }
        s->count = static_cast<int16_t>(cards);
    };
    stack(TS_FAN_COUNTED, 10, 10, TS_BASE_STOCK_REDEAL, 24, 24);
    stack(TS_FAN_SQUARED, 70, 10, TS_BASE_WASTE, 1, 0);
    for (int f = 0; f < 4; ++f) stack(TS_FAN_SQUARED, 180 + 60 * f, 10, static_cast<int16_t>(1 + f), 0, 0);
    for (int c = 0; c < 7; ++c) stack(TS_FAN_DOWN, 10 + 60 * c, 90, TS_BASE_EMPTY, c + 1, c);
}

// Makes the client area hold the table and the strip.
void FitClient(HWND window, table::CardSize size)
{
    core::HostCore& core = core::TheCore();
    core.tableExtent = core::TableExtent(kTableWidth, kTableHeight, size);
    RECT r{0, 0, core.tableExtent.width, core.tableExtent.height + core::kStripHeight};
    AdjustWindowRectEx(&r, WS_OVERLAPPEDWINDOW, TRUE, kMainExStyle);
    SetWindowPos(window, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOMOVE);
    UpdateWindow(window);
}

void Measure(HWND window, table::CardSize size, const char* name)
{
    core::HostCore& core = core::TheCore();
    core::Surfaces& s = core::TheSurfaces();
    RECT client;
    GetClientRect(window, &client);
    // The top card of the last column.
    const CardStack& column = *core.table[core.table.count() - 1];
    const table::Rect card = table::CardRect(column, core.view, static_cast<int16_t>(column.count - 1));
    const RECT one{card.left, card.top, card.right, card.bottom};

    double full = 0, oneCard = 0, bgOne = 0, stacksOne = 0, bgFull = 0, stacksFull = 0;
    {
        HDC back = s.backDC.get();
        platform::SelectionScope backBuffer(back, s.backBuffer.get());
        const table::CardDrawing drawing = core.drawing();
        const platform::PictureSurface surface = core::MainPictureSurface();
        full = Time(300, [&] { shell::RedrawArea(back, client); });
        oneCard = Time(3000, [&] { shell::RedrawArea(back, one); });
        bgOne = Time(3000, [&] { furniture::DrawBackground(back, one, core.state.background, surface); });
        stacksOne = Time(3000, [&] { table::DrawStacksInRect(back, surface, core.table.live(), drawing, card); });
        bgFull = Time(300, [&] { furniture::DrawBackground(back, client, core.state.background, surface); });
        stacksFull = Time(300, [&] {
            table::DrawStacksInRect(back, surface, core.table.live(), drawing, {0, 0, client.right, client.bottom});
        });
    }

    const double paintFull = Time(200, [&] {
        core.paint.fullRepaint = true;
        InvalidateRect(window, nullptr, FALSE);
        UpdateWindow(window);
    });
    const double paintCard = Time(1000, [&] {
        core.paint.tableDirty = true;
        InvalidateRect(window, &one, FALSE);
        UpdateWindow(window);
    });
    const double uncovered = Time(1000, [&] {
        InvalidateRect(window, nullptr, FALSE);
        UpdateWindow(window);
    });
    std::printf("%s cards, client %ldx%ld, %d stacks:\n", name, client.right, client.bottom, core.table.count());
    std::printf("  back buffer, whole table rebuilt      %9.1f us\n", full);
    std::printf("  back buffer, one card rebuilt         %9.1f us\n", oneCard);
    std::printf("    of which: background tiles, whole   %9.1f us\n", bgFull);
    std::printf("              stacks, whole             %9.1f us\n", stacksFull);
    std::printf("              background, one card      %9.1f us (tiles unclipped)\n", bgOne);
    std::printf("              stacks, one card          %9.1f us (its whole column)\n", stacksOne);
    std::printf("  paint message, full repaint + copy    %9.1f us\n", paintFull);
    std::printf("  paint message, one card + copy        %9.1f us\n", paintCard);
    std::printf("  paint message, uncovered (copy only)  %9.1f us\n", uncovered);
}

}  // namespace

int main()
{
    static shell::Win32Seam seam;
    core::MakeTheCore(seam);
    core::App& app = core::TheApp();
    app.instance = GetModuleHandleA(nullptr);
    if (GetFileAttributesA("DECKMINI.DLL") == INVALID_FILE_ATTRIBUTES ||
        GetFileAttributesA("DECKMAXI.DLL") == INVALID_FILE_ATTRIBUTES) {
        std::printf("run from the folder that holds DECKMINI.DLL and DECKMAXI.DLL\n");
        return 2;
    }
    if (!shell::RegisterMainWindowClass(app.instance)) return 1;
    app.mainWindow = CreateWindowExA(kMainExStyle, core::kMainClassName, "paint bench", WS_OVERLAPPEDWINDOW, 0, 0, 640,
                                     480, nullptr, nullptr, app.instance, nullptr);
    HWND window = app.mainWindow;
    if (!window) return 1;
    furniture::LoadFurniture(core::MainPictureSurface());
    if (!table::OpenCardLibraries().any()) return 1;
    ShowWindow(window, SW_SHOWNORMAL);

    core::HostCore& core = core::TheCore();
    modules::SelectCardSize(core, table::CardSize::Small, false);
    modules::SelectCardSet(core, 1, false);
    Deal(table::CardSize::Small);
    FitClient(window, table::CardSize::Small);
    Measure(window, table::CardSize::Small, "small");

    modules::SelectCardSize(core, table::CardSize::Large, true);  // rescales the stacks
    FitClient(window, table::CardSize::Large);
    Measure(window, table::CardSize::Large, "large");
    // Leaves without the main window's teardown, which would write the
    // program's files beside it.
    return 0;
}
