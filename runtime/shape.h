#pragma once

// A line, an ellipse or a rectangle drawn with the element's own pen and
// brush inside its content rectangle.

#include "runtime/control.h"

namespace classlib {
class TBrush;
class TPen;
}

namespace runtime {

QX_ENUM(TQXShapeKind, skNSLine, skWELine, skNWSELine, skNESWLine, skEllipse, skRectangle)

class TQXShape : public TQXControl {
    QX_CLASS(TQXShape, TQXControl)
public:
    explicit TQXShape(classlib::TComponent* AOwner);
    ~TQXShape() override;

    TQXShapeKind Shape() const { return FShape; }
    void SetShape(TQXShapeKind Value) { FShape = Value; }
    // Width in 0.01 mm.
    classlib::TPen* Pen() const { return FPen; }
    void SetPen(const classlib::TPen* Value);
    classlib::TBrush* Brush() const { return FBrush; }
    void SetBrush(const classlib::TBrush* Value);

    void Paint(TCanvas& Canvas) override;

protected:
    void AssignTo(classlib::TPersistent* Dest) const override;

private:
    TQXShapeKind FShape = skNSLine;
    classlib::TPen* FPen;
    classlib::TBrush* FBrush;
};

} // namespace runtime
