#include "designer/elements/label.h"
#include "designer/elements/paintbox.h"
#include "designer/elements/panel.h"
#include "designer/elements/qxcontrol.h"
#include "designer/tests/elements/elementtest.h"

#include <gtest/gtest.h>

#include <climits>

using namespace classlib;
using namespace designer;
using namespace designer::tests;

namespace {

struct GridRow {
    const char* Case;
    int ContainerLeft;  // INT_MIN: directly on the page
    int Left;
    int Expected;
};

const GridRow GridRows[] = {
    {"inside, rounds up", 1250, 1500, 1750},
    {"inside, nearer above", 1600, 300, 400},
    {"on the page, negative", INT_MIN, -200, 0},
    {"inside, negative result", 1250, 0, 750},
    {"half goes to even, down", INT_MIN, 2500, 2000},
    {"half goes to even, up", INT_MIN, 3500, 4000},
    {"far right", INT_MIN, INT_MAX, INT_MAX},
};

TEST(AlignToGrid, SnapsThePagePositionToTenMillimetres)
{
    TZoomGuard guard(1.0);
    for (const GridRow& row : GridRows) {
        TTestPage page;
        TWinControl* parent = &page;
        if (row.ContainerLeft != INT_MIN) {
            auto* c = page.Add<TQXContainer>(QStringLiteral("Panel1"));
            TScaleLock lock;
            c->SetUnits(row.ContainerLeft, row.ContainerLeft, 5000, 5000);
            c->UpdateBounds();
            parent = c;
        }
        auto* box = page.Add<TQXPaintBox>(QStringLiteral("Box1"), parent);
        box->SetUnits(row.Left, row.Left, 2000, 2000);
        AlignToGrid(box);
        EXPECT_EQ(box->QXLeft(), row.Expected) << row.Case;
        EXPECT_EQ(box->QXTop(), row.Expected) << row.Case;
        EXPECT_EQ(box->QXWidth(), 2000) << row.Case;  // locked: exact
        EXPECT_EQ(box->Left(), ToPixels(row.Expected)) << row.Case;
    }
}

TEST(ChildAlignment, TopChildrenGoInOrderOfTheirTop)
{
    TZoomGuard guard(1.0);
    Scale = 1.0;  // a pixel a unit: exact values to compare
    TTestPage page;
    auto* panel = page.Add<TQXContainer>(QStringLiteral("Panel1"));
    panel->SetUnits(0, 0, 5080, 5080);
    auto* lower = page.Add<TQXPaintBox>(QStringLiteral("Lower"), panel);
    auto* upper = page.Add<TQXPaintBox>(QStringLiteral("Upper"), panel);
    lower->SetAlign(alTop);
    upper->SetAlign(alTop);
    lower->SetUnits(0, 500, 1000, 254);
    upper->SetUnits(0, 100, 1000, 508);
    AlignChildrenUnits(panel, panel->GetContentRectUnits(), nullptr);
    EXPECT_EQ(upper->QXTop(), 0);
    EXPECT_EQ(upper->QXWidth(), 5080);
    EXPECT_EQ(lower->QXTop(), 508);
    EXPECT_EQ(lower->Top(), ToPixels(508));

    // Equal tops keep window order, unless one is being changed.
    lower->SetUnits(0, 0, 1000, 254);
    upper->SetUnits(0, 0, 1000, 508);
    AlignChildrenUnits(panel, panel->GetContentRectUnits(), nullptr);
    EXPECT_EQ(lower->QXTop(), 0);
    EXPECT_EQ(upper->QXTop(), 254);
    lower->SetUnits(0, 0, 1000, 254);
    upper->SetUnits(0, 0, 1000, 508);
    AlignChildrenUnits(panel, panel->GetContentRectUnits(), upper);
    EXPECT_EQ(upper->QXTop(), 0);
    EXPECT_EQ(lower->QXTop(), 508);
}

TEST(ChildAlignment, ClientChildFillsTheFramedContent)
{
    using namespace runtime;
    TZoomGuard guard(1.0);
    TTestPage page;
    auto* panel = page.Add<TQXContainer>(QStringLiteral("Panel1"));
    TQXFrame frame;
    frame.SetShape(TQXFrameSides{fsTop, fsLeft, fsBottom, fsRight});
    frame.SetWidth(80);
    panel->SetFrame(&frame);
    auto* child = page.Add<TQXPaintBox>(QStringLiteral("Box1"), panel);
    child->SetAlign(alClient);
    {
        Scale = 1.0;  // a pixel a unit: exact values to compare
        AlignChildrenUnits(panel, panel->GetContentRectUnits(), nullptr);
    }
    EXPECT_EQ(child->QXLeft(), 80);
    EXPECT_EQ(child->QXTop(), 80);
    EXPECT_EQ(child->QXWidth(), 2000 - 160);
    EXPECT_EQ(child->QXHeight(), 2000 - 160);
}

TEST(ChildAlignment, SidesShareTheContent)
{
    TZoomGuard guard(1.0);
    Scale = 1.0;  // a pixel a unit: exact values to compare
    TTestPage page;
    auto* panel = page.Add<TQXContainer>(QStringLiteral("Panel1"));
    struct Row {
        const char* Name;
        TAlign Align;
        int Width, Height;
        TRect Expected;  // left, top, width, height
    };
    const Row rows[] = {
        {"Left", alLeft, 300, 1, {0, 0, 300, 2000}},
        {"Right", alRight, 400, 1, {1600, 0, 400, 2000}},
        {"Top", alTop, 1, 200, {300, 0, 1300, 200}},
        {"Bottom", alBottom, 1, 100, {300, 1900, 1300, 100}},
        {"Client", alClient, 1, 1, {300, 200, 1300, 1700}},
    };
    std::vector<TQXPaintBox*> boxes;
    for (const Row& row : rows) {
        auto* b = page.Add<TQXPaintBox>(QString::fromLatin1(row.Name), panel);
        b->SetAlign(row.Align);
        boxes.push_back(b);
    }
    for (size_t i = 0; i < boxes.size(); ++i) boxes[i]->SetUnits(0, 0, rows[i].Width, rows[i].Height);
    AlignChildrenUnits(panel, panel->GetContentRectUnits(), nullptr);
    for (size_t i = 0; i < boxes.size(); ++i) {
        const TQXPaintBox* b = boxes[i];
        EXPECT_EQ((TRect{b->QXLeft(), b->QXTop(), b->QXWidth(), b->QXHeight()}), rows[i].Expected)
            << rows[i].Name;
    }
}

TEST(ChildAlignment, ContainerRealignsWhenItsFrameChanges)
{
    using namespace runtime;
    TZoomGuard guard(1.0);
    TTestPage page;
    auto* panel = page.Add<TQXContainer>(QStringLiteral("Panel1"));
    auto* child = page.Add<TQXPaintBox>(QStringLiteral("Box1"), panel);
    child->SetAlign(alClient);
    EXPECT_EQ(child->BoundsRect(), (TRect{0, 0, ToPixels(2000), ToPixels(2000)}));
    TQXFrame frame;
    frame.SetShape(TQXFrameSides{fsLeft});
    frame.SetWidth(254);
    panel->SetFrame(&frame);
    EXPECT_EQ(child->Left(), 10);
}

// Extreme stored values pass through bounds, alignment and painting
// without a crash, a hang or a wrapped sum.
TEST(Extremes, StoredValuesThroughBoundsAlignmentAndPainting)
{
    using namespace runtime;
    const int values[] = {INT_MIN, -1, 0, 1, INT_MAX};
    for (double zoom : {1.0, 3.0}) {
        TZoomGuard guard(zoom);
        for (int v : values) {
            TTestPage page;
            page.Widget()->resize(200, 200);
            auto* panel = page.Add<TQXPanel>(QStringLiteral("Panel1"));
            panel->SetColumns(v > 0 ? v : 2);
            TQXFrame frame;
            frame.SetShape(TQXFrameSides{fsTop, fsLeft, fsBottom, fsRight});
            frame.SetWidth(v);
            TQXShadow shadow;
            shadow.SetShape(ssRightBottom);
            shadow.SetWidth(v);
            panel->SetFrame(&frame);
            panel->SetShadow(&shadow);
            std::vector<TQXPaintBox*> boxes;
            for (TAlign a : {alTop, alBottom, alLeft, alRight, alClient, alNone}) {
                auto* b = page.Add<TQXPaintBox>(QStringLiteral("Box%1").arg(int(a)), panel);
                b->SetUnits(v, v, v, v);
                b->SetAlign(a);
                boxes.push_back(b);
            }
            auto* label = page.Add<TQXLabel>(QStringLiteral("Label1"), panel);
            label->SetCaption(QStringLiteral("Text"));
            label->SetAlignment(taRightJustify);
            label->SetFrame(&frame);
            label->SetShadow(&shadow);
            panel->SetUnits(v, v, v, v);
            panel->UpdateBounds();
            label->SetQXLeft(v);
            label->SetTextAngle(TQXTextAngle(v > 0 ? 45 : 0));
            AlignChildrenUnits(panel, panel->GetContentRectUnits(), boxes[0]);
            AlignToGrid(boxes[5]);
            for (TQXPaintBox* b : boxes) {
                b->UpdateBounds();
                EXPECT_GE(b->Width(), 0);
                EXPECT_GE(b->Height(), 0);
            }
            page.Widget()->show();
            Grab(page);
            page.Widget()->hide();
        }
    }
}

} // namespace
