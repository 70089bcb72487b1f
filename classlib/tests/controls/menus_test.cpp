// Pop-up menus: shown on a right click of a control that has one, items
// chosen through the QMenu, and a freed menu leaves the control's
// PopupMenu nil.

#include "classlib/controls/application.h"
#include "classlib/controls/control.h"
#include "classlib/controls/form.h"
#include "classlib/controls/menus.h"
#include "classlib/core/classbuilder.h"
#include "classlib/core/classregistry.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <vector>

#include <gtest/gtest.h>

namespace classlib {
namespace {

class TMenuForm : public TForm {
    QX_CLASS(TMenuForm, TForm)
public:
    using TForm::TForm;
    void ItemClick(TObject* Sender) { Clicked = Sender; }
    TObject* Clicked = nullptr;
};

} // namespace

const TClassInfo& TMenuForm::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TMenuForm>("TMenuForm").Method("ItemClick", &TMenuForm::ItemClick).Build();
    return info;
}

namespace {

TMenuItem* AddItem(TPopupMenu* Menu, const char* Caption)
{
    auto* item = new TMenuItem(Menu->Owner());
    item->SetCaption(QString::fromLatin1(Caption));
    Menu->Add(item);
    return item;
}

void RightClick(TControl* C, int X, int Y)
{
    for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        const QPointF local(X, Y);
        QMouseEvent e(t, local, C->Widget()->mapToGlobal(local), Qt::RightButton,
                      t == QEvent::MouseButtonPress ? Qt::RightButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(C->Widget(), &e);
    }
}

TEST(PopupMenu, ARightClickShowsTheVisibleItemsAndAChoiceClicksIt)
{
    TMenuForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    auto* panel = new TCustomControl(&form);
    panel->SetBounds(10, 10, 100, 50);
    panel->SetParent(&form);
    auto* child = new TCustomControl(&form);  // has no menu of its own
    child->SetBounds(5, 5, 20, 20);
    child->SetParent(panel);
    form.Show();

    auto* menu = new TPopupMenu(&form);
    TMenuItem* open = AddItem(menu, "&Open");
    open->OnClick = TMethod{TMenuForm::StaticClass().FindMethod(u"ItemClick"), &form};
    AddItem(menu, "-");
    AddItem(menu, "Secret")->SetVisible(false);
    AddItem(menu, "Off")->SetEnabled(false);
    AddItem(menu, "On")->SetChecked(true);

    RightClick(panel, 3, 3);
    EXPECT_EQ(menu->Menu(), nullptr);  // no menu set yet
    panel->SetPopupMenu(menu);
    RightClick(child, 3, 3);
    ASSERT_NE(menu->Menu(), nullptr);
    EXPECT_EQ(menu->PopupComponent(), child);
    EXPECT_TRUE(menu->Menu()->isVisible());
    const QList<QAction*> actions = menu->Menu()->actions();
    ASSERT_EQ(actions.size(), 4);
    EXPECT_EQ(actions[0]->text(), QStringLiteral("&Open"));
    EXPECT_TRUE(actions[1]->isSeparator());
    EXPECT_FALSE(actions[2]->isEnabled());
    EXPECT_TRUE(actions[3]->isChecked());
    actions[0]->trigger();
    EXPECT_EQ(form.Clicked, open);
    menu->Menu()->close();
}

TEST(PopupMenu, FreeingTheMenuClearsTheReference)
{
    struct {
        const char* Name;
        bool SameOwner;
    } cases[] = {{"menu of the same owner", true}, {"menu of another owner", false}};
    for (const auto& c : cases) {
        TComponent form(nullptr);
        TComponent other(nullptr);
        auto* menu = new TPopupMenu(c.SameOwner ? &form : &other);
        TMenuItem* item = AddItem(menu, "Item");
        TCustomControl control(&form);
        control.SetPopupMenu(menu);
        EXPECT_EQ(item->Menu(), menu) << c.Name;
        delete menu;  // its items go with it
        EXPECT_EQ(control.PopupMenu(), nullptr) << c.Name;
        EXPECT_EQ((c.SameOwner ? form : other).ComponentCount(), c.SameOwner ? 1 : 0) << c.Name;
    }
}

TEST(PopupMenu, ClassesAreRegisteredForStreams)
{
    EXPECT_EQ(GetClass(QStringLiteral("TPopupMenu")), &TPopupMenu::StaticClass());
    EXPECT_EQ(GetClass(QStringLiteral("TMenuItem")), &TMenuItem::StaticClass());
}

} // namespace
} // namespace classlib

namespace classlib {
namespace {

// A menu item under the mouse tells the application its long hint; F1 on
// it asks for its topic, the nearest one above it, or the menu's.
TEST(PopupMenu, AnItemUnderTheMouseGivesItsHintAndF1ItsHelpTopic)
{
    std::vector<qintptr> topics;
    Application()->OnHelp = [&](unsigned, qintptr Data, bool& CallHelp) {
        topics.push_back(Data);
        CallHelp = false;
        return true;
    };
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    form.Show();
    auto* menu = new TPopupMenu(&form);
    menu->SetHelpContext(250);
    TMenuItem* zoom = AddItem(menu, "Zoom");
    zoom->SetHint(QStringLiteral("Zoom|Scales the view"));
    zoom->SetHelpContext(260);
    AddItem(menu, "Plain");

    struct {
        int Action;
        const char* Hint;
        qintptr Topic;
    } cases[] = {{0, "Scales the view", 260}, {1, "", 250}};
    for (const auto& c : cases) {
        Application()->SetHint(QStringLiteral("before"));
        menu->Popup(10, 10);
        QMenu* shown = menu->Menu();
        ASSERT_NE(shown, nullptr);
        QAction* action = shown->actions().at(c.Action);
        QTest::mouseMove(shown, shown->actionGeometry(action).center());
        EXPECT_EQ(shown->activeAction(), action);
        EXPECT_EQ(Application()->Hint(), QString::fromLatin1(c.Hint)) << c.Action;
        QTest::keyClick(shown, Qt::Key_F1);
        EXPECT_FALSE(shown->isVisible());
        ASSERT_FALSE(topics.empty());
        EXPECT_EQ(topics.back(), c.Topic);
    }
    EXPECT_EQ(topics.size(), 2u);
    Application()->OnHelp = nullptr;
    Application()->SetHint(QString());
}

} // namespace
} // namespace classlib
