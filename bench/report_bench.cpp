// A list report run and printed: N data rows of 3 labels between a page
// header and a page footer, fed by the application through its events;
// and the same texts drawn straight onto a PDF writer, paginated the same
// way, as the yardstick for printing.

#include "runtime/band.h"
#include "runtime/host.h"
#include "runtime/label.h"
#include "runtime/paper.h"
#include "runtime/preview.h"
#include "runtime/report.h"

#include "classlib/core/classbuilder.h"
#include "classlib/core/reader.h"
#include "classlib/core/streams.h"
#include "classlib/core/stringlist.h"
#include "classlib/core/writer.h"
#include "classlib/graphics/font.h"
#include "classlib/graphics/metafile.h"
#include "classlib/system/printers.h"

#include <benchmark/benchmark.h>

#include <QPainter>
#include <QWidget>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <memory>

using namespace classlib;
using namespace runtime;

namespace {

// Page geometry, 0.01 mm: A4 with 1 cm margins.
constexpr int PageWidth = 21000, PageHeight = 29700, Margin = 1000;
constexpr int HeaderHeight = 1200, FooterHeight = 800, RowHeight = 500;

// The application: rows come from a counter.
class TListForm : public TComponent {
    QX_CLASS(TListForm, TComponent)
public:
    using TComponent::TComponent;
    int Rows = 0;
    int Next = 0;
    void RowsAskData(TObject*, bool& NeedData) { NeedData = Next < Rows; }
    void RowsAfterPrint(TObject*) { ++Next; }
    void NameGetText(TObject*, QString& Text) { Text = QStringLiteral("Customer %1").arg(Next + 1); }
    void CityGetText(TObject*, QString& Text) { Text = QStringLiteral("City %1").arg(Next % 97); }
    void SalesGetText(TObject*, QString& Text) { Text = QString::number(Next * 37 % 100000); }
};

} // namespace

const TClassInfo& TListForm::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TListForm>("TListForm")
        .Method("RowsAskData", &TListForm::RowsAskData)
        .Method("RowsAfterPrint", &TListForm::RowsAfterPrint)
        .Method("NameGetText", &TListForm::NameGetText)
        .Method("CityGetText", &TListForm::CityGetText)
        .Method("SalesGetText", &TListForm::SalesGetText)
        .Build();
    return info;
}

namespace {

// A page written with its elements as children, as the designer does.
class TStoredPaper : public TQXPaper {
public:
    using TQXPaper::TQXPaper;
    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent*) override
    {
        for (int i = 0; i < ComponentCount(); ++i) Proc(Components(i));
    }
};

template <class T>
T* Add(TQXPaper& Paper, TQXContainer* Parent, const char* Name, int Left, int Top, int Width, int Height,
       TAlign Align = alNone)
{
    auto* e = new T(&Paper);
    e->SetName(QString::fromLatin1(Name));
    e->SetBounds(Left, Top, Width, Height);
    e->SetAlign(Align);
    e->SetQXParent(Parent);
    if constexpr (std::is_same_v<T, TQXLabel>) e->QXFont()->SetHeight(-13);  // pixels, as stored
    return e;
}

QByteArray ListDocument()
{
    TStoredPaper paper(nullptr);
    paper.SetName(QStringLiteral("List"));
    // Runtime pages store their size; the host's must agree.
    paper.SetBounds(0, 0, PageWidth, PageHeight);
    paper.SetQXLeftMargin(Margin);
    paper.SetQXTopMargin(Margin);
    paper.SetQXRightMargin(Margin);
    paper.SetQXBottomMargin(Margin);
    // Header and footer are labels aligned to the page's top and bottom.
    Add<TQXLabel>(paper, &paper, "Header", 0, 0, 19000, HeaderHeight, alTop)->SetCaption(QStringLiteral("Customer list"));
    Add<TQXLabel>(paper, &paper, "Footer", 0, 0, 19000, FooterHeight, alBottom)->SetCaption(QStringLiteral("Company confidential"));
    auto* rows = Add<TQXBand>(paper, &paper, "Rows", 0, 0, 19000, RowHeight, alTop);
    Add<TQXLabel>(paper, rows, "Name", 0, 0, 8000, RowHeight - 50);
    Add<TQXLabel>(paper, rows, "City", 8000, 0, 6000, RowHeight - 50);
    Add<TQXLabel>(paper, rows, "Sales", 14000, 0, 5000, RowHeight - 50);

    TMemoryStream page;
    WriteComponentToStream(page, &paper);
    page.SetPosition(0);
    TQXHost host(nullptr);
    host.SetQXWidth(PageWidth);
    host.SetQXHeight(PageHeight);
    host.SetQXLeftMargin(Margin);
    host.SetQXTopMargin(Margin);
    host.SetQXRightMargin(Margin);
    host.SetQXBottomMargin(Margin);
    host.AddPage(QStringLiteral("List"), page);
    host.SetPageOrder(QStringLiteral("p  -1List\r\n"));

    TMemoryStream body;
    WriteComponentToStream(body, &host);
    TQXReportHeader header;
    InitReportHeader(header);
    header.BodySize = qint32(body.Size());
    TMemoryStream document;
    {
        TWriter writer(document);
        WriteReportHeader(writer, header);
        writer.Write(body.Memory(), body.Size());
    }
    return document.Bytes();
}

