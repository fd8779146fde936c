// Start-up, side by side with the least a window costs. Starts the minimal
// window program and the program alternately, each start in a fresh folder
// with no resume file and no settings in the registry, and times each from
// just before CreateProcess until the screen shows its first picture: the
// minimal window's line of text, the program's dealt cards (white card faces
// below the strip). Prints the medians, our own cost (the difference), the
// working sets at that moment and the start-up traces of both, step by step.
// Given several folders (builds to compare), it starts each in turn.
//   startup_bench.exe <folder of the program>... [starts]
// The minimal window program lies beside this bench.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr char kMinimalProgram[] = "bench_minimal_window.exe";
constexpr char kMinimalClass[] = "LumoraBenchMinimal";
constexpr char kProgram[] = "lumora.exe";
constexpr char kProgramClass[] = "TesselWClass";
constexpr char kTraceFile[] = "startup-trace.txt";
constexpr DWORD kTimeoutMs = 30000;
constexpr DWORD kSettleMs = 250;  // between two starts

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

double Median(std::vector<double> values)
{
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::string Folder(const std::string& path)
{
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

std::string ThisProgramsFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return Folder(path);
}

// The files a start needs: every program and library of the folder.
std::vector<std::string> ProgramFiles(const std::string& folder)
{
    std::vector<std::string> files;
    for (const char* pattern : {"\\*.exe", "\\*.dll"}) {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder + pattern).c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) continue;
        do files.push_back(found.cFileName);
        while (FindNextFileA(search, &found));
        FindClose(search);
    }
    return files;
}

bool CopyInto(const std::string& from, const std::vector<std::string>& files, const std::string& to)
{
    CreateDirectoryA(to.c_str(), nullptr);
    for (const std::string& file : files)
        if (!CopyFileA((from + "\\" + file).c_str(), (to + "\\" + file).c_str(), FALSE)) return false;
    return true;
}

