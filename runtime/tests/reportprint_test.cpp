// Printing prepared pages: record-by-record playback with the monochrome
// text rule, the print range, and whole print jobs into PDF files checked
// with poppler's tools.

#include "runtime/label.h"
#include "runtime/report.h"
#include "runtime/tests/elementtree.h"
#include "runtime/tests/pageloop.h"
#include "runtime/tests/reportdoc.h"

#include "classlib/graphics/canvas.h"
#include "classlib/graphics/color.h"
#include "classlib/graphics/font.h"
#include "classlib/graphics/metafile.h"
#include "classlib/system/printers.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace classlib;
using namespace runtime;
using namespace runtime::tests;

namespace {

// Pages P1..Pn, each with one label "Text of Pn" in red.
QByteArray RedPages(int Count)
{
    std::vector<std::unique_ptr<TStoredPaper>> papers;
    std::vector<TStoredPaper*> raw;
    QString order;
    for (int i = 1; i <= Count; ++i) {
        auto paper = std::make_unique<TStoredPaper>(QStringLiteral("P%1").arg(i));
        auto* label = AddElement<TQXLabel>(paper.get(), paper.get(), QStringLiteral("L1"), {0, 0, 12000, 1500}, alTop);
        label->SetCaption(QStringLiteral("Text of P%1").arg(i));
        label->QXFont()->SetColor(clRed);
        label->QXFont()->SetHeight(-32);  // pixels at 96 dpi, as a designer stores it
        order += OrderLine("p", -1, paper->Name());
        raw.push_back(paper.get());
        papers.push_back(std::move(paper));
    }
    return MakeDocument(raw, order);
}

// Logs the text colour in force at each text call.
class TColourLogDC : public TPaintLogDC {
public:
    explicit TColourLogDC(int NumColors) : FNumColors(NumColors) {}
    TDeviceCaps DeviceCaps() const override
    {
        TDeviceCaps caps = TPaintLogDC::DeviceCaps();
        caps.NumColors = FNumColors;
        return caps;
    }
    void ExtTextOut(int X, int Y, unsigned Options, const TRect* Rect, const QString& Text,
                    const std::vector<int>* Dx) override
    {
        TextColors.push_back(State().TextColor);
        TPaintLogDC::ExtTextOut(X, Y, Options, Rect, Text, Dx);
    }
    std::vector<TColorRef> TextColors;

private:
    int FNumColors;
};

TEST(ReportPrint, DevicesWithOneOrTwoColoursPrintTextBlack)
{
    TQXReport report(nullptr);
    LoadDocument(report, RedPages(1));
    report.Prepare();
    ASSERT_EQ(report.PageCount(), 1);
    for (auto [colours, expected] : {std::pair{2, ColorToRGB(clBlack)}, {1, ColorToRGB(clBlack)},
                                     {-1, ColorToRGB(clRed)}, {16, ColorToRGB(clRed)}}) {
        SCOPED_TRACE(colours);
        TColourLogDC dc(colours);
        TCanvas canvas(&dc);
        report.DrawPage(canvas, TRect{0, 0, 14800, 21000}, report.GetPage(0));
        ASSERT_EQ(dc.Texts(), QStringList({"Text of P1"}));
        ASSERT_EQ(dc.TextColors.size(), 1u);
        EXPECT_EQ(dc.TextColors[0], expected);
    }
}

// Prints into a PDF file through a printer of its own.
class TPdfPrint {
public:
    TPdfPrint() : FPath(FDir.filePath(QStringLiteral("out.pdf")))
    {
        auto* printer = new TPrinter;
        printer->SetOutputFileName(FPath);
        FOld = SetPrinter(printer);
    }
    ~TPdfPrint() { delete SetPrinter(FOld); }
    TPdfPrint(const TPdfPrint&) = delete;
    TPdfPrint& operator=(const TPdfPrint&) = delete;

