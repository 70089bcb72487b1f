// Writing and reading a large document: 1,000 pages of 100 elements each,
// the pages written from their components and read back into them; and
// the pages through the text form and back.

#include "runtime/documentheader.h"
#include "runtime/host.h"

#include "classlib/core/classbuilder.h"
#include "classlib/core/classregistry.h"
#include "classlib/core/reader.h"
#include "classlib/core/streams.h"
#include "classlib/core/textform.h"
#include "classlib/core/writer.h"

#include <benchmark/benchmark.h>

#include <QByteArray>

using namespace classlib;

namespace {

constexpr int PageCount = 1000;
constexpr int ElementsPerPage = 100;

QX_ENUM(TBenchAlign, baNone, baTop, baBottom, baClient)
QX_ENUM(TBenchStyle, bsBold, bsItalic, bsUnderline)
using TBenchStyles = TSet<TBenchStyle>;
QX_INTEGER_TYPE(TBenchColor, qint32)

class TBenchElement : public TComponent {
    QX_CLASS(TBenchElement, TComponent)
public:
    using TComponent::TComponent;
    int QXLeft = 0;
    int QXTop = 0;
    int QXWidth = 0;
    int QXHeight = 0;
    TBenchAlign Align = baNone;
    bool Visible = true;
    QString Caption;
    TBenchStyles Style;
    double Ratio = 0;
    TBenchColor Color = TBenchColor(0);
    TBenchElement* QXParent = nullptr;
};

class TBenchPage : public TComponent {
    QX_CLASS(TBenchPage, TComponent)
public:
    using TComponent::TComponent;
    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent*) override
    {
        for (int i = 0; i < ComponentCount(); ++i)
            Proc(Components(i));
    }
    QString Title;
};

} // namespace

const TClassInfo& TBenchElement::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TBenchElement>("TBenchElement")
        .Prop("QXLeft", &TBenchElement::QXLeft)
        .Prop("QXTop", &TBenchElement::QXTop)
        .Prop("QXWidth", &TBenchElement::QXWidth)
        .Prop("QXHeight", &TBenchElement::QXHeight)
        .Prop("Align", &TBenchElement::Align)
        .Prop("Visible", &TBenchElement::Visible)
        .Prop("Caption", &TBenchElement::Caption)
        .Prop("Style", &TBenchElement::Style)
        .Prop("Ratio", &TBenchElement::Ratio)
        .Prop("Color", &TBenchElement::Color)
        .Prop("QXParent", &TBenchElement::QXParent)
        .Build();
    return info;
}

const TClassInfo& TBenchPage::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TBenchPage>("TBenchPage")
        .Prop("Title", &TBenchPage::Title)
        .Build();
    return info;
}

namespace {

void FillPage(TBenchPage& Page)
{
    Page.SetName(QStringLiteral("Page"));
    Page.Title = QStringLiteral("Benchmark page");
    TBenchElement* band = nullptr;
    for (int i = 0; i < ElementsPerPage; ++i) {
        auto* e = new TBenchElement(&Page);
        e->SetName(QStringLiteral("Element%1").arg(i + 1));
        e->QXLeft = 500 + 37 * i;
        e->QXTop = 20000 - 250 * i;
        e->QXWidth = 4000;
        e->QXHeight = i == 0 ? 29700 : 450;
        e->Align = i == 0 ? baClient : baNone;
        e->Visible = i % 7 != 0;
        e->Caption = QStringLiteral("Amount due on line %1").arg(i);
        e->Style = i % 3 ? TBenchStyles{bsBold} : TBenchStyles{bsBold, bsUnderline};
        e->Ratio = 0.125 * i;
        e->Color = TBenchColor(0x00336699 + i);
        e->QXParent = band;
        if (i == 0)
            band = e;
    }
}

QByteArray StreamOf(TComponent& Root)
{
    TMemoryStream stream;
    {
        TWriter writer(stream, 8192);
        writer.WriteRootComponent(&Root);
    }
    return stream.Bytes();
}

QByteArray WriteDocument(TBenchPage& Page)
{
    runtime::TQXHost host(nullptr);
    host.SetQXWidth(21000);
    host.SetQXHeight(29700);
    host.SetPaperSize(9);
    for (int i = 0; i < PageCount; ++i) {
        TMemoryStream page;
        {
            TWriter writer(page, 8192);
            writer.WriteRootComponent(&Page);
        }
        host.AddPage(QStringLiteral("Page%1").arg(i + 1), page);
    }
    const QByteArray body = StreamOf(host);
    runtime::TQXReportHeader header;
    runtime::InitReportHeader(header);
    header.BodySize = qint32(body.size());
    TMemoryStream document;
    {
        TWriter writer(document, 8192);
        runtime::WriteReportHeader(writer, header);
    }
    document.WriteBuffer(body.constData(), body.size());
    return document.Bytes();
}

void ReadDocument(const QByteArray& Document)
{
    TBytesStream stream(Document);
    runtime::TQXReportHeader header;
    {
        TReader reader(stream, 8192);
        runtime::ReadReportHeader(reader, header);
    }
    runtime::TQXHost host(nullptr);
    {
        TReader reader(stream, 8192);
        host.LoadFromReader(reader);
    }
    for (int i = 0; i < host.GetPageCount(); ++i) {
        TBenchPage page(nullptr);
        host.LoadPage(&page, i);
        benchmark::DoNotOptimize(page.ComponentCount());
    }
}

void BM_DocumentWrite(benchmark::State& State)
{
    TBenchPage page(nullptr);
    FillPage(page);
    qint64 bytes = 0;
    for (auto _ : State) {
        const QByteArray document = WriteDocument(page);
        bytes += document.size();
        benchmark::DoNotOptimize(document.constData());
    }
    State.SetBytesProcessed(bytes);
}
BENCHMARK(BM_DocumentWrite)->Unit(benchmark::kMillisecond);

void BM_DocumentRead(benchmark::State& State)
{
    RegisterClasses({&TBenchPage::StaticClass(), &TBenchElement::StaticClass()});
    TBenchPage page(nullptr);
    FillPage(page);
    const QByteArray document = WriteDocument(page);
    for (auto _ : State)
        ReadDocument(document);
    State.SetBytesProcessed(qint64(State.iterations()) * document.size());
    State.counters["document_bytes"] = double(document.size());
}
BENCHMARK(BM_DocumentRead)->Unit(benchmark::kMillisecond);

// Arg 0: page streams to text; arg 1: their text back to page streams.
// Bytes are those of the input of each way.
void BM_TextFormRoundTrip(benchmark::State& State)
{
    TBenchPage page(nullptr);
    FillPage(page);
    const QByteArray binary = StreamOf(page);
    QByteArray text;
    {
        TBytesStream in(binary);
        TMemoryStream out;
        ObjectBinaryToText(in, out);
        text = out.Bytes();
    }
    const bool toText = State.range(0) == 0;
    const QByteArray& input = toText ? binary : text;
    for (auto _ : State) {
        for (int i = 0; i < PageCount; ++i) {
            TBytesStream in(input);
            TMemoryStream out;
            if (toText)
                ObjectBinaryToText(in, out);
            else
                ObjectTextToBinary(in, out);
            benchmark::DoNotOptimize(out.Memory());
        }
    }
    State.SetBytesProcessed(qint64(State.iterations()) * PageCount * input.size());
    State.counters["page_bytes"] = double(input.size());
}
BENCHMARK(BM_TextFormRoundTrip)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
