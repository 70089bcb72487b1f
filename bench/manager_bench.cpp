// The report manager reading a print order into its tree: time should grow
// with the order's length alone, even when every group bears one name and
// each takes the next free default name.

#include "designer/manager/reportmanager.h"

#include "classlib/controls/treeview.h"

#include <benchmark/benchmark.h>

using namespace designer;

namespace {

void BM_ManagerLoadOrder(benchmark::State& State)
{
    const int lines = int(State.range(0));
    QString order;
    for (int i = 0; i < lines; ++i) order += QStringLiteral("g  -1A\r\n");
    TfrmPages pages(nullptr);
    pages.Show();
    for (auto _ : State) pages.LoadPageOrder(order);
    if (pages.tvwPages->Items()->RootCount() != lines) State.SkipWithError("the order was not read whole");
    State.SetComplexityN(lines);
}
BENCHMARK(BM_ManagerLoadOrder)->ArgName("lines")->Arg(1000)->Arg(3000)->Arg(9999)->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace
