// What keeping the files costs: the score file of 30 games and the resume
// file of a 13-stack table, written the way the program writes them now
// (a temporary file beside the target, flushed to the disk, renamed over
// it) beside the old way (the target rewritten in place, not flushed) and
// the in-place write with the flush alone, in one run. Prints microseconds
// per write: the best and the median of the runs.
//   scripts/wine-run build/win64/bin/save_bench.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "core/host_core.h"
#include "persistence/game_file.h"
#include "persistence/score_file.h"
#include "persistence/win/file_io.h"
#include "persistence/win/replace_file.h"
#include "tests/fuzz/null_seam.h"

namespace {

constexpr int kRuns = 9;
constexpr int kWritesPerRun = 20;
constexpr int kModules = 30;
constexpr uint32_t kModuleDataBytes = 2048;

double Now()
{
    LARGE_INTEGER f, t;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t);
    return double(t.QuadPart) / double(f.QuadPart);
}

struct Figure {
    double best;
    double median;
};

Figure Time(const std::function<void()>& write)
{
    std::vector<double> runs;
    for (int r = 0; r < kRuns; ++r) {
        const double start = Now();
        for (int i = 0; i < kWritesPerRun; ++i) write();
        runs.push_back((Now() - start) * 1e6 / kWritesPerRun);
    }
    std::sort(runs.begin(), runs.end());
    return {runs.front(), runs[runs.size() / 2]};
}

TSMemory TS_CALL ModuleData()
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, kModuleDataBytes);
    return block;
}

// Thirty games with scores, the first current, its table dealt as a
// classic patience: stock, waste, four foundations, seven columns.
void Fill(core::HostCore& core)
{
    core.modules.count = kModules;
    for (int i = 0; i < kModules; ++i) {
        core::ModuleEntry& m = core.modules.rows[static_cast<size_t>(i)];
        std::snprintf(m.name, sizeof m.name, "Game %d", i);
        m.score = {i * 3, i, i * 70, 90};
    }
    core.modules.rows[0].entry.getGameData = ModuleData;
    core.flow.currentModule = 0;
    int16_t next = 0;
    auto stack = [&](int16_t fan, int32_t x, int32_t y, int cards) {
        CardStack* s = core.table.Create(StackSpec{0, x, y, TS_BASE_EMPTY, fan, 52, 0}, table::CardSize::Small);
        for (int c = 0; c < cards; ++c) s->cards[c].image = next++;
        s->count = static_cast<int16_t>(cards);
    };
    stack(TS_FAN_COUNTED, 10, 10, 24);
    stack(TS_FAN_SQUARED, 70, 10, 1);
    for (int f = 0; f < 4; ++f) stack(TS_FAN_SQUARED, 180 + 60 * f, 10, 0);
    for (int c = 0; c < 7; ++c) stack(TS_FAN_DOWN, 10 + 60 * c, 90, c + 1);
}

void InPlace(const std::string& path, const std::function<void(persistence::ByteSink&)>& write, bool flush)
{
    persistence::FileSink out(path.c_str());
    write(out);
    if (flush)
        out.FlushAndClose();
    else
        out.Close();
}

void Report(const char* file, const std::string& path, const std::function<void(persistence::ByteSink&)>& write)
{
    const Figure old = Time([&] { InPlace(path, write, false); });
    const Figure flushed = Time([&] { InPlace(path, write, true); });
    const Figure now = Time([&] {
        persistence::ReplaceFile(path, [&](persistence::ByteSink& out) {
            write(out);
            return true;
        });
    });
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
    std::printf("%s (%lu bytes), microseconds per write, best / median of %d runs of %d:\n", file,
                static_cast<unsigned long>(data.nFileSizeLow), kRuns, kWritesPerRun);
    std::printf("  in place, not flushed (the old way)     %8.0f / %8.0f\n", old.best, old.median);
    std::printf("  in place, flushed                       %8.0f / %8.0f\n", flushed.best, flushed.median);
    std::printf("  temporary file, flushed, renamed (now)  %8.0f / %8.0f   (%.1f x the old way's median)\n",
                now.best, now.median, now.median / old.median);
}

}  // namespace

int main()
{
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    const std::string folder = std::string(temp) + "lumora-save-bench-" + std::to_string(GetCurrentProcessId());
    if (!CreateDirectoryA(folder.c_str(), nullptr)) {
        std::printf("cannot make %s\n", folder.c_str());
        return 1;
    }
    fuzz::NullSeam seam;
    static core::HostCore core(seam);
    Fill(core);
    persistence::GlobalGameMemory memory;
    const std::string scores = folder + "\\tslnscor.sav";
    const std::string resume = folder + "\\tslnsave.gam";
    std::printf("in %s\n", folder.c_str());
    Report("score file", scores, [&](persistence::ByteSink& out) { persistence::WriteScoreFile(core.modules, out); });
    Report("resume file", resume,
           [&](persistence::ByteSink& out) { persistence::WriteGameFile(core, memory, out); });
    DeleteFileA(scores.c_str());
    DeleteFileA(resume.c_str());
    RemoveDirectoryA(folder.c_str());
    return 0;
}
