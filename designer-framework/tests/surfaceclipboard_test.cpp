// Cut, copy, paste and delete on a surface, through the system clipboard.

#include "clipclasses.h"
#include "fakes.h"

#include "designer-framework/capsule.h"
#include "designer-framework/extdesigner.h"

#include "classlib/core/classregistry.h"
#include "classlib/core/sysutils.h"
#include "classlib/system/clipboard.h"
#include "classlib/tests/errorof.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>

#include <functional>
#include <memory>
#include <vector>

namespace designer_framework::test {
namespace {

using classlib::test::ErrorOf;

// Lines of the clipboard text that open an object, with their indent.
QStringList ObjectLines()
{
    QStringList lines;
    for (QByteArray line : Clipboard().AsText().split('\n')) {
        if (line.endsWith('\r')) line.chop(1);
        if (line.trimmed().startsWith("object ")) lines << QString::fromLatin1(line);
    }
    return lines;
}

class SurfaceClipboardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Surface->SetInspector(new TExtDesigner(Inspector.get()));
        Clipboard().SetAsText("untouched");
    }

    template <class T>
    T* Add(const QString& Name, TWinControl* Parent, int Left, int Top)
    {
        auto* c = new T(Surface.get());
        c->SetName(Name);
        c->SetParent(Parent);
        c->SetBounds(Left, Top, 20, 10);
        return c;
    }

    TClipThing* AddThing(const QString& Name)
    {
        auto* c = new TClipThing(Surface.get());
        c->SetName(Name);
        // Its capsule comes once the component is whole, with the event loop.
        QCoreApplication::processEvents();
        return c;
    }

    template <class T = TControl>
    T* Find(const QString& Name) const
    {
        return As<T>(Surface->FindComponent(Name));
    }

    TRegisteredClipClasses Classes;
    QStringList Log;
    std::unique_ptr<TFakeInspector> Inspector = std::make_unique<TFakeInspector>(Log);
    std::unique_ptr<TFakeSurface> Surface = std::make_unique<TFakeSurface>(Log);
};

// ---------------------------------------------------------------------------
// Copy and paste

TEST_F(SurfaceClipboardTest, PanelWithTwoChildrenTravelsAsOneObjectAndPastesOffsetByTheGrid)
{
    auto* panel = Add<TClipPanel>("Panel1", Surface.get(), 16, 24);
    Add<TClipShape>("Shape1", panel, 1, 2);
    Add<TClipShape>("Shape2", panel, 3, 4);
    Surface->SelectOnly(panel);
    Surface->CopySelection();
    EXPECT_EQ(ObjectLines(), (QStringList{"object Panel1: TClipPanel", "  object Shape1: TClipShape",
                                          "  object Shape2: TClipShape"}));

    // With the panel still selected the copy would go into it.
    Surface->UnselectAll();
    ASSERT_TRUE(Surface->CanPaste());
    Surface->PasteFromClipboard();
    auto* first = Find<TWinControl>("TClipPanel1");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Parent(), Surface.get());
    EXPECT_EQ(first->Left(), 24);
    EXPECT_EQ(first->Top(), 32);
    ASSERT_EQ(first->ControlCount(), 2);
    EXPECT_EQ(first->Controls(0)->Name(), "TClipShape1");
    EXPECT_EQ(first->Controls(1)->Name(), "TClipShape2");
    EXPECT_EQ(first->Controls(0)->Left(), 1);

    Surface->PasteFromClipboard();
    auto* second = Find("TClipPanel2");
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->Left(), 32);
    EXPECT_EQ(second->Top(), 40);
    EXPECT_EQ(Surface->SelectionCount(), 0);

    // Into the selected panel, which stays the selection.
    Surface->SelectOnly(panel);
    Surface->PasteFromClipboard();
    auto* third = Find("TClipPanel3");
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(third->Parent(), panel);
    EXPECT_EQ(Surface->Selection(), QList<TComponent*>{panel});
}

