#include "designer/elements/shape.h"

#include "classlib/core/classbuilder.h"
#include "classlib/graphics/brush.h"
#include "classlib/graphics/canvas.h"
#include "classlib/graphics/pen.h"

namespace designer {

using namespace classlib;
using namespace runtime;

const TClassInfo& TQXShape::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TQXShape>("TQXShape")
        .Prop("Shape", &TQXShape::Shape, &TQXShape::SetShape)
        .Prop("Brush", &TQXShape::Brush, &TQXShape::SetBrush)
        .Prop("Pen", &TQXShape::Pen, &TQXShape::SetPen)
        .Build();
    return info;
}

TQXShape::TQXShape(TComponent* AOwner) : TQXControl(AOwner), FBrush(new TBrush), FPen(new TPen)
{
    FBrush->SetColor(clWhite);
    FPen->SetColor(clBlack);
    // An edit of a single pen or brush value shows at once too.
    FBrush->OnChange = [this](TObject*) { Invalidate(); };
    FPen->OnChange = [this](TObject*) { Invalidate(); };
}

TQXShape::~TQXShape()
{
    delete FBrush;
    delete FPen;
}

void TQXShape::SetShape(TQXShapeKind Value)
{
    FShape = Value;
    Invalidate();
}

void TQXShape::SetBrush(const TBrush* Value)
{
    FBrush->Assign(Value);
    Invalidate();
}

void TQXShape::SetPen(const TPen* Value)
{
    FPen->Assign(Value);
    Invalidate();
}

void TQXShape::PaintContent()
{
    TCanvas& canvas = *Canvas();
    canvas.SetBrush(FBrush);
    canvas.SetPen(FPen);
    const TRect c = ClientRect();
    const int midX = int((qint64(c.Left) + c.Right) / 2);
    const int midY = int((qint64(c.Top) + c.Bottom) / 2);
    switch (FShape) {
    case skNSLine:
        canvas.MoveTo(midX, c.Top);
        canvas.LineTo(midX, c.Bottom);
        break;
    case skWELine:
        canvas.MoveTo(c.Left, midY);
        canvas.LineTo(c.Right, midY);
        break;
    case skNWSELine:
        canvas.MoveTo(c.Left, c.Top);
        canvas.LineTo(c.Right, c.Bottom);
        break;
    case skNESWLine:
        canvas.MoveTo(c.Right, c.Top);
        canvas.LineTo(c.Left, c.Bottom);
        break;
    case skEllipse:
        canvas.Ellipse(c);
        break;
    case skRectangle:
        canvas.Rectangle(c);
        break;
    }
}

} // namespace designer
