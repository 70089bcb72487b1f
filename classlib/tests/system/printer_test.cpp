#include "classlib/system/printers.h"

#include "classlib/core/stringlist.h"
#include "classlib/graphics/canvas.h"
#include "classlib/system/cupsspool.h"
#include "classlib/tests/errorof.h"
#include "classlib/tests/savefaults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

using namespace classlib;
using namespace classlib::test;

namespace {

// Standard output of a poppler tool, none when it is missing or fails.
std::optional<QString> RunTool(const QString& Tool, const QStringList& Args)
{
    if (QStandardPaths::findExecutable(Tool).isEmpty())
        return std::nullopt;
    QProcess p;
    p.start(Tool, Args);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(p.readAllStandardOutput());
}

bool HavePoppler()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

// One field of pdfinfo's report ("Pages", "Title", "Page size").
QString PdfInfo(const QString& File, const QString& Field)
{
    const std::optional<QString> out = RunTool(QStringLiteral("pdfinfo"), {File});
    if (!out)
        return QStringLiteral("<pdfinfo failed>");
    const QRegularExpression re(QStringLiteral("^%1:\\s*(.*)$").arg(QRegularExpression::escape(Field)),
                                QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = re.match(*out);
    return m.hasMatch() ? m.captured(1).trimmed() : QString();
}

QString PdfPageText(const QString& File, int Page)
{
    const QString n = QString::number(Page);
    return RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-f"), n, QStringLiteral("-l"), n, File,
                                                 QStringLiteral("-")})
        .value_or(QStringLiteral("<pdftotext failed>"));
}

void ExpectPrinterError(const std::function<void()>& Call, const QString& Message)
{
    try {
        Call();
        ADD_FAILURE() << "no EPrinter, expected: " << Message.toStdString();
    } catch (const EPrinter& e) {
        EXPECT_EQ(e.Message, Message);
    }
}

class PrinterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Dir.isValid());
        Printer.SetOutputFileName(Path(QStringLiteral("out.pdf")));
    }

    QString Path(const QString& Name) const { return Dir.filePath(Name); }
    QStringList DirEntries() const { return QDir(Dir.path()).entryList(QDir::Files); }

    // One page of text per string; the pen lands a third down the page.
    void PrintPages(const QStringList& Texts)
    {
        Printer.BeginDoc();
        for (int i = 0; i < Texts.size(); ++i) {
            if (i > 0)
                Printer.NewPage();
            EXPECT_EQ(Printer.PageNumber(), i + 1);
            TCanvas* c = Printer.Canvas();
            c->Font()->SetName(QStringLiteral("Liberation Sans"));
            c->Font()->SetSize(24);
            c->TextOut(Printer.PageWidth() / 10, Printer.PageHeight() / 3, Texts[i]);
        }
        Printer.EndDoc();
    }

    QTemporaryDir Dir;
    TPrinter Printer;
};

TEST_F(PrinterTest, PrintsOnePdfPagePerPageInOrderWithTheTitle)
{
    if (!HavePoppler())
        GTEST_SKIP() << "pdfinfo/pdftotext (poppler-utils) missing";
    Printer.SetTitle(QStringLiteral("Quarterly Sales"));
    PrintPages({QStringLiteral("Alpha first"), QStringLiteral("Bravo second"), QStringLiteral("Charlie third")});

    EXPECT_FALSE(Printer.Printing());
    EXPECT_FALSE(Printer.Aborted());
    EXPECT_EQ(Printer.PageNumber(), 0);
    const QString pdf = Path(QStringLiteral("out.pdf"));
    EXPECT_EQ(PdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("3"));
    EXPECT_EQ(PdfInfo(pdf, QStringLiteral("Title")), QStringLiteral("Quarterly Sales"));
    const QStringList texts{QStringLiteral("Alpha first"), QStringLiteral("Bravo second"),
                            QStringLiteral("Charlie third")};
    for (int page = 1; page <= 3; ++page) {
        const QString text = PdfPageText(pdf, page);
        for (int i = 0; i < texts.size(); ++i)
            EXPECT_EQ(text.contains(texts[i]), i == page - 1) << "page " << page << ": " << text.toStdString();
    }
    // Only the finished file: the spool file was renamed onto it.
    EXPECT_EQ(DirEntries(), QStringList{QStringLiteral("out.pdf")});
}