TEST_F(SurfaceClipboardTest, CopyOrCutAndPasteOfNestedContainersKeepsEveryComponentOnce)
{
    struct TCase {
        const char* Name;
        bool Cut;
    };
    for (const TCase c : {TCase{"copy and paste", false}, TCase{"cut and paste", true}}) {
        SCOPED_TRACE(c.Name);
        Surface = std::make_unique<TFakeSurface>(Log);
        Surface->SetInspector(new TExtDesigner(Inspector.get()));
        // Containers that stream their children, in one that does not.
        auto* panel = Add<TClipPanel>("Panel", Surface.get(), 0, 0);
        auto* box = Add<TClipBox>("Box", panel, 0, 0);
        auto* inner = Add<TClipBox>("Inner", box, 0, 0);
        Add<TClipShape>("Deep", inner, 0, 0);
        Add<TClipButton>("Button", panel, 0, 30);
        auto* other = Add<TClipBox>("Other", Surface.get(), 100, 0);
        Add<TClipShape>("Lone", other, 0, 0);
        const int before = Surface->ComponentCount();
        Surface->SetSelection({panel, other});
        if (c.Cut)
            Surface->CutSelection();
        else
            Surface->CopySelection();
        EXPECT_EQ(ObjectLines(),
                  (QStringList{"object Panel: TClipPanel", "  object Box: TClipBox", "    object Inner: TClipBox",
                               "      object Deep: TClipShape", "  object Button: TClipButton",
                               "object Other: TClipBox", "  object Lone: TClipShape"}));
        Surface->UnselectAll();
        Surface->PasteFromClipboard();
        EXPECT_EQ(Surface->ComponentCount(), c.Cut ? before : 2 * before);
        // Each child in its own parent, once.
        auto* deep = Find(c.Cut ? "Deep" : "TClipShape1");
        ASSERT_NE(deep, nullptr);
        EXPECT_EQ(deep->Parent()->ControlCount(), 1);
        EXPECT_EQ(deep->Parent()->Parent()->ControlCount(), 1);
    }
}

TEST_F(SurfaceClipboardTest, PastedControlsTakeFreeCornersAsStored)
{
    // Each of these comes to the surface's top-left corner, where nothing
    // stands; the second one finds the first there.
    Clipboard().SetAsText("object A: TClipShape\nend\nobject B: TClipButton\nend\n");
    Surface->PasteFromClipboard();
    QCoreApplication::processEvents();
    ASSERT_TRUE(Find("A") && Find("B"));
    EXPECT_EQ(Find("A")->Left(), 0);
    EXPECT_EQ(Find("A")->Top(), 0);
    EXPECT_EQ(Find("B")->Left(), 8);
    EXPECT_EQ(Find("B")->Top(), 8);
    EXPECT_EQ(Surface->CapsuleCount(), 0);
}

TEST_F(SurfaceClipboardTest, ThreeControlsTravelInSelectionOrder)
{
    auto* a = Add<TClipShape>("A", Surface.get(), 0, 0);
    auto* b = Add<TClipShape>("B", Surface.get(), 40, 0);
    auto* c = Add<TClipButton>("C", Surface.get(), 80, 0);
    Surface->SetSelection({c, a, b});
    Surface->CopySelection();
    EXPECT_EQ(ObjectLines(),
              (QStringList{"object C: TClipButton", "object A: TClipShape", "object B: TClipShape"}));
    const int before = Surface->ComponentCount();
    Surface->PasteFromClipboard();
    EXPECT_EQ(Surface->ComponentCount(), before + 3);
    EXPECT_EQ(Surface->Components(before)->Name(), "TClipButton1");
    EXPECT_EQ(Surface->Components(before + 1)->Name(), "TClipShape1");
    EXPECT_EQ(Surface->Components(before + 2)->Name(), "TClipShape2");
}

TEST_F(SurfaceClipboardTest, FreeNamesAreKeptOnAnotherSurface)
{
    auto* shape = Add<TClipShape>("Shape7", Surface.get(), 5, 5);
    Surface->SelectOnly(shape);
    Surface->CopySelection();
    QStringList otherLog;
    TFakeSurface other(otherLog);
    other.PasteFromClipboard();
    auto* copy = As<TControl>(other.FindComponent("Shape7"));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Left(), 5);
    EXPECT_EQ(copy->Parent(), &other);
}

