// Hints as a player follows them: ask for one, read the move the game named
// (the module tells the tests through LumoraKitHint), check that the text
// and the mark say that move, and play it with the mouse.
#pragma once

#include <string>

#include "game_session.h"

namespace gametest {

struct HintMove {
    bool named = false;  // the hint named a move (not "no move helps")
    int from = -1, index = 0, to = -1;
    int stock = -1;      // a click on the stock: its pile
    bool click() const { return named && from < 0; }
};

// The "Hint" item's option number, or -1 when the game has none.
int HintOption(Session& g);
// Chooses "Hint" and reads what it named; `ok` false when the game is not
// of the patience family (the module has no LumoraKitHint).
HintMove AskHint(Session& g, bool* ok = nullptr);
// What is wrong with the message and the mark of the hint for `m` ("" when
// they name its card and its target: the mark on that card when the host
// can mark it, the top one of its pile, and on no other card).
std::string HintDisagrees(Session& g, const HintMove& m);
// Plays the move with the mouse; false when the game refused it.
bool PlayHint(Session& g, const HintMove& m);

}  // namespace gametest
