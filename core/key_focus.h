// What the keyboard is doing on the table: the card (or empty stack) it
// points at, and whether it holds cards lifted by Enter. The held cards
// themselves are the drag of DragState, lifted without a mouse.
#pragma once

#include <cstdint>

namespace core {

struct KeyFocus {
    bool shown = false;    // the frame is on the table; a mouse press hides it
    int16_t stack = 0;     // index into the live table
    int16_t card = -1;     // the card framed; -1: the top card (or an empty stack)
    bool holding = false;  // the drag under way was lifted by the keyboard
};

}  // namespace core