TEST_F(SurfaceClipboardTest, NonVisualComponentsCopyAndPasteWithCapsules)
{
    TClipThing* thing = AddThing("Thing1");
    thing->Caption = "kept";
    Surface->SelectOnly(thing);
    Surface->CopySelection();
    EXPECT_EQ(ObjectLines(), QStringList{"object Thing1: TClipThing"});
    Surface->PasteFromClipboard();
    auto* copy = As<TClipThing>(Surface->FindComponent("TClipThing1"));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Caption, "kept");
    EXPECT_NE(As<TCapsule>(Surface->ControlOfComponent(copy)), nullptr);
}

struct TParentCase {
    const char* Name;
    const char* Selected;  // nil: nothing selected
    const char* Parent;    // where the paste goes
};

TEST_F(SurfaceClipboardTest, PasteGoesIntoTheSelectedPanelOrBesideTheSelection)
{
    const std::vector<TParentCase> cases = {
        {"nothing selected", nullptr, "Surface"},
        {"a panel that takes controls", "Panel", "Panel"},
        {"a windowed control that takes none: its parent", "Button", "Panel"},
        {"a control without a window", "Shape", "Surface"},
        {"a control without a window inside a panel", "Inner", "Surface"},
        {"a non-visual component's capsule", "Thing", "Surface"},
        {"the surface itself", "Surface", "Surface"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Surface = std::make_unique<TFakeSurface>(Log);
        Surface->SetInspector(new TExtDesigner(Inspector.get()));
        auto* panel = Add<TClipPanel>("Panel", Surface.get(), 100, 100);
        Add<TClipButton>("Button", panel, 1, 1);
        Add<TClipShape>("Shape", Surface.get(), 50, 50);
        Add<TClipShape>("Inner", panel, 30, 1);
        AddThing("Thing");
        Clipboard().SetAsText("object Pasted: TClipShape\n  Left = 200\n  Top = 200\nend\n");
        if (c.Selected)
            Surface->SelectOnly(QByteArray(c.Selected) == "Surface" ? Surface.get()
                                                                   : Surface->FindComponent(c.Selected));
        Surface->PasteFromClipboard();
        auto* pasted = Find("Pasted");
        ASSERT_NE(pasted, nullptr);
        ASSERT_NE(pasted->Parent(), nullptr);
        EXPECT_EQ(pasted->Parent()->Name(), c.Parent);
    }
}

TEST_F(SurfaceClipboardTest, ComponentWithoutCapsuleIsShownByTheSurfaceAndPastesOntoIt)
{
    auto* panel = Add<TClipPanel>("Panel", Surface.get(), 0, 0);
    Surface->SetInspector(new TNoCapsuleDesigner(Inspector.get()));
    TClipThing* thing = AddThing("Hidden");
    ASSERT_EQ(Surface->ControlOfComponent(thing), nullptr);
    Surface->SelectOnly(thing);
    ASSERT_EQ(Surface->GetSelected(0), Surface.get());
    Clipboard().SetAsText("object Pasted: TClipShape\nend\n");
    Surface->PasteFromClipboard();
    auto* pasted = Find("Pasted");
    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(pasted->Parent(), Surface.get());
    EXPECT_EQ(panel->ControlCount(), 0);
}

// ---------------------------------------------------------------------------
// What does not paste

struct TGarbageCase {
    const char* Name;
    QString Text;
};

TEST_F(SurfaceClipboardTest, TextThatIsNoComponentPastesNothingAndRaisesNothing)
{
    const std::vector<TGarbageCase> cases = {
        {"empty", ""},
        {"prose", "Dear reader,\nthis is no component.\n"},
        {"a keyword alone", "object"},
        {"no end", "object A: TClipShape\n  Left = 1\n"},
        {"a value that does not parse", "object A: TClipShape\n  Left = (\nend\n"},
        {"text the code page lacks", QString::fromUtf8("object A: TClipShape\n  Hint = '\xE4\xB8\xAD'\nend\n")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        QGuiApplication::clipboard()->setText(c.Text);
        const int before = Surface->ComponentCount();
        bool can = true;
        EXPECT_EQ(ErrorOf([&] { can = Surface->CanPaste(); }), "<no error>");
        EXPECT_FALSE(can);
        EXPECT_EQ(ErrorOf([&] { Surface->PasteFromClipboard(); }), "<no error>");
        EXPECT_EQ(Surface->ComponentCount(), before);
    }
}

struct TKeptCase {
    const char* Name;
    const char* Text;
    const char* Selected;  // nil: nothing selected
    const char* Message;   // of the designer that keeps panels, boxes and shapes
    int Pasted;            // components a designer that keeps everything adds
};

TEST_F(SurfaceClipboardTest, PasteOfAClassTheDesignerDoesNotKeepIsRefusedAndChangesNothing)
{
    const std::vector<TKeptCase> cases = {
        {"a windowed control", "object B: TClipButton\nend\n", nullptr,
         "Class TClipButton cannot be pasted into TControlDesigner", 1},
        {"a non-visual component", "object T: TClipThing\nend\n", nullptr,
         "Class TClipThing cannot be pasted into TControlDesigner", 1},
        {"one inside a kept panel", "object P: TClipPanel\n  object B: TClipButton\n  end\nend\n", nullptr,
         "Class TClipButton cannot be pasted into TClipPanel", 2},
        {"one deep inside kept boxes",
         "object X: TClipBox\n  object Y: TClipBox\n    object T: TClipThing\n    end\n  end\nend\n", nullptr,
         "Class TClipThing cannot be pasted into TClipBox", 3},
        {"one after a kept shape", "object S: TClipShape\nend\nobject B: TClipButton\nend\n", nullptr,
         "Class TClipButton cannot be pasted into TControlDesigner", 2},
        {"one into the selected panel", "object B: TClipButton\nend\n", "Panel",
         "Class TClipButton cannot be pasted into TClipPanel", 1},
    };
    const QList<const TClassInfo*> kept = {&TClipPanel::StaticClass(), &TClipBox::StaticClass(),
                                           &TClipShape::StaticClass()};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        for (bool keepsAll : {false, true}) {
            SCOPED_TRACE(keepsAll ? "a designer that keeps every class" : "a designer that keeps a few");
            Surface = std::make_unique<TFakeSurface>(Log);
            Surface->SetInspector(keepsAll ? new TExtDesigner(Inspector.get())
                                           : new TKeepingDesigner(Inspector.get(), kept));
            auto* panel = Add<TClipPanel>("Panel", Surface.get(), 0, 0);
            Add<TClipShape>("Shape", panel, 0, 0);
            if (c.Selected) Surface->SelectOnly(Surface->FindComponent(c.Selected));
            Clipboard().SetAsText(c.Text);
            ASSERT_TRUE(Surface->CanPaste());
            const int components = Surface->ComponentCount();
            const int controls = Surface->ControlCount();
            const QString error = ErrorOf([&] { Surface->PasteFromClipboard(); });
            if (keepsAll) {
                EXPECT_EQ(error, "<no error>");
                EXPECT_EQ(Surface->ComponentCount(), components + c.Pasted);
                continue;
            }
            EXPECT_EQ(error, c.Message);
            EXPECT_EQ(Surface->ComponentCount(), components);
            EXPECT_EQ(Surface->ControlCount(), controls);
            EXPECT_EQ(panel->ControlCount(), 1);
        }
    }
}

TEST_F(SurfaceClipboardTest, LaterObjectThatFailsRaisesAndLeavesTheSurfaceAsItWas)
{
    RegisterClass(TControlDesigner::StaticClass());
    const struct {
        const char* Name;
        const char* Text;
        const char* Message;
    } cases[] = {
        {"a later object that does not parse", "object A: TClipShape\nend\nobject B: TClipShape\n  Left = \n",
         "<any>"},
        {"an unknown class", "object A: TClipShape\nend\nobject B: TNoSuch\nend\n", "Class TNoSuch not found"},
        {"a design surface", "object A: TClipShape\nend\nobject B: TControlDesigner\nend\n",
         "Class TControlDesigner cannot be pasted"},
        {"an existing component", "object A: TClipShape\nend\ninherited Old: TClipShape\n  Left = 50\nend\n",
         "Inherited component Old cannot be pasted"},
    };
    auto* old = Add<TClipShape>("Old", Surface.get(), 3, 4);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Clipboard().SetAsText(c.Text);
        ASSERT_TRUE(Surface->CanPaste());
        const int components = Surface->ComponentCount();
        const int controls = Surface->ControlCount();
        const QString error = ErrorOf([&] { Surface->PasteFromClipboard(); });
        if (QByteArray(c.Message) == "<any>")
            EXPECT_NE(error, "<no error>");
        else
            EXPECT_EQ(error, c.Message);
        EXPECT_EQ(Surface->ComponentCount(), components);
        EXPECT_EQ(Surface->ControlCount(), controls);
        EXPECT_EQ(old->Left(), 3);
    }
    UnregisterClass(TControlDesigner::StaticClass());
}

