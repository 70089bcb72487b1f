#include "classlib/controls/menus.h"

#include "classlib/controls/application.h"
#include "classlib/controls/windowkeys.h"
#include "classlib/core/classbuilder.h"
#include "classlib/core/classregistry.h"
#include "classlib/core/reader.h"

#include <QAction>
#include <QMenu>

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
        .Prop("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled).Default(true)
        .Prop("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut).Default(0)
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

TPopupMenu::TPopupMenu(TComponent* AOwner) : TComponent(AOwner)
{
    detail::InstallWindowKeys();
}

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
        // Shown after a tab, as text: the item's own key handling chooses it.
        QString text = item->Caption();
        if (const QString key = ShortCutToText(item->ShortCut()); !key.isEmpty())
            text += QLatin1Char('\t') + key;
        QAction* action = FMenu->addAction(text);
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

TMenuItem* TPopupMenu::FindItem(TShortCut ShortCut) const
{
    if (ShortCut == scNone)
        return nullptr;
    for (TMenuItem* item : FItems)
        if (item->ShortCut() == ShortCut)
            return item;
    return nullptr;
}

bool TPopupMenu::IsShortCut(unsigned Key, TShiftState Shift)
{
    TMenuItem* item = FindItem(classlib::ShortCut(Key, Shift));
    if (!item)
        return false;
    if (item->Enabled())
        CallGuarded(item, [item] { item->Click(); });
    return true;
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
