// Item selectors: the layout of slots for a client size, the selection
// moved from code, with the keys, the mouse and the scroll bar, and the
// owner's drawing of the selected slot.

#include "designer/controls/itemselector.h"

#include "classlib/controls/form.h"
#include "classlib/controls/scrollbar.h"
#include "classlib/tests/controls/handlers.h"

#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace designer::tests {
namespace {

using namespace classlib;

// A form with a selector of the given client size (no border, no bevels)
// and a 16-pixel scroll bar; changes are counted.
struct TSelectorHost {
    std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
    TItemSelector* Sel = new TItemSelector(Form.get());
    int Changes = 0;

    TSelectorHost(int W, int H, int ItemW, int ItemH, int Margin, int Count)
    {
        Form->SetBounds(0, 0, 500, 400);
        Sel->SetParent(Form.get());
        Sel->ScrollBar()->SetWidth(16);
        Sel->SetMargin(Margin);
        Sel->SetValue(2, ItemW);
        Sel->SetValue(3, ItemH);
        Sel->SetItemCount(Count);
        Sel->SetBounds(10, 10, W, H);
        classlib::testing::Bind(Sel->OnChange, [this](TObject*) { ++Changes; });
        Form->Show();
        Form->Widget()->activateWindow();
        (void)QTest::qWaitForWindowActive(Form->Widget());
    }

