// What the mouse is doing on the table: a press, a drag, a card view.
#pragma once

#include <cstdint>

#include "module_interface/tessel_table.h"

namespace core {

struct DragState {
    bool leftPressed = false;
    bool armed = false;     // the module allowed a drag from the last press
    bool dragging = false;  // cards are lifted and carried
    bool dropping = false;  // the release is offering the lifted cards to the stacks under them
    bool singleCard = false;
    bool viewing = false;  // a right-button card view is showing
    CardStack* grabbedStack = nullptr;
    int16_t grabbedIndex = 0;  // -1: the press hit an empty stack
    int32_t lastX = 0;
    int32_t lastY = 0;
    CardStack* dragStack = nullptr;  // owned; the carried cards or the viewed card
    bool hasDragImage = false;
    int32_t imageWidth = 0;
    int32_t imageHeight = 0;
};

}  // namespace core
