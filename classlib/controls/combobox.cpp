#include "classlib/controls/combobox.h"

#include "classlib/controls/application.h"
#include "classlib/controls/listbox.h"
#include "classlib/controls/windowkeys.h"
#include "classlib/core/classbuilder.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace classlib {

namespace detail {

// The drop-down list: a pop-up window under the box. It never takes the
// focus; its keys go to the box, and its items are drawn by the box.
class TComboListBox : public TCustomListBox {
public:
    explicit TComboListBox(TCustomComboBox* ACombo) : TCustomListBox(nullptr), FCombo(ACombo)
    {
        SetParentWidget(ACombo->Widget());
        Widget()->setWindowFlags(Qt::Popup);
        // The press that closes the list (outside it) goes nowhere else.
        Widget()->setAttribute(Qt::WA_NoMouseReplay);
        Widget()->installEventFilter(&FWatch);
        SetCtl3D(false);
        SetVisible(false);
    }

    void WndProc(TMessage& Message) override
    {
        if (Message.Msg >= WM_KEYDOWN && Message.Msg <= WM_KEYLAST) {
            FCombo->WndProc(Message);
            return;
        }
        TCustomListBox::WndProc(Message);
    }

protected:
    void Dispatch(TMessage& Message) override
    {
        if (Message.Msg == CN_COMMAND)
            return;  // the box announces picks
        TCustomListBox::Dispatch(Message);
    }
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override
    {
        Hover(X, Y);
        TWinControl::MouseDown(Button, Shift, X, Y);
    }
    void MouseMove(TShiftState Shift, int X, int Y) override
    {
        Hover(X, Y);
        TWinControl::MouseMove(Shift, X, Y);
    }
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override
    {
        TWinControl::MouseUp(Button, Shift, X, Y);
        if (Button == mbLeft)
            if (const int i = ItemAtPos(Point(X, Y), true); i >= 0)
                FCombo->ListPicked(i);
    }
    void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) override
    {
        FCombo->DrawListItem(*Canvas(), Index, Rect, State);
    }

private:
    // The highlight follows the mouse; only a release picks.
    void Hover(int X, int Y)
    {
        if (const int i = ItemAtPos(Point(X, Y), true); i >= 0 && i != ItemIndex())
            SetItemIndex(i);
    }

    class TWatch : public QObject {
    public:
        explicit TWatch(TComboListBox* AList) : FList(AList) {}
        bool eventFilter(QObject*, QEvent* E) override
        {
            if (E->type() == QEvent::Hide) {
                TCustomComboBox* combo = FList->FCombo;
                CallGuarded(combo, [combo] { combo->ListClosed(); });
            }
            return false;
        }

    private:
        TComboListBox* FList;
    };

    TCustomComboBox* FCombo;
    TWatch FWatch{this};
};

} // namespace detail

const TClassInfo& TCustomComboBox::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TCustomComboBox>("TCustomComboBox").Build();
    return info;
}

const TClassInfo& TComboBox::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TComboBox>("TComboBox")
            .Prop("DropDownCount", &TComboBox::DropDownCount, &TComboBox::SetDropDownCount).Default(8)
            .Prop("ItemHeight", &TComboBox::ItemHeight, &TComboBox::SetItemHeight).Default(16)
            .Prop("Items", &TComboBox::Items, &TComboBox::SetItems)
            .Prop("Sorted", &TComboBox::Sorted, &TComboBox::SetSorted).Default(0)
            .Prop("Style", &TComboBox::Style, &TComboBox::SetStyle).Default(csDropDown)
            .Prop("OnDrawItem", static_cast<TDrawItemEvent TComboBox::*>(&TComboBox::OnDrawItem))
            .Build();
    return info;
}

TCustomComboBox::TCustomComboBox(TComponent* AOwner) : TWinControl(AOwner), FItems(new TStringList)
{
    // No click on release: the box clicks when the user picks.
    SetControlStyle({csCaptureMouse, csDoubleClicks, csFixedHeight, csSetCaption});
    SetColor(clWindow);
    SetBorderStyle(bsSingle);
    // Tab and a click give it the keys, as they do other controls.
    Widget()->setFocusPolicy(Qt::StrongFocus);
    FItems->OnChange = [this] { ItemsChanged(); };
    FList = new detail::TComboListBox(this);
    SetBounds(0, 0, 145, 21);
}

TCustomComboBox::~TCustomComboBox()
{
    // The list's window lives inside this control's widget: it goes first.
    delete FList;
    FItems->OnChange = nullptr;
    delete FItems;
}

void TCustomComboBox::SetItems(const TStrings* Value)
{
    FItems->Assign(Value);
}

void TCustomComboBox::SetSorted(bool Value)
{
    FItems->SetSorted(Value);
}

