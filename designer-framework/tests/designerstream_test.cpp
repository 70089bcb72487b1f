// Component trees written for the clipboard, and read back onto a surface:
// names, placement, and what a paste refuses or takes back.

#include "clipclasses.h"
#include "fakes.h"

#include "designer-framework/designerstream.h"

#include "classlib/core/classbuilder.h"
#include "classlib/core/classregistry.h"
#include "classlib/core/streams.h"
#include "classlib/core/sysutils.h"
#include "classlib/core/textform.h"
#include "classlib/tests/errorof.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <memory>
#include <vector>

namespace designer_framework::test {
namespace {

using classlib::test::ErrorOf;

// The text of every object in a binary stream of signed records.
QByteArray TextOf(TStream& Binary)
{
    TMemoryStream text;
    Binary.SetPosition(0);
    while (Binary.Position() < Binary.Size()) ObjectBinaryToText(Binary, text);
    return text.Bytes().replace("\r\n", "\n");
}

// Places itself where it pleases: a control that ignores a move, or one
// that sends a far move back to the top-left corner.
class TWilfulShape : public TControl {
    QX_CLASS(TWilfulShape, TControl)
public:
    using TControl::TControl;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override
    {
        if (Stuck && Left() + Top() != 0) return;
        if (ALeft > 8) ALeft = ATop = 0;
        TControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    }
    static inline bool Stuck = false;
};

const TClassInfo& TWilfulShape::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TWilfulShape>("TWilfulShape").Build();
    return info;
}

// Objects of a text form as a paste reads them: each behind its signature,
// then the end marker.
void Fill(TDesignerStream& Binary, const QByteArray& Text)
{
    TBytesStream in(Text);
    while (in.Position() < in.Size()) ObjectTextToBinary(in, Binary);
    const char end = 0;
    Binary.WriteBuffer(&end, 1);
    Binary.SetPosition(0);
}


// Panels P1 .. PCount, each inside the one before.
QByteArray NestedPanels(int Count)
{
    QByteArray text;
    for (int i = 1; i <= Count; ++i) text += QByteArray(2 * (i - 1), ' ') + "object P" + QByteArray::number(i) + ": TClipPanel\n";
    for (int i = Count; i >= 1; --i) text += QByteArray(2 * (i - 1), ' ') + "end\n";
    return text;
}

class DesignerStreamTest : public ::testing::Test {
public:
    template <class T>
    T* Add(const QString& Name, TWinControl* Parent, int Left, int Top)
    {
        auto* c = new T(Surface.get());
        c->SetName(Name);
        c->SetParent(Parent);
        c->SetBounds(Left, Top, 20, 10);
        return c;
    }

    void Paste(const QByteArray& Text, TWinControl* Parent = nullptr)
    {
        TDesignerStream binary;
        Fill(binary, Text);
        binary.ReadInto(Surface.get(), Parent ? Parent : Surface.get());
    }

    // Names of the surface's components in order.
    QStringList Names() const
    {
        QStringList names;
        for (int i = 0; i < Surface->ComponentCount(); ++i) names << Surface->Components(i)->Name();
        return names;
    }

