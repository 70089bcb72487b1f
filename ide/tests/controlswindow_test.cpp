// The controls window: its tree of pages and elements, the stubs it hands
// the designer, the status text, and how it follows and leaves its report.

#include "ide/componenteditor.h"
#include "ide/controlswindow.h"
#include "ide/ideentries.h"
#include "ide/stubs.h"
#include "ide/tests/idefixture.h"

#include "runtime/report.h"

#include "classlib/controls/screen.h"
#include "classlib/controls/statusbar.h"
#include "classlib/controls/treeview.h"
#include "classlib/design/designwindow.h"
#include "classlib/system/registry.h"

#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

namespace ide::tests {
namespace {

using namespace classlib;
using namespace runtime;

int WindowCount()
{
    int count = 0;
    for (int i = 0; i < Screen()->FormCount(); ++i)
        if (dynamic_cast<TfrmPropControls*>(Screen()->Forms(i))) ++count;
    return count;
}

class ControlsWindowTest : public ::testing::Test {
protected:
    void SetUp() override { Load(*F.Report, SampleDocument()); }
    void TearDown() override
    {
        CloseWindowsOfPackage();
        EXPECT_EQ(WindowCount(), 0);
    }
    static void CloseWindowsOfPackage()
    {
        TQXEntryStatus status;
        EXPECT_EQ(QXIdeCloseWindows(&status), qxOk);
    }
    TfrmPropControls* Open(TQXReport* Report = nullptr)
    {
        auto editor = EditorOf(Report ? Report : F.Report, QStringLiteral("Controls"), F.Designer.get());
        EXPECT_NE(dynamic_cast<TQXControlsProperty*>(editor.get()), nullptr);
        if (!editor) return nullptr;
        editor->Edit();
        Settle();
        return FindControlsEditor(Report ? Report : F.Report);
    }
    static QString Status(TfrmPropControls* W) { return W->sbrBottom->SimpleText(); }
    // The tree's texts, depth first, children indented by two blanks.
    static QStringList Tree(TfrmPropControls* W)
    {
        QStringList lines;
        for (int i = 0; i < W->tvwControls->Items()->Count(); ++i) {
            TTreeNode* node = W->tvwControls->Items()->Item(i);
            lines << QString(node->Level() * 2, u' ') + node->Text();
        }
        return lines;
    }
    static void Key(TfrmPropControls* W, Qt::Key K)
    {
        QTest::keyClick(W->tvwControls->Widget(), K);
        Settle();
    }

    TCoreStub Stub;
    TRegisteredPackage Package;
    TIdeForm F;
};

TEST_F(ControlsWindowTest, ListsPagesAndElementsAndHandsTheDesignerTheirStubs)
{
    TfrmPropControls* w = Open();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->Showing());
    EXPECT_EQ(w->Caption(), QStringLiteral("Editing Report1"));
    EXPECT_EQ(Tree(w), QStringList({"Page1", "  BandNames", "  Label1", "  PaintBox1", "  Panel1", "  Shape1",
                                    "Page2", "  Label2"}));
    EXPECT_EQ(Status(w), QStringLiteral("Page1:TQXPaper"));
    ASSERT_EQ(F.Designer->Selection.size(), 1u);
    EXPECT_EQ(dynamic_cast<TQXPaper_*>(F.Designer->Selection[0])->Name(), QStringLiteral("Page1"));

