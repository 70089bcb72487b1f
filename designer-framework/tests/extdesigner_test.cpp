// The designer hook: its message filter, capsules, inspector forwarding,
// names, selection, grid, and the operations it refuses.

#include "fakes.h"

#include "designer-framework/alignsizeform.h"
#include "designer-framework/borderpoint.h"
#include "designer-framework/capsule.h"
#include "designer-framework/extdesigner.h"

#include "classlib/core/classbuilder.h"
#include "classlib/core/componentlist.h"
#include "classlib/design/selectionlist.h"
#include "classlib/core/sysutils.h"
#include "classlib/tests/errorof.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

namespace designer_framework::test {
namespace {

using classlib::test::ErrorOf;

class TGnElement : public TComponent {
    QX_CLASS(TGnElement, TComponent)
public:
    using TComponent::TComponent;
};
class TGnShape : public TGnElement {
    QX_CLASS(TGnShape, TGnElement)
public:
    using TGnElement::TGnElement;
};
class TGnLabel : public TGnElement {
    QX_CLASS(TGnLabel, TGnElement)
public:
    using TGnElement::TGnElement;
};

const TClassInfo& TGnElement::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TGnElement>("TGnElement").Build();
    return info;
}
const TClassInfo& TGnShape::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TGnShape>("TGnShape").Build();
    return info;
}
const TClassInfo& TGnLabel::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TGnLabel>("TGnLabel").Build();
    return info;
}

// A surface bound to a hook that knows an inspector window (or none).
class ExtDesignerTest : public ::testing::Test {
protected:
    void Bind(TExtDesigner* ADesigner)
    {
        Designer.reset(ADesigner);
        Designer->SetForm(Surface.get());
        Surface->SetDesigner(Designer.get());
    }
    void SetUp() override { Bind(new TExtDesigner(Inspector.get())); }
    void TearDown() override
    {
        Surface.reset();
        Designer.reset();
    }

    // Joins the surface named and whole, as a reader's components do.
    template <class T = TComponent>
    T* Add(const QString& Name)
    {
        T* c = new T(nullptr);
        c->SetName(Name);
        Surface->InsertComponent(c);
        return c;
    }

    QStringList Log;
    std::unique_ptr<TFakeInspector> Inspector = std::make_unique<TFakeInspector>(Log);
    std::unique_ptr<TFakeSurface> Surface = std::make_unique<TFakeSurface>(Log);
    std::unique_ptr<TExtDesigner> Designer;
};

// ---------------------------------------------------------------------------
// Message filter

struct TFilterCase {
    const char* Name;
    unsigned Msg;
    bool ToSurface;  // sent to the surface instead of the child
    bool Selected;
    bool Claims;
    bool Consumed;
};

