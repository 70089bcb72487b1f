// Main menus: the bar at the top of a form, sub-menus filled as they open
// (after their item's OnClick), the tree of items, and shortcuts that work
// for hidden items but never for disabled ones.

#include "classlib/controls/application.h"
#include "classlib/controls/form.h"
#include "classlib/controls/menus.h"
#include "classlib/tests/controls/menutestcontrols.h"
#include "classlib/core/classregistry.h"
#include "classlib/core/reader.h"
#include "classlib/core/streams.h"
#include "classlib/core/sysutils.h"
#include "classlib/core/writer.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

namespace classlib {
namespace {

using testing::TCountingItem;
using testing::TKeyControl;

// A designer-like window: File, Edit (enabled as it opens), View with a
// zoom sub-menu of radio items, and a hidden Help.
struct TMenuWindow {
    TForm Form{nullptr};
    TMainMenu* Menu = new TMainMenu(&Form);
    TCountingItem* File = Add(Menu->Root(), "&File");
    TCountingItem* New = Add(File, "&New", "Ctrl+N");
    TCountingItem* Save = Add(File, "&Save", "Ctrl+S");
    TCountingItem* Sep = Add(File, "-");
    TCountingItem* Exit = Add(File, "E&xit");
    TCountingItem* Edit = Add(Menu->Root(), "&Edit");
    TCountingItem* Cut = Add(Edit, "Cu&t", "Ctrl+X");
    TCountingItem* View = Add(Menu->Root(), "&View");
    TCountingItem* Zoom = Add(View, "&Zoom");
    TCountingItem* Zoom200 = Add(Zoom, "200%");
    TCountingItem* Zoom100 = Add(Zoom, "100%");
    TCountingItem* Grid = Add(View, "&Grid");
    TCountingItem* MainForm = Add(View, "F12", "F12");
    TCountingItem* Help = Add(Menu->Root(), "&Help");
    TKeyControl* Client = new TKeyControl(&Form);

    TMenuWindow()
    {
        for (TMenuItem* z : {Zoom200, Zoom100}) {
            z->SetRadioItem(true);
            z->SetGroupIndex(1);
        }
        Zoom100->SetChecked(true);
        Grid->SetChecked(true);
        New->SetDefault(true);
        New->SetHint(QStringLiteral("New|Creates a new report"));
        MainForm->SetVisible(false);
        Help->SetVisible(false);
        Form.SetBounds(0, 0, 400, 300);
        Client->SetParent(&Form);
        Client->SetAlign(alClient);
        Form.SetMenu(Menu);
        Form.Show();
        // What opening Edit does first: enables Cut when something is selected.
        Edit->Action = [this] { Cut->SetEnabled(Selected); };
    }

    TCountingItem* Add(TMenuItem* Parent, const char* Caption, const char* Key = "")
    {
        auto* item = new TCountingItem(&Form);
        item->SetCaption(QLatin1String(Caption));
        item->SetShortCut(TextToShortCut(QLatin1String(Key)));
        Parent->Add(item);
        return item;
    }

    QAction* BarAction(const QString& Title) const
    {
        for (QAction* a : Menu->Bar()->actions())
            if (a->text() == Title)
                return a;
        return nullptr;
    }

    // Clicks the bar's entry as a person would; the menu that opened.
    QMenu* Open(const QString& Title) const
    {
        QAction* a = BarAction(Title);
        if (!a)
            return nullptr;
        QTest::mouseClick(Menu->Bar(), Qt::LeftButton, {}, Menu->Bar()->actionGeometry(a).center());
        return a->menu() && a->menu()->isVisible() ? a->menu() : nullptr;
    }

