#pragma once

// A scrolling palette of equally sized items drawn by the owner: rows of
// ItemWidth x ItemHeight slots from left to right and top to bottom, an
// optional caption strip under each, a vertical scroll bar at the right.
// Only the visible positions have a control (a slot); scrolling re-labels
// the slots with item numbers. The selection is a slot: it keeps its place
// on screen while the view scrolls, and ItemIndex is the item it shows.

#include "classlib/controls/panel.h"

#include <QList>

namespace classlib {
class TPopupMenu;
class TScrollBar;
} // namespace classlib

namespace designer {

// Sender is the selector; Canvas and r those of the slot or caption drawn.
QX_EVENT(TPaintItemEvent, classlib::TObject* /*Sender*/, int /*Item*/, classlib::TCanvas* /*Canvas*/,
         classlib::TRect /*r*/, bool /*Selected*/)

class TItemSelector;

// A slot or a caption: shows item Index, or nothing (hidden) for -1.
class TItemUnit : public classlib::TCustomControl {
    QX_CLASS(TItemUnit, classlib::TCustomControl)
public:
    // The owner is the selector.
    explicit TItemUnit(classlib::TComponent* AOwner);

    int Index() const { return FIndex; }
    virtual void SetIndex(int Value);

protected:
    void Click() override;
    void DblClick() override;
    TItemSelector* Selector() const;

private:
    int FIndex = -1;
};

class TItemCaption : public TItemUnit {
    QX_CLASS(TItemCaption, TItemUnit)
public:
    using TItemUnit::TItemUnit;

protected:
    // The owner's caption drawing; a placeholder text while designed.
    void Paint() override;
};

class TItemButton : public TItemUnit {
    QX_CLASS(TItemButton, TItemUnit)
public:
    using TItemUnit::TItemUnit;

    TItemCaption* Caption() const { return FCaption; }
    void SetCaption(TItemCaption* Value) { FCaption = Value; }
    // The caption shows the same item.
    void SetIndex(int Value) override;

protected:
    void Paint() override;

private:
    TItemCaption* FCaption = nullptr;
};

class TItemSelector : public classlib::TCustomPanel {
    QX_CLASS(TItemSelector, classlib::TCustomPanel)
public:
    explicit TItemSelector(classlib::TComponent* AOwner);
    ~TItemSelector() override;

    // Index 1 ItemCount, 2 ItemWidth, 3 ItemHeight; negative values count
    // as 0. Any other index reads 0 and writes nothing.
    int GetValue(int Index) const;
    void SetValue(int Index, int Value);
    int ItemCount() const { return FItemCount; }
    int ItemWidth() const { return FItemWidth; }
    int ItemHeight() const { return FItemHeight; }
    void SetItemCount(int Value) { SetValue(1, Value); }

    bool ShowCaptions() const { return FShowCaptions; }
    void SetShowCaptions(bool Value);
    bool FullScroll() const { return FFullScroll; }
    void SetFullScroll(bool Value);
    int Margin() const { return FMargin; }
    void SetMargin(int Value);
    classlib::TPopupMenu* ItemPopupMenu() const { return FItemPopupMenu; }
    void SetItemPopupMenu(classlib::TPopupMenu* Value);

    // The item the selected slot shows; -1 without a selection.
    int ItemIndex() const;
    // Scrolls Index into view and selects it; an invalid Index clears the
    // selection. OnChange fires unless Index is the current one.
    void SetItemIndex(int Index);
    // Repaints the slot (and caption) that shows item Index.
    void InvalidateItem(int Index);

    // What the layout came to; for the owner and the tests.
    int Columns() const { return FColumns; }
    int Rows() const { return FRows; }
    int LineCount() const { return FLineCount; }
    int TopLine() const { return FTopLine; }
    int SlotCount() const { return int(FSlots.size()); }
    TItemButton* Slots(int I) const { return FSlots.at(I); }
    classlib::TScrollBar* ScrollBar() const { return FScrollBar; }

    TPaintItemEvent OnDrawItem;
    TPaintItemEvent OnDrawCaption;
    classlib::TNotifyEvent OnChange;

    void Loaded() override;
    void Notification(classlib::TComponent* AComponent, classlib::TOperation Operation) override;

protected:
    void Resize() override;
    void KeyDown(unsigned& Key, classlib::TShiftState Shift) override;
    void Click() override;

private:
    friend class TItemUnit;
    friend class TItemButton;
    friend class TItemCaption;

    void ResizeHandling();
    void Layout();
    void SetSlotCount(int N);
    void AssignIndexes();
    void UpdateScrollBar();
    void SetTopLine(int Line);
    bool IsValidIndex(int Index) const;
    void ScrollInView(int Index);
    void ScrollBarChange();
    // The last item in view when Line is the top line.
    int LastInView(int Line) const;
    void Change();
    void InvalidateSlot(TItemButton* Slot);
    void PaintSlot(TItemButton* Slot);
    void PaintCaption(TItemCaption* Caption);
    void FocusIfPossible();

    classlib::TScrollBar* FScrollBar = nullptr;
    int FItemCount = 1;
    int FItemWidth = 40;
    int FItemHeight = 40;
    int FRows = 0;
    int FColumns = 0;
    QList<TItemButton*> FSlots;
    int FTopLine = 0;
    int FLineCount = 0;
    TItemButton* FSelected = nullptr;
    bool FShowCaptions = false;
    bool FFullScroll = false;
    int FMargin = 4;
    classlib::TPopupMenu* FItemPopupMenu = nullptr;
    bool FDestroying = false;
};

} // namespace designer
