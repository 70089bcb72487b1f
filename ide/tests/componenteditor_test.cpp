// The report's component editor: the verbs it offers with and without a
// document, what they run, and the form's modification.

#include "ide/componenteditor.h"
#include "ide/reportbridge.h"
#include "ide/tests/idefixture.h"

#include "runtime/report.h"

#include <QFile>

#include <gtest/gtest.h>

namespace ide::tests {
namespace {

using namespace classlib;
using namespace runtime;

QStringList VerbsOf(TComponentEditor& Editor)
{
    QStringList verbs;
    const int count = Editor.GetVerbCount();
    for (int i = 0; i < count; ++i) verbs << Editor.GetVerb(i);
    return verbs;
}

TEST(ComponentEditor, VerbsFollowTheDocumentAndTheRegistration)
{
    for (bool internal : {false, true}) {
        SCOPED_TRACE(internal);
        TRegisteredPackage package(internal);
        TIdeForm f;
        auto editor = GetComponentEditor(f.Report, f.Designer.get());
        ASSERT_NE(dynamic_cast<TQXComponentEditor*>(editor.get()), nullptr);
        EXPECT_EQ(VerbsOf(*editor), QStringList{"New..."});
        Load(*f.Report, SampleDocument());
        if (internal)
            EXPECT_EQ(VerbsOf(*editor), QStringList({"Preview...", "Edit..."}));
        else
            EXPECT_EQ(VerbsOf(*editor), QStringList({"Controls...", "Preview...", "Edit..."}));
    }
    // The flag goes with the package.
    EXPECT_FALSE(Cerpt::Internal());
}

// Each editor keeps the verbs of its own last count; an index that count
// did not make visible names nothing and runs nothing.
TEST(ComponentEditor, AVerbOutsideTheLastCountIsEmptyAndDoesNothing)
{
    TRegisteredPackage package;
    TCoreStub stub;
    TIdeForm f;
    auto* other = new TQXReport(f.Form.get());
    Load(*other, SampleDocument());
    TQXComponentEditor without(f.Report, f.Designer.get());
    TQXComponentEditor with(other, f.Designer.get());
    EXPECT_EQ(without.GetVerb(0), QString());
    EXPECT_EQ(with.GetVerbCount(), 3);
    EXPECT_EQ(without.GetVerbCount(), 1);
    EXPECT_EQ(with.GetVerb(2), QStringLiteral("Edit..."));
    EXPECT_EQ(without.GetVerb(1), QString());
    EXPECT_EQ(without.GetVerb(-1), QString());
    without.ExecuteVerb(1);
    without.ExecuteVerb(7);
    EXPECT_TRUE(stub.Calls().isEmpty());
    EXPECT_EQ(f.Designer->ModifiedCount, 0);
}

TEST(ComponentEditor, EditMarksTheFormModifiedOnlyWhenADocumentCameBack)
{
    TRegisteredPackage package;
    TCoreStub stub(QStringLiteral("delete"));
    TIdeForm f;
    TQXComponentEditor editor(f.Report, f.Designer.get());
    ASSERT_EQ(VerbsOf(editor), QStringList{"New..."});
    editor.ExecuteVerb(0);
    EXPECT_EQ(stub.Calls().size(), 1);
    EXPECT_EQ(f.Designer->ModifiedCount, 0);
    EXPECT_FALSE(f.Report->IsLoaded());

    Load(*f.Report, SampleDocument());
    stub.SetMode(QStringLiteral("keep"));
    ASSERT_EQ(editor.GetVerbCount(), 3);
    editor.ExecuteVerb(2);
    EXPECT_EQ(stub.Calls().size(), 2);
    EXPECT_EQ(f.Designer->ModifiedCount, 1);
}

// The controls window of the report is closed before the designer starts.
TEST(ComponentEditor, EditClosesTheControlsWindowFirst)
{
    TRegisteredPackage package;
    TCoreStub stub;
    static TCoreStub* current = nullptr;
    static QStringList closed;
    current = &stub;
    closed.clear();
    QXSetCloseControlEditor([](TQXReport* Report) {
        closed << QStringLiteral("%1 after %2 calls").arg(Report->Name()).arg(current->Calls().size());
    });
    TIdeForm f;
    Load(*f.Report, SampleDocument());
    TQXComponentEditor editor(f.Report, f.Designer.get());
    editor.GetVerbCount();
    editor.ExecuteVerb(2);
    EXPECT_EQ(closed, QStringList{"Report1 after 0 calls"});
    QXSetCloseControlEditor(nullptr);
}

} // namespace
} // namespace ide::tests
