// Yukon: like Klondike without a stock, but any face-up card may be moved
// together with all the cards above it, in order or not. Build down in
// alternate colours. The game is declared with Russian Solitaire's in
// kit/yukon.h.
#include "yukon.h"

namespace {

class Yukon : public yukon::YukonGame {
public:
    Yukon() : YukonGame(yukon::kYukon) {}
};

}  // namespace

LUMORA_GAME(Yukon)
