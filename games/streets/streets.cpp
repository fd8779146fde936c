// Streets and Alleys: the castle game with the whole pack dealt, seven cards
// to each left row and six to each right row; the aces go home as they come
// free. The table is drawn in castle.h.
#include "castle.h"

namespace {

// Seven dealt cards, and a run from queen to ace on a king at their top.
constexpr int kLongestRow = 7 + 12;

class StreetsAndAlleys : public castle::Castle {
public:
    StreetsAndAlleys() : Castle("Streets and Alleys", kLongestRow, false) {}
};

}  // namespace

LUMORA_GAME(StreetsAndAlleys)