    bool Selected = false;
};

QStringList Texts(const QMenu* Menu)
{
    QStringList texts;
    for (const QAction* a : Menu->actions())
        texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return texts;
}

TEST(MainMenu, TheBarShowsTheVisibleTopItemsAboveTheAlignedControls)
{
    TMenuWindow w;
    ASSERT_NE(w.Menu->Bar(), nullptr);
    QStringList titles;
    for (const QAction* a : w.Menu->Bar()->actions())
        titles << a->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "&View"}));
    EXPECT_GT(w.Menu->BarHeight(), 10);
    EXPECT_EQ(w.Menu->Bar()->width(), 400);
    EXPECT_EQ(w.Client->Top(), w.Menu->BarHeight());
    EXPECT_EQ(w.Client->Height(), 300 - w.Menu->BarHeight());

    w.Help->SetVisible(true);  // shown at once, in its place
    titles.clear();
    for (const QAction* a : w.Menu->Bar()->actions())
        titles << a->text();
    EXPECT_EQ(titles.last(), QStringLiteral("&Help"));

    w.Form.SetBounds(0, 0, 500, 300);
    EXPECT_EQ(w.Menu->Bar()->width(), 500);

    delete w.Menu;  // the form forgets it and takes the space back
    EXPECT_EQ(w.Form.Menu(), nullptr);
    EXPECT_EQ(w.Client->Top(), 0);
}

TEST(MainMenu, OpeningAMenuClicksItsItemFirstAndShowsItsItems)
{
    TMenuWindow w;
    for (bool selected : {false, true}) {
        w.Selected = selected;
        QMenu* edit = w.Open(QStringLiteral("&Edit"));
        ASSERT_NE(edit, nullptr);
        ASSERT_EQ(edit->actions().size(), 1);
        EXPECT_EQ(edit->actions()[0]->text(), QStringLiteral("Cu&t\tCtrl+X"));
        EXPECT_EQ(edit->actions()[0]->isEnabled(), selected) << selected;
        edit->close();
    }
    EXPECT_EQ(w.Edit->Clicks, 2);

    QMenu* file = w.Open(QStringLiteral("&File"));
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(Texts(file), (QStringList{"&New\tCtrl+N", "&Save\tCtrl+S", "-", "E&xit"}));
    EXPECT_TRUE(file->actions()[0]->font().bold());  // the default item
    EXPECT_FALSE(file->actions()[1]->font().bold());
    EXPECT_EQ(file->actions()[0]->statusTip(), QStringLiteral("Creates a new report"));
    file->actions()[3]->trigger();
    EXPECT_EQ(w.Exit->Clicks, 1);
    file->close();

    QMenu* view = w.Open(QStringLiteral("&View"));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Texts(view), (QStringList{"&Zoom", "&Grid"}));  // F12 is hidden
    EXPECT_TRUE(view->actions()[1]->isChecked());
    QMenu* zoom = view->actions()[0]->menu();
    ASSERT_NE(zoom, nullptr);
    emit zoom->aboutToShow();  // as hovering the item does
    EXPECT_EQ(w.Zoom->Clicks, 1);
    ASSERT_EQ(Texts(zoom), (QStringList{"200%", "100%"}));
    EXPECT_FALSE(zoom->actions()[0]->isChecked());
    EXPECT_TRUE(zoom->actions()[1]->isChecked());
    ASSERT_NE(zoom->actions()[1]->actionGroup(), nullptr);  // drawn as a radio item
    EXPECT_TRUE(zoom->actions()[1]->actionGroup()->isExclusive());
    view->close();
}

TEST(MainMenu, ATopItemWithoutItemsIsChosenOnTheBar)
{
    TMenuWindow w;
    TCountingItem* about = w.Add(w.Menu->Root(), "&About");
    // Its click may change the bar: the item hides itself.
    about->Action = [about] { about->SetVisible(false); };
    QAction* a = w.BarAction(QStringLiteral("&About"));
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->menu(), nullptr);
    QTest::mouseClick(w.Menu->Bar(), Qt::LeftButton, {}, w.Menu->Bar()->actionGeometry(a).center());
    EXPECT_EQ(about->Clicks, 1);
    EXPECT_EQ(w.BarAction(QStringLiteral("&About")), nullptr);

    // Given items, it opens as a menu.
    about->SetVisible(true);
    about->Action = {};
    w.Add(about, "&Version");
    QMenu* menu = w.Open(QStringLiteral("&About"));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Texts(menu), QStringList{"&Version"});
    menu->close();
}

