// The stubs' event editor: the events list lines it writes and removes,
// the handlers it creates, and its plain behaviour on other components.

#include "ide/methodproperty.h"
#include "ide/stubs.h"
#include "ide/tests/idefixture.h"

#include "runtime/paper.h"

#include "classlib/core/stringlist.h"
#include "classlib/tests/errorof.h"

#include <gtest/gtest.h>

#include <memory>

namespace ide::tests {
namespace {

using namespace classlib;
using namespace runtime;

class MethodPropertyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Load(*F.Report, SampleDocument());
        std::unique_ptr<TQXPaper> paper(F.Report->LoadPaper(0));
        Page = PaperToStub(paper.get(), F.Report);
    }
    TQXBase_* Element(const QString& Name)
    {
        for (int i = 0; i < Page->Count(); ++i)
            if (Page->Items(i)->Name() == Name) return Page->Items(i);
        return nullptr;
    }
    std::unique_ptr<TPropertyEditor> Editor(TObject* Stub, const QString& Event)
    {
        auto editor = EditorOf(Stub, Event, F.Designer.get());
        EXPECT_NE(dynamic_cast<TQXMethodProperty*>(editor.get()), nullptr) << Event.toStdString();
        return editor;
    }
    QStringList Lines() const { return F.Report->Events()->Text().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts); }

    TRegisteredPackage Package;
    TIdeForm F;
    std::unique_ptr<TQXPaper_> Page;
};

TEST_F(MethodPropertyTest, ChoosingAndClearingAHandlerWritesAndRemovesItsLine)
{
    auto editor = Editor(Element("BandNames"), "AskData");
    editor->SetValue(QStringLiteral("HandlerName"));
    EXPECT_EQ(Lines(), QStringList{"Page1.BandNames.AskData=HandlerName"});
    EXPECT_TRUE(F.Designer->MethodExists("HandlerName"));
    EXPECT_EQ(editor->GetValue(), QStringLiteral("HandlerName"));
    // The page's own events have a key of two parts.
    Editor(Page.get(), "AfterPrint")->SetValue(QStringLiteral("PageDone"));
    EXPECT_EQ(Lines(), QStringList({"Page1.BandNames.AskData=HandlerName", "Page1.AfterPrint=PageDone"}));

    editor->SetValue(QString());
    EXPECT_EQ(Lines(), QStringList{"Page1.AfterPrint=PageDone"});
}

TEST_F(MethodPropertyTest, ClearingRemovesEveryLineOfTheKeyWhateverItsCase)
{
    F.Designer->CreateMethod("Old", nullptr);
    F.Report->Events()->SetText("page1.bandnames.askdata=Old\r\nPage1.Shape1.AfterPrint=Old\r\n"
                                "PAGE1.BANDNAMES.ASKDATA=Other\r\n");
    Editor(Element("BandNames"), "AskData")->SetValue(QString());
    EXPECT_EQ(Lines(), QStringList{"Page1.Shape1.AfterPrint=Old"});
}

TEST_F(MethodPropertyTest, ALineWhoseHandlerIsGoneIsDroppedWhenAskedFor)
{
    F.Report->Events()->SetText("Page1.Label1.GetText=Vanished\r\nPage1.Shape1.AfterPrint=Kept\r\n");
    F.Designer->CreateMethod("Kept", nullptr);
    EXPECT_EQ(Editor(Element("Shape1"), "AfterPrint")->GetValue(), QStringLiteral("Kept"));
    EXPECT_EQ(Editor(Element("Label1"), "GetText")->GetValue(), QString());
    EXPECT_EQ(Lines(), QStringList{"Page1.Shape1.AfterPrint=Kept"});
}

TEST_F(MethodPropertyTest, DoubleClickCreatesTheDefaultHandlerOrShowsTheBoundOne)
{
    auto editor = Editor(Element("Label1"), "GetText");
    editor->Edit();
    EXPECT_EQ(Lines(), QStringList{"Page1.Label1.GetText=Report1Page1Label1GetText"});
    EXPECT_TRUE(F.Designer->MethodExists("Report1Page1Label1GetText"));
    EXPECT_EQ(F.Designer->Shown, QStringList{"Report1Page1Label1GetText"});
    EXPECT_EQ(Editor(Page.get(), "BeforePrint")->GetValue(), QString());

    // A bound handler is shown, not made again.
    F.Designer->CreateMethod("Bound", nullptr);
    F.Report->Events()->SetText("Page1.Shape1.BeforePrint=Bound\r\n");
    Editor(Element("Shape1"), "BeforePrint")->Edit();
    EXPECT_EQ(F.Designer->Shown.last(), QStringLiteral("Bound"));
    EXPECT_EQ(Lines(), QStringList{"Page1.Shape1.BeforePrint=Bound"});
    EXPECT_EQ(F.Designer->Methods.size(), 2u);
}

TEST_F(MethodPropertyTest, AnUnnamedStubCannotGetADefaultHandler)
{
    F.Report->SetName(QString());
    TQXPaper_ page;
    EXPECT_EQ(test::ErrorOf<EPropertyError>([&] { Editor(&page, "BeforePrint")->Edit(); }),
              QStringLiteral("Cannot create a method for an unnamed component"));
}

TEST_F(MethodPropertyTest, RenamingAHandlerRewritesEveryLineThatNamedIt)
{
    auto* other = new TQXReport(F.Form.get());
    other->SetName(QStringLiteral("Report2"));
    F.Designer->CreateMethod("Shared", nullptr);
    F.Report->Events()->SetText("Page1.Shape1.AfterPrint=Shared\r\nPage1.Panel1.AfterPrint=Shared\r\n");
    other->Events()->SetText("Page9.X.AfterPrint=shared\r\n");
    Editor(Element("Shape1"), "AfterPrint")->SetValue(QStringLiteral("Renamed"));
    EXPECT_EQ(F.Designer->Renamed, QStringList{"Shared->Renamed"});
    EXPECT_EQ(Lines(), QStringList({"Page1.Shape1.AfterPrint=Renamed", "Page1.Panel1.AfterPrint=Renamed"}));
    EXPECT_EQ(other->Events()->Text(), QStringLiteral("Page9.X.AfterPrint=Renamed\r\n"));

    // Choosing another existing handler renames nothing.
    F.Designer->CreateMethod("Another", nullptr);
    Editor(Element("Panel1"), "AfterPrint")->SetValue(QStringLiteral("Another"));
    EXPECT_EQ(Lines(), QStringList({"Page1.Shape1.AfterPrint=Renamed", "Page1.Panel1.AfterPrint=Another"}));
    EXPECT_EQ(F.Designer->Renamed.size(), 1);
}

// On a component that is no stub, the editor is the plain method property.
TEST_F(MethodPropertyTest, OnARealElementItActsAsThePlainMethodProperty)
{
    std::unique_ptr<TQXPaper> paper(F.Report->LoadPaper(1));
    TComponent* label = paper->FindComponent(QStringLiteral("Label2"));
    ASSERT_NE(label, nullptr);
    auto editor = Editor(label, "GetText");
    editor->SetValue(QStringLiteral("LabelText"));
    EXPECT_TRUE(static_cast<TQXControl*>(label)->GetText.Assigned());
    EXPECT_EQ(editor->GetValue(), QStringLiteral("LabelText"));
    EXPECT_EQ(F.Report->Events()->Count(), 0);
    EXPECT_EQ(editor->GetAttributes(), TMethodProperty(nullptr, 0).GetAttributes());
}

} // namespace
} // namespace ide::tests
