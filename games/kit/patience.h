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
    TopOrWhole,       // the top card alone, or the whole pile (Canfield's tableau)
    TopButFirst,      // the top card, never the pile's first one (Windmill's corners keep their king)
};

// How many cards a press on card `index` of the stack picks up under `lift` (0: none).
int LiftedCards(Lift lift, const CardStack* s, int index, const Sequence& runs);

// One pile's rules. Every pile gets them from its role and the game's
// PatienceRules; a game changes a pile's own with setPileRules (or with
// setLift and setFoundationRule for one field).
struct PileRules {
    Lift lift = Lift::Nothing;         // what a press may pick up
    Sequence build = Build::None;      // what may be placed on its top card
    Empty empty = Empty::Nothing;      // what it takes when empty
    FoundationRule foundation;         // a foundation's: where it starts, how it builds
    bool turnsExposed = false;         // a face-down card left on top turns over by itself

    bool operator==(const PileRules&) const = default;
};

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
    // The move the last hint named (false when it named none).
    int stockPile() const { return firstPile(Role::Stock); }
    bool lastHint(SolverMove& move) const
    {
        move = lastHint_;
        return hintNamed_;
    }

protected:
    friend class Solver;

    Patience(const char* name, Extent extent, PatienceRules rules) : Game(name, extent), rules_(rules) {}

    // Hooks for the game.
    virtual void stockClicked() {}
    virtual void moved(int from, int to, int cards) {}  // after every move a player or auto-play made
    virtual void turned(int pile) {}                     // after a tableau card turned face up
    virtual bool safeToPlay(Card c) const;
    // The rules of one pile: its own (setPileRules), or those of its role:
    // a waste, cell or reserve gives its top card; a column gives a run (any
    // face-up card with those above it when `anyFaceUpLifts`), builds under
    // `tableau`, takes `emptyTableau` when empty and turns an exposed card; a
    // foundation gives its top card back when `foundationReturns`; a cell
    // takes any card when empty.
    const PileRules& pileRules(int pile) const;
    void setPileRules(int pile, const PileRules& rules);
    Lift liftOf(int pile) const { return pileRules(pile).lift; }
    void setLift(int pile, Lift lift);
    // How many cards a press on card `index` of the pile picks up (0: none).
    int liftable(int pile, int index) const;
    // What a hint says when a click on the stock is the move: a stock holding
    // cards deals, an empty one turns its waste over; a game whose stock does
    // something else says so.
    virtual std::string stockHint() const;
    // How a hint names an empty pile of the game: "an empty column", "a free cell"...
    virtual std::string emptyPileWords(int pile) const;
    // What a hint says when the stock holds cards but a click would change
    // nothing for now ("" : nothing to say).
    virtual std::string stockBlockedHint() const { return {}; }
    // What of the game's state, beyond the cards, decides which moves are
    // left (La Belle Lucie: its redeals): a search tells positions apart by it.
    virtual uint64_t searchState() const { return 0; }
    // Is any move left: a card or run that some pile accepts, a click that
    // changes the table, a card to turn? Moves that only shift cards between
    // like places (a whole pile into an empty one of its kind, a foundation's
    // card to another foundation) do not count, nor a foundation's card taken
    // back that no other card could then go onto. The loss test of `lossWhenStuck`.
    bool anyMoveLeft() const;

    // The one move step, for players, auto-play and the solver alike: false
    // (nothing changed) when the game refuses it. A drag moves the cards the
    // press on `index` lifts; then a card left face down on top turns and
    // the game settles what it settles by itself (runs going home, reserves
    // refilling). A stock move is a click on the stock.
    bool canPlay(const SolverMove& move) const;
    bool play(const SolverMove& move);

    int16_t pressed(int pile, int index) override;
    bool accepts(int from, const CardStack* moving, int to) const override;
    void dropped(int from, int to, int cards) override;
    void doubleClicked(int pile, int index) override;
    bool autoStep() override;
    void settle() override;
    bool won() const override { return cardsIn(Role::Foundation) == TS_CARDS * rules_.decks; }
    bool lost() const override { return rules_.lossWhenStuck && !anyMoveLeft(); }
    int points() const override { return cardsIn(Role::Foundation); }

    // What foundation `f` takes: its pile rules' own. A game whose
    // foundations start from a dealt rank (Canfield) answers from its state here.
    virtual FoundationRule foundationRule(int f) const { return pileRules(f).foundation; }
    void setFoundationRule(int pile, const FoundationRule& rule);

    // Shared pieces.
    bool foundationTakes(int foundation, Card c) const;
    int foundationFor(Card c) const;  // -1 when no foundation takes it
    int homeFor(int from) const;      // the foundation the game lets the top card of `from` go to; -1 none
    int homeCount(int suit) const;    // cards of the suit home, on its least built foundation
    int longestRun(int from, int to) const;
    bool sendHome(int from);          // the top card of `from` to a foundation
    bool sendRunHome(int column);     // a whole suit on top of `column` to an empty foundation
    void turnIfExposed(int pile);
    // A move that only shifts cards between like places (see anyMoveLeft).
    bool onlyShifts(int from, int cards, int to) const;
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

    // Moves `cards` cards of `from`, from card `index`, onto `to`, keeping their faces.
    void moveCards(int from, int index, int cards, int to);

    PatienceRules rules_;
    bool winnableOnly_ = false;   // the player's setting, taken up by the next deal
    // The last winning line found, to answer hints along it at once.
    std::vector<SolverMove> knownLine_;
    std::vector<uint64_t> knownKeys_;
    SearchReport lastSearch_;
    SolverMove lastHint_;
    bool hintNamed_ = false;
    PileRules defaultRules(int pile) const;
    std::vector<std::pair<int, PileRules>> ownRules_;  // pile, its own rules
    mutable std::vector<PileRules> rulesOfPiles_;      // every pile's, made when first asked
};

}  // namespace kit
