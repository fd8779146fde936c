// Eight Off: every card dealt face up; eight free cells, four of them
// filled at the deal; build down in suit; only a king starts an empty
// column. Eight columns of six; the last four cards go into the first four
// cells. The game is declared with Seahaven Towers' in kit/towers.h.
#include "towers.h"

namespace {

class EightOff : public towers::TowersGame {
public:
    EightOff() : TowersGame(towers::kEightOff) {}
};

}  // namespace

LUMORA_GAME(EightOff)
