#pragma once

// Shapes: a rectangle, square, rounded rectangle or rounded square filled
// with the brush and outlined with the pen, covering the control.

#include "classlib/controls/control.h"

namespace classlib {

QX_ENUM(TShapeType, stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle)

class TShape : public TControl {
    QX_CLASS(TShape, TControl)
public:
    explicit TShape(TComponent* AOwner);
    ~TShape() override;

    TShapeType Shape() const { return FShape; }
    void SetShape(TShapeType Value);
    TBrush* Brush() const { return FBrush; }
    void SetBrush(const TBrush* Value);
    TPen* Pen() const { return FPen; }
    void SetPen(const TPen* Value);

protected:
    void Paint() override;

private:
    TShapeType FShape = stRectangle;
    TBrush* FBrush;
    TPen* FPen;
};

} // namespace classlib
