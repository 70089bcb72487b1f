// The object inspector filling for N selected controls of one registered
// class: every iteration selects all N again and the inspector builds its
// rows, reads the values the controls share and draws nothing yet. A
// hundred selected should fill within 10 ms.

#include "designer-framework/testprogram/shape.h"
#include "designer-framework/testprogram/testclasses.h"

#include "designer-framework/controldesigner.h"
#include "designer-framework/inspectordesigner.h"
#include "designer-framework/inspectorgrid.h"
#include "designer-framework/inspectorwindow.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <memory>

using namespace classlib;
using namespace designer_framework;
using namespace designer_framework::testprogram;

namespace {

constexpr int Pitch = 24, PerRow = 40, Side = 16;

void BM_InspectorFill(benchmark::State& State)
{
    RegisterTestClasses();
    const int n = int(State.range(0));
    const int rows = (n + PerRow - 1) / PerRow;
    auto inspector = std::make_unique<TfrmInspector>(nullptr);
    auto surface = std::make_unique<TControlDesigner>(nullptr);
    surface->SetName(QStringLiteral("Surface"));
    surface->SetBounds(0, 0, 8 + PerRow * Pitch + 16, 8 + rows * Pitch + 16);
    QList<TShape*> shapes;
    for (int i = 0; i < n; ++i) {
        auto* shape = new TShape(surface.get());
        shape->SetName(QStringLiteral("Shape%1").arg(i + 1));
        shape->SetBounds(8 + i % PerRow * Pitch, 8 + i / PerRow * Pitch, Side, Side);
        shape->SetParent(surface.get());
        shapes.append(shape);
    }
    surface->SetInspector(new TInspectorDesigner(inspector.get()));
    surface->Show();
    inspector->Show();
    QCoreApplication::processEvents();

    for (auto _ : State) {
        surface->ClearSelection();
        for (TShape* shape : shapes) surface->AddToSelection(shape);
        surface->UpdateSelection();
        State.PauseTiming();
        if (!inspector->dwgControlGeneral->Visible() || inspector->ActiveRows()->Count() == 0)
            State.SkipWithError("the inspector shows no rows");
        // What is drawn is not part of the fill.
        QCoreApplication::processEvents();
        State.ResumeTiming();
    }
    surface.reset();
    inspector.reset();
}

} // namespace

BENCHMARK(BM_InspectorFill)->ArgName("selected")->Arg(1)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
