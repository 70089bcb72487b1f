#include "demo/textbutton.h"

#include "classlib/core/classbuilder.h"

using namespace classlib;

namespace demo {

const TClassInfo& TTextButton::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TTextButton>("TTextButton").Build();
    return info;
}

void TTextButton::SetCaption(const QString& Value)
{
    FCaption = Value;
    Invalidate();
}

void TTextButton::Paint()
{
    TSpeedButton::Paint();
    TCanvas& c = *Canvas();
    c.Brush()->SetStyle(bsClear);
    c.Font()->SetColor(Enabled() ? clBtnText : clGrayText);
    const TRect r = ClientRect();
    const TSize size = c.TextExtent(FCaption);
    c.TextOut(r.Left + (r.Width() - size.cx) / 2, r.Top + (r.Height() - size.cy) / 2, FCaption);
}

} // namespace demo
