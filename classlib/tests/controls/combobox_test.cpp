// Combo boxes picked from as a person would: the drop-down list opened with
// a click or Alt+Down, items clicked or chosen with the keys, the list
// closed with Enter, Escape or a click outside; owner drawing and the
// overrides a component chooser makes.

#include "waituntil.h"
#include "classlib/controls/combobox.h"
#include "classlib/controls/form.h"
#include "handlers.h"

#include <QApplication>
#include <QScreen>
#include <QStringList>
#include <QTest>

#include <functional>

#include <gtest/gtest.h>

namespace classlib {
namespace {

using testing::Bind;

// Clicks only while the list is closed; Enter clicks.
class TChooser : public TComboBox {
public:
    using TComboBox::TComboBox;

protected:
    void Click() override
    {
        if (!DroppedDown())
            TComboBox::Click();
    }
    void KeyDown(unsigned& Key, TShiftState Shift) override
    {
        if (Key == VK_RETURN && !DroppedDown()) {
            Click();
            Key = 0;
            return;
        }
        TComboBox::KeyDown(Key, Shift);
    }
};

struct TComboFixture : ::testing::Test {
    TForm form{nullptr};
    TChooser* combo = new TChooser(&form);
    QStringList clicks;

    TComboFixture()
    {
        form.SetBounds(20, 20, 300, 200);
        combo->SetParent(&form);
        combo->SetBounds(2, 0, 172, 22);
        combo->SetItemHeight(16);
        combo->SetSorted(true);
        for (const char* s : {"Label1", "Band1", "Paper", "Shape1", "Panel1", "Label2", "Band2", "Memo",
                              "Image1", "Label3"})
            combo->Items()->Add(QString::fromLatin1(s));
        Bind(combo->OnClick, [this](TObject*) { clicks << combo->Text(); });
        form.Show();
        form.Widget()->activateWindow();
        (void)QTest::qWaitForWindowActive(form.Widget());
    }

    QWidget* Popup() const { return QApplication::activePopupWidget(); }
};

TEST_F(TComboFixture, ItemsAreSortedAndTheSelectionFollowsItsItem)
{
    EXPECT_EQ(combo->Items()->Get(0), QStringLiteral("Band1"));
    combo->SetItemIndex(combo->Items()->IndexOf(QStringLiteral("Memo")));
    combo->Items()->Add(QStringLiteral("Aardvark"));
    EXPECT_EQ(combo->Text(), QStringLiteral("Memo"));
    combo->SetItemIndex(99);
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), QString());
    EXPECT_TRUE(clicks.isEmpty());  // code picks nothing
}

TEST_F(TComboFixture, TheChosenItemFollowsEveryKindOfEdit)
{
    struct {
        const char* Name;
        std::function<void(TStrings*)> Edit;
        QString Text;  // what the box shows after
    } cases[] = {
        {"added before", [](TStrings* I) { I->Add("Aardvark"); }, "Memo"},
        {"added after", [](TStrings* I) { I->Add("Zebra"); }, "Memo"},
        {"deleted before", [](TStrings* I) { I->Delete(0); }, "Memo"},
        {"deleted after", [](TStrings* I) { I->Delete(I->Count() - 1); }, "Memo"},
        {"two added before", [](TStrings* I) { I->Add("A1"); I->Add("A2"); }, "Memo"},
        {"itself deleted", [](TStrings* I) { I->Delete(I->IndexOf("Memo")); }, ""},
        {"cleared", [](TStrings* I) { I->Clear(); }, ""},
    };
    for (const auto& c : cases) {
        combo->Items()->Clear();
        for (const char* s : {"Band1", "Label1", "Memo", "Paper", "Shape1"}) combo->Items()->Add(QString::fromLatin1(s));
        combo->SetItemIndex(2);
        c.Edit(combo->Items());
        EXPECT_EQ(combo->Text(), c.Text) << c.Name;
        if (!c.Text.isEmpty()) EXPECT_EQ(combo->Items()->Get(combo->ItemIndex()), c.Text) << c.Name;
    }
}

TEST_F(TComboFixture, AClickedItemIsPickedAfterTheListCloses)
{
    QTest::mouseClick(combo->Widget(), Qt::LeftButton, {}, QPoint(20, 10));
    ASSERT_TRUE(combo->DroppedDown());
    QWidget* popup = Popup();
    ASSERT_NE(popup, nullptr);
    // Under the box, as wide, eight items of 16 and a flat border.
    const QPoint boxBottom = combo->Widget()->mapToGlobal(QPoint(0, combo->Height()));
    EXPECT_EQ(popup->geometry(), QRect(boxBottom, QSize(172, 8 * 16 + 2)));

    QTest::mouseMove(popup, QPoint(20, 16 * 2 + 8));
    QTest::mouseClick(popup, Qt::LeftButton, {}, QPoint(20, 16 * 2 + 8));
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->Text(), QStringLiteral("Image1"));
    EXPECT_EQ(clicks, QStringList{"Image1"});
}

