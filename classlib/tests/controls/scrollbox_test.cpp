// Scroll boxes: the ranges follow the children, a position scrolls them,
// the bars show when needed and take the mouse, and a control is brought
// into view.

#include "classlib/controls/form.h"
#include "classlib/controls/panel.h"
#include "classlib/controls/scrollbox.h"

#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace classlib {
namespace {

class ScrollBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 400, 300);
        Box = new TScrollBox(Form);
        Box->SetParent(Form);
        Box->SetBounds(0, 0, 200, 100);
        Form->Show();
    }
    void TearDown() override { delete Form; }

    TPanel* Child(int L, int T, int W, int H)
    {
        auto* p = new TPanel(Form);
        p->SetParent(Box);
        p->SetBounds(L, T, W, H);
        return p;
    }
    QScrollBar* Bar(Qt::Orientation O) const
    {
        for (auto* b : Box->Widget()->findChildren<QScrollBar*>(Qt::FindDirectChildrenOnly))
            if (b->orientation() == O)
                return b;
        return nullptr;
    }
    // The client area inside the 2-pixel border of 200 x 100.
    static constexpr int Inner = 196;
    static constexpr int InnerHeight = 96;

    TForm* Form = nullptr;
    TScrollBox* Box = nullptr;
};

TEST_F(ScrollBoxTest, RangesAndBarsFollowTheChildren)
{
    const int sbw = GetSystemMetrics(SM_CXVSCROLL);
    const int sbh = GetSystemMetrics(SM_CYHSCROLL);
    ASSERT_GT(sbw, 0);
    ASSERT_GT(sbh, 6);
    const struct {
        const char* name;
        int left, top, width, height;
        int horzRange, vertRange;
        bool horz, vert;
    } cases[] = {
        {"fits", 10, 10, 50, 50, 60, 60, false, false},
        {"wider", 10, 10, 300, 50, 310, 60, true, false},
        {"taller", 10, 10, 50, 300, 60, 310, false, true},
        {"both", 0, 0, 400, 400, 400, 400, true, true},
        // The horizontal bar takes the room that the child needed.
        {"wide and nearly tall", 0, 0, 300, 90, 300, 90, true, true},
        {"exactly the client", 0, 0, Inner, InnerHeight, Inner, InnerHeight, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TPanel* p = Child(c.left, c.top, c.width, c.height);
        EXPECT_EQ(Box->HorzScrollBar()->Range(), c.horzRange);
        EXPECT_EQ(Box->VertScrollBar()->Range(), c.vertRange);
        EXPECT_EQ(Box->ClientWidth(), Inner - (c.vert ? sbw : 0));
        EXPECT_EQ(Box->ClientHeight(), InnerHeight - (c.horz ? sbh : 0));
        EXPECT_EQ(Bar(Qt::Horizontal)->isVisible(), c.horz);
        EXPECT_EQ(Bar(Qt::Vertical)->isVisible(), c.vert);
        delete p;
        EXPECT_EQ(Box->HorzScrollBar()->Range(), 0);
        EXPECT_FALSE(Bar(Qt::Vertical)->isVisible());
    }
}

TEST_F(ScrollBoxTest, HiddenAndFarAlignedChildrenDoNotCount)
{
    TPanel* hidden = Child(0, 0, 500, 500);
    hidden->Hide();
    TPanel* right = Child(0, 0, 300, 20);
    right->SetAlign(alRight);
    EXPECT_EQ(Box->HorzScrollBar()->Range(), 0);
    hidden->Show();
    EXPECT_EQ(Box->HorzScrollBar()->Range(), 500);
    Box->HorzScrollBar()->SetMargin(7);
    EXPECT_EQ(Box->HorzScrollBar()->Range(), 507);
}

TEST_F(ScrollBoxTest, PositionScrollsTheChildrenWithinTheRange)
{
    TPanel* p = Child(10, 10, 60, 310);
    TPanel* q = Child(100, 40, 20, 20);
    const int last = 320 - Box->ClientHeight();
    const struct {
        const char* name;
        int set, position;
    } cases[] = {
        {"down", 100, 100},
        {"past the end", 100000, last},
        {"above the start", -5, 0},
        {"back", 30, 30},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Box->VertScrollBar()->SetPosition(c.set);
        EXPECT_EQ(Box->VertScrollBar()->Position(), c.position);
        EXPECT_EQ(p->Top(), 10 - c.position);
        EXPECT_EQ(q->Top(), 40 - c.position);
        EXPECT_EQ(p->Left(), 10);
        EXPECT_EQ(Bar(Qt::Vertical)->value(), c.position);
        // The range is counted unscrolled.
        EXPECT_EQ(Box->VertScrollBar()->Range(), 320);
    }
    // Without a bar there is nothing to scroll to.
    Box->HorzScrollBar()->SetPosition(20);
    EXPECT_EQ(Box->HorzScrollBar()->Position(), 0);
    EXPECT_EQ(p->Left(), 10);
}

TEST_F(ScrollBoxTest, ShrinkingRangeScrollsBack)
{
    TPanel* p = Child(10, 10, 60, 310);
    Box->VertScrollBar()->SetPosition(1000);
    ASSERT_GT(Box->VertScrollBar()->Position(), 0);
    p->SetHeight(50);
    EXPECT_EQ(Box->VertScrollBar()->Position(), 0);
    EXPECT_EQ(p->Top(), 10);
    EXPECT_EQ(Box->VertScrollBar()->Range(), 60);
}

TEST_F(ScrollBoxTest, RangeSetByHandWithoutAutoScroll)
{
    Box->SetAutoScroll(false);
    Child(10, 10, 60, 60);
    Box->VertScrollBar()->SetRange(1000);
    EXPECT_EQ(Box->VertScrollBar()->Range(), 1000);
    EXPECT_TRUE(Bar(Qt::Vertical)->isVisible());
    Child(0, 0, 20, 2000);
    EXPECT_EQ(Box->VertScrollBar()->Range(), 1000);
    Box->SetAutoScroll(true);
    EXPECT_EQ(Box->VertScrollBar()->Range(), 2000);
}

TEST_F(ScrollBoxTest, ClickingTheBarScrolls)
{
    TPanel* p = Child(10, 10, 60, 600);
    QScrollBar* bar = Bar(Qt::Vertical);
    ASSERT_TRUE(bar && bar->isVisible());
    // In the trough below the handle.
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar->width() / 2, bar->height() - 20));
    const int pos = Box->VertScrollBar()->Position();
    EXPECT_GT(pos, 0);
    EXPECT_EQ(p->Top(), 10 - pos);
    // Dragging the handle up to the top scrolls back.
    Box->VertScrollBar()->SetTracking(true);
    QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar->width() / 2, bar->height() / 2));
    QTest::mouseMove(bar, QPoint(bar->width() / 2, 0));
    QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar->width() / 2, 0));
    EXPECT_EQ(p->Top(), 10 - Box->VertScrollBar()->Position());
}

TEST_F(ScrollBoxTest, ScrollInViewShowsTheControl)
{
    Child(0, 0, 20, 1000);
    TPanel* low = Child(10, 500, 30, 20);
    TPanel* high = Child(10, 5, 30, 20);
    Box->ScrollInView(low);
    EXPECT_EQ(low->Top() + low->Height(), Box->ClientHeight());
    Box->ScrollInView(low);  // already there: nothing moves
    EXPECT_EQ(low->Top() + low->Height(), Box->ClientHeight());
    Box->ScrollInView(high);
    EXPECT_EQ(high->Top(), 0);
    EXPECT_EQ(Box->VertScrollBar()->Position(), 5);
    // A control elsewhere is left alone.
    TPanel outside(nullptr);
    Box->ScrollInView(&outside);
    Box->ScrollInView(nullptr);
    EXPECT_EQ(Box->VertScrollBar()->Position(), 5);
}

} // namespace
} // namespace classlib
