// The report designer's document and page window: opening a document of
// many pages and showing its first page; opening a page of many labels;
// painting a page window that holds many labels at 100 %, as the screen
// gets it.

#include "designer/elements/band.h"
#include "designer/document/designinstances.h"
#include "designer/document/document.h"
#include "designer/elements/label.h"
#include "designer/document/page.h"
#include "designer/document/pagedesigner.h"

#include "designer-framework/inspectorwindow.h"

#include "classlib/controls/form.h"
#include "classlib/controls/scrollbox.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>

using namespace classlib;
using namespace designer;

namespace {

// The designer as its main window sets it up, for one benchmark: the
// designer-wide instances are free again after, as the designer's own
// start expects them.
class TDesignerSession {
public:
    TDesignerSession() : FMain(new TForm(nullptr)), FInspector(new designer_framework::TfrmInspector(nullptr))
    {
        FMain->SetBounds(0, 0, 900, 700);
        auto* box = new TScrollBox(FMain.get());
        box->SetParent(FMain.get());
        box->SetAlign(alClient);
        CreateDesignInstances(nullptr, box, FInspector.get());
        NewReport();
        FMain->Show();
    }
    ~TDesignerSession() { FreeDesignInstances(); }
    TDesignerSession(const TDesignerSession&) = delete;
    TDesignerSession& operator=(const TDesignerSession&) = delete;

private:
    std::unique_ptr<TForm> FMain;
    std::unique_ptr<designer_framework::TfrmInspector> FInspector;
};

template <class T>
T* Insert(int X, int Y)
{
    return dynamic_cast<T*>(PageWindow->CreateComponent(T::StaticClass(), TPoint{X, Y}));
}

// A saved document of Pages pages, each with a band holding a few labels.
QString DocumentFile(QTemporaryDir& Dir, int Pages)
{
    NewReport();
    QString order;
    for (int p = 0; p < Pages; ++p) {
        if (p > 0) Document->AddPage();
        Insert<TQXBand>(10, 10)->SetMMHeight(40.0);
        for (int l = 0; l < 4; ++l) Insert<TQXLabel>(20 + 120 * l, 20)->SetCaption(QStringLiteral("Text %1").arg(l));
        order += QStringLiteral("p  -1") + Document->GetPageName(p) + QStringLiteral("\r\n");
    }
    Document->SetPageOrder(order);
    const QString file = Dir.filePath(QStringLiteral("pages.qxf"));
    SaveReportToFile(file);
    return file;
}

void BM_DesignerOpenDocument(benchmark::State& State)
{
    TDesignerSession session;
    QTemporaryDir dir;
    const QString file = DocumentFile(dir, int(State.range(0)));
    NewReport();
    for (auto _ : State) {
        OpenReport(file);
        // The old page window goes and the new one shows.
        QCoreApplication::processEvents();
    }
    if (Document->GetPageCount() != State.range(0)) State.SkipWithError("the document lost pages");
    NewReport();
}
BENCHMARK(BM_DesignerOpenDocument)->ArgName("pages")->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

// A saved document of one page holding Count labels. They are made and
// named directly: naming through the surface looks for the smallest free
// number, which is not what is measured here.
QString LabelsFile(QTemporaryDir& Dir, int Count)
{
    NewReport();
    for (int i = 0; i < Count; ++i) {
        auto* label = new TQXLabel(PageWindow);
        label->SetName(QStringLiteral("Label%1").arg(i + 1));
        label->SetCaption(QStringLiteral("L%1").arg(i));
        label->SetBounds(1 + (i % 10) * 70, 1 + (i / 10 % 60) * 17, label->Width(), label->Height());
        label->SetParent(PageWindow);
    }
    const QString file = Dir.filePath(QStringLiteral("labels.qxf"));
    SaveReportToFile(file);
    NewReport();
    return file;
}

void BM_DesignerOpenPage(benchmark::State& State)
{
    TDesignerSession session;
    QTemporaryDir dir;
    const int count = int(State.range(0));
    const QString file = LabelsFile(dir, count);
    for (auto _ : State) {
        OpenReport(file);
        QCoreApplication::processEvents();
    }
    if (PageWindow->ComponentCount() != count) State.SkipWithError("the page lost labels");
    NewReport();
}
BENCHMARK(BM_DesignerOpenPage)->ArgName("labels")->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);

// Labels in a grid of ten columns over the printable area of an A4 page.
void FillLabels(int Count)
{
    NewReport();
    PageDesigner->SetZoom(1.0);
    const int rows = (Count + 9) / 10;
    const int width = PageWindow->PageWidth() / 10, height = PageWindow->PageHeight() / rows;
    for (int i = 0; i < Count; ++i) {
        auto* label = Insert<TQXLabel>(1, 1);
        label->SetAutoSize(false);
        label->SetCaption(QStringLiteral("L%1").arg(i));
        label->SetUnits((i % 10) * width, (i / 10) * height, width, height);
        label->UpdateBounds();
    }
    PageWindow->UnselectAll();
}

void BM_PageDesignerPaint(benchmark::State& State)
{
    TDesignerSession session;
    FillLabels(int(State.range(0)));
    QWidget* widget = PageWindow->Widget();
    QImage image(widget->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : State) {
        widget->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    NewReport();
}
BENCHMARK(BM_PageDesignerPaint)->ArgName("elements")->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace
