// The keyboard's focus in words, for a screen reader to speak: the card,
// where it lies and what the keyboard holds, e.g. "Seven of Hearts,
// Column 3, 7 cards; holding 2 cards from Column 5".
#pragma once

#include <string>

#include "core/host_core.h"

namespace interaction {

// "Seven of Hearts", or "face-down card".
std::string CardInWords(const CardEntry& card);

// The name the game gives the stack (a module may name its piles), or its
// number in creation order: "Stack 4".
std::string StackInWords(core::HostCore& core, int16_t stack);

// What the screen reader says of the focus; while it is hidden, how to
// bring it up.
std::string DescribeFocus(core::HostCore& core);

// The description while the focus is hidden.
constexpr char kFocusHiddenText[] = "Table. Press an arrow key to play with the keyboard";

}  // namespace interaction
