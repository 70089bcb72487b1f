// The print dialog answered by a script: what it asks, where the pages go
// and the range it gives back whatever the answer held; and the dialog a
// person sees, driven with mouse and keys.

#include "classlib/controls/dialogs.h"
#include "classlib/controls/printsetupdialog.h"
#include "classlib/core/stringlist.h"
#include "classlib/system/printers.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <gtest/gtest.h>

namespace classlib {
namespace {

struct TPrintCase {
    const char* Name;
    bool PageNums;
    int AnswerFrom, AnswerTo;  // 0, 0: all pages; -1: cancelled
    bool Confirmed;
    TPrintRange Range;
    int From, To;
};

TEST(PrintDialog, GivesBackTheChosenRangeWithinItsLimits)
{
    static const TPrintCase cases[] = {
        {"cancel keeps everything", true, -1, -1, false, prAllPages, 2, 3},
        {"all pages", true, 0, 0, true, prAllPages, 2, 3},
        {"a range", true, 3, 4, true, prPageNums, 3, 4},
        {"a range past the limits is clamped", true, 0, 9, true, prPageNums, 1, 5},
        {"a range backwards ends at its start", true, 4, 2, true, prPageNums, 4, 4},
        {"no range without page numbers", false, 3, 4, true, prAllPages, 2, 3},
    };
    for (const TPrintCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TPrintDialog dialog(nullptr);
        dialog.SetMinPage(1);
        dialog.SetMaxPage(5);
        dialog.SetFromPage(2);
        dialog.SetToPage(3);
        if (c.PageNums) dialog.SetOptions({poPageNums});
        TModalScript script;
        if (c.AnswerFrom < 0)
            script.Answer(mrCancel);
        else
            script.ConfirmPrint(c.AnswerFrom, c.AnswerTo);
        EXPECT_EQ(dialog.Execute(), c.Confirmed);
        EXPECT_EQ(dialog.PrintRange(), c.Range);
        EXPECT_EQ(dialog.FromPage(), c.From);
        EXPECT_EQ(dialog.ToPage(), c.To);
        ASSERT_EQ(script.Requests().size(), 1u);
        const TModalRequest& asked = script.Requests().front();
        EXPECT_EQ(asked.Kind, TModalKind::Print);
        EXPECT_EQ(asked.PageNums, c.PageNums);
        EXPECT_EQ(asked.MinPage, 1);
        EXPECT_EQ(asked.MaxPage, 5);
        EXPECT_EQ(asked.FromPage, 2);
        EXPECT_EQ(asked.ToPage, 3);
        EXPECT_EQ(script.Unexpected(), 0);
    }
}

// A printer of the test's own, so that a chosen file stays with the test.
class PrintDestination : public ::testing::Test {
protected:
    void SetUp() override { FOld = SetPrinter(new TPrinter); }
    void TearDown() override { delete SetPrinter(FOld); }
    static bool PrinterInstalled() { return Printer()->Printers().Count() > 0; }

