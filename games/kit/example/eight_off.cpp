// Eight Off: the example game of the kit guide, a whole module in one page.
//
//   [cell] [cell] [cell] [cell] [cell] [cell] [cell] [cell]
//
//   [ 1 ] [ 2 ] [ 3 ] [ 4 ] [ 5 ] [ 6 ] [ 7 ] [ 8 ]    [found]
//    ...   ...   ...   ...   ...   ...   ...   ...     [found]
//                                                      [found]
//                                                      [found]
//
// Eight columns of six face-up cards; the last four cards start in the first
// four cells. Build down in suit; only a king goes into an empty column; a
// run moves when the free cells would let it move card by card.
#include "layout.h"
#include "patience.h"

namespace {

using namespace kit;

constexpr Grid kGrid;
constexpr int kTableauY = 87, kFoundationStep = 75;
constexpr int kX(int column) { return kGrid.x(column); }

// 1. The rules, picked from the kit's predicates.
PatienceRules EightOffRules()
{
    PatienceRules r;
    r.tableau = r.runs = Build::DownSameSuit;
    r.emptyTableau = Empty::KingOnly;
    r.runsNeedSpace = true;
    r.safety = Build::DownSameSuit;
    r.lossWhenStuck = true;
    return r;
}

class EightOff : public Patience {
public:
    // 2. The name, the table's size and the piles: role, place, fan, base, capacity.
    //    Saved games and scores are kept by the name: a game of your own
    //    needs one no other game uses.
    EightOff() : Patience("Kit Example", {kX(8) + 20 + kCardWidth + kGrid.margin, kGrid.below(kTableauY + 3 * kFoundationStep, 1)}, EightOffRules())
    {
        for (int i = 0; i < 8; ++i) addPile(Role::Cell, kX(i), kGrid.margin, TS_FAN_SQUARED, TS_BASE_FREE_CELL, 1);
        for (int c = 0; c < 8; ++c) addPile(Role::Tableau, kX(c), kTableauY, TS_FAN_DOWN, TS_BASE_KING_ONLY, 19);
        for (int s = 0; s < 4; ++s)
            addPile(Role::Foundation, kX(8) + 20, kTableauY + kFoundationStep * s, TS_FAN_SQUARED, TS_BASE_FOUNDATION_ANY, 13);
    }

private:
    // 3. The deal: shuffled by the host, so Replay deals the same cards.
    void deal() override
    {
        const std::vector<Card> cards = shuffled(fullDecks(1));
        const std::vector<int> columns = piles(Role::Tableau), cells = piles(Role::Cell);
        size_t next = 0;
        for (int row = 0; row < 6; ++row)
            for (int c : columns) dealCard(c, cards[next++]);
        for (int i = 0; i < 4; ++i) dealCard(cells[i], cards[next++]);
    }
    // Everything else (drags, drops, double clicks, auto-play, undo, saving,
    // the score and the win) comes from Patience and Game.
};

}  // namespace

LUMORA_GAME(EightOff)
