#include "table/stack_table.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace table {

CardStack* NewStack(int16_t capacity)
{
    if (capacity < 0) return nullptr;
    return static_cast<CardStack*>(std::calloc(1, TS_STACK_BYTES(capacity)));
}

void FreeStack(CardStack* stack) { std::free(stack); }

CardStack* CardTable::Create(const StackSpec& spec, CardSize size)
{
    if (live_.count >= kMaxStacks) return nullptr;
    CardStack* stack = NewStack(spec.capacity);
    if (!stack) return nullptr;
    CardStack* shadow = NewStack(spec.capacity);
    if (!shadow) {
        FreeStack(stack);
        return nullptr;
    }
    static_assert(sizeof(StackSpec) == offsetof(CardStack, count));
    std::memcpy(stack, &spec, sizeof spec);
    stack->count = 0;
    stack->x = ToCardSize(stack->x, size);
    stack->y = ToCardSize(stack->y, size);
    live_.stacks[static_cast<size_t>(live_.count++)] = stack;
    shadow_.stacks[static_cast<size_t>(shadow_.count++)] = shadow;
    return stack;
}

CardStack* CardTable::AddRecord(const void* bytes, size_t size)
{
    if (live_.count >= kMaxStacks || size < sizeof(CardStack)) return nullptr;
    CardStack header;
    std::memcpy(&header, bytes, sizeof header);
    if (header.capacity < 0 || size != TS_STACK_BYTES(header.capacity)) return nullptr;
    if (header.count < 0 || header.count > header.capacity) return nullptr;
    CardStack* stack = NewStack(header.capacity);
    CardStack* shadow = NewStack(header.capacity);
    if (!stack || !shadow) {
        FreeStack(stack);
        FreeStack(shadow);
        return nullptr;
    }
    std::memcpy(stack, bytes, size);
    std::memcpy(shadow, bytes, size);
    live_.stacks[static_cast<size_t>(live_.count++)] = stack;
    shadow_.stacks[static_cast<size_t>(shadow_.count++)] = shadow;
    return stack;
}

void CardTable::Discard()
{
    for (int i = 0; i < live_.count; ++i) FreeStack(live_[i]);
    for (int i = 0; i < shadow_.count; ++i) FreeStack(shadow_[i]);
    live_ = StackTable{};
    shadow_ = StackTable{};
}

namespace {
// A shadow has its stack's size, but its header is zero unless it came from
// a saved game: the live stack's capacity bounds both.
int16_t Within(int16_t count, int16_t capacity)
{
    if (count <= 0 || capacity <= 0) return 0;
    return count < capacity ? count : capacity;
}
}  // namespace

void CardTable::Snapshot()
{
    for (int i = 0; i < live_.count; ++i) {
        const CardStack& s = *live_[i];
        CardStack& d = *shadow_[i];
        const int16_t n = Within(s.count, s.capacity);
        std::memcpy(d.cards, s.cards, sizeof(CardEntry) * static_cast<size_t>(n));
        d.count = n;
    }
}

void CardTable::Swap()
{
    for (int i = 0; i < live_.count; ++i) {
        CardStack& a = *live_[i];
        CardStack& b = *shadow_[i];
        const int16_t n = std::max(Within(a.count, a.capacity), Within(b.count, a.capacity));
        for (int16_t j = 0; j < n; ++j) std::swap(a.cards[j], b.cards[j]);
        std::swap(a.count, b.count);
    }
}

void CardTable::Rescale(CardSize from, CardSize to)
{
    if (from == to) return;
    auto scale = to == CardSize::Large ? SmallToLarge : LargeToSmall;
    for (const StackTable* t : {&live_, &shadow_}) {
        for (int i = 0; i < t->count; ++i) {
            CardStack& s = *(*t)[i];
            s.x = scale(s.x);
            s.y = scale(s.y);
        }
    }
}

int CardTable::IndexOf(const CardStack* stack) const
{
    if (!stack) return -1;
    for (int i = 0; i < live_.count; ++i)
        if (live_[i] == stack) return i;
    return -1;
}

void TakeDraggedCards(CardStack& source, int16_t picked, DragMode mode)
{
    const int16_t n = ReadableCount(source);
    if (picked < 0 || picked >= n) return;
    if (mode == DragMode::Run) {
        source.count = picked;
        return;
    }
    std::memmove(&source.cards[picked], &source.cards[picked + 1],
                 sizeof(CardEntry) * static_cast<size_t>(n - picked - 1));
    source.count = static_cast<int16_t>(n - 1);
}

void ReturnDraggedCards(CardStack& source, int16_t picked, DragMode mode, const CardStack& drag)
{
    const int16_t n = ReadableCount(source);
    if (picked < 0 || picked > n) return;
    if (mode == DragMode::Run) {
        const int room = source.capacity - n;
        source.count = static_cast<int16_t>(n + std::min<int>(std::max<int>(drag.count, 0), room));
        return;
    }
    if (n >= source.capacity || drag.count < 1) return;
    std::memmove(&source.cards[picked + 1], &source.cards[picked], sizeof(CardEntry) * static_cast<size_t>(n - picked));
    source.cards[picked] = drag.cards[0];
    source.count = static_cast<int16_t>(n + 1);
}

}  // namespace table
