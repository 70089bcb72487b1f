#include "runtime/control.h"

#include "runtime/container.h"
#include "runtime/paper.h"
#include "runtime/report.h"
#include "runtime/tests/elementtree.h"
#include "runtime/tests/eventform.h"
#include "runtime/tests/pageloop.h"

#include "classlib/graphics/canvas.h"

#include <gtest/gtest.h>

#include <memory>

using namespace classlib;
using namespace runtime;
using namespace runtime::tests;

namespace {

struct TContentCase {
    const char* Name;
    TQXShadowStyle Shadow;
    int ShadowWidth;
    TQXFrameSides Sides;
    int FrameWidth;
    TRect Expected;
};

TEST(ControlGeometry, ContentRectLessShadowAndFrame)
{
    const TQXFrameSides all{fsLeft, fsTop, fsRight, fsBottom};
    const TContentCase cases[] = {
        {"right-bottom shadow, frame all round", ssRightBottom, 200, all, 80, {80, -80, 720, -220}},
        {"left-top shadow only", ssLeftTop, 200, {}, 80, {200, -200, 1000, -500}},
        {"right-top shadow, left side", ssRightTop, 100, {fsLeft}, 50, {50, -100, 900, -500}},
        {"left-bottom shadow, top and bottom", ssLeftBottom, 100, {fsTop, fsBottom}, 10, {100, -10, 1000, -390}},
        {"no shadow, right side", ssNone, 300, {fsRight}, 30, {0, 0, 970, -500}},
    };
    for (const TContentCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TQXControl e(nullptr);
        e.SetBounds(7, 9, 1000, 500);
        e.Shadow()->SetShape(c.Shadow);
        e.Shadow()->SetWidth(c.ShadowWidth);
        e.Frame()->SetShape(c.Sides);
        e.Frame()->SetWidth(c.FrameWidth);
        EXPECT_EQ(RectText(e.GetClientRect()), RectText({0, 0, 1000, -500}));
        EXPECT_EQ(RectText(e.GetContentRect()), RectText(c.Expected));
        EXPECT_EQ(RectText(GetBoundsRect(e)), RectText({7, -9, 1007, -509}));

        // Outer bounds from the content size give the box back.
        const TRect content = e.GetContentRect();
        e.SetOuterBounds(1, 2, content.Right - content.Left, content.Top - content.Bottom);
        EXPECT_EQ(BoundsText(&e), "1,2 1000x500");
    }
}

struct TPictureCase {
    const char* Name;
    TBgPictureStyle Style;
    int Width, Height;  // element, no frame or shadow
    TRect Expected;
};

TEST(ControlGeometry, PictureRect)
{
    const TPictureCase cases[] = {
        {"centred", bpsCenter, 1000, 600, {300, -200, 700, -400}},
        // (1001 - 400) div 2 = 300 and (-601 + 200) div 2 = -200: truncation, not floor.
        {"centred, odd sums truncate towards zero", bpsCenter, 1001, 601, {300, -200, 700, -400}},
        {"stretched", bpsStretch, 1000, 600, {0, 0, 1000, -600}},
        {"in its size at the top left", bpsNone, 1000, 600, {0, 0, 400, -200}},
    };
    for (const TPictureCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TQXControl e(nullptr);
        e.SetBounds(0, 0, c.Width, c.Height);
        e.Background()->PictureStyle = c.Style;
        e.Background()->PicWidth = 400;
        e.Background()->PicHeight = 200;
        EXPECT_EQ(RectText(e.GetPictureRect()), RectText(c.Expected));
    }
}

// Paints one element at the origin with the 0.01 mm mapping.
std::unique_ptr<TPaintLogDC> PaintAlone(TQXControl& Element)
{
    auto dc = std::make_unique<TPaintLogDC>();
    dc->SetMapMode(MM_HIMETRIC);
    TCanvas canvas(dc.get());
    Element.PaintAll(canvas);
    return dc;
}

TEST(ControlPainting, ShadowThenFrameThenBackground)
{
    TQXControl e(nullptr);
    e.SetBounds(0, 0, 1000, 500);
    e.Shadow()->SetShape(ssRightBottom);
    e.Shadow()->SetColor(clGray);
    e.Frame()->SetShape({fsLeft, fsTop, fsRight, fsBottom});
    e.Frame()->SetColor(clRed);
    e.Background()->Color1 = clYellow;
    auto dc = PaintAlone(e);
    QStringList fills;
    for (const TPaintCall* c : dc->Calls(QStringLiteral("FillRect")))
        fills << RectText(NormalizeRect(c->R)) + QStringLiteral(" %1").arg(c->Color, 6, 16, QLatin1Char('0'));
    EXPECT_EQ(fills, QStringList({
                         // shadow bars: below, then right
                         "(200,-500,1000,-300) 808080",
                         "(800,-300,1000,-200) 808080",
                         // frame: left and right cover the corners
                         "(0,-300,80,0) 0000ff",
                         "(720,-300,800,0) 0000ff",
                         "(80,-80,720,0) 0000ff",
                         "(80,-300,720,-220) 0000ff",
                         // background over the content
                         "(80,-220,720,-80) 00ffff",
                     }));
    // The background is clipped to the content.
    const size_t last = dc->Log.size() - 1;
    EXPECT_TRUE(dc->Drawable(last, {100, -100}));
    EXPECT_FALSE(dc->Drawable(last, {750, -100}));
}

TEST(ControlPainting, TransparentBackgroundDrawsNothing)
{
    TQXControl e(nullptr);
    e.SetBounds(0, 0, 1000, 500);
    e.Background()->ColorStyle = bcsTransparent;
    EXPECT_TRUE(PaintAlone(e)->Log.empty());
}

class ControlEvents : public ::testing::Test {
protected:
    void SetUp() override
    {
        paper.reset(NewA4Paper());
        paper->SetName(QStringLiteral("Page1"));
        paper->SetReport(&report);
        element = AddElement<TQXControl>(paper.get(), nullptr, QStringLiteral("Element1"), {0, 0, 100, 100});
        form.Bind(element);
    }

