// Eight Off: every card dealt face up; eight free cells, four of them
// filled at the deal; build down in suit; only a king starts an empty column.
//
//   [cell] [cell] [cell] [cell] [cell] [cell] [cell] [cell]   [found]
//                                                             [found]
//   [ 1 ] [ 2 ] [ 3 ] [ 4 ] [ 5 ] [ 6 ] [ 7 ] [ 8 ]           [found]
//    ...   ...   ...   ...   ...   ...   ...   ...            [found]
//
// Eight columns of six; the last four cards go into the first four cells.
// A run in suit moves at once when the free cells would let it move card by
// card (empty columns take kings only, so they do not help). Cards home stay
// home. Score: the cards on the foundations. The game is lost when no card
// can move anywhere that changes the table.
#include <algorithm>

#include "layout.h"
#include "patience.h"

namespace {

using namespace kit;

constexpr Grid kGrid;
constexpr int kCells = 8, kColumns = 8, kDealtRows = 6;
constexpr int kTableauY = kGrid.margin + kCardHeight + 16, kFoundationStep = kCardHeight + 12;
constexpr int kFoundationX = kGrid.x(kColumns) + 10;  // a little apart from the cells
// Six dealt cards, and a run from queen to ace on a king at their top.
constexpr int kColumnCapacity = kDealtRows + 12;
constexpr int kX(int column) { return kGrid.x(column); }

PatienceRules EightOffRules()
{
    PatienceRules r;
    r.tableau = r.runs = Build::DownSameSuit;
    r.emptyTableau = Empty::KingOnly;
    r.runsNeedSpace = true;
    r.doubleClickToCell = true;
    r.lossWhenStuck = true;
    r.safety = Build::DownSameSuit;
    r.winnableDeals = true;
    return r;
}

class EightOff : public Patience {
public:
    EightOff()
        : Patience("Eight Off",
                   {kFoundationX + kCardWidth + kGrid.margin,
                    std::max(kGrid.below(kTableauY, kColumnCapacity), kGrid.below(kGrid.margin + 3 * kFoundationStep, 1))},
                   EightOffRules())
    {
        for (int i = 0; i < kCells; ++i) addPile(Role::Cell, kX(i), kGrid.margin, TS_FAN_SQUARED, TS_BASE_FREE_CELL, 1);
        for (int c = 0; c < kColumns; ++c)
            addPile(Role::Tableau, kX(c), kTableauY, TS_FAN_DOWN, TS_BASE_KING_ONLY, kColumnCapacity);
        for (int s = 0; s < TS_SUITS; ++s)
            addPile(Role::Foundation, kFoundationX, kGrid.margin + kFoundationStep * s, TS_FAN_SQUARED, TS_BASE_FOUNDATION_ANY, TS_RANKS);
    }

private:
    void deal() override
    {
        const std::vector<Card> cards = shuffled(fullDecks(1));
        const std::vector<int> columns = piles(Role::Tableau), cells = piles(Role::Cell);
        size_t next = 0;
        for (int row = 0; row < kDealtRows; ++row)
            for (int c : columns) dealCard(c, cards[next++]);
        for (size_t i = 0; next < cards.size(); ++i) dealCard(cells[i], cards[next++]);
    }

    std::string messageText() const override
    {
        return "Runs of " + std::to_string(longestRun(-1, -1)) + " can move";
    }
};

}  // namespace

LUMORA_GAME(EightOff)
