#include "designer/controls/palettebutton.h"

#include "classlib/core/classbuilder.h"
#include "classlib/graphics/canvas.h"

namespace designer {

using namespace classlib;

const TClassInfo& TPaletteButton::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TPaletteButton>("TPaletteButton").Build();
    return info;
}

TPaletteButton::TPaletteButton(TComponent* AOwner) : TToolButton(AOwner) {}

void TPaletteButton::SetFrameColor(TColor Value)
{
    if (Value == FFrameColor) return;
    FFrameColor = Value;
    Invalidate();
}

void TPaletteButton::SetSticky(bool Value)
{
    if (Value == FSticky) return;
    FSticky = Value;
    Invalidate();
}

void TPaletteButton::Paint()
{
    TToolButton::Paint();
    if (!FSticky || !Down()) return;
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    r = TRect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    c.Brush()->SetStyle(bsClear);
    c.Pen()->SetStyle(psSolid);
    c.Pen()->SetWidth(1);
    c.Pen()->SetColor(FFrameColor);
    c.Rectangle(r);
}

} // namespace designer
