#include "classlib/controls/menus.h"

#include "classlib/controls/application.h"
#include "classlib/controls/windowkeys.h"
#include "classlib/core/classbuilder.h"
#include "classlib/core/classregistry.h"
#include "classlib/core/reader.h"
#include "classlib/core/sysutils.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QActionGroup>
#include <QEvent>
#include <QHash>
#include <QMenu>
#include <QMenuBar>

namespace classlib {

// ---------------------------------------------------------------------------
// Shortcuts

namespace {

// The names of keys other than letters, digits and function keys.
struct TKeyName {
    unsigned Key;
    const char* Name;
};
constexpr TKeyName KeyNames[] = {
    {VK_BACK, "BkSp"},  {VK_TAB, "Tab"},   {VK_ESCAPE, "Esc"},  {VK_RETURN, "Enter"},
    {VK_SPACE, "Space"}, {VK_PRIOR, "PgUp"}, {VK_NEXT, "PgDn"},  {VK_END, "End"},
    {VK_HOME, "Home"},  {VK_LEFT, "Left"}, {VK_UP, "Up"},       {VK_RIGHT, "Right"},
    {VK_DOWN, "Down"},  {VK_INSERT, "Ins"}, {VK_DELETE, "Del"},
};

struct TModifierName {
    unsigned Flag;
    const char* Name;
};
constexpr TModifierName ModifierNames[] = {{scShift, "Shift+"}, {scCtrl, "Ctrl+"}, {scAlt, "Alt+"}};

QString KeyName(unsigned Key)
{
    if ((Key >= 'A' && Key <= 'Z') || (Key >= '0' && Key <= '9'))
        return QString(QChar(char16_t(Key)));
    if (Key >= VK_F1 && Key <= VK_F24)
        return QStringLiteral("F%1").arg(Key - VK_F1 + 1);
    for (const TKeyName& k : KeyNames)
        if (k.Key == Key)
            return QString::fromLatin1(k.Name);
    return {};
}

} // namespace

TShortCut ShortCut(unsigned Key, TShiftState Shift)
{
    if (Key > 0xFF)
        return scNone;
    unsigned s = Key;
    if (Shift.Contains(ssShift)) s |= scShift;
    if (Shift.Contains(ssCtrl)) s |= scCtrl;
    if (Shift.Contains(ssAlt)) s |= scAlt;
    return TShortCut(s);
}

void ShortCutToKey(TShortCut ShortCut, unsigned& Key, TShiftState& Shift)
{
    Key = unsigned(ShortCut) & 0xFF;
    Shift = {};
    if (ShortCut & scShift) Shift += ssShift;
    if (ShortCut & scCtrl) Shift += ssCtrl;
    if (ShortCut & scAlt) Shift += ssAlt;
}

QString ShortCutToText(TShortCut ShortCut)
{
    const QString key = KeyName(unsigned(ShortCut) & 0xFF);
    if (key.isEmpty())
        return {};
    QString text;
    for (const TModifierName& m : ModifierNames)
        if (ShortCut & m.Flag)
            text += QLatin1String(m.Name);
    return text + key;
}

TShortCut TextToShortCut(const QString& Text)
{
    QStringView rest(Text);
    unsigned flags = 0;
    for (bool found = true; found;) {
        found = false;
        for (const TModifierName& m : ModifierNames) {
            const QLatin1String name(m.Name);
            if (rest.startsWith(name, Qt::CaseInsensitive)) {
                flags |= m.Flag;
                rest = rest.mid(name.size());
                found = true;
            }
        }
    }
    if (rest.isEmpty())
        return scNone;
    for (unsigned key = 1; key <= 0xFF; ++key) {
        const QString name = KeyName(key);
        if (!name.isEmpty() && rest.compare(name, Qt::CaseInsensitive) == 0)
            return TShortCut(key | flags);
    }
    return scNone;
}

// ---------------------------------------------------------------------------
// TMenuItem

const TClassInfo& TMenuItem::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TMenuItem>("TMenuItem")
        .Prop("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption)
        .Prop("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked).Default(false)
        .Prop("Default", &TMenuItem::Default, &TMenuItem::SetDefault).Default(false)
        .Prop("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled).Default(true)
        .Prop("GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex).Default(0)
        .Prop("HelpContext", &TMenuItem::HelpContext, &TMenuItem::SetHelpContext).Default(0)
        .Prop("Hint", &TMenuItem::Hint, &TMenuItem::SetHint)
        .Prop("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem).Default(false)
        .Prop("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut).Default(0)
        .Prop("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible).Default(true)
        .Prop<TNotifyEvent>("OnClick", &TMenuItem::OnClick)
        .Build();
    return info;
}

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}

TMenuItem::~TMenuItem()
{
    if (FParent)
        FParent->Remove(this);
    Clear();
}

TMenu* TMenuItem::Menu() const
{
    const TMenuItem* i = this;
    while (i->FParent)
        i = i->FParent;
    return i->FMenu;
}

TMenuItem* TMenuItem::Parent() const
{
    return FParent && !FParent->FMenu ? FParent : nullptr;
}

void TMenuItem::Changed()
{
    if (TMenu* m = Menu(); m && !m->IsDestroying())
        m->MenuChanged(this);
}

void TMenuItem::SetCaption(const QString& Value)
{
    if (Value == FCaption)
        return;
    FCaption = Value;
    Changed();
}

void TMenuItem::SetEnabled(bool Value)
{
    if (Value == FEnabled)
        return;
    FEnabled = Value;
    Changed();
}

void TMenuItem::SetVisible(bool Value)
{
    if (Value == FVisible)
        return;
    FVisible = Value;
    Changed();
}

void TMenuItem::SetDefault(bool Value)
{
    if (Value == FDefault)
        return;
    FDefault = Value;
    Changed();
}

void TMenuItem::SetChecked(bool Value)
{
    FChecked = Value;
    if (Value && FRadioItem && FParent)
        for (TMenuItem* i : FParent->FItems)
            if (i != this && i->FRadioItem && i->FGroupIndex == FGroupIndex)
                i->FChecked = false;
    Changed();
}

void TMenuItem::SetRadioItem(bool Value)
{
    FRadioItem = Value;
    Changed();
}

void TMenuItem::SetGroupIndex(quint8 Value)
{
    FGroupIndex = Value;
    Changed();
}

void TMenuItem::Add(TMenuItem* Item)
{
    Insert(Count(), Item);
}

void TMenuItem::Insert(int Index, TMenuItem* Item)
{
    if (!Item || Item == this)
        return;
    // An item cannot go below one of its own.
    for (const TMenuItem* p = this; p; p = p->FParent)
        if (p == Item)
            throw EInvalidOperation(QStringLiteral("A menu item cannot hold itself"));
    if (Item->FParent)
        Item->FParent->Remove(Item);
    FItems.insert(std::clamp<qsizetype>(Index, 0, FItems.size()), Item);
    Item->FParent = this;
    Changed();
}

void TMenuItem::Remove(TMenuItem* Item)
{
    if (Item && Item->FParent == this) {
        FItems.removeOne(Item);
        Item->FParent = nullptr;
        Changed();
    }
}

void TMenuItem::Delete(int Index)
{
    if (Index < 0 || Index >= Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    delete FItems.at(Index);
}

void TMenuItem::Clear()
{
    while (!FItems.isEmpty()) {
        TMenuItem* item = FItems.takeLast();
        item->FParent = nullptr;
        delete item;
    }
    Changed();
}

void TMenuItem::Click()
{
    if (OnClick)
        OnClick(this);
}

void TMenuItem::ReadState(TReader& Reader)
{
    if (auto* menu = dynamic_cast<TMenu*>(Reader.Parent()); menu && !FParent)
        menu->Add(this);
    else if (auto* item = dynamic_cast<TMenuItem*>(Reader.Parent()); item && !FParent)
        item->Add(this);
    TComponent::ReadState(Reader);
}

void TMenuItem::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent*)
{
    for (TMenuItem* item : FItems)
        Proc(item);
}

void TMenuItem::SetChildOrder(TComponent* Child, int Order)
{
    if (auto* item = dynamic_cast<TMenuItem*>(Child); item && item->FParent == this)
        Insert(Order, item);
}

// ---------------------------------------------------------------------------
// TMenu

namespace {

TMenuItem* FindShortCut(const TMenuItem* Parent, TShortCut ShortCut)
{
    for (int i = 0; i < Parent->Count(); ++i) {
        TMenuItem* item = Parent->Items(i);
        if (item->ShortCut() == ShortCut)
            return item;
        if (TMenuItem* found = FindShortCut(item, ShortCut))
            return found;
    }
    return nullptr;
}

bool Holds(const TMenuItem* Parent, const TMenuItem* Item)
{
    for (int i = 0; i < Parent->Count(); ++i)
        if (Parent->Items(i) == Item || Holds(Parent->Items(i), Item))
            return true;
    return false;
}

QString ItemText(const TMenuItem* Item)
{
    QString text = Item->Caption();
    if (const QString key = ShortCutToText(Item->ShortCut()); !key.isEmpty())
        text += QLatin1Char('\t') + key;
    return text;
}

// The long part of a hint: after "|", or all of it.
QString LongHint(const QString& Hint)
{
    const qsizetype bar = Hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? Hint : Hint.mid(bar + 1);
}

} // namespace

const TClassInfo& TMenu::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TMenu>("TMenu").Build();
    return info;
}

// F1 on an open menu: the active item's help topic.
class TMenu::THelpKeys : public QObject {
public:
    explicit THelpKeys(TMenu* Menu) : FMenu(Menu) {}

protected:
    bool eventFilter(QObject* Watched, QEvent* E) override
    {
        if (E->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(E)->key() != Qt::Key_F1)
            return false;
        auto* menu = qobject_cast<QMenu*>(Watched);
        const QAction* action = menu ? menu->activeAction() : nullptr;
        auto* item = action ? static_cast<TMenuItem*>(action->data().value<void*>()) : nullptr;
        if (!item || !Holds(FMenu->FRoot, item))
            return false;
        int context = 0;
        for (const TMenuItem* i = item; i && i != FMenu->FRoot && !context; i = i->FParent)
            context = i->HelpContext();
        if (!context)
            context = FMenu->MenuHelpContext();
        while (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        if (context)
            CallGuarded(Application(), [context] { Application()->HelpContext(context); });
        return true;
    }

private:
    TMenu* FMenu;
};

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), FRoot(new TMenuItem(nullptr)), FHelpKeys(new THelpKeys(this))
{
    FRoot->FMenu = this;
    detail::InstallWindowKeys();
}

TMenu::~TMenu()
{
    delete FHelpKeys;
    FRoot->FMenu = nullptr;
    delete FRoot;
}

TMenuItem* TMenu::FindItem(TShortCut ShortCut) const
{
    return ShortCut == scNone ? nullptr : FindShortCut(FRoot, ShortCut);
}

bool TMenu::IsShortCut(unsigned Key, TShiftState Shift)
{
    TMenuItem* item = FindItem(classlib::ShortCut(Key, Shift));
    if (!item)
        return false;
    for (const TMenuItem* i = item; i && i != FRoot; i = i->FParent)
        if (!i->Enabled())
            return true;
    CallGuarded(item, [item] { item->Click(); });
    return true;
}

void TMenu::FillMenu(QMenu* Menu, TMenuItem* Parent)
{
    Menu->installEventFilter(FHelpKeys);
    Menu->clear();
    for (QObject* child : Menu->children())
        if (qobject_cast<QMenu*>(child) || qobject_cast<QActionGroup*>(child))
            child->deleteLater();
    QHash<int, QActionGroup*> groups;
    for (TMenuItem* item : Parent->FItems) {
        if (!item->Visible())
            continue;
        if (item->Caption() == QLatin1String("-")) {
            Menu->addSeparator();
            continue;
        }
        QAction* action;
        // The item may be gone by the time it is chosen or opened.
        const auto alive = [this, item] { return Holds(FRoot, item); };
        if (item->Count() > 0) {
            auto* sub = new QMenu(ItemText(item), Menu);
            action = Menu->addMenu(sub);
            QObject::connect(sub, &QMenu::aboutToShow, sub, [this, sub, item, alive] {
                if (!alive())
                    return;
                CallGuarded(item, [item] { item->Click(); });
                if (alive())
                    FillMenu(sub, item);
            });
        } else {
            action = Menu->addAction(ItemText(item));
            QObject::connect(action, &QAction::triggered, action, [item, alive] {
                if (alive())
                    CallGuarded(item, [item] { item->Click(); });
            });
        }
        action->setData(QVariant::fromValue(static_cast<void*>(item)));
        action->setEnabled(item->Enabled());
        action->setCheckable(item->Checked() || item->RadioItem());
        action->setChecked(item->Checked());
        action->setStatusTip(LongHint(item->Hint()));
        if (item->RadioItem()) {
            QActionGroup*& group = groups[item->GroupIndex()];
            if (!group) {
                group = new QActionGroup(Menu);
                group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
            }
            group->addAction(action);
        }
        if (item->Default()) {
            QFont bold = action->font();
            bold.setBold(true);
            action->setFont(bold);
        }
    }
}

void TMenu::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root)
{
    FRoot->GetChildren(Proc, Root);
}

void TMenu::SetChildOrder(TComponent* Child, int Order)
{
    FRoot->SetChildOrder(Child, Order);
}

// ---------------------------------------------------------------------------
// TPopupMenu

const TClassInfo& TPopupMenu::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TPopupMenu>("TPopupMenu")
        .Prop("AutoPopup", &TPopupMenu::FAutoPopup).Default(true)
        .Prop("HelpContext", &TPopupMenu::FHelpContext)
        .Prop<TNotifyEvent>("OnPopup", &TPopupMenu::OnPopup)
        .Build();
    return info;
}

TPopupMenu::TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {}

TPopupMenu::~TPopupMenu()
{
    delete FMenu.data();
    if (FPopupComponent)
        FPopupComponent->RemoveFreeNotification(this);
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
    TMenu::Notification(AComponent, Operation);
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
    FillMenu(FMenu, Root());
    FMenu->popup(QPoint(X, Y));
}

// ---------------------------------------------------------------------------
// TMainMenu

// Keeps the bar as wide as its window.
class TMainMenu::TBarFilter : public QObject {
public:
    TBarFilter(TMainMenu* Menu, QObject* Window) : QObject(Window), FMenu(Menu) {}

protected:
    bool eventFilter(QObject*, QEvent* E) override
    {
        if (E->type() == QEvent::Resize)
            FMenu->PlaceBar();
        return false;
    }

private:
    TMainMenu* FMenu;
};

const TClassInfo& TMainMenu::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TMainMenu>("TMainMenu").Build();
    return info;
}

TMainMenu::TMainMenu(TComponent* AOwner) : TMenu(AOwner) {}

TMainMenu::~TMainMenu()
{
    SetWindow(nullptr);
}

int TMainMenu::BarHeight() const
{
    return FBar && !FBar->isHidden() ? FBar->height() : 0;
}

void TMainMenu::SetWindow(TWinControl* Window)
{
    if (Window == FWindow)
        return;
    delete FFilter.data();
    delete FBar.data();
    FMenus.clear();
    FActions.clear();
    FWindow = Window;
    if (!FWindow || !FWindow->Widget())
        return;
    FBar = new QMenuBar(FWindow->Widget());
    FBar->setNativeMenuBar(false);
    // Owns the bar's plain actions, which the bar's clear would delete at once.
    FActionHolder = new QObject(FBar);
    FFilter = new TBarFilter(this, FWindow->Widget());
    FWindow->Widget()->installEventFilter(FFilter);
    BuildBar();
}

void TMainMenu::MenuChanged(TMenuItem* Item)
{
    if (FBar && (Item == Root() || Item->FParent == Root()))
        BuildBar();
}

void TMainMenu::BuildBar()
{
    // The menus of the top items stay while their items do: one of them may
    // be open, and be what changed the items. So may an action being chosen.
    QHash<TMenuItem*, QPointer<QMenu>> kept;
    for (auto i = FMenus.cbegin(); i != FMenus.cend(); ++i) {
        if (!i.value())
            continue;
        if (Holds(Root(), i.key()) && i.key()->FParent == Root() && i.key()->Count() > 0)
            kept.insert(i.key(), i.value());
        else
            i.value()->deleteLater();
    }
    FMenus = kept;
    FBar->clear();
    for (const QPointer<QAction>& a : std::as_const(FActions))
        if (a)
            a->deleteLater();
    FActions.clear();
    for (TMenuItem* item : Root()->FItems) {
        QAction* a;
        if (item->Count() == 0) {
            // Chosen on the bar itself.
            a = new QAction(item->Caption(), FActionHolder);
            FActions.append(a);
            QObject::connect(a, &QAction::triggered, a, [this, item] {
                if (Holds(Root(), item))
                    CallGuarded(item, [item] { item->Click(); });
            });
        } else {
            QMenu* m = kept.value(item);
            if (!m) {
                m = new QMenu(FBar);
                FMenus.insert(item, m);
                QObject::connect(m, &QMenu::aboutToShow, m, [this, m] {
                    TMenuItem* it = FMenus.key(m);
                    if (!it || !Holds(Root(), it))
                        return;
                    CallGuarded(it, [it] { it->Click(); });
                    if (Holds(Root(), it))
                        FillMenu(m, it);
                });
            }
            m->setTitle(item->Caption());
            a = m->menuAction();
        }
        a->setVisible(item->Visible());
        a->setEnabled(item->Enabled());
        a->setStatusTip(LongHint(item->Hint()));
        if (item->Visible() && item->Caption() != QLatin1String("-"))
            FBar->addAction(a);
    }
    const int height = BarHeight();
    PlaceBar();
    if (BarHeight() != height && FWindow)
        FWindow->Realign();
}

void TMainMenu::PlaceBar()
{
    if (!FBar || !FWindow || !FWindow->Widget())
        return;
    const bool empty = FBar->actions().isEmpty();
    FBar->setVisible(!empty);
    FBar->setGeometry(0, 0, FWindow->Widget()->width(), empty ? 0 : FBar->sizeHint().height());
    FBar->raise();
}

void RegisterMenuClasses()
{
    RegisterClasses({&TMainMenu::StaticClass(), &TPopupMenu::StaticClass(), &TMenuItem::StaticClass()});
}

namespace {
const bool MenuClassesRegistered = (RegisterMenuClasses(), true);
}

} // namespace classlib
