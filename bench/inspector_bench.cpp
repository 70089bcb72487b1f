// The object inspector filling for N selected controls of one registered
// class: every iteration selects all N again and the inspector builds its
// rows, reads the values the controls share and draws nothing yet. A
// hundred selected should fill within 10 ms.

#include "shapesurface.h"

#include "designer-framework/inspectorgrid.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

using namespace classlib;
using namespace designer_framework;

namespace {

void BM_InspectorFill(benchmark::State& State)
{
    TShapeSurface shapes(int(State.range(0)));
    TControlDesigner* surface = shapes.Surface.get();
    TfrmInspector* inspector = shapes.Inspector.get();
    inspector->Show();
    QCoreApplication::processEvents();

    for (auto _ : State) {
        surface->ClearSelection();
        for (auto* shape : shapes.Shapes) surface->AddToSelection(shape);
        surface->UpdateSelection();
        State.PauseTiming();
        if (!inspector->dwgControlGeneral->Visible() || inspector->ActiveRows()->Count() == 0)
            State.SkipWithError("the inspector shows no rows");
        // What is drawn is not part of the fill.
        QCoreApplication::processEvents();
        State.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_InspectorFill)->ArgName("selected")->Arg(1)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
