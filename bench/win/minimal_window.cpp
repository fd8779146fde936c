// The least a Win32 program with a window costs: a class, a 640 x 480 window
// with a menu bar of four items and one line of text painted. The start-up
// bench starts it alternately with the program to tell Wine's own cost from
// ours. Built with the same compiler and runtime as the program.
//
// Started with LUMORA_TRACE_STARTUP set, it writes startup-trace.txt beside
// itself after its first paint, as the program does: each step's time from
// the creation of the process and the working set once it has ended.
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr char kClassName[] = "LumoraBenchMinimal";
constexpr char kText[] = "The least a window costs.";

struct TraceStep {
    const char* name;
    double ms;
    double workingSetMiB;
};

struct Trace {
    bool on = false;
    ULONGLONG created = 0;  // 100 ns units
    TraceStep steps[8];
    int count = 0;
};

Trace g_trace;

ULONGLONG Ticks(FILETIME t) { return ULONGLONG{t.dwHighDateTime} << 32 | t.dwLowDateTime; }

void StartTrace()
{
    FILETIME created, exited, kernel, user;
    g_trace.on = GetEnvironmentVariableA("LUMORA_TRACE_STARTUP", nullptr, 0) > 0 &&
                 GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    if (g_trace.on) g_trace.created = Ticks(created);
}

void TraceStep(const char* name)
{
    if (!g_trace.on || g_trace.count == 8) return;
    FILETIME now;
    GetSystemTimePreciseAsFileTime(&now);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    const double mib = K32GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory)
                           ? static_cast<double>(memory.WorkingSetSize) / (1024.0 * 1024.0)
                           : 0;
    const double ms = static_cast<double>(static_cast<LONGLONG>(Ticks(now) - g_trace.created)) / 10000.0;
    g_trace.steps[g_trace.count++] = {name, ms, mib};
}

// After the first paint, once.
void FinishTrace()
{
    if (!g_trace.on) return;
    g_trace.on = false;
    char path[MAX_PATH + 32];
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return;
    char* slash = std::strrchr(path, '\\');
    if (!slash) return;
    std::strcpy(slash + 1, "startup-trace.txt");
    FILE* file = std::fopen(path, "w");
    if (!file) return;
    for (int i = 0; i < g_trace.count; ++i)
        std::fprintf(file, "%8.1f ms %7.1f MiB %s\n", g_trace.steps[i].ms, g_trace.steps[i].workingSetMiB,
                     g_trace.steps[i].name);
    std::fclose(file);
}

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        TextOutA(dc, 20, 20, kText, static_cast<int>(sizeof kText - 1));
        EndPaint(window, &ps);
        TraceStep("first paint");
        FinishTrace();
        return 0;
    }
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

HMENU MenuBar()
{
    HMENU bar = CreateMenu();
    const char* titles[] = {"&Game", "&Game List", "&Options", "&Help"};
    for (int i = 0; i < 4; ++i) {
        HMENU popup = CreatePopupMenu();
        AppendMenuA(popup, MF_STRING, 100 + i, "&Item");
        AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), titles[i]);
    }
    return bar;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    StartTrace();
    TraceStep("entry function");
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // the arrow
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassA(&windowClass)) return 1;
    TraceStep("window class registered");
    HWND window = CreateWindowExA(0, kClassName, "Minimal window", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                  640, 480, nullptr, MenuBar(), instance, nullptr);
    if (!window) return 1;
    TraceStep("window created");
    ShowWindow(window, showCommand);
    TraceStep("window shown");
    UpdateWindow(window);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
