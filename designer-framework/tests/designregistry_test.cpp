// Designable classes, palette pages and property hints. The registry lives
// as long as the process: each test uses keys of its own.

#include "surfacefixture.h"

#include "designer-framework/designregistry.h"

#include "classlib/core/classbuilder.h"
#include "classlib/core/classregistry.h"
#include "classlib/tests/errorof.h"

namespace designer_framework::test {
namespace {

// Another class under the stored name of TShape.
class TShapeTwin : public TCustomControl {
    QX_CLASS(TShapeTwin, TCustomControl)
public:
    using TCustomControl::TCustomControl;
};

// A class no other test registers.
class TLoneBox : public TCustomControl {
    QX_CLASS(TLoneBox, TCustomControl)
public:
    using TCustomControl::TCustomControl;
};

} // namespace

const TClassInfo& TLoneBox::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TLoneBox>("TLoneBox").Build();
    return info;
}

const TClassInfo& TShapeTwin::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TShapeTwin>("TShape").Build();
    return info;
}

namespace {

QStringList ListOf(const TStringList& L)
{
    QStringList out;
    for (int i = 0; i < L.Count(); ++i) out << L.Get(i);
    return out;
}

TEST(DesignRegistry, HintsOfAClassWinOverHintsOfEveryClass)
{
    RegisterPropertyHint("HintA", nullptr, "for all");
    RegisterPropertyHint("HintA", &TShape::StaticClass(), "first");
    RegisterPropertyHint("HintA", &TShape::StaticClass(), "for shapes");
    RegisterPropertyHint("hintb", nullptr, "lower case key");
    RegisterDesignClass("", "TShape", TShape::StaticClass(), {"HintB", "HintA", "NoHint"}, {}, {QVariant()}, false);
    RegisterDesignClass("", "TBox", TBox::StaticClass(), {"HintA"}, {}, {}, false);
    const TRegControlItem* shape = FindRegControlItem("tshape");
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(ListOf(shape->Properties()), (QStringList{"HintA", "HintB", "NoHint"}));
    EXPECT_EQ(ListOf(shape->Hints()), (QStringList{"for shapes", "lower case key", ""}));
    EXPECT_EQ(ListOf(FindRegControlItem("TBox")->Hints()), QStringList{"for all"});
    // A hint registered afterwards leaves the copied one as it was.
    RegisterPropertyHint("HintA", &TShape::StaticClass(), "too late");
    EXPECT_EQ(shape->Hints().Get(0), "for shapes");
}

TEST(DesignRegistry, ExplicitHintsFollowTheirNamesIntoSortedPlaces)
{
    RegisterDesignClass("", "KeyExplicit", TShape::StaticClass(), {"Width", "Align", "Width", "Top"}, {"Width"},
                        {"h1", "h2"}, false);
    const TRegControlItem* item = FindRegControlItem("KeyExplicit");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(ListOf(item->Properties()), (QStringList{"Align", "Top", "Width"}));
    EXPECT_EQ(ListOf(item->Hints()), (QStringList{"h2", "", "h1"}));
    EXPECT_EQ(ListOf(item->GeneralProperties()), QStringList{"Width"});
    EXPECT_EQ(item->ComponentClass(), &TShape::StaticClass());
}

TEST(DesignRegistry, PagesInOrderOfFirstUseAndRegisteringAgainReplacesInPlace)
{
    const int before = DesignerPages().Count();
    RegisterDesignClass("PageOne", "KeyP1", TShape::StaticClass(), {}, {}, {}, true);
    RegisterDesignClass("PageTwo", "KeyP2", TShape::StaticClass(), {}, {}, {}, true);
    RegisterDesignClass("pageone", "KeyP3", TShape::StaticClass(), {}, {}, {}, true);
    RegisterDesignClass("PageOne", "KeyHidden", TShape::StaticClass(), {}, {}, {}, false);
    ASSERT_EQ(DesignerPages().Count(), before + 2);
    TDesignerPage* one = DesignerPages().FindPage("PAGEONE");
    ASSERT_NE(one, nullptr);
    EXPECT_EQ(DesignerPages().GetPage(before), one);
    ASSERT_EQ(one->Count(), 2);
    EXPECT_EQ(one->GetItem(0)->Name(), "KeyP1");
    EXPECT_EQ(one->GetItem(1)->Name(), "KeyP3");
    EXPECT_NE(FindRegControlItem("KeyHidden"), nullptr);

    // A second start registers everything again: the page does not grow.
    RegisterDesignClass("PageOne", "KeyP1", TShape::StaticClass(), {"Left"}, {}, {}, true);
    ASSERT_EQ(one->Count(), 2);
    EXPECT_EQ(one->GetItem(0), FindRegControlItem("KeyP1"));
    EXPECT_EQ(ListOf(one->GetItem(0)->Properties()), QStringList{"Left"});
    // Moved to another page, or off the palette.
    RegisterDesignClass("PageTwo", "KeyP3", TShape::StaticClass(), {}, {}, {}, true);
    EXPECT_EQ(one->Count(), 1);
    EXPECT_EQ(DesignerPages().FindPage("PageTwo")->Count(), 2);
    RegisterDesignClass("PageTwo", "KeyP2", TShape::StaticClass(), {}, {}, {}, false);
    EXPECT_EQ(DesignerPages().FindPage("PageTwo")->Count(), 1);
    EXPECT_EQ(DesignerPages().FindPage("nowhere"), nullptr);
}

TEST(DesignRegistry, LookUpByTheComponentsOwnClass)
{
    RegisterDesignClass("", "TTicker", TTicker::StaticClass(), {"Name"}, {}, {}, false);
    TTicker ticker(nullptr);
    EXPECT_EQ(FindRegControlItem(&ticker), FindRegControlItem("TTicker"));
    EXPECT_EQ(FindRegControlItem(static_cast<const TComponent*>(nullptr)), nullptr);
    EXPECT_EQ(FindRegControlItem("TUnknownClass"), nullptr);
}

TEST(DesignRegistry, AClassWhoseNameIsTakenLeavesThePagesAsTheyWere)
{
    RegisterClass(TShape::StaticClass());
    EXPECT_EQ(classlib::test::ErrorOf<EFilerError>([] {
                  RegisterDesignClass("TwinPage", "TShapeTwin", TShapeTwin::StaticClass(), {"Name"}, {}, {}, true);
              }),
              QStringLiteral("A class named TShape already exists"));
    EXPECT_EQ(DesignerPages().FindPage("TwinPage"), nullptr);
    EXPECT_EQ(FindRegControlItem("TShapeTwin"), nullptr);

    // Registered again under a key it holds: the old entry stays in place.
    RegisterDesignClass("TwinPage2", "KeyTwin", TBox::StaticClass(), {"Name"}, {}, {}, true);
    EXPECT_THROW(RegisterDesignClass("TwinPage2", "KeyTwin", TShapeTwin::StaticClass(), {"Name"}, {}, {}, true),
                 EFilerError);
    const TDesignerPage* page = DesignerPages().FindPage("TwinPage2");
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->Count(), 1);
    EXPECT_EQ(page->GetItem(0), FindRegControlItem("KeyTwin"));
    EXPECT_EQ(page->GetItem(0)->ComponentClass(), &TBox::StaticClass());
}

