// The table's hot paths: hit-testing a press, ranking the stacks under a
// drop, a 104-card shuffle, and the undo snapshot and swap of a full table.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "core/host_random.h"
#include "table/geometry.h"
#include "table/stack_table.h"

namespace {

constexpr int kCards = 20;

// 100 stacks of 20 cards fanned down, ten to a row, overlapping their
// neighbours a little so drops meet several stacks.
void FillTable(table::CardTable& t)
{
    for (int i = 0; i < table::kMaxStacks; ++i) {
        StackSpec spec{0, (i % 10) * 40, (i / 10) * 200, TS_BASE_EMPTY, TS_FAN_DOWN, 2 * kCards, 0};
        CardStack* s = t.Create(spec, table::CardSize::Small);
        for (int c = 0; c < kCards; ++c) s->cards[s->count++] = CardEntry{0, 0, static_cast<int16_t>(c % 52), 0};
    }
}

const table::TableView kView{table::kSmallCards, {0, 32}};

void BM_HitTest(benchmark::State& state)
{
    table::CardTable t;
    FillTable(t);
    int32_t x = 0;
    for (auto _ : state) {
        // Points sweep the table, hitting cards, gaps and empty background.
        const table::Point p{x % 420, 32 + (x * 7) % 2000};
        benchmark::DoNotOptimize(table::HitTest(t.live(), kView, p));
        ++x;
    }
}
BENCHMARK(BM_HitTest);

void BM_HitTestMiss(benchmark::State& state)
{
    table::CardTable t;
    FillTable(t);
    for (auto _ : state) benchmark::DoNotOptimize(table::HitTest(t.live(), kView, {5000, 5000}));
}
BENCHMARK(BM_HitTestMiss);

void BM_RankDropTargets(benchmark::State& state)
{
    table::CardTable t;
    FillTable(t);
    table::DropTargets out;
    int32_t x = 0;
    for (auto _ : state) {
        const table::Rect r{x % 400, 100 + x % 1800, x % 400 + 45, 163 + x % 1800};
        benchmark::DoNotOptimize(table::RankDropTargets(t.live(), kView, r, out));
        ++x;
    }
}
BENCHMARK(BM_RankDropTargets);

void BM_Shuffle104(benchmark::State& state)
{
    core::HostRandom random;
    random.Seed(1);
    uint8_t deck[104];
    for (int i = 0; i < 104; ++i) deck[i] = static_cast<uint8_t>(i);
    for (auto _ : state) {
        benchmark::DoNotOptimize(core::Shuffle(random, deck, 104));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Shuffle104);

void BM_SnapshotFullTable(benchmark::State& state)
{
    table::CardTable t;
    FillTable(t);
    for (auto _ : state) {
        t.Snapshot();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_SnapshotFullTable);

void BM_SwapFullTable(benchmark::State& state)
{
    table::CardTable t;
    FillTable(t);
    t.Snapshot();
    for (auto _ : state) {
        t.Swap();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_SwapFullTable);

}  // namespace