TEST_F(ExtDesignerTest, MessageFilter)
{
    const std::vector<TFilterCase> cases = {
        {"a key to a child is taken", WM_KEYDOWN, false, false, false, true},
        {"a character is taken", WM_CHAR, false, false, false, true},
        {"the last keyboard message is taken", WM_KEYLAST, false, false, false, true},
        {"past the keyboard range passes", WM_KEYLAST + 1, false, false, false, false},
        {"a key to a selected claiming child is taken", WM_KEYDOWN, false, true, true, true},
        {"a paint is taken", WM_PAINT, false, false, false, true},
        {"a focus change passes", WM_SETFOCUS, false, false, false, false},
        {"a mouse move is taken", WM_MOUSEMOVE, false, false, false, true},
        {"the wheel is taken", WM_MOUSEWHEEL, false, false, false, true},
        {"past the mouse range passes", WM_MOUSEWHEEL + 1, false, false, false, false},
        {"a click on an unselected claiming child is taken", WM_LBUTTONDOWN, false, false, true, true},
        {"a click on a selected child that does not claim it is taken", WM_LBUTTONDOWN, false, true, false, true},
        {"a click on a selected claiming child reaches it", WM_LBUTTONDOWN, false, true, true, false},
        {"the surface's own key passes", WM_KEYDOWN, true, false, false, false},
        {"the surface's own click passes", WM_LBUTTONDOWN, true, false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        auto* child = new TClaimingControl(Surface.get(), Surface.get(), Log);
        child->SetName("Child");
        child->Claims = c.Claims;
        if (c.Selected) Surface->SetSelection({child});
        Log.clear();

        TControl* target = c.ToSurface ? static_cast<TControl*>(Surface.get()) : child;
        TMessage m{c.Msg, 0, MakeLParam(3, 4), 0};
        EXPECT_EQ(Designer->IsDesignMsg(target, m), c.Consumed);
        if (c.Consumed)
            EXPECT_EQ(Log, QStringList{QString("design Child 0x%1").arg(c.Msg, 0, 16)});
        else
            EXPECT_TRUE(Log.filter("design").isEmpty()) << Log.join(", ").toStdString();

        // Through the control's own message entry: the child sees only what
        // is not taken.
        if (!c.ToSurface) {
            Log.clear();
            child->Perform(c.Msg, 0, MakeLParam(3, 4));
            EXPECT_EQ(Log.contains(QString("control 0x%1").arg(c.Msg, 0, 16)), !c.Consumed);
        }
        Surface->SetSelection({});
        delete child;
    }
}

TEST_F(ExtDesignerTest, MessageFilterWithoutSurfaceTakesNothing)
{
    TExtDesigner loose(Inspector.get());
    TClaimingControl child(nullptr, Surface.get(), Log);
    TMessage m{WM_KEYDOWN, 0, 0, 0};
    EXPECT_FALSE(loose.IsDesignMsg(&child, m));
}

// ---------------------------------------------------------------------------
// Notifications and capsules

TEST_F(ExtDesignerTest, InsertionWhileLoadingMakesNoCapsuleAndAfterwardsOne)
{
    Surface->IncludeState(csLoading);
    TComponent* timer = Add("Timer1");
    EXPECT_EQ(Surface->CapsuleCount(), 0);
    Surface->ExcludeState(csLoading);

    Surface->RemoveComponent(timer);
    Surface->InsertComponent(timer);
    EXPECT_EQ(Surface->CapsuleCount(), 1);
    // Told again: still one.
    Designer->Notification(timer, opInsert);
    EXPECT_EQ(Surface->CapsuleCount(), 1);
    auto* capsule = As<TCapsule>(Surface->ControlOfComponent(timer));
    ASSERT_NE(capsule, nullptr);
    EXPECT_EQ(capsule->Component(), timer);
    EXPECT_EQ(capsule->Parent(), Surface.get());
    EXPECT_TRUE(capsule->IsDesigning());
}

TEST_F(ExtDesignerTest, CapsuleStandsWhereTheDesignInformationSays)
{
    auto* timer = new TComponent(nullptr);
    timer->SetName("Timer1");
    timer->SetDesignInfo(qint32(200 * 65536 + 300));
    Surface->InsertComponent(timer);
    TControl* capsule = Surface->ControlOfComponent(timer);
    ASSERT_NE(capsule, nullptr);
    EXPECT_EQ(capsule->BoundsRect(), Bounds(300, 200, 28, 28));
}

TEST_F(ExtDesignerTest, RemovalTakesTheCapsuleAlong)
{
    TComponent* freed = Add("Freed1");
    TComponent* moved = Add("Moved1");
    ASSERT_EQ(Surface->CapsuleCount(), 2);
    delete freed;
    EXPECT_EQ(Surface->CapsuleCount(), 1);
    Surface->RemoveComponent(moved);
    EXPECT_EQ(Surface->CapsuleCount(), 0);
    delete moved;
}

TEST_F(ExtDesignerTest, CapsuleGoesWithItsComponentWhenNoHookHears)
{
    TComponent* timer = Add("Timer1");
    ASSERT_EQ(Surface->CapsuleCount(), 1);
    Surface->SetDesigner(nullptr);
    Designer->SetForm(nullptr);
    delete timer;
    EXPECT_EQ(Surface->CapsuleCount(), 0);
}

TEST_F(ExtDesignerTest, ControlsAndRefusedComponentsGetNoCapsule)
{
    auto* button = new TClaimingControl(nullptr, Surface.get(), Log);
    button->SetName("Button1");
    Surface->InsertComponent(button);
    EXPECT_EQ(Surface->CapsuleCount(), 0);
    // Made with the surface as owner, a control is heard of before it is
    // one; its stray capsule goes with the next turn of the event loop.
    auto* made = new TClaimingControl(Surface.get(), Surface.get(), Log);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(Surface->CapsuleCount(), 0);
    EXPECT_EQ(Surface->ControlOfComponent(made), made);
    // A component made the same way keeps its capsule.
    TComponent* timer = new TComponent(Surface.get());
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(Surface->CapsuleCount(), 1);
    delete timer;
    EXPECT_EQ(Surface->CapsuleCount(), 0);

    Bind(new TNoCapsuleDesigner(Inspector.get()));
    Add("Timer1");
    EXPECT_EQ(Surface->CapsuleCount(), 0);
}

TEST_F(ExtDesignerTest, InspectorHearsOfSurfaceComponentsOnly)
{
    TComponent* timer = Add("Timer1");
    // Joining checks the name first.
    EXPECT_EQ(Log, (QStringList{"inspector rename Timer1 Timer1", "inspector insert Timer1"}));
    Log.clear();
    TComponent foreign(nullptr);
    foreign.SetName("Foreign");
    TFakeSurface other(Log);
    other.SetName("Other");
    Designer->Notification(&foreign, opInsert);
    Designer->Notification(&other, opInsert);
    Designer->Notification(Surface.get(), opInsert);
    delete timer;
    EXPECT_EQ(Log, (QStringList{"inspector insert Other", "inspector insert Surface", "inspector remove Timer1"}));
    // Other surfaces get no capsule.
    EXPECT_EQ(Surface->CapsuleCount(), 0);
}

TEST_F(ExtDesignerTest, WithoutInspectorCapsulesAreStillMade)
{
    Bind(new TExtDesigner(nullptr));
    TComponent* timer = Add("Timer1");
    EXPECT_EQ(Surface->CapsuleCount(), 1);
    timer->SetName("Timer2");
    Designer->Modified();
    delete timer;
    EXPECT_EQ(Surface->CapsuleCount(), 0);
    EXPECT_TRUE(Log.isEmpty()) << Log.join(" | ").toStdString();
}

// ---------------------------------------------------------------------------
// Modified, rename, align form

TEST_F(ExtDesignerTest, ModifiedRefreshesInspectorThenHandles)
{
    auto* shape = new TCustomControl(Surface.get());
    shape->SetParent(Surface.get());
    shape->SetBounds(10, 20, 100, 50);
    Surface->SelectOnly(shape);
    shape->SetLeft(30);
    Log.clear();
    Designer->Modified();
    EXPECT_EQ(Log, QStringList{"inspector modified"});
    EXPECT_EQ(Surface->Handles(0)->Left(), 26);
}

TEST_F(ExtDesignerTest, RenameIsPassedOnAndNeverRefused)
{
    TComponent* shape = Add("Shape1");
    Log.clear();
    shape->SetName("Outline");
    EXPECT_EQ(shape->Name(), "Outline");
    EXPECT_EQ(Log, QStringList{"inspector rename Shape1 Outline"});
}

TEST_F(ExtDesignerTest, AlignFormFollowsThisSurface)
{
    TAlignSizeForm align(nullptr);
    EXPECT_EQ(Designer->GetAlignForm(), nullptr);
    Designer->SetAlignForm(&align);
    EXPECT_EQ(Designer->GetAlignForm(), &align);
    EXPECT_EQ(Inspector->AlignForm(), &align);
    EXPECT_EQ(align.Surface(), Surface.get());

    TExtDesigner lonely(nullptr);
    TAlignSizeForm other(nullptr);
    lonely.SetAlignForm(&other);
    EXPECT_EQ(lonely.GetAlignForm(), nullptr);
    EXPECT_EQ(other.Surface(), nullptr);
}

TEST_F(ExtDesignerTest, FreedFormsLeaveNoDanglingReferences)
{
    auto* align = new TAlignSizeForm(nullptr);
    Designer->SetAlignForm(align);
    Inspector->SetActiveSurface(Surface.get());
    delete align;
    EXPECT_EQ(Designer->GetAlignForm(), nullptr);

    auto other = std::make_unique<TAlignSizeForm>(nullptr);
    other->SetSurface(Surface.get());
    Surface.reset();
    EXPECT_EQ(Inspector->ActiveSurface(), nullptr);
    EXPECT_EQ(other->Surface(), nullptr);
    EXPECT_EQ(Designer->Surface(), nullptr);
}

TEST_F(ExtDesignerTest, FreedInspectorIsToldNothing)
{
    Inspector.reset();
    EXPECT_EQ(Designer->InspectorForm(), nullptr);
    TComponent* timer = Add("Timer1");
    Designer->Modified();
    delete timer;
    EXPECT_TRUE(Log.isEmpty()) << Log.join(" | ").toStdString();
}

// ---------------------------------------------------------------------------
// Names

struct TUniqueNameCase {
    const char* Name;
    QStringList Existing;
    QString Base;
    QString Expected;
};

TEST_F(ExtDesignerTest, UniqueName)
{
    const std::vector<TUniqueNameCase> cases = {
        {"none taken", {}, "Shape", "Shape1"},
        {"the gap between taken names", {"Shape1", "Shape3"}, "Shape", "Shape2"},
        {"past a run", {"Shape1", "Shape2", "Shape3"}, "Shape", "Shape4"},
        {"letter case does not make a name free", {"SHAPE1"}, "Shape", "Shape2"},
        {"the base name itself does not count", {"Shape"}, "Shape", "Shape1"},
        {"other bases do not count", {"Label1"}, "Shape", "Shape1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        std::vector<std::unique_ptr<TComponent>> made;
        Bind(new TNoCapsuleDesigner(nullptr));
        for (const QString& n : c.Existing) made.emplace_back(Add(n));
        EXPECT_EQ(Designer->UniqueName(c.Base), c.Expected);
    }
}

TEST_F(ExtDesignerTest, ComponentNamesOfAClassAndItsDescendants)
{
    Bind(new TNoCapsuleDesigner(nullptr));
    Add<TGnShape>("Shape1");
    Add<TGnLabel>("Label1");
    Add<TComponent>("Plain1");
    Add<TGnElement>("Element1");
    Add<TGnShape>("Shape2");

    auto namesOf = [this](const TTypeInfo* Type) {
        QStringList names;
        Designer->GetComponentNames(Type, [&names](const QString& S) { names << S; });
        return names;
    };
    EXPECT_EQ(namesOf(TypeInfo<TGnShape*>()), (QStringList{"Shape1", "Shape2"}));
    EXPECT_EQ(namesOf(TypeInfo<TGnElement*>()), (QStringList{"Shape1", "Label1", "Element1", "Shape2"}));
    EXPECT_EQ(namesOf(TypeInfo<TComponent*>()), (QStringList{"Shape1", "Label1", "Plain1", "Element1", "Shape2"}));
    EXPECT_EQ(namesOf(TypeInfo<int>()), QStringList{});
    EXPECT_EQ(namesOf(nullptr), QStringList{});
}

TEST_F(ExtDesignerTest, ComponentByNameAndNameOfComponent)
{
    TComponent* shape = Add("Shape1");
    EXPECT_EQ(Designer->GetComponent("shape1"), shape);
    EXPECT_EQ(Designer->GetComponent("Shape2"), nullptr);
    EXPECT_EQ(Designer->GetComponentName(shape), "Shape1");
    EXPECT_EQ(Designer->GetComponentName(nullptr), "");
}

// ---------------------------------------------------------------------------
// Selection

TEST_F(ExtDesignerTest, SelectionsInOrderOrTheSurfaceAlone)
{
    TDesignerSelectionList list;
    Designer->GetSelections(&list);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Items(0), Surface.get());

    TComponent* a = Add("A1");
    TComponent* b = Add("B1");
    Surface->SetSelection({b, a});
    TDesignerSelectionList two;
    Designer->GetSelections(&two);
    ASSERT_EQ(two.Count(), 2);
    EXPECT_EQ(two.Items(0), b);
    EXPECT_EQ(two.Items(1), a);
}

TEST_F(ExtDesignerTest, SelectComponentReplacesTheSelection)
{
    TComponent* a = Add("A1");
    TComponent* b = Add("B1");
    Surface->SetSelection({a});
    Log.clear();
    Designer->SelectComponent(b);
    EXPECT_TRUE(Log.isEmpty()) << Log.join(" | ").toStdString();
    EXPECT_EQ(Surface->Selection(), QList<TComponent*>{b});
}

TEST_F(ExtDesignerTest, SelectionChangedAndAcceptsComponentDefaults)
{
    TComponentList list;
    Designer->SelectionChanged(&list);
    EXPECT_TRUE(Log.isEmpty());
    TComponent c(nullptr);
    EXPECT_TRUE(Designer->AcceptsComponent(&c));
}

// ---------------------------------------------------------------------------
// Grid

struct TGridCase {
    const char* Name;
    int GridX, GridY;
    int Dots;
};

TEST_F(ExtDesignerTest, GridStepOfZeroIsRefused)
{
    Surface->SetGridX(4);
    EXPECT_THROW(Surface->SetGridX(0), EInvalidOperation);
    EXPECT_THROW(Surface->SetGridY(0), EInvalidOperation);
    EXPECT_EQ(Surface->GridX(), 4);
    EXPECT_EQ(Surface->GridY(), 8);
}

TEST_F(ExtDesignerTest, GridDots)
{
    const std::vector<TGridCase> cases = {
        {"8 by 8 on 100 x 50", 8, 8, 13 * 7},
        {"10 by 25: the dots on the far edges fall outside", 10, 25, 10 * 2},
        {"a step of 1 across draws nothing", 1, 8, 0},
        {"a step of 1 down draws nothing", 8, 1, 0},
    };
    Surface->SetBounds(0, 0, 100, 50);
    Surface->SetColor(clWhite);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Surface->SetGridX(quint8(c.GridX));
        Surface->SetGridY(quint8(c.GridY));
        const QImage image = Surface->Widget()->grab().toImage();
        ASSERT_EQ(image.size(), QSize(100, 50));
        int dots = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == QColor(Qt::black)) ++dots;
        EXPECT_EQ(dots, c.Dots);
        if (c.Dots > 0) {
            EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::black));
            EXPECT_EQ(image.pixelColor(c.GridX, c.GridY), QColor(Qt::black));
            EXPECT_EQ(image.pixelColor(1, 0), QColor(Qt::white));
        }
    }
}

