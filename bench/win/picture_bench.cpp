// The cost of making one card picture, as the program makes it at its first
// draw, under Wine:
//   scripts/wine-run build/win64/bin/picture_bench.exe build/win64/bin
// Beside the numbered bitmap at 100 % (the program's path since the first
// release, the baseline), the stored PNG copies decoded at their own size,
// decoded and shrunk to a size between two of them, and enlarged beyond the
// largest. Each figure is the median of many rounds in this one run; only
// the differences and ratios to the baseline mean something.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "table/picture_ladder.h"
#include "table/win/dib_bitmap.h"
#include "table/win/scaled_picture.h"

namespace {

double Now()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return double(t.QuadPart) / double(frequency.QuadPart);
}

// Median microseconds of `rounds` calls; each call makes (and frees) one bitmap.
double Median(int rounds, const std::function<platform::Bitmap()>& make)
{
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        const double start = Now();
        platform::Bitmap b = make();
        const double end = Now();
        if (!b) {
            std::printf("  (no picture made)\n");
            return -1;
        }
        times.push_back((end - start) * 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string folder = argc > 1 ? argv[1] : ".";
    const int rounds = 200;
    struct Library {
        const char* file;
        int number;  // the king of hearts of card set 0: a court card, the most detailed picture
        table::PictureSize card;
    };
    const Library libraries[] = {{"DECKMINI.DLL", 3000 + 100 + 2 * 3 + 2, {45, 63}},
                                 {"DECKMAXI.DLL", 4000 + 100 + 2 * 3 + 2, {67, 94}}};
    bool first = true;
    for (const Library& l : libraries) {
        const std::string path = folder + "\\" + l.file;
        HMODULE m = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        if (!m) {
            std::printf("cannot open %s\n", path.c_str());
            return 1;
        }
        LPCSTR name = MAKEINTRESOURCEA(l.number);
        auto at = [&](int32_t percent) {
            return table::PictureSize{table::ScaledLength(l.card.width, percent),
                                      table::ScaledLength(l.card.height, percent)};
        };
        if (first) {
            // The first picture of the run at 100 %, then the first above.
            double start = Now();
            platform::Bitmap a = table::LoadDibBitmap(m, name, nullptr, nullptr);
            std::printf("first picture of the run, at 100 %%: %.0f us\n", (Now() - start) * 1e6);
            start = Now();
            platform::Bitmap b = table::LoadPictureAtSize(m, MAKEINTRESOURCEA(l.number + 1), at(200), nullptr, nullptr);
            std::printf("first picture of the run above 100 %%: %.0f us\n", (Now() - start) * 1e6);
            first = false;
        }
        std::printf("%s, picture %d, median of %d rounds:\n", l.file, l.number, rounds);
        const double base = Median(rounds, [&] { return table::LoadDibBitmap(m, name, nullptr, nullptr); });
        std::printf("  %-44s %7.0f us\n", "100 %, the numbered bitmap (baseline)", base);
        struct Case {
            const char* what;
            int32_t percent;
        };
        const Case cases[] = {{"125 %, stored copy", 125},
                              {"150 %, stored copy", 150},
                              {"200 %, stored copy", 200},
                              {"300 %, stored copy", 300},
                              {"140 %, the 150 % copy shrunk", 140},
                              {"225 %, the 250 % copy shrunk", 225},
                              {"400 %, the 300 % copy enlarged", 400}};
        for (const Case& c : cases) {
            const double t = Median(rounds, [&] { return table::LoadPictureAtSize(m, name, at(c.percent), nullptr, nullptr); });
            std::printf("  %-44s %7.0f us  (%+6.0f us, x %.1f)\n", c.what, t, t - base, t / base);
        }
        FreeLibrary(m);
    }
    return 0;
}
