#include "designer/controls/drawcombobox.h"

#include "classlib/controls/menus.h"
#include "classlib/controls/publishedcontrol.h"
#include "classlib/core/classbuilder.h"

namespace designer {

using namespace classlib;

const TClassInfo& TDrawComboBox::StaticClass()
{
    using R = TDrawComboBox;
    static const TClassInfo& info = PublishWinControl(TClassBuilder<R>("TDrawComboBox")
        .Prop("Margin", &R::Margin, &R::SetMargin).Default(6)
        .Prop("Items", &R::Items, &R::SetItems)
        .Prop("Color", &TControl::Color, &TControl::SetColor))
        .Prop("OnDrawItem", static_cast<TDrawItemEvent R::*>(&R::OnDrawItem))
        .Prop("OnChange", &R::OnChange)
        .Prop("OnDropDown", &R::OnDropDown)
        .Build();
    return info;
}

TDrawComboBox::TDrawComboBox(TComponent* AOwner) : TCustomComboBox(AOwner)
{
    SetStyle(csOwnerDrawFixed);
}

void TDrawComboBox::SetMargin(int Value)
{
    if (Value == FMargin) return;
    FMargin = Value;
    Invalidate();
}

void TDrawComboBox::Dispatch(TMessage& Message)
{
    TCustomComboBox::Dispatch(Message);
    if (Message.Msg != CN_COMMAND) return;
    const unsigned code = NotifyCode(Message.WParam);
    if (code == CBN_SELCHANGE && OnChange) OnChange(this);
    if (code == CBN_DROPDOWN && OnDropDown) OnDropDown(this);
}

void TDrawComboBox::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State)
{
    TCanvas& c = *Canvas();
    c.FillRect(Rect);
    if (Index >= 0 && Index < Items()->Count()) {
        // The brush stays for the owner's picture; the text leaves it alone.
        const TBrushStyle style = c.Brush()->Style();
        c.Brush()->SetStyle(bsClear);
        c.TextOut(Rect.Left + FMargin, Rect.Top + 1, Items()->Get(Index));
        c.Brush()->SetStyle(style);
    }
    if (OnDrawItem) OnDrawItem(this, Index, Rect, State);
}

void TDrawComboBox::FontChanged()
{
    TCustomComboBox::FontChanged();
    const int h = MeasureCanvas().TextHeight(QStringLiteral("Wg")) + 2;
    if (ItemHeight() < h) SetItemHeight(h);
}

} // namespace designer
