// FreeCell: every card dealt face up; build down in alternate colours; four
// free cells hold one card each; any card may start an empty column.
//
//   [cell] [cell] [cell] [cell]   [found] [found] [found] [found]
//
//   [ 1 ] [ 2 ] [ 3 ] [ 4 ] [ 5 ] [ 6 ] [ 7 ] [ 8 ]   tableau: 7,7,7,7,6,6,6,6
//    ...   ...   ...   ...   ...   ...   ...   ...    cards, all face up
//
// A run moves at once when there is room to move it card by card: (free
// cells + 1), doubled for every empty column. Cards home stay home. Lost
// when no move is left. Score: the cards on the foundations.
#include "layout.h"
#include "patience.h"

namespace {

using namespace kit;

constexpr Grid kGrid;
constexpr int kTableauY = 87;
constexpr int kX(int column) { return kGrid.x(column); }

PatienceRules FreeCellRules()
{
    PatienceRules r;
    r.tableau = r.runs = Build::DownAlternate;
    r.emptyTableau = Empty::AnyCard;
    r.runsNeedSpace = true;
    r.doubleClickToCell = true;
    r.lossWhenStuck = true;
    r.winnableDeals = true;
    return r;
}

class FreeCell : public Patience {
public:
    FreeCell() : Patience("FreeCell", {kGrid.width(8), kGrid.below(kTableauY, 20)}, FreeCellRules())
    {
        for (int i = 0; i < 4; ++i) addPile(Role::Cell, kX(i), kGrid.margin, TS_FAN_SQUARED, TS_BASE_FREE_CELL, 1);
        for (int s = 0; s < TS_SUITS; ++s)
            addPile(Role::Foundation, kX(4 + s), kGrid.margin, TS_FAN_SQUARED, TS_BASE_FOUNDATION_ANY, 13);
        for (int c = 0; c < 8; ++c) addPile(Role::Tableau, kX(c), kTableauY, TS_FAN_DOWN, TS_BASE_EMPTY, 20);
    }

private:
    void deal() override
    {
        const std::vector<Card> cards = shuffled(fullDecks(1));
        const std::vector<int> columns = piles(Role::Tableau);
        for (size_t i = 0; i < cards.size(); ++i) dealCard(columns[i % columns.size()], cards[i]);
    }

    std::string messageText() const override
    {
        return "Runs of " + std::to_string(longestRun(-1, -1)) + " can move";
    }
};

}  // namespace

LUMORA_GAME(FreeCell)
