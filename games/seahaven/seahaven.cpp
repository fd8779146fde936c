// Seahaven Towers: every card dealt face up; four free cells, two of them
// filled at the deal; build down in suit; only a king starts an empty column.
//
//   [found] [found]       [cell] [cell] [cell] [cell]       [found] [found]
//
//   [ 1 ] [ 2 ] [ 3 ] [ 4 ] [ 5 ] [ 6 ] [ 7 ] [ 8 ] [ 9 ] [10 ]
//    ...   ...   ...   ...   ...   ...   ...   ...   ...   ...
//
// Ten columns of five; the last two cards go into the middle two cells.
// A run in suit moves at once when the free cells would let it move card by
// card (empty columns take kings only, so they do not help). Cards home stay
// home. Score: the cards on the foundations. The game is lost when no card
// can move anywhere that changes the table.
#include "layout.h"
#include "patience.h"

namespace {

using namespace kit;

constexpr Grid kGrid;
constexpr int kCells = 4, kColumns = 10, kDealtRows = 5;
constexpr int kTableauY = kGrid.margin + kCardHeight + 16;
// Five dealt cards, and a run from queen to ace on a king at their top.
constexpr int kColumnCapacity = kDealtRows + 12;
constexpr int kX(int column) { return kGrid.x(column); }
// Above the columns: two foundations at each end, the cells in the middle.
constexpr int kFoundationColumns[TS_SUITS] = {0, 1, 8, 9};
constexpr int kFirstCellColumn = 3;

PatienceRules SeahavenRules()
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

class Seahaven : public Patience {
public:
    Seahaven() : Patience("Seahaven Towers", {kGrid.width(kColumns), kGrid.below(kTableauY, kColumnCapacity)}, SeahavenRules())
    {
        for (int i = 0; i < kCells; ++i)
            addPile(Role::Cell, kX(kFirstCellColumn + i), kGrid.margin, TS_FAN_SQUARED, TS_BASE_FREE_CELL, 1);
        for (int c = 0; c < kColumns; ++c)
            addPile(Role::Tableau, kX(c), kTableauY, TS_FAN_DOWN, TS_BASE_KING_ONLY, kColumnCapacity);
        for (int column : kFoundationColumns)
            addPile(Role::Foundation, kX(column), kGrid.margin, TS_FAN_SQUARED, TS_BASE_FOUNDATION_ANY, TS_RANKS);
    }

private:
    void deal() override
    {
        const std::vector<Card> cards = shuffled(fullDecks(1));
        const std::vector<int> columns = piles(Role::Tableau), cells = piles(Role::Cell);
        size_t next = 0;
        for (int row = 0; row < kDealtRows; ++row)
            for (int c : columns) dealCard(c, cards[next++]);
        for (size_t i = 1; next < cards.size(); ++i) dealCard(cells[i], cards[next++]);
    }

    std::string messageText() const override
    {
        return "Runs of " + std::to_string(longestRun(-1, -1)) + " can move";
    }
};

}  // namespace

LUMORA_GAME(Seahaven)
