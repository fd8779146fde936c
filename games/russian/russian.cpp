// Russian Solitaire: Yukon's deal and moves, but the columns are built down
// in suit: any face-up card moves with all the cards above it onto the next
// higher card of its suit. The message area counts the cards home. The game
// is declared with Yukon's in kit/yukon.h.
#include "yukon.h"

namespace {

class Russian : public yukon::YukonGame {
public:
    Russian() : YukonGame(yukon::kRussian) {}
};

}  // namespace

LUMORA_GAME(Russian)
