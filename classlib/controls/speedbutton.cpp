#include "classlib/controls/speedbutton.h"

#include "classlib/controls/glyph.h"
#include "classlib/core/classbuilder.h"

namespace classlib {

const TClassInfo& TSpeedButton::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TSpeedButton>("TSpeedButton").Build();
    return info;
}

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGlyphButton(AOwner)
{
    SetControlStyle({csCaptureMouse, csClickEvents, csOpaque, csDoubleClicks});
    SetBounds(0, 0, 23, 22);
}

void TSpeedButton::Click()
{
    if (!Enabled())
        return;
    TCustomControl::Click();
}

void TSpeedButton::Paint()
{
    TCanvas& c = *Canvas();
    const TRect r = ClientRect();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(clBtnFace);
    c.FillRect(r);
    if (r.Width() >= 2 && r.Height() >= 2) {
        c.Brush()->SetColor(Down() ? clBtnShadow : clBtnHighlight);
        c.FillRect(Rect(r.Left, r.Top, r.Right, r.Top + 1));
        c.FillRect(Rect(r.Left, r.Top, r.Left + 1, r.Bottom));
        c.Brush()->SetColor(Down() ? clBtnHighlight : clBtnShadow);
        c.FillRect(Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom));
        c.FillRect(Rect(r.Right - 1, r.Top, r.Right, r.Bottom));
    }
    if (Glyph()->Empty())
        return;
    const int shift = Down() ? 1 : 0;
    const int x = (r.Width() - Glyph()->Width()) / 2 + shift;
    const int y = (r.Height() - Glyph()->Height()) / 2 + shift;
    DrawButtonGlyph(c, Glyph()->Image(), x, y, Enabled());
}

} // namespace classlib
