#include "designer-framework/inspectorgrid.h"

#include "classlib/controls/ownerdraw.h"
#include "classlib/core/classbuilder.h"

#include <QPointer>

namespace designer_framework {

using namespace classlib;

const TClassInfo& TInspectorGrid::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TInspectorGrid>("TInspectorGrid")
        .Prop("OnTopLeftChanged", &TInspectorGrid::OnTopLeftChanged)
        .Build();
    return info;
}

TInspectorGrid::TInspectorGrid(TComponent* AOwner) : TStringGrid(AOwner) {}

void TInspectorGrid::MouseMove(TShiftState Shift, int X, int Y)
{
    if (FLastMousePos == Point(X, Y)) return;
    FLastMousePos = Point(X, Y);
    TStringGrid::MouseMove(Shift, X, Y);
}

void TInspectorGrid::TopLeftChanged()
{
    TStringGrid::TopLeftChanged();
    if (OnTopLeftChanged) OnTopLeftChanged(this);
}

bool TInspectorGrid::EnsureRowVisible()
{
    if (!Visible()) return false;
    if (Row() < TopRow()) {
        SetTopRow(Row());
        return true;
    }
    const int visible = VisibleRowCount();
    if (Row() > TopRow() + visible - 1) {
        SetTopRow(Row() - visible + 1);
        return true;
    }
    return false;
}

const TClassInfo& TExtEdit::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TExtEdit>("TExtEdit").Build();
    return info;
}

void TExtEdit::KeyPress(QChar& Key)
{
    TEdit::KeyPress(Key);
    if (Key == QChar(13) || Key == QChar(27) || Key == QChar(10)) Key = QChar(0);
}

const TClassInfo& TExtButton::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TExtButton>("TExtButton").Build();
    return info;
}

void TExtButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft && FListBox && FListBox->Visible()) {
        FListBox->Hide();
        return;
    }
    TSpeedButton::MouseDown(Button, Shift, X, Y);
}

const TClassInfo& TExtListBox::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TExtListBox>("TExtListBox").Build();
    return info;
}

void TExtListBox::Take()
{
    QPointer<QWidget> alive = Widget();
    Click();
    if (alive) Hide();
}

void TExtListBox::Dispatch(TMessage& Message)
{
    // A changed highlight picks nothing.
    if (Message.Msg == CN_COMMAND && NotifyCode(Message.WParam) == LBN_SELCHANGE) return;
    TListBox::Dispatch(Message);
    if (Message.Msg == CM_CANCELMODE && reinterpret_cast<TControl*>(Message.LParam) != this) Hide();
}

void TExtListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button != mbLeft) {
        TListBox::MouseUp(Button, Shift, X, Y);
        return;
    }
    TListBox::MouseUp(Button, Shift, X, Y);
    Take();
}

void TExtListBox::KeyDown(unsigned& Key, TShiftState Shift)
{
    if (Key == VK_RETURN) {
        Key = 0;
        Take();
        return;
    }
    TListBox::KeyDown(Key, Shift);
}

void TExtListBox::PlaceAt(const TRect& R)
{
    const int H = Height(), W = Width();
    const int P = Parent() ? Parent()->ClientHeight() : 0;
    const int step = std::max(ItemHeight(), 1);
    if (qint64(R.Bottom) + H < P) {
        SetBounds(R.Left - 1, R.Bottom, W, H);
    } else if (qint64(R.Top) - H >= 0) {
        SetBounds(R.Left - 1, R.Top - H, W, H);
    } else if (qint64(P) - R.Bottom < R.Top) {
        const int height = ((R.Top - 2) / step) * step + 2;
        SetBounds(R.Left - 1, R.Top - height, W, height);
    } else {
        const int height = ((P - R.Bottom - 2) / step) * step + 2;
        SetBounds(R.Left - 1, R.Bottom, W, height);
    }
}

const TClassInfo& TExtComboBox::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TExtComboBox>("TExtComboBox").Build();
    return info;
}

void TExtComboBox::Click()
{
    if (!DroppedDown()) TComboBox::Click();
}

void TExtComboBox::KeyDown(unsigned& Key, TShiftState Shift)
{
    if (Key == VK_RETURN) {
        Key = 0;
        Click();
        return;
    }
    TComboBox::KeyDown(Key, Shift);
}

} // namespace designer_framework
