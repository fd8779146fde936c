// SPDX-License-Identifier: MIT
//
// The rule predicates games share: how a card may lie on another, what an
// empty pile takes, what a foundation takes, what makes a movable run. A game
// picks a named rule (Build::DownAlternate) or writes its own Sequence.
#pragma once

#include "cards.h"

namespace kit {

// How one card may be placed on another: the named rules of the common games.
enum class Build {
    None,                 // nothing is placed on a card
    DownAlternate,        // one rank lower, other colour (Klondike, FreeCell)
    DownSameSuit,         // one rank lower, same suit (Forty Thieves)
    DownAnySuit,          // one rank lower, any suit (Spider)
    UpSameSuit,           // one rank higher, same suit (foundations)
    UpOrDownAny,          // one rank higher or lower, any suit, no wrapping
    UpOrDownSameSuit,     // one rank higher or lower, same suit (Bisley)
    UpOrDownAnyWrapping,  // one rank higher or lower, any suit, king and ace meet (TriPeaks)
    UpOrDownAnyKingEnds,  // one rank higher or lower, any suit, nothing on a king (Golf)
};

enum class Direction { Down, Up, UpOrDown };
enum class SuitRule { Any, Same, Alternate, Other };  // Other: any suit but the same one

// Any rule of building: direction, the step between ranks (1..4), the suits
// and whether ranks turn the corner. Every named Build converts to one, so a
// game may write either.
struct Sequence {
    Direction direction = Direction::Down;
    SuitRule suits = SuitRule::Alternate;
    int step = 1;              // 0: nothing follows
    bool wraps = false;        // a king and an ace follow each other
    bool kingEnds = false;     // nothing is placed on a king

    constexpr Sequence() = default;
    constexpr Sequence(Direction d, SuitRule s, int stepBy = 1, bool wrapping = false, bool kingEnding = false)
        : direction(d), suits(s), step(stepBy), wraps(wrapping), kingEnds(kingEnding)
    {
    }
    constexpr Sequence(Build b)  // NOLINT: a named rule is a sequence
    {
        switch (b) {
        case Build::None: step = 0; break;
        case Build::DownAlternate: break;
        case Build::DownSameSuit: suits = SuitRule::Same; break;
        case Build::DownAnySuit: suits = SuitRule::Any; break;
        case Build::UpSameSuit: direction = Direction::Up, suits = SuitRule::Same; break;
        case Build::UpOrDownAny: direction = Direction::UpOrDown, suits = SuitRule::Any; break;
        case Build::UpOrDownSameSuit: direction = Direction::UpOrDown, suits = SuitRule::Same; break;
        case Build::UpOrDownAnyWrapping: direction = Direction::UpOrDown, suits = SuitRule::Any, wraps = true; break;
        case Build::UpOrDownAnyKingEnds: direction = Direction::UpOrDown, suits = SuitRule::Any, kingEnds = true; break;
        }
    }
    bool operator==(const Sequence&) const = default;
};

constexpr bool SuitsMatch(SuitRule rule, Card lower, Card upper)
{
    switch (rule) {
    case SuitRule::Any: return true;
    case SuitRule::Same: return Suit(upper) == Suit(lower);
    case SuitRule::Alternate: return ColourOf(upper) != ColourOf(lower);
    case SuitRule::Other: return Suit(upper) != Suit(lower);
    }
    return false;
}

// Is `to` the rank `step` ranks above `from` (turning the corner when `wraps`)?
constexpr bool RankAbove(int from, int to, int step, bool wraps)
{
    return wraps ? (from + step) % TS_RANKS == to : from + step == to;
}

// May `upper` be placed on `lower` under the rule?
constexpr bool Follows(const Sequence& rule, Card lower, Card upper)
{
    if (rule.step <= 0 || !SuitsMatch(rule.suits, lower, upper)) return false;
    if (rule.kingEnds && Rank(lower) == TS_RANK_KING) return false;
    const bool up = RankAbove(Rank(lower), Rank(upper), rule.step, rule.wraps);
    const bool down = RankAbove(Rank(upper), Rank(lower), rule.step, rule.wraps);
    switch (rule.direction) {
    case Direction::Down: return down;
    case Direction::Up: return up;
    case Direction::UpOrDown: return up || down;
    }
    return false;
}
constexpr bool Follows(Build rule, Card lower, Card upper) { return Follows(Sequence(rule), lower, upper); }

// What an empty pile takes.
enum class Empty { AnyCard, KingOnly, AceOnly, Nothing };

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
constexpr bool FitsOn(const Sequence& build, Empty empty, Card top, Card card)
{
    return top == kNoCard ? StartsEmpty(empty, card) : Follows(build, top, card);
}
constexpr bool FitsOn(Build build, Empty empty, Card top, Card card) { return FitsOn(Sequence(build), empty, top, card); }

// What a foundation takes: the rank it starts from, how it builds and how
// many cards make it full.
//   Klondike:     {}                                            ace up in suit to the king
//   Canfield:     {.start = dealtRank, .build = {Up, Same, 1, wraps}}
//   Calculation:  {.start = 1, .build = {Up, Any, 2, wraps}}    two, four, six ... king
//   Bisley:       {.start = TS_RANK_KING, .build = Build::DownSameSuit}
//   Windmill:     {.start = TS_RANK_ACE, .build = {Up, Any, 1, wraps}, .cards = 52}
inline constexpr int kAnyRank = -1;
struct FoundationRule {
    int start = TS_RANK_ACE;  // the rank of its first card, or kAnyRank
    Sequence build = Build::UpSameSuit;
    int cards = TS_RANKS;     // full at this many cards

    bool operator==(const FoundationRule&) const = default;
};

// May `card` go on a foundation holding `count` cards with `top` on top?
constexpr bool FoundationTakes(const FoundationRule& rule, Card top, int count, Card card)
{
    if (count >= rule.cards) return false;
    if (count == 0 || top == kNoCard) return rule.start == kAnyRank || Rank(card) == rule.start;
    return Follows(rule.build, top, card);
}

// Are the cards from index `from` to the top face up, each following the one
// below it under the rule? (A single face-up card is a run.)
inline bool IsRun(const CardStack* s, int from, const Sequence& rule)
{
    if (from < 0 || from >= CountOf(s)) return false;
    for (int i = from; i < s->count; ++i) {
        if (!FaceUpAt(s, i)) return false;
        if (i > from && !Follows(rule, CardAt(s, i - 1), CardAt(s, i))) return false;
    }
    return true;
}
inline bool IsRun(const CardStack* s, int from, Build rule) { return IsRun(s, from, Sequence(rule)); }

// Does a whole suit, king down to ace, lie face up on top of the stack?
inline bool FullRunOnTop(const CardStack* s)
{
    const int from = CountOf(s) - TS_RANKS;
    return from >= 0 && Rank(CardAt(s, from)) == TS_RANK_KING && IsRun(s, from, Build::DownSameSuit);
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
