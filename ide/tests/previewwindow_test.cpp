// The preview window of the Preview verb: its copy of the report, page
// status, zoom steps and presets, and printing through the print dialog.

#include "ide/componenteditor.h"
#include "ide/previewwindow.h"
#include "ide/tests/idefixture.h"

#include "runtime/preview.h"
#include "runtime/report.h"
#include "runtime/tests/reportdoc.h"

#include "classlib/controls/menus.h"
#include "classlib/controls/modalresponder.h"
#include "classlib/controls/screen.h"
#include "classlib/controls/statusbar.h"
#include "classlib/controls/toolbar.h"
#include "classlib/system/printers.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace ide::tests {
namespace {

using namespace classlib;
using namespace runtime;

int PreviewCount()
{
    int count = 0;
    for (int i = 0; i < Screen()->FormCount(); ++i)
        if (dynamic_cast<TfrmPreview*>(Screen()->Forms(i))) ++count;
    return count;
}

class PreviewWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Load(*F.Report, SampleDocument());
        Window = std::make_unique<TfrmPreview>(nullptr);
        Window->SetReport(F.Report);
        Window->Show();
        Settle();
    }
    QString PageStatus() const { return Window->sbrBottom->Panels()->Items(1)->Text(); }
    QString ZoomStatus() const { return Window->sbrBottom->Panels()->Items(2)->Text(); }
    QStringList CheckedPresets() const
    {
        QStringList list;
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(Window->mmiZoomPerCent[i]->Checked(), Window->pmiZoomPerCent[i]->Checked());
            if (Window->mmiZoomPerCent[i]->Checked()) list << Window->mmiZoomPerCent[i]->Caption();
        }
        return list;
    }
    // A press on the button's face, left of a drop-down arrow.
    void Click(TToolButton* Button)
    {
        QTest::mouseClick(Button->Widget(), Qt::LeftButton, {}, QPoint(6, Button->Height() / 2));
        Settle();
    }

    TCoreStub Stub;  // settings of the test's own
    TIdeForm F;
    std::unique_ptr<TfrmPreview> Window;
};

TEST_F(PreviewWindowTest, ShowsTheCopyPageByPage)
{
    EXPECT_EQ(Window->Caption(), QStringLiteral("Preview"));
    EXPECT_NE(Window->Report, F.Report);
    EXPECT_EQ(Window->Report->PageCount(), 2);
    EXPECT_EQ(F.Report->PageCount(), 0);
    EXPECT_EQ(PageStatus(), QStringLiteral("1 of 2"));
    EXPECT_EQ(ZoomStatus(), QStringLiteral("100%"));
    EXPECT_EQ(CheckedPresets(), QStringList{"100%"});
    Click(Window->tbnNext);
    EXPECT_EQ(PageStatus(), QStringLiteral("2 of 2"));
    Click(Window->tbnNext);
    EXPECT_EQ(PageStatus(), QStringLiteral("2 of 2"));
    Window->mmiFirst->Click();
    EXPECT_EQ(PageStatus(), QStringLiteral("1 of 2"));
    Window->mmiLast->Click();
    EXPECT_EQ(PageStatus(), QStringLiteral("2 of 2"));
    Window->mmiPrevious->Click();
    EXPECT_EQ(PageStatus(), QStringLiteral("1 of 2"));
    // The status bar's first panel takes what the others leave.
    EXPECT_EQ(Window->sbrBottom->Panels()->Items(0)->Width(), Window->sbrBottom->Width() - 150);
    Window->mmiStatusBar->Click();
    EXPECT_FALSE(Window->sbrBottom->Visible());
    EXPECT_FALSE(Window->mmiStatusBar->Checked());
    Window->mmiToolBar->Click();
    EXPECT_FALSE(Window->mmiToolBar->Checked());
}

