// The whole way through the real designer library: the component
// editor's "Edit..." verb starts qxcore embedded on the exchange file, the
// user adds a band and returns saving, and the report takes the document.

#include "ide/componenteditor.h"
#include "ide/reportbridge.h"
#include "ide/tests/idefixture.h"

#include "runtime/paper.h"
#include "runtime/report.h"

#include "classlib/controls/form.h"
#include "classlib/controls/menus.h"
#include "classlib/controls/modalresponder.h"

#include <gtest/gtest.h>

#include <memory>

namespace ide::tests {
namespace {

using namespace classlib;
using namespace runtime;

TMenuItem* MenuItem(TForm& Form, const char* Name)
{
    return dynamic_cast<TMenuItem*>(Form.FindComponent(QString::fromLatin1(Name)));
}

TEST(DesignerRound, EditReportRunsTheDesignerEmbeddedAndTakesItsDocument)
{
    TRegisteredPackage package;
    test::TTempConfig config;
    // No "Binary Path": the designer library beside the package.
    TIdeForm f;
    Load(*f.Report, SampleDocument());
    TQXComponentEditor editor(f.Report, f.Designer.get());
    ASSERT_EQ(editor.GetVerbCount(), 3);
    ASSERT_EQ(editor.GetVerb(2), QStringLiteral("Edit..."));

    TModalScript script;
    bool ran = false;
    script.Then([&](TModalRequest& Request) {
        TForm* main = Request.Form;
        EXPECT_NE(main, nullptr);
        if (!main) return mrCancel;
        Settle();
        ran = true;
        TMenuItem* component = MenuItem(*main, "mmiComponent");
        TMenuItem* back = MenuItem(*main, "mmiReturn");
        EXPECT_NE(component, nullptr);
        EXPECT_NE(back, nullptr);
        if (!component || !back) return mrCancel;
        EXPECT_TRUE(back->Visible());
        // The second palette class is the band.
        component->Items(1)->Click();
        script.Answer(mrYes);
        back->Click();
        return mrOk;
    });
    editor.ExecuteVerb(2);
    EXPECT_TRUE(ran);
    EXPECT_EQ(script.Unexpected(), 0);
    EXPECT_EQ(script.Requests().back().Text, QStringLiteral("Do you want to save changes?"));
    EXPECT_EQ(f.Designer->ModifiedCount, 1);
    ASSERT_TRUE(f.Report->IsLoaded());
    EXPECT_EQ(f.Report->GetPaperCount(), 2);
    std::unique_ptr<TQXPaper> page(f.Report->LoadPaper(0));
    EXPECT_NE(page->FindComponent(QStringLiteral("BandNames")), nullptr);
    EXPECT_EQ(page->ComponentCount(), 6);
}

// Leaving the designer without saving returns no document: the component
// and the form stay as they were.
TEST(DesignerRound, LeavingWithoutSavingChangesNothing)
{
    TRegisteredPackage package;
    test::TTempConfig config;
    TIdeForm f;
    TQXComponentEditor editor(f.Report, f.Designer.get());
    ASSERT_EQ(editor.GetVerbCount(), 1);
    TModalScript script;
    script.Then([&](TModalRequest& Request) {
        Settle();
        if (TMenuItem* component = MenuItem(*Request.Form, "mmiComponent")) component->Items(1)->Click();
        script.Answer(mrNo);
        if (TMenuItem* back = MenuItem(*Request.Form, "mmiReturn")) back->Click();
        return mrOk;
    });
    editor.ExecuteVerb(0);
    EXPECT_EQ(script.Unexpected(), 0);
    EXPECT_FALSE(f.Report->IsLoaded());
    EXPECT_EQ(f.Designer->ModifiedCount, 0);
}

} // namespace
} // namespace ide::tests