void RemoveFolder(const std::string& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileA((folder + "\\" + found.cFileName).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

// Every start is a first run: no settings, no file association.
void ForgetSettings()
{
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Quillory");
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Classes\\.tsg");
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Classes\\LumoraSolitaire");
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Quillory");
    RegDeleteTreeA(HKEY_CLASSES_ROOT, ".tsg");
    RegDeleteTreeA(HKEY_CLASSES_ROOT, "LumoraSolitaire");
}

struct WindowSearch {
    DWORD pid;
    const char* className;
    HWND found;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<WindowSearch*>(context);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    char name[64] = {};
    if (pid != search->pid || !IsWindowVisible(window) || !GetClassNameA(window, name, sizeof name)) return TRUE;
    if (std::strcmp(name, search->className) != 0) return TRUE;
    search->found = window;
    return FALSE;
}

HWND VisibleWindow(DWORD pid, const char* className)
{
    WindowSearch search{pid, className, nullptr};
    EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Whether the window's client area, as the screen shows it now, holds a
// pixel of this colour at or below the given row.
bool ScreenShows(HWND window, COLORREF colour, int fromRow)
{
    RECT client;
    if (!GetClientRect(window, &client) || client.right <= 0 || client.bottom <= fromRow) return false;
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    const int width = client.right, height = client.bottom - fromRow;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP picture = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool shows = false;
    if (picture && bits) {
        HGDIOBJ old = SelectObject(memory, picture);
        BitBlt(memory, 0, 0, width, height, screen, origin.x, origin.y + fromRow, SRCCOPY);
        SelectObject(memory, old);
        const DWORD want = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
        const auto* pixels = static_cast<const DWORD*>(bits);
        for (size_t i = 0, n = size_t(width) * size_t(height); i < n && !shows; ++i)
            shows = (pixels[i] & 0xFFFFFF) == want;
    }
    if (picture) DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return shows;
}

struct Kind {
    const char* name;
    const char* program;
    const char* className;
    COLORREF firstPicture;  // what the first screen shows
    int fromRow;            // below the program's strip
    std::vector<std::string> files;
    std::string from;
};

// One line of the program's start-up trace: "<ms> ms <MiB> MiB <step>".
struct TraceStep {
    std::string name;
    double ms = 0;
    double workingSetMiB = 0;
};

struct Start {
    double ms = 0;
    double workingSetMiB = 0;
    std::vector<TraceStep> trace;
};

std::vector<TraceStep> ReadTrace(const std::string& path)
{
    std::vector<TraceStep> steps;
    FILE* file = std::fopen(path.c_str(), "r");
    if (!file) return steps;
    char line[256];
    while (std::fgets(line, sizeof line, file)) {
        TraceStep step;
        int used = 0;
        // Builds before the trace gave working sets wrote "<ms> ms <step>".
        if (std::sscanf(line, "%lf ms %lf MiB %n", &step.ms, &step.workingSetMiB, &used) < 2 || used == 0) {
            step.workingSetMiB = 0;
            used = 0;
            if (std::sscanf(line, "%lf ms %n", &step.ms, &used) < 1 || used == 0) continue;
        }
        step.name = line + used;
        while (!step.name.empty() && (step.name.back() == '\n' || step.name.back() == '\r')) step.name.pop_back();
        steps.push_back(step);
    }
    std::fclose(file);
    return steps;
}

// One start in a fresh folder. False when it never showed its first picture.
bool StartOnce(const Kind& kind, const std::string& folder, Start& start)
{
    RemoveFolder(folder);
    if (!CopyInto(kind.from, kind.files, folder)) {
        std::fprintf(stderr, "cannot copy %s into %s\n", kind.name, folder.c_str());
        return false;
    }
    ForgetSettings();
    const std::string path = folder + "\\" + kind.program;
    std::string commandLine = "\"" + path + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const LARGE_INTEGER t0 = Now();
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &process)) {
        std::fprintf(stderr, "cannot start %s\n", path.c_str());
        return false;
    }
    HWND window = nullptr;
    bool shown = false;
    const ULONGLONG deadline = GetTickCount64() + kTimeoutMs;
    while (!shown && GetTickCount64() < deadline) {
        if (!window) window = VisibleWindow(process.dwProcessId, kind.className);
        if (window) shown = ScreenShows(window, kind.firstPicture, kind.fromRow);
        if (!shown) Sleep(1);
    }
    start.ms = Milliseconds(t0, Now());
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory))
        start.workingSetMiB = static_cast<double>(memory.WorkingSetSize) / (1024.0 * 1024.0);
    if (window) PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 99);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    start.trace = ReadTrace(folder + "\\" + kTraceFile);
    RemoveFolder(folder);
    ForgetSettings();
    if (!shown) std::fprintf(stderr, "%s showed no first picture within %lu ms\n", kind.name, kTimeoutMs);
    return shown;
}

}  // namespace