    TRegisteredClipClasses Classes;
    QStringList Log;
    std::unique_ptr<TFakeSurface> Surface = std::make_unique<TFakeSurface>(Log);
};

// ---------------------------------------------------------------------------
// Writing

TEST_F(DesignerStreamTest, PanelIsOneObjectWithItsOwnChildrenNested)
{
    auto* panel = Add<TClipPanel>("Panel1", Surface.get(), 10, 10);
    Add<TClipShape>("Shape1", panel, 1, 2);
    Add<TClipButton>("Button1", panel, 3, 4);
    // An inner part of the panel, owned by nobody on the surface.
    auto* inner = new TClipShape(nullptr);
    inner->SetParent(panel);

    TMemoryStream binary;
    WriteComponentTree(binary, panel);
    EXPECT_EQ(binary.Bytes().count("TPF0"), 1);
    const QByteArray text = TextOf(binary);
    EXPECT_TRUE(text.startsWith("object Panel1: TClipPanel\n")) << text.constData();
    EXPECT_EQ(text.count("\nobject "), 0) << text.constData();
    EXPECT_EQ(text.count("\n  object Shape1: TClipShape\n"), 1) << text.constData();
    EXPECT_EQ(text.count("\n  object Button1: TClipButton\n"), 1) << text.constData();
    EXPECT_EQ(text.count("object "), 3) << text.constData();
    EXPECT_TRUE(text.endsWith("  end\nend\n")) << text.constData();
}

TEST_F(DesignerStreamTest, NestedPanelsNestInTheirOrder)
{
    auto* outer = Add<TClipPanel>("Outer", Surface.get(), 0, 0);
    auto* inner = Add<TClipPanel>("Inner", outer, 0, 0);
    Add<TClipShape>("Deep", inner, 0, 0);
    Add<TClipShape>("Last", outer, 0, 0);

    TMemoryStream binary;
    WriteComponentTree(binary, outer);
    const QByteArray text = TextOf(binary);
    const qsizetype innerAt = text.indexOf("\n  object Inner: TClipPanel\n");
    const qsizetype deepAt = text.indexOf("\n    object Deep: TClipShape\n");
    const qsizetype lastAt = text.indexOf("\n  object Last: TClipShape\n");
    ASSERT_GE(innerAt, 0) << text.constData();
    EXPECT_GT(deepAt, innerAt) << text.constData();
    EXPECT_GT(lastAt, deepAt) << text.constData();
}

struct TOnceCase {
    const char* Name;
    // Builds the tree under the surface and gives its top.
    std::function<TWinControl*(DesignerStreamTest&)> Build;
    const char* Text;  // the object lines of the copy
};

// The object lines of a text form, with their indent.
QByteArray ObjectLinesOf(const QByteArray& Text)
{
    QByteArray lines;
    for (const QByteArray& line : Text.split('\n'))
        if (line.trimmed().startsWith("object ")) lines += line + '\n';
    return lines;
}

// The classes of a control's tree, each child control indented below its
// parent.
QString TreeOf(const TControl* Control, int Indent = 0)
{
    if (!Control) return QStringLiteral("<none>");
    QString tree = QString(Indent, QLatin1Char(' ')) + Control->ClassName() + QLatin1Char('\n');
    if (const auto* parent = As<TWinControl>(Control))
        for (int i = 0; i < parent->ControlCount(); ++i) tree += TreeOf(parent->Controls(i), Indent + 2);
    return tree;
}

TEST_F(DesignerStreamTest, EveryChildIsWrittenOnceWhoeverNestsIt)
{
    const std::vector<TOnceCase> cases = {
        {"a box that streams its two children",
         [](DesignerStreamTest& T) {
             auto* box = T.Add<TClipBox>("Box", T.Surface.get(), 0, 0);
             T.Add<TClipShape>("S1", box, 0, 0);
             T.Add<TClipButton>("B1", box, 0, 0);
             return box;
         },
         "object Box: TClipBox\n  object S1: TClipShape\n  object B1: TClipButton\n"},
        {"boxes three deep",
         [](DesignerStreamTest& T) {
             auto* outer = T.Add<TClipBox>("Outer", T.Surface.get(), 0, 0);
             auto* middle = T.Add<TClipBox>("Middle", outer, 0, 0);
             auto* inner = T.Add<TClipBox>("Inner", middle, 0, 0);
             T.Add<TClipShape>("Deep", inner, 0, 0);
             T.Add<TClipShape>("Last", outer, 0, 0);
             return outer;
         },
         "object Outer: TClipBox\n  object Middle: TClipBox\n    object Inner: TClipBox\n"
         "      object Deep: TClipShape\n  object Last: TClipShape\n"},
        {"a box in a panel",
         [](DesignerStreamTest& T) {
             auto* panel = T.Add<TClipPanel>("Panel", T.Surface.get(), 0, 0);
             auto* box = T.Add<TClipBox>("Box", panel, 0, 0);
             T.Add<TClipShape>("S1", box, 0, 0);
             T.Add<TClipShape>("S2", panel, 0, 0);
             return panel;
         },
         "object Panel: TClipPanel\n  object Box: TClipBox\n    object S1: TClipShape\n"
         "  object S2: TClipShape\n"},
        // The box writes the panel; the panel's class streams no controls.
        {"a panel with two controls in a box",
         [](DesignerStreamTest& T) {
             auto* box = T.Add<TClipBox>("Box", T.Surface.get(), 0, 0);
             auto* panel = T.Add<TClipPanel>("Panel", box, 0, 0);
             T.Add<TClipShape>("S1", panel, 0, 0);
             T.Add<TClipButton>("B1", panel, 0, 0);
             T.Add<TClipShape>("S2", box, 0, 0);
             return box;
         },
         "object Box: TClipBox\n  object Panel: TClipPanel\n    object S1: TClipShape\n"
         "    object B1: TClipButton\n  object S2: TClipShape\n"},
        {"panels and boxes taking turns",
         [](DesignerStreamTest& T) {
             auto* outer = T.Add<TClipBox>("Outer", T.Surface.get(), 0, 0);
             auto* panel = T.Add<TClipPanel>("Panel", outer, 0, 0);
             auto* inner = T.Add<TClipBox>("Inner", panel, 0, 0);
             auto* deepest = T.Add<TClipPanel>("Deepest", inner, 0, 0);
             T.Add<TClipShape>("Deep", deepest, 0, 0);
             T.Add<TClipShape>("Mid", panel, 0, 0);
             return outer;
         },
         "object Outer: TClipBox\n  object Panel: TClipPanel\n    object Inner: TClipBox\n"
         "      object Deepest: TClipPanel\n        object Deep: TClipShape\n    object Mid: TClipShape\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Surface = std::make_unique<TFakeSurface>(Log);
        TWinControl* top = c.Build(*this);
        TDesignerStream binary;
        WriteComponentTree(binary, top);
        EXPECT_EQ(ObjectLinesOf(TextOf(binary)).toStdString(), c.Text);

        // Read back, the copy is the original tree.
        const int before = Surface->ComponentCount();
        const char end = 0;
        binary.WriteBuffer(&end, 1);
        binary.SetPosition(0);
        binary.ReadInto(Surface.get(), Surface.get());
        ASSERT_EQ(Surface->ComponentCount(), 2 * before);
        EXPECT_EQ(TreeOf(As<TControl>(Surface->Components(before))).toStdString(), TreeOf(top).toStdString());
    }
}

TEST_F(DesignerStreamTest, ComponentWithoutControlsIsWrittenAsItIs)
{
    auto* thing = new TClipThing(Surface.get());
    thing->SetName("Thing1");
    thing->Caption = "c";
    TMemoryStream binary;
    WriteComponentTree(binary, thing);
    EXPECT_EQ(TextOf(binary), "object Thing1: TClipThing\n  Caption = 'c'\nend\n");
}

// ---------------------------------------------------------------------------
// Reading: names and parents

TEST_F(DesignerStreamTest, NamesAreKeptWhenFreeElseClassNameAndNumber)
{
    Add<TClipShape>("Shape1", Surface.get(), 0, 0);
    Paste("object Shape1: TClipShape\nend\n"
          "object Free: TClipShape\nend\n"
          "object TClipThing\nend\n"
          "object SHAPE1: TClipShape\nend\n");
    EXPECT_EQ(Names(), (QStringList{"Shape1", "TClipShape1", "Free", "TClipThing1", "TClipShape2"}));
}

TEST_F(DesignerStreamTest, NestedChildrenJoinTheirPanelOwnedByTheSurface)
{
    auto* target = Add<TClipPanel>("Target", Surface.get(), 0, 0);
    Paste("object P: TClipPanel\n  object S: TClipShape\n  end\n  object T: TClipThing\n  end\nend\n", target);
    auto* p = As<TClipPanel>(Surface->FindComponent("P"));
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->Parent(), target);
    auto* s = As<TClipShape>(Surface->FindComponent("S"));
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->Parent(), p);
    EXPECT_NE(Surface->FindComponent("T"), nullptr);
}