TEST_F(PrinterTest, LandscapeSwapsThePageAndItsPixelSize)
{
    if (!HavePoppler())
        GTEST_SKIP() << "pdfinfo (poppler-utils) missing";
    const int w = Printer.PageWidth(), h = Printer.PageHeight();
    ASSERT_GT(h, w);
    Printer.SetOrientation(poLandscape);
    // The same printable area turned: the margins may differ by a pixel.
    EXPECT_NEAR(Printer.PageWidth(), h, 1);
    EXPECT_NEAR(Printer.PageHeight(), w, 1);
    PrintPages({QStringLiteral("wide")});
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("^([\\d.]+) x ([\\d.]+) pts"))
                                          .match(PdfInfo(Path(QStringLiteral("out.pdf")), QStringLiteral("Page size")));
    ASSERT_TRUE(m.hasMatch());
    EXPECT_GT(m.captured(1).toDouble(), m.captured(2).toDouble());
}

TEST_F(PrinterTest, CanvasDeviceMatchesThePageSizeWhilePrinting)
{
    const int w = Printer.PageWidth(), h = Printer.PageHeight();
    Printer.BeginDoc();
    const TDeviceContext& dc = Printer.Canvas()->DC();
    EXPECT_EQ(dc.GetDeviceCaps(HORZRES), Printer.PageWidth());
    EXPECT_EQ(dc.GetDeviceCaps(VERTRES), Printer.PageHeight());
    EXPECT_EQ(dc.GetDeviceCaps(TECHNOLOGY), DT_RASPRINTER);
    EXPECT_NEAR(Printer.PageWidth(), w, 1);
    EXPECT_NEAR(Printer.PageHeight(), h, 1);
    // Points on paper: 72 points are one inch of device pixels.
    Printer.Canvas()->Font()->SetSize(72);
    EXPECT_EQ(-Printer.Canvas()->Font()->Height(), dc.GetDeviceCaps(LOGPIXELSY));
    Printer.EndDoc();
}

TEST_F(PrinterTest, AbortLeavesNoOutputAndThePrinterPrintsAgain)
{
    Printer.BeginDoc();
    Printer.Canvas()->TextOut(100, 100, QStringLiteral("half a job"));
    Printer.NewPage();
    Printer.Abort();

    EXPECT_TRUE(Printer.Aborted());
    EXPECT_FALSE(Printer.Printing());
    EXPECT_EQ(Printer.PageNumber(), 0);
    EXPECT_TRUE(DirEntries().isEmpty()) << DirEntries().join(u' ').toStdString();

    PrintPages({QStringLiteral("again")});
    EXPECT_FALSE(Printer.Aborted());
    EXPECT_EQ(DirEntries(), QStringList{QStringLiteral("out.pdf")});
    if (HavePoppler()) {
        EXPECT_EQ(PdfInfo(Path(QStringLiteral("out.pdf")), QStringLiteral("Pages")), QStringLiteral("1"));
    }
}

TEST_F(PrinterTest, AbortKeepsAnOlderOutputFileAndEndDocReplacesIt)
{
    const QString pdf = Path(QStringLiteral("out.pdf"));
    {
        QFile old(pdf);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("older report");
    }
    Printer.BeginDoc();
    Printer.Abort();
    {
        QFile old(pdf);
        ASSERT_TRUE(old.open(QIODevice::ReadOnly));
        EXPECT_EQ(old.readAll(), QByteArray("older report"));
    }
    PrintPages({QStringLiteral("newer")});
    QFile now(pdf);
    ASSERT_TRUE(now.open(QIODevice::ReadOnly));
    EXPECT_TRUE(now.read(5) == "%PDF-");
    EXPECT_EQ(DirEntries(), QStringList{QStringLiteral("out.pdf")});
}

