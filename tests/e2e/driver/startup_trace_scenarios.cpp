// The start-up trace: started with LUMORA_TRACE_STARTUP in its environment,
// the program writes the start-up steps with their times beside itself as
// soon as a card face has been painted; started without it, nothing. Only
// the steps and their order are checked here, never the times.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "checks.h"
#include "program.h"
#include "resources/resource.h"

namespace {

constexpr char kTraceFile[] = "startup-trace.txt";

// The seven games of the first release: KLONDIKE in row 6 is dealt.
constexpr const char* kFirstSeven[] = {"FREECELL", "SPIDER", "PYRAMID", "GOLF", "YUKON", "FORTYTHV", "KLONDIKE"};

bool FileExists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

// The steps of the trace in the order written; a line that is not
// "<number> ms <number> MiB <step>", with a working set above nothing, is
// kept as "(unreadable)".
std::vector<std::string> TraceSteps()
{
    std::vector<std::string> steps;
    FILE* file = std::fopen(kTraceFile, "r");
    if (!file) return steps;
    char line[256];
    while (std::fgets(line, sizeof line, file)) {
        double ms = 0, workingSetMiB = 0;
        int used = 0;
        if (std::sscanf(line, "%lf ms %lf MiB %n", &ms, &workingSetMiB, &used) < 2 || used == 0 || workingSetMiB <= 0) {
            steps.push_back("(unreadable)");
            continue;
        }
        std::string step = line + used;
        while (!step.empty() && (step.back() == '\n' || step.back() == '\r')) step.pop_back();
        steps.push_back(step);
    }
    std::fclose(file);
    return steps;
}

}  // namespace

SCENARIO(startup_trace_lists_the_steps_in_order_only_when_asked)
{
    for (const char* stem : kFirstSeven) {
        const std::string dll = std::string(stem) + ".dll";
        REQUIRE(e2e::InstallFile(("games\\" + dll).c_str(), dll.c_str()));
    }
    {
        e2e::Program program;
        REQUIRE(program.WaitForMainWindow() != nullptr);
        program.PostCommand(IDM_EXIT);
        CHECK_EQ(program.WaitForExit(), 0L);
        CHECK(!FileExists(kTraceFile));
    }
    // A first run again, so that the start deals instead of resuming.
    DeleteFileA("tslnsave.gam");
    SetEnvironmentVariableA("LUMORA_TRACE_STARTUP", "1");
    e2e::Program program;
    SetEnvironmentVariableA("LUMORA_TRACE_STARTUP", nullptr);
    REQUIRE(program.WaitForMainWindow() != nullptr);
    bool written = false;
    for (int i = 0; i < 500 && !written; ++i) {
        written = FileExists(kTraceFile);
        if (!written) Sleep(20);
    }
    CHECK(written);  // while the program runs: the first card face ended the trace
    program.PostCommand(IDM_EXIT);
    CHECK_EQ(program.WaitForExit(), 0L);

    const std::vector<std::string> expected = {"entry function",
                                               "window class registered",
                                               "main window created",
                                               "host state restored",
                                               "settings read, association written",
                                               "splash shown",
                                               "furniture loaded",
                                               "card libraries opened",
                                               "game modules loaded",
                                               "picture menus built",
                                               "scores read, resume file looked for",
                                               "splash closed",
                                               "first game chosen",
                                               "window shown",
                                               "visual styles applied",
                                               "deal begins",
                                               "first paint showing card faces"};
    std::vector<std::string> steps = TraceSteps();
    // The first paint of the window comes wherever the window system sends it.
    std::erase(steps, std::string("first paint of the main window"));
    CHECK_EQ(steps.size(), expected.size());
    for (size_t i = 0; i < steps.size() && i < expected.size(); ++i) CHECK_EQ(steps[i], expected[i]);
}
