#pragma once

// List boxes: a column of items of one height, one of them selected,
// scrolled vertically. A selection the user makes (mouse press or drag,
// arrow keys, a typed initial) is announced as the notification
// LBN_SELCHANGE, which by default fires OnClick; setting ItemIndex from
// code announces nothing.

#include "classlib/controls/ownerdraw.h"
#include "classlib/core/stringlist.h"

class QScrollBar;

namespace classlib {

QX_ENUM(TListBoxStyle, lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable)

class TCustomListBox : public TWinControl {
    QX_CLASS(TCustomListBox, TWinControl)
public:
    explicit TCustomListBox(TComponent* AOwner);
    ~TCustomListBox() override;

    TStrings* Items() const { return FItems; }
    void SetItems(const TStrings* Value);
    // Sorting keeps the selected item selected.
    bool Sorted() const { return FItems->Sorted(); }
    void SetSorted(bool Value);
    int Count() const { return FItems->Count(); }

    // -1 for none; a value outside the items selects none.
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Value);
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int Value);
    // The owner-draw styles draw through DrawItem (OnDrawItem); variable
    // heights are drawn at ItemHeight.
    TListBoxStyle Style() const { return FStyle; }
    void SetStyle(TListBoxStyle Value);

    int TopIndex() const { return FTopIndex; }
    void SetTopIndex(int Value);
    // Items shown whole (at least one).
    int VisibleItemCount() const;
    TRect ItemRect(int Index) const;
    // The item at a client point; -1 when none is there (Existing), else
    // the nearest position, Count past the last.
    int ItemAtPos(const TPoint& Pos, bool Existing) const;

    TRect ClientRect() const override;

    TDrawItemEvent OnDrawItem;

protected:
    virtual void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State);
    void Dispatch(TMessage& Message) override;
    void Paint() override;
    void Resize() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(unsigned& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;

private:
    void ItemsChanged();
    void UpdateScrollRange();
    int MaxTopIndex() const;
    // The user picked Index: select it, bring it into view, announce it.
    void UserSelect(int Index);

    TStringList* FItems;
    int FItemIndex = -1;
    int FItemHeight = 16;
    TListBoxStyle FStyle = lbStandard;
    int FTopIndex = 0;
    QScrollBar* FScrollBar;
    bool FScrollShown = false;
    bool FSyncing = false;
    bool FTracking = false;
    // The selected item, found again when the items change around it.
    QString FSelText;
    TObject* FSelObject = nullptr;
};

class TListBox : public TCustomListBox {
    QX_CLASS(TListBox, TCustomListBox)
public:
    using TCustomListBox::TCustomListBox;
};

} // namespace classlib