// Calls refused in the wrong state, each with the message it raises.
TEST_F(PrinterTest, RefusesCallsInTheWrongState)
{
    const QString notPrinting = QStringLiteral("Printer is not currently printing");
    const QString inProgress = QStringLiteral("Printing in progress");
    struct Case {
        const char* Name;
        bool WhilePrinting;
        std::function<void(TPrinter&)> Call;
        QString Message;
    };
    const std::vector<Case> cases{
        {"Canvas", false, [](TPrinter& P) { P.Canvas(); }, notPrinting},
        {"EndDoc", false, [](TPrinter& P) { P.EndDoc(); }, notPrinting},
        {"NewPage", false, [](TPrinter& P) { P.NewPage(); }, notPrinting},
        {"Abort", false, [](TPrinter& P) { P.Abort(); }, notPrinting},
        {"BeginDoc", true, [](TPrinter& P) { P.BeginDoc(); }, inProgress},
        {"SetPrinterIndex", true, [](TPrinter& P) { P.SetPrinterIndex(-1); }, inProgress},
        {"SetOutputFileName", true, [](TPrinter& P) { P.SetOutputFileName(QStringLiteral("x.pdf")); }, inProgress},
        {"SetOrientation", true, [](TPrinter& P) { P.SetOrientation(poLandscape); }, inProgress},
        {"SetMonochrome", true, [](TPrinter& P) { P.SetMonochrome(true); }, inProgress},
        {"SetCopies", true, [](TPrinter& P) { P.SetCopies(2); }, inProgress},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        if (c.WhilePrinting)
            Printer.BeginDoc();
        ExpectPrinterError([&] { c.Call(Printer); }, c.Message);
        EXPECT_EQ(Printer.Printing(), c.WhilePrinting);
        if (c.WhilePrinting) {
            EXPECT_EQ(Printer.PageNumber(), 1);
            Printer.EndDoc();
        }
    }
    ExpectPrinterError([&] { Printer.SetCopies(0); }, QStringLiteral("Invalid number of copies: 0"));
    ExpectPrinterError([&] { Printer.SetPrinterIndex(Printer.Printers().Count()); },
                       QStringLiteral("Printer index out of range"));
    ExpectPrinterError([&] { Printer.SetPrinterIndex(-2); }, QStringLiteral("Printer index out of range"));
}

TEST_F(PrinterTest, NumColorsFollowsTheColourMode)
{
    struct Case {
        const char* Name;
        bool Monochrome;
        int NumColors;
    };
    for (const Case& c : {Case{"Monochrome", true, 2}, Case{"Colour", false, -1}}) {
        SCOPED_TRACE(c.Name);
        Printer.SetMonochrome(c.Monochrome);
        EXPECT_EQ(Printer.Monochrome(), c.Monochrome);
        EXPECT_EQ(Printer.DeviceCaps().NumColors, c.NumColors);
        Printer.BeginDoc();
        EXPECT_EQ(Printer.Canvas()->DC().GetDeviceCaps(NUMCOLORS), c.NumColors);
        Printer.EndDoc();
    }
}

TEST_F(PrinterTest, AnOutputThatCannotBeCreatedRaisesAndLeavesNoJob)
{
    const QString bad = Path(QStringLiteral("missing/out.pdf"));
    Printer.SetOutputFileName(bad);
    try {
        Printer.BeginDoc();
        ADD_FAILURE() << "BeginDoc succeeded";
    } catch (const EPrinter& e) {
        EXPECT_TRUE(e.Message.startsWith(QStringLiteral("Cannot create the output file \"%1\": ").arg(bad)))
            << e.Message.toStdString();
    }
    EXPECT_FALSE(Printer.Printing());
    EXPECT_EQ(Printer.PageNumber(), 0);
    ExpectPrinterError([&] { Printer.Canvas(); }, QStringLiteral("Printer is not currently printing"));
    EXPECT_TRUE(DirEntries().isEmpty());

    Printer.SetOutputFileName(Path(QStringLiteral("out.pdf")));
    PrintPages({QStringLiteral("recovered")});
    EXPECT_TRUE(QFile::exists(Path(QStringLiteral("out.pdf"))));
}