TEST(DesignRegistry, TakingAClassBackTakesExactlyThatClass)
{
    RegisterPropertyHint("GoneHint", nullptr, "going");
    UnregisterPropertyHint("GoneHint", nullptr);
    EXPECT_EQ(PropertyHints().IndexOf("GoneHint"), -1);
    UnregisterPropertyHint("NeverRegistered", &TShape::StaticClass());

    const int pages = DesignerPages().Count();
    RegisterDesignClass("LonePage", "TLoneBox", TLoneBox::StaticClass(), {"Name"}, {}, {}, true);
    ASSERT_NE(DesignerPages().FindPage("LonePage"), nullptr);
    // Another class's take-back under that key leaves the entry and the class.
    UnregisterDesignClass("TLoneBox", TShapeTwin::StaticClass());
    EXPECT_NE(FindRegControlItem("TLoneBox"), nullptr);
    EXPECT_EQ(GetClass("TLoneBox"), &TLoneBox::StaticClass());

    UnregisterDesignClass("tlonebox", TLoneBox::StaticClass());
    EXPECT_EQ(FindRegControlItem("TLoneBox"), nullptr);
    EXPECT_EQ(GetClass("TLoneBox"), nullptr);
    // The page it stood on alone goes with it.
    EXPECT_EQ(DesignerPages().FindPage("LonePage"), nullptr);
    EXPECT_EQ(DesignerPages().Count(), pages);
    UnregisterDesignClass("TLoneBox", TLoneBox::StaticClass());
}

TEST(DesignRegistry, AComponentOfANamesakeClassHasNoEntry)
{
    RegisterDesignClass("", "TShape", TShape::StaticClass(), {"Name"}, {}, {}, false);
    TShapeTwin twin(nullptr);
    TShape shape(nullptr);
    EXPECT_EQ(FindRegControlItem(&twin), nullptr);
    EXPECT_EQ(FindRegControlItem(&shape), FindRegControlItem("TShape"));
}

} // namespace
} // namespace designer_framework::test