TEST(MainMenu, AltAndTheMarkedLetterOpensAMenu)
{
    TMenuWindow w;
    w.Form.Widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.Form.Widget()));
    w.Client->SetFocus();
    QTest::keyClick(w.Client->Widget(), Qt::Key_V, Qt::AltModifier);
    QAction* view = w.BarAction(QStringLiteral("&View"));
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->menu()->isVisible());
    EXPECT_EQ(w.View->Clicks, 1);
    view->menu()->close();
}

TEST(MainMenu, ShortCutsOfHiddenItemsWorkAndOfDisabledOnesNever)
{
    struct {
        const char* Name;
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
        std::function<void(TMenuWindow&)> Setup;
        TCountingItem* TMenuWindow::*Item;
        int Clicks;
        int ClientKeys;
    } cases[] = {
        {"an enabled item", Qt::Key_S, Qt::ControlModifier, {}, &TMenuWindow::Save, 1, 0},
        {"a hidden item in a shown menu", Qt::Key_F12, Qt::NoModifier, {}, &TMenuWindow::MainForm, 1, 0},
        {"an item of a hidden menu", Qt::Key_N, Qt::ControlModifier,
         [](TMenuWindow& w) { w.File->SetVisible(false); }, &TMenuWindow::New, 1, 0},
        {"a hidden and disabled item", Qt::Key_N, Qt::ControlModifier,
         [](TMenuWindow& w) { w.New->SetVisible(false); w.New->SetEnabled(false); }, &TMenuWindow::New, 0, 0},
        {"an item of a disabled menu", Qt::Key_X, Qt::ControlModifier,
         [](TMenuWindow& w) { w.Edit->SetEnabled(false); }, &TMenuWindow::Cut, 0, 0},
        {"other modifiers", Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier, {}, &TMenuWindow::Save, 0, 1},
        {"no menu on the form", Qt::Key_S, Qt::ControlModifier,
         [](TMenuWindow& w) { w.Form.SetMenu(nullptr); }, &TMenuWindow::Save, 0, 1},
    };
    for (const auto& c : cases) {
        TMenuWindow w;
        if (c.Setup)
            c.Setup(w);
        w.Client->SetFocus();
        QTest::keyClick(w.Client->Widget(), c.Key, c.Modifiers);
        EXPECT_EQ((w.*c.Item)->Clicks, c.Clicks) << c.Name;
        EXPECT_EQ(w.Client->Keys, c.ClientKeys) << c.Name;
    }
}

