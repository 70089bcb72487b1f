#include "classlib/controls/bevel.h"

#include "classlib/core/classbuilder.h"
#include "classlib/core/classregistry.h"
#include "classlib/graphics/canvas.h"

namespace classlib {

const TClassInfo& TBevel::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TBevel>("TBevel")
        .Prop("Shape", &TBevel::Shape, &TBevel::SetShape).Default(bsBox)
        .Prop("Style", &TBevel::Style, &TBevel::SetStyle).Default(bsLowered)
        .Build();
    return info;
}

TBevel::TBevel(TComponent* AOwner) : TControl(AOwner)
{
    SetControlStyle({csReplicatable});
    SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape Value)
{
    FShape = Value;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle Value)
{
    FStyle = Value;
    Invalidate();
}

void TBevel::Paint()
{
    TCanvas& c = *Canvas();
    const TColor dark = FStyle == bsLowered ? clBtnShadow : clBtnHighlight;
    const TColor light = FStyle == bsLowered ? clBtnHighlight : clBtnShadow;
    const int w = Width(), h = Height();
    c.Pen()->SetStyle(psSolid);
    c.Pen()->SetWidth(1);
    auto line = [&](TColor Color, int X1, int Y1, int X2, int Y2) {
        c.Pen()->SetColor(Color);
        c.MoveTo(X1, Y1);
        c.LineTo(X2, Y2);
    };
    // A line is a groove: dark, then light one pixel further in.
    switch (FShape) {
    case bsBox:
        line(dark, 0, h - 1, 0, 0);
        line(dark, 0, 0, w, 0);
        line(light, w - 1, 0, w - 1, h - 1);
        line(light, w - 1, h - 1, -1, h - 1);
        break;
    case bsFrame:
        c.Brush()->SetStyle(bsClear);
        c.Pen()->SetColor(dark);
        c.Rectangle(0, 0, w - 1, h - 1);
        c.Pen()->SetColor(light);
        c.Rectangle(1, 1, w, h);
        break;
    case bsTopLine:
        line(dark, 0, 0, w, 0);
        line(light, 0, 1, w, 1);
        break;
    case bsBottomLine:
        line(dark, 0, h - 2, w, h - 2);
        line(light, 0, h - 1, w, h - 1);
        break;
    case bsLeftLine:
        line(dark, 0, 0, 0, h);
        line(light, 1, 0, 1, h);
        break;
    case bsRightLine:
        line(dark, w - 2, 0, w - 2, h);
        line(light, w - 1, 0, w - 1, h);
        break;
    case bsSpacer:
        break;
    }
}

namespace {
const bool BevelRegistered = (RegisterClass(TBevel::StaticClass()), true);
}

} // namespace classlib
