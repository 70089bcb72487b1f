// What the designer registers: the inspector's pages and hints for each
// element, the palette's classes, the editors by type, and the double
// click that brings the inspector forward; all of it once per process.

#include "designer/elements/band.h"
#include "designer/editors/extdefaulteditor.h"
#include "designer/elements/label.h"
#include "designer/editors/metrixproperty.h"
#include "designer/document/page.h"
#include "designer/elements/paintbox.h"
#include "designer/elements/panel.h"
#include "designer/document/paper.h"
#include "designer/editors/papersizeproperty.h"
#include "designer/document/previewreport.h"
#include "designer/editors/registration.h"
#include "designer/elements/shape.h"
#include "designer/tests/designfixture.h"

#include "designer-framework/designregistry.h"
#include "designer-framework/inspectordesigner.h"
#include "designer-framework/inspectorwindow.h"

#include "runtime/band.h"
#include "runtime/report.h"

#include "classlib/controls/pagecontrol.h"
#include "classlib/core/classregistry.h"
#include "classlib/core/stringlist.h"
#include "classlib/design/pictureproperty.h"
#include "classlib/design/stringlistproperty.h"
#include "classlib/design/componenteditor.h"
#include "classlib/design/propertyeditorregistry.h"

#include <QStringList>
#include <QTest>

