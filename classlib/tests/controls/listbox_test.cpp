// List boxes picked from as a person would: clicks, drags, keys, typed
// initials and the wheel; the selection notification and the overrides a
// drop-down list makes of it; sorting, geometry and owner drawing.

#include "classlib/controls/edit.h"
#include "classlib/controls/form.h"
#include "classlib/controls/listbox.h"
#include "handlers.h"

#include <QApplication>
#include <QStringList>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace classlib {
namespace {

using testing::Bind;

// A drop-down value list: the selection notification picks nothing; a left
// release or Enter picks and hides; cancel mode from another control hides.
class TDropList : public TListBox {
public:
    using TListBox::TListBox;

protected:
    void Dispatch(TMessage& M) override
    {
        if (M.Msg == CN_COMMAND && NotifyCode(M.WParam) == LBN_SELCHANGE)
            return;
        TListBox::Dispatch(M);
        if (M.Msg == CM_CANCELMODE && reinterpret_cast<TControl*>(M.LParam) != this)
            Hide();
    }
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override
    {
        TListBox::MouseUp(Button, Shift, X, Y);
        if (Button == mbLeft) {
            Click();
            Hide();
        }
    }
    void KeyDown(unsigned& Key, TShiftState Shift) override
    {
        if (Key == VK_RETURN) {
            Click();
            Hide();
            Key = 0;
            return;
        }
        TListBox::KeyDown(Key, Shift);
    }
};

struct TListFixture : ::testing::Test {
    TForm form{nullptr};
    TListBox* list = new TListBox(&form);
    TDropList* drop = new TDropList(&form);
    TEdit* edit = new TEdit(&form);
    QStringList clicks;

    TListFixture()
    {
        form.SetBounds(0, 0, 400, 300);
        for (TListBox* l : {static_cast<TListBox*>(drop), list}) {
            l->SetParent(&form);
            l->SetItemHeight(13);
            l->SetBounds(l == list ? 0 : 150, 0, 120, 13 * 7 + 4);  // 7 items inside the border
            for (int i = 0; i < 20; ++i)
                l->Items()->Add(QStringLiteral("item%1").arg(i, 2, 10, QLatin1Char('0')));
            Bind(l->OnClick, [this, l](TObject*) {
                clicks << QStringLiteral("%1:%2").arg(l == list ? "list" : "drop").arg(l->ItemIndex());
            });
        }
        edit->SetParent(&form);
        edit->SetTop(200);
        form.Show();
        form.Widget()->activateWindow();
        (void)QTest::qWaitForWindowActive(form.Widget());
    }

