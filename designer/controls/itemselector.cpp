#include "designer/controls/itemselector.h"

#include "classlib/controls/menus.h"
#include "classlib/controls/scrollbar.h"
#include "classlib/core/classbuilder.h"

#include <QWidget>

#include <algorithm>

namespace designer {

using namespace classlib;

// ---------------------------------------------------------------------------
// Slots

const TClassInfo& TItemUnit::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TItemUnit>("TItemUnit").Build();
    return info;
}

const TClassInfo& TItemCaption::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TItemCaption>("TItemCaption").Build();
    return info;
}

const TClassInfo& TItemButton::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TItemButton>("TItemButton").Build();
    return info;
}

TItemUnit::TItemUnit(TComponent* AOwner) : TCustomControl(AOwner)
{
    // The owner's drawing covers the slot: nothing to erase first.
    SetControlStyle({csClickEvents, csDoubleClicks, csOpaque});
    SetVisible(false);
}

TItemSelector* TItemUnit::Selector() const
{
    return dynamic_cast<TItemSelector*>(Owner());
}

void TItemUnit::SetIndex(int Value)
{
    if (Value == FIndex) return;
    FIndex = Value;
    SetVisible(Value >= 0);
    Invalidate();
}

void TItemUnit::Click()
{
    if (TItemSelector* s = Selector()) {
        s->FocusIfPossible();
        if (Visible()) s->SetItemIndex(FIndex);
    }
    TCustomControl::Click();
}

void TItemUnit::DblClick()
{
    TCustomControl::DblClick();
    if (TItemSelector* s = Selector()) s->DblClick();
}

void TItemCaption::Paint()
{
    TItemSelector* s = Selector();
    if (!s) return;
    if (!IsDesigning()) {
        s->PaintCaption(this);
        return;
    }
    TCanvas& c = *Canvas();
    c.SetFont(s->Font());
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(Color());
    c.TextRect(ClientRect(), 1, 1, QStringLiteral("Caption"));
}

void TItemButton::SetIndex(int Value)
{
    if (FCaption) FCaption->SetIndex(Value);
    TItemUnit::SetIndex(Value);
}

void TItemButton::Paint()
{
    if (!Visible()) return;
    if (IsDesigning()) {
        TCanvas& c = *Canvas();
        c.Brush()->SetStyle(bsSolid);
        c.Brush()->SetColor(Color());
        c.Pen()->SetStyle(psSolid);
        c.Pen()->SetColor(clWindowText);
        c.Rectangle(ClientRect());
        return;
    }
    if (TItemSelector* s = Selector()) s->PaintSlot(this);
}

// ---------------------------------------------------------------------------
// The selector

