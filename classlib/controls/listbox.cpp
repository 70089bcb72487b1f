#include "classlib/controls/listbox.h"

#include "classlib/controls/application.h"
#include "classlib/core/classbuilder.h"

#include <QPointer>
#include <QScrollBar>

#include <algorithm>

namespace classlib {

namespace {

constexpr int WheelItems = 3;
// Pixels the mouse moves with the button down before an automatic drag begins.

} // namespace

const TClassInfo& TCustomListBox::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TCustomListBox>("TCustomListBox").Build();
    return info;
}

const TClassInfo& TListBox::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TListBox>("TListBox")
            .Prop("ItemHeight", &TListBox::ItemHeight, &TListBox::SetItemHeight).Default(16)
            .Prop("Items", &TListBox::Items, &TListBox::SetItems)
            .Prop("Sorted", &TListBox::Sorted, &TListBox::SetSorted).Default(0)
            .Prop("Style", &TListBox::Style, &TListBox::SetStyle).Default(lbStandard)
            .Prop("OnDrawItem", static_cast<TDrawItemEvent TListBox::*>(&TListBox::OnDrawItem))
            .Build();
    return info;
}

TCustomListBox::TCustomListBox(TComponent* AOwner)
    : TWinControl(AOwner), FItems(new TStringList), FScrollBar(new QScrollBar(Qt::Vertical, Widget()))
{
    SetControlStyle({csCaptureMouse, csDoubleClicks, csSetCaption, csOpaque});
    SetColor(clWindow);
    SetBorderStyle(bsSingle);
    FItems->OnChange = [this] { ItemsChanged(); };
    FScrollBar->setFocusPolicy(Qt::NoFocus);
    FScrollBar->hide();
    QObject::connect(FScrollBar, &QAbstractSlider::valueChanged, FScrollBar, [this](int Value) {
        if (!FSyncing)
            CallGuarded(this, [&] { SetTopIndex(Value); });
    });
    SetBounds(0, 0, 121, 97);
}

TCustomListBox::~TCustomListBox()
{
    FItems->OnChange = nullptr;
    delete FItems;
}

void TCustomListBox::SetItems(const TStrings* Value)
{
    FItems->Assign(Value);
}

void TCustomListBox::SetSorted(bool Value)
{
    FItems->SetSorted(Value);
}

void TCustomListBox::ItemsChanged()
{
    if (FItemIndex >= 0) {
        const bool same = FItemIndex < Count() && FItems->Get(FItemIndex) == FSelText &&
                          FItems->Objects(FItemIndex) == FSelObject;
        if (!same) {
            int found = -1;
            for (int i = 0; i < Count() && found < 0; ++i)
                if (FItems->Get(i) == FSelText && FItems->Objects(i) == FSelObject)
                    found = i;
            FItemIndex = found;
        }
    }
    UpdateScrollRange();
    Invalidate();
}

void TCustomListBox::SetItemIndex(int Value)
{
    if (Value < 0 || Value >= Count())
        Value = -1;
    FItemIndex = Value;
    FSelText = Value >= 0 ? FItems->Get(Value) : QString();
    FSelObject = Value >= 0 ? FItems->Objects(Value) : nullptr;
    if (Value >= 0) {
        if (Value < FTopIndex)
            SetTopIndex(Value);
        else if (Value >= FTopIndex + VisibleItemCount())
            SetTopIndex(Value - VisibleItemCount() + 1);
    }
    Invalidate();
}

void TCustomListBox::SetItemHeight(int Value)
{
    FItemHeight = std::max(Value, 1);
    UpdateScrollRange();
    Invalidate();
}

void TCustomListBox::SetStyle(TListBoxStyle Value)
{
    FStyle = Value;
    Invalidate();
}

int TCustomListBox::VisibleItemCount() const
{
    return std::max(1, TWinControl::ClientRect().Height() / FItemHeight);
}

int TCustomListBox::MaxTopIndex() const
{
    return std::max(0, Count() - VisibleItemCount());
}

void TCustomListBox::SetTopIndex(int Value)
{
    Value = std::clamp(Value, 0, MaxTopIndex());
    if (Value == FTopIndex)
        return;
    FTopIndex = Value;
    FSyncing = true;
    FScrollBar->setValue(Value);
    FSyncing = false;
    Invalidate();
}

TRect TCustomListBox::ClientRect() const
{
    TRect r = TWinControl::ClientRect();
    if (FScrollShown)
        r.Right = std::max(r.Left, r.Right - GetSystemMetrics(SM_CXVSCROLL));
    return r;
}

TRect TCustomListBox::ItemRect(int Index) const
{
    if (Index < 0 || Index >= Count())
        return TRect{};
    return Bounds(0, (Index - FTopIndex) * FItemHeight, ClientWidth(), FItemHeight);
}

int TCustomListBox::ItemAtPos(const TPoint& Pos, bool Existing) const
{
    const TRect client = ClientRect();
    if (Pos.X < client.Left || Pos.X >= client.Right || Pos.Y < 0 || Pos.Y >= client.Bottom)
        return Existing ? -1 : Count();
    const int i = FTopIndex + Pos.Y / FItemHeight;
    if (i < Count())
        return i;
    return Existing ? -1 : Count();
}