    const QString& Path() const { return FPath; }
    bool Exists() const { return QFile::exists(FPath); }
    QString Tool(const QString& Name, const QStringList& Args) const
    {
        QProcess p;
        p.start(Name, Args);
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput());
    }
    int Pages() const
    {
        for (const QString& line : Tool(QStringLiteral("pdfinfo"), {FPath}).split(u'\n'))
            if (line.startsWith(QLatin1String("Pages:"))) return line.mid(6).trimmed().toInt();
        return -1;
    }
    QString Title() const
    {
        for (const QString& line : Tool(QStringLiteral("pdfinfo"), {FPath}).split(u'\n'))
            if (line.startsWith(QLatin1String("Title:"))) return line.mid(6).trimmed();
        return {};
    }
    // The text of each page.
    QStringList Texts() const
    {
        QStringList pages = Tool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), FPath, QStringLiteral("-")})
                                .split(u'\f');
        if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
        for (QString& p : pages) p = p.simplified();
        return pages;
    }
    QImage FirstPage() const
    {
        const QString png = FDir.filePath(QStringLiteral("page"));
        Tool(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-png"),
                                          QStringLiteral("-singlefile"), FPath, png});
        return QImage(png + QStringLiteral(".png"));
    }

private:
    QTemporaryDir FDir;
    QString FPath;
    TPrinter* FOld = nullptr;
};

bool HavePoppler()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
}

TEST(ReportPrint, OnePdfPagePerPageInRange)
{
    if (!HavePoppler()) GTEST_SKIP() << "poppler-utils missing";
    TQXReport report(nullptr);
    report.SetTitle(QStringLiteral("Quarterly sales"));
    LoadDocument(report, RedPages(5));
    report.Prepare();
    ASSERT_EQ(report.PageCount(), 5);

    struct TCase {
        const char* Name;
        int From, To;
        QStringList Texts;
    };
    const std::vector<TCase> cases = {
        {"all pages", 0, 0, {"Text of P1", "Text of P2", "Text of P3", "Text of P4", "Text of P5"}},
        {"pages 2 to 3", 2, 3, {"Text of P2", "Text of P3"}},
        {"the last page", 5, 5, {"Text of P5"}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TPdfPrint pdf;
        report.SetPrintRange(c.From, c.To);
        report.Print();
        ASSERT_TRUE(pdf.Exists());
        EXPECT_EQ(pdf.Pages(), c.Texts.size());
        EXPECT_EQ(pdf.Texts().join(u'|').toStdString(), c.Texts.join(u'|').toStdString());
        EXPECT_EQ(pdf.Title(), "Quarterly sales");
        EXPECT_FALSE(Printer()->Printing());
    }

    // Nothing to print starts no job.
    TPdfPrint none;
    report.SetPrintRange(6, 9);
    report.Print();
    EXPECT_FALSE(none.Exists());
    TQXReport empty(nullptr);
    empty.Print();
    EXPECT_FALSE(none.Exists());
}

TEST(ReportPrint, MonochromePrinterTurnsColouredTextBlack)
{
    if (!HavePoppler()) GTEST_SKIP() << "poppler-utils missing";
    TQXReport report(nullptr);
    LoadDocument(report, RedPages(1));
    report.Prepare();
    for (bool mono : {false, true}) {
        SCOPED_TRACE(mono);
        TPdfPrint pdf;
        Printer()->SetMonochrome(mono);
        report.Print();
        const QImage page = pdf.FirstPage();
        ASSERT_FALSE(page.isNull());
        int darkest = 255;
        bool red = false;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x) {
                const QColor c = page.pixelColor(x, y);
                darkest = std::min(darkest, qGray(c.rgb()));
                red = red || (c.red() > 150 && c.green() < 100 && c.blue() < 100);
            }
        EXPECT_EQ(red, !mono);
        // Grey printing alone would leave the red a mid grey.
        if (mono) {
            EXPECT_LT(darkest, 60);
        }
    }
}

} // namespace

