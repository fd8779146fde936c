// Beleaguered Castle: the castle game with the four aces on the foundations
// at the start and the other 48 cards dealt six to a row. The table is drawn
// in the castle header the game shares with Streets and Alleys.
#include "castle.h"

namespace {

// Six dealt cards, and a run from queen to two on a king at their top.
constexpr int kLongestRow = 6 + 11;

class BeleagueredCastle : public castle::Castle {
public:
    BeleagueredCastle() : Castle("Beleaguered Castle", kLongestRow, true, true) {}
};

}  // namespace

LUMORA_GAME(BeleagueredCastle)
