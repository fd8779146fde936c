#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "table/stack_table.h"

using table::CardSize;
using table::CardTable;
using table::DragMode;

namespace {

StackSpec Spec(int32_t x, int32_t y, int16_t capacity)
{
    return StackSpec{0, x, y, TS_BASE_NONE, TS_FAN_DOWN, capacity, 7};
}

void Fill(CardStack& s, std::vector<int16_t> images)
{
    s.count = 0;
    for (int16_t i : images) s.cards[s.count++] = CardEntry{0, 0, i, 0};
}

std::vector<int16_t> Images(const CardStack& s)
{
    std::vector<int16_t> out;
    for (int i = 0; i < s.count; ++i) out.push_back(s.cards[i].image);
    return out;
}

}  // namespace

TEST(StackTable, CreationCopiesTheSpecAndStopsAtOneHundredStacks)
{
    CardTable t;
    CardStack* first = t.Create(Spec(100, 41, 0), CardSize::Small);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->x, 100);
    EXPECT_EQ(first->reserved, 7);
    EXPECT_EQ(first->count, 0);
    EXPECT_EQ(t.shadow().count, 1);
    for (int i = 1; i < table::kMaxStacks; ++i) ASSERT_NE(t.Create(Spec(0, 0, 1), CardSize::Small), nullptr);
    EXPECT_EQ(t.Create(Spec(0, 0, 1), CardSize::Small), nullptr);
    EXPECT_EQ(t.count(), 100);
    EXPECT_EQ(t.shadow().count, 100);
    EXPECT_EQ(t.IndexOf(first), 0);
    CardStack stranger{};
    EXPECT_EQ(t.IndexOf(&stranger), -1);
    EXPECT_EQ(t.Create(Spec(0, 0, -1), CardSize::Small), nullptr) << "a negative capacity is no stack";
}

TEST(StackTable, LargeCardsScaleTheModulesSmallCardPositions)
{
    struct Case {
        int32_t x, y, largeX, largeY;
    };
    for (const Case c : {Case{100, 41, 150, 61}, Case{-3, -1, -4, -1}, Case{101, 0, 151, 0}}) {
        CardTable t;
        const CardStack* s = t.Create(Spec(c.x, c.y, 3), CardSize::Large);
        EXPECT_EQ(s->x, c.largeX) << c.x;
        EXPECT_EQ(s->y, c.largeY) << c.y;
    }
}

TEST(StackTable, RescalingLosesWhatTheDivisionCuts)
{
    CardTable t;
    CardStack record{};
    record.x = 101;
    record.y = 41;
    CardStack* s = t.AddRecord(&record, sizeof record);  // its shadow is a copy, header included
    t.Rescale(CardSize::Small, CardSize::Large);
    EXPECT_EQ(s->x, 151);
    EXPECT_EQ(t.shadow()[0]->x, 151) << "shadow headers are rescaled too";
    t.Rescale(CardSize::Large, CardSize::Small);
    EXPECT_EQ(s->x, 100);
    EXPECT_EQ(s->y, 40);
    t.Rescale(CardSize::Small, CardSize::Large);
    EXPECT_EQ(s->x, 150);
}

TEST(StackTable, SnapshotThenSwapExchangesCardsAndCountsBothWays)
{
    CardTable t;
    CardStack& s = *t.Create(Spec(0, 0, 8), CardSize::Small);
    Fill(s, {1, 2});
    t.Snapshot();
    Fill(s, {9, 8, 7, 6, 5});
    t.Swap();
    EXPECT_EQ(Images(s), (std::vector<int16_t>{1, 2}));
    EXPECT_EQ(Images(*t.shadow()[0]), (std::vector<int16_t>{9, 8, 7, 6, 5}));
    t.Swap();
    EXPECT_EQ(Images(s), (std::vector<int16_t>{9, 8, 7, 6, 5}));
    EXPECT_EQ(Images(*t.shadow()[0]), (std::vector<int16_t>{1, 2}));
}

TEST(StackTable, SnapshotAndSwapNeverGoBeyondACapacity)
{
    CardTable t;
    CardStack& s = *t.Create(Spec(0, 0, 2), CardSize::Small);
    Fill(s, {1, 2});
    s.count = 500;  // a module wrote its stack wrongly
    t.Snapshot();   // AddressSanitizer catches any read beyond the 2 slots
    EXPECT_EQ(t.shadow()[0]->count, 2);
    t.Swap();
    EXPECT_EQ(s.count, 2);
}

