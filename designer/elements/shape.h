#pragma once

// The design-time shape: a line, an ellipse or a rectangle in the content
// rectangle, drawn with the element's pen (its width in screen pixels
// here) and brush.

#include "designer/elements/qxcontrol.h"

#include "runtime/shape.h"

namespace classlib {
class TBrush;
class TPen;
}

namespace designer {

using runtime::TQXShapeKind;

class TQXShape : public TQXControl {
    QX_CLASS(TQXShape, TQXControl)
public:
    explicit TQXShape(classlib::TComponent* AOwner);
    ~TQXShape() override;

    TQXShapeKind Shape() const { return FShape; }
    void SetShape(TQXShapeKind Value);
    classlib::TBrush* Brush() const { return FBrush; }
    void SetBrush(const classlib::TBrush* Value);
    classlib::TPen* Pen() const { return FPen; }
    void SetPen(const classlib::TPen* Value);

protected:
    void PaintContent() override;

private:
    TQXShapeKind FShape = runtime::skNSLine;
    classlib::TBrush* FBrush;
    classlib::TPen* FPen;
};

} // namespace designer