// ---------------------------------------------------------------------------
// Cut and delete; the surface stays

TEST_F(SurfaceClipboardTest, CutEmptiesTheSelectionAndPastesBackUnderTheSameNames)
{
    auto* a = Add<TClipShape>("A", Surface.get(), 0, 0);
    auto* b = Add<TClipShape>("B", Surface.get(), 40, 0);
    Add<TClipShape>("C", Surface.get(), 80, 0);
    Surface->SetSelection({a, b});
    Log.clear();
    Surface->CutSelection();
    EXPECT_EQ(Surface->SelectionCount(), 0);
    EXPECT_EQ(Find("A"), nullptr);
    EXPECT_EQ(Find("B"), nullptr);
    EXPECT_NE(Find("C"), nullptr);
    EXPECT_TRUE(Log.contains("inspector modified")) << Log.join(", ").toStdString();

    Surface->PasteFromClipboard();
    ASSERT_NE(Find("A"), nullptr);
    ASSERT_NE(Find("B"), nullptr);
    EXPECT_EQ(Find("B")->Left(), 40);
}

TEST_F(SurfaceClipboardTest, DeletingAPanelTakesItsChildrenAndItsCapsuleTakesNothing)
{
    auto* panel = Add<TClipPanel>("Panel", Surface.get(), 0, 0);
    Add<TClipShape>("S1", panel, 0, 0);
    Add<TClipShape>("S2", panel, 10, 0);
    Surface->SelectOnly(panel);
    Surface->DeleteSelection();
    EXPECT_EQ(Surface->SelectionCount(), 0);
    EXPECT_EQ(Surface->ComponentCount(), 0);

    TClipThing* thing = AddThing("Thing");
    ASSERT_NE(Surface->ControlOfComponent(thing), nullptr);
    Surface->SelectOnly(thing);
    Surface->DeleteSelection();
    EXPECT_EQ(Surface->ComponentCount(), 0);
    EXPECT_EQ(Surface->CapsuleCount(), 0);
}