    void Key(Qt::Key K) { QTest::keyClick(Sel->Widget(), K); }
    void ClickSlot(int I) { QTest::mouseClick(Sel->Slots(I)->Widget(), Qt::LeftButton, {}, QPoint(3, 3)); }
};

int CaptionHeight(TItemSelector& S)
{
    return S.MeasureCanvas().TextHeight(QStringLiteral("Wg")) + 4;
}

TEST(ItemSelector, StartsWithItsDefaults)
{
    TItemSelector s(nullptr);
    EXPECT_EQ(s.Width(), 145);
    EXPECT_EQ(s.Height(), 122);
    EXPECT_EQ(s.ItemCount(), 1);
    EXPECT_EQ(s.ItemWidth(), 40);
    EXPECT_EQ(s.ItemHeight(), 40);
    EXPECT_EQ(s.Margin(), 4);
    EXPECT_EQ(s.BevelOuter(), bvNone);
    EXPECT_EQ(s.ItemIndex(), -1);
    s.SetItemCount(-5);
    EXPECT_EQ(s.ItemCount(), 0);
    s.SetValue(2, -1);
    EXPECT_EQ(s.ItemWidth(), 0);
}

TEST(ItemSelector, LaysOutWholeRowsAndColumnsWithCaptions)
{
    TSelectorHost h(306, 290, 120, 80, 10, 5);
    h.Sel->SetShowCaptions(true);
    const int ch = CaptionHeight(*h.Sel);
    EXPECT_EQ(h.Sel->Columns(), 2);  // (306 - 16 - 10) / 130
    EXPECT_EQ(h.Sel->Rows(), 280 / (90 + ch));
    ASSERT_EQ(h.Sel->Rows(), 2);     // captions of 13 + 4 pixels, or near it
    EXPECT_EQ(h.Sel->SlotCount(), 4);
    EXPECT_EQ(h.Sel->LineCount(), 3);
    EXPECT_TRUE(h.Sel->ScrollBar()->Enabled());
    EXPECT_EQ(h.Sel->ScrollBar()->Max(), 1);
    EXPECT_EQ(h.Sel->ScrollBar()->Left(), 290);
    EXPECT_EQ(h.Sel->ScrollBar()->Top(), 10);
    // Second row, second column; its caption right under it.
    EXPECT_EQ(h.Sel->Slots(3)->BoundsRect(), Bounds(140, 10 + 90 + ch, 120, 80));
    EXPECT_EQ(h.Sel->Slots(3)->Caption()->BoundsRect(), Bounds(140, 10 + 90 + ch + 80, 120, ch));
    h.Sel->SetFullScroll(true);
    EXPECT_EQ(h.Sel->ScrollBar()->Top(), 0);
    EXPECT_EQ(h.Sel->ScrollBar()->Height(), 290);
}

TEST(ItemSelector, AClientTooNarrowForOneColumnHasNoSlotsAndIgnoresInput)
{
    TSelectorHost h(40, 200, 40, 40, 4, 3);
    EXPECT_EQ(h.Sel->Columns(), 0);
    EXPECT_EQ(h.Sel->SlotCount(), 0);
    EXPECT_EQ(h.Sel->LineCount(), 0);
    EXPECT_FALSE(h.Sel->ScrollBar()->Enabled());
    h.Sel->SetFocus();
    for (Qt::Key k : {Qt::Key_Home, Qt::Key_End, Qt::Key_Down, Qt::Key_Right}) h.Key(k);
    QTest::mouseClick(h.Sel->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(h.Sel->ItemIndex(), -1);
    EXPECT_EQ(h.Changes, 0);
}

// 3 columns x 2 rows of 20 items: 7 lines.
TSelectorHost* Grid()
{
    return new TSelectorHost(16 + 4 + 3 * 44, 4 + 2 * 44, 40, 40, 4, 20);
}

TEST(ItemSelector, SettingTheIndexScrollsByAsFewRowsAsBringTheItemIn)
{
    std::unique_ptr<TSelectorHost> h(Grid());
    ASSERT_EQ(h->Sel->Columns(), 3);
    ASSERT_EQ(h->Sel->Rows(), 2);
    EXPECT_EQ(h->Sel->LineCount(), 7);
    h->Sel->SetItemIndex(10);  // line 3: the last visible row
    EXPECT_EQ(h->Sel->TopLine(), 2);
    EXPECT_EQ(h->Sel->ItemIndex(), 10);
    EXPECT_EQ(h->Sel->ScrollBar()->Position(), 2);
    h->Sel->SetItemIndex(19);
    EXPECT_EQ(h->Sel->TopLine(), 5);
    h->Sel->SetItemIndex(4);   // line 1: the first visible row
    EXPECT_EQ(h->Sel->TopLine(), 1);
    EXPECT_EQ(h->Sel->ItemIndex(), 4);
    // The bar reports each scroll with a selection as a change too.
    EXPECT_EQ(h->Changes, 1 + 2 + 2);
}

TEST(ItemSelector, OnChangeFiresOncePerRealChange)
{
    std::unique_ptr<TSelectorHost> h(Grid());
    h->Sel->SetItemIndex(2);
    h->Sel->SetItemIndex(2);
    EXPECT_EQ(h->Changes, 1);
    h->Sel->SetItemIndex(-1);
    EXPECT_EQ(h->Sel->ItemIndex(), -1);
    EXPECT_EQ(h->Changes, 2);
    h->Sel->SetItemIndex(1);
    h->Sel->SetItemIndex(99);
    EXPECT_EQ(h->Sel->ItemIndex(), -1);
    EXPECT_EQ(h->Changes, 4);
}

TEST(ItemSelector, KeysMoveTheSelectionWithinTheItems)
{
    std::unique_ptr<TSelectorHost> h(Grid());
    h->Sel->SetFocus();
    struct {
        Qt::Key Key;
        int Expected;
    } steps[] = {
        {Qt::Key_Down, 0},  // no selection yet: the first item
        {Qt::Key_Right, 1}, {Qt::Key_Down, 4}, {Qt::Key_Left, 3}, {Qt::Key_Up, 0},
        {Qt::Key_Up, 0},    // nothing above the first row
        {Qt::Key_End, 19},  {Qt::Key_Right, 19}, {Qt::Key_Down, 19},
        {Qt::Key_Home, 0},  {Qt::Key_Home, 0},
    };
    int last = -1;
    for (const auto& s : steps) {
        const int before = h->Changes;
        h->Key(s.Key);
        EXPECT_EQ(h->Sel->ItemIndex(), s.Expected) << "key " << s.Key;
        if (s.Expected == last) {
            EXPECT_EQ(h->Changes, before) << "key " << s.Key;  // a key that does nothing fires nothing
        } else {
            EXPECT_GT(h->Changes, before) << "key " << s.Key;
        }
        last = s.Expected;
    }
    EXPECT_EQ(h->Sel->TopLine(), 0);
}

TEST(ItemSelector, ClickingASlotSelectsItsItemAndTakesTheFocus)
{
    std::unique_ptr<TSelectorHost> h(Grid());
    int dbl = 0;
    classlib::testing::Bind(h->Sel->OnDblClick, [&](TObject*) { ++dbl; });
    h->ClickSlot(4);
    EXPECT_EQ(h->Sel->ItemIndex(), 4);
    EXPECT_TRUE(h->Sel->Focused());
    QTest::mouseClick(h->Sel->Slots(5)->Widget(), Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseDClick(h->Sel->Slots(5)->Widget(), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(h->Sel->ItemIndex(), 5);
    EXPECT_EQ(dbl, 1);
}

TEST(ItemSelector, ScrollingKeepsTheSelectionInViewInItsColumn)
{
    std::unique_ptr<TSelectorHost> h(Grid());
    h->ClickSlot(4);  // line 1, column 1
    h->Changes = 0;
    h->Sel->ScrollBar()->Scroll(scPosition, 1);
    EXPECT_EQ(h->Sel->ItemIndex(), 4);  // still in view
    h->Sel->ScrollBar()->Scroll(scPosition, 4);
    EXPECT_EQ(h->Sel->TopLine(), 4);
    EXPECT_EQ(h->Sel->ItemIndex(), 13);  // the nearest visible row, same column
    h->Sel->ScrollBar()->Scroll(scPosition, 0);
    EXPECT_EQ(h->Sel->ItemIndex(), 4);
    EXPECT_GE(h->Changes, 2);
}

TEST(ItemSelector, LosingTheSelectedSlotClearsTheSelection)
{
    std::unique_ptr<TSelectorHost> h(Grid());
    h->Sel->SetItemIndex(5);  // slot 5, second row
    h->Changes = 0;
    h->Sel->SetBounds(10, 10, h->Sel->Width(), 4 + 44);  // one row left
    EXPECT_EQ(h->Sel->SlotCount(), 3);
    EXPECT_EQ(h->Sel->ItemIndex(), -1);
    EXPECT_EQ(h->Changes, 1);
}

TEST(ItemSelector, SlotsBeyondTheItemsAreHidden)
{
    std::unique_ptr<TSelectorHost> h(Grid());
    h->Sel->SetItemCount(4);
    EXPECT_EQ(h->Sel->Slots(3)->Index(), 3);
    EXPECT_TRUE(h->Sel->Slots(3)->Visible());
    EXPECT_EQ(h->Sel->Slots(4)->Index(), -1);
    EXPECT_FALSE(h->Sel->Slots(4)->Visible());
    EXPECT_FALSE(h->Sel->ScrollBar()->Enabled());
}

TEST(ItemSelector, TheOwnerDrawsTheSelectedSlotAndItsCaption)
{
    std::unique_ptr<TSelectorHost> h(Grid());
    h->Sel->SetShowCaptions(true);
    classlib::testing::Bind(h->Sel->OnDrawItem, [](TObject*, int, TCanvas* C, TRect R, bool Selected) {
        C->Brush()->SetColor(Selected ? clRed : clWhite);
        C->FillRect(R);
    });
    QStringList captions;
    classlib::testing::Bind(h->Sel->OnDrawCaption, [&](TObject*, int Item, TCanvas* C, TRect R, bool Selected) {
        captions << QStringLiteral("%1%2").arg(Item).arg(Selected ? "*" : "");
        C->FillRect(R);
    });
    h->Sel->SetItemIndex(1);
    const QImage a = h->Sel->Slots(1)->Widget()->grab().toImage();
    const QImage b = h->Sel->Slots(0)->Widget()->grab().toImage();
    EXPECT_EQ(a.pixel(20, 20), qRgb(255, 0, 0));
    EXPECT_EQ(b.pixel(20, 20), qRgb(255, 255, 255));
    (void)h->Sel->Slots(1)->Caption()->Widget()->grab();
    EXPECT_TRUE(captions.contains(QStringLiteral("1*")));
}

} // namespace
} // namespace designer::tests