int main(int argc, char** argv)
{
    // startup_bench <folder>... [starts]
    std::vector<std::string> folders;
    int starts = 9;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.find_first_not_of("0123456789") == std::string::npos)
            starts = std::max(1, std::atoi(arg.c_str()));
        else
            folders.push_back(arg);
    }
    if (folders.empty()) {
        std::fprintf(stderr, "usage: startup_bench <folder of lumora.exe>... [starts]\n");
        return 2;
    }

    std::vector<Kind> kinds{
        {"minimal window", kMinimalProgram, kMinimalClass, RGB(0, 0, 0), 0, {kMinimalProgram}, ThisProgramsFolder()}};
    for (const std::string& folder : folders) {
        Kind program{"Lumora Solitaire",   kProgram, kProgramClass, RGB(255, 255, 255), 100,
                     ProgramFiles(folder), folder};
        if (std::find(program.files.begin(), program.files.end(), kProgram) == program.files.end()) {
            std::fprintf(stderr, "no %s in %s\n", kProgram, folder.c_str());
            return 2;
        }
        int modules = 0;
        for (const std::string& file : program.files)
            modules += file.size() > 4 && file.substr(file.size() - 4) == ".dll" && file.rfind("lib", 0) != 0;
        std::printf("(%c) %s: %zu files, %d game modules\n", 'a' + static_cast<int>(kinds.size()), folder.c_str(),
                    program.files.size(), modules);
        kinds.push_back(program);
    }

    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string work = std::string(temp) + "lumora-startup-bench";
    CreateDirectoryA(work.c_str(), nullptr);
    SetEnvironmentVariableA("LUMORA_TRACE_STARTUP", "1");

    // One start of each that is not counted: the files come into the cache.
    Start unused;
    for (const Kind& kind : kinds)
        if (!StartOnce(kind, work + "\\warm", unused)) return 1;

    const size_t n = kinds.size();
    std::vector<std::vector<double>> ms(n), workingSet(n), traced(n);
    std::vector<std::map<std::string, std::vector<double>>> steps(n), stepWorkingSet(n);
    std::vector<std::vector<std::string>> stepOrder(n);
    // Each round starts the programs in another order, each after a pause: a
    // start that follows at once on another program's exit shares the
    // machine with its teardown, and the one started after Lumora would pay
    // for it in every round.
    for (int i = 0; i < starts; ++i) {
        std::vector<double> round(n);
        for (size_t j = 0; j < n; ++j) {
            const size_t k = (j + static_cast<size_t>(i)) % n;
            Sleep(kSettleMs);
            Start start;
            if (!StartOnce(kinds[k], work + "\\" + std::to_string(i) + char('a' + k), start)) return 1;
            ms[k].push_back(start.ms);
            workingSet[k].push_back(start.workingSetMiB);
            // Each trace ends with the first picture, timed from the process's creation.
            if (!start.trace.empty()) traced[k].push_back(start.trace.back().ms);
            for (const TraceStep& step : start.trace) {
                if (!steps[k].count(step.name)) stepOrder[k].push_back(step.name);
                steps[k][step.name].push_back(step.ms);
                stepWorkingSet[k][step.name].push_back(step.workingSetMiB);
            }
            round[k] = start.ms;
        }
        std::printf("start %2d:", i + 1);
        for (size_t k = 0; k < n; ++k) std::printf("  (%c) %6.1f ms", char('a' + k), round[k]);
        std::printf("\n");
        std::fflush(stdout);
    }
    RemoveDirectoryA(work.c_str());

    std::printf("\n%d starts each, process creation to first screen:\n", starts);
    std::printf("                            median    fastest   working set (median)\n");
    const double a = Median(ms[0]), fastestA = *std::min_element(ms[0].begin(), ms[0].end());
    const double setA = Median(workingSet[0]);
    for (size_t k = 0; k < n; ++k) {
        const double fastest = *std::min_element(ms[k].begin(), ms[k].end());
        std::printf("  (%c) %-20s %7.1f ms %7.1f ms %7.1f MiB\n", char('a' + k), kinds[k].name, Median(ms[k]), fastest,
                    Median(workingSet[k]));
        if (k == 0) continue;
        std::printf("      our own cost (%c - a) %7.1f ms %7.1f ms %+7.1f MiB   ratio %.2f\n", char('a' + k),
                    Median(ms[k]) - a, fastest - fastestA, Median(workingSet[k]) - setA, a > 0 ? Median(ms[k]) / a : 0);
    }
    // The same from the traces: no polling of the screen, no CreateProcess.
    if (traced[0].size() == ms[0].size()) {
        std::printf("\nFrom the traces, process creation to the first picture (median):\n");
        const double tracedA = Median(traced[0]);
        std::printf("  (a) %7.1f ms\n", tracedA);
        for (size_t k = 1; k < n; ++k) {
            if (traced[k].size() != ms[k].size()) continue;
            std::printf("  (%c) %7.1f ms   our own cost (%c - a) %7.1f ms\n", char('a' + k), Median(traced[k]),
                        char('a' + k), Median(traced[k]) - tracedA);
        }
    }
    for (size_t k = 0; k < n; ++k) {
        if (stepOrder[k].empty()) continue;
        std::printf("\n(%c) start-up trace, medians: ms from process creation, working set after the step:\n",
                    char('a' + k));
        for (const std::string& step : stepOrder[k]) {
            const double workingSet = Median(stepWorkingSet[k][step]);
            char mib[16] = "     -";
            if (workingSet > 0) std::snprintf(mib, sizeof mib, "%6.1f", workingSet);
            std::printf("  %7.1f ms %s MiB  %s%s\n", Median(steps[k][step]), mib, step.c_str(),
                        steps[k][step].size() < ms[k].size() ? "  (not in every start)" : "");
        }
    }
    return 0;
}
