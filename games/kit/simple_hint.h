// SPDX-License-Identifier: MIT
//
// What the games outside the patience family share for their "Hint" option
// (Golf, TriPeaks, Pyramid, Gaps...). Each game chooses its hint with a
// small search of its own, marks the card with showHintMark() and writes
// the text made here.
#pragma once

#include <initializer_list>
#include <string>

#include "solver.h"

namespace kit {

inline constexpr const char* kHintOptionText = "Hint";

// "Hint: " and `pattern`, each '%' in it replaced by the next of `cards` in
// words ("7 of hearts"); where that is longer than `room` characters (the
// message area of a narrow table), by their short names ("7H").
inline std::string HintText(const std::string& pattern, std::initializer_list<Card> cards, int room)
{
    const auto fill = [&](bool brief) {
        std::string out = "Hint: ";
        auto next = cards.begin();
        for (char ch : pattern) {
            if (ch == '%' && next != cards.end()) out += brief ? CardShort(*next++) : CardWords(*next++);
            else out += ch;
        }
        return out;
    };
    const std::string words = fill(false);
    return static_cast<int>(words.size()) <= room ? words : fill(true);
}

}  // namespace kit