    QPoint ItemCentre(TListBox* L, int Index) const
    {
        const TRect r = L->ItemRect(Index);
        const int b = 2;  // the border: the widget's points are the client's plus it
        return QPoint((r.Left + r.Right) / 2 + b, (r.Top + r.Bottom) / 2 + b);
    }
};

TEST_F(TListFixture, PickingWithTheMouseOrKeysClicksButCodeDoesNot)
{
    list->SetItemIndex(2);
    EXPECT_TRUE(clicks.isEmpty());
    QTest::mouseClick(list->Widget(), Qt::LeftButton, {}, ItemCentre(list, 4));
    EXPECT_EQ(list->ItemIndex(), 4);
    EXPECT_TRUE(list->Focused());
    QTest::keyClick(list->Widget(), Qt::Key_Down);
    QTest::keyClick(list->Widget(), Qt::Key_End);
    QTest::keyClick(list->Widget(), Qt::Key_End);  // already there: nothing new
    EXPECT_EQ(clicks, (QStringList{"list:4", "list:5", "list:19"}));
    EXPECT_EQ(list->TopIndex(), 13);
    QTest::keyClick(list->Widget(), Qt::Key_I);  // the next item with that initial, from the top again
    EXPECT_EQ(list->ItemIndex(), 0);
}

TEST_F(TListFixture, ADropDownListPicksOnlyOnReleaseOrEnter)
{
    drop->SetItemIndex(0);
    QTest::mousePress(drop->Widget(), Qt::LeftButton, {}, ItemCentre(drop, 1));
    QTest::mouseMove(drop->Widget(), ItemCentre(drop, 3));
    EXPECT_EQ(drop->ItemIndex(), 3);  // the highlight follows the mouse
    EXPECT_TRUE(clicks.isEmpty());
    QTest::mouseRelease(drop->Widget(), Qt::LeftButton, {}, ItemCentre(drop, 3));
    EXPECT_EQ(clicks, QStringList{"drop:3"});
    EXPECT_FALSE(drop->Visible());

    drop->Show();
    drop->SetFocus();
    QTest::keyClick(drop->Widget(), Qt::Key_Down);
    QTest::keyClick(drop->Widget(), Qt::Key_Down);
    EXPECT_EQ(drop->ItemIndex(), 5);
    EXPECT_EQ(clicks.size(), 1);
    QTest::keyClick(drop->Widget(), Qt::Key_Return);
    EXPECT_EQ(clicks, (QStringList{"drop:3", "drop:5"}));
    EXPECT_FALSE(drop->Visible());
}

TEST_F(TListFixture, PressingAnotherControlSendsTheFocusedListCancelMode)
{
    drop->SetFocus();
    QTest::mouseClick(drop->Widget(), Qt::LeftButton, {}, ItemCentre(drop, 2));  // itself: stays
    drop->Show();
    drop->SetFocus();
    QTest::mousePress(drop->Widget(), Qt::LeftButton, {}, ItemCentre(drop, 1));
    EXPECT_TRUE(drop->Visible());
    QTest::mouseRelease(drop->Widget(), Qt::LeftButton, {}, ItemCentre(drop, 1));
    drop->Show();
    drop->SetFocus();
    QTest::mouseClick(edit->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(drop->Visible());
    EXPECT_EQ(clicks, (QStringList{"drop:2", "drop:1"}));  // no value taken by the outside click
}

TEST_F(TListFixture, TheWheelScrollsWithoutSelecting)
{
    list->SetItemIndex(1);
    QWheelEvent down(QPointF(20, 20), list->Widget()->mapToGlobal(QPointF(20, 20)), QPoint(), QPoint(0, -120),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(list->Widget(), &down);
    EXPECT_EQ(list->TopIndex(), 3);
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_TRUE(clicks.isEmpty());
}

TEST_F(TListFixture, GeometryFollowsTheTopIndexAndItemHeight)
{
    EXPECT_EQ(list->VisibleItemCount(), 7);
    EXPECT_EQ(list->ClientWidth(), 116 - GetSystemMetrics(SM_CXVSCROLL));
    list->SetTopIndex(99);
    EXPECT_EQ(list->TopIndex(), 13);
    const struct {
        const char* Name;
        int X, Y;
        bool Existing;
        int Index;
    } cases[] = {
        {"first shown", 5, 0, true, 13},
        {"third shown", 5, 27, true, 15},
        {"below the items", 5, 200, true, -1},
        {"below, nearest", 5, 200, false, 20},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(list->ItemAtPos(Point(c.X, c.Y), c.Existing), c.Index);
    }
    EXPECT_EQ(list->ItemRect(14), Bounds(0, 13, list->ClientWidth(), 13));
    list->SetItemIndex(2);
    EXPECT_EQ(list->TopIndex(), 2);  // brought into view
    list->Items()->Clear();
    EXPECT_EQ(list->ItemIndex(), -1);
    EXPECT_EQ(list->TopIndex(), 0);
    EXPECT_EQ(list->ClientWidth(), 116);
}

TEST_F(TListFixture, SortedItemsKeepTheSelectedItemSelected)
{
    list->Items()->Clear();
    for (const char* s : {"clRed", "clBlack", "clWhite"})
        list->Items()->Add(QString::fromLatin1(s));
    list->SetItemIndex(0);  // clRed
    list->SetSorted(true);
    EXPECT_EQ(list->Items()->Text(), QStringLiteral("clBlack\r\nclRed\r\nclWhite\r\n"));
    EXPECT_EQ(list->ItemIndex(), 1);
    list->Items()->Add(QStringLiteral("clAqua"));
    EXPECT_EQ(list->Items()->Get(0), QStringLiteral("clAqua"));
    EXPECT_EQ(list->ItemIndex(), 2);
    list->Items()->Delete(2);
    EXPECT_EQ(list->ItemIndex(), -1);
}

TEST_F(TListFixture, OwnerDrawnItemsAreDrawnByTheHandler)
{
    list->SetStyle(lbOwnerDrawFixed);
    list->SetItemIndex(1);
    QStringList drawn;
    Bind(list->OnDrawItem, [&](TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State) {
        EXPECT_EQ(Control, list);
        drawn << QStringLiteral("%1 %2%3").arg(Index).arg(Rect.Top).arg(State.Contains(odSelected) ? " sel" : "");
        list->Canvas()->Brush()->SetColor(Index == 1 ? clRed : clWhite);
        list->Canvas()->FillRect(Rect);
    });
    const QImage image = list->Widget()->grab().toImage();
    EXPECT_EQ(drawn.mid(0, 3), (QStringList{"0 0", "1 13 sel", "2 26"}));
    EXPECT_EQ(drawn.size(), 7);  // the items shown
    EXPECT_EQ(image.pixelColor(10, 2 + 20), QColor(Qt::red));
}

TEST(ListBox, PublishesItsSettingsAndEvents)
{
    const TClassInfo& info = TListBox::StaticClass();
    for (const char* name : {"ItemHeight", "Items", "Sorted", "Style", "OnDrawItem"})
        EXPECT_NE(info.FindProp(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(info.FindProp(u"OnDrawItem")->Kind(), TTypeKind::tkMethod);
}

} // namespace
} // namespace classlib

namespace classlib {
namespace {

TEST_F(TListFixture, AnAutomaticDragSelectsFirstAndDropsOnlyAfterAMove)
{
    list->SetDragMode(dmAutomatic);
    QStringList drops;
    Bind(list->OnDragOver, [](TObject*, TObject*, int, int, TDragState, bool& Accept) { Accept = true; });
    Bind(list->OnDragDrop, [&](TObject*, TObject*, int X, int Y) {
        drops << QString::number(list->ItemAtPos(TPoint{X, Y}, true));
    });
    // A click selects and drops nothing; a drag keeps the pressed item.
    QTest::mouseClick(list->Widget(), Qt::LeftButton, {}, ItemCentre(list, 1));
    QTest::mousePress(list->Widget(), Qt::LeftButton, {}, ItemCentre(list, 2));
    QTest::mouseMove(list->Widget(), ItemCentre(list, 5));
    QTest::mouseRelease(list->Widget(), Qt::LeftButton, {}, ItemCentre(list, 5));
    EXPECT_FALSE(list->Dragging());
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(drops, QStringList{"5"});
    EXPECT_EQ(clicks, (QStringList{"list:1", "list:2"}));
}

} // namespace
} // namespace classlib
