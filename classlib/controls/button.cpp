#include "classlib/controls/button.h"

#include "classlib/controls/form.h"
#include "classlib/controls/windowkeys.h"
#include "classlib/core/classbuilder.h"
#include "classlib/graphics/drawtext.h"
#include "classlib/graphics/edges.h"
#include "classlib/graphics/gdiconsts.h"

#include <QPointer>
#include <QWidget>

namespace classlib {

const TClassInfo& TButton::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TButton>("TButton")
        .Prop("Caption", &TButton::Caption, &TButton::SetCaption).Type(TypeInfo<TCaption>())
        .Prop("Cancel", &TButton::Cancel, &TButton::SetCancel).Default(false)
        .Prop("Default", &TButton::Default, &TButton::SetDefault).Default(false)
        .Prop("ModalResult", &TButton::ModalResult, &TButton::SetModalResult).Default(mrNone)
        .Build();
    return info;
}

TButton::TButton(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle({csCaptureMouse, csClickEvents, csOpaque, csDoubleClicks, csSetCaption});
    SetBounds(0, 0, 75, 25);
    Widget()->setFocusPolicy(Qt::StrongFocus);
    detail::InstallWindowKeys();
}

void TButton::SetDefault(bool Value)
{
    if (Value == FDefault)
        return;
    FDefault = Value;
    Invalidate();
}

void TButton::Click()
{
    // The handler may free the form, and the button with it.
    const QPointer<QWidget> alive(Widget());
    TCustomControl::Click();
    if (!alive || FModalResult == mrNone)
        return;
    if (TForm* form = GetParentForm(this))
        form->SetModalResult(FModalResult);
}

void TButton::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_WANTSPECIALKEY:
        // Enter on the focused button clicks this one, not the default.
        if (Message.WParam == VK_RETURN)
            Message.Result = 1;
        break;
    case CM_DIALOGKEY: {
        const bool mine = (Message.WParam == VK_RETURN && FDefault) || (Message.WParam == VK_ESCAPE && FCancel);
        if (mine && Showing() && Enabled() && !IsDesigning()) {
            Message.Result = 1;
            Click();
            return;
        }
        break;
    }
    case CM_DIALOGCHAR:
        if (Showing() && Enabled() && IsAccel(unsigned(Message.WParam), Caption())) {
            Message.Result = 1;
            Click();
            return;
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        FSpaceDown = false;
        SetPressed(false);
        break;
    default:
        break;
    }
    TCustomControl::Dispatch(Message);
}

void TButton::SetPressed(bool Value)
{
    if (Value == FPressed)
        return;
    FPressed = Value;
    Repaint();
}

void TButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft && CanFocus() && !Focused() && !IsDesigning())
        SetFocus();
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft)
        SetPressed(true);
}

void TButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (Button == mbLeft)
        SetPressed(false);
}

void TButton::KeyDown(unsigned& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if (Key == VK_SPACE && Shift.Mask() == 0) {
        FSpaceDown = true;
        SetPressed(true);
    } else if (Key == VK_RETURN && Shift.Mask() == 0) {
        Key = 0;
        Click();
    }
}

void TButton::KeyUp(unsigned& Key, TShiftState Shift)
{
    TCustomControl::KeyUp(Key, Shift);
    if (Key == VK_SPACE && FSpaceDown) {
        FSpaceDown = false;
        SetPressed(false);
        Click();
    }
}

void TButton::Paint()
{
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(clBtnFace);
    c.FillRect(r);
    // The default button, and a focused one, wear a dark outer line.
    if (FDefault || Focused()) {
        c.Brush()->SetStyle(bsClear);
        c.Pen()->SetStyle(psSolid);
        c.Pen()->SetWidth(1);
        c.Pen()->SetColor(clWindowFrame);
        c.Rectangle(r);
        r = TRect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    }
    TRect edge = r;
    DrawEdge(c.DC(), edge, FPressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    const int shift = FPressed ? 1 : 0;
    if (!Caption().isEmpty()) {
        c.Font()->Assign(Font());
        c.Brush()->SetStyle(bsClear);
        c.Font()->SetColor(Enabled() ? clBtnText : clGrayText);
        TRect text{r.Left + shift, r.Top + shift, r.Right + shift, r.Bottom + shift};
        DrawText(c, Caption(), text, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    }
    if (Focused())
        c.DrawFocusRect(TRect{r.Left + 3, r.Top + 3, r.Right - 3, r.Bottom - 3});
}

} // namespace classlib
