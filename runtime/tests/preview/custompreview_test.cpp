// The preview as a widget, offscreen: leaf geometry and visibility, page
// changes, the scroll hint, enabled states.

#include "runtime/custompreview.h"

#include "classlib/core/classbuilder.h"

#include <QCoreApplication>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace runtime {
namespace {

using namespace classlib;

// Published handlers for the preview's events.
class THandlers : public TComponent {
    QX_CLASS(THandlers, TComponent)
public:
    using TComponent::TComponent;
    QString HintText;  // empty: leave the text as it is
    QList<QPair<int, int>> HintRanges;
    int PageChanges = 0;

    void GetScrollHint(TObject*, int FromPage, int ToPage, QString& Text)
    {
        HintRanges.append({FromPage, ToPage});
        if (!HintText.isEmpty())
            Text = HintText;
    }
    void PageChanged(TObject*) { ++PageChanges; }
};

const TClassInfo& THandlers::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<THandlers>("THandlers")
        .Method("GetScrollHint", &THandlers::GetScrollHint)
        .Method("PageChanged", &THandlers::PageChanged)
        .Build();
    return info;
}

TMethod Bound(THandlers& H, const char* Name)
{
    return TMethod{H.ClassType()->FindMethod(QString::fromLatin1(Name)), &H};
}

// Sizes the preview so that its desktop gets DW x DH client pixels.
void FitDesktop(TCustomPreview& P, int DW, int DH)
{
    P.SetBounds(0, 0, DW + 4 + GetSystemMetrics(SM_CXVSCROLL), DH + 4 + GetSystemMetrics(SM_CYHSCROLL));
}

QList<int> ShownPages(const TCustomPreview& P)
{
    QList<int> pages;
    for (int i = 0; i < P.LeafCount(); ++i)
        if (P.Leaves(i)->Visible())
            pages.append(P.Leaves(i)->PageIndex());
    return pages;
}

// Three columns of one row of half-size pages: 108 x 138 with the shadow.
struct TPreviewFixture : ::testing::Test {
    TCustomPreview P{nullptr};
    void SetUp() override
    {
        FitDesktop(P, 600, 400);
        P.BeginUpdate();
        P.SetPreviewStyle(psZoom);
        P.SetZoom(0.5);
        P.SetColumns(3);
        P.SetPageCount(7);
        P.EndUpdate();
    }
};

TEST_F(TPreviewFixture, ChildrenTileTheClientArea)
{
    const int w = GetSystemMetrics(SM_CXVSCROLL), h = GetSystemMetrics(SM_CYHSCROLL);
    const int cw = P.ClientWidth(), ch = P.ClientHeight();
    EXPECT_EQ(P.Desktop()->BoundsRect(), Rect(0, 0, cw - w, ch - h));
    EXPECT_EQ(P.HorzScrollBar()->BoundsRect(), Rect(0, ch - h, cw - w, ch));
    EXPECT_EQ(P.VertScrollBar()->BoundsRect(), Rect(cw - w, 0, cw, ch - 3 * h));
    EXPECT_EQ(P.PageUpButton()->BoundsRect(), Bounds(cw - w + 1, ch - 3 * h, w - 1, h));
    EXPECT_EQ(P.PageDownButton()->BoundsRect(), Bounds(cw - w + 1, ch - 2 * h, w - 1, h));
    EXPECT_EQ(P.BackColor(), clAppWorkSpace);
}

