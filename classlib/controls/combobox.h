#pragma once

// Combo boxes that pick one of their items from a drop-down list (none of
// the styles lets the user type a text of his own). A pick the user makes
// (a click in the list, the arrow keys, a typed initial) is announced as
// the notification CBN_SELCHANGE, which by default fires OnClick; setting
// ItemIndex from code announces nothing. While the list is down the combo
// box keeps the keys: its KeyDown sees them first.

#include "classlib/controls/ownerdraw.h"
#include "classlib/core/stringlist.h"

namespace classlib {

QX_ENUM(TComboBoxStyle, csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable)

namespace detail { class TComboListBox; }

class TCustomComboBox : public TWinControl {
    QX_CLASS(TCustomComboBox, TWinControl)
public:
    explicit TCustomComboBox(TComponent* AOwner);
    ~TCustomComboBox() override;

    TStrings* Items() const { return FItems; }
    void SetItems(const TStrings* Value);
    bool Sorted() const { return FItems->Sorted(); }
    void SetSorted(bool Value);
    // -1 for none; a value outside the items selects none. The selected
    // item is found again when the items change around it.
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Value);
    // The selected item's text, or empty.
    QString Text() const;
    // The owner-draw styles draw the items, in the list and in the box,
    // through DrawItem (OnDrawItem); variable heights draw at ItemHeight.
    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle Value);
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int Value);
    // The most items the list shows at once.
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int Value);

    // Opens the list under the box (above it when the screen has no room
    // below), or closes it without a pick.
    bool DroppedDown() const;
    void SetDroppedDown(bool Value);

    TDrawItemEvent OnDrawItem;

protected:
    virtual void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State);
    void Dispatch(TMessage& Message) override;
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(unsigned& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;

private:
    friend class detail::TComboListBox;

    void ItemsChanged();
    bool IsOwnerDraw() const { return FStyle == csOwnerDrawFixed || FStyle == csOwnerDrawVariable; }
    // The user picked Index: select it and announce it.
    void UserSelect(int Index);
    // From the list: an item was clicked, or the list went away.
    void ListPicked(int Index);
    void ListClosed();
    // Draws an item of the list on this control's canvas, lent the list's.
    void DrawListItem(TCanvas& ListCanvas, int Index, const TRect& Rect, TOwnerDrawState State);

    TStringList* FItems;
    int FItemIndex = -1;
    QString FSelText;
    TObject* FSelObject = nullptr;
    TComboBoxStyle FStyle = csDropDown;
    int FItemHeight = 16;
    int FDropDownCount = 8;
    detail::TComboListBox* FList;
    int FIndexBeforeDrop = -1;
};

class TComboBox : public TCustomComboBox {
    QX_CLASS(TComboBox, TCustomComboBox)
public:
    using TCustomComboBox::TCustomComboBox;
};

} // namespace classlib
