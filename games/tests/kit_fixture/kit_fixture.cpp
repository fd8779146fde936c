// A game that exists only for the tests of the kit: each pile or option
// uses one of the kit's pieces, so that the tests can drive it on the
// headless host.
//
//   [stock] [waste]    [found] [found] [found] [found]
//   [reserve, fanned right: any card lifts alone     ]
//   [ 1 ] [ 2 ] [ 3 ] [ 4 ]        tableau, down in alternate colours
//   [cell] [cell] [cell]           a grid of cells, two rows of three
//   [cell] [cell] [cell]
//
// Options: 0 removes the reserve's bottom card from the table, 1 clears
// the waste. Score: the cards home or removed. Won when no card is left in
// play; lost when no move is left.
#include "layout.h"
#include "patience.h"

namespace {

using namespace kit;

constexpr Grid kGrid;

PatienceRules FixtureRules()
{
    PatienceRules r;
    r.lossWhenStuck = true;
    r.safety = Build::None;
    return r;
}

class KitFixture : public Patience {
public:
    KitFixture() : Patience("Kit fixture", {kGrid.width(6), kGrid.height(5)}, FixtureRules())
    {
        stock_ = addPile(Role::Stock, kGrid.x(0), kGrid.y(0), {TS_FAN_COUNTED, TS_BASE_STOCK_REDEAL, TS_CARDS});
        waste_ = addPile(Role::Waste, kGrid.x(1), kGrid.y(0), {TS_FAN_SQUARED, TS_BASE_WASTE, TS_CARDS});
        addRow(Role::Foundation, 4, kGrid.x(2), kGrid.y(0), kGrid.pitch, {TS_FAN_SQUARED, TS_BASE_FOUNDATION_ANY, 13});
        reserve_ = addPile(Role::Reserve, kGrid.x(0), kGrid.y(1), {TS_FAN_RIGHT, TS_BASE_RESERVE, 16});
        setLift(reserve_, Lift::AnyCard);
        addRow(Role::Tableau, 4, kGrid.x(0), kGrid.y(2), kGrid.pitch, {TS_FAN_SQUARED, TS_BASE_EMPTY, TS_CARDS});
        cells_ = addGrid(Role::Cell, 2, 3, kGrid.x(0), kGrid.y(3), kGrid.pitch, kGrid.rowPitch, {TS_FAN_SQUARED, TS_BASE_FREE_CELL, 1});
        keepState(s_);
    }

private:
    struct State {
        int32_t removed;  // cards taken off the table
    } s_{};

    void deal() override
    {
        const std::vector<Card> cards = shuffled(fullDecks(1));
        size_t next = 0;
        for (int i = 0; i < 8; ++i) dealCard(reserve_, cards[next++]);
        for (int c : piles(Role::Tableau)) dealCard(c, cards[next++]);
        while (next < cards.size()) dealCard(stock_, cards[next++], Face::Down);
    }

    void stockClicked() override
    {
        if (!empty(stock_)) {
            moveTop(stock_, waste_, {.faceDown = false, .slide = false});
        } else {
            recycle(waste_, stock_);
        }
    }

    void addOptions() override
    {
        host().addOption(0, "Remove a card");
        host().addOption(1, "Clear the waste");
    }
    void optionChosen(int option) override
    {
        if (option == 0 && !empty(reserve_)) {
            removeCard(reserve_, 0);
            ++s_.removed;
        } else if (option == 1) {
            s_.removed += count(waste_);
            clearPile(waste_);
        }
    }

    int inPlay() const
    {
        return cardsIn(Role::Stock) + cardsIn(Role::Waste) + cardsIn(Role::Reserve) + cardsIn(Role::Tableau) +
               cardsIn(Role::Cell);
    }
    int points() const override { return cardsIn(Role::Foundation) + s_.removed; }
    bool won() const override { return inPlay() == 0; }
    std::string messageText() const override
    {
        return "Cells " + std::to_string(cells_.rows) + " x " + std::to_string(cells_.columns);
    }

    int stock_, waste_, reserve_;
    GridPiles cells_;
};

}  // namespace

LUMORA_GAME(KitFixture)
