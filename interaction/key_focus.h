// The table played from the keyboard: a focus on one card or empty stack,
// moved by the arrow keys, and Enter, Space, Shift+Enter and Esc acting
// on it through the same entry points of the module that the mouse uses.
#pragma once

#include <cstdint>

#include "core/host_core.h"

namespace interaction {

// The focus frame: this many pixels wide at 100 %, drawn outside the cards
// it surrounds.
constexpr int32_t kFocusFrameWidth = 4;
int32_t FocusFrameWidth(const table::TableView& view);

enum class Direction { Left, Right, Up, Down };

// The stack nearest to `from` in a direction on screen: both its edges
// lie further that way (a long column beside a short one lies neither
// above nor below it) and it lies within 45 degrees. Stacks in the same
// row (for Left and Right; the same column for Up and Down) come first;
// among them, and failing them, the one closest along the way with the
// least offset across it. A stack that lies wholly under the cards of a
// later one is passed over: the player sees the later one. -1 when there
// is none (at an edge).
int16_t NearestStack(const table::StackTable& stacks, const table::TableView& view, int16_t from, Direction direction);

// The lowest card the focus may take on a stack: the lowest of the face-up
// cards lying in one run up to the top card, the top card when that is face
// down or the stack shows only its top card; -1 for an empty stack.
int16_t LowestFocusableCard(const CardStack& stack, const table::TableView& view);

// The focus on the table as it is now: a stack taken away or a card moved
// off puts it on the first stack or the top card.
struct Focus {
    bool onTable = false;  // shown, and the table has a stack to show it on
    int16_t stack = -1;
    int16_t card = -1;  // -1: an empty stack
};
Focus CurrentFocus(const core::HostCore& core);

// Where the frame is drawn, when it is shown: around the focused card and
// every card above it (all that a press there would lift), grown by the
// frame's width.
bool FocusFrameRect(const core::HostCore& core, table::Rect& frame);

// The cards the keyboard holds, drawn lifted over the stack they came from;
// null when it holds none.
const CardStack* HeldCards(const core::HostCore& core);
// Where held cards are drawn: this far right of and above their place.
table::Point HeldCardsLift(const table::TableView& view);

enum class TableKey {
    Left,
    Right,
    Up,
    Down,
    Deeper,     // + or Shift+Up: one face-up card lower in the stack
    Higher,     // - or Shift+Down: one card nearer the top
    Act,        // Enter or Space: a press and release, or a drop of the held cards
    DoubleAct,  // Shift+Enter: a double-click
    PutBack,    // Esc: held cards go back where they came from
};

// Handles one key. The first key of any kind only shows the focus (on the
// first stack the game made, the first time). False when the key had
// nothing to act on.
bool PressTableKey(core::HostCore& core, TableKey key);

// A mouse press on the table: the frame goes, and cards the keyboard held
// go back to their stack.
void MousePressedOnTable(core::HostCore& core);

}  // namespace interaction
