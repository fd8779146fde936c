// SPDX-License-Identifier: MIT
//
// The family of games built on foundations and a tableau (Klondike, FreeCell,
// Yukon, Forty Thieves, Spider...). A game of the family picks its rules in a
// PatienceRules record, declares its piles and deals; the moves, drops,
// double clicks, auto-play and the win are done here.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "game.h"
#include "rules.h"
#include "solver.h"

namespace kit {

// What a press on a pile may pick up.
enum class Lift {
    Nothing,
    Top,              // the top card
    Run,              // the card pressed and those above it, when they make a run under `runs`
    FaceUpWithAbove,  // any face-up card with every card above it, in order or not (Yukon)
    AnyCard,          // any face-up card alone, from anywhere in the pile (Flower Garden's bouquet)
};

// How many cards a press on card `index` of the stack picks up under `lift` (0: none).
int LiftedCards(Lift lift, const CardStack* s, int index, const Sequence& runs);

struct PatienceRules {
    Sequence tableau = Build::DownAlternate;  // what may be placed on a tableau card
    Sequence runs = Build::DownAlternate;     // what a run lifted together looks like
    Empty emptyTableau = Empty::AnyCard;    // what an empty column takes
    bool anyFaceUpLifts = false;            // any face-up card lifts with all above it
    bool runsNeedSpace = false;             // runs are limited by free cells and empty columns
    bool foundationReturns = false;         // a foundation's top card may come back into play
    bool turnExposed = true;                // a face-down card left on top turns over
    bool runsGoHome = false;                // a whole suit, king down to ace, goes from a column to an
                                            // empty foundation at once, king on top; no single card goes
                                            // home (Spider, Scorpion, Simple Simon)
    Build safety = Build::DownAlternate;    // how auto-play judges a card no longer needed (None: never)
    FoundationRule foundation;              // what every foundation takes (setFoundationRule for one)
    bool lossWhenStuck = false;             // lost when no legal move is left, the stock's included
    bool doubleClickToCell = false;         // a column's top card that cannot go home goes to a free cell
    int decks = 1;
    bool hints = true;                      // "Hint" in the Options menu
    bool winnableDeals = false;             // "Winnable deals only" in the Options menu
};

class Patience : public Game {
public:
    // The kit's options, after the game's own: a command and a setting.
    enum KitOption { kHint, kWinnableOnly };

    // What the last search did (for the tests and the benchmark).
    struct SearchReport {
        long positions = 0;  // positions it expanded
        long budget = 0;     // positions it was allowed
        Verdict verdict = Verdict::Unknown;
        int dealsTried = 0;  // "Winnable deals only": deals shuffled for the last deal
    };
    const SearchReport& lastSearch() const { return lastSearch_; }
    // The winning line the last search found, as long as play follows it.
    const std::vector<SolverMove>& knownLine() const { return knownLine_; }

protected:
    friend class Solver;

    Patience(const char* name, Extent extent, PatienceRules rules) : Game(name, extent), rules_(rules) {}

    // Hooks for the game.
    virtual void stockClicked() {}
    virtual void moved(int from, int to, int cards) {}  // after every move a player or auto-play made
    virtual void turned(int pile) {}                     // after a tableau card turned face up
    virtual bool safeToPlay(Card c) const;
    // What a press on the pile may pick up: the pile's own (setLift), or by
    // its role: the top card of a waste, cell or reserve; a run of a column
    // (any face-up card with those above it when `anyFaceUpLifts`); the top
    // of a foundation when `foundationReturns`.
    virtual Lift liftOf(int pile) const;
    void setLift(int pile, Lift lift);
    // Can a click on the stock still change something? (Default: a stock
    // holds a card; Klondike also turns its waste over.)
    virtual bool stockCanDeal() const;
    // What a hint says when the stock is the move left: a game whose stock
    // refuses to deal for now says what it needs first.
    virtual std::string stockHint() const { return "Hint: deal from the stock"; }
    // How the stock deals, when the solver may play it (Klondike); by default it may not.
    virtual StockPlay stockPlay() const { return {}; }
    // Is any move left: a card or run that some pile accepts, a card to turn,
    // the stock? Moves that only shift cards between like places (a whole
    // pile into an empty one of its kind, a foundation's card to another
    // foundation) do not count. The loss test of `lossWhenStuck`.
    bool anyMoveLeft() const;

    int16_t pressed(int pile, int index) override;
    bool accepts(int from, const CardStack* moving, int to) const override;
    void dropped(int from, int to, int cards) override;
    void doubleClicked(int pile, int index) override;
    bool autoStep() override;
    void settle() override;
    bool won() const override { return cardsIn(Role::Foundation) == TS_CARDS * rules_.decks; }
    bool lost() const override { return rules_.lossWhenStuck && !anyMoveLeft(); }
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
    bool sendRunHome(int column);     // a whole suit on top of `column` to an empty foundation
    void turnIfExposed(int pile);
    const PatienceRules& rules() const { return rules_; }

    void addKitOptions() override;
    void kitOptionChosen(int option) override;
    void dealTable() override;
    std::vector<uint8_t> kitData() const override;
    void kitDataLoaded(const std::vector<uint8_t>& bytes) override;

private:
    Solution solveHere(const SolverBudget& budget, Goal goal = Goal::Win);
    void showHint();
    void showHintFor(const SolverMove& move);
    bool allFaceUp() const;

    PatienceRules rules_;
    bool winnableOnly_ = false;   // the player's setting, taken up by the next deal
    // The last winning line found, to answer hints along it at once.
    std::vector<SolverMove> knownLine_;
    std::vector<uint64_t> knownKeys_;
    SearchReport lastSearch_;
    std::vector<std::pair<int, FoundationRule>> foundationRules_;  // pile, its own rule
    std::vector<std::pair<int, Lift>> lifts_;                      // pile, its own lift
};

}  // namespace kit
