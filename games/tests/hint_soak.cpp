// game_hint_soak: deals a range of seeds of one game module and follows its
// hints as a player would, each deal until the game is over, a hint names no
// move or the count of hints runs out. Every hint must name its move in its
// text and mark, and the game must accept every move a hint names.
//
//   game_hint_soak MODULE.so [first-seed] [last-seed] [hints-per-deal]
#include <cstdio>
#include <cstdlib>
#include <string>

#include "hint_follower.h"

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s MODULE.so [first-seed] [last-seed] [hints-per-deal]\n", argv[0]);
        return 2;
    }
    const std::string module = argv[1];
    const unsigned long first = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 1;
    const unsigned long last = argc > 3 ? std::strtoul(argv[3], nullptr, 10) : first + 49;
    const int most = argc > 4 ? std::atoi(argv[4]) : 40;

    long hints = 0, played = 0, won = 0, failures = 0;
    for (unsigned long seed = first; seed <= last; ++seed) {
        gametest::Session game(module);
        if (!game.loaded()) {
            std::fprintf(stderr, "%s: not loaded: %s\n", module.c_str(), game.loadError().c_str());
            return 1;
        }
        if (!game.start(static_cast<uint32_t>(seed), seed % 2 == 0)) {
            // Auto-play may finish a deal at once (no card can move after it).
            if (game->GamesWon() + game->GamesLost() > 0) continue;
            std::fprintf(stderr, "seed %lu: the deal failed\n", seed);
            return 1;
        }
        if (gametest::HintOption(game) < 0) {
            std::printf("%s: no Hint option\n", module.c_str());
            return 0;
        }
        const std::vector<gametest::Card> cards = game.allCards();
        for (int i = 0; i < most && game->GameInPlay(); ++i) {
            bool family = false;
            const gametest::HintMove m = gametest::AskHint(game, &family);
            if (!family) {
                std::printf("%s: its hints are its own (not of the patience family)\n", module.c_str());
                return 0;
            }
            ++hints;
            const std::string problem = gametest::HintDisagrees(game, m);
            if (!problem.empty()) {
                std::fprintf(stderr, "seed %lu, hint %d: %s\n", seed, i, problem.c_str());
                ++failures;
                break;
            }
            if (!m.named) break;
            if (!gametest::PlayHint(game, m)) {
                std::fprintf(stderr, "seed %lu, hint %d: refused: %s (from %d card %d to %d)\n", seed, i,
                             game->MessageText().c_str(), m.from, m.index, m.to);
                ++failures;
                break;
            }
            ++played;
            const std::string broken = game.check(cards);
            if (!broken.empty()) {
                std::fprintf(stderr, "seed %lu, hint %d: %s\n", seed, i, broken.c_str());
                ++failures;
                break;
            }
        }
        won += game->GamesWon();
    }
    std::printf("%s: seeds %lu..%lu, %ld hints, %ld played, %ld won, %ld refused or wrong\n", module.c_str(), first,
                last, hints, played, won, failures);
    return failures ? 1 : 0;
}
