// A game module for the end-to-end tests of drawing. It deals a fixed table
// with every fan direction, frames, base images, marks and count labels
// (layout_protocol.h), and answers the driver through a hidden window: the
// commands the main window received, texts for the strip, the process's
// GDI objects and heap bytes, and repaint rounds for leak checks and
// timings.
#include <windows.h>

#include <map>

#include "../counters/process_counters.h"
#include "platform/win/handles.h"
#include "layout_protocol.h"
#include "module_interface/tessel_module.h"

namespace {

HWND g_host = nullptr;
HWND g_window = nullptr;
WNDPROC g_hostProc = nullptr;
std::map<int, int> g_commands;
int g_newGames = 0;
bool g_benchTable = false;
CardStack* g_stacks[32] = {};
int g_stackCount = 0;

LRESULT CALLBACK HostSpy(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND) ++g_commands[LOWORD(wParam)];
    return CallWindowProcA(g_hostProc, window, message, wParam, lParam);
}

CardStack* CreateStack(int16_t fan, int32_t x, int32_t y, bool framed, int16_t base, int16_t capacity)
{
    StackSpec spec{framed ? 1u : 0u, x, y, base, fan, capacity, 0};
    return reinterpret_cast<CardStack*>(SendMessageA(g_host, HM_CREATESTACK, 0, reinterpret_cast<LPARAM>(&spec)));
}

void AddCard(CardStack* stack, int16_t image, bool faceDown, bool marked)
{
    CardPlacement p{stack, faceDown ? 1u : 0u, marked ? 1u : 0u, static_cast<uint16_t>(image), 0};
    SendMessageA(g_host, HM_ADDCARD, 0, reinterpret_cast<LPARAM>(&p));
}

void DealLayoutTable()
{
    for (const layout::StackPlan& plan : layout::kStacks) {
        CardStack* s = CreateStack(plan.fan, plan.x, plan.y, plan.framed, plan.base, layout::kMaxCards);
        g_stacks[g_stackCount++] = s;
        for (int i = 0; i < plan.count; ++i)
            AddCard(s, plan.cards[i].image, plan.cards[i].faceDown, plan.cards[i].marked);
    }
}

void DealBenchTable()
{
    int16_t next = 0;
    CardStack* stock = CreateStack(9, 10, 10, false, 5, 52);
    for (int i = 0; i < 24; ++i) AddCard(stock, next++, true, false);
    g_stacks[g_stackCount++] = stock;
    CardStack* waste = CreateStack(8, 70, 10, false, 10, 52);
    AddCard(waste, next++, false, false);
    g_stacks[g_stackCount++] = waste;
    for (int f = 0; f < 4; ++f)
        g_stacks[g_stackCount++] = CreateStack(8, 180 + 60 * f, 10, false, static_cast<int16_t>(1 + f), 13);
    for (int c = 0; c < 7; ++c) {
        CardStack* column = CreateStack(3, 10 + 60 * c, 90, false, 0, 20);
        for (int i = 0; i <= c; ++i) AddCard(column, next++, i < c, false);
        g_stacks[g_stackCount++] = column;
    }
}

void Repaint(bool erase)
{
    InvalidateRect(g_host, nullptr, erase);
    UpdateWindow(g_host);
}

void MarkTopCard(CardStack* stack, bool marked)
{
    SendMessageA(g_host, HM_MARKCARD, marked ? 1 : 0, reinterpret_cast<LPARAM>(stack));
}

LRESULT Churn(WPARAM rounds)
{
    CardStack* marked = g_stackCount > 5 ? g_stacks[5] : nullptr;
    for (WPARAM i = 0; i < rounds; ++i) {
        Repaint(false);
        SendMessageA(g_host, WM_COMMAND, 4000 + i % 4, 0);
        SendMessageA(g_host, WM_COMMAND, 3000 + i % 6, 0);
        if (marked) {
            MarkTopCard(marked, true);
            MarkTopCard(marked, false);
        }
    }
    return static_cast<LRESULT>(rounds);
}

LRESULT Bench(WPARAM rounds, LPARAM what)
{
    // The last column: its top card is the one marked.
    CardStack* stack = g_stackCount ? g_stacks[g_stackCount - 1] : nullptr;
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (WPARAM i = 0; i < rounds; ++i) {
        switch (what) {
        case layout::kBenchCopy: Repaint(false); break;
        case layout::kBenchEraseCopy: Repaint(true); break;
        case layout::kBenchFull: SendMessageA(g_host, WM_COMMAND, 3000, 0); break;
        case layout::kBenchOneCard:
            if (stack) MarkTopCard(stack, i % 2 == 0);
            break;
        default: return -1;
        }
    }
    QueryPerformanceCounter(&end);
    if (rounds == 0) return 0;
    const double ns = double(end.QuadPart - start.QuadPart) * 1e9 / double(frequency.QuadPart);
    return static_cast<LRESULT>(ns / double(rounds));
}

