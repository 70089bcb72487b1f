// Shortcuts of pop-up menu items: their text, and the keys that choose an
// item before the focused control sees them.

#include "classlib/controls/application.h"
#include "classlib/controls/form.h"
#include "classlib/controls/menus.h"
#include "classlib/tests/controls/menutestcontrols.h"
#include "classlib/controls/windowkeys.h"
#include "classlib/core/reader.h"
#include "classlib/core/streams.h"
#include "classlib/core/writer.h"

#include <QAction>
#include <QTest>

#include <gtest/gtest.h>

namespace classlib {
namespace {

TEST(ShortCut, TextAndKeysGoBothWays)
{
    struct {
        const char* Text;
        unsigned Key;
        TShiftState Shift;
    } cases[] = {
        {"Ctrl+X", 'X', {ssCtrl}},
        {"Ctrl+C", 'C', {ssCtrl}},
        {"F5", VK_F1 + 4, {}},
        {"F12", VK_F1 + 11, {}},
        {"Alt+F4", VK_F1 + 3, {ssAlt}},
        {"Shift+Ctrl+Del", VK_DELETE, {ssShift, ssCtrl}},
        {"Shift+Alt+9", '9', {ssShift, ssAlt}},
        {"Ctrl+PgDn", VK_NEXT, {ssCtrl}},
        {"Enter", VK_RETURN, {}},
    };
    for (const auto& c : cases) {
        const TShortCut sc = ShortCut(c.Key, c.Shift);
        EXPECT_EQ(ShortCutToText(sc), QLatin1String(c.Text)) << c.Text;
        EXPECT_EQ(TextToShortCut(QLatin1String(c.Text)), sc) << c.Text;
        unsigned key = 0;
        TShiftState shift;
        ShortCutToKey(sc, key, shift);
        EXPECT_EQ(key, c.Key) << c.Text;
        EXPECT_EQ(shift, c.Shift) << c.Text;
    }
    EXPECT_EQ(unsigned(ShortCut('X', {ssCtrl})), 0x4000u + 'X');  // the stored value
}

TEST(ShortCut, TextIsReadWithoutRegardToCaseOrModifierOrder)
{
    struct {
        const char* Text;
        TShortCut Expected;
    } cases[] = {
        {"ctrl+x", ShortCut('X', {ssCtrl})},
        {"ALT+SHIFT+a", ShortCut('A', {ssShift, ssAlt})},
        {"del", ShortCut(VK_DELETE, {})},
        {"", scNone},
        {"Ctrl+", scNone},
        {"Ctrl+Foo", scNone},
        {"Ctrl X", scNone},
        {"F25", scNone},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextToShortCut(QLatin1String(c.Text)), c.Expected) << c.Text;
    EXPECT_EQ(ShortCut(0x100, {ssCtrl}), scNone);
    EXPECT_EQ(ShortCutToText(scNone), QString());
    EXPECT_EQ(ShortCutToText(TShortCut(scCtrl | 0xE9)), QString());  // a key without a name
}

TEST(ShortCut, AnAcceleratorIsTheCharacterAfterASingleAmpersand)
{
    struct {
        const char* Caption;
        unsigned Key;
        bool Expected;
    } cases[] = {
        {"&General", 'G', true},
        {"&all properties", 'A', true},  // without regard to case
        {"Save &As", 'A', true},
        {"Save &As", 'S', false},
        {"&&Save", 'S', false},          // an ampersand, not a mark
        {"Fish &&&Chips", 'C', true},
        {"Trailing&", 'G', false},
        {"No mark", 'N', false},
        {"&1st", '1', true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsAccel(c.Key, QLatin1String(c.Caption)), c.Expected) << c.Caption;
}

using testing::TCountingItem;
using testing::TKeyControl;

struct TShortCutForm {
    TForm Form{nullptr};
    TPopupMenu* Menu = new TPopupMenu(&Form);
    TCountingItem* Copy = AddItem("Copy", "Ctrl+C");
    TCountingItem* Off = AddItem("Off", "Ctrl+D");
    TCountingItem* Hidden = AddItem("Hidden", "F12");
    TCustomControl* Panel = new TCustomControl(&Form);
    TKeyControl* Edit = new TKeyControl(&Form);

    TShortCutForm()
    {
        Off->SetEnabled(false);
        Hidden->SetVisible(false);
        Form.SetBounds(0, 0, 200, 100);
        Panel->SetBounds(0, 0, 150, 80);
        Panel->SetParent(&Form);
        Edit->SetBounds(5, 5, 80, 20);
        Edit->SetParent(Panel);
        Form.SetPopupMenu(Menu);
        Form.Show();
    }
    TCountingItem* AddItem(const char* Caption, const char* Key)
    {
        auto* item = new TCountingItem(&Form);
        item->SetCaption(QLatin1String(Caption));
        item->SetShortCut(TextToShortCut(QLatin1String(Key)));
        Menu->Add(item);
        return item;
    }
};

TEST(ShortCut, AKeyInAControlChoosesTheItemOfAParentsMenuFirst)
{
    struct {
        const char* Name;
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
        int Copies, Offs, Hiddens, EditKeys;
    } cases[] = {
        {"an enabled item is chosen", Qt::Key_C, Qt::ControlModifier, 1, 0, 0, 0},
        {"a disabled item swallows its key", Qt::Key_D, Qt::ControlModifier, 0, 0, 0, 0},
        {"a hidden item still works", Qt::Key_F12, Qt::NoModifier, 0, 0, 1, 0},
        {"another key goes to the control", Qt::Key_Q, Qt::ControlModifier, 0, 0, 0, 1},
        {"the modifiers must match", Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier, 0, 0, 0, 1},
    };
    for (const auto& c : cases) {
        TShortCutForm f;
        QTest::keyClick(f.Edit->Widget(), c.Key, c.Modifiers);
        EXPECT_EQ(f.Copy->Clicks, c.Copies) << c.Name;
        EXPECT_EQ(f.Off->Clicks, c.Offs) << c.Name;
        EXPECT_EQ(f.Hidden->Clicks, c.Hiddens) << c.Name;
        EXPECT_EQ(f.Edit->Keys, c.EditKeys) << c.Name;
    }
}

TEST(ShortCut, TheNearestMenuWinsAndADesignedControlKeepsItsKeys)
{
    TShortCutForm f;
    auto* own = new TPopupMenu(&f.Form);
    auto* ownCopy = new TCountingItem(&f.Form);
    ownCopy->SetShortCut(ShortCut('C', {ssCtrl}));
    own->Add(ownCopy);
    f.Panel->SetPopupMenu(own);
    QTest::keyClick(f.Edit->Widget(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(ownCopy->Clicks, 1);
    EXPECT_EQ(f.Copy->Clicks, 0);

    f.Panel->SetPopupMenu(nullptr);
    EXPECT_FALSE(DoWindowKey(nullptr, 'C', {ssCtrl}));
    f.Edit->SetDesigning(true);
    QTest::keyClick(f.Edit->Widget(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(f.Copy->Clicks, 0);
    EXPECT_EQ(f.Edit->Keys, 1);
}

TEST(ShortCut, AnItemThatRaisesIsReportedAndTheKeyStillTaken)
{
    TShortCutForm f;
    f.Copy->OnClick = {};
    struct TRaising : TMenuItem {
        using TMenuItem::TMenuItem;
        void Click() override { throw Exception(QStringLiteral("Nothing to copy")); }
    };
    auto* raising = new TRaising(&f.Form);
    raising->SetShortCut(ShortCut('R', {ssCtrl}));
    f.Menu->Insert(0, raising);
    QString shown;
    Application()->OnException = [&shown](TObject*, const Exception& E) { shown = E.Message; };
    QTest::keyClick(f.Edit->Widget(), Qt::Key_R, Qt::ControlModifier);
    Application()->OnException = nullptr;
    EXPECT_EQ(shown, QStringLiteral("Nothing to copy"));
    EXPECT_EQ(f.Edit->Keys, 0);
}

TEST(ShortCut, IsShownAfterTheCaptionAndStoredWithTheItem)
{
    TShortCutForm f;
    f.Menu->Popup(10, 10);
    ASSERT_NE(f.Menu->Menu(), nullptr);
    const QList<QAction*> actions = f.Menu->Menu()->actions();
    ASSERT_EQ(actions.size(), 2);  // the hidden item is not shown
    EXPECT_EQ(actions[0]->text(), QStringLiteral("Copy\tCtrl+C"));
    f.Menu->Menu()->close();

    TMemoryStream stream;
    WriteComponentToStream(stream, f.Copy);
    stream.SetPosition(0);
    TMenuItem copy(nullptr);
    ReadComponentFromStream(stream, &copy);
    EXPECT_EQ(copy.ShortCut(), ShortCut('C', {ssCtrl}));
    EXPECT_EQ(TMenuItem::StaticClass().FindProp(u"ShortCut")->PropType->Name, QStringLiteral("TShortCut"));
}

} // namespace
} // namespace classlib
