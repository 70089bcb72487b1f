#include "classlib/controls/radiobutton.h"

#include "classlib/controls/windowkeys.h"
#include "classlib/core/classbuilder.h"
#include "classlib/graphics/drawtext.h"
#include "classlib/graphics/gdiconsts.h"

#include <QWidget>

namespace classlib {

namespace {

constexpr int BoxSize = 12;
constexpr int TextGap = 4;

} // namespace

const TClassInfo& TRadioButton::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TRadioButton>("TRadioButton")
        .Prop("Caption", &TRadioButton::Caption, &TRadioButton::SetCaption).Type(TypeInfo<TCaption>())
        .Prop("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked).Default(false)
        .Build();
    return info;
}

TRadioButton::TRadioButton(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle({csCaptureMouse, csClickEvents, csSetCaption});
    SetBounds(0, 0, 113, 17);
    Widget()->setFocusPolicy(Qt::StrongFocus);
    detail::InstallWindowKeys();
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
            if (auto* other = dynamic_cast<TRadioButton*>(parent->Controls(i)); other && other != this)
                other->SetChecked(false);
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
        // SetChecked fires the click itself; a checked button stays checked.
        if (!FChecked)
            SetChecked(true);
        return;
    }
    TCustomControl::Click();
}

void TRadioButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft && CanFocus() && !Focused() && !IsDesigning())
        SetFocus();
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TRadioButton::KeyUp(unsigned& Key, TShiftState Shift)
{
    TCustomControl::KeyUp(Key, Shift);
    if (Key == VK_SPACE && Shift.Mask() == 0)
        Click();
}

void TRadioButton::Paint()
{
    TCanvas& c = *Canvas();
    const TRect client = ClientRect();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(client);
    const int top = client.Top + (client.Height() - BoxSize) / 2;
    c.Pen()->SetStyle(psSolid);
    c.Pen()->SetWidth(1);
    c.Pen()->SetColor(clBtnShadow);
    c.Brush()->SetColor(Enabled() ? clWindow : clBtnFace);
    c.Ellipse(client.Left, top, client.Left + BoxSize, top + BoxSize);
    if (FChecked) {
        c.Pen()->SetColor(Enabled() ? clWindowText : clGrayText);
        c.Brush()->SetColor(Enabled() ? clWindowText : clGrayText);
        c.Ellipse(client.Left + 4, top + 4, client.Left + BoxSize - 4, top + BoxSize - 4);
    }
    if (!Caption().isEmpty()) {
        c.Font()->Assign(Font());
        c.Font()->SetColor(Enabled() ? clWindowText : clGrayText);
        c.Brush()->SetStyle(bsClear);
        TRect text{client.Left + BoxSize + TextGap, client.Top, client.Right, client.Bottom};
        DrawText(c, Caption(), text, DT_SINGLELINE | DT_VCENTER);
    }
}

} // namespace classlib
