#include "classlib/controls/statictext.h"

#include "classlib/core/classbuilder.h"

namespace classlib {

const TClassInfo& TStaticText::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TStaticText>("TStaticText").Build();
    return info;
}

TStaticText::TStaticText(TComponent* AOwner) : TWinControl(AOwner)
{
    SetControlStyle({csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csReplicatable,
                     csDoubleClicks});
    SetBounds(0, 0, 65, 17);
}

void TStaticText::SetCaption(const QString& Value)
{
    if (Value == FCaption)
        return;
    FCaption = Value;
    AdjustSize();
    TextChanged();
}

void TStaticText::FontChanged()
{
    AdjustSize();
    TWinControl::FontChanged();
}

void TStaticText::SetAutoSize(bool Value)
{
    FAutoSize = Value;
    AdjustSize();
}

void TStaticText::SetStaticBorderStyle(TStaticBorderStyle Value)
{
    if (Value == FBorder)
        return;
    FBorder = Value;
    AdjustSize();
    Invalidate();
}

void TStaticText::AdjustSize()
{
    if (!FAutoSize)
        return;
    TCanvas& c = MeasureCanvas();
    const TSize ext = c.TextExtent(FCaption.isEmpty() ? QStringLiteral(" ") : FCaption);
    const int b = BorderWidth();
    SetBounds(Left(), Top(), ext.cx + 2 * b + 2, ext.cy + 2 * b);
}

void TStaticText::Paint()
{
    TCanvas& c = *Canvas();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(ClientRect());
    c.SetFont(Font());
    c.Brush()->SetStyle(bsClear);
    c.TextOut(1, 0, FCaption);
}

void TStaticText::PaintBorder()
{
    TCanvas& c = *Canvas();
    c.Pen()->SetStyle(psSolid);
    c.Pen()->SetColor(FBorder == sbsSingle ? clWindowFrame : clBtnShadow);
    c.Brush()->SetStyle(bsClear);
    c.Rectangle(0, 0, Width(), Height());
}

} // namespace classlib