TEST_F(TPreviewFixture, LeavesAreCentredRowByRow)
{
    ASSERT_EQ(P.LeafCount(), 3);
    // Grid 344 x 138 centred in 600 x 400.
    EXPECT_EQ(P.Leaves(0)->BoundsRect(), Bounds(128, 131, 108, 138));
    EXPECT_EQ(P.Leaves(1)->BoundsRect(), Bounds(246, 131, 108, 138));
    EXPECT_EQ(P.Leaves(2)->BoundsRect(), Bounds(364, 131, 108, 138));
    EXPECT_EQ(ShownPages(P), (QList<int>{0, 1, 2}));

    P.SetColumns(2);
    P.SetRows(2);
    ASSERT_EQ(P.LeafCount(), 4);
    // Grid 226 x 286.
    EXPECT_EQ(P.Leaves(0)->BoundsRect(), Bounds(187, 57, 108, 138));
    EXPECT_EQ(P.Leaves(1)->BoundsRect(), Bounds(305, 57, 108, 138));
    EXPECT_EQ(P.Leaves(2)->BoundsRect(), Bounds(187, 205, 108, 138));
    EXPECT_EQ(P.Leaves(3)->BoundsRect(), Bounds(305, 205, 108, 138));
}

TEST_F(TPreviewFixture, PageChangesMoveByRowsAndEnableTheButtons)
{
    THandlers h(nullptr);
    P.OnPageChanged = Bound(h, "PageChanged");
    struct TStep {
        const char* Name;
        void (TCustomPreview::*Action)();
        int TopLine;
        QList<int> Shown;
        bool Up, Down;
    };
    const TStep steps[] = {
        {"next", &TCustomPreview::NextPage, 1, {3, 4, 5}, true, true},
        {"last shows the seventh page alone", &TCustomPreview::LastLine, 2, {6}, true, false},
        {"next at the end stays", &TCustomPreview::NextPage, 2, {6}, true, false},
        {"previous", &TCustomPreview::PrevPage, 1, {3, 4, 5}, true, true},
        {"first", &TCustomPreview::FirstLine, 0, {0, 1, 2}, false, true},
        {"previous at the start stays", &TCustomPreview::PrevPage, 0, {0, 1, 2}, false, true},
    };
    int changes = 0;
    for (const TStep& s : steps) {
        SCOPED_TRACE(s.Name);
        (P.*s.Action)();
        EXPECT_EQ(h.PageChanges, ++changes);  // also when nothing changed
        EXPECT_EQ(P.TopLine(), s.TopLine);
        EXPECT_EQ(ShownPages(P), s.Shown);
        EXPECT_EQ(P.PageUpButton()->Enabled(), s.Up);
        EXPECT_EQ(P.PageDownButton()->Enabled(), s.Down);
    }
    P.PageDownButton()->Click();
    EXPECT_EQ(P.TopLine(), 1);
    P.PageUpButton()->Click();
    EXPECT_EQ(P.TopLine(), 0);
}

TEST_F(TPreviewFixture, CurrentPageSelectsItsRowAndSurvivesARelayout)
{
    P.SetColumns(2);
    P.SetCurrentPage(5);
    EXPECT_EQ(P.CurrentPage(), 4);
    EXPECT_EQ(ShownPages(P), (QList<int>{4, 5}));
    // The first shown page stays in the top row when the grid changes.
    P.SetColumns(3);
    EXPECT_EQ(P.TopLine(), 1);
    EXPECT_EQ(ShownPages(P), (QList<int>{3, 4, 5}));
}

TEST_F(TPreviewFixture, NoPagesHidesEveryLeafAndDisablesEverything)
{
    P.SetPageCount(0);
    EXPECT_EQ(P.LineCount(), 0);
    EXPECT_TRUE(ShownPages(P).isEmpty());
    EXPECT_FALSE(P.PageUpButton()->Enabled());
    EXPECT_FALSE(P.PageDownButton()->Enabled());
    EXPECT_FALSE(P.VertScrollBar()->Enabled());
    EXPECT_FALSE(P.HorzScrollBar()->Enabled());
}