    TQXReport report{nullptr};
    TEventForm form{nullptr};
    std::unique_ptr<TQXPaper> paper;
    TQXControl* element = nullptr;
};

TEST_F(ControlEvents, HandlersGetTheReportWithTheCallingElement)
{
    form.Refuse[QStringLiteral("Element1")] = 1;
    EXPECT_FALSE(element->DoBeforePrint());
    EXPECT_FALSE(element->Printable());
    EXPECT_EQ(form.LastSender, &report);
    EXPECT_EQ(report.CurrentControl(), element);
    // Nothing makes a refused element printable again in this paper run.
    EXPECT_TRUE(element->DoBeforePrint());
    EXPECT_FALSE(element->Printable());
    element->DoAfterPrint();
    bool needData = true;
    element->FireAskData(needData);
    EXPECT_FALSE(needData);  // no rows set up for it
    EXPECT_EQ(form.Log, QStringList({"BeforePrint Element1", "BeforePrint Element1",
                                     "AfterPrint Element1", "AskData Element1"}));
}

TEST_F(ControlEvents, StaticElementFiresNothing)
{
    element->SetStatic(true);
    form.Refuse[QStringLiteral("Element1")] = 1;
    EXPECT_TRUE(element->DoBeforePrint());
    EXPECT_TRUE(element->Printable());
    bool needData = true;
    element->FireAskData(needData);
    EXPECT_TRUE(needData);  // the caller's value stays
    QString text = QStringLiteral("kept");
    element->FireGetText(text);
    EXPECT_EQ(text, "kept");
    EXPECT_TRUE(form.Log.isEmpty());
}

TEST_F(ControlEvents, FreedElementIsNotLeftAsCurrent)
{
    element->DoBeforePrint();
    ASSERT_EQ(report.CurrentControl(), element);
    delete element;
    EXPECT_EQ(report.CurrentControl(), nullptr);
    EXPECT_EQ(paper->ControlCount(), 0);
}

// Each event is a type of its own, so that an editor registered for one
// never edits another's properties; handlers still bind by parameter list.
TEST(ControlEventTypes, AreDistinctFromEventsOfTheSameParameters)
{
    const struct {
        const char* Case;
        const TTypeInfo* Type;
        const TTypeInfo* Twin;
    } cases[] = {
        {"after print and notify", TypeInfo<TQXAfterPrint>(), TypeInfo<TNotifyEvent>()},
        {"before print and ask data", TypeInfo<TQXBeforePrint>(), TypeInfo<TQXAskData>()},
        {"before and after report", TypeInfo<TQXBeforeReport>(), TypeInfo<TQXAfterReport>()},
    };
    for (const auto& c : cases) {
        EXPECT_NE(c.Type, c.Twin) << c.Case;
        EXPECT_NE(c.Type->Name, c.Twin->Name) << c.Case;
        EXPECT_EQ(c.Type->Signature, c.Twin->Signature) << c.Case;
    }
    EXPECT_EQ(TQXControl::StaticClass().FindProp(u"AfterPrint")->PropType, TypeInfo<TQXAfterPrint>());
    EXPECT_EQ(TQXControl::StaticClass().FindProp(u"AskData")->PropType->Name, "TQXAskData");
}

TEST(ControlReport, OnlyAPaperOwnerAndAReportCount)
{
    TQXReport report(nullptr);
    {
        // Owner not a paper: no report, and events go out without one.
        TQXContainer owner(nullptr);
        auto* e = new TQXControl(&owner);
        EXPECT_EQ(e->GetReport(), nullptr);
        TEventForm form(nullptr);
        form.Bind(e);
        e->DoBeforePrint();
        EXPECT_EQ(form.LastSender, nullptr);
    }
    std::unique_ptr<TQXPaper> paper(NewA4Paper());
    TQXControl* e = AddElement<TQXControl>(paper.get(), nullptr, QStringLiteral("E"), {});
    TComponent notAReport(nullptr);
    paper->SetReport(&notAReport);
    EXPECT_EQ(e->GetReport(), nullptr);
    {
        TQXReport shortLived(nullptr);
        paper->SetReport(&shortLived);
        EXPECT_EQ(e->GetReport(), &shortLived);
    }
    EXPECT_EQ(e->GetReport(), nullptr);  // the paper heard of its end
    paper->SetReport(&report);
    EXPECT_EQ(e->GetReport(), &report);
}

TEST(ControlCopy, CloneTakesTheTemplatesNameButNoListPlace)
{
    std::unique_ptr<TQXPaper> paper(NewA4Paper());
    auto* box = AddElement<TQXContainer>(paper.get(), nullptr, QStringLiteral("Box"), {0, 0, 500, 500});
    auto* tmpl = AddElement<TQXControl>(paper.get(), box, QStringLiteral("Item"), {10, 20, 30, 40}, alLeft);
    tmpl->SetPrintOrder(3);
    tmpl->SetStatic(true);
    tmpl->SetPrintable(false);
    tmpl->Frame()->SetWidth(11);
    TEventForm form(nullptr);
    form.Bind(tmpl);

    auto* copy = new TQXControl(paper.get());
    copy->Assign(tmpl);
    EXPECT_EQ(copy->GetName(), "Item");
    EXPECT_EQ(copy->Name(), "");
    EXPECT_EQ(BoundsText(copy), "10,20 30x40");
    EXPECT_EQ(copy->Align(), alLeft);
    EXPECT_EQ(copy->PrintOrder(), 3);
    EXPECT_TRUE(copy->Static());
    EXPECT_TRUE(copy->Printable());  // not copied
    EXPECT_EQ(copy->Frame()->Width(), 11);
    EXPECT_EQ(copy->BeforePrint, tmpl->BeforePrint);
    EXPECT_EQ(copy->QXParent(), box);
    EXPECT_EQ(copy->ListedIn(), nullptr);
    EXPECT_EQ(box->ControlCount(), 1);
    box->InsertControl(0, copy);
    EXPECT_EQ(box->ControlCount(), 2);
    EXPECT_EQ(box->GetControl(0), copy);
}

TEST(ControlTree, ParentsThatWouldBreakTheTreeAreIgnored)
{
    std::unique_ptr<TQXPaper> paper(NewA4Paper());
    auto* outer = AddElement<TQXContainer>(paper.get(), nullptr, QStringLiteral("Outer"), {});
    auto* inner = AddElement<TQXContainer>(paper.get(), outer, QStringLiteral("Inner"), {});
    auto* leaf = AddElement<TQXControl>(paper.get(), inner, QStringLiteral("Leaf"), {});

    outer->SetQXParent(outer);  // itself
    outer->SetQXParent(inner);  // its own descendant
    EXPECT_EQ(outer->ListedIn(), paper.get());
    EXPECT_EQ(inner->ListedIn(), outer);

    // A second parent moves the element: it is never in two lists.
    leaf->SetQXParent(outer);
    EXPECT_EQ(inner->ControlCount(), 0);
    EXPECT_EQ(outer->ControlCount(), 2);
    EXPECT_EQ(leaf->QXParent(), outer);
    EXPECT_EQ(paper->ControlCount(), 1);
}

} // namespace