TEST(StackTable, DraggedCardsLeaveAndComeBackInRunAndSingleMode)
{
    struct Case {
        DragMode mode;
        int16_t picked;
        std::vector<int16_t> afterTake;
        int16_t dragCount;
    };
    const Case cases[] = {
        {DragMode::Run, 2, {0, 1}, 5},
        {DragMode::Run, 0, {}, 7},
        {DragMode::Single, 2, {0, 1, 3, 4, 5, 6}, 1},
        {DragMode::Single, 6, {0, 1, 2, 3, 4, 5}, 1},
        {DragMode::Single, 0, {1, 2, 3, 4, 5, 6}, 1},
    };
    for (const Case& c : cases) {
        CardTable t;
        CardStack& s = *t.Create(Spec(0, 0, 7), CardSize::Small);
        Fill(s, {0, 1, 2, 3, 4, 5, 6});
        CardStack* drag = table::NewStack(c.dragCount);
        drag->count = drag->capacity = c.dragCount;
        for (int16_t i = 0; i < c.dragCount; ++i) drag->cards[i] = s.cards[c.picked + i];

        table::TakeDraggedCards(s, c.picked, c.mode);
        EXPECT_EQ(Images(s), c.afterTake) << "picked " << c.picked;
        if (c.mode == DragMode::Run) {
            EXPECT_EQ(s.cards[c.picked].image, c.picked) << "entries stay in memory";
        }
        table::ReturnDraggedCards(s, c.picked, c.mode, *drag);
        EXPECT_EQ(Images(s), (std::vector<int16_t>{0, 1, 2, 3, 4, 5, 6})) << "picked " << c.picked;
        table::FreeStack(drag);
    }
}

TEST(StackTable, TakeAndReturnIgnoreIndicesOutsideTheStack)
{
    CardTable t;
    CardStack& s = *t.Create(Spec(0, 0, 3), CardSize::Small);
    Fill(s, {0, 1, 2});
    CardStack* drag = table::NewStack(3);
    drag->count = 3;
    for (int16_t picked : {int16_t{-1}, int16_t{3}, int16_t{200}}) {
        table::TakeDraggedCards(s, picked, DragMode::Single);
        table::TakeDraggedCards(s, picked, DragMode::Run);
        EXPECT_EQ(Images(s), (std::vector<int16_t>{0, 1, 2}));
    }
    table::ReturnDraggedCards(s, 3, DragMode::Run, *drag);  // would make 6 cards in 3 slots
    EXPECT_EQ(s.count, 3);
    table::ReturnDraggedCards(s, 1, DragMode::Single, *drag);  // full: nothing opens
    EXPECT_EQ(Images(s), (std::vector<int16_t>{0, 1, 2}));
    table::FreeStack(drag);
}

TEST(StackTable, RecordsFromASavedGameAreCheckedBeforeTheyAreTrusted)
{
    struct Case {
        const char* what;
        int16_t capacity;
        int16_t count;
        size_t size;
        bool accepted;
    };
    const Case cases[] = {
        {"a consistent record", 3, 2, TS_STACK_BYTES(3), true},
        {"an empty stack of capacity 0", 0, 0, 24, true},
        {"a full stack", 3, 3, TS_STACK_BYTES(3), true},
        {"a size that is not 24 + 12 * capacity", 3, 2, TS_STACK_BYTES(4), false},
        {"a size cut short", 3, 2, TS_STACK_BYTES(3) - 1, false},
        {"a count above the capacity", 3, 4, TS_STACK_BYTES(3), false},
        {"a negative count", 3, -1, TS_STACK_BYTES(3), false},
        {"a negative capacity", -1, 0, 24, false},
        {"less than a header", 0, 0, 23, false},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> bytes(std::max<size_t>(c.size, sizeof(CardStack)) + 64, 0);
        CardStack header{};
        header.x = 12;
        header.capacity = c.capacity;
        header.count = c.count;
        std::memcpy(bytes.data(), &header, sizeof header);
        CardTable t;
        const CardStack* s = t.AddRecord(bytes.data(), c.size);
        EXPECT_EQ(s != nullptr, c.accepted) << c.what;
        EXPECT_EQ(t.count(), c.accepted ? 1 : 0) << c.what;
        if (s) {
            EXPECT_EQ(s->x, 12);
            EXPECT_EQ(std::memcmp(s, t.shadow()[0], c.size), 0) << "the shadow starts as a byte copy";
        }
    }
}

