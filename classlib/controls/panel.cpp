#include "classlib/controls/panel.h"

#include "classlib/core/classbuilder.h"

namespace classlib {

const TClassInfo& TCustomPanel::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TCustomPanel>("TCustomPanel").Build();
    return info;
}

const TClassInfo& TPanel::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TPanel>("TPanel").Build();
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
        Invalidate();
    }
}

void TCustomPanel::SetBevelOuter(TBevelCut Value)
{
    if (Value != FBevelOuter) {
        FBevelOuter = Value;
        Invalidate();
    }
}

void TCustomPanel::Paint()
{
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    auto frame = [&c, &r](TBevelCut Cut) {
        if (Cut == bvNone || r.Width() < 2 || r.Height() < 2)
            return;
        const TColor tl = Cut == bvRaised ? clBtnHighlight : Cut == bvLowered ? clBtnShadow : clBtnFace;
        const TColor br = Cut == bvRaised ? clBtnShadow : Cut == bvLowered ? clBtnHighlight : clBtnFace;
        c.Brush()->SetStyle(bsSolid);
        c.Brush()->SetColor(tl);
        c.FillRect(Rect(r.Left, r.Top, r.Right, r.Top + 1));
        c.FillRect(Rect(r.Left, r.Top, r.Left + 1, r.Bottom));
        c.Brush()->SetColor(br);
        c.FillRect(Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom));
        c.FillRect(Rect(r.Right - 1, r.Top, r.Right, r.Bottom));
        r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
    };
    frame(FBevelOuter);
    frame(FBevelInner);
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(r);
}

} // namespace classlib