TEST_F(DesignerStreamTest, ReferencesResolveAmongTheSurfacesComponents)
{
    Paste("object Buddy1: TClipThing\nend\nobject S: TClipShape\n  Buddy = Buddy1\nend\n");
    auto* s = As<TClipShape>(Surface->FindComponent("S"));
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->Buddy, Surface->FindComponent("Buddy1"));
}

// ---------------------------------------------------------------------------
// Reading: placement of top-level controls

struct TPlaceCase {
    const char* Name;
    std::vector<std::pair<int, int>> Taken;  // corners of the parent's other children
    quint8 Grid;
    int Left, Top;                            // where the pasted control was stored
    int WantLeft, WantTop;
};

TEST_F(DesignerStreamTest, PastedControlsMoveOffTakenCorners)
{
    const int max = std::numeric_limits<int>::max();
    const std::vector<TPlaceCase> cases = {
        {"a free corner stays", {{0, 0}}, 8, 5, 5, 5, 5},
        {"one taken corner: one step", {{10, 20}}, 8, 10, 20, 18, 28},
        {"a chain of corners: past its end", {{10, 20}, {18, 28}, {26, 36}}, 8, 10, 20, 34, 44},
        {"corners in any child order", {{26, 36}, {18, 28}, {10, 20}}, 8, 10, 20, 34, 44},
        {"a gap in the chain ends it", {{10, 20}, {26, 36}}, 8, 10, 20, 18, 28},
        {"the grid step counts", {{0, 0}, {4, 4}}, 4, 0, 0, 8, 8},
        {"saturated at the far corner, it stays", {{max, max}}, 8, max, max, max, max},
        {"one side saturates, the other goes on", {{max, 0}, {max, 8}}, 8, max, 0, max, 16},
        {"near the end: saturates, no overflow", {{max - 3, max - 3}}, 8, max - 3, max - 3, max, max},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Surface = std::make_unique<TFakeSurface>(Log);
        Surface->SetGridX(c.Grid);
        Surface->SetGridY(c.Grid);
        for (size_t i = 0; i < c.Taken.size(); ++i)
            Add<TClipShape>(QString("Old%1").arg(i), Surface.get(), c.Taken[i].first, c.Taken[i].second);
        Paste(QString("object New: TClipShape\n  Left = %1\n  Top = %2\nend\n").arg(c.Left).arg(c.Top).toLatin1());
        auto* pasted = As<TClipShape>(Surface->FindComponent("New"));
        ASSERT_NE(pasted, nullptr);
        EXPECT_EQ(pasted->Left(), c.WantLeft);
        EXPECT_EQ(pasted->Top(), c.WantTop);
    }
}

