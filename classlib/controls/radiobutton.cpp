#include "classlib/controls/radiobutton.h"

#include "classlib/controls/windowkeys.h"
#include "classlib/core/classbuilder.h"
#include "classlib/graphics/drawtext.h"
#include "classlib/graphics/gdiconsts.h"

#include <QWidget>

#include <algorithm>

namespace classlib {

namespace {

constexpr int CircleSize = 12;
constexpr int TextGap = 4;

} // namespace

const TClassInfo& TRadioButton::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TRadioButton>("TRadioButton")
        .Prop("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked).Default(false)
        .Build();
    return info;
}

TRadioButton::TRadioButton(TComponent* AOwner) : TButtonControl(AOwner)
{
    SetBounds(0, 0, 113, 17);
}

void TRadioButton::SetChecked(bool Value)
{
    if (Value == FChecked)
        return;
    FChecked = Value;
    Invalidate();
    if (!Value)
        return;
    if (TWinControl* parent = Parent())
        for (int i = 0; i < parent->ControlCount(); ++i)
            if (auto* sibling = dynamic_cast<TRadioButton*>(parent->Controls(i)); sibling && sibling != this)
                sibling->SetChecked(false);
    FChanging = true;
    struct TReset {
        bool& Flag;
        ~TReset() { Flag = false; }
    } reset{FChanging};
    if (!ComponentState().Contains(csLoading))
        Click();
}

void TRadioButton::Click()
{
    if (!FChanging) {
        // SetChecked fires the click itself; a checked button stays quiet.
        SetChecked(true);
        return;
    }
    TButtonControl::Click();
}

void TRadioButton::Paint()
{
    TCanvas& c = *Canvas();
    const TRect client = ClientRect();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(client);
    const int top = client.Top + (client.Height() - CircleSize) / 2;
    const TRect circle{client.Left, top, client.Left + CircleSize, top + CircleSize};
    c.Pen()->SetStyle(psSolid);
    c.Pen()->SetWidth(1);
    c.Pen()->SetColor(clBtnShadow);
    c.Brush()->SetColor(Enabled() ? clWindow : clBtnFace);
    c.Ellipse(circle.Left, circle.Top, circle.Right, circle.Bottom);
    if (FChecked) {
        c.Pen()->SetColor(Enabled() ? clWindowText : clGrayText);
        c.Brush()->SetColor(Enabled() ? clWindowText : clGrayText);
        c.Ellipse(circle.Left + 4, circle.Top + 4, circle.Right - 4, circle.Bottom - 4);
    }
    if (!Caption().isEmpty()) {
        c.Font()->Assign(Font());
        c.Font()->SetColor(Enabled() ? clWindowText : clGrayText);
        c.Brush()->SetStyle(bsClear);
        TRect text{circle.Right + TextGap, client.Top, client.Right, client.Bottom};
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
