// The rows the inspector designer builds for a selection.

#include "surfacefixture.h"

#include "designer-framework/designregistry.h"
#include "designer-framework/inspectordesigner.h"

#include "classlib/core/componentlist.h"

namespace designer_framework::test {
namespace {

QStringList Names(const TStringList* Rows)
{
    QStringList out;
    for (int i = 0; Rows && i < Rows->Count(); ++i) out << Rows->Get(i);
    return out;
}

// Keeps what it is handed, and checks that the rows it holds are alive
// whenever it is handed new ones.
class TRowsInspector : public TFakeInspector {
public:
    using TFakeInspector::TFakeInspector;
    void SetPropertyRows(TStringList* A, TStringList* G, TStringList* E) override
    {
        All = A;
        General = G;
        Event = E;
        AllNames = Names(A);
        // Reading every row's value is what a window does when it fills.
        for (int i = 0; All && i < All->Count(); ++i) static_cast<TPropItem*>(All->Objects(i))->GetDisplayValue();
    }
    void ShowSelection(TComponentList* List) override { Shown = List ? List->Count() : -1; }
    TStringList* All = nullptr;
    TStringList* General = nullptr;
    TStringList* Event = nullptr;
    QStringList AllNames;
    int Shown = -1;
};

TPropItem* Row(const TStringList* Rows, const QString& Name)
{
    const int i = Rows ? Rows->IndexOf(Name) : -1;
    return i < 0 ? nullptr : static_cast<TPropItem*>(Rows->Objects(i));
}

class InspectorDesignerTest : public SurfaceTest {
protected:
    InspectorDesignerTest()
    {
        RegisterPropertyHint("Width", nullptr, "How wide");
        RegisterDesignClass("", "TShape", TShape::StaticClass(), {"Left", "Top", "Width", "Height", "Name", "Tag"},
                            {"Name", "Width", "Left"}, {QVariant()}, true);
        RegisterDesignClass("", "TBox", TBox::StaticClass(), {"Left", "Width", "Name", "BevelOuter"}, {"Width", "Left"},
                            {QVariant()}, true);
        RegisterDesignClass("", "TTicker", TTicker::StaticClass(), {"Name", "Tag"}, {"Name"}, {QVariant()}, false);
        RegisterDesignClass("", "TControlDesigner", TControlDesigner::StaticClass(),
                            {"Scaled", "Position", "HelpFile", "Name", "Width"}, {"Name"}, {QVariant()}, false);
        Surface.reset();
        Surface = std::make_unique<TControlDesigner>(nullptr);
        Surface->SetName("Surface");
        Surface->SetBounds(50, 40, 400, 300);
        Surface->Show();
        Inspector.reset();
        Rows = new TRowsInspector(Log);
        Inspector.reset(Rows);
        Designer = new TInspectorDesigner(Rows);
        Surface->SetInspector(Designer);
    }
    TInspectorDesigner* Hook() const { return static_cast<TInspectorDesigner*>(Designer); }
    TRowsInspector* Rows;
};

TEST_F(InspectorDesignerTest, OneSelectedControl)
{
    TShape* shape = Put<TShape>(nullptr, 10, 20, 30, 40, "Shape1");
    Surface->SelectOnly(shape);
    EXPECT_EQ(Rows->Shown, 1);
    // The All page in the class library's order (by name); the General page
    // in the registration's.
    EXPECT_EQ(Names(Rows->All), (QStringList{"Height", "Left", "Name", "Tag", "Top", "Width"}));
    EXPECT_EQ(Names(Rows->General), (QStringList{"Name", "Width", "Left"}));
    EXPECT_TRUE(Names(Rows->Event).isEmpty());
    TPropItem* width = Row(Rows->All, "Width");
    ASSERT_NE(width, nullptr);
    EXPECT_EQ(width->GetValue(), "30");
    EXPECT_EQ(width->GetDisplayValue(), "30");
    EXPECT_EQ(width->GetTypeName(), "Integer");
    EXPECT_EQ(width->GetHint(), "How wide");
    EXPECT_TRUE(width->OnGeneralPage);
    EXPECT_FALSE(Row(Rows->All, "Top")->OnGeneralPage);
    EXPECT_EQ(Row(Rows->All, "Name")->GetTypeName(), "String");
    EXPECT_EQ(Row(Rows->All, "Top")->GetHint(), "");
}

TEST_F(InspectorDesignerTest, TwoClassesShareWhatBothList)
{
    TShape* shape = Put<TShape>(nullptr, 10, 20, 30, 40, "Shape1");
    TBox* box = Put<TBox>(nullptr, 100, 20, 50, 40, "Box1");
    Surface->SelectOnly(box);
    Surface->SelectControl(shape);
    EXPECT_EQ(Rows->Shown, 2);
    // Name is no row for two components; the General order is the box's.
    EXPECT_EQ(Names(Rows->All), (QStringList{"Left", "Width"}));
    EXPECT_EQ(Names(Rows->General), (QStringList{"Width", "Left"}));
    TPropItem* width = Row(Rows->All, "Width");
    EXPECT_EQ(width->GetDisplayValue(), "");
    EXPECT_EQ(width->GetValue(), "50");
    EXPECT_EQ(Row(Rows->All, "Left")->GetDisplayValue(), "");
    // A value typed applies to both.
    width->Editor->SetValue("77");
    EXPECT_EQ(shape->Width(), 77);
    EXPECT_EQ(box->Width(), 77);
    EXPECT_EQ(width->GetDisplayValue(), "77");
}

TEST_F(InspectorDesignerTest, AnUnregisteredClassShowsNoRows)
{
    TShape* shape = Put<TShape>(nullptr, 10, 20, 30, 40, "Shape1");
    auto* plain = Put<TCustomControl>(nullptr, 100, 20, 30, 40, "Plain");
    Surface->SelectOnly(shape);
    Surface->SelectControl(plain);
    EXPECT_TRUE(Names(Rows->All).isEmpty());
    EXPECT_TRUE(Names(Rows->General).isEmpty());
}

TEST_F(InspectorDesignerTest, NothingSelectedShowsTheSurface)
{
    Surface->UnselectAll();
    Surface->SelectionToInspector();
    EXPECT_EQ(Names(Rows->All), (QStringList{"HelpFile", "Name", "Position", "Scaled", "Width"}));
    EXPECT_EQ(Row(Rows->All, "Scaled")->GetTypeName(), "Boolean");
    EXPECT_EQ(Row(Rows->All, "Position")->GetTypeName(), "Enumeration");
    EXPECT_EQ(Row(Rows->All, "HelpFile")->GetTypeName(), "Long String");
}

TEST_F(InspectorDesignerTest, CapsulesOnlyForPaletteClasses)
{
    TTicker ticker(nullptr);
    EXPECT_FALSE(Hook()->AcceptsComponent(&ticker));
    TShape shape(nullptr);
    EXPECT_TRUE(Hook()->AcceptsComponent(&shape));
    TCustomControl plain(nullptr);
    EXPECT_TRUE(Hook()->AcceptsComponent(&plain));
}

TEST_F(InspectorDesignerTest, RowsNeverOutliveTheirComponents)
{
    TShape* shape = Put<TShape>(nullptr, 10, 20, 30, 40, "Shape1");
    Surface->SelectOnly(shape);
    ASSERT_FALSE(Names(Rows->All).isEmpty());
    // The selected control goes: the rows now stand for the surface.
    delete shape;
    EXPECT_EQ(Row(Rows->All, "Left"), nullptr);
    EXPECT_NE(Row(Rows->All, "Scaled"), nullptr);
    // Cleared: the rows are the surface's again, none of a freed control.
    TShape* again = Put<TShape>(nullptr, 10, 20, 30, 40, "Shape2");
    Surface->SelectOnly(again);
    Surface->ClearAll();
    for (int i = 0; i < Rows->All->Count(); ++i)
        EXPECT_NE(static_cast<TPropItem*>(Rows->All->Objects(i))->Editor->GetComponent(0), again);
    // The designer goes with its surface: the window holds empty lists.
    Surface.reset();
    EXPECT_TRUE(Rows->AllNames.isEmpty());
}

TEST(DsgnType, PropertiesByPath)
{
    const TClassInfo* cls = &TControlDesigner::StaticClass();
    EXPECT_EQ(FindPropInfo(cls, "scaled"), cls->FindProp(u"Scaled"));
    EXPECT_EQ(FindPropInfo(cls, "Nothing"), nullptr);
    EXPECT_EQ(FindPropInfo(cls, "HorzScrollBar.Range"), TControlScrollBar::StaticClass().FindProp(u"Range"));
    // A first part that is no object: what it gave.
    EXPECT_EQ(FindPropInfo(cls, "Scaled.Range"), cls->FindProp(u"Scaled"));
    EXPECT_EQ(GetPropertyClass(cls, "HorzScrollBar"), &TControlScrollBar::StaticClass());
    EXPECT_EQ(GetPropertyClass(cls, "Scaled"), nullptr);

    TControlDesigner surface(nullptr);
    TTypeKind kind = TTypeKind::tkUnknown;
    QVariant value;
    GetPropertyValue(&surface, "Scaled", kind, value);
    EXPECT_EQ(kind, TTypeKind::tkEnumeration);
    EXPECT_EQ(value, QVariant(true));
    GetPropertyValue(&surface, "HorzScrollBar.Range", kind, value);
    EXPECT_EQ(kind, TTypeKind::tkInteger);
    kind = TTypeKind::tkChar;
    GetPropertyValue(&surface, "Missing", kind, value);
    EXPECT_EQ(kind, TTypeKind::tkChar);
    EXPECT_EQ(value, QVariant(0));
}

} // namespace
} // namespace designer_framework::test
