// game_soak: deals a range of seeds of one game module and plays each deal
// with random actions (drags, clicks, double clicks, undo, save and load),
// checking after every action that no card was lost or duplicated and that
// every stack stays within its capacity.
//
//   game_soak MODULE.so [first-seed] [last-seed] [actions-per-deal]
#include <cstdio>
#include <cstdlib>
#include <string>

#include "game_session.h"

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s MODULE.so [first-seed] [last-seed] [actions-per-deal]\n", argv[0]);
        return 2;
    }
    const std::string module = argv[1];
    const unsigned long first = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 1;
    const unsigned long last = argc > 3 ? std::strtoul(argv[3], nullptr, 10) : first + 19;
    const int actions = argc > 4 ? std::atoi(argv[4]) : 300;

    int won = 0, lost = 0, accepted = 0, failures = 0;
    for (unsigned long seed = first; seed <= last; ++seed) {
        gametest::Session game(module);
        if (!game.loaded()) {
            std::fprintf(stderr, "%s: not loaded: %s\n", module.c_str(), game.loadError().c_str());
            return 1;
        }
        if (!game.start(static_cast<uint32_t>(seed), seed % 2 == 0)) {
            std::fprintf(stderr, "seed %lu: the deal failed\n", seed);
            return 1;
        }
        const std::vector<gametest::Card> cards = game.allCards();
        std::mt19937 rng(static_cast<uint32_t>(seed));
        for (int a = 0; a < actions && game->GameInPlay(); ++a) {
            accepted += game.playRandom(rng) ? 1 : 0;
            const std::string problem = game.check(cards);
            if (!problem.empty()) {
                std::fprintf(stderr, "seed %lu, action %d: %s\n", seed, a, problem.c_str());
                ++failures;
                break;
            }
        }
        won += game->GamesWon();
        lost += game->GamesLost();
    }
    std::printf("%s: seeds %lu..%lu, %d actions accepted, %d won, %d lost, %d failures\n", module.c_str(), first,
                last, accepted, won, lost, failures);
    return failures ? 1 : 0;
}
