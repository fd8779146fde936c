// SPDX-License-Identifier: MIT
//
// A solver for the games of the patience family. It plays the game's own
// moves with the game's own step (what a press lifts, what a pile accepts,
// what the game then does by itself) on copies of the piles, so every move
// it finds is one the player can make, and a game that declares its rules
// gets it for nothing. It searches
// depth first, foundation moves first and safe moves to the foundations
// played as forced, remembers every position it has seen (alike piles, as
// free cells or columns, count as a set), and stops at a budget of positions
// and of memory: the answer is won (with the line of moves), lost, or
// unknown. The budget is counted in positions, not in time, so the same
// position always gets the same answer (a deal chosen by it replays alike).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "cards.h"

namespace kit {

class Patience;

// One move as a player makes it: the cards of `from` from `index` up go onto
// `to`; `from` < 0 is a click on the stock (dealing, or turning the waste back).
struct SolverMove {
    int from = -1;
    int index = 0;
    int to = -1;
    bool stock() const { return from < 0; }
};

enum class Verdict { Won, Lost, Unknown };

struct SolverBudget {
    long positions = 200000;  // positions expanded before the answer is unknown
    int tableBits = 20;       // the positions remembered: 2^tableBits keys of 8 bytes
    int depth = 600;          // moves in one line before it counts as going nowhere
};

struct Solution {
    Verdict verdict = Verdict::Unknown;
    std::vector<SolverMove> line;  // won: every move to the win, forced ones included
    std::vector<uint64_t> keys;    // won: the position before each move of `line`
    long positions = 0;            // positions expanded; never more than the budget
};

// What the solver looks for.
enum class Goal {
    Win,       // every card home
    Progress,  // the shortest line to a card home, a face-down card turned or a pile emptied;
               // moves only the cards a player sees (no stock)
};

class Solver {
public:
    explicit Solver(Patience& game);
    ~Solver();
    Solver(const Solver&) = delete;
    Solver& operator=(const Solver&) = delete;

    // Searches from the position on the game's piles, which it leaves as they were.
    Solution solve(const SolverBudget& budget, Goal goal = Goal::Win);
    // The key of the position on the game's piles (the one Solution::keys holds).
    uint64_t key();
    // Does a click on the stock change the position?
    bool clickChanges();
    // Is a move left that changes something (Patience::anyMoveLeft)?
    bool anyMoveLeft();

private:
    struct Search;
    Patience& game_;
};

// "7 of hearts", "ace of clubs".
std::string CardWords(Card c);
// "7H", "AC", "10D": for a narrow message area.
std::string CardShort(Card c);

}  // namespace kit
