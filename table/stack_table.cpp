#include "table/stack_table.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace table {

namespace {
// Lies just before every stack record; keeps the record 8-byte aligned.
struct alignas(8) SlotsHeader {
    int16_t slots;
};
static_assert(sizeof(SlotsHeader) == 8);

SlotsHeader* HeaderOf(CardStack* s) { return reinterpret_cast<SlotsHeader*>(s) - 1; }
const SlotsHeader* HeaderOf(const CardStack* s) { return reinterpret_cast<const SlotsHeader*>(s) - 1; }
}  // namespace

CardStack* NewStack(int16_t capacity)
{
    if (capacity < 0) return nullptr;
    auto* block = static_cast<SlotsHeader*>(std::calloc(1, sizeof(SlotsHeader) + TS_STACK_BYTES(capacity)));
    if (!block) return nullptr;
    block->slots = capacity;
    return reinterpret_cast<CardStack*>(block + 1);
}

void FreeStack(CardStack* stack)
{
    if (stack) std::free(HeaderOf(stack));
}

int16_t SlotCount(const CardStack& s) { return HeaderOf(&s)->slots; }

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

void CardTable::TakeStacksOf(CardTable& other)
{
    if (&other == this) return;
    Discard();
    live_ = other.live_;
    shadow_ = other.shadow_;
    other.live_ = StackTable{};
    other.shadow_ = StackTable{};
}

namespace {
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
        const int16_t n = ReadableCount(s);
        std::memcpy(d.cards, s.cards, sizeof(CardEntry) * static_cast<size_t>(n));
        d.count = n;
    }
}

CardStack* CardTable::ShadowOf(const CardStack* stack) const
{
    const int i = IndexOf(stack);
    return i < 0 ? nullptr : shadow_[i];
}

void CardTable::Swap()
{
    for (int i = 0; i < live_.count; ++i) {
        CardStack& a = *live_[i];
        CardStack& b = *shadow_[i];
        // A stack and its shadow have the same memory; the counts, which a
        // module may have written, are kept within it.
        const int16_t slots = SlotCount(a);
        const int16_t n = std::max(Within(a.count, slots), Within(b.count, slots));
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

int16_t ReturnDraggedCards(CardStack& source, int16_t picked, DragMode mode, const CardStack& drag)
{
    const int16_t n = ReadableCount(source);
    // Cards that come back need the slots they left, not the room the
    // record's capacity (which a module may have lowered) leaves new cards.
    const int back = std::min<int>(ReadableCount(drag), SlotCount(source) - n);
    if (picked < 0 || back <= 0) return -1;
    const int16_t at = mode == DragMode::Run || picked > n ? n : picked;
    std::memmove(&source.cards[at + back], &source.cards[at], sizeof(CardEntry) * static_cast<size_t>(n - at));
    std::memcpy(&source.cards[at], drag.cards, sizeof(CardEntry) * static_cast<size_t>(back));
    source.count = static_cast<int16_t>(n + back);
    return at;
}

}  // namespace table