LRESULT DrawMenuItem(WPARAM which, LPARAM width)
{
    static layout::MenuItemPicture picture;
    const int menu = static_cast<int>(which & 0xFF);
    const int item = static_cast<int>((which >> 8) & 0xFF);
    const bool selected = ((which >> 16) & 1) != 0;
    HMENU options = GetSubMenu(GetMenu(g_host), 2);
    HMENU popup = GetSubMenu(options, menu == 0 ? 2 : 4);
    if (!popup || width <= 0 || width > 160) return 0;
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_DATA | MIIM_ID | MIIM_FTYPE;
    if (!GetMenuItemInfoA(popup, static_cast<UINT>(item), TRUE, &info)) return 0;
    picture = {};
    picture.id = static_cast<int32_t>(info.wID);
    picture.ownerDrawn = (info.fType & MFT_OWNERDRAW) != 0;

    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    measure.itemID = info.wID;
    measure.itemData = info.dwItemData;
    SendMessageA(g_host, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    picture.measuredWidth = static_cast<int32_t>(measure.itemWidth);
    picture.measuredHeight = static_cast<int32_t>(measure.itemHeight);

    picture.width = static_cast<int32_t>(width);
    picture.height = layout::kMenuItemHeight;
    BITMAPINFO bmi{};
    bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
    bmi.bmiHeader.biWidth = picture.width;
    bmi.bmiHeader.biHeight = -picture.height;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    platform::WindowDC screen(nullptr);
    platform::MemoryDC dc(CreateCompatibleDC(screen.get()));
    void* bits = nullptr;
    platform::Bitmap section(CreateDIBSection(screen.get(), &bmi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dc || !section) return 0;
    platform::SelectionScope holds(dc.get(), section.get());
    auto* p = static_cast<uint32_t*>(bits);
    for (int i = 0; i < picture.width * picture.height; ++i) p[i] = layout::kUnpainted;

    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.itemID = info.wID;
    draw.itemAction = ODA_DRAWENTIRE;
    draw.itemState = selected ? ODS_SELECTED : 0;
    draw.hwndItem = reinterpret_cast<HWND>(popup);
    draw.hDC = dc.get();
    draw.rcItem = {0, 0, picture.width, picture.height};
    draw.itemData = info.dwItemData;
    SendMessageA(g_host, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
    GdiFlush();
    for (int i = 0; i < picture.width * picture.height; ++i) picture.pixels[i] = p[i] & 0xFFFFFF;
    return reinterpret_cast<LRESULT>(&picture);
}

LRESULT Answer(UINT request, WPARAM wParam, LPARAM lParam)
{
    switch (request) {
    case layout::kCommandCount: return g_commands[static_cast<int>(wParam)];
    case layout::kNewGameCount: return g_newGames;
    case layout::kSetText: {
        char text[256] = {};
        GetWindowTextA(g_window, text, sizeof text);
        SendMessageA(g_host, wParam ? HM_SETSCORE : HM_SETMESSAGE, 0, reinterpret_cast<LPARAM>(text));
        return 1;
    }
    case layout::kGdiObjects: return e2e::CountGdiObjects();
    case layout::kHeapBytes: return e2e::HeapBytes();
    case layout::kChurn: return Churn(wParam);
    case layout::kBench: return Bench(wParam, lParam);
    case layout::kUseBenchTable: g_benchTable = wParam != 0; return 1;
    case layout::kDrawMenuItem: return DrawMenuItem(wParam, lParam);
    default: return 0;
    }
}

LRESULT CALLBACK LayoutProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message > WM_APP && message <= layout::kDrawMenuItem) return Answer(message, wParam, lParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

void OpenWindow()
{
    // Stays loaded until the process ends: the host unloads its modules
    // inside WM_DESTROY, which runs through the spy.
    HINSTANCE self = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                       reinterpret_cast<LPCSTR>(&LayoutProc), &self);
    WNDCLASSA wc{};
    wc.lpfnWndProc = LayoutProc;
    wc.hInstance = self;
    wc.lpszClassName = layout::kWindowClass;
    RegisterClassA(&wc);
    g_window = CreateWindowExA(0, layout::kWindowClass, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, self, nullptr);
}

}  // namespace

extern "C" {

int32_t TS_CALL TSInitModule(TSWindow host, char* name, int32_t* extent)
{
    g_host = static_cast<HWND>(host);
    lstrcpynA(name, layout::kGameName, TS_NAME_BYTES);
    extent[0] = layout::kTableWidth;
    extent[1] = layout::kTableHeight;
    OpenWindow();
    g_hostProc =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(g_host, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HostSpy)));
    return 1;
}

void TS_CALL TSCloseModule(void)
{
    if (g_hostProc) SetWindowLongPtrA(g_host, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_hostProc));
    if (g_window) DestroyWindow(g_window);
}

int32_t TS_CALL TSNewGame(void)
{
    ++g_newGames;
    g_stackCount = 0;
    if (g_benchTable)
        DealBenchTable();
    else
        DealLayoutTable();
    return 1;
}

void TS_CALL TSLoadGame(CardStack**, int16_t, TSMemory) {}
TSMemory TS_CALL TSGetGameData(void) { return nullptr; }
void TS_CALL TSSetGameData(void) {}
void TS_CALL TSSetupOptionsMenu(void) {}
void TS_CALL TSOptionSelected(int32_t) {}
void TS_CALL TSAutoPlay(void) {}
int16_t TS_CALL TSMouseHit(CardStack*, int16_t) { return TS_HIT_NOTHING; }
void TS_CALL TSDoubleClick(CardStack*, int16_t) {}
int32_t TS_CALL TSOkToDropCards(CardStack*, CardStack*) { return 0; }
void TS_CALL TSStackChanged(CardStack*) {}
void TS_CALL TSPrepareForUndo(void) {}
void TS_CALL TSUndo(void) {}
int16_t TS_CALL TSGetScore(void) { return 0; }

}  // extern "C"
