// The development-environment package: the controls window filled from a
// large document, and the "Edit..." verb's round trip through the designer
// library with the designer answered at once.

#include "ide/componenteditor.h"
#include "ide/controlswindow.h"
#include "ide/registration.h"
#include "ide/tests/idefixture.h"

#include "runtime/report.h"

#include "classlib/controls/modalresponder.h"
#include "classlib/controls/treeview.h"

#include <benchmark/benchmark.h>

#include <memory>

using namespace classlib;
using namespace runtime;

namespace {

void BM_ControlsWindowFill(benchmark::State& State)
{
    const int pages = int(State.range(0));
    ide::tests::TIdeForm f;
    ide::tests::Load(*f.Report, ide::tests::LargeDocument(pages, 50));
    auto window = std::make_unique<ide::TfrmPropControls>(nullptr);
    window->SetDesigner(f.Designer.get());
    window->SetReport(f.Report);
    for (auto _ : State) {
        window->ReportToView();
        benchmark::DoNotOptimize(window->tvwControls->Items()->Count());
    }
    if (window->tvwControls->Items()->Count() != pages * 51) State.SkipWithError("the tree is not complete");
    window.reset();
}
BENCHMARK(BM_ControlsWindowFill)->ArgName("pages")->Arg(100)->Unit(benchmark::kMillisecond);

void BM_ComponentEditorEdit(benchmark::State& State)
{
    classlib::test::TTempConfig config;
    ide::tests::TRegisteredPackage package;
    ide::tests::TIdeForm f;
    ide::tests::Load(*f.Report, ide::tests::LargeDocument(10, 20));
    ide::TQXComponentEditor editor(f.Report, f.Designer.get());
    if (editor.GetVerbCount() != 3) State.SkipWithError("no Edit verb");
    // The designer is closed the moment it shows.
    TModalScript script;
    for (auto _ : State) {
        script.Answer(mrOk);
        editor.ExecuteVerb(2);
    }
    if (script.Unexpected() != 0 || f.Designer->ModifiedCount != int(State.iterations()))
        State.SkipWithError("the document did not come back every time");
}
BENCHMARK(BM_ComponentEditorEdit)->Unit(benchmark::kMillisecond);

} // namespace
