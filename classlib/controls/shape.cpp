#include "classlib/controls/shape.h"

#include "classlib/core/classbuilder.h"
#include "classlib/graphics/brush.h"
#include "classlib/graphics/pen.h"

#include <algorithm>

namespace classlib {

const TClassInfo& TShape::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TShape>("TShape")
        .Prop("Brush", &TShape::Brush, &TShape::SetBrush)
        .Prop("Pen", &TShape::Pen, &TShape::SetPen)
        .Prop("Shape", &TShape::Shape, &TShape::SetShape).Default(stRectangle)
        .Build();
    return info;
}

TShape::TShape(TComponent* AOwner) : TControl(AOwner), FBrush(new TBrush), FPen(new TPen)
{
    SetBounds(0, 0, 65, 65);
    FBrush->OnChange = [this](TObject*) { Invalidate(); };
    FPen->OnChange = [this](TObject*) { Invalidate(); };
}

TShape::~TShape()
{
    delete FPen;
    delete FBrush;
}

void TShape::SetShape(TShapeType Value)
{
    if (Value == FShape) return;
    FShape = Value;
    Invalidate();
}

void TShape::SetBrush(const TBrush* Value)
{
    FBrush->Assign(Value);
}

void TShape::SetPen(const TPen* Value)
{
    FPen->Assign(Value);
}

void TShape::Paint()
{
    TCanvas& c = *Canvas();
    c.SetPen(FPen);
    c.SetBrush(FBrush);
    int w = Width();
    int h = Height();
    if (FShape == stSquare || FShape == stRoundSquare || FShape == stCircle) w = h = std::min(w, h);
    const int x = (Width() - w) / 2;
    const int y = (Height() - h) / 2;
    switch (FShape) {
    case stRectangle:
    case stSquare: c.Rectangle(x, y, x + w, y + h); break;
    case stRoundRect:
    case stRoundSquare: {
        // Corners cut by a quarter of the shorter side.
        const int r = std::max(1, std::min(w, h) / 4);
        const int x2 = x + w - 1, y2 = y + h - 1;
        c.Polygon({{x + r, y}, {x2 - r, y}, {x2, y + r}, {x2, y2 - r}, {x2 - r, y2}, {x + r, y2}, {x, y2 - r},
                   {x, y + r}});
        break;
    }
    case stEllipse:
    case stCircle: c.Ellipse(x, y, x + w, y + h); break;
    }
}

} // namespace classlib