// ---------------------------------------------------------------------------
// Refused operations

struct TRefusedCase {
    int Number;
    std::function<void(TExtDesigner&)> Call;
};

TEST_F(ExtDesignerTest, UnservedOperationsRaiseTheirNumbers)
{
    TMethod method;
    TDesignerSelectionList list;
    const std::vector<TRefusedCase> cases = {
        {1, [](TExtDesigner& d) { d.CreateMethod("Click", nullptr); }},
        {2, [&](TExtDesigner& d) { d.GetMethodName(method); }},
        {3, [](TExtDesigner& d) { d.GetMethods(nullptr, [](const QString&) {}); }},
        {4, [](TExtDesigner& d) { d.GetPrivateDirectory(); }},
        {6, [](TExtDesigner& d) { d.MethodExists("Click"); }},
        {7, [](TExtDesigner& d) { d.RenameMethod("A", "B"); }},
        {9, [&](TExtDesigner& d) { d.SetSelections(&list); }},
        {10, [](TExtDesigner& d) { d.ShowMethod("Click"); }},
        {15, [](TExtDesigner& d) { d.GetObject("A"); }},
        {16, [](TExtDesigner& d) { d.GetObjectName(nullptr); }},
        {17, [](TExtDesigner& d) { d.GetObjectNames(nullptr, [](const QString&) {}); }},
        {18, [&](TExtDesigner& d) { d.MethodFromAncestor(method); }},
        {19, [](TExtDesigner& d) { d.CreateComponent(TComponent::StaticClass(), nullptr, 0, 0, 10, 10); }},
        {20, [](TExtDesigner& d) { d.IsComponentLinkable(nullptr); }},
        {21, [](TExtDesigner& d) { d.MakeComponentLinkable(nullptr); }},
        {22, [](TExtDesigner& d) { d.GetRoot(); }},
        {23, [](TExtDesigner& d) { d.Revert(nullptr, nullptr); }},
        {24, [](TExtDesigner& d) { d.GetIsDormant(); }},
        {25, [](TExtDesigner& d) { d.HasInterface(); }},
        {26, [](TExtDesigner& d) { d.HasInterfaceMember("A"); }},
        {27, [](TExtDesigner& d) { d.AddInterfaceMember("A"); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Number);
        EXPECT_EQ(ErrorOf([&] { c.Call(*Designer); }), QString("Internal Error N33 %1").arg(c.Number));
    }
    // Through the interface, the same.
    classlib::TFormDesigner& base = *Designer;
    EXPECT_EQ(ErrorOf([&] { base.GetRoot(); }), "Internal Error N33 22");
    EXPECT_TRUE(Log.isEmpty());
}

} // namespace
} // namespace designer_framework::test