    QTemporaryDir Dir;

private:
    TPrinter* FOld = nullptr;
};

TEST_F(PrintDestination, AFileNamedInTheDialogTakesThePagesAsPDF)
{
    const struct {
        const char* Name;
        QString Answer;
        bool Confirmed;
        QString Output;
    } cases[] = {
        {"a PDF file", Dir.filePath(QStringLiteral("report.pdf")), true, Dir.filePath(QStringLiteral("report.pdf"))},
        {"a name without extension gets .pdf", Dir.filePath(QStringLiteral("report")), true,
         Dir.filePath(QStringLiteral("report.pdf"))},
        {"blanks around are not part of it", QStringLiteral("  ") + Dir.filePath(QStringLiteral("b.pdf")) + QStringLiteral(" "),
         true, Dir.filePath(QStringLiteral("b.pdf"))},
        {"a file is no file without a name", QStringLiteral(" "), false, Dir.filePath(QStringLiteral("b.pdf"))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TPrintDialog dialog(nullptr);
        dialog.SetOptions({poPageNums});
        dialog.SetMinPage(1);
        dialog.SetMaxPage(4);
        TModalScript script;
        script.Then([&](TModalRequest& Request) {
            Request.PrintToFile = true;
            Request.FileName = c.Answer;
            Request.PageRange = true;
            Request.FromPage = 2;
            Request.ToPage = 3;
            return mrOk;
        });
        EXPECT_EQ(dialog.Execute(), c.Confirmed);
        EXPECT_EQ(Printer()->OutputFileName(), c.Output);
        if (c.Confirmed) {
            EXPECT_EQ(QList<int>({dialog.FromPage(), dialog.ToPage()}), QList<int>({2, 3}));
        }
    }
    // The next time the dialog proposes the file the pages went into.
    TPrintDialog again(nullptr);
    TModalScript script;
    script.ConfirmPrint();
    EXPECT_TRUE(again.Execute());
    EXPECT_TRUE(script.Requests().front().PrintToFile);
    EXPECT_EQ(script.Requests().front().FileName, Dir.filePath(QStringLiteral("b.pdf")));
    EXPECT_EQ(Printer()->OutputFileName(), Dir.filePath(QStringLiteral("b.pdf")));
}

TEST_F(PrintDestination, WithoutAPrinterTheDialogSaysSoAndProposesAFile)
{
    if (PrinterInstalled()) GTEST_SKIP() << "a printer is installed here";
    TPrintDialog dialog(nullptr);
    TModalScript script;
    script.ConfirmPrint();
    EXPECT_TRUE(dialog.Execute());
    ASSERT_EQ(script.Requests().size(), 1u);
    const TModalRequest& asked = script.Requests().front();
    EXPECT_EQ(asked.Text, QStringLiteral("No printer is installed."));
    EXPECT_TRUE(asked.Printers.isEmpty());
    EXPECT_TRUE(asked.PrintToFile);
    EXPECT_TRUE(asked.FileName.endsWith(QStringLiteral("/print.pdf"))) << qPrintable(asked.FileName);
    EXPECT_EQ(Printer()->OutputFileName(), asked.FileName);
    EXPECT_EQ(script.Unexpected(), 0);
}

// The dialog a person sees, built from the request the print dialog makes.
TEST(PrintSetupDialog, OffersAFileBesideThePrintersAndNeedsItsName)
{
    TModalRequest request;
    request.Kind = TModalKind::Print;
    request.Text = QStringLiteral("No printer is installed.");
    request.FileName = QStringLiteral("/tmp/proposed.pdf");
    request.MinPage = 1;
    request.MaxPage = 5;
    request.FromPage = 1;
    request.ToPage = 5;
    request.PageNums = true;
    {
        TPrintSetupDialog dialog(request);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        EXPECT_TRUE(dialog.Note->isVisible());
        EXPECT_EQ(dialog.Note->text(), QStringLiteral("No printer is installed."));
        EXPECT_EQ(dialog.Destination->count(), 1);
        EXPECT_EQ(dialog.Destination->currentText(), QStringLiteral("Print to File (PDF)"));
        EXPECT_TRUE(dialog.FileName->isEnabled());
        EXPECT_TRUE(dialog.Ok->isEnabled());
        // Without a name there is nowhere to print.
        dialog.FileName->setFocus();
        dialog.FileName->selectAll();
        QTest::keyClick(dialog.FileName, Qt::Key_Delete);
        EXPECT_FALSE(dialog.Ok->isEnabled());
        QTest::keyClicks(dialog.FileName, QStringLiteral("/tmp/typed.pdf"));
        EXPECT_TRUE(dialog.Ok->isEnabled());
        // Browse... asks through the responder.
        TModalScript script;
        script.ChooseFile(QStringLiteral("/tmp/browsed.pdf"));
        QTest::mouseClick(dialog.Browse, Qt::LeftButton);
        EXPECT_EQ(dialog.FileName->text(), QStringLiteral("/tmp/browsed.pdf"));
        ASSERT_EQ(script.Requests().size(), 1u);
        EXPECT_EQ(script.Requests().front().Kind, TModalKind::SaveFile);
        QTest::mouseClick(dialog.Range, Qt::LeftButton, {}, QPoint(4, dialog.Range->height() / 2));
        dialog.To->setValue(3);
        QTest::mouseClick(dialog.Ok, Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        TModalRequest answer = request;
        dialog.Apply(answer);
        EXPECT_TRUE(answer.PrintToFile);
        EXPECT_EQ(answer.FileName, QStringLiteral("/tmp/browsed.pdf"));
        EXPECT_TRUE(answer.PageRange);
        EXPECT_EQ(QList<int>({answer.FromPage, answer.ToPage}), QList<int>({1, 3}));
    }
    // With printers: the chosen one shows, and the file waits until chosen.
    request.Text.clear();
    request.Printers = QStringList{QStringLiteral("Office"), QStringLiteral("Hall")};
    request.PrinterIndex = 1;
    TPrintSetupDialog dialog(request);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_FALSE(dialog.Note->isVisible());
    EXPECT_EQ(dialog.Destination->count(), 3);
    EXPECT_EQ(dialog.Destination->currentText(), QStringLiteral("Hall"));
    EXPECT_FALSE(dialog.FileName->isEnabled());
    dialog.FileName->clear();
    EXPECT_TRUE(dialog.Ok->isEnabled());
    dialog.Destination->setFocus();
    QTest::keyClick(dialog.Destination, Qt::Key_Down);
    EXPECT_EQ(dialog.Destination->currentIndex(), dialog.FileDestination());
    EXPECT_TRUE(dialog.FileName->isEnabled());
    EXPECT_FALSE(dialog.Ok->isEnabled());
    QTest::keyClick(dialog.Destination, Qt::Key_Up);
    TModalRequest answer = request;
    dialog.Apply(answer);
    EXPECT_FALSE(answer.PrintToFile);
    EXPECT_EQ(answer.PrinterIndex, 1);
    EXPECT_FALSE(answer.PageRange);
}

} // namespace
} // namespace classlib