void TCustomListBox::UpdateScrollRange()
{
    const bool wanted = MaxTopIndex() > 0;
    if (wanted != FScrollShown) {
        FScrollShown = wanted;
        FScrollBar->setVisible(wanted);
    }
    const int b = BorderWidth();
    const int sw = GetSystemMetrics(SM_CXVSCROLL);
    FScrollBar->setGeometry(std::max(b, Width() - b - sw), b, sw, std::max(Height() - 2 * b, 0));
    FSyncing = true;
    FScrollBar->setRange(0, MaxTopIndex());
    FScrollBar->setPageStep(VisibleItemCount());
    FSyncing = false;
    FTopIndex = std::clamp(FTopIndex, 0, MaxTopIndex());
    FSyncing = true;
    FScrollBar->setValue(FTopIndex);
    FSyncing = false;
}

void TCustomListBox::Resize()
{
    UpdateScrollRange();
    TWinControl::Resize();
}

void TCustomListBox::Paint()
{
    TCanvas& c = *Canvas();
    const TRect client = ClientRect();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(client);
    const bool focused = Focused();
    for (int i = FTopIndex; i < Count(); ++i) {
        const TRect r = ItemRect(i);
        if (r.Top >= client.Bottom)
            break;
        TOwnerDrawState state;
        if (i == FItemIndex) {
            state += odSelected;
            if (focused)
                state += odFocused;
        }
        if (!Enabled())
            state += odDisabled;
        c.SetFont(Font());
        c.Brush()->SetStyle(bsSolid);
        c.Brush()->SetColor(Color());
        if (state.Contains(odSelected)) {
            c.Brush()->SetColor(clHighlight);
            c.Font()->SetColor(clHighlightText);
        }
        DrawItem(i, r, state);
        if (state.Contains(odFocused))
            c.DrawFocusRect(r);
    }
}

void TCustomListBox::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State)
{
    if (FStyle != lbStandard && OnDrawItem) {
        OnDrawItem(this, Index, Rect, State);
        return;
    }
    Canvas()->FillRect(Rect);
    Canvas()->Brush()->SetStyle(bsClear);
    Canvas()->TextOut(Rect.Left + 2, Rect.Top, FItems->Get(Index));
}

void TCustomListBox::UserSelect(int Index)
{
    SetItemIndex(Index);
    Perform(CN_COMMAND, NotifyWParam(LBN_SELCHANGE));
}

void TCustomListBox::Dispatch(TMessage& Message)
{
    if (Message.Msg == CN_COMMAND) {
        if (NotifyCode(Message.WParam) == LBN_SELCHANGE)
            Click();
        return;
    }
    if (QPointer<QWidget> alive(Widget()); PressThenDrag(Message)) {
        // Moves go to the drag from here on, not to the selection.
        if (alive)
            FTracking = false;
        return;
    }
    if (Message.Msg == WM_MOUSEWHEEL) {
        const int delta = qint16(quint16((quint64(Message.WParam) >> 16) & 0xFFFF));
        int rows = delta / 120 * WheelItems;
        if (rows == 0 && delta)
            rows = delta > 0 ? 1 : -1;
        SetTopIndex(FTopIndex - rows);
        Message.Result = 1;
        return;
    }
    TWinControl::Dispatch(Message);
}

void TCustomListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft && !IsDesigning()) {
        if (CanFocus() && !Focused())
            SetFocus();
        FTracking = true;
        if (const int i = ItemAtPos(Point(X, Y), true); i >= 0)
            UserSelect(i);
    }
    TWinControl::MouseDown(Button, Shift, X, Y);
}

void TCustomListBox::MouseMove(TShiftState Shift, int X, int Y)
{
    if (FTracking && Shift.Contains(ssLeft)) {
        // Dragged past an edge, the list scrolls and selects the item there.
        int i = ItemAtPos(Point(std::clamp(X, 0, std::max(ClientWidth() - 1, 0)), Y), true);
        if (Y < 0)
            i = std::max(FTopIndex - 1, 0);
        else if (Y >= ClientHeight())
            i = std::min(FTopIndex + VisibleItemCount(), Count() - 1);
        if (i >= 0 && i != FItemIndex)
            UserSelect(i);
    }
    TWinControl::MouseMove(Shift, X, Y);
}

void TCustomListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft)
        FTracking = false;
    TWinControl::MouseUp(Button, Shift, X, Y);
}

void TCustomListBox::KeyDown(unsigned& Key, TShiftState Shift)
{
    TWinControl::KeyDown(Key, Shift);
    if (Count() == 0)
        return;
    const int page = VisibleItemCount();
    int i = FItemIndex;
    switch (Key) {
    case VK_UP: i = FItemIndex - 1; break;
    case VK_DOWN: i = FItemIndex + 1; break;
    case VK_PRIOR: i = FItemIndex - page + 1; break;
    case VK_NEXT: i = FItemIndex + page - 1; break;
    case VK_HOME: i = 0; break;
    case VK_END: i = Count() - 1; break;
    default: return;
    }
    i = std::clamp(i, 0, Count() - 1);
    Key = 0;
    if (i != FItemIndex)
        UserSelect(i);
}

void TCustomListBox::KeyPress(QChar& Key)
{
    TWinControl::KeyPress(Key);
    if (!Key.isPrint() || Count() == 0)
        return;
    // The next item that begins with the letter, round from the top.
    const QString letter(Key);
    for (int n = 1; n <= Count(); ++n) {
        const int i = (std::max(FItemIndex, -1) + n) % Count();
        if (FItems->Get(i).startsWith(letter, Qt::CaseInsensitive)) {
            if (i != FItemIndex)
                UserSelect(i);
            break;
        }
    }
}

} // namespace classlib
