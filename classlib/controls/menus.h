#pragma once

// Pop-up menus: a TPopupMenu holds a flat list of TMenuItem, shown as a
// QMenu by Popup. Items are components of the form (the menu's owner) and
// are streamed as the menu's children; the menu frees its items. A control
// shows its PopupMenu on a right click. An item's ShortCut chooses it from
// the keyboard while the focus is in a control that shows the menu, or in
// one of its children (see windowkeys.h).

#include "classlib/controls/control.h"
#include "classlib/core/component.h"

#include <QList>
#include <QMenu>
#include <QPointer>
#include <QString>

namespace classlib {

class TPopupMenu;

// A key with its modifiers: the virtual-key code in the low byte, scShift,
// scCtrl and scAlt above it; scNone is none.
QX_INTEGER_TYPE(TShortCut, quint16)
constexpr TShortCut scNone = TShortCut(0);
constexpr unsigned scShift = 0x2000;
constexpr unsigned scCtrl = 0x4000;
constexpr unsigned scAlt = 0x8000;

// scNone for a key code beyond one byte.
TShortCut ShortCut(unsigned Key, TShiftState Shift);
void ShortCutToKey(TShortCut ShortCut, unsigned& Key, TShiftState& Shift);
// As a menu shows it: the modifiers "Shift+", "Ctrl+", "Alt+" in this
// order, then the key's name ("X", "F5", "Del", "PgUp"); empty for scNone
// and for a key without a name.
QString ShortCutToText(TShortCut ShortCut);
// The reverse, without regard to case and to the order of the modifiers;
// scNone for a text that names no key.
TShortCut TextToShortCut(const QString& Text);

class TMenuItem : public TComponent {
    QX_CLASS(TMenuItem, TComponent)
public:
    explicit TMenuItem(TComponent* AOwner);
    ~TMenuItem() override;

    // "-" makes a separator.
    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& Value) { FCaption = Value; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value) { FChecked = Value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value) { FVisible = Value; }
    // Shown after the caption; works while the item is hidden too.
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut Value) { FShortCut = Value; }

    // The menu that holds the item, or nil.
    TPopupMenu* Menu() const { return FMenu; }

    // What choosing the item does: OnClick.
    virtual void Click();

    // An item read as the child of a menu joins it.
    void ReadState(TReader& Reader) override;

    TNotifyEvent OnClick;

private:
    friend class TPopupMenu;
    QString FCaption;
    bool FEnabled = true;
    bool FChecked = false;
    bool FVisible = true;
    TShortCut FShortCut = scNone;
    TPopupMenu* FMenu = nullptr;
};

class TPopupMenu : public TComponent {
    QX_CLASS(TPopupMenu, TComponent)
public:
    explicit TPopupMenu(TComponent* AOwner);
    ~TPopupMenu() override;

    int Count() const { return int(FItems.size()); }
    TMenuItem* Items(int Index) const { return FItems.at(Index); }
    // Adds the item at the end (taking it from another menu).
    void Add(TMenuItem* Item);
    void Insert(int Index, TMenuItem* Item);
    void Remove(TMenuItem* Item);

    // A right click shows the menu by itself.
    bool AutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool Value) { FAutoPopup = Value; }

    // The control whose right click showed the menu last.
    TComponent* PopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(TComponent* Value);

    // Fires OnPopup, then shows the visible items at the screen point
    // (without waiting for a choice). A chosen item's Click runs later.
    virtual void Popup(int X, int Y);
    // The menu shown last, while it exists.
    QMenu* Menu() const { return FMenu; }

    // The first item with the shortcut, or nil.
    TMenuItem* FindItem(TShortCut ShortCut) const;
    // Whether an item has the key as its shortcut; an enabled one is
    // clicked (guarded), a disabled one swallows the key.
    bool IsShortCut(unsigned Key, TShiftState Shift);

    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override;
    void SetChildOrder(TComponent* Child, int Order) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    TNotifyEvent OnPopup;

private:
    QList<TMenuItem*> FItems;
    bool FAutoPopup = true;
    TComponent* FPopupComponent = nullptr;
    QPointer<QMenu> FMenu;
};

// Registers TPopupMenu and TMenuItem (done when the library loads).
void RegisterMenuClasses();

} // namespace classlib
