// The mouse on the table: pick up, drag, drop, double-click, and the right
// button's view of a covered card. Coordinates are signed client pixels.
#pragma once

#include <cstdint>

#include "core/host_core.h"

namespace interaction {

// The pointer must move this far along either axis before a drag starts.
constexpr int32_t kDragThreshold = 5;

void PickUpCards(core::HostCore& core, int32_t x, int32_t y);
// What a left press on a card does once it is found (the keyboard presses
// this way too): the module is asked, and the card is marked or may be lifted.
void PressStackCard(core::HostCore& core, int16_t stack, int16_t card);
// Starts the drag the last press allowed: the cards leave their stack into
// the drag stack, whose top-left corner then lies on the grabbed card's
// place. withImage: the cards are drawn once into a drag image to carry.
// False when they cannot be lifted now.
bool LiftGrabbedCards(core::HostCore& core, bool withImage);
void DragCards(core::HostCore& core, int32_t x, int32_t y);
// True when a stack accepted the cards.
bool DropCards(core::HostCore& core, int32_t x, int32_t y);
// A drop of the cards in the air onto one stack, as the keyboard offers
// them: a refusal leaves them in the air; offered to their own stack they
// go back.
enum class DropOutcome { NothingHeld, Accepted, Refused, PutBack };
DropOutcome DropHeldCardsOn(core::HostCore& core, int16_t target);
void DoubleClickCards(core::HostCore& core, int32_t x, int32_t y);
// Puts lifted cards back on their stack and ends the drag, as a refused
// drop does but without asking the module. A press that arrives while a drag
// is running (its release went elsewhere) does this first, so no lifted card
// is ever lost; the window layer calls it when the mouse capture is taken away.
void CancelDrag(core::HostCore& core);
// Another window took the mouse: the release of either button will not come
// back to the table. Lifted cards go back, a card view is taken away, and
// the next press of either button is taken as a new one.
void MouseCaptureLost(core::HostCore& core);

// The cards lifted off this stack by the drag (or the drop) under way, which
// will come back to it if no stack takes them: their slots stay theirs.
int16_t CardsInTheAir(const core::HostCore& core, const CardStack& stack);

void ShowCard(core::HostCore& core, int32_t x, int32_t y);
void HideCard(core::HostCore& core, int32_t x, int32_t y);

}  // namespace interaction