TEST_F(TPreviewFixture, ScrollHintNamesThePagesWhileTheThumbIsDragged)
{
    THandlers h(nullptr);
    ASSERT_TRUE(P.IsRowScroll());
    TScrollBar* bar = P.VertScrollBar();
    EXPECT_TRUE(bar->Enabled());

    bar->Scroll(scTrack, 1);
    EXPECT_TRUE(P.ScrollHint()->Visible());
    EXPECT_EQ(P.ScrollHint()->Caption(), QStringLiteral("Pages 4 - 6"));
    EXPECT_EQ(P.TopLine(), 0);  // applied at the end of the scroll
    EXPECT_EQ(P.ScrollHint()->Left(), bar->Left() - P.ScrollHint()->Width() - 5);
    EXPECT_GE(P.ScrollHint()->Top(), bar->Top());
    EXPECT_LE(P.ScrollHint()->Top() + P.ScrollHint()->Height(), bar->Top() + bar->Height());

    bar->Scroll(scTrack, 2);
    EXPECT_EQ(P.ScrollHint()->Caption(), QStringLiteral("Pages 7 - 7"));

    P.OnGetScrollHint = Bound(h, "GetScrollHint");
    h.HintText = QStringLiteral("Sheet two");
    bar->Scroll(scTrack, 1);
    EXPECT_EQ(P.ScrollHint()->Caption(), QStringLiteral("Sheet two"));
    EXPECT_EQ(h.HintRanges, (QList<QPair<int, int>>{{4, 6}}));

    bar->Scroll(scPosition, 1);
    bar->Scroll(scEndScroll, bar->Position());
    EXPECT_FALSE(P.ScrollHint()->Visible());
    EXPECT_EQ(P.TopLine(), 1);
    EXPECT_EQ(ShownPages(P), (QList<int>{3, 4, 5}));

    P.SetShowPageHint(false);
    bar->Scroll(scTrack, 0);
    EXPECT_FALSE(P.ScrollHint()->Visible());
}

TEST_F(TPreviewFixture, RowModeBarReachesTheLastTopLine)
{
    P.SetColumns(2);
    P.SetRows(2);
    P.SetPageCount(10);  // five lines, two shown
    ASSERT_TRUE(P.IsRowScroll());
    ASSERT_EQ(P.MaxTopLine(), 3);
    auto* qbar = static_cast<QScrollBar*>(P.VertScrollBar()->Widget());
    qbar->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(P.TopLine(), 3);
    EXPECT_EQ(ShownPages(P), (QList<int>{6, 7, 8, 9}));
    qbar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(P.TopLine(), 2);
}

TEST_F(TPreviewFixture, PostedUpdateRestoresTheScrollBars)
{
    TScrollBar* bar = P.VertScrollBar();
    const int max = bar->Max();
    bar->SetParams(0, 0, 0);
    bar->SetPageSize(1, true);
    QCoreApplication::processEvents();
    EXPECT_EQ(bar->Max(), max);
    EXPECT_TRUE(bar->Enabled());
}

TEST(CustomPreview, PixelModeScrollsTheDesktopAndEnablesBarsOnlyWhenNeeded)
{
    TCustomPreview p(nullptr);
    FitDesktop(p, 300, 200);
    p.SetPreviewStyle(psZoom);
    p.SetPageCount(2);
    EXPECT_FALSE(p.IsRowScroll());
    // One page of 210 x 270 in 300 x 200: taller, not wider.
    EXPECT_FALSE(p.HorzScrollBar()->Enabled());
    EXPECT_TRUE(p.VertScrollBar()->Enabled());
    EXPECT_EQ(p.VertScrollBar()->Max(), 2 * 10 + 273);
    EXPECT_EQ(p.Leaves(0)->Top(), 10);

    p.VertScrollBar()->Scroll(scPosition, 50);
    p.VertScrollBar()->Scroll(scEndScroll, p.VertScrollBar()->Position());
    EXPECT_EQ(p.OriginMarker()->Top(), -50);
    EXPECT_EQ(p.Leaves(0)->Top(), -40);
    // A re-layout keeps the offset; a new zoom starts at the top again.
    FitDesktop(p, 301, 200);
    EXPECT_EQ(p.Leaves(0)->Top(), -40);
    p.SetZoom(2);
    EXPECT_EQ(p.VertScrollBar()->Position(), 0);
    EXPECT_EQ(p.Leaves(0)->Top(), 10);
    EXPECT_TRUE(p.HorzScrollBar()->Enabled());

    // Wider now: the horizontal bar moves the grid sideways.
    const int left = p.Leaves(0)->Left();
    p.HorzScrollBar()->Scroll(scPosition, 30);
    p.HorzScrollBar()->Scroll(scEndScroll, p.HorzScrollBar()->Position());
    EXPECT_EQ(p.OriginMarker()->Left(), -30);
    EXPECT_EQ(p.Leaves(0)->Left(), left - 30);

    p.SetZoom(0.1);
    EXPECT_EQ(p.OriginMarker()->Left(), 0);
    EXPECT_FALSE(p.HorzScrollBar()->Enabled());
    EXPECT_FALSE(p.VertScrollBar()->Enabled());
}