    // The user opens the page and walks down its elements.
    Key(w, Qt::Key_Right);
    Key(w, Qt::Key_Down);
    EXPECT_EQ(Status(w), QStringLiteral("BandNames:TQXBand"));
    Key(w, Qt::Key_Down);
    EXPECT_EQ(Status(w), QStringLiteral("Label1:TQXLabel"));
    ASSERT_EQ(F.Designer->Selection.size(), 1u);
    auto* stub = dynamic_cast<TQXLabel_*>(F.Designer->Selection[0]);
    ASSERT_NE(stub, nullptr);
    EXPECT_EQ(stub->Parent()->Name(), QStringLiteral("Page1"));
    EXPECT_EQ(stub->Report(), F.Report);
}

TEST_F(ControlsWindowTest, ASecondOpenBringsTheSameWindowForward)
{
    TfrmPropControls* w = Open();
    w->SetWindowState(wsMinimized);
    EXPECT_EQ(Open(), w);
    EXPECT_EQ(w->WindowState(), wsNormal);
    // The verb opens the same window too; another report gets its own.
    TQXComponentEditor editor(F.Report, F.Designer.get());
    ASSERT_EQ(editor.GetVerb(0), QString()) << "no count yet";
    ASSERT_EQ(editor.GetVerbCount(), 3);
    editor.ExecuteVerb(0);
    EXPECT_EQ(WindowCount(), 1);
    auto* other = new TQXReport(F.Form.get());
    other->SetName(QStringLiteral("Report2"));
    TfrmPropControls* second = Open(other);
    EXPECT_NE(second, w);
    EXPECT_EQ(second->Caption(), QStringLiteral("Editing Report2"));
    EXPECT_EQ(WindowCount(), 2);
}

TEST_F(ControlsWindowTest, AReportWithoutDocumentShowsNothing)
{
    F.Report->Reset();
    TfrmPropControls* w = Open();
    EXPECT_TRUE(Tree(w).isEmpty());
    EXPECT_EQ(Status(w), QString());
}

// Every change of the report rebuilds the tree; the designer is given the
// report before the stubs it may show are freed.
TEST_F(ControlsWindowTest, ChangesOfTheReportRebuildTheTreeSelectingTheReportFirst)
{
    TfrmPropControls* w = Open();
    F.Designer->SelectionLog.clear();
    Load(*F.Report, LargeDocument(2, 1));
    EXPECT_EQ(Tree(w), QStringList({"Page1", "  Label1", "Page2", "  Label1"}));
    ASSERT_GE(F.Designer->SelectionLog.size(), 2);
    EXPECT_EQ(F.Designer->SelectionLog.first(), QStringLiteral("Report1"));
    EXPECT_EQ(F.Designer->SelectionLog.last(), QStringLiteral("Page1"));
    F.Report->Reset();
    EXPECT_TRUE(Tree(w).isEmpty());
    EXPECT_EQ(F.Designer->SelectionLog.last(), QStringLiteral("Report1"));
}

// A page that cannot be read is shown in the status bar; it never reaches
// whoever changed the report.
TEST_F(ControlsWindowTest, APageThatCannotBeReadIsShownNotRaised)
{
    TfrmPropControls* w = Open();
    EXPECT_NO_THROW(Load(*F.Report, DocumentWithBadPage()));
    EXPECT_TRUE(F.Report->IsLoaded());
    EXPECT_FALSE(Status(w).isEmpty());
    EXPECT_EQ(Tree(w), QStringList({"Good", "  Label1"}));
    EXPECT_EQ(WindowCount(), 1);

    // Opening a window on it raises, and leaves no window behind.
    CloseWindowsOfPackage();
    auto editor = EditorOf(F.Report, QStringLiteral("Controls"), F.Designer.get());
    EXPECT_ANY_THROW(editor->Edit());
    Settle();
    EXPECT_EQ(WindowCount(), 0);
}

TEST_F(ControlsWindowTest, ClosingFreesTheWindowAndKeepsItsPlace)
{
    TfrmPropControls* w = Open();
    const QPointer<QWidget> alive(w->Widget());
    w->Close();
    Settle();
    EXPECT_FALSE(alive);
    EXPECT_EQ(F.Designer->SelectionLog.last(), QStringLiteral("Report1"));
    // The report no longer calls into it.
    Load(*F.Report, LargeDocument(1, 1));
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly(QString::fromLatin1(ControlsKey)));
    EXPECT_TRUE(reg.ValueExists(QStringLiteral("Width")));
}

TEST_F(ControlsWindowTest, GoesWithItsReportOrItsForm)
{
    Open();
    NotifyDesignWindowsComponentDeleted(F.Report);
    Settle();
    EXPECT_EQ(WindowCount(), 0);

    Open();
    delete F.Report;
    F.Report = nullptr;
    Settle();
    EXPECT_EQ(WindowCount(), 0);

    auto* report = new TQXReport(F.Form.get());
    report->SetName(QStringLiteral("Report3"));
    Load(*report, SampleDocument());
    Open(report);
    EXPECT_EQ(WindowCount(), 1);
    NotifyDesignWindowsFormClosed(F.Form.get());
    Settle();
    EXPECT_EQ(WindowCount(), 0);
}

TEST_F(ControlsWindowTest, EditingTheDocumentClosesTheWindowFirst)
{
    Open();
    TQXComponentEditor editor(F.Report, F.Designer.get());
    ASSERT_EQ(editor.GetVerbCount(), 3);
    editor.ExecuteVerb(2);
    EXPECT_EQ(Stub.Calls().size(), 1);
    EXPECT_EQ(WindowCount(), 0);
    EXPECT_EQ(F.Designer->ModifiedCount, 1);
}

} // namespace
} // namespace ide::tests
