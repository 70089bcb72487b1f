#pragma once

// Menus: a TMainMenu (a form's menu bar) or a TPopupMenu holds a tree of
// TMenuItem, shown through QMenuBar and QMenu. Items are components of the
// form (the menu's owner) and are streamed as the children of the menu or
// of their parent item; a menu frees its items, an item those below it. A
// control shows its PopupMenu on a right click. An item's ShortCut chooses
// it from the keyboard while the focus is in a control that shows the
// pop-up menu, or in one of its children, or anywhere in the form whose
// main menu holds it (see windowkeys.h).

#include "classlib/controls/control.h"
#include "classlib/core/component.h"

#include <QAction>
#include <QHash>
#include <QList>
#include <QMenu>
#include <QMenuBar>
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

class TMenu;
class TMainMenu;

class TMenuItem : public TComponent {
    QX_CLASS(TMenuItem, TComponent)
public:
    explicit TMenuItem(TComponent* AOwner);
    // Frees the items below it.
    ~TMenuItem() override;

    // "-" makes a separator; "&" marks the accelerator ("&&" an ampersand).
    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    // Checking a radio item unchecks the other radio items of its group
    // below the same parent.
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);
    bool RadioItem() const { return FRadioItem; }
    void SetRadioItem(bool Value);
    quint8 GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(quint8 Value);
    // Drawn bold: what a double click on the menu's owner would do.
    bool Default() const { return FDefault; }
    void SetDefault(bool Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    // Shown after the caption; works while the item is hidden too.
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut Value) { FShortCut = Value; }
    // "short|long": the long part is the status line's.
    const QString& Hint() const { return FHint; }
    void SetHint(const QString& Value) { FHint = Value; }
    int HelpContext() const { return FHelpContext; }
    void SetHelpContext(int Value) { FHelpContext = Value; }

    // The menu that holds the item, or nil.
    TMenu* Menu() const;
    // The item the item is below, or nil (also for a top item of a menu).
    TMenuItem* Parent() const;

    // The items below this one, in menu order.
    int Count() const { return int(FItems.size()); }
    TMenuItem* Items(int Index) const { return FItems.at(Index); }
    int IndexOf(const TMenuItem* Item) const { return int(FItems.indexOf(const_cast<TMenuItem*>(Item))); }
    // Adds the item at the end, or at Index (clamped), taking it from where it was.
    void Add(TMenuItem* Item);
    void Insert(int Index, TMenuItem* Item);
    // Takes the item out without freeing it.
    void Remove(TMenuItem* Item);
    // Frees the item at Index; an index out of range raises EListError.
    void Delete(int Index);
    void Clear();

    // What choosing the item does: OnClick. For an item with items below
    // it, also what opening them does first.
    virtual void Click();

    // An item read as the child of a menu or of an item joins it.
    void ReadState(TReader& Reader) override;
    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override;
    void SetChildOrder(TComponent* Child, int Order) override;

    TNotifyEvent OnClick;

private:
    friend class TMenu;
    friend class TMainMenu;
    // Tells the menu that what it shows changed.
    void Changed();

    QString FCaption;
    bool FEnabled = true;
    bool FChecked = false;
    bool FRadioItem = false;
    quint8 FGroupIndex = 0;
    bool FDefault = false;
    bool FVisible = true;
    TShortCut FShortCut = scNone;
    QString FHint;
    int FHelpContext = 0;
    QList<TMenuItem*> FItems;
    TMenuItem* FParent = nullptr;
    TMenu* FMenu = nullptr;  // set on the menu's root item only
};

// What main and pop-up menus share: a tree of items under a root that is
// not a component of its own, and the shortcuts of all of them.
class TMenu : public TComponent {
    QX_CLASS(TMenu, TComponent)
public:
    explicit TMenu(TComponent* AOwner);
    ~TMenu() override;