const TClassInfo& TItemSelector::StaticClass()
{
    using R = TItemSelector;
    static const TClassInfo& info = TClassBuilder<R>("TItemSelector")
        .Prop("Align", &TControl::Align, &TControl::SetAlign).Default(alNone)
        .Prop("BevelInner", &R::BevelInner, &R::SetBevelInner).Default(bvNone)
        .Prop("BevelOuter", &R::BevelOuter, &R::SetBevelOuter).Default(bvNone)
        .Prop("BevelWidth", &R::BevelWidth, &R::SetBevelWidth).Default(1)
        .Prop("BorderWidth", &R::GetBorderWidth, &R::SetBorderWidth).Default(0)
        .Prop("BorderStyle", &TWinControl::BorderStyle, &TWinControl::SetBorderStyle).Default(bsNone)
        .Prop("Color", &TControl::Color, &TControl::SetColor)
        .Prop("Ctl3D", &TWinControl::Ctl3D, &TWinControl::SetCtl3D)
        .Prop("Enabled", &TControl::Enabled, &TControl::SetEnabled).Default(true)
        .Prop("Font", &TControl::Font, &TControl::SetFont)
        .Prop("ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(false)
        .Prop("ParentFont", &TControl::ParentFont, &TControl::SetParentFont)
        .Prop("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu)
        .Prop("ShowHint", &TControl::ShowHint, &TControl::SetShowHint)
        .Prop("Visible", &TControl::Visible, &TControl::SetVisible).Default(true)
        .Prop("ItemCount", 1, &R::GetValue, &R::SetValue).Default(1)
        .Prop("ItemWidth", 2, &R::GetValue, &R::SetValue).Default(40)
        .Prop("ItemHeight", 3, &R::GetValue, &R::SetValue).Default(40)
        .Prop("ShowCaptions", &R::ShowCaptions, &R::SetShowCaptions).Default(false)
        .Prop("FullScroll", &R::FullScroll, &R::SetFullScroll).Default(false)
        .Prop("Margin", &R::Margin, &R::SetMargin).Default(4)
        .Prop("ItemPopupMenu", &R::ItemPopupMenu, &R::SetItemPopupMenu)
        .Prop("OnDrawItem", &R::OnDrawItem)
        .Prop("OnDrawCaption", &R::OnDrawCaption)
        .Prop("OnChange", &R::OnChange)
        .Build();
    return info;
}

TItemSelector::TItemSelector(TComponent* AOwner) : TCustomPanel(AOwner)
{
    // Its item menu may belong to the same owner.
    SetHearsOwner(true);
    SetControlStyle({csClickEvents, csDoubleClicks, csOpaque});
    SetBevelInner(bvNone);
    SetBevelOuter(bvNone);
    if (Widget()) Widget()->setFocusPolicy(Qt::StrongFocus);
    FScrollBar = new TScrollBar(this);
    FScrollBar->SetKind(sbVertical);
    FScrollBar->SetCtl3D(false);
    FScrollBar->SetMin(0);
    FScrollBar->SetParent(this);
    FScrollBar->OnChange = [this](TObject*) { ScrollBarChange(); };
    SetBounds(Left(), Top(), 145, 122);
    ResizeHandling();
}

TItemSelector::~TItemSelector()
{
    // The slots and the bar are owned components and go with the selector;
    // nothing may lay them out or report on them meanwhile.
    FDestroying = true;
    FScrollBar->OnChange = nullptr;
    FSelected = nullptr;
    FSlots.clear();
}

int TItemSelector::GetValue(int Index) const
{
    switch (Index) {
    case 1: return FItemCount;
    case 2: return FItemWidth;
    case 3: return FItemHeight;
    default: return 0;
    }
}

void TItemSelector::SetValue(int Index, int Value)
{
    int* field = nullptr;
    switch (Index) {
    case 1: field = &FItemCount; break;
    case 2: field = &FItemWidth; break;
    case 3: field = &FItemHeight; break;
    default: return;
    }
    Value = std::max(Value, 0);
    if (*field == Value) return;
    *field = Value;
    Layout();
}

void TItemSelector::SetShowCaptions(bool Value)
{
    if (Value == FShowCaptions) return;
    FShowCaptions = Value;
    Layout();
}

void TItemSelector::SetFullScroll(bool Value)
{
    if (Value == FFullScroll) return;
    FFullScroll = Value;
    ResizeHandling();
}

void TItemSelector::SetMargin(int Value)
{
    if (Value == FMargin) return;
    FMargin = Value;
    ResizeHandling();
}

void TItemSelector::SetItemPopupMenu(TPopupMenu* Value)
{
    if (Value == FItemPopupMenu) return;
    if (FItemPopupMenu) FItemPopupMenu->RemoveFreeNotification(this);
    FItemPopupMenu = Value;
    if (Value) Value->FreeNotification(this);
    for (TItemButton* b : FSlots) {
        b->SetPopupMenu(Value);
        b->Caption()->SetPopupMenu(Value);
    }
}

void TItemSelector::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomPanel::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FItemPopupMenu) FItemPopupMenu = nullptr;
}

