#include "classlib/graphics/brush.h"

#include "classlib/core/classbuilder.h"

namespace classlib {

const TClassInfo& TBrush::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TBrush>("TBrush")
        .Prop("Color", &TBrush::Color, &TBrush::SetColor).Default(clWhite)
        .Prop("Style", &TBrush::Style, &TBrush::SetStyle).Default(bsSolid)
        .Build();
    return info;
}

void TBrush::Assign(const TPersistent* Source)
{
    if (auto* b = dynamic_cast<const TBrush*>(Source)) {
        if (b == this)
            return;
        FColor = b->FColor;
        FStyle = b->FStyle;
        Changed();
        return;
    }
    TGraphicsObject::Assign(Source);
}

void TBrush::SetColor(TColor Value)
{
    if (FColor == Value) return;
    FColor = Value;
    Changed();
}

void TBrush::SetStyle(TBrushStyle Value)
{
    if (FStyle == Value) return;
    FStyle = Value;
    Changed();
}

TLogBrush TBrush::LogBrush() const
{
    TLogBrush b;
    b.Color = ColorToRGB(FColor);
    switch (FStyle) {
    case bsSolid: b.Style = BS_SOLID; break;
    case bsClear: b.Style = BS_NULL; break;
    default:
        b.Style = BS_HATCHED;
        b.Hatch = int(FStyle) - int(bsHorizontal) + HS_HORIZONTAL;
        break;
    }
    return b;
}

} // namespace classlib
