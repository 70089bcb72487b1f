// A design surface holding N controls: one rubber band selects them all and
// Shift+Ctrl+arrow moves them one grid step, as a person does. The move of
// 1,000 selected controls should take no more than a frame (16 ms); the
// counters give each phase on its own, the repaint that follows included,
// and the object inspector showing the selection as it would in use.

#include "shapesurface.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTest>

#include <chrono>
#include <memory>

using namespace classlib;
using namespace designer_framework;

namespace {

double MillisecondsSince(std::chrono::steady_clock::time_point Start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - Start).count();
}

void BM_SurfaceRubberBand(benchmark::State& State)
{
    const int n = int(State.range(0));
    TShapeSurface shapes(n);
    TControlDesigner* surface = shapes.Surface.get();
    QWidget* w = surface->Widget();
    const QPoint from(2, 2), to(surface->ClientWidth() - 2, surface->ClientHeight() - 2);
    double bandMs = 0, moveMs = 0, paintMs = 0;
    int step = 1;
    for (auto _ : State) {
        auto start = std::chrono::steady_clock::now();
        QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(w, (from + to) / 2);
        QTest::mouseMove(w, to);
        QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, to);
        bandMs += MillisecondsSince(start);
        if (surface->SelectionCount() != n) State.SkipWithError("the band did not select every control");

        // Right and back again, so that the controls stay under the band.
        start = std::chrono::steady_clock::now();
        QTest::keyClick(w, step > 0 ? Qt::Key_Right : Qt::Key_Left, Qt::ShiftModifier | Qt::ControlModifier);
        moveMs += MillisecondsSince(start);
        step = -step;

        start = std::chrono::steady_clock::now();
        QCoreApplication::processEvents();
        paintMs += MillisecondsSince(start);
    }
    const double iterations = double(State.iterations());
    State.counters["band_ms"] = bandMs / iterations;
    State.counters["move_ms"] = moveMs / iterations;
    State.counters["repaint_ms"] = paintMs / iterations;
}

} // namespace

BENCHMARK(BM_SurfaceRubberBand)->ArgName("controls")->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
