// SPDX-License-Identifier: MIT
//
// Cards as the host stores them: an image index, suit * 13 + rank, with
// rank 0 the ace and 12 the king. Helpers to read them and the stacks that
// hold them.
#pragma once

#include "tessel_table.h"

namespace kit {

using Card = int;  // image index 0..51; kNoCard for "none"
inline constexpr Card kNoCard = -1;

enum class Colour { Black, Red };

constexpr int Suit(Card c) { return c / TS_RANKS; }
constexpr int Rank(Card c) { return c % TS_RANKS; }
constexpr Colour ColourOf(Card c)
{
    return (Suit(c) == TS_SUIT_DIAMONDS || Suit(c) == TS_SUIT_HEARTS) ? Colour::Red : Colour::Black;
}
constexpr Card MakeCard(int suit, int rank) { return suit * TS_RANKS + rank; }
constexpr bool IsCard(Card c) { return c >= 0 && c < TS_CARDS; }
// Pip value as pairing games count it: ace 1 .. king 13.
constexpr int PipValue(Card c) { return Rank(c) + 1; }

// Reading a stack (the host owns it; a module only reads it directly).
inline int CountOf(const CardStack* s) { return s ? s->count : 0; }
inline Card CardAt(const CardStack* s, int i) { return s->cards[i].image; }
inline bool FaceUpAt(const CardStack* s, int i) { return s->cards[i].faceDown == 0; }
inline Card TopOf(const CardStack* s) { return CountOf(s) > 0 ? CardAt(s, s->count - 1) : kNoCard; }
inline Card BottomOf(const CardStack* s) { return CountOf(s) > 0 ? CardAt(s, 0) : kNoCard; }

}  // namespace kit
