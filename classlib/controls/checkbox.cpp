#include "classlib/controls/checkbox.h"

#include "classlib/controls/windowkeys.h"
#include "classlib/core/classbuilder.h"
#include "classlib/graphics/drawtext.h"
#include "classlib/graphics/edges.h"
#include "classlib/graphics/gdiconsts.h"

#include <QWidget>

#include <algorithm>

namespace classlib {

namespace {

constexpr int BoxSize = 13;
constexpr int TextGap = 4;

} // namespace

const TClassInfo& TCheckBox::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TCheckBox>("TCheckBox")
        .Prop("Alignment", &TCheckBox::Alignment, &TCheckBox::SetAlignment).Default(taRightJustify)
        .Prop("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked).Default(false)
        .Build();
    return info;
}

TCheckBox::TCheckBox(TComponent* AOwner) : TButtonControl(AOwner)
{
    SetBounds(0, 0, 97, 17);
}

void TCheckBox::SetChecked(bool Value)
{
    if (Value == FChecked)
        return;
    FChecked = Value;
    Invalidate();
    FChanging = true;
    struct TReset {
        bool& Flag;
        ~TReset() { Flag = false; }
    } reset{FChanging};
    if (!ComponentState().Contains(csLoading))
        Click();
}

void TCheckBox::SetAlignment(TAlignment Value)
{
    if (Value == FAlignment)
        return;
    FAlignment = Value;
    Invalidate();
}

void TCheckBox::Click()
{
    if (!FChanging) {
        // SetChecked fires the click itself.
        SetChecked(!FChecked);
        return;
    }
    TButtonControl::Click();
}

void TCheckBox::DblClick()
{
    Click();
    TButtonControl::DblClick();
}

void TCheckBox::Paint()
{
    TCanvas& c = *Canvas();
    const TRect client = ClientRect();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(client);
    const int top = client.Top + (client.Height() - BoxSize) / 2;
    const bool textLeft = FAlignment == taLeftJustify;
    const int boxLeft = textLeft ? client.Right - BoxSize : client.Left;
    TRect box{boxLeft, top, boxLeft + BoxSize, top + BoxSize};
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(Enabled() ? clWindow : clBtnFace);
    c.FillRect(box);
    TRect edge = box;
    DrawEdge(c.DC(), edge, EDGE_SUNKEN, BF_RECT);
    if (FChecked) {
        // The tick: three pixels thick, down then up.
        c.Pen()->SetStyle(psSolid);
        c.Pen()->SetWidth(1);
        c.Pen()->SetColor(Enabled() ? clWindowText : clGrayText);
        for (int d = 0; d < 3; ++d) {
            c.MoveTo(box.Left + 3, box.Top + 5 + d);
            c.LineTo(box.Left + 5, box.Top + 7 + d);
            c.LineTo(box.Left + 10, box.Top + 2 + d);
        }
    }
    if (!Caption().isEmpty()) {
        c.Font()->Assign(Font());
        c.Font()->SetColor(Enabled() ? clWindowText : clGrayText);
        c.Brush()->SetStyle(bsClear);
        TRect text = textLeft ? TRect{client.Left + 1, client.Top, box.Left - TextGap, client.Bottom}
                              : TRect{box.Right + TextGap, client.Top, client.Right, client.Bottom};
        DrawText(c, Caption(), text, DT_SINGLELINE | DT_VCENTER);
        if (Focused()) {
            TRect measured{0, 0, 0, 0};
            DrawText(c, Caption(), measured, DT_CALCRECT | DT_SINGLELINE);
            const int y = client.Top + (client.Height() - measured.Height()) / 2;
            c.DrawFocusRect(TRect{text.Left - 1, y - 1, std::min(client.Right, text.Left + measured.Width() + 1),
                                  y + measured.Height() + 1});
        }
    }
}

} // namespace classlib
