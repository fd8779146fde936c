// SPDX-License-Identifier: MIT
//
// The games of free cells and suits (Eight Off, Seahaven Towers): every card
// dealt face up into the columns, the last few into free cells; build down
// in suit; only a king starts an empty column; a run in suit moves at once
// when the free cells would let it move card by card (empty columns take
// kings only, so they do not help). Cards home stay home. Score: the cards
// on the foundations. The game is lost when no card can move anywhere that
// changes the table.
//
// Eight Off: eight cells above eight columns, the foundations beside them;
// Seahaven Towers: two foundations at each end of the top row, four cells
// between them, ten columns.
//
//   [cell] [cell] [cell] [cell] [cell] [cell] [cell] [cell]   [found]
//   [ 1 ] [ 2 ] [ 3 ] [ 4 ] [ 5 ] [ 6 ] [ 7 ] [ 8 ]           [found] ...
//
//   [found] [found]       [cell] [cell] [cell] [cell]       [found] [found]
//   [ 1 ] [ 2 ] [ 3 ] [ 4 ] [ 5 ] [ 6 ] [ 7 ] [ 8 ] [ 9 ] [10 ]
#pragma once

#include <algorithm>
#include <string>

#include "layout.h"
#include "patience.h"

namespace towers {

using namespace kit;

enum class Foundations { Beside, AtTheEnds };

struct Variant {
    const char* name;
    int cells, columns, dealtRows;
    int firstDealtCell;  // the cards left after the rows go into the cells from this one
    Foundations foundations;
};

inline constexpr Variant kEightOff{"Eight Off", 8, 8, 6, 0, Foundations::Beside};
inline constexpr Variant kSeahaven{"Seahaven Towers", 4, 10, 5, 1, Foundations::AtTheEnds};

constexpr Grid kGrid;
constexpr int kTableauY = kGrid.margin + kCardHeight + 16, kFoundationStep = kCardHeight + 12;
constexpr int kX(int column) { return kGrid.x(column); }
// The dealt cards, and a run from queen to ace on a king at their top.
constexpr int ColumnCapacity(const Variant& v) { return v.dealtRows + 12; }
// Beside the columns, a little apart from the cells.
constexpr int FoundationX(const Variant& v) { return kGrid.x(v.columns) + 10; }

constexpr Extent TableOf(const Variant& v)
{
    if (v.foundations == Foundations::AtTheEnds) return {kGrid.width(v.columns), kGrid.below(kTableauY, ColumnCapacity(v))};
    return {FoundationX(v) + kCardWidth + kGrid.margin,
            std::max(kGrid.below(kTableauY, ColumnCapacity(v)), kGrid.below(kGrid.margin + 3 * kFoundationStep, 1))};
}

inline PatienceRules TowersRules()
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

class TowersGame : public Patience {
public:
    explicit TowersGame(const Variant& v) : Patience(v.name, TableOf(v), TowersRules()), variant_(v)
    {
        // The cells sit in the middle of the top row when the foundations take its ends.
        const int firstCell = v.foundations == Foundations::AtTheEnds ? (v.columns - v.cells) / 2 : 0;
        for (int i = 0; i < v.cells; ++i)
            addPile(Role::Cell, kX(firstCell + i), kGrid.margin, TS_FAN_SQUARED, TS_BASE_FREE_CELL, 1);
        for (int c = 0; c < v.columns; ++c)
            addPile(Role::Tableau, kX(c), kTableauY, TS_FAN_DOWN, TS_BASE_KING_ONLY, ColumnCapacity(v));
        for (int s = 0; s < TS_SUITS; ++s) {
            const bool ends = v.foundations == Foundations::AtTheEnds;
            const int x = ends ? kX(s < 2 ? s : v.columns - 4 + s) : FoundationX(v);
            const int y = ends ? kGrid.margin : kGrid.margin + kFoundationStep * s;
            addPile(Role::Foundation, x, y, TS_FAN_SQUARED, TS_BASE_FOUNDATION_ANY, TS_RANKS);
        }
    }

private:
    void deal() override
    {
        const std::vector<Card> cards = shuffled(fullDecks(1));
        const std::vector<int> columns = piles(Role::Tableau), cells = piles(Role::Cell);
        size_t next = 0;
        for (int row = 0; row < variant_.dealtRows; ++row)
            for (int c : columns) dealCard(c, cards[next++]);
        for (size_t i = static_cast<size_t>(variant_.firstDealtCell); next < cards.size(); ++i) dealCard(cells[i], cards[next++]);
    }

    std::string messageText() const override { return "Runs of " + std::to_string(longestRun(-1, -1)) + " can move"; }

    const Variant& variant_;
};

}  // namespace towers