void TItemSelector::Loaded()
{
    TCustomPanel::Loaded();
    // The layout was skipped while loading, and a window here hears of its
    // size only when it changes: lay out now, designed or running.
    ResizeHandling();
}

void TItemSelector::Resize()
{
    TCustomPanel::Resize();
    ResizeHandling();
}

void TItemSelector::ResizeHandling()
{
    if (!FScrollBar) return;
    const int m = FFullScroll ? 0 : FMargin;
    const int w = FScrollBar->Width();
    FScrollBar->SetBounds(ClientWidth() - w, m, w, ClientHeight() - 2 * m);
    Layout();
}

// ---------------------------------------------------------------------------
// Layout and scrolling

namespace {

// Whole steps of Step in Length; none for a length or step that has none.
int Fit(int Length, int Step)
{
    return Length > 0 && Step > 0 ? Length / Step : 0;
}

} // namespace

void TItemSelector::Layout()
{
    if (IsLoading() || IsDestroying() || FDestroying || !FScrollBar) return;
    FColumns = Fit(ClientWidth() - FScrollBar->Width() - FMargin, FItemWidth + FMargin);
    const int ch = FShowCaptions ? MeasureCanvas().TextHeight(QStringLiteral("Wg")) + 4 : 0;
    FRows = Fit(ClientHeight() - FMargin, FItemHeight + FMargin + ch);
    FLineCount = FColumns == 0 ? 0 : FItemCount / FColumns + (FItemCount % FColumns ? 1 : 0);
    SetSlotCount(FColumns * FRows);
    UpdateScrollBar();
    for (int b = 0; b < FRows; ++b)
        for (int c = 0; c < FColumns; ++c) {
            TItemButton* slot = FSlots.at(c + b * FColumns);
            const int left = FMargin + c * (FItemWidth + FMargin);
            const int top = FMargin + b * (FItemHeight + FMargin + ch);
            slot->SetBounds(left, top, FItemWidth, FItemHeight);
            slot->Caption()->SetBounds(left, top + FItemHeight, FItemWidth, ch);
        }
    SetTopLine(0);
    AssignIndexes();
}

void TItemSelector::SetSlotCount(int N)
{
    if (SlotCount() == N) return;
    while (SlotCount() > N) {
        TItemButton* slot = FSlots.takeAt(N);
        if (slot == FSelected) {
            FSelected = nullptr;
            Change();
        }
        delete slot->Caption();
        delete slot;
    }
    while (SlotCount() < N) {
        auto* slot = new TItemButton(this);
        auto* caption = new TItemCaption(this);
        slot->SetCaption(caption);
        slot->SetIndex(-1);
        FSlots.append(slot);
        caption->SetParent(this);
        slot->SetParent(this);
    }
    for (TItemButton* b : FSlots) {
        b->SetPopupMenu(FItemPopupMenu);
        b->Caption()->SetPopupMenu(FItemPopupMenu);
    }
}

void TItemSelector::AssignIndexes()
{
    for (int i = 0; i < SlotCount(); ++i) {
        const int item = FTopLine * FColumns + i;
        FSlots.at(i)->SetIndex(item < FItemCount ? item : -1);
    }
}

void TItemSelector::UpdateScrollBar()
{
    const bool scrolls = FRows < FLineCount;
    FScrollBar->SetEnabled(scrolls);
    if (!scrolls) return;
    FScrollBar->SetParams(FScrollBar->Position(), 0, FLineCount - FRows);
    FScrollBar->SetLargeChange(FRows);
    FScrollBar->SetSmallChange(1);
    FScrollBar->SetPosition(FTopLine);
}

void TItemSelector::SetTopLine(int Line)
{
    if (Line == FTopLine) return;
    FTopLine = Line;
    AssignIndexes();
    UpdateScrollBar();
}

bool TItemSelector::IsValidIndex(int Index) const
{
    return Index >= 0 && Index < FItemCount && !FSlots.isEmpty();
}

