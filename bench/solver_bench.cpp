// The kit's solver in the games, on the headless host: how long a hint
// takes, what share of plain deals the solver proves winnable within the
// budget of one deal, and how long "Winnable deals only" takes to deal.
//
//   solver_bench [deals]
#include <dlfcn.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "game_session.h"

namespace {

// The host numbers a game's option items in the order they come.
int Option(gametest::Session& g, const std::string& text)
{
    const std::vector<std::string> items = g->OptionTexts();
    return static_cast<int>(std::find(items.begin(), items.end(), text) - items.begin());
}

struct Game {
    const char* name;
    const char* path;
    int drawOption;  // Klondike's Draw One (0) / Draw Three (1); -1 none
    bool winnable;   // offers "Winnable deals only"
};

const Game kGames[] = {
    {"FreeCell", FREECELL_MODULE, -1, true},
    {"Eight Off", EIGHTOFF_MODULE, -1, true},
    {"Seahaven Towers", SEAHAVEN_MODULE, -1, true},
    {"Baker's Dozen", BAKERDOZ_MODULE, -1, true},
    {"Beleaguered Castle", BELEAGUR_MODULE, -1, true},
    {"Streets and Alleys", STREETS_MODULE, -1, false},
    {"Klondike (Draw One)", KLONDIKE_MODULE, 0, true},
    {"Klondike (Draw Three)", KLONDIKE_MODULE, 1, true},
    {"Yukon", YUKON_MODULE, -1, false},
};

double Ms(std::chrono::steady_clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double Percentile(std::vector<double> v, double p)
{
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<size_t>(p * static_cast<double>(v.size() - 1) + 0.5))];
}

// The module's last search: positions, budget, verdict (0 won), deals tried.
std::vector<long> LastSearch(const char* path)
{
    std::vector<long> figures(4, 0);
    void* module = dlopen(path, RTLD_NOW | RTLD_NOLOAD);
    if (!module) return figures;
    using Probe = int (*)(long*, int*, int);
    if (auto probe = reinterpret_cast<Probe>(dlsym(module, "LumoraKitSearch"))) probe(figures.data(), nullptr, 0);
    dlclose(module);
    return figures;
}

}  // namespace

int main(int argc, char** argv)
{
    const int deals = argc > 1 ? std::max(1, std::atoi(argv[1])) : 40;
    std::printf("%d deals per game (seeds 1..%d)\n\n", deals, deals);
    std::printf("%-22s %9s %9s %9s\n", "Hint on a new deal", "median", "95%", "max");
    for (const Game& game : kGames) {
        gametest::Session g{game.path};
        if (!g.loaded()) {
            std::printf("%s: %s\n", game.name, g.loadError().c_str());
            return 1;
        }
        g.start(1);  // the game's options are in the menu once it is chosen
        if (game.drawOption >= 0) g->SelectOption(game.drawOption);
        if (game.winnable && g->OptionChecked(Option(g, "Winnable deals only"))) g->SelectOption(Option(g, "Winnable deals only"));
        std::vector<double> times;
        for (int seed = 1; seed <= deals; ++seed) {
            g.start(static_cast<uint32_t>(seed));
            const auto t0 = std::chrono::steady_clock::now();
            g->SelectOption(Option(g, "Hint"));
            times.push_back(Ms(std::chrono::steady_clock::now() - t0));
        }
        std::printf("%-22s %7.1fms %7.1fms %7.1fms\n", game.name, Percentile(times, 0.5), Percentile(times, 0.95),
                    Percentile(times, 1.0));
    }

    std::printf("\n%-22s %10s %10s %10s %10s %10s\n", "Winnable deals only", "proven", "per deal", "to a deal",
                "95%", "max");
    for (const Game& game : kGames) {
        if (!game.winnable) continue;
        gametest::Session g{game.path};
        g.start(1);
        if (game.drawOption >= 0) g->SelectOption(game.drawOption);
        if (!g->OptionChecked(Option(g, "Winnable deals only"))) g->SelectOption(Option(g, "Winnable deals only"));
        std::vector<double> times;
        long tried = 0, proven = 0, provenDeals = 0;
        for (int seed = 1; seed <= deals; ++seed) {
            const auto t0 = std::chrono::steady_clock::now();
            g.start(static_cast<uint32_t>(seed));
            const double ms = Ms(std::chrono::steady_clock::now() - t0);
            const std::vector<long> s = LastSearch(game.path);
            tried += s[3];
            if (s[2] == 0) {
                ++proven;
                ++provenDeals;
                times.push_back(ms);
            }
        }
        // Every deal tried but the last one kept was not proven; the kept one was proven or not.
        std::printf("%-22s %9.0f%% %9.0f%% %8.1fms %8.1fms %8.1fms\n", game.name,
                    100.0 * static_cast<double>(provenDeals) / deals,
                    tried ? 100.0 * static_cast<double>(proven) / static_cast<double>(tried) : 0.0, Percentile(times, 0.5),
                    Percentile(times, 0.95), Percentile(times, 1.0));
        g->SelectOption(Option(g, "Winnable deals only"));
    }
    std::printf("\nproven: deals dealt that the solver proved winnable; per deal: share of all deals\n"
                "shuffled that were proven within one deal's budget; times: to a proven deal.\n");
    return 0;
}
