// The live table of stacks and its undo shadow. The host owns every stack's
// memory; a stack's address stays fixed until the table is discarded.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "table/card_metrics.h"
#include "module_interface/tessel_module.h"

namespace table {

constexpr int kMaxStacks = 100;

struct StackTable {
    int16_t count = 0;
    std::array<CardStack*, kMaxStacks> stacks{};

    CardStack* operator[](int i) const { return stacks[static_cast<size_t>(i)]; }
};

// A zero-filled stack of the given capacity (24 + 12 * capacity bytes), or
// null when the capacity is negative or memory is short. Every stack the
// host reads is made here: the number of card slots its memory holds is
// kept just before the record, where a module that writes the record's
// fields (its capacity among them) cannot change it.
CardStack* NewStack(int16_t capacity);
void FreeStack(CardStack* stack);

// The card slots a stack's memory holds: the capacity it was made with.
int16_t SlotCount(const CardStack& s);

// The slots new cards may take: the record's capacity, but never more than
// its memory holds (a module may have written the field).
inline int16_t UsableCapacity(const CardStack& s)
{
    const int16_t slots = SlotCount(s);
    if (s.capacity <= 0) return 0;
    return s.capacity < slots ? s.capacity : slots;
}

// The number of cards that may be read: count kept within the stack's
// memory, so a stack a module left inconsistent is never read beyond it.
inline int16_t ReadableCount(const CardStack& s)
{
    const int16_t slots = SlotCount(s);
    if (s.count <= 0) return 0;
    return s.count < slots ? s.count : slots;
}

// No card may be added: the count has reached the usable capacity (or is
// one no card can follow).
inline bool IsFull(const CardStack& s) { return s.count < 0 || s.count >= UsableCapacity(s); }

class CardTable {
public:
    CardTable() = default;
    CardTable(const CardTable&) = delete;
    CardTable& operator=(const CardTable&) = delete;
    ~CardTable() { Discard(); }

    const StackTable& live() const { return live_; }
    const StackTable& shadow() const { return shadow_; }
    int16_t count() const { return live_.count; }
    CardStack* operator[](int i) const { return live_[i]; }

    // Creates a live stack and its shadow from a module's StackSpec (position in
    // small-card pixels, scaled for large cards). Null when the table holds
    // 100 stacks, the capacity is negative or memory is short.
    CardStack* Create(const StackSpec& spec, CardSize size);

    // Appends a stack read from a saved game, and a shadow that is a byte
    // copy of it. Null (nothing added) when the table is full or the bytes
    // are not a consistent stack record: fewer than 24 bytes, a size other
    // than 24 + 12 * capacity, or a count outside 0..capacity.
    CardStack* AddRecord(const void* bytes, size_t size);

    // Releases every stack and shadow; both counts become 0.
    void Discard();
    // Takes over every stack and shadow of `other` in place of its own, which
    // are released; `other` is left empty. The stacks keep their addresses.
    void TakeStacksOf(CardTable& other);

    // Copies every live stack's count and cards into its shadow.
    void Snapshot();

    // Exchanges the cards (up to the larger count) and the counts of every
    // stack and its shadow. Swapping twice gives back the first state.
    void Swap();

    // Converts every position of both tables from one card size to the other.
    void Rescale(CardSize from, CardSize to);

    // Index of a live stack, -1 when the address is none of ours. The
    // address is compared, never followed: a module may pass any pointer.
    int IndexOf(const CardStack* stack) const;
    // The undo shadow of a live stack; null when the address is none of ours.
    CardStack* ShadowOf(const CardStack* stack) const;

private:
    StackTable live_;
    StackTable shadow_;
};

// Lifting the cards of a drag off their stack and putting them back. Run
// mode moves the picked card and all above it; single mode only the picked
// card. Indices outside the stack change nothing.
//
// The cards come back from the drag stack, not from what the source's
// memory still holds: a module may have changed the source while they were
// in the air. Run mode puts them on top of what the source holds now,
// single mode at the picked index (on top when the source has fewer cards
// now); as many as there is room for. Returns the index of the first card
// put back, -1 when none was.
enum class DragMode { Run, Single };
void TakeDraggedCards(CardStack& source, int16_t picked, DragMode mode);
int16_t ReturnDraggedCards(CardStack& source, int16_t picked, DragMode mode, const CardStack& drag);

}  // namespace table