void TCustomComboBox::ItemsChanged()
{
    if (FItemIndex >= 0) {
        // Objects first: comparing them is cheap, and a long list changes
        // one entry at a time.
        const bool same = FItemIndex < FItems->Count() && FItems->Objects(FItemIndex) == FSelObject &&
                          FItems->Get(FItemIndex) == FSelText;
        if (!same) {
            auto at = [this](int i) {
                return i >= 0 && i < FItems->Count() && FItems->Objects(i) == FSelObject && FItems->Get(i) == FSelText;
            };
            // One entry added or deleted moves the chosen one by one place.
            int found = at(FItemIndex - 1) ? FItemIndex - 1 : at(FItemIndex + 1) ? FItemIndex + 1 : -1;
            for (int i = 0; i < FItems->Count() && found < 0; ++i)
                if (at(i))
                    found = i;
            FItemIndex = found;
        }
    }
    if (DroppedDown()) {
        FList->Items()->Assign(FItems);
        FList->SetItemIndex(FItemIndex);
    }
    Invalidate();
}

void TCustomComboBox::SetItemIndex(int Value)
{
    if (Value < 0 || Value >= FItems->Count())
        Value = -1;
    FItemIndex = Value;
    FSelText = Value >= 0 ? FItems->Get(Value) : QString();
    FSelObject = Value >= 0 ? FItems->Objects(Value) : nullptr;
    if (DroppedDown())
        FList->SetItemIndex(Value);
    Invalidate();
}

QString TCustomComboBox::Text() const
{
    return FItemIndex >= 0 ? FItems->Get(FItemIndex) : QString();
}

void TCustomComboBox::SetStyle(TComboBoxStyle Value)
{
    FStyle = Value;
    Invalidate();
}

void TCustomComboBox::SetItemHeight(int Value)
{
    FItemHeight = std::max(Value, 1);
    Invalidate();
}

void TCustomComboBox::SetDropDownCount(int Value)
{
    FDropDownCount = std::max(Value, 1);
}

bool TCustomComboBox::DroppedDown() const
{
    return FList->Widget() && FList->Widget()->isVisible();
}

void TCustomComboBox::SetDroppedDown(bool Value)
{
    if (Value == DroppedDown())
        return;
    if (!Value) {
        FList->Hide();
        return;
    }
    if (!Showing())
        return;  // no list for a box nobody sees
    FIndexBeforeDrop = FItemIndex;
    FList->Font()->Assign(Font());
    FList->SetColor(Color());
    FList->SetItemHeight(FItemHeight);
    FList->Items()->Assign(FItems);
    const int rows = std::clamp(FItems->Count(), 1, FDropDownCount);
    const int h = rows * FItemHeight + 2;  // the list's flat border
    const int b = BorderWidth();
    const TPoint topLeft = ClientToScreen(Point(-b, -b));
    int y = topLeft.Y + Height();
    if (const QScreen* screen = Widget()->screen()) {
        const QRect avail = screen->availableGeometry();
        if (y + h > avail.bottom() + 1 && topLeft.Y - h >= avail.top())
            y = topLeft.Y - h;
    }
    FList->SetBounds(topLeft.X, y, Width(), h);
    FList->SetItemIndex(FItemIndex);
    FList->Show();
    Invalidate();
    Perform(CN_COMMAND, NotifyWParam(CBN_DROPDOWN));
}

void TCustomComboBox::ListPicked(int Index)
{
    SetDroppedDown(false);
    UserSelect(Index);
}

void TCustomComboBox::ListClosed()
{
    FList->SetVisible(false);
    Invalidate();
    Perform(CN_COMMAND, NotifyWParam(CBN_CLOSEUP));
}

void TCustomComboBox::UserSelect(int Index)
{
    SetItemIndex(Index);
    Perform(CN_COMMAND, NotifyWParam(CBN_SELCHANGE));
}

void TCustomComboBox::Dispatch(TMessage& Message)
{
    // A list that is down closes on Enter or Escape: the window's buttons
    // never see them.
    if (Message.Msg == CM_WANTSPECIALKEY) {
        Message.Result = DroppedDown() ? 1 : 0;
        return;
    }
    if (Message.Msg == CN_COMMAND) {
        if (NotifyCode(Message.WParam) == CBN_SELCHANGE)
            Click();
        return;
    }
    TWinControl::Dispatch(Message);
}

void TCustomComboBox::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State)
{
    if (IsOwnerDraw() && OnDrawItem) {
        OnDrawItem(this, Index, Rect, State);
        return;
    }
    TCanvas& c = *Canvas();
    c.FillRect(Rect);
    c.Brush()->SetStyle(bsClear);
    c.TextOut(Rect.Left + 2, Rect.Top + (Rect.Height() - c.TextHeight(QStringLiteral("Wg"))) / 2,
              FItems->Get(Index));
}

