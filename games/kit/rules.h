// SPDX-License-Identifier: MIT
//
// The rule predicates games share: how a card may lie on another, what an
// empty pile takes, what makes a movable run. A game picks them by name.
#pragma once

#include "cards.h"

namespace kit {

// How one card may be placed on another.
enum class Build {
    None,           // nothing is placed on a card
    DownAlternate,  // one rank lower, other colour (Klondike, FreeCell)
    DownSameSuit,   // one rank lower, same suit (Forty Thieves)
    DownAnySuit,    // one rank lower, any suit (Spider)
    UpSameSuit,     // one rank higher, same suit (foundations)
    UpOrDownAny,    // one rank higher or lower, any suit, no wrapping (Golf)
};

// What an empty pile takes.
enum class Empty { AnyCard, KingOnly, AceOnly, Nothing };

// May `upper` be placed on `lower` under the rule?
constexpr bool Follows(Build rule, Card lower, Card upper)
{
    const int step = Rank(upper) - Rank(lower);
    switch (rule) {
    case Build::DownAlternate: return step == -1 && ColourOf(upper) != ColourOf(lower);
    case Build::DownSameSuit: return step == -1 && Suit(upper) == Suit(lower);
    case Build::DownAnySuit: return step == -1;
    case Build::UpSameSuit: return step == 1 && Suit(upper) == Suit(lower);
    case Build::UpOrDownAny: return step == 1 || step == -1;
    case Build::None: break;
    }
    return false;
}

// May `card` start an empty pile under the rule?
constexpr bool StartsEmpty(Empty rule, Card card)
{
    switch (rule) {
    case Empty::AnyCard: return true;
    case Empty::KingOnly: return Rank(card) == TS_RANK_KING;
    case Empty::AceOnly: return Rank(card) == TS_RANK_ACE;
    case Empty::Nothing: break;
    }
    return false;
}

// May `card` go on a pile whose top is `top` (kNoCard when empty)?
constexpr bool FitsOn(Build build, Empty empty, Card top, Card card)
{
    return top == kNoCard ? StartsEmpty(empty, card) : Follows(build, top, card);
}

// Are the cards from index `from` to the top face up, each following the one
// below it under the rule? (A single face-up card is a run.)
inline bool IsRun(const CardStack* s, int from, Build rule)
{
    if (from < 0 || from >= CountOf(s)) return false;
    for (int i = from; i < s->count; ++i) {
        if (!FaceUpAt(s, i)) return false;
        if (i > from && !Follows(rule, CardAt(s, i - 1), CardAt(s, i))) return false;
    }
    return true;
}

// The longest run a player may move at once with `freeCells` empty cells and
// `emptyColumns` empty columns besides the target: each empty column doubles it.
constexpr int MaxRunLength(int freeCells, int emptyColumns)
{
    int n = freeCells + 1;
    for (int i = 0; i < emptyColumns && n < 1024; ++i) n *= 2;
    return n;
}

}  // namespace kit