TEST_F(TComboFixture, KeysInTheOpenListMoveTheChoiceWithoutClickingUntilItCloses)
{
    combo->SetFocus();
    combo->SetItemIndex(0);
    QTest::keyClick(combo->Widget(), Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(combo->DroppedDown());
    QTest::keyClick(Popup(), Qt::Key_Down);  // the list hands its keys to the box
    QTest::keyClick(Popup(), Qt::Key_Down);
    EXPECT_EQ(combo->Text(), QStringLiteral("Image1"));
    EXPECT_TRUE(clicks.isEmpty());
    QTest::keyClick(Popup(), Qt::Key_Escape);  // takes back the keys' choice
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->Text(), QStringLiteral("Band1"));
    EXPECT_EQ(clicks, QStringList{"Band1"});

    QTest::keyClick(combo->Widget(), Qt::Key_F4);
    QTest::keyClick(Popup(), Qt::Key_End);
    QTest::keyClick(Popup(), Qt::Key_Return);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->Text(), QStringLiteral("Shape1"));
    QTest::keyClick(combo->Widget(), Qt::Key_Return);  // the chooser's own Enter
    QTest::keyClick(combo->Widget(), Qt::Key_Up);  // closed: the keys pick at once
    QTest::keyClick(combo->Widget(), Qt::Key_P);
    EXPECT_EQ(clicks, (QStringList{"Band1", "Shape1", "Paper", "Panel1"}));
}

TEST_F(TComboFixture, ClosingTheListBySetOrAClickOnTheBoxPicksNothing)
{
    combo->SetItemIndex(3);
    combo->SetDroppedDown(true);
    QTest::mouseMove(Popup(), QPoint(20, 5));
    combo->SetDroppedDown(false);
    EXPECT_EQ(combo->ItemIndex(), 3);  // the highlight was no pick
    QTest::mouseClick(combo->Widget(), Qt::LeftButton, {}, QPoint(20, 10));
    ASSERT_TRUE(combo->DroppedDown());
    Popup()->close();  // what a press outside the list does
    EXPECT_FALSE(combo->DroppedDown());
    QTest::mouseClick(combo->Widget(), Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_TRUE(combo->DroppedDown());  // and it opens again
    combo->SetDroppedDown(false);
    EXPECT_TRUE(clicks.isEmpty());
    form.Hide();
    combo->SetDroppedDown(true);  // no list for a box nobody sees
    EXPECT_FALSE(combo->DroppedDown());
}

TEST_F(TComboFixture, TheListOpensAboveTheBoxWhenTheScreenEndsBelowIt)
{
    const QRect screen = form.Widget()->screen()->availableGeometry();
    form.Hide();
    form.SetTop(screen.bottom() - 80);
    form.Show();
    ASSERT_GT(combo->ClientToScreen(Point(0, 0)).Y, screen.bottom() - 80);
    combo->SetDroppedDown(true);
    const QPoint boxTop = combo->Widget()->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(Popup()->geometry().bottom() + 1, boxTop.y());
    combo->SetDroppedDown(false);
}

TEST_F(TComboFixture, OwnerDrawingPaintsTheBoxAndTheListOnTheBoxCanvas)
{
    combo->SetStyle(csOwnerDrawFixed);
    combo->SetItemIndex(1);
    QStringList drawn;
    Bind(combo->OnDrawItem, [&](TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State) {
        EXPECT_EQ(Control, combo);
        drawn << QStringLiteral("%1%2").arg(Index).arg(State.Contains(odComboBoxEdit) ? " box" : "");
        combo->Canvas()->Brush()->SetColor(Index == 1 ? clRed : clLime);
        combo->Canvas()->FillRect(Rect);
    });
    const QImage box = combo->Widget()->grab().toImage();
    EXPECT_EQ(drawn, QStringList{"1 box"});
    EXPECT_EQ(box.pixelColor(10, 10), QColor(Qt::red));

    drawn.clear();
    combo->SetDroppedDown(true);
    const QImage list = Popup()->grab().toImage();
    EXPECT_EQ(drawn.size(), 8);
    EXPECT_EQ(list.pixelColor(10, 1 + 16 + 8), QColor(Qt::red));  // item 1
    EXPECT_EQ(list.pixelColor(10, 1 + 8), QColor(Qt::green));
    combo->SetDroppedDown(false);
}

TEST(ComboBox, PublishesItsSettingsAndEvents)
{
    const TClassInfo& info = TComboBox::StaticClass();
    for (const char* name : {"DropDownCount", "ItemHeight", "Items", "Sorted", "Style", "OnDrawItem"})
        EXPECT_NE(info.FindProp(QString::fromLatin1(name)), nullptr) << name;
    TComboBox combo(nullptr);
    EXPECT_EQ(info.FindProp(u"Style")->GetOrd(combo), csDropDown);
}

} // namespace
} // namespace classlib

namespace classlib {
namespace {

TEST(ComboBoxFocus, TabAndAClickGiveAComboBoxTheKeysAsOtherControls)
{
    TForm form(nullptr);
    form.SetBounds(20, 20, 300, 200);
    auto* first = new TComboBox(&form);
    first->SetParent(&form);
    first->SetBounds(2, 0, 120, 22);
    auto* second = new TComboBox(&form);
    second->SetParent(&form);
    second->SetBounds(2, 40, 120, 22);
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.Widget()));
    // A form shown gives the keys to its first control in tab order.
    EXPECT_TRUE(classlib::testing::WaitUntil([&] { return first->Focused(); }));
    QTest::keyClick(first->Widget(), Qt::Key_Tab);
    EXPECT_TRUE(classlib::testing::WaitUntil([&] { return second->Focused(); }));
    EXPECT_EQ(form.ActiveControl(), second);
    QTest::keyClick(second->Widget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(classlib::testing::WaitUntil([&] { return first->Focused(); }));
    QTest::mouseClick(second->Widget(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(second->Focused());
    second->SetDroppedDown(false);
}

} // namespace
} // namespace classlib
