// The designer's start: from QXActivate to the first page painted, with
// fresh settings, as a person sees it start.

#include "designer/document/designinstances.h"
#include "designer/document/page.h"
#include "designer/mainwindow/qxactivate.h"

#include "classlib/controls/modalresponder.h"
#include "classlib/tests/tempconfig.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

using namespace classlib;
using namespace designer;

namespace {

// Notes the first paint of the page window, wherever it happens.
class TFirstPagePaint : public QObject {
public:
    bool Painted = false;

protected:
    bool eventFilter(QObject* Watched, QEvent* E) override
    {
        if (!Painted && E->type() == QEvent::Paint && PageWindow && Watched == PageWindow->Widget())
            Painted = true;
        return false;
    }
};

void BM_DesignerStart(benchmark::State& State)
{
    for (auto _ : State) {
        classlib::test::TTempConfig config;
        TFirstPagePaint paint;
        QCoreApplication::instance()->installEventFilter(&paint);
        QElapsedTimer timer;
        double seconds = -1;
        TModalScript script;
        script.Then([&](TModalRequest&) {
            for (int i = 0; i < 1000 && !paint.Painted; ++i) QCoreApplication::processEvents();
            if (paint.Painted) seconds = double(timer.nsecsElapsed()) / 1e9;
            return mrCancel;
        });
        timer.start();
        QXActivate(nullptr, 0, 0);
        QCoreApplication::instance()->removeEventFilter(&paint);
        if (seconds < 0) {
            State.SkipWithError("the page was never painted");
            break;
        }
        State.SetIterationTime(seconds);
    }
}
BENCHMARK(BM_DesignerStart)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