void TCustomComboBox::DrawListItem(TCanvas& ListCanvas, int Index, const TRect& Rect, TOwnerDrawState State)
{
    // Handlers draw on the box's canvas, as they do for the box itself.
    TCanvas& c = *Canvas();
    c.SetHandle(ListCanvas.Handle());
    struct TRelease {
        TCanvas& C;
        ~TRelease() { C.SetHandle(nullptr); }
    } release{c};
    c.SetFont(ListCanvas.Font());
    c.Brush()->Assign(ListCanvas.Brush());
    DrawItem(Index, Rect, State);
}

void TCustomComboBox::Paint()
{
    TCanvas& c = *Canvas();
    const TRect client = ClientRect();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(client);

    const int bw = GetSystemMetrics(SM_CXVSCROLL);
    const TRect item = Rect(1, 1, std::max(1, client.Right - bw - 1), std::max(1, client.Bottom - 1));
    TOwnerDrawState state{odComboBoxEdit};
    if (Focused() && !DroppedDown())
        state = state + TOwnerDrawState{odSelected, odFocused};
    if (!Enabled())
        state += odDisabled;
    c.SetFont(Font());
    if (state.Contains(odSelected)) {
        c.Brush()->SetColor(clHighlight);
        c.Font()->SetColor(clHighlightText);
    }
    if (FItemIndex >= 0)
        DrawItem(FItemIndex, item, state);
    else
        c.FillRect(item);
    if (state.Contains(odFocused))
        c.DrawFocusRect(item);

    // The drop-down button: a raised face with a downward arrow.
    const TRect button = Rect(std::max(0, client.Right - bw), 0, client.Right, client.Bottom);
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(clBtnFace);
    c.FillRect(button);
    c.Pen()->SetStyle(psSolid);
    c.Pen()->SetColor(clBtnHighlight);
    c.MoveTo(button.Left, button.Bottom - 1);
    c.LineTo(button.Left, button.Top);
    c.LineTo(button.Right - 1, button.Top);
    c.Pen()->SetColor(clBtnShadow);
    c.LineTo(button.Right - 1, button.Bottom - 1);
    c.LineTo(button.Left - 1, button.Bottom - 1);
    const int cx = (button.Left + button.Right) / 2;
    const int cy = (button.Top + button.Bottom) / 2;
    c.Pen()->SetColor(Enabled() ? clBtnText : clGrayText);
    c.Brush()->SetColor(Enabled() ? clBtnText : clGrayText);
    c.Polygon({Point(cx - 3, cy - 1), Point(cx + 3, cy - 1), Point(cx, cy + 2)});
}

void TCustomComboBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft && !IsDesigning()) {
        if (CanFocus() && !Focused())
            SetFocus();
        SetDroppedDown(!DroppedDown());
    }
    TWinControl::MouseDown(Button, Shift, X, Y);
}

void TCustomComboBox::KeyDown(unsigned& Key, TShiftState Shift)
{
    TWinControl::KeyDown(Key, Shift);
    const bool dropped = DroppedDown();
    if ((Key == VK_DOWN && Shift.Contains(ssAlt)) || Key == VK_F1 + 3) {
        SetDroppedDown(!dropped);
        Key = 0;
        return;
    }
    if (dropped && (Key == VK_RETURN || Key == VK_ESCAPE)) {
        SetDroppedDown(false);
        // Escape takes back what the keys chose while the list was down.
        if (Key == VK_ESCAPE && FItemIndex != FIndexBeforeDrop)
            UserSelect(FIndexBeforeDrop);
        Key = 0;
        return;
    }
    const int count = FItems->Count();
    if (count == 0)
        return;
    const int page = dropped ? std::min(count, FDropDownCount) : 1;
    int i = FItemIndex;
    switch (Key) {
    case VK_UP:
    case VK_LEFT: i = FItemIndex - 1; break;
    case VK_DOWN:
    case VK_RIGHT: i = FItemIndex + 1; break;
    case VK_PRIOR: i = FItemIndex - std::max(page - 1, 1); break;
    case VK_NEXT: i = FItemIndex + std::max(page - 1, 1); break;
    case VK_HOME: i = 0; break;
    case VK_END: i = count - 1; break;
    default: return;
    }
    i = std::clamp(i, 0, count - 1);
    Key = 0;
    if (i != FItemIndex)
        UserSelect(i);
}

void TCustomComboBox::KeyPress(QChar& Key)
{
    TWinControl::KeyPress(Key);
    const int count = FItems->Count();
    if (!Key.isPrint() || count == 0)
        return;
    const QString letter(Key);
    for (int n = 1; n <= count; ++n) {
        const int i = (std::max(FItemIndex, -1) + n) % count;
        if (FItems->Get(i).startsWith(letter, Qt::CaseInsensitive)) {
            if (i != FItemIndex)
                UserSelect(i);
            break;
        }
    }
}

} // namespace classlib