TEST_F(DesignerStreamTest, PlacementEndsForControlsThatGoTheirOwnWay)
{
    RegisterClass(TWilfulShape::StaticClass());
    const struct {
        const char* Name;
        bool Stuck;
        int WantLeft;
    } cases[] = {
        {"a control that will not move stays", true, 4},
        {"a control that comes back ends after one step a corner", false, 8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Surface = std::make_unique<TFakeSurface>(Log);
        TWilfulShape::Stuck = c.Stuck;
        Add<TClipShape>("A", Surface.get(), 0, 0);
        Add<TClipShape>("B", Surface.get(), 8, 8);
        Add<TClipShape>("C", Surface.get(), 4, 4);
        Paste(c.Stuck ? "object New: TWilfulShape\n  Left = 4\n  Top = 4\nend\n"
                      : "object New: TWilfulShape\n  Left = 0\n  Top = 0\nend\n");
        auto* pasted = As<TControl>(Surface->FindComponent("New"));
        ASSERT_NE(pasted, nullptr);
        EXPECT_EQ(pasted->Left(), c.WantLeft);
    }
    TWilfulShape::Stuck = false;
    UnregisterClass(TWilfulShape::StaticClass());
}

TEST_F(DesignerStreamTest, OnlyTopLevelControlsMoveAndOnlyAmongTheirSiblings)
{
    Add<TClipShape>("Old", Surface.get(), 0, 0);
    Paste("object P: TClipPanel\n  Left = 0\n  Top = 0\n"
          "  object S: TClipShape\n    Left = 0\n    Top = 0\n  end\nend\n");
    auto* p = As<TControl>(Surface->FindComponent("P"));
    auto* s = As<TControl>(Surface->FindComponent("S"));
    ASSERT_TRUE(p && s);
    EXPECT_EQ(p->Left(), 8);
    EXPECT_EQ(s->Left(), 0);
}

TEST_F(DesignerStreamTest, ChildPositionPrefixEndsPlacement)
{
    Add<TClipShape>("Old", Surface.get(), 0, 0);
    Paste("object New: TClipShape [0]\n  Left = 0\n  Top = 0\nend\n");
    auto* pasted = As<TControl>(Surface->FindComponent("New"));
    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(pasted->Left(), 8);
    EXPECT_EQ(pasted->Top(), 8);
}

// ---------------------------------------------------------------------------
// Refused and failed reads leave the surface as it was

struct TFailCase {
    const char* Name;
    QByteArray Text;
    const char* Message;
};

TEST_F(DesignerStreamTest, FailedOrRefusedReadLeavesTheSurfaceAsItWas)
{
    RegisterClass(TControlDesigner::StaticClass());
    const std::vector<TFailCase> cases = {
        {"unknown class after a good object",
         "object A: TClipShape\nend\nobject B: TNoSuchClass\nend\n", "Class TNoSuchClass not found"},
        {"unknown property late in a nested child",
         "object P: TClipPanel\n  object S: TClipShape\n  end\n  object T: TClipThing\n  end\n"
         "  object U: TClipShape\n    Bogus = 1\n  end\nend\n",
         "Property does not exist"},
        {"a name that is no identifier", "object A: TClipShape\nend\nobject &'a b': TClipThing\nend\n",
         "<any>"},
        {"an inherited record", "object A: TClipShape\nend\ninherited Old: TClipShape\n  Left = 99\nend\n",
         "Inherited component Old cannot be pasted"},
        {"an inherited record nested in a panel",
         "object P: TClipPanel\n  inherited Old: TClipShape\n    Left = 99\n  end\nend\n",
         "Inherited component Old cannot be pasted"},
        {"a design surface", "object A: TClipShape\nend\nobject S: TControlDesigner\nend\n",
         "Class TControlDesigner cannot be pasted"},
        {"a design surface nested in a panel",
         "object P: TClipPanel\n  object S: TControlDesigner\n  end\nend\n",
         "Class TControlDesigner cannot be pasted"},
        {"a control in a windowed control that takes none",
         "object P: TClipPanel\n  object B: TClipButton\n    object S: TClipShape\n    end\n  end\nend\n",
         "Class TClipShape cannot be pasted into TClipButton"},
        {"a control in a control without a window",
         "object A: TClipShape\nend\nobject S: TClipShape\n  object B: TClipButton\n  end\nend\n",
         "Class TClipButton cannot be pasted into TClipShape"},
        {"a control in a non-visual component",
         "object T: TClipThing\n  object S: TClipShape\n  end\nend\n",
         "Class TClipShape cannot be pasted into TClipThing"},
        {"panels nested deeper than a stream of the surface can hold", NestedPanels(64),
         "Component P64 is nested too deeply to be pasted here"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Surface = std::make_unique<TFakeSurface>(Log);
        auto* old = Add<TClipShape>("Old", Surface.get(), 1, 2);
        const QStringList before = Names();
        const int controls = Surface->ControlCount();
        const QString error = ErrorOf([&] { Paste(c.Text); });
        if (QByteArray(c.Message) == "<any>")
            EXPECT_NE(error, "<no error>");
        else
            EXPECT_EQ(error, c.Message);
        EXPECT_EQ(Names(), before);
        EXPECT_EQ(Surface->ControlCount(), controls);
        EXPECT_EQ(old->Left(), 1);
        EXPECT_EQ(old->Top(), 2);
    }
    UnregisterClass(TControlDesigner::StaticClass());
}

struct TDepthCase {
    const char* Name;
    const char* Parent;  // nil: the surface
    int Panels;
    bool Pasted;
};

TEST_F(DesignerStreamTest, NestingCountsFromTheSurfaceNotFromThePastedComponent)
{
    // The surface's stream holds the surface, then its children: 64 levels
    // in all.
    const std::vector<TDepthCase> cases = {
        {"onto the surface, as deep as a stream goes", nullptr, 63, true},
        {"onto the surface, one level more", nullptr, 64, false},
        {"into a panel on the surface", "Outer", 62, true},
        {"into a panel on the surface, one level more", "Outer", 63, false},
        {"into a panel in a panel, one level more", "Inner", 62, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Surface = std::make_unique<TFakeSurface>(Log);
        auto* outer = Add<TClipPanel>("Outer", Surface.get(), 0, 0);
        Add<TClipPanel>("Inner", outer, 0, 0);
        const int before = Surface->ComponentCount();
        auto* parent = c.Parent ? As<TWinControl>(Surface->FindComponent(c.Parent)) : Surface.get();
        const QString error = ErrorOf([&] { Paste(NestedPanels(c.Panels), parent); });
        if (c.Pasted) {
            EXPECT_EQ(error, "<no error>");
            EXPECT_EQ(Surface->ComponentCount(), before + c.Panels);
        } else {
            EXPECT_EQ(error, QString("Component P%1 is nested too deeply to be pasted here").arg(c.Panels));
            EXPECT_EQ(Surface->ComponentCount(), before);
        }
    }
}

} // namespace
} // namespace designer_framework::test
