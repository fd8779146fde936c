// SPDX-License-Identifier: MIT
//
// The family of games that take cards off the table in pairs (Pyramid,
// Monte Carlo...). A click on a free card marks it; a click on a second free
// card that pairs with it puts both on the discard pile; a card that goes
// alone (Pyramid's king) goes at one click. The game says which cards are
// free, which pair, what the stock does and when it is won; the marking,
// the removing, auto-play of lone cards and the loss are done here.
#pragma once

#include <vector>

#include "game.h"

namespace kit {

class Pairing : public Game {
protected:
    Pairing(const char* name, Extent extent) : Game(name, extent) {}

    // Hooks for the game.
    virtual bool available(int pile) const;       // may its top card be taken? (default: an uncovered play pile)
    virtual bool pairs(int a, int b) const { return AddsUpTo13(top(a), top(b)); }
    virtual bool goesAlone(int pile) const { return false; }
    virtual void stockClicked() {}
    virtual bool stockCanMove() const;            // can a click on the stock still change something?
    virtual void removed(int a, int b) {}         // after a pair went, or a lone card (b == -1)

    static bool AddsUpTo13(Card a, Card b) { return PipValue(a) + PipValue(b) == 13; }
    static bool IsKing(Card c) { return Rank(c) == TS_RANK_KING; }

    // The pile pairs go to; declare it in the constructor.
    void setDiscard(int pile) { discard_ = pile; }
    int discardPile() const { return discard_; }
    std::vector<int> availablePiles() const;
    int markedPile() const;  // -1 when no card is marked

    int16_t pressed(int pile, int index) override;
    void doubleClicked(int pile, int index) override;
    bool autoStep() override;
    bool lost() const override;

private:
    int discard_ = -1;
};

}  // namespace kit
