// The preview window on the designer's document: refreshes that keep the
// page, the navigation buttons and status, zoom steps and presets, and
// printing through the print dialog.

#include "designer/elements/band.h"
#include "designer/mainwindow/mainglyphs.h"
#include "designer/preview/previewwindow.h"
#include "designer/tests/designfixture.h"

#include "runtime/preview.h"
#include "runtime/report.h"

#include "classlib/controls/menus.h"
#include "classlib/controls/modalresponder.h"
#include "classlib/controls/statusbar.h"
#include "classlib/controls/toolbar.h"
#include "classlib/core/streams.h"
#include "classlib/system/printers.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <cmath>
#include <memory>

namespace designer::tests {
namespace {

using namespace classlib;

class PreviewTest : public DesignerTest {
protected:
    void SetUp() override
    {
        DesignerTest::SetUp();
        Window = std::make_unique<TfrmPreview>(nullptr);
        Window->Show();
    }
    void TearDown() override
    {
        Window.reset();
        DesignerTest::TearDown();
    }

    // Count pages, each with a band so that it prints, in the order.
    void AddPrintedPages(int Count)
    {
        Insert<TQXBand>(10, 10);
        for (int i = 1; i < Count; ++i) AppendPrintedPage();
    }
    void AppendPrintedPage()
    {
        const int index = Document->AddPage();
        Document->SetPageOrder(Document->PageOrder() + QStringLiteral("\r\np  -1") + Document->GetPageName(index));
        Insert<TQXBand>(10, 10);
    }
    QString PageStatus() const { return Window->sbrBottom->Panels()->Items(1)->Text(); }
    QString ZoomStatus() const { return Window->sbrBottom->Panels()->Items(2)->Text(); }
    // "FPNL" for First, Previous, Next and Last enabled; "-" for disabled.
    QString Buttons() const
    {
        QString s;
        for (auto [button, letter] : {std::pair{Window->tbnFirst, 'F'}, std::pair{Window->tbnPrevious, 'P'},
                                      std::pair{Window->tbnNext, 'N'}, std::pair{Window->tbnLast, 'L'}})
            s += button->Enabled() ? QLatin1Char(letter) : QLatin1Char('-');
        return s;
    }
    // The checked percentages; the menu and the pop-up agree.
    QStringList CheckedPresets() const
    {
        QStringList list;
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(Window->mmiZoomPerCent[i]->Checked(), Window->pmiZoomPerCent[i]->Checked());
            if (Window->mmiZoomPerCent[i]->Checked()) list << Window->mmiZoomPerCent[i]->Caption();
        }
        return list;
    }

