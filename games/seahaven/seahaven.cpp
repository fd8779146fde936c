// Seahaven Towers: every card dealt face up; four free cells, two of them
// filled at the deal; build down in suit; only a king starts an empty
// column. Ten columns of five; the last two cards go into the middle two
// cells. The game is declared with Eight Off's in kit/towers.h.
#include "towers.h"

namespace {

class Seahaven : public towers::TowersGame {
public:
    Seahaven() : TowersGame(towers::kSeahaven) {}
};

}  // namespace

LUMORA_GAME(Seahaven)
