#include "classlib/controls/speedbutton.h"

#include "classlib/controls/glyph.h"
#include "classlib/core/classbuilder.h"

namespace classlib {

const TClassInfo& TSpeedButton::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TSpeedButton>("TSpeedButton").Build();
    return info;
}

TSpeedButton::TSpeedButton(TComponent* AOwner) : TCustomControl(AOwner), FGlyph(new TBitmap)
{
    SetControlStyle({csCaptureMouse, csClickEvents, csOpaque, csDoubleClicks});
    SetBounds(0, 0, 23, 22);
    FGlyph->OnChange = [this](TObject*) { Invalidate(); };
}

TSpeedButton::~TSpeedButton()
{
    delete FGlyph;
}

void TSpeedButton::SetGlyph(const TBitmap* Value)
{
    FGlyph->Assign(Value);
    Invalidate();
}

void TSpeedButton::Click()
{
    if (!Enabled())
        return;
    TCustomControl::Click();
}

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft && Enabled()) {
        FDown = true;
        Repaint();
    }
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (Button == mbLeft && FDown) {
        FDown = false;
        Repaint();
    }
}

void TSpeedButton::Paint()
{
    TCanvas& c = *Canvas();
    const TRect r = ClientRect();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(clBtnFace);
    c.FillRect(r);
    if (r.Width() >= 2 && r.Height() >= 2) {
        c.Brush()->SetColor(FDown ? clBtnShadow : clBtnHighlight);
        c.FillRect(Rect(r.Left, r.Top, r.Right, r.Top + 1));
        c.FillRect(Rect(r.Left, r.Top, r.Left + 1, r.Bottom));
        c.Brush()->SetColor(FDown ? clBtnHighlight : clBtnShadow);
        c.FillRect(Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom));
        c.FillRect(Rect(r.Right - 1, r.Top, r.Right, r.Bottom));
    }
    if (FGlyph->Empty())
        return;
    const int shift = FDown ? 1 : 0;
    const int x = (r.Width() - FGlyph->Width()) / 2 + shift;
    const int y = (r.Height() - FGlyph->Height()) / 2 + shift;
    DrawButtonGlyph(c, FGlyph->Image(), x, y, Enabled());
}

} // namespace classlib