TEST_F(SurfaceClipboardTest, TheSurfaceIsNeverCopiedCutOrDeleted)
{
    const struct {
        const char* Name;
        std::function<void(TControlDesigner&)> Command;
    } cases[] = {
        {"copy", [](TControlDesigner& S) { S.CopySelection(); }},
        {"cut", [](TControlDesigner& S) { S.CutSelection(); }},
        {"delete", [](TControlDesigner& S) { S.DeleteSelection(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Surface = std::make_unique<TFakeSurface>(Log);
        Add<TClipShape>("Kept", Surface.get(), 0, 0);
        Clipboard().SetAsText("untouched");
        Surface->SelectOnly(Surface.get());
        ASSERT_EQ(Surface->GetSelected(0), Surface.get());
        c.Command(*Surface);
        EXPECT_EQ(Clipboard().AsText(), "untouched");
        EXPECT_NE(Find("Kept"), nullptr);
        if (QByteArray(c.Name) != "copy") {
            EXPECT_EQ(Surface->SelectionCount(), 0);
        }
    }
}

TEST_F(SurfaceClipboardTest, EmptySelectionCopiesNothing)
{
    Add<TClipShape>("A", Surface.get(), 0, 0);
    Surface->CopySelection();
    EXPECT_EQ(Clipboard().AsText(), "untouched");
}

TEST_F(SurfaceClipboardTest, ComponentWithoutCapsuleIsCopiedAndDeleted)
{
    Surface->SetInspector(new TNoCapsuleDesigner(Inspector.get()));
    TClipThing* thing = AddThing("Hidden");
    Surface->SelectOnly(thing);
    Surface->CopySelection();
    EXPECT_EQ(ObjectLines(), QStringList{"object Hidden: TClipThing"});
    Surface->DeleteSelection();
    EXPECT_EQ(Surface->FindComponent("Hidden"), nullptr);
    EXPECT_EQ(Surface->SelectionCount(), 0);
}

} // namespace
} // namespace designer_framework::test
