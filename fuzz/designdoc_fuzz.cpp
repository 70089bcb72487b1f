// Arbitrary bytes opened as a design document, as the designer's open
// command reads a file. A failed open must leave the open document exactly
// as it was. An opened document has every page opened and painted at three
// zooms, is saved, and opens again from what was saved: pages, names and
// order survive and a second save gives the same bytes. Class-library
// exceptions are the expected outcome of bad bytes; anything else escaping,
// a hang, a crash or a sanitizer report is a finding.

#include "designerhost.h"

#include "designer/elements/band.h"
#include "designer/elements/label.h"
#include "designer/document/page.h"
#include "designer/document/pagedesigner.h"

#include "classlib/core/sysutils.h"

#include <QFile>
#include <QImage>
#include <QRegion>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace classlib;
using namespace designer;

// Inputs larger than this add length, not new paths.
constexpr size_t MaxInput = 64 * 1024;
// Painting is the slow part: later pages are only opened.
constexpr int PaintedPages = 8;
// The part of the page painted: all of it at 30 %, a corner at 300 %.
constexpr int ViewSize = 400;

[[noreturn]] void Fail(const char* What, const QString& Detail = QString())
{
    std::fprintf(stderr, "%s\n%s\n", What, qPrintable(Detail));
    std::abort();
}

QString TempPath(const char* Name)
{
    static QTemporaryDir dir;
    if (!dir.isValid()) Fail("no temporary folder");
    return dir.filePath(QString::fromLatin1(Name));
}

void WriteFile(const QString& Path, const QByteArray& Bytes)
{
    QFile file(Path);
    if (!file.open(QIODevice::WriteOnly) || file.write(Bytes) != Bytes.size()) Fail("cannot write", Path);
}

QByteArray ReadFile(const QString& Path)
{
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly)) Fail("cannot read", Path);
    return file.readAll();
}

struct TPages {
    QStringList Names;
    QString Order;
    bool operator==(const TPages&) const = default;
};

TPages Pages()
{
    TPages p;
    for (int i = 0; i < Document->GetPageCount(); ++i) p.Names << Document->GetPageName(i);
    p.Order = Document->PageOrder();
    return p;
}

QString Describe(const TPages& P)
{
    return P.Names.join(QLatin1Char(',')) + QStringLiteral("\norder:\n") + P.Order;
}

// The part of the page window a designer window shows, as the screen gets it.
void PaintPage()
{
    QWidget* widget = PageWindow->Widget();
    const int w = std::clamp(widget->width(), 1, ViewSize), h = std::clamp(widget->height(), 1, ViewSize);
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget->render(&image, QPoint(), QRegion(0, 0, w, h));
}

// Every page opened in turn; a page that does not read keeps the one
// before it open.
void OpenEveryPage(bool Paint)
{
    for (int i = 0; i < Document->GetPageCount(); ++i) {
        const int before = Document->CurrentPage();
        try {
            Document->SetCurrentPage(i);
        } catch (const Exception&) {
            if (Document->CurrentPage() != before || !PageWindow)
                Fail("a page that did not open moved the designer off the open page");
            continue;
        }
        if (!Paint || i >= PaintedPages) continue;
        for (double zoom : {0.3, 1.0, 3.0}) {
            PageDesigner->SetZoom(zoom);
            PaintPage();
        }
    }
}

// A designer with a document of its own open, which a failed open keeps.
void OpenBaseline()
{
    static const QByteArray baseline = [] {
        NewReport();
        PageWindow->CreateComponent(TQXBand::StaticClass(), TPoint{10, 10});
        PageWindow->CreateComponent(TQXLabel::StaticClass(), TPoint{20, 20});
        Document->AddPage();
        Document->SetCurrentPage(0);
        const QByteArray bytes = fuzz::DocumentBytes();
        WriteFile(TempPath("baseline.qxf"), bytes);
        return bytes;
    }();
    NewReport();
    OpenReport(TempPath("baseline.qxf"));
    if (fuzz::DocumentBytes() != baseline) Fail("the baseline document does not open as it was saved");
}

void Run(const QByteArray& Bytes)
{
    OpenBaseline();
    const QByteArray before = fuzz::DocumentBytes();
    const TPages pagesBefore = Pages();
    const QString beforeName = Document->FileName;
    const QString input = TempPath("input.qxf");
    WriteFile(input, Bytes);
    try {
        OpenReport(input);
    } catch (const Exception& e) {
        if (Pages() != pagesBefore || Document->FileName != beforeName || Document->CurrentPage() != 0 || !PageWindow)
            Fail("a failed open changed the open document", e.Message);
        if (PageDesigner->GetZoom() != 1.0 || fuzz::DocumentBytes() != before)
            Fail("a failed open changed the open document's zoom or bytes", e.Message);
        return;
    }
    const TPages opened = Pages();
    OpenEveryPage(false);
    if (Pages() != opened) Fail("opening the pages changed the page list", Describe(opened) + Describe(Pages()));
    const QByteArray first = fuzz::DocumentBytes();
    const QString saved = TempPath("saved.qxf");
    SaveReportToFile(saved);
    if (ReadFile(saved) != first) Fail("saving to a file and to a stream differ");

    // Zooming changes no stored value.
    OpenEveryPage(true);
    if (fuzz::DocumentBytes() != first) Fail("painting at other zooms changed the document");
    OpenBaseline();
    try {
        OpenReport(saved);
    } catch (const Exception& e) {
        Fail("a saved document does not open again", e.Message);
    }
    if (Pages() != opened) Fail("the saved document lost pages or order", Describe(opened) + Describe(Pages()));
    OpenEveryPage(false);
    if (fuzz::DocumentBytes() != first) Fail("the second save differs from the first");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    fuzz::StartDesigner("fuzz_designdoc");
    if (Size > MaxInput) return 0;
    // Past the open, nothing may raise: a document that opened saves.
    try {
        Run(QByteArray(reinterpret_cast<const char*>(Data), qsizetype(Size)));
    } catch (const Exception& e) {
        Fail("an opened document raised", e.Message);
    }
    return 0;
}
