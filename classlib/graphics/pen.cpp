#include "classlib/graphics/pen.h"

#include "classlib/core/classbuilder.h"

namespace classlib {

int PenModeToROP2(TPenMode Mode)
{
    static const int Modes[] = {R2_BLACK, R2_WHITE, R2_NOP, R2_NOT, R2_COPYPEN, R2_NOTCOPYPEN,
                                R2_MERGEPENNOT, R2_MASKPENNOT, R2_MERGENOTPEN, R2_MASKNOTPEN,
                                R2_MERGEPEN, R2_NOTMERGEPEN, R2_MASKPEN, R2_NOTMASKPEN, R2_XORPEN,
                                R2_NOTXORPEN};
    return unsigned(Mode) < std::size(Modes) ? Modes[Mode] : R2_COPYPEN;
}

const TClassInfo& TPen::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TPen>("TPen")
        .Prop("Color", &TPen::Color, &TPen::SetColor).Default(clBlack)
        .Prop("Mode", &TPen::Mode, &TPen::SetMode).Default(pmCopy)
        .Prop("Style", &TPen::Style, &TPen::SetStyle).Default(psSolid)
        .Prop("Width", &TPen::Width, &TPen::SetWidth).Default(1)
        .Build();
    return info;
}

void TPen::Assign(const TPersistent* Source)
{
    if (auto* p = dynamic_cast<const TPen*>(Source)) {
        if (p == this)
            return;
        FColor = p->FColor;
        FMode = p->FMode;
        FStyle = p->FStyle;
        FWidth = p->FWidth;
        Changed();
        return;
    }
    TGraphicsObject::Assign(Source);
}

void TPen::SetColor(TColor Value)
{
    if (FColor == Value) return;
    FColor = Value;
    Changed();
}

void TPen::SetMode(TPenMode Value)
{
    if (FMode == Value) return;
    FMode = Value;
    Changed();
}

void TPen::SetStyle(TPenStyle Value)
{
    if (FStyle == Value) return;
    FStyle = Value;
    Changed();
}

void TPen::SetWidth(int Value)
{
    if (Value < 0 || FWidth == Value) return;
    FWidth = Value;
    Changed();
}

TLogPen TPen::LogPen() const
{
    static const int Styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
    TLogPen p;
    p.Style = unsigned(FStyle) < std::size(Styles) ? Styles[FStyle] : PS_SOLID;
    p.Width = FWidth;
    p.Color = ColorToRGB(FColor);
    return p;
}

} // namespace classlib