TEST_F(PreviewWindowTest, ZoomStepsAndPresets)
{
    Click(Window->tbnZoomIn);
    EXPECT_EQ(ZoomStatus(), QStringLiteral("150%"));
    EXPECT_EQ(CheckedPresets(), QStringList{"150%"});
    Click(Window->tbnZoomIn);
    EXPECT_EQ(ZoomStatus(), QStringLiteral("225%"));
    EXPECT_TRUE(CheckedPresets().isEmpty());
    Click(Window->tbnZoomOut);
    EXPECT_EQ(ZoomStatus(), QStringLiteral("150%"));
    Window->pmiZoomPerCent[4]->Click();
    EXPECT_EQ(ZoomStatus(), QStringLiteral("50%"));
    EXPECT_EQ(CheckedPresets(), QStringList{"50%"});
    Window->mmiZoomPerCent[0]->Click();
    EXPECT_EQ(ZoomStatus(), QStringLiteral("200%"));
    // Zooming in stops at the preview's largest factor.
    for (int i = 0; i < 30; ++i) Window->mmiZoomIn->Click();
    const double top = Window->prvPreview->Zoom();
    EXPECT_GE(top, 328.0);
    EXPECT_LT(top, 328.0 * 1.5);
    Window->mmiZoomIn->Click();
    EXPECT_EQ(Window->prvPreview->Zoom(), top);
}

TEST_F(PreviewWindowTest, PrintsEveryPageOfTheCopyWhateverTheRange)
{
    const QString output = Stub.TempPath(QStringLiteral("preview.pdf"));
    std::unique_ptr<TPrinter> old(SetPrinter(new TPrinter));
    Printer()->SetOutputFileName(output);
    TModalScript script;
    script.Answer(mrCancel);
    Click(Window->tbnPrint);
    EXPECT_FALSE(QFile::exists(output));
    script.ConfirmPrint(2, 2);
    Window->mmiPrint->Click();
    const TModalRequest& asked = script.Requests().back();
    EXPECT_TRUE(asked.PageNums);
    EXPECT_EQ(QList<int>({asked.MinPage, asked.FromPage, asked.ToPage, asked.MaxPage}), QList<int>({1, 1, 2, 2}));
    QFile file(output);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLatin1(file.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))), 2);
    EXPECT_EQ(script.Unexpected(), 0);
    delete SetPrinter(old.release());
}

TEST_F(PreviewWindowTest, ADocumentWithoutPagesShowsNoneAndPrintsNothing)
{
    TQXReport empty(nullptr);
    Load(empty, runtime::tests::MakeDocument({}, QString()));
    Window->SetReport(&empty);
    Settle();
    EXPECT_EQ(PageStatus(), QStringLiteral("0 of 0"));
    TModalScript script;
    Click(Window->tbnPrint);
    EXPECT_TRUE(script.Requests().empty());
}

TEST(PreviewVerb, ShowsTheWindowModallyAndFreesIt)
{
    TRegisteredPackage package;
    TCoreStub stub;
    TIdeForm f;
    Load(*f.Report, SampleDocument());
    const QByteArray before = StoredForm(*f.Report);
    TQXComponentEditor editor(f.Report, f.Designer.get());
    ASSERT_EQ(editor.GetVerbCount(), 3);
    ASSERT_EQ(editor.GetVerb(1), QStringLiteral("Preview..."));
    TModalScript script;
    script.Then([&](TModalRequest& Request) {
        auto* window = dynamic_cast<TfrmPreview*>(Request.Form);
        EXPECT_NE(window, nullptr);
        if (window) {
            Settle();
            EXPECT_EQ(window->sbrBottom->Panels()->Items(1)->Text(), QStringLiteral("1 of 2"));
            QTest::keyClick(window->Widget(), Qt::Key_Escape);
        }
        return mrCancel;
    });
    editor.ExecuteVerb(1);
    EXPECT_EQ(script.Unexpected(), 0);
    EXPECT_EQ(PreviewCount(), 0);
    EXPECT_EQ(StoredForm(*f.Report), before);

    // A report that cannot be prepared leaves no window behind.
    Load(*f.Report, DocumentWithBadPage());
    ASSERT_EQ(editor.GetVerbCount(), 3);
    EXPECT_ANY_THROW(editor.ExecuteVerb(1));
    EXPECT_EQ(PreviewCount(), 0);
}

} // namespace
} // namespace ide::tests
