#include "classlib/controls/panel.h"

#include "classlib/graphics/drawtext.h"
#include "classlib/graphics/gdiconsts.h"

#include "classlib/core/classbuilder.h"

#include <algorithm>

namespace classlib {

const TClassInfo& TCustomPanel::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TCustomPanel>("TCustomPanel").Build();
    return info;
}

const TClassInfo& TPanel::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TPanel>("TPanel")
        .Prop("BevelInner", &TPanel::BevelInner, &TPanel::SetBevelInner).Default(bvNone)
        .Prop("BevelOuter", &TPanel::BevelOuter, &TPanel::SetBevelOuter).Default(bvRaised)
        .Prop("BevelWidth", &TPanel::BevelWidth, &TPanel::SetBevelWidth).Default(1)
        .Prop("BorderWidth", &TPanel::GetBorderWidth, &TPanel::SetBorderWidth).Default(0)
        .Prop<TNotifyEvent>("OnClick", &TPanel::OnClick)
        .Prop<TNotifyEvent>("OnDblClick", &TPanel::OnDblClick)
        .Prop<TMouseEvent>("OnMouseDown", &TPanel::OnMouseDown)
        .Prop<TMouseMoveEvent>("OnMouseMove", &TPanel::OnMouseMove)
        .Prop<TMouseEvent>("OnMouseUp", &TPanel::OnMouseUp)
        .Prop<TNotifyEvent>("OnResize", &TPanel::OnResize)
        .Build();
    return info;
}

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque,
                     csDoubleClicks, csReplicatable});
    SetBounds(0, 0, 185, 41);
}

void TCustomPanel::SetBevelInner(TBevelCut Value)
{
    if (Value != FBevelInner) {
        FBevelInner = Value;
        FrameChanged();
    }
}

void TCustomPanel::SetBevelOuter(TBevelCut Value)
{
    if (Value != FBevelOuter) {
        FBevelOuter = Value;
        FrameChanged();
    }
}

void TCustomPanel::SetBevelWidth(int Value)
{
    Value = std::max(Value, 1);
    if (Value != FBevelWidth) {
        FBevelWidth = Value;
        FrameChanged();
    }
}

void TCustomPanel::SetBorderWidth(int Value)
{
    Value = std::max(Value, 0);
    if (Value != FBorderWidth) {
        FBorderWidth = Value;
        FrameChanged();
    }
}

int TCustomPanel::FrameWidth() const
{
    // Bevel and border widths are small, but a stored form may say anything.
    const qint64 w = qint64(FBorderWidth) + (FBevelOuter != bvNone ? FBevelWidth : 0) +
                     (FBevelInner != bvNone ? FBevelWidth : 0);
    return int(std::min<qint64>(w, QWIDGETSIZE_MAX));
}

void TCustomPanel::FrameChanged()
{
    Realign();
    Invalidate();
}

void TCustomPanel::AlignControls(TControl* AControl, TRect& Rect)
{
    const int f = FrameWidth();
    Rect = classlib::Rect(Rect.Left + f, Rect.Top + f, std::max(Rect.Right - f, Rect.Left + f),
                          std::max(Rect.Bottom - f, Rect.Top + f));
    TCustomControl::AlignControls(AControl, Rect);
}

void TCustomPanel::Paint()
{
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    // Bands of one colour on the top and left sides, another on the
    // bottom and right, Width pixels deep; r shrinks by them.
    auto frame = [&c, &r](TColor TopLeft, TColor BottomRight, int Width) {
        c.Brush()->SetStyle(bsSolid);
        for (int i = 0; i < Width && r.Width() >= 2 && r.Height() >= 2; ++i) {
            c.Brush()->SetColor(TopLeft);
            c.FillRect(Rect(r.Left, r.Top, r.Right, r.Top + 1));
            c.FillRect(Rect(r.Left, r.Top, r.Left + 1, r.Bottom));
            c.Brush()->SetColor(BottomRight);
            c.FillRect(Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom));
            c.FillRect(Rect(r.Right - 1, r.Top, r.Right, r.Bottom));
            r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
        }
    };
    auto bevel = [&](TBevelCut Cut) {
        if (Cut == bvNone)
            return;
        const TColor tl = Cut == bvRaised ? clBtnHighlight : Cut == bvLowered ? clBtnShadow : clBtnFace;
        const TColor br = Cut == bvRaised ? clBtnShadow : Cut == bvLowered ? clBtnHighlight : clBtnFace;
        frame(tl, br, FBevelWidth);
    };
    bevel(FBevelOuter);
    frame(Color(), Color(), FBorderWidth);
    bevel(FBevelInner);
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(r);
    if (!Caption().isEmpty()) {
        c.SetFont(Font());
        c.Brush()->SetStyle(bsClear);
        DrawText(c, Caption(), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

} // namespace classlib
