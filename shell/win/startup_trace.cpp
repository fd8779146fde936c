#include "shell/win/startup_trace.h"

#include <windows.h>

#include <psapi.h>

#include <cstdio>

#include "core/win/app.h"
#include "platform/win/executable_folder.h"

namespace shell {

namespace {

constexpr char kTraceFile[] = "startup-trace.txt";
constexpr int kMaxSteps = 48;

struct Step {
    const char* name;
    double ms;
    double workingSetMiB;
};

struct Trace {
    bool decided = false;
    bool on = false;
    bool finished = false;
    bool painted = false;
    ULONGLONG created = 0;  // 100 ns units
    Step steps[kMaxSteps];
    int count = 0;
};

ULONGLONG Ticks(FILETIME t) { return ULONGLONG{t.dwHighDateTime} << 32 | t.dwLowDateTime; }

Trace& TheTrace()
{
    static Trace trace;
    if (!trace.decided) {
        trace.decided = true;
        trace.on = GetEnvironmentVariableA("LUMORA_TRACE_STARTUP", nullptr, 0) > 0;
        FILETIME created, exited, kernel, user;
        if (trace.on && GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user))
            trace.created = Ticks(created);
        else
            trace.on = false;
    }
    return trace;
}

double MillisecondsSinceCreation(const Trace& trace)
{
    FILETIME now;
    GetSystemTimePreciseAsFileTime(&now);
    return static_cast<double>(static_cast<LONGLONG>(Ticks(now) - trace.created)) / 10000.0;
}

double WorkingSetMiB()
{
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    if (!K32GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory)) return 0;
    return static_cast<double>(memory.WorkingSetSize) / (1024.0 * 1024.0);
}

bool ShowsFaceUpCard(const table::StackTable& stacks)
{
    for (int i = 0; i < stacks.count; ++i) {
        const CardStack* stack = stacks[i];
        for (int c = 0; stack && c < table::ReadableCount(*stack); ++c)
            if (!stack->cards[c].faceDown) return true;
    }
    return false;
}

}  // namespace

void TraceStartup(const char* step)
{
    Trace& trace = TheTrace();
    if (!trace.on || trace.finished || trace.count == kMaxSteps) return;
    trace.steps[trace.count++] = {step, MillisecondsSinceCreation(trace), WorkingSetMiB()};
}

void TraceStartupPaint()
{
    Trace& trace = TheTrace();
    if (!trace.on || trace.finished) return;
    if (!trace.painted) {
        trace.painted = true;
        TraceStartup("first paint of the main window");
    }
    if (ShowsFaceUpCard(core::TheCore().table.live())) {
        TraceStartup("first paint showing card faces");
        FinishStartupTrace();
    }
}

void FinishStartupTrace()
{
    Trace& trace = TheTrace();
    if (!trace.on || trace.finished) return;
    trace.finished = true;
    const std::string path = platform::BesideExecutable(kTraceFile);
    FILE* file = path.empty() ? nullptr : std::fopen(path.c_str(), "w");
    if (!file) return;
    for (int i = 0; i < trace.count; ++i) {
        const Step& step = trace.steps[i];
        std::fprintf(file, "%8.1f ms %7.1f MiB %s\n", step.ms, step.workingSetMiB, step.name);
    }
    std::fclose(file);
}

}  // namespace shell
