// The preview window on the designer's document: refreshes that keep the
// page, the navigation buttons and status, zoom steps and presets, the
// toggles and printing through the print dialog.

#include "designer/band.h"
#include "designer/mainglyphs.h"
#include "designer/previewwindow.h"
#include "designer/tests/designfixture.h"

#include "runtime/preview.h"
#include "runtime/report.h"

#include "classlib/controls/menus.h"
#include "classlib/controls/modalresponder.h"
#include "classlib/controls/statusbar.h"
#include "classlib/controls/toolbar.h"
#include "classlib/system/printers.h"

#include <QCoreApplication>
#include <QFile>
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
    // Which of First, Previous, Next and Last are enabled, as "FPNL" with
    // a dash for each disabled one.
    QString Buttons() const
    {
        QString s;
        for (auto [button, letter] : {std::pair{Window->tbnFirst, 'F'}, std::pair{Window->tbnPrevious, 'P'},
                                      std::pair{Window->tbnNext, 'N'}, std::pair{Window->tbnLast, 'L'}})
            s += button->Enabled() ? QLatin1Char(letter) : QLatin1Char('-');
        return s;
    }
    // The percentages whose items are checked in the "&Zoom" menu and in
    // the pop-up, which must agree.
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
    EXPECT_EQ(PageStatus(), QStringLiteral("3 of 5"));
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
    Window->mmiLast->Click();
    Window->tbnPrevious->Click();
    EXPECT_EQ(PageStatus(), QStringLiteral("1 of 2"));
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
    // Zooming out goes as far as the control lets it.
    for (int i = 0; i < 30; ++i) Window->tbnZoomOut->Click();
    EXPECT_GT(Window->prvPreview->Zoom(), 0.0);
    EXPECT_EQ(ZoomStatus(), QStringLiteral("%1%").arg(std::nearbyint(Window->prvPreview->Zoom() * 100)));
}

TEST_F(PreviewTest, TogglesFlipTheBarsAndClosingOnlyHides)
{
    EXPECT_TRUE(Window->mmiToolbar->Checked());
    Window->mmiToolbar->Click();
    EXPECT_FALSE(Window->tbrPreview->Visible());
    EXPECT_FALSE(Window->pmiToolbar->Checked());
    Window->pmiStatusBar->Click();
    EXPECT_FALSE(Window->sbrBottom->Visible());
    EXPECT_FALSE(Window->mmiStatusBar->Checked());
    Window->pmiToolbar->Click();
    Window->mmiStatusBar->Click();
    EXPECT_TRUE(Window->tbrPreview->Visible());
    EXPECT_TRUE(Window->sbrBottom->Visible());

    EXPECT_FALSE(Window->GetStayOnTop());
    Window->SetStayOnTop(true);
    EXPECT_TRUE(Window->pmiStayOnTop->Checked());
    // Monochrome is a remembered check only: the pages draw as before.
    EXPECT_FALSE(Window->mmiMonochrome->Enabled());
    Window->SetMonochrome(true);
    EXPECT_TRUE(Window->mmiMonochrome->Checked());
    EXPECT_FALSE(Window->QXReport->Monochrome());

    Window->pmiHide->Click();
    EXPECT_FALSE(Window->Showing());
    Window->Show();
    Window->mmiClose->Click();
    EXPECT_FALSE(Window->Showing());
    Window->Show();
    EXPECT_TRUE(Window->Showing());
}

// The printer writes into a PDF file for the test's lifetime.
class PrintTest : public PreviewTest {
protected:
    void SetUp() override
    {
        PreviewTest::SetUp();
        Output = TempFile(QStringLiteral("preview.pdf"));
        QFile::remove(Output);
        FOld = SetPrinter(new TPrinter);
        Printer()->SetOutputFileName(Output);
    }
    void TearDown() override
    {
        delete SetPrinter(FOld);
        PreviewTest::TearDown();
    }
    int PrintedPages() const
    {
        QFile file(Output);
        if (!file.open(QIODevice::ReadOnly)) return -1;
        return int(QString::fromLatin1(file.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
    }

    QString Output;

private:
    TPrinter* FOld = nullptr;
};

TEST_F(PrintTest, PrintReportRebuildsAndPrintsEveryPageWhateverRangeIsChosen)
{
    AddPrintedPages(3);
    Window->Hide();
    TModalScript script;
    script.ConfirmPrint(2, 2);
    Window->PrintReport();
    EXPECT_FALSE(Window->Showing());
    ASSERT_EQ(script.Requests().size(), 1u);
    const TModalRequest& asked = script.Requests().front();
    EXPECT_EQ(asked.Kind, TModalKind::Print);
    EXPECT_TRUE(asked.PageNums);
    EXPECT_EQ(asked.FromPage, 1);
    EXPECT_EQ(asked.MinPage, 1);
    EXPECT_EQ(asked.ToPage, 3);
    EXPECT_EQ(asked.MaxPage, 3);
    EXPECT_EQ(PrintedPages(), 3);
    EXPECT_EQ(Window->QXReport->PrintFrom(), 0);
}

TEST_F(PrintTest, ACancelledDialogPrintsNothingAndTheCommandPrintsWhatIsShown)
{
    AddPrintedPages(2);
    TModalScript script;
    script.Answer(mrCancel);
    Window->PrintReport();
    EXPECT_FALSE(QFile::exists(Output));

    // The command prints the pages shown, not the document as it is now.
    Window->RefreshPreview();
    AppendPrintedPage();
    script.ConfirmPrint();
    Window->tbnPrint->Click();
    EXPECT_EQ(script.Requests().back().MaxPage, 2);
    EXPECT_EQ(PrintedPages(), 2);
    EXPECT_EQ(script.Unexpected(), 0);
}

} // namespace
} // namespace designer::tests