TEST(StackTable, DiscardEmptiesBothTables)
{
    CardTable t;
    for (int i = 0; i < 5; ++i) t.Create(Spec(0, 0, 4), CardSize::Small);
    t.Discard();
    EXPECT_EQ(t.count(), 0);
    EXPECT_EQ(t.shadow().count, 0);
    EXPECT_NE(t.Create(Spec(0, 0, 4), CardSize::Small), nullptr);
}

TEST(StackTable, AStackIsReadAndFilledWithinItsOwnSlotsWhateverItsFieldsSay)
{
    struct Case {
        const char* what;
        int16_t capacity;  // written over the record's capacity of 3
        int16_t count;     // written over its count of 2
        int16_t readable;
        int16_t usable;
        bool full;
    };
    const Case cases[] = {
        {"as made", 3, 2, 2, 3, false},
        {"a capacity raised beyond the memory", 500, 2, 2, 3, false},
        {"a capacity and a count raised beyond it", 500, 400, 3, 3, true},
        {"a capacity lowered below the cards", 1, 2, 2, 1, true},
        {"a negative capacity", -4, 2, 2, 0, true},
        {"a negative count", 3, -7, 0, 3, true},
    };
    for (const Case& c : cases) {
        CardTable t;
        CardStack& s = *t.Create(Spec(0, 0, 3), CardSize::Small);
        Fill(s, {1, 2});
        s.capacity = c.capacity;
        s.count = c.count;
        EXPECT_EQ(table::SlotCount(s), 3) << c.what;
        EXPECT_EQ(table::ReadableCount(s), c.readable) << c.what;
        EXPECT_EQ(table::UsableCapacity(s), c.usable) << c.what;
        EXPECT_EQ(table::IsFull(s), c.full) << c.what;
        t.Snapshot();  // AddressSanitizer catches any access beyond the 3 slots
        t.Swap();
        t.Swap();
        CardStack* drag = table::NewStack(3);
        drag->count = drag->capacity = 3;
        table::ReturnDraggedCards(s, 0, DragMode::Run, *drag);
        EXPECT_LE(table::ReadableCount(s), 3) << c.what;
        table::FreeStack(drag);
    }
}

TEST(StackTable, DraggedCardsComeBackFromTheDragStackOntoWhatTheSourceHoldsNow)
{
    struct Case {
        const char* what;
        DragMode mode;
        int16_t picked;
        std::vector<int16_t> meanwhile;  // the source as a module left it while the cards were in the air
        std::vector<int16_t> after;
    };
    const Case cases[] = {
        {"run mode, nothing changed", DragMode::Run, 2, {0, 1}, {0, 1, 2, 3, 4}},
        {"run mode, the source cleared", DragMode::Run, 2, {}, {2, 3, 4}},
        {"run mode, a card added", DragMode::Run, 2, {0, 1, 9}, {0, 1, 9, 2, 3, 4}},
        {"single mode, nothing changed", DragMode::Single, 1, {0, 2, 3, 4}, {0, 1, 2, 3, 4}},
        {"single mode, the source shorter than the index", DragMode::Single, 3, {7}, {7, 3}},
    };
    for (const Case& c : cases) {
        CardTable t;
        CardStack& s = *t.Create(Spec(0, 0, 7), CardSize::Small);
        Fill(s, {0, 1, 2, 3, 4});
        const int16_t n = c.mode == DragMode::Run ? static_cast<int16_t>(5 - c.picked) : int16_t{1};
        CardStack* drag = table::NewStack(n);
        drag->count = drag->capacity = n;
        for (int16_t i = 0; i < n; ++i) drag->cards[i] = s.cards[c.picked + i];
        table::TakeDraggedCards(s, c.picked, c.mode);
        Fill(s, c.meanwhile);
        table::ReturnDraggedCards(s, c.picked, c.mode, *drag);
        EXPECT_EQ(Images(s), c.after) << c.what;
        table::FreeStack(drag);
    }
}