namespace designer::tests {
namespace {

using namespace classlib;
namespace dfw = designer_framework;

class RegistrationTest : public DesignerTest {
protected:
    // The rows of an inspector page for the selection, in their order.
    QStringList Rows(TTabSheet* Page) const
    {
        InspectorWindow->pgcInspector->SetActivePage(Page);
        InspectorWindow->pgcInspectorChange(InspectorWindow);
        QStringList names;
        if (const TStringList* rows = InspectorWindow->ActiveRows())
            for (int i = 0; i < rows->Count(); ++i) names << rows->Get(i);
        return names;
    }
    // The status hint of a row of the "All properties" page.
    QString HintOf(const QString& Property) const
    {
        const QStringList rows = Rows(InspectorWindow->tabAll);
        const int i = rows.indexOf(Property);
        if (i < 0) return QStringLiteral("<no row>");
        return InspectorWindow->RowItem(i)->GetHint();
    }
    void Select(TComponent* Component) const { PageWindow->SelectOnly(Component); }
};

QStringList Sorted(QStringList Names)
{
    Names.sort(Qt::CaseInsensitive);
    return Names;
}

TEST_F(RegistrationTest, ALabelShowsItsEighteenPropertiesAndItsGeneralPageInOrder)
{
    Insert<TQXLabel>(20, 10);
    EXPECT_EQ(Rows(InspectorWindow->tabAll),
              Sorted({"Name", "Alignment", "AutoSize", "WordWrap", "Caption", "Font", "MMLeft", "MMTop", "MMWidth",
                      "MMHeight", "Frame", "Align", "ParentFont", "Lines", "TextAngle", "Shadow", "Background",
                      "Static"}));
    EXPECT_EQ(Rows(InspectorWindow->tabGeneral),
              (QStringList{"Name", "Caption", "Lines", "Alignment", "AutoSize", "WordWrap", "Font", "TextAngle"}));
}

TEST_F(RegistrationTest, ABandShowsOnlyItsListedProperties)
{
    Insert<TQXBand>(40, 40);
    EXPECT_EQ(Rows(InspectorWindow->tabAll),
              Sorted({"Name", "MMHeight", "Frame", "PageBreak", "ColumnBreak", "Font", "ParentFont", "Shadow",
                      "AutoSize", "InvertRows", "Background", "Background2", "Static"}));
    EXPECT_EQ(Rows(InspectorWindow->tabGeneral), (QStringList{"Name", "PageBreak", "ColumnBreak"}));
}

TEST_F(RegistrationTest, HintsOfOneClassWinOverTheGeneralOnes)
{
    auto* band = Insert<TQXBand>(40, 40);
    auto* label = Insert<TQXLabel>(20, 10);
    auto* panel = Insert<TQXPanel>(10, 200);
    const struct {
        const char* Name;
        TComponent* Selected;
        const char* Property;
        const char* Hint;
    } cases[] = {
        {"an element's name", label, "Name", "Uniquely identifies component within the page"},
        {"a label's font", label, "Font", "Font attributes"},
        {"a label's caption", label, "Caption", "Text to draw (single line)"},
        {"a band's font", band, "Font", "Default font attributes for child components"},
        {"a band's auto size", band, "AutoSize", "Automatic height adjustment according to contents"},
        {"a band's inverted rows", band, "InvertRows", "Interchange row Backgrounds"},
        {"a panel's font", panel, "Font", "Default font attributes for child components"},
        {"a panel's AutoSize under the name Autosize", panel, "AutoSize",
         "Automatic size adjustment according to Background"},
        {"a panel's columns", panel, "Columns", "Number of vertical columns"},
        {"no hint registered", band, "Background2", ""},
    };
    for (const auto& c : cases) {
        Select(c.Selected);
        EXPECT_EQ(HintOf(QString::fromLatin1(c.Property)), QString::fromUtf8(c.Hint)) << c.Name;
    }
}

TEST_F(RegistrationTest, ThePageAndPaperTakeTheirOwnHints)
{
    const dfw::TRegControlItem* page = dfw::FindRegControlItem(QStringLiteral("TQXPage"));
    const dfw::TRegControlItem* paper = dfw::FindRegControlItem(QStringLiteral("TQXPaper"));
    ASSERT_NE(page, nullptr);
    ASSERT_NE(paper, nullptr);
    auto hint = [](const dfw::TRegControlItem* Item, const char* Property) {
        const int k = Item->Properties().IndexOf(QString::fromLatin1(Property));
        return k < 0 ? QStringLiteral("<none>") : Item->Hints().Get(k);
    };
    EXPECT_EQ(hint(page, "Name"), QStringLiteral("Uniquely identifies page within the report"));
    EXPECT_EQ(hint(page, "Font"), QStringLiteral("Default font attributes for child components"));
    EXPECT_EQ(hint(paper, "MMWidth"), QStringLiteral("Horizontal size in millimeters (common for all the report pages)"));
    EXPECT_EQ(hint(paper, "PaperSize"), QStringLiteral("Standard paper format (common for all the report pages)"));
    EXPECT_EQ(hint(paper, "Name"), QStringLiteral("<none>"));
    EXPECT_EQ(paper->GeneralProperties().Text(),
              QStringLiteral("Orientation\r\nPaperSize\r\nMMWidth\r\nMMHeight\r\nMMLeftMargin\r\nMMTopMargin\r\n"
                             "MMRightMargin\r\nMMBottomMargin\r\n"));
    EXPECT_EQ(dfw::PropertyHints().Count(), 35);
}

TEST_F(RegistrationTest, ThePaletteHoldsTheFivePlaceableClassesInOrder)
{
    const dfw::TDesignerPage* page = dfw::DesignerPages().FindPage(QString());
    ASSERT_NE(page, nullptr);
    QStringList names;
    for (int i = 0; i < page->Count(); ++i) names << page->GetItem(i)->Name();
    EXPECT_EQ(names, (QStringList{"TQXPanel", "TQXBand", "TQXLabel", "TQXShape", "TQXPaintBox"}));
    EXPECT_EQ(page->GetItem(2)->ComponentClass(), &TQXLabel::StaticClass());
    EXPECT_EQ(dfw::DesignerPages().Count(), 1);
    for (const char* c : {"TQXPaper", "TQXPage"}) {
        ASSERT_NE(dfw::FindRegControlItem(QString::fromLatin1(c)), nullptr) << c;
        EXPECT_FALSE(dfw::FindRegControlItem(QString::fromLatin1(c))->ShowOnPalette()) << c;
    }
    // Registered for streaming too: the designer's own classes.
    EXPECT_EQ(GetClass(QStringLiteral("TQXPaintBox")), &TQXPaintBox::StaticClass());
    EXPECT_EQ(GetClass(QStringLiteral("TQXPage")), &TQXPage::StaticClass());
}

TEST_F(RegistrationTest, TheRuntimeStillReadsAndRunsWhatTheDesignerMade)
{
    auto* band = Insert<TQXBand>(10, 10);
    band->SetMM(4, 30.0);
    auto* label = Insert<TQXLabel>(10, 10);
    label->SetCaption(QStringLiteral("Registered"));
    runtime::TQXReport report(nullptr);
    BuildPreviewReport(report, true);
    ASSERT_GE(report.PageCount(), 1);
    // The designer's classes are back in the registry after the run.
    EXPECT_EQ(GetClass(QStringLiteral("TQXLabel")), &TQXLabel::StaticClass());
    EXPECT_EQ(GetClass(QStringLiteral("TQXBand")), &TQXBand::StaticClass());
}

TEST_F(RegistrationTest, EditorsFollowThePropertyType)
{
    auto* label = Insert<TQXLabel>(20, 10);
    const TPropInfo* left = TQXLabel::StaticClass().FindProp(QStringLiteral("MMLeft"));
    const TPropInfo* size = TQXPaper::StaticClass().FindProp(QStringLiteral("PaperSize"));
    ASSERT_NE(left, nullptr);
    ASSERT_NE(size, nullptr);
    EXPECT_EQ(GetEditorClass(left, label), PropertyEditorClass<TMetrixProperty>());
    EXPECT_EQ(GetEditorClass(size, PaperWindow), PropertyEditorClass<TPaperSizeProperty>());
    const TPropInfo* lines = TQXLabel::StaticClass().FindProp(QStringLiteral("Lines"));
    const TPropInfo* picture = runtime::TQXBackground::StaticClass().FindProp(QStringLiteral("Picture"));
    ASSERT_NE(lines, nullptr);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(GetEditorClass(lines, label), PropertyEditorClass<TStringListProperty>());
    EXPECT_EQ(GetEditorClass(picture, label->Background()), PropertyEditorClass<TPictureProperty>());
    EXPECT_NE(dynamic_cast<TExtDefaultEditor*>(GetComponentEditor(label, nullptr).get()), nullptr);
    EXPECT_NE(dynamic_cast<TExtDefaultEditor*>(GetComponentEditor(PageWindow, nullptr).get()), nullptr);
}

TEST_F(RegistrationTest, ASecondRegistrationDoesNothing)
{
    auto* label = Insert<TQXLabel>(20, 10);
    // Changes made after the first registration survive a second one.
    dfw::RegisterPropertyHint(QStringLiteral("Caption"), nullptr, QStringLiteral("changed"));
    const dfw::TRegControlItem* item = dfw::FindRegControlItem(QStringLiteral("TQXLabel"));
    RegisterPropertyEditor(TypeInfo<double>(), nullptr, {}, nullptr);
    RegisterDesignerComponents();
    RegisterStandardEditors();
    EXPECT_EQ(dfw::FindRegControlItem(QStringLiteral("TQXLabel")), item);
    int k = 0;
    EXPECT_TRUE(dfw::PropertyHints().Find(QStringLiteral("Caption"), k));
    EXPECT_EQ(static_cast<const dfw::TStringObject*>(dfw::PropertyHints().Objects(k))->Text, QStringLiteral("changed"));
    const TPropInfo* left = TQXLabel::StaticClass().FindProp(QStringLiteral("MMLeft"));
    EXPECT_EQ(GetEditorClass(left, label), nullptr);
    UnregisterPropertyEditor(TypeInfo<double>(), nullptr, {}, nullptr);
    dfw::RegisterPropertyHint(QStringLiteral("Caption"), nullptr, QStringLiteral("Text to draw (single line)"));
    EXPECT_EQ(GetEditorClass(left, label), PropertyEditorClass<TMetrixProperty>());
}

QString HintText(const QString& Key)
{
    int k = 0;
    if (!dfw::PropertyHints().Find(Key, k)) return QStringLiteral("<none>");
    return static_cast<const dfw::TStringObject*>(dfw::PropertyHints().Objects(k))->Text;
}

TEST_F(RegistrationTest, TakingTheRegistrationBackLeavesWhatWasThereBefore)
{
    const int pages = dfw::DesignerPages().Count();
    UnregisterDesignerComponents();
    EXPECT_FALSE(DesignerComponentsRegistered());
    for (const char* name : {"TQXPaper", "TQXPage", "TQXPanel", "TQXBand", "TQXLabel", "TQXShape", "TQXPaintBox",
                             "TQXControl", "TQXContainer"}) {
        EXPECT_EQ(GetClass(QString::fromLatin1(name)), nullptr) << name;
        EXPECT_EQ(dfw::FindRegControlItem(QString::fromLatin1(name)), nullptr) << name;
    }
    // The unnamed palette page held only the designer's classes.
    EXPECT_EQ(dfw::DesignerPages().Count(), pages - 1);
    EXPECT_EQ(HintText(QStringLiteral("Caption")), QStringLiteral("<none>"));
    EXPECT_EQ(HintText(QStringLiteral("TQXLabel-Font")), QStringLiteral("<none>"));

    // A host's own hint under one of the designer's keys comes back.
    dfw::RegisterPropertyHint(QStringLiteral("Caption"), nullptr, QStringLiteral("the host's"));
    RegisterDesignerComponents();
    EXPECT_EQ(HintText(QStringLiteral("Caption")), QStringLiteral("Text to draw (single line)"));
    EXPECT_EQ(dfw::DesignerPages().Count(), pages);
    UnregisterDesignerComponents();
    EXPECT_EQ(HintText(QStringLiteral("Caption")), QStringLiteral("the host's"));
    dfw::UnregisterPropertyHint(QStringLiteral("Caption"), nullptr);
    RegisterDesignerComponents();
}

TEST_F(RegistrationTest, AFailedRegistrationLeavesNothingHalfDone)
{
    UnregisterDesignerComponents();
    // The runtime's band holds the name the designer's band needs.
    RegisterClass(runtime::TQXBand::StaticClass());
    EXPECT_THROW(RegisterDesignerComponents(), EFilerError);
    UnregisterClass(runtime::TQXBand::StaticClass());
    EXPECT_FALSE(DesignerComponentsRegistered());
    EXPECT_EQ(GetClass(QStringLiteral("TQXPanel")), nullptr);
    EXPECT_EQ(dfw::FindRegControlItem(QStringLiteral("TQXPaper")), nullptr);
    EXPECT_EQ(HintText(QStringLiteral("Caption")), QStringLiteral("<none>"));
    RegisterDesignerComponents();
    EXPECT_EQ(GetClass(QStringLiteral("TQXBand")), &TQXBand::StaticClass());
}

TEST_F(RegistrationTest, TheEditorsGoAndComeBack)
{
    auto* label = Insert<TQXLabel>(20, 10);
    const TPropInfo* left = TQXLabel::StaticClass().FindProp(QStringLiteral("MMLeft"));
    UnregisterStandardEditors();
    EXPECT_NE(GetEditorClass(left, label), PropertyEditorClass<TMetrixProperty>());
    RegisterStandardEditors();
    EXPECT_EQ(GetEditorClass(left, label), PropertyEditorClass<TMetrixProperty>());
}

TEST_F(RegistrationTest, DoubleClickingAnElementBringsTheInspectorForward)
{
    auto* label = Insert<TQXLabel>(20, 10);
    label->SetCaption(QStringLiteral("Twice"));
    InspectorWindow->Hide();
    const QByteArray before = DocumentBytes();
    QTest::mouseDClick(label->Widget(), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(InspectorWindow->Visible());
    // Nothing else: no dialog, no change, the label still selected.
    EXPECT_EQ(DocumentBytes(), before);
    EXPECT_EQ(PageWindow->SelectionCount(), 1);
}

} // namespace
} // namespace designer::tests
