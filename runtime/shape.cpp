#include "runtime/shape.h"

#include "classlib/core/classbuilder.h"
#include "classlib/graphics/brush.h"
#include "classlib/graphics/canvas.h"
#include "classlib/graphics/pen.h"

namespace runtime {

using namespace classlib;

const TClassInfo& TQXShape::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TQXShape>("TQXShape")
        .Prop("Shape", &TQXShape::FShape)
        .Prop("Brush", &TQXShape::FBrush)
        .Prop("Pen", &TQXShape::FPen)
        .Build();
    return info;
}

TQXShape::TQXShape(TComponent* AOwner) : TQXControl(AOwner), FPen(new TPen), FBrush(new TBrush) {}

TQXShape::~TQXShape()
{
    delete FBrush;
    delete FPen;
}

void TQXShape::SetPen(const TPen* Value)
{
    FPen->Assign(Value);
}

void TQXShape::SetBrush(const TBrush* Value)
{
    FBrush->Assign(Value);
}

void TQXShape::AssignTo(TPersistent* Dest) const
{
    TQXControl::AssignTo(Dest);
    auto* d = As<TQXShape>(Dest);
    if (!d) return;
    d->FShape = FShape;
    d->FPen->Assign(FPen);
    d->FBrush->Assign(FBrush);
}

void TQXShape::Paint(TCanvas& Canvas)
{
    const TRect c = GetContentRect();
    Canvas.SetPen(FPen);
    Canvas.SetBrush(FBrush);
    // Integer halves truncate towards zero, as the stored layouts expect.
    switch (FShape) {
    case skNSLine: {
        const int x = int((qint64(c.Left) + c.Right) / 2);
        Canvas.MoveTo(x, c.Top);
        Canvas.LineTo(x, c.Bottom);
        break;
    }
    case skWELine: {
        const int y = int((qint64(c.Top) + c.Bottom) / 2);
        Canvas.MoveTo(c.Left, y);
        Canvas.LineTo(c.Right, y);
        break;
    }
    case skNWSELine:
        Canvas.MoveTo(c.Left, c.Top);
        Canvas.LineTo(c.Right, c.Bottom);
        break;
    case skNESWLine:
        Canvas.MoveTo(c.Right, c.Top);
        Canvas.LineTo(c.Left, c.Bottom);
        break;
    case skEllipse:
        Canvas.Ellipse(c);
        break;
    case skRectangle:
        Canvas.Rectangle(c);
        break;
    }
}

} // namespace runtime