int TItemSelector::LastInView(int Line) const
{
    return std::min(Line * FColumns + FColumns * FRows - 1, FItemCount - 1);
}

void TItemSelector::ScrollInView(int Index)
{
    if (!IsValidIndex(Index) || FColumns <= 0) return;
    const int first = FTopLine * FColumns;
    int h = FTopLine;
    if (Index < first)
        while (Index < h * FColumns) --h;
    if (Index > LastInView(FTopLine))
        while (LastInView(h) < Index) ++h;
    SetTopLine(h);
}

void TItemSelector::ScrollBarChange()
{
    int old = ItemIndex();
    SetTopLine(FScrollBar->Position());
    if (old == -1 || FColumns <= 0) return;
    const int first = FTopLine * FColumns;
    const int last = LastInView(FTopLine);
    while (old < first) old += FColumns;
    while (old > last) old -= FColumns;
    SetItemIndex(old);
    Change();
}

int TItemSelector::ItemIndex() const
{
    return FSelected ? FSelected->Index() : -1;
}

void TItemSelector::SetItemIndex(int Index)
{
    if (Index == ItemIndex()) return;
    ScrollInView(Index);
    if (FSelected) InvalidateSlot(FSelected);
    const int pos = Index - FTopLine * FColumns;
    if (IsValidIndex(Index) && pos >= 0 && pos < SlotCount()) {
        FSelected = FSlots.at(pos);
        InvalidateSlot(FSelected);
    } else {
        FSelected = nullptr;
    }
    Change();
}

void TItemSelector::InvalidateItem(int Index)
{
    for (TItemButton* b : FSlots)
        if (b->Index() == Index) InvalidateSlot(b);
}

void TItemSelector::Change()
{
    if (OnChange) OnChange(this);
}

void TItemSelector::InvalidateSlot(TItemButton* Slot)
{
    // A caption is drawn with its slot.
    Slot->Invalidate();
    Slot->Caption()->Invalidate();
}

// ---------------------------------------------------------------------------
// Painting

void TItemSelector::PaintSlot(TItemButton* Slot)
{
    if (OnDrawItem) OnDrawItem(this, Slot->Index(), Slot->Canvas(), Slot->ClientRect(), Slot == FSelected);
}

void TItemSelector::PaintCaption(TItemCaption* Caption)
{
    // A canvas draws only while its own control paints: the caption is
    // drawn when it paints, with what its slot would have given it.
    if (!FShowCaptions || !OnDrawCaption) return;
    const auto it = std::find_if(FSlots.begin(), FSlots.end(), [Caption](TItemButton* b) { return b->Caption() == Caption; });
    if (it == FSlots.end()) return;
    TCanvas& c = *Caption->Canvas();
    c.SetFont(Font());
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(Color());
    OnDrawCaption(this, Caption->Index(), &c, Caption->ClientRect(), *it == FSelected);
}

// ---------------------------------------------------------------------------
// Keys and mouse

void TItemSelector::KeyDown(unsigned& Key, TShiftState Shift)
{
    TCustomPanel::KeyDown(Key, Shift);
    if (Key != VK_END && Key != VK_HOME && Key != VK_LEFT && Key != VK_UP && Key != VK_RIGHT && Key != VK_DOWN)
        return;
    const int i = ItemIndex();
    int target = 0;
    if (i >= 0) {
        switch (Key) {
        case VK_END: target = FItemCount - 1; break;
        case VK_HOME: target = 0; break;
        case VK_LEFT: target = i - 1; break;
        case VK_UP: target = i - FColumns; break;
        case VK_RIGHT: target = i + 1; break;
        default: target = i + FColumns; break;
        }
    }
    if (IsValidIndex(target)) SetItemIndex(target);
}

void TItemSelector::Click()
{
    TCustomPanel::Click();
    FocusIfPossible();
}

void TItemSelector::FocusIfPossible()
{
    if (CanFocus() && !Focused()) SetFocus();
}

} // namespace designer