TEST(MainMenu, AnOpenMenuTakesItsOwnKeys)
{
    TMenuWindow w;
    QMenu* file = w.Open(QStringLiteral("&File"));
    ASSERT_NE(file, nullptr);
    QTest::keyClick(file, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(w.Save->Clicks, 0);
    file->close();
    w.Client->SetFocus();
    QTest::keyClick(w.Client->Widget(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(w.Save->Clicks, 1);
}

TEST(MainMenu, ShortCutsReachTheWindowFromAFormShownInsideIt)
{
    TMenuWindow w;
    TForm page(nullptr);  // as a page is shown inside the main window
    page.SetBorderStyle(bsNone);
    page.SetParentWidget(w.Client->Widget());
    page.SetBounds(10, 10, 100, 80);
    auto* edit = new TKeyControl(&page);
    edit->SetBounds(5, 5, 50, 20);
    edit->SetParent(&page);
    page.Show();
    ASSERT_FALSE(page.Widget()->isWindow());
    edit->SetFocus();
    QTest::keyClick(edit->Widget(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(w.Save->Clicks, 1);
    EXPECT_EQ(edit->Keys, 0);
    QTest::keyClick(edit->Widget(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(edit->Keys, 1);
}

TEST(MainMenu, ItemsAreInsertedAndDeletedAtAPosition)
{
    TMenuWindow w;
    // Recent files go between the separator and Exit.
    const int at = w.File->IndexOf(w.Sep) + 1;
    for (int i = 1; i <= 2; ++i) {
        auto* recent = new TMenuItem(&w.Form);
        recent->SetCaption(QStringLiteral("&%1 report%1.qxf").arg(i));
        recent->SetTag(i - 1);
        w.File->Insert(at + i - 1, recent);
    }
    QMenu* file = w.Open(QStringLiteral("&File"));
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(Texts(file), (QStringList{"&New\tCtrl+N", "&Save\tCtrl+S", "-", "&1 report1.qxf", "&2 report2.qxf",
                                        "E&xit"}));
    file->close();
    EXPECT_EQ(w.File->Items(at + 1)->Tag(), 1);
    const int components = w.Form.ComponentCount();
    w.File->Delete(at);
    EXPECT_EQ(w.Form.ComponentCount(), components - 1);
    EXPECT_EQ(w.File->Items(at)->Caption(), QStringLiteral("&2 report2.qxf"));
    EXPECT_THROW(w.File->Delete(w.File->Count()), EListError);
    EXPECT_THROW(w.Zoom200->Add(w.View), EInvalidOperation);  // an item cannot hold its parent

    // Moving an item takes it from its old place.
    w.Edit->Add(w.Exit);
    EXPECT_EQ(w.File->IndexOf(w.Exit), -1);
    EXPECT_EQ(w.Exit->Parent(), w.Edit);
    EXPECT_EQ(w.Exit->Menu(), w.Menu);
    EXPECT_EQ(w.Edit->Parent(), nullptr);  // a top item

    // Freeing a menu item frees those below it.
    delete w.View;
    EXPECT_EQ(w.Form.ComponentCount(), components - 1 - 6);
    EXPECT_EQ(w.Menu->FindItem(ShortCut(VK_F1 + 11, {})), nullptr);
}

TEST(MainMenu, CheckingARadioItemUnchecksItsGroupOnly)
{
    TMenuWindow w;
    auto* other = w.Add(w.Zoom, "Fit");
    other->SetRadioItem(true);
    other->SetGroupIndex(2);
    other->SetChecked(true);
    w.Zoom200->SetChecked(true);
    EXPECT_TRUE(w.Zoom200->Checked());
    EXPECT_FALSE(w.Zoom100->Checked());
    EXPECT_TRUE(other->Checked());  // another group
    w.Zoom200->SetChecked(false);  // none checked is allowed
    EXPECT_FALSE(w.Zoom100->Checked());
    w.Grid->SetChecked(true);  // not a radio item: its neighbours keep theirs
    EXPECT_TRUE(other->Checked());
}

TEST(MainMenu, TheTreeIsStoredWithTheForm)
{
    TMenuWindow w;
    w.Save->SetHelpContext(40);
    w.Save->SetHint(QStringLiteral("Saves the current report"));
    w.Zoom200->SetTag(200);
    TMemoryStream stream;
    WriteComponentToStream(stream, w.Menu);
    stream.SetPosition(0);
    TComponent owner(nullptr);
    auto* menu = new TMainMenu(&owner);
    ReadComponentFromStream(stream, menu);
    ASSERT_EQ(menu->Count(), 4);
    TMenuItem* file = menu->Items(0);
    ASSERT_EQ(file->Count(), 4);
    EXPECT_EQ(file->Items(1)->Caption(), QStringLiteral("&Save"));
    EXPECT_EQ(file->Items(1)->HelpContext(), 40);
    EXPECT_EQ(file->Items(1)->Hint(), QStringLiteral("Saves the current report"));
    EXPECT_EQ(file->Items(1)->ShortCut(), ShortCut('S', {ssCtrl}));
    EXPECT_TRUE(file->Items(0)->Default());
    TMenuItem* zoom = menu->Items(2)->Items(0);
    ASSERT_EQ(zoom->Count(), 2);
    EXPECT_TRUE(zoom->Items(0)->RadioItem());
    EXPECT_EQ(zoom->Items(0)->GroupIndex(), 1);
    EXPECT_EQ(zoom->Items(0)->Tag(), 200);
    EXPECT_TRUE(zoom->Items(1)->Checked());
    EXPECT_FALSE(menu->Items(3)->Visible());
    EXPECT_EQ(GetClass(QStringLiteral("TMainMenu")), &TMainMenu::StaticClass());
}

} // namespace
} // namespace classlib
