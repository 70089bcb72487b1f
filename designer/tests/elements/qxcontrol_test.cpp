#include "designer/elements/paintbox.h"
#include "designer/elements/qxcontrol.h"
#include "designer/tests/elements/elementtest.h"

#include "classlib/core/typinfo.h"
#include "classlib/tests/errorof.h"

#include <gtest/gtest.h>

using namespace classlib;
using namespace designer;
using namespace designer::tests;
using classlib::test::ErrorOf;

namespace {

TEST(QXControl, NewElementIsTwentyMillimetresSquareAtAnyZoom)
{
    for (double zoom : {0.1, 0.25, 0.5, 0.75, 1.0, 1.5, 2.0, 3.7}) {
        TZoomGuard guard(zoom);
        TQXPaintBox box(nullptr);
        EXPECT_EQ(box.QXWidth(), 2000) << zoom;
        EXPECT_EQ(box.QXHeight(), 2000) << zoom;
        EXPECT_EQ(box.Width(), ToPixels(2000)) << zoom;
    }
}

TEST(QXControl, PixelsFlowBackIntoStoredValuesUnlessLocked)
{
    TZoomGuard guard(1.0);
    TQXPaintBox box(nullptr);
    // 10 mm is 37.8 pixels: the nearest whole pixel is 10.05 mm.
    box.SetMMWidth(10);
    EXPECT_EQ(box.Width(), 38);
    EXPECT_EQ(box.QXWidth(), 1005);
    box.SetMMHeight(10);
    EXPECT_EQ(box.QXHeight(), 1005);

    // A drag changes what moved only.
    box.SetBounds(10, 20, 38, 38);
    EXPECT_EQ(box.QXLeft(), 265);
    EXPECT_EQ(box.QXTop(), 529);
    EXPECT_EQ(box.QXWidth(), 1005);

    {
        TScaleLock lock;
        box.SetBounds(0, 0, 100, 100);
    }
    EXPECT_EQ(box.QXLeft(), 265);
    EXPECT_EQ(box.QXWidth(), 1005);
    EXPECT_EQ(box.Width(), 100);
}

TEST(QXControl, StoredBoxMovesTheWindow)
{
    TZoomGuard guard(2.0);
    TQXPaintBox box(nullptr);
    box.SetQXLeft(1270);  // half an inch at zoom 2: 96 pixels
    EXPECT_EQ(box.Left(), 96);
    EXPECT_EQ(box.QXLeft(), 1270);
    box.SetUnits(1, 2, 3, 4);
    EXPECT_EQ(box.Left(), 96);  // stored only
    EXPECT_EQ(box.QXHeight(), 4);
}

struct MMRow {
    const char* Case;
    int Index;
    double Value;
    int Stored;
    const char* Error;
};

const MMRow MMRows[] = {
    {"width zero", 3, 0.0, 0, nullptr},
    {"width rounds to zero", 3, -0.004, 0, nullptr},
    {"width negative", 3, -0.006, 2000, "-0.01 is not a valid positive value"},
    {"height negative", 4, -3.0, 2000, "-3.00 is not a valid positive value"},
    {"left negative", 1, -5.0, -500, nullptr},
    {"top", 2, 12.345, 1234, nullptr},  // 1234.5 goes to the even neighbour
    {"unknown index", 7, 5.0, 0, nullptr},
};

TEST(QXControl, MillimetreSetters)
{
    TZoomGuard guard(1.0);
    for (const MMRow& row : MMRows) {
        TQXPaintBox box(nullptr);
        TScaleLock lock;  // the exact value, not the pixel's
        const QString error = ErrorOf<EInvalidOp>([&] { box.SetMM(row.Index, row.Value); });
        EXPECT_EQ(error, row.Error ? QString::fromUtf8(row.Error) : QStringLiteral("<no error>")) << row.Case;
        if (row.Index >= 1 && row.Index <= 4) {
            EXPECT_EQ(qRound(box.GetMM(row.Index) * 100), row.Stored) << row.Case;
        }
    }
}

TEST(QXControl, BlankNamesAreRefused)
{
    TQXPaintBox box(nullptr);
    box.SetName(QStringLiteral("Box1"));
    EXPECT_EQ(ErrorOf<EComponentError>([&] { box.SetName(QString()); }),
              "'' is not a valid component name");
    EXPECT_EQ(ErrorOf<EComponentError>([&] { box.SetName(QStringLiteral("  ")); }),
              "'  ' is not a valid component name");
    EXPECT_EQ(box.Name(), "Box1");
    box.SetName(QStringLiteral("Box2"));
    EXPECT_EQ(box.Name(), "Box2");
}

struct ContentRow {
    const char* Case;
    runtime::TQXShadowStyle Shadow;
    runtime::TQXFrameSides Sides;
    TRect Content;
};

TEST(QXControl, ContentRectangleLessShadowAndFrame)
{
    using namespace runtime;
    const TQXFrameSides all = TQXFrameSides{fsTop, fsLeft, fsBottom, fsRight};
    const ContentRow rows[] = {
        {"plain", ssNone, {}, {0, 0, 2000, 2000}},
        {"left top shadow", ssLeftTop, {}, {200, 200, 2000, 2000}},
        {"right top shadow", ssRightTop, {}, {0, 200, 1800, 2000}},
        {"left bottom shadow", ssLeftBottom, {}, {200, 0, 2000, 1800}},
        {"right bottom shadow", ssRightBottom, {}, {0, 0, 1800, 1800}},
        {"frame all round", ssNone, all, {80, 80, 1920, 1920}},
        {"frame left and shadow", ssRightBottom, TQXFrameSides{fsLeft}, {80, 0, 1800, 1800}},
    };
    TZoomGuard guard(1.0);
    for (const ContentRow& row : rows) {
        TQXPaintBox box(nullptr);
        TQXShadow shadow;
        shadow.SetShape(row.Shadow);
        box.SetShadow(&shadow);
        TQXFrame frame;
        frame.SetShape(row.Sides);
        box.SetFrame(&frame);
        EXPECT_EQ(box.GetContentRectUnits(), row.Content) << row.Case;
        const TRect c = row.Content;
        EXPECT_EQ(box.ClientRect(), (TRect{ToPixels(c.Left), ToPixels(c.Top), ToPixels(c.Right), ToPixels(c.Bottom)}))
            << row.Case;
    }
}

TEST(QXControl, OuterBoundsAddFrameAndShadow)
{
    using namespace runtime;
    TZoomGuard guard(1.0);
    TQXPaintBox box(nullptr);
    TQXFrame frame;
    frame.SetShape(TQXFrameSides{fsTop, fsLeft, fsBottom, fsRight});
    frame.SetWidth(254);  // 9.6 pixels: 10
    box.SetFrame(&frame);
    TQXShadow shadow;
    shadow.SetShape(ssRightBottom);
    shadow.SetWidth(127);  // 5 pixels
    box.SetShadow(&shadow);
    box.SetOuterBounds(3, 4, 50, 20);
    EXPECT_EQ(box.BoundsRect(), (TRect{3, 4, 3 + 75, 4 + 45}));
    EXPECT_EQ(box.QXWidth(), ToUnits(75));
    EXPECT_EQ(box.QXHeight(), ToUnits(45));
    EXPECT_EQ(box.QXLeft(), ToUnits(3));
}

TEST(QXControl, QXParentIsTheContainerWindow)
{
    TTestPage page;
    auto* panel = page.Add<TQXContainer>(QStringLiteral("Panel1"));
    auto* inner = page.Add<TQXPaintBox>(QStringLiteral("Box1"), panel);
    auto* outer = page.Add<TQXPaintBox>(QStringLiteral("Box2"));
    EXPECT_EQ(inner->QXParent(), panel);
    EXPECT_EQ(outer->QXParent(), nullptr);
    inner->SetQXParent(nullptr);  // the window parent decides
    EXPECT_EQ(inner->QXParent(), panel);
}

TEST(QXControl, PublishedPropertiesAndWhatIsStored)
{
    const TClassInfo& info = TQXControl::StaticClass();
    QStringList stored, shown;
    TQXPaintBox box(nullptr);
    for (const TPropInfo* p : info.Props()) {
        if (p->Kind() == TTypeKind::tkMethod) continue;
        shown << p->Name;
        if (p->IsStored(box)) stored << p->Name;
    }
    EXPECT_EQ(shown, QStringList({"Name", "Tag", "Left", "Top", "Width", "Height", "Align", "MMLeft",
                                  "MMTop", "MMWidth", "MMHeight", "QXLeft", "QXTop", "QXWidth",
                                  "QXHeight", "Frame", "Shadow", "QXParent", "PrintOrder",
                                  "Background", "Static"}));
    EXPECT_EQ(stored, QStringList({"Tag", "Align", "QXLeft", "QXTop", "QXWidth", "QXHeight", "Frame",
                                   "Shadow", "QXParent", "PrintOrder", "Background", "Static"}));
    EXPECT_FALSE(info.FindProp(u"Left")->IsStored(box));
    // No events of the runtime's elements.
    for (const char* name : {"BeforePrint", "AfterPrint", "AskData", "GetText", "OwnerDraw"})
        EXPECT_EQ(info.FindProp(QString::fromLatin1(name)), nullptr) << name;
}

TEST(QXControl, BackgroundGivesTheColour)
{
    TQXPaintBox box(nullptr);
    EXPECT_EQ(box.Color(), clWhite);
    runtime::TQXBackground bg;
    bg.Color1 = TColor(0x123456);
    box.SetBackground(&bg);
    EXPECT_EQ(box.Color(), TColor(0x123456));
    EXPECT_EQ(box.Background()->Color1, TColor(0x123456));
}

} // namespace
