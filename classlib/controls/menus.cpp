#include "classlib/controls/menus.h"

#include "classlib/controls/application.h"
#include "classlib/core/classbuilder.h"
#include "classlib/core/classregistry.h"
#include "classlib/core/reader.h"

#include <QAction>
#include <QMenu>

namespace classlib {

// ---------------------------------------------------------------------------
// TMenuItem

const TClassInfo& TMenuItem::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TMenuItem>("TMenuItem")
        .Prop("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption)
        .Prop("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked).Default(false)
        .Prop("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled).Default(true)
        .Prop("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible).Default(true)
        .Prop<TNotifyEvent>("OnClick", &TMenuItem::OnClick)
        .Build();
    return info;
}

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}

TMenuItem::~TMenuItem()
{
    if (FMenu)
        FMenu->Remove(this);
}

void TMenuItem::Click()
{
    if (OnClick)
        OnClick(this);
}

void TMenuItem::ReadState(TReader& Reader)
{
    if (auto* menu = dynamic_cast<TPopupMenu*>(Reader.Parent()); menu && !FMenu)
        menu->Add(this);
    TComponent::ReadState(Reader);
}

// ---------------------------------------------------------------------------
// TPopupMenu

const TClassInfo& TPopupMenu::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TPopupMenu>("TPopupMenu")
        .Prop("AutoPopup", &TPopupMenu::FAutoPopup).Default(true)
        .Prop<TNotifyEvent>("OnPopup", &TPopupMenu::OnPopup)
        .Build();
    return info;
}

TPopupMenu::TPopupMenu(TComponent* AOwner) : TComponent(AOwner) {}

TPopupMenu::~TPopupMenu()
{
    delete FMenu.data();
    while (!FItems.isEmpty()) {
        TMenuItem* item = FItems.takeLast();
        item->FMenu = nullptr;
        delete item;
    }
    if (FPopupComponent)
        FPopupComponent->RemoveFreeNotification(this);
}

void TPopupMenu::Add(TMenuItem* Item)
{
    Insert(Count(), Item);
}

void TPopupMenu::Insert(int Index, TMenuItem* Item)
{
    if (!Item)
        return;
    if (Item->FMenu)
        Item->FMenu->Remove(Item);
    FItems.insert(std::clamp<qsizetype>(Index, 0, FItems.size()), Item);
    Item->FMenu = this;
}

void TPopupMenu::Remove(TMenuItem* Item)
{
    if (Item && Item->FMenu == this) {
        FItems.removeOne(Item);
        Item->FMenu = nullptr;
    }
}

void TPopupMenu::SetPopupComponent(TComponent* Value)
{
    if (Value == FPopupComponent)
        return;
    if (FPopupComponent)
        FPopupComponent->RemoveFreeNotification(this);
    FPopupComponent = Value;
    if (FPopupComponent)
        FPopupComponent->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FPopupComponent)
        FPopupComponent = nullptr;
}

void TPopupMenu::Popup(int X, int Y)
{
    if (OnPopup)
        OnPopup(this);
    delete FMenu.data();
    FMenu = new QMenu;
    FMenu->setAttribute(Qt::WA_DeleteOnClose, false);
    for (TMenuItem* item : FItems) {
        if (!item->Visible())
            continue;
        if (item->Caption() == QLatin1String("-")) {
            FMenu->addSeparator();
            continue;
        }
        QAction* action = FMenu->addAction(item->Caption());
        action->setEnabled(item->Enabled());
        action->setCheckable(item->Checked());
        action->setChecked(item->Checked());
        // The item may be gone by the time it is chosen.
        QObject::connect(action, &QAction::triggered, action, [this, item] {
            if (FItems.contains(item))
                CallGuarded(item, [item] { item->Click(); });
        });
    }
    FMenu->popup(QPoint(X, Y));
}

void TPopupMenu::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent*)
{
    for (TMenuItem* item : FItems)
        Proc(item);
}

void TPopupMenu::SetChildOrder(TComponent* Child, int Order)
{
    if (auto* item = dynamic_cast<TMenuItem*>(Child); item && item->FMenu == this)
        Insert(Order, item);
}

void RegisterMenuClasses()
{
    RegisterClasses({&TPopupMenu::StaticClass(), &TMenuItem::StaticClass()});
}

namespace {
const bool MenuClassesRegistered = (RegisterMenuClasses(), true);
}

} // namespace classlib
