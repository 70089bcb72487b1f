// Reading and walking a page order: time should grow with its length
// alone, however deeply its groups nest.

#include "runtime/pageorder.h"
#include "runtime/report.h"

#include <benchmark/benchmark.h>

#include <vector>

using namespace runtime;

namespace {

// N group lines in runs of Depth, each group inside the one before.
QStringList NestedOrder(int N, int Depth)
{
    std::vector<TQXOrderEntry> entries;
    for (int i = 0; i < N; ++i)
        entries.push_back({false, i % Depth == 0 ? -1 : i - 1, QStringLiteral("Group%1").arg(i)});
    return SplitOrderLines(FormatPageOrder(entries));
}

void BM_InterpretPageOrder(benchmark::State& State)
{
    // Nesting no run follows, but the text can hold it.
    const QStringList lines = NestedOrder(int(State.range(0)), int(State.range(0)));
    for (auto _ : State) benchmark::DoNotOptimize(InterpretPageOrder(lines));
    State.SetComplexityN(State.range(0));
}
BENCHMARK(BM_InterpretPageOrder)->RangeMultiplier(3)->Range(1000, MaxOrderLines)->Complexity(benchmark::oN);

void BM_WalkPageOrder(benchmark::State& State)
{
    const QStringList lines = NestedOrder(int(State.range(0)), MaxOrderDepth);
    TQXReport report(nullptr);
    for (auto _ : State) report.ProcessOrder(lines);
    State.SetComplexityN(State.range(0));
}
BENCHMARK(BM_WalkPageOrder)->RangeMultiplier(3)->Range(1000, MaxOrderLines)->Complexity(benchmark::oN);

} // namespace