    // The top items.
    TMenuItem* Root() const { return FRoot; }
    int Count() const { return FRoot->Count(); }
    TMenuItem* Items(int Index) const { return FRoot->Items(Index); }
    void Add(TMenuItem* Item) { FRoot->Add(Item); }
    void Insert(int Index, TMenuItem* Item) { FRoot->Insert(Index, Item); }
    void Remove(TMenuItem* Item) { FRoot->Remove(Item); }

    // The first item with the shortcut at any depth, hidden ones too; or nil.
    TMenuItem* FindItem(TShortCut ShortCut) const;
    // Whether an item has the key as its shortcut. It is clicked (guarded)
    // when it and every item above it are enabled; otherwise the key is
    // swallowed.
    bool IsShortCut(unsigned Key, TShiftState Shift);

    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override;
    void SetChildOrder(TComponent* Child, int Order) override;

protected:
    friend class TMenuItem;
    // The help topic of the menu as a whole: F1 on an item without one
    // (nor any item above it) asks for this one.
    virtual int MenuHelpContext() const { return 0; }
    // Something shown changed: Item itself, or the items below it.
    virtual void MenuChanged(TMenuItem* Item) { (void)Item; }
    // Fills Menu with the visible items below Parent; their own items open
    // as sub-menus, filled when they open, after their parent's Click. F1
    // on an item closes the menus and asks the application's help for the
    // item's help context, or the nearest one above it.
    void FillMenu(QMenu* Menu, TMenuItem* Parent);

private:
    class THelpKeys;
    TMenuItem* FRoot;
    QObject* FHelpKeys;
};

class TPopupMenu : public TMenu {
    QX_CLASS(TPopupMenu, TMenu)
public:
    explicit TPopupMenu(TComponent* AOwner);
    ~TPopupMenu() override;

    // A right click shows the menu by itself.
    bool AutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool Value) { FAutoPopup = Value; }
    int HelpContext() const { return FHelpContext; }
    void SetHelpContext(int Value) { FHelpContext = Value; }

    // The control whose right click showed the menu last.
    TComponent* PopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(TComponent* Value);

    // Fires OnPopup, then shows the visible items at the screen point
    // (without waiting for a choice). A chosen item's Click runs later.
    virtual void Popup(int X, int Y);
    // The menu shown last, while it exists.
    QMenu* Menu() const { return FMenu; }

    void Notification(TComponent* AComponent, TOperation Operation) override;

    TNotifyEvent OnPopup;

protected:
    int MenuHelpContext() const override { return FHelpContext; }

private:
    bool FAutoPopup = true;
    int FHelpContext = 0;
    TComponent* FPopupComponent = nullptr;
    QPointer<QMenu> FMenu;
};

// A form's menu bar (see TForm::SetMenu): one entry a visible top item,
// its items filled each time it opens (a top item without items is chosen
// on the bar). Shortcuts are the menu's own (see
// windowkeys.h), so a hidden item keeps its key.
class TMainMenu : public TMenu {
    QX_CLASS(TMainMenu, TMenu)
public:
    explicit TMainMenu(TComponent* AOwner);
    ~TMainMenu() override;

    // The bar while the menu belongs to a shown form's window; else null.
    QMenuBar* Bar() const { return FBar; }
    // The bar's height in its window; 0 without one.
    int BarHeight() const;
    // Puts the bar at the top of the window's client area, or takes it
    // away (nil); the window is told to realign when the bar's height changes.
    void SetWindow(TWinControl* Window);

protected:
    void MenuChanged(TMenuItem* Item) override;

private:
    class TBarFilter;
    void BuildBar();
    void PlaceBar();

    TWinControl* FWindow = nullptr;
    QPointer<QMenuBar> FBar;
    QPointer<QObject> FFilter;
    QHash<TMenuItem*, QPointer<QMenu>> FMenus;  // of the top items with items
    QList<QPointer<QAction>> FActions;          // of those without
    QObject* FActionHolder = nullptr;
};

// Registers TMainMenu, TPopupMenu and TMenuItem (done when the library loads).
void RegisterMenuClasses();

} // namespace classlib