TEST(CustomPreview, ZoomBelowTheLeastIsRaisedAndBadGridsAreClamped)
{
    TCustomPreview p(nullptr);
    FitDesktop(p, 300, 200);
    p.SetPageCount(3);
    p.SetPreviewStyle(psZoom);
    p.SetZoom(0.001);
    EXPECT_DOUBLE_EQ(p.Zoom(), 20.0 / 270);
    p.SetColumns(0);
    p.SetRows(-1);
    p.SetPageWidth(0);
    p.SetPageHeight(0);
    EXPECT_EQ(p.LeafCount(), 1);
    EXPECT_EQ(p.LineCount(), 3);
    EXPECT_TRUE(p.Leaves(0)->Visible());
}

// A descendant that shows nothing to scroll to.
class TNothingToScroll : public TCustomPreview {
public:
    using TCustomPreview::TCustomPreview;

protected:
    void SetScrollParams(TScrollBar* Bar, int PageSize, int, int Position) override
    {
        TCustomPreview::SetScrollParams(Bar, PageSize, 0, Position);
    }
};

TEST(CustomPreview, DescendantsDecideTheScrollParameters)
{
    TNothingToScroll p(nullptr);
    FitDesktop(p, 300, 200);
    p.SetPreviewStyle(psZoom);
    p.SetZoom(3);
    p.SetPageCount(2);
    EXPECT_FALSE(p.VertScrollBar()->Enabled());
    EXPECT_FALSE(p.HorzScrollBar()->Enabled());
    EXPECT_EQ(p.HorzScrollBar()->Tag(), 300);  // the bar remembers its page
}

TEST(CustomPreview, UpdatesWaitForTheLastEndUpdate)
{
    TCustomPreview p(nullptr);
    FitDesktop(p, 600, 400);
    p.SetPreviewStyle(psZoom);
    p.SetZoom(0.5);
    p.BeginUpdate();
    p.BeginUpdate();
    p.SetColumns(3);
    p.SetPageCount(7);
    p.EndUpdate();
    EXPECT_EQ(p.LeafCount(), 1);
    p.EndUpdate();
    EXPECT_EQ(p.LeafCount(), 3);
    EXPECT_EQ(ShownPages(p), (QList<int>{0, 1, 2}));
    p.EndUpdate();  // unbalanced: ignored
    EXPECT_EQ(p.UpdateCount(), 0);
}

TEST(CustomPreview, PageCursorReachesEveryLeaf)
{
    TCustomPreview p(nullptr);
    FitDesktop(p, 600, 400);
    p.SetPreviewStyle(psZoom);
    p.SetZoom(0.5);
    p.SetColumns(2);
    p.SetPageCount(2);
    p.SetPageCursor(crHandPoint);
    p.SetColumns(3);  // a leaf made later takes it too
    for (int i = 0; i < p.LeafCount(); ++i)
        EXPECT_EQ(p.Leaves(i)->Cursor(), crHandPoint);
}

} // namespace
} // namespace runtime
