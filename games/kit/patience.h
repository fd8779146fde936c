// SPDX-License-Identifier: MIT
//
// The family of games built on foundations and a tableau (Klondike, FreeCell,
// Yukon, Forty Thieves, Spider...). A game of the family picks its rules in a
// PatienceRules record, declares its piles and deals; the moves, drops,
// double clicks, auto-play and the win are done here.
#pragma once

#include <utility>
#include <vector>

#include "game.h"
#include "rules.h"

namespace kit {

struct PatienceRules {
    Sequence tableau = Build::DownAlternate;  // what may be placed on a tableau card
    Sequence runs = Build::DownAlternate;     // what a run lifted together looks like
    Empty emptyTableau = Empty::AnyCard;    // what an empty column takes
    bool anyFaceUpLifts = false;            // any face-up card lifts with all above it
    bool runsNeedSpace = false;             // runs are limited by free cells and empty columns
    bool foundationReturns = false;         // a foundation's top card may come back into play
    bool turnExposed = true;                // a face-down card left on top turns over
    Build safety = Build::DownAlternate;    // how auto-play judges a card no longer needed (None: never)
    FoundationRule foundation;              // what every foundation takes (setFoundationRule for one)
    int decks = 1;
};

class Patience : public Game {
protected:
    Patience(const char* name, Extent extent, PatienceRules rules) : Game(name, extent), rules_(rules) {}

    // Hooks for the game.
    virtual void stockClicked() {}
    virtual void moved(int from, int to, int cards) {}  // after every move a player or auto-play made
    virtual void turned(int pile) {}                     // after a tableau card turned face up
    virtual bool safeToPlay(Card c) const;

    int16_t pressed(int pile, int index) override;
    bool accepts(int from, const CardStack* moving, int to) const override;
    void dropped(int from, int to, int cards) override;
    void doubleClicked(int pile, int index) override;
    bool autoStep() override;
    bool won() const override { return cardsIn(Role::Foundation) == TS_CARDS * rules_.decks; }
    int points() const override { return cardsIn(Role::Foundation); }

    // What foundation `f` takes: the one given to setFoundationRule, or the
    // rules' own. A game whose foundations start from a dealt rank (Canfield)
    // answers from its state here.
    virtual FoundationRule foundationRule(int f) const;
    void setFoundationRule(int pile, const FoundationRule& rule);

    // Shared pieces.
    bool foundationTakes(int foundation, Card c) const;
    int foundationFor(Card c) const;  // -1 when no foundation takes it
    int homeCount(int suit) const;    // cards of the suit home, on its least built foundation
    int longestRun(int from, int to) const;
    bool sendHome(int from);          // the top card of `from` to a foundation
    void turnIfExposed(int pile);
    const PatienceRules& rules() const { return rules_; }

private:
    PatienceRules rules_;
    std::vector<std::pair<int, FoundationRule>> foundationRules_;  // pile, its own rule
};

}  // namespace kit