struct TListReport {
    TListForm form{nullptr};
    TQXReport* report = new TQXReport(&form);
    explicit TListReport(int Rows)
    {
        form.Rows = Rows;
        TBytesStream stream(ListDocument());
        report->ReadReport(stream);
        for (const char* line : {"List.Rows.AskData=RowsAskData", "List.Rows.AfterPrint=RowsAfterPrint",
                                 "List.Name.GetText=NameGetText", "List.City.GetText=CityGetText",
                                 "List.Sales.GetText=SalesGetText"})
            report->Events()->Add(QString::fromLatin1(line));
    }
    void Run()
    {
        form.Next = 0;
        report->Prepare();
    }
};

void BM_ReportRun(benchmark::State& State)
{
    TListReport list(int(State.range(0)));
    qint64 pages = 0, bytes = 0;
    for (auto _ : State) {
        list.Run();
        pages += list.report->PageCount();
        for (int i = 0; i < list.report->PageCount(); ++i) bytes += list.report->GetPage(i)->Data().size();
    }
    State.counters["pages/s"] = benchmark::Counter(double(pages), benchmark::Counter::kIsRate);
    State.counters["bytes/page"] = pages ? double(bytes) / double(pages) : 0.0;
}
BENCHMARK(BM_ReportRun)->ArgName("rows")->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// One prepared page painted into a preview leaf at 100 % zoom: the leaf's
// sheet and the page's metafile played onto it.
void BM_PreviewPaintPage(benchmark::State& State)
{
    TListReport list(100);
    list.Run();
    TQXPreview preview(nullptr);
    preview.SetPreviewStyle(psZoom);
    preview.SetZoom(1.0);
    preview.SetColumns(1);
    preview.SetRows(1);
    preview.SetBounds(0, 0, 900, 1200);
    preview.SetReport(list.report);
    QWidget* leaf = preview.Leaves(0)->Widget();
    for (auto _ : State) benchmark::DoNotOptimize(leaf->grab());
}
BENCHMARK(BM_PreviewPaintPage)->Unit(benchmark::kMicrosecond);

void BM_ReportPrintPdf(benchmark::State& State)
{
    TListReport list(int(State.range(0)));
    QTemporaryDir dir;
    auto* printer = new TPrinter;
    printer->SetOutputFileName(dir.filePath(QStringLiteral("report.pdf")));
    TPrinter* old = SetPrinter(printer);
    qint64 pages = 0;
    for (auto _ : State) {
        list.Run();
        list.report->Print();
        pages += list.report->PageCount();
    }
    delete SetPrinter(old);
    State.counters["pages/s"] = benchmark::Counter(double(pages), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ReportPrintPdf)->ArgName("rows")->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_RawPdf(benchmark::State& State)
{
    const int rowCount = int(State.range(0));
    const int rowsPerPage = (PageHeight - 2 * Margin - HeaderHeight - FooterHeight) / RowHeight;
    QTemporaryDir dir;
    qint64 pages = 0;
    for (auto _ : State) {
        QPdfWriter pdf(dir.filePath(QStringLiteral("raw.pdf")));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(1200);
        QPainter p(&pdf);
        // 0.01 mm to device pixels.
        const double s = 1200.0 / 2540.0;
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(int(13 * 1200 / 96));
        p.setFont(font);
        auto text = [&](int Left, int Top, int Width, int Height, const QString& T) {
            p.drawText(QRectF((Margin + Left) * s, (Margin + Top) * s, Width * s, Height * s),
                       Qt::AlignLeft | Qt::AlignTop, T);
        };
        int row = 0, page = 0;
        while (row < rowCount || page == 0) {
            if (page > 0) pdf.newPage();
            text(0, 0, 19000, HeaderHeight, QStringLiteral("Customer list"));
            text(0, PageHeight - 2 * Margin - FooterHeight, 19000, FooterHeight, QStringLiteral("Company confidential"));
            for (int r = 0; r < rowsPerPage && row < rowCount; ++r, ++row) {
                const int top = HeaderHeight + r * RowHeight;
                text(0, top, 8000, RowHeight, QStringLiteral("Customer %1").arg(row + 1));
                text(8000, top, 6000, RowHeight, QStringLiteral("City %1").arg(row % 97));
                text(14000, top, 5000, RowHeight, QString::number(row * 37 % 100000));
            }
            ++page;
        }
        p.end();
        pages += page;
    }
    State.counters["pages/s"] = benchmark::Counter(double(pages), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RawPdf)->ArgName("rows")->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
