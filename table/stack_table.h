// The live table of stacks and its undo shadow. The host owns every stack's
// memory; a stack's address stays fixed until the table is discarded.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "table/card_metrics.h"
#include "tessel_module.h"

namespace table {

constexpr int kMaxStacks = 100;

struct StackTable {
    int16_t count = 0;
    std::array<CardStack*, kMaxStacks> stacks{};

    CardStack* operator[](int i) const { return stacks[static_cast<size_t>(i)]; }
};

// A zero-filled stack of the given capacity (24 + 12 * capacity bytes), or
// null when the capacity is negative or memory is short.
CardStack* NewStack(int16_t capacity);
void FreeStack(CardStack* stack);

// The number of cards that may be read: count kept within 0..capacity, so
// a stack a module left inconsistent is never read beyond its memory.
inline int16_t ReadableCount(const CardStack& s)
{
    if (s.count <= 0 || s.capacity <= 0) return 0;
    return s.count < s.capacity ? s.count : s.capacity;
}

inline bool IsFull(const CardStack& s) { return s.count >= s.capacity; }

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
    // The live stacks' addresses in table order, as TSLoadGame receives them.
    CardStack** StackArray() { return live_.stacks.data(); }

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

    // Copies every live stack's count and cards into its shadow.
    void Snapshot();

    // Exchanges the cards (up to the larger count) and the counts of every
    // stack and its shadow. Swapping twice gives back the first state.
    void Swap();

    // Converts every position of both tables from one card size to the other.
    void Rescale(CardSize from, CardSize to);

    // Index of a live stack, -1 when the address is none of ours.
    int IndexOf(const CardStack* stack) const;

private:
    StackTable live_;
    StackTable shadow_;
};

// Lifting the cards of a drag off their stack and putting them back. Run
// mode moves the picked card and all above it; single mode only the picked
// card. Indices outside the stack change nothing.
enum class DragMode { Run, Single };
void TakeDraggedCards(CardStack& source, int16_t picked, DragMode mode);
void ReturnDraggedCards(CardStack& source, int16_t picked, DragMode mode, const CardStack& drag);

}  // namespace table