TEST_F(PrinterTest, AFailedEndDocClosesTheJobAndRemovesTheSpoolFile)
{
    // A directory in the way: the finished document cannot take its name.
    const QString blocked = Path(QStringLiteral("blocked"));
    ASSERT_TRUE(QDir().mkpath(blocked + QStringLiteral("/inside")));
    Printer.SetOutputFileName(blocked);
    Printer.BeginDoc();
    Printer.Canvas()->TextOut(10, 10, QStringLiteral("lost"));
    EXPECT_EQ(ErrorOf<EFCreateError>([&] { Printer.EndDoc(); }), QStringLiteral("Cannot create file ") + blocked);
    EXPECT_FALSE(Printer.Printing());
    EXPECT_EQ(DirEntries(), QStringList{});
    EXPECT_TRUE(QFileInfo(blocked).isDir());
}

TEST_F(PrinterTest, AFailedSaveOfTheOutputKeepsTheOldFile)
{
    const QString out = Path(QStringLiteral("out.pdf"));
    // Any document is longer than this.
    for (const TSaveFaultCase& c : SaveFaultCases(1000)) {
        SCOPED_TRACE(c.Name);
        PrintPages({QStringLiteral("old")});
        QFile f(out);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray old = f.readAll();
        f.close();
        Printer.BeginDoc();
        Printer.Canvas()->TextOut(10, 10, QStringLiteral("new"));
        {
            TSaveFaultScope fault(c.Fault);
            const QString error = c.Reason.isEmpty() ? ErrorOf<EFCreateError>([&] { Printer.EndDoc(); })
                                                     : ErrorOf<EWriteError>([&] { Printer.EndDoc(); });
            EXPECT_EQ(error, SaveErrorOf(c, out));
        }
        EXPECT_FALSE(Printer.Printing());
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), old);
        f.close();
        EXPECT_EQ(FolderEntries(Dir.path()), QStringList{QStringLiteral("out.pdf")});
    }
}

TEST_F(PrinterTest, DestroyingThePrinterMidJobLeavesNoFiles)
{
    {
        TPrinter p;
        p.SetOutputFileName(Path(QStringLiteral("gone.pdf")));
        p.BeginDoc();
        p.Canvas()->TextOut(10, 10, QStringLiteral("never finished"));
    }
    EXPECT_TRUE(DirEntries().isEmpty()) << DirEntries().join(u' ').toStdString();
}

TEST(CupsSpool, AQueueThatDoesNotExistRefusesTheJob)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("job.pdf"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("%PDF-1.4\n%%EOF\n");
    f.close();
    try {
        SubmitToCups(QStringLiteral("qx-no-such-queue/instance"), file, QStringLiteral("t"), 2, QStringLiteral("A4"));
        ADD_FAILURE() << "a job went to a queue that does not exist";
    } catch (const EPrinter& e) {
        EXPECT_TRUE(e.Message.startsWith(QStringLiteral("The printer \"qx-no-such-queue/instance\" refused the job: ")) ||
                    e.Message == QStringLiteral("The printing system (CUPS) is not available"))
            << e.Message.toStdString();
    }
}

TEST(Printer, WithoutPrinterOrFileThereIsNothingToPrintOn)
{
    TPrinter p;
    if (p.Printers().Count() > 0)
        GTEST_SKIP() << "a printer is installed";
    EXPECT_EQ(p.PrinterIndex(), -1);
    ExpectPrinterError([&] { p.BeginDoc(); }, QStringLiteral("There is no default printer currently selected"));
    EXPECT_FALSE(p.Printing());
    ExpectPrinterError([&] { p.SetPrinterIndex(0); }, QStringLiteral("Printer index out of range"));
}

TEST(Printer, SetPrinterInstallsAndHandsBackTheOldOne)
{
    TPrinter* first = Printer();
    EXPECT_EQ(Printer(), first);
    auto* mine = new TPrinter;
    TPrinter* old = SetPrinter(mine);
    EXPECT_EQ(old, first);
    EXPECT_EQ(Printer(), mine);
    // Back to the original; the module owns it again and mine is ours.
    EXPECT_EQ(SetPrinter(old), mine);
    delete mine;
    EXPECT_EQ(Printer(), first);
}

} // namespace
