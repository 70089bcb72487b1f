// Pop-up menus: shown on a right click of a control that has one, items
// chosen through the QMenu, and a freed menu leaves the control's
// PopupMenu nil.

#include "classlib/controls/control.h"
#include "classlib/controls/form.h"
#include "classlib/controls/menus.h"
#include "classlib/core/classbuilder.h"
#include "classlib/core/classregistry.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>

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
