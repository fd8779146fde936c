// Forty Thieves: two decks; build down in suit; one pass through the stock.
//
//   [stock] [waste]  [found] [found] [found] [found] [found] [found] [found] [found]
//
//   [ 1 ] [ 2 ] [ 3 ] [ 4 ] [ 5 ] [ 6 ] [ 7 ] [ 8 ] [ 9 ] [10 ]   tableau: four
//    ...   ...   ...   ...   ...   ...   ...   ...   ...   ...    face-up cards each
//
// Any card may go into an empty column. A run in suit moves at once when the
// empty columns would let it move card by card (each one doubles it).
// Lost when the stock is out and no move is left. Score: the cards on the
// foundations.
#include "layout.h"
#include "patience.h"

namespace {

using namespace kit;

constexpr Grid kGrid;
constexpr int kTableauY = 87;
constexpr int kX(int column) { return kGrid.x(column); }

PatienceRules FortyThievesRules()
{
    PatienceRules r;
    r.tableau = r.runs = Build::DownSameSuit;
    r.emptyTableau = Empty::AnyCard;
    r.runsNeedSpace = true;
    r.safety = Build::DownSameSuit;
    r.decks = 2;
    r.lossWhenStuck = true;
    return r;
}

class FortyThieves : public Patience {
public:
    FortyThieves() : Patience("Forty Thieves", {kGrid.width(10), kGrid.below(kTableauY, 17)}, FortyThievesRules())
    {
        stock_ = addPile(Role::Stock, kX(0), kGrid.margin, TS_FAN_COUNTED, TS_BASE_STOCK_DONE, 64);
        waste_ = addPile(Role::Waste, kX(1), kGrid.margin, TS_FAN_SQUARED, TS_BASE_WASTE, 64);
        for (int f = 0; f < 8; ++f)
            addPile(Role::Foundation, kX(2 + f), kGrid.margin, TS_FAN_SQUARED, TS_BASE_FOUNDATION_ANY, 13);
        for (int c = 0; c < 10; ++c) addPile(Role::Tableau, kX(c), kTableauY, TS_FAN_DOWN, TS_BASE_EMPTY, 17);
    }

private:
    void deal() override
    {
        const std::vector<Card> cards = shuffled(fullDecks(2));
        const std::vector<int> columns = piles(Role::Tableau);
        size_t next = 0;
        for (int row = 0; row < 4; ++row)
            for (int c : columns) dealCard(c, cards[next++]);
        while (next < cards.size()) dealCard(stock_, cards[next++], Face::Down);
    }

    void stockClicked() override { moveTop(stock_, waste_); }

    std::string messageText() const override
    {
        return empty(stock_) ? "The stock is used up" : "Stock: " + Counted(count(stock_), "card") + ", one pass";
    }

    int stock_, waste_;
};

}  // namespace

LUMORA_GAME(FortyThieves)
