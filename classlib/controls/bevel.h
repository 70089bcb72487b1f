#pragma once

// Bevels: a lowered or raised box, frame or single line, drawn in the
// shadow and highlight colours.

#include "classlib/controls/control.h"

namespace classlib {

QX_ENUM(TBevelShape, bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer)
QX_ENUM(TBevelStyle, bsLowered, bsRaised)

class TBevel : public TControl {
    QX_CLASS(TBevel, TControl)
public:
    explicit TBevel(TComponent* AOwner);

    TBevelShape Shape() const { return FShape; }
    void SetShape(TBevelShape Value);
    TBevelStyle Style() const { return FStyle; }
    void SetStyle(TBevelStyle Value);

protected:
    void Paint() override;

private:
    TBevelShape FShape = bsBox;
    TBevelStyle FStyle = bsLowered;
};

} // namespace classlib