    std::unique_ptr<TfrmPreview> Window;
};

TEST_F(PreviewTest, ARefreshStaysOnThePageShownAndTheButtonsFollowIt)
{
    AddPrintedPages(5);
    Window->SetOutOfDate(true);
    EXPECT_EQ(Window->tbnRefresh->ImageIndex(), pgRefreshStale);
    Window->mmiRefresh->Click();
    EXPECT_FALSE(Window->OutOfDate());
    EXPECT_EQ(Window->tbnRefresh->ImageIndex(), pgRefresh);
    EXPECT_EQ(Window->QXReport->PageCount(), 5);
    EXPECT_EQ(PageStatus(), QStringLiteral("1 of 5"));
    EXPECT_EQ(Buttons(), QStringLiteral("--NL"));

    Window->tbnNext->Click();
    Window->mmiNext->Click();
    EXPECT_EQ(Buttons(), QStringLiteral("FPNL"));
    Window->RefreshPreview();
    EXPECT_EQ(PageStatus(), QStringLiteral("3 of 5"));
    EXPECT_EQ(Window->prvPreview->CurrentPage(), 2);

    Window->tbnLast->Click();
    EXPECT_EQ(PageStatus(), QStringLiteral("5 of 5"));
    EXPECT_EQ(Buttons(), QStringLiteral("FP--"));
    // Fewer pages after the rebuild: the control clamps to the last one.
    Document->DeletePage(4);
    Document->DeletePage(3);
    Document->DeletePage(2);
    Window->RefreshPreview();
    EXPECT_EQ(PageStatus(), QStringLiteral("2 of 2"));
    Window->mmiFirst->Click();
    EXPECT_EQ(PageStatus(), QStringLiteral("1 of 2"));

    // A page that does not read: the failure reaches the caller, the
    // control draws again and the pages stay marked out of date.
    Document->SetCurrentPage(0);
    TMemoryStream* damaged = Document->GetPageStream(1);
    damaged->SetSize(0);
    damaged->WriteBuffer("TPF0junk", 8);
    Window->SetOutOfDate(true);
    EXPECT_THROW(Window->RefreshPreview(), Exception);
    EXPECT_TRUE(Window->OutOfDate());
    EXPECT_EQ(Window->prvPreview->UpdateCount(), 0);
}

TEST_F(PreviewTest, AnEmptyReportShowsNoPageAndNoWayToTurn)
{
    // Nothing built yet: the report has no page.
    EXPECT_EQ(Window->QXReport->PageCount(), 0);
    EXPECT_EQ(PageStatus(), QStringLiteral("0 of 0"));
    EXPECT_EQ(Buttons(), QStringLiteral("----"));
    // The menu's commands stay, and do no harm.
    for (TMenuItem* item : {Window->mmiFirst, Window->mmiPrevious, Window->mmiNext, Window->mmiLast}) {
        EXPECT_TRUE(item->Enabled());
        item->Click();
    }
    EXPECT_EQ(PageStatus(), QStringLiteral("0 of 0"));
    // Closing only hides.
    Window->pmiHide->Click();
    EXPECT_FALSE(Window->Showing());
    Window->Show();
    Window->mmiClose->Click();
    EXPECT_FALSE(Window->Showing());
}

TEST_F(PreviewTest, ZoomStepsAndPresetsShowInTheStatusAndTheChecks)
{
    EXPECT_EQ(ZoomStatus(), QStringLiteral("100%"));
    EXPECT_EQ(CheckedPresets(), QStringList{QStringLiteral("100%")});
    Window->tbnZoomIn->Click();
    EXPECT_EQ(ZoomStatus(), QStringLiteral("150%"));
    EXPECT_EQ(CheckedPresets(), QStringList{QStringLiteral("150%")});
    Window->mmiZoomIn->Click();
    EXPECT_EQ(ZoomStatus(), QStringLiteral("225%"));
    EXPECT_EQ(CheckedPresets(), QStringList());
    // Fifteen steps in all reach about 437.9; it stays there.
    for (int i = 2; i < 20; ++i) Window->mmiZoomIn->Click();
    EXPECT_NEAR(Window->prvPreview->Zoom(), std::pow(1.5, 15), 1e-6);
    EXPECT_EQ(ZoomStatus(), QStringLiteral("43789%"));

    struct {
        TMenuItem* Item;
        const char* Status;
    } const steps[] = {
        {Window->pmiZoomPerCent[4], "50%"},  {Window->mmiZoomPerCent[0], "200%"},
        {Window->mmiZoomPerCent[2], "100%"}, {Window->mmiZoomOut, "67%"},
        {Window->mmiZoomOut, "44%"},         {Window->pmiZoomPerCent[3], "75%"},
    };
    for (const auto& step : steps) {
        step.Item->Click();
        EXPECT_EQ(ZoomStatus(), QString::fromLatin1(step.Status));
    }
    EXPECT_EQ(CheckedPresets(), QStringList{QStringLiteral("75%")});
}

// Pages of a PDF file as pdfinfo counts them; -1 when it cannot tell.
int PdfPages(const QString& Path)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {Path});
    if (!info.waitForFinished(10000) || info.exitCode() != 0) return -1;
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(QString::fromLatin1(info.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// Printed into a PDF file named in the print dialog: every page, or the
// pages chosen there; the report's own range stays as it was.
TEST_F(PreviewTest, PrintReportRebuildsAndPrintsTheChosenPagesIntoAPDFFile)
{
    const QString output = TempFile(QStringLiteral("preview.pdf"));
    std::unique_ptr<TPrinter> old(SetPrinter(new TPrinter));
    AddPrintedPages(2);
    Window->Hide();
    TModalScript script;
    script.Answer(mrCancel);
    Window->PrintReport();
    EXPECT_FALSE(QFile::exists(output));

    AppendPrintedPage();
    script.ConfirmPrint(0, 0, output);
    Window->PrintReport();
    EXPECT_FALSE(Window->Showing());
    const TModalRequest& asked = script.Requests().back();
    EXPECT_TRUE(asked.PageNums);
    EXPECT_EQ(QList<int>({asked.MinPage, asked.FromPage, asked.ToPage, asked.MaxPage}), QList<int>({1, 1, 3, 3}));
    EXPECT_EQ(Printer()->OutputFileName(), output);
    EXPECT_EQ(PdfPages(output), 3);

    script.ConfirmPrint(2, 3);
    Window->PrintReport();
    EXPECT_EQ(PdfPages(output), 2);
    EXPECT_EQ(QList<int>({Window->QXReport->PrintFrom(), Window->QXReport->PrintTo()}), QList<int>({0, 0}));

    // The command prints the pages shown, not the document as it is now.
    AppendPrintedPage();
    script.ConfirmPrint();
    Window->tbnPrint->Click();
    EXPECT_EQ(script.Requests().back().MaxPage, 3);
    EXPECT_EQ(PdfPages(output), 3);
    EXPECT_EQ(script.Unexpected(), 0);
    delete SetPrinter(old.release());
}

} // namespace
} // namespace designer::tests
