// Simple Simon: ten columns, every card face up; build down regardless of
// suit, but only a run in one suit moves together; a whole suit from king
// to ace goes home.
//
//                     [home] [home] [home] [home]
//
//   [ 1 ] [ 2 ] [ 3 ] [ 4 ] [ 5 ] [ 6 ] [ 7 ] [ 8 ] [ 9 ] [10 ]
//    ...   ...   ...   ...   ...   ...   ...   ...   ...   ...
//
// The columns get 8, 8, 8, 7, 6, 5, 4, 3, 2 and 1 cards. An empty column
// takes any card or run. Score: the cards home.
#include "layout.h"
#include "patience.h"

namespace {

using namespace kit;

constexpr Grid kGrid;
constexpr int kTableauY = 87, kColumns = 10;
constexpr int kX(int column) { return kGrid.x(column); }
constexpr int kDealt[kColumns] = {8, 8, 8, 7, 6, 5, 4, 3, 2, 1};

PatienceRules SimpleSimonRules()
{
    PatienceRules r;
    r.tableau = Build::DownAnySuit;
    r.runs = Build::DownSameSuit;
    r.emptyTableau = Empty::AnyCard;
    r.runsGoHome = true;
    r.lossWhenStuck = true;
    return r;
}

class SimpleSimon : public Patience {
public:
    SimpleSimon() : Patience("Simple Simon", {kGrid.width(kColumns), kGrid.below(kTableauY, 28)}, SimpleSimonRules())
    {
        for (int f = 0; f < TS_SUITS; ++f)
            addPile(Role::Foundation, kX(3 + f), kGrid.margin, TS_FAN_SQUARED, TS_BASE_DISCARD, TS_RANKS);
        for (int c = 0; c < kColumns; ++c)
            addPile(Role::Tableau, kX(c), kTableauY, TS_FAN_DOWN, TS_BASE_EMPTY, TS_CARDS);
    }

private:
    void deal() override
    {
        const std::vector<Card> cards = shuffled(fullDecks(1));
        const std::vector<int> columns = piles(Role::Tableau);
        size_t next = 0;
        // Row by row, each row one column shorter from the fourth row on.
        for (int row = 0; row < kDealt[0]; ++row)
            for (int c = 0; c < kColumns; ++c)
                if (row < kDealt[c]) dealCard(columns[c], cards[next++]);
    }

    std::string messageText() const override
    {
        return std::to_string(cardsIn(Role::Foundation) / TS_RANKS) + " of 4 suits home";
    }
};

}  // namespace

LUMORA_GAME(SimpleSimon)
